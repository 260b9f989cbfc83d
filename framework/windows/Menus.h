// Menus: the framework's menu items and the popup menu that a control opens on a right click
// or the context-menu key (its PopupMenu). The plain popup menu shows its items in the host's
// menu; a skinned popup menu derives from TPopupMenu and shows its own instead, by
// overriding Popup.
//
// Items form a tree: a menu owns its root item (Items), whose sub-items are the menu's
// entries. Layouts write an item nested in its parent item, and the menu's entries nested in
// the menu.
#pragma once

#include "framework/core/Components.h"
#include "framework/core/Events.h"
#include "framework/graphics/WinApi.h"
#include "framework/windows/ShortCuts.h"

#include <memory>
#include <string>
#include <vector>

class TMenu;

class TMenuItem : public TComponent {
public:
    static const TComponentClassOf<TMenuItem> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TMenuItem(TComponent* AOwner);
    // Frees the sub-items (last first) and leaves the parent.
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value) { FCaption = Value; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value) { FChecked = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value) { FShortCut = Value; }

    int Count() const { return static_cast<int>(FItems.size()); }
    // The sub-item at Index; EListError outside the list.
    TMenuItem* Items(int Index) const;
    TMenuItem* Parent() const { return FParent; }
    // The menu whose root item this is, or nullptr.
    TMenu* Menu() const { return FMenu; }
    void Add(TMenuItem* Item) { Insert(Count(), Item); }
    // EMenuError when Item has a parent already or would become its own ancestor; EListError
    // for an index outside 0..Count.
    void Insert(int Index, TMenuItem* Item);
    void Delete(int Index);
    void Remove(TMenuItem* Item);
    int IndexOf(const TMenuItem* Item) const;

    // Runs OnClick of an enabled item.
    virtual void Click();
    TNotifyEvent OnClick;

    // Streaming: an item is written inside its parent item, a menu's entries inside the menu.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

private:
    friend class TMenu;

    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    TShortCut FShortCut = scNone;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr;
    std::vector<TMenuItem*> FItems;
};

class TMenu : public TComponent {
public:
    static const TComponentClassOf<TMenu> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    // The root item; its sub-items are the menu's entries.
    TMenuItem* Items() const { return FItems.get(); }

    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

private:
    std::unique_ptr<TMenuItem> FItems;
};

class TPopupMenu : public TMenu {
public:
    static const TComponentClassOf<TPopupMenu> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TPopupMenu(TComponent* AOwner);

    // Shows the menu at the screen point (X, Y) and returns when it has closed; the chosen
    // item's Click runs before it returns. Raises OnPopup first.
    virtual void Popup(int X, int Y);
    // Whether a right click or the context-menu key on a control opens the menu.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    // The control whose context menu opened the menu last.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value);
    // The screen point of the last Popup.
    POINT PopupPoint() const { return FPopupPoint; }

    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // What every Popup does first: keeps the point and raises OnPopup.
    void BeginPopup(int X, int Y);

private:
    bool FAutoPopup = true;
    TComponent* FPopupComponent = nullptr;
    POINT FPopupPoint{};
};
