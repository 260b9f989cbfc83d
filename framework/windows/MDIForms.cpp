// Multiple-document forms: the parent's host client window and the commands that arrange
// its children, the children joining and leaving their parent, and the default handling of
// both kinds of window by the host's frame and child procedures.
#include "framework/windows/Forms.h"

#include "framework/core/Lists.h"
#include "framework/windows/Application.h"

#include <algorithm>

namespace {

// The menu identifier of the first child; the host numbers the children from it. It lies
// above the command numbers forms use.
constexpr UINT FirstChildId = 0xFF00;

} // namespace

TCustomForm* TCustomForm::MDIChildren(int Index) const {
    if (Index < 0 || Index >= MDIChildCount())
        throw EListError(ListIndexErrorMessage(Index));
    return FMDIChildren[static_cast<size_t>(Index)];
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
    const auto Active = reinterpret_cast<HWND>(SendToClient(WM_MDIGETACTIVE, 0, 0));
    auto* Child = dynamic_cast<TCustomForm*>(FindControl(Active));
    return std::find(FMDIChildren.begin(), FMDIChildren.end(), Child) != FMDIChildren.end()
               ? Child
               : nullptr;
}

void TCustomForm::Cascade() {
    SendToClient(WM_MDICASCADE, 0, 0);
}

void TCustomForm::Tile() {
    SendToClient(WM_MDITILE,
                 FTileMode == TTileMode::tbVertical ? MDITILE_VERTICAL : MDITILE_HORIZONTAL, 0);
}

void TCustomForm::ArrangeIcons() {
    SendToClient(WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next() {
    SendToClient(WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous() {
    SendToClient(WM_MDINEXT, 0, 1);
}

intptr_t TCustomForm::SendToClient(UINT Msg, WPARAM WParam, LPARAM LParam) const {
    return FClientHandle ? SendMessageW(FClientHandle, Msg, WParam, LParam) : 0;
}

TCustomForm* TCustomForm::FindMDIParent() const {
    if (FMDIParent)
        return FMDIParent;
    for (TComponent* Candidate : {Owner(), static_cast<TComponent*>(Application->MainForm())})
        if (auto* Form = dynamic_cast<TCustomForm*>(Candidate);
            Form && Form != this && Form->FormStyle() == TFormStyle::fsMDIForm)
            return Form;
    return nullptr;
}

void TCustomForm::JoinMDIParent() {
    TCustomForm* Parent = FindMDIParent();
    if (!Parent)
        throw EInvalidOperation("No MDI parent form to hold the child form");
    Parent->HandleNeeded();
    if (FMDIParent == Parent)
        return;
    FMDIParent = Parent;
    Parent->FMDIChildren.push_back(this);
}

void TCustomForm::LeaveMDIParent() {
    if (!FMDIParent)
        return;
    auto& Siblings = FMDIParent->FMDIChildren;
    Siblings.erase(std::remove(Siblings.begin(), Siblings.end(), this), Siblings.end());
    FMDIParent = nullptr;
}

void TCustomForm::CreateClientWindow() {
    CLIENTCREATESTRUCT Create{nullptr, FirstChildId};
    FClientHandle = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
        WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL | WS_VISIBLE, 0, 0,
        0, 0, Handle(), nullptr, GetModuleHandleW(nullptr), &Create);
    if (!FClientHandle)
        throw EOutOfResources("Error creating window of MDICLIENT");
    // Controls placed freely on the form stay in front of it.
    SetWindowPos(FClientHandle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Realign();
}

void TCustomForm::DestroyClientWindow() {
    for (TCustomForm* Child : std::vector<TCustomForm*>(FMDIChildren))
        Child->DestroyHandle();
    DestroyWindow(FClientHandle);
    FClientHandle = nullptr;
}

void TCustomForm::ShowMDIChildrenAgain() {
    for (TCustomForm* Child : std::vector<TCustomForm*>(FMDIChildren))
        if (Child->Visible() && !Child->HandleAllocated())
            Child->UpdateShowing();
}

void TCustomForm::DestroyWnd() {
    if (FClientHandle)
        DestroyClientWindow();
    // The client window activates another child and forgets this one before destroying it.
    if (FMDIParent && FMDIParent->FClientHandle && GetParent(Handle()) == FMDIParent->FClientHandle)
        FMDIParent->SendToClient(WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
    else
        TScrollingWinControl::DestroyWnd();
}

LRESULT TCustomForm::CallDefWndProc(const TMessage& Message) {
    // The frame procedure would size the client window to the whole client area, over the
    // aligned controls; the client window's place is set when the controls are aligned.
    if (FClientHandle && Message.Msg != WM_SIZE)
        return DefFrameProcW(Handle(), FClientHandle, Message.Msg, Message.WParam, Message.LParam);
    if (IsMDIChildWindow())
        return DefMDIChildProcW(Handle(), Message.Msg, Message.WParam, Message.LParam);
    return TScrollingWinControl::CallDefWndProc(Message);
}

void TCustomForm::ControlsAligned(const RECT& FreeArea) {
    TScrollingWinControl::ControlsAligned(FreeArea);
    if (FClientHandle)
        SetWindowPos(FClientHandle, nullptr, FreeArea.left, FreeArea.top,
                     std::max<int>(FreeArea.right - FreeArea.left, 0),
                     std::max<int>(FreeArea.bottom - FreeArea.top, 0),
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomForm::WMMDIActivate(TMessage& Message) {
    DefaultHandler(Message);
    const bool Active = reinterpret_cast<HWND>(Message.LParam) == Handle();
    // The focus moves into the child only while its frame is the active window: taking it
    // otherwise would activate the frame.
    const bool FrameActive = FMDIParent && GetActiveWindow() == FMDIParent->Handle();
    TWinControl* Target =
        Active && FrameActive && !IsIconic(Handle()) ? ActiveOrFirstControl() : nullptr;
    ActivationChanged(Active, Target);
}
