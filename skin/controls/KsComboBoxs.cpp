// The combo box's properties, its items and current item, the completion of typed text,
// its geometry and its painting.
#include "skin/controls/KsComboBoxs.h"

#include "framework/core/Properties.h"
#include "framework/core/TextConv.h"
#include "framework/windows/Timer.h"
#include "skin/controls/KsComboWindow.h"
#include "skin/controls/KsListBoxs.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsUtils.h"

#include <algorithm>

const TEnumInfo KsComboButtonAlignInfo{"TKsComboButtonAlign", {"cbaLeft", "cbaRight"}};
const TEnumInfo KsComboStyleInfo{"TKsComboStyle", {"kcsDropDown", "kcsDropDownList"}};

namespace {

using P = TPublished<TKsCustomComboBox>;
const TPropertyTable ComboBoxProperties{
    P::Boolean("AutoComplete", &TKsCustomComboBox::AutoComplete,
               &TKsCustomComboBox::SetAutoComplete),
    P::Enumeration("ButtonAlign", KsComboButtonAlignInfo, &TKsCustomComboBox::ButtonAlign,
                   &TKsCustomComboBox::SetButtonAlign, TKsComboButtonAlign::cbaRight),
    P::Enumeration("ComboStyle", KsComboStyleInfo, &TKsCustomComboBox::ComboStyle,
                   &TKsCustomComboBox::SetComboStyle),
    P::Integer("DropDownCount", &TKsCustomComboBox::DropDownCount,
               &TKsCustomComboBox::SetDropDownCount, 8),
    P::Integer("ItemHeight", &TKsCustomComboBox::ItemHeight, &TKsCustomComboBox::SetItemHeight, 15),
    P::Boolean("Flat", &TKsCustomComboBox::Flat, &TKsCustomComboBox::SetFlat, true),
    P::Enumeration("FontDevice", KsFontDeviceInfo, &TKsCustomComboBox::FontDevice,
                   &TKsCustomComboBox::SetFontDevice),
    P::Enumeration("FontType", KsFontTypeInfo, &TKsCustomComboBox::FontType,
                   &TKsCustomComboBox::SetFontType),
    // The font and colour lists fill themselves when their style is read.
    P::Strings("Items", &TKsCustomComboBox::Items,
               TStored::If<TKsCustomComboBox>([](const TKsCustomComboBox& Combo) {
                   return Combo.Items()->Count() > 0 && !Combo.ListBox()->FillsItself();
               })),
    // After the items, so that a stored current item finds them.
    P::Integer("ItemIndex", &TKsCustomComboBox::ItemIndex, &TKsCustomComboBox::SetItemIndex, -1),
    P::Enumeration("ListStyle", KsListBoxStyleInfo, &TKsCustomComboBox::ListStyle,
                   &TKsCustomComboBox::SetListStyle),
    P::Boolean("ShowCheckBoxes", &TKsCustomComboBox::ShowCheckBoxes,
               &TKsCustomComboBox::SetShowCheckBoxes),
    P::Boolean("Sorted", &TKsCustomComboBox::Sorted, &TKsCustomComboBox::SetSorted),
    P::String("Text", &TKsCustomComboBox::Text, &TKsCustomComboBox::SetText),
    P::Boolean("WordWrap", &TKsCustomComboBox::WordWrap, &TKsCustomComboBox::SetWordWrap),
    P::Event("OnDrawItem", &TKsCustomComboBox::ListDrawItem, &TKsCustomComboBox::SetListDrawItem),
    P::Event("OnMeasureItem", &TKsCustomComboBox::ListMeasureItem,
             &TKsCustomComboBox::SetListMeasureItem),
    P::Event("OnDropDown", &TKsCustomComboBox::OnDropDown),
    P::Event("OnCloseUp", &TKsCustomComboBox::OnCloseUp),
};

// Lower-cased text, for comparing typed text with the items whatever their case.
std::string Lowered(const std::string& Text) {
    std::wstring Wide = Utf8ToWide(Text);
    if (!Wide.empty())
        CharLowerBuffW(Wide.data(), static_cast<DWORD>(Wide.size()));
    return WideToUtf8(Wide);
}

} // namespace

const TComponentClassOf<TKsCustomComboBox> TKsCustomComboBox::Class{
    "TKsCustomComboBox", TKsCustomEdit::Class, &ComboBoxProperties};
const TComponentClassOf<TKsComboBox> TKsComboBox::Class{"TKsComboBox", TKsCustomComboBox::Class};

TKsCustomComboBox::TKsCustomComboBox(TComponent* AOwner) : TKsCustomEdit(AOwner) {
    SetUpListBox();
    FCompleteTimer = new TTimer(this);
    FCompleteTimer->SetEnabled(false);
    FCompleteTimer->SetInterval(CompleteDelay);
    FCompleteTimer->SetOnTimer(MakeEvent(this, &TKsCustomComboBox::CompleteTimer));
}

TKsCustomComboBox::~TKsCustomComboBox() {
    // Freed while dropped down: the list comes back without events and without the focus.
    FClosing = true;
    TakeListBack();
    delete FDropWindow;
    delete FListBox;
}

TKsCustomListBox* TKsCustomComboBox::CreateListBox() {
    return new TKsCustomListBox(this);
}

void TKsCustomComboBox::SetUpListBox() {
    delete FListBox;
    TKsCustomListBox* List = CreateListBox();
    // The list's keys move its current item; only Enter, Space and clicks pick one.
    List->SetClickOnKey(false);
    List->SetVisible(false);
    List->SetParent(this);
    List->SetFont(Font());
    List->Items()->OnChange = MakeEvent(this, &TKsCustomComboBox::ItemsChanged);
    List->OnClick = MakeEvent(this, &TKsCustomComboBox::ListClick);
    FListBox = List;
}

void TKsCustomComboBox::Loaded() {
    FCompleting = true;
    TKsCustomEdit::Loaded();
    FCompleting = false;
    FLastText.clear();
    FItemIndex = std::clamp(FItemIndex, -1, FListBox ? FListBox->Count() - 1 : -1);
    Invalidate();
}

void TKsCustomComboBox::Notification(TComponent* AComponent, TOperation Operation) {
    TKsCustomEdit::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FListBox)
        FListBox = nullptr;
    if (AComponent == FDropWindow)
        FDropWindow = nullptr;
}

// ---- Properties ----

void TKsCustomComboBox::SetButtonAlign(TKsComboButtonAlign Value) {
    if (!KsChangeValue(FButtonAlign, Value))
        return;
    ScrollToCaret();
    Invalidate();
}

void TKsCustomComboBox::SetComboStyle(TKsComboStyle Value) {
    // Only a real change saves or restores ReadOnly: a second kcsDropDownList would save
    // the True it set itself and leave the edit read-only for good.
    if (!KsChangeValue(FComboStyle, Value))
        return;
    if (Value == TKsComboStyle::kcsDropDown) {
        SetReadOnly(FSavedReadOnly);
        if (HasFocus())
            ShowCaret();
    } else {
        if (!IsLoading())
            FItemIndex = FListBox && FListBox->Count() > 0 ? 0 : -1;
        FSavedReadOnly = ReadOnly();
        SetReadOnly(true);
        TKsCustomEdit::SetText("");
        HideCaret();
    }
    Invalidate();
}

bool TKsCustomComboBox::IsItem(int Index) const {
    return FListBox && Index >= 0 && Index < FListBox->Count();
}

void TKsCustomComboBox::SetItemIndex(int Value) {
    // While a layout is read the items may come later: Loaded holds the index inside them.
    if (IsLoading()) {
        FItemIndex = Value;
        return;
    }
    const int Previous = FItemIndex;
    const int Count = FListBox ? FListBox->Count() : 0;
    if (Value < -1)
        Value = 0;
    FItemIndex = Value == -1 || Count == 0 ? -1 : std::min(Value, Count - 1);
    if (FComboStyle == TKsComboStyle::kcsDropDown && IsItem(FItemIndex))
        TKsCustomEdit::SetText(FListBox->Items()->Strings(FItemIndex));
    if (FComboStyle == TKsComboStyle::kcsDropDownList && FItemIndex != Previous)
        Change();
    Invalidate();
}

void TKsCustomComboBox::ItemsChanged(TObject*) {
    const int Count = FListBox ? FListBox->Count() : 0;
    if (!IsLoading())
        FItemIndex = Count == 0 ? -1 : std::clamp(FItemIndex, -1, Count - 1);
    Invalidate();
}

std::string TKsCustomComboBox::Text() const {
    if (FComboStyle == TKsComboStyle::kcsDropDownList && IsItem(FItemIndex))
        return FListBox->Items()->Strings(FItemIndex);
    return TKsCustomEdit::Text();
}

// ---- Passed through to the list ----

TStrings* TKsCustomComboBox::Items() const {
    return FListBox->Items();
}

void TKsCustomComboBox::SetItems(TStrings* Value) {
    FListBox->SetItems(Value);
}

bool TKsCustomComboBox::Flat() const {
    return FListBox->Flat();
}

void TKsCustomComboBox::SetFlat(bool Value) {
    FListBox->SetFlat(Value);
}

TKsFontDevice TKsCustomComboBox::FontDevice() const {
    return FListBox->FontDevice();
}

void TKsCustomComboBox::SetFontDevice(TKsFontDevice Value) {
    FListBox->SetFontDevice(Value);
}

TKsFontType TKsCustomComboBox::FontType() const {
    return FListBox->FontType();
}

void TKsCustomComboBox::SetFontType(TKsFontType Value) {
    FListBox->SetFontType(Value);
}

TKsListBoxStyle TKsCustomComboBox::ListStyle() const {
    return FListBox->ListStyle();
}

void TKsCustomComboBox::SetListStyle(TKsListBoxStyle Value) {
    FListBox->SetListStyle(Value);
    Invalidate();
}

bool TKsCustomComboBox::ShowCheckBoxes() const {
    return FListBox->ShowCheckBoxes();
}

void TKsCustomComboBox::SetShowCheckBoxes(bool Value) {
    FListBox->SetShowCheckBoxes(Value);
}

bool TKsCustomComboBox::Sorted() const {
    return FListBox->Sorted();
}

void TKsCustomComboBox::SetSorted(bool Value) {
    FListBox->SetSorted(Value);
}

bool TKsCustomComboBox::WordWrap() const {
    return FListBox->WordWrap();
}

void TKsCustomComboBox::SetWordWrap(bool Value) {
    FListBox->SetWordWrap(Value);
}

TDrawItemEvent TKsCustomComboBox::ListDrawItem() const {
    return FListBox->OnDrawItem;
}

void TKsCustomComboBox::SetListDrawItem(TDrawItemEvent Value) {
    FListBox->OnDrawItem = Value;
    Invalidate();
}

TMeasureItemEvent TKsCustomComboBox::ListMeasureItem() const {
    return FListBox->OnMeasureItem;
}

void TKsCustomComboBox::SetListMeasureItem(TMeasureItemEvent Value) {
    FListBox->OnMeasureItem = Value;
}

// ---- Completion ----

void TKsCustomComboBox::Change() {
    TKsCustomEdit::Change();
    if (FComboStyle != TKsComboStyle::kcsDropDown || !FAutoComplete || FCompleting || IsLoading() ||
        IsDesigning())
        return;
    // Each change starts the delay again: the text is completed once typing pauses.
    FCompleteTimer->SetEnabled(false);
    FCompleteTimer->SetEnabled(true);
}

void TKsCustomComboBox::CompleteTimer(TObject*) {
    FCompleteTimer->SetEnabled(false);
    const std::string Typed = TKsCustomEdit::Text();
    const int TypedLength = TextLength();
    // Text that got shorter was deleted: the user does not want it back.
    if (TypedLength < static_cast<int>(Utf8ToUtf32(FLastText).size())) {
        FLastText = Typed;
        return;
    }
    if (Typed == FLastText || Typed.empty())
        return;
    FLastText = Typed;
    const std::string Wanted = Lowered(Typed);
    for (int I = 0; I < FListBox->Count(); ++I) {
        const std::string Item = FListBox->Items()->Strings(I);
        if (Lowered(Item).rfind(Wanted, 0) != 0)
            continue;
        FCompleting = true;
        struct TCompletingEnd {
            bool& Flag;
            ~TCompletingEnd() { Flag = false; }
        } End{FCompleting};
        TKsCustomEdit::SetText(Item);
        // Only the completed part is selected, so that typing on replaces it.
        const int ItemLength = TextLength();
        SetSelStart(ItemLength);
        SetSelLength(TypedLength - ItemLength);
        FLastText = TKsCustomEdit::Text();
        return;
    }
}

// ---- Geometry ----

int TKsCustomComboBox::GetButtonWidth() const {
    return 15;
}

RECT TKsCustomComboBox::GetTextRect() const {
    RECT Rect = TKsCustomEdit::GetTextRect();
    if (FButtonAlign == TKsComboButtonAlign::cbaRight)
        Rect.right -= GetButtonWidth();
    else
        Rect.left += GetButtonWidth();
    return Rect;
}

RECT TKsCustomComboBox::GetButtonRect() const {
    RECT Text = GetTextRect();
    if (!AutoSize())
        Text.bottom = Height() - Text.top;
    Text = InflateRectBy(Text, 2);
    if (FButtonAlign == TKsComboButtonAlign::cbaRight)
        return RECT{Text.right, Text.top, Text.right + GetButtonWidth(), Text.bottom};
    return RECT{Text.left - GetButtonWidth(), Text.top, Text.left, Text.bottom};
}

// ---- Painting ----

void TKsCustomComboBox::PaintBackground(const RECT& Rect, TKsBitmap& Target) {
    TKsCustomEdit::PaintBackground(Rect, Target);
    PaintButton(Target, GetButtonRect());
}

void TKsCustomComboBox::PaintButton(TKsBitmap& Target, const RECT& Rect) {
    RECT Button = Rect;
    UINT Look = DFCS_SCROLLCOMBOBOX;
    if (FButtonPressed)
        Look |= DFCS_PUSHED;
    if (!Enabled())
        Look |= DFCS_INACTIVE;
    DrawFrameControl(Target.DC(), &Button, DFC_SCROLL, Look);
    // The host draws without opacity; the surface is composed with it.
    Target.SetAlphaRect(255, Rect);
}

void TKsCustomComboBox::PaintControl() {
    TKsCustomEdit::PaintControl();
    if (FComboStyle != TKsComboStyle::kcsDropDownList || !FListBox)
        return;
    // The current item as the list draws it, selected while the combo has the focus.
    RECT Rect = GetTextRect();
    Rect.top -= 1;
    Rect.bottom += 1;
    FListBox->PaintItemInto(Surface(), FItemIndex, Rect, HasFocus());
    if (HasFocus())
        Surface().DrawFocusRect(Rect);
}
