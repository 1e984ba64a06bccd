#include "framework/Exceptions.h"

#include <cstdio>

namespace vur {

void AssertErrorHandler(const std::string& Text, const char* File, int Line) {
    // "%s (%s, line %d)"
    throw EAssertionFailed(Text + " (" + File + ", line " + std::to_string(Line) + ")");
}

} // namespace vur
