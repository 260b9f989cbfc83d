// Measures the surface operations on 1920 x 1080 surfaces and prints, for each, million
// pixels per second and the ratio to a memcpy of the same bytes. Blending operations run
// with each row kernel path the processor offers (plain, SSE2, AVX2).
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

double Seconds() {
    static LARGE_INTEGER Frequency{};
    if (!Frequency.QuadPart)
        QueryPerformanceFrequency(&Frequency);
    LARGE_INTEGER Now;
    QueryPerformanceCounter(&Now);
    return double(Now.QuadPart) / double(Frequency.QuadPart);
}

// The best of several runs, each long enough to be measured well: million pixels per second.
double MeasureMpixels(const std::function<void()>& Operation) {
    Operation();
    double Best = 0;
    for (int Run = 0; Run < 5; ++Run) {
        int Count = 0;
        const double Start = Seconds();
        double Elapsed = 0;
        do {
            Operation();
            ++Count;
            Elapsed = Seconds() - Start;
        } while (Elapsed < 0.15);
        Best = std::max(Best, Count * Pixels / Elapsed / 1e6);
    }
    return Best;
}

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
    double Mpixels;
};

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
    std::vector<TResult> Results;
    const double Memcpy = MeasureMpixels([&] {
        GdiFlush();
        std::memcpy(CopyTarget.data(), Source.Bits(), CopyTarget.size() * sizeof(TKsColor));
    });
    Results.push_back({"memcpy (reference)", Memcpy});

    Results.push_back({"Fill", MeasureMpixels([&] { Dest.Fill(0xFF102030u); })});
    Dest.SetUseAlpha(false);
    Results.push_back({"FillRect", MeasureMpixels([&] { Dest.FillRect(Whole, 0xFF405060u); })});
    Results.push_back({"FillGradient", MeasureMpixels([&] {
                           Dest.FillGradient(Whole, 0xFF000000u, false, 0xFFFFFFFFu);
                       })});

    const TKsAlphaBlendFunc HostAlphaBlend = KsAlphaBlendEntry();
    const TKsKernelPath BestPath = KsKernelPath();
    for (const TKsKernelPath Path : KsKernelPaths) {
        if (!KsKernelPathAvailable(Path))
            continue;
        KsSetKernelPath(Path);
        const std::string Kernel = std::string(" [") + KsKernelPathName(Path) + "]";
        Dest.SetUseAlpha(true);
        Results.push_back({"FillRect UseAlpha" + Kernel,
                           MeasureMpixels([&] { Dest.FillRect(Whole, 0x80405060u); })});
        Dest.SetUseAlpha(false);
        Source.SetUseAlpha(true);
        KsSetAlphaBlendEntry(nullptr);
        Results.push_back({"DrawRect UseAlpha, software" + Kernel,
                           MeasureMpixels([&] { Source.Draw(Dest, 0, 0); })});
        Results.push_back({"MergeOver" + Kernel,
                           MeasureMpixels([&] { Dest.MergeOver(Background, 0, 0, Whole); })});
        FillSkinLikeAlpha(Source, 8);
        Results.push_back({"DrawRect UseAlpha skin-like, software" + Kernel,
                           MeasureMpixels([&] { Source.Draw(Dest, 0, 0); })});
        FillRandom(Source, 2, false);
        KsSetAlphaBlendEntry(HostAlphaBlend);
    }
    KsSetKernelPath(BestPath);

    // Alphas 0 and 255 only, black under 0: the one kind of source the host blends exactly.
    FillRandom(Source, 6, true);
    KsSetAlphaBlendEntry(nullptr);
    Results.push_back(
        {"DrawRect UseAlpha 0/255, software", MeasureMpixels([&] { Source.Draw(Dest, 0, 0); })});
    KsSetAlphaBlendEntry(HostAlphaBlend);
    if (HostAlphaBlend)
        Results.push_back({"DrawRect UseAlpha 0/255, AlphaBlend",
                           MeasureMpixels([&] { Source.Draw(Dest, 0, 0); })});

    Half.SetUseAlpha(true);
    Double.SetUseAlpha(true);
    KsSetAlphaBlendEntry(nullptr);
    Results.push_back({"StretchDraw software 2x", MeasureMpixels([&] {
                           Half.StretchDraw(Dest, Whole, RECT{0, 0, Width / 2, Height / 2});
                       })});
    Results.push_back({"StretchDraw software 0.5x", MeasureMpixels([&] {
                           Double.StretchDraw(Dest, Whole, RECT{0, 0, Width * 2, Height * 2});
                       })});
    KsSetAlphaBlendEntry(HostAlphaBlend);

    FillSkinLike(Dest);
    Results.push_back({"ChangeHue, skin-like picture", MeasureMpixels([&] { Dest.ChangeHue(7); })});
    FillRandom(Dest, 7, false);
    Results.push_back({"ChangeHue, random noise", MeasureMpixels([&] { Dest.ChangeHue(7); })});
    Results.push_back({"ChangeBrightness", MeasureMpixels([&] { Dest.ChangeBrightness(1); })});

    std::printf("%-46s %12s %10s\n", "operation (1920 x 1080)", "Mpixel/s", "x memcpy");
    for (const TResult& Result : Results)
        std::printf("%-46s %12.1f %9.1f%%\n", Result.Name.c_str(), Result.Mpixels,
                    100.0 * Result.Mpixels / Memcpy);
    return 0;
}
