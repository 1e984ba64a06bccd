// The fonts a table of premixed cells was made in. A cell is keyed by its
// font, so the table holds each font while cells of it exist: a new font can
// then never be taken for a dead one. When every place is taken, the table
// must start over before any font is let go.
#pragma once

#include "platform/gdi/Font.h"

#include <array>
#include <cstddef>
#include <optional>

namespace vur::gdi {

template <std::size_t Places>
class HeldFonts {
public:
    // The place of F, given a free place if it has none; with every place
    // taken, StartOver empties the table first and F takes the first place.
    template <typename StartOverFn>
    std::size_t Use(const Font& F, StartOverFn&& StartOver) {
        for (std::size_t I = 0; I < Places; ++I)
            if (FFonts[I] && *FFonts[I] == F) return I;
        for (std::size_t I = 0; I < Places; ++I)
            if (!FFonts[I]) {
                FFonts[I] = F;
                return I;
            }
        StartOver();
        for (auto& Held : FFonts) Held.reset();
        FFonts[0] = F;
        return 0;
    }

private:
    std::array<std::optional<Font>, Places> FFonts;
};

} // namespace vur::gdi
