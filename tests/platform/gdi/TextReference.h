// The plain rule for text, written apart from the device's text paths: an
// opaque text first fills its upright cell with the background colour, then
// every pixel of the font's coverage takes the text colour through the raster
// operation by (ink c + dest (255 - c) + 127) / 255, all inside the clip.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Region.h"

#include <optional>
#include <string>

namespace vur::gdi::testing {

// What Device's TextOut of Text at (X, Y) should make of Before, with the
// device's font and settings and Clip as its clip (none: the whole bitmap).
// Inked is set to whether the font gave any coverage at all.
Bitmap PlainText(const Bitmap& Before, const DC& Device, const std::optional<Region>& Clip,
                 const std::string& Text, int X, int Y, bool* Inked = nullptr);

// The pixels that text may change: the box of its inked pixels, joined with
// its cell when the background mode is opaque. Empty when neither has any.
RECT TextBox(const DC& Device, const std::string& Text, int X, int Y);

// An Arial font description of Height (negative: character height), turned by
// Escapement tenths of a degree.
LOGFONT Arial(int Height, int Escapement = 0);

} // namespace vur::gdi::testing
