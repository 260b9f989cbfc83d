#include "skin/menus/KsMenusRegistration.h"

#include "framework/core/ClassRegistry.h"
#include "skin/menus/KsItemClicks.h"
#include "skin/menus/KsItems.h"
#include "skin/menus/KsMenus.h"
#include "skin/menus/KsThemeItems.h"
#include "skin/menus/KsThemeMenus.h"

void RegisterSkinMenus() {
    static bool Registered = false;
    if (Registered)
        return;
    Registered = true;
    RegisterClasses({&TKsCustomItem::Class, &TTeThemeItem::Class, &TKsCustomMenuBar::Class,
                     &TKsCustomPopupMenu::Class, &TTeThemePopupMenu::Class});
    TKsClickHandler::Install();
}
