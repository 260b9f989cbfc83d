// Measures the surface operations on 1920 x 1080 surfaces and prints, for each, million
// pixels per second (median and the 10th..90th percentile of its samples) and its speed as a
// share of a memcpy of the same bytes, timed in samples alternating with the operation's so
// that both see the same load and the same state of the caches. Blending operations run
// with each row kernel path the processor offers (plain, SSE2, AVX2).
#include "bench/support/BenchTiming.h"
#include "skin/graphics/KsAlphaBlendLink.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsLowLevel.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr double Pixels = double(Width) * Height;

void FillRandom(TKsBitmap& Surface, std::uint32_t Seed, bool BinaryAlpha) {
    std::mt19937 Random(Seed);
    GdiFlush();
    TKsColor* Bits = Surface.Bits();
    for (int I = 0; I < Surface.Width() * Surface.Height(); ++I) {
        const TKsColor Pixel = Random();
        Bits[I] = BinaryAlpha ? ((Pixel >> 31) ? (Pixel | 0xFF000000u) : 0u) : Pixel;
    }
}

// A skin-like piece: runs of opaque and clear pixels with an anti-aliased pixel between.
void FillSkinLikeAlpha(TKsBitmap& Surface, std::uint32_t Seed) {
    std::mt19937 Random(Seed);
    GdiFlush();
    TKsColor* Pixel = Surface.Bits();
    TKsColor* const End = Pixel + Surface.Width() * Surface.Height();
    bool Opaque = true;
    while (Pixel != End) {
        for (int Run = 8 + int(Random() % 56); Run > 0 && Pixel != End; --Run)
            *Pixel++ = Opaque ? (0xFF000000u | (Random() & 0xFFFFFF)) : 0u;
        if (Pixel != End)
            *Pixel++ = (Random() | 0x01000000u) & 0xFEFFFFFFu;
        Opaque = !Opaque;
    }
}

// A skin-like picture: soft gradients with few distinct colours.
void FillSkinLike(TKsBitmap& Surface) {
    Surface.FillGradient(RECT{0, 0, Width, Height / 2}, 0xFF3A6EA5u, true, 0xFFD8E4F8u);
    Surface.FillGradient(RECT{0, Height / 2, Width, Height}, 0xFFE0C080u, false, 0xFF205020u);
}

struct TResult {
    std::string Name;
    TBenchTiming Time;   // microseconds per call
    double MemcpyShare; // the memcpy's median time over the operation's
};

// Times Operation against the memcpy of a whole surface, in alternating samples.
TResult Measure(const std::string& Name, const std::function<void()>& Operation,
                const std::function<void()>& Memcpy) {
    const auto [Time, Anchor] = BenchMeasurePair(Operation, Memcpy);
    return {Name, Time, Anchor.Median / Time.Median};
}

double Mpixels(double Microseconds) {
    return Pixels / Microseconds;
}

} // namespace

int main() {
    TKsBitmap Dest, Source, Background, Half, Double;
    Dest.SetSize(Width, Height);
    Source.SetSize(Width, Height);
    Background.SetSize(Width, Height);
    Half.SetSize(Width / 2, Height / 2);
    Double.SetSize(Width * 2, Height * 2);
    FillRandom(Dest, 1, false);
    FillRandom(Source, 2, false);
    FillRandom(Background, 3, false);
    FillRandom(Half, 4, false);
    FillRandom(Double, 5, false);
    const RECT Whole{0, 0, Width, Height};

    std::vector<TKsColor> CopyTarget(size_t(Width) * Height);
    const auto Memcpy = [&] {
        GdiFlush();
        std::memcpy(CopyTarget.data(), Source.Bits(), CopyTarget.size() * sizeof(TKsColor));
    };
    std::vector<TResult> Results;
    const auto MeasureMpixels = [&](const std::string& Name,
                                    const std::function<void()>& Operation) {
        Results.push_back(Measure(Name, Operation, Memcpy));
    };
    MeasureMpixels("memcpy (reference)", Memcpy);

    MeasureMpixels("Fill", [&] { Dest.Fill(0xFF102030u); });
    Dest.SetUseAlpha(false);
    MeasureMpixels("FillRect", [&] { Dest.FillRect(Whole, 0xFF405060u); });
    MeasureMpixels("FillGradient",
                   [&] { Dest.FillGradient(Whole, 0xFF000000u, false, 0xFFFFFFFFu); });

    const TKsAlphaBlendFunc HostAlphaBlend = KsAlphaBlendEntry();
    const TKsKernelPath BestPath = KsKernelPath();
    for (const TKsKernelPath Path : KsKernelPaths) {
        if (!KsKernelPathAvailable(Path))
            continue;
        KsSetKernelPath(Path);
        const std::string Kernel = std::string(" [") + KsKernelPathName(Path) + "]";
        Dest.SetUseAlpha(true);
        MeasureMpixels("FillRect UseAlpha" + Kernel,
                       [&] { Dest.FillRect(Whole, 0x80405060u); });
        Dest.SetUseAlpha(false);
        Source.SetUseAlpha(true);
        KsSetAlphaBlendEntry(nullptr);
        MeasureMpixels("DrawRect UseAlpha, software" + Kernel, [&] { Source.Draw(Dest, 0, 0); });
        MeasureMpixels("MergeOver" + Kernel,
                       [&] { Dest.MergeOver(Background, 0, 0, Whole); });
        FillSkinLikeAlpha(Source, 8);
        MeasureMpixels("DrawRect UseAlpha skin-like, software" + Kernel,
                       [&] { Source.Draw(Dest, 0, 0); });
        FillRandom(Source, 2, false);
        KsSetAlphaBlendEntry(HostAlphaBlend);
    }
    KsSetKernelPath(BestPath);

    // Alphas 0 and 255 only, black under 0: the one kind of source the host blends exactly.
    FillRandom(Source, 6, true);
    KsSetAlphaBlendEntry(nullptr);
    MeasureMpixels("DrawRect UseAlpha 0/255, software", [&] { Source.Draw(Dest, 0, 0); });
    KsSetAlphaBlendEntry(HostAlphaBlend);
    if (HostAlphaBlend)
        MeasureMpixels("DrawRect UseAlpha 0/255, AlphaBlend", [&] { Source.Draw(Dest, 0, 0); });

    Half.SetUseAlpha(true);
    Double.SetUseAlpha(true);
    KsSetAlphaBlendEntry(nullptr);
    MeasureMpixels("StretchDraw software 2x", [&] {
        Half.StretchDraw(Dest, Whole, RECT{0, 0, Width / 2, Height / 2});
    });
    MeasureMpixels("StretchDraw software 0.5x", [&] {
        Double.StretchDraw(Dest, Whole, RECT{0, 0, Width * 2, Height * 2});
    });
    KsSetAlphaBlendEntry(HostAlphaBlend);

    FillSkinLike(Dest);
    MeasureMpixels("ChangeHue, skin-like picture", [&] { Dest.ChangeHue(7); });
    FillRandom(Dest, 7, false);
    MeasureMpixels("ChangeHue, random noise", [&] { Dest.ChangeHue(7); });
    MeasureMpixels("ChangeBrightness", [&] { Dest.ChangeBrightness(1); });

    std::printf("%-46s %9s %21s %10s\n", "operation (1920 x 1080)", "Mpixel/s",
                "(10th..90th pct)", "x memcpy");
    for (const TResult& Result : Results)
        std::printf("%-46s %9.1f  (%8.1f .. %8.1f) %9.1f%%\n", Result.Name.c_str(),
                    Mpixels(Result.Time.Median), Mpixels(Result.Time.High),
                    Mpixels(Result.Time.Low), 100.0 * Result.MemcpyShare);
    return 0;
}
