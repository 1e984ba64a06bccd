// The one exception type of the raster device: failures that cannot be
// reported through a return value (unreadable image files, absurd sizes).
#pragma once

#include <stdexcept>

namespace vur::gdi {

class EGdiError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vur::gdi
