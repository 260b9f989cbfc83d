#include "skin/menus/KsThemeMenus.h"

#include "framework/core/Properties.h"
#include "skin/menus/KsItemContainers.h"
#include "skin/menus/KsThemeItems.h"
#include "skin/themes/KsThemeEngine.h"

namespace {

using P = TPublished<TTeThemePopupMenu>;
const TPropertyTable ThemePopupMenuProperties{
    P::Component("ThemeEngine", &TTeThemePopupMenu::ThemeEngine,
                 &TTeThemePopupMenu::SetThemeEngine),
    // Always the library's version; never written, and whatever a layout holds is ignored.
    P::String(
        "Version", &TTeThemePopupMenu::Version, [](TTeThemePopupMenu&, const std::string&) {}, "",
        TStored::Never()),
};

} // namespace

const TComponentClassOf<TTeThemePopupMenu> TTeThemePopupMenu::Class{
    "TTeThemePopupMenu", TKsCustomPopupMenu::Class, &ThemePopupMenuProperties};

TTeThemePopupMenu::TTeThemePopupMenu(TComponent* AOwner) : TKsCustomPopupMenu(AOwner) {
    RegisterItemContainer(Class, &AddThemeItem, TTeThemeItem::Class);
    CreateItems();
}

TTeThemePopupMenu::~TTeThemePopupMenu() {
    UnregisterItemContainer(Class);
}

std::string TTeThemePopupMenu::Version() const {
    return TTeThemeEngine::VersionText;
}

void TTeThemePopupMenu::AddThemeItem(TComponent& Container, TKsCustomItem& Item) {
    AddItem(Container, Item);
}

std::unique_ptr<TKsCustomItem> TTeThemePopupMenu::CreateRootItem() {
    return std::make_unique<TTeThemeItem>(this);
}

void TTeThemePopupMenu::SetThemeEngine(TTeThemeEngine* Value) {
    ReplaceReference(*this, FThemeEngine, Value);
    if (auto* Root = dynamic_cast<TTeThemeItem*>(Items()))
        Root->SetThemeEngine(Value);
}

void TTeThemePopupMenu::Loaded() {
    TKsCustomPopupMenu::Loaded();
    // Items read from a layout take the engine now.
    SetThemeEngine(FThemeEngine);
}

void TTeThemePopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TKsCustomPopupMenu::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FThemeEngine)
        SetThemeEngine(nullptr);
}
