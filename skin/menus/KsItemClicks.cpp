#include "skin/menus/KsItemClicks.h"

#include "framework/windows/Application.h"
#include "skin/menus/KsItems.h"

namespace {

TKsClickHandler* TheClickHandler = nullptr;

} // namespace

const TComponentClassOf<TKsClickHandler> TKsClickHandler::Class{"TKsClickHandler",
                                                                TComponent::Class};

void TKsClickHandler::Install() {
    if (!TheClickHandler)
        TheClickHandler = new TKsClickHandler(Application);
}

TKsClickHandler* TKsClickHandler::Instance() {
    return TheClickHandler;
}

TKsClickHandler::TKsClickHandler(TComponent* AOwner)
    : TComponent(AOwner),
      FWindow(this, [this](TMessage& Message) { return HandleMessage(Message); }) {}

TKsClickHandler::~TKsClickHandler() {
    if (TheClickHandler == this)
        TheClickHandler = nullptr;
}

bool TKsClickHandler::Post(const TKsCustomItem& Item) const {
    return FWindow.Post(KM_ITEMCLICK, 0, static_cast<LPARAM>(Item.Serial()));
}

bool TKsClickHandler::HandleMessage(TMessage& Message) {
    if (Message.Msg != KM_ITEMCLICK)
        return false;
    // Whatever the closing menu still has queued (its windows going away) comes first.
    Application->ProcessMessages();
    TKsCustomItem* Item = TKsCustomItem::FindLiveItem(static_cast<uint32_t>(Message.LParam));
    if (Item && !Item->IsDestroying())
        Item->RunClick();
    return true;
}

// --- The item's side ------------------------------------------------------------------------

void TKsCustomItem::Click() {
    if (IsSeparator() || Count() > 0 || !FEnabled)
        return;
    const TKsClickHandler* Handler = TKsClickHandler::Instance();
    if (Handler && Handler->Post(*this))
        return;
    RunClick();
}

void TKsCustomItem::RunClick() {
    // A handler of the item's own wins over the action; the action's handler copied into
    // OnClick runs through the action, which checks that it is enabled first.
    TBasicAction* Linked = Action();
    if (OnClick && Linked && !SameCode(OnClick, Linked->OnExecute()))
        OnClick(this);
    else if (Linked && !IsDesigning())
        FActionLink->Execute();
    else if (OnClick)
        OnClick(this);
}
