// How an item measures and paints itself without a theme: the host's menu font and sizes,
// the system's colours, raised and sunken frames and the host's own frame controls.
#include "framework/graphics/GraphicsObjects.h"
#include "framework/windows/Application.h"
#include "framework/windows/Forms.h"
#include "framework/windows/ShortCuts.h"
#include "skin/forms/KsForms.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItemPainting.h"
#include "skin/menus/KsItemViews.h"
#include "skin/menus/KsItems.h"

#include <algorithm>
#include <memory>
#include <type_traits>

TFont& KsItemFont() {
    static const std::unique_ptr<TFont> Font = [] {
        auto Made = std::make_unique<TFont>();
        NONCLIENTMETRICSW Metrics{};
        if (KsNonClientMetrics(Metrics))
            Made->SetHandle(CreateFontIndirectW(&Metrics.lfMenuFont));
        return Made;
    }();
    return *Font;
}

namespace {

// The host's menu item size, at least 20 x 20; read once, like the menu font.
SIZE LeastItemSize() {
    static const SIZE Size = [] {
        NONCLIENTMETRICSW Metrics{};
        KsNonClientMetrics(Metrics);
        return SIZE{std::max(20, static_cast<int>(Metrics.iMenuWidth)),
                    std::max(20, static_cast<int>(Metrics.iMenuHeight))};
    }();
    return Size;
}

TKsColor Opaque(TColor Color) {
    return ColorToKsColor(Color, 255);
}

void FrameRaised(TKsBitmap& Bitmap, const RECT& Rect) {
    Bitmap.FrameRect3D(Rect, Opaque(clBtnHighlight), Opaque(clBtnShadow));
}

void FrameSunken(TKsBitmap& Bitmap, const RECT& Rect) {
    Bitmap.FrameRect3D(Rect, Opaque(clBtnShadow), Opaque(clBtnHighlight));
}

// Text of a disabled item: embossed (a highlight copy one pixel down and right) unless
// the item is hot, then in the shadow colour.
void DrawItemText(TKsBitmap& Bitmap, const TKsCustomItem& Item, const std::string& Text,
                  const RECT& Rect, UINT Flags, bool IsHot) {
    if (!Item.Enabled()) {
        if (!IsHot) {
            const TColor Ink = Bitmap.Font()->Color();
            Bitmap.Font()->SetColor(clBtnHighlight);
            Bitmap.DrawText(
                Text, RECT{Rect.left + 1, Rect.top + 1, Rect.right + 1, Rect.bottom + 1}, Flags);
            Bitmap.Font()->SetColor(Ink);
        }
        Bitmap.Font()->SetColor(clBtnShadow);
    }
    Bitmap.DrawText(Text, Rect, Flags);
}

// A caption button of a maximised MDI child: the host's caption control, or the child's
// icon in a raised (hot, idle) or sunken (hot, tracking) frame.
void DrawMDIButtonItem(TKsBitmap& Bitmap, const TKsCustomItem& Item, RECT Rect, bool IsHot,
                       bool NotTracking) {
    UINT State = DFCS_BUTTONPUSH;
    if (IsHot)
        State |= NotTracking ? DFCS_FLAT : DFCS_PUSHED;
    switch (Item.ButtonKind()) {
    case TKsItemButtonKind::kibClose:
    case TKsItemButtonKind::kibRestore:
    case TKsItemButtonKind::kibMinimize: {
        const UINT Kind = Item.ButtonKind() == TKsItemButtonKind::kibClose     ? DFCS_CAPTIONCLOSE
                          : Item.ButtonKind() == TKsItemButtonKind::kibRestore ? DFCS_CAPTIONRESTORE
                                                                               : DFCS_CAPTIONMIN;
        RECT Button = InflateRectBy(Rect, -2);
        ++Button.right;
        --Button.bottom;
        DrawFrameControl(Bitmap.DC(), &Button, DFC_CAPTION, State | Kind);
        break;
    }
    case TKsItemButtonKind::kibSysMenu:
        if (!Item.ChildForm())
            break;
        if (IsHot)
            (NotTracking ? FrameRaised : FrameSunken)(Bitmap, Rect);
        Rect = InflateRectBy(Rect, -1);
        KsDrawChildFormIcon(Bitmap, Item, POINT{Rect.left, Rect.top});
        break;
    default:
        break;
    }
}

} // namespace

void KsDrawChildFormIcon(TKsBitmap& Bitmap, const TKsCustomItem& Item, POINT At) {
    if (!Item.ChildForm())
        return;
    int Width = GetSystemMetrics(SM_CXSMICON);
    int Height = GetSystemMetrics(SM_CYSMICON);
    if (Width == 0)
        Width = GetSystemMetrics(SM_CXSIZE);
    if (Height == 0)
        Height = GetSystemMetrics(SM_CYSIZE);
    const std::unique_ptr<std::remove_pointer_t<HICON>, decltype(&DestroyIcon)> Small(
        static_cast<HICON>(CopyImage(Item.ChildForm()->FormIcon(), IMAGE_ICON, Width, Height,
                                     LR_COPYFROMRESOURCE)),
        &DestroyIcon);
    if (Small)
        DrawIconEx(Bitmap.DC(), At.x, At.y, Small.get(), 0, 0, 0, nullptr, DI_NORMAL);
}

void TKsCustomItem::MeasureItem(TKsBitmap* Bitmap, TKsItemView& View, int& Width, int& Height) {
    const SIZE Least = LeastItemSize();
    Width = Least.cx;
    Height = Least.cy;
    if (!Bitmap)
        return;
    Bitmap->SetFont(&KsItemFont());
    if (View.DropsDown()) {
        Width = Bitmap->TextWidth(FCaption) + 12;
        if (FButtonKind != TKsItemButtonKind::kibNone)
            Width = Height;
        return;
    }
    Width = Bitmap->TextWidth(FCaption) + 74;
    if (FShortCut != scNone)
        Width += Bitmap->TextWidth(ShortCutToText(FShortCut));
    if (IsSeparator())
        Height = 15;
}

void TKsCustomItem::DrawItem(TKsBitmap& Bitmap, TKsItemView& View, const RECT& Rect, bool IsHot,
                             bool NotTracking) {
    Bitmap.SetFont(&KsItemFont());
    if (View.DropsDown()) {
        Bitmap.FillRect(Rect, Opaque(clMenu));
        if (FButtonKind != TKsItemButtonKind::kibNone) {
            DrawMDIButtonItem(Bitmap, *this, Rect, IsHot, NotTracking);
            return;
        }
        if (IsHot)
            (NotTracking ? FrameRaised : FrameSunken)(Bitmap, Rect);
        Bitmap.Font()->SetColor(clMenuText);
        Bitmap.DrawText(FCaption, Rect, DrawTextFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
        return;
    }
    const RECT& Area = Rect;
    if (IsSeparator()) {
        // An etched line across the middle; a separator shows nothing else.
        Bitmap.FillRect(Rect, Opaque(clMenu));
        const RECT Line{Rect.left + 2, Rect.top + 7, Rect.right - 2, Rect.top + 9};
        FrameSunken(Bitmap, Line);
        return;
    }
    Bitmap.Font()->SetColor(IsHot ? clHighlightText : clMenuText);
    Bitmap.FillRect(Area, Opaque(IsHot ? clHighlight : clMenu));

    if (KsItemHasGlyph(*this)) {
        RECT Box{Area.left, Area.top, Area.left + 22, Area.bottom};
        Bitmap.FillRect(Box, Opaque(clBtnFace));
        Box.right = Box.left + (Box.bottom - Box.top);
        if (FChecked && IsHot) {
            FrameSunken(Bitmap, Box);
        } else if (FChecked) {
            Bitmap.FillDither(Box, Opaque(clBtnFace), KsWhite);
            FrameSunken(Bitmap, Box);
        } else if (IsHot) {
            FrameRaised(Bitmap, Box);
        }
        KsDrawItemGlyph(Bitmap, *this, Box);
    }

    RECT TextRect = Area;
    TextRect.left += 26;
    DrawItemText(Bitmap, *this, FCaption, TextRect, DrawTextFlags(DT_VCENTER | DT_SINGLELINE),
                 IsHot);
    if (FShortCut != scNone) {
        TextRect.right -= 32;
        DrawItemText(Bitmap, *this, ShortCutToText(FShortCut), TextRect,
                     DrawTextFlags(DT_RIGHT | DT_VCENTER | DT_SINGLELINE), IsHot);
    }
    if (Count() > 0)
        KsDrawSubMenuArrow(Bitmap, RECT{Rect.right - 34, Rect.top, Rect.right - 2, Rect.bottom},
                           Opaque(Bitmap.Font()->Color()));
    KsDrawScrollMarkers(Bitmap, *this, Rect, Opaque(Bitmap.Font()->Color()));
}
