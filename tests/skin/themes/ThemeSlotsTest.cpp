// Every theme drawn without skin pieces, through every drawing slot: at sizes of nothing,
// one pixel and a large one, each draws without fault and only inside the rectangle it is
// given; and the registry holds the themes in their order.
#include "skin/graphics/KsBitmap.h"
#include "skin/menus/KsItems.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeRegistration.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A colour no theme paints with.
constexpr TKsColor Marker = 0xFF123457u;

using TSlot = std::function<void(TTeTheme&, TKsBitmap&, const RECT&, TKsCustomItem&)>;

struct TNamedSlot {
    std::string Name;
    TSlot Draw;
};

// Each slot drawing into Rect, with the states and flags that reach the most code.
std::vector<TNamedSlot> Slots() {
    using S = TTeDrawState;
    const auto Size = [](const RECT& R) { return std::pair{R.right - R.left, R.bottom - R.top}; };
    return {
        {"caption button",
         [](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem&) {
             for (int Kind = 0; Kind < 8; ++Kind)
                 T.DrawCaptionButton(B, R, TTeCaptionButtonKind(Kind), Kind % 2, Kind % 3 == 0,
                                     Kind % 2 == 0, TKsBorderStyle::kbsStandard);
         }},
        {"menu bar item",
         [](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem& I) {
             T.DrawMenuBarItem(B, I, R, true, true);
             T.DrawMenuBarItem(B, I, R, true, false);
         }},
        {"popup item",
         [](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem& I) {
             T.DrawPopupItem(B, I, R, true, false);
             T.DrawPopupItem(B, I, R, false, false);
         }},
        {"mdi button", [](TTeTheme& T, TKsBitmap& B, const RECT& R,
                          TKsCustomItem& I) { T.DrawMDIButton(B, I, R, true, true); }},
        {"check box",
         [](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem&) {
             for (int State = 0; State < 4; ++State)
                 for (int Check = 0; Check < 3; ++Check)
                     T.DrawCheckBox(B, R, S(State), TTeCheckState(Check));
         }},
        {"radio button",
         [](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem&) {
             for (int State = 0; State < 4; ++State)
                 T.DrawRadioButton(B, R, S(State), State % 2);
         }},
        {"track bar",
         [](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem&) {
             T.DrawTrackBarTrack(B, R, R);
             for (int Shape = 0; Shape < 3; ++Shape)
                 T.DrawTrackBarThumb(B, R, Shape == 1, Shape, S::tdsHot);
         }},
        {"progress bar",
         [](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem&) {
             T.DrawProgressBarFrame(B, R);
             T.DrawProgressBarChunks(B, R, R, false, false);
             T.DrawProgressBarChunks(B, R, R, true, false);
             T.DrawProgressBarChunks(B, R, R, false, true);
         }},
        {"task group",
         [](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem&) {
             T.DrawTaskGroupBackground(B, R, true);
             T.DrawTaskGroupHeader(B, R, "Tasks 任务");
             T.DrawTaskGroupButton(B, R, 0, S::tdsHot, true);
             T.DrawTaskGroupButton(B, R, 1, S::tdsPressed, false);
         }},
        {"group box",
         [](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem&) {
             // A caption in the top band, clear of both sides, as a group box places it.
             const int Width = R.right - R.left;
             const RECT Caption{R.left + Width / 8, R.top, R.left + Width / 2,
                                R.top + (R.bottom - R.top) / 4};
             T.DrawGroupBox(B, R, Caption, "Group 分组");
         }},
        {"scroll bar",
         [](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem&) {
             for (const bool Vertical : {false, true}) {
                 T.DrawScrollBarTrack(B, R, Vertical);
                 T.DrawScrollBarArrow(B, R, Vertical, true, S::tdsPressed);
                 T.DrawScrollBarArrow(B, R, Vertical, false, S::tdsDisabled);
                 T.DrawScrollBarThumb(B, R, Vertical, S::tdsHot);
             }
         }},
        {"tabs",
         [](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem&) {
             T.DrawTabPane(B, R);
             for (int Position = 0; Position < 4; ++Position)
                 for (int State = 0; State < 5; ++State)
                     T.DrawTabItem(B, R, Position, State);
         }},
        {"edit and combo",
         [](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem&) {
             T.DrawSpinButton(B, R, true, S::tdsHot);
             T.DrawEditFrame(B, R, S::tdsNormal);
             T.DrawEditFrame(B, R, S::tdsDisabled);
             T.DrawComboButton(B, R, S::tdsPressed);
         }},
        {"tool bar",
         [](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem&) {
             T.DrawToolBarBackground(B, R);
             T.DrawToolButton(B, R, S::tdsHot, true, true);
             T.DrawToolDropDownButton(B, R, S::tdsPressed, false, false);
             T.DrawSmallButton(B, R, S::tdsDisabled);
         }},
        {"control bar",
         [](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem&) {
             T.DrawControlBarBackground(B, R);
             RECT Grip = R;
             Grip.right = Grip.left + (R.right - R.left) / 8;
             T.DrawControlBarGripper(B, R, Grip);
         }},
        {"whole-bitmap pieces",
         [Size](TTeTheme& T, TKsBitmap& B, const RECT& R, TKsCustomItem&) {
             // These paint from (0, 0) over the size they are given: the test offsets
             // nothing for them, so R starts at the origin.
             const auto [W, H] = Size(R);
             T.DrawButton(B, W, H, S::tdsDefault);
             T.DrawMenuBarBackground(B, W, H);
             T.DrawPopupBackground(B, W, H);
             const RECT Client{4, 20, W - 4, H - 4};
             T.DrawFormFrame(B, W, H, Client, true, TKsBorderStyle::kbsStandard);
             T.DrawFormFrame(B, W, H, Client, false, TKsBorderStyle::kbsToolWindow);
         }},
    };
}

class EveryTheme : public ::testing::TestWithParam<const TTeThemeClass*> {};

TEST_P(EveryTheme, DrawsEverySlotOnlyInsideItsRectangleAtEverySize) {
    RegisterSkinThemes();
    std::unique_ptr<TTeTheme> Theme = GetParam()->Create();
    TKsCustomItem Item(nullptr);
    Item.SetCaption("&Open 打开");
    Item.SetShortCut(VK_F5);
    TKsCustomItem Child(nullptr);
    Item.Add(&Child);
    const int Margin = 8;
    for (const TNamedSlot& Slot : Slots()) {
        for (const SIZE Size : {SIZE{0, 0}, SIZE{1, 1}, SIZE{300, 200}}) {
            const bool FromOrigin = Slot.Name == "whole-bitmap pieces";
            const int Offset = FromOrigin ? 0 : Margin;
            TKsBitmap Bitmap;
            Bitmap.SetSize(Size.cx + 2 * Margin, Size.cy + 2 * Margin);
            Bitmap.Fill(Marker);
            const RECT Rect{Offset, Offset, Offset + Size.cx, Offset + Size.cy};
            Slot.Draw(*Theme, Bitmap, Rect, Item);
            GdiFlush();
            int Stray = 0;
            for (int Y = 0; Y < Bitmap.Height(); ++Y)
                for (int X = 0; X < Bitmap.Width(); ++X) {
                    const bool Inside =
                        X >= Rect.left && X < Rect.right && Y >= Rect.top && Y < Rect.bottom;
                    if (!Inside && Bitmap.Pixels(X, Y) != Marker)
                        ++Stray;
                }
            EXPECT_EQ(Stray, 0) << GetParam()->GetName() << ", " << Slot.Name << " at " << Size.cx
                                << " x " << Size.cy;
        }
    }
    Item.Remove(&Child);
}

// The themes drawn without skin pieces. Luna's nine-slice pieces keep their corners whole
// below the pieces' own size, so it is not held to tiny rectangles here.
std::vector<const TTeThemeClass*> ThemeClasses() {
    RegisterSkinThemes();
    std::vector<const TTeThemeClass*> Classes;
    for (const TTeThemeClass* Class : RegisteredThemes())
        if (Class->GetName() != "Luna")
            Classes.push_back(Class);
    return Classes;
}

INSTANTIATE_TEST_SUITE_P(Registered, EveryTheme, ::testing::ValuesIn(ThemeClasses()),
                         [](const auto& Info) {
                             std::string Name;
                             for (const char C : Info.param->GetName())
                                 if (std::isalnum(static_cast<unsigned char>(C)))
                                     Name += C;
                             return Name;
                         });

TEST(ThemeRegistry, HoldsTheThemesInTheirOrder) {
    RegisterSkinThemes();
    std::vector<std::string> Names;
    for (const TTeThemeClass* Class : RegisteredThemes())
        Names.push_back(Class->GetName());
    std::vector<std::string> Expected{"Luna", "Highlight", "Lines", "Flat", "No Theme"};
    if (Names.size() == 6)
        Expected.insert(Expected.begin(), "XP ThemeAPI");
    EXPECT_EQ(Names, Expected);
}

} // namespace
