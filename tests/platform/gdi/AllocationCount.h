// Heap blocks taken so far by the whole test program (AllocationCount.cpp
// replaces the global operator new and delete), for tests that must draw
// without allocating.
#pragma once

namespace vur::gdi::testing {

long AllocationCount();

} // namespace vur::gdi::testing
