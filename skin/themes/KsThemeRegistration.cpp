#include "skin/themes/KsThemeRegistration.h"

#include "framework/core/ClassRegistry.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeSwitch.h"
#include "skin/themes/TeThemeFlat.h"
#include "skin/themes/TeThemeHighlight.h"
#include "skin/themes/TeThemeLines.h"
#include "skin/themes/TeThemeLuna.h"
#include "skin/themes/TeThemeXP.h"
#include "skin/themes/TeThemeXPImpl.h"

std::vector<const TTeThemeClass*> SkinThemeClasses(bool VisualStylesLoaded) {
    std::vector<const TTeThemeClass*> Classes{&TTeThemeLuna::Class, &TTeThemeHighlight::Class,
                                              &TTeThemeLines::Class, &TTeThemeFlat::Class,
                                              &TTeTheme::Class};
    if (VisualStylesLoaded)
        Classes.insert(Classes.begin(), &TTeThemeXP::Class);
    return Classes;
}

void RegisterSkinThemes() {
    static bool Registered = false;
    if (Registered)
        return;
    Registered = true;
    // The host's visual-styles library is looked up once, now, rather than in the middle of
    // painting.
    for (const TTeThemeClass* Theme : SkinThemeClasses(VisualStylesLoaded()))
        RegisterTheme(*Theme);
    RegisterClasses({&TTeThemeEngine::Class, &TTeSwitcherComboBox::Class});
}
