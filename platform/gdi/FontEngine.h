// The process-wide font machinery: the FreeType library, the faces opened so
// far and the most recently used realised fonts. Everything in it is guarded by
// one mutex; it lives until the process ends so that fonts held by static
// objects stay valid during shutdown.
#pragma once

#include "platform/gdi/FontMatch.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace vur::gdi {
struct LOGFONT;
}

namespace vur::gdi::detail {

class FontInstance;

struct OpenFace {
    FT_Face Face = nullptr;
    bool SymbolCharMap = false; // no Unicode map: characters are looked up at 0xF000 + code
};

class FontEngine {
public:
    static FontEngine& Get();

    std::mutex& Mutex() { return FMutex; }
    FT_Library Library() const { return FLibrary; }

    // A realised font for the request: the cached one when the same request was
    // made recently, otherwise a new one.
    std::shared_ptr<FontInstance> Acquire(const LOGFONT& LogFont);

    // With the mutex held: the face of a file, opened once; nullptr when
    // FreeType cannot read it.
    const OpenFace* Face(const std::string& File, int Index);

    // With the mutex held: the faces for a face name and style, remembered, as
    // every size of the same face needs the same answer.
    const std::vector<FaceChoice>& Match(const std::string& FaceName, int Weight, bool Italic,
                                         std::uint8_t PitchAndFamily);

    // With the mutex held: the fontconfig configuration faces are matched in.
    // It is our own rather than the process default, so that it can be released
    // when the program ends without pulling the default from under another
    // user (a toolkit's font database); fontconfig's parsed configuration is
    // otherwise reported as leaked. nullptr (the default) after that.
    FcConfig* FontConfig();

private:
    FontEngine();
    struct ConfigRelease;

    struct FaceEntry {
        std::string File;
        int Index = 0;
        OpenFace Open; // Face stays nullptr when the file could not be read
    };
    std::mutex FMutex;
    FT_Library FLibrary = nullptr;
    FcConfig* FConfig = nullptr;
    bool FConfigReleased = false;
    std::vector<std::unique_ptr<FaceEntry>> FFaces;
    struct MatchEntry {
        std::string FaceName;
        int Weight = 0;
        bool Italic = false;
        std::uint8_t PitchAndFamily = 0;
        std::vector<FaceChoice> Faces;
    };
    static constexpr std::size_t MatchCapacity = 64;
    std::vector<MatchEntry> FMatches; // most recent last
    static constexpr int RecentCapacity = 48;
    std::shared_ptr<FontInstance> FRecent[RecentCapacity];
    int FRecentCount = 0;
};

} // namespace vur::gdi::detail
