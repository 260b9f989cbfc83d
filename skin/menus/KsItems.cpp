// The item tree: sub-items and their parent, change reports up to the root, the popup
// presentation handed down the tree, search by accelerator, short-cut and handler, the
// short-cut walk, the serial numbers of live items, and streaming.
#include "skin/menus/KsItems.h"

#include "framework/core/Lists.h"
#include "framework/core/Properties.h"
#include "framework/windows/Application.h"
#include "framework/windows/ImageLists.h"
#include "skin/menus/KsItemContainers.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

namespace {

// Stored when the item's value is not the default and does not come from its action.
template <class G, class V>
TStored UnlessLinked(bool (TKsCustomItemActionLink::*IsLinked)() const, G Getter, V Default) {
    return TStored::If<TKsCustomItem>([=](const TKsCustomItem& Item) {
        const TKsCustomItemActionLink* Link = Item.ActionLink();
        return !(std::invoke(Getter, Item) == Default) && !(Link && (Link->*IsLinked)());
    });
}

using I = TPublished<TKsCustomItem>;
using L = TKsCustomItemActionLink;
const TPropertyTable ItemProperties{
    I::Component("Action", &TKsCustomItem::Action, &TKsCustomItem::SetAction),
    I::Integer("HelpContext", &TKsCustomItem::HelpContext, &TKsCustomItem::SetHelpContext, 0,
               UnlessLinked(&L::IsHelpContextLinked, &TKsCustomItem::HelpContext, 0)),
    I::String("Hint", &TKsCustomItem::Hint, &TKsCustomItem::SetHint, {},
              UnlessLinked(&L::IsHintLinked, &TKsCustomItem::Hint, std::string())),
    I::Boolean("PopupBlend", &TKsCustomItem::PopupBlend, &TKsCustomItem::SetPopupBlend, false,
               TStored::Always()),
    I::Integer("PopupBlendValue", &TKsCustomItem::PopupBlendValue,
               &TKsCustomItem::SetPopupBlendValue, 150, TStored::Always()),
    I::Boolean("Checked", &TKsCustomItem::Checked, &TKsCustomItem::SetChecked, false,
               UnlessLinked(&L::IsCheckedLinked, &TKsCustomItem::Checked, false)),
    I::Boolean("Enabled", &TKsCustomItem::Enabled, &TKsCustomItem::SetEnabled, true,
               UnlessLinked(&L::IsEnabledLinked, &TKsCustomItem::Enabled, true)),
    I::String("Caption", &TKsCustomItem::Caption, &TKsCustomItem::SetCaption, {},
              UnlessLinked(&L::IsCaptionLinked, &TKsCustomItem::Caption, std::string())),
    I::Integer("ImageIndex", &TKsCustomItem::ImageIndex, &TKsCustomItem::SetImageIndex, -1,
               UnlessLinked(&L::IsImageIndexLinked, &TKsCustomItem::ImageIndex, -1)),
    I::Component("Images", &TKsCustomItem::Images, &TKsCustomItem::SetImages),
    I::Boolean("Scrolled", &TKsCustomItem::Scrolled, &TKsCustomItem::SetScrolled, false,
               TStored::Always()),
    I::Integer("ScrollCount", &TKsCustomItem::ScrollCount, &TKsCustomItem::SetScrollCount, 0,
               TStored::Always()),
    I::Integer("ShortCut", &TKsCustomItem::ShortCut, &TKsCustomItem::SetShortCut, scNone,
               UnlessLinked(&L::IsShortCutLinked, &TKsCustomItem::ShortCut, scNone)),
    I::Boolean("Visible", &TKsCustomItem::Visible, &TKsCustomItem::SetVisible, true,
               UnlessLinked(&L::IsVisibleLinked, &TKsCustomItem::Visible, true)),
    WithStored(I::Event("OnClick", &TKsCustomItem::OnClick),
               UnlessLinked(&L::IsOnExecuteLinked, &TKsCustomItem::OnClick, TNotifyEvent())),
    I::Event("OnBeforeDropDown", &TKsCustomItem::OnBeforeDropDown),
};

std::unordered_map<uint32_t, TKsCustomItem*>& LiveItems() {
    static std::unordered_map<uint32_t, TKsCustomItem*> Items;
    return Items;
}

uint32_t NewSerial() {
    static uint32_t Last = 0;
    do
        ++Last;
    while (Last == 0 || LiveItems().count(Last) != 0);
    return Last;
}

} // namespace

const TComponentClassOf<TKsCustomItem> TKsCustomItem::Class{"TKsCustomItem", TComponent::Class,
                                                            &ItemProperties};

TKsCustomItem::TKsCustomItem(TComponent* AOwner) : TComponent(AOwner), FSerial(NewSerial()) {
    LiveItems().emplace(FSerial, this);
}

TKsCustomItem::~TKsCustomItem() {
    // An item in automatic storage is not marked yet; its sub-items' leaving is no change.
    Destroying();
    LiveItems().erase(FSerial);
    Clear();
    if (FParent)
        FParent->Remove(this);
}

TKsCustomItem* TKsCustomItem::FindLiveItem(uint32_t Serial) {
    const auto Found = LiveItems().find(Serial);
    return Found == LiveItems().end() ? nullptr : Found->second;
}

// --- The tree -------------------------------------------------------------------------------

TKsCustomItem* TKsCustomItem::Items(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(ListIndexErrorMessage(Index));
    return FItems[static_cast<size_t>(Index)];
}

TKsCustomItem* TKsCustomItem::Root() {
    TKsCustomItem* Top = this;
    while (Top->FParent)
        Top = Top->FParent;
    return Top;
}

void TKsCustomItem::Insert(int Index, TKsCustomItem* Item) {
    if (Item->FParent)
        throw EKsItemError("Toolbar item already inserted");
    for (const TKsCustomItem* Ancestor = this; Ancestor; Ancestor = Ancestor->FParent)
        if (Ancestor == Item)
            throw EKsItemError("Toolbar item inserted into itself");
    if (Index < 0 || Index > Count())
        throw EListError(ListIndexErrorMessage(Index));
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    Changed();
}

void TKsCustomItem::Delete(int Index) {
    Items(Index)->FParent = nullptr;
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TKsCustomItem::Remove(TKsCustomItem* Item) {
    if (const int Index = IndexOf(Item); Index >= 0)
        Delete(Index);
}

int TKsCustomItem::IndexOf(const TKsCustomItem* Item) const {
    const auto Found = std::find(FItems.begin(), FItems.end(), Item);
    return Found == FItems.end() ? -1 : static_cast<int>(Found - FItems.begin());
}

void TKsCustomItem::Clear() {
    // Each sub-item leaves the list as it is freed.
    while (!FItems.empty())
        delete FItems.back();
}

// --- What the item shows --------------------------------------------------------------------

void TKsCustomItem::SetCaption(const std::string& Value) {
    if (Value == FCaption)
        return;
    FCaption = Value;
    Changed();
}

void TKsCustomItem::SetChecked(bool Value) {
    if (Value == FChecked)
        return;
    FChecked = Value;
    Changed();
}

void TKsCustomItem::SetEnabled(bool Value) {
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    Changed();
}

void TKsCustomItem::SetVisible(bool Value) {
    if (Value == FVisible)
        return;
    FVisible = Value;
    Changed();
}

void TKsCustomItem::SetImageIndex(int Value) {
    if (Value == FImageIndex)
        return;
    FImageIndex = Value;
    Changed();
}

void TKsCustomItem::SetImages(TCustomImageList* Value) {
    if (ReplaceReference(*this, FImages, Value))
        Changed();
}

TCustomImageList* TKsCustomItem::GetImageList() {
    return FImages ? FImages : Root()->FImages;
}

void TKsCustomItem::Changed() {
    if (IsLoading() || IsDestroying() || (Owner() && (Owner()->IsLoading())))
        return;
    if (FOnChange)
        FOnChange(this);
    // The menu component that owns the tree listens at the root.
    TKsCustomItem* Top = Root();
    if (Top->FOnChange)
        Top->FOnChange(Top);
}

// --- Presentation handed down the tree ------------------------------------------------------

template <class V> void TKsCustomItem::SetInTree(V TKsCustomItem::*Field, const V& Value) {
    this->*Field = Value;
    for (TKsCustomItem* Item : FItems)
        Item->SetInTree(Field, Value);
}

template <class V> void TKsCustomItem::SetInLevel(V TKsCustomItem::*Field, const V& Value) {
    this->*Field = Value;
    for (TKsCustomItem* Item : FItems)
        Item->*Field = Value;
}

void TKsCustomItem::SetPopupBlend(bool Value) {
    SetInTree(&TKsCustomItem::FPopupBlend, Value);
}

void TKsCustomItem::SetPopupBlendValue(int Value) {
    SetInTree(&TKsCustomItem::FPopupBlendValue, Value);
}

void TKsCustomItem::SetDropShadow(bool Value) {
    SetInTree(&TKsCustomItem::FDropShadow, Value);
}

void TKsCustomItem::SetShadowWidth(int Value) {
    SetInTree(&TKsCustomItem::FShadowWidth, Value);
}

void TKsCustomItem::SetShowAnimation(TKsAnimation Value) {
    SetInTree(&TKsCustomItem::FShowAnimation, Value);
}

void TKsCustomItem::SetShowAnimationTime(int Value) {
    SetInTree(&TKsCustomItem::FShowAnimationTime, Value);
}

void TKsCustomItem::SetAnimatePending(bool Value) {
    SetInTree(&TKsCustomItem::FAnimatePending, Value);
}

void TKsCustomItem::SetAnimateOnce(bool Value) {
    SetInTree(&TKsCustomItem::FAnimateOnce, Value);
}

void TKsCustomItem::SetOwnerControl(TComponent* Value) {
    SetInTree(&TKsCustomItem::FOwnerControl, Value);
}

void TKsCustomItem::SetChildForm(TKsCustomForm* Value) {
    SetInTree(&TKsCustomItem::FChildForm, Value);
}

void TKsCustomItem::SetForeground(bool Value) {
    SetInTree(&TKsCustomItem::FForeground, Value);
}

void TKsCustomItem::SetBiDiMode(TBiDiMode Value) {
    SetInLevel(&TKsCustomItem::FBiDiMode, Value);
}

void TKsCustomItem::SetInControlBar(bool Value) {
    SetInLevel(&TKsCustomItem::FInControlBar, Value);
}

uint32_t TKsCustomItem::DrawTextFlags(uint32_t Flags) const {
    return DrawTextBiDiModeFlags(FBiDiMode, Flags);
}

// --- Search ---------------------------------------------------------------------------------

TKsCustomItem* TKsCustomItem::FindItemByAccel(wchar_t Char) const {
    for (TKsCustomItem* Item : FItems)
        if (IsAccel(Char, Item->FCaption))
            return Item;
    return nullptr;
}

template <class P> TKsCustomItem* TKsCustomItem::FindItemWhere(P Matches) {
    if (Matches(*this))
        return this;
    for (TKsCustomItem* Item : FItems)
        if (TKsCustomItem* Found = Item->FindItemWhere(Matches))
            return Found;
    return nullptr;
}

TKsCustomItem* TKsCustomItem::FindItemByShortCut(TShortCut ShortCut) {
    return FindItemWhere([=](const TKsCustomItem& Item) { return Item.FShortCut == ShortCut; });
}

TKsCustomItem* TKsCustomItem::FindItemByClick(const TNotifyEvent& Handler) {
    return FindItemWhere(
        [&](const TKsCustomItem& Item) { return Item.OnClick && SameCode(Item.OnClick, Handler); });
}

bool TKsCustomItem::IsShortCut(const TWMKey& Message) {
    const TShiftState Shift = KeyDataToShiftState(Message.KeyData);
    TShortCut Key = static_cast<TShortCut>(Message.CharCode & 0xFF);
    if (Shift.Contains(TShiftStateFlag::ssShift))
        Key |= scShift;
    if (Shift.Contains(TShiftStateFlag::ssCtrl))
        Key |= scCtrl;
    if (Shift.Contains(TShiftStateFlag::ssAlt))
        Key |= scAlt;
    TKsCustomItem* Found = Key != scNone ? FindItemByShortCut(Key) : nullptr;
    if (!Found)
        return false;
    std::vector<uint32_t> Path;
    for (TKsCustomItem* Step = Found; Step; Step = Step->FParent) {
        Path.push_back(Step->FSerial);
        if (Step == this)
            break;
    }
    // From the top down. A click that runs at once may free or move what lies below it, so
    // each step is looked up again and must still hang under the one above.
    const TKsCustomItem* Above = nullptr;
    for (auto Serial = Path.rbegin(); Serial != Path.rend(); ++Serial) {
        TKsCustomItem* Step = FindLiveItem(*Serial);
        if (!Step || Step->IsDestroying() || (Above && Step->FParent != Above) || !Step->FEnabled)
            break;
        try {
            Step->Click();
        } catch (...) {
            Application->HandleException(Step);
            break;
        }
        Above = Step;
    }
    return true;
}

// --- Streaming ------------------------------------------------------------------------------

void TKsCustomItem::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    for (TKsCustomItem* Item : FItems)
        if (Item->Owner() == Root)
            Proc(Item);
}

TComponent* TKsCustomItem::GetParentComponent() const {
    if (FParent && FParent->FMenuComponent)
        return FParent->FMenuComponent;
    return FParent;
}

void TKsCustomItem::SetParentComponent(TComponent* Value) {
    if (FParent)
        FParent->Remove(this);
    if (auto* Item = dynamic_cast<TKsCustomItem*>(Value))
        Item->Add(this);
    else if (Value)
        AddItemToContainer(*Value, *this);
}

void TKsCustomItem::Loaded() {
    TComponent::Loaded();
    if (TBasicAction* Linked = Action())
        ActionChange(Linked, true);
}

void TKsCustomItem::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FImages)
        SetImages(nullptr);
    // A freed action has already left the link empty.
    if (FActionLink && (AComponent == FActionLink->Action() || !FActionLink->Action()))
        FActionLink.reset();
}
