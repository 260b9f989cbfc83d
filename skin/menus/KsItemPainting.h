// The small pieces of a menu item that every look paints alike: the check mark, the item's
// picture or check mark in its glyph box, the host's sub-menu arrow recoloured to the item,
// and the markers of a scrolled popup. The classic item painter and the themes call these,
// so an item shows the same shapes whatever paints its background.
#pragma once

#include "framework/graphics/WinApi.h"
#include "skin/graphics/KsLowLevel.h"

class TKsBitmap;
class TKsCustomItem;

// The check mark, black over white, around the middle of Box (a little left and down).
void KsDrawCheckMark(TKsBitmap& Bitmap, const RECT& Box);

// Whether the item shows something in its glyph box: it is checked, or it has a picture.
bool KsItemHasGlyph(TKsCustomItem& Item);
// The item's picture centred in Box, drawn enabled or disabled as the item is; without a
// picture, the check mark when the item is checked; otherwise nothing.
void KsDrawItemGlyph(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Box);

// The host's sub-menu arrow drawn into Box in Text, opaque, over what the item has painted
// there: the rest of Box keeps the item's own pixels (its fill, and its outline where the
// box reaches it).
void KsDrawSubMenuArrow(TKsBitmap& Bitmap, const RECT& Box, TKsColor Text);

// The host call that draws the sub-menu arrow into a device context (the system's menu glyph,
// black on a white ground). Tests set another, to stand for hosts that paint the glyph alone.
using TKsMenuArrowPainter = void (*)(HDC DC, const RECT& Box);
// Sets the painter, answering the one set before.
TKsMenuArrowPainter KsSetMenuArrowPainter(TKsMenuArrowPainter Painter);

// The markers of a popup that shows only part of its items: an upward triangle on the first
// item shown and a downward one on the last, in Color, near the right of ItemRect. Items of
// a popup that does not scroll get none.
void KsDrawScrollMarkers(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& ItemRect,
                         TKsColor Color);
