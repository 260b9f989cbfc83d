// Image lists: pictures split from strips, transparency from masks, colours and alpha,
// exact blending, the disabled look, indexes outside the list, and host objects over many
// cycles.
#include "WindowTestSupport.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/windows/ImageLists.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <vector>

namespace {

constexpr uint32_t Red = 0xFF0000;
constexpr uint32_t Green = 0x00FF00;
constexpr uint32_t Blue = 0x0000FF;
constexpr uint32_t White = 0xFFFFFF;

// A 24-bit bitmap of W x H in Fill, with the given pixels set apart.
struct TPixelAt {
    int X;
    int Y;
    TColor Color;
};
std::unique_ptr<TBitmap> MakeBitmap(int W, int H, TColor Fill, std::vector<TPixelAt> Pixels = {}) {
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetPixelFormat(TPixelFormat::pf24bit);
    Bitmap->SetSize(W, H);
    Bitmap->Canvas()->Brush()->SetColor(Fill);
    Bitmap->Canvas()->FillRect(RECT{0, 0, W, H});
    for (const TPixelAt& Pixel : Pixels)
        Bitmap->Canvas()->SetPixels(Pixel.X, Pixel.Y, Pixel.Color);
    return Bitmap;
}

// A 32-bit bitmap from 0xAARRGGBB rows.
std::unique_ptr<TBitmap> MakeAlphaBitmap(int W, int H, const std::vector<uint32_t>& Pixels) {
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetPixelFormat(TPixelFormat::pf32bit);
    Bitmap->SetSize(W, H);
    for (int Y = 0; Y < H; ++Y)
        std::memcpy(Bitmap->ScanLine(Y), Pixels.data() + static_cast<size_t>(Y) * W,
                    static_cast<size_t>(W) * sizeof(uint32_t));
    return Bitmap;
}

// A white 32-bit surface with a canvas on it.
struct TTarget {
    TPixelSurface Surface;
    TCanvas Canvas;
    TTarget(int W, int H) : Surface(W, H) { Canvas.SetHandle(Surface.DC()); }
    ~TTarget() { Canvas.SetHandle(nullptr); }
    uint32_t At(int X, int Y) const { return Surface.Pixel(X, Y); }
    std::vector<uint32_t> All(int W, int H) const {
        std::vector<uint32_t> Result;
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X)
                Result.push_back(At(X, Y));
        return Result;
    }
};

// A list of 4 x 4 pictures.
struct TSmallList : TImageList {
    TSmallList() : TImageList(nullptr) { SetSize(4, 4); }
};

TEST(ImageListContents, AStripIsSplitIntoPicturesOfTheListsWidth) {
    TImageList List(nullptr);
    EXPECT_EQ(List.Width(), 16);
    EXPECT_EQ(List.Height(), 16);
    List.SetSize(4, 4);
    auto Strip = MakeBitmap(10, 4, clBlue, {{0, 0, clRed}, {4, 0, clLime}});
    EXPECT_EQ(List.AddMasked(Strip.get(), clFuchsia), 0);
    EXPECT_EQ(List.Count(), 2);
    EXPECT_EQ(List.Add(Strip.get(), nullptr), 2);
    EXPECT_EQ(List.Count(), 4);

    TTarget Target(8, 4);
    List.Draw(&Target.Canvas, 0, 0, 0);
    List.Draw(&Target.Canvas, 4, 0, 1);
    EXPECT_EQ(Target.At(0, 0), Red);
    EXPECT_EQ(Target.At(3, 3), Blue);
    EXPECT_EQ(Target.At(4, 0), Green);
    EXPECT_EQ(Target.At(7, 3), Blue);

    // A new size empties the list; no size is below one pixel.
    List.SetWidth(8);
    EXPECT_EQ(List.Count(), 0);
    EXPECT_THROW(List.SetSize(0, 4), EInvalidOperation);
    EXPECT_THROW(List.SetHeight(-1), EInvalidOperation);
    EXPECT_EQ(List.Height(), 4);
    EXPECT_EQ(List.Add(nullptr, nullptr), -1);
    TBitmap Empty;
    EXPECT_EQ(List.AddMasked(&Empty, clFuchsia), -1);
    EXPECT_EQ(List.Count(), 0);
}

TEST(ImageListContents, TransparentPixelsKeepTheBackground) {
    TSmallList List;
    auto Keyed = MakeBitmap(4, 4, clRed, {{1, 1, clFuchsia}, {2, 2, clFuchsia}});
    List.AddMasked(Keyed.get(), clFuchsia);
    auto Image = MakeBitmap(4, 4, clBlue);
    auto Mask = MakeBitmap(4, 4, clBlack, {{3, 0, clWhite}});
    List.Add(Image.get(), Mask.get());
    // Narrower and lower than the list: transparent beyond the image.
    auto Narrow = MakeBitmap(2, 3, clLime);
    List.Add(Narrow.get(), nullptr);
    ASSERT_EQ(List.Count(), 3);

    TTarget Target(12, 4);
    for (int I = 0; I < 3; ++I)
        List.Draw(&Target.Canvas, 4 * I, 0, I);
    EXPECT_EQ(Target.At(0, 0), Red);
    EXPECT_EQ(Target.At(1, 1), White);
    EXPECT_EQ(Target.At(2, 2), White);
    EXPECT_EQ(Target.At(3, 3), Red);
    EXPECT_EQ(Target.At(4, 0), Blue);
    EXPECT_EQ(Target.At(7, 0), White);
    EXPECT_EQ(Target.At(8, 0), Green);
    EXPECT_EQ(Target.At(9, 2), Green);
    EXPECT_EQ(Target.At(10, 0), White);
    EXPECT_EQ(Target.At(8, 3), White);
}

TEST(ImageListContents, AlphaIsKeptAndBlendedExactly) {
    TSmallList List;
    std::vector<uint32_t> Pixels(16, 0xFF0000FF);
    Pixels[0] = 0x80FF0000; // half red
    Pixels[1] = 0x00FF0000; // invisible red
    Pixels[2] = 0xFF00FF00;
    auto Image = MakeAlphaBitmap(4, 4, Pixels);
    List.Add(Image.get(), nullptr);
    // A 32-bit image whose alpha is zero throughout is opaque.
    auto NoAlpha = MakeAlphaBitmap(4, 4, std::vector<uint32_t>(16, 0x00FF0000));
    List.Add(NoAlpha.get(), nullptr);

    TTarget Target(8, 4);
    List.Draw(&Target.Canvas, 0, 0, 0);
    List.Draw(&Target.Canvas, 4, 0, 1);
    EXPECT_EQ(Target.At(0, 0), 0xFF7F7Fu);
    EXPECT_EQ(Target.At(1, 0), White);
    EXPECT_EQ(Target.At(2, 0), Green);
    EXPECT_EQ(Target.At(3, 3), Blue);
    EXPECT_EQ(Target.At(5, 2), Red);

    // A picture taken out and added again draws the same.
    TBitmap Copy;
    ASSERT_TRUE(List.GetBitmap(0, &Copy));
    EXPECT_EQ(Copy.Width(), 4);
    EXPECT_EQ(Copy.PixelFormat(), TPixelFormat::pf32bit);
    TSmallList Again;
    Again.Add(&Copy, nullptr);
    TTarget Other(8, 4);
    Again.Draw(&Other.Canvas, 0, 0, 0);
    List.Draw(&Other.Canvas, 4, 0, 0);
    EXPECT_EQ(Other.All(4, 4), Target.All(4, 4));
}

TEST(ImageListDrawing, ADisabledPictureIsEmbossed) {
    TSmallList List;
    // A red pixel, a white one beside it, the rest transparent.
    auto Image = MakeBitmap(4, 4, clFuchsia, {{0, 0, clRed}, {1, 1, clWhite}});
    List.AddMasked(Image.get(), clFuchsia);

    TTarget Enabled(6, 6);
    TTarget Disabled(6, 6);
    List.Draw(&Enabled.Canvas, 1, 1, 0, true);
    List.Draw(&Disabled.Canvas, 1, 1, 0, false);
    EXPECT_EQ(Enabled.At(1, 1), Red);
    EXPECT_EQ(Enabled.At(2, 2), White);
    EXPECT_EQ(Disabled.At(1, 1), RgbOf(clBtnShadow));
    // The highlight lies one pixel down and right; white parts are not part of the shape.
    EXPECT_EQ(Disabled.At(2, 2), RgbOf(clBtnHighlight));
    EXPECT_EQ(Disabled.At(3, 3), White);
    EXPECT_EQ(Disabled.At(0, 0), White);
    EXPECT_NE(Enabled.All(6, 6), Disabled.All(6, 6));
}

TEST(ImageListDrawing, IndexesOutsideTheListDrawNothing) {
    TSmallList List;
    auto Image = MakeBitmap(4, 4, clRed);
    List.Add(Image.get(), nullptr);
    TTarget Target(4, 4);
    const auto Before = Target.All(4, 4);
    for (int Index : {-1, 1, 100}) {
        List.Draw(&Target.Canvas, 0, 0, Index);
        List.Draw(&Target.Canvas, 0, 0, Index, false);
    }
    List.Draw(nullptr, 0, 0, 0);
    EXPECT_EQ(Target.All(4, 4), Before);
    TBitmap Untouched;
    EXPECT_FALSE(List.GetBitmap(1, &Untouched));
    EXPECT_TRUE(Untouched.Empty());
}

TEST(ImageListDrawing, PicturesPartlyOutsideABitmapAreClipped) {
    TSmallList List;
    auto Image = MakeBitmap(4, 4, clRed, {{3, 3, clBlue}});
    List.Add(Image.get(), nullptr);
    TBitmap Target;
    Target.SetSize(4, 4);
    List.Draw(Target.Canvas(), -2, -2, 0);
    List.Draw(Target.Canvas(), 3, 3, 0, false);
    EXPECT_EQ(Target.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(Target.Canvas()->Pixels(1, 1), clBlue);
    EXPECT_EQ(Target.Canvas()->Pixels(2, 2), clWhite);
    EXPECT_EQ(RgbOf(Target.Canvas()->Pixels(3, 3)), RgbOf(clBtnShadow));
}

// The host slots the next Count new GDI objects take. A freed slot is taken again before
// any other, so while a cycle frees everything it made the same slots come next, and every
// object a cycle leaks takes one of them away for good. The probes are freed in reverse, which
// leaves the free slots as they were.
std::set<uintptr_t> NextGdiSlots(int Count = 256) {
    std::vector<HBRUSH> Probes;
    std::set<uintptr_t> Slots;
    for (int I = 0; I < Count; ++I) {
        Probes.push_back(CreateSolidBrush(RGB(1, 2, 3)));
        Slots.insert(reinterpret_cast<uintptr_t>(Probes.back()) & 0xFFFF);
    }
    for (auto Probe = Probes.rbegin(); Probe != Probes.rend(); ++Probe)
        DeleteObject(*Probe);
    return Slots;
}

void ImageListCycle(int I) {
    TImageList List(nullptr);
    auto Strip = MakeBitmap(48, 16, TColor(I * 4099 & 0xFFFFFF), {{1, 1, clFuchsia}});
    List.AddMasked(Strip.get(), clFuchsia);
    TBitmap Target;
    Target.SetSize(40, 20);
    List.Draw(Target.Canvas(), 0, 0, I % 3);
    List.Draw(Target.Canvas(), 20, 2, (I + 1) % 3, false);
    TBitmap Copy;
    List.GetBitmap(2, &Copy);
    List.Add(&Copy, nullptr);
}

TEST(ImageListResources, CyclesOfMakingDrawingAndFreeingLeaveNoHostObjects) {
    for (int I = 0; I < 3; ++I)
        ImageListCycle(I);
    const DWORD Before = GdiObjectCount();
    const std::set<uintptr_t> SlotsBefore = NextGdiSlots();
    for (int I = 0; I < 200; ++I)
        ImageListCycle(I);
    EXPECT_LE(GdiObjectCount(), Before);
    // Where the host counts no objects (Wine), the free slots tell.
    if (Before == 0) {
        EXPECT_EQ(NextGdiSlots(), SlotsBefore);
    }
}

} // namespace
