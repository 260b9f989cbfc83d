// The surface's pixel algorithms against slow references on seeded random inputs: random
// sizes, offsets and rectangles reaching past every edge. A failure names its seed.
#include "PixelReference.h"

#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsPixelOps.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int RandomCases = 2500;

void ReferenceBlendRect(TTestImage& Src, const RECT& R, TTestImage& Dst, int X, int Y) {
    for (int Sy = R.top; Sy < R.bottom; ++Sy)
        for (int Sx = R.left; Sx < R.right; ++Sx) {
            const int Dx = X + Sx - R.left, Dy = Y + Sy - R.top;
            if (Src.Contains(Sx, Sy) && Dst.Contains(Dx, Dy))
                Dst.At(Dx, Dy) = ReferenceBlend(Src.At(Sx, Sy), Dst.At(Dx, Dy));
        }
}

void ReferenceMergeOver(TTestImage& Fg, TTestImage& Back, int X, int Y, const RECT& R) {
    for (int F = R.top; F < R.bottom; ++F)
        for (int E = R.left; E < R.right; ++E) {
            const int Fx = X + E - R.left, Fy = Y + F - R.top;
            if (Back.Contains(E, F) && Fg.Contains(Fx, Fy))
                Fg.At(Fx, Fy) = ReferenceBlend(Fg.At(Fx, Fy), Back.At(E, F));
        }
}

// Destination pixel (x, y) of the stretch takes source column Src.left + floor(u), where u
// runs from the scaled start by the scaled step; computed per pixel in 64-bit arithmetic.
void ReferenceStretch(TTestImage& Src, const RECT& S, TTestImage& Dst, const RECT& D) {
    const RECT C{std::max<LONG>(D.left, 0), std::max<LONG>(D.top, 0),
                 std::min<LONG>(D.right, Dst.Width), std::min<LONG>(D.bottom, Dst.Height)};
    const long long Sw = S.right - S.left, Sh = S.bottom - S.top;
    const long long Dw = D.right - D.left, Dh = D.bottom - D.top;
    const long long X0 = MulDiv(int(Sw * (C.left - D.left)), 65535, int(Dw));
    const long long Y0 = MulDiv(int(Sh * (C.top - D.top)), 65535, int(Dh));
    for (int Y = C.top; Y < C.bottom; ++Y)
        for (int X = C.left; X < C.right; ++X) {
            const long long U = (X0 + (X - C.left) * ((Sw << 16) / Dw)) & 0xFFFFFFFFll;
            const long long V = Y0 + (Y - C.top) * ((Sh << 16) / Dh);
            const int Sx = int(S.left + (U >> 16)), Sy = int(S.top + (V >> 16));
            if (Src.Contains(Sx, Sy))
                Dst.At(X, Y) = ReferenceBlend(Src.At(Sx, Sy), Dst.At(X, Y));
        }
}

bool HasArea(const RECT& R) {
    return R.right > R.left && R.bottom > R.top;
}

TEST(PixelOpsRandom, BlendRectMatchesTheReference) {
    ForEachKernelPath([] {
        for (int Seed = 1000; Seed < 1000 + RandomCases; ++Seed) {
            TRandomTransfer Case(Seed, 40);
            TTestImage Expected = Case.Onto;
            ReferenceBlendRect(Case.From, Case.Rect, Expected, Case.X, Case.Y);
            KsBlendRect(Case.From.View(), Case.Rect, Case.Onto.View(), Case.X, Case.Y);
            ASSERT_EQ(Case.Onto.Data, Expected.Data) << "seed " << Seed;
        }
    });
}

// Here the rectangle is in the background (From) and the foreground (Onto) changes.
TEST(PixelOpsRandom, MergeOverMatchesTheReference) {
    ForEachKernelPath([] {
        for (int Seed = 5000; Seed < 5000 + RandomCases; ++Seed) {
            TRandomTransfer Case(Seed, 40);
            TTestImage Expected = Case.Onto;
            ReferenceMergeOver(Expected, Case.From, Case.X, Case.Y, Case.Rect);
            KsMergeOver(Case.Onto.View(), Case.From.View(), Case.X, Case.Y, Case.Rect);
            ASSERT_EQ(Case.Onto.Data, Expected.Data) << "seed " << Seed;
        }
    });
}

TEST(PixelOpsRandom, StretchMatchesTheReference) {
    ForEachKernelPath([] {
        for (int Seed = 0; Seed < RandomCases; ++Seed) {
            TRandomPixels Random(9000 + Seed);
            TTestImage Src(Random.Between(1, 30), Random.Between(1, 30));
            TTestImage Dst(Random.Between(1, 50), Random.Between(1, 50));
            Random.Fill(Src);
            Random.Fill(Dst);
            const RECT S = Random.Rect(Src.Width, Src.Height);
            const RECT D = Random.Rect(Dst.Width, Dst.Height);
            TTestImage Expected = Dst;
            const RECT SrcClip{std::max<LONG>(S.left, 0), std::max<LONG>(S.top, 0),
                               std::min<LONG>(S.right, Src.Width),
                               std::min<LONG>(S.bottom, Src.Height)};
            if (HasArea(SrcClip) && HasArea(D))
                ReferenceStretch(Src, S, Expected, D);
            KsStretchBlend(Src.View(), S, Dst.View(), D);
            ASSERT_EQ(Dst.Data, Expected.Data) << "seed " << 9000 + Seed;
        }
    });
}

TEST(PixelOpsRandom, FillsMatchTheReference) {
    ForEachKernelPath([] {
        for (int Seed = 0; Seed < RandomCases; ++Seed) {
            TRandomPixels Random(13000 + Seed);
            TTestImage Image(Random.Between(1, 40), Random.Between(1, 30));
            Random.Fill(Image);
            const RECT R = Random.Rect(Image.Width, Image.Height);
            const TKsColor Colour = Random.Pixel();
            const bool Blend = Random.Between(0, 1) == 1;
            TTestImage Expected = Image;
            for (int Y = 0; Y < Image.Height; ++Y)
                for (int X = 0; X < Image.Width; ++X)
                    if (X >= R.left && X < R.right && Y >= R.top && Y < R.bottom)
                        Expected.At(X, Y) =
                            Blend ? ReferenceBlend(Colour, Expected.At(X, Y)) : Colour;
            KsFillRect(Image.View(), R, Colour, Blend);
            ASSERT_EQ(Image.Data, Expected.Data) << "seed " << 13000 + Seed;
        }
    });
}

TEST(PixelOpsRandom, FrameMatchesTheReferenceAndDropsLinesOutside) {
    for (int Seed = 0; Seed < RandomCases; ++Seed) {
        TRandomPixels Random(17000 + Seed);
        TTestImage Image(Random.Between(1, 30), Random.Between(1, 30));
        Random.Fill(Image);
        const RECT R = Random.Rect(Image.Width, Image.Height);
        const TKsColor TopLeft = Random.Pixel(), BottomRight = Random.Pixel();
        TTestImage Expected = Image;
        auto Put = [&](int X, int Y, TKsColor C) {
            if (Expected.Contains(X, Y))
                Expected.At(X, Y) = ReferenceBlend(C, Expected.At(X, Y));
        };
        if (HasArea(R)) {
            for (int X = R.left; X <= R.right - 2; ++X)
                Put(X, R.top, TopLeft);
            for (int Y = R.top; Y <= R.bottom - 2; ++Y)
                Put(R.left, Y, TopLeft);
            for (int X = R.left; X <= R.right - 1; ++X)
                Put(X, R.bottom - 1, BottomRight);
            for (int Y = R.top; Y <= R.bottom - 2; ++Y)
                Put(R.right - 1, Y, BottomRight);
        }
        KsFrameRect3D(Image.View(), R, TopLeft, BottomRight);
        ASSERT_EQ(Image.Data, Expected.Data) << "seed " << 17000 + Seed;
    }
}

TEST(PixelOps, StretchTwiceRepeatsEachSourcePixelAndHalfTakesEveryOther) {
    TTestImage Src(4, 1);
    Src.Data = {0xFF000001u, 0xFF000002u, 0xFF000003u, 0xFF000004u};
    TTestImage Wide(8, 1);
    KsStretchBlend(Src.View(), RECT{0, 0, 4, 1}, Wide.View(), RECT{0, 0, 8, 1});
    EXPECT_EQ(Wide.Data,
              (std::vector<TKsColor>{0xFF000001u, 0xFF000001u, 0xFF000002u, 0xFF000002u,
                                     0xFF000003u, 0xFF000003u, 0xFF000004u, 0xFF000004u}));
    TTestImage Narrow(2, 1);
    KsStretchBlend(Src.View(), RECT{0, 0, 4, 1}, Narrow.View(), RECT{0, 0, 2, 1});
    EXPECT_EQ(Narrow.Data, (std::vector<TKsColor>{0xFF000001u, 0xFF000003u}));
}

TEST(PixelOps, StretchClippedOnTheLeftScalesItsStartBy65535) {
    TTestImage Src(4, 1);
    Src.Data = {0xFF000001u, 0xFF000002u, 0xFF000003u, 0xFF000004u};
    TTestImage Dst(6, 1);
    // Destination (-2 .. 6): the visible part starts at 4 * 2 * 65535 / 8, just short of
    // source column 1, so the first visible pixel still shows column 0.
    KsStretchBlend(Src.View(), RECT{0, 0, 4, 1}, Dst.View(), RECT{-2, 0, 6, 1});
    EXPECT_EQ(Dst.Data, (std::vector<TKsColor>{0xFF000001u, 0xFF000002u, 0xFF000002u, 0xFF000003u,
                                               0xFF000003u, 0xFF000004u}));
}

TEST(PixelOps, StretchNeverReadsOutsideTheSource) {
    TTestImage Src(2, 2, 0xFF0000FFu);
    TTestImage Dst(8, 8, 0xFF00FF00u);
    // Half of the source rectangle lies right of the surface: those samples draw nothing.
    KsStretchBlend(Src.View(), RECT{0, 0, 4, 2}, Dst.View(), RECT{0, 0, 8, 8});
    for (int Y = 0; Y < 8; ++Y)
        for (int X = 0; X < 8; ++X)
            EXPECT_EQ(Dst.At(X, Y), X < 4 ? 0xFF0000FFu : 0xFF00FF00u) << X << "," << Y;
}

TEST(PixelOps, MergeOverNeverWrapsIntoTheNextRowOrBeforeTheSurface) {
    TTestImage Fg(3, 3, 0x00000000u);
    TTestImage Back(6, 6, 0xFFABCDEFu);
    KsMergeOver(Fg.View(), Back.View(), 1, -1, RECT{0, 0, 6, 6});
    for (int Y = 0; Y < 3; ++Y)
        for (int X = 0; X < 3; ++X)
            EXPECT_EQ(Fg.At(X, Y), X >= 1 ? 0xFFABCDEFu : 0u) << X << "," << Y;
}

TEST(PixelOps, BlendRectPlacesAClippedSourceAsABitBlockTransferWould) {
    TTestImage Src(2, 2);
    Src.Data = {0xFF000001u, 0xFF000002u, 0xFF000003u, 0xFF000004u};
    TTestImage Dst(4, 4);
    // The source rectangle starts one pixel left of and above the surface.
    KsBlendRect(Src.View(), RECT{-1, -1, 2, 2}, Dst.View(), 0, 0);
    EXPECT_EQ(Dst.At(0, 0), 0u);
    EXPECT_EQ(Dst.At(1, 1), 0xFF000001u);
    EXPECT_EQ(Dst.At(2, 2), 0xFF000004u);
}

TEST(PixelOps, GradientBandsStopShortOfTheEndColour) {
    TTestImage Image(12, 2, 0x12345678u);
    KsFillGradient(Image.View(), RECT{1, 0, 11, 2}, 0xFF000000u, false, 0xFF0A0A0Au, false);
    for (int X = 1; X < 11; ++X) {
        const TKsColor Level = TKsColor(X - 1);
        EXPECT_EQ(Image.At(X, 1), 0xFF000000u | Level << 16 | Level << 8 | Level) << X;
    }
    EXPECT_EQ(Image.At(0, 0), 0x12345678u);
    EXPECT_EQ(Image.At(11, 0), 0x12345678u);
}

TEST(PixelOps, GradientRoundsTiesToEvenOnEveryChannel) {
    // Four steps from 0 to 2: 0, 0.5, 1, 1.5 round to 0, 0, 1, 2.
    const TKsColor From = 0x00000000u, To = 0x02020202u;
    EXPECT_EQ(KsGradientBandColor(From, To, 0, 4), 0x00000000u);
    EXPECT_EQ(KsGradientBandColor(From, To, 1, 4), 0x00000000u);
    EXPECT_EQ(KsGradientBandColor(From, To, 2, 4), 0x01010101u);
    EXPECT_EQ(KsGradientBandColor(From, To, 3, 4), 0x02020202u);
    // Falling channels: 255 towards 0 over 2 steps gives 255 then 127.5 -> 128.
    EXPECT_EQ(KsGradientBandColor(0xFF0000FFu, 0x00000000u, 1, 2), 0x80000080u);
}

TEST(PixelOps, LongVerticalGradientUses255BandsCoveringEveryRow) {
    TTestImage Image(1, 600, 0);
    KsFillGradient(Image.View(), RECT{0, 0, 1, 600}, 0xFF000000u, true, 0xFFFF0000u, false);
    EXPECT_EQ(Image.At(0, 0), 0xFF000000u);
    EXPECT_EQ(Image.At(0, 599), 0xFFFE0000u);
    for (int Y = 1; Y < 600; ++Y)
        ASSERT_GE(Image.At(0, Y), Image.At(0, Y - 1)) << Y;
}

TEST(PixelOps, DitherPutsDotsWhereColumnAndRowShareParity) {
    TTestImage Image(5, 4, 0);
    KsFillDither(Image.View(), RECT{1, 1, 9, 9}, 0xFF111111u, 0xFF222222u, false);
    for (int Y = 0; Y < 4; ++Y)
        for (int X = 0; X < 5; ++X) {
            const TKsColor Want =
                (X < 1 || Y < 1) ? 0u : ((X + Y) % 2 == 0 ? 0xFF222222u : 0xFF111111u);
            EXPECT_EQ(Image.At(X, Y), Want) << X << "," << Y;
        }
}

TEST(PixelOps, ReplaceByTransparentIgnoresAlphaInTheComparison) {
    TTestImage Image(3, 1);
    Image.Data = {0xFFFF00FFu, 0x10FF00FFu, 0xFFFF00FEu};
    KsReplaceByTransparent(Image.View(), 0xFFFF00FFu);
    EXPECT_EQ(Image.Data, (std::vector<TKsColor>{KsTransparent, KsTransparent, 0xFFFF00FEu}));
}

TEST(PixelOps, SetAlphaRectClipsAndKeepsColours) {
    TTestImage Image(3, 3, 0xFF123456u);
    KsSetAlphaRect(Image.View(), RECT{2, -5, 10, 2}, 0x33);
    KsSetAlphaRect(Image.View(), RECT{1, 1, 1, 3}, 0x00);
    for (int Y = 0; Y < 3; ++Y)
        for (int X = 0; X < 3; ++X)
            EXPECT_EQ(Image.At(X, Y), (X == 2 && Y < 2) ? 0x33123456u : 0xFF123456u);
}

TEST(PixelOps, HueAndBrightnessLeaveTransparentPixelsAlone) {
    TTestImage Image(4, 1);
    Image.Data = {0x00FF0000u, 0x80FF0000u, 0xFF808080u, 0x01000000u};
    KsChangeHue(Image.View(), 85);
    EXPECT_EQ(Image.Data,
              (std::vector<TKsColor>{0x00FF0000u, 0xFF00FF00u, 0xFF808080u, 0xFF000000u}));
    KsChangeBrightness(Image.View(), 100);
    EXPECT_EQ(Image.Data,
              (std::vector<TKsColor>{0x00FF0000u, 0xFF64FF64u, 0xFFE4E4E4u, 0xFF646464u}));
}

TEST(PixelOps, HueChangeOfAWholeImageEqualsThePixelFunction) {
    TRandomPixels Random(21);
    TTestImage Image(97, 61);
    Random.Fill(Image);
    // Few distinct colours repeat, as in a skin, and many distinct ones do not.
    for (int I = 0; I < 2000; ++I)
        Image.Data[size_t(Random.Between(0, int(Image.Data.size()) - 1))] = 0xFF3366CCu;
    for (const int Delta : {-300, -1, 0, 77, 255, 400}) {
        TTestImage Changed = Image;
        KsChangeHue(Changed.View(), Delta);
        for (size_t I = 0; I < Image.Data.size(); ++I) {
            const TKsColor Want =
                (Image.Data[I] >> 24) ? KsColorChangeHue(Image.Data[I], Delta) : Image.Data[I];
            ASSERT_EQ(Changed.Data[I], Want) << "pixel " << I << " delta " << Delta;
        }
    }
}

TEST(PixelOps, AlphaContentTellsWhereTheHostBlendIsExact) {
    TTestImage Image(3, 1);
    Image.Data = {0xFF000000u, 0xFFFFFFFFu, 0x00000000u};
    EXPECT_EQ(KsAlphaContentOf(Image.View(), RECT{0, 0, 2, 1}), TKsAlphaContent::Opaque);
    EXPECT_EQ(KsAlphaContentOf(Image.View(), RECT{0, 0, 3, 1}), TKsAlphaContent::ClearBlack);
    Image.Data[2] = KsTransparent;
    EXPECT_EQ(KsAlphaContentOf(Image.View(), RECT{0, 0, 3, 1}), TKsAlphaContent::Other);
    Image.Data[2] = 0xFE000000u;
    EXPECT_EQ(KsAlphaContentOf(Image.View(), RECT{0, 0, 3, 1}), TKsAlphaContent::Other);
    EXPECT_EQ(KsAlphaContentOf(Image.View(), RECT{-5, -5, 2, 9}), TKsAlphaContent::Opaque);
}

} // namespace
