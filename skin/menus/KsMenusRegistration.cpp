#include "skin/menus/KsMenusRegistration.h"

#include "framework/core/ClassRegistry.h"
#include "skin/menus/KsItemClicks.h"
#include "skin/menus/KsItems.h"

void RegisterSkinMenus() {
    static bool Registered = false;
    if (Registered)
        return;
    Registered = true;
    RegisterClass(TKsCustomItem::Class);
    TKsClickHandler::Install();
}
