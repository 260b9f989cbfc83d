#include "framework/windows/Controls.h"

#include "framework/core/Properties.h"
#include "framework/windows/ControlActions.h"
#include "framework/windows/DragDock.h"
#include "framework/windows/Forms.h"
#include "framework/windows/Menus.h"
#include "framework/windows/MouseTracking.h"
#include "framework/windows/WinControl.h"

#include <algorithm>

const TEnumInfo AlignInfo{"TAlign",
                          {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
const TEnumInfo BorderStyleInfo{"TBorderStyle", {"bsNone", "bsSingle"}};
const TEnumInfo AnchorKindInfo{"TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}};

namespace {

// A property that follows the control's action is the action's to store: it is written
// when it differs from its default and is not linked.
template <class F>
TStored UnlessLinked(F DiffersFromDefault, bool (TActionLink::*IsLinked)() const) {
    return TStored::If<TControl>([DiffersFromDefault, IsLinked](const TControl& Control) {
        const TActionLink* Link = Control.ActionLink();
        return DiffersFromDefault(Control) && !(Link && (Link->*IsLinked)());
    });
}

using P = TPublished<TControl>;
const TPropertyTable ControlProperties{
    P::Integer("Left", &TControl::Left, &TControl::SetLeft, 0, TStored::Always()),
    P::Integer("Top", &TControl::Top, &TControl::SetTop, 0, TStored::Always()),
    P::Integer("Width", &TControl::Width, &TControl::SetWidth, 0, TStored::Always()),
    P::Integer("Height", &TControl::Height, &TControl::SetHeight, 0, TStored::Always()),
    P::Enumeration("Align", AlignInfo, &TControl::Align, &TControl::SetAlign),
    P::Set("Anchors", AnchorKindInfo, &TControl::Anchors, &TControl::SetAnchors, DefaultAnchors),
    P::Persistent("Constraints", &TControl::Constraints),
    WithIdents(
        P::Integer("Color", &TControl::Color, &TControl::SetColor, clWindow,
                   TStored::If<TControl>([](const TControl& C) { return !C.ParentColor(); })),
        ColorIdents),
    P::Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true),
    P::Persistent("Font", &TControl::Font),
    P::Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true),
    P::Enumeration("BiDiMode", BiDiModeInfo, &TControl::BiDiMode, &TControl::SetBiDiMode,
                   TBiDiMode::bdLeftToRight,
                   TStored::If<TControl>([](const TControl& C) { return !C.ParentBiDiMode(); })),
    P::Boolean("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode, true),
    P::String("Caption", &TControl::Caption, &TControl::SetCaption, "",
              UnlessLinked([](const TControl& C) { return !C.Caption().empty(); },
                           &TActionLink::IsCaptionLinked)),
    P::Boolean("Visible", &TControl::Visible, &TControl::SetVisible, true,
               UnlessLinked([](const TControl& C) { return !C.Visible(); },
                            &TActionLink::IsVisibleLinked)),
    P::Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled, true,
               UnlessLinked([](const TControl& C) { return !C.Enabled(); },
                            &TActionLink::IsEnabledLinked)),
    P::Integer("Cursor", &TControl::Cursor, &TControl::SetCursor),
    P::String("Hint", &TControl::Hint, &TControl::SetHint, "",
              UnlessLinked([](const TControl& C) { return !C.Hint().empty(); },
                           &TActionLink::IsHintLinked)),
    P::Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint),
    P::Component("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu),
    P::Component("Action", &TControl::Action, &TControl::SetAction),
    WithStored(P::Event("OnClick", &TControl::OnClick),
               UnlessLinked([](const TControl& C) { return static_cast<bool>(C.OnClick); },
                            &TActionLink::IsOnExecuteLinked)),
    P::Event("OnDblClick", &TControl::OnDblClick),
    P::Event("OnMouseDown", &TControl::OnMouseDown),
    P::Event("OnMouseMove", &TControl::OnMouseMove),
    P::Event("OnMouseUp", &TControl::OnMouseUp),
    P::Event("OnResize", &TControl::OnResize),
    P::Enumeration("DragKind", DragKindInfo, &TControl::DragKind, &TControl::SetDragKind),
    P::Enumeration("DragMode", DragModeInfo, &TControl::DragMode, &TControl::SetDragMode),
    P::Integer("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor, crDrag),
    P::Event("OnDragOver", &TControl::OnDragOver),
    P::Event("OnDragDrop", &TControl::OnDragDrop),
    P::Event("OnStartDrag", &TControl::OnStartDrag),
    P::Event("OnEndDrag", &TControl::OnEndDrag),
    P::Event("OnStartDock", &TControl::OnStartDock),
    P::Event("OnEndDock", &TControl::OnEndDock),
};

} // namespace

const TComponentClassOf<TControl> TControl::Class{"TControl", TComponent::Class,
                                                  &ControlProperties};

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FConstraints(std::make_unique<TSizeConstraints>(this)),
      FFont(std::make_unique<TFont>()) {
    FFont->OnChange = MakeEvent(this, &TControl::FontChanged);
}

TControl::~TControl() {
    DragControlDestroyed(this);
    ForgetMouseCapture();
    MouseTracker().ControlDestroyed(this);
    if (FParent)
        FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent) {
    if (AParent == FParent)
        return;
    if (AParent == this)
        throw EInvalidOperation("A control cannot have itself as its parent");
    if (FParent)
        FParent->RemoveControl(this);
    if (AParent)
        AParent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    FConstraints->Apply(AWidth, AHeight);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
        return;
    InvalidateControlArea(true);
    StoreBounds(ALeft, ATop, AWidth, AHeight);
    InvalidateControlArea(false);
    RequestAlign();
}

void TControl::StoreBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const bool Resized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    if (Resized && !IsLoading())
        Resize();
}

RECT TControl::BoundsRect() const {
    return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight};
}

void TControl::SetBoundsRect(const RECT& Rect) {
    SetBounds(Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top);
}

RECT TControl::ClientRect() const {
    return RECT{0, 0, FWidth, FHeight};
}

int TControl::ClientWidth() const {
    const RECT Rect = ClientRect();
    return Rect.right - Rect.left;
}

int TControl::ClientHeight() const {
    const RECT Rect = ClientRect();
    return Rect.bottom - Rect.top;
}

void TControl::SetClientWidth(int Value) {
    SetWidth(FWidth - ClientWidth() + Value);
}

void TControl::SetClientHeight(int Value) {
    SetHeight(FHeight - ClientHeight() + Value);
}

POINT TControl::ClientOrigin() const {
    if (!FParent)
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    POINT Origin = FParent->ClientOrigin();
    Origin.x += FLeft;
    Origin.y += FTop;
    return Origin;
}

POINT TControl::ClientToScreen(POINT Point) const {
    const POINT Origin = ClientOrigin();
    return POINT{Point.x + Origin.x, Point.y + Origin.y};
}

POINT TControl::ScreenToClient(POINT Point) const {
    const POINT Origin = ClientOrigin();
    return POINT{Point.x - Origin.x, Point.y - Origin.y};
}

void TControl::SetAlign(TAlign Value) {
    if (Value == FAlign)
        return;
    FAlign = Value;
    RequestAlign();
}

void TControl::ConstraintsChanged() {
    SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::SetVisible(bool Value) {
    if (Value == FVisible)
        return;
    if (!Value)
        InvalidateControlArea(true);
    FVisible = Value;
    VisibleChanged();
    Perform(CM_VISIBLECHANGED, Value ? 1 : 0);
    if (Value)
        InvalidateControlArea(true);
    RequestAlign();
    MouseTracker().Refresh();
}

void TControl::VisibleChanged() {}

bool TControl::Showing() const {
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool Value) {
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& Value) {
    if (Value == FText)
        return;
    FText = Value;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor Value) {
    FParentColor = false;
    if (Value == FColor)
        return;
    FColor = Value;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
    if (Value == FParentColor)
        return;
    FParentColor = Value;
    TakeParentColor();
}

void TControl::TakeParentColor() {
    if (!FParentColor || !FParent)
        return;
    SetColor(FParent->Color());
    FParentColor = true;
}

void TControl::SetParentFont(bool Value) {
    if (Value == FParentFont)
        return;
    FParentFont = Value;
    TakeParentFont();
}

void TControl::TakeParentFont() {
    if (!FParentFont || !FParent)
        return;
    FTakingParentFont = true;
    try {
        FFont->Assign(FParent->Font());
    } catch (...) {
        FTakingParentFont = false;
        throw;
    }
    FTakingParentFont = false;
}

void TControl::FontChanged(TObject*) {
    if (!FTakingParentFont)
        FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode Value) {
    FParentBiDiMode = false;
    if (Value == FBiDiMode)
        return;
    FBiDiMode = Value;
    Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool Value) {
    if (Value == FParentBiDiMode)
        return;
    FParentBiDiMode = Value;
    TakeParentBiDiMode();
}

void TControl::TakeParentBiDiMode() {
    if (!FParentBiDiMode || !FParent)
        return;
    SetBiDiMode(FParent->BiDiMode());
    FParentBiDiMode = true;
}

bool TControl::UseRightToLeftAlignment() const {
    return FBiDiMode == TBiDiMode::bdRightToLeft && SysLocaleMiddleEast();
}

bool TControl::UseRightToLeftReading() const {
    return FBiDiMode != TBiDiMode::bdLeftToRight && SysLocaleMiddleEast();
}

uint32_t TControl::DrawTextBiDiModeFlags(uint32_t Flags) const {
    return DrawTextBiDiModeFlags(FBiDiMode, Flags);
}

void TControl::SetCursor(TCursor Value) {
    if (Value == FCursor)
        return;
    FCursor = Value;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
    ReplaceReference(*this, FPopupMenu, Value);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FPopupMenu)
        FPopupMenu = nullptr;
    // A freed action has already left the link empty.
    if (FActionLink && (AComponent == FActionLink->Action() || !FActionLink->Action()))
        FActionLink.reset();
}

intptr_t TControl::Perform(uint32_t Msg, uintptr_t WParam, intptr_t LParam) {
    TMessage Message{Msg, WParam, LParam, 0};
    WndProc(Message);
    return Message.Result;
}

void TControl::WndProc(TMessage& Message) {
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        HandleMouseDown(Message, TMouseButton::mbLeft, false);
        return;
    case WM_RBUTTONDOWN:
        HandleMouseDown(Message, TMouseButton::mbRight, false);
        return;
    case WM_MBUTTONDOWN:
        HandleMouseDown(Message, TMouseButton::mbMiddle, false);
        return;
    case WM_LBUTTONDBLCLK:
        HandleMouseDown(Message, TMouseButton::mbLeft, true);
        return;
    case WM_RBUTTONDBLCLK:
        HandleMouseDown(Message, TMouseButton::mbRight, true);
        return;
    case WM_MBUTTONDBLCLK:
        HandleMouseDown(Message, TMouseButton::mbMiddle, true);
        return;
    case WM_LBUTTONUP:
        HandleMouseUp(Message, TMouseButton::mbLeft);
        return;
    case WM_RBUTTONUP:
        HandleMouseUp(Message, TMouseButton::mbRight);
        return;
    case WM_MBUTTONUP:
        HandleMouseUp(Message, TMouseButton::mbMiddle);
        return;
    case WM_MOUSEMOVE:
        HandleMouseMove(Message);
        return;
    case WM_CONTEXTMENU:
        WMContextMenu(Message);
        return;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_BIDIMODECHANGED:
        Invalidate();
        break;
    case CM_TEXTCHANGED:
        if (FControlStyle.Contains(TControlStyleFlag::csSetCaption))
            Invalidate();
        break;
    case CM_PARENTCOLORCHANGED:
        TakeParentColor();
        break;
    case CM_PARENTFONTCHANGED:
        TakeParentFont();
        break;
    case CM_PARENTBIDIMODECHANGED:
        TakeParentBiDiMode();
        break;
    case CM_HITTEST:
        Message.Result = 1;
        return;
    default:
        break;
    }
    TComponent::Dispatch(Message);
}

void TControl::Resize() {
    if (OnResize)
        OnResize(this);
}

void TControl::RequestAlign() {
    if (FParent)
        FParent->AlignControl(this);
}

void TControl::InvalidateControlArea(bool Erase) {
    if (!FParent || !FParent->HandleAllocated() || !FVisible)
        return;
    const RECT Rect = BoundsRect();
    FParent->NoteRepaintRequest();
    InvalidateRect(FParent->Handle(), &Rect, Erase ? TRUE : FALSE);
}

void TControl::Invalidate() {
    InvalidateControlArea(!FControlStyle.Contains(TControlStyleFlag::csOpaque));
}

void TControl::Update() {
    if (FParent)
        FParent->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::BringToFront() {
    if (FParent)
        FParent->SetChildZOrder(this, true);
}

void TControl::SendToBack() {
    if (FParent)
        FParent->SetChildZOrder(this, false);
}

TComponent* TControl::GetParentComponent() const {
    return FParent;
}

void TControl::SetParentComponent(TComponent* Value) {
    if (auto* WinParent = dynamic_cast<TWinControl*>(Value))
        SetParent(WinParent);
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (TBasicAction* Linked = Action())
        ActionChange(Linked, true);
    RequestAlign();
}

TCustomForm* GetParentForm(const TControl* Control) {
    while (Control && Control->Parent())
        Control = Control->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(Control));
}
