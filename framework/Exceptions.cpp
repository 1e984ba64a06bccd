#include "framework/Exceptions.h"

#include <cstdio>
#include <string_view>

namespace vur {

void AssertErrorHandler(const std::string& Text, const char* File, int Line) {
    // The build maps source paths to the top of the tree; a compiler cache may still hand the
    // compiler a path relative to the build folder (../../chart/...), whose leading steps go too.
    std::string_view Path(File);
    while (Path.starts_with("../") || Path.starts_with("./")) Path.remove_prefix(Path.find('/') + 1);
    // "%s (%s, line %d)"
    throw EAssertionFailed(Text + " (" + std::string(Path) + ", line " + std::to_string(Line) + ")");
}

void IndexErrorHandler(int Index, int Count, const char* File, int Line) {
    AssertErrorHandler("Index " + std::to_string(Index) + " out of bounds (0 to " +
                           std::to_string(Count - 1) + ")",
                       File, Line);
}

} // namespace vur
