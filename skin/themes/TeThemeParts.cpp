#include "skin/themes/TeThemeParts.h"

#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsUtils.h"

#include <algorithm>

namespace {

constexpr int DropDownWidth = 7;
constexpr int DropDownHeight = 4;
// The edges of a frame control's button.
constexpr int FrameControlEdge = 2;

int Lightness(TKsColor Pixel) {
    return KsRedOf(Pixel) + KsGreenOf(Pixel) + KsBlueOf(Pixel);
}

template <class PixelRule>
void ForEachGlyphPixel(const TKsBitmap& Glyph, int X, int Y, PixelRule Rule) {
    GdiFlush();
    for (int GY = 0; GY < Glyph.Height(); ++GY)
        for (int GX = 0; GX < Glyph.Width(); ++GX)
            Rule(X + GX, Y + GY, Glyph.Bits()[GY * Glyph.Width() + GX]);
}

} // namespace

void TeDrawProgressChunks(TKsBitmap& Bitmap, const RECT& BarRect, const RECT& FilledRect,
                          bool Vertical, bool Smooth, TKsColor Fill) {
    if (Smooth) {
        Bitmap.FillRect(FilledRect, Fill);
        return;
    }
    // An empty bar has no chunk size to step by.
    if (IsRectEmpty(BarRect))
        return;
    // Chunks are about two thirds of the bar's thickness, rounded to the nearest pixel.
    const auto Chunk = [](int Thickness) { return (Thickness * 64 + 50) / 100; };
    if (!Vertical) {
        const int C = Chunk(RectHeight(BarRect));
        const int Count = RectWidth(FilledRect) / (C + 2);
        for (int I = 0; Count > 0 && I <= Count; ++I) {
            const int Left = BarRect.left + (C + 2) * I;
            RECT Part{Left, BarRect.top, Left + C, BarRect.bottom};
            IntersectRect(&Part, &Part, &BarRect);
            Bitmap.FillRect(Part, Fill);
        }
        return;
    }
    const int C = Chunk(RectWidth(BarRect)) + 2;
    const int Count = RectHeight(FilledRect) / C;
    for (int I = 0; Count > 0 && I <= Count; ++I) {
        RECT Part{BarRect.left, BarRect.bottom - C + 2 - C * I, BarRect.right,
                  BarRect.bottom - C * I};
        IntersectRect(&Part, &Part, &BarRect);
        Bitmap.FillRect(Part, Fill);
    }
}

void TeDrawTriangle(TKsBitmap& Bitmap, int Left, int Top, int Width, bool Down, TKsColor Color,
                    bool Outline) {
    const int Rows = Width / 2 + 1;
    for (int Row = 0; Row < Rows; ++Row) {
        // Rows counted from the base, which is the whole width.
        const int FromBase = Row;
        const int Y = Down ? Top + FromBase : Top + Rows - 1 - FromBase;
        const int L = Left + FromBase;
        const int R = Left + Width - FromBase;
        if (L >= R)
            break;
        if (!Outline || FromBase == 0) {
            Bitmap.FillRect(RECT{L, Y, R, Y + 1}, Color);
            continue;
        }
        Bitmap.FillRect(RECT{L, Y, L + 1, Y + 1}, Color);
        Bitmap.FillRect(RECT{R - 1, Y, R, Y + 1}, Color);
    }
}

void TeDrawDropDownTriangle(TKsBitmap& Bitmap, const RECT& Rect, int Shift, TKsColor Color,
                            bool Outline) {
    // A button too small for the arrow shows none rather than an arrow spilling out of it.
    if (RectWidth(Rect) < DropDownWidth + 2 * Shift ||
        RectHeight(Rect) < DropDownHeight + 2 * Shift)
        return;
    const RECT Box = CenterRect(RECT{0, 0, DropDownWidth, DropDownHeight}, Rect);
    TeDrawTriangle(Bitmap, Box.left + Shift, Box.top + Shift, DropDownWidth, true, Color, Outline);
}

void TeBevel(TKsBitmap& Bitmap, const RECT& Rect, TKsColor Face, bool Sunken, int Amount) {
    const auto Step = static_cast<std::uint8_t>(std::clamp(Amount, 0, 255));
    const TKsColor Light = KsColorLighten(Face, Step);
    const TKsColor Dark = KsColorDarken(Face, Step);
    if (Sunken)
        Bitmap.FrameRect3D(Rect, Dark, Light);
    else
        Bitmap.FrameRect3D(Rect, Light, Dark);
}

void TeRoundFrame(TKsBitmap& Bitmap, const RECT& Rect, int Corner, TKsColor Color) {
    if (!IsRectEmpty(Rect))
        Bitmap.RoundFrame(Rect, Corner, Color);
}

bool TeIsBlack(TKsColor Pixel) {
    return (Pixel & 0x00FFFFFFu) == 0;
}

std::unique_ptr<TKsBitmap> TeRenderFrameControl(int Width, int Height, UINT Type, UINT State) {
    if (Width <= 0 || Height <= 0)
        return nullptr;
    auto Glyph = std::make_unique<TKsBitmap>();
    Glyph->SetSize(Width, Height);
    Glyph->Fill(KsWhite);
    RECT Area{0, 0, Width, Height};
    DrawFrameControl(Glyph->DC(), &Area, Type, State);
    GdiFlush();
    return Glyph;
}

void TeDrawRecoloredGlyph(TKsBitmap& Bitmap, const TKsBitmap& Glyph, int X, int Y, TKsColor Ink,
                          TKsColor Face) {
    ForEachGlyphPixel(Glyph, X, Y, [&](int PX, int PY, TKsColor Pixel) {
        Bitmap.SetPixels(PX, PY, TeIsBlack(Pixel) ? Ink : Face);
    });
}

void TeDrawGlyphInk(TKsBitmap& Bitmap, const TKsBitmap& Glyph, int X, int Y, TKsColor Ink) {
    ForEachGlyphPixel(Glyph, X, Y, [&](int PX, int PY, TKsColor Pixel) {
        if (TeIsBlack(Pixel))
            Bitmap.SetPixels(PX, PY, Ink);
    });
}

void TeDrawSymbolInk(TKsBitmap& Bitmap, const TKsBitmap& Glyph, int X, int Y, TKsColor Ink) {
    // Three quarters of the face's lightness, kept in whole numbers.
    const int InkLimit = Lightness(ColorToKsColor(clBtnFace, 255)) * 3;
    GdiFlush();
    for (int GY = FrameControlEdge; GY < Glyph.Height() - FrameControlEdge; ++GY)
        for (int GX = FrameControlEdge; GX < Glyph.Width() - FrameControlEdge; ++GX)
            if (Lightness(Glyph.Bits()[GY * Glyph.Width() + GX]) * 4 <= InkLimit)
                Bitmap.SetPixels(X + GX, Y + GY, Ink);
}
