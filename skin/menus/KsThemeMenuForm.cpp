#include "skin/menus/KsThemeMenuForm.h"

#include "skin/menus/KsThemeItems.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeThemes.h"

const TComponentClassOf<TTeThemePopupForm> TTeThemePopupForm::Class{"TTeThemePopupForm",
                                                                    TKsPopupForm::Class};

void TTeThemePopupForm::PaintFrame(TKsBitmap& Bitmap) {
    auto* Item = dynamic_cast<TTeThemeItem*>(Window().View().Item());
    TTeTheme* Theme = Item ? Item->AvailableTheme() : nullptr;
    if (!Theme) {
        TKsPopupForm::PaintFrame(Bitmap);
        return;
    }
    Theme->DrawPopupBackground(Bitmap, FormWidth(), FormHeight());
}

const TComponentClassOf<TTeThemePopupWindow> TTeThemePopupWindow::Class{"TTeThemePopupWindow",
                                                                        TKsPopupWindow::Class};

std::unique_ptr<TKsPopupWindow>
TTeThemePopupWindow::CreatePopup(TComponent* Owner, TKsCustomItem& Item, TKsItemView* ParentView,
                                 POINT Origin) {
    std::unique_ptr<TTeThemePopupWindow> Window(new TTeThemePopupWindow(Owner));
    Window->Build(Item, ParentView, Origin);
    return Window;
}

std::unique_ptr<TKsPopupForm> TTeThemePopupWindow::CreatePopupForm(TComponent* NotifyWindow) {
    return std::make_unique<TTeThemePopupForm>(*this, NotifyWindow);
}
