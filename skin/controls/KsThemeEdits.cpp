#include "skin/controls/KsThemeEdits.h"

#include "framework/core/Properties.h"
#include "skin/menus/KsThemeItems.h"
#include "skin/menus/KsThemeMenus.h"
#include "skin/themes/KsThemeEngine.h"

namespace {

using P = TPublished<TTeThemeEdit>;
const TPropertyTable ThemeEditProperties{
    P::Component("ThemeEngine", &TTeThemeEdit::ThemeEngine, &TTeThemeEdit::SetThemeEngine),
    // Always the library's version; a layout may hold any text here and still loads.
    P::String(
        "Version", &TTeThemeEdit::Version, [](TTeThemeEdit&, const std::string&) {}, "",
        TStored::Never()),
};

} // namespace

const TComponentClassOf<TTeThemeEdit> TTeThemeEdit::Class{"TTeThemeEdit", TKsCustomEdit::Class,
                                                          &ThemeEditProperties};

TTeThemeEdit::TTeThemeEdit(TComponent* AOwner) : TKsCustomEdit(AOwner) {}

TTeThemeEdit::~TTeThemeEdit() = default;

std::string TTeThemeEdit::Version() const {
    return TTeThemeEngine::VersionText;
}

void TTeThemeEdit::SetThemeEngine(TTeThemeEngine* Value) {
    if (FThemeLink.SetEngine(Value))
        Invalidate();
}

void TTeThemeEdit::Notification(TComponent* AComponent, TOperation Operation) {
    TKsCustomEdit::Notification(AComponent, Operation);
    if (FThemeLink.EngineRemoved(AComponent, Operation) && !IsDestroying())
        Invalidate();
}

void TTeThemeEdit::DrawBorder() {
    TTeTheme* Theme = FThemeLink.AvailableTheme();
    if (!Theme) {
        TKsCustomEdit::DrawBorder();
        return;
    }
    const TTeDrawState State = !Enabled()   ? TTeDrawState::tdsDisabled
                               : HasFocus() ? TTeDrawState::tdsFocused
                                            : TTeDrawState::tdsNormal;
    Theme->DrawEditFrame(Surface(), RECT{0, 0, ControlWidth(), ControlHeight()}, State);
}

TKsCustomPopupMenu* TTeThemeEdit::CreateContextMenu(TComponent* AOwner) {
    return new TTeThemePopupMenu(AOwner);
}

TKsCustomItem* TTeThemeEdit::CreateContextMenuItem() {
    return new TTeThemeItem(this);
}

void TTeThemeEdit::UpdateContextMenu() {
    TKsCustomEdit::UpdateContextMenu();
    // The menu follows the engine the edit has when it opens.
    static_cast<TTeThemePopupMenu&>(ContextMenu()).SetThemeEngine(ThemeEngine());
}
