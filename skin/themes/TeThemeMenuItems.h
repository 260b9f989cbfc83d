// The parts of menu items that every theme measures and paints alike: the sizes of menu-bar
// and popup items, the separator, and what a popup item shows over its own background (its
// picture or check mark, caption, short-cut, sub-menu mark and scroll markers). Each theme
// paints the backgrounds its own way and hands the rest to these.
#pragma once

#include "framework/graphics/WinApi.h"
#include "skin/graphics/KsLowLevel.h"

class TKsBitmap;
class TKsCustomItem;
class TTeTheme;

// A menu-bar item: its caption in font 2 plus padding, as high as a menu item (metric 14).
void TeMeasureMenuBarItem(TTeTheme& Theme, TKsBitmap& Bitmap, TKsCustomItem& Item, int& Width,
                          int& Height);
// A popup item: its caption and short-cut in font 3 plus room for glyph and arrow; a
// separator is a thin strip.
void TeMeasurePopupItem(TTeTheme& Theme, TKsBitmap& Bitmap, TKsCustomItem& Item, int& Width,
                        int& Height);

// A separator item: the popup's item colour with a shadow line across.
void TeDrawPopupSeparator(TTeTheme& Theme, TKsBitmap& Bitmap, const RECT& Rect);
// Only the separator's shadow line, over whatever the item's background is.
void TeDrawSeparatorLine(TKsBitmap& Bitmap, const RECT& Rect);

// How a theme marks an item that opens a sub-menu: the host's menu arrow, or a small round
// dot outlined in the selection outline colour.
enum class TTeSubMenuMark : uint8_t { tsmArrow, tsmDot };

// Everything of a popup item that is not a separator except its background, in font 3 and
// the item's text colour (selected, normal or disabled).
void TeDrawPopupItemContent(TTeTheme& Theme, TKsBitmap& Bitmap, TKsCustomItem& Item,
                            const RECT& Rect, bool Selected, TTeSubMenuMark Mark);

// A menu-bar item's caption centred in Face, in font 2 and the colour of index TextColor.
void TeDrawMenuBarCaption(TTeTheme& Theme, TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Face,
                          int TextColor);

// A popup window's border: a frame in the outline colour (13) and two rings of the item
// colour (16) inside it; the items paint the rest.
void TeDrawPopupFrames(TTeTheme& Theme, TKsBitmap& Bitmap, int Width, int Height);

// A menu-bar item in plain colours: the bar's colour (the face colour on a control bar);
// selected, a tool button on a control bar, else filled with colour 15 and, when
// OutlineSelection, outlined in colour 13; then the caption.
void TeDrawSolidMenuBarItem(TTeTheme& Theme, TKsBitmap& Bitmap, TKsCustomItem& Item,
                            const RECT& Rect, bool Selected, bool NotTracking,
                            bool OutlineSelection);
// A popup item in plain colours: a separator, or filled with colour 17 and outlined in
// colour 13 when selected (colour 16 otherwise), then its content with the host's arrow.
void TeDrawSolidPopupItem(TTeTheme& Theme, TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                          bool Selected);
