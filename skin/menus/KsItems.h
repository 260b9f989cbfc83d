// KsItems: the item tree behind every skinned menu. An item carries one command's
// presentation (caption, picture, short-cut, check mark, enabled and visible state, hint),
// its OnClick, an optional action it follows, and its ordered sub-items. Items know nothing
// of windows: item views lay out and paint the sub-items of one item, popup windows show
// them.
//
// A change of what an item shows is reported to the item's own change handler and to its
// root's, which the menu component owning the root sets. A click is deferred: it is posted
// to a hidden window (KM_ITEMCLICK) and runs from the application's loop once the menu that
// produced it has closed. The message names the item by a serial number, never by address,
// so a click whose item was freed meanwhile runs nothing.
#pragma once

#include "framework/core/Components.h"
#include "framework/core/Events.h"
#include "framework/core/Exceptions.h"
#include "framework/windows/Actions.h"
#include "framework/windows/BiDiMode.h"
#include "framework/windows/ControlMessages.h"
#include "skin/forms/KsFormTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TCustomImageList;
class TFont;
class TKsBitmap;
class TKsCustomForm;
class TKsCustomItem;
class TKsCustomItemActionLink;
class TKsItemView;
class TKsPopupWindow;

// The system's menu font, which every item measures and paints with.
TFont& KsItemFont();
// The icon of the MDI child whose caption buttons Item stands for, at small-icon size.
void KsDrawChildFormIcon(TKsBitmap& Bitmap, const TKsCustomItem& Item, POINT At);

// Makes the popup window of an item's sub-menu: Item is the item whose sub-items it shows,
// ParentView the view that opens it (nullptr for a popup menu or a system menu), Origin the
// screen point where the window is made, its place unless it has to move to fit the screen.
using TKsPopupWindowClass = std::unique_ptr<TKsPopupWindow> (*)(TComponent* Owner,
                                                                TKsCustomItem& Item,
                                                                TKsItemView* ParentView,
                                                                POINT Origin);

// Posted to the click handler's window: run the click of the item whose serial number is
// the LParam.
constexpr uint32_t KM_ITEMCLICK = 0x08BA;

// An item inserted where it cannot go: under a second parent, or under itself.
class EKsItemError : public Exception {
public:
    using Exception::Exception;
};

// The caption buttons of a maximised MDI child, shown as items of a menu bar.
enum class TKsItemButtonKind : uint8_t { kibNone, kibClose, kibRestore, kibMinimize, kibSysMenu };

using TKsItemChangeEvent = TEvent<TKsCustomItem*>;

class TKsCustomItem : public TComponent {
public:
    static const TComponentClassOf<TKsCustomItem> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsCustomItem(TComponent* AOwner);
    // Frees the sub-items, the last first, then leaves the parent.
    ~TKsCustomItem() override;

    // --- The tree ---
    int Count() const { return static_cast<int>(FItems.size()); }
    // The sub-item at Index; EListError outside 0..Count-1.
    TKsCustomItem* Items(int Index) const;
    TKsCustomItem* Parent() const { return FParent; }
    // The top of the tree this item is in (the item itself without a parent).
    TKsCustomItem* Root();
    void Add(TKsCustomItem* Item) { Insert(Count(), Item); }
    // EKsItemError "Toolbar item already inserted" when Item has a parent, "Toolbar item
    // inserted into itself" when Item is this item or one of its ancestors; EListError for
    // an index outside 0..Count. Nothing changes when it raises.
    void Insert(int Index, TKsCustomItem* Item);
    // Takes the sub-item out of the list (its owner still frees it); EListError outside.
    void Delete(int Index);
    void Remove(TKsCustomItem* Item);
    int IndexOf(const TKsCustomItem* Item) const;
    // Frees every sub-item, the last first.
    void Clear();

    // --- What the item shows ---
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    // A separator is an item whose caption is exactly "-".
    bool IsSeparator() const { return FCaption == "-"; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // The picture in GetImageList(); -1 for none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    // The item's own Images, else its root's.
    TCustomImageList* GetImageList();
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value) { FShortCut = Value; }
    THelpContext HelpContext() const { return FHelpContext; }
    void SetHelpContext(THelpContext Value) { FHelpContext = Value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    // A popup of this item's sub-items scrolls, showing ScrollCount of them from TopIndex.
    bool Scrolled() const { return FScrolled; }
    void SetScrolled(bool Value) { FScrolled = Value; }
    int ScrollCount() const { return FScrollCount; }
    void SetScrollCount(int Value) { FScrollCount = Value; }
    int TopIndex() const { return FTopIndex; }
    void SetTopIndex(int Value) { FTopIndex = Value; }

    // --- Popup presentation: stored on the item and all its descendants ---
    bool PopupBlend() const { return FPopupBlend; }
    void SetPopupBlend(bool Value);
    int PopupBlendValue() const { return FPopupBlendValue; }
    void SetPopupBlendValue(int Value);
    bool DropShadow() const { return FDropShadow; }
    void SetDropShadow(bool Value);
    int ShadowWidth() const { return FShadowWidth; }
    void SetShadowWidth(int Value);
    TKsAnimation ShowAnimation() const { return FShowAnimation; }
    void SetShowAnimation(TKsAnimation Value);
    int ShowAnimationTime() const { return FShowAnimationTime; }
    void SetShowAnimationTime(int Value);
    bool AnimatePending() const { return FAnimatePending; }
    void SetAnimatePending(bool Value);
    bool AnimateOnce() const { return FAnimateOnce; }
    void SetAnimateOnce(bool Value);
    // The component that owns the menu; its skinned form controller dresses the popups.
    TComponent* OwnerControl() const { return FOwnerControl; }
    void SetOwnerControl(TComponent* Value);
    // The skinned controller of the maximised MDI child whose buttons the menu bar shows.
    TKsCustomForm* ChildForm() const { return FChildForm; }
    void SetChildForm(TKsCustomForm* Value);
    // Popups of this tree are brought to the foreground when shown (a tray menu's are).
    bool Foreground() const { return FForeground; }
    void SetForeground(bool Value);

    // --- Stored on the item and its direct sub-items ---
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    // The menu bar stands on a skinned control bar.
    bool InControlBar() const { return FInControlBar; }
    void SetInControlBar(bool Value);

    TKsItemButtonKind ButtonKind() const { return FButtonKind; }
    void SetButtonKind(TKsItemButtonKind Value) { FButtonKind = Value; }
    // The menu component whose root item this is, or nullptr.
    TComponent* MenuComponent() const { return FMenuComponent; }
    void SetMenuComponent(TComponent* Value) { FMenuComponent = Value; }
    // Told of every change of this item (and, on a root, of every item of the tree).
    void SetOnChange(const TKsItemChangeEvent& Value) { FOnChange = Value; }
    // DrawText flags adjusted to the item's reading order.
    uint32_t DrawTextFlags(uint32_t Flags) const;

    // --- Showing the item and its sub-items ---
    // The popup window that shows this item's sub-items.
    virtual TKsPopupWindowClass PopupWindowClass() const;
    // The item's size in View; without a surface, the system's menu sizes.
    virtual void MeasureItem(TKsBitmap* Bitmap, TKsItemView& View, int& Width, int& Height);
    // Paints the item into Rect; IsHot: it is View's hot item; NotTracking: View's menu loop
    // is not running.
    virtual void DrawItem(TKsBitmap& Bitmap, TKsItemView& View, const RECT& Rect, bool IsHot,
                          bool NotTracking);
    // Shows the sub-items in a popup and returns when it has closed. View: the view that
    // opens it (nullptr for a popup at a point); (X, Y): the screen anchor; Rect: the
    // opening item's screen rectangle, empty for a popup at a point.
    void DropDown(TKsItemView* View, int X, int Y, const RECT& Rect);

    // --- Action ---
    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);
    TKsCustomItemActionLink* ActionLink() const { return FActionLink.get(); }
    // Asks the action to bring its state up to date.
    virtual void InitiateAction();

    // --- Clicks and search ---
    // Does nothing for a separator, a disabled item and an item with sub-items; otherwise
    // queues the command for the application's loop (runs it at once while no click
    // handler exists).
    virtual void Click();
    // The command itself: OnClick, or the action when OnClick is unassigned or is the
    // action's handler.
    void RunClick();
    // The first direct sub-item, shown or not, whose caption marks Char as its accelerator.
    TKsCustomItem* FindItemByAccel(wchar_t Char) const;
    // Depth first, the item itself first: the first item with that short-cut, or whose
    // OnClick runs the same handler code.
    TKsCustomItem* FindItemByShortCut(TShortCut ShortCut);
    TKsCustomItem* FindItemByClick(const TNotifyEvent& Handler);
    // Called on a root item for a key pressed: when an item of the tree carries the key's
    // short-cut, clicks its ancestors and then the item, from the top down, stopping at a
    // disabled one or one that is gone or moved meanwhile, and answers True (also when
    // nothing was clicked).
    bool IsShortCut(const TWMKey& Message);

    // The item of that serial number while it lives, else nullptr.
    static TKsCustomItem* FindLiveItem(uint32_t Serial);
    uint32_t Serial() const { return FSerial; }

    // Streaming: an item is written inside its parent, a root's sub-items inside the menu
    // component. Read inside an item, it joins that item; read inside another component, a
    // registered item container takes it.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;
    void Loaded() override;

    TNotifyEvent OnClick;
    TNotifyEvent OnBeforeDropDown;

protected:
    // Reports a change of the item to its own handler and its root's; nothing while the item
    // is being read or destroyed.
    virtual void Changed();
    // Takes the action's values; with CheckDefaults only where the item still has its
    // default.
    virtual void ActionChange(TObject* Sender, bool CheckDefaults);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TKsCustomItemActionLink;
    void DoActionChange(TObject* Sender);
    // Stores Value in Field on this item and every descendant.
    template <class V> void SetInTree(V TKsCustomItem::*Field, const V& Value);
    // Stores Value in Field on this item and its direct sub-items.
    template <class V> void SetInLevel(V TKsCustomItem::*Field, const V& Value);
    template <class P> TKsCustomItem* FindItemWhere(P Matches);

    uint32_t FSerial;
    std::unique_ptr<TKsCustomItemActionLink> FActionLink;
    TKsCustomItem* FParent = nullptr;
    TComponent* FMenuComponent = nullptr;
    std::vector<TKsCustomItem*> FItems;
    TKsItemChangeEvent FOnChange;

    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    int FImageIndex = -1;
    TCustomImageList* FImages = nullptr;
    TShortCut FShortCut = scNone;
    THelpContext FHelpContext = 0;
    std::string FHint;
    bool FScrolled = false;
    int FScrollCount = 0;
    int FTopIndex = 0;

    bool FPopupBlend = false;
    int FPopupBlendValue = 150;
    bool FDropShadow = false;
    int FShadowWidth = 0;
    TKsAnimation FShowAnimation = TKsAnimation::kaNone;
    int FShowAnimationTime = 0;
    bool FAnimatePending = false;
    bool FAnimateOnce = false;
    TComponent* FOwnerControl = nullptr;
    TKsCustomForm* FChildForm = nullptr;
    bool FForeground = false;
    TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
    bool FInControlBar = false;
    TKsItemButtonKind FButtonKind = TKsItemButtonKind::kibNone;
};

// An item's tie to an action: each property follows the action while the item still shows
// the action's value.
class TKsCustomItemActionLink : public TActionLink {
public:
    static const TClassOf<TKsCustomItemActionLink> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsCustomItemActionLink(TKsCustomItem& Client) : FClient(Client) {}

    bool IsCaptionLinked() const override;
    bool IsCheckedLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsHelpContextLinked() const override;
    bool IsHintLinked() const override;
    bool IsImageIndexLinked() const override;
    bool IsShortCutLinked() const override;
    bool IsVisibleLinked() const override;
    bool IsOnExecuteLinked() const override;

    void SetCaption(const std::string& Value) override;
    void SetChecked(bool Value) override;
    void SetEnabled(bool Value) override;
    void SetHelpContext(THelpContext Value) override;
    void SetHint(const std::string& Value) override;
    void SetImageIndex(int Value) override;
    void SetShortCut(TShortCut Value) override;
    void SetVisible(bool Value) override;
    void SetOnExecute(const TNotifyEvent& Value) override;

private:
    // Whether the client's value (a getter of the item) is the custom action's.
    template <class C, class A> bool ClientHasActions(C ClientValue, A ActionValue) const;

    TKsCustomItem& FClient;
};
