#include "GraphicsTestSupport.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/GdiHandles.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

int ObjectBitsPerPixel(HBITMAP Handle) {
    BITMAP Info{};
    GetObjectW(Handle, sizeof(Info), &Info);
    return Info.bmBitsPixel;
}

TEST(BitmapFormat, NewBitmapIsDeviceDependentAtScreenDepth) {
    TBitmap Bitmap;
    EXPECT_TRUE(Bitmap.Empty());
    EXPECT_EQ(Bitmap.HandleType(), TBitmapHandleType::bmDDB);
    EXPECT_EQ(Bitmap.PixelFormat(), TPixelFormat::pfDevice);
    Bitmap.SetWidth(5);
    EXPECT_TRUE(Bitmap.Empty());
    Bitmap.SetHeight(4);
    ASSERT_FALSE(Bitmap.Empty());
    const TScreenDC Screen;
    EXPECT_EQ(ObjectBitsPerPixel(Bitmap.Handle()), GetDeviceCaps(Screen.Get(), BITSPIXEL));
}

TEST(BitmapFormat, PixelFormatMakesADibAndKeepsThePicture) {
    TBitmap Bitmap;
    Bitmap.SetSize(6, 5);
    Bitmap.Canvas()->Brush()->SetColor(clRed);
    Bitmap.Canvas()->FillRect(RECT{0, 0, 6, 5});
    Bitmap.Canvas()->SetPixels(2, 3, clBlue);

    Bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    EXPECT_EQ(Bitmap.HandleType(), TBitmapHandleType::bmDIB);
    EXPECT_EQ(ObjectBitsPerPixel(Bitmap.Handle()), 24);
    EXPECT_EQ(PixelAt(Bitmap, 2, 3), clBlue);
    EXPECT_EQ(PixelAt(Bitmap, 0, 0), clRed);

    Bitmap.SetPixelFormat(TPixelFormat::pf32bit);
    EXPECT_EQ(ObjectBitsPerPixel(Bitmap.Handle()), 32);
    EXPECT_EQ(PixelAt(Bitmap, 2, 3), clBlue);

    Bitmap.SetHandleType(TBitmapHandleType::bmDDB);
    EXPECT_EQ(Bitmap.PixelFormat(), TPixelFormat::pfDevice);
    EXPECT_EQ(Bitmap.Canvas()->Pixels(2, 3), clBlue);

    // ScanLine turns a device-dependent bitmap into a DIB.
    Bitmap.ScanLine(0);
    EXPECT_EQ(Bitmap.HandleType(), TBitmapHandleType::bmDIB);
    EXPECT_EQ(Bitmap.PixelFormat(), TBitmap::ScreenPixelFormat());
    EXPECT_THROW(Bitmap.ScanLine(5), EInvalidGraphic);
    EXPECT_THROW(Bitmap.ScanLine(-1), EInvalidGraphic);
}

TEST(BitmapFormat, ScanLineRowsAreTopFirstAndDrawnPixelsShowThere) {
    auto Bitmap = MakeDibBitmap(3, 4);
    auto* Row = static_cast<uint32_t*>(Bitmap->ScanLine(0));
    Row[1] = 0x00FF0000; // blue, red and green as the host stores them: red
    EXPECT_EQ(Bitmap->Canvas()->Pixels(1, 0), clRed);
    Bitmap->Canvas()->SetPixels(2, 3, clBlue);
    EXPECT_EQ(static_cast<uint32_t*>(Bitmap->ScanLine(3))[2] & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(Bitmap->Stride(), 12);
}

TEST(BitmapSize, ResizingKeepsTheOverlapAndNewPixelsAreWhite) {
    auto Bitmap = MakeDibBitmap(4, 4, clGreen);
    Bitmap->SetSize(6, 3);
    EXPECT_EQ(Bitmap->Width(), 6);
    EXPECT_EQ(Bitmap->Height(), 3);
    EXPECT_EQ(Bitmap->PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(PixelAt(*Bitmap, 3, 2), clGreen);
    EXPECT_EQ(PixelAt(*Bitmap, 4, 0), clWhite);
    EXPECT_EQ(PixelAt(*Bitmap, 5, 2), clWhite);

    Bitmap->SetHeight(5);
    EXPECT_EQ(PixelAt(*Bitmap, 0, 2), clGreen);
    EXPECT_EQ(PixelAt(*Bitmap, 0, 3), clWhite);

    Bitmap->SetSize(0, 0);
    EXPECT_TRUE(Bitmap->Empty());
    EXPECT_EQ(Bitmap->Handle(), nullptr);
}

TEST(BitmapSize, CanvasDrawsOnTheResizedBitmap) {
    TBitmap Bitmap;
    Bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    Bitmap.SetSize(2, 2);
    Bitmap.Canvas()->Brush()->SetColor(clBlack);
    Bitmap.SetSize(5, 5);
    Bitmap.Canvas()->FillRect(RECT{0, 0, 5, 5});
    EXPECT_EQ(PixelAt(Bitmap, 4, 4), clBlack);
}

TEST(BitmapAssign, CopiesAreIndependent) {
    auto Source = MakeDibBitmap(7, 3);
    FillPattern(*Source, 11);
    TBitmap Copy;
    Copy.Assign(Source.get());
    EXPECT_EQ(Copy.HandleType(), TBitmapHandleType::bmDIB);
    EXPECT_EQ(Copy.PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_NE(Copy.Handle(), Source->Handle());
    EXPECT_TRUE(SamePixels(Copy, *Source));
    // The fourth byte of 32-bit pixels is copied too.
    EXPECT_EQ(std::memcmp(Copy.ScanLine(2), Source->ScanLine(2), 7 * 4), 0);

    Source->Canvas()->SetPixels(0, 0, clBlack);
    Copy.Canvas()->SetPixels(0, 0, clWhite);
    EXPECT_EQ(PixelAt(*Source, 0, 0), clBlack);
    EXPECT_EQ(PixelAt(Copy, 0, 0), clWhite);

    Copy.Assign(nullptr);
    EXPECT_TRUE(Copy.Empty());
}

TEST(BitmapAssign, UnrelatedSourcesRaiseTheConversionError) {
    TBitmap Bitmap;
    TCanvas Canvas;
    try {
        Bitmap.Assign(&Canvas);
        FAIL() << "no exception";
    } catch (const EConvertError& E) {
        EXPECT_EQ(E.Message(), "Cannot assign a TCanvas to a TBitmap");
    }
}

TEST(BitmapChange, DrawingAndResizingRaiseOnChange) {
    struct TCounter {
        int Count = 0;
        void Changed(TObject*) { ++Count; }
    } Counter;
    TBitmap Bitmap;
    Bitmap.OnChange = MakeEvent(&Counter, &TCounter::Changed);
    Bitmap.SetSize(3, 3);
    EXPECT_EQ(Counter.Count, 1);
    Bitmap.Canvas()->FillRect(RECT{0, 0, 1, 1});
    EXPECT_EQ(Counter.Count, 2);
    Bitmap.SetSize(3, 3);
    EXPECT_EQ(Counter.Count, 2);
}

TEST(BitmapHandle, AdoptsABottomUpSectionWithItsPixels) {
    BITMAPINFO Info{};
    Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    Info.bmiHeader.biWidth = 2;
    Info.bmiHeader.biHeight = 2; // bottom row first
    Info.bmiHeader.biPlanes = 1;
    Info.bmiHeader.biBitCount = 32;
    void* Bits = nullptr;
    const HBITMAP Section = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    ASSERT_NE(Section, nullptr);
    static_cast<uint32_t*>(Bits)[0] = 0x000000FF; // bottom-left: blue

    TBitmap Bitmap;
    Bitmap.SetHandle(Section);
    EXPECT_EQ(Bitmap.Width(), 2);
    EXPECT_EQ(Bitmap.HandleType(), TBitmapHandleType::bmDIB);
    EXPECT_EQ(Bitmap.PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(PixelAt(Bitmap, 0, 1), clBlue);
    EXPECT_EQ(Bitmap.Canvas()->Pixels(0, 1), clBlue);
}

} // namespace
