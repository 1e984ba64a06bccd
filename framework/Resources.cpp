#include "framework/Resources.h"

#include "framework/Exceptions.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace vur {

namespace {
std::string Key(const std::string& Name) {
    std::string Upper = Name;
    std::transform(Upper.begin(), Upper.end(), Upper.begin(),
                   [](unsigned char C) { return static_cast<char>(std::toupper(C)); });
    return Upper;
}

// A function's static, so that registrations at static initialisation find it built.
std::map<std::string, std::span<const std::uint8_t>>& Table() {
    static std::map<std::string, std::span<const std::uint8_t>> Resources;
    return Resources;
}
} // namespace

void RegisterResource(const std::string& Name, std::span<const std::uint8_t> Data) {
    Table()[Key(Name)] = Data;
}

std::optional<std::span<const std::uint8_t>> FindResource(const std::string& Name) {
    const auto It = Table().find(Key(Name));
    if (It == Table().end()) return std::nullopt;
    return It->second;
}

TResourceStream::TResourceStream(const std::string& Name) {
    const auto Data = FindResource(Name);
    if (!Data) throw EResNotFound("Resource " + Name + " not found");
    SetView(*Data);
}

} // namespace vur
