// Popup windows, their frame controller and view, and an item's DropDown: take a window,
// place it, show it without activating, run the level's loop, give the window back.
#include "skin/menus/KsMenuForm.h"

#include "framework/windows/Application.h"
#include "framework/windows/Screen.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItems.h"
#include "skin/menus/KsPopupPool.h"

#include <algorithm>

// ---- View ----

const TComponentClassOf<TKsPopupView> TKsPopupView::Class{"TKsPopupView", TKsItemView::Class};

TKsPopupView::TKsPopupView(TComponent* AOwner, TKsPopupWindow& Window)
    : TKsItemView(AOwner, false, false), FWindow(Window) {}

void TKsPopupView::SetContentSize(POINT Size) {
    const POINT Window = WindowSizeFor(Size);
    FWindow.SetBounds(FWindow.Left(), FWindow.Top(), Window.x, Window.y);
}

POINT TKsPopupView::WindowSizeFor(POINT Size) const {
    TKsPopupForm& Frame = FWindow.PopupForm();
    // The frame's insets, measured on a large frame so that none of them is clipped; the
    // frame keeps its own size for painting.
    const POINT FormSize{Frame.FormWidth(), Frame.FormHeight()};
    Frame.SetFormSize(1000, 1000);
    const RECT Insets = Frame.GetClientBounds();
    Frame.SetFormSize(FormSize.x, FormSize.y);
    const int Shadow = Frame.DropShadow() ? Frame.ShadowWidth() : 0;
    return POINT{Size.x + Insets.left + (1000 - Insets.right) + Shadow,
                 Size.y + Insets.top + (1000 - Insets.bottom) + Shadow};
}

void TKsPopupView::MoveContentTo(POINT Point) {
    const RECT Insets = FWindow.PopupForm().GetClientBounds();
    FWindow.SetBounds(Point.x - Insets.left, Point.y - Insets.top, FWindow.Width(),
                      FWindow.Height());
}

void TKsPopupView::Invalidate() {
    FWindow.Invalidate();
}

// ---- Frame controller ----

const TComponentClassOf<TKsPopupForm> TKsPopupForm::Class{"TKsPopupForm", TKsCustomForm::Class};

TKsPopupForm::TKsPopupForm(TKsPopupWindow& Window, TComponent* NotifyWindow)
    : TKsCustomForm(&Window), FWindow(Window), FNotifyWindow(nullptr) {
    SetBorderIcons({});
    SetBorderStyle(TKsBorderStyle::kbsNone);
    SetCanMove(false);
    SetCanResize(false);
    SetActive(true);
    SetNotifyWindow(NotifyWindow);
}

void TKsPopupForm::SetNotifyWindow(TComponent* NotifyWindow) {
    ReplaceReference<TWinControl>(*this, FNotifyWindow, dynamic_cast<TWinControl*>(NotifyWindow));
}

void TKsPopupForm::Notification(TComponent* AComponent, TOperation Operation) {
    TKsCustomForm::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FNotifyWindow)
        FNotifyWindow = nullptr;
}

void TKsPopupForm::LayOutTakenWindow() {
    AdoptWindowSize();
}

RECT TKsPopupForm::GetClientBounds() {
    return {3, 3, FormWidth() - 3, FormHeight() - 3};
}

POINT TKsPopupForm::GetMinSize() {
    return {10, 10};
}

void TKsPopupForm::PaintFrame(TKsBitmap& Bitmap) {
    if (!FWindow.View().Item())
        return;
    RECT R{0, 0, FormWidth(), FormHeight()};
    const auto Opaque = [](TColor Color) { return ColorToKsColor(Color, 255); };
    Bitmap.FrameRect3D(R, Opaque(clBtnFace), KsBlack);
    R = InflateRectBy(R, -1);
    Bitmap.FrameRect3D(R, Opaque(clBtnHighlight), Opaque(clBtnShadow));
    R = InflateRectBy(R, -1);
    Bitmap.FrameRect3D(R, Opaque(clMenu), Opaque(clMenu));
}

void TKsPopupForm::PaintClient(TKsBitmap& Bitmap) {
    const RECT Client = GetClientBounds();
    // What the items leave uncovered (a frame larger than its content) shows the menu colour.
    Bitmap.FillRect(Client, ColorToKsColor(clMenu, 255));
    TKsPopupView& View = FWindow.View();
    View.SetOffset(POINT{Client.left, Client.top});
    View.Paint(Bitmap);
    View.SetOffset(POINT{});
    // Text and lines the host drew leave their pixels without opacity; the items are opaque
    // wherever the frame is composed over what lies behind the window.
    Bitmap.SetAlphaRect(255, Client);
}

void TKsPopupForm::Dispatch(TMessage& Message) {
    if (Message.Msg != WM_MOUSEACTIVATE && Message.Msg != WM_ACTIVATE) {
        TKsCustomForm::Dispatch(Message);
        return;
    }
    // The form that owns the menu keeps its caption drawn active while the popup is used.
    if (FNotifyWindow && FNotifyWindow->HandleAllocated())
        SendMessageW(FNotifyWindow->Handle(), WM_NCACTIVATE, 1, 0);
    if (Message.Msg == WM_ACTIVATE) {
        TKsCustomForm::Dispatch(Message);
        return;
    }
    // A popup never takes the activation.
    Message.Result = MA_NOACTIVATE;
    MarkHandled();
}

// ---- Window ----

const TComponentClassOf<TKsPopupWindow> TKsPopupWindow::Class{"TKsPopupWindow", TForm::Class};

TKsPopupWindow::TKsPopupWindow(TComponent* MenuOwner) : TForm(nullptr), FMenuOwner(MenuOwner) {}

TKsPopupWindow::~TKsPopupWindow() {
    FView.reset();
    FForm.reset();
}

std::unique_ptr<TKsPopupWindow> TKsPopupWindow::CreatePopup(TComponent* Owner, TKsCustomItem& Item,
                                                            TKsItemView* ParentView, POINT Origin) {
    std::unique_ptr<TKsPopupWindow> Window(new TKsPopupWindow(Owner));
    Window->Build(Item, ParentView, Origin);
    return Window;
}

std::unique_ptr<TKsPopupForm> TKsPopupWindow::CreatePopupForm(TComponent* NotifyWindow) {
    return std::make_unique<TKsPopupForm>(*this, NotifyWindow);
}

void TKsPopupWindow::Retire() {
    SetVisible(false);
    // Keys and requests posted to the level this window showed are not for the level it
    // shows next (the menu loop drops them only for windows that are gone).
    MSG Stale{};
    while (PeekMessageW(&Stale, Handle(), WM_KEYFIRST, WM_KEYLAST, PM_REMOVE | PM_NOYIELD) ||
           PeekMessageW(&Stale, Handle(), KM_OPENSUBMENU, KM_OPENSUBMENU, PM_REMOVE | PM_NOYIELD))
        continue;
    FView->SetItem(nullptr);
    FView->SetParentView(nullptr);
    FForm->SetNotifyWindow(nullptr);
    FMenuOwner = nullptr;
}

void TKsPopupWindow::Rebuild(TComponent* MenuOwner, TKsCustomItem& Item, TKsItemView* ParentView,
                             POINT Origin) {
    FMenuOwner = MenuOwner;
    Build(Item, ParentView, Origin);
}

void TKsPopupWindow::Build(TKsCustomItem& Item, TKsItemView* ParentView, POINT Origin) {
    // The form told to keep its caption active: the menu owner's owner when that is a
    // windowed control, else the menu owner itself.
    TComponent* Notify = nullptr;
    if (FMenuOwner && dynamic_cast<TWinControl*>(FMenuOwner->Owner()))
        Notify = FMenuOwner->Owner();
    else if (dynamic_cast<TWinControl*>(FMenuOwner))
        Notify = FMenuOwner;
    if (FForm)
        FForm->SetNotifyWindow(Notify);
    else
        FForm = CreatePopupForm(Notify);
    // The view exists before the frame is laid out: painting the frame asks the view for
    // its item.
    FView = std::make_unique<TKsPopupView>(this, *this);
    FView->SetSizeControl(this);
    FView->SetItem(&Item);
    FView->SetParentView(ParentView);
    FView->SetControl(this);
    // Every setting is made before the controller takes the window, so the frame, its
    // region and its background are laid out once, not again for each setting.
    FForm->SetStayOnTop(true);
    FForm->SetBlend(Item.PopupBlend());
    FForm->SetBlendValue(Item.PopupBlendValue());
    FForm->SetDropShadow(Item.DropShadow());
    FForm->SetShadowWidth(Item.ShadowWidth());
    if (!Item.AnimateOnce() || Item.AnimatePending()) {
        FForm->SetShowAnimation(Item.ShowAnimation());
        FForm->SetShowAnimationTime(Item.ShowAnimationTime());
        // Only the first popup after tracking starts animates when the menu asks for once.
        (Item.Parent() ? Item.Parent() : &Item)->SetAnimatePending(false);
    } else {
        FForm->SetShowAnimation(TKsAnimation::kaNone);
    }
    // A translucent frame composes in a surface of its own, made by the settings above and
    // sized when the frame takes the window; the items are measured on it before that.
    TKsBitmap* Surface = FForm->GetSurface();
    if (Surface->Empty())
        Surface->SetSize(1, 1);
    FView->SetBitmap(Surface);
    // The window is made at its origin and at its frame's size around the content, so that
    // the frame takes it as it is, rather than resizing and moving it afterwards. A kept
    // window, already taken, is only given its new bounds.
    const POINT Size = FView->WindowSizeFor(FView->ContentSize());
    SetBounds(Origin.x, Origin.y, Size.x, Size.y);
    if (!HandleAllocated()) {
        HandleNeeded();
        FForm->Loaded();
    }
    SetCursor(crDefault);
}

void TKsPopupWindow::CreateParams(TCreateParams& Params) {
    TForm::CreateParams(Params);
    // Above every window, and never a button on the taskbar (which a form of a program
    // without a main form would otherwise get).
    Params.ExStyle |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    Params.ExStyle &= ~static_cast<DWORD>(WS_EX_APPWINDOW);
}

void TKsPopupWindow::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_GETMINMAXINFO) {
        // The window is made at the size of its items, however small: the host's smallest
        // size for a window with a caption does not apply to a popup.
        TForm::Dispatch(Message);
        reinterpret_cast<MINMAXINFO*>(Message.LParam)->ptMinTrackSize = POINT{0, 0};
        return;
    }
    if (Message.Msg != CM_SHOWINGCHANGED) {
        TForm::Dispatch(Message);
        return;
    }
    // Shown without taking the activation, above every other top-most window (a kept window
    // keeps its old place in the z-order, which may lie under the level that opens it), and
    // hidden without moving in the z-order.
    if (!HandleAllocated())
        return;
    if (Showing())
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    else
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

bool TKsPopupWindow::RunLoop() {
    return FView->Track();
}

// ---- DropDown ----

namespace {

// The area a popup must fit in: the monitor of the form the menu belongs to, else the
// whole screen.
RECT PopupWorkArea(TComponent* Owner) {
    TComponent* Top = Owner;
    while (Top && Top->Owner() && Top->Owner() != Application)
        Top = Top->Owner();
    // Asked of the host directly: the screen's list of monitors is refreshed on every
    // question, which costs more than the rest of placing the popup.
    MONITORINFO Info{};
    Info.cbSize = sizeof(Info);
    if (auto* Form = dynamic_cast<TCustomForm*>(Top); Form && Form->HandleAllocated())
        if (GetMonitorInfoW(MonitorFromWindow(Form->Handle(), MONITOR_DEFAULTTONEAREST), &Info))
            return Info.rcMonitor;
    return {0, 0, Screen->Width(), Screen->Height()};
}

// The skinned form controller among the components of the control that owns the menu.
TKsCustomForm* OwnerFormController(TComponent* OwnerControl) {
    if (!OwnerControl)
        return nullptr;
    for (int I = 0; I < OwnerControl->ComponentCount(); ++I)
        if (auto* Controller = dynamic_cast<TKsCustomForm*>(OwnerControl->Components(I)))
            return Controller;
    return nullptr;
}

bool OpensAtPoint(const RECT& Rect) {
    return Rect.right - Rect.left <= 0;
}

// Where a popup's window goes when it fits: at a point, below a menu-bar item or beside a
// sub-menu's item.
POINT PopupOrigin(bool FromMenuBar, int X, int Y, const RECT& Rect) {
    return OpensAtPoint(Rect) ? POINT{X, Y}
           : FromMenuBar      ? POINT{Rect.left, Rect.bottom}
                              : POINT{Rect.right, Rect.top};
}

// Places the window against the opening item's screen rectangle (a sub-menu or a menu-bar
// drop-down) or at a point, keeping its right and bottom edges inside Area. The window was
// made at its origin, so it moves only when it does not fit there.
void PlacePopup(TKsPopupWindow& Window, bool FromMenuBar, int X, int Y, const RECT& Rect,
                const RECT& Area) {
    const bool AtPoint = OpensAtPoint(Rect);
    const POINT Origin = PopupOrigin(FromMenuBar, X, Y, Rect);
    // The window was made at its items' size: it is moved at most once.
    int Left = Origin.x;
    int Top = Origin.y;
    const int Width = Window.Width();
    const int Height = Window.Height();
    if (AtPoint) {
        if (Left + Width > Area.right)
            Left = X - Width;
        if (Top + Height > Area.bottom)
            Top = Y - Height;
    } else {
        if (Left + Width > Area.right)
            Left = FromMenuBar ? Rect.right - Width : Rect.left - Width;
        if (Top + Height > Area.bottom)
            Top = FromMenuBar ? Rect.top - Height : Rect.bottom - Height;
        Left = std::min(Left, static_cast<int>(Area.right) - Width);
        Top = std::min(Top, static_cast<int>(Area.bottom) - Height);
    }
    Window.SetBounds(Left, Top, Width, Height);
}

} // namespace

void TKsCustomItem::DropDown(TKsItemView* View, int X, int Y, const RECT& Rect) {
    if (Count() == 0)
        return;
    // A popup at a point while another menu is open would nest a second menu loop: the
    // open menu closes instead.
    if (!View && TKsItemView::TrackingView()) {
        TKsItemView::TrackingView()->CloseAll();
        return;
    }
    const uint32_t Self = Serial();
    if (OnBeforeDropDown) {
        OnBeforeDropDown(this);
        // The handler may have freed the item or emptied its list.
        if (!FindLiveItem(Self) || Count() == 0)
            return;
    }
    SetTopIndex(0);
    const bool FromMenuBar = View && View->DropsDown();
    const TKsPopupLease Window = TKsPopupPool::Take(PopupWindowClass(), Owner(), *this, View,
                                                    PopupOrigin(FromMenuBar, X, Y, Rect));
    PlacePopup(*Window, FromMenuBar, X, Y, Rect, PopupWorkArea(Owner()));

    TKsCustomForm* Controller = OwnerFormController(FOwnerControl);
    if (Controller) {
        // Frame painting of the owning form resumes on every path.
        Controller->SuspendFramePaint();
        struct TResume {
            TKsCustomForm* Controller;
            ~TResume() { Controller->ResumeFramePaint(); }
        } Resume{Controller};
        Window->SetVisible(true);
    } else {
        Window->SetVisible(true);
    }
    if (FForeground && Window->HandleAllocated())
        SetForegroundWindow(Window->Handle());

    if (View)
        View->SetChildView(&Window->View());
    // The opening view forgets this level on every path; it may itself be gone by then.
    struct TClearChild {
        TKsPopupView& Child;
        ~TClearChild() {
            if (TKsItemView* Opener = Child.ParentView())
                Opener->SetChildView(nullptr);
        }
    } Clear{Window->View()};
    Window->RunLoop();
}

TKsPopupWindowClass TKsCustomItem::PopupWindowClass() const {
    return &TKsPopupWindow::CreatePopup;
}
