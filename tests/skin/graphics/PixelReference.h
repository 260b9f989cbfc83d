// Slow, obviously correct per-pixel references for the surface's pixel algorithms, and
// seeded random inputs whose seed is reported with every failure.
#pragma once

#include "skin/graphics/KsLowLevel.h"
#include "skin/graphics/KsPixelOps.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// One byte at a time, exactly as the blend is defined.
inline TKsColor ReferenceBlend(TKsColor Src, TKsColor Dst) {
    const std::uint32_t A = Src >> 24;
    if (A == 255)
        return Src;
    if (A == 0)
        return Dst;
    TKsColor Result = 0;
    for (int Shift = 0; Shift < 32; Shift += 8) {
        const std::uint32_t S = (Src >> Shift) & 0xFF;
        const std::uint32_t D = (Dst >> Shift) & 0xFF;
        const std::uint32_t Byte = ((S * A + 128) >> 8) + ((D * (255 - A) + 128) >> 8);
        EXPECT_LE(Byte, 255u) << std::hex << Src << " over " << Dst;
        Result |= Byte << Shift;
    }
    return Result;
}

// A pixel buffer owned by the test.
struct TTestImage {
    int Width = 0;
    int Height = 0;
    std::vector<TKsColor> Data;

    TTestImage(int W, int H, TKsColor Value = 0)
        : Width(W), Height(H), Data(size_t(W) * H, Value) {}
    TKsPixels View() { return TKsPixels{Data.empty() ? nullptr : Data.data(), Width, Height}; }
    TKsColor& At(int X, int Y) { return Data[size_t(Y) * Width + X]; }
    bool Contains(int X, int Y) const { return X >= 0 && Y >= 0 && X < Width && Y < Height; }
};

class TRandomPixels {
public:
    explicit TRandomPixels(std::uint32_t Seed) : FEngine(Seed) {}

    int Between(int Low, int High) {
        return std::uniform_int_distribution<int>(Low, High)(FEngine);
    }
    std::uint32_t Word() { return FEngine(); }
    // Alphas weighted towards the special values 0 and 255.
    TKsColor Pixel() {
        const std::uint32_t Colour = Word() & 0x00FFFFFFu;
        const int Kind = Between(0, 3);
        const std::uint32_t Alpha = Kind == 0   ? 0
                                    : Kind == 1 ? 255
                                                : std::uint32_t(Between(0, 255));
        return Alpha << 24 | Colour;
    }
    void Fill(TTestImage& Image) {
        for (auto& Pixel : Image.Data)
            Pixel = this->Pixel();
    }
    RECT Rect(int Width, int Height) {
        const int Left = Between(-Width / 2 - 2, Width + 2);
        const int Top = Between(-Height / 2 - 2, Height + 2);
        return RECT{Left, Top, Left + Between(-2, Width + 3), Top + Between(-2, Height + 3)};
    }

private:
    std::mt19937 FEngine;
};

// A seeded case of one image drawn onto another: Rect of From at (X, Y) of Onto, with the
// rectangle and the place reaching past every edge.
struct TRandomTransfer {
    TTestImage From{1, 1};
    TTestImage Onto{1, 1};
    RECT Rect{};
    int X = 0;
    int Y = 0;

    TRandomTransfer(std::uint32_t Seed, int MaxSize) {
        TRandomPixels Random(Seed);
        From = TTestImage(Random.Between(1, MaxSize), Random.Between(1, MaxSize));
        Onto = TTestImage(Random.Between(1, MaxSize), Random.Between(1, MaxSize));
        Random.Fill(From);
        Random.Fill(Onto);
        Rect = Random.Rect(From.Width, From.Height);
        X = Random.Between(-Onto.Width, Onto.Width + 2);
        Y = Random.Between(-Onto.Height, Onto.Height + 2);
    }
};

// Runs Body once with each kernel path the machine offers: plain, SSE2 and AVX2.
template <class Body> void ForEachKernelPath(Body&& Run) {
    const TKsKernelPath Previous = KsKernelPath();
    for (const TKsKernelPath Path : KsKernelPaths) {
        if (!KsKernelPathAvailable(Path))
            continue;
        KsSetKernelPath(Path);
        SCOPED_TRACE(std::string(KsKernelPathName(Path)) + " kernels");
        Run();
    }
    KsSetKernelPath(Previous);
}
