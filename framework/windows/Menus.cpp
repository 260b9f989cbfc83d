#include "framework/windows/Menus.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Lists.h"
#include "framework/core/Properties.h"
#include "framework/core/TextConv.h"
#include "framework/windows/Application.h"
#include "framework/windows/Controls.h"
#include "framework/windows/Forms.h"

#include <algorithm>

namespace {

using I = TPublished<TMenuItem>;
const TPropertyTable MenuItemProperties{
    I::String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption),
    I::Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked),
    I::Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true),
    I::Integer("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut, scNone),
    I::Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true),
    I::Event("OnClick", &TMenuItem::OnClick),
};

using P = TPublished<TPopupMenu>;
const TPropertyTable PopupMenuProperties{
    P::Boolean("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup, true),
    P::Event("OnPopup", &TPopupMenu::OnPopup),
};

// A host popup menu, destroyed with its sub-menus when the guard goes.
class THostMenu {
public:
    THostMenu() : FHandle(CreatePopupMenu()) {
        if (!FHandle)
            throw EOutOfResources("Out of system resources");
    }
    THostMenu(const THostMenu&) = delete;
    THostMenu& operator=(const THostMenu&) = delete;
    ~THostMenu() {
        if (FHandle)
            DestroyMenu(FHandle);
    }
    HMENU Handle() const { return FHandle; }
    // Hands the menu to a parent menu, which destroys it from then on.
    HMENU Release() { return std::exchange(FHandle, nullptr); }

private:
    HMENU FHandle;
};

// Appends the visible sub-items of Item to Menu; the command of an entry is its index in
// Commands plus one.
void AppendItems(HMENU Menu, const TMenuItem& Item, std::vector<TMenuItem*>& Commands) {
    for (int Index = 0; Index < Item.Count(); ++Index) {
        TMenuItem* Sub = Item.Items(Index);
        if (!Sub->Visible())
            continue;
        if (Sub->Caption() == "-") {
            AppendMenuW(Menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::wstring Text = Utf8ToWide(Sub->Caption());
        const std::string ShortCut = ShortCutToText(Sub->ShortCut());
        if (!ShortCut.empty())
            Text += L"\t" + Utf8ToWide(ShortCut);
        UINT Flags =
            MF_STRING | (Sub->Enabled() ? 0u : MF_GRAYED) | (Sub->Checked() ? MF_CHECKED : 0u);
        UINT_PTR Id = 0;
        if (Sub->Count() > 0) {
            THostMenu SubMenu;
            AppendItems(SubMenu.Handle(), *Sub, Commands);
            Flags |= MF_POPUP;
            Id = reinterpret_cast<UINT_PTR>(SubMenu.Release());
        } else {
            Commands.push_back(Sub);
            Id = Commands.size();
        }
        AppendMenuW(Menu, Flags, Id, Text.c_str());
    }
}

bool Contains(const TMenuItem& Root, const TMenuItem* Item) {
    for (int Index = 0; Index < Root.Count(); ++Index)
        if (Root.Items(Index) == Item || Contains(*Root.Items(Index), Item))
            return true;
    return false;
}

// The window that owns a host menu: the popup component's form, else the main form.
HWND MenuOwnerWindow(TComponent* PopupComponent) {
    TCustomForm* Form = GetParentForm(dynamic_cast<TControl*>(PopupComponent));
    if (!Form)
        Form = Application->MainForm();
    return Form && Form->HandleAllocated() ? Form->Handle() : nullptr;
}

} // namespace

const TComponentClassOf<TMenuItem> TMenuItem::Class{"TMenuItem", TComponent::Class,
                                                    &MenuItemProperties};
const TComponentClassOf<TMenu> TMenu::Class{"TMenu", TComponent::Class};
const TComponentClassOf<TPopupMenu> TPopupMenu::Class{"TPopupMenu", TMenu::Class,
                                                      &PopupMenuProperties};

// --- TMenuItem ------------------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
    while (!FItems.empty())
        delete FItems.back();
    if (FParent)
        FParent->Remove(this);
}

TMenuItem* TMenuItem::Items(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(ListIndexErrorMessage(Index));
    return FItems[static_cast<size_t>(Index)];
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
    if (Item->FParent || Item->FMenu)
        throw EMenuError("Menu inserted twice");
    for (const TMenuItem* Ancestor = this; Ancestor; Ancestor = Ancestor->FParent)
        if (Ancestor == Item)
            throw EMenuError("Menu inserted into itself");
    if (Index < 0 || Index > Count())
        throw EListError(ListIndexErrorMessage(Index));
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
}

void TMenuItem::Delete(int Index) {
    Items(Index)->FParent = nullptr;
    FItems.erase(FItems.begin() + Index);
}

void TMenuItem::Remove(TMenuItem* Item) {
    if (const int Index = IndexOf(Item); Index >= 0)
        Delete(Index);
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    const auto Found = std::find(FItems.begin(), FItems.end(), Item);
    return Found == FItems.end() ? -1 : static_cast<int>(Found - FItems.begin());
}

void TMenuItem::Click() {
    if (FEnabled && OnClick)
        OnClick(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (FParent && FParent->FMenu)
        return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
    if (FParent)
        FParent->Remove(this);
    if (auto* Menu = dynamic_cast<TMenu*>(Value))
        Menu->Items()->Add(this);
    else if (auto* Item = dynamic_cast<TMenuItem*>(Value))
        Item->Add(this);
}

void TMenuItem::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    for (TMenuItem* Item : FItems)
        if (Item->Owner() == Root)
            Proc(Item);
}

// --- TMenu ----------------------------------------------------------------------------------

TMenu::TMenu(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {
    FItems->FMenu = this;
}

TMenu::~TMenu() = default;

void TMenu::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    FItems->GetChildren(Proc, Root);
}

// --- TPopupMenu -----------------------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

void TPopupMenu::BeginPopup(int X, int Y) {
    FPopupPoint = POINT{X, Y};
    if (OnPopup)
        OnPopup(this);
}

void TPopupMenu::Popup(int X, int Y) {
    BeginPopup(X, Y);
    const HWND Owner = MenuOwnerWindow(FPopupComponent);
    if (!Owner)
        return;
    THostMenu Menu;
    std::vector<TMenuItem*> Commands;
    AppendItems(Menu.Handle(), *Items(), Commands);
    const UINT Command = static_cast<UINT>(TrackPopupMenuEx(
        Menu.Handle(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, X, Y, Owner, nullptr));
    // What ran while the menu was open may have taken the chosen item out of the menu.
    if (Command > 0 && Command <= Commands.size() && Contains(*Items(), Commands[Command - 1]))
        Commands[Command - 1]->Click();
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
    ReplaceReference(*this, FPopupComponent, Value);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TMenu::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FPopupComponent)
        FPopupComponent = nullptr;
}
