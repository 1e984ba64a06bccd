#include "app/Unit1.h"

#include "framework/DateTime.h"
#include "framework/Random.h"
#include "framework/Resources.h"

#include <cstdint>
#include <span>

namespace vur {

// Made at build time from app/Unit1.form.
std::span<const std::uint8_t> StoredFormTFORM1();

namespace {
const TResourceRegistration FormResource("TFORM1", StoredFormTFORM1());
} // namespace

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) {
    DeclareTForm1Properties();
    InitInheritedComponent();
}

void TForm1::Button1Click(TPersistent*) {
    Series1->Clear();
    Timer1->SetEnabled(true);
}

void TForm1::Button2Click(TPersistent*) { Timer1->SetEnabled(false); }

void TForm1::Timer1Timer(TPersistent*) {
    const TDateTime X = CurrentLocalDateTime();
    const double Y = DrawRandomBetween(0, 100);
    Series1->AddXY(X, Y, "", clDefault);
    if (Series1->Count() > 10) Series1->Delete(0);
}

} // namespace vur
