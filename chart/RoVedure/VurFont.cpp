#include "chart/RoVedure/VurFont.h"

#include "chart/RoVedure/Canvas.h"
#include "chart/RoVedure/DrawSettings.h"

namespace vur {

TVurFont::TVurFont(TNotifyEvent AOnChange) {
    SetCharset(1);
    SetColor(clBlack);
    SetName(vur::GetDefaultFontName());
    SetSize(vur::GetDefaultFontSize());
    OnChange = std::move(AOnChange);
}

TVurFont::~TVurFont() {
    if (FCanvas) FCanvas->ReleaseFont(this);
}

bool TVurFont::IsNameStored() const { return GetName() != vur::GetDefaultFontName(); }

void TVurFont::Assign(const TPersistent* Source) {
    if (const auto* Font = dynamic_cast<const TVurFont*>(Source)) {
        if (Font == this) return;
        SetGradient(Font->FGradient.get());
        SetInterCharSize(Font->FInterCharSize);
        SetOutLine(Font->FOutLine.get());
        SetShadow(Font->FShadow.get());
    }
    TFont::Assign(Source);
}

void TVurFont::SetInterCharSize(int Value) {
    if (FInterCharSize == Value) return;
    FInterCharSize = Value;
    SubObjectChanged();
}

TChartHiddenPen* TVurFont::GetOutLine() {
    if (!FOutLine) FOutLine = std::make_unique<TChartHiddenPen>([this](TPersistent*) { SubObjectChanged(); });
    return FOutLine.get();
}

void TVurFont::SetOutLine(const TChartPen* Value) {
    if (!Value) {
        if (!FOutLine) return;
        FOutLine.reset();
        SubObjectChanged();
        return;
    }
    GetOutLine()->Assign(Value);
}

TVurShadow* TVurFont::GetShadow() {
    if (!FShadow) FShadow = std::make_unique<TVurShadow>([this](TPersistent*) { SubObjectChanged(); });
    return FShadow.get();
}

void TVurFont::SetShadow(const TVurShadow* Value) {
    if (!Value) {
        if (!FShadow) return;
        FShadow.reset();
        SubObjectChanged();
        return;
    }
    GetShadow()->Assign(Value);
}

TVurFontGradient* TVurFont::GetGradient() {
    if (!FGradient)
        FGradient = std::make_unique<TVurFontGradient>([this](TPersistent*) { SubObjectChanged(); });
    return FGradient.get();
}

void TVurFont::SetGradient(const TCustomVurGradient* Value) {
    if (!Value) {
        if (!FGradient) return;
        FGradient.reset();
        SubObjectChanged();
        return;
    }
    GetGradient()->Assign(Value);
}

void TVurFont::InitColor(TColor Value) {
    FDefaultColor = Value;
    SetColor(Value);
}

void TVurFont::InitStyle(TFontStyles Value) {
    FDefaultStyle = Value;
    SetStyle(Value);
}

} // namespace vur
