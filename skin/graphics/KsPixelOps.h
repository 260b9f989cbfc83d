// The surface's pixel algorithms on raw 32-bit pixel memory, without GDI: blended copies,
// the nearest-neighbour stretch, composition over a background, fills, frames, dither,
// gradient bands and per-pixel colour changes. Every blend goes through KsBlendPixel (or a
// row kernel giving the same pixels). Coordinates are pixels, rectangles right/bottom
// exclusive; every write is clipped to the pixels that exist.
#pragma once

#include "framework/graphics/WinApi.h"
#include "skin/graphics/KsLowLevel.h"

// A view of a top-down pixel buffer without row padding.
struct TKsPixels {
    TKsColor* Bits = nullptr;
    int Width = 0;
    int Height = 0;

    bool Empty() const { return Bits == nullptr || Width <= 0 || Height <= 0; }
    bool Contains(int X, int Y) const {
        return !Empty() && X >= 0 && Y >= 0 && X < Width && Y < Height;
    }
    TKsColor* Row(int Y) const { return Bits + Y * Width; }
    RECT Bounds() const { return RECT{0, 0, Width, Height}; }
};

// The part of Rect inside the view; may come out empty (right <= left or bottom <= top).
RECT KsClipToPixels(const RECT& Rect, const TKsPixels& Pixels);

// The part of SrcRect inside Src whose pixels land inside Dst when SrcRect's top-left corner
// is placed at (X, Y); may come out empty.
RECT KsClipTransfer(const RECT& SrcRect, const TKsPixels& Src, const TKsPixels& Dst, int X, int Y);

// What a rectangle of pixels holds in its alpha bytes.
enum class TKsAlphaContent : unsigned char {
    Opaque,     // every alpha is 255
    ClearBlack, // alphas 0 and 255 only, and every alpha-0 pixel is 0x00000000
    Other,
};
TKsAlphaContent KsAlphaContentOf(const TKsPixels& Pixels, const RECT& Rect);

// Blends SrcRect of Src over Dst, source pixel (x, y) landing on (X + x - SrcRect.left,
// Y + y - SrcRect.top), as a bit-block transfer would place it.
void KsBlendRect(const TKsPixels& Src, const RECT& SrcRect, const TKsPixels& Dst, int X, int Y);

// Nearest-neighbour stretch of SrcRect onto DstRect in 16.16 fixed point, each sample
// blended over the destination. Sizes are expected to differ (equal sizes are a plain
// KsBlendRect); samples that fall outside Src leave the destination.
void KsStretchBlend(const TKsPixels& Src, const RECT& SrcRect, const TKsPixels& Dst,
                    const RECT& DstRect);

// Composes the foreground over the background in place: background pixel (e, f) of Rect
// meets foreground pixel (X + e - Rect.left, Y + f - Rect.top).
void KsMergeOver(const TKsPixels& Fg, const TKsPixels& Back, int X, int Y, const RECT& Rect);

// Writes (Blend false) or blends (Blend true) Color into the rectangle.
void KsFillRect(const TKsPixels& Pixels, const RECT& Rect, TKsColor Color, bool Blend);

// A one-pixel frame, each pixel blended with its colour: top row and left column with
// TopLeft, bottom row and right column with BottomRight (see the surface's FrameRect3D).
void KsFrameRect3D(const TKsPixels& Pixels, const RECT& Rect, TKsColor TopLeft,
                   TKsColor BottomRight);

// Fills with Back (as KsFillRect), then writes Dot where column and row are both even or
// both odd.
void KsFillDither(const TKsPixels& Pixels, const RECT& Rect, TKsColor Back, TKsColor Dot,
                  bool Blend);

// The colour of band Band of Steps from From towards To (To itself is never reached).
TKsColor KsGradientBandColor(TKsColor From, TKsColor To, int Band, int Steps);
void KsFillGradient(const TKsPixels& Pixels, const RECT& Rect, TKsColor From, bool Vertical,
                    TKsColor To, bool Blend);

void KsSetAlphaRect(const TKsPixels& Pixels, const RECT& Rect, std::uint8_t Alpha);
// Every pixel whose red, green and blue equal Key's becomes KsTransparent.
void KsReplaceByTransparent(const TKsPixels& Pixels, TKsColor Key);
// Hue and brightness changes of every pixel whose alpha is not 0.
void KsChangeHue(const TKsPixels& Pixels, int Delta);
void KsChangeBrightness(const TKsPixels& Pixels, int Delta);
