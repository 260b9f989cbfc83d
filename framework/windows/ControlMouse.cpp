// A control's mouse: button and move messages turned into mouse events and clicks, the
// context menu a right click opens, and the one control that holds the mouse capture.
#include "framework/windows/Controls.h"

#include "framework/windows/Menus.h"
#include "framework/windows/WinControl.h"

namespace {

TControl* CaptureControl = nullptr;

} // namespace

void TControl::HandleMouseDown(TMessage& Message, TMouseButton Button, bool Double) {
    const POINT Point = MessagePoint(Message.LParam);
    TShiftState Shift = KeysToShiftState(Message.WParam);
    if (Double && FControlStyle.Contains(TControlStyleFlag::csDoubleClicks)) {
        Shift.Include(TShiftStateFlag::ssDouble);
        if (Button == TMouseButton::mbLeft)
            DblClick();
    }
    if (Button == TMouseButton::mbLeft && FDragMode == TDragMode::dmAutomatic && !IsDesigning()) {
        BeginDrag(false);
        return;
    }
    if (Button == TMouseButton::mbLeft) {
        if (FControlStyle.Contains(TControlStyleFlag::csCaptureMouse))
            SetMouseCapture(true);
        if (FControlStyle.Contains(TControlStyleFlag::csClickEvents) &&
            !Shift.Contains(TShiftStateFlag::ssDouble))
            FControlState.Include(TControlStateFlag::csClicked);
        FControlState.Include(TControlStateFlag::csLButtonDown);
    }
    MouseDown(Button, Shift, Point.x, Point.y);
    TComponent::Dispatch(Message);
}

void TControl::HandleMouseUp(TMessage& Message, TMouseButton Button) {
    const POINT Point = MessagePoint(Message.LParam);
    const TShiftState Shift = KeysToShiftState(Message.WParam);
    if (Button == TMouseButton::mbLeft) {
        const bool Clicked = FControlState.Contains(TControlStateFlag::csClicked);
        FControlState.Exclude(TControlStateFlag::csClicked);
        FControlState.Exclude(TControlStateFlag::csLButtonDown);
        if (GetCaptureControl() == this)
            SetMouseCapture(false);
        const RECT Client = ClientRect();
        if (Clicked && PtInRect(&Client, Point))
            Click();
    }
    MouseUp(Button, Shift, Point.x, Point.y);
    TComponent::Dispatch(Message);
}

void TControl::WMContextMenu(TMessage& Message) {
    if (!FPopupMenu || !FPopupMenu->AutoPopup() || IsDesigning()) {
        // The host's default handling hands the request on to the parent window.
        TComponent::Dispatch(Message);
        return;
    }
    // The context-menu key sends (-1, -1) instead of the mouse's position.
    const bool FromKeyboard = Message.LParam == -1;
    const POINT Point = FromKeyboard ? ClientToScreen(POINT{0, 0}) : MessagePoint(Message.LParam);
    FPopupMenu->SetPopupComponent(this);
    FPopupMenu->Popup(Point.x, Point.y);
    Message.Result = 1;
}

void TControl::HandleMouseMove(TMessage& Message) {
    const POINT Point = MessagePoint(Message.LParam);
    MouseMove(KeysToShiftState(Message.WParam), Point.x, Point.y);
    TComponent::Dispatch(Message);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

bool TControl::HitTest(POINT Point) {
    return Perform(CM_HITTEST, 0, PointToLParam(Point)) != 0;
}

void TControl::SetMouseCapture(bool Value) {
    if (Value)
        SetCaptureControl(this);
    else if (GetCaptureControl() == this)
        SetCaptureControl(nullptr);
}

void TControl::ForgetMouseCapture() {
    if (CaptureControl == this)
        CaptureControl = nullptr;
}

TControl* GetCaptureControl() {
    return CaptureControl;
}

void ForgetCaptureControl() {
    CaptureControl = nullptr;
}

void SetCaptureControl(TControl* Control) {
    CaptureControl = nullptr;
    ReleaseCapture();
    if (!Control)
        return;
    if (auto* Windowed = dynamic_cast<TWinControl*>(Control)) {
        if (Windowed->HandleAllocated())
            SetCapture(Windowed->Handle());
    } else if (Control->Parent() && Control->Parent()->HandleAllocated()) {
        SetCapture(Control->Parent()->Handle());
    }
    CaptureControl = Control;
}
