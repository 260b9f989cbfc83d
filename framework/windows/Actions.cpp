#include "framework/windows/Actions.h"

#include "framework/core/Lists.h"
#include "framework/core/Properties.h"
#include "framework/windows/ImageLists.h"

#include <algorithm>

namespace {

using A = TPublished<TAction>;
const TPropertyTable ActionProperties{
    A::String("Caption", &TAction::Caption, &TAction::SetCaption),
    A::Boolean("Checked", &TAction::Checked, &TAction::SetChecked),
    A::Boolean("Enabled", &TAction::Enabled, &TAction::SetEnabled, true),
    A::Integer("HelpContext", &TAction::HelpContext, &TAction::SetHelpContext),
    A::String("Hint", &TAction::Hint, &TAction::SetHint),
    A::Integer("ImageIndex", &TAction::ImageIndex, &TAction::SetImageIndex, -1),
    A::Integer("ShortCut", &TAction::ShortCut, &TAction::SetShortCut, scNone),
    A::Boolean("Visible", &TAction::Visible, &TAction::SetVisible, true),
    A::Event("OnExecute", &TAction::OnExecute, &TAction::SetOnExecute),
    // OnUpdate is a field of the base class, reached through TAction here.
    A::Event(
        "OnUpdate", [](const TAction& Action) { return Action.OnUpdate; },
        [](TAction& Action, const TNotifyEvent& Value) { Action.OnUpdate = Value; }),
};

const TPropertyTable ActionListProperties{
    TPublished<TActionList>::Component("Images", &TActionList::Images, &TActionList::SetImages),
};

template <class T> void RemoveFrom(std::vector<T*>& List, T* Item) {
    List.erase(std::remove(List.begin(), List.end(), Item), List.end());
}

} // namespace

const TComponentClassOf<TBasicAction> TBasicAction::Class{"TBasicAction", TComponent::Class};
const TClassOf<TActionLink> TActionLink::Class{"TActionLink", TObject::Class};
const TComponentClassOf<TCustomAction> TCustomAction::Class{"TCustomAction", TBasicAction::Class};
const TComponentClassOf<TAction> TAction::Class{"TAction", TCustomAction::Class, &ActionProperties};
const TComponentClassOf<TCustomActionList> TCustomActionList::Class{"TCustomActionList",
                                                                    TComponent::Class};
const TComponentClassOf<TActionList> TActionList::Class{"TActionList", TCustomActionList::Class,
                                                        &ActionListProperties};

// --- TBasicAction ---------------------------------------------------------------------------

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
    // The links outlive the action in their clients; they are left without one.
    for (TActionLink* Link : FClients)
        Link->FAction = nullptr;
    FClients.clear();
}

bool TBasicAction::Execute() {
    if (!FOnExecute)
        return false;
    FOnExecute(this);
    return true;
}

bool TBasicAction::Update() {
    if (!OnUpdate)
        return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::SetOnExecute(TNotifyEvent Value) {
    if (Value == FOnExecute)
        return;
    ForEachClient([&](TActionLink& Link) { Link.SetOnExecute(Value); });
    FOnExecute = Value;
    Change();
}

TActionLink* TBasicAction::Clients(int Index) const {
    if (Index < 0 || Index >= ClientCount())
        throw EListError(ListIndexErrorMessage(Index));
    return FClients[static_cast<size_t>(Index)];
}

void TBasicAction::Change() {
    ForEachClient([](TActionLink& Link) { Link.Change(); });
}

void TBasicAction::RegisterChanges(TActionLink* Link) {
    FClients.push_back(Link);
}

void TBasicAction::UnRegisterChanges(TActionLink* Link) {
    RemoveFrom(FClients, Link);
}

// --- TActionLink ----------------------------------------------------------------------------

TActionLink::~TActionLink() {
    SetAction(nullptr);
}

void TActionLink::SetAction(TBasicAction* Value) {
    if (Value == FAction)
        return;
    if (FAction)
        FAction->UnRegisterChanges(this);
    FAction = Value;
    if (FAction)
        FAction->RegisterChanges(this);
}

bool TActionLink::Execute() {
    return FAction && FAction->Execute();
}

bool TActionLink::Update() {
    return FAction && FAction->Update();
}

void TActionLink::Change() {
    if (OnChange)
        OnChange(FAction);
}

// --- TCustomAction --------------------------------------------------------------------------

TCustomAction::TCustomAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TCustomAction::~TCustomAction() {
    SetActionList(nullptr);
}

bool TCustomAction::Execute() {
    Update();
    return FEnabled && TBasicAction::Execute();
}

template <class V, class S> void TCustomAction::Assign(V& Field, const V& Value, S Tell) {
    if (Value == Field)
        return;
    // A link compares its client with the old value to know whether the client follows.
    ForEachClient([&](TActionLink& Link) { (Link.*Tell)(Value); });
    Field = Value;
    Change();
}

void TCustomAction::SetCaption(const std::string& Value) {
    Assign(FCaption, Value, &TActionLink::SetCaption);
}

void TCustomAction::SetChecked(bool Value) {
    Assign(FChecked, Value, &TActionLink::SetChecked);
}

void TCustomAction::SetEnabled(bool Value) {
    Assign(FEnabled, Value, &TActionLink::SetEnabled);
}

void TCustomAction::SetHelpContext(THelpContext Value) {
    Assign(FHelpContext, Value, &TActionLink::SetHelpContext);
}

void TCustomAction::SetHint(const std::string& Value) {
    Assign(FHint, Value, &TActionLink::SetHint);
}

void TCustomAction::SetImageIndex(int Value) {
    Assign(FImageIndex, Value, &TActionLink::SetImageIndex);
}

void TCustomAction::SetShortCut(TShortCut Value) {
    Assign(FShortCut, Value, &TActionLink::SetShortCut);
}

void TCustomAction::SetVisible(bool Value) {
    Assign(FVisible, Value, &TActionLink::SetVisible);
}

void TCustomAction::SetActionList(TCustomActionList* Value) {
    if (Value == FActionList)
        return;
    if (FActionList)
        RemoveFrom(FActionList->FActions, static_cast<TCustomAction*>(this));
    FActionList = Value;
    if (FActionList)
        FActionList->FActions.push_back(this);
}

TCustomImageList* TCustomAction::Images() const {
    return FActionList ? FActionList->Images() : nullptr;
}

TComponent* TCustomAction::GetParentComponent() const {
    return FActionList;
}

void TCustomAction::SetParentComponent(TComponent* Value) {
    SetActionList(dynamic_cast<TCustomActionList*>(Value));
}

// --- TCustomActionList ----------------------------------------------------------------------

TCustomActionList::TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomActionList::~TCustomActionList() {
    // The actions may live on (their owner frees them); they leave the list.
    while (!FActions.empty())
        FActions.back()->SetActionList(nullptr);
}

TCustomAction* TCustomActionList::Actions(int Index) const {
    if (Index < 0 || Index >= ActionCount())
        throw EListError(ListIndexErrorMessage(Index));
    return FActions[static_cast<size_t>(Index)];
}

void TCustomActionList::SetImages(TCustomImageList* Value) {
    if (ReplaceReference(*this, FImages, Value))
        ImagesChanged();
}

void TCustomActionList::ImagesChanged() {
    if (IsDestroying())
        return;
    for (size_t I = FActions.size(); I-- > 0;)
        if (I < FActions.size())
            FActions[I]->Change();
}

void TCustomActionList::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    for (TCustomAction* Action : FActions)
        if (Action->Owner() == Root)
            Proc(Action);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages)
        SetImages(nullptr);
}
