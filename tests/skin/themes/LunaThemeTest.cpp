// The Luna theme against its own skins, pixel for pixel: pieces copied opaque or over the
// background, nine-slices, frames, the window region, chunked bars, and states outside the
// tables drawing nothing.
#include "skin/graphics/KsBitmap.h"
#include "skin/themes/KsThemeRegistration.h"
#include "skin/themes/LunaSkinLayout.h"
#include "skin/themes/TeThemeLuna.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace LunaSkin;

namespace {

// A background no skin pixel has (skin pixels are opaque or fully transparent).
constexpr TKsColor Background = 0x80123456u;

std::unique_ptr<TKsBitmap> Canvas(int W, int H) {
    auto Surface = std::make_unique<TKsBitmap>();
    Surface->SetSize(W, H);
    Surface->Fill(Background);
    GdiFlush();
    return Surface;
}

TKsColor At(const TKsBitmap& Surface, int X, int Y) {
    GdiFlush();
    return Surface.Bits()[Y * Surface.Width() + X];
}

// What a skin pixel leaves on the background: itself when copied opaque or when it is
// opaque; the background where a transparent copy meets a transparent pixel.
TKsColor Over(TKsColor Skin, bool Transparent) {
    return Transparent && (Skin >> 24) == 0 ? Background : Skin;
}

// Every pixel of Target's W x H area at (X, Y) is the skin's piece at (SX, SY).
void ExpectPiece(const TKsBitmap& Target, int X, int Y, const TKsBitmap& Skin, int SX, int SY,
                 int W, int H, bool Transparent) {
    for (int DY = 0; DY < H; ++DY)
        for (int DX = 0; DX < W; ++DX)
            ASSERT_EQ(At(Target, X + DX, Y + DY), Over(At(Skin, SX + DX, SY + DY), Transparent))
                << "at " << X + DX << ", " << Y + DY;
}

void ExpectUntouched(const TKsBitmap& Surface) {
    for (int Y = 0; Y < Surface.Height(); ++Y)
        for (int X = 0; X < Surface.Width(); ++X)
            ASSERT_EQ(At(Surface, X, Y), Background) << X << ", " << Y;
}

class LunaTheme : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterSkinThemes(); }
    TTeThemeLuna Theme;
};

} // namespace

TEST_F(LunaTheme, SkinsHaveTheirSizesAndTheKeyColourIsTransparent) {
    const TKsBitmap& Main = Theme.MainSkin();
    const TKsBitmap& Second = Theme.SecondSkin();
    EXPECT_EQ(Main.Width(), MainWidth);
    EXPECT_EQ(Main.Height(), MainHeight);
    EXPECT_EQ(Second.Width(), SecondWidth);
    EXPECT_EQ(Second.Height(), SecondHeight);
    int Transparent = 0;
    for (const TKsBitmap* Skin : {&Main, &Second})
        for (int Y = 0; Y < Skin->Height(); ++Y)
            for (int X = 0; X < Skin->Width(); ++X) {
                const TKsColor Pixel = At(*Skin, X, Y);
                ASSERT_NE(Pixel, 0xFF000000u | TransparentKey) << X << ", " << Y;
                const uint8_t Alpha = Pixel >> 24;
                ASSERT_TRUE(Alpha == 0 || Alpha == 255);
                Transparent += Alpha == 0;
            }
    EXPECT_GT(Transparent, 0);
}

TEST_F(LunaTheme, MetricsAndFontsAreTheThemes) {
    EXPECT_EQ(Theme.GetMetric(0), StandardBorder);
    EXPECT_EQ(Theme.GetMetric(1), ToolBorder);
    EXPECT_EQ(Theme.GetMetric(2), StandardCaptionHeight);
    EXPECT_EQ(Theme.GetMetric(3), ToolCaptionHeight);
    EXPECT_EQ(Theme.GetMetric(4), CaptionCorner);
    EXPECT_EQ(Theme.GetMetric(5), CaptionButtonSize);
    EXPECT_EQ(Theme.GetMetric(7), ToolCloseSize);
    EXPECT_EQ(Theme.GetMetric(25), 17);
    EXPECT_EQ(Theme.GetMetric(29), 11);
    EXPECT_EQ(Theme.GetMetric(30), 0);
    EXPECT_EQ(Theme.GetMetric(255), 0);
    EXPECT_EQ(Theme.GetFontName(1), "Tahoma");
    EXPECT_EQ(Theme.GetFontSize(0), 10);
    EXPECT_EQ(Theme.GetFontSize(3), 8);
    EXPECT_TRUE(Theme.GetFontStyle(1).Contains(TFontStyle::fsBold));
    EXPECT_FALSE(Theme.GetFontStyle(2).Contains(TFontStyle::fsBold));
}

TEST_F(LunaTheme, AButtonOfThePiecesSizeIsThePieceWithItsCornersOverTheBackground) {
    const std::pair<TTeDrawState, int> Looks[] = {
        {TTeDrawState::tdsNormal, 0},  {TTeDrawState::tdsHot, 1},
        {TTeDrawState::tdsPressed, 2}, {TTeDrawState::tdsDisabled, 3},
        {TTeDrawState::tdsFocused, 4}, {TTeDrawState::tdsDefault, 4}};
    const int M = ButtonMargin;
    const int W = Button.Width;
    const int H = Button.Height;
    for (const auto& [State, Row] : Looks) {
        auto Surface = Canvas(W, H);
        Theme.DrawButton(*Surface, W, H, State);
        const int SY = ButtonRow[static_cast<size_t>(Row)];
        const TKsBitmap& Skin = Theme.MainSkin();
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X) {
                const bool Corner = (X < M || X >= W - M) && (Y < M || Y >= H - M);
                ASSERT_EQ(At(*Surface, X, Y), Over(At(Skin, Button.Left + X, SY + Y), Corner))
                    << X << ", " << Y << " row " << Row;
            }
    }
}

TEST_F(LunaTheme, ATinyButtonShowsOnlyItsCorners) {
    auto Surface = Canvas(8, 8);
    Theme.DrawButton(*Surface, 8, 8, TTeDrawState::tdsNormal);
    const TKsBitmap& Skin = Theme.MainSkin();
    const int M = ButtonMargin;
    const int L = Button.Left;
    const int T = ButtonRow[0];
    ExpectPiece(*Surface, 0, 0, Skin, L, T, M, M, true);
    ExpectPiece(*Surface, 4, 0, Skin, Button.Right() - M, T, M, M, true);
    ExpectPiece(*Surface, 0, 4, Skin, L, T + Button.Height - M, M, M, true);
    ExpectPiece(*Surface, 4, 4, Skin, Button.Right() - M, T + Button.Height - M, M, M, true);
}

TEST_F(LunaTheme, ButtonsSmallerThanTheirCornersAreDrawnWithoutFailing) {
    for (int Size : {0, 1, 3, 5, 7}) {
        auto Surface = Canvas(10, 10);
        Theme.DrawButton(*Surface, Size, Size, TTeDrawState::tdsHot);
        // Nothing lands outside the corners' reach.
        for (int Y = 0; Y < 10; ++Y)
            for (int X = 0; X < 10; ++X)
                if (X >= std::max(Size, ButtonMargin) || Y >= std::max(Size, ButtonMargin)) {
                    ASSERT_EQ(At(*Surface, X, Y), Background) << Size << ": " << X << ", " << Y;
                }
    }
}

TEST_F(LunaTheme, StandardFramesCopyTheirCornerPiecesAndFillEveryBorderPixel) {
    const int W = 180;
    const int H = 120;
    const int B = StandardBorder;
    const int C = StandardCaptionHeight;
    const int K = CaptionCorner;
    const int R = StandardFrame.Right();
    for (bool Active : {true, false}) {
        const TKsBitmap& Skin = Active ? Theme.MainSkin() : Theme.SecondSkin();
        auto Surface = Canvas(W, H);
        Theme.DrawFormFrame(*Surface, W, H, RECT{B, C, W - B, H - B}, Active,
                            TKsBorderStyle::kbsStandard);
        ExpectPiece(*Surface, 0, 0, Skin, 0, 0, K, C, false);
        ExpectPiece(*Surface, W - K, 0, Skin, R - K, 0, K, C, false);
        ExpectPiece(*Surface, 0, H - B, Skin, 0, StandardBottomTop, B, B, false);
        ExpectPiece(*Surface, W - B, H - B, Skin, R - B, StandardBottomTop, B, B, false);
        ExpectPiece(*Surface, 0, C, Skin, 0, C, B, B, false);
        ExpectPiece(*Surface, W - B, C, Skin, R - B, C, B, B, false);
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X) {
                const bool Client = X >= B && X < W - B && Y >= C && Y < H - B;
                ASSERT_EQ(At(*Surface, X, Y) == Background, Client) << X << ", " << Y;
            }
    }
}

TEST_F(LunaTheme, ToolWindowFramesTakeTheirPiecesFromTheToolFrame) {
    const int W = 326;
    const int H = 233;
    const int B = ToolBorder;
    const int C = ToolCaptionHeight;
    const int K = CaptionCorner;
    const TKsBitmap& Skin = Theme.MainSkin();
    auto Surface = Canvas(W, H);
    Theme.DrawFormFrame(*Surface, W, H, RECT{B, C, W - B, H - B}, true,
                        TKsBorderStyle::kbsToolWindow);
    ExpectPiece(*Surface, 0, 0, Skin, ToolFrame.Left, 0, K, C, false);
    ExpectPiece(*Surface, W - K, 0, Skin, ToolFrame.Right() - K, 0, K, C, false);
    ExpectPiece(*Surface, 0, H - B, Skin, ToolFrame.Left, ToolBottomTop, B, B, false);
    ExpectPiece(*Surface, W - B, H - B, Skin, ToolRightBorderLeft, ToolBottomTop, B, B, false);
    ExpectPiece(*Surface, W - B, C, Skin, ToolRightBorderLeft, C, B, B, false);
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X) {
            const bool Client = X >= B && X < W - B && Y >= C && Y < H - B;
            ASSERT_EQ(At(*Surface, X, Y) == Background, Client) << X << ", " << Y;
        }
}

TEST_F(LunaTheme, FramesOfWindowsLowerThanTheirCaptionKeepTheirCopiedPieces) {
    // A 12 x 4 standard window: the side strips would run upwards; they must not be drawn
    // (a scaled copy into a negative extent mirrors the piece over the caption).
    const int W = 12;
    const int H = 4;
    const int B = StandardBorder;
    const int C = StandardCaptionHeight;
    const int K = CaptionCorner;
    const int R = StandardFrame.Right();
    const TKsBitmap& Skin = Theme.MainSkin();
    auto Surface = Canvas(W, C + B);
    Theme.DrawFormFrame(*Surface, W, H, RECT{}, true, TKsBorderStyle::kbsStandard);
    // Below the bottom border (which lands over the caption at this height) the caption's
    // corner pieces show, then the first rows of the side borders.
    ExpectPiece(*Surface, 0, H, Skin, 0, H, W - K, C - H, false);
    ExpectPiece(*Surface, W - K, H, Skin, R - K, H, K, C - H, false);
    ExpectPiece(*Surface, 0, C, Skin, 0, C, B, B, false);
    ExpectPiece(*Surface, W - B, C, Skin, R - B, C, B, B, false);
}

TEST_F(LunaTheme, OtherBorderStylesDrawNoFrame) {
    auto Surface = Canvas(50, 50);
    Theme.DrawFormFrame(*Surface, 50, 50, RECT{}, true, TKsBorderStyle::kbsNone);
    Theme.DrawFormFrame(*Surface, 50, 50, RECT{}, true, static_cast<TKsBorderStyle>(7));
    ExpectUntouched(*Surface);
}

TEST_F(LunaTheme, CaptionButtonsAreCopiedOpaqueFromTheirRowAndLook) {
    const TKsBitmap& Skin = Theme.MainSkin();
    auto Surface = Canvas(30, 30);
    Theme.DrawCaptionButton(*Surface, RECT{3, 4, 0, 0}, TTeCaptionButtonKind::cbkMaximize, true,
                            false, true, TKsBorderStyle::kbsStandard);
    ExpectPiece(*Surface, 3, 4, Skin, CaptionButtonColumn[1], CaptionButtonRow[3],
                CaptionButtonSize, CaptionButtonSize, false);
    // Pressed wins over hot; the inactive look comes from the second skin.
    Theme.DrawCaptionButton(*Surface, RECT{0, 0, 0, 0}, TTeCaptionButtonKind::cbkTray, true, true,
                            false, TKsBorderStyle::kbsStandard);
    ExpectPiece(*Surface, 0, 0, Theme.SecondSkin(), CaptionButtonColumn[2], CaptionButtonRow[7],
                CaptionButtonSize, CaptionButtonSize, false);
    // A tool window's close button is the small one.
    auto Small = Canvas(20, 20);
    Theme.DrawCaptionButton(*Small, RECT{1, 1, 0, 0}, TTeCaptionButtonKind::cbkClose, false, true,
                            true, TKsBorderStyle::kbsToolWindow);
    ExpectPiece(*Small, 1, 1, Skin, ToolCloseColumn[2], ToolCloseTop, ToolCloseSize, ToolCloseSize,
                false);
    EXPECT_EQ(At(*Small, 1 + ToolCloseSize, 1), Background);
}

TEST_F(LunaTheme, OutOfRangeStatesKindsAndPositionsDrawNothing) {
    auto Surface = Canvas(40, 40);
    const RECT Rect{0, 0, 30, 30};
    const auto Beyond = static_cast<TTeDrawState>(6);
    Theme.DrawButton(*Surface, 30, 30, Beyond);
    Theme.DrawCheckBox(*Surface, Rect, TTeDrawState::tdsFocused, TTeCheckState::tcsChecked);
    Theme.DrawCheckBox(*Surface, Rect, TTeDrawState::tdsNormal, static_cast<TTeCheckState>(3));
    Theme.DrawRadioButton(*Surface, Rect, Beyond, true);
    Theme.DrawCaptionButton(*Surface, Rect, static_cast<TTeCaptionButtonKind>(8), false, false,
                            true, TKsBorderStyle::kbsStandard);
    Theme.DrawCaptionButton(*Surface, Rect, TTeCaptionButtonKind::cbkClose, false, false, true,
                            TKsBorderStyle::kbsNone);
    Theme.DrawTrackBarThumb(*Surface, Rect, true, 3, TTeDrawState::tdsNormal);
    Theme.DrawTaskGroupButton(*Surface, Rect, 2, TTeDrawState::tdsNormal, false);
    Theme.DrawTaskGroupButton(*Surface, Rect, 0, TTeDrawState::tdsDisabled, false);
    Theme.DrawScrollBarThumb(*Surface, Rect, false, TTeDrawState::tdsFocused);
    Theme.DrawScrollBarArrow(*Surface, Rect, false, true, Beyond);
    Theme.DrawTabItem(*Surface, Rect, 4, 0);
    Theme.DrawTabItem(*Surface, Rect, 0, 5);
    Theme.DrawComboButton(*Surface, Rect, TTeDrawState::tdsFocused);
    Theme.DrawToolButton(*Surface, Rect, TTeDrawState::tdsDisabled, false, false);
    Theme.DrawToolButton(*Surface, Rect, TTeDrawState::tdsNormal, true, false);
    Theme.DrawSmallButton(*Surface, Rect, Beyond);
    ExpectUntouched(*Surface);
}

TEST_F(LunaTheme, GlyphsAreCopiedOverTheBackground) {
    const TKsBitmap& Skin = Theme.MainSkin();
    auto Surface = Canvas(20, 20);
    Theme.DrawCheckBox(*Surface, RECT{2, 3, 0, 0}, TTeDrawState::tdsHot, TTeCheckState::tcsGrayed);
    ExpectPiece(*Surface, 2, 3, Skin, CheckBox.Left, CheckBox.Top + CheckStateStep + GrayedStep,
                CheckBox.Width, CheckBox.Height, true);
    Surface = Canvas(20, 20);
    Theme.DrawRadioButton(*Surface, RECT{0, 0, 0, 0}, TTeDrawState::tdsDisabled, true);
    ExpectPiece(*Surface, 0, 0, Skin, RadioButton.Left,
                RadioButton.Top + 3 * CheckStateStep + CheckedStep, RadioButton.Width,
                RadioButton.Height, true);
    // A focused track-bar thumb uses the fourth row, a disabled one the fifth.
    Surface = Canvas(30, 30);
    Theme.DrawTrackBarThumb(*Surface, RECT{1, 1, 0, 0}, false, 0, TTeDrawState::tdsFocused);
    ExpectPiece(*Surface, 1, 1, Theme.SecondSkin(), TrackThumbHorizontal.Left,
                TrackThumbHorizontal.Top + 3 * TrackThumbPlainStep, TrackThumbHorizontal.Width,
                TrackThumbHorizontal.Height, true);
}

TEST_F(LunaTheme, TheStandardRegionRoundsOnlyTheTopCorners) {
    const int W = 100;
    const int H = 60;
    const TGdiObject<HRGN> Region = Theme.GetFormRegion(W, H, TKsBorderStyle::kbsStandard);
    ASSERT_TRUE(Region);
    const auto Inside = [&](int X, int Y) { return PtInRegion(Region.Get(), X, Y) != 0; };
    for (const POINT Out : {POINT{0, 0}, POINT{4, 0}, POINT{2, 1}, POINT{1, 2}, POINT{0, 4}})
        EXPECT_FALSE(Inside(Out.x, Out.y) || Inside(W - 1 - Out.x, Out.y)) << Out.x << "," << Out.y;
    for (const POINT In : {POINT{5, 0}, POINT{3, 1}, POINT{2, 2}, POINT{1, 3}, POINT{0, 5}})
        EXPECT_TRUE(Inside(In.x, In.y) && Inside(W - 1 - In.x, In.y)) << In.x << "," << In.y;
    EXPECT_TRUE(Inside(0, H - 1));
    EXPECT_TRUE(Inside(W - 1, H - 1));
    EXPECT_FALSE(Inside(W, 10));

    const TGdiObject<HRGN> Tool = Theme.GetFormRegion(W, H, TKsBorderStyle::kbsToolWindow);
    EXPECT_TRUE(PtInRegion(Tool.Get(), 0, 0));
}

TEST_F(LunaTheme, ProgressChunksAppearOnlyWhenOneFitsWithItsGap) {
    const TKsColor Fill = ColorToKsColor(Theme.GetColor(8), 255);
    const RECT Bar{0, 0, 60, 10}; // chunks of 6 with a gap of 2
    auto Painted = [&](int FilledWidth) {
        auto Surface = Canvas(60, 10);
        Theme.DrawProgressBarChunks(*Surface, Bar, RECT{0, 0, FilledWidth, 10}, false, false);
        return Surface;
    };
    ExpectUntouched(*Painted(7));
    auto Two = Painted(8);
    for (int X = 0; X < 60; ++X) {
        const bool InChunk = X < 6 || (X >= 8 && X < 14);
        ASSERT_EQ(At(*Two, X, 5) == Fill, InChunk) << X;
    }
    // Bars with no area draw nothing and do not fail.
    auto Surface = Canvas(10, 10);
    Theme.DrawProgressBarChunks(*Surface, RECT{5, 5, 5, 5}, RECT{0, 0, 10, 10}, false, false);
    Theme.DrawProgressBarChunks(*Surface, RECT{5, 5, 2, 2}, RECT{0, 0, 10, 10}, true, false);
    ExpectUntouched(*Surface);
}

TEST_F(LunaTheme, ShiftsChangeTheSkinsAndNeverAccumulate) {
    auto Before = Canvas(73, 21);
    Theme.DrawButton(*Before, 73, 21, TTeDrawState::tdsNormal);
    Theme.SetHue(60);
    Theme.SetBrightness(30);
    auto Shifted = Canvas(73, 21);
    Theme.DrawButton(*Shifted, 73, 21, TTeDrawState::tdsNormal);
    int Changed = 0;
    for (int Y = 0; Y < 21; ++Y)
        for (int X = 0; X < 73; ++X)
            Changed += At(*Before, X, Y) != At(*Shifted, X, Y);
    EXPECT_GT(Changed, 0);
    // The key stays transparent through every shift.
    EXPECT_EQ(At(Theme.MainSkin(), 0, MainHeight - 1) >> 24,
              At(TTeThemeLuna().MainSkin(), 0, MainHeight - 1) >> 24);
    Theme.SetBrightness(0);
    Theme.SetHue(0);
    auto Again = Canvas(73, 21);
    Theme.DrawButton(*Again, 73, 21, TTeDrawState::tdsNormal);
    for (int Y = 0; Y < 21; ++Y)
        for (int X = 0; X < 73; ++X)
            ASSERT_EQ(At(*Again, X, Y), At(*Before, X, Y)) << X << ", " << Y;
}

TEST_F(LunaTheme, EditFramesAndPopupsUseTheirColours) {
    auto Surface = Canvas(20, 20);
    Theme.DrawEditFrame(*Surface, RECT{0, 0, 20, 20}, TTeDrawState::tdsDisabled);
    EXPECT_EQ(At(*Surface, 0, 10), ColorToKsColor(Theme.GetColor(10), 255));
    EXPECT_EQ(At(*Surface, 1, 10), ColorToKsColor(Theme.GetColor(9), 255));
    EXPECT_EQ(At(*Surface, 2, 10), ColorToKsColor(Theme.GetColor(9), 255));
    EXPECT_EQ(At(*Surface, 3, 10), Background);
    Theme.DrawPopupBackground(*Surface, 20, 20);
    EXPECT_EQ(At(*Surface, 0, 0), ColorToKsColor(Theme.GetColor(13), 255));
    EXPECT_EQ(At(*Surface, 2, 5), ColorToKsColor(Theme.GetColor(16), 255));
    EXPECT_EQ(At(*Surface, 3, 10), Background);
}
