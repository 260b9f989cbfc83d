#include "framework/windows/Bevels.h"

#include "framework/graphics/GdiHandles.h"

const TEnumInfo BevelCutInfo{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};

namespace {

void FillStrip(HDC DC, const RECT& Strip, HBRUSH Brush) {
    FillRect(DC, &Strip, Brush);
}

} // namespace

void Frame3D(HDC DC, RECT& Rect, TColor TopLeft, TColor BottomRight, int Width) {
    TGdiObject<HBRUSH> Light(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(TopLeft))));
    TGdiObject<HBRUSH> Dark(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(BottomRight))));
    for (int I = 0; I < Width && Rect.right > Rect.left && Rect.bottom > Rect.top; ++I) {
        FillStrip(DC, RECT{Rect.left, Rect.top, Rect.right - 1, Rect.top + 1}, Light.Get());
        FillStrip(DC, RECT{Rect.left, Rect.top, Rect.left + 1, Rect.bottom - 1}, Light.Get());
        FillStrip(DC, RECT{Rect.right - 1, Rect.top, Rect.right, Rect.bottom}, Dark.Get());
        FillStrip(DC, RECT{Rect.left, Rect.bottom - 1, Rect.right, Rect.bottom}, Dark.Get());
        InflateRect(&Rect, -1, -1);
    }
}

void DrawBevel(HDC DC, RECT& Rect, TBevelCut Cut, TColor Face, int Width) {
    switch (Cut) {
    case TBevelCut::bvNone:
        break;
    case TBevelCut::bvLowered:
        Frame3D(DC, Rect, clBtnShadow, clBtnHighlight, Width);
        break;
    case TBevelCut::bvRaised:
        Frame3D(DC, Rect, clBtnHighlight, clBtnShadow, Width);
        break;
    case TBevelCut::bvSpace:
        Frame3D(DC, Rect, Face, Face, Width);
        break;
    }
}
