#include "GraphicsTestSupport.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/Clipboard.h"
#include "framework/graphics/JpegImage.h"
#include "framework/graphics/Picture.h"

#include <gtest/gtest.h>

namespace {

// Whether the clipboard was closed again: only then can it be opened.
bool ClipboardClosed() {
    if (!OpenClipboard(nullptr))
        return false;
    CloseClipboard();
    return true;
}

TEST(ClipboardBitmap, RoundTripKeepsEveryPixel) {
    auto Bitmap = MakeDibBitmap(20, 10, clWhite, TPixelFormat::pf24bit);
    FillPattern(*Bitmap, 17);
    Clipboard()->Assign(Bitmap.get());
    EXPECT_TRUE(ClipboardClosed());
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
    EXPECT_TRUE(Clipboard()->HasFormat(CF_DIB));

    TBitmap Back;
    Back.Assign(Clipboard());
    EXPECT_TRUE(ClipboardClosed());
    ASSERT_EQ(Back.Width(), 20);
    ASSERT_EQ(Back.Height(), 10);
    Back.SetPixelFormat(TPixelFormat::pf24bit);
    EXPECT_TRUE(SamePixels(Back, *Bitmap));
}

TEST(ClipboardBitmap, PicturesGoThereAsBitmapsAndStayUnchanged) {
    auto Bitmap = MakeDibBitmap(4, 4, clTeal);
    TPicture Picture;
    Picture.Assign(Bitmap.get());
    const HBITMAP Before = Picture.Bitmap()->Handle();
    Clipboard()->Assign(&Picture);
    EXPECT_EQ(Picture.Bitmap()->Handle(), Before);
    EXPECT_EQ(PixelAt(*Picture.Bitmap(), 3, 3), clTeal);

    TPicture Pasted;
    Pasted.Assign(Clipboard());
    EXPECT_EQ(Pasted.Width(), 4);
    EXPECT_EQ(Pasted.Bitmap()->Canvas()->Pixels(2, 2), clTeal);

    // Another kind of graphic goes there drawn into a bitmap.
    TJPEGImage Jpeg;
    Jpeg.Assign(Bitmap.get());
    Clipboard()->Assign(&Jpeg);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
}

TEST(ClipboardBitmap, EmptyClipboardRaisesAndStaysClosed) {
    Clipboard()->Clear();
    EXPECT_FALSE(Clipboard()->HasFormat(CF_BITMAP));
    TBitmap Bitmap;
    EXPECT_THROW(Bitmap.Assign(Clipboard()), EInvalidGraphic);
    EXPECT_TRUE(ClipboardClosed());
}

TEST(ClipboardBitmap, HeldByAnotherOwnerItCannotBeOpened) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    auto Bitmap = MakeDibBitmap(2, 2);
    try {
        Clipboard()->Assign(Bitmap.get());
        ADD_FAILURE() << "no exception";
    } catch (const Exception& E) {
        EXPECT_EQ(E.Message(), "Cannot open clipboard");
    }
    CloseClipboard();
    EXPECT_TRUE(ClipboardClosed());
}

} // namespace
