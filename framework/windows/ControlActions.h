// A control's tie to an action: the link through which caption, enabled state, hint,
// visibility and click follow the action, as long as the control still shows what the
// action last gave it.
#pragma once

#include "framework/windows/Actions.h"

class TControl;

class TControlActionLink : public TActionLink {
public:
    static const TClassOf<TControlActionLink> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TControlActionLink(TControl& Client) : FClient(Client) {}

    // Linked while an action is set and the control's value is still the action's.
    bool IsCaptionLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsHintLinked() const override;
    bool IsVisibleLinked() const override;
    bool IsOnExecuteLinked() const override;

    void SetCaption(const std::string& Value) override;
    void SetEnabled(bool Value) override;
    void SetHint(const std::string& Value) override;
    void SetVisible(bool Value) override;
    void SetOnExecute(const TNotifyEvent& Value) override;

protected:
    TControl& Client() const { return FClient; }
    // The action as a custom action, or nullptr.
    TCustomAction* CustomAction() const;

private:
    // Whether the client's value (a getter of the control) is the custom action's.
    template <class C, class A> bool ClientHasActions(C ClientValue, A ActionValue) const;

    TControl& FClient;
};
