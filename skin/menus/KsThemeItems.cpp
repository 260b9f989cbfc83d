#include "skin/menus/KsThemeItems.h"

#include "framework/core/Properties.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItemViews.h"
#include "skin/menus/KsThemeMenuForm.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeThemes.h"

const TComponentClassOf<TTeThemeItem> TTeThemeItem::Class{"TTeThemeItem", TKsCustomItem::Class};

TTeThemeItem::TTeThemeItem(TComponent* AOwner) : TKsCustomItem(AOwner), FThemeLink(*this) {}

void TTeThemeItem::SetThemeEngine(TTeThemeEngine* Value) {
    FThemeLink.SetEngine(Value);
    for (int I = 0; I < Count(); ++I)
        if (auto* Themed = dynamic_cast<TTeThemeItem*>(Items(I)))
            Themed->SetThemeEngine(Value);
}

void TTeThemeItem::Notification(TComponent* AComponent, TOperation Operation) {
    TKsCustomItem::Notification(AComponent, Operation);
    // A freed engine leaves the item with the plain look.
    FThemeLink.EngineRemoved(AComponent, Operation);
}

TKsPopupWindowClass TTeThemeItem::PopupWindowClass() const {
    return &TTeThemePopupWindow::CreatePopup;
}

void TTeThemeItem::MeasureItem(TKsBitmap* Bitmap, TKsItemView& View, int& Width, int& Height) {
    TTeTheme* Theme = AvailableTheme();
    if (!Theme || !Bitmap) {
        TKsCustomItem::MeasureItem(Bitmap, View, Width, Height);
        return;
    }
    if (View.DropsDown())
        Theme->MeasureMenuBarItem(*Bitmap, *this, Width, Height);
    else
        Theme->MeasurePopupItem(*Bitmap, *this, Width, Height);
    if (ButtonKind() != TKsItemButtonKind::kibNone)
        Width = Height;
}

void TTeThemeItem::DrawItem(TKsBitmap& Bitmap, TKsItemView& View, const RECT& Rect, bool IsHot,
                            bool NotTracking) {
    TTeTheme* Theme = AvailableTheme();
    if (!Theme) {
        TKsCustomItem::DrawItem(Bitmap, View, Rect, IsHot, NotTracking);
        return;
    }
    if (ButtonKind() != TKsItemButtonKind::kibNone) {
        Theme->DrawMDIButton(Bitmap, *this, Rect, IsHot, NotTracking);
        if (ButtonKind() == TKsItemButtonKind::kibSysMenu) {
            const RECT Box = CenterRect(RECT{0, 0, 16, 16}, Rect);
            KsDrawChildFormIcon(Bitmap, *this, POINT{Box.left, Box.top});
        }
        return;
    }
    if (View.DropsDown())
        Theme->DrawMenuBarItem(Bitmap, *this, Rect, IsHot, NotTracking);
    else
        Theme->DrawPopupItem(Bitmap, *this, Rect, IsHot, NotTracking);
}
