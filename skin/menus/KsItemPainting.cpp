#include "skin/menus/KsItemPainting.h"

#include "framework/graphics/Canvas.h"
#include "framework/windows/CustomControls.h"
#include "framework/windows/ImageLists.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItems.h"

#include <array>
#include <vector>

namespace {

// The check mark's two strokes, as offsets from its origin: the dark shape, then the light
// edge under it.
constexpr std::array<POINT, 7> CheckMarkInk{
    {{-2, -2}, {0, 0}, {4, -4}, {4, -3}, {0, 1}, {-2, -1}, {-2, -2}}};
constexpr std::array<POINT, 5> CheckMarkEdge{{{-3, -2}, {-3, -1}, {0, 2}, {5, -3}, {5, -5}}};

// What the arrow's area holds before the host draws: white without alpha, which is also what
// a host that paints the arrow's ground leaves there. Whatever still reads so afterwards is
// ground; every other pixel is the arrow.
constexpr TKsColor ArrowGround = 0x00FFFFFFu;

void DrawHostMenuArrow(HDC DC, const RECT& Box) {
    RECT Target = Box;
    DrawFrameControl(DC, &Target, DFC_MENU, DFCS_MENUARROW);
}

TKsMenuArrowPainter MenuArrowPainter = &DrawHostMenuArrow;

// The scroll markers: a triangle in a 7 x 4 box, placed this far left of the item's right.
constexpr int MarkerWidth = 7;
constexpr int MarkerHeight = 4;
constexpr int MarkerInset = 16;

template <size_t N>
void DrawPolyline(TKsBitmap& Bitmap, POINT Origin, const std::array<POINT, N>& Offsets,
                  TKsColor Color) {
    Bitmap.MoveTo(Origin.x + Offsets[0].x, Origin.y + Offsets[0].y);
    for (size_t I = 1; I < N; ++I)
        Bitmap.LineTo(Origin.x + Offsets[I].x, Origin.y + Offsets[I].y, Color);
}

RECT ClippedToSurface(const TKsBitmap& Bitmap, const RECT& Rect) {
    const RECT Surface{0, 0, Bitmap.Width(), Bitmap.Height()};
    RECT Clipped{};
    IntersectRect(&Clipped, &Rect, &Surface);
    return Clipped;
}

} // namespace

void KsDrawCheckMark(TKsBitmap& Bitmap, const RECT& Box) {
    const POINT Origin{(Box.left + Box.right) / 2 - 2, (Box.top + Box.bottom) / 2 + 1};
    DrawPolyline(Bitmap, Origin, CheckMarkInk, KsBlack);
    DrawPolyline(Bitmap, Origin, CheckMarkEdge, KsWhite);
}

bool KsItemHasGlyph(TKsCustomItem& Item) {
    return Item.Checked() || (Item.GetImageList() && Item.ImageIndex() >= 0);
}

void KsDrawItemGlyph(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Box) {
    const TCustomImageList* Images = Item.GetImageList();
    if (Images && Item.ImageIndex() >= 0) {
        const int X = Box.left + (RectWidth(Box) - Images->Width()) / 2;
        const int Y = Box.top + (RectHeight(Box) - Images->Height()) / 2;
        GdiFlush();
        TCanvas Canvas;
        const TCanvasOnDC OnSurface(Canvas, Bitmap.DC());
        Images->Draw(&Canvas, X, Y, Item.ImageIndex(), Item.Enabled());
    } else if (Item.Checked()) {
        KsDrawCheckMark(Bitmap, Box);
    }
}

TKsMenuArrowPainter KsSetMenuArrowPainter(TKsMenuArrowPainter Painter) {
    const TKsMenuArrowPainter Previous = MenuArrowPainter;
    MenuArrowPainter = Painter;
    return Previous;
}

void KsDrawSubMenuArrow(TKsBitmap& Bitmap, const RECT& Box, TKsColor Text) {
    const RECT Area = ClippedToSurface(Bitmap, Box);
    if (IsRectEmpty(Area))
        return;
    const int Stride = Bitmap.Width();
    const auto Row = [&](int Y) { return Bitmap.Bits() + Y * Stride; };
    GdiFlush();
    std::vector<TKsColor> Item;
    for (int Y = Area.top; Y < Area.bottom; ++Y)
        Item.insert(Item.end(), Row(Y) + Area.left, Row(Y) + Area.right);
    // Hosts that draw only the arrow's shape leave the rest of the area alone; without this
    // ground the item's own pixels would read as arrow and come out as a solid bar.
    Bitmap.FillRect(Area, ArrowGround);
    MenuArrowPainter(Bitmap.DC(), Box);
    GdiFlush();
    auto Saved = Item.cbegin();
    for (int Y = Area.top; Y < Area.bottom; ++Y)
        for (TKsColor* Pixel = Row(Y) + Area.left; Pixel != Row(Y) + Area.right; ++Pixel, ++Saved)
            *Pixel = *Pixel == ArrowGround ? *Saved : Text;
}

void KsDrawScrollMarkers(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& ItemRect,
                         TKsColor Color) {
    const TKsCustomItem* Popup = Item.Parent();
    if (!Popup || !Popup->Scrolled() || Popup->ScrollCount() <= 0)
        return;
    const int Index = Popup->IndexOf(&Item);
    const bool First = Index == Popup->TopIndex();
    const bool Last = Index == Popup->TopIndex() + Popup->ScrollCount() - 1;
    if (!First && !Last)
        return;
    RECT Box = CenterRectVert(RECT{0, 0, MarkerWidth, MarkerHeight}, ItemRect);
    OffsetRect(&Box, ItemRect.right - MarkerInset, 0);
    const int ApexX = (Box.left + Box.right - 1) / 2;
    if (First)
        Bitmap.FillPolygon({POINT{Box.left, Box.bottom - 1}, POINT{Box.right - 1, Box.bottom - 1},
                            POINT{ApexX, Box.top}},
                           Color);
    if (Last)
        Bitmap.FillPolygon(
            {POINT{Box.left, Box.top}, POINT{Box.right - 1, Box.top}, POINT{ApexX, Box.bottom - 1}},
            Color);
}
