// TWinControl: a control with a window of its own. The window is created on demand from
// the control's creation parameters and can be destroyed and created again without losing
// the control's state (caption, bounds, children live in the control); every message goes
// through WndProc into Dispatch and, unhandled, into the window class's own procedure. A
// windowed control holds child controls: it lays out the aligned and anchored ones, paints
// the graphic ones into its device context, routes the mouse to them, and keeps the tab
// order in which the keyboard focus moves.
#pragma once

#include "framework/windows/ControlWindows.h"
#include "framework/windows/Controls.h"

#include <vector>

class TWinControl : public TControl {
public:
    static const TComponentClassOf<TWinControl> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    // The window, created now when it does not exist yet (its parents' windows first).
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // Destroys the window and creates it again; the control's state is kept.
    void RecreateWnd();
    // The procedure of the window class the control's window belongs to: where messages
    // end that no handler takes (a subclassing party calls it when it has no previous one).
    WNDPROC DefWndProc() const { return FDefWndProc; }
    // Binds the window being created to this control (called at its first message).
    void AttachHandle(HWND Window) { FHandle = Window; }

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    // Child controls in z-order from the bottom; EListError outside the list.
    TControl* Controls(int Index) const;
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    // True for this control and every control inside it.
    bool ContainsControl(const TControl* AControl) const;
    // The topmost graphic child under a client point that accepts the mouse there.
    TControl* ControlAtPos(POINT Point, bool AllowDisabled) const;
    // Moves a child to the top or the bottom of the z-order.
    void SetChildZOrder(TControl* AControl, bool TopMost);

    // Lays out the aligned and anchored children again (deferred while disabled/loading).
    void Realign() { AlignControl(nullptr); }
    // The same, on behalf of AControl, whose bounds or visibility changed.
    void AlignControl(TControl* AControl);
    // A layout asked for while alignment is disabled runs when it is enabled again.
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();

    // Paints the graphic children (from First on, all when nullptr) into DC, each with the
    // origin moved to its position and clipped to its bounds.
    void PaintControls(HDC DC, TControl* First);
    // Paints the control, its graphic children and its windowed children into DC with the
    // control's top-left corner at (X, Y).
    void PaintTo(HDC DC, int X, int Y);
    // Counts the control's paints and the requests for one made through the framework.
    // Whatever changes the control's looks asks for a paint, so a child that keeps what
    // lay behind it when this count was read can tell that it may be out of date.
    unsigned RepaintCount() const { return FRepaintCount; }
    // For code that asks the host directly to paint the control again.
    void NoteRepaintRequest() { ++FRepaintCount; }

    // Keyboard focus.
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // Position in the parent's tab order (-1 without a parent).
    int TabOrder() const;
    void SetTabOrder(int Value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value) { FTabStop = Value; }
    // Every windowed control inside this one, in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    // The control inside this one that takes the focus after (or before) Current.
    TWinControl* FindNextControl(TWinControl* Current, bool GoForward, bool CheckTabStop) const;
    void SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop);
    // Sends Message to every child until one answers it (non-zero result).
    void Broadcast(TMessage& Message);

    bool Showing() const override { return FShowing; }
    RECT ClientRect() const override;
    POINT ClientOrigin() const override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Invalidate() override;
    void Update() override;
    void Repaint() override;

    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    // Unhandled messages go to the host's default handling (CallDefWndProc).
    void DefaultHandler(TMessage& Message) override;

    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    void Loaded() override;

    // A dock site takes controls that a dock drag brings (DragDock.h).
    bool DockSite() const { return FDockSite; }
    void SetDockSite(bool Value) { FDockSite = Value; }
    // Asked while a dock drag is over the site (X, Y in client coordinates); Accept comes in
    // True and OnDockOver may refuse. The site may move Source's DockRect.
    virtual void DockOver(TDragDockObject& Source, int X, int Y, TDragState State, bool& Accept);
    // The drag was dropped on the site: the base docks the control at Source's DockRect,
    // then raises OnDockDrop.
    virtual void DockDrop(TDragDockObject& Source, int X, int Y);
    TDockOverEvent OnDockOver;
    TDockDropEvent OnDockDrop;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    virtual void CreateParams(TCreateParams& Params);
    // The host's default handling of a window message: the window class's own procedure.
    virtual LRESULT CallDefWndProc(const TMessage& Message);
    // Creates the window from CreateParams.
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Creates the window and the windows of the visible windowed children.
    void CreateHandle();
    void DestroyHandle();
    // Lays out the children in Rect (the client area less AdjustClientRect) on behalf of
    // AControl (nullptr when no one child asked); leaves in Rect the part that the controls
    // aligned to its edges leave. The base moves the anchored and the aligned children.
    virtual void AlignControls(TControl* AControl, RECT& Rect);
    // Runs after the children have been laid out again; FreeArea is the part of the client
    // area that the controls aligned to its edges leave.
    virtual void ControlsAligned(const RECT& FreeArea);
    // The part of the client area that aligned children share.
    virtual void AdjustClientRect(RECT& Rect) const;
    // Paints the control itself into DC (graphic children follow); a window of a host class
    // lets the class paint.
    virtual void PaintWindow(HDC DC);
    // Brings the window's visibility in line with Visible and the parent's showing state.
    void UpdateShowing();
    void VisibleChanged() override;
    // Moves the window to the stored bounds.
    void UpdateWindowBounds(bool Resized);
    // Re-reads the bounds from the window after the host moved or sized it.
    virtual void UpdateBoundsFromWindow();

    virtual void KeyDown(TKey& Key, TShiftState Shift);
    virtual void KeyUp(TKey& Key, TShiftState Shift);
    virtual void KeyPress(TKeyChar& Key);
    // Whether the control takes a key that otherwise moves the focus or presses a button.
    virtual bool WantsKey(TKey Key);

    WNDPROC FDefWndProc = nullptr;

private:
    void RouteMouseToGraphicChild(TMessage& Message, bool& Routed);
    void WMPaint(TMessage& Message);
    void WMEraseBkgnd(TMessage& Message);
    void WMKeyDown(TMessage& Message);
    void WMKeyUp(TMessage& Message);
    void WMChar(TMessage& Message);
    void WMSysChar(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMSetCursor(TMessage& Message);
    void WMCommand(TMessage& Message);
    void WMSetText(TMessage& Message);
    void WMWindowPosChanged(TMessage& Message);
    void WMNCDestroy(TMessage& Message);
    void ApplyAnchors();
    void SortTabList();

    HWND FHandle = nullptr;
    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    bool FShowing = false;
    bool FTabStop = false;
    bool FDockSite = false;
    int FLoadedTabOrder = -1;
    int FAlignLevel = 0;
    bool FAligning = false;
    SIZE FAnchorClient{-1, -1};
    unsigned FRepaintCount = 0;
};
