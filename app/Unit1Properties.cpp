// What the main form publishes: the fields its stored components fill and
// the methods its stored events name.
#include "app/Unit1.h"
#include "framework/Published.h"

namespace vur {

void DeclareTForm1Properties() {
    static const bool Declared = [] {
        TDeclare<TForm1>("TForm1", "TForm")
            .Field("Chart1", "TChart", &TForm1::Chart1)
            .Field("Button1", "TButton", &TForm1::Button1)
            .Field("Button2", "TButton", &TForm1::Button2)
            .Field("Timer1", "TTimer", &TForm1::Timer1)
            .Field("Series1", "TLineSeries", &TForm1::Series1)
            .Method<TNotifyEvent>("Button1Click", &TForm1::Button1Click)
            .Method<TNotifyEvent>("Button2Click", &TForm1::Button2Click)
            .Method<TNotifyEvent>("Timer1Timer", &TForm1::Timer1Timer);
        return true;
    }();
    (void)Declared;
}

} // namespace vur
