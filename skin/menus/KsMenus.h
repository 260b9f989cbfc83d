// The menu components a form designer places: the skinned menu bar, which shows its root
// item's sub-items in a row along the form and opens their popups, and the skinned popup
// menu, which a control opens on a right click (its PopupMenu) and which shows its items in
// a skinned popup instead of the host's menu. Each owns one root item (Items) and copies its
// popup settings (translucency, shadow, show animation) down the item tree before a popup
// opens.
#pragma once

#include "framework/windows/Menus.h"
#include "skin/controls/KsControls.h"
#include "skin/forms/KsFormTypes.h"
#include "skin/menus/KsItemViews.h"

#include <memory>

class TCustomImageList;
class TKsCustomForm;
class TKsCustomItem;
class TKsCustomMenuBar;

// The popup settings a menu component hands down its item tree.
struct TKsPopupSettings {
    bool Blend = false;
    int BlendValue = 150;
    bool DropShadow = false;
    int ShadowWidth = 4;
    TKsAnimation ShowAnimation = TKsAnimation::kaNone;
    int ShowAnimationTime = 300;

    void ApplyTo(TKsCustomItem& Root) const;
};

// What both menu components share, whatever they stand on: the root item they own (Items)
// and the popup settings they hand down its tree.
template <class Base> class TKsMenuComponent : public Base {
public:
    explicit TKsMenuComponent(TComponent* AOwner) : Base(AOwner) {}
    ~TKsMenuComponent() override;

    TKsCustomItem* Items() const { return FItems.get(); }
    TCustomImageList* Images() const;
    void SetImages(TCustomImageList* Value);

    bool PopupBlend() const { return FSettings.Blend; }
    void SetPopupBlend(bool Value);
    int PopupBlendValue() const { return FSettings.BlendValue; }
    void SetPopupBlendValue(int Value);
    bool DropShadow() const { return FSettings.DropShadow; }
    void SetDropShadow(bool Value);
    int ShadowWidth() const { return FSettings.ShadowWidth; }
    void SetShadowWidth(int Value);
    TKsAnimation ShowAnimation() const { return FSettings.ShowAnimation; }
    void SetShowAnimation(TKsAnimation Value);
    int ShowAnimationTime() const { return FSettings.ShowAnimationTime; }
    void SetShowAnimationTime(int Value);

    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

protected:
    // Takes Root as the root item: it knows this component and gets the settings.
    void SetRootItem(std::unique_ptr<TKsCustomItem> Root);
    void FreeRootItem() { FItems.reset(); }
    // Hands the settings and the windowed control that owns the menu down the tree.
    void ApplySettings();

private:
    template <class V> void ChangeSetting(V TKsPopupSettings::*Field, V Value);

    std::unique_ptr<TKsCustomItem> FItems;
    TKsPopupSettings FSettings;
};

extern template class TKsMenuComponent<TKsCustomControl>;
extern template class TKsMenuComponent<TPopupMenu>;

// The view of a menu bar: horizontal, popups drop down below the hot item.
class TKsMenuBarView : public TKsItemView {
public:
    static const TComponentClassOf<TKsMenuBarView> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsMenuBarView(TKsCustomMenuBar& MenuBar);

    void SetContentSize(POINT Size) override;
    void Invalidate() override;

private:
    TKsCustomMenuBar& FMenuBar;
};

class TKsCustomMenuBar : public TKsMenuComponent<TKsCustomControl> {
public:
    static const TComponentClassOf<TKsCustomMenuBar> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsCustomMenuBar(TComponent* AOwner);
    ~TKsCustomMenuBar() override;

    TKsMenuBarView& View() const { return *FView; }
    // The bar takes the height of its tallest item (plus the etched line) when laid out.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }

    // The rectangle the items are laid out in: the client area less the etched line.
    virtual void GetItemArea(RECT& Rect);
    // Re-applies the popup settings and the owner to the item tree and repaints.
    virtual void UpdateItems();
    // Runs the bar's menu loop (keyboard access, or a press on an item); returns when the
    // menu has closed. False when another menu is open already.
    bool StartTracking();
    // A key pressed on the form: clicks the item with that short-cut; True when one exists.
    bool IsShortCut(const TWMKey& Message);
    // Shows the caption buttons of a maximised MDI child on the bar, and takes them away.
    void MergeChild(TKsCustomForm* Form);
    void UnmergeChild();
    TKsCustomForm* ChildForm() const { return FChildForm; }

    // Streaming: the items a layout reads inside the bar join its root item.
    static void AddItem(TComponent& Container, TKsCustomItem& Item);
    void Loaded() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // On a control bar the items are drawn as tool buttons.
    void SetParent(TWinControl* AParent) override;
    void Dispatch(TMessage& Message) override;

protected:
    void PaintControl() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DoMouseLeave() override;

private:
    void ItemsChanged(TKsCustomItem* Item);
    // Tells the items whether the bar stands on a control bar.
    void NoteControlBarParent();
    void MDIButtonClick(TObject* Sender);
    void CreateMDIButtons();
    void SetMDIButtonsVisible(bool Value);
    void WMLButtonDown(TMessage& Message);
    void CMDialogChar(TMessage& Message);
    // The screen point of a client point.
    POINT ScreenPoint(int X, int Y) const;

    bool FMerging = false;
    std::unique_ptr<TKsMenuBarView> FView;
    TKsCustomForm* FChildForm = nullptr;
    bool FAutoSize = true;
    bool FUpdatingBounds = true;
    TKsCustomItem* FSysMenuItem = nullptr;
    TKsCustomItem* FMinimizeItem = nullptr;
    TKsCustomItem* FRestoreItem = nullptr;
    TKsCustomItem* FCloseItem = nullptr;
};

// Items() are the skinned items; the framework menu's own items are never shown.
class TKsCustomPopupMenu : public TKsMenuComponent<TPopupMenu> {
public:
    static const TComponentClassOf<TKsCustomPopupMenu> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsCustomPopupMenu(TComponent* AOwner);
    ~TKsCustomPopupMenu() override;

    // Shows the skinned popup at the screen point and returns when it has closed; a popup
    // menu open already closes first.
    void Popup(int X, int Y) override;
    // Closes this menu's popup when it is open.
    virtual void CloseMenu();
    // The skinned popup menu whose popup is open, or nullptr.
    static TKsCustomPopupMenu* ActivePopupMenu();

    static void AddItem(TComponent& Container, TKsCustomItem& Item);

protected:
    // The root item of this menu class's tree.
    virtual std::unique_ptr<TKsCustomItem> CreateRootItem();
    // Makes the root item; the constructor of each menu class calls it.
    void CreateItems() { SetRootItem(CreateRootItem()); }
};
