#include "format/ReplaceChar.h"

#include <algorithm>

namespace vur {

std::string ReplaceChar(std::string_view Text, char Old, char New) {
    std::string Result(Text);
    std::replace(Result.begin(), Result.end(), Old, New);
    return Result;
}

} // namespace vur
