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
    FThemeLink.SetEngine(Value);
    Invalidate();
}

void TTeThemeButton::Notification(TComponent* AComponent, TOperation Operation) {
    TKsCustomButton::Notification(AComponent, Operation);
    FThemeLink.EngineRemoved(AComponent, Operation);
}

bool TTeThemeButton::ThemeAvailable() const {
    return FThemeLink.AvailableTheme() != nullptr;
}

void TTeThemeButton::DescribeAppearance(TKsAppearance& Appearance) const {
    TKsCustomButton::DescribeAppearance(Appearance);
    const TTeTheme* Theme = FThemeLink.AvailableTheme();
    Appearance.Add(Theme);
    if (!Theme)
        return;
    // A new theme object may take the place of a freed one.
    Appearance.Add(&Theme->ThemeClass());
    Appearance.Add(Theme->Hue());
    Appearance.Add(Theme->Brightness());
}

void TTeThemeButton::DrawFace() {
    TTeTheme* Theme = FThemeLink.AvailableTheme();
    if (!Theme) {
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
    Theme->DrawButton(Surface(), Width(), Height(), State);
}
