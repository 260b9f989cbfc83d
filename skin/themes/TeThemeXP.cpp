#include "skin/themes/TeThemeXP.h"

#include "framework/windows/PaintScopes.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItems.h"
#include "skin/themes/TeThemeLuna.h"
#include "skin/themes/TeThemeMenuItems.h"
#include "skin/themes/TeThemeParts.h"
#include "skin/themes/TeThemeXPImpl.h"

#include <algorithm>
#include <array>

#include <vssym32.h>

const TTeThemeClassOf<TTeThemeXP> TTeThemeXP::Class{"TTeThemeXP", TTeTheme::Class};

namespace {

constexpr const wchar_t* WindowClass = L"Window";
constexpr const wchar_t* MenuClass = L"Menu";
constexpr const wchar_t* ButtonClass = L"Button";
constexpr const wchar_t* ScrollBarClass = L"ScrollBar";

// Read as system colour 0 (the scroll-bar colour) by the framework's colour rule.
constexpr TColor FallbackColor = static_cast<TColor>(0xFFFF0000u);

constexpr TColor Rgb(int R, int G, int B) {
    return static_cast<TColor>(R | G << 8 | B << 16);
}

// The lighter and darker edges of the control-bar band around its grip.
constexpr int GripperBevelAmount = 50;

// A state number the style has no picture for: nothing is drawn.
constexpr int NoState = 0;
// The states of the style's menu parts: at rest, and under the mouse or open.
constexpr int MenuNormal = 1;
constexpr int MenuSelected = 2;

// Draws one part of a style class over Rect; false when the class does not open or the host
// fails to draw.
bool DrawPart(TKsBitmap& Bitmap, const wchar_t* ClassName, int Part, int State, const RECT& Rect) {
    if (State == NoState)
        return false;
    const TTeVisualStyleClass Style(ClassName);
    return Style.DrawBackground(Bitmap.DC(), Part, State, Rect);
}

// Draws a part around Hole, whose pixels stay as they were.
void DrawPartAround(TKsBitmap& Bitmap, const wchar_t* ClassName, int Part, int State,
                    const RECT& Rect, const RECT& Hole) {
    const TSavedDCState Clipping(Bitmap.DC());
    ExcludeClipRect(Bitmap.DC(), Hole.left, Hole.top, Hole.right, Hole.bottom);
    DrawPart(Bitmap, ClassName, Part, State, Rect);
}

// The window part of a caption button; none for kinds the style has no button for.
int CaptionButtonPart(TTeCaptionButtonKind Kind, TKsBorderStyle BorderStyle) {
    switch (Kind) {
    case TTeCaptionButtonKind::cbkClose:
        return BorderStyle == TKsBorderStyle::kbsToolWindow ? WP_SMALLCLOSEBUTTON : WP_CLOSEBUTTON;
    case TTeCaptionButtonKind::cbkHelp:
        return WP_HELPBUTTON;
    case TTeCaptionButtonKind::cbkMinimize:
        return WP_MINBUTTON;
    case TTeCaptionButtonKind::cbkMaximize:
        return WP_MAXBUTTON;
    case TTeCaptionButtonKind::cbkRestore:
        return WP_RESTOREBUTTON;
    default:
        return 0;
    }
}

// States 0..3 as the style numbers them for most controls: normal, hot, pressed, disabled.
int ControlState(TTeDrawState State) {
    switch (State) {
    case TTeDrawState::tdsHot:
        return 2;
    case TTeDrawState::tdsPressed:
        return 3;
    case TTeDrawState::tdsDisabled:
        return 4;
    default:
        return 1;
    }
}

bool IsBasicState(TTeDrawState State) {
    return State <= TTeDrawState::tdsDisabled;
}

int ToolButtonState(TTeDrawState State, bool Flat, bool Checked) {
    if (Flat) {
        switch (State) {
        case TTeDrawState::tdsDisabled:
            return TS_DISABLED;
        case TTeDrawState::tdsPressed:
            return TS_PRESSED;
        case TTeDrawState::tdsHot:
            return Checked ? TS_HOTCHECKED : TS_HOT;
        case TTeDrawState::tdsNormal:
            // A flat button at rest shows nothing but the bar behind it.
            return Checked ? TS_CHECKED : NoState;
        default:
            return NoState;
        }
    }
    switch (State) {
    case TTeDrawState::tdsNormal:
        return Checked ? TS_CHECKED : TS_HOT;
    case TTeDrawState::tdsPressed:
        return Checked ? TS_CHECKED : TS_PRESSED;
    default:
        return TS_DISABLED;
    }
}

RECT WholeBitmap(int Width, int Height) {
    return RECT{0, 0, Width, Height};
}

} // namespace

bool TTeThemeXP::IsAvailable() {
    return VisualStylesActive();
}

// ---- Sizes, colours and fonts ----

int TTeThemeXP::PartMetric(uint8_t Index, const wchar_t* ClassName, int Part, bool Height,
                           int Less) {
    const TTeVisualStyleClass Style(ClassName);
    SIZE Size{};
    const int Read = Style.PartSize(Part, 1, Size) ? (Height ? Size.cy : Size.cx) : 0;
    // A style without the part, or one that gives it no size, would leave a form without
    // borders or caption: the Luna theme's size stands in.
    if (Read <= 0)
        return TTeThemeLuna::Metric(Index);
    return std::max(0, Read - Less);
}

int TTeThemeXP::GetMetric(uint8_t Index) {
    switch (Index) {
    case 0:
        return PartMetric(Index, WindowClass, WP_FRAMELEFT, false, 1);
    case 1:
        return PartMetric(Index, WindowClass, WP_SMALLFRAMELEFT, false, 1);
    case 2:
        return PartMetric(Index, WindowClass, WP_CAPTION, true);
    case 3:
        return PartMetric(Index, WindowClass, WP_SMALLCAPTION, true);
    case 5:
    case 6:
        return PartMetric(Index, WindowClass, WP_CLOSEBUTTON, Index == 6);
    case 7:
    case 8:
        return PartMetric(Index, WindowClass, WP_SMALLCLOSEBUTTON, Index == 8, 1);
    case 9:
    case 10:
        return PartMetric(Index, WindowClass, WP_FRAMELEFT, false);
    case 12:
    case 13:
        return PartMetric(Index, WindowClass, WP_SMALLFRAMELEFT, false);
    case 23:
        return PartMetric(Index, L"ExplorerBar", EBP_NORMALGROUPHEAD, true);
    case 28:
        return PartMetric(Index, L"ComboBox", CP_DROPDOWNBUTTON, false);
    case 4:
        return 10;
    case 11:
    case 26:
        return 2;
    case 14:
    case 21:
        return 22;
    case 15:
    case 24:
    case 25:
        return 17;
    case 16:
    case 17:
    case 18:
    case 19:
        return 16;
    case 20:
    case 29:
        return 11;
    case 22:
        return 4;
    case 27:
        return 21;
    default:
        return 0;
    }
}

TColor TTeThemeXP::GetColor(int Index) {
    TColor Base = FallbackColor;
    switch (Index) {
    case 2:
        Base = Rgb(0, 0, 0);
        break;
    case 3:
        Base = clCaptionText;
        break;
    case 5:
        Base = clInactiveCaptionText;
        break;
    case 6:
        Base = clWindow;
        break;
    case 7:
        Base = clWindowFrame;
        break;
    case 8:
    case 13:
    case 15:
    case 17:
        Base = clHighlight;
        break;
    case 9:
    case 10:
    case 22:
        Base = clBtnShadow;
        break;
    case 11:
        Base = clBtnFace;
        break;
    case 14:
    case 16:
        Base = clMenu;
        break;
    case 18:
    case 20:
    case 23:
        Base = clMenuText;
        break;
    case 19:
    case 21:
        Base = clHighlightText;
        break;
    case 24:
        Base = Rgb(149, 206, 255);
        break;
    case 25:
        Base = Rgb(49, 106, 197);
        break;
    default:
        break;
    }
    // Resolved at every call, so the theme follows a change of the system's colours.
    return ColorToRGB(Base);
}

TKsColor TTeThemeXP::Pixel(int ColorIndex) {
    return ColorToKsColor(GetColor(ColorIndex), 255);
}

int TTeThemeXP::GetFontSize(uint8_t Index) {
    return TTeThemeLuna::FontSize(Index);
}

TFontStyles TTeThemeXP::GetFontStyle(uint8_t Index) {
    return TTeThemeLuna::FontStyle(Index);
}

// ---- Forms ----

void TTeThemeXP::DrawCaptionButton(TKsBitmap& Bitmap, const RECT& Rect, TTeCaptionButtonKind Kind,
                                   bool Hot, bool Pressed, bool Active,
                                   TKsBorderStyle BorderStyle) {
    if (Kind > TTeCaptionButtonKind::cbkTray)
        return;
    const int State =
        !Active ? CBS_DISABLED : (Pressed ? CBS_PUSHED : (Hot ? CBS_HOT : CBS_NORMAL));
    DrawPart(Bitmap, WindowClass, CaptionButtonPart(Kind, BorderStyle), State, Rect);
}

void TTeThemeXP::DrawFormFrame(TKsBitmap& Bitmap, int Width, int Height, const RECT& ClientRect,
                               bool Active, TKsBorderStyle) {
    const TTeVisualStyleClass Style(WindowClass);
    const int State = Active ? FS_ACTIVE : FS_INACTIVE;
    const RECT& C = ClientRect;
    // No part reaches outside the window, whatever client rectangle it is given.
    const TSavedDCState Clipping(Bitmap.DC());
    IntersectClipRect(Bitmap.DC(), 0, 0, std::max(Width, 0), std::max(Height, 0));
    Style.DrawBackground(Bitmap.DC(), WP_CAPTION, State, RECT{0, 0, Width, C.top});
    Style.DrawBackground(Bitmap.DC(), WP_FRAMELEFT, State, RECT{0, C.top, C.left, C.bottom});
    Style.DrawBackground(Bitmap.DC(), WP_FRAMERIGHT, State, RECT{C.right, C.top, Width, C.bottom});
    Style.DrawBackground(Bitmap.DC(), WP_FRAMEBOTTOM, State, RECT{0, C.bottom, Width, Height});
}

TGdiObject<HRGN> TTeThemeXP::GetFormRegion(int Width, int Height, TKsBorderStyle) {
    const TTeVisualStyleClass Style(WindowClass);
    return Style.BackgroundRegion(WP_CAPTION, 0, WholeBitmap(Width, Height));
}

// ---- Menus ----

void TTeThemeXP::MeasureMenuBarItem(TKsBitmap& Bitmap, TKsCustomItem& Item, int& Width,
                                    int& Height) {
    TeMeasureMenuBarItem(*this, Bitmap, Item, Width, Height);
}

void TTeThemeXP::MeasurePopupItem(TKsBitmap& Bitmap, TKsCustomItem& Item, int& Width, int& Height) {
    TeMeasurePopupItem(*this, Bitmap, Item, Width, Height);
}

void TTeThemeXP::DrawMenuBarBackground(TKsBitmap& Bitmap, int Width, int Height) {
    const RECT Bar = WholeBitmap(Width, Height);
    if (!DrawPart(Bitmap, MenuClass, MENU_MENUITEM_TMSCHEMA, MenuNormal, Bar))
        Bitmap.FillRect(Bar, Pixel(14));
}

// Only the item under the mouse or open is lit: the others of the bar are not tracked but
// at rest.
void TTeThemeXP::DrawMenuBarItem(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                                 bool Selected, bool NotTracking) {
    if (!DrawPart(Bitmap, MenuClass, MENU_MENUBARITEM_TMSCHEMA,
                  Selected ? MenuSelected : MenuNormal, Rect)) {
        TeDrawSolidMenuBarItem(*this, Bitmap, Item, Rect, Selected, NotTracking, false);
        return;
    }
    const bool Lit = Selected && !Item.InControlBar();
    TeDrawMenuBarCaption(*this, Bitmap, Item, InflateRectBy(Rect, -1), Lit ? 19 : 18);
}

void TTeThemeXP::DrawMDIButton(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                               bool Selected, bool NotTracking) {
    int Part = 0;
    switch (Item.ButtonKind()) {
    case TKsItemButtonKind::kibClose:
        Part = WP_MDICLOSEBUTTON;
        break;
    case TKsItemButtonKind::kibRestore:
        Part = WP_MDIRESTOREBUTTON;
        break;
    case TKsItemButtonKind::kibMinimize:
        Part = WP_MDIMINBUTTON;
        break;
    case TKsItemButtonKind::kibSysMenu:
        // The item draws the child's icon over this.
        Bitmap.FillRect(Rect, Pixel(Selected ? 15 : 14));
        return;
    default:
        return;
    }
    // Hot under the mouse, pushed while its menu is open, as the other themes show them.
    const int State = !Selected ? CBS_NORMAL : (NotTracking ? CBS_HOT : CBS_PUSHED);
    DrawPart(Bitmap, WindowClass, Part, State, InflateRectBy(Rect, -1));
}

void TTeThemeXP::DrawPopupBackground(TKsBitmap& Bitmap, int Width, int Height) {
    if (!DrawPart(Bitmap, MenuClass, MENU_MENUITEM_TMSCHEMA, MenuNormal,
                  WholeBitmap(Width, Height)))
        TeDrawPopupFrames(*this, Bitmap, Width, Height);
}

void TTeThemeXP::DrawPopupItem(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                               bool Selected, bool) {
    if (!DrawPart(Bitmap, MenuClass, MENU_MENUITEM_TMSCHEMA, Selected ? MenuSelected : MenuNormal,
                  Rect)) {
        TeDrawSolidPopupItem(*this, Bitmap, Item, Rect, Selected);
        return;
    }
    if (Item.IsSeparator())
        TeDrawSeparatorLine(Bitmap, Rect);
    else
        TeDrawPopupItemContent(*this, Bitmap, Item, Rect, Selected, TTeSubMenuMark::tsmArrow);
}

// ---- Controls ----

void TTeThemeXP::DrawButton(TKsBitmap& Bitmap, int Width, int Height, TTeDrawState State) {
    const int Look = State <= TTeDrawState::tdsDisabled  ? ControlState(State)
                     : State <= TTeDrawState::tdsDefault ? PBS_DEFAULTED
                                                         : NoState;
    DrawPart(Bitmap, ButtonClass, BP_PUSHBUTTON, Look, WholeBitmap(Width, Height));
}

void TTeThemeXP::DrawCheckBox(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                              TTeCheckState Check) {
    if (!IsBasicState(State) || Check > TTeCheckState::tcsGrayed)
        return;
    const int Look = 1 + 4 * static_cast<int>(Check) + static_cast<int>(State);
    DrawPart(Bitmap, ButtonClass, BP_CHECKBOX, Look, Rect);
}

void TTeThemeXP::DrawRadioButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                                 bool Checked) {
    if (!IsBasicState(State))
        return;
    const int Look = 1 + 4 * (Checked ? 1 : 0) + static_cast<int>(State);
    DrawPart(Bitmap, ButtonClass, BP_RADIOBUTTON, Look, Rect);
}

void TTeThemeXP::DrawTrackBarThumb(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical, int Shape,
                                   TTeDrawState State) {
    // Per shape: plain, pointing down (right), pointing up (left).
    constexpr std::array<int, 3> Horizontal{TKP_THUMB, TKP_THUMBBOTTOM, TKP_THUMBTOP};
    constexpr std::array<int, 3> Upright{TKP_THUMBVERT, TKP_THUMBRIGHT, TKP_THUMBLEFT};
    if (Shape < 0 || Shape > 2)
        return;
    const int Look = State <= TTeDrawState::tdsPressed ? ControlState(State) : TUS_DISABLED;
    DrawPart(Bitmap, L"TrackBar", (Vertical ? Upright : Horizontal)[Shape], Look, Rect);
}

void TTeThemeXP::DrawTrackBarTrack(TKsBitmap& Bitmap, const RECT& Rect, const RECT&) {
    const bool Wide = RectWidth(Rect) > RectHeight(Rect);
    DrawPart(Bitmap, L"TrackBar", Wide ? TKP_TRACK : TKP_TRACKVERT, TRS_NORMAL, Rect);
}

void TTeThemeXP::DrawProgressBarFrame(TKsBitmap& Bitmap, const RECT& Rect) {
    const bool Wide = RectWidth(Rect) > RectHeight(Rect);
    DrawPart(Bitmap, L"Progress", Wide ? PP_BAR : PP_BARVERT, PBBS_NORMAL, Rect);
}

void TTeThemeXP::DrawProgressBarChunks(TKsBitmap& Bitmap, const RECT& BarRect,
                                       const RECT& FilledRect, bool, bool) {
    const bool Wide = RectWidth(BarRect) > RectHeight(BarRect);
    DrawPart(Bitmap, L"Progress", Wide ? PP_CHUNK : PP_CHUNKVERT, PBFS_NORMAL, FilledRect);
}

void TTeThemeXP::DrawTaskGroupBackground(TKsBitmap& Bitmap, const RECT& Rect, bool HeaderShown) {
    RECT Body = Rect;
    if (HeaderShown)
        Body.top += GetMetric(23);
    // A group no taller than its header has no body to draw.
    if (IsRectEmpty(Body))
        return;
    const TTeVisualStyleClass Style(L"ExplorerBar");
    Style.DrawBackground(Bitmap.DC(), EBP_NORMALGROUPBACKGROUND, 0, Body);
}

void TTeThemeXP::DrawTaskGroupHeader(TKsBitmap& Bitmap, const RECT& Rect, const std::string&) {
    const TTeVisualStyleClass Style(L"ExplorerBar");
    Style.DrawBackground(Bitmap.DC(), EBP_NORMALGROUPHEAD, 0, Rect);
}

void TTeThemeXP::DrawTaskGroupButton(TKsBitmap& Bitmap, const RECT& Rect, int Kind,
                                     TTeDrawState State, bool Expand) {
    if (State > TTeDrawState::tdsPressed)
        return;
    const int Part = Kind == 1 ? EBP_HEADERCLOSE
                     : Expand  ? EBP_NORMALGROUPEXPAND
                               : EBP_NORMALGROUPCOLLAPSE;
    DrawPart(Bitmap, L"ExplorerBar", Part, ControlState(State), Rect);
}

void TTeThemeXP::DrawGroupBox(TKsBitmap& Bitmap, const RECT& Rect, const RECT& CaptionRect,
                              const std::string& Caption) {
    DrawPartAround(Bitmap, ButtonClass, BP_GROUPBOX, GBS_NORMAL, Rect, CaptionRect);
    if (Caption.empty())
        return;
    Bitmap.Font()->SetColor(clHighlight);
    Bitmap.DrawText(Caption, CaptionRect, DrawTextFlags(TeTextCenter));
}

void TTeThemeXP::DrawScrollBarTrack(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical) {
    DrawPart(Bitmap, ScrollBarClass, Vertical ? SBP_LOWERTRACKVERT : SBP_LOWERTRACKHORZ,
             SCRBS_NORMAL, Rect);
}

void TTeThemeXP::DrawScrollBarArrow(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical, bool First,
                                    TTeDrawState State) {
    if (!IsBasicState(State))
        return;
    const int Group = Vertical ? (First ? ABS_UPNORMAL : ABS_DOWNNORMAL)
                               : (First ? ABS_LEFTNORMAL : ABS_RIGHTNORMAL);
    DrawPart(Bitmap, ScrollBarClass, SBP_ARROWBTN, Group + static_cast<int>(State), Rect);
}

void TTeThemeXP::DrawScrollBarThumb(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical,
                                    TTeDrawState State) {
    if (!IsBasicState(State))
        return;
    const TTeVisualStyleClass Style(ScrollBarClass);
    const int Look = ControlState(State);
    Style.DrawBackground(Bitmap.DC(), Vertical ? SBP_THUMBBTNVERT : SBP_THUMBBTNHORZ, Look, Rect);
    Style.DrawBackground(Bitmap.DC(), Vertical ? SBP_GRIPPERVERT : SBP_GRIPPERHORZ, Look, Rect);
}

void TTeThemeXP::DrawTabPane(TKsBitmap& Bitmap, const RECT& Rect) {
    DrawPart(Bitmap, L"Tab", TABP_PANE, 1, Rect);
}

void TTeThemeXP::DrawTabItem(TKsBitmap& Bitmap, const RECT& Rect, int, int State) {
    // Normal, hot, focused, disabled, selected as the style numbers them.
    constexpr std::array<int, 5> Looks{TIS_NORMAL, TIS_HOT, TIS_FOCUSED, TIS_DISABLED,
                                       TIS_SELECTED};
    if (State < 0 || State >= static_cast<int>(Looks.size()))
        return;
    DrawPart(Bitmap, L"Tab", TABP_TABITEM, Looks[State], Rect);
}

void TTeThemeXP::DrawSpinButton(TKsBitmap& Bitmap, const RECT& Rect, bool First,
                                TTeDrawState State) {
    DrawScrollBarArrow(Bitmap, Rect, false, First, State);
}

void TTeThemeXP::DrawEditFrame(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) {
    int Look = ETS_NORMAL;
    switch (State) {
    case TTeDrawState::tdsHot:
        Look = ETS_HOT;
        break;
    case TTeDrawState::tdsDisabled:
        Look = ETS_DISABLED;
        break;
    case TTeDrawState::tdsFocused:
    case TTeDrawState::tdsDefault:
        Look = ETS_SELECTED;
        break;
    default:
        break;
    }
    // Only the frame: the edit paints its own inside.
    DrawPartAround(Bitmap, L"Edit", EP_EDITTEXT, Look, Rect, InflateRectBy(Rect, -2));
}

void TTeThemeXP::DrawComboButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) {
    DrawPart(Bitmap, L"ComboBox", CP_DROPDOWNBUTTON, ControlState(State), Rect);
}

void TTeThemeXP::DrawToolButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State, bool Flat,
                                bool Checked) {
    DrawPart(Bitmap, L"Toolbar", TP_BUTTON, ToolButtonState(State, Flat, Checked), Rect);
}

void TTeThemeXP::DrawToolDropDownButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                                        bool Flat, bool Checked) {
    DrawPart(Bitmap, L"Toolbar", TP_SPLITBUTTONDROPDOWN, ToolButtonState(State, Flat, Checked),
             Rect);
}

void TTeThemeXP::DrawToolBarBackground(TKsBitmap& Bitmap, const RECT& Rect) {
    Bitmap.FillRect(Rect, Pixel(11));
}

void TTeThemeXP::DrawControlBarBackground(TKsBitmap& Bitmap, const RECT& Rect) {
    Bitmap.FillRect(Rect, Pixel(11));
}

void TTeThemeXP::DrawControlBarGripper(TKsBitmap& Bitmap, const RECT& Rect, const RECT& GripRect) {
    const TKsColor Face = Pixel(11);
    Bitmap.FillRect(Rect, Face);
    TeBevel(Bitmap, Rect, Face, false, GripperBevelAmount);
    const RECT Grip{GripRect.left + 1, GripRect.top, GripRect.right - 1, GripRect.bottom};
    if (!IsRectEmpty(Grip))
        DrawPart(Bitmap, L"ReBar", RP_GRIPPERVERT, 1, Grip);
}

void TTeThemeXP::DrawSmallButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) {
    DrawPart(Bitmap, ScrollBarClass, SBP_ARROWBTN, ControlState(State), Rect);
}

void TTeThemeXP::DrawItemBackground(TKsBitmap& Bitmap, const RECT& Rect, int Flags) {
    if (Flags & 4) {
        const RECT Cell = InflateRectBy(Rect, 1);
        Bitmap.FillRect(Cell, Pixel(11));
        Bitmap.FrameRect(Cell, Pixel(8));
        return;
    }
    Bitmap.FillRect(Rect, Pixel((Flags & 2) ? 12 : ((Flags & 1) ? 8 : 6)));
}
