// Pixel fills and blend row kernels. The vector kernels work on each byte in a 16-bit lane
// with the same rounded products as KsBlendPixel, so every path gives identical pixels.
#include "skin/graphics/KsLowLevel.h"

#include <algorithm>
#include <cpuid.h>

namespace {

bool ProcessorHasSse2() {
    unsigned Eax = 0, Ebx = 0, Ecx = 0, Edx = 0;
    return __get_cpuid(1, &Eax, &Ebx, &Ecx, &Edx) && (Edx & bit_SSE2) != 0;
}

// AVX2 needs the processor's support and the system's: the system must save the upper
// halves of the vector registers on a thread switch (XCR0 bits 1 and 2).
bool ProcessorAndSystemHaveAvx2() {
    unsigned Eax = 0, Ebx = 0, Ecx = 0, Edx = 0;
    if (!__get_cpuid(1, &Eax, &Ebx, &Ecx, &Edx) || !(Ecx & bit_OSXSAVE) || !(Ecx & bit_AVX))
        return false;
    unsigned XcrLow = 0, XcrHigh = 0;
    __asm__("xgetbv" : "=a"(XcrLow), "=d"(XcrHigh) : "c"(0));
    if ((XcrLow & 6) != 6)
        return false;
    return __get_cpuid_count(7, 0, &Eax, &Ebx, &Ecx, &Edx) && (Ebx & bit_AVX2) != 0;
}

TKsKernelPath BestPath() {
    if (ProcessorAndSystemHaveAvx2())
        return TKsKernelPath::Avx2;
    return ProcessorHasSse2() ? TKsKernelPath::Sse2 : TKsKernelPath::Plain;
}

const TKsKernelPath BestAvailablePath = BestPath();
TKsKernelPath CurrentPath = BestAvailablePath;

// The vector paths are written once on GCC's generic vectors of Bytes bytes (16 or 32) and
// compiled for each instruction set by the functions that carry its target attribute, into
// which everything below is inlined. Helpers take vectors by reference, since passing wide
// vectors by value would depend on the instruction set.
template <int Bytes> struct TLanes {
    typedef std::uint16_t V16 __attribute__((vector_size(Bytes)));
    typedef std::uint32_t V32 __attribute__((vector_size(Bytes)));
    static constexpr int Pixels = Bytes / 4;
};

template <class V> [[gnu::always_inline]] inline void LoadPixels(const TKsColor* Pixels, V& Value) {
    __builtin_memcpy(&Value, Pixels, sizeof(V));
}
template <class V>
[[gnu::always_inline]] inline void StorePixels(TKsColor* Pixels, const V& Value) {
    __builtin_memcpy(Pixels, &Value, sizeof(V));
}

// The blend's two rounded products in 16-bit lanes, with the per-pixel factors chosen so
// that one formula covers every alpha: (A, 255 - A) in general, (256, 0) for alpha 255 and
// (0, 256) for alpha 0. (Byte * 256 + 128) >> 8 is the byte itself and 128 >> 8 is 0, so
// the two special alphas give the source and the destination exactly, without a selection.
// Each lane holds at most 255 * 256 + 128, below 65536.
template <class V16>
[[gnu::always_inline]] inline void FactorsOf(const V16& Src, V16& SrcFactor, V16& DstFactor) {
    // Each pixel's alpha into both of its 16-bit lanes: the high byte of lane 1, 3, ...
    const V16 High = Src >> 8;
    V16 Alpha;
    if constexpr (sizeof(V16) == 16)
        Alpha = __builtin_shufflevector(High, High, 1, 1, 3, 3, 5, 5, 7, 7);
    else
        Alpha = __builtin_shufflevector(High, High, 1, 1, 3, 3, 5, 5, 7, 7, 9, 9, 11, 11, 13, 13,
                                        15, 15);
    // A comparison gives -1 where it holds, so subtracting it adds one.
    SrcFactor = Alpha - V16(Alpha == 255);
    DstFactor = (255 - Alpha) - V16(Alpha == 0);
}

// The rounded products of blue and red (low lanes, shifted down) and of green and alpha
// (high lanes, kept in the upper byte of each lane).
template <class V16>
[[gnu::always_inline]] inline void TermsOf(const V16& Pixels, const V16& Factor, V16& Low,
                                           V16& High) {
    Low = ((Pixels & 0x00FF) * Factor + 128) >> 8;
    High = ((Pixels >> 8) * Factor + 128) & 0xFF00;
}

// The two terms of a byte never sum past 255, so the lanes add without carries.
template <class V16>
[[gnu::always_inline]] inline void Combine(const V16& SrcLow, const V16& SrcHigh, const V16& DstLow,
                                           const V16& DstHigh, V16& Result) {
    Result = (SrcLow + DstLow) | (SrcHigh + DstHigh);
}

// KsBlendPixel(Src, Dst) for every pixel of the vectors.
template <int Bytes>
[[gnu::always_inline]] inline void BlendVector(const TKsColor* Src, const TKsColor* Dst,
                                               TKsColor* Out) {
    using V16 = typename TLanes<Bytes>::V16;
    using V32 = typename TLanes<Bytes>::V32;
    V32 S, D;
    LoadPixels(Src, S);
    LoadPixels(Dst, D);
    V16 SrcFactor, DstFactor, SrcLow, SrcHigh, DstLow, DstHigh, Result;
    FactorsOf(V16(S), SrcFactor, DstFactor);
    TermsOf(V16(S), SrcFactor, SrcLow, SrcHigh);
    TermsOf(V16(D), DstFactor, DstLow, DstHigh);
    Combine(SrcLow, SrcHigh, DstLow, DstHigh, Result);
    StorePixels(Out, Result);
}

// A row operation as a whole vector at a time (Vector<Bytes>) and one pixel at a time.
struct TOverRow {
    const TKsColor* Src;
    TKsColor* Dst;
    template <int Bytes> [[gnu::always_inline]] inline void Vector(int I) const {
        BlendVector<Bytes>(Src + I, Dst + I, Dst + I);
    }
    [[gnu::always_inline]] inline void Pixel(int I) const { Dst[I] = KsBlendPixel(Src[I], Dst[I]); }
};

struct TUnderRow {
    TKsColor* Fg;
    const TKsColor* Back;
    template <int Bytes> [[gnu::always_inline]] inline void Vector(int I) const {
        BlendVector<Bytes>(Fg + I, Back + I, Fg + I);
    }
    [[gnu::always_inline]] inline void Pixel(int I) const { Fg[I] = KsBlendPixel(Fg[I], Back[I]); }
};

// A translucent colour's source terms are the same for every pixel; they are computed per
// vector from constants, which the compiler hoists out of the loop.
struct TFillRow {
    TKsColor Color;
    TKsColor* Dst;
    template <int Bytes> [[gnu::always_inline]] inline void Vector(int I) const {
        using V16 = typename TLanes<Bytes>::V16;
        using V32 = typename TLanes<Bytes>::V32;
        const V32 C = V32{} + Color;
        V32 D;
        LoadPixels(Dst + I, D);
        V16 SrcFactor, DstFactor, SrcLow, SrcHigh, DstLow, DstHigh, Result;
        FactorsOf(V16(C), SrcFactor, DstFactor);
        TermsOf(V16(C), SrcFactor, SrcLow, SrcHigh);
        TermsOf(V16(D), DstFactor, DstLow, DstHigh);
        Combine(SrcLow, SrcHigh, DstLow, DstHigh, Result);
        StorePixels(Dst + I, Result);
    }
    [[gnu::always_inline]] inline void Pixel(int I) const { Dst[I] = KsBlendPixel(Color, Dst[I]); }
};

struct TStoreRow {
    TKsColor Value;
    TKsColor* Dst;
    template <int Bytes> [[gnu::always_inline]] inline void Vector(int I) const {
        StorePixels(Dst + I, typename TLanes<Bytes>::V32{} + Value);
    }
    [[gnu::always_inline]] inline void Pixel(int I) const { Dst[I] = Value; }
};

struct TAlphaRow {
    TKsColor AlphaBits;
    TKsColor* Dst;
    template <int Bytes> [[gnu::always_inline]] inline void Vector(int I) const {
        typename TLanes<Bytes>::V32 Pixels;
        LoadPixels(Dst + I, Pixels);
        StorePixels(Dst + I, (Pixels & 0x00FFFFFFu) | AlphaBits);
    }
    [[gnu::always_inline]] inline void Pixel(int I) const {
        Dst[I] = (Dst[I] & 0x00FFFFFFu) | AlphaBits;
    }
};

// The channels in signed 16-bit lanes (blue and red, green and alpha), moved by the amount
// and clamped; transparent pixels keep their value.
struct TBrightenRow {
    int Amount; // -255..255
    TKsColor* Pixels;
    template <int Bytes> [[gnu::always_inline]] inline void Vector(int I) const {
        typedef std::int16_t S16 __attribute__((vector_size(Bytes)));
        using V32 = typename TLanes<Bytes>::V32;
        V32 P;
        LoadPixels(Pixels + I, P);
        S16 Low = S16(P & 0x00FF00FFu) + std::int16_t(Amount);
        S16 High = S16((P >> 8) & 0x00FF00FFu) + std::int16_t(Amount);
        Low = Low < 0 ? 0 : (Low > 255 ? 255 : Low);
        High = High < 0 ? 0 : (High > 255 ? 255 : High);
        const V32 Brightened = V32(Low) | V32(High) << 8 | 0xFF000000u;
        StorePixels(Pixels + I, (P >> 24) == 0 ? P : Brightened);
    }
    [[gnu::always_inline]] inline void Pixel(int I) const {
        if (Pixels[I] >> 24)
            Pixels[I] = KsBrightenPixel(Pixels[I], Amount);
    }
};

template <class TRow>
[[gnu::always_inline]] inline void RunPixels(const TRow& Row, int From, int Count) {
    for (int I = From; I < Count; ++I)
        Row.Pixel(I);
}

// Whole vectors of Bytes bytes, then (for AVX2) one half-width vector, then single pixels.
// The row is copied so that the compiler knows the pixel stores cannot change it, and keeps
// its pointers and the values derived from it in registers.
template <int Bytes, class TRow>
[[gnu::always_inline]] inline void RunVectors(const TRow& Shared, int Count) {
    const TRow Row = Shared;
    constexpr int Step = TLanes<Bytes>::Pixels;
    int I = 0;
    for (; I + Step <= Count; I += Step)
        Row.template Vector<Bytes>(I);
    if constexpr (Bytes > 16) {
        if (I + Step / 2 <= Count) {
            Row.template Vector<Bytes / 2>(I);
            I += Step / 2;
        }
    }
    RunPixels(Row, I, Count);
}

template <class TRow> __attribute__((target("sse2"))) void RunSse2(const TRow& Row, int Count) {
    RunVectors<16>(Row, Count);
}

template <class TRow> __attribute__((target("avx2"))) void RunAvx2(const TRow& Row, int Count) {
    RunVectors<32>(Row, Count);
}

template <class TRow> void RunRow(const TRow& Row, int Count) {
    switch (CurrentPath) {
    case TKsKernelPath::Avx2:
        RunAvx2(Row, Count);
        break;
    case TKsKernelPath::Sse2:
        RunSse2(Row, Count);
        break;
    case TKsKernelPath::Plain:
        RunPixels(Row, 0, Count);
        break;
    }
}

} // namespace

void FillLongword(TKsColor* Dest, int Count, TKsColor Value) {
    RunRow(TStoreRow{Value, Dest}, Count);
}

void FillLongwordRect(TKsColor* Bits, int RowLength, TKsColor Value, int X1, int Y1, int X2,
                      int Y2) {
    for (int Y = Y1; Y <= Y2; ++Y)
        FillLongword(Bits + Y * RowLength + X1, X2 - X1 + 1, Value);
}

void FillAlpha(TKsColor* Dest, int Count, std::uint8_t Alpha) {
    RunRow(TAlphaRow{TKsColor(Alpha) << 24, Dest}, Count);
}

void FillAlphaRect(TKsColor* Bits, int RowLength, std::uint8_t Alpha, int X1, int Y1, int X2,
                   int Y2) {
    for (int Y = Y1; Y <= Y2; ++Y)
        FillAlpha(Bits + Y * RowLength + X1, X2 - X1 + 1, Alpha);
}

void KsBlendRowOver(const TKsColor* Src, TKsColor* Dst, int Count) {
    RunRow(TOverRow{Src, Dst}, Count);
}

void KsBlendRowUnder(TKsColor* Fg, const TKsColor* Back, int Count) {
    RunRow(TUnderRow{Fg, Back}, Count);
}

void KsBlendRowFill(TKsColor Color, TKsColor* Dst, int Count) {
    if (Color >> 24 == 255)
        FillLongword(Dst, Count, Color);
    else if (Color >> 24 != 0)
        RunRow(TFillRow{Color, Dst}, Count);
}

void KsBrightenRow(TKsColor* Pixels, int Count, int Delta) {
    RunRow(TBrightenRow{std::clamp(Delta, -255, 255), Pixels}, Count);
}

bool KsKernelPathAvailable(TKsKernelPath Path) {
    return Path <= BestAvailablePath;
}

const char* KsKernelPathName(TKsKernelPath Path) {
    switch (Path) {
    case TKsKernelPath::Avx2:
        return "AVX2";
    case TKsKernelPath::Sse2:
        return "SSE2";
    case TKsKernelPath::Plain:
        break;
    }
    return "plain";
}

TKsKernelPath KsKernelPath() {
    return CurrentPath;
}

TKsKernelPath KsSetKernelPath(TKsKernelPath Path) {
    const TKsKernelPath Previous = CurrentPath;
    CurrentPath = std::min(Path, BestAvailablePath);
    return Previous;
}
