#include "skin/forms/KsFormsRegistration.h"

#include "framework/core/ClassRegistry.h"
#include "skin/forms/KsThemeForms.h"

void RegisterSkinForms() {
    static bool Registered = false;
    if (Registered)
        return;
    Registered = true;
    RegisterClass(TTeThemeForm::Class);
}
