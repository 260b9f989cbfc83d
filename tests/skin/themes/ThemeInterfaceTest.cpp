// The theme interface: the base theme's answers, the reading order of theme text, the
// colour round trip every theme with its own colours shares, and shift changes.
#include "skin/themes/KsThemeRegistration.h"
#include "skin/themes/TeThemeLuna.h"

#include <gtest/gtest.h>

namespace {

// Replaces the system's right-to-left switch for the guard's lifetime.
class TMiddleEastGuard {
public:
    explicit TMiddleEastGuard(bool Enabled)
        : FPrevious(SetMiddleEastQuery([Enabled] { return Enabled; })) {}
    ~TMiddleEastGuard() { SetMiddleEastQuery(FPrevious); }

private:
    TMiddleEastQuery FPrevious;
};

// A theme that counts how often its resources are shifted again.
class TCountingTheme : public TTeTheme {
public:
    void UpdateColors() override { ++Updates; }
    int Updates = 0;
};

constexpr TColor Rgb(int R, int G, int B) {
    return static_cast<TColor>(R | G << 8 | B << 16);
}

} // namespace

TEST(ThemeInterface, TheBaseThemeIsNoThemeAndNeverAvailable) {
    RegisterSkinThemes();
    TTeTheme Theme;
    EXPECT_EQ(Theme.ThemeClass().GetName(), "No Theme");
    EXPECT_FALSE(Theme.ThemeClass().IsAvailable());
    EXPECT_TRUE(Theme.CaptionTextShadow());
    EXPECT_FALSE(Theme.GetFormRegion(100, 50, TKsBorderStyle::kbsStandard));
    std::unique_ptr<TTeTheme> Made = TTeThemeLuna::Class.Create();
    EXPECT_EQ(&Made->ThemeClass(), &TTeThemeLuna::Class);
    EXPECT_EQ(Made->ThemeClass().GetName(), "Luna");
}

TEST(ThemeInterface, TextFlagsFollowTheReadingOrderOnlyWithRightToLeftSupport) {
    TTeTheme Theme;
    {
        const TMiddleEastGuard Off(false);
        for (TBiDiMode Mode : {TBiDiMode::bdLeftToRight, TBiDiMode::bdRightToLeft,
                               TBiDiMode::bdRightToLeftReadingOnly}) {
            Theme.SetBiDiMode(Mode);
            for (uint32_t Flags : {TeTextLeft, TeTextCenter, TeTextRight})
                EXPECT_EQ(Theme.DrawTextFlags(Flags), Flags);
        }
    }
    const TMiddleEastGuard On(true);
    Theme.SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_EQ(Theme.DrawTextFlags(TeTextLeft), TeTextRight | DT_RTLREADING);
    EXPECT_EQ(Theme.DrawTextFlags(TeTextRight), TeTextLeft | DT_RTLREADING);
    EXPECT_EQ(Theme.DrawTextFlags(TeTextCenter), TeTextCenter | DT_RTLREADING);
    Theme.SetBiDiMode(TBiDiMode::bdRightToLeftReadingOnly);
    EXPECT_EQ(Theme.DrawTextFlags(TeTextLeft), TeTextLeft | DT_RTLREADING);
    Theme.SetBiDiMode(TBiDiMode::bdLeftToRight);
    EXPECT_EQ(Theme.DrawTextFlags(TeTextRight), TeTextRight);
}

TEST(ThemeInterface, AShiftSetTwiceUpdatesTheResourcesOnce) {
    TCountingTheme Theme;
    Theme.SetHue(40);
    Theme.SetHue(40);
    Theme.SetBrightness(-10);
    Theme.SetBrightness(-10);
    EXPECT_EQ(Theme.Updates, 2);
    Theme.SetHue(0);
    EXPECT_EQ(Theme.Updates, 3);
}

TEST(ThemeInterface, ColoursMakeTheHueRoundTripEvenWithoutShifts) {
    TTeThemeLuna Theme;
    // The hue is quantised to 1/255 of the circle on the way, so this blue moves by one.
    EXPECT_EQ(Theme.GetColor(7), Rgb(49, 105, 197));
    EXPECT_EQ(Theme.GetColor(8), Rgb(33, 195, 33));
    EXPECT_EQ(Theme.GetColor(6), Rgb(255, 251, 247));
    Theme.SetBrightness(20);
    EXPECT_EQ(Theme.GetColor(8), Rgb(53, 215, 53));
    Theme.SetBrightness(100);
    EXPECT_EQ(Theme.GetColor(8), Rgb(133, 255, 133));
    Theme.SetBrightness(0);
    // A full turn leaves the colour where it was, up to the quantisation.
    Theme.SetHue(255);
    EXPECT_EQ(Theme.GetColor(7), Rgb(49, 105, 197));
    // Half a turn takes the green accent to a purple.
    Theme.SetHue(128);
    const TColor Turned = Theme.GetColor(8);
    EXPECT_GT(Turned & 0xFF, (Turned >> 8) & 0xFF);
    EXPECT_GT((Turned >> 16) & 0xFF, (Turned >> 8) & 0xFF);
    // Black has no hue to turn.
    EXPECT_EQ(Theme.GetColor(2), Rgb(0, 0, 0));
}

TEST(ThemeInterface, HugeShiftsStayInRange) {
    TTeThemeLuna Theme;
    for (int Delta : {INT32_MAX, INT32_MIN, INT32_MAX - 100, INT32_MIN + 100}) {
        Theme.SetHue(Delta);
        const TColor Color = Theme.GetColor(7);
        EXPECT_EQ(Color & 0xFF000000, 0) << Delta;
    }
    Theme.SetHue(0);
    Theme.SetBrightness(INT32_MAX);
    EXPECT_EQ(Theme.GetColor(2), Rgb(255, 255, 255));
    Theme.SetBrightness(INT32_MIN);
    EXPECT_EQ(Theme.GetColor(3), Rgb(0, 0, 0));
}
