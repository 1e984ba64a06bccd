#include "chart/RoVedure/DrawSettings.h"

#include "chart/VurConst.h"

#include <cstdlib>

namespace vur {

namespace {

TVurDrawSettings StartSettings() {
    TVurDrawSettings S;
    S.DefaultFontSize = std::atoi(VurMsg_DefaultFontSize);
    S.DefaultFontName = VurMsg_DefaultFontName;
    return S;
}

} // namespace

TVurDrawSettings& VurDrawSettings() {
    static TVurDrawSettings Settings = StartSettings();
    return Settings;
}

void ResetVurDrawSettings() { VurDrawSettings() = StartSettings(); }

int GetDefaultFontSize() { return VurDrawSettings().DefaultFontSize; }

const std::string& GetDefaultFontName() { return VurDrawSettings().DefaultFontName; }

} // namespace vur
