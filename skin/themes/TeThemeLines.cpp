#include "skin/themes/TeThemeLines.h"

#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItems.h"
#include "skin/themes/TeThemeParts.h"

#include <array>

const TTeThemeClassOf<TTeThemeLines> TTeThemeLines::Class{"TTeThemeLines", TTeThemeFlat::Class};

namespace {

constexpr TColor Rgb(int R, int G, int B) {
    return static_cast<TColor>(R | G << 8 | B << 16);
}

constexpr std::array<int, 30> Metrics{4,  4,  23, 18, 10, 18, 15, 12, 10, 6,  6,  1, 6,  6,  22,
                                      17, 13, 13, 13, 13, 11, 22, 4,  22, 17, 17, 1, 21, 15, 11};

// Colours of the frame and stripes that no shift changes.
constexpr TKsColor StripeGrey = 0xFFA8A8A8u;
constexpr TKsColor FrameBlue = 0xFF003399u;
constexpr TKsColor FrameGrey = 0xFFD2D2D2u;
constexpr TKsColor MDIGrey = 0xFFEDEDEEu;

constexpr int Corner = 3;
constexpr int StripeStep = 3;
constexpr int BevelAmount = 30;
constexpr int CaptionBevelAmount = 35;
constexpr int CheckBevelAmount = 50;
constexpr int ButtonInnerBevel = 10;
constexpr int FrameOuterBevel = 30;
constexpr int FrameInnerBevel = 15;

} // namespace

TColor TTeThemeLines::BaseColor(int Index) {
    // Only the colours that differ from the Flat theme's.
    switch (Index) {
    case 0:
    case 8:
    case 15:
    case 17:
        return Rgb(100, 160, 255);
    case 1:
        return Rgb(168, 168, 168);
    case 3:
    case 5:
    case 19:
    case 21:
        return Rgb(255, 255, 255);
    case 6:
    case 14:
    case 16:
        return Rgb(235, 235, 238);
    case 7:
    case 13:
        return Rgb(0, 51, 153);
    case 11:
        return Rgb(210, 210, 210);
    case 12:
        return Rgb(248, 199, 81);
    default:
        return TTeThemeFlat::BaseColor(Index);
    }
}

int TTeThemeLines::GetMetric(uint8_t Index) {
    return Index < Metrics.size() ? Metrics[Index] : 0;
}

TFontStyles TTeThemeLines::GetFontStyle(uint8_t Index) {
    return Index <= 1 ? TFontStyles{TFontStyle::fsBold} : TFontStyles{};
}

bool TTeThemeLines::CaptionTextShadow() {
    return true;
}

// ---- Shared steps ----

void TTeThemeLines::DrawOutline(TKsBitmap& Bitmap, const RECT& Rect, TKsColor Color) {
    TeRoundFrame(Bitmap, Rect, Corner, Color);
    GdiFlush();
}

void TTeThemeLines::DrawFaceBevel(TKsBitmap& Bitmap, const RECT& Rect, TKsColor Face,
                                  TTeDrawState State) {
    TeBevel(Bitmap, Rect, Face, State == TTeDrawState::tdsPressed, BevelAmount);
}

void TTeThemeLines::DrawStripes(TKsBitmap& Bitmap, const RECT& Rect, int Count) {
    for (int I = 0, Y = Rect.top; Count < 0 ? Y < Rect.bottom : I < Count; ++I, Y += StripeStep)
        Bitmap.FillRect(RECT{Rect.left, Y, Rect.right, Y + 1}, StripeGrey);
}

void TTeThemeLines::DrawSelection(TKsBitmap& Bitmap, const RECT& Rect, int FillIndex,
                                  bool Marked) {
    Bitmap.FillRect(Rect, Pixel(FillIndex));
    if (Marked)
        DrawStripes(Bitmap, Rect, -1);
    DrawOutline(Bitmap, Rect, Pixel(13));
}

TKsColor TTeThemeLines::ArrowInk() {
    return Pixel(7);
}

void TTeThemeLines::DrawCheckBoxFace(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) {
    const RECT Ring = InflateRectBy(Rect, -1);
    if (State == TTeDrawState::tdsDisabled) {
        Bitmap.FrameRect(Rect, Pixel(9));
        Bitmap.FrameRect(Ring, Pixel(6));
    } else {
        const int Edge = State == TTeDrawState::tdsHot       ? 12
                         : State == TTeDrawState::tdsFocused ? 8
                                                             : 6;
        Bitmap.FrameRect(Rect, Pixel(7));
        TeBevel(Bitmap, Ring, Pixel(Edge), true, CheckBevelAmount);
    }
    Bitmap.FillRect(InflateRectBy(Ring, -1), Pixel(6));
}

// ---- Forms ----

void TTeThemeLines::DrawCaptionBand(TKsBitmap& Bitmap, const RECT& Band, bool Active) {
    Bitmap.FillRect(Band, Pixel(Active ? 0 : 1));
    // The stripes count from the top of the frame and may run on below the band.
    DrawStripes(Bitmap, RECT{Band.left, 0, Band.right, 0}, RectHeight(Band) / 2 + 1);
}

void TTeThemeLines::DrawFormFrame(TKsBitmap& Bitmap, int Width, int Height, const RECT& ClientRect,
                                  bool Active, TKsBorderStyle) {
    const RECT Band{ClientRect.left, ClientRect.left, ClientRect.right, ClientRect.top};
    if (!IsRectEmpty(Band))
        DrawCaptionBand(Bitmap, Band, Active);
    DrawOutline(Bitmap, Band, Pixel(7));
    const RECT Outer{0, 0, Width, Height};
    DrawOutline(Bitmap, Outer, FrameBlue);
    TeBevel(Bitmap, InflateRectBy(Outer, -1), FrameGrey, false, FrameOuterBevel);
    TeBevel(Bitmap, InflateRectBy(Outer, -2), FrameGrey, false, FrameInnerBevel);
    Bitmap.FrameRect(InflateRectBy(Outer, -3), FrameGrey);
}

TGdiObject<HRGN> TTeThemeLines::GetFormRegion(int Width, int Height, TKsBorderStyle) {
    return TGdiObject<HRGN>(CreateRoundRectRgn(0, 0, Width + 1, Height + 1, Corner, Corner));
}

void TTeThemeLines::DrawCaptionButton(TKsBitmap& Bitmap, const RECT& Rect,
                                      TTeCaptionButtonKind Kind, bool Hot, bool Pressed, bool,
                                      TKsBorderStyle) {
    const TKsColor Face = CaptionFace(Hot, Pressed);
    DrawCaptionGlyph(Bitmap, Rect, Kind, Pressed, Face);
    DrawOutline(Bitmap, Rect, Pixel(7));
    TeBevel(Bitmap, InflateRectBy(Rect, -1), Face, Pressed, CaptionBevelAmount);
}

// ---- Menus ----

void TTeThemeLines::DrawMDIButton(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                                  bool Selected, bool NotTracking) {
    const auto Kind = Item.ButtonKind();
    if (Kind == TKsItemButtonKind::kibNone || Kind > TKsItemButtonKind::kibSysMenu)
        return;
    const RECT Face = InflateRectBy(Rect, -1);
    Bitmap.FillRect(Face, MDIGrey);
    if (Kind != TKsItemButtonKind::kibSysMenu) {
        const RECT Glyph{Rect.left + 2, Rect.top + 2, Rect.right - 1, Rect.bottom - 3};
        DrawMDIGlyph(Bitmap, Item, Glyph, Selected, NotTracking);
        Bitmap.FrameRect(Glyph, FrameBlue);
        return;
    }
    const RECT Icon = InflateRectBy(Face, -1);
    if (Selected)
        DrawSelection(Bitmap, Icon, 17, true);
    else
        Bitmap.FillRect(Icon, Pixel(16));
}

void TTeThemeLines::DrawPopupBackground(TKsBitmap& Bitmap, int Width, int Height) {
    const RECT Outer{0, 0, Width, Height};
    Bitmap.FrameRect(Outer, Pixel(16));
    DrawOutline(Bitmap, Outer, Pixel(13));
    Bitmap.FrameRect(InflateRectBy(Outer, -1), Pixel(16));
    Bitmap.FrameRect(InflateRectBy(Outer, -2), Pixel(16));
}

// ---- Controls ----

void TTeThemeLines::DrawButton(TKsBitmap& Bitmap, int Width, int Height, TTeDrawState State) {
    if (State > TTeDrawState::tdsDefault)
        return;
    if (State == TTeDrawState::tdsDisabled) {
        DrawDisabledButton(Bitmap, Width, Height);
        return;
    }
    const TKsColor Fill = ButtonFill(State);
    const RECT Outer{0, 0, Width, Height};
    const RECT Ring = InflateRectBy(Outer, -1);
    const RECT Inner = InflateRectBy(Ring, -1);
    DrawOutline(Bitmap, Outer, Pixel(7));
    // The rounded corner at the bottom right is filled in by one pixel.
    if (Width >= 2 && Height >= 2)
        Bitmap.SetPixels(Width - 2, Height - 2, Pixel(7));
    if (State == TTeDrawState::tdsPressed) {
        TeBevel(Bitmap, Ring, Fill, true, BevelAmount);
        Bitmap.FillRect(Inner, Fill);
    } else {
        TeBevel(Bitmap, Ring, Fill, false, BevelAmount);
        Bitmap.FillRect(Inner, Fill);
        TeBevel(Bitmap, Inner, Fill, false, ButtonInnerBevel);
    }
}
