#include "platform/sys/Module.h"

#include <array>
#include <unistd.h>

namespace vur::sys {

std::string ModuleName() {
    std::array<char, 4096> Buffer{};
    const ssize_t Length = readlink("/proc/self/exe", Buffer.data(), Buffer.size() - 1);
    if (Length <= 0) return {};
    std::string Path(Buffer.data(), static_cast<std::size_t>(Length));
    const auto Slash = Path.find_last_of('/');
    if (Slash != std::string::npos) Path.erase(0, Slash + 1);
    const auto Dot = Path.find_last_of('.');
    if (Dot != std::string::npos && Dot > 0) Path.erase(Dot);
    return Path;
}

} // namespace vur::sys
