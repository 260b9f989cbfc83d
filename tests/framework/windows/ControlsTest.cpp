#include "framework/WinControl.h"

#include <gtest/gtest.h>

namespace {

TEST(Controls, Placeholder) {
    TWinControl Control(nullptr);
    EXPECT_FALSE(Control.HandleAllocated());
}

} // namespace
