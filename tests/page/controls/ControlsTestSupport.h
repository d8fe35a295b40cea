#pragma once
// Shared helpers for the control tests: the fixed-advance fonts (16 pixels high: every character
// 8 pixels wide, a solid block from the cell top down to the baseline at 12) and a host.

#include "page/controls/TestControlHost.h"
#include "page/render/TXBitmap.h"
#include "platform/Fonts.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor {

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override { SetFontService(nullptr); }

    TestControlHost m_host;
};

inline constexpr Colour kTestWhite = 0xFFFFFF;
inline constexpr Colour kTestBlack = 0;
inline constexpr Colour kTestRed = 0x0000FF;

} // namespace qor
