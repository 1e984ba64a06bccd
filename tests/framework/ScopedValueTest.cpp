#include "framework/ScopedValue.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace vur {
namespace {

TEST(ScopedValue, AVariableGetsItsOldValueBackOnReturnAndOnThrow) {
    int Depth = 1;
    {
        const TScopedValue Scope(Depth, 7);
        EXPECT_EQ(Depth, 7);
    }
    EXPECT_EQ(Depth, 1);
    try {
        const TScopedValue Scope(Depth, 9);
        throw std::runtime_error("unwinding");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(Depth, 1);
}

// Nested scopes on one flag unwind to the value each found, so an inner
// scope does not switch off what an outer one switched on.
TEST(ScopedValue, NestedScopesUnwindInTurn) {
    bool Flag = false;
    {
        const TScopedValue Outer(Flag, true);
        { const TScopedValue Inner(Flag, true); }
        EXPECT_TRUE(Flag);
    }
    EXPECT_FALSE(Flag);
}

// The old value is moved aside, never copied: a move-only value works, and a
// held handler keeps its state.
TEST(ScopedValue, TheOldValueIsMovedNotCopied) {
    auto Owned = std::make_unique<int>(5);
    int* const Held = Owned.get();
    {
        const TScopedValue<std::unique_ptr<int>> Scope(Owned, nullptr);
        EXPECT_EQ(Owned, nullptr);
    }
    EXPECT_EQ(Owned.get(), Held);
}

// A property: the setter sees the new value first and the old one at the
// end, on return and on throw alike.
TEST(ScopedValue, APropertyIsSetThroughItsSetterBothWays) {
    std::vector<std::string> Calls;
    std::string Caption = "old";
    const auto Set = [&](std::string Value) {
        Calls.push_back(Value);
        Caption = std::move(Value);
    };
    {
        const TScopedValue Scope(Caption, std::string("new"), Set);
        EXPECT_EQ(Caption, "new");
    }
    try {
        const TScopedValue Scope(Caption, std::string("again"), Set);
        throw std::runtime_error("unwinding");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(Calls, (std::vector<std::string>{"new", "old", "again", "old"}));
}

} // namespace
} // namespace vur
