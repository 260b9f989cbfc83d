#include "PixelReference.h"

#include "skin/graphics/KsLowLevel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace {

TEST(KsBlendPixel, MatchesThePerChannelReferenceForEveryAlpha) {
    TRandomPixels Random(7);
    const TKsColor Extremes[] = {0x00000000u, 0x00FFFFFFu, 0xFFFFFFFFu,
                                 0xFF000000u, 0x00FF00FFu, 0x7F7F7F7Fu};
    for (std::uint32_t A = 0; A < 256; ++A) {
        for (int Sample = 0; Sample < 300; ++Sample) {
            const TKsColor Colour =
                Sample < 6 ? Extremes[Sample] & 0x00FFFFFFu : Random.Word() & 0x00FFFFFFu;
            const TKsColor Src = A << 24 | Colour;
            const TKsColor Dst = Sample < 6 ? Extremes[5 - Sample] : Random.Word();
            ASSERT_EQ(KsBlendPixel(Src, Dst), ReferenceBlend(Src, Dst))
                << std::hex << Src << " over " << Dst;
        }
    }
}

TEST(KsBlendPixel, HalfWhiteOverOpaqueBlackLowersTheAlpha) {
    EXPECT_EQ(KsBlendPixel(0x80FFFFFFu, 0xFF000000u), 0xBF808080u);
    EXPECT_EQ(KsBlendPixel(0xFF123456u, 0x00ABCDEFu), 0xFF123456u);
    EXPECT_EQ(KsBlendPixel(0x00123456u, 0x80ABCDEFu), 0x80ABCDEFu);
}

TEST(KsBlendRows, EveryKernelGivesThePixelBlendAtEveryLengthAndOffset) {
    TRandomPixels Random(11);
    for (int Count = 0; Count <= 19; ++Count) {
        for (int Offset = 0; Offset < 4; ++Offset) {
            std::vector<TKsColor> Src(Count + Offset), Dst(Count + Offset);
            for (auto& P : Src)
                P = Random.Pixel();
            for (auto& P : Dst)
                P = Random.Pixel();
            const TKsColor Fill = Random.Pixel();
            std::vector<TKsColor> Over(Count), Under(Count), Filled(Count);
            for (int I = 0; I < Count; ++I) {
                Over[I] = ReferenceBlend(Src[Offset + I], Dst[Offset + I]);
                Under[I] = ReferenceBlend(Dst[Offset + I], Src[Offset + I]);
                Filled[I] = ReferenceBlend(Fill, Dst[Offset + I]);
            }
            ForEachKernelPath([&] {
                std::vector<TKsColor> D = Dst, F = Dst, G = Dst;
                KsBlendRowOver(Src.data() + Offset, D.data() + Offset, Count);
                KsBlendRowUnder(F.data() + Offset, Src.data() + Offset, Count);
                KsBlendRowFill(Fill, G.data() + Offset, Count);
                for (int I = 0; I < Offset; ++I)
                    ASSERT_EQ(D[I], Dst[I]) << "written before the row";
                for (int I = 0; I < Count; ++I) {
                    ASSERT_EQ(D[Offset + I], Over[I]) << Count << "/" << I;
                    ASSERT_EQ(F[Offset + I], Under[I]) << Count << "/" << I;
                    ASSERT_EQ(G[Offset + I], Filled[I]) << Count << "/" << I;
                }
            });
        }
    }
}

TEST(KsBlendRows, RunsOfOpaqueAndClearPixelsGiveThePixelBlend) {
    TRandomPixels Random(12);
    for (int Trial = 0; Trial < 200; ++Trial) {
        const int Count = Random.Between(1, 40);
        std::vector<TKsColor> Src(Count), Dst(Count);
        // Runs of one kind of alpha, so that whole groups of four are opaque or clear.
        for (int I = 0; I < Count;) {
            const int Kind = Random.Between(0, 2);
            for (int Run = Random.Between(1, 9); Run > 0 && I < Count; --Run, ++I) {
                const TKsColor Colour = Random.Word() & 0x00FFFFFFu;
                Src[I] = Kind == 0 ? Colour : Kind == 1 ? (0xFF000000u | Colour) : Random.Pixel();
                Dst[I] = Random.Pixel();
            }
        }
        ForEachKernelPath([&] {
            std::vector<TKsColor> Over = Dst, Under = Src;
            KsBlendRowOver(Src.data(), Over.data(), Count);
            KsBlendRowUnder(Under.data(), Dst.data(), Count);
            for (int I = 0; I < Count; ++I) {
                ASSERT_EQ(Over[I], ReferenceBlend(Src[I], Dst[I])) << Trial << "/" << I;
                ASSERT_EQ(Under[I], ReferenceBlend(Src[I], Dst[I])) << Trial << "/" << I;
            }
        });
    }
}

// Every source byte over every destination byte at every alpha, through each kernel: a
// row per (alpha, destination byte) whose 256 pixels carry every source byte. The colour
// bytes differ from each other so that a lane mixed up with its neighbour shows.
TEST(KsBlendRows, EveryKernelMatchesTheReferenceOnEveryByteAndAlpha) {
    std::vector<TKsColor> Src(256), Dst(256), Expected(256), Row(256);
    ForEachKernelPath([&] {
        for (std::uint32_t A = 0; A < 256; ++A) {
            for (std::uint32_t S = 0; S < 256; ++S)
                Src[S] = A << 24 | S << 16 | (255 - S) << 8 | (S ^ 0xA5);
            for (std::uint32_t D = 0; D < 256; ++D) {
                for (std::uint32_t S = 0; S < 256; ++S) {
                    Dst[S] = D << 24 | (D ^ 0x3C) << 16 | D << 8 | (255 - D);
                    Expected[S] = ReferenceBlend(Src[S], Dst[S]);
                }
                Row = Dst;
                KsBlendRowOver(Src.data(), Row.data(), 256);
                ASSERT_EQ(Row, Expected) << "over, alpha " << A << ", destination " << D;
                Row = Src;
                KsBlendRowUnder(Row.data(), Dst.data(), 256);
                ASSERT_EQ(Row, Expected) << "under, alpha " << A << ", destination " << D;
            }
        }
    });
}

// A translucent fill of every colour byte at every alpha over every destination byte.
TEST(KsBlendRows, FillMatchesTheReferenceOnEveryByteAndAlpha) {
    std::vector<TKsColor> Dst(256), Expected(256), Row(256);
    for (std::uint32_t D = 0; D < 256; ++D)
        Dst[D] = D << 24 | (D ^ 0x3C) << 16 | D << 8 | (255 - D);
    ForEachKernelPath([&] {
        for (std::uint32_t A = 0; A < 256; ++A) {
            for (std::uint32_t S = 0; S < 256; ++S) {
                const TKsColor Fill = A << 24 | S << 16 | (255 - S) << 8 | (S ^ 0xA5);
                for (std::uint32_t D = 0; D < 256; ++D)
                    Expected[D] = ReferenceBlend(Fill, Dst[D]);
                Row = Dst;
                KsBlendRowFill(Fill, Row.data(), 256);
                ASSERT_EQ(Row, Expected) << std::hex << "fill " << Fill;
            }
        }
    });
}

// Every channel byte at the alphas that matter (clear, faint, half, opaque) moved by every
// amount up to past both ends, and by amounts far enough out to overflow a careless sum.
TEST(KsBrightenRow, EveryPathMatchesThePerChannelClampOnEveryByte) {
    const auto Reference = [](TKsColor Pixel, int Delta) {
        if (Pixel >> 24 == 0)
            return Pixel;
        TKsColor Result = 0xFF000000u;
        for (int Shift = 0; Shift < 24; Shift += 8) {
            const std::int64_t Channel = std::int64_t((Pixel >> Shift) & 0xFF) + Delta;
            Result |= TKsColor(std::clamp<std::int64_t>(Channel, 0, 255)) << Shift;
        }
        return Result;
    };
    std::vector<TKsColor> Pixels;
    for (const std::uint32_t A : {0u, 1u, 127u, 254u, 255u})
        for (std::uint32_t X = 0; X < 256; ++X)
            Pixels.push_back(A << 24 | X << 16 | (255 - X) << 8 | (X ^ 0x5A));
    std::vector<int> Deltas = {INT_MIN, -100000, 100000, INT_MAX};
    for (int Delta = -260; Delta <= 260; ++Delta)
        Deltas.push_back(Delta);
    ForEachKernelPath([&] {
        for (const int Delta : Deltas) {
            std::vector<TKsColor> Row = Pixels;
            KsBrightenRow(Row.data(), int(Row.size()), Delta);
            for (size_t I = 0; I < Row.size(); ++I)
                ASSERT_EQ(Row[I], Reference(Pixels[I], Delta))
                    << std::hex << Pixels[I] << std::dec << " by " << Delta;
        }
    });
}

TEST(KsKernelPaths, StartOnTheBestPathAndFallBackBelowAnUnavailableOne) {
    const TKsKernelPath Start = KsKernelPath();
    // Asking for the widest path gives the best one the machine offers.
    KsSetKernelPath(TKsKernelPath::Avx2);
    EXPECT_EQ(KsKernelPath(), Start);
    EXPECT_TRUE(KsKernelPathAvailable(Start));
    EXPECT_TRUE(KsKernelPathAvailable(TKsKernelPath::Plain));
    for (const TKsKernelPath Path : KsKernelPaths) {
        if (Path > Start) {
            EXPECT_FALSE(KsKernelPathAvailable(Path)) << KsKernelPathName(Path);
        }
    }
    EXPECT_EQ(KsSetKernelPath(TKsKernelPath::Plain), Start);
    EXPECT_EQ(KsSetKernelPath(Start), TKsKernelPath::Plain);
}

TEST(KsFills, WriteExactlyTheirPixels) {
    std::vector<TKsColor> Row(6, 0x11223344u);
    FillLongword(Row.data() + 1, 0, 0xFFu);
    FillLongword(Row.data() + 1, -3, 0xFFu);
    EXPECT_EQ(Row, std::vector<TKsColor>(6, 0x11223344u));
    FillLongword(Row.data() + 1, 4, 0xABu);
    EXPECT_EQ(Row, (std::vector<TKsColor>{0x11223344u, 0xAB, 0xAB, 0xAB, 0xAB, 0x11223344u}));
    FillAlpha(Row.data(), 2, 0x80);
    EXPECT_EQ(Row[0], 0x80223344u);
    EXPECT_EQ(Row[1], 0x800000ABu);
    EXPECT_EQ(Row[2], 0xABu);
}

TEST(KsFills, EveryPathFillsExactlyTheRowAtEveryLength) {
    for (int Count = -1; Count <= 13; ++Count)
        ForEachKernelPath([&] {
            std::vector<TKsColor> Row(16, 0x11223344u);
            FillLongword(Row.data() + 1, Count, 0xCAFEF00Du);
            std::vector<TKsColor> Alphas(16, 0x11223344u);
            FillAlpha(Alphas.data() + 1, Count, 0x9A);
            for (int I = 0; I < 16; ++I) {
                const bool Inside = I >= 1 && I <= Count;
                ASSERT_EQ(Row[I], Inside ? 0xCAFEF00Du : 0x11223344u) << Count << "/" << I;
                ASSERT_EQ(Alphas[I], Inside ? 0x9A223344u : 0x11223344u) << Count << "/" << I;
            }
        });
}

TEST(KsFills, RectanglesIncludeBothCorners) {
    TTestImage Image(5, 4, 0xFF000000u);
    FillLongwordRect(Image.Data.data(), 5, 0x01020304u, 1, 1, 3, 2);
    FillAlphaRect(Image.Data.data(), 5, 0x40, 0, 2, 4, 3);
    for (int Y = 0; Y < 4; ++Y)
        for (int X = 0; X < 5; ++X) {
            const bool Filled = X >= 1 && X <= 3 && Y >= 1 && Y <= 2;
            const TKsColor Colour = Filled ? 0x020304u : 0u;
            const TKsColor Alpha = Y >= 2 ? 0x40u : (Filled ? 0x01u : 0xFFu);
            EXPECT_EQ(Image.At(X, Y), Alpha << 24 | Colour) << X << "," << Y;
        }
}

} // namespace
