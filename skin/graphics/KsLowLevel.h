// The pixel format of the skinning layer and the raw per-pixel work every surface operation
// rests on: the alpha blend of one pixel over another, bulk fills of pixels and of their
// alpha bytes, and the row kernels that apply the blend to many pixels at once. The row
// kernels have a plain path and, on processors that report SSE2 or AVX2, vector paths that
// give exactly the same pixels.
#pragma once

#include <cstdint>

// 0xAARRGGBB; in memory blue, green, red, alpha. Not premultiplied.
using TKsColor = std::uint32_t;

// Source over destination by the source's alpha, per byte with rounding; the alpha byte
// follows the same formula.
constexpr TKsColor KsBlendPixel(TKsColor Src, TKsColor Dst) {
    if (Src >= 0xFF000000u)
        return Src;
    const std::uint32_t A = Src >> 24;
    if (A == 0)
        return Dst;
    const std::uint32_t InvA = 255 - A;
    // Two bytes at a time in 16-bit lanes: each lane holds at most 255 * 255 + 128.
    const std::uint32_t SrcLow = (((Src & 0x00FF00FFu) * A + 0x00800080u) >> 8) & 0x00FF00FFu;
    const std::uint32_t SrcHigh = (((Src >> 8) & 0x00FF00FFu) * A + 0x00800080u) & 0xFF00FF00u;
    const std::uint32_t DstLow = (((Dst & 0x00FF00FFu) * InvA + 0x00800080u) >> 8) & 0x00FF00FFu;
    const std::uint32_t DstHigh = (((Dst >> 8) & 0x00FF00FFu) * InvA + 0x00800080u) & 0xFF00FF00u;
    // The two terms of a byte never sum past 255, so the lanes add without carries.
    return (SrcLow | SrcHigh) + (DstLow | DstHigh);
}

// Red, green and blue each + Delta, clamped to 0..255; the result is opaque. A Delta beyond
// +-255 clamps every channel alike, so it is narrowed to that first.
constexpr TKsColor KsBrightenPixel(TKsColor Pixel, int Delta) {
    const int Amount = Delta < -255 ? -255 : (Delta > 255 ? 255 : Delta);
    TKsColor Result = 0xFF000000u;
    for (int Shift = 0; Shift < 24; Shift += 8) {
        const int Channel = int((Pixel >> Shift) & 0xFF) + Amount;
        Result |= TKsColor(Channel < 0 ? 0 : (Channel > 255 ? 255 : Channel)) << Shift;
    }
    return Result;
}

// Writes Count copies of Value; a count of 0 or less writes nothing.
void FillLongword(TKsColor* Dest, int Count, TKsColor Value);
// Writes Value into the rectangle (X1, Y1)-(X2, Y2), both corners inclusive, of a pixel
// buffer whose rows are RowLength pixels long.
void FillLongwordRect(TKsColor* Bits, int RowLength, TKsColor Value, int X1, int Y1, int X2,
                      int Y2);
// Sets the alpha byte of Count consecutive pixels, keeping their colour bytes.
void FillAlpha(TKsColor* Dest, int Count, std::uint8_t Alpha);
// Sets the alpha byte within the inclusive rectangle; an empty range writes nothing.
void FillAlphaRect(TKsColor* Bits, int RowLength, std::uint8_t Alpha, int X1, int Y1, int X2,
                   int Y2);

// Row kernels. Each gives, for every i below Count, exactly what KsBlendPixel gives.
// Dst[i] = KsBlendPixel(Src[i], Dst[i]): a row of a surface drawn over another.
void KsBlendRowOver(const TKsColor* Src, TKsColor* Dst, int Count);
// Fg[i] = KsBlendPixel(Fg[i], Back[i]): a foreground row composed over a background in place.
void KsBlendRowUnder(TKsColor* Fg, const TKsColor* Back, int Count);
// Dst[i] = KsBlendPixel(Color, Dst[i]): a translucent fill.
void KsBlendRowFill(TKsColor Color, TKsColor* Dst, int Count);

// Pixels[i] = KsBrightenPixel(Pixels[i], Delta) for every pixel whose alpha is not 0.
void KsBrightenRow(TKsColor* Pixels, int Count, int Delta);

// The instruction sets the fills and row kernels can run on. The best one the processor
// (and, for AVX2, the system) supports is chosen at start-up; tests and benchmarks switch
// between them to compare the paths on the same input.
enum class TKsKernelPath : unsigned char { Plain, Sse2, Avx2 };
inline constexpr TKsKernelPath KsKernelPaths[] = {TKsKernelPath::Plain, TKsKernelPath::Sse2,
                                                  TKsKernelPath::Avx2};
// "plain", "SSE2" or "AVX2", for test traces and benchmark tables.
const char* KsKernelPathName(TKsKernelPath Path);
bool KsKernelPathAvailable(TKsKernelPath Path);
TKsKernelPath KsKernelPath();
// Selects a path; an unavailable one falls back to the best available below it. Returns the
// previous path.
TKsKernelPath KsSetKernelPath(TKsKernelPath Path);
