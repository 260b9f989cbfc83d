// The theme of the host's own visual style. This host runs with visual styles on, so each
// element is checked pixel for pixel against the host drawing the same class, part and
// state into a surface of the same size. Other hosts are played by substituting the
// library's entries: styles switched off, parts that cannot be drawn or measured, and a
// style that draws menus.
#include "skin/graphics/KsBitmap.h"
#include "skin/menus/KsItems.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeRegistration.h"
#include "skin/themes/TeThemeLuna.h"
#include "skin/themes/TeThemeXP.h"
#include "skin/themes/TeThemeXPImpl.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <vssym32.h>

namespace {

constexpr TKsColor Marker = 0xFF123457u;
using S = TTeDrawState;
using TDraw = std::function<void(TTeThemeXP&, TKsBitmap&, const RECT&)>;

std::unique_ptr<TKsBitmap> Surface(int W, int H) {
    auto Bitmap = std::make_unique<TKsBitmap>();
    Bitmap->SetSize(W, H);
    Bitmap->Fill(Marker);
    return Bitmap;
}

// The host's own drawing of parts of one class, each over its rectangle.
std::unique_ptr<TKsBitmap> HostDrawing(int W, int H, const wchar_t* ClassName,
                                       const std::vector<std::pair<int, RECT>>& Parts, int State) {
    auto Bitmap = Surface(W, H);
    HTHEME Theme = OpenThemeData(nullptr, ClassName);
    for (const auto& [Part, Rect] : Parts)
        DrawThemeBackground(Theme, Bitmap->DC(), Part, State, &Rect, nullptr);
    CloseThemeData(Theme);
    GdiFlush();
    return Bitmap;
}

std::unique_ptr<TKsBitmap> ThemeDrawing(int W, int H, const TDraw& Draw) {
    auto Bitmap = Surface(W, H);
    TTeThemeXP Theme;
    Draw(Theme, *Bitmap, RECT{0, 0, W, H});
    GdiFlush();
    return Bitmap;
}

// Pixels that differ; and whether A shows anything at all, so that two blank surfaces do not
// pass for a match.
int Differences(const TKsBitmap& A, const TKsBitmap& B) {
    int Count = 0;
    for (int I = 0; I < A.Width() * A.Height(); ++I)
        Count += A.Bits()[I] != B.Bits()[I];
    return Count;
}

bool ShowsAnything(const TKsBitmap& Bitmap) {
    for (int I = 0; I < Bitmap.Width() * Bitmap.Height(); ++I)
        if (Bitmap.Bits()[I] != Marker)
            return true;
    return false;
}

struct TPartCase {
    const char* Name;
    int W, H;
    const wchar_t* ClassName;
    int Part, State;
    TDraw Draw;
    int Inset = 0;
};

// The library's entries, put back when the scope ends.
class TSubstitutedStyles {
public:
    explicit TSubstitutedStyles(const TTeVisualStylesApi& Api) : FHost(SetVisualStyles(Api)) {}
    TSubstitutedStyles(const TSubstitutedStyles&) = delete;
    TSubstitutedStyles& operator=(const TSubstitutedStyles&) = delete;
    ~TSubstitutedStyles() { SetVisualStyles(FHost); }

private:
    TTeVisualStylesApi FHost;
};

// A style that draws every part as a solid colour and records what it was asked for.
constexpr COLORREF StyleInk = RGB(10, 200, 30);
std::vector<std::pair<int, int>> DrawnParts;
HRESULT WINAPI SolidDrawing(HTHEME, HDC DC, int Part, int State, LPCRECT Rect, LPCRECT) {
    DrawnParts.emplace_back(Part, State);
    const TGdiObject<HBRUSH> Brush(CreateSolidBrush(StyleInk));
    FillRect(DC, Rect, Brush.Get());
    return S_OK;
}
HRESULT WINAPI FailedDrawing(HTHEME, HDC, int, int, LPCRECT, LPCRECT) {
    return E_FAIL;
}
BOOL WINAPI EveryPartDefined(HTHEME, int, int) {
    return TRUE;
}
BOOL WINAPI ThemeInactive() {
    return FALSE;
}
HRESULT WINAPI TinyPartSize(HTHEME, HDC, int, int, RECT*, THEMESIZE, SIZE* Size) {
    *Size = SIZE{1, 1};
    return S_OK;
}
HRESULT WINAPI FailedPartSize(HTHEME, HDC, int, int, RECT*, THEMESIZE, SIZE*) {
    return E_FAIL;
}

class XPTheme : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterSkinThemes(); }
    void SetUp() override {
        ASSERT_TRUE(TTeThemeXP::IsAvailable()) << "this host runs with visual styles on";
        Item.SetCaption("&Open");
        Item.SetShortCut(VK_F5);
        Item.Add(&Child);
        DrawnParts.clear();
    }
    void TearDown() override { Item.Remove(&Child); }

    TKsCustomItem Item{nullptr};
    TKsCustomItem Child{nullptr};
};

} // namespace

TEST_F(XPTheme, EachElementIsTheHostsOwnPartInItsState) {
    const std::vector<TPartCase> Cases{
        {"hot button", 75, 25, L"Button", BP_PUSHBUTTON, PBS_HOT,
         [](auto& T, auto& B, auto&) { T.DrawButton(B, 75, 25, S::tdsHot); }},
        {"default button", 75, 25, L"Button", BP_PUSHBUTTON, PBS_DEFAULTED,
         [](auto& T, auto& B, auto&) { T.DrawButton(B, 75, 25, S::tdsDefault); }},
        {"grayed disabled check box", 13, 13, L"Button", BP_CHECKBOX, 12,
         [](auto& T, auto& B, auto& R) {
             T.DrawCheckBox(B, R, S::tdsDisabled, TTeCheckState::tcsGrayed);
         }},
        {"checked pressed radio", 13, 13, L"Button", BP_RADIOBUTTON, RBS_CHECKEDPRESSED,
         [](auto& T, auto& B, auto& R) { T.DrawRadioButton(B, R, S::tdsPressed, true); }},
        {"pressed tool-window close", 13, 13, L"Window", WP_SMALLCLOSEBUTTON, CBS_PUSHED,
         [](auto& T, auto& B, auto& R) {
             T.DrawCaptionButton(B, R, TTeCaptionButtonKind::cbkClose, true, true, true,
                                 TKsBorderStyle::kbsToolWindow);
         }},
        {"inactive minimize", 28, 17, L"Window", WP_MINBUTTON, CBS_DISABLED,
         [](auto& T, auto& B, auto& R) {
             T.DrawCaptionButton(B, R, TTeCaptionButtonKind::cbkMinimize, true, false, false,
                                 TKsBorderStyle::kbsStandard);
         }},
        {"pushed mdi close", 20, 20, L"Window", WP_MDICLOSEBUTTON, CBS_PUSHED,
         [this](auto& T, auto& B, auto& R) {
             Item.SetButtonKind(TKsItemButtonKind::kibClose);
             T.DrawMDIButton(B, Item, R, true, false);
             Item.SetButtonKind(TKsItemButtonKind::kibNone);
         },
         1},
        {"vertical track-bar thumb pointing left", 19, 11, L"TrackBar", TKP_THUMBLEFT, TUS_HOT,
         [](auto& T, auto& B, auto& R) { T.DrawTrackBarThumb(B, R, true, 2, S::tdsHot); }},
        {"disabled left arrow", 17, 17, L"ScrollBar", SBP_ARROWBTN, ABS_LEFTDISABLED,
         [](auto& T, auto& B, auto& R) {
             T.DrawScrollBarArrow(B, R, false, true, S::tdsDisabled);
         }},
        {"focused tab", 60, 20, L"Tab", TABP_TABITEM, TIS_FOCUSED,
         [](auto& T, auto& B, auto& R) { T.DrawTabItem(B, R, 0, 2); }},
        {"hot checked flat tool button", 24, 22, L"Toolbar", TP_BUTTON, TS_HOTCHECKED,
         [](auto& T, auto& B, auto& R) { T.DrawToolButton(B, R, S::tdsHot, true, true); }},
    };
    for (const TPartCase& Case : Cases) {
        const RECT Place{Case.Inset, Case.Inset, Case.W - Case.Inset, Case.H - Case.Inset};
        const auto Host =
            HostDrawing(Case.W, Case.H, Case.ClassName, {{Case.Part, Place}}, Case.State);
        const auto Themed = ThemeDrawing(Case.W, Case.H, Case.Draw);
        EXPECT_TRUE(ShowsAnything(*Host)) << Case.Name;
        EXPECT_EQ(Differences(*Themed, *Host), 0) << Case.Name;
    }
}

TEST_F(XPTheme, AFrameIsTheStylesCaptionAndBorders) {
    const int W = 240, H = 150;
    const RECT Client{7, 29, W - 7, H - 7};
    const auto Frame = HostDrawing(W, H, L"Window",
                                   {{WP_CAPTION, RECT{0, 0, W, 29}},
                                    {WP_FRAMELEFT, RECT{0, 29, 7, H - 7}},
                                    {WP_FRAMERIGHT, RECT{W - 7, 29, W, H - 7}},
                                    {WP_FRAMEBOTTOM, RECT{0, H - 7, W, H}}},
                                   FS_INACTIVE);
    const auto Themed = ThemeDrawing(W, H, [&](auto& T, auto& B, auto&) {
        T.DrawFormFrame(B, W, H, Client, false, TKsBorderStyle::kbsStandard);
    });
    EXPECT_EQ(Differences(*Themed, *Frame), 0);
    EXPECT_EQ(Themed->Pixels(W / 2, H / 2), Marker) << "the client is left alone";
}

TEST_F(XPTheme, AnEditFrameLeavesItsInsideAlone) {
    const RECT Edit{0, 0, 80, 22};
    const auto HostEdit = HostDrawing(80, 22, L"Edit", {{EP_EDITTEXT, Edit}}, ETS_DISABLED);
    const auto ThemedEdit = ThemeDrawing(
        80, 22, [](auto& T, auto& B, auto& R) { T.DrawEditFrame(B, R, S::tdsDisabled); });
    for (int Y = 0; Y < 22; ++Y)
        for (int X = 0; X < 80; ++X) {
            const bool Inside = X >= 2 && X < 78 && Y >= 2 && Y < 20;
            ASSERT_EQ(ThemedEdit->Pixels(X, Y), Inside ? Marker : HostEdit->Pixels(X, Y))
                << X << ", " << Y;
        }
}

TEST_F(XPTheme, KindsTheStyleHasNoPictureForDrawNothing) {
    for (const auto Kind : {TTeCaptionButtonKind::cbkRollup, TTeCaptionButtonKind::cbkRolldown,
                            TTeCaptionButtonKind::cbkTray})
        EXPECT_FALSE(ShowsAnything(*ThemeDrawing(28, 17, [&](auto& T, auto& B, auto& R) {
            T.DrawCaptionButton(B, R, Kind, false, false, true, TKsBorderStyle::kbsStandard);
        })));
    // A flat tool button at rest is only the bar behind it.
    EXPECT_FALSE(ShowsAnything(*ThemeDrawing(24, 22, [](auto& T, auto& B, auto& R) {
        T.DrawToolButton(B, R, S::tdsNormal, true, false);
    })));
}

TEST_F(XPTheme, SizesComeFromTheStylesPartsAndAreNeverNegative) {
    TTeThemeXP Theme;
    HTHEME Window = OpenThemeData(nullptr, L"Window");
    SIZE Caption{}, Frame{}, SmallClose{};
    GetThemePartSize(Window, nullptr, WP_CAPTION, 1, nullptr, TS_TRUE, &Caption);
    GetThemePartSize(Window, nullptr, WP_FRAMELEFT, 1, nullptr, TS_TRUE, &Frame);
    GetThemePartSize(Window, nullptr, WP_SMALLCLOSEBUTTON, 1, nullptr, TS_TRUE, &SmallClose);
    CloseThemeData(Window);
    EXPECT_EQ(Theme.GetMetric(2), Caption.cy);
    EXPECT_EQ(Theme.GetMetric(0), Frame.cx - 1);
    EXPECT_EQ(Theme.GetMetric(7), SmallClose.cx - 1);

    // Read from parts: frames, captions, caption buttons, the task-panel header and the
    // combo button.
    const std::vector<uint8_t> FromParts{0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 12, 13, 23, 28};
    TTeVisualStylesApi Api = VisualStyles();
    Api.GetThemePartSize = FailedPartSize;
    {
        const TSubstitutedStyles Unreadable(Api);
        for (const uint8_t Index : FromParts)
            EXPECT_EQ(Theme.GetMetric(Index), TTeThemeLuna::Metric(Index)) << int(Index);
    }
    Api.GetThemePartSize = TinyPartSize;
    {
        const TSubstitutedStyles Tiny(Api);
        for (const uint8_t Index : {0, 1, 7, 8})
            EXPECT_EQ(Theme.GetMetric(Index), 0) << Index;
        EXPECT_EQ(Theme.GetMetric(2), 1);
    }
}

TEST_F(XPTheme, MenusThisStyleCannotDrawArePlainWithTheirCaptions) {
    // This host's style leaves the old menu parts out: bars and popups are drawn in the
    // theme's colours, and no pixel keeps what was there before.
    TTeThemeXP Theme;
    const auto Popup = ThemeDrawing(
        200, 22, [this](auto& T, auto& B, auto& R) { T.DrawPopupItem(B, Item, R, false, false); });
    const auto Menu = ColorToKsColor(Theme.GetColor(16), 255);
    const auto Text = ColorToKsColor(Theme.GetColor(20), 255);
    int Ink = 0;
    for (int I = 0; I < 200 * 22; ++I) {
        EXPECT_NE(Popup->Bits()[I] | 0xFF000000u, Marker) << I;
        Ink += (Popup->Bits()[I] | 0xFF000000u) == Text;
    }
    EXPECT_GT(Ink, 20) << "caption, short-cut and arrow";
    EXPECT_EQ(Popup->Pixels(1, 1), Menu);
    const auto Bar = ThemeDrawing(
        60, 22, [this](auto& T, auto& B, auto& R) { T.DrawMenuBarItem(B, Item, R, true, true); });
    EXPECT_EQ(Bar->Pixels(1, 1), ColorToKsColor(Theme.GetColor(15), 255))
        << "selected, without a frame";
}

TEST_F(XPTheme, MenusAStyleDrawsShowTheirContentOverItAndOnlyTheirItemIsLit) {
    TTeVisualStylesApi Api = VisualStyles();
    Api.DrawThemeBackground = SolidDrawing;
    Api.IsThemePartDefined = EveryPartDefined;
    const TSubstitutedStyles Drawing(Api);
    const TKsColor Ground = ColorToKsColor(TColor(StyleInk), 255);

    const auto Popup = ThemeDrawing(
        200, 22, [this](auto& T, auto& B, auto& R) { T.DrawPopupItem(B, Item, R, false, true); });
    EXPECT_EQ(Popup->Pixels(1, 1) | 0xFF000000u, Ground);
    int Ink = 0;
    for (int I = 0; I < 200 * 22; ++I)
        Ink += (Popup->Bits()[I] | 0xFF000000u) != Ground;
    EXPECT_GT(Ink, 20) << "caption, short-cut and arrow over the style's background";

    // A bar at rest: not tracked, and none of its items lit.
    DrawnParts.clear();
    ThemeDrawing(60, 22, [this](auto& T, auto& B, auto& R) {
        T.DrawMenuBarItem(B, Item, R, false, true);
        T.DrawMenuBarItem(B, Item, R, true, true);
        T.DrawPopupItem(B, Item, R, false, true);
    });
    const std::vector<std::pair<int, int>> Expected{{MENU_MENUBARITEM_TMSCHEMA, 1},
                                                    {MENU_MENUBARITEM_TMSCHEMA, 2},
                                                    {MENU_MENUITEM_TMSCHEMA, 1}};
    EXPECT_EQ(DrawnParts, Expected);

    // MDI buttons: at rest, under the mouse, open.
    DrawnParts.clear();
    Item.SetButtonKind(TKsItemButtonKind::kibMinimize);
    ThemeDrawing(20, 20, [this](auto& T, auto& B, auto& R) {
        T.DrawMDIButton(B, Item, R, false, true);
        T.DrawMDIButton(B, Item, R, true, true);
        T.DrawMDIButton(B, Item, R, true, false);
    });
    Item.SetButtonKind(TKsItemButtonKind::kibNone);
    const std::vector<std::pair<int, int>> MDIStates{
        {WP_MDIMINBUTTON, CBS_NORMAL}, {WP_MDIMINBUTTON, CBS_HOT}, {WP_MDIMINBUTTON, CBS_PUSHED}};
    EXPECT_EQ(DrawnParts, MDIStates);
}

TEST_F(XPTheme, WhereDrawingFailsTheSlotsWithAFallbackUseIt) {
    TTeVisualStylesApi Api = VisualStyles();
    Api.DrawThemeBackground = FailedDrawing;
    Api.IsThemePartDefined = EveryPartDefined;
    const TSubstitutedStyles Failing(Api);
    TTeThemeXP Theme;
    const auto Bar =
        ThemeDrawing(100, 20, [](auto& T, auto& B, auto&) { T.DrawMenuBarBackground(B, 100, 20); });
    EXPECT_EQ(Bar->Pixels(50, 10), ColorToKsColor(Theme.GetColor(14), 255));
    const auto Selected = ThemeDrawing(
        200, 22, [this](auto& T, auto& B, auto& R) { T.DrawPopupItem(B, Item, R, true, false); });
    EXPECT_EQ(Selected->Pixels(0, 0), ColorToKsColor(Theme.GetColor(13), 255));
    EXPECT_EQ(Selected->Pixels(2, 2), ColorToKsColor(Theme.GetColor(17), 255));
    const auto Grip = ThemeDrawing(60, 24, [](auto& T, auto& B, auto& R) {
        T.DrawControlBarGripper(B, R, RECT{2, 2, 10, 22});
    });
    for (int I = 0; I < 60 * 24; ++I)
        ASSERT_NE(Grip->Bits()[I], Marker) << "fill and frame";
    EXPECT_EQ(Grip->Pixels(6, 12), ColorToKsColor(Theme.GetColor(11), 255));
    // Nothing else falls back: a button the style fails to draw stays undrawn.
    EXPECT_FALSE(ShowsAnything(*ThemeDrawing(
        75, 25, [](auto& T, auto& B, auto&) { T.DrawButton(B, 75, 25, S::tdsHot); })));
}

TEST_F(XPTheme, WithVisualStylesOffItStaysRegisteredButCannotPaint) {
    TTeVisualStylesApi Api = VisualStyles();
    Api.IsThemeActive = ThemeInactive;
    const TSubstitutedStyles Off(Api);
    EXPECT_FALSE(TTeThemeXP::IsAvailable());
    EXPECT_EQ(FindThemeClass("XP ThemeAPI"), &TTeThemeXP::Class);
    EXPECT_EQ(RegisteredThemes().front(), &TTeThemeXP::Class);
}

TEST_F(XPTheme, TheFormRegionIsTheCaptionsShapeOrNone) {
    TTeThemeXP Theme;
    const TGdiObject<HRGN> Region = Theme.GetFormRegion(300, 200, TKsBorderStyle::kbsStandard);
    ASSERT_TRUE(Region);
    RECT Box{};
    GetRgnBox(Region.Get(), &Box);
    EXPECT_GE(Box.left, 0);
    EXPECT_GE(Box.top, 0);
    EXPECT_LE(Box.right, 300);
    EXPECT_LE(Box.bottom, 200);
    TTeVisualStylesApi Api = VisualStyles();
    Api.OpenThemeData = nullptr;
    const TSubstitutedStyles Missing(Api);
    EXPECT_FALSE(Theme.GetFormRegion(300, 200, TKsBorderStyle::kbsStandard));
}
