#include "skin/themes/TeThemeMenuItems.h"

#include "framework/windows/ShortCuts.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItemPainting.h"
#include "skin/menus/KsItems.h"
#include "skin/themes/KsThemeThemes.h"

namespace {

// The glyph column of a popup item, where its caption starts, and the area of the sub-menu
// mark (from the item's right).
constexpr int GlyphColumnWidth = 22;
constexpr int CaptionIndent = 26;
constexpr int MarkAreaLeft = 34;
constexpr int MarkAreaRight = 2;
// A menu-bar item is its caption plus this much; a popup item its texts plus this much.
constexpr int MenuBarItemPadding = 12;
constexpr int PopupItemPadding = 74;
constexpr int SeparatorHeight = 9;
// The separator line: this far below the item's top, this far in from either side.
constexpr int SeparatorLineTop = 4;
constexpr int SeparatorLineInset = 2;
constexpr int DotSize = 5;

TKsColor Pixel(TTeTheme& Theme, int Index) {
    return ColorToKsColor(Theme.GetColor(Index), 255);
}

void DrawText(TTeTheme& Theme, TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect) {
    if (!Item.Enabled())
        Bitmap.Font()->SetColor(Theme.GetColor(22));
    RECT TextArea{Rect.left + CaptionIndent, Rect.top, Rect.right, Rect.bottom};
    Bitmap.DrawText(Item.Caption(), TextArea, Theme.DrawTextFlags(TeTextLeft));
    if (Item.ShortCut() == scNone)
        return;
    TextArea.right -= RectHeight(Rect);
    Bitmap.DrawText(ShortCutToText(Item.ShortCut()), TextArea, Theme.DrawTextFlags(TeTextRight));
}

void DrawDot(TTeTheme& Theme, TKsBitmap& Bitmap, const RECT& Area, TKsColor Text) {
    const RECT Dot = CenterRect(RECT{0, 0, DotSize, DotSize}, Area);
    Bitmap.FillRoundRect(Dot, DotSize, Text);
    Bitmap.RoundFrame(Dot, DotSize, Pixel(Theme, 13));
}

} // namespace

void TeMeasureMenuBarItem(TTeTheme& Theme, TKsBitmap& Bitmap, TKsCustomItem& Item, int& Width,
                          int& Height) {
    Theme.SelectFont(Bitmap, 2);
    Width = Bitmap.TextWidth(Item.Caption()) + MenuBarItemPadding;
    Height = Theme.GetMetric(14);
}

void TeMeasurePopupItem(TTeTheme& Theme, TKsBitmap& Bitmap, TKsCustomItem& Item, int& Width,
                        int& Height) {
    Theme.SelectFont(Bitmap, 3);
    Height = Item.IsSeparator() ? SeparatorHeight : Theme.GetMetric(14);
    Width = Bitmap.TextWidth(Item.Caption()) + Bitmap.TextWidth(ShortCutToText(Item.ShortCut())) +
            PopupItemPadding;
}

void TeDrawPopupSeparator(TTeTheme& Theme, TKsBitmap& Bitmap, const RECT& Rect) {
    Bitmap.FillRect(Rect, Pixel(Theme, 16));
    TeDrawSeparatorLine(Bitmap, Rect);
}

void TeDrawSeparatorLine(TKsBitmap& Bitmap, const RECT& Rect) {
    const int Top = Rect.top + SeparatorLineTop;
    Bitmap.FillRect(
        RECT{Rect.left + SeparatorLineInset, Top, Rect.right - SeparatorLineInset, Top + 1},
        ColorToKsColor(clBtnShadow, 255));
}

void TeDrawPopupItemContent(TTeTheme& Theme, TKsBitmap& Bitmap, TKsCustomItem& Item,
                            const RECT& Rect, bool Selected, TTeSubMenuMark Mark) {
    Theme.SelectFont(Bitmap, 3);
    Bitmap.Font()->SetColor(Theme.GetColor(Selected ? 21 : 20));
    KsDrawItemGlyph(Bitmap, Item,
                    RECT{Rect.left, Rect.top, Rect.left + GlyphColumnWidth, Rect.bottom});
    DrawText(Theme, Bitmap, Item, Rect);
    const TKsColor Text = ColorToKsColor(Bitmap.Font()->Color(), 255);
    if (Item.Count() > 0) {
        const RECT Area{Rect.right - MarkAreaLeft, Rect.top, Rect.right - MarkAreaRight,
                        Rect.bottom};
        if (Mark == TTeSubMenuMark::tsmDot)
            DrawDot(Theme, Bitmap, Area, Text);
        else
            KsDrawSubMenuArrow(Bitmap, Area, Text);
    }
    KsDrawScrollMarkers(Bitmap, Item, Rect, Text);
}

void TeDrawMenuBarCaption(TTeTheme& Theme, TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Face,
                          int TextColor) {
    Theme.SelectFont(Bitmap, 2);
    Bitmap.Font()->SetColor(Theme.GetColor(TextColor));
    Bitmap.DrawText(Item.Caption(), Face, Theme.DrawTextFlags(TeTextCenter));
}

void TeDrawPopupFrames(TTeTheme& Theme, TKsBitmap& Bitmap, int Width, int Height) {
    const RECT Outer{0, 0, Width, Height};
    Bitmap.FrameRect(Outer, Pixel(Theme, 13));
    Bitmap.FrameRect(InflateRectBy(Outer, -1), Pixel(Theme, 16));
    Bitmap.FrameRect(InflateRectBy(Outer, -2), Pixel(Theme, 16));
}

void TeDrawSolidMenuBarItem(TTeTheme& Theme, TKsBitmap& Bitmap, TKsCustomItem& Item,
                            const RECT& Rect, bool Selected, bool NotTracking,
                            bool OutlineSelection) {
    Theme.SelectFont(Bitmap, 2);
    Bitmap.FillRect(Rect, Pixel(Theme, Item.InControlBar() ? 11 : 14));
    const RECT Face = InflateRectBy(Rect, -1);
    int TextColor = 18;
    if (Selected && Item.InControlBar()) {
        Theme.DrawToolButton(Bitmap, Face,
                             NotTracking ? TTeDrawState::tdsNormal : TTeDrawState::tdsPressed,
                             false, false);
    } else if (Selected) {
        Bitmap.FillRect(Face, Pixel(Theme, 15));
        if (OutlineSelection)
            Bitmap.FrameRect(Face, Pixel(Theme, 13));
        TextColor = 19;
    }
    TeDrawMenuBarCaption(Theme, Bitmap, Item, Face, TextColor);
}

void TeDrawSolidPopupItem(TTeTheme& Theme, TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                          bool Selected) {
    if (Item.IsSeparator()) {
        TeDrawPopupSeparator(Theme, Bitmap, Rect);
        return;
    }
    Bitmap.FillRect(Rect, Pixel(Theme, Selected ? 17 : 16));
    if (Selected)
        Bitmap.FrameRect(Rect, Pixel(Theme, 13));
    TeDrawPopupItemContent(Theme, Bitmap, Item, Rect, Selected, TTeSubMenuMark::tsmArrow);
}
