// Moving pictures between the surface and the framework's bitmaps, pictures, other
// graphics, streams and the clipboard.
#include "SurfaceTestSupport.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Clipboard.h"
#include "framework/graphics/GraphicsObjects.h"
#include "framework/graphics/Picture.h"

#include <gtest/gtest.h>

namespace {

// A 24-bit framework bitmap whose pixel (x, y) is RGB(x * 10, y * 10, 99).
void PaintCoordinates(TBitmap& Bitmap, int W, int H) {
    Bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    Bitmap.SetSize(W, H);
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X)
            Bitmap.Canvas()->SetPixels(X, Y, TColor(RGB(X * 10, Y * 10, 99)));
}

TKsColor CoordinatePixel(int X, int Y) {
    return MakeKsColor(X * 10, Y * 10, 99, 255);
}

void ExpectCoordinates(const TKsBitmap& Surface, int W, int H) {
    ASSERT_EQ(Surface.Width(), W);
    ASSERT_EQ(Surface.Height(), H);
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X)
            ASSERT_EQ(Surface.Pixels(X, Y), CoordinatePixel(X, Y)) << X << "," << Y;
}

TEST(KsBitmapAssign, TakesAFrameworkBitmapOpaque) {
    TBitmap Bitmap;
    PaintCoordinates(Bitmap, 7, 5);
    TKsBitmap Surface;
    Surface.Assign(&Bitmap);
    ExpectCoordinates(Surface, 7, 5);
}

TEST(KsBitmapAssign, TakesAPictureOfABitmap) {
    TBitmap Bitmap;
    PaintCoordinates(Bitmap, 4, 6);
    TPicture Picture;
    Picture.SetGraphic(&Bitmap);
    TKsBitmap Surface;
    Surface.Assign(&Picture);
    ExpectCoordinates(Surface, 4, 6);
}

// A graphic that is not a bitmap: it paints its coordinates into whatever rectangle it is
// drawn in, through the canvas it is given.
class TCoordinateGraphic : public TGraphic {
public:
    bool Empty() const override { return false; }
    int Width() const override { return 5; }
    int Height() const override { return 3; }
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    void LoadFromStream(TStream&) override {}
    void SaveToStream(TStream&) override {}

protected:
    void Draw(TCanvas& Canvas, const RECT& Rect) override {
        for (int Y = Rect.top; Y < Rect.bottom; ++Y)
            for (int X = Rect.left; X < Rect.right; ++X)
                Canvas.SetPixels(X, Y, TColor(RGB(X * 10, Y * 10, 99)));
    }
};

TEST(KsBitmapAssign, DrawsOtherGraphicsThroughACanvasAndGivesTheContextBack) {
    TCoordinateGraphic Graphic;
    TKsBitmap Surface;
    Surface.SetSize(2, 2);
    const HGDIOBJ Font = GetCurrentObject(Surface.DC(), OBJ_FONT);
    Surface.Assign(&Graphic);
    ExpectCoordinates(Surface, 5, 3);
    EXPECT_EQ(GetCurrentObject(Surface.DC(), OBJ_FONT), Font);
}

TEST(KsBitmapAssign, AnotherSurfaceChangesNothing) {
    auto Target = MakeSurface(3, 3, 0x12345678u);
    auto Source = MakeSurface(5, 5, 0xFFFFFFFFu);
    Target->Assign(Source.get());
    EXPECT_EQ(Target->Width(), 3);
    EXPECT_EQ(Target->Pixels(1, 1), 0x12345678u);
}

TEST(KsBitmapAssign, UnsupportedSourcesAndTargetsRaiseTheConversionError) {
    TKsBitmap Surface;
    TFont Font;
    try {
        Surface.Assign(&Font);
        ADD_FAILURE() << "no exception";
    } catch (const EConvertError& Error) {
        EXPECT_EQ(Error.Message(), "Cannot assign a TFont to a TKsBitmap");
    }
    EXPECT_THROW(Font.Assign(&Surface), EConvertError);
}

TEST(KsBitmapAssignTo, GivesA24BitBitmapWithoutAlpha) {
    TBitmap Source;
    PaintCoordinates(Source, 6, 4);
    TKsBitmap Surface;
    Surface.Assign(&Source);
    Surface.SetAlpha(0x20);
    TBitmap Bitmap;
    Bitmap.Assign(&Surface);
    EXPECT_EQ(Bitmap.HandleType(), TBitmapHandleType::bmDIB);
    EXPECT_EQ(Bitmap.PixelFormat(), TPixelFormat::pf24bit);
    ASSERT_EQ(Bitmap.Width(), 6);
    ASSERT_EQ(Bitmap.Height(), 4);
    for (int Y = 0; Y < 4; ++Y)
        for (int X = 0; X < 6; ++X)
            EXPECT_EQ(Bitmap.Canvas()->Pixels(X, Y), TColor(RGB(X * 10, Y * 10, 99)));
}

TEST(KsBitmapAssignTo, FillsAPicturesBitmap) {
    auto Surface = MakeSurface(3, 2, 0x80102030u);
    TPicture Picture;
    Picture.Assign(Surface.get());
    ASSERT_NE(dynamic_cast<TBitmap*>(Picture.Graphic()), nullptr);
    EXPECT_EQ(Picture.Width(), 3);
    EXPECT_EQ(Picture.Bitmap()->Canvas()->Pixels(2, 1), TColor(RGB(0x10, 0x20, 0x30)));
}

TEST(KsBitmapAssignTo, PutsTheSurfaceOnTheClipboardAsABitmap) {
    TBitmap Source;
    PaintCoordinates(Source, 5, 4);
    TKsBitmap Surface;
    Surface.Assign(&Source);
    Clipboard()->Assign(&Surface);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
    TBitmap Pasted;
    Pasted.Assign(Clipboard());
    TKsBitmap RoundTrip;
    RoundTrip.Assign(&Pasted);
    ExpectCoordinates(RoundTrip, 5, 4);
}

TEST(KsBitmapLoad, ReadsABitmapFileFromAStream) {
    TBitmap Source;
    PaintCoordinates(Source, 9, 3);
    TMemoryStream Stream;
    Source.SaveToStream(Stream);
    Stream.SetPosition(0);
    TKsBitmap Surface;
    Surface.LoadFromStream(Stream);
    ExpectCoordinates(Surface, 9, 3);
}

} // namespace
