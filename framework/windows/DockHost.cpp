#include "framework/windows/DockHost.h"

const TComponentClassOf<TFloatingDockHost> TFloatingDockHost::Class{"TFloatingDockHost",
                                                                    TCustomForm::Class};

TFloatingDockHost::TFloatingDockHost(TComponent* AOwner) : TCustomForm(AOwner) {
    SetBorderStyle(TFormBorderStyle::bsToolWindow);
    SetBorderIcons(TBorderIcons{TBorderIcon::biSystemMenu});
}

void TFloatingDockHost::CreateParams(TCreateParams& Params) {
    TCustomForm::CreateParams(Params);
    // Above the form the control came from, and gone from the task bar.
    Params.ExStyle &= ~static_cast<DWORD>(WS_EX_APPWINDOW);
    if (auto* OwnerForm = dynamic_cast<TWinControl*>(Owner()); OwnerForm && OwnerForm != this)
        Params.WndParent = OwnerForm->Handle();
}

void TFloatingDockHost::Hold(TControl& Control, const RECT& ScreenRect) {
    SetCaption(Control.Caption().empty() ? Control.Name() : Control.Caption());
    HandleNeeded();
    PlaceClientArea(ScreenRect);
    Control.SetParent(this);
    Control.SetBounds(0, 0, ScreenRect.right - ScreenRect.left, ScreenRect.bottom - ScreenRect.top);
    Show();
}

void TFloatingDockHost::PlaceClientArea(const RECT& ScreenRect) {
    RECT Frame{0, 0, 0, 0};
    const HWND Window = Handle();
    AdjustWindowRectEx(&Frame, static_cast<DWORD>(GetWindowLongW(Window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(Window, GWL_EXSTYLE)));
    SetBounds(ScreenRect.left + Frame.left, ScreenRect.top + Frame.top,
              ScreenRect.right - ScreenRect.left + Frame.right - Frame.left,
              ScreenRect.bottom - ScreenRect.top + Frame.bottom - Frame.top);
}

void TFloatingDockHost::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_NCLBUTTONDOWN:
        // The caption drags the control, which may dock elsewhere, instead of the window.
        if (Message.WParam == HTCAPTION && Client()) {
            Client()->BeginDrag(false);
            Message.Result = 0;
            return;
        }
        break;
    case CM_CONTROLLISTCHANGE:
        if (Message.LParam == 0 && ControlCount() == 0 && !IsDestroying() && HandleAllocated())
            Release();
        break;
    default:
        break;
    }
    TCustomForm::Dispatch(Message);
}
