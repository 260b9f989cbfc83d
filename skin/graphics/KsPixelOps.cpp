#include "skin/graphics/KsPixelOps.h"

#include "skin/graphics/KsColors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

bool HasArea(const RECT& Rect) {
    return Rect.right > Rect.left && Rect.bottom > Rect.top;
}

void BlendPixelAt(const TKsPixels& Pixels, int X, int Y, TKsColor Color) {
    if (Pixels.Contains(X, Y)) {
        TKsColor& Target = Pixels.Row(Y)[X];
        Target = KsBlendPixel(Color, Target);
    }
}

// Results of one hue change, remembered by colour: skins hold few distinct colours, and a
// table look-up is faster still than the integer hue change.
class THueCache {
public:
    explicit THueCache(int Delta) : FShift(Delta) { FKeys.fill(0xFFFFFFFFu); }

    TKsColor Apply(TKsColor Pixel) {
        const TKsColor Key = Pixel & 0x00FFFFFFu;
        const std::uint32_t Slot = (Key ^ (Key >> 11) ^ (Key >> 19)) & (Size - 1);
        if (FKeys[Slot] != Key) {
            FKeys[Slot] = Key;
            FValues[Slot] = FShift.Apply(Key);
        }
        return FValues[Slot];
    }

private:
    static constexpr std::uint32_t Size = 4096;
    TKsHueShift FShift;
    std::array<TKsColor, Size> FKeys;
    std::array<TKsColor, Size> FValues{};
};

} // namespace

RECT KsClipToPixels(const RECT& Rect, const TKsPixels& Pixels) {
    return RECT{std::max<LONG>(Rect.left, 0), std::max<LONG>(Rect.top, 0),
                std::min<LONG>(Rect.right, Pixels.Width),
                std::min<LONG>(Rect.bottom, Pixels.Height)};
}

RECT KsClipTransfer(const RECT& SrcRect, const TKsPixels& Src, const TKsPixels& Dst, int X, int Y) {
    const int OffsetX = X - SrcRect.left;
    const int OffsetY = Y - SrcRect.top;
    RECT Clip = KsClipToPixels(SrcRect, Src);
    Clip.left = std::max<LONG>(Clip.left, -OffsetX);
    Clip.top = std::max<LONG>(Clip.top, -OffsetY);
    Clip.right = std::min<LONG>(Clip.right, Dst.Width - OffsetX);
    Clip.bottom = std::min<LONG>(Clip.bottom, Dst.Height - OffsetY);
    return Clip;
}

TKsAlphaContent KsAlphaContentOf(const TKsPixels& Pixels, const RECT& Rect) {
    const RECT Clip = KsClipToPixels(Rect, Pixels);
    bool AllOpaque = true;
    for (int Y = Clip.top; Y < Clip.bottom; ++Y) {
        const TKsColor* Row = Pixels.Row(Y);
        for (int X = Clip.left; X < Clip.right; ++X) {
            const TKsColor Pixel = Row[X];
            if (Pixel >= 0xFF000000u)
                continue;
            if (Pixel != 0)
                return TKsAlphaContent::Other;
            AllOpaque = false;
        }
    }
    return AllOpaque ? TKsAlphaContent::Opaque : TKsAlphaContent::ClearBlack;
}

void KsBlendRect(const TKsPixels& Src, const RECT& SrcRect, const TKsPixels& Dst, int X, int Y) {
    if (Src.Empty() || Dst.Empty())
        return;
    const RECT Clip = KsClipTransfer(SrcRect, Src, Dst, X, Y);
    if (!HasArea(Clip))
        return;
    const int OffsetX = X - SrcRect.left;
    const int OffsetY = Y - SrcRect.top;
    const int Count = Clip.right - Clip.left;
    for (int Row = Clip.top; Row < Clip.bottom; ++Row)
        KsBlendRowOver(Src.Row(Row) + Clip.left, Dst.Row(Row + OffsetY) + Clip.left + OffsetX,
                       Count);
}

void KsStretchBlend(const TKsPixels& Src, const RECT& SrcRect, const TKsPixels& Dst,
                    const RECT& DstRect) {
    if (Src.Empty() || Dst.Empty() || !HasArea(KsClipToPixels(SrcRect, Src)))
        return;
    const int SrcWidth = SrcRect.right - SrcRect.left;
    const int SrcHeight = SrcRect.bottom - SrcRect.top;
    const int DstWidth = DstRect.right - DstRect.left;
    const int DstHeight = DstRect.bottom - DstRect.top;
    if (DstWidth <= 0 || DstHeight <= 0)
        return;
    const RECT Clip = KsClipToPixels(DstRect, Dst);
    if (!HasArea(Clip))
        return;
    // The start is scaled by 65535, not 65536, so that the first sample of a clipped
    // destination rounds towards the source's start.
    const std::uint32_t XStart =
        std::uint32_t(MulDiv(SrcWidth * (Clip.left - DstRect.left), 65535, DstWidth));
    const std::int64_t YStart = MulDiv(SrcHeight * (Clip.top - DstRect.top), 65535, DstHeight);
    const std::uint32_t XStep = std::uint32_t((std::int64_t(SrcWidth) << 16) / DstWidth);
    const std::int64_t YStep = (std::int64_t(SrcHeight) << 16) / DstHeight;
    // Each destination row's samples are gathered first and then blended as one row; a
    // sample outside the source is clear, which leaves its destination pixel.
    const int Count = Clip.right - Clip.left;
    std::vector<TKsColor> Samples(size_t(Count), 0);
    std::int64_t YAcc = YStart;
    for (int Y = Clip.top; Y < Clip.bottom; ++Y, YAcc += YStep) {
        const int SrcY = int(YAcc >> 16) + SrcRect.top;
        if (SrcY < 0 || SrcY >= Src.Height)
            continue;
        const TKsColor* SrcRow = Src.Row(SrcY);
        std::uint32_t XAcc = XStart;
        for (int I = 0; I < Count; ++I, XAcc += XStep) {
            const int SrcX = SrcRect.left + int(XAcc >> 16);
            Samples[I] = SrcX >= 0 && SrcX < Src.Width ? SrcRow[SrcX] : 0;
        }
        KsBlendRowOver(Samples.data(), Dst.Row(Y) + Clip.left, Count);
    }
}

void KsMergeOver(const TKsPixels& Fg, const TKsPixels& Back, int X, int Y, const RECT& Rect) {
    if (Fg.Empty() || Back.Empty())
        return;
    // Only background pixels whose foreground partner exists take part.
    const RECT Clip = KsClipTransfer(Rect, Back, Fg, X, Y);
    if (!HasArea(Clip))
        return;
    const int OffsetX = X - Rect.left;
    const int OffsetY = Y - Rect.top;
    const int Count = Clip.right - Clip.left;
    for (int Row = Clip.top; Row < Clip.bottom; ++Row)
        KsBlendRowUnder(Fg.Row(Row + OffsetY) + Clip.left + OffsetX, Back.Row(Row) + Clip.left,
                        Count);
}

void KsFillRect(const TKsPixels& Pixels, const RECT& Rect, TKsColor Color, bool Blend) {
    if (Pixels.Empty())
        return;
    const RECT Clip = KsClipToPixels(Rect, Pixels);
    if (!HasArea(Clip))
        return;
    if (!Blend) {
        FillLongwordRect(Pixels.Bits, Pixels.Width, Color, Clip.left, Clip.top, Clip.right - 1,
                         Clip.bottom - 1);
        return;
    }
    for (int Y = Clip.top; Y < Clip.bottom; ++Y)
        KsBlendRowFill(Color, Pixels.Row(Y) + Clip.left, Clip.right - Clip.left);
}

void KsFrameRect3D(const TKsPixels& Pixels, const RECT& Rect, TKsColor TopLeft,
                   TKsColor BottomRight) {
    if (Pixels.Empty() || !HasArea(Rect))
        return;
    // Lines of the frame that lie outside the pixels are dropped, not moved inside.
    const int Right = Rect.right - 1;
    const int Bottom = Rect.bottom - 1;
    for (int X = Rect.left; X <= Right - 1; ++X)
        BlendPixelAt(Pixels, X, Rect.top, TopLeft);
    for (int Y = Rect.top; Y <= Bottom - 1; ++Y)
        BlendPixelAt(Pixels, Rect.left, Y, TopLeft);
    for (int X = Rect.left; X <= Right; ++X)
        BlendPixelAt(Pixels, X, Bottom, BottomRight);
    for (int Y = Rect.top; Y <= Bottom - 1; ++Y)
        BlendPixelAt(Pixels, Right, Y, BottomRight);
}

void KsFillDither(const TKsPixels& Pixels, const RECT& Rect, TKsColor Back, TKsColor Dot,
                  bool Blend) {
    if (Pixels.Empty())
        return;
    const RECT Clip = KsClipToPixels(Rect, Pixels);
    if (!HasArea(Clip))
        return;
    KsFillRect(Pixels, Clip, Back, Blend);
    for (int Y = Clip.top; Y < Clip.bottom; ++Y) {
        TKsColor* Row = Pixels.Row(Y);
        for (int X = Clip.left + ((Clip.left + Y) & 1); X < Clip.right; X += 2)
            Row[X] = Dot;
    }
}

TKsColor KsGradientBandColor(TKsColor From, TKsColor To, int Band, int Steps) {
    TKsColor Result = 0;
    for (int Shift = 0; Shift < 32; Shift += 8) {
        const double FromScaled = double((From >> Shift) & 0xFF) * 255.0;
        const double ToScaled = double((To >> Shift) & 0xFF) * 255.0;
        const double Value = (Band * (ToScaled - FromScaled) / Steps + FromScaled) / 255.0;
        // Default rounding: to nearest, ties to even.
        const long Channel = std::lrint(Value);
        Result |= TKsColor(std::clamp<long>(Channel, 0, 255)) << Shift;
    }
    return Result;
}

void KsFillGradient(const TKsPixels& Pixels, const RECT& Rect, TKsColor From, bool Vertical,
                    TKsColor To, bool Blend) {
    if (Pixels.Empty())
        return;
    const RECT Clip = KsClipToPixels(Rect, Pixels);
    if (!HasArea(Clip))
        return;
    const int Start = Vertical ? Clip.top : Clip.left;
    const int Extent = Vertical ? Clip.bottom - Clip.top : Clip.right - Clip.left;
    const int Steps = std::min(255, Extent);
    for (int Band = 0; Band < Steps; ++Band) {
        RECT BandRect = Clip;
        const int BandStart = Start + MulDiv(Band, Extent, Steps);
        const int BandEnd = Start + MulDiv(Band + 1, Extent, Steps);
        if (Vertical) {
            BandRect.top = BandStart;
            BandRect.bottom = BandEnd;
        } else {
            BandRect.left = BandStart;
            BandRect.right = BandEnd;
        }
        KsFillRect(Pixels, BandRect, KsGradientBandColor(From, To, Band, Steps), Blend);
    }
}

void KsSetAlphaRect(const TKsPixels& Pixels, const RECT& Rect, std::uint8_t Alpha) {
    if (Pixels.Empty())
        return;
    const RECT Clip = KsClipToPixels(Rect, Pixels);
    if (HasArea(Clip))
        FillAlphaRect(Pixels.Bits, Pixels.Width, Alpha, Clip.left, Clip.top, Clip.right - 1,
                      Clip.bottom - 1);
}

void KsReplaceByTransparent(const TKsPixels& Pixels, TKsColor Key) {
    if (Pixels.Empty())
        return;
    const TKsColor KeyColor = Key & 0x00FFFFFFu;
    TKsColor* const End = Pixels.Bits + Pixels.Width * Pixels.Height;
    for (TKsColor* Pixel = Pixels.Bits; Pixel != End; ++Pixel)
        if ((*Pixel & 0x00FFFFFFu) == KeyColor)
            *Pixel = KsTransparent;
}

void KsChangeHue(const TKsPixels& Pixels, int Delta) {
    if (Pixels.Empty())
        return;
    THueCache Cache(Delta);
    TKsColor* const End = Pixels.Bits + Pixels.Width * Pixels.Height;
    for (TKsColor* Pixel = Pixels.Bits; Pixel != End; ++Pixel)
        if (*Pixel >> 24)
            *Pixel = Cache.Apply(*Pixel);
}

void KsChangeBrightness(const TKsPixels& Pixels, int Delta) {
    if (!Pixels.Empty())
        KsBrightenRow(Pixels.Bits, Pixels.Width * Pixels.Height, Delta);
}
