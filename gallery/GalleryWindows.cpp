#include "gallery/GalleryWindows.h"

#include "gallery/GalleryFrm.h"

#include "framework/windows/Application.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/forms/KsFormsRegistration.h"
#include "skin/menus/KsMenusRegistration.h"
#include "skin/themes/KsThemeRegistration.h"

void CreateGalleryWindows() {
    RegisterSkinThemes();
    RegisterSkinControls();
    RegisterSkinForms();
    RegisterSkinMenus();
    Application->Initialize();
    Application->SetTitle(TGalleryFrm::Title);
    Application->CreateForm(GalleryFrm);
}
