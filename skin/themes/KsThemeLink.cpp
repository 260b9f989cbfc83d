#include "skin/themes/KsThemeLink.h"

#include "skin/themes/KsThemeEngine.h"

TTeThemeLink::~TTeThemeLink() {
    SetEngine(nullptr);
}

bool TTeThemeLink::SetEngine(TTeThemeEngine* Value) {
    return ReplaceReference(FClient, FEngine, Value);
}

bool TTeThemeLink::EngineRemoved(TComponent* AComponent, TOperation Operation) {
    if (Operation != TOperation::opRemove || AComponent != FEngine || !FEngine)
        return false;
    FEngine = nullptr;
    return true;
}

TTeTheme* TTeThemeLink::AvailableTheme() const {
    if (FClient.IsLoading() || FClient.IsDestroying() || !FEngine)
        return nullptr;
    TTeTheme* Theme = FEngine->Theme();
    return Theme && Theme->ThemeClass().IsAvailable() ? Theme : nullptr;
}
