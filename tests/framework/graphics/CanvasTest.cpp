#include "GraphicsTestSupport.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/GdiHandles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CanvasLines, EndPointIsNotDrawn) {
    auto Bitmap = MakeDibBitmap(12, 12);
    TCanvas* Canvas = Bitmap->Canvas();
    Canvas->Pen()->SetColor(clRed);
    Canvas->MoveTo(2, 5);
    Canvas->LineTo(8, 5);
    for (int X = 2; X < 8; ++X)
        EXPECT_EQ(PixelAt(*Bitmap, X, 5), clRed) << X;
    EXPECT_EQ(PixelAt(*Bitmap, 8, 5), clWhite);
    EXPECT_EQ(PixelAt(*Bitmap, 1, 5), clWhite);
    EXPECT_EQ(Canvas->PenPos().x, 8);

    const std::vector<POINT> Points{{1, 1}, {1, 4}, {4, 4}};
    Canvas->Pen()->SetColor(clBlue);
    Canvas->Polyline(Points);
    EXPECT_EQ(PixelAt(*Bitmap, 1, 1), clBlue);
    EXPECT_EQ(PixelAt(*Bitmap, 1, 4), clBlue);
    EXPECT_EQ(PixelAt(*Bitmap, 3, 4), clBlue);
    EXPECT_EQ(PixelAt(*Bitmap, 4, 4), clWhite);
}

TEST(CanvasFills, FillRectCoversRightAndBottomExclusive) {
    auto Bitmap = MakeDibBitmap(10, 10);
    TCanvas* Canvas = Bitmap->Canvas();
    Canvas->Brush()->SetColor(clLime);
    Canvas->FillRect(RECT{2, 3, 6, 8});
    for (int Y = 0; Y < 10; ++Y)
        for (int X = 0; X < 10; ++X) {
            const bool Inside = X >= 2 && X < 6 && Y >= 3 && Y < 8;
            EXPECT_EQ(PixelAt(*Bitmap, X, Y), Inside ? clLime : clWhite) << X << "," << Y;
        }
}

TEST(CanvasFills, FrameRectIsOnePixelInsideTheRectangle) {
    auto Bitmap = MakeDibBitmap(10, 10);
    TCanvas* Canvas = Bitmap->Canvas();
    Canvas->Brush()->SetColor(clNavy);
    Canvas->FrameRect(RECT{1, 2, 7, 9});
    for (int Y = 0; Y < 10; ++Y)
        for (int X = 0; X < 10; ++X) {
            const bool Inside = X >= 1 && X < 7 && Y >= 2 && Y < 9;
            const bool Edge = Inside && (X == 1 || X == 6 || Y == 2 || Y == 8);
            EXPECT_EQ(PixelAt(*Bitmap, X, Y), Edge ? clNavy : clWhite) << X << "," << Y;
        }
}

TEST(CanvasFills, ClearBrushRectangleDrawsOnlyTheOutline) {
    auto Bitmap = MakeDibBitmap(10, 10, clYellow);
    TCanvas* Canvas = Bitmap->Canvas();
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Rectangle(1, 1, 8, 8);
    EXPECT_EQ(PixelAt(*Bitmap, 1, 1), clBlack);
    EXPECT_EQ(PixelAt(*Bitmap, 7, 7), clBlack);
    EXPECT_EQ(PixelAt(*Bitmap, 4, 4), clYellow);
    EXPECT_EQ(PixelAt(*Bitmap, 8, 8), clYellow);

    // Giving a clear brush a colour makes it solid again.
    Canvas->Brush()->SetColor(clRed);
    EXPECT_EQ(Canvas->Brush()->Style(), TBrushStyle::bsSolid);
    Canvas->Rectangle(1, 1, 8, 8);
    EXPECT_EQ(PixelAt(*Bitmap, 4, 4), clRed);
}

TEST(CanvasPenModes, NotXorDashDotOutlineDrawnTwiceRestoresThePicture) {
    auto Bitmap = MakeDibBitmap(40, 30);
    FillPattern(*Bitmap, 7);
    TBitmap Original;
    Original.Assign(Bitmap.get());

    TCanvas* Canvas = Bitmap->Canvas();
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas->Pen()->SetStyle(TPenStyle::psDashDot);
    Canvas->Pen()->SetMode(TPenMode::pmNotXor);
    Canvas->Rectangle(3, 4, 33, 25);
    EXPECT_FALSE(SamePixels(*Bitmap, Original));
    // Inside the outline nothing changes.
    EXPECT_EQ(PixelAt(*Bitmap, 15, 15), PixelAt(Original, 15, 15));
    Canvas->Rectangle(3, 4, 33, 25);
    EXPECT_TRUE(SamePixels(*Bitmap, Original));
}

TEST(CanvasPenModes, XorWithBlackPenLeavesPixelsAndWhitePenInverts) {
    auto Bitmap = MakeDibBitmap(4, 1, RGBColor(0x12, 0x34, 0x56));
    TCanvas* Canvas = Bitmap->Canvas();
    Canvas->Pen()->SetMode(TPenMode::pmXor);
    Canvas->Pen()->SetColor(clWhite);
    Canvas->MoveTo(0, 0);
    Canvas->LineTo(2, 0);
    EXPECT_EQ(PixelAt(*Bitmap, 0, 0), RGBColor(0xED, 0xCB, 0xA9));
    EXPECT_EQ(PixelAt(*Bitmap, 2, 0), RGBColor(0x12, 0x34, 0x56));
}

TEST(CanvasCopy, CopyRectCopiesTheSourceRectangleWithSourceCopy) {
    auto Source = MakeDibBitmap(16, 16);
    FillPattern(*Source, 3);
    auto Dest = MakeDibBitmap(16, 16, clBlack);
    EXPECT_EQ(Dest->Canvas()->CopyMode(), cmSrcCopy);
    Dest->Canvas()->CopyRect(RECT{1, 2, 6, 9}, Source->Canvas(), RECT{4, 3, 9, 10});
    for (int Y = 0; Y < 7; ++Y)
        for (int X = 0; X < 5; ++X)
            EXPECT_EQ(PixelAt(*Dest, 1 + X, 2 + Y), PixelAt(*Source, 4 + X, 3 + Y));
    EXPECT_EQ(PixelAt(*Dest, 0, 2), clBlack);
    EXPECT_EQ(PixelAt(*Dest, 6, 2), clBlack);

    Dest->Canvas()->SetCopyMode(cmNotSrcCopy);
    Dest->Canvas()->CopyRect(RECT{0, 0, 1, 1}, Source->Canvas(), RECT{0, 0, 1, 1});
    EXPECT_EQ(PixelAt(*Dest, 0, 0), PixelAt(*Source, 0, 0) ^ 0xFFFFFF);
}

TEST(CanvasCopy, DrawAndStretchDrawPlaceTheGraphic) {
    auto Glyph = MakeDibBitmap(2, 2, clRed);
    Glyph->Canvas()->SetPixels(1, 1, clBlue);
    auto Bitmap = MakeDibBitmap(8, 8);
    Bitmap->Canvas()->Draw(3, 4, Glyph.get());
    EXPECT_EQ(PixelAt(*Bitmap, 3, 4), clRed);
    EXPECT_EQ(PixelAt(*Bitmap, 4, 5), clBlue);
    EXPECT_EQ(PixelAt(*Bitmap, 5, 6), clWhite);

    Bitmap->Canvas()->StretchDraw(RECT{0, 0, 4, 4}, Glyph.get());
    EXPECT_EQ(PixelAt(*Bitmap, 1, 1), clRed);
    EXPECT_EQ(PixelAt(*Bitmap, 2, 2), clBlue);
    EXPECT_EQ(PixelAt(*Bitmap, 3, 3), clBlue);
}

TEST(CanvasPixels, ReadAndWriteSinglePixels) {
    auto Bitmap = MakeDibBitmap(3, 3);
    Bitmap->Canvas()->SetPixels(2, 1, clFuchsia);
    EXPECT_EQ(Bitmap->Canvas()->Pixels(2, 1), clFuchsia);
    EXPECT_EQ(PixelAt(*Bitmap, 2, 1), clFuchsia);
    EXPECT_EQ(Bitmap->Canvas()->Pixels(1, 1), clWhite);
    // System colours are resolved when drawn.
    Bitmap->Canvas()->SetPixels(0, 0, clBtnFace);
    EXPECT_EQ(PixelAt(*Bitmap, 0, 0), ColorToRGB(clBtnFace));
}

TEST(CanvasText, MeasuresAsTheHostDoes) {
    TBitmap Bitmap;
    TCanvas* Canvas = Bitmap.Canvas();
    Canvas->Font()->SetName("Tahoma");
    Canvas->Font()->SetHeight(-13);
    const std::wstring Text = L"Snapvale \u622a\u56fe";
    SIZE Expected{};
    {
        const TMemoryDC DC;
        const TSelectedObject Font(DC.Get(), Canvas->Font()->Handle());
        GetTextExtentPoint32W(DC.Get(), Text.c_str(), int(Text.size()), &Expected);
    }
    EXPECT_EQ(Canvas->TextWidth("Snapvale \xE6\x88\xAA\xE5\x9B\xBE"), Expected.cx);
    EXPECT_EQ(Canvas->TextHeight("Snapvale \xE6\x88\xAA\xE5\x9B\xBE"), Expected.cy);
    EXPECT_GT(Expected.cx, 0);
}

TEST(CanvasText, TextOutDrawsInTheFontColourAndMovesThePen) {
    auto Bitmap = MakeDibBitmap(60, 20);
    TCanvas* Canvas = Bitmap->Canvas();
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas->Font()->SetColor(clRed);
    Canvas->TextOut(2, 2, "WM");
    EXPECT_EQ(Canvas->PenPos().x, 2 + Canvas->TextWidth("WM"));
    int Red = 0;
    for (int Y = 0; Y < 20; ++Y)
        for (int X = 0; X < 60; ++X) {
            const TColor Pixel = PixelAt(*Bitmap, X, Y);
            EXPECT_TRUE(Pixel == clWhite || (Pixel & 0xFF) >= (Pixel >> 16 & 0xFF))
                << X << "," << Y;
            Red += Pixel == clRed;
        }
    EXPECT_GT(Red, 0);
}

TEST(CanvasText, TextRectClipsToTheRectangle) {
    auto Bitmap = MakeDibBitmap(40, 20);
    TCanvas* Canvas = Bitmap->Canvas();
    Canvas->Brush()->SetColor(clAqua);
    Canvas->Font()->SetColor(clBlack);
    Canvas->TextRect(RECT{5, 5, 15, 15}, 0, 0, "WWWWWWWW");
    EXPECT_EQ(PixelAt(*Bitmap, 14, 14), clAqua); // the solid brush fills the rectangle
    for (int Y = 0; Y < 20; ++Y)
        for (int X = 0; X < 40; ++X) {
            if (X < 5 || X >= 15 || Y < 5 || Y >= 15) {
                EXPECT_EQ(PixelAt(*Bitmap, X, Y), clWhite) << X << "," << Y;
            }
        }
}

TEST(CanvasHandle, WithoutDeviceContextDrawingRaises) {
    TCanvas Canvas;
    EXPECT_FALSE(Canvas.HandleAllocated());
    EXPECT_THROW(Canvas.Handle(), EInvalidOperation);
    EXPECT_THROW(Canvas.LineTo(1, 1), EInvalidOperation);
}

TEST(CanvasHandle, ForeignContextGetsItsObjectsAndModesBack) {
    auto Target = MakeDibBitmap(8, 8);
    const TMemoryDC DC;
    const TSelectedObject Selected(DC.Get(), Target->Handle());
    const HGDIOBJ Pen = GetCurrentObject(DC.Get(), OBJ_PEN);
    const HGDIOBJ Brush = GetCurrentObject(DC.Get(), OBJ_BRUSH);
    const HGDIOBJ Font = GetCurrentObject(DC.Get(), OBJ_FONT);
    const int Rop2 = GetROP2(DC.Get());
    const int BkMode = GetBkMode(DC.Get());
    {
        TCanvas Canvas;
        Canvas.SetHandle(DC.Get());
        Canvas.Pen()->SetMode(TPenMode::pmNotXor);
        Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        Canvas.Rectangle(0, 0, 4, 4);
        Canvas.TextOut(0, 0, "x");
        EXPECT_EQ(GetCurrentObject(DC.Get(), OBJ_PEN), Canvas.Pen()->Handle());
        EXPECT_EQ(GetCurrentObject(DC.Get(), OBJ_FONT), Canvas.Font()->Handle());
        EXPECT_EQ(GetROP2(DC.Get()), R2_NOTXORPEN);

        // A changed font is put out of the context before its handle goes, and the new
        // one is selected when text is drawn next.
        Canvas.Font()->SetHeight(-20);
        EXPECT_EQ(GetCurrentObject(DC.Get(), OBJ_FONT), Font);
        Canvas.TextOut(0, 0, "x");
        EXPECT_EQ(GetCurrentObject(DC.Get(), OBJ_FONT), Canvas.Font()->Handle());

        Canvas.SetHandle(nullptr);
        EXPECT_EQ(GetCurrentObject(DC.Get(), OBJ_PEN), Pen);
        EXPECT_EQ(GetCurrentObject(DC.Get(), OBJ_BRUSH), Brush);
        EXPECT_EQ(GetCurrentObject(DC.Get(), OBJ_FONT), Font);
        EXPECT_EQ(GetROP2(DC.Get()), Rop2);
        EXPECT_EQ(GetBkMode(DC.Get()), BkMode);

        // Set again and freed while set: the destructor gives the objects back too.
        Canvas.SetHandle(DC.Get());
        Canvas.Rectangle(0, 0, 4, 4);
    }
    EXPECT_EQ(GetCurrentObject(DC.Get(), OBJ_PEN), Pen);
    EXPECT_EQ(GetCurrentObject(DC.Get(), OBJ_BRUSH), Brush);
}

TEST(CanvasHandle, ScreenContextCopiesIntoABitmap) {
    const TScreenDC Screen;
    TCanvas ScreenCanvas;
    ScreenCanvas.SetHandle(Screen.Get());
    auto Bitmap = MakeDibBitmap(16, 16, clBlack);
    Bitmap->Canvas()->CopyRect(RECT{0, 0, 16, 16}, &ScreenCanvas, RECT{0, 0, 16, 16});
    EXPECT_EQ(PixelAt(*Bitmap, 5, 5), TColor(GetPixel(Screen.Get(), 5, 5)));
}

} // namespace
