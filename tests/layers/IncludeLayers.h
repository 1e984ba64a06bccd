// The include rule of the source tree: a file includes headers of its own
// layer or of a lower one, never of a higher one, and only the Qt glue
// includes Qt. Layers, lowest first:
//   platform -> framework -> format -> chart -> app, embed
// (app and embed both sit on chart; neither includes the other).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vur {

struct TIncludeViolation {
    // Both relative to the root, with forward slashes.
    std::string File;
    int Line = 0;
    std::string Included;

    bool operator==(const TIncludeViolation&) const = default;
};

// Every include in the .h and .cpp files of the layer folders under Root that
// breaks the rule, in file order and then line order.
std::vector<TIncludeViolation> FindIncludeViolations(const std::filesystem::path& Root);

} // namespace vur
