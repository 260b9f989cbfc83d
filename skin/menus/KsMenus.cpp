// The skinned menu bar and popup menu.
#include "skin/menus/KsMenus.h"

#include "framework/core/Properties.h"
#include "framework/windows/Application.h"
#include "framework/windows/ControlMessages.h"
#include "framework/windows/Forms.h"
#include "framework/windows/ImageLists.h"
#include "skin/controls/KsControlBars.h"
#include "skin/forms/KsFormScopes.h"
#include "skin/forms/KsForms.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/menus/KsItemContainers.h"
#include "skin/menus/KsItems.h"

extern const TEnumInfo KsAnimationInfo;

void TKsPopupSettings::ApplyTo(TKsCustomItem& Root) const {
    Root.SetPopupBlend(Blend);
    Root.SetPopupBlendValue(BlendValue);
    Root.SetDropShadow(DropShadow);
    Root.SetShadowWidth(ShadowWidth);
    Root.SetShowAnimation(ShowAnimation);
    Root.SetShowAnimationTime(ShowAnimationTime);
}

namespace {

// The popup settings every menu component publishes, in one table per class.
template <class M> TPropertyTable PopupSettingProperties(std::initializer_list<TPropInfo> Head) {
    using P = TPublished<M>;
    std::vector<TPropInfo> All(Head);
    for (TPropInfo Info :
         {P::Component("Images", &M::Images, &M::SetImages),
          P::Boolean("PopupBlend", &M::PopupBlend, &M::SetPopupBlend, false),
          P::Integer("PopupBlendValue", &M::PopupBlendValue, &M::SetPopupBlendValue, 150),
          P::Boolean("DropShadow", &M::DropShadow, &M::SetDropShadow, false),
          P::Integer("ShadowWidth", &M::ShadowWidth, &M::SetShadowWidth, 4),
          P::Enumeration("ShowAnimation", KsAnimationInfo, &M::ShowAnimation, &M::SetShowAnimation,
                         TKsAnimation::kaNone),
          P::Integer("ShowAnimationTime", &M::ShowAnimationTime, &M::SetShowAnimationTime, 300)})
        All.push_back(Info);
    return TPropertyTable(All);
}

const TPropertyTable MenuBarProperties =
    PopupSettingProperties<TKsCustomMenuBar>({TPublished<TKsCustomMenuBar>::Boolean(
        "AutoSize", &TKsCustomMenuBar::AutoSize, &TKsCustomMenuBar::SetAutoSize, true)});
const TPropertyTable PopupMenuProperties = PopupSettingProperties<TKsCustomPopupMenu>({});

} // namespace

// ---- What both menu components share ----

template <class Base> TKsMenuComponent<Base>::~TKsMenuComponent() = default;

template <class Base> TCustomImageList* TKsMenuComponent<Base>::Images() const {
    return Items()->Images();
}

template <class Base> void TKsMenuComponent<Base>::SetImages(TCustomImageList* Value) {
    Items()->SetImages(Value);
}

template <class Base>
template <class V>
void TKsMenuComponent<Base>::ChangeSetting(V TKsPopupSettings::*Field, V Value) {
    FSettings.*Field = Value;
    FSettings.ApplyTo(*Items());
}

template <class Base> void TKsMenuComponent<Base>::SetPopupBlend(bool Value) {
    ChangeSetting(&TKsPopupSettings::Blend, Value);
}
template <class Base> void TKsMenuComponent<Base>::SetPopupBlendValue(int Value) {
    ChangeSetting(&TKsPopupSettings::BlendValue, Value);
}
template <class Base> void TKsMenuComponent<Base>::SetDropShadow(bool Value) {
    ChangeSetting(&TKsPopupSettings::DropShadow, Value);
}
template <class Base> void TKsMenuComponent<Base>::SetShadowWidth(int Value) {
    ChangeSetting(&TKsPopupSettings::ShadowWidth, Value);
}
template <class Base> void TKsMenuComponent<Base>::SetShowAnimation(TKsAnimation Value) {
    ChangeSetting(&TKsPopupSettings::ShowAnimation, Value);
}
template <class Base> void TKsMenuComponent<Base>::SetShowAnimationTime(int Value) {
    ChangeSetting(&TKsPopupSettings::ShowAnimationTime, Value);
}

template <class Base>
void TKsMenuComponent<Base>::SetRootItem(std::unique_ptr<TKsCustomItem> Root) {
    FItems = std::move(Root);
    Items()->SetMenuComponent(this);
    FSettings.ApplyTo(*Items());
}

template <class Base> void TKsMenuComponent<Base>::ApplySettings() {
    FSettings.ApplyTo(*Items());
    if (auto* Windowed = dynamic_cast<TWinControl*>(this->Owner()))
        Items()->SetOwnerControl(Windowed);
}

template <class Base>
void TKsMenuComponent<Base>::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    Base::GetChildren(Proc, Root);
    Items()->GetChildren(Proc, Root);
}

template class TKsMenuComponent<TKsCustomControl>;
template class TKsMenuComponent<TPopupMenu>;

// ---- Menu bar view ----

const TComponentClassOf<TKsMenuBarView> TKsMenuBarView::Class{"TKsMenuBarView", TKsItemView::Class};

TKsMenuBarView::TKsMenuBarView(TKsCustomMenuBar& MenuBar)
    : TKsItemView(&MenuBar, true, true), FMenuBar(MenuBar) {}

void TKsMenuBarView::SetContentSize(POINT Size) {
    if (!FMenuBar.AutoSize())
        return;
    RECT Area{};
    FMenuBar.GetItemArea(Area);
    FMenuBar.SetBounds(FMenuBar.Left(), FMenuBar.Top(), FMenuBar.Width(),
                       Size.y + Area.top + (FMenuBar.Height() - Area.bottom));
}

void TKsMenuBarView::Invalidate() {
    FMenuBar.Invalidate();
}

// ---- Menu bar ----

const TComponentClassOf<TKsCustomMenuBar> TKsCustomMenuBar::Class{
    "TKsCustomMenuBar", TKsCustomControl::Class, &MenuBarProperties};

TKsCustomMenuBar::TKsCustomMenuBar(TComponent* AOwner) : TKsMenuComponent(AOwner) {
    RegisterItemContainer(Class, &AddItem, TKsCustomItem::Class);
    SetRootItem(std::make_unique<TKsCustomItem>(this));
    if (!IsDesigning())
        Items()->SetOnChange(MakeEvent(this, &TKsCustomMenuBar::ItemsChanged));
    FView = std::make_unique<TKsMenuBarView>(*this);
    FView->SetBitmap(&Surface());
    FView->SetSizeControl(this);
    FView->SetControl(this);
    FView->SetItem(Items());
    SetColor(clMenu);
    SetAlign(TAlign::alTop);
    SetHeight(GetSystemMetrics(SM_CYMENU));
}

TKsCustomMenuBar::~TKsCustomMenuBar() {
    FView.reset();
    FreeRootItem();
    UnregisterItemContainer(Class);
}

void TKsCustomMenuBar::AddItem(TComponent& Container, TKsCustomItem& Item) {
    static_cast<TKsCustomMenuBar&>(Container).Items()->Add(&Item);
}

void TKsCustomMenuBar::ItemsChanged(TKsCustomItem*) {
    if (!IsLoading() && !IsDestroying() && !FMerging)
        UpdateItems();
}

void TKsCustomMenuBar::UpdateItems() {
    ApplySettings();
    NoteControlBarParent();
    FView->Layout();
    Invalidate();
}

void TKsCustomMenuBar::SetParent(TWinControl* AParent) {
    TKsMenuComponent::SetParent(AParent);
    NoteControlBarParent();
    Invalidate();
}

void TKsCustomMenuBar::NoteControlBarParent() {
    // The themes draw the items of a bar on a control bar as tool buttons.
    Items()->SetInControlBar(dynamic_cast<TKsCustomControlBar*>(Parent()) != nullptr);
}

void TKsCustomMenuBar::GetItemArea(RECT& Rect) {
    Rect = ClientRect();
    if (Align() == TAlign::alTop)
        Rect.bottom -= 2;
    else if (Align() == TAlign::alBottom)
        Rect.top += 2;
}

void TKsCustomMenuBar::Loaded() {
    TKsCustomControl::Loaded();
    ApplySettings();
    NoteControlBarParent();
    if (!IsDesigning())
        if (auto* Form = dynamic_cast<TCustomForm*>(Owner());
            Form && Form->FormStyle() == TFormStyle::fsMDIForm)
            CreateMDIButtons();
    FUpdatingBounds = false;
    FView->Layout();
    Items()->SetBiDiMode(BiDiMode());
}

void TKsCustomMenuBar::CreateMDIButtons() {
    const auto Make = [this](TKsItemButtonKind Kind) {
        auto* Item = new TKsCustomItem(Owner());
        Item->SetButtonKind(Kind);
        Item->SetVisible(false);
        Item->OnClick = MakeEvent(this, &TKsCustomMenuBar::MDIButtonClick);
        return Item;
    };
    FSysMenuItem = Make(TKsItemButtonKind::kibSysMenu);
    Items()->Insert(0, FSysMenuItem);
    FMinimizeItem = Make(TKsItemButtonKind::kibMinimize);
    Items()->Add(FMinimizeItem);
    FRestoreItem = Make(TKsItemButtonKind::kibRestore);
    Items()->Add(FRestoreItem);
    FCloseItem = Make(TKsItemButtonKind::kibClose);
    Items()->Add(FCloseItem);
}

void TKsCustomMenuBar::SetMDIButtonsVisible(bool Value) {
    for (TKsCustomItem* Item : {FSysMenuItem, FMinimizeItem, FRestoreItem, FCloseItem})
        if (Item)
            Item->SetVisible(Value);
}

void TKsCustomMenuBar::MergeChild(TKsCustomForm* Form) {
    {
        const TFlagScope Merging(FMerging, true);
        SetMDIButtonsVisible(true);
        if (FChildForm)
            FChildForm->RemoveFreeNotification(this);
        FChildForm = Form;
        if (Form)
            Form->FreeNotification(this);
        Items()->SetChildForm(Form);
    }
    Invalidate();
}

void TKsCustomMenuBar::UnmergeChild() {
    SetMDIButtonsVisible(false);
    if (FChildForm)
        FChildForm->RemoveFreeNotification(this);
    FChildForm = nullptr;
    Items()->SetChildForm(nullptr);
    Invalidate();
}

void TKsCustomMenuBar::Notification(TComponent* AComponent, TOperation Operation) {
    TKsMenuComponent<TKsCustomControl>::Notification(AComponent, Operation);
    // The child whose buttons the bar shows went away.
    if (Operation == TOperation::opRemove && AComponent && AComponent == FChildForm) {
        FChildForm = nullptr;
        UnmergeChild();
    }
}

void TKsCustomMenuBar::MDIButtonClick(TObject* Sender) {
    auto* Item = dynamic_cast<TKsCustomItem*>(Sender);
    if (!Item || !FChildForm)
        return;
    switch (Item->ButtonKind()) {
    case TKsItemButtonKind::kibClose:
        FChildForm->Close();
        break;
    case TKsItemButtonKind::kibRestore:
        FChildForm->Restore();
        break;
    case TKsItemButtonKind::kibMinimize:
        FChildForm->Minimize();
        break;
    case TKsItemButtonKind::kibSysMenu:
        FChildForm->ShowSysMenu();
        FView->HotTrack(ScreenPoint(-1, -1));
        break;
    default:
        break;
    }
}

void TKsCustomMenuBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (!FView || FUpdatingBounds || FAutoSize) {
        TKsCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
        return;
    }
    const TFlagScope Updating(FUpdatingBounds, true);
    TKsCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    FView->Layout();
}

bool TKsCustomMenuBar::StartTracking() {
    if (TKsItemView::TrackingView())
        return false;
    Items()->SetAnimatePending(true);
    Items()->SetAnimateOnce(true);
    return FView->Track();
}

bool TKsCustomMenuBar::IsShortCut(const TWMKey& Message) {
    return Items()->IsShortCut(Message);
}

POINT TKsCustomMenuBar::ScreenPoint(int X, int Y) const {
    return ClientToScreen(POINT{X, Y});
}

void TKsCustomMenuBar::PaintControl() {
    TKsCustomControl::PaintControl();
    RECT Area{};
    GetItemArea(Area);
    FView->SetOffset(POINT{Area.left, Area.top});
    FView->Paint(Surface());
    const TKsColor Shadow = ColorToKsColor(clBtnShadow, 255);
    const TKsColor Highlight = ColorToKsColor(clBtnHighlight, 255);
    if (Align() == TAlign::alTop)
        Surface().FrameRect3D(RECT{0, Height() - 2, Width(), Height()}, Shadow, Highlight);
    else if (Align() == TAlign::alBottom)
        Surface().FrameRect3D(RECT{0, 0, Width(), 2}, Shadow, Highlight);
}

void TKsCustomMenuBar::MouseMove(TShiftState Shift, int X, int Y) {
    TKsCustomControl::MouseMove(Shift, X, Y);
    FView->HotTrack(ScreenPoint(X, Y));
}

void TKsCustomMenuBar::DoMouseLeave() {
    TKsCustomControl::DoMouseLeave();
    FView->HotTrack(ScreenPoint(-1, -1));
}

void TKsCustomMenuBar::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        WMLButtonDown(Message);
        break;
    case CM_DIALOGCHAR:
        CMDialogChar(Message);
        break;
    default:
        TKsCustomControl::Dispatch(Message);
        break;
    }
}

void TKsCustomMenuBar::WMLButtonDown(TMessage& Message) {
    TKsCustomControl::Dispatch(Message);
    const POINT P{static_cast<int16_t>(LOWORD(Message.LParam)),
                  static_cast<int16_t>(HIWORD(Message.LParam))};
    for (int I = 0; I < Items()->Count(); ++I) {
        const RECT R = FView->GetItemRect(Items()->Items(I));
        if (PtInRect(&R, P)) {
            // The popup opens when the button is released over the item.
            StartTracking();
            return;
        }
    }
}

void TKsCustomMenuBar::CMDialogChar(TMessage& Message) {
    const auto Char = static_cast<wchar_t>(Message.WParam);
    if (Char != 0 && KeyDataToShiftState(Message.LParam).Contains(TShiftStateFlag::ssAlt) &&
        Items()->FindItemByAccel(Char)) {
        if (Parent() && Parent()->HandleAllocated())
            PostMessageW(Parent()->Handle(), WM_CHAR, Char, 0);
        Message.Result = 1;
        StartTracking();
        return;
    }
    TKsCustomControl::Dispatch(Message);
}

// ---- Popup menu ----

namespace {

TKsCustomPopupMenu* OpenPopupMenu = nullptr;

} // namespace

const TComponentClassOf<TKsCustomPopupMenu> TKsCustomPopupMenu::Class{
    "TKsCustomPopupMenu", TPopupMenu::Class, &PopupMenuProperties};

TKsCustomPopupMenu::TKsCustomPopupMenu(TComponent* AOwner) : TKsMenuComponent(AOwner) {
    RegisterItemContainer(Class, &AddItem, TKsCustomItem::Class);
    CreateItems();
}

TKsCustomPopupMenu::~TKsCustomPopupMenu() {
    if (OpenPopupMenu == this)
        OpenPopupMenu = nullptr;
    FreeRootItem();
    UnregisterItemContainer(Class);
}

std::unique_ptr<TKsCustomItem> TKsCustomPopupMenu::CreateRootItem() {
    return std::make_unique<TKsCustomItem>(this);
}

TKsCustomPopupMenu* TKsCustomPopupMenu::ActivePopupMenu() {
    return OpenPopupMenu;
}

void TKsCustomPopupMenu::AddItem(TComponent& Container, TKsCustomItem& Item) {
    static_cast<TKsCustomPopupMenu&>(Container).Items()->Add(&Item);
}

void TKsCustomPopupMenu::Popup(int X, int Y) {
    if (OpenPopupMenu) {
        OpenPopupMenu->CloseMenu();
        Application->ProcessMessages();
    }
    // Still a menu open (this call came from inside its loop): a second loop is not nested.
    if (TKsItemView::TrackingView()) {
        TKsItemView::TrackingView()->CloseAll();
        return;
    }
    struct TOpenScope {
        TKsCustomPopupMenu* Saved;
        ~TOpenScope() { OpenPopupMenu = Saved; }
    } Open{OpenPopupMenu};
    OpenPopupMenu = this;
    ApplySettings();
    Items()->SetAnimatePending(true);
    Items()->SetAnimateOnce(true);
    BeginPopup(X, Y);
    Items()->DropDown(nullptr, X, Y, RECT{});
}

void TKsCustomPopupMenu::CloseMenu() {
    if (auto* Windowed = dynamic_cast<TWinControl*>(Owner());
        Windowed && Windowed->HandleAllocated())
        PostMessageW(Windowed->Handle(), WM_NCMBUTTONDBLCLK, 0, 0);
}
