#include "GraphicsTestSupport.h"

#include "framework/core/Streams.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GdiHandles.h"
#include "framework/graphics/JpegImage.h"
#include "framework/graphics/Picture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The host's count of the process's GDI objects (Wine answers 0: there the handles each
// cycle made are checked one by one as well).
DWORD GdiObjects() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

using THandles = std::vector<HGDIOBJ>;

// Creates, draws with and frees fonts, pens, brushes, canvases, bitmaps and pictures;
// records every host object they made on the way.
void DrawingCycle(int I, THandles& Made) {
    TFont Font;
    Font.SetHeight(-10 - I % 7);
    Made.push_back(Font.Handle());
    Font.SetStyle({TFontStyle::fsBold});
    Made.push_back(Font.Handle());
    TPen Pen;
    Pen.SetWidth(1 + I % 3);
    Made.push_back(Pen.Handle());
    TBrush Brush;
    Brush.SetColor(TColor(I));
    Made.push_back(Brush.Handle());

    TBitmap Bitmap;
    Bitmap.SetSize(16 + I % 5, 12);
    TCanvas* Canvas = Bitmap.Canvas();
    Canvas->SetFont(&Font);
    Canvas->SetPen(&Pen);
    Canvas->SetBrush(&Brush);
    Canvas->Rectangle(0, 0, 10, 10);
    Canvas->TextOut(1, 1, "Aa");
    Made.insert(Made.end(), {Bitmap.Handle(), Canvas->Handle(), Canvas->Font()->Handle(),
                             Canvas->Pen()->Handle(), Canvas->Brush()->Handle()});
    // Attribute changes while selected, then a resize and format changes.
    Canvas->Font()->SetHeight(-20);
    Canvas->Pen()->SetColor(clRed);
    Canvas->Brush()->SetStyle(TBrushStyle::bsCross);
    Canvas->Ellipse(0, 0, 8, 8);
    Canvas->TextOut(1, 1, "Bb");
    Made.insert(Made.end(),
                {Canvas->Font()->Handle(), Canvas->Pen()->Handle(), Canvas->Brush()->Handle()});
    Bitmap.SetSize(20, 20);
    Made.push_back(Bitmap.Handle());
    Bitmap.SetPixelFormat(I % 2 ? TPixelFormat::pf32bit : TPixelFormat::pf8bit);
    Bitmap.Canvas()->LineTo(5, 5);
    Made.insert(Made.end(), {Bitmap.Handle(), Bitmap.Canvas()->Handle()});

    TPicture Picture;
    Picture.Assign(&Bitmap);
    TBitmap Copy;
    Copy.Assign(&Picture);
    Made.insert(Made.end(), {Picture.Bitmap()->Handle(), Copy.Handle()});

    // A canvas on a context it does not own, freed while still attached.
    const TMemoryDC DC;
    TCanvas Foreign;
    Foreign.SetHandle(DC.Get());
    Foreign.Font()->SetSize(9);
    Foreign.TextWidth("x");
    Foreign.Pen()->SetStyle(TPenStyle::psDot);
    Foreign.MoveTo(0, 0);
    Foreign.LineTo(3, 3);
    Made.insert(Made.end(), {Foreign.Font()->Handle(), Foreign.Pen()->Handle()});
}

int StillAlive(const THandles& Handles) {
    int Alive = 0;
    for (HGDIOBJ Handle : Handles)
        Alive += GetObjectType(Handle) != 0;
    return Alive;
}

TEST(GraphicsResources, NoGdiObjectGrowthOverManyCycles) {
    // The first cycle creates what lives for the whole process (stock objects, caches).
    THandles Made;
    DrawingCycle(0, Made);
    const DWORD Before = GdiObjects();
    int Leaked = 0;
    for (int I = 1; I <= 1000; ++I) {
        Made.clear();
        DrawingCycle(I, Made);
        ASSERT_GT(Made.size(), 15u);
        Leaked += StillAlive(Made);
    }
    EXPECT_EQ(Leaked, 0);
    EXPECT_LE(GdiObjects(), Before + 2);
}

TEST(GraphicsResources, FailedJpegDecodesReleaseTheirBitmaps) {
    const uint8_t Header[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x02};
    TJPEGImage Image;
    const DWORD Before = GdiObjects();
    for (int I = 0; I < 100; ++I) {
        TMemoryStream Stream;
        Stream.WriteBuffer(Header, sizeof(Header));
        Stream.SetPosition(0);
        EXPECT_THROW(Image.LoadFromStream(Stream), EInvalidGraphic);
    }
    EXPECT_LE(GdiObjects(), Before + 2);
}

} // namespace
