#include "skin/themes/TeThemePreview.h"

#include "framework/graphics/GraphicsObjects.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/menus/KsItems.h"
#include "skin/themes/KsThemeThemes.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using TState = TTeDrawState;
using TKind = TTeCaptionButtonKind;

constexpr int PreviewWidth = 640, PreviewHeight = 500;
constexpr TState FourStates[] = {TState::tdsNormal, TState::tdsHot, TState::tdsPressed,
                                 TState::tdsDisabled};

TKsColor ThemeColor(TTeTheme& Theme, int Index) {
    return ColorToKsColor(Theme.GetColor(Index), 255);
}

// A window of W x H at (X, Y): frame, caption text and the caption buttons from the right,
// the second of them hot.
void DrawWindow(TTeTheme& Theme, TKsBitmap& Preview, int X, int Y, int W, int H, bool Active,
                TKsBorderStyle Style) {
    TKsBitmap Window;
    Window.SetSize(W, H);
    Window.Fill(ThemeColor(Theme, 11));
    const bool Tool = Style == TKsBorderStyle::kbsToolWindow;
    const int Border = Theme.GetMetric(Tool ? 1 : 0), Caption = Theme.GetMetric(Tool ? 3 : 2);
    Theme.DrawFormFrame(Window, W, H, {Border, Caption, W - Border, H - Border}, Active, Style);
    Theme.SelectFont(Window, Tool ? 1 : 0);
    Window.Font()->SetColor(Theme.GetColor(Active ? 3 : 5));
    Window.DrawText(Active ? "Active" : "Inactive", {Border + 6, 0, W, Caption},
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    const int Size = Theme.GetMetric(Tool ? 7 : 5), Gap = Theme.GetMetric(11);
    int Right = W - Theme.GetMetric(Tool ? 12 : 9);
    const int Top = Theme.GetMetric(Tool ? 13 : 10);
    const TKind Kinds[] = {TKind::cbkClose, TKind::cbkMaximize, TKind::cbkMinimize, TKind::cbkHelp};
    for (const TKind Kind : Kinds) {
        Theme.DrawCaptionButton(Window, {Right - Size, Top, Right, Top + Size}, Kind,
                                Kind == TKind::cbkMaximize, false, Active, Style);
        Right -= Size + Gap;
        if (Tool)
            break;
    }
    // The window region cuts off what the frame leaves transparent.
    Window.SetUseAlpha(true);
    Window.Draw(Preview, X, Y);
}

// Every kind of caption button in a row for each look: normal, hot, pressed, inactive.
void DrawCaptionButtons(TTeTheme& Theme, TKsBitmap& Preview, int Left, int Top) {
    const int Size = Theme.GetMetric(5);
    const TKind Kinds[] = {TKind::cbkClose,  TKind::cbkHelp,    TKind::cbkMinimize,
                           TKind::cbkMaximize, TKind::cbkRestore, TKind::cbkRollup,
                           TKind::cbkRolldown, TKind::cbkTray};
    for (int Look = 0; Look < 4; ++Look) {
        // Caption buttons lie on the caption band: the band's own colour is under them.
        const int Y = Top + Look * (Size + 4);
        Preview.FillRect({Left, Y - 2, Left + 8 * (Size + 4) + 2, Y + Size + 2},
                         ThemeColor(Theme, Look == 3 ? 1 : 0));
        for (int I = 0; I < 8; ++I) {
            const int X = Left + 2 + I * (Size + 4);
            Theme.DrawCaptionButton(Preview, {X, Y, X + Size, Y + Size}, Kinds[I], Look == 1,
                                    Look == 2, Look != 3, TKsBorderStyle::kbsStandard);
        }
    }
}

// Push buttons, check boxes, radio buttons, tool and combo buttons, scroll bars and track-bar
// thumbs, one column per state.
void DrawControls(TTeTheme& Theme, TKsBitmap& Preview, int Left, int Top) {
    const TState States[] = {TState::tdsNormal, TState::tdsHot, TState::tdsPressed,
                             TState::tdsDisabled, TState::tdsFocused};
    for (int I = 0; I < 5; ++I) {
        const TState State = States[I];
        const TState Plain = States[I % 4];
        TKsBitmap Button;
        Button.SetSize(75, 23);
        Button.Fill(ThemeColor(Theme, 11));
        Theme.DrawButton(Button, 75, 23, State);
        Button.Draw(Preview, Left + I * 82, Top);
        const int X = Left + I * 82, Y = Top + 32;
        for (int Check = 0; Check < 3; ++Check)
            Theme.DrawCheckBox(Preview, {X + Check * 18, Y, X + Check * 18 + 13, Y + 13}, Plain,
                               static_cast<TTeCheckState>(Check));
        for (int Checked = 0; Checked < 2; ++Checked)
            Theme.DrawRadioButton(Preview,
                                  {X + Checked * 18, Y + 20, X + Checked * 18 + 13, Y + 33},
                                  Plain, Checked == 1);
        Theme.DrawToolButton(Preview, {X + 40, Y + 18, X + 62, Y + 40}, Plain, false, I == 4);
        Theme.DrawComboButton(Preview, {X + 64, Y + 18, X + 79, Y + 38}, Plain);
        const RECT Track{X, Y + 48, X + 17, Y + 148};
        Theme.DrawScrollBarTrack(Preview, Track, true);
        Theme.DrawScrollBarArrow(Preview, {X, Y + 48, X + 17, Y + 65}, true, true, Plain);
        Theme.DrawScrollBarThumb(Preview, {X, Y + 80, X + 17, Y + 120}, true, Plain);
        Theme.DrawScrollBarArrow(Preview, {X, Y + 131, X + 17, Y + 148}, true, false, Plain);
        Theme.DrawScrollBarTrack(Preview, {X + 22, Y + 48, X + 80, Y + 65}, false);
        Theme.DrawScrollBarArrow(Preview, {X + 22, Y + 48, X + 39, Y + 65}, false, true, Plain);
        Theme.DrawScrollBarThumb(Preview, {X + 41, Y + 48, X + 61, Y + 65}, false, Plain);
        Theme.DrawScrollBarArrow(Preview, {X + 63, Y + 48, X + 80, Y + 65}, false, false, Plain);
        for (int Shape = 0; Shape < 3; ++Shape) {
            Theme.DrawTrackBarThumb(Preview,
                                    {X + 24 + Shape * 16, Y + 72, X + 35 + Shape * 16, Y + 95},
                                    false, Shape, State);
            Theme.DrawTrackBarThumb(Preview,
                                    {X + 24, Y + 100 + Shape * 14, X + 46, Y + 111 + Shape * 14},
                                    true, Shape, State);
        }
        Theme.DrawSpinButton(Preview, {X + 56, Y + 100, X + 72, Y + 110}, true, Plain);
        Theme.DrawSpinButton(Preview, {X + 56, Y + 110, X + 72, Y + 120}, false, Plain);
        Theme.DrawToolDropDownButton(Preview, {X + 56, Y + 124, X + 80, Y + 146}, Plain, false,
                                     false);
        Theme.DrawSmallButton(Preview, {X + 50, Y + 72, X + 66, Y + 88}, Plain);
    }
}

// A menu bar with an ordinary, a hot and an opened item, and a popup below the opened one
// with a selected, a checked, a disabled item, a separator and a sub-menu item.
void DrawMenus(TTeTheme& Theme, TKsBitmap& Preview, int Left, int Top) {
    TKsCustomItem Root(nullptr);
    std::vector<std::unique_ptr<TKsCustomItem>> Items;
    const auto Add = [&](TKsCustomItem& Parent, const char* Caption) -> TKsCustomItem& {
        Items.push_back(std::make_unique<TKsCustomItem>(nullptr));
        Items.back()->SetCaption(Caption);
        Parent.Add(Items.back().get());
        return *Items.back();
    };
    TKsCustomItem& File = Add(Root, "&File");
    TKsCustomItem& Edit = Add(Root, "&Edit");
    TKsCustomItem& View = Add(Root, "&View 视图");
    TKsCustomItem& Open = Add(Edit, "&Open 打开");
    Open.SetShortCut(VK_F5);
    Add(Edit, "&Checked").SetChecked(true);
    Add(Edit, "&Disabled").SetEnabled(false);
    Add(Edit, "-");
    TKsCustomItem& More = Add(Edit, "&More");
    Add(More, "Inside");

    TKsBitmap Bar;
    Bar.SetSize(PreviewWidth - Left - 8, Theme.GetMetric(14));
    Theme.DrawMenuBarBackground(Bar, Bar.Width(), Bar.Height());
    int X = 2;
    RECT Opened{};
    for (TKsCustomItem* Item : {&File, &Edit, &View}) {
        int W = 0, H = Bar.Height();
        Theme.MeasureMenuBarItem(Bar, *Item, W, H);
        const RECT R{X, 0, X + W, Bar.Height()};
        Theme.DrawMenuBarItem(Bar, *Item, R, Item != &View, Item == &Edit);
        if (Item == &Edit)
            Opened = R;
        X += W;
    }
    Bar.Draw(Preview, Left, Top);

    std::vector<int> Heights;
    int PopupWidth = 0, PopupHeight = 0;
    for (int I = 0; I < Edit.Count(); ++I) {
        int W = 0, H = 0;
        Theme.MeasurePopupItem(Bar, *Edit.Items(I), W, H);
        Heights.push_back(H);
        PopupWidth = std::max(PopupWidth, W);
        PopupHeight += H;
    }
    TKsBitmap Popup;
    Popup.SetSize(PopupWidth + 6, PopupHeight + 6);
    Theme.DrawPopupBackground(Popup, Popup.Width(), Popup.Height());
    int Y = 3;
    for (int I = 0; I < Edit.Count(); ++I) {
        Theme.DrawPopupItem(Popup, *Edit.Items(I), {3, Y, 3 + PopupWidth, Y + Heights[I]}, I == 0,
                            false);
        Y += Heights[I];
    }
    Popup.Draw(Preview, Left + Opened.left, Top + Bar.Height());
    for (auto& Item : Items)
        if (Item->Parent())
            Item->Parent()->Remove(Item.get());
}

// Tabs over their pane, a progress bar in both fills, a group box, edit frames, a track-bar
// track, a tool bar and a control bar with its gripper.
void DrawPanes(TTeTheme& Theme, TKsBitmap& Preview, int Left, int Top) {
    Theme.DrawTabPane(Preview, {Left, Top + 20, Left + 200, Top + 80});
    const int States[] = {0, 1, 3, 4};
    int X = Left + 2;
    for (const int State : States) {
        const int Grow = State == 4 ? 2 : 0;
        Theme.DrawTabItem(Preview, {X - Grow, Top + 2 - Grow, X + 46 + Grow, Top + 22}, 0, State);
        X += 48;
    }
    const int Right = Left + 220;
    for (int Smooth = 0; Smooth < 2; ++Smooth) {
        const RECT Bar{Right, Top + Smooth * 24, Right + 160, Top + 18 + Smooth * 24};
        Theme.DrawProgressBarFrame(Preview, Bar);
        Theme.DrawProgressBarChunks(Preview, Bar, {Bar.left, Bar.top, Bar.left + 100, Bar.bottom},
                                    false, Smooth == 1);
    }
    Theme.DrawTrackBarTrack(Preview, {Right, Top + 56, Right + 160, Top + 62},
                            {Right + 40, Top + 56, Right + 90, Top + 62});
    Theme.SelectFont(Preview, 3);
    Theme.DrawGroupBox(Preview, {Left, Top + 92, Left + 200, Top + 150},
                       {Left + 8, Top + 86, Left + 90, Top + 100}, "Group 分组");
    for (int I = 0; I < 2; ++I) {
        const RECT Frame{Right + I * 84, Top + 92, Right + 76 + I * 84, Top + 113};
        Preview.FillRect(Frame, ThemeColor(Theme, 6));
        Theme.DrawEditFrame(Preview, Frame, I == 0 ? TState::tdsNormal : TState::tdsDisabled);
    }
    Theme.DrawToolBarBackground(Preview, {Right, Top + 120, Right + 160, Top + 146});
    for (int I = 0; I < 4; ++I)
        Theme.DrawToolButton(Preview, {Right + 4 + I * 26, Top + 122, Right + 28 + I * 26, Top + 144},
                             FourStates[I], true, false);
    const RECT ControlBar{Left, Top + 158, Left + 380, Top + 184};
    Theme.DrawControlBarBackground(Preview, ControlBar);
    Theme.DrawControlBarGripper(Preview, {Left + 2, Top + 160, Left + 180, Top + 182},
                                {Left + 2, Top + 160, Left + 11, Top + 182});
    Theme.DrawItemBackground(Preview, {Left + 200, Top + 160, Left + 260, Top + 182}, 0);
    Theme.DrawItemBackground(Preview, {Left + 262, Top + 160, Left + 322, Top + 182}, 1);
    Theme.DrawItemBackground(Preview, {Left + 324, Top + 160, Left + 380, Top + 182}, 4);
}

} // namespace

std::unique_ptr<TKsBitmap> DrawThemePreview(TTeTheme& Theme) {
    auto Preview = std::make_unique<TKsBitmap>();
    Preview->SetSize(PreviewWidth, PreviewHeight);
    Preview->Fill(ThemeColor(Theme, 11));
    DrawWindow(Theme, *Preview, 8, 8, 200, 90, true, TKsBorderStyle::kbsStandard);
    DrawWindow(Theme, *Preview, 216, 8, 200, 90, false, TKsBorderStyle::kbsStandard);
    DrawWindow(Theme, *Preview, 424, 8, 96, 60, true, TKsBorderStyle::kbsToolWindow);
    DrawWindow(Theme, *Preview, 528, 8, 96, 60, false, TKsBorderStyle::kbsToolWindow);
    DrawCaptionButtons(Theme, *Preview, 424, 76);
    DrawControls(Theme, *Preview, 8, 106);
    DrawMenus(Theme, *Preview, 424, 184);
    DrawPanes(Theme, *Preview, 8, 300);
    GdiFlush();
    return Preview;
}
