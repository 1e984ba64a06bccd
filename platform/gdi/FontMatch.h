// Choosing the face file for a logical font through fontconfig.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vur::gdi::detail {

struct FaceChoice {
    std::string File;
    int Index = 0;
    std::string Family;
    bool Bold = false;   // the face itself is bold (demibold or heavier)
    bool Italic = false; // the face itself is italic or oblique
};

// With the font engine's mutex held: outline faces for the request, best first; the caller takes the first
// one FreeType opens. Any name yields candidates as long as the system has a scalable face at all: an unknown
// name falls back to the generic family its pitch and family hint suggest (sans-serif by default).
std::vector<FaceChoice> MatchFaces(const std::string& FaceName, int Weight, bool Italic,
                                   std::uint8_t PitchAndFamily);

} // namespace vur::gdi::detail
