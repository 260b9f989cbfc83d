// The edit's input: keys, typing, mouse selection, focus and the system caret, the window
// and clipboard messages, and the context menu.
#include "skin/controls/KsEdits.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/Clipboard.h"
#include "framework/windows/Caret.h"
#include "framework/windows/Forms.h"
#include "framework/windows/Screen.h"
#include "skin/menus/KsItems.h"

namespace {

constexpr TShiftState Modifiers{TShiftStateFlag::ssShift, TShiftStateFlag::ssAlt,
                                TShiftStateFlag::ssCtrl};
constexpr TShiftState CtrlAlone{TShiftStateFlag::ssCtrl};
constexpr TShiftState ShiftAlone{TShiftStateFlag::ssShift};

bool IsHighSurrogate(wchar_t Unit) {
    return Unit >= 0xD800 && Unit <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t Unit) {
    return Unit >= 0xDC00 && Unit <= 0xDFFF;
}

// The keys the edit moves its caret with, which would otherwise move the focus.
bool IsCaretKey(uintptr_t Key) {
    switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
        return true;
    default:
        return false;
    }
}

} // namespace

// ---- Keys and typing ----

void TKsCustomEdit::KeyDown(TKey& Key, TShiftState Shift) {
    TKsCustomControl::KeyDown(Key, Shift);
    if (Key == 0)
        return;
    const TShiftState Held = Shift * Modifiers;
    const bool Ctrl = Shift.Contains(TShiftStateFlag::ssCtrl);
    const bool Extend = Shift.Contains(TShiftStateFlag::ssShift);
    switch (Key) {
    case VK_BACK:
    case VK_DELETE:
        DeleteKey(Key == VK_BACK, Held);
        break;
    case VK_END:
        MoveCaret(TextLength(), Extend);
        break;
    case VK_HOME:
        MoveCaret(0, Extend);
        break;
    case VK_LEFT:
        MoveCaret(Ctrl ? WordLeft(FCaretPos) : FCaretPos - 1, Extend);
        break;
    case VK_RIGHT:
        MoveCaret(Ctrl ? WordRight(FCaretPos) : FCaretPos + 1, Extend);
        break;
    case VK_INSERT:
        if (Held == CtrlAlone)
            CopyToClipboard();
        else if (Held == ShiftAlone)
            PasteFromClipboard();
        break;
    case 'C':
        if (Held == CtrlAlone)
            CopyToClipboard();
        break;
    case 'V':
        if (Held == CtrlAlone)
            PasteFromClipboard();
        break;
    case 'X':
        if (Held == CtrlAlone)
            CutToClipboard();
        break;
    case 'Z':
        if (Held == CtrlAlone)
            Undo();
        break;
    default:
        break;
    }
    SetCaretPos(FCaretPos);
}

void TKsCustomEdit::DeleteKey(bool Backspace, TShiftState Shift) {
    if (FReadOnly)
        return;
    if (SelLength() > 0) {
        // Shift+Delete is the old chord for cutting; Shift+Backspace only deletes.
        if (!Backspace && Shift == ShiftAlone)
            CutToClipboard();
        else
            DeleteSelection();
        return;
    }
    if (!Backspace && FCaretPos < TextLength())
        DeleteCharAt(FCaretPos, FCaretPos);
    else if (Backspace && FCaretPos > 0)
        DeleteCharAt(FCaretPos - 1, FCaretPos - 1);
}

void TKsCustomEdit::MoveCaret(int P, bool Extend) {
    if (Extend)
        Select(Anchor(), P);
    else
        SetSelStart(P);
}

void TKsCustomEdit::KeyPress(TKeyChar& Key) {
    TKsCustomControl::KeyPress(Key);
    if (Key != 0)
        TypeUnit(Key);
}

void TKsCustomEdit::TypeUnit(wchar_t Unit) {
    if (IsHighSurrogate(Unit)) {
        FPendingHighSurrogate = Unit;
        return;
    }
    const wchar_t High = FPendingHighSurrogate;
    FPendingHighSurrogate = 0;
    if (IsLowSurrogate(Unit)) {
        // Half a character on its own is no character.
        if (High)
            TypeChar(0x10000 + ((static_cast<char32_t>(High) - 0xD800) << 10) +
                     (static_cast<char32_t>(Unit) - 0xDC00));
        return;
    }
    TypeChar(static_cast<char32_t>(Unit));
}

// ---- Mouse ----

void TKsCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKsCustomControl::MouseDown(Button, Shift, X, Y);
    if (CanFocus() && !Focused())
        SetFocus();
    if (Button != TMouseButton::mbLeft)
        return;
    FMouseSelecting = true;
    SetSelStart(XToChar(X));
}

void TKsCustomEdit::MouseMove(TShiftState Shift, int X, int Y) {
    TKsCustomControl::MouseMove(Shift, X, Y);
    if (!FMouseSelecting)
        return;
    // Past the right edge the line scrolls on, one character a move.
    const int Beyond = X > GetTextRect().right ? 1 : 0;
    Select(Anchor(), XToChar(X) + Beyond);
}

void TKsCustomEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FMouseSelecting = false;
    TKsCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---- Focus and caret ----

void TKsCustomEdit::DoFocusEnter() {
    TKsCustomControl::DoFocusEnter();
    if (FAutoSelect)
        SelectAll();
}

void TKsCustomEdit::MakeCaret() {
    FCaret.reset();
    if (!HandleAllocated())
        return;
    FCaret = std::make_unique<TWindowCaret>(Handle(), 0, LineHeight());
    PlaceCaret();
}

void TKsCustomEdit::PlaceCaret() {
    if (FCaret)
        FCaret->MoveTo(POINT{CharToX(FCaretPos), GetTextRect().top});
}

void TKsCustomEdit::ShowCaret() {
    if (FCaret)
        FCaret->Show();
}

void TKsCustomEdit::HideCaret() {
    if (FCaret)
        FCaret->Hide();
}

// ---- Messages ----

void TKsCustomEdit::Dispatch(TMessage& Message) {
    const TLineChange LineChange(*this);
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        TKsCustomControl::Dispatch(Message);
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        break;
    case CM_WANTSPECIALKEY:
        Message.Result = IsCaretKey(Message.WParam) ? 1 : 0;
        break;
    case WM_CUT:
        CutToClipboard();
        break;
    case WM_COPY:
        CopyToClipboard();
        break;
    case WM_PASTE:
        PasteFromClipboard();
        break;
    case WM_UNDO:
        Message.Result = CanUndo() ? 1 : 0;
        Undo();
        break;
    case WM_UNICHAR:
        // Asked whether the window takes UTF-32 characters: it does.
        if (Message.WParam != UNICODE_NOCHAR)
            TypeChar(static_cast<char32_t>(Message.WParam));
        Message.Result = Message.WParam == UNICODE_NOCHAR ? 1 : 0;
        break;
    case WM_CONTEXTMENU:
        ShowContextMenu(Message);
        break;
    case WM_LBUTTONDBLCLK:
        TKsCustomControl::Dispatch(Message);
        FMouseSelecting = false;
        SelectWord();
        break;
    case WM_SETFOCUS:
        MakeCaret();
        TKsCustomControl::Dispatch(Message);
        ShowCaret();
        break;
    case WM_KILLFOCUS:
        FCaret.reset();
        FPendingHighSurrogate = 0;
        UpdateHostText();
        TKsCustomControl::Dispatch(Message);
        break;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        UpdateHostText();
        TKsCustomControl::Dispatch(Message);
        break;
    case CM_FONTCHANGED:
        TKsCustomControl::Dispatch(Message);
        ForgetMetrics();
        AdjustHeight();
        // Only a focused edit has a caret; another control's caret is not taken.
        if (FCaret) {
            MakeCaret();
            ShowCaret();
        }
        ScrollToCaret();
        break;
    case CM_TEXTCHANGED:
        // The edit's own changes do not reach the window manager at every keystroke: its
        // copy of the window text follows when the text is asked for (WM_GETTEXT) or the
        // focus leaves, as with the host's own edit.
        if (FOwnChange && HandleAllocated())
            FHostTextBehind = true;
        else
            TKsCustomControl::Dispatch(Message);
        TextStored();
        if (!IsLoading())
            Change();
        break;
    case WM_SETTEXT:
        WMSetText(Message);
        break;
    case WM_SETCURSOR:
        WMSetCursor(Message);
        break;
    default:
        TKsCustomControl::Dispatch(Message);
        break;
    }
}

void TKsCustomEdit::WMSetText(TMessage& Message) {
    const auto* Wide = reinterpret_cast<const wchar_t*>(Message.LParam);
    const std::string Value = Wide ? WideToUtf8(Wide) : std::string();
    if (Value == Text()) {
        TKsCustomControl::Dispatch(Message);
        return;
    }
    // Text set from outside the program follows the same rules as text set from code.
    Message.Result = StoreText(Value) ? TRUE : FALSE;
}

void TKsCustomEdit::UpdateHostText() {
    if (!FHostTextBehind || !HandleAllocated())
        return;
    FHostTextBehind = false;
    const std::wstring Wide = Utf8ToWide(Text());
    TMessage SetText{WM_SETTEXT, 0, reinterpret_cast<intptr_t>(Wide.c_str()), 0};
    TKsCustomControl::Dispatch(SetText);
}

void TKsCustomEdit::WMSetCursor(TMessage& Message) {
    // No cursor of its own: the I-beam shows where text can be typed.
    const bool OverText =
        LOWORD(Message.LParam) == HTCLIENT && reinterpret_cast<HWND>(Message.WParam) == Handle();
    if (OverText && Cursor() == crDefault && Screen->Cursor() == crDefault) {
        ::SetCursor(Screen->Cursors(crIBeam));
        Message.Result = 1;
        return;
    }
    TKsCustomControl::Dispatch(Message);
}

// ---- Context menu ----

TKsCustomPopupMenu* TKsCustomEdit::CreateContextMenu(TComponent* AOwner) {
    return new TKsCustomPopupMenu(AOwner);
}

TKsCustomItem* TKsCustomEdit::CreateContextMenuItem() {
    return new TKsCustomItem(this);
}

TKsCustomPopupMenu& TKsCustomEdit::ContextMenu() {
    if (!FContextMenu)
        BuildContextMenu();
    return *FContextMenu;
}

void TKsCustomEdit::BuildContextMenu() {
    struct TEntry {
        const char* Caption;
        void (TKsCustomEdit::*Handler)(TObject*);
    };
    static constexpr TEntry Entries[] = {
        {"Undo", &TKsCustomEdit::UndoClick},
        {"-", nullptr},
        {"Cut", &TKsCustomEdit::CutClick},
        {"Copy", &TKsCustomEdit::CopyClick},
        {"Paste", &TKsCustomEdit::PasteClick},
        {"Delete", &TKsCustomEdit::DeleteClick},
        {"-", nullptr},
        {"Select All", &TKsCustomEdit::SelectAllClick},
    };
    FContextMenu = CreateContextMenu(this);
    for (const TEntry& Entry : Entries) {
        TKsCustomItem* Item = CreateContextMenuItem();
        Item->SetCaption(Entry.Caption);
        if (Entry.Handler)
            Item->OnClick = MakeEvent(this, Entry.Handler);
        FContextMenu->Items()->Add(Item);
    }
}

void TKsCustomEdit::UpdateContextMenu() {
    TKsCustomPopupMenu& Menu = ContextMenu();
    const auto Enable = [this, &Menu](void (TKsCustomEdit::*Handler)(TObject*), bool Value) {
        if (TKsCustomItem* Item = Menu.Items()->FindItemByClick(MakeEvent(this, Handler)))
            Item->SetEnabled(Value);
    };
    const bool Selected = SelLength() > 0;
    Enable(&TKsCustomEdit::UndoClick, CanUndo());
    Enable(&TKsCustomEdit::CutClick, Selected && !Hidden() && !FReadOnly);
    Enable(&TKsCustomEdit::CopyClick, Selected && !Hidden());
    Enable(&TKsCustomEdit::PasteClick, Clipboard()->HasText() && !FReadOnly);
    Enable(&TKsCustomEdit::DeleteClick, Selected && !FReadOnly);
    Enable(&TKsCustomEdit::SelectAllClick, SelLength() < TextLength());
    Menu.SetPopupBlend(FPopupSettings.Blend);
    Menu.SetPopupBlendValue(FPopupSettings.BlendValue);
    Menu.SetDropShadow(FPopupSettings.DropShadow);
    Menu.SetShadowWidth(FPopupSettings.ShadowWidth);
    Menu.SetShowAnimation(FPopupSettings.ShowAnimation);
    Menu.SetShowAnimationTime(FPopupSettings.ShowAnimationTime);
}

void TKsCustomEdit::ShowContextMenu(TMessage& Message) {
    // A menu given to the edit as its PopupMenu is shown instead.
    if (PopupMenu() || IsDesigning()) {
        TKsCustomControl::Dispatch(Message);
        return;
    }
    UpdateContextMenu();
    if (TCustomForm* Form = GetParentForm(this); Form && Form->HandleAllocated())
        SendMessageW(Form->Handle(), WM_CANCELMODE, 0, 0);
    // The menu key sends no point: the menu opens under the caret.
    const POINT Sent = MessagePoint(Message.LParam);
    const POINT At = Sent.x == -1 && Sent.y == -1
                         ? ClientToScreen(POINT{CharToX(FCaretPos), GetTextRect().bottom})
                         : Sent;
    TKsCustomPopupMenu& Menu = ContextMenu();
    Menu.SetPopupComponent(this);
    Menu.Popup(At.x, At.y);
    Message.Result = 1;
}

void TKsCustomEdit::UndoClick(TObject*) {
    Undo();
}

void TKsCustomEdit::CutClick(TObject*) {
    CutToClipboard();
}

void TKsCustomEdit::CopyClick(TObject*) {
    CopyToClipboard();
}

void TKsCustomEdit::PasteClick(TObject*) {
    PasteFromClipboard();
}

void TKsCustomEdit::DeleteClick(TObject*) {
    DeleteSelection();
}

void TKsCustomEdit::SelectAllClick(TObject*) {
    SelectAll();
}
