// Data a program carries with it, found by name as the platform's resources
// are (case does not matter): the stored form descriptions, for one.
#pragma once

#include "framework/Streams.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vur {

// Data must stay valid for the life of the process; a second registration
// of a name replaces the first.
void RegisterResource(const std::string& Name, std::span<const std::uint8_t> Data);
std::optional<std::span<const std::uint8_t>> FindResource(const std::string& Name);

// Registers at static initialisation, beside the data.
struct TResourceRegistration {
    TResourceRegistration(const char* Name, std::span<const std::uint8_t> Data) {
        RegisterResource(Name, Data);
    }
};

// A read-only stream over a registered resource; EResNotFound "Resource %s
// not found" when there is none of that name.
class TResourceStream : public TCustomMemoryStream {
public:
    explicit TResourceStream(const std::string& Name);
};

} // namespace vur
