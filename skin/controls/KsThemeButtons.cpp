#include "skin/controls/KsThemeButtons.h"

#include "framework/core/Properties.h"
#include "skin/themes/KsThemeEngine.h"

namespace {

using P = TPublished<TTeThemeButton>;
const TPropertyTable ThemeButtonProperties{
    P::Component("ThemeEngine", &TTeThemeButton::ThemeEngine, &TTeThemeButton::SetThemeEngine),
    P::String(
        "Version", &TTeThemeButton::Version, [](TTeThemeButton&, const std::string&) {}, "",
        TStored::Never()),
};

} // namespace

const TComponentClassOf<TTeThemeButton> TTeThemeButton::Class{
    "TTeThemeButton", TKsCustomButton::Class, &ThemeButtonProperties};

TTeThemeButton::TTeThemeButton(TComponent* AOwner) : TKsCustomButton(AOwner) {}

std::string TTeThemeButton::Version() const {
    return TTeThemeEngine::VersionText;
}

void TTeThemeButton::SetThemeEngine(TTeThemeEngine* Value) {
    if (FThemeEngine)
        FThemeEngine->RemoveFreeNotification(this);
    FThemeEngine = Value;
    if (FThemeEngine)
        FThemeEngine->FreeNotification(this);
    Invalidate();
}

void TTeThemeButton::Notification(TComponent* AComponent, TOperation Operation) {
    TKsCustomButton::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FThemeEngine)
        FThemeEngine = nullptr;
}

bool TTeThemeButton::ThemeAvailable() const {
    if (IsLoading() || IsDestroying() || !FThemeEngine)
        return false;
    const TTeTheme* Theme = FThemeEngine->Theme();
    return Theme && Theme->ThemeClass().IsAvailable();
}

void TTeThemeButton::DrawFace() {
    if (!ThemeAvailable()) {
        DrawPlainFace();
        return;
    }
    TTeDrawState State = TTeDrawState::tdsNormal;
    if (!Enabled())
        State = TTeDrawState::tdsDisabled;
    else if (Down())
        State = TTeDrawState::tdsPressed;
    else if (MouseInside())
        State = TTeDrawState::tdsHot;
    else if (HasFocus())
        State = TTeDrawState::tdsFocused;
    else if (ActiveDefault())
        State = TTeDrawState::tdsDefault;
    FThemeEngine->Theme()->DrawButton(Surface(), Width(), Height(), State);
}
