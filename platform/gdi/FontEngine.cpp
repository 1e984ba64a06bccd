#include "platform/gdi/FontEngine.h"

#include "platform/gdi/Font.h"
#include "platform/gdi/FontInstance.h"

#include <algorithm>
#include <utility>

namespace vur::gdi::detail {

FontEngine& FontEngine::Get() {
    // Never destroyed: fonts owned by static objects may be released after
    // main returns, and they still need the library and the lock.
    static FontEngine* Engine = new FontEngine();
    return *Engine;
}

struct FontEngine::ConfigRelease {
    ~ConfigRelease() {
        FontEngine& Engine = FontEngine::Get();
        std::lock_guard<std::mutex> Guard(Engine.FMutex);
        if (Engine.FConfig != nullptr) FcConfigDestroy(Engine.FConfig);
        Engine.FConfig = nullptr;
        Engine.FConfigReleased = true;
    }
};

FcConfig* FontEngine::FontConfig() {
    if (FConfig == nullptr && !FConfigReleased) {
        FConfig = FcInitLoadConfigAndFonts();
        static const ConfigRelease Release;
    }
    return FConfig;
}

FontEngine::FontEngine() {
    if (FT_Init_FreeType(&FLibrary) != 0) FLibrary = nullptr;
}

const OpenFace* FontEngine::Face(const std::string& File, int Index) {
    for (const auto& Entry : FFaces)
        if (Entry->File == File && Entry->Index == Index)
            return Entry->Open.Face != nullptr ? &Entry->Open : nullptr;
    auto Entry = std::make_unique<FaceEntry>();
    Entry->File = File;
    Entry->Index = Index;
    FT_Face Face = nullptr;
    if (FLibrary != nullptr && FT_New_Face(FLibrary, File.c_str(), Index, &Face) == 0) {
        if (FT_IS_SCALABLE(Face) && FT_Select_Charmap(Face, FT_ENCODING_UNICODE) != 0) {
            Entry->Open.SymbolCharMap = FT_Select_Charmap(Face, FT_ENCODING_MS_SYMBOL) == 0;
            if (!Entry->Open.SymbolCharMap) {
                FT_Done_Face(Face);
                Face = nullptr;
            }
        } else if (!FT_IS_SCALABLE(Face)) {
            FT_Done_Face(Face);
            Face = nullptr;
        }
        Entry->Open.Face = Face;
    }
    FFaces.push_back(std::move(Entry));
    const OpenFace& Open = FFaces.back()->Open;
    return Open.Face != nullptr ? &Open : nullptr;
}

const std::vector<FaceChoice>& FontEngine::Match(const std::string& FaceName, int Weight, bool Italic,
                                                 std::uint8_t PitchAndFamily) {
    const auto Same = [&](const MatchEntry& E) {
        return E.Weight == Weight && E.Italic == Italic && E.PitchAndFamily == PitchAndFamily &&
               E.FaceName == FaceName;
    };
    auto Found = std::find_if(FMatches.begin(), FMatches.end(), Same);
    if (Found == FMatches.end()) {
        if (FMatches.size() == MatchCapacity) FMatches.erase(FMatches.begin());
        FMatches.push_back(MatchEntry{FaceName, Weight, Italic, PitchAndFamily,
                                      MatchFaces(FaceName, Weight, Italic, PitchAndFamily)});
        return FMatches.back().Faces;
    }
    std::rotate(Found, Found + 1, FMatches.end());
    return FMatches.back().Faces;
}

std::shared_ptr<FontInstance> FontEngine::Acquire(const LOGFONT& LogFont) {
    std::shared_ptr<FontInstance> Dropped;
    std::lock_guard<std::mutex> Guard(FMutex);
    for (int I = 0; I < FRecentCount; ++I) {
        if (FRecent[I]->LogFont() == LogFont) {
            std::rotate(FRecent, FRecent + I, FRecent + I + 1);
            return FRecent[0];
        }
    }
    auto Instance = std::make_shared<FontInstance>(LogFont);
    if (FRecentCount == RecentCapacity) Dropped = std::move(FRecent[--FRecentCount]);
    std::move_backward(FRecent, FRecent + FRecentCount, FRecent + FRecentCount + 1);
    FRecent[0] = Instance;
    ++FRecentCount;
    return Instance;
}

} // namespace vur::gdi::detail
