// Drawing surfaces onto surfaces: copies, blends through both the host's AlphaBlend and the
// surface's own path, stretches, tiles, nine-slices and composition, clipped at every edge.
#include "SurfaceTestSupport.h"

#include <gtest/gtest.h>

namespace {

int AlphaBlendCalls = 0;
TKsAlphaBlendFunc HostAlphaBlend = nullptr;

BOOL WINAPI CountingAlphaBlend(HDC Dst, int X, int Y, int W, int H, HDC Src, int SX, int SY, int SW,
                               int SH, BLENDFUNCTION Blend) {
    ++AlphaBlendCalls;
    return HostAlphaBlend(Dst, X, Y, W, H, Src, SX, SY, SW, SH, Blend);
}

// Where the host's AlphaBlend is used, it is watched, so tests can tell which path ran.
class TWatchedAlphaBlend {
public:
    TWatchedAlphaBlend() : FGuard(KsAlphaBlendEntry() ? &CountingAlphaBlend : nullptr) {
        HostAlphaBlend = FGuard.Previous();
        AlphaBlendCalls = 0;
    }

private:
    TAlphaBlendEntryGuard FGuard;
};

TTestImage SourceWithAlphas(std::uint32_t Seed, int W, int H, bool OnlyClearBlackOrOpaque) {
    TRandomPixels Random(Seed);
    TTestImage Image(W, H);
    for (auto& Pixel : Image.Data) {
        Pixel = Random.Pixel();
        if (OnlyClearBlackOrOpaque)
            Pixel = (Pixel >> 24) >= 128 ? (Pixel | 0xFF000000u) : 0u;
    }
    return Image;
}

TEST(KsBitmapDrawRect, WithoutAlphaCopiesEveryByte) {
    TTestImage Image = SourceWithAlphas(3, 5, 4, false);
    TKsBitmap Src;
    CopyInto(Src, Image);
    auto Dst = MakeSurface(5, 4, 0xFFFFFFFFu);
    Src.Draw(*Dst, 0, 0);
    EXPECT_EQ(ImageOf(*Dst).Data, Image.Data);
}

TEST(KsBitmapDrawRect, BothBlendPathsGiveTheSoftwareResultOnRandomInputs) {
    for (int Seed = 0; Seed < 300; ++Seed) {
        TRandomPixels Random(40000 + Seed);
        const bool Binary = Seed % 3 != 0;
        const TTestImage SrcImage =
            SourceWithAlphas(40000 + Seed, Random.Between(1, 24), Random.Between(1, 24), Binary);
        TTestImage DstImage(Random.Between(1, 24), Random.Between(1, 24));
        Random.Fill(DstImage);
        const RECT R = Random.Rect(SrcImage.Width, SrcImage.Height);
        const int X = Random.Between(-10, 26), Y = Random.Between(-10, 26);
        TTestImage Expected = DstImage;
        TTestImage SrcCopy = SrcImage;
        KsBlendRect(SrcCopy.View(), R, Expected.View(), X, Y);
        ForBothBlendPaths([&] {
            TKsBitmap Src, Dst;
            CopyInto(Src, SrcImage);
            CopyInto(Dst, DstImage);
            Src.SetUseAlpha(true);
            Src.DrawRect(Dst, X, Y, R);
            ASSERT_EQ(ImageOf(Dst).Data, Expected.Data) << "seed " << 40000 + Seed;
        });
    }
}

TEST(KsBitmapDrawRect, HostAlphaBlendIsUsedOnlyWhereItIsExact) {
    if (!KsAlphaBlendEntry())
        GTEST_SKIP() << "the host has no AlphaBlend";
    const TWatchedAlphaBlend Watch;
    auto Dst = MakeSurface(4, 4, 0xFF808080u);
    TKsBitmap Src;
    Src.SetUseAlpha(true);
    TTestImage Image(4, 4, 0xFF112233u);
    Image.At(1, 1) = 0;
    CopyInto(Src, Image);
    Src.Draw(*Dst, 0, 0);
    EXPECT_EQ(AlphaBlendCalls, 1);
    EXPECT_EQ(Dst->Pixels(1, 1), 0xFF808080u);
    // Colour under alpha 0 (the transparent key) would be added by the host: not used.
    Src.SetPixels(1, 1, KsTransparent);
    Src.Draw(*Dst, 0, 0);
    EXPECT_EQ(AlphaBlendCalls, 1);
    EXPECT_EQ(Dst->Pixels(1, 1), 0xFF808080u);
    // Partial alpha rounds differently in the host: not used either.
    Src.SetPixels(1, 1, 0x80FFFFFFu);
    Src.Draw(*Dst, 0, 0);
    EXPECT_EQ(AlphaBlendCalls, 1);
    EXPECT_EQ(Dst->Pixels(1, 1), KsBlendPixel(0x80FFFFFFu, 0xFF808080u));
}

TEST(KsBitmapDrawRect, TransparentKeyLeavesTheDestinationOnBothPaths) {
    ForBothBlendPaths([] {
        auto Src = MakeSurface(3, 3, KsTransparent);
        Src->SetUseAlpha(true);
        auto Dst = MakeSurface(3, 3, 0xFF204060u);
        Src->Draw(*Dst, 0, 0);
        EXPECT_EQ(ImageOf(*Dst).Data, TTestImage(3, 3, 0xFF204060u).Data);
    });
}

TEST(KsBitmapDrawRect, ClipsAtEveryEdgeOnBothPaths) {
    const POINT Offsets[] = {{-2, 1}, {1, -2}, {4, 1}, {1, 4}, {-2, -2}, {4, 4}};
    for (const POINT Offset : Offsets) {
        ForBothBlendPaths([&] {
            for (const bool Alpha : {false, true}) {
                auto Src = MakeSurface(3, 3, 0xFF0000FFu);
                Src->SetUseAlpha(Alpha);
                auto Dst = MakeSurface(5, 5, 0xFF00FF00u);
                Src->Draw(*Dst, Offset.x, Offset.y);
                TTestImage Want(5, 5, 0xFF00FF00u);
                for (int Y = 0; Y < 3; ++Y)
                    for (int X = 0; X < 3; ++X)
                        if (Want.Contains(Offset.x + X, Offset.y + Y))
                            Want.At(Offset.x + X, Offset.y + Y) = 0xFF0000FFu;
                EXPECT_EQ(ImageOf(*Dst).Data, Want.Data)
                    << Offset.x << "," << Offset.y << " alpha " << Alpha;
            }
        });
    }
}

TEST(KsBitmapStretchDraw, AlphaStretchUsesTheNearestNeighbourPathOnBothHosts) {
    TTestImage Image = SourceWithAlphas(77, 7, 5, false);
    for (const RECT Dst : {RECT{-3, 2, 11, 13}, RECT{1, 1, 5, 4}, RECT{6, -4, 20, 9},
                           RECT{2, 6, 14, 15}, RECT{-9, -9, 30, 30}}) {
        TTestImage Expected(12, 10, 0xFF405060u);
        KsStretchBlend(Image.View(), RECT{0, 0, 7, 5}, Expected.View(), Dst);
        ForBothBlendPaths([&] {
            TKsBitmap Src;
            CopyInto(Src, Image);
            Src.SetUseAlpha(true);
            auto Target = MakeSurface(12, 10, 0xFF405060u);
            Src.StretchDraw(*Target, Dst, RECT{0, 0, 7, 5});
            EXPECT_EQ(ImageOf(*Target).Data, Expected.Data) << Dst.left << "," << Dst.top;
        });
    }
}

TEST(KsBitmapStretchDraw, CopyShrinkKeepsSourceColoursRatherThanCombiningThem) {
    TTestImage Stripes(8, 2);
    for (int Y = 0; Y < 2; ++Y)
        for (int X = 0; X < 8; ++X)
            Stripes.At(X, Y) = X % 2 ? 0xFFFF0000u : 0xFF00FF00u;
    TKsBitmap Src;
    CopyInto(Src, Stripes);
    auto Dst = MakeSurface(4, 1, 0);
    Src.StretchDraw(*Dst, RECT{0, 0, 4, 1}, RECT{0, 0, 8, 2});
    for (int X = 0; X < 4; ++X) {
        const TKsColor Colour = Dst->Pixels(X, 0) & 0x00FFFFFFu;
        EXPECT_TRUE(Colour == 0xFF0000u || Colour == 0x00FF00u) << std::hex << Colour;
    }
}

TEST(KsBitmapTileDraw, RepeatsTheTileAndCutsPartialTilesFromItsTopLeft) {
    TTestImage Tile(3, 2);
    for (int Y = 0; Y < 2; ++Y)
        for (int X = 0; X < 3; ++X)
            Tile.At(X, Y) = 0xFF000000u | TKsColor(Y * 3 + X + 1);
    // The tile sits at (1, 1) of a larger source surface.
    TTestImage SrcImage(5, 4, 0xFFFFFFFFu);
    for (int Y = 0; Y < 2; ++Y)
        for (int X = 0; X < 3; ++X)
            SrcImage.At(X + 1, Y + 1) = Tile.At(X, Y);
    ForBothBlendPaths([&] {
        for (const bool Alpha : {false, true}) {
            TKsBitmap Src;
            CopyInto(Src, SrcImage);
            Src.SetUseAlpha(Alpha);
            auto Dst = MakeSurface(10, 8, 0xFF777777u);
            // 7 x 5 at (2, 1), reaching past the right edge by nothing and cut by the tiles.
            Src.TileDraw(*Dst, RECT{2, 1, 9, 6}, RECT{1, 1, 4, 3});
            TTestImage Want(10, 8, 0xFF777777u);
            for (int Y = 1; Y < 6; ++Y)
                for (int X = 2; X < 9; ++X)
                    Want.At(X, Y) = Tile.At((X - 2) % 3, (Y - 1) % 2);
            EXPECT_EQ(ImageOf(*Dst).Data, Want.Data) << "alpha " << Alpha;
        }
    });
}

TEST(KsBitmapTileDraw, ClipsAtEveryEdgeOfTheDestinationSurface) {
    auto Src = MakeSurface(2, 2, 0xFF0000FFu);
    Src->SetUseAlpha(true);
    auto Dst = MakeSurface(4, 4, 0xFF00FF00u);
    Src->TileDraw(*Dst, RECT{-3, -3, 7, 7}, RECT{0, 0, 2, 2});
    EXPECT_EQ(ImageOf(*Dst).Data, TTestImage(4, 4, 0xFF0000FFu).Data);
}

TEST(KsBitmapDrawScaled, AnEmptyDestinationDrawsNothing) {
    auto Src = MakeSurface(2, 2, 0xFF0000FFu);
    auto Dst = MakeSurface(4, 4, 0xFF00FF00u);
    Src->DrawScaled(*Dst, RECT{1, 1, 1, 4}, RECT{0, 0, 2, 2}, true);
    Src->DrawScaled(*Dst, RECT{1, 3, 4, 2}, RECT{0, 0, 2, 2}, false);
    EXPECT_EQ(ImageOf(*Dst).Data, TTestImage(4, 4, 0xFF00FF00u).Data);
    // Drawing onto or from an empty surface is harmless.
    TKsBitmap Empty;
    Src->Draw(Empty, 0, 0);
    Empty.Draw(*Dst, 0, 0);
    Src->SetUseAlpha(true);
    Src->StretchDraw(Empty, RECT{0, 0, 5, 5}, RECT{0, 0, 2, 2});
    Empty.MergeOver(*Dst, 0, 0, RECT{0, 0, 4, 4});
    EXPECT_EQ(ImageOf(*Dst).Data, TTestImage(4, 4, 0xFF00FF00u).Data);
}

TEST(KsBitmapNineSlice, ZeroMarginsAreOneStretch) {
    TTestImage Image = SourceWithAlphas(91, 6, 6, false);
    for (const bool Alpha : {false, true}) {
        TKsBitmap Src;
        CopyInto(Src, Image);
        Src.SetUseAlpha(Alpha);
        auto NineSliced = MakeSurface(15, 11, 0xFF123456u);
        auto Stretched = MakeSurface(15, 11, 0xFF123456u);
        Src.DrawNineSlice(*NineSliced, RECT{1, 1, 14, 10}, RECT{0, 0, 6, 6}, true, 0, 0, 0, 0);
        Src.StretchDraw(*Stretched, RECT{1, 1, 14, 10}, RECT{0, 0, 6, 6});
        EXPECT_EQ(ImageOf(*NineSliced).Data, ImageOf(*Stretched).Data);
    }
}

TEST(KsBitmapNineSlice, CornersStayUnscaledAndEdgesFollowTheirStrips) {
    // A 5 x 5 source with margins 2, 1, 1, 2: every region has its own colour.
    TTestImage Image(5, 5);
    auto Region = [](int X, int Y) {
        const int Column = X < 2 ? 0 : (X < 4 ? 1 : 2);
        const int Row = Y < 1 ? 0 : (Y < 3 ? 1 : 2);
        return 0xFF000000u | TKsColor(Row * 3 + Column + 1) * 0x10u;
    };
    for (int Y = 0; Y < 5; ++Y)
        for (int X = 0; X < 5; ++X)
            Image.At(X, Y) = Region(X, Y);
    for (const bool Stretch : {false, true}) {
        TKsBitmap Src;
        CopyInto(Src, Image);
        auto Dst = MakeSurface(12, 9, 0);
        Src.DrawNineSlice(*Dst, RECT{0, 0, 12, 9}, RECT{0, 0, 5, 5}, Stretch, 2, 1, 1, 2);
        for (int Y = 0; Y < 9; ++Y)
            for (int X = 0; X < 12; ++X) {
                const int Column = X < 2 ? 0 : (X < 11 ? 1 : 2);
                const int Row = Y < 1 ? 0 : (Y < 7 ? 1 : 2);
                EXPECT_EQ(Dst->Pixels(X, Y), 0xFF000000u | TKsColor(Row * 3 + Column + 1) * 0x10u)
                    << X << "," << Y << " stretch " << Stretch;
            }
    }
}

TEST(KsBitmapMergeOver, ComposesOverTheBackgroundAndClipsAtEveryEdge) {
    for (int Seed = 60000; Seed < 60200; ++Seed) {
        TRandomTransfer Case(Seed, 20);
        TTestImage Expected = Case.Onto;
        KsMergeOver(Expected.View(), Case.From.View(), Case.X, Case.Y, Case.Rect);
        TKsBitmap Fg, Back;
        CopyInto(Fg, Case.Onto);
        CopyInto(Back, Case.From);
        Fg.MergeOver(Back, Case.X, Case.Y, Case.Rect);
        ASSERT_EQ(ImageOf(Fg).Data, Expected.Data) << "seed " << Seed;
        ASSERT_EQ(ImageOf(Back).Data, Case.From.Data) << "background changed";
    }
}

TEST(KsBitmapMergeOver, OpacityOfTheWholeSurfaceMixesWithTheBackground) {
    auto Fg = MakeSurface(2, 2, 0xFFFFFFFFu);
    auto Back = MakeSurface(2, 2, 0xFF000000u);
    Fg->SetAlpha(128);
    Fg->MergeOver(*Back, 0, 0, RECT{0, 0, 2, 2});
    EXPECT_EQ(Fg->Pixels(1, 1), 0xBF808080u);
    Fg->SetAlpha(255);
    Fg->MergeOver(*Back, 0, 0, RECT{0, 0, 2, 2});
    EXPECT_EQ(Fg->Pixels(0, 0), 0xFF808080u);
}

} // namespace
