// The 8-bit strings the engine draws are Windows-1252: decoding, and encoding
// text that arrives as Unicode.
#pragma once

#include <string>
#include <string_view>

namespace vur::gdi {

// The Unicode code point of a Windows-1252 byte. The five bytes the code page
// leaves unassigned map to the C1 control of the same value, as the system's
// own conversion does.
char32_t CodePage1252ToUnicode(unsigned char Byte);
// The Windows-1252 byte of a code point; '?' for one the code page lacks.
unsigned char UnicodeToCodePage1252(char32_t CodePoint);
// The code points of UTF-8 text; each byte that starts no valid sequence gives U+FFFD.
std::u32string DecodeUtf8(std::string_view Text);
// UTF-8 text as Windows-1252 bytes ('?' for what the code page lacks).
std::string Utf8ToCodePage1252(std::string_view Text);

} // namespace vur::gdi
