#include "skin/themes/TeThemeFlat.h"

#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItems.h"
#include "skin/themes/TeThemeMenuItems.h"
#include "skin/themes/TeThemeParts.h"

#include <algorithm>
#include <array>
#include <vector>

const TTeThemeClassOf<TTeThemeFlat> TTeThemeFlat::Class{"TTeThemeFlat", TTeTheme::Class};

namespace {

constexpr TColor Rgb(int R, int G, int B) {
    return static_cast<TColor>(R | G << 8 | B << 16);
}

// Read as system colour 0 (the scroll-bar colour) by the framework's colour rule.
constexpr TColor FallbackColor = static_cast<TColor>(0xFFFF0000u);

constexpr std::array<int, 30> Metrics{3,  3,  23, 18, 10, 20, 20, 15, 15, 3,  3,  2, 3,  3,  22,
                                      17, 13, 13, 13, 13, 9,  18, 4,  18, 17, 17, 1, 18, 15, 11};

// Bevels lighten and darken a face by this much.
constexpr int BevelAmount = 30;
constexpr int ButtonCorner = 3;
constexpr int RadioCorner = 6;
constexpr int RadioDotCorner = 2;

// A caption symbol sits this far inside its button.
constexpr int CaptionGlyphInsetX = 2;
constexpr int CaptionGlyphInsetY = 3;

bool IsValid(TTeDrawState State) {
    return static_cast<int>(State) <= static_cast<int>(TTeDrawState::tdsDefault);
}

// The host's caption symbols in the order of the caption-button kinds they stand for.
constexpr std::array<UINT, 5> CaptionSymbols{DFCS_CAPTIONCLOSE, DFCS_CAPTIONHELP, DFCS_CAPTIONMIN,
                                             DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE};

// Kinds that have no caption symbol of the host: a push button with a shape of its own
// (roll-up and roll-down triangles, the tray's dot) in black.
std::unique_ptr<TKsBitmap> RenderShapeButton(int Width, int Height, TTeCaptionButtonKind Kind,
                                             bool Pressed) {
    auto Glyph = TeRenderFrameControl(Width, Height, DFC_BUTTON, DFCS_BUTTONPUSH);
    if (!Glyph)
        return Glyph;
    const RECT Area{0, 0, Width, Height};
    if (Kind == TTeCaptionButtonKind::cbkTray) {
        RECT Dot = InflateRectBy(Area, -5);
        const int Down = Pressed ? 3 : 2;
        const int Right = Pressed ? 1 : 0;
        OffsetRect(&Dot, Right, Down);
        if (!IsRectEmpty(Dot))
            Glyph->FillRoundRect(Dot, std::max(RectWidth(Dot), RectHeight(Dot)), KsBlack);
        return Glyph;
    }
    RECT Box{Area.left + 4, Area.top + 5, Area.right - 4, Area.bottom - 5};
    if (!Pressed)
        OffsetRect(&Box, -1, -1);
    if (IsRectEmpty(Box))
        return Glyph;
    const int Middle = (Box.left + Box.right) / 2;
    if (Kind == TTeCaptionButtonKind::cbkRollup)
        Glyph->FillPolygon(
            {POINT{Box.left, Box.bottom}, POINT{Box.right, Box.bottom}, POINT{Middle, Box.top}},
            KsBlack);
    else
        Glyph->FillPolygon(
            {POINT{Box.left, Box.top}, POINT{Box.right, Box.top}, POINT{Middle, Box.bottom}},
            KsBlack);
    return Glyph;
}

} // namespace

// ---- Colours, sizes and fonts ----

TColor TTeThemeFlat::BaseColor(int Index) {
    switch (Index) {
    case 0:
    case 15:
    case 17:
        return Rgb(247, 222, 156);
    case 1:
    case 11:
    case 14:
    case 16:
        return clBtnFace;
    case 2:
    case 3:
    case 5:
    case 18:
    case 19:
    case 20:
    case 21:
    case 23:
        return Rgb(0, 0, 0);
    case 6:
        return Rgb(255, 255, 255);
    case 7:
    case 13:
        return Rgb(160, 150, 131);
    case 8:
        return Rgb(51, 102, 153);
    case 9:
        return Rgb(254, 254, 251);
    case 10:
        return Rgb(197, 197, 177);
    case 12:
        return Rgb(235, 234, 225);
    case 22:
        return Rgb(128, 128, 128);
    case 24:
        return Rgb(149, 206, 255);
    case 25:
        return Rgb(49, 106, 197);
    default:
        return FallbackColor;
    }
}

int TTeThemeFlat::GetMetric(uint8_t Index) {
    return Index < Metrics.size() ? Metrics[Index] : 0;
}

TColor TTeThemeFlat::GetColor(int Index) {
    return ShiftedColor(BaseColor(Index));
}

TKsColor TTeThemeFlat::Pixel(int ColorIndex) {
    return ColorToKsColor(GetColor(ColorIndex), 255);
}

std::string TTeThemeFlat::GetFontName(uint8_t) {
    return "Tahoma";
}

int TTeThemeFlat::GetFontSize(uint8_t Index) {
    return Index == 0 ? 9 : 8;
}

TFontStyles TTeThemeFlat::GetFontStyle(uint8_t) {
    return {};
}

bool TTeThemeFlat::CaptionTextShadow() {
    return false;
}

TKsColor TTeThemeFlat::FaceColor(TTeDrawState State) {
    switch (State) {
    case TTeDrawState::tdsHot:
        return Pixel(12);
    case TTeDrawState::tdsPressed:
    case TTeDrawState::tdsFocused:
        return Pixel(8);
    case TTeDrawState::tdsDisabled:
        return Pixel(9);
    default:
        return Pixel(11);
    }
}

// ---- Shared steps ----

void TTeThemeFlat::DrawOutline(TKsBitmap& Bitmap, const RECT& Rect, TKsColor Color) {
    Bitmap.FrameRect(Rect, Color);
}

void TTeThemeFlat::DrawFaceBevel(TKsBitmap& Bitmap, const RECT& Rect, TKsColor Face,
                                 TTeDrawState State) {
    if (State == TTeDrawState::tdsPressed)
        TeBevel(Bitmap, Rect, Face, true, BevelAmount);
    else if (State == TTeDrawState::tdsHot)
        TeBevel(Bitmap, Rect, Face, false, BevelAmount);
}

void TTeThemeFlat::DrawSelection(TKsBitmap& Bitmap, const RECT& Rect, int FillIndex, bool) {
    Bitmap.FillRect(Rect, Pixel(FillIndex));
    Bitmap.FrameRect(Rect, Pixel(13));
}

TKsColor TTeThemeFlat::ArrowInk() {
    return KsBlack;
}

TKsColor TTeThemeFlat::CaptionFace(bool Hot, bool Pressed) {
    return Pixel(Pressed ? 8 : (Hot ? 12 : 11));
}

void TTeThemeFlat::DrawCaptionGlyph(TKsBitmap& Bitmap, const RECT& Rect, TTeCaptionButtonKind Kind,
                                    bool Pressed, TKsColor Face) {
    Bitmap.FillRect(Rect, Face);
    const RECT Area{Rect.left + CaptionGlyphInsetX, Rect.top + CaptionGlyphInsetY,
                    Rect.right - CaptionGlyphInsetX, Rect.bottom - CaptionGlyphInsetY};
    const auto KindIndex = static_cast<size_t>(Kind);
    if (KindIndex < CaptionSymbols.size()) {
        const auto Symbol =
            TeRenderFrameControl(RectWidth(Area), RectHeight(Area), DFC_CAPTION,
                                 CaptionSymbols[KindIndex] | (Pressed ? DFCS_PUSHED : 0));
        if (Symbol)
            TeDrawSymbolInk(Bitmap, *Symbol, Area.left, Area.top, KsBlack);
        return;
    }
    if (Kind > TTeCaptionButtonKind::cbkTray)
        return;
    const auto Shape = RenderShapeButton(RectWidth(Area), RectHeight(Area), Kind, Pressed);
    if (Shape)
        TeDrawGlyphInk(Bitmap, *Shape, Area.left, Area.top, KsBlack);
}

void TTeThemeFlat::DrawDisabledButton(TKsBitmap& Bitmap, int Width, int Height) {
    const RECT Face{0, 0, Width, Height};
    if (IsRectEmpty(Face))
        return;
    // The disabled fill, so that the face shows as a button and not as the window behind it.
    Bitmap.FillRoundRect(Face, ButtonCorner, ButtonFill(TTeDrawState::tdsDisabled));
    Bitmap.RoundFrame(Face, ButtonCorner, Pixel(9));
}

TKsColor TTeThemeFlat::ButtonFill(TTeDrawState State) {
    switch (State) {
    case TTeDrawState::tdsHot:
        return Pixel(12);
    case TTeDrawState::tdsPressed:
    case TTeDrawState::tdsFocused:
    case TTeDrawState::tdsDefault:
        return Pixel(8);
    case TTeDrawState::tdsDisabled:
        return Pixel(6);
    default:
        return Pixel(11);
    }
}

void TTeThemeFlat::DrawScrollGlyph(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical, bool First,
                                   TTeDrawState State, TKsColor Ink) {
    const UINT Direction = Vertical ? (First ? DFCS_SCROLLUP : DFCS_SCROLLDOWN)
                                    : (First ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT);
    const UINT Look = State == TTeDrawState::tdsPressed ? DFCS_PUSHED | DFCS_FLAT : 0;
    const auto Glyph =
        TeRenderFrameControl(RectWidth(Rect), RectHeight(Rect), DFC_SCROLL, Direction | Look);
    if (Glyph)
        TeDrawRecoloredGlyph(Bitmap, *Glyph, Rect.left, Rect.top, Ink, FaceColor(State));
}

void TTeThemeFlat::DrawMDIGlyph(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                                bool Selected, bool NotTracking) {
    UINT Symbol = DFCS_CAPTIONCLOSE;
    switch (Item.ButtonKind()) {
    case TKsItemButtonKind::kibRestore:
        Symbol = DFCS_CAPTIONRESTORE;
        break;
    case TKsItemButtonKind::kibMinimize:
        Symbol = DFCS_CAPTIONMIN;
        break;
    default:
        break;
    }
    const UINT Look = !Selected ? DFCS_FLAT : (!NotTracking ? DFCS_PUSHED : 0);
    if (IsRectEmpty(Rect))
        return;
    RECT Area = Rect;
    DrawFrameControl(Bitmap.DC(), &Area, DFC_CAPTION, Symbol | Look);
    GdiFlush();
}

// ---- Forms ----

void TTeThemeFlat::DrawCaptionButton(TKsBitmap& Bitmap, const RECT& Rect, TTeCaptionButtonKind Kind,
                                     bool Hot, bool Pressed, bool, TKsBorderStyle) {
    const TKsColor Face = CaptionFace(Hot, Pressed);
    DrawCaptionGlyph(Bitmap, Rect, Kind, Pressed, Face);
    Bitmap.FrameRect(Rect, Pixel(7));
    const RECT Inner = InflateRectBy(Rect, -1);
    if (Pressed || Hot)
        TeBevel(Bitmap, Inner, Face, Pressed, BevelAmount);
    else
        Bitmap.FrameRect(Inner, Face);
    Bitmap.FrameRect(InflateRectBy(Rect, -2), Face);
    Bitmap.FrameRect(InflateRectBy(Rect, -3), Face);
}

void TTeThemeFlat::DrawFormFrame(TKsBitmap& Bitmap, int Width, int Height, const RECT& ClientRect,
                                 bool Active, TKsBorderStyle) {
    const RECT Band{ClientRect.left, ClientRect.left, ClientRect.right, ClientRect.top};
    Bitmap.FillRect(Band, Pixel(Active ? 0 : 1));
    Bitmap.FrameRect(Band, Pixel(7));
    const RECT Outer{0, 0, Width, Height};
    Bitmap.FrameRect(Outer, Pixel(7));
    Bitmap.FrameRect(InflateRectBy(Outer, -1), Pixel(11));
    Bitmap.FrameRect(InflateRectBy(Outer, -2), Pixel(11));
}

// ---- Menus ----

void TTeThemeFlat::MeasureMenuBarItem(TKsBitmap& Bitmap, TKsCustomItem& Item, int& Width,
                                      int& Height) {
    TeMeasureMenuBarItem(*this, Bitmap, Item, Width, Height);
}

void TTeThemeFlat::MeasurePopupItem(TKsBitmap& Bitmap, TKsCustomItem& Item, int& Width,
                                    int& Height) {
    TeMeasurePopupItem(*this, Bitmap, Item, Width, Height);
}

void TTeThemeFlat::DrawMenuBarBackground(TKsBitmap& Bitmap, int Width, int Height) {
    const RECT Bar{0, 0, Width, Height};
    Bitmap.FillRect(Bar, Pixel(14));
    Bitmap.FrameRect(Bar, Pixel(13));
}

void TTeThemeFlat::DrawMenuBarItem(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                                   bool Selected, bool NotTracking) {
    if (IsRectEmpty(Rect))
        return;
    const bool OnBar = Item.InControlBar();
    Bitmap.FillRect(InflateRectBy(Rect, -1), Pixel(OnBar ? 11 : 14));
    const RECT Face = InflateRectBy(Rect, -2);
    int TextColor = 18;
    if (OnBar) {
        const TTeDrawState Look = !Selected     ? TTeDrawState::tdsNormal
                                  : NotTracking ? TTeDrawState::tdsHot
                                                : TTeDrawState::tdsPressed;
        DrawToolButton(Bitmap, Face, Look, true, false);
    } else if (Selected) {
        DrawSelection(Bitmap, Face, NotTracking ? 12 : 15, !NotTracking);
        TextColor = 19;
    }
    TeDrawMenuBarCaption(*this, Bitmap, Item, Face, TextColor);
}

void TTeThemeFlat::DrawMDIButton(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                                 bool Selected, bool NotTracking) {
    const auto Kind = Item.ButtonKind();
    if (Kind == TKsItemButtonKind::kibNone || Kind > TKsItemButtonKind::kibSysMenu)
        return;
    const RECT Face = InflateRectBy(Rect, -1);
    Bitmap.FillRect(Face, Pixel(16));
    if (Kind != TKsItemButtonKind::kibSysMenu) {
        DrawMDIGlyph(Bitmap, Item, Face, Selected, NotTracking);
        return;
    }
    // The item draws the child's icon over this.
    const RECT Icon = InflateRectBy(Face, -1);
    if (Selected)
        DrawSelection(Bitmap, Icon, 17, true);
    else
        Bitmap.FillRect(Icon, Pixel(16));
}

void TTeThemeFlat::DrawPopupBackground(TKsBitmap& Bitmap, int Width, int Height) {
    TeDrawPopupFrames(*this, Bitmap, Width, Height);
}

void TTeThemeFlat::DrawPopupItem(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                                 bool Selected, bool) {
    if (Item.IsSeparator()) {
        TeDrawPopupSeparator(*this, Bitmap, Rect);
        return;
    }
    if (Selected)
        DrawSelection(Bitmap, Rect, 17, true);
    else
        Bitmap.FillRect(Rect, Pixel(16));
    TeDrawPopupItemContent(*this, Bitmap, Item, Rect, Selected, TTeSubMenuMark::tsmDot);
}

// ---- Controls ----

void TTeThemeFlat::DrawButton(TKsBitmap& Bitmap, int Width, int Height, TTeDrawState State) {
    if (!IsValid(State))
        return;
    if (State == TTeDrawState::tdsDisabled) {
        DrawDisabledButton(Bitmap, Width, Height);
        return;
    }
    const TKsColor Fill = ButtonFill(State);
    const RECT Outer{0, 0, Width, Height};
    Bitmap.FrameRect(Outer, Pixel(7));
    RECT Inner = InflateRectBy(Outer, -1);
    if (State == TTeDrawState::tdsPressed) {
        TeBevel(Bitmap, Inner, Fill, true, BevelAmount);
        Inner = InflateRectBy(Inner, -1);
    } else if (State == TTeDrawState::tdsHot) {
        const TKsColor Light = KsColorLighten(Fill, BevelAmount);
        Bitmap.FillRect(RECT{Inner.left, Inner.top, Inner.right, Inner.top + 1}, Light);
        Bitmap.FillRect(RECT{Inner.left, Inner.top, Inner.left + 1, Inner.bottom}, Light);
        Inner = InflateRectBy(Inner, -1);
    }
    Bitmap.FillRect(Inner, Fill);
}

void TTeThemeFlat::DrawCheckBoxFace(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) {
    const TKsColor Box = State == TTeDrawState::tdsDisabled ? Pixel(11) : FaceColor(State);
    Bitmap.FrameRect(Rect, Pixel(7));
    Bitmap.FillRect(InflateRectBy(Rect, -1), Box);
}

void TTeThemeFlat::DrawCheckBox(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                                TTeCheckState Check) {
    if (!IsValid(State) || Check > TTeCheckState::tcsGrayed)
        return;
    DrawCheckBoxFace(Bitmap, Rect, State);
    const TKsColor Mark = State == TTeDrawState::tdsDisabled ? Pixel(9) : KsBlack;
    if (Check == TTeCheckState::tcsGrayed) {
        Bitmap.FillRect(InflateRectBy(Rect, -2), Mark);
        return;
    }
    if (Check != TTeCheckState::tcsChecked)
        return;
    // The host's check mark without its box: its ink two pixels in from the glyph's edges,
    // placed so that the glyph's inner corner meets the box's.
    const auto Glyph = TeRenderFrameControl(GetMetric(16), GetMetric(17), DFC_BUTTON,
                                            DFCS_BUTTONCHECK | DFCS_CHECKED);
    if (!Glyph)
        return;
    const RECT Inside = InflateRectBy(Rect, -1);
    GdiFlush();
    for (int Y = 2; Y < Glyph->Height() - 2; ++Y)
        for (int X = 2; X < Glyph->Width() - 2; ++X) {
            const int TX = Inside.left + X - 2;
            const int TY = Inside.top + Y - 2;
            if (TeIsBlack(Glyph->Bits()[Y * Glyph->Width() + X]) && TX < Rect.right &&
                TY < Rect.bottom)
                Bitmap.SetPixels(TX, TY, Mark);
        }
}

void TTeThemeFlat::DrawRadioButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                                   bool Checked) {
    if (!IsValid(State) || IsRectEmpty(Rect))
        return;
    const TKsColor Box = State == TTeDrawState::tdsDisabled ? Pixel(11) : FaceColor(State);
    TeRoundFrame(Bitmap, Rect, RadioCorner, Pixel(7));
    const RECT Inside = InflateRectBy(Rect, -1);
    if (!IsRectEmpty(Inside))
        Bitmap.FillRoundRect(Inside, RadioDotCorner, Box);
    const RECT Dot = InflateRectBy(Inside, -2);
    if (Checked && !IsRectEmpty(Dot))
        Bitmap.FillRoundRect(Dot, RadioDotCorner, KsBlack);
}

void TTeThemeFlat::DrawTrackBarThumb(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical, int Shape,
                                     TTeDrawState State) {
    if (!IsValid(State) || Shape < 0 || Shape > 2 || IsRectEmpty(Rect))
        return;
    const int L = Rect.left, T = Rect.top, R = Rect.right - 1, B = Rect.bottom - 1;
    std::vector<POINT> Outline;
    if (Shape == 0) {
        Outline = {{L, T}, {R, T}, {R, B}, {L, B}};
    } else if (!Vertical) {
        // Pointing down (shape 1) or up (shape 2) by half the width.
        const int Tip = (R - L) / 2;
        const int Mid = L + Tip;
        if (Shape == 1)
            Outline = {{L, T}, {R, T}, {R, B - Tip}, {Mid, B}, {L, B - Tip}};
        else
            Outline = {{Mid, T}, {R, T + Tip}, {R, B}, {L, B}, {L, T + Tip}};
    } else {
        // Pointing right (shape 1) or left (shape 2) by half the height.
        const int Tip = (B - T) / 2;
        const int Mid = T + Tip;
        if (Shape == 1)
            Outline = {{L, T}, {R - Tip, T}, {R, Mid}, {R - Tip, B}, {L, B}};
        else
            Outline = {{L, Mid}, {L + Tip, T}, {R, T}, {R, B}, {L + Tip, B}};
    }
    Bitmap.FillPolygon(Outline, FaceColor(State));
    Bitmap.PolygonFrame(Outline, Pixel(7));
    GdiFlush();
}

void TTeThemeFlat::DrawTrackBarTrack(TKsBitmap& Bitmap, const RECT& Rect,
                                     const RECT& SelectionRect) {
    Bitmap.FillRect(Rect, Pixel(11));
    DrawOutline(Bitmap, Rect, Pixel(7));
    Bitmap.FillRect(InflateRectBy(SelectionRect, -1), Pixel(8));
}

void TTeThemeFlat::DrawProgressBarFrame(TKsBitmap& Bitmap, const RECT& Rect) {
    DrawOutline(Bitmap, Rect, Pixel(7));
    Bitmap.FillRect(InflateRectBy(Rect, -1), Pixel(6));
}

void TTeThemeFlat::DrawProgressBarChunks(TKsBitmap& Bitmap, const RECT& BarRect,
                                         const RECT& FilledRect, bool Vertical, bool Smooth) {
    TeDrawProgressChunks(Bitmap, BarRect, FilledRect, Vertical, Smooth, Pixel(8));
}

void TTeThemeFlat::DrawTaskGroupBackground(TKsBitmap& Bitmap, const RECT& Rect, bool) {
    Bitmap.FillRect(Rect, Pixel(6));
    DrawOutline(Bitmap, Rect, Pixel(7));
}

void TTeThemeFlat::DrawTaskGroupHeader(TKsBitmap& Bitmap, const RECT& Rect,
                                       const std::string& Caption) {
    Bitmap.FillRect(Rect, Pixel(12));
    Bitmap.FillRect(RECT{Rect.left, Rect.bottom - 1, Rect.right, Rect.bottom}, Pixel(7));
    SelectFont(Bitmap, 4);
    Bitmap.Font()->SetColor(GetColor(23));
    Bitmap.DrawText(Caption, RECT{Rect.left + 5, Rect.top, Rect.right - 5, Rect.bottom},
                    DrawTextFlags(TeTextLeft));
}

void TTeThemeFlat::DrawTaskGroupButton(TKsBitmap& Bitmap, const RECT& Rect, int Kind,
                                       TTeDrawState State, bool Expand) {
    if (State > TTeDrawState::tdsPressed || Kind < 0 || Kind > 1)
        return;
    DrawScrollBarThumb(Bitmap, Rect, false, State);
    const auto Glyph = Kind == 1
                           ? TeRenderFrameControl(RectWidth(Rect), RectHeight(Rect), DFC_CAPTION,
                                                  DFCS_CAPTIONCLOSE)
                           : TeRenderFrameControl(RectWidth(Rect), RectHeight(Rect), DFC_SCROLL,
                                                  Expand ? DFCS_SCROLLDOWN : DFCS_SCROLLUP);
    if (!Glyph)
        return;
    TeDrawGlyphInk(Bitmap, *Glyph, Rect.left, Rect.top, KsBlack);
}

void TTeThemeFlat::DrawGroupBox(TKsBitmap& Bitmap, const RECT& Rect, const RECT& CaptionRect,
                                const std::string& Caption) {
    // A box too small for its two sides has no frame to leave open.
    if (RectWidth(Rect) < 2 || RectHeight(Rect) < 2)
        return;
    const TKsColor Line = Pixel(7);
    Bitmap.MoveTo(Rect.left, Rect.top);
    Bitmap.LineTo(CaptionRect.left, Rect.top, Line);
    Bitmap.MoveTo(CaptionRect.right, Rect.top);
    const std::array<POINT, 4> Corners{
        POINT{Rect.right - 1, Rect.top}, POINT{Rect.right - 1, Rect.bottom - 1},
        POINT{Rect.left, Rect.bottom - 1}, POINT{Rect.left, Rect.top}};
    for (const POINT& Corner : Corners)
        Bitmap.LineTo(Corner.x, Corner.y, Line);
    Bitmap.DrawText(Caption, CaptionRect, DrawTextFlags(TeTextCenter));
}

void TTeThemeFlat::DrawScrollBarTrack(TKsBitmap& Bitmap, const RECT& Rect, bool) {
    DrawOutline(Bitmap, Rect, Pixel(7));
}

void TTeThemeFlat::DrawScrollBarThumb(TKsBitmap& Bitmap, const RECT& Rect, bool,
                                      TTeDrawState State) {
    if (!IsValid(State))
        return;
    const TKsColor Face = FaceColor(State);
    const RECT Inside = InflateRectBy(Rect, -1);
    DrawOutline(Bitmap, Rect, Pixel(7));
    Bitmap.FillRect(Inside, Face);
    DrawFaceBevel(Bitmap, Inside, Face, State);
}

void TTeThemeFlat::DrawScrollBarArrow(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical,
                                      bool First, TTeDrawState State) {
    if (!IsValid(State))
        return;
    DrawScrollGlyph(Bitmap, Rect, Vertical, First, State, ArrowInk());
    DrawOutline(Bitmap, Rect, Pixel(7));
    DrawFaceBevel(Bitmap, InflateRectBy(Rect, -1), FaceColor(State), State);
}

void TTeThemeFlat::DrawSpinButton(TKsBitmap& Bitmap, const RECT& Rect, bool First,
                                  TTeDrawState State) {
    DrawScrollBarArrow(Bitmap, Rect, false, First, State);
}

void TTeThemeFlat::DrawTabPane(TKsBitmap& Bitmap, const RECT& Rect) {
    DrawOutline(Bitmap, Rect, Pixel(7));
    Bitmap.FillRect(InflateRectBy(Rect, -1), Pixel(11));
}

void TTeThemeFlat::DrawTabItem(TKsBitmap& Bitmap, const RECT& Rect, int Position, int State) {
    if (Position < 0 || Position > 3 || State < 0 || State > 4)
        return;
    DrawOutline(Bitmap, Rect, Pixel(7));
    RECT Fill = InflateRectBy(Rect, -1);
    // The fill runs through the outline on the side that meets the page.
    switch (Position) {
    case 0:
        Fill.bottom = Rect.bottom;
        break;
    case 1:
        Fill.top = Rect.top;
        break;
    case 2:
        Fill.right = Rect.right;
        break;
    default:
        Fill.left = Rect.left;
        break;
    }
    Bitmap.FillRect(Fill, Pixel(State == 4 ? 11 : (State == 1 ? 12 : 8)));
}

void TTeThemeFlat::DrawEditFrame(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) {
    const bool Disabled = State == TTeDrawState::tdsDisabled;
    const TKsColor Inner = Pixel(Disabled ? 9 : 6);
    Bitmap.FrameRect(Rect, Pixel(Disabled ? 10 : 7));
    Bitmap.FrameRect(InflateRectBy(Rect, -1), Inner);
    Bitmap.FrameRect(InflateRectBy(Rect, -2), Inner);
}

void TTeThemeFlat::DrawComboButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) {
    if (!IsValid(State))
        return;
    DrawScrollBarThumb(Bitmap, Rect, false, State);
    if (IsRectEmpty(Rect))
        return;
    const int Shift = State == TTeDrawState::tdsPressed ? 1 : 0;
    TeDrawDropDownTriangle(Bitmap, RECT{Rect.left, Rect.top + 1, Rect.right, Rect.bottom + 1},
                           Shift, ArrowInk());
}

void TTeThemeFlat::DrawToolButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                                  bool Flat, bool Checked) {
    const TKsColor Face = Pixel(11);
    const TKsColor Outline = Pixel(7);
    if (Flat) {
        switch (State) {
        case TTeDrawState::tdsPressed:
            Bitmap.FillRect(Rect, Face);
            TeBevel(Bitmap, Rect, Face, true, BevelAmount);
            break;
        case TTeDrawState::tdsHot:
            Bitmap.FillRect(Rect, Pixel(12));
            TeBevel(Bitmap, Rect, Pixel(12), false, BevelAmount);
            break;
        case TTeDrawState::tdsNormal:
            Bitmap.FillRect(Rect, Checked ? Pixel(8) : Face);
            DrawOutline(Bitmap, Rect, Outline);
            break;
        default:
            break;
        }
        return;
    }
    if (State != TTeDrawState::tdsNormal && State != TTeDrawState::tdsPressed)
        return;
    if (Checked) {
        Bitmap.FillRect(Rect, Pixel(8));
        DrawOutline(Bitmap, Rect, Outline);
        return;
    }
    Bitmap.FillRect(Rect, Face);
    TeBevel(Bitmap, Rect, Face, State == TTeDrawState::tdsPressed, BevelAmount);
}

void TTeThemeFlat::DrawToolDropDownButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                                          bool Flat, bool Checked) {
    if (!IsValid(State))
        return;
    DrawToolButton(Bitmap, Rect, State, Flat, Checked);
    if (IsRectEmpty(Rect))
        return;
    const bool Disabled = State == TTeDrawState::tdsDisabled;
    TeDrawDropDownTriangle(Bitmap, Rect, State == TTeDrawState::tdsPressed ? 1 : 0,
                           Disabled ? Pixel(9) : KsBlack, Disabled);
}

void TTeThemeFlat::DrawToolBarBackground(TKsBitmap& Bitmap, const RECT& Rect) {
    Bitmap.FillRect(Rect, Pixel(11));
}

void TTeThemeFlat::DrawControlBarBackground(TKsBitmap& Bitmap, const RECT& Rect) {
    Bitmap.FillRect(Rect, Pixel(11));
}

void TTeThemeFlat::DrawControlBarGripper(TKsBitmap& Bitmap, const RECT& Rect,
                                         const RECT& GripRect) {
    Bitmap.FillRect(Rect, Pixel(11));
    DrawOutline(Bitmap, Rect, Pixel(7));
    // Two columns of dots down the grip, every other row.
    RECT Grip{};
    IntersectRect(&Grip, &GripRect, &Rect);
    const TKsColor Dot = Pixel(7);
    for (int Y = Grip.top + 1; Y < Grip.bottom - 1; Y += 2)
        for (int X = Grip.left + 1; X < Grip.right - 1; X += 3)
            Bitmap.FillRect(RECT{X, Y, X + 1, Y + 1}, Dot);
}

void TTeThemeFlat::DrawSmallButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) {
    DrawToolButton(Bitmap, Rect, State, true, false);
}

void TTeThemeFlat::DrawItemBackground(TKsBitmap& Bitmap, const RECT& Rect, int Flags) {
    Bitmap.FillRect(Rect, Pixel((Flags & 4) ? 11 : ((Flags & 2) ? 8 : ((Flags & 1) ? 12 : 6))));
    if (Flags & 4)
        DrawOutline(Bitmap, Rect, Pixel(7));
}
