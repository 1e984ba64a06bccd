// Facts about the running program itself.
#pragma once

#include <string>

namespace vur::sys {

// The executable's file name without folder and extension ("liveplot"); empty
// when the system cannot tell.
std::string ModuleName();

} // namespace vur::sys
