// An item's action: the link that keeps the item in step with its action while the item
// shows the action's values, taking an action, and copying its values.
#include "skin/menus/KsItems.h"

const TClassOf<TKsCustomItemActionLink> TKsCustomItemActionLink::Class{"TKsCustomItemActionLink",
                                                                       TActionLink::Class};

template <class C, class A>
bool TKsCustomItemActionLink::ClientHasActions(C ClientValue, A ActionValue) const {
    const auto* Linked = dynamic_cast<const TCustomAction*>(Action());
    return Linked && (FClient.*ClientValue)() == (Linked->*ActionValue)();
}

bool TKsCustomItemActionLink::IsCaptionLinked() const {
    return TActionLink::IsCaptionLinked() &&
           ClientHasActions(&TKsCustomItem::Caption, &TCustomAction::Caption);
}

bool TKsCustomItemActionLink::IsCheckedLinked() const {
    return TActionLink::IsCheckedLinked() &&
           ClientHasActions(&TKsCustomItem::Checked, &TCustomAction::Checked);
}

bool TKsCustomItemActionLink::IsEnabledLinked() const {
    return TActionLink::IsEnabledLinked() &&
           ClientHasActions(&TKsCustomItem::Enabled, &TCustomAction::Enabled);
}

bool TKsCustomItemActionLink::IsHelpContextLinked() const {
    return TActionLink::IsHelpContextLinked() &&
           ClientHasActions(&TKsCustomItem::HelpContext, &TCustomAction::HelpContext);
}

bool TKsCustomItemActionLink::IsHintLinked() const {
    return TActionLink::IsHintLinked() &&
           ClientHasActions(&TKsCustomItem::Hint, &TCustomAction::Hint);
}

bool TKsCustomItemActionLink::IsImageIndexLinked() const {
    return TActionLink::IsImageIndexLinked() &&
           ClientHasActions(&TKsCustomItem::ImageIndex, &TCustomAction::ImageIndex);
}

bool TKsCustomItemActionLink::IsShortCutLinked() const {
    return TActionLink::IsShortCutLinked() &&
           ClientHasActions(&TKsCustomItem::ShortCut, &TCustomAction::ShortCut);
}

bool TKsCustomItemActionLink::IsVisibleLinked() const {
    return TActionLink::IsVisibleLinked() &&
           ClientHasActions(&TKsCustomItem::Visible, &TCustomAction::Visible);
}

bool TKsCustomItemActionLink::IsOnExecuteLinked() const {
    return TActionLink::IsOnExecuteLinked() && SameCode(FClient.OnClick, Action()->OnExecute());
}

void TKsCustomItemActionLink::SetCaption(const std::string& Value) {
    if (IsCaptionLinked())
        FClient.SetCaption(Value);
}

void TKsCustomItemActionLink::SetChecked(bool Value) {
    if (IsCheckedLinked())
        FClient.SetChecked(Value);
}

void TKsCustomItemActionLink::SetEnabled(bool Value) {
    if (IsEnabledLinked())
        FClient.SetEnabled(Value);
}

void TKsCustomItemActionLink::SetHelpContext(THelpContext Value) {
    if (IsHelpContextLinked())
        FClient.FHelpContext = Value;
}

void TKsCustomItemActionLink::SetHint(const std::string& Value) {
    if (IsHintLinked())
        FClient.FHint = Value;
}

void TKsCustomItemActionLink::SetImageIndex(int Value) {
    if (IsImageIndexLinked())
        FClient.SetImageIndex(Value);
}

void TKsCustomItemActionLink::SetShortCut(TShortCut Value) {
    if (IsShortCutLinked())
        FClient.FShortCut = Value;
}

void TKsCustomItemActionLink::SetVisible(bool Value) {
    if (IsVisibleLinked())
        FClient.SetVisible(Value);
}

void TKsCustomItemActionLink::SetOnExecute(const TNotifyEvent& Value) {
    if (IsOnExecuteLinked())
        FClient.OnClick = Value;
}

TBasicAction* TKsCustomItem::Action() const {
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TKsCustomItem::SetAction(TBasicAction* Value) {
    // An action still being read has not got its own values yet; it gives only what the
    // item has not set itself.
    if (LinkAction(*this, FActionLink, Value, &TKsCustomItem::DoActionChange))
        ActionChange(Value, Value->IsLoading());
}

void TKsCustomItem::InitiateAction() {
    if (FActionLink)
        FActionLink->Update();
}

void TKsCustomItem::DoActionChange(TObject* Sender) {
    if (Sender && Sender == Action())
        ActionChange(Sender, false);
}

void TKsCustomItem::ActionChange(TObject* Sender, bool CheckDefaults) {
    const auto* Source = dynamic_cast<TCustomAction*>(Sender);
    if (!Source)
        return;
    if (!CheckDefaults || FCaption.empty())
        SetCaption(Source->Caption());
    if (!CheckDefaults || !FChecked)
        SetChecked(Source->Checked());
    if (!CheckDefaults || FEnabled)
        SetEnabled(Source->Enabled());
    if (!CheckDefaults || FHelpContext == 0)
        FHelpContext = Source->HelpContext();
    if (!CheckDefaults || FHint.empty())
        FHint = Source->Hint();
    if (!CheckDefaults || FImageIndex == -1)
        SetImageIndex(Source->ImageIndex());
    if (!CheckDefaults || FShortCut == scNone)
        FShortCut = Source->ShortCut();
    if (!CheckDefaults || FVisible)
        SetVisible(Source->Visible());
    if (!CheckDefaults || !OnClick)
        OnClick = Source->OnExecute();
}
