// Item views: the presentation of one item's sub-items inside one control. A view measures
// and lays the sub-items out (left to right in a menu bar, top to bottom in a popup), finds
// the item under a point, paints the items onto a surface, keeps the current ("hot") item,
// and runs the modal menu loop that drives a menu with the keyboard and the mouse.
//
// Views of nested popups form a chain: each popup's view knows the view that opened it
// (ParentView), and that view knows it (ChildView) while its loop runs. Each open level runs
// its own loop nested inside its parent's OpenSubMenu; levels talk to each other only by
// posted keys, KM_OPENSUBMENU and the flags of the chain.
//
// Sources: KsItemViews.cpp (layout, hit test, selection, painting) and KsMenuLoop.cpp (the
// modal loop and its key table).
#pragma once

#include "framework/core/Components.h"
#include "framework/graphics/WinApi.h"

#include <cstdint>
#include <memory>
#include <vector>

class TControl;
class TKsBitmap;
class TKsCustomItem;
class TWinControl;

// Posted to a view's control: the running loop opens the hot item's sub-menu.
constexpr uint32_t KM_OPENSUBMENU = 0x046F;

class TKsItemView : public TComponent {
public:
    static const TComponentClassOf<TKsItemView> Class;
    const TClass& ClassType() const override { return Class; }

    // DropDown: a menu bar's view (sub-menus open below the hot item, Left and Right move
    // between items, Down opens); Horizontal: items are laid out left to right.
    TKsItemView(TComponent* AOwner, bool DropDown, bool Horizontal);
    ~TKsItemView() override;

    // The item whose sub-items are shown.
    TKsCustomItem* Item() const { return FItem; }
    void SetItem(TKsCustomItem* Value);
    bool DropsDown() const { return FDropDown; }
    bool Horizontal() const { return FHorizontal; }
    // The control whose size places the caption-button items of a maximised MDI child.
    TWinControl* SizeControl() const { return FSizeControl; }
    void SetSizeControl(TWinControl* Value) { FSizeControl = Value; }
    // The control whose client coordinates item rectangles are in; keys are posted to it.
    TControl* Control() const { return FControl; }
    void SetControl(TControl* Value) { FControl = Value; }
    // The surface measured and painted on (not owned).
    TKsBitmap* Bitmap() const { return FBitmap; }
    void SetBitmap(TKsBitmap* Value) { FBitmap = Value; }
    // Origin of the item area on the surface.
    POINT Offset() const { return FOffset; }
    void SetOffset(POINT Value) { FOffset = Value; }

    TKsCustomItem* HotItem() const { return FHotItem; }
    void SetHotItem(TKsCustomItem* Value) { FHotItem = Value; }
    // A sub-menu of the hot item is open; moving to another item opens that one's.
    bool DroppedDown() const { return FDroppedDown; }
    void SetDroppedDown(bool Value) { FDroppedDown = Value; }
    bool Tracking() const { return FTracking; }
    TKsItemView* ParentView() const { return FParentView; }
    void SetParentView(TKsItemView* Value);
    TKsItemView* ChildView() const { return FChildView; }
    void SetChildView(TKsItemView* Value);

    // The content needs Size pixels: the control resizes itself to hold it.
    virtual void SetContentSize(POINT Size);
    // Moves the control so that its content's origin lands on the screen point.
    virtual void MoveContentTo(POINT Point);
    virtual void Invalidate();
    // Paints the items of the scroll window onto Bitmap.
    virtual void Paint(TKsBitmap& Bitmap);

    // Measures the visible sub-items and asks for the content size.
    void Layout();
    // The size the visible sub-items of the scroll window take together.
    POINT ContentSize();
    // Item's rectangle in the control's client coordinates; empty for nullptr, an invisible
    // item and an item scrolled out of view.
    RECT GetItemRect(TKsCustomItem* Item);
    // The visible sub-item under the screen point becomes hot (outside every item: none, or
    // while tracking the hot item stays).
    void HotTrack(POINT ScreenPoint);
    // Moves the hot item to the next / previous selectable sub-item, wrapping; nothing when
    // no sub-item is selectable.
    void SelectNext();
    void SelectPrev();
    // Opens the hot item's sub-menu and returns when it has closed; False (and nothing done)
    // for no hot item, a disabled one or one without sub-items.
    bool OpenSubMenu();
    // Ends the loop of this view and of every view above it.
    void CloseAll();
    // The modal menu loop; returns when this level closes.
    bool Track();

    // The innermost view whose loop is running, or nullptr when no menu is open.
    static TKsItemView* TrackingView();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // The rectangles of all sub-items, in one measuring pass.
    std::vector<RECT> ItemRects();
    // Where a caption-button item of a maximised MDI child sits.
    RECT ButtonItemRect(TKsCustomItem& Item);
    // Index range of the sub-items shown: [first, last].
    void ScrollWindow(int& First, int& Last) const;
    bool InScrollWindow(int Index) const;
    // Keeps the scroll window's top inside the sub-item list.
    void ClampTopIndex();
    // The hot item's rectangle in screen coordinates (empty when none).
    RECT HotScreenRect();
    bool ScreenPointInHotItem(POINT Point);
    // Whether the point lies on the hot item of the topmost open level under it or of a
    // level that level was opened from.
    bool ScreenPointInChainHotItem(POINT Point);
    // Whether a press or release at the point belongs to the open menu: it lies on an open
    // popup or on a hot item of the chain (a menu bar's other places are outside).
    bool ScreenPointOnMenu(POINT Point);
    // The innermost open level, from this one outwards, whose window lies under the point;
    // null when none does.
    TKsItemView* TopLevelUnder(POINT Point);
    HWND ControlWindow() const;
    void PostKey(WPARAM Key) const;
    // Makes the sub-item at Index hot and scrolls it into view.
    void SelectIndex(int Index, bool Forward);

    // The loop's steps (KsMenuLoop.cpp); each answers false when the loop must end.
    bool PeekStep(const MSG& Message);
    void HandleMessage(const MSG& Message);
    void HandleKey(WPARAM Key, const MSG& Message);
    void HandleAccelerator(wchar_t Char);
    void HandleMouseMove(POINT ScreenPoint);
    void HandleButtonUp(POINT ScreenPoint);
    static POINT MessageScreenPoint(const MSG& Message);

    TKsCustomItem* FItem = nullptr;
    bool FDropDown;
    bool FHorizontal;
    TWinControl* FSizeControl = nullptr;
    TControl* FControl = nullptr;
    TKsCustomItem* FHotItem = nullptr;
    bool FDroppedDown = false;
    bool FTracking = false;
    // Set by the loop when it must end at once, without touching the chain again.
    bool FLeaveLoop = false;
    TKsItemView* FParentView = nullptr;
    TKsItemView* FChildView = nullptr;
    TKsBitmap* FBitmap = nullptr;
    POINT FOffset{};
    // Cleared by the destructor: a loop that finds it false after dispatching a message
    // touches nothing of the view again.
    std::shared_ptr<bool> FAlive;
};
