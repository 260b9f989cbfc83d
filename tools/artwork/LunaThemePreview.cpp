#include "tools/artwork/LunaThemePreview.h"

#include "framework/graphics/GraphicsObjects.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/themes/TeThemeLuna.h"

namespace {

using TState = TTeDrawState;
using TKind = TTeCaptionButtonKind;

constexpr int PreviewWidth = 620, PreviewHeight = 330;
constexpr TKsColor Face = 0xFFEFEBDEu; // the theme's face colour

// A window of W x H at (X, Y): frame, caption text and caption buttons from the right.
void DrawWindow(TTeThemeLuna& Theme, TKsBitmap& Preview, int X, int Y, int W, int H, bool Active,
                TKsBorderStyle Style) {
    TKsBitmap Window;
    Window.SetSize(W, H);
    Window.Fill(Face);
    const bool Tool = Style == TKsBorderStyle::kbsToolWindow;
    const int Border = Theme.GetMetric(Tool ? 1 : 0), Caption = Theme.GetMetric(Tool ? 3 : 2);
    Theme.DrawFormFrame(Window, W, H, {Border, Caption, W - Border, H - Border}, Active, Style);
    Window.Font()->SetName("Tahoma");
    Window.Font()->SetStyle(TFontStyles{TFontStyle::fsBold});
    Window.Font()->SetColor(clWhite);
    Window.DrawText(Active ? "Active" : "Inactive", {8, 0, W, Caption},
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

void DrawControls(TTeThemeLuna& Theme, TKsBitmap& Preview, int Left, int Top) {
    const TState States[] = {TState::tdsNormal, TState::tdsHot, TState::tdsPressed,
                             TState::tdsDisabled, TState::tdsFocused};
    for (int I = 0; I < 5; ++I) {
        TKsBitmap Button;
        Button.SetSize(75, 23);
        Button.Fill(Face);
        Theme.DrawButton(Button, 75, 23, States[I]);
        Button.Draw(Preview, Left + I * 82, Top);
        const int X = Left + I * 82, Y = Top + 32;
        for (int Check = 0; Check < 3; ++Check)
            Theme.DrawCheckBox(Preview, {X + Check * 18, Y, X + Check * 18 + 16, Y + 16},
                               States[I % 4], static_cast<TTeCheckState>(Check));
        for (int Checked = 0; Checked < 2; ++Checked)
            Theme.DrawRadioButton(Preview,
                                  {X + Checked * 18, Y + 20, X + Checked * 18 + 16, Y + 36},
                                  States[I % 4], Checked == 1);
        Theme.DrawToolButton(Preview, {X + 40, Y + 20, X + 64, Y + 42}, States[I % 4], false,
                             I == 4);
        Theme.DrawComboButton(Preview, {X + 66, Y + 20, X + 81, Y + 40}, States[I % 4]);
        // A vertical and a horizontal scroll bar in this state.
        const RECT Track{X, Y + 48, X + 17, Y + 148};
        Theme.DrawScrollBarTrack(Preview, Track, true);
        Theme.DrawScrollBarArrow(Preview, {X, Y + 48, X + 17, Y + 65}, true, true, States[I % 4]);
        Theme.DrawScrollBarThumb(Preview, {X, Y + 80, X + 17, Y + 120}, true, States[I % 4]);
        Theme.DrawScrollBarArrow(Preview, {X, Y + 131, X + 17, Y + 148}, true, false,
                                 States[I % 4]);
        Theme.DrawScrollBarTrack(Preview, {X + 22, Y + 48, X + 80, Y + 65}, false);
        Theme.DrawScrollBarArrow(Preview, {X + 22, Y + 48, X + 39, Y + 65}, false, true,
                                 States[I % 4]);
        Theme.DrawScrollBarArrow(Preview, {X + 63, Y + 48, X + 80, Y + 65}, false, false,
                                 States[I % 4]);
        for (int Shape = 0; Shape < 3; ++Shape) {
            Theme.DrawTrackBarThumb(Preview,
                                    {X + 24 + Shape * 16, Y + 72, X + 35 + Shape * 16, Y + 95},
                                    false, Shape, States[I]);
            Theme.DrawTrackBarThumb(Preview,
                                    {X + 24, Y + 100 + Shape * 14, X + 46, Y + 111 + Shape * 14},
                                    true, Shape, States[I]);
        }
    }
}

void DrawTabs(TTeThemeLuna& Theme, TKsBitmap& Preview, int Left, int Top) {
    Theme.DrawTabPane(Preview, {Left, Top + 20, Left + 180, Top + 80});
    const int States[] = {0, 1, 4};
    int X = Left + 2;
    for (const int State : States) {
        const int Grow = State == 4 ? 2 : 0;
        Theme.DrawTabItem(Preview, {X - Grow, Top + 2 - Grow, X + 50 + Grow, Top + 22}, 0, State);
        X += 52;
    }
}

} // namespace

std::unique_ptr<TKsBitmap> DrawLunaThemePreview() {
    TTeThemeLuna Theme;
    auto Preview = std::make_unique<TKsBitmap>();
    Preview->SetSize(PreviewWidth, PreviewHeight);
    Preview->Fill(Face);
    DrawWindow(Theme, *Preview, 8, 8, 200, 90, true, TKsBorderStyle::kbsStandard);
    DrawWindow(Theme, *Preview, 216, 8, 200, 90, false, TKsBorderStyle::kbsStandard);
    DrawWindow(Theme, *Preview, 424, 8, 90, 60, true, TKsBorderStyle::kbsToolWindow);
    DrawWindow(Theme, *Preview, 522, 8, 90, 60, false, TKsBorderStyle::kbsToolWindow);
    DrawControls(Theme, *Preview, 8, 106);
    DrawTabs(Theme, *Preview, 424, 76);
    return Preview;
}
