#include "framework/graphics/Colors.h"
#include "framework/graphics/WinApi.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorToRGB, SystemColoursAreTheHostsCurrentColours) {
    EXPECT_EQ(clBtnFace, TColor(0x8000000F));
    EXPECT_EQ(ColorToRGB(clBtnFace), TColor(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(ColorToRGB(clWindow), TColor(GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ(ColorToRGB(clHighlightText), TColor(GetSysColor(COLOR_HIGHLIGHTTEXT)));
    EXPECT_EQ(ColorToRGB(cl3DDkShadow), TColor(GetSysColor(COLOR_3DDKSHADOW)));
    EXPECT_EQ(ColorToRGB(clInactiveCaptionText), TColor(GetSysColor(COLOR_INACTIVECAPTIONTEXT)));
}

TEST(ColorToRGB, AnyValueWithTheTopBitTakesItsLowByteAsIndex) {
    // The fallback value FFFF0000 hex reads as system colour 0, the scroll-bar colour.
    EXPECT_EQ(ColorToRGB(TColor(0xFFFF0000u)), TColor(GetSysColor(COLOR_SCROLLBAR)));
    EXPECT_EQ(ColorToRGB(TColor(0xFF00000Fu)), TColor(GetSysColor(COLOR_BTNFACE)));
}

TEST(ColorToRGB, PlainColoursAndMarkersAreUnchanged) {
    EXPECT_EQ(ColorToRGB(clFuchsia), 0xFF00FF);
    EXPECT_EQ(ColorToRGB(clBlue), 0xFF0000);
    EXPECT_EQ(ColorToRGB(RGBColor(1, 2, 3)), 0x030201);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
}

TEST(ColorNames, NamesAndNumbersReadBack) {
    for (TColor Color : {clBtnFace, clFuchsia, cl3DLight, clMenuText, clNone, clSilver}) {
        const std::string Text = ColorToString(Color);
        TColor Back = 0;
        ASSERT_TRUE(StringToColor(Text, Back)) << Text;
        EXPECT_EQ(Back, Color) << Text;
    }
    EXPECT_EQ(ColorToString(clSilver), "clSilver");
    EXPECT_EQ(ColorToString(0x123456), "$00123456");

    TColor Color = 0;
    EXPECT_TRUE(StringToColor("CLBTNFACE", Color));
    EXPECT_EQ(Color, clBtnFace);
    EXPECT_TRUE(StringToColor("$FFFF0000", Color));
    EXPECT_EQ(Color, TColor(0xFFFF0000u));
    EXPECT_TRUE(StringToColor("-16777201", Color));
    EXPECT_EQ(Color, TColor(0xFF00000Fu));
    EXPECT_TRUE(StringToColor("0x10", Color));
    EXPECT_EQ(Color, 16);
    EXPECT_FALSE(StringToColor("clNoSuchColour", Color));
    EXPECT_FALSE(StringToColor("$", Color));
    EXPECT_FALSE(StringToColor("12x", Color));
    EXPECT_FALSE(StringToColor("$1FFFFFFFF", Color));
}

} // namespace
