// A windowed control's focus, tab order and keyboard: which child takes the focus next, and
// how keys reach the control, its events and the parent form's dialog keys.
#include "framework/windows/WinControl.h"

#include "framework/windows/Forms.h"

#include <algorithm>
#include <vector>

namespace {

// Keys that move the focus or press a dialog's buttons unless the focused control takes them.
bool IsDialogKey(TKey Key) {
    switch (Key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

bool TWinControl::CanFocus() const {
    for (const TControl* Control = this; Control; Control = Control->Parent())
        if (!Control->Visible() || !Control->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const {
    return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
    if (TCustomForm* Form = GetParentForm(this); Form && Form != this)
        Form->FocusControl(this);
    else
        ::SetFocus(Handle());
}

int TWinControl::TabOrder() const {
    if (!FParent)
        return -1;
    const auto& List = FParent->FTabList;
    return static_cast<int>(std::find(List.begin(), List.end(), this) - List.begin());
}

void TWinControl::SetTabOrder(int Value) {
    if (IsLoading()) {
        FLoadedTabOrder = Value;
        return;
    }
    if (!FParent)
        return;
    auto& List = FParent->FTabList;
    List.erase(std::find(List.begin(), List.end(), this));
    const int Position = std::clamp(Value, 0, static_cast<int>(List.size()));
    List.insert(List.begin() + Position, this);
}

void TWinControl::SortTabList() {
    std::stable_sort(FTabList.begin(), FTabList.end(), [](TWinControl* A, TWinControl* B) {
        const unsigned KeyA = static_cast<unsigned>(A->FLoadedTabOrder);
        const unsigned KeyB = static_cast<unsigned>(B->FLoadedTabOrder);
        return KeyA < KeyB;
    });
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
    for (TWinControl* Child : FTabList) {
        List.push_back(Child);
        Child->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* Current, bool GoForward,
                                          bool CheckTabStop) const {
    std::vector<TWinControl*> List;
    GetTabOrderList(List);
    if (List.empty())
        return nullptr;
    const int Count = static_cast<int>(List.size());
    int Index = static_cast<int>(std::find(List.begin(), List.end(), Current) - List.begin());
    if (Index == Count)
        Index = GoForward ? Count - 1 : 0;
    for (int Step = 0; Step < Count; ++Step) {
        Index = (Index + (GoForward ? 1 : Count - 1)) % Count;
        TWinControl* Candidate = List[static_cast<size_t>(Index)];
        if (Candidate == Current)
            break;
        if ((!CheckTabStop || Candidate->TabStop()) && Candidate->CanFocus())
            return Candidate;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop) {
    if (TWinControl* Next = FindNextControl(Current, GoForward, CheckTabStop))
        Next->SetFocus();
}

bool TWinControl::WantsKey(TKey Key) {
    return Perform(CM_WANTSPECIALKEY, Key) != 0;
}

void TWinControl::WMKeyDown(TMessage& Message) {
    if (TCustomForm* Form = GetParentForm(this)) {
        TWMKey ShortCut{Message.Msg, static_cast<TKey>(Message.WParam), Message.LParam, 0};
        if (Form->IsShortCut(ShortCut)) {
            Message.Result = 0;
            return;
        }
    }
    TKey Key = static_cast<TKey>(Message.WParam);
    KeyDown(Key, KeyDataToShiftState(Message.LParam));
    if (Key == 0) {
        Message.Result = 0;
        return;
    }
    if (IsDialogKey(Key) && !WantsKey(Key)) {
        TControl* Target = GetParentForm(this);
        if (!Target)
            Target = this;
        if (Target->Perform(CM_DIALOGKEY, Key, Message.LParam) != 0) {
            Message.Result = 0;
            return;
        }
    }
    Message.WParam = Key;
    DefaultHandler(Message);
}

void TWinControl::WMKeyUp(TMessage& Message) {
    TKey Key = static_cast<TKey>(Message.WParam);
    KeyUp(Key, KeyDataToShiftState(Message.LParam));
    if (Key == 0) {
        Message.Result = 0;
        return;
    }
    Message.WParam = Key;
    DefaultHandler(Message);
}

void TWinControl::WMChar(TMessage& Message) {
    TKeyChar Char = static_cast<TKeyChar>(Message.WParam);
    KeyPress(Char);
    if (Char == 0) {
        Message.Result = 0;
        return;
    }
    Message.WParam = Char;
    DefaultHandler(Message);
}

void TWinControl::WMSysChar(TMessage& Message) {
    TControl* Target = GetParentForm(this);
    if (!Target)
        Target = this;
    if (Target->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0) {
        Message.Result = 0;
        return;
    }
    DefaultHandler(Message);
}

void TWinControl::KeyDown(TKey& Key, TShiftState Shift) {
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(TKey& Key, TShiftState Shift) {
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(TKeyChar& Key) {
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TWinControl::WMSetFocus(TMessage& Message) {
    DefaultHandler(Message);
    if (TCustomForm* Form = GetParentForm(this))
        Form->SetFocusedControl(this);
}
