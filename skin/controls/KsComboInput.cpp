// The combo box's input: dropping the list down and closing it up, the drop-down button,
// keys, the mouse and the wheel.
#include "skin/controls/KsComboBoxs.h"

#include "framework/windows/Screen.h"
#include "skin/controls/KsComboWindow.h"
#include "skin/controls/KsListBoxs.h"
#include "skin/forms/KsForms.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

// What the combo answers outside its text: a non-client code, so that presses on the
// button and the border arrive as non-client button messages. The host would minimise
// the window for this code, so none of those messages reaches its default handling.
constexpr LRESULT OutsideTextHit = HTMINBUTTON;

bool IsNonClientButtonMessage(uint32_t Msg) {
    switch (Msg) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    case WM_NCMBUTTONDBLCLK:
    case WM_NCXBUTTONDOWN:
    case WM_NCXBUTTONUP:
    case WM_NCXBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

// The skinned form controller among the components of Owner, if any.
TKsCustomForm* FormController(TComponent* Owner) {
    if (!Owner)
        return nullptr;
    for (int I = 0; I < Owner->ComponentCount(); ++I)
        if (auto* Controller = dynamic_cast<TKsCustomForm*>(Owner->Components(I)))
            return Controller;
    return nullptr;
}

} // namespace

// ---- Dropping down and closing up ----

void TKsCustomComboBox::OpenDropDown() {
    if (FDropWindow)
        CloseUp();
    if (!FListBox || !HandleAllocated())
        return;
    FFocusOnClose = true;
    auto* Window = new TKsComboWindow(*this);
    FDropWindow = Window;
    RECT Combo{};
    GetWindowRect(Handle(), &Combo);
    const RECT WorkArea = Screen->MonitorFromWindow(Handle())->WorkareaRect();
    // The list's border around DropDownCount items, each ItemHeight high (both at least 1).
    const int Frame = FListBox->Height() - RectHeight(FListBox->ContentRect());
    const int ListHeight = std::max(FDropDownCount, 1) * std::max(FItemHeight, 1) + Frame;
    const RECT Bounds = ComboDropDownBounds(Combo, ListHeight, WorkArea);
    Window->SetBounds(Bounds.left, Bounds.top, RectWidth(Bounds), RectHeight(Bounds));

    FListBox->ClearSelection();
    FListBox->SetItemIndex(IsItem(FItemIndex) ? FItemIndex : 0);
    FListBox->SetColor(Color());

    TKsCustomForm* Controller = FormController(Owner());
    if (Controller)
        Controller->SuspendFramePaint();
    struct TResume {
        TKsCustomForm* Controller;
        ~TResume() {
            if (Controller)
                Controller->ResumeFramePaint();
        }
    } Resume{Controller};
    // The list goes in first, so that the window shows with it and hands it the focus.
    ShowList();
    Window->Show();
    if (FDropWindow == Window && FListBox->CanFocus())
        FListBox->SetFocus();
    FListBox->Invalidate();
}

void TKsCustomComboBox::ShowList() {
    if (!FDropWindow || FListBox->Parent() == FDropWindow)
        return;
    FListBox->SetParent(FDropWindow);
    FListBox->SetAlign(TAlign::alClient);
    FListBox->SetFont(Font());
    FListBox->SetVisible(true);
    if (OnDropDown)
        OnDropDown(this);
}

bool TKsCustomComboBox::TakeListBack() {
    if (!FListBox || (FListBox->Parent() == this && !FListBox->Visible()))
        return false;
    FListBox->SetVisible(false);
    FListBox->SetAlign(TAlign::alNone);
    FListBox->SetParent(this);
    return true;
}

void TKsCustomComboBox::CloseUp() {
    if (FClosing)
        return;
    FClosing = true;
    struct TClosingEnd {
        bool& Flag;
        ~TClosingEnd() { Flag = false; }
    } End{FClosing};
    const bool WasAway = TakeListBack();
    FButtonPressed = false;
    Invalidate();
    // Only a list that was open hands the focus back, and only where the combo can take it.
    if (WasAway && FFocusOnClose && CanFocus() && !Focused())
        SetFocus();
    FFocusOnClose = true;
    if (TKsComboWindow* Window = FDropWindow) {
        FDropWindow = nullptr;
        Window->Hide();
        // The window may be handling the message that closed it: it goes from the loop.
        Window->Release();
    }
    if (OnCloseUp)
        OnCloseUp(this);
}

void TKsCustomComboBox::CloseUpFor(HWND Activated) {
    TCustomForm* Form = GetParentForm(this);
    FFocusOnClose = Form && Form->HandleAllocated() && Activated == Form->Handle();
    // A press on the combo itself closed the list: that press must not open it again.
    POINT Pointer{};
    RECT Bounds{};
    GetCursorPos(&Pointer);
    GetWindowRect(Handle(), &Bounds);
    FClosedByPress = (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0 && PtInRect(&Bounds, Pointer);
    CloseUp();
}

bool TKsCustomComboBox::TakeClosingPress() {
    return std::exchange(FClosedByPress, false);
}

void TKsCustomComboBox::PickListItem() {
    const int Picked = FListBox->ItemIndex();
    // Picking the item the combo shows is a pick all the same.
    if (FComboStyle == TKsComboStyle::kcsDropDownList && Picked == FItemIndex && IsItem(Picked))
        Change();
    else
        SetItemIndex(Picked);
    CloseUp();
}

void TKsCustomComboBox::ListClick(TObject*) {
    if (FDropWindow)
        PickListItem();
}

// ---- Current item ----

void TKsCustomComboBox::StepItem(int Delta) {
    if (!FListBox || FListBox->Count() == 0)
        return;
    // From no item at all, every step lands on the first.
    const int64_t Target = int64_t{FItemIndex} + Delta;
    SetItemIndex(static_cast<int>(std::clamp<int64_t>(Target, 0, FListBox->Count() - 1)));
}

// ---- Keys ----

void TKsCustomComboBox::KeyDown(TKey& Key, TShiftState Shift) {
    TKsCustomEdit::KeyDown(Key, Shift);
    if (Key == 0 || IsDesigning())
        return;
    const bool Alt = Shift.Contains(TShiftStateFlag::ssAlt);
    const bool List = FComboStyle == TKsComboStyle::kcsDropDownList;
    const int Last = FListBox ? FListBox->Count() - 1 : -1;
    switch (Key) {
    case VK_DOWN:
        if (Alt)
            OpenDropDown();
        else
            StepItem(1);
        break;
    case VK_F4:
        OpenDropDown();
        break;
    case VK_UP:
        StepItem(-1);
        break;
    case VK_PRIOR:
        if (List)
            StepItem(-3);
        break;
    case VK_NEXT:
        if (List)
            StepItem(3);
        break;
    case VK_HOME:
        if (List && Last >= 0)
            SetItemIndex(0);
        break;
    case VK_END:
        if (List && Last >= 0)
            SetItemIndex(Last);
        break;
    default:
        break;
    }
}

// ---- Mouse ----

void TKsCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKsCustomEdit::MouseDown(Button, Shift, X, Y);
    if (TakeClosingPress())
        return;
    if (FComboStyle == TKsComboStyle::kcsDropDownList && !IsDesigning() &&
        Button != TMouseButton::mbRight) {
        FButtonPressed = true;
        OpenDropDown();
    }
}

void TKsCustomComboBox::MouseMove(TShiftState Shift, int X, int Y) {
    TKsCustomEdit::MouseMove(Shift, X, Y);
    SetButtonHot(false);
}

void TKsCustomComboBox::DoMouseLeave() {
    TKsCustomEdit::DoMouseLeave();
    SetButtonHot(false);
}

void TKsCustomComboBox::SetButtonHot(bool Value) {
    if (KsChangeValue(FButtonHot, Value))
        Invalidate();
}

// ---- Messages ----

void TKsCustomComboBox::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_NCHITTEST:
        WMNCHitTest(Message);
        return;
    case WM_NCLBUTTONDOWN:
        WMNCLButtonDown(Message);
        return;
    case WM_NCMOUSEMOVE:
        WMNCMouseMove(Message);
        return;
    case WM_NCMOUSELEAVE:
        SetButtonHot(false);
        return;
    case WM_MOUSEWHEEL:
        WMMouseWheel(Message);
        return;
    case WM_SETCURSOR:
        WMSetCursor(Message);
        return;
    case WM_SETFOCUS:
        TKsCustomEdit::Dispatch(Message);
        if (FComboStyle == TKsComboStyle::kcsDropDownList)
            HideCaret();
        Invalidate();
        return;
    case WM_KILLFOCUS:
        TKsCustomEdit::Dispatch(Message);
        Invalidate();
        return;
    case CM_FONTCHANGED:
        TKsCustomEdit::Dispatch(Message);
        if (FListBox)
            FListBox->SetFont(Font());
        return;
    default:
        if (IsNonClientButtonMessage(Message.Msg)) {
            Message.Result = 0;
            return;
        }
        TKsCustomEdit::Dispatch(Message);
        return;
    }
}

void TKsCustomComboBox::WMNCHitTest(TMessage& Message) {
    if (IsDesigning() || !HandleAllocated()) {
        TKsCustomEdit::Dispatch(Message);
        return;
    }
    const POINT Point = ScreenToClient(MessagePoint(Message.LParam));
    const RECT Text = GetTextRect();
    Message.Result = PtInRect(&Text, Point) ? HTCLIENT : OutsideTextHit;
}

void TKsCustomComboBox::WMNCLButtonDown(TMessage& Message) {
    Message.Result = 0;
    if (IsDesigning())
        return;
    if (CanFocus() && !Focused())
        SetFocus();
    const POINT Point = ScreenToClient(MessagePoint(Message.LParam));
    const RECT Button = GetButtonRect();
    if (TakeClosingPress() || !PtInRect(&Button, Point))
        return;
    if (FDropWindow) {
        CloseUp();
        return;
    }
    FButtonPressed = true;
    Invalidate();
    OpenDropDown();
}

void TKsCustomComboBox::WMNCMouseMove(TMessage& Message) {
    Message.Result = 0;
    const POINT Point = ScreenToClient(MessagePoint(Message.LParam));
    const RECT Button = GetButtonRect();
    SetButtonHot(PtInRect(&Button, Point) != FALSE);
    // The host tells when the pointer leaves the non-client part, which no client
    // message reports.
    if (FButtonHot) {
        TRACKMOUSEEVENT Track{sizeof(TRACKMOUSEEVENT), TME_LEAVE | TME_NONCLIENT, Handle(), 0};
        TrackMouseEvent(&Track);
    }
}

void TKsCustomComboBox::WMMouseWheel(TMessage& Message) {
    // A notch steps one item, as the host's combo box does, whatever the system's lines.
    const auto Delta = static_cast<int16_t>(HIWORD(Message.WParam));
    if (const int Steps = Delta / WHEEL_DELTA; Steps != 0)
        StepItem(-Steps);
    Message.Result = 0;
}

void TKsCustomComboBox::WMSetCursor(TMessage& Message) {
    const bool OverClient = LOWORD(Message.LParam) == HTCLIENT;
    if (FComboStyle == TKsComboStyle::kcsDropDownList && OverClient && Cursor() == crDefault &&
        Screen->Cursor() == crDefault) {
        ::SetCursor(Screen->Cursors(crDefault));
        Message.Result = 1;
        return;
    }
    if (!OverClient) {
        // Over the button and the border: the arrow, not the host's answer for the code.
        ::SetCursor(Screen->Cursors(crDefault));
        Message.Result = 1;
        return;
    }
    TKsCustomEdit::Dispatch(Message);
}
