// Popup windows: one level of an open menu. When an item's sub-items must be shown, the
// item takes a popup window of its class (a kept one, see KsPopupPool.h, else a new one),
// places it against the work area, shows it without activating it, runs the view's menu
// loop inside the call and hides the window for the next opening when the loop ends. The
// window is a borderless, top-most tool window; a skinned form controller attached to it
// draws its 3-pixel frame and gives it its translucency, shadow and show animation; its
// view paints the items.
#pragma once

#include "framework/windows/Forms.h"
#include "skin/forms/KsForms.h"
#include "skin/menus/KsItemViews.h"

#include <memory>

class TKsCustomItem;
class TKsPopupWindow;

// The view of a popup window: vertical, sub-menus open to the right; the window is sized
// to the content.
class TKsPopupView : public TKsItemView {
public:
    static const TComponentClassOf<TKsPopupView> Class;
    const TClass& ClassType() const override { return Class; }

    TKsPopupView(TComponent* AOwner, TKsPopupWindow& Window);

    void SetContentSize(POINT Size) override;
    // The window's size for content of Size: the frame's insets and the shadow around it.
    POINT WindowSizeFor(POINT Size) const;
    void MoveContentTo(POINT Point) override;
    void Invalidate() override;

private:
    TKsPopupWindow& FWindow;
};

// The controller that frames a popup window: no caption, no border icons, not movable or
// sizable, a 3-pixel frame around the items; it keeps the caption of the form that owns
// the menu active while the popup takes the mouse.
class TKsPopupForm : public TKsCustomForm {
public:
    static const TComponentClassOf<TKsPopupForm> Class;
    const TClass& ClassType() const override { return Class; }

    TKsPopupForm(TKsPopupWindow& Window, TComponent* NotifyWindow);
    // The form whose caption is kept active (nullptr or a component that is not a windowed
    // control: none).
    void SetNotifyWindow(TComponent* NotifyWindow);

    RECT GetClientBounds() override;
    POINT GetMinSize() override;
    void PaintFrame(TKsBitmap& Bitmap) override;
    void PaintClient(TKsBitmap& Bitmap) override;
    void Dispatch(TMessage& Message) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The window is made at its frame's size: the frame is laid out without resizing it.
    void LayOutTakenWindow() override;
    TKsPopupWindow& Window() const { return FWindow; }

private:
    TKsPopupWindow& FWindow;
    TWinControl* FNotifyWindow;
};

class TKsPopupWindow : public TForm {
public:
    static const TComponentClassOf<TKsPopupWindow> Class;
    const TClass& ClassType() const override { return Class; }

    // The window of one popup level showing Item's sub-items, opened from ParentView
    // (nullptr for a popup at a point), made at the screen point Origin. Owner is the
    // component whose owners lead to the form the menu belongs to; the window is not owned
    // by it.
    static std::unique_ptr<TKsPopupWindow> CreatePopup(TComponent* Owner, TKsCustomItem& Item,
                                                       TKsItemView* ParentView, POINT Origin);
    ~TKsPopupWindow() override;

    TKsPopupView& View() const { return *FView; }
    TKsPopupForm& PopupForm() const { return *FForm; }
    // The menu loop of this level; returns when it closes.
    bool RunLoop();
    // Hides the window and forgets the menu it showed; it shows nothing until rebuilt.
    void Retire();
    // Shows Item's sub-items in this retired window for a menu of MenuOwner, as a new
    // window of its class would (CreatePopup's arguments).
    void Rebuild(TComponent* MenuOwner, TKsCustomItem& Item, TKsItemView* ParentView,
                 POINT Origin);

    void Dispatch(TMessage& Message) override;

protected:
    explicit TKsPopupWindow(TComponent* MenuOwner);
    // Makes the view and the frame controller (once) and their settings from Item.
    void Build(TKsCustomItem& Item, TKsItemView* ParentView, POINT Origin);
    // The frame controller of this window class.
    virtual std::unique_ptr<TKsPopupForm> CreatePopupForm(TComponent* NotifyWindow);
    void CreateParams(TCreateParams& Params) override;

private:
    TComponent* FMenuOwner;
    std::unique_ptr<TKsPopupView> FView;
    std::unique_ptr<TKsPopupForm> FForm;
};
