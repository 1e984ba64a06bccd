// Character replacement in label texts (blanks to line breaks and the like).
#pragma once

#include <string>
#include <string_view>

namespace vur {

// Text with every occurrence of Old replaced by New.
std::string ReplaceChar(std::string_view Text, char Old, char New);

} // namespace vur
