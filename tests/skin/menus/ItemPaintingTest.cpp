// The pieces every item look shares, by their pixels: the check mark and where it sits, an
// item's picture or check mark in its glyph box, the host's sub-menu arrow recoloured over
// the item (also on hosts that draw the arrow's shape alone), and the scroll markers of the
// first and last item a scrolled popup shows.
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/windows/ImageLists.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItemPainting.h"
#include "skin/menus/KsItems.h"
#include "tests/skin/graphics/SurfaceTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// An item's fill, and an outline colour along the top row of some surfaces.
constexpr TKsColor Fill = 0xFF204060u;
constexpr TKsColor Outline = 0xFF808080u;
constexpr TKsColor Ink = 0xFFF0E010u;

// Pixels drawn through the host carry no alpha of their own: compare colours only.
bool SameColor(TKsColor A, TKsColor B) {
    return ((A ^ B) & 0xFFFFFFu) == 0;
}

void ExpectSamePixels(const TKsBitmap& A, const TKsBitmap& B) {
    ASSERT_EQ(A.Width(), B.Width());
    for (int Y = 0; Y < A.Height(); ++Y)
        for (int X = 0; X < A.Width(); ++X)
            ASSERT_EQ(A.Pixels(X, Y), B.Pixels(X, Y)) << X << ", " << Y;
}

// Every pixel outside Rect still holds the fill.
void ExpectFillOutside(const TKsBitmap& Bitmap, const RECT& Rect) {
    for (int Y = 0; Y < Bitmap.Height(); ++Y)
        for (int X = 0; X < Bitmap.Width(); ++X)
            if (X < Rect.left || X >= Rect.right || Y < Rect.top || Y >= Rect.bottom) {
                ASSERT_EQ(Bitmap.Pixels(X, Y), Fill) << X << ", " << Y;
            }
}

// Replaces the host's arrow for the guard's lifetime.
class TArrowPainterGuard {
public:
    explicit TArrowPainterGuard(TKsMenuArrowPainter Painter)
        : FPrevious(KsSetMenuArrowPainter(Painter)) {}
    TArrowPainterGuard(const TArrowPainterGuard&) = delete;
    TArrowPainterGuard& operator=(const TArrowPainterGuard&) = delete;
    ~TArrowPainterGuard() { KsSetMenuArrowPainter(FPrevious); }

private:
    TKsMenuArrowPainter FPrevious;
};

// A host that paints the arrow's shape, a 3 x 5 block in the box's middle, and nothing else.
constexpr RECT ShapeOnly{0, 0, 3, 5};
void PaintShapeOnly(HDC DC, const RECT& Box) {
    const RECT Shape = CenterRect(ShapeOnly, Box);
    PatBlt(DC, Shape.left, Shape.top, RectWidth(Shape), RectHeight(Shape), BLACKNESS);
}

} // namespace

TEST(ItemPainting, TheCheckMarkIsDrawnAroundTheMiddleOfItsBoxAndMovesWithIt) {
    auto Mark = MakeSurface(22, 22, Fill);
    KsDrawCheckMark(*Mark, RECT{0, 0, 22, 22});
    // Around (9, 12): the dark stroke from its left corner down to its foot and up to the
    // right, the light edge to the left of and under it.
    for (POINT P : {POINT{7, 10}, POINT{9, 12}, POINT{11, 10}, POINT{13, 8}, POINT{9, 13}})
        EXPECT_TRUE(SameColor(Mark->Pixels(P.x, P.y), KsBlack)) << P.x << ", " << P.y;
    for (POINT P : {POINT{6, 10}, POINT{6, 11}, POINT{9, 14}, POINT{14, 9}})
        EXPECT_TRUE(SameColor(Mark->Pixels(P.x, P.y), KsWhite)) << P.x << ", " << P.y;
    ExpectFillOutside(*Mark, RECT{6, 7, 15, 15});

    auto Moved = MakeSurface(32, 30, Fill);
    KsDrawCheckMark(*Moved, RECT{10, 8, 32, 30});
    for (int Y = 0; Y < 22; ++Y)
        for (int X = 0; X < 22; ++X)
            ASSERT_EQ(Moved->Pixels(X + 10, Y + 8), Mark->Pixels(X, Y)) << X << ", " << Y;
}

class ItemGlyph : public ::testing::Test {
protected:
    void SetUp() override {
        Root.Add(&Item);
        Pictures.SetSize(16, 16);
        TBitmap Red;
        Red.SetSize(16, 16);
        Red.Canvas()->Brush()->SetColor(clRed);
        Red.Canvas()->FillRect(RECT{0, 0, 16, 16});
        Pictures.Add(&Red, nullptr);
    }
    TKsCustomItem Root{nullptr};
    TKsCustomItem Item{nullptr};
    TImageList Pictures{nullptr};
    const RECT Box{2, 1, 24, 25};
};

TEST_F(ItemGlyph, AnItemWithoutPictureShowsTheCheckMarkOnlyWhenChecked) {
    auto Drawn = MakeSurface(30, 30, Fill);
    EXPECT_FALSE(KsItemHasGlyph(Item));
    KsDrawItemGlyph(*Drawn, Item, Box);
    ExpectFillOutside(*Drawn, RECT{});

    Item.SetChecked(true);
    EXPECT_TRUE(KsItemHasGlyph(Item));
    KsDrawItemGlyph(*Drawn, Item, Box);
    auto Mark = MakeSurface(30, 30, Fill);
    KsDrawCheckMark(*Mark, Box);
    ExpectSamePixels(*Drawn, *Mark);
}

TEST_F(ItemGlyph, APictureOfTheRootsListIsCentredInTheBoxInsteadOfTheCheckMark) {
    Root.SetImages(&Pictures);
    Item.SetImageIndex(0);
    Item.SetChecked(true);
    EXPECT_TRUE(KsItemHasGlyph(Item));
    auto Drawn = MakeSurface(30, 30, Fill);
    KsDrawItemGlyph(*Drawn, Item, Box);
    // (22 - 16) / 2 and (24 - 16) / 2 in from the box's corner.
    const RECT Picture{5, 5, 21, 21};
    for (int Y = Picture.top; Y < Picture.bottom; ++Y)
        for (int X = Picture.left; X < Picture.right; ++X)
            ASSERT_TRUE(SameColor(Drawn->Pixels(X, Y), 0xFFFF0000u)) << X << ", " << Y;
    ExpectFillOutside(*Drawn, Picture);
}

TEST_F(ItemGlyph, ADisabledItemShowsItsPictureDisabled) {
    Root.SetImages(&Pictures);
    Item.SetImageIndex(0);
    Item.SetEnabled(false);
    auto Drawn = MakeSurface(30, 30, Fill);
    KsDrawItemGlyph(*Drawn, Item, Box);
    int Red = 0;
    int Changed = 0;
    for (int Y = 5; Y < 22; ++Y)
        for (int X = 5; X < 22; ++X) {
            Red += SameColor(Drawn->Pixels(X, Y), 0xFFFF0000u);
            Changed += Drawn->Pixels(X, Y) != Fill;
        }
    EXPECT_EQ(Red, 0);
    EXPECT_GT(Changed, 0);
}

TEST(ItemPainting, TheHostsArrowComesOutInTheTextColourOverTheItemsOwnPixels) {
    auto Item = MakeSurface(48, 22, Fill);
    Item->FillRect(RECT{0, 0, 48, 1}, Outline);
    const RECT Box{8, 0, 40, 22};
    KsDrawSubMenuArrow(*Item, Box, Ink);
    int Arrow = 0;
    for (int Y = 0; Y < 22; ++Y)
        for (int X = 0; X < 48; ++X) {
            const TKsColor Pixel = Item->Pixels(X, Y);
            if (Pixel == Ink) {
                ++Arrow;
                // A glyph in the box's middle, not a bar along it.
                ASSERT_TRUE(X >= Box.left + 4 && X < Box.right - 4 && Y > 2 && Y < 19)
                    << X << ", " << Y;
            } else {
                ASSERT_EQ(Pixel, Y == 0 ? Outline : Fill) << X << ", " << Y;
            }
        }
    EXPECT_GT(Arrow, 5);
    EXPECT_LT(Arrow, 32 * 22 / 4);
}

TEST(ItemPainting, OnAHostThatDrawsOnlyTheArrowsShapeTheRestOfTheBoxKeepsTheItem) {
    const TArrowPainterGuard Host(&PaintShapeOnly);
    auto Item = MakeSurface(48, 22, Fill);
    const RECT Box{8, 0, 40, 22};
    KsDrawSubMenuArrow(*Item, Box, Ink);
    const RECT Shape = CenterRect(ShapeOnly, Box);
    for (int Y = 0; Y < 22; ++Y)
        for (int X = 0; X < 48; ++X) {
            const bool InShape =
                X >= Shape.left && X < Shape.right && Y >= Shape.top && Y < Shape.bottom;
            ASSERT_EQ(Item->Pixels(X, Y), InShape ? Ink : Fill) << X << ", " << Y;
        }
}

TEST(ItemPainting, AnArrowBoxReachingPastTheSurfaceIsCutToIt) {
    auto Item = MakeSurface(20, 10, Fill);
    KsDrawSubMenuArrow(*Item, RECT{-10, -5, 30, 25}, Ink);
    KsDrawSubMenuArrow(*Item, RECT{25, 0, 40, 10}, Ink);
    for (int Y = 0; Y < 10; ++Y)
        for (int X = 0; X < 20; ++X) {
            const TKsColor Pixel = Item->Pixels(X, Y);
            ASSERT_TRUE(Pixel == Fill || Pixel == Ink) << X << ", " << Y;
        }
}

class ScrollMarkers : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto*& Item : Items) {
            Item = new TKsCustomItem(&Owner);
            Popup->Add(Item);
        }
        Popup->SetScrolled(true);
        Popup->SetScrollCount(3);
        Popup->SetTopIndex(2);
    }

    // The item drawn in a 40 x 20 rectangle: its marker box is 7 x 4 at (24, 8).
    std::unique_ptr<TKsBitmap> Drawn(TKsCustomItem& Item) {
        auto Result = MakeSurface(40, 20, Fill);
        KsDrawScrollMarkers(*Result, Item, RECT{0, 0, 40, 20}, Ink);
        return Result;
    }
    static int InkIn(const TKsBitmap& Bitmap, int Row) {
        int Count = 0;
        for (int X = 0; X < 40; ++X)
            Count += SameColor(Bitmap.Pixels(X, Row), Ink);
        return Count;
    }
    static void ExpectTriangle(const TKsBitmap& Bitmap, int BaseRow, int ApexRow) {
        for (int X = 24; X < 31; ++X)
            EXPECT_TRUE(SameColor(Bitmap.Pixels(X, BaseRow), Ink)) << X;
        EXPECT_EQ(InkIn(Bitmap, ApexRow), 1);
        EXPECT_TRUE(SameColor(Bitmap.Pixels(27, ApexRow), Ink));
        ExpectFillOutside(Bitmap, RECT{24, 8, 31, 12});
    }

    TComponent Owner{nullptr};
    TKsCustomItem* Popup = new TKsCustomItem(&Owner);
    TKsCustomItem* Items[6]{};
};

TEST_F(ScrollMarkers, TheFirstItemShownPointsUpAndTheLastDown) {
    ExpectTriangle(*Drawn(*Items[2]), 11, 8);
    ExpectTriangle(*Drawn(*Items[4]), 8, 11);
    for (int Index : {0, 1, 3, 5})
        ExpectFillOutside(*Drawn(*Items[Index]), RECT{});
}

TEST_F(ScrollMarkers, APopupThatDoesNotScrollShowsNone) {
    Popup->SetScrollCount(0);
    ExpectFillOutside(*Drawn(*Items[2]), RECT{});
    Popup->SetScrollCount(3);
    Popup->SetScrolled(false);
    ExpectFillOutside(*Drawn(*Items[2]), RECT{});
    TKsCustomItem Alone(nullptr);
    ExpectFillOutside(*Drawn(Alone), RECT{});
}
