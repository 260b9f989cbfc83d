// The Luna theme's menus: item sizes in the theme's fonts and item height, popup items
// selected and not, disabled, with short-cut, glyph, sub-menu arrow and scroll markers, the
// separator's line, MDI buttons cut from the skin, and menu-bar items on and off a control
// bar.
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/windows/ImageLists.h"
#include "framework/windows/ShortCuts.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/menus/KsItemPainting.h"
#include "skin/menus/KsItems.h"
#include "skin/themes/KsThemeRegistration.h"
#include "skin/themes/LunaSkinLayout.h"
#include "skin/themes/TeThemeLuna.h"
#include "tests/skin/graphics/SurfaceTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A background no theme colour has.
constexpr TKsColor Background = 0x80123456u;

// Pixels of Area whose colour is Color's (text and lines drawn through the host carry no
// alpha of their own).
int CountColor(const TKsBitmap& Surface, const RECT& Area, TKsColor Color) {
    int Count = 0;
    for (int Y = Area.top; Y < Area.bottom; ++Y)
        for (int X = Area.left; X < Area.right; ++X)
            Count += ((Surface.Pixels(X, Y) ^ Color) & 0xFFFFFFu) == 0;
    return Count;
}

void ExpectSamePixels(const TKsBitmap& A, const TKsBitmap& B) {
    for (int Y = 0; Y < A.Height(); ++Y)
        for (int X = 0; X < A.Width(); ++X)
            ASSERT_EQ(A.Pixels(X, Y), B.Pixels(X, Y)) << X << ", " << Y;
}

class LunaMenus : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterSkinThemes(); }

    TKsCustomItem* Item(const std::string& Caption, TKsCustomItem* Parent = nullptr) {
        auto* Made = new TKsCustomItem(&Owner);
        Made->SetCaption(Caption);
        if (Parent)
            Parent->Add(Made);
        return Made;
    }
    TKsColor Color(int Index) { return ColorToKsColor(Theme.GetColor(Index), 255); }
    // The width of Text in the theme's font Index.
    int TextWidth(uint8_t Index, const std::string& Text) {
        TKsBitmap Measure;
        Measure.SetSize(1, 1);
        Measure.Font()->SetName(Theme.GetFontName(Index));
        Measure.Font()->SetSize(Theme.GetFontSize(Index));
        Measure.Font()->SetStyle(Theme.GetFontStyle(Index));
        return Measure.TextWidth(Text);
    }
    std::unique_ptr<TKsBitmap> PopupItem(TKsCustomItem& Shown, bool Selected, int W = 160,
                                         int H = 22) {
        auto Surface = MakeSurface(W, H, Background);
        Theme.DrawPopupItem(*Surface, Shown, RECT{0, 0, W, H}, Selected, true);
        return Surface;
    }

    TComponent Owner{nullptr};
    TTeThemeLuna Theme;
};

} // namespace

TEST_F(LunaMenus, ItemsMeasureTheirTextsInTheThemesFontsAndTakeTheItemHeight) {
    auto Surface = MakeSurface(1, 1, Background);
    TKsCustomItem* File = Item("&File");
    int W = 0;
    int H = 0;
    Theme.MeasureMenuBarItem(*Surface, *File, W, H);
    EXPECT_EQ(W, TextWidth(2, "&File") + 12);
    EXPECT_EQ(H, Theme.GetMetric(14));

    TKsCustomItem* Save = Item("Save as PNG");
    Save->SetShortCut(scCtrl + scShift + 'S');
    Theme.MeasurePopupItem(*Surface, *Save, W, H);
    EXPECT_EQ(W, TextWidth(3, "Save as PNG") + TextWidth(3, "Shift+Ctrl+S") + 74);
    EXPECT_EQ(H, Theme.GetMetric(14));
    EXPECT_EQ(Surface->Font()->Name(), Theme.GetFontName(3));
    EXPECT_EQ(Surface->Font()->Size(), Theme.GetFontSize(3));

    Theme.MeasurePopupItem(*Surface, *Item("-"), W, H);
    EXPECT_EQ(H, 9);
}

TEST_F(LunaMenus, APopupItemIsFilledAndWrittenInTheColoursOfItsState) {
    TKsCustomItem* Open = Item("Open");
    const RECT Text{26, 0, 160, 22};
    auto Plain = PopupItem(*Open, false);
    EXPECT_EQ(Plain->Pixels(0, 0), Color(16));
    EXPECT_EQ(Plain->Pixels(159, 21), Color(16));
    EXPECT_EQ(CountColor(*Plain, RECT{0, 0, 26, 22}, Color(16)), 26 * 22);
    EXPECT_GT(CountColor(*Plain, Text, Color(20)), 10);

    auto Selected = PopupItem(*Open, true);
    for (POINT Edge : {POINT{0, 0}, POINT{159, 0}, POINT{0, 21}, POINT{159, 21}, POINT{80, 0},
                       POINT{0, 10}, POINT{159, 10}, POINT{80, 21}})
        EXPECT_EQ(Selected->Pixels(Edge.x, Edge.y), Color(13)) << Edge.x << ", " << Edge.y;
    EXPECT_EQ(CountColor(*Selected, RECT{1, 1, 26, 21}, Color(17)), 25 * 20);
    EXPECT_GT(CountColor(*Selected, Text, Color(21)), 10);

    Open->SetEnabled(false);
    for (bool IsSelected : {false, true}) {
        auto Disabled = PopupItem(*Open, IsSelected);
        EXPECT_GT(CountColor(*Disabled, Text, Color(22)), 10);
        EXPECT_EQ(CountColor(*Disabled, Text, Color(IsSelected ? 21 : 20)), 0);
    }
}

TEST_F(LunaMenus, TheShortCutEndsOneItemHeightBeforeTheRight) {
    TKsCustomItem* Save = Item("S");
    auto Bare = PopupItem(*Save, false, 200);
    Save->SetShortCut(scCtrl + 'S');
    auto WithShortCut = PopupItem(*Save, false, 200);
    const int Width = TextWidth(3, "Ctrl+S");
    const RECT ShortCut{200 - 22 - Width, 0, 200 - 22, 22};
    EXPECT_EQ(CountColor(*Bare, ShortCut, Color(20)), 0);
    EXPECT_GT(CountColor(*WithShortCut, ShortCut, Color(20)), 10);
    EXPECT_EQ(CountColor(*WithShortCut, RECT{200 - 22, 0, 200, 22}, Color(16)), 22 * 22);
}

TEST_F(LunaMenus, TheSeparatorIsOneHorizontalLineFourPixelsBelowItsTop) {
    const RECT Rect{5, 10, 65, 19};
    auto Surface = MakeSurface(70, 24, Background);
    Theme.DrawPopupItem(*Surface, *Item("-"), Rect, true, true);
    const TKsColor Line = ColorToKsColor(clBtnShadow, 255);
    for (int Y = 0; Y < 24; ++Y)
        for (int X = 0; X < 70; ++X) {
            const bool Inside =
                X >= Rect.left && X < Rect.right && Y >= Rect.top && Y < Rect.bottom;
            const bool OnLine = Y == Rect.top + 4 && X >= Rect.left + 2 && X < Rect.right - 2;
            ASSERT_EQ(Surface->Pixels(X, Y), OnLine ? Line : (Inside ? Color(16) : Background))
                << X << ", " << Y;
        }
}

TEST_F(LunaMenus, TheGlyphColumnShowsTheCheckMarkOrTheCentredPicture) {
    TKsCustomItem* Root = Item("");
    TKsCustomItem* Shown = Item("", Root);
    Shown->SetChecked(true);
    auto Checked = PopupItem(*Shown, false);
    Shown->SetChecked(false);
    auto Expected = PopupItem(*Shown, false);
    KsDrawCheckMark(*Expected, RECT{0, 0, 22, 22});
    ExpectSamePixels(*Checked, *Expected);

    TImageList Pictures(nullptr);
    Pictures.SetSize(16, 12);
    TBitmap Red;
    Red.SetSize(16, 12);
    Red.Canvas()->Brush()->SetColor(clRed);
    Red.Canvas()->FillRect(RECT{0, 0, 16, 12});
    Pictures.Add(&Red, nullptr);
    Root->SetImages(&Pictures);
    Shown->SetImageIndex(0);
    auto Picture = PopupItem(*Shown, false);
    // (22 - 16) / 2 across, (22 - 12) / 2 down.
    EXPECT_EQ(CountColor(*Picture, RECT{3, 5, 19, 17}, 0xFFFF0000u), 16 * 12);
    EXPECT_EQ(CountColor(*Picture, RECT{0, 0, 26, 22}, 0xFFFF0000u), 16 * 12);
}

TEST_F(LunaMenus, TheSubMenuArrowIsInTheTextColourAndKeepsTheSelectionOutline) {
    TKsCustomItem* More = Item("");
    Item("Inner", More);
    const RECT Arrow{160 - 34, 0, 160 - 2, 22};
    for (bool Selected : {false, true}) {
        auto Surface = PopupItem(*More, Selected);
        const TKsColor Ink = Color(Selected ? 21 : 20);
        const TKsColor Fill = Color(Selected ? 17 : 16);
        const int Drawn = CountColor(*Surface, Arrow, Ink);
        EXPECT_GT(Drawn, 5);
        EXPECT_LT(Drawn, 32 * 22 / 4);
        for (int Y = 1; Y < 21; ++Y)
            for (int X = Arrow.left; X < Arrow.right; ++X) {
                const TKsColor Pixel = Surface->Pixels(X, Y);
                ASSERT_TRUE(Pixel == Ink || Pixel == Fill) << X << ", " << Y;
            }
        for (int X = 0; X < 160; ++X)
            ASSERT_EQ(Surface->Pixels(X, 0), Selected ? Color(13) : Color(16)) << X;
    }
}

TEST_F(LunaMenus, ScrollMarkersShowOnTheFirstAndLastVisibleItems) {
    TKsCustomItem* Popup = Item("");
    TKsCustomItem* Items[5];
    for (auto*& Shown : Items)
        Shown = Item("", Popup);
    Popup->SetScrolled(true);
    Popup->SetScrollCount(3);
    Popup->SetTopIndex(1);
    // A 7 x 4 box at (160 - 16, 9) in a 160 x 22 item.
    const RECT Marker{144, 9, 151, 13};
    auto First = PopupItem(*Items[1], false);
    EXPECT_EQ(CountColor(*First, RECT{144, 12, 151, 13}, Color(20)), 7);
    EXPECT_EQ(CountColor(*First, RECT{144, 9, 151, 10}, Color(20)), 1);
    auto Last = PopupItem(*Items[3], true);
    EXPECT_EQ(CountColor(*Last, RECT{144, 9, 151, 10}, Color(21)), 7);
    EXPECT_EQ(CountColor(*Last, RECT{144, 12, 151, 13}, Color(21)), 1);
    for (int Index : {0, 2, 4})
        EXPECT_EQ(CountColor(*PopupItem(*Items[Index], false), Marker, Color(16)), 7 * 4);
}

TEST_F(LunaMenus, MDIButtonsAreCopiedCentredFromTheSkinByKindAndState) {
    using namespace LunaSkin;
    struct TLook {
        bool Selected;
        bool NotTracking;
        int Row;
    };
    const TLook Looks[] = {{false, true, 0}, {false, false, 0}, {true, true, 1}, {true, false, 2}};
    // Close, restore and minimize in the skin's columns, right to left.
    const std::pair<TKsItemButtonKind, int> Kinds[] = {{TKsItemButtonKind::kibClose, 38},
                                                       {TKsItemButtonKind::kibRestore, 19},
                                                       {TKsItemButtonKind::kibMinimize, 0}};
    TKsCustomItem* Button = Item("");
    const TKsBitmap& Skin = Theme.MainSkin();
    for (const auto& [Kind, Column] : Kinds)
        for (const TLook& Look : Looks) {
            Button->SetButtonKind(Kind);
            auto Surface = MakeSurface(25, 23, Background);
            Theme.DrawMDIButton(*Surface, *Button, RECT{0, 0, 25, 23}, Look.Selected,
                                Look.NotTracking);
            // (25 - 19) / 2 across, (23 - 19) / 2 down; everything else untouched.
            for (int Y = 0; Y < 23; ++Y)
                for (int X = 0; X < 25; ++X) {
                    const bool InPiece = X >= 3 && X < 22 && Y >= 2 && Y < 21;
                    const TKsColor Expected =
                        InPiece ? Skin.Pixels(Column + X - 3, MDIButtonTop + 19 * Look.Row + Y - 2)
                                : Background;
                    ASSERT_EQ(Surface->Pixels(X, Y), Expected)
                        << X << ", " << Y << " column " << Column << " row " << Look.Row;
                }
        }

    Button->SetButtonKind(TKsItemButtonKind::kibSysMenu);
    for (bool Selected : {false, true}) {
        auto Surface = MakeSurface(25, 23, Background);
        Theme.DrawMDIButton(*Surface, *Button, RECT{0, 0, 25, 23}, Selected, true);
        EXPECT_EQ(CountColor(*Surface, RECT{0, 0, 25, 23}, Color(Selected ? 15 : 14)), 25 * 23);
    }
    Button->SetButtonKind(TKsItemButtonKind::kibNone);
    auto Surface = MakeSurface(25, 23, Background);
    Theme.DrawMDIButton(*Surface, *Button, RECT{0, 0, 25, 23}, true, true);
    EXPECT_EQ(CountColor(*Surface, RECT{0, 0, 25, 23}, Background), 25 * 23);
}

TEST_F(LunaMenus, AMenuBarItemOffAControlBarIsFramedWhenSelected) {
    TKsCustomItem* File = Item("File");
    const RECT Rect{0, 0, 40, 22};
    const RECT Face{1, 1, 39, 21};
    auto Plain = MakeSurface(40, 22, Background);
    Theme.DrawMenuBarItem(*Plain, *File, Rect, false, true);
    EXPECT_EQ(Plain->Pixels(0, 0), Color(14));
    EXPECT_EQ(Plain->Pixels(1, 1), Color(14));
    EXPECT_GT(CountColor(*Plain, Face, Color(18)), 10);

    auto Selected = MakeSurface(40, 22, Background);
    Theme.DrawMenuBarItem(*Selected, *File, Rect, true, false);
    EXPECT_EQ(Selected->Pixels(0, 0), Color(14));
    EXPECT_EQ(Selected->Pixels(39, 21), Color(14));
    EXPECT_EQ(Selected->Pixels(1, 1), Color(13));
    EXPECT_EQ(Selected->Pixels(38, 20), Color(13));
    EXPECT_EQ(Selected->Pixels(2, 2), Color(15));
    EXPECT_GT(CountColor(*Selected, Face, Color(19)), 10);
}

TEST_F(LunaMenus, AMenuBarItemOnAControlBarIsAToolButtonWhenSelected) {
    TKsCustomItem* Blank = Item("");
    Blank->SetInControlBar(true);
    const RECT Rect{0, 0, 40, 22};
    auto Plain = MakeSurface(40, 22, Background);
    Theme.DrawMenuBarItem(*Plain, *Blank, Rect, false, true);
    EXPECT_EQ(CountColor(*Plain, Rect, Color(11)), 40 * 22);
    for (const auto& [NotTracking, State] :
         {std::pair{true, TTeDrawState::tdsNormal}, std::pair{false, TTeDrawState::tdsPressed}}) {
        auto Drawn = MakeSurface(40, 22, Background);
        Theme.DrawMenuBarItem(*Drawn, *Blank, Rect, true, NotTracking);
        auto Expected = MakeSurface(40, 22, Background);
        Expected->FillRect(Rect, Color(11));
        Theme.DrawToolButton(*Expected, RECT{1, 1, 39, 21}, State, false, false);
        ExpectSamePixels(*Drawn, *Expected);
    }
    TKsCustomItem* File = Item("File");
    File->SetInControlBar(true);
    auto Text = MakeSurface(40, 22, Background);
    Theme.DrawMenuBarItem(*Text, *File, Rect, true, true);
    EXPECT_GT(CountColor(*Text, RECT{1, 1, 39, 21}, Color(18)), 10);
}
