// Themed popup windows: the popup of a themed item paints its frame and background with
// the item's theme engine (through the item, which forgets a freed engine), and falls back
// to the plain frame when the theme cannot paint.
#pragma once

#include "skin/menus/KsMenuForm.h"

class TTeThemePopupForm : public TKsPopupForm {
public:
    static const TComponentClassOf<TTeThemePopupForm> Class;
    const TClass& ClassType() const override { return Class; }

    using TKsPopupForm::TKsPopupForm;

    void PaintFrame(TKsBitmap& Bitmap) override;
};

class TTeThemePopupWindow : public TKsPopupWindow {
public:
    static const TComponentClassOf<TTeThemePopupWindow> Class;
    const TClass& ClassType() const override { return Class; }

    static std::unique_ptr<TKsPopupWindow> CreatePopup(TComponent* Owner, TKsCustomItem& Item,
                                                       TKsItemView* ParentView, POINT Origin);

protected:
    using TKsPopupWindow::TKsPopupWindow;
    std::unique_ptr<TKsPopupForm> CreatePopupForm(TComponent* NotifyWindow) override;
};
