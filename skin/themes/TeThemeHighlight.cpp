#include "skin/themes/TeThemeHighlight.h"

#include "skin/graphics/KsBitmap.h"

const TTeThemeClassOf<TTeThemeHighlight> TTeThemeHighlight::Class{"TTeThemeHighlight",
                                                                  TTeThemeLines::Class};

namespace {

// Where the caption fades to; no shift changes it.
constexpr TKsColor CaptionFadeGrey = 0xFFC8C8C8u;

} // namespace

TColor TTeThemeHighlight::BaseColor(int Index) {
    switch (Index) {
    case 0:
        return clActiveCaption;
    case 1:
        return clInactiveCaption;
    case 11:
    case 14:
    case 16:
        return clBtnFace;
    default:
        return TTeThemeLines::BaseColor(Index);
    }
}

void TTeThemeHighlight::DrawCaptionBand(TKsBitmap& Bitmap, const RECT& Band, bool Active) {
    Bitmap.FillGradient(Band, Pixel(Active ? 0 : 1), false, CaptionFadeGrey);
}

void TTeThemeHighlight::DrawStripes(TKsBitmap&, const RECT&, int) {}
