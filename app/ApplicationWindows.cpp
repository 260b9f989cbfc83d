#include "app/ApplicationWindows.h"

#include "app/AboutPas.h"
#include "app/LastImgPas.h"
#include "app/MainPas.h"
#include "app/Unit2.h"

#include "framework/windows/Application.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/forms/KsFormsRegistration.h"
#include "skin/menus/KsMenusRegistration.h"
#include "skin/themes/KsThemeRegistration.h"

void CreateApplicationWindows() {
    RegisterSkinThemes();
    RegisterSkinControls();
    RegisterSkinForms();
    RegisterSkinMenus();
    Application->Initialize();
    Application->SetTitle("Snapvale1.0");
    Application->CreateForm(MainFrm);
    Application->CreateForm(LastImgFrm);
    Application->CreateForm(Form2);
    Application->CreateForm(AboutFrm);
}
