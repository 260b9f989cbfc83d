// TControl: the base of everything that appears in a window, windowed or painted on its
// parent. It keeps the control's bounds (in the parent's client coordinates), its alignment
// and anchors, size constraints, visibility, enabled state, caption, cursor and hint, turns
// mouse messages into mouse events and clicks, and answers the framework's component
// messages that every control shares.
#pragma once

#include "framework/core/Components.h"
#include "framework/core/Events.h"
#include "framework/core/Sets.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/GraphicsObjects.h"
#include "framework/graphics/WinApi.h"
#include "framework/windows/BiDiMode.h"
#include "framework/windows/ControlMessages.h"
#include "framework/windows/DragTypes.h"
#include "framework/windows/SizeConstraints.h"

#include <cstdint>
#include <string>

class TBasicAction;
class TControlActionLink;
class TPopupMenu;
class TWinControl;
class TCustomForm;
class TPropertyTable;

enum class TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum class TAnchorKind : uint8_t { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
constexpr TAnchors DefaultAnchors{TAnchorKind::akLeft, TAnchorKind::akTop};

enum class TControlStyleFlag : uint8_t {
    csAcceptsControls,
    csCaptureMouse,
    csDesignInteractive,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
    csNeedsBorderPaint,
    csParentBackground,
};
using TControlStyle = TSet<TControlStyleFlag>;

enum class TControlStateFlag : uint8_t {
    csLButtonDown,
    csClicked,
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking,
};
using TControlState = TSet<TControlStateFlag>;

// A mouse cursor: the framework's cursor numbers, resolved to host cursors by the screen.
using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// The results a modal form ends with.
using TModalResult = int32_t;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;
constexpr TModalResult mrAll = mrNo + 1;

// The plain border of a windowed control: none, or a single (sunken) line.
enum class TBorderStyle : uint8_t { bsNone, bsSingle };
extern const TEnumInfo BorderStyleInfo;

class TControl;

class TControl : public TComponent {
    friend class TWinControl;
    friend class TDragOperation;

public:
    static const TComponentClassOf<TControl> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    // The windowed control this one lies in; nullptr for a top-level window or a control
    // not placed yet.
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    // Moves and sizes the control (constrained); the parent realigns its children.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    RECT BoundsRect() const;
    void SetBoundsRect(const RECT& Rect);

    // The area inside the control's border in its own coordinates.
    virtual RECT ClientRect() const;
    int ClientWidth() const;
    int ClientHeight() const;
    virtual void SetClientWidth(int Value);
    virtual void SetClientHeight(int Value);
    // The screen position of the client area's top-left corner.
    virtual POINT ClientOrigin() const;
    POINT ClientToScreen(POINT Point) const;
    POINT ScreenToClient(POINT Point) const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors Value) { FAnchors = Value; }
    TSizeConstraints* Constraints() const { return FConstraints.get(); }
    // Applies the constraints to the current size again.
    void ConstraintsChanged();

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent is showing.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);

    const std::string& Caption() const { return FText; }
    void SetCaption(const std::string& Value) { SetText(Value); }
    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // Takes the parent's colour, now and whenever the parent's colour changes; setting a
    // colour of its own clears it.
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    // Takes the parent's font, as ParentColor does the colour.
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);

    // The reading order of the control's text. Taken from the parent, now and whenever the
    // parent's changes, while ParentBiDiMode is set; setting a mode of its own clears it.
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool Value);
    // Whether the control's text is aligned to the right (bdRightToLeft) or read right to
    // left (any mode but bdLeftToRight); both only where the system's right-to-left support
    // is switched on.
    bool UseRightToLeftAlignment() const;
    bool UseRightToLeftReading() const;
    // DrawText flags adjusted to the control's mode, by the rule of the free function.
    uint32_t DrawTextBiDiModeFlags(uint32_t Flags) const;
    // The free function, callable unqualified in control classes beside the member above.
    static uint32_t DrawTextBiDiModeFlags(TBiDiMode Mode, uint32_t Flags) {
        return ::DrawTextBiDiModeFlags(Mode, Flags);
    }

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value) { FShowHint = Value; }
    // The menu a right click or the context-menu key opens (WM_CONTEXTMENU), at the
    // mouse, or at the client origin when the key asked for it.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);

    // The action the control follows (nullptr for none): caption, enabled state, hint,
    // visibility and clicks come from it while the control keeps the action's values.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);
    TControlActionLink* ActionLink() const { return FActionLink.get(); }

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState Value) { FControlState = Value; }

    // Sends a message to the control directly and answers its result.
    intptr_t Perform(uint32_t Msg, uintptr_t WParam = 0, intptr_t LParam = 0);
    // The control's window procedure: every message goes through it into Dispatch.
    virtual void WndProc(TMessage& Message);
    void Dispatch(TMessage& Message) override;

    // Runs OnClick, or the action when OnClick is unassigned or is the action's handler.
    virtual void Click();
    virtual void DblClick();

    // Marks the control's area for repainting; Update paints what is marked now;
    // Repaint does both.
    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }

    // Moves the control to the end (top) or start (bottom) of its parent's z-order.
    void BringToFront();
    void SendToBack();

    // Streaming: a control is written inside its parent.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;
    void Loaded() override;

    // Whether the mouse message with this client point should go to this control.
    virtual bool HitTest(POINT Point);

    // Dragging the control with the mouse (DragDock.h).
    TDragKind DragKind() const { return FDragKind; }
    void SetDragKind(TDragKind Value) { FDragKind = Value; }
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode Value) { FDragMode = Value; }
    // The pointer shown while a plain drag of the control is over a control that takes it.
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor Value) { FDragCursor = Value; }
    // Starts a drag of the control while the left button is held: at once (Immediate), or
    // once the pointer has moved Threshold pixels (the system's drag distance when
    // negative). Nothing happens while another drag runs.
    void BeginDrag(bool Immediate, int Threshold = -1);
    // Ends the control's drag, dropped where the pointer is or cancelled.
    void EndDrag(bool Drop);
    bool Dragging() const;
    // The control lives in a floating window of its own.
    bool Floating() const;
    // Moves the control into Site at Bounds (Site's client coordinates); a floating window
    // it leaves goes.
    void ManualDock(TWinControl* Site, const RECT& Bounds);
    // Moves the control into a floating window of its own whose client area covers
    // ScreenRect.
    void ManualFloat(const RECT& ScreenRect);
    // Asked while a plain drag of Source is over the control (X, Y in client coordinates):
    // the control takes it when OnDragOver is assigned and does not refuse.
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    virtual void DragDrop(TObject* Source, int X, int Y);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnResize;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TNotifyEvent OnStartDrag;
    TEndDragEvent OnEndDrag;
    TNotifyEvent OnStartDock;
    TEndDragEvent OnEndDock;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Takes the action's caption, enabled state, hint, visibility and execute handler; with
    // CheckDefaults only where the control still has its default value.
    virtual void ActionChange(TObject* Sender, bool CheckDefaults);

    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Resize();
    // Asks the parent to lay out its aligned and anchored children again.
    void RequestAlign();
    // Stores new bounds without moving a window; the windowed control moves its window.
    void StoreBounds(int ALeft, int ATop, int AWidth, int AHeight);
    // The visible part of the parent's client area that this control covers, repainted.
    void InvalidateControlArea(bool Erase);
    // Takes or releases the mouse for this control (the parent's window for a graphic one).
    void SetMouseCapture(bool Value);
    virtual void VisibleChanged();
    // A drag of the control starts, and ends on Target (nullptr when nothing took it).
    virtual void DoStartDrag();
    virtual void DoEndDrag(TObject* Target, int X, int Y);
    // Takes the parent's colour, font or reading order while ParentColor, ParentFont or
    // ParentBiDiMode is set.
    void TakeParentColor();
    void TakeParentFont();
    void TakeParentBiDiMode();

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    std::string FText;
    // A control takes the mouse while a button is held on it and turns a press and release
    // on it into a click, unless its class says otherwise.
    TControlStyle FControlStyle{TControlStyleFlag::csCaptureMouse, TControlStyleFlag::csClickEvents,
                                TControlStyleFlag::csSetCaption, TControlStyleFlag::csDoubleClicks};
    TControlState FControlState;
    bool FVisible = true;
    bool FEnabled = true;

private:
    void HandleMouseDown(TMessage& Message, TMouseButton Button, bool Double);
    void HandleMouseUp(TMessage& Message, TMouseButton Button);
    void HandleMouseMove(TMessage& Message);
    void WMContextMenu(TMessage& Message);
    // A control being destroyed stops being the capture control without touching the host.
    void ForgetMouseCapture();
    void FontChanged(TObject* Sender);
    void DoActionChange(TObject* Sender);

    TAlign FAlign = TAlign::alNone;
    TAnchors FAnchors = DefaultAnchors;
    std::unique_ptr<TSizeConstraints> FConstraints;
    TColor FColor = clWindow;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FTakingParentFont = false;
    TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
    bool FParentBiDiMode = true;
    TCursor FCursor = crDefault;
    std::string FHint;
    bool FShowHint = false;
    TPopupMenu* FPopupMenu = nullptr;
    std::unique_ptr<TControlActionLink> FActionLink;
    TDragKind FDragKind = TDragKind::dkDrag;
    TDragMode FDragMode = TDragMode::dmManual;
    TCursor FDragCursor = crDrag;
};

// The control that holds the mouse capture (a graphic control's parent window holds the
// host capture for it), or nullptr.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The capture has gone to another window: no control holds it any longer, and the capture
// is left where it went.
void ForgetCaptureControl();

// The form a control lies in (the top of its parent chain), or nullptr.
TCustomForm* GetParentForm(const TControl* Control);

// Published properties every control shares; descendants add them to their own tables
// through the class chain.
extern const TEnumInfo AlignInfo;
extern const TEnumInfo AnchorKindInfo;
