// Themed items: items that measure and paint themselves with a theme engine's theme, and
// open themed popups. Without an engine, or while its theme cannot paint, they look like
// plain items.
#pragma once

#include "skin/menus/KsItems.h"
#include "skin/themes/KsThemeLink.h"

class TTeTheme;
class TTeThemeEngine;

class TTeThemeItem : public TKsCustomItem {
public:
    static const TComponentClassOf<TTeThemeItem> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TTeThemeItem(TComponent* AOwner);

    TTeThemeEngine* ThemeEngine() const { return FThemeLink.Engine(); }
    // Links this item and every themed item below it to Value.
    void SetThemeEngine(TTeThemeEngine* Value);
    // The engine's theme when it can paint now, else nullptr.
    TTeTheme* AvailableTheme() const { return FThemeLink.AvailableTheme(); }

    TKsPopupWindowClass PopupWindowClass() const override;
    void MeasureItem(TKsBitmap* Bitmap, TKsItemView& View, int& Width, int& Height) override;
    void DrawItem(TKsBitmap& Bitmap, TKsItemView& View, const RECT& Rect, bool IsHot,
                  bool NotTracking) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TTeThemeLink FThemeLink;
};
