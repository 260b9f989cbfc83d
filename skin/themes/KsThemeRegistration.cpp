#include "skin/themes/KsThemeRegistration.h"

#include "framework/core/ClassRegistry.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/TeThemeFlat.h"
#include "skin/themes/TeThemeHighlight.h"
#include "skin/themes/TeThemeLines.h"
#include "skin/themes/TeThemeLuna.h"
#include "skin/themes/TeThemeXPImpl.h"

void RegisterSkinThemes() {
    static bool Registered = false;
    if (Registered)
        return;
    Registered = true;
    // The host's visual-styles library is looked up once, now, rather than in the middle of
    // painting.
    VisualStyles();
    RegisterTheme(TTeThemeLuna::Class);
    RegisterTheme(TTeThemeHighlight::Class);
    RegisterTheme(TTeThemeLines::Class);
    RegisterTheme(TTeThemeFlat::Class);
    RegisterTheme(TTeTheme::Class);
    RegisterClass(TTeThemeEngine::Class);
}
