// Actions: one command's presentation and handler, kept apart from the controls and menu
// items that offer it. A client (a control, a menu item) follows an action through an action
// link it owns; the action knows its links and tells each of them when one of its properties
// changes, so every client shows the same caption, state and hint. An action freed before
// its clients leaves every link empty, never dangling.
//
// TBasicAction is the command alone (OnExecute, OnUpdate); TCustomAction adds what clients
// show, and belongs to an action list whose image list holds the pictures its ImageIndex
// names. TAction and TActionList publish them for layouts, where the actions are written
// nested in their list.
#pragma once

#include "framework/core/Components.h"
#include "framework/core/Events.h"
#include "framework/windows/ShortCuts.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TActionLink;
class TCustomActionList;
class TCustomImageList;

using THelpContext = int32_t;

class TBasicAction : public TComponent {
public:
    static const TComponentClassOf<TBasicAction> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TBasicAction(TComponent* AOwner);
    ~TBasicAction() override;

    // Raises OnExecute; answers whether a handler ran.
    virtual bool Execute();
    // Raises OnUpdate, where the handler brings the action's state up to date; answers
    // whether a handler ran.
    virtual bool Update();

    TNotifyEvent OnExecute() const { return FOnExecute; }
    void SetOnExecute(TNotifyEvent Value);
    TNotifyEvent OnUpdate;

    // The links of the clients that follow this action.
    int ClientCount() const { return static_cast<int>(FClients.size()); }
    TActionLink* Clients(int Index) const;

protected:
    // Tells every link that the action changed.
    void Change();
    // Calls Apply on every link; a link that goes away meanwhile is skipped.
    template <class F> void ForEachClient(F Apply) {
        for (size_t I = FClients.size(); I-- > 0;)
            if (I < FClients.size())
                Apply(*FClients[I]);
    }

private:
    friend class TActionLink;
    void RegisterChanges(TActionLink* Link);
    void UnRegisterChanges(TActionLink* Link);

    TNotifyEvent FOnExecute;
    std::vector<TActionLink*> FClients;
};

// The client's end of the tie to an action. The base answers every is-linked query with
// whether an action is set and leaves the client alone in its setters; a client class
// derives a link that compares and changes the client's own properties.
class TActionLink : public TObject {
public:
    static const TClassOf<TActionLink> Class;
    const TClass& ClassType() const override { return Class; }

    TActionLink() = default;
    ~TActionLink() override;

    TBasicAction* Action() const { return FAction; }
    void SetAction(TBasicAction* Value);

    // Runs the action; False without one.
    virtual bool Execute();
    // Asks the action to update its state; False without one.
    virtual bool Update();

    // Whether the client's property follows the action's.
    virtual bool IsCaptionLinked() const { return FAction != nullptr; }
    virtual bool IsCheckedLinked() const { return FAction != nullptr; }
    virtual bool IsEnabledLinked() const { return FAction != nullptr; }
    virtual bool IsHelpContextLinked() const { return FAction != nullptr; }
    virtual bool IsHintLinked() const { return FAction != nullptr; }
    virtual bool IsImageIndexLinked() const { return FAction != nullptr; }
    virtual bool IsShortCutLinked() const { return FAction != nullptr; }
    virtual bool IsVisibleLinked() const { return FAction != nullptr; }
    virtual bool IsOnExecuteLinked() const { return FAction != nullptr; }

    // The action's new value of a property, given before the action stores it; a linked
    // client takes it.
    virtual void SetCaption(const std::string&) {}
    virtual void SetChecked(bool) {}
    virtual void SetEnabled(bool) {}
    virtual void SetHelpContext(THelpContext) {}
    virtual void SetHint(const std::string&) {}
    virtual void SetImageIndex(int) {}
    virtual void SetShortCut(TShortCut) {}
    virtual void SetVisible(bool) {}
    virtual void SetOnExecute(const TNotifyEvent&) {}

    // Called with the action as Sender whenever the action changed.
    TNotifyEvent OnChange;

protected:
    virtual void Change();

private:
    friend class TBasicAction;
    TBasicAction* FAction = nullptr;
};

// Links Client to the action Value through its link (made on first use, its change handler
// Changed): the free notification moves from the previous action to the new one, and no
// action frees the link. Answers whether Value is a new action to take values from.
template <class TLink, class TClient>
bool LinkAction(TClient& Client, std::unique_ptr<TLink>& Link, TBasicAction* Value,
                void (TClient::*Changed)(TObject*)) {
    TBasicAction* Previous = Link ? Link->Action() : nullptr;
    if (Value == Previous)
        return false;
    if (Previous)
        Previous->RemoveFreeNotification(&Client);
    if (!Value) {
        Link.reset();
        return false;
    }
    if (!Link) {
        Link = std::make_unique<TLink>(Client);
        Link->OnChange = MakeEvent(&Client, Changed);
    }
    Link->SetAction(Value);
    Value->FreeNotification(&Client);
    return true;
}

class TCustomAction : public TBasicAction {
public:
    static const TComponentClassOf<TCustomAction> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TCustomAction(TComponent* AOwner);
    ~TCustomAction() override;

    // Brings the state up to date first; a disabled action runs nothing and answers False.
    bool Execute() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    THelpContext HelpContext() const { return FHelpContext; }
    void SetHelpContext(THelpContext Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    // The picture in the action list's Images; -1 for none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

    // The list this action belongs to (nullptr for none); setting it moves the action.
    TCustomActionList* ActionList() const { return FActionList; }
    void SetActionList(TCustomActionList* Value);
    // The action list's image list, or nullptr.
    TCustomImageList* Images() const;

    // Streaming: an action in a list is written inside it. While being read, the action is
    // offered the object it is nested in, which makes it join a list it is read inside.
    bool HasParent() const override {
        return FActionList != nullptr || ComponentState().Contains(TComponentStateFlag::csReading);
    }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

private:
    friend class TCustomActionList;
    // Stores Value in Field when it differs, first giving it to each link's setter Tell.
    template <class V, class S> void Assign(V& Field, const V& Value, S Tell);

    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    THelpContext FHelpContext = 0;
    std::string FHint;
    int FImageIndex = -1;
    TShortCut FShortCut = scNone;
    bool FVisible = true;
    TCustomActionList* FActionList = nullptr;
};

class TAction : public TCustomAction {
public:
    static const TComponentClassOf<TAction> Class;
    const TClass& ClassType() const override { return Class; }
    using TCustomAction::TCustomAction;
};

class TCustomActionList : public TComponent {
public:
    static const TComponentClassOf<TCustomActionList> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TCustomActionList(TComponent* AOwner);
    ~TCustomActionList() override;

    int ActionCount() const { return static_cast<int>(FActions.size()); }
    // The action at Index; EListError outside the list.
    TCustomAction* Actions(int Index) const;

    // The pictures of the actions' ImageIndex; the actions' clients are told of a change.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);

    // Streaming: the actions the root owns are written inside the list.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TCustomAction;
    void ImagesChanged();

    std::vector<TCustomAction*> FActions;
    TCustomImageList* FImages = nullptr;
};

class TActionList : public TCustomActionList {
public:
    static const TComponentClassOf<TActionList> Class;
    const TClass& ClassType() const override { return Class; }
    using TCustomActionList::TCustomActionList;
};
