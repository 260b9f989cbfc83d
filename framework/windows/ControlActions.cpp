// A control's action: the link that keeps the control in step with its action, taking an
// action, copying its properties, and clicks that run the action.
#include "framework/windows/ControlActions.h"

#include "framework/windows/Controls.h"

const TClassOf<TControlActionLink> TControlActionLink::Class{"TControlActionLink",
                                                             TActionLink::Class};

TCustomAction* TControlActionLink::CustomAction() const {
    return dynamic_cast<TCustomAction*>(Action());
}

template <class C, class A>
bool TControlActionLink::ClientHasActions(C ClientValue, A ActionValue) const {
    const TCustomAction* Linked = CustomAction();
    return Linked && (FClient.*ClientValue)() == (Linked->*ActionValue)();
}

bool TControlActionLink::IsCaptionLinked() const {
    return TActionLink::IsCaptionLinked() &&
           ClientHasActions(&TControl::Caption, &TCustomAction::Caption);
}

bool TControlActionLink::IsEnabledLinked() const {
    return TActionLink::IsEnabledLinked() &&
           ClientHasActions(&TControl::Enabled, &TCustomAction::Enabled);
}

bool TControlActionLink::IsHintLinked() const {
    return TActionLink::IsHintLinked() && ClientHasActions(&TControl::Hint, &TCustomAction::Hint);
}

bool TControlActionLink::IsVisibleLinked() const {
    return TActionLink::IsVisibleLinked() &&
           ClientHasActions(&TControl::Visible, &TCustomAction::Visible);
}

bool TControlActionLink::IsOnExecuteLinked() const {
    return TActionLink::IsOnExecuteLinked() && FClient.OnClick == Action()->OnExecute();
}

void TControlActionLink::SetCaption(const std::string& Value) {
    if (IsCaptionLinked())
        FClient.SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value) {
    if (IsEnabledLinked())
        FClient.SetEnabled(Value);
}

void TControlActionLink::SetHint(const std::string& Value) {
    if (IsHintLinked())
        FClient.SetHint(Value);
}

void TControlActionLink::SetVisible(bool Value) {
    if (IsVisibleLinked())
        FClient.SetVisible(Value);
}

void TControlActionLink::SetOnExecute(const TNotifyEvent& Value) {
    if (IsOnExecuteLinked())
        FClient.OnClick = Value;
}

TBasicAction* TControl::Action() const {
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TControl::SetAction(TBasicAction* Value) {
    // An action still being read has not got its own values yet; it gives only what the
    // control has not set itself.
    if (LinkAction(*this, FActionLink, Value, &TControl::DoActionChange))
        ActionChange(Value, Value->IsLoading());
}

void TControl::DoActionChange(TObject* Sender) {
    if (Sender && Sender == Action())
        ActionChange(Sender, false);
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
    const auto* Source = dynamic_cast<TCustomAction*>(Sender);
    if (!Source)
        return;
    if (!CheckDefaults || Caption().empty())
        SetCaption(Source->Caption());
    if (!CheckDefaults || Enabled())
        SetEnabled(Source->Enabled());
    if (!CheckDefaults || Hint().empty())
        SetHint(Source->Hint());
    if (!CheckDefaults || Visible())
        SetVisible(Source->Visible());
    if (!CheckDefaults || !OnClick)
        OnClick = Source->OnExecute();
}

void TControl::Click() {
    // A handler of the control's own wins over the action; the action's handler copied into
    // OnClick runs through the action, which checks that it is enabled first.
    TBasicAction* Linked = Action();
    if (OnClick && Linked && OnClick != Linked->OnExecute())
        OnClick(this);
    else if (Linked && !IsDesigning())
        FActionLink->Execute();
    else if (OnClick)
        OnClick(this);
}
