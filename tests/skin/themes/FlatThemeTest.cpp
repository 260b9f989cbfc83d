// The themes drawn without skin pieces (Flat, and Lines and Highlight on it): caption
// symbols that show whatever the host's glyph smoothing does, disabled push buttons that
// show a face, and the Flat theme's pressed caption button and grayed check box.
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/themes/TeThemeFlat.h"
#include "skin/themes/TeThemeHighlight.h"
#include "skin/themes/TeThemeLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

namespace {

constexpr TKsColor Marker = 0xFF123457u;

std::vector<std::unique_ptr<TTeTheme>> FlatFamily() {
    std::vector<std::unique_ptr<TTeTheme>> Themes;
    Themes.push_back(std::make_unique<TTeThemeFlat>());
    Themes.push_back(std::make_unique<TTeThemeLines>());
    Themes.push_back(std::make_unique<TTeThemeHighlight>());
    return Themes;
}

TKsBitmap& Prepared(TKsBitmap& Bitmap, int W, int H) {
    Bitmap.SetSize(W, H);
    Bitmap.Fill(Marker);
    return Bitmap;
}

TKsColor Pixel(TTeTheme& Theme, int Index) {
    return ColorToKsColor(Theme.GetColor(Index), 255);
}

} // namespace

TEST(FlatThemes, EveryCaptionSymbolOfTheHostShows) {
    for (const auto& Theme : FlatFamily()) {
        const int W = Theme->GetMetric(5);
        const int H = Theme->GetMetric(6);
        std::set<std::vector<bool>> Symbols;
        for (const auto Kind :
             {TTeCaptionButtonKind::cbkClose, TTeCaptionButtonKind::cbkHelp,
              TTeCaptionButtonKind::cbkMinimize, TTeCaptionButtonKind::cbkMaximize,
              TTeCaptionButtonKind::cbkRestore}) {
            TKsBitmap Bitmap;
            Theme->DrawCaptionButton(Prepared(Bitmap, W, H), RECT{0, 0, W, H}, Kind, false, false,
                                     true, TKsBorderStyle::kbsStandard);
            GdiFlush();
            std::vector<bool> Ink;
            for (int I = 0; I < W * H; ++I)
                Ink.push_back(Bitmap.Bits()[I] == KsBlack);
            const auto Count = std::count(Ink.begin(), Ink.end(), true);
            EXPECT_GE(Count, 3) << Theme->ThemeClass().GetName() << ", kind " << int(Kind);
            Symbols.insert(Ink);
        }
        EXPECT_EQ(Symbols.size(), 5u) << Theme->ThemeClass().GetName() << ": each kind its own";
    }
}

TEST(FlatThemes, ADisabledPushButtonShowsItsFaceInsideItsRoundedOutline) {
    for (const auto& Theme : FlatFamily()) {
        TKsBitmap Bitmap;
        Theme->DrawButton(Prepared(Bitmap, 75, 25), 75, 25, TTeDrawState::tdsDisabled);
        GdiFlush();
        const std::string Name = Theme->ThemeClass().GetName();
        EXPECT_EQ(Bitmap.Pixels(37, 12) | 0xFF000000u, Pixel(*Theme, 6)) << Name;
        EXPECT_EQ(Bitmap.Pixels(37, 0) | 0xFF000000u, Pixel(*Theme, 9)) << Name;
        EXPECT_EQ(Bitmap.Pixels(0, 0), Marker) << Name << ": the corner is rounded off";
    }
}

TEST(FlatThemes, APressedCloseButtonIsSunkenInThePressedFace) {
    TTeThemeFlat Theme;
    TKsBitmap Bitmap;
    Theme.DrawCaptionButton(Prepared(Bitmap, 20, 20), RECT{0, 0, 20, 20},
                            TTeCaptionButtonKind::cbkClose, false, true, true,
                            TKsBorderStyle::kbsStandard);
    GdiFlush();
    const TKsColor Face = Pixel(Theme, 8);
    EXPECT_EQ(Bitmap.Pixels(0, 0), Pixel(Theme, 7));
    EXPECT_EQ(Bitmap.Pixels(1, 1), KsColorDarken(Face, 30));
    EXPECT_EQ(Bitmap.Pixels(18, 18), KsColorLighten(Face, 30));
    EXPECT_EQ(Bitmap.Pixels(3, 3), Face);
}

TEST(FlatThemes, AGrayedCheckBoxIsASolidSquareNotTheCheckMark) {
    TTeThemeFlat Theme;
    TKsBitmap Bitmap;
    Theme.DrawCheckBox(Prepared(Bitmap, 13, 13), RECT{0, 0, 13, 13}, TTeDrawState::tdsNormal,
                       TTeCheckState::tcsGrayed);
    GdiFlush();
    for (int Y = 2; Y < 11; ++Y)
        for (int X = 2; X < 11; ++X)
            ASSERT_EQ(Bitmap.Pixels(X, Y), KsBlack) << X << ", " << Y;
    EXPECT_EQ(Bitmap.Pixels(1, 1), Pixel(Theme, 11));
}
