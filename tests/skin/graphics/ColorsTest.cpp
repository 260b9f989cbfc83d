#include "skin/graphics/KsColors.h"

#include "framework/graphics/WinApi.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

namespace {

TEST(KsColors, MakeClampsColourAndTakesAlphaAsAByte) {
    EXPECT_EQ(MakeKsColor(-5, 300, 128, 0x40), 0x4000FF80u);
    EXPECT_EQ(MakeKsColor(255, 0, 0, 255), KsRed);
}

TEST(KsColors, AddAndSubClampColourAndWrapAlpha) {
    EXPECT_EQ(KsColorAdd(0xF0F00010u, 0x20, 0x10, 0x05, 0x20), 0x10FF1015u);
    EXPECT_EQ(KsColorSub(0x10102030u, 0x20, 0x10, 0x40, 0x20), 0xF0001000u);
    EXPECT_EQ(KsColorLighten(0x80F01020u, 0x20), 0x80FF3040u);
    EXPECT_EQ(KsColorDarken(0x80F01020u, 0x20), 0x80D00000u);
}

TEST(KsColors, BrightnessIsOpaqueAndClamped) {
    EXPECT_EQ(KsColorChangeBrightness(0x10FE0180u, 10), 0xFFFF0B8Au);
    EXPECT_EQ(KsColorChangeBrightness(0x10FE0180u, -200), 0xFF360000u);
}

TEST(KsColors, HueTurnsPrimariesAroundTheWheel) {
    EXPECT_EQ(KsColorChangeHue(0xFFFF0000u, 85), 0xFF00FF00u);
    EXPECT_EQ(KsColorChangeHue(0xFFFF0000u, 170), 0xFF0000FFu);
    EXPECT_EQ(KsColorChangeHue(0xFF00FF00u, 0), 0xFF00FF00u);
}

TEST(KsColors, HueResultIsOpaqueWhateverTheInputAlpha) {
    EXPECT_EQ(KsColorChangeHue(0x40808080u, 30), 0xFF808080u);
    EXPECT_EQ(KsColorChangeHue(0x40FF0000u, 0) >> 24, 0xFFu);
}

TEST(KsColors, HueWrapsByTwoHundredFiftyFive) {
    // Pure blue has hue 170; +86 reaches 256, which wraps to 1, a step past red.
    const TKsColor Wrapped = KsColorChangeHue(0xFF0000FFu, 86);
    EXPECT_EQ(Wrapped, KsColorChangeHue(0xFFFF0000u, 1));
    // Red turned back by one lands on 254, just short of red on the blue side.
    const TKsColor Back = KsColorChangeHue(0xFFFF0000u, -1);
    EXPECT_EQ(KsRedOf(Back), 255);
    EXPECT_EQ(KsGreenOf(Back), 0);
    EXPECT_EQ(KsBlueOf(Back), 6);
}

// Turns near the integer limits: the sum of hue and turn does not overflow, greys stay grey
// and both ways of turning agree.
TEST(KsColors, HueTurnsByTheLargestDeltasWithoutOverflow) {
    for (const int Delta : {INT_MAX, INT_MAX - 1, INT_MIN, INT_MIN + 1}) {
        EXPECT_EQ(KsColorChangeHue(0x40808080u, Delta), 0xFF808080u) << Delta;
        const TKsHueShift Shift(Delta);
        for (const TKsColor Pixel : {0xFF00FF00u, 0xFF0000FFu, 0xFFFF0000u, 0xFF3366CCu}) {
            EXPECT_EQ(KsColorChangeHue(Pixel, Delta) >> 24, 0xFFu);
            EXPECT_EQ(Shift.Apply(Pixel), KsColorChangeHue(Pixel, Delta)) << Delta;
        }
    }
}

// The integer hue change against the single-precision one on every colour, for turns that
// reach each wrap: none, small, a third of the wheel, past half, the largest ones both ways.
TEST(KsHueShift, GivesTheSinglePrecisionResultOnEveryColour) {
    for (const int Delta : {0, 7, -1, 85, 128, 255, -255}) {
        const TKsHueShift Shift(Delta);
        for (TKsColor Colour = 0; Colour < 0x01000000u; ++Colour) {
            const TKsColor Pixel = Colour | (Colour << 7 & 0xFF000000u);
            ASSERT_EQ(Shift.Apply(Pixel), KsColorChangeHue(Pixel, Delta))
                << std::hex << "colour " << Pixel << std::dec << ", delta " << Delta;
        }
    }
}

// Every turn, beyond the wheel too, on seeded random colours and on the colours whose hue
// falls half-way between two steps (a range of 85 and an odd offset).
TEST(KsHueShift, GivesTheSinglePrecisionResultForEveryDelta) {
    std::mt19937 Random(2026);
    std::vector<TKsColor> Colours = {0xFFAA5500u, 0xFF55AA00u, 0xFF0055AAu, 0xFFAA0055u,
                                     0xFF00AB56u, 0xFF56AB01u, 0x00FF0000u, 0xFF808080u};
    while (Colours.size() < 6000)
        Colours.push_back(Random());
    for (int Delta = -600; Delta <= 600; ++Delta) {
        const TKsHueShift Shift(Delta);
        for (const TKsColor Pixel : Colours)
            ASSERT_EQ(Shift.Apply(Pixel), KsColorChangeHue(Pixel, Delta))
                << std::hex << "colour " << Pixel << std::dec << ", delta " << Delta;
    }
}

TEST(KsColors, SystemColourConstantsFollowTheSystem) {
    const COLORREF Face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(KsBtnFace, MakeKsColor(GetRValue(Face), GetGValue(Face), GetBValue(Face), 255));
    const COLORREF Window = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(KsWindow, MakeKsColor(GetRValue(Window), GetGValue(Window), GetBValue(Window), 255));
    const COLORREF Shadow = GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(KsBtnShadow,
              MakeKsColor(GetRValue(Shadow), GetGValue(Shadow), GetBValue(Shadow), 255));
}

} // namespace
