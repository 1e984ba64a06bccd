// Decoding of the 8-bit strings the engine draws: Windows-1252.
#pragma once

namespace vur::gdi {

// The Unicode code point of a Windows-1252 byte. The five bytes the code page
// leaves unassigned map to the C1 control of the same value, as the system's
// own conversion does.
char32_t CodePage1252ToUnicode(unsigned char Byte);

} // namespace vur::gdi
