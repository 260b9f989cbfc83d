// Pixel fills and blend row kernels. The vector kernels widen each byte to a 16-bit lane
// and apply the same rounded products as KsBlendPixel, then select the source where its
// alpha is 255 and the destination where it is 0, so both paths give identical pixels.
#include "skin/graphics/KsLowLevel.h"

#include <cpuid.h>
#include <emmintrin.h>

namespace {

bool DetectSse2() {
    unsigned Eax = 0, Ebx = 0, Ecx = 0, Edx = 0;
    if (!__get_cpuid(1, &Eax, &Ebx, &Ecx, &Edx))
        return false;
    return (Edx & bit_SSE2) != 0;
}

const bool Sse2Available = DetectSse2();
bool Sse2Enabled = Sse2Available;

void BlendRowOverPlain(const TKsColor* Src, TKsColor* Dst, int Count) {
    for (int I = 0; I < Count; ++I)
        Dst[I] = KsBlendPixel(Src[I], Dst[I]);
}

void BlendRowUnderPlain(TKsColor* Fg, const TKsColor* Back, int Count) {
    for (int I = 0; I < Count; ++I)
        Fg[I] = KsBlendPixel(Fg[I], Back[I]);
}

void BlendRowFillPlain(TKsColor Color, TKsColor* Dst, int Count) {
    for (int I = 0; I < Count; ++I)
        Dst[I] = KsBlendPixel(Color, Dst[I]);
}

// One 16-bit lane per byte: ((Byte * Factor + 128) >> 8).
__attribute__((target("sse2"))) inline __m128i ScaleLanes(__m128i Bytes16, __m128i Factor) {
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(Bytes16, Factor), _mm_set1_epi16(128)), 8);
}

// Four pixels of KsBlendPixel(Src, Dst).
__attribute__((target("sse2"))) inline __m128i Blend4(__m128i Src, __m128i Dst) {
    const __m128i Zero = _mm_setzero_si128();
    const __m128i Alpha = _mm_srli_epi32(Src, 24);
    // Broadcast each pixel's alpha to the four 16-bit lanes of its bytes.
    __m128i Alpha16 = _mm_or_si128(Alpha, _mm_slli_epi32(Alpha, 16));
    const __m128i AlphaLow = _mm_unpacklo_epi32(Alpha16, Alpha16);
    const __m128i AlphaHigh = _mm_unpackhi_epi32(Alpha16, Alpha16);
    const __m128i Max = _mm_set1_epi16(255);
    const __m128i InvLow = _mm_sub_epi16(Max, AlphaLow);
    const __m128i InvHigh = _mm_sub_epi16(Max, AlphaHigh);

    const __m128i SrcLow = _mm_unpacklo_epi8(Src, Zero);
    const __m128i SrcHigh = _mm_unpackhi_epi8(Src, Zero);
    const __m128i DstLow = _mm_unpacklo_epi8(Dst, Zero);
    const __m128i DstHigh = _mm_unpackhi_epi8(Dst, Zero);
    const __m128i Low = _mm_add_epi16(ScaleLanes(SrcLow, AlphaLow), ScaleLanes(DstLow, InvLow));
    const __m128i High =
        _mm_add_epi16(ScaleLanes(SrcHigh, AlphaHigh), ScaleLanes(DstHigh, InvHigh));
    const __m128i Mixed = _mm_packus_epi16(Low, High);

    const __m128i Opaque = _mm_cmpeq_epi32(Alpha, _mm_set1_epi32(255));
    const __m128i Clear = _mm_cmpeq_epi32(Alpha, Zero);
    __m128i Result = _mm_or_si128(_mm_and_si128(Opaque, Src), _mm_andnot_si128(Opaque, Mixed));
    Result = _mm_or_si128(_mm_and_si128(Clear, Dst), _mm_andnot_si128(Clear, Result));
    return Result;
}

// Which of four pixels are opaque, or clear, as the byte mask of _mm_movemask_epi8.
constexpr int AllOf4 = 0xFFFF;
__attribute__((target("sse2"))) inline int OpaqueMask(__m128i Pixels) {
    return _mm_movemask_epi8(_mm_cmpeq_epi32(_mm_srli_epi32(Pixels, 24), _mm_set1_epi32(255)));
}
__attribute__((target("sse2"))) inline int ClearMask(__m128i Pixels) {
    return _mm_movemask_epi8(_mm_cmpeq_epi32(_mm_srli_epi32(Pixels, 24), _mm_setzero_si128()));
}

__attribute__((target("sse2"))) void BlendRowOverSse2(const TKsColor* Src, TKsColor* Dst,
                                                      int Count) {
    int I = 0;
    for (; I + 4 <= Count; I += 4) {
        const __m128i S = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Src + I));
        // Skins are mostly opaque or clear: such groups need no arithmetic.
        if (OpaqueMask(S) == AllOf4) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(Dst + I), S);
            continue;
        }
        if (ClearMask(S) == AllOf4)
            continue;
        const __m128i D = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Dst + I));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(Dst + I), Blend4(S, D));
    }
    BlendRowOverPlain(Src + I, Dst + I, Count - I);
}

__attribute__((target("sse2"))) void BlendRowUnderSse2(TKsColor* Fg, const TKsColor* Back,
                                                       int Count) {
    int I = 0;
    for (; I + 4 <= Count; I += 4) {
        const __m128i F = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Fg + I));
        if (OpaqueMask(F) == AllOf4)
            continue;
        const __m128i B = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Back + I));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(Fg + I), Blend4(F, B));
    }
    BlendRowUnderPlain(Fg + I, Back + I, Count - I);
}

__attribute__((target("sse2"))) void BlendRowFillSse2(TKsColor Color, TKsColor* Dst, int Count) {
    const __m128i C = _mm_set1_epi32(static_cast<int>(Color));
    int I = 0;
    for (; I + 4 <= Count; I += 4) {
        const __m128i D = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Dst + I));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(Dst + I), Blend4(C, D));
    }
    BlendRowFillPlain(Color, Dst + I, Count - I);
}

void FillLongwordPlain(TKsColor* Dest, int Count, TKsColor Value) {
    for (int I = 0; I < Count; ++I)
        Dest[I] = Value;
}

void FillAlphaPlain(TKsColor* Dest, int Count, TKsColor AlphaBits) {
    for (int I = 0; I < Count; ++I)
        Dest[I] = (Dest[I] & 0x00FFFFFFu) | AlphaBits;
}

__attribute__((target("sse2"))) void FillLongwordSse2(TKsColor* Dest, int Count, TKsColor Value) {
    const __m128i Four = _mm_set1_epi32(static_cast<int>(Value));
    int I = 0;
    for (; I + 4 <= Count; I += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(Dest + I), Four);
    FillLongwordPlain(Dest + I, Count - I, Value);
}

__attribute__((target("sse2"))) void FillAlphaSse2(TKsColor* Dest, int Count, TKsColor AlphaBits) {
    const __m128i Colour = _mm_set1_epi32(0x00FFFFFF);
    const __m128i Alpha = _mm_set1_epi32(static_cast<int>(AlphaBits));
    int I = 0;
    for (; I + 4 <= Count; I += 4) {
        __m128i* Pixels = reinterpret_cast<__m128i*>(Dest + I);
        _mm_storeu_si128(Pixels,
                         _mm_or_si128(_mm_and_si128(_mm_loadu_si128(Pixels), Colour), Alpha));
    }
    FillAlphaPlain(Dest + I, Count - I, AlphaBits);
}

} // namespace

void FillLongword(TKsColor* Dest, int Count, TKsColor Value) {
    if (Sse2Enabled)
        FillLongwordSse2(Dest, Count, Value);
    else
        FillLongwordPlain(Dest, Count, Value);
}

void FillLongwordRect(TKsColor* Bits, int RowLength, TKsColor Value, int X1, int Y1, int X2,
                      int Y2) {
    for (int Y = Y1; Y <= Y2; ++Y)
        FillLongword(Bits + Y * RowLength + X1, X2 - X1 + 1, Value);
}

void FillAlpha(TKsColor* Dest, int Count, std::uint8_t Alpha) {
    if (Sse2Enabled)
        FillAlphaSse2(Dest, Count, TKsColor(Alpha) << 24);
    else
        FillAlphaPlain(Dest, Count, TKsColor(Alpha) << 24);
}

void FillAlphaRect(TKsColor* Bits, int RowLength, std::uint8_t Alpha, int X1, int Y1, int X2,
                   int Y2) {
    for (int Y = Y1; Y <= Y2; ++Y)
        FillAlpha(Bits + Y * RowLength + X1, X2 - X1 + 1, Alpha);
}

void KsBlendRowOver(const TKsColor* Src, TKsColor* Dst, int Count) {
    if (Sse2Enabled)
        BlendRowOverSse2(Src, Dst, Count);
    else
        BlendRowOverPlain(Src, Dst, Count);
}

void KsBlendRowUnder(TKsColor* Fg, const TKsColor* Back, int Count) {
    if (Sse2Enabled)
        BlendRowUnderSse2(Fg, Back, Count);
    else
        BlendRowUnderPlain(Fg, Back, Count);
}

void KsBlendRowFill(TKsColor Color, TKsColor* Dst, int Count) {
    if (Color >> 24 == 255) {
        FillLongword(Dst, Count, Color);
        return;
    }
    if (Color >> 24 == 0)
        return;
    if (Sse2Enabled)
        BlendRowFillSse2(Color, Dst, Count);
    else
        BlendRowFillPlain(Color, Dst, Count);
}

bool KsSimdAvailable() {
    return Sse2Available;
}

bool KsSimdEnabled() {
    return Sse2Enabled;
}

bool KsSetSimdEnabled(bool Enabled) {
    const bool Previous = Sse2Enabled;
    Sse2Enabled = Enabled && Sse2Available;
    return Previous;
}
