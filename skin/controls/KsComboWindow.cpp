#include "skin/controls/KsComboWindow.h"

#include "skin/controls/KsComboBoxs.h"
#include "skin/controls/KsListBoxs.h"

#include <algorithm>

RECT ComboDropDownBounds(const RECT& Combo, int Height, const RECT& WorkArea) {
    const int Width = Combo.right - Combo.left;
    const int Below = WorkArea.bottom - Combo.bottom;
    const int Above = Combo.top - WorkArea.top;
    int Top = Combo.bottom;
    if (Height > Below) {
        if (Height <= Above || Above > Below) {
            Height = std::min(Height, Above);
            Top = Combo.top - Height;
        } else {
            Height = Below;
        }
    }
    int Left = Combo.left;
    if (Left + Width > WorkArea.right)
        Left = WorkArea.right - Width;
    Left = std::max(Left, static_cast<int>(WorkArea.left));
    return RECT{Left, Top, Left + Width, Top + std::max(Height, 0)};
}

const TComponentClassOf<TKsComboWindow> TKsComboWindow::Class{"TKsComboWindow", TForm::Class};

TKsComboWindow::TKsComboWindow(TKsCustomComboBox& Combo) : TForm(&Combo), FCombo(Combo) {
    SetBorderStyle(TFormBorderStyle::bsNone);
}

void TKsComboWindow::CreateParams(TCreateParams& Params) {
    TForm::CreateParams(Params);
    // Above every window, never a button on the taskbar, and owned by the combo's form,
    // which the host activates again when the window goes.
    Params.ExStyle |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    Params.ExStyle &= ~static_cast<DWORD>(WS_EX_APPWINDOW);
    Params.ClassStyle |= CS_SAVEBITS;
    if (TCustomForm* Form = GetParentForm(&FCombo); Form && Form->HandleAllocated())
        Params.WndParent = Form->Handle();
}

bool TKsComboWindow::IsShortCut(TWMKey& Message) {
    if (Message.Msg == WM_KEYDOWN) {
        switch (Message.CharCode) {
        case VK_ESCAPE:
            FCombo.CloseUp();
            return true;
        case VK_RETURN:
        case VK_SPACE:
            FCombo.PickListItem();
            return true;
        default:
            break;
        }
    }
    return TForm::IsShortCut(Message);
}

void TKsComboWindow::KeepOwnerCaptionActive() {
    if (TCustomForm* Form = GetParentForm(&FCombo); Form && Form->HandleAllocated())
        SendMessageW(Form->Handle(), WM_NCACTIVATE, TRUE, 0);
}

void TKsComboWindow::WMActivate(TMessage& Message) {
    TForm::Dispatch(Message);
    if (LOWORD(Message.WParam) != WA_INACTIVE)
        KeepOwnerCaptionActive();
    else if (FCombo.DropWindow() == this)
        FCombo.CloseUpFor(reinterpret_cast<HWND>(Message.LParam));
}

void TKsComboWindow::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ACTIVATE:
        WMActivate(Message);
        return;
    case WM_MOUSEACTIVATE:
        // The list is used where it is; a click in it never moves the window.
        Message.Result = MA_ACTIVATE;
        return;
    default:
        TForm::Dispatch(Message);
        return;
    }
}
