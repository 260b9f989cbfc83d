// The skinned form's duties in multiple-document forms. A maximised child loses its frame,
// fills its parent's client window, puts its caption buttons on the parent's skinned menu bar
// and has the parent's caption name it; the child activated next comes up maximised too, and
// a child leaving the maximised state takes its siblings with it. A parent paints its client
// window with the form's own background.
#include "skin/forms/KsForms.h"

#include "framework/windows/Forms.h"
#include "skin/forms/KsWindowSubclass.h"
#include "skin/menus/KsItems.h"
#include "skin/menus/KsMenus.h"

#include <vector>

namespace {

// The skinned parent draws no sunken edge around its children.
void RemoveSunkenEdge(HWND Client) {
    const LONG ExStyle = GetWindowLongW(Client, GWL_EXSTYLE);
    if (!(ExStyle & WS_EX_CLIENTEDGE))
        return;
    SetWindowLongW(Client, GWL_EXSTYLE, ExStyle & ~WS_EX_CLIENTEDGE);
    SetWindowPos(Client, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The client window asks itself to recompute its scroll bars.
constexpr UINT WM_MDICALCCHILDSCROLL = 0x003F;

std::vector<TKsCustomForm*> ChildControllers(const TCustomForm& Parent) {
    std::vector<TKsCustomForm*> Controllers;
    for (int I = 0; I < Parent.MDIChildCount(); ++I)
        if (TKsCustomForm* Controller = TKsCustomForm::ControllerOf(Parent.MDIChildren(I)))
            Controllers.push_back(Controller);
    return Controllers;
}

bool EndsWith(const std::string& Text, const std::string& Tail) {
    return Text.size() >= Tail.size() && Text.compare(Text.size() - Tail.size(), Tail.size(), Tail) == 0;
}

} // namespace

TKsCustomForm* TKsCustomForm::ControllerOf(const TCustomForm* Form) {
    if (!Form)
        return nullptr;
    for (int I = 0; I < Form->ComponentCount(); ++I) {
        auto* Controller = dynamic_cast<TKsCustomForm*>(Form->Components(I));
        if (Controller && Controller->Active() && Controller->Form() == Form)
            return Controller;
    }
    return nullptr;
}

bool TKsCustomForm::IsMDIChild() const {
    const auto* Owner = Attached() ? Form() : dynamic_cast<const TCustomForm*>(this->Owner());
    return Owner && Owner->FormStyle() == TFormStyle::fsMDIChild;
}

bool TKsCustomForm::IsMDIParent() const {
    const auto* Owner = Attached() ? Form() : dynamic_cast<const TCustomForm*>(this->Owner());
    return Owner && Owner->FormStyle() == TFormStyle::fsMDIForm;
}

bool TKsCustomForm::IsMaximizedMDIChild() const {
    return FWindowState == TKsWindowState::kwsMaximized && IsMDIChild();
}

TCustomForm* TKsCustomForm::MDIParentForm() const {
    return Attached() && IsMDIChild() ? Form()->MDIParent() : nullptr;
}

bool TKsCustomForm::IsChildMaximized() const {
    const bool Child = IsMDIChild();
    const TCustomForm* Parent = Child ? MDIParentForm() : (IsMDIParent() ? Form() : nullptr);
    if (!Parent)
        return false;
    for (int I = 0; I < Parent->MDIChildCount(); ++I) {
        TCustomForm* Sibling = Parent->MDIChildren(I);
        if (Child && Sibling->HandleAllocated() && IsZoomed(Sibling->Handle()))
            return true;
        const TKsCustomForm* Controller = ControllerOf(Sibling);
        if (Controller && Controller->FWindowState == TKsWindowState::kwsMaximized)
            return true;
    }
    return false;
}

void TKsCustomForm::RefreshParentCaption() {
    TCustomForm* Parent = MDIParentForm();
    if (!Parent)
        return;
    // Only what children appended comes off: the parent's own caption may hold brackets.
    std::string Caption = Parent->Caption();
    for (TKsCustomForm* Sibling : ChildControllers(*Parent)) {
        if (!Sibling->FParentCaptionSuffix.empty() &&
            EndsWith(Caption, Sibling->FParentCaptionSuffix))
            Caption.erase(Caption.size() - Sibling->FParentCaptionSuffix.size());
        Sibling->FParentCaptionSuffix.clear();
    }
    const bool Maximized = IsChildMaximized();
    if (Maximized) {
        FParentCaptionSuffix = " - [" + Form()->Caption() + "]";
        Caption += FParentCaptionSuffix;
    }
    if (Caption != Parent->Caption())
        Parent->SetCaption(Caption);
    if (Maximized)
        PostMessageW(Parent->Handle(), KM_REFRESHFRAME, 0, 0);
}

void TKsCustomForm::RestoreMaximizedSiblings() {
    TCustomForm* Parent = IsMDIChild() ? MDIParentForm() : (IsMDIParent() ? Form() : nullptr);
    if (!Parent)
        return;
    for (TKsCustomForm* Sibling : ChildControllers(*Parent))
        if (Sibling->FWindowState == TKsWindowState::kwsMaximized)
            Sibling->Restore();
    if (IsMDIChild()) {
        RefreshParentCaption();
        return;
    }
    const std::vector<TKsCustomForm*> Children = ChildControllers(*Parent);
    if (!Children.empty())
        Children.front()->RefreshParentCaption();
}

TKsCustomMenuBar* TKsCustomForm::ParentMenuBar() const {
    const TKsCustomForm* Parent = ControllerOf(MDIParentForm());
    return Parent ? Parent->MenuBar() : nullptr;
}

void TKsCustomForm::MergeIntoParentMenuBar() {
    if (TKsCustomMenuBar* Bar = ParentMenuBar())
        Bar->MergeChild(this);
}

void TKsCustomForm::UnmergeFromParentMenuBar() {
    // A sibling's buttons stay where they are.
    TKsCustomMenuBar* Bar = ParentMenuBar();
    if (Bar && Bar->ChildForm() == this)
        Bar->UnmergeChild();
}

void TKsCustomForm::LeaveMaximizedMDIChild() {
    UnmergeFromParentMenuBar();
    RestoreMaximizedSiblings();
}

void TKsCustomForm::WMMDIActivate(TMessage& Message) {
    // The message goes to the child losing the activation first, then to the one gaining it
    // (lParam); the one gaining it takes the parent's caption and menu bar.
    if (!Attached() || reinterpret_cast<HWND>(Message.LParam) != Form()->Handle() ||
        !MDIParentForm() || !IsChildMaximized())
        return;
    RefreshParentCaption();
    if (FWindowState == TKsWindowState::kwsMaximized)
        MergeIntoParentMenuBar();
    else
        // Like the host's own children: the next child is maximised as the previous was.
        PostMessageW(Form()->Handle(), KM_MAXIMIZE, 0, 0);
}

void TKsCustomForm::CloseMDIChild() {
    const TCloseAction Action = Form()->QueryClose(
        FBorderIcons.Contains(TKsBorderIcon::kbiMinimize) ? TCloseAction::caMinimize
                                                          : TCloseAction::caNone);
    switch (Action) {
    case TCloseAction::caNone:
        break;
    case TCloseAction::caMinimize:
        Minimize();
        break;
    case TCloseAction::caHide:
        LeaveMaximizedMDIChild();
        Form()->SetVisible(false);
        break;
    case TCloseAction::caFree:
        LeaveMaximizedMDIChild();
        Form()->Release();
        break;
    }
}

void TKsCustomForm::ForgetMDIParent() {
    if (!Attached() || !IsMDIChild())
        return;
    UnmergeFromParentMenuBar();
    TCustomForm* Parent = MDIParentForm();
    if (!Parent || FParentCaptionSuffix.empty())
        return;
    std::string Caption = Parent->Caption();
    if (EndsWith(Caption, FParentCaptionSuffix))
        Parent->SetCaption(Caption.erase(Caption.size() - FParentCaptionSuffix.size()));
    FParentCaptionSuffix.clear();
}

void TKsCustomForm::FollowMDIActivation() {
    const TCustomForm* Parent = MDIParentForm();
    if (Parent && Parent->ClientHandle())
        FCaptionActive = reinterpret_cast<HWND>(SendMessageW(Parent->ClientHandle(), WM_MDIGETACTIVE,
                                                             0, 0)) == Form()->Handle();
}

// ---- The parent's client window ----

void TKsCustomForm::HookClientWindow() {
    FClientWindowHook.reset();
    if (!Attached() || !IsMDIParent() || !Form()->ClientHandle())
        return;
    FClientWindowHook = std::make_unique<TKsWindowSubclass>(
        Form()->ClientHandle(), this, [this](TMessage& Message) { return ClientWindowMessage(Message); });
    // At once, so that the children do not move by the edge's width when the host asks again.
    RemoveSunkenEdge(Form()->ClientHandle());
}

void TKsCustomForm::FitMaximizedChildren() {
    if (!Attached())
        return;
    for (TKsCustomForm* Child : ChildControllers(*Form()))
        if (Child->FWindowState == TKsWindowState::kwsMaximized)
            Child->ApplyBounds(Child->GetMaximizedBounds());
}

bool TKsCustomForm::ClientWindowMessage(TMessage& Message) {
    if (!Attached())
        return false;
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        // A maximised child covers the window: the host's own erase is enough.
        if (IsChildMaximized())
            return false;
        SendMessageW(Form()->Handle(), WM_ERASEBKGND, Message.WParam, 4);
        Message.Result = 1;
        return true;
    case WM_PAINT: {
        const HWND Client = FClientWindowHook->Window();
        PAINTSTRUCT Paint{};
        const auto Given = reinterpret_cast<HDC>(Message.WParam);
        const HDC DC = Given ? Given : BeginPaint(Client, &Paint);
        Form()->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
        if (!Given)
            EndPaint(Client, &Paint);
        Message.Result = 0;
        return true;
    }
    case WM_MDICALCCHILDSCROLL:
        // The scroll bars are still the host's.
        RemoveSunkenEdge(FClientWindowHook->Window());
        return false;
    case WM_NCHITTEST:
        // The empty client window lets the mouse through to the form.
        Message.Result = FClientWindowHook->CallPrevious(Message);
        if (Message.Result == HTCLIENT)
            Message.Result = HTTRANSPARENT;
        return true;
    case WM_SIZE:
        Message.Result = FClientWindowHook->CallPrevious(Message);
        FitMaximizedChildren();
        return true;
    default:
        return false;
    }
}
