// The edit's properties, its text, selection and the changes the user makes.
#include "skin/controls/KsEdits.h"

#include "framework/core/Properties.h"
#include "framework/core/TextConv.h"
#include "framework/graphics/Clipboard.h"
#include "framework/windows/Caret.h"
#include "skin/graphics/KsUtils.h"

#include <algorithm>
#include <utility>

extern const TEnumInfo KsAnimationInfo;

const TEnumInfo EditCharCaseInfo{"TEditCharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"}};
const TEnumInfo PasswordKindInfo{
    "TPasswordKind", {"pkNone", "pkChar", "pkRect", "pkRoundRect", "pkCircle", "pkTriangle"}};

namespace {

using P = TPublished<TKsCustomEdit>;
const TPropertyTable EditProperties{
    P::Boolean("AutoSelect", &TKsCustomEdit::AutoSelect, &TKsCustomEdit::SetAutoSelect, true),
    P::Boolean("AutoSize", &TKsCustomEdit::AutoSize, &TKsCustomEdit::SetAutoSize, true),
    P::Enumeration("CharCase", EditCharCaseInfo, &TKsCustomEdit::CharCase,
                   &TKsCustomEdit::SetCharCase),
    P::Boolean("HideSelection", &TKsCustomEdit::HideSelection, &TKsCustomEdit::SetHideSelection,
               true),
    P::Integer("MaxLength", &TKsCustomEdit::MaxLength, &TKsCustomEdit::SetMaxLength),
    P::String(
        "PasswordChar",
        [](const TKsCustomEdit& Edit) {
            return Edit.PasswordChar() ? Utf32ToUtf8(std::u32string(1, Edit.PasswordChar()))
                                       : std::string();
        },
        [](TKsCustomEdit& Edit, const std::string& Value) {
            const std::u32string Chars = Utf8ToUtf32(Value);
            Edit.SetPasswordChar(Chars.empty() ? 0 : Chars.front());
        }),
    P::Enumeration("PasswordKind", PasswordKindInfo, &TKsCustomEdit::PasswordKind,
                   &TKsCustomEdit::SetPasswordKind),
    P::Boolean("PopupMenuBlend", &TKsCustomEdit::PopupMenuBlend, &TKsCustomEdit::SetPopupMenuBlend),
    P::Integer("PopupMenuBlendValue", &TKsCustomEdit::PopupMenuBlendValue,
               &TKsCustomEdit::SetPopupMenuBlendValue, 150),
    P::Boolean("PopupMenuDropShadow", &TKsCustomEdit::PopupMenuDropShadow,
               &TKsCustomEdit::SetPopupMenuDropShadow, true),
    P::Integer("PopupMenuShadowWidth", &TKsCustomEdit::PopupMenuShadowWidth,
               &TKsCustomEdit::SetPopupMenuShadowWidth, 4),
    P::Enumeration("PopupMenuShowAnimation", KsAnimationInfo,
                   &TKsCustomEdit::PopupMenuShowAnimation,
                   &TKsCustomEdit::SetPopupMenuShowAnimation, TKsAnimation::kaNone),
    P::Integer("PopupMenuShowAnimationTime", &TKsCustomEdit::PopupMenuShowAnimationTime,
               &TKsCustomEdit::SetPopupMenuShowAnimationTime, 300),
    P::Boolean("ReadOnly", &TKsCustomEdit::ReadOnly, &TKsCustomEdit::SetReadOnly),
    P::String("Text", &TKsCustomEdit::Text, &TKsCustomEdit::SetText),
    P::Enumeration("TextAlignment", AlignmentInfo, &TKsCustomEdit::TextAlignment,
                   &TKsCustomEdit::SetTextAlignment),
    P::Event("OnChange", &TKsCustomEdit::OnChange),
};

// The text with the host's case conversion applied.
std::string ConvertCase(const std::string& Text, TEditCharCase CharCase) {
    if (CharCase == TEditCharCase::ecNormal || Text.empty())
        return Text;
    std::wstring Wide = Utf8ToWide(Text);
    const auto Length = static_cast<DWORD>(Wide.size());
    if (CharCase == TEditCharCase::ecUpperCase)
        CharUpperBuffW(Wide.data(), Length);
    else
        CharLowerBuffW(Wide.data(), Length);
    return WideToUtf8(Wide);
}

// Characters a single line never holds: C0 and C1 controls and DEL.
bool IsControlChar(char32_t C) {
    return C < 0x20 || (C >= 0x7F && C <= 0x9F);
}

// The part of pasted text a single line takes: up to the first line break, without the
// other control characters (tabs included).
std::u32string SingleLine(const std::u32string& Text) {
    std::u32string Result;
    for (const char32_t C : Text) {
        if (C == U'\r' || C == U'\n')
            break;
        if (!IsControlChar(C))
            Result.push_back(C);
    }
    return Result;
}

std::u32string Slice(const std::u32string& Chars, int From, int Count) {
    From = std::clamp(From, 0, static_cast<int>(Chars.size()));
    Count = std::clamp(Count, 0, static_cast<int>(Chars.size()) - From);
    return Chars.substr(static_cast<size_t>(From), static_cast<size_t>(Count));
}

} // namespace

const TComponentClassOf<TKsCustomEdit> TKsCustomEdit::Class{
    "TKsCustomEdit", TKsCustomControl::Class, &EditProperties};
const TComponentClassOf<TKsEdit> TKsEdit::Class{"TKsEdit", TKsCustomEdit::Class};

TKsCustomEdit::TKsCustomEdit(TComponent* AOwner)
    : TKsCustomControl(AOwner),
      FUndoStack(std::make_unique<TEditActionStack>(static_cast<TKsEditUndoTarget&>(*this))) {
    FPopupSettings.DropShadow = true;
    // A text change repaints only the part of the line it altered, not the whole control.
    TControlStyle Style = ControlStyle();
    Style.Exclude(TControlStyleFlag::csSetCaption);
    SetControlStyle(Style);
    SetTabStop(true);
    SetColor(clWindow);
    SetBorderStyle(TBorderStyle::bsSingle);
    SetBounds(Left(), Top(), 121, 21);
}

TKsCustomEdit::~TKsCustomEdit() {
    FCaret.reset();
    delete FContextMenu;
}

// ---- Properties ----

void TKsCustomEdit::SetAutoSize(bool Value) {
    if (KsChangeValue(FAutoSize, Value))
        AdjustHeight();
}

void TKsCustomEdit::SetCharCase(TEditCharCase Value) {
    if (!KsChangeValue(FCharCase, Value))
        return;
    SetText(Text());
}

void TKsCustomEdit::SetHideSelection(bool Value) {
    if (KsChangeValue(FHideSelection, Value))
        Invalidate();
}

void TKsCustomEdit::SetPasswordChar(char32_t Value) {
    if (Value != 0)
        FPasswordKind = TPasswordKind::pkChar;
    FPasswordChar = Value;
    ForgetExtents();
    Invalidate();
    SetCaretPos(FCaretPos);
}

void TKsCustomEdit::SetPasswordKind(TPasswordKind Value) {
    if (!KsChangeValue(FPasswordKind, Value))
        return;
    ForgetExtents();
    Invalidate();
    SetCaretPos(FCaretPos);
}

void TKsCustomEdit::SetTextAlignment(TAlignment Value) {
    if (!KsChangeValue(FTextAlignment, Value))
        return;
    Invalidate();
    PlaceCaret();
}

void TKsCustomEdit::SetBorderStyle(TBorderStyle Value) {
    TKsCustomControl::SetBorderStyle(Value);
    AdjustHeight();
}

void TKsCustomEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (FAutoSize && !IsLoading())
        AHeight = AutoSizeHeight();
    TKsCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TKsCustomEdit::AdjustHeight() {
    if (FAutoSize && !IsLoading())
        SetBounds(Left(), Top(), Width(), Height());
}

void TKsCustomEdit::Loaded() {
    TKsCustomControl::Loaded();
    AdjustHeight();
    TextStored();
    Invalidate();
}

// ---- Text ----

bool TKsCustomEdit::ValidateText(const std::string&) {
    return true;
}

void TKsCustomEdit::SetText(const std::string& Value) {
    StoreText(Value);
}

bool TKsCustomEdit::StoreText(const std::string& Value) {
    if (!ValidateText(Value))
        return false;
    TControl::SetText(ConvertCase(Value, FCharCase));
    return true;
}

bool TKsCustomEdit::StoreOwnText(const std::u32string& NewChars) {
    const std::string Value = Utf32ToUtf8(NewChars);
    if (!ValidateText(Value))
        return false;
    FOwnChange = true;
    struct TOwnChangeEnd {
        bool& Flag;
        ~TOwnChangeEnd() { Flag = false; }
    } End{FOwnChange};
    TControl::SetText(ConvertCase(Value, FCharCase));
    return true;
}

void TKsCustomEdit::TextStored() {
    const std::u32string OldChars = std::exchange(FChars, Utf8ToUtf32(Text()));
    KeepExtentsBefore(OldChars);
    // Positions stay within the text, however it changed.
    const int Length = TextLength();
    FFirstVisible = std::clamp(FFirstVisible, 1, std::max(Length, 1));
    FCaretPos = std::clamp(FCaretPos, 0, Length);
    FSelEnd = FCaretPos;
    FSelExtent = 0;
    if (!FOwnChange)
        FUndoStack->Clear();
    ScrollToCaret();
}

void TKsCustomEdit::Change() {
    if (OnChange)
        OnChange(this);
}

// ---- Caret and selection ----

void TKsCustomEdit::SetCaretPos(int P) {
    const TLineChange LineChange(*this);
    FCaretPos = std::clamp(P, 0, TextLength());
    ScrollToCaret();
    if (FSelExtent == 0)
        FSelEnd = FCaretPos;
}

void TKsCustomEdit::ScrollToCaret() {
    const TLineChange LineChange(*this);
    FFirstVisible = Line().ScrolledTo(FCaretPos);
}

int TKsCustomEdit::SelStart() const {
    if (FSelExtent > 0)
        return FSelEnd;
    if (FSelExtent < 0)
        return FSelEnd + FSelExtent;
    return FCaretPos;
}

int TKsCustomEdit::SelLength() const {
    return std::abs(FSelExtent);
}

std::string TKsCustomEdit::SelText() const {
    return Utf32ToUtf8(Slice(Chars(), SelStart(), SelLength()));
}

void TKsCustomEdit::Select(int Anchor, int CaretEnd) {
    const TLineChange LineChange(*this);
    const int Length = TextLength();
    Anchor = std::clamp(Anchor, 0, Length);
    CaretEnd = std::clamp(CaretEnd, 0, Length);
    FSelEnd = CaretEnd;
    FSelExtent = Anchor - CaretEnd;
    SetCaretPos(CaretEnd);
}

void TKsCustomEdit::SetSelStart(int P) {
    Select(P, P);
}

void TKsCustomEdit::SetSelLength(int N) {
    Select(FSelEnd + N, FSelEnd);
}

void TKsCustomEdit::SelectAll() {
    Select(TextLength(), 0);
}

void TKsCustomEdit::SelectWord() {
    const int Start = WordLeft(FCaretPos);
    Select(Start, WordRight(Start));
}

// ---- Changes ----

int TKsCustomEdit::RoomBeside(int Length) const {
    return FMaxLength > 0 ? std::max(FMaxLength - Length, 0) : -1;
}

void TKsCustomEdit::TypeChar(char32_t C) {
    if (FReadOnly || IsControlChar(C))
        return;
    const int Start = SelStart();
    const int Length = SelLength();
    std::u32string NewChars = Chars();
    const std::string Deleted = SelText();
    NewChars.replace(static_cast<size_t>(Start), static_cast<size_t>(Length), 1, C);
    if ((FMaxLength > 0 && static_cast<int>(NewChars.size()) > FMaxLength) ||
        !StoreOwnText(NewChars)) {
        SetSelStart(FCaretPos);
        return;
    }
    FUndoStack->PushDeletion(Start + 1, Deleted);
    FUndoStack->PushInsertion(Start + 1, 1, Length > 0);
    SetSelStart(Start + 1);
}

void TKsCustomEdit::DeleteCharAt(int Index, int NewCaret) {
    std::u32string NewChars = Chars();
    const std::string Deleted = Utf32ToUtf8(Slice(NewChars, Index, 1));
    NewChars.erase(static_cast<size_t>(Index), 1);
    if (!StoreOwnText(NewChars))
        return;
    FUndoStack->PushDeletion(Index + 1, Deleted);
    SetSelStart(NewCaret);
}

void TKsCustomEdit::DeleteSelection() {
    if (FReadOnly || SelLength() == 0)
        return;
    const TLineChange LineChange(*this);
    const int Start = SelStart();
    const std::string Deleted = SelText();
    std::u32string NewChars = Chars();
    NewChars.erase(static_cast<size_t>(Start), static_cast<size_t>(SelLength()));
    if (!StoreOwnText(NewChars))
        return;
    FUndoStack->PushDeletion(Start + 1, Deleted);
    SetSelStart(Start);
}

void TKsCustomEdit::CopyToClipboard() {
    // Hidden text never leaves the edit.
    if (Hidden())
        return;
    if (const std::string Selected = SelText(); !Selected.empty())
        Clipboard()->SetAsText(Selected);
}

void TKsCustomEdit::CutToClipboard() {
    if (Hidden())
        return;
    CopyToClipboard();
    DeleteSelection();
}

void TKsCustomEdit::PasteFromClipboard() {
    if (FReadOnly || !Clipboard()->HasText())
        return;
    std::u32string Pasted = SingleLine(Utf8ToUtf32(Clipboard()->AsText()));
    if (Pasted.empty())
        return;
    const TLineChange LineChange(*this);
    const int Start = SelStart();
    const int Length = SelLength();
    const std::string Deleted = SelText();
    std::u32string NewChars = Chars();
    NewChars.erase(static_cast<size_t>(Start), static_cast<size_t>(Length));
    if (const int Room = RoomBeside(static_cast<int>(NewChars.size()));
        Room >= 0 && static_cast<int>(Pasted.size()) > Room)
        Pasted.resize(static_cast<size_t>(Room));
    if (Pasted.empty() && Length == 0)
        return;
    NewChars.insert(static_cast<size_t>(Start), Pasted);
    if (!StoreOwnText(NewChars))
        return;
    FUndoStack->PushDeletion(Start + 1, Deleted);
    FUndoStack->PushInsertion(Start + 1, static_cast<int>(Pasted.size()), Length > 0);
    SetSelStart(Start + static_cast<int>(Pasted.size()));
}

void TKsCustomEdit::Undo() {
    if (FReadOnly)
        return;
    const TLineChange LineChange(*this);
    FUndoStack->Undo();
}

bool TKsCustomEdit::UndoDeletion(int Position, const std::string& Text) {
    std::u32string Restored = Utf8ToUtf32(Text);
    std::u32string NewChars = Chars();
    if (const int Room = RoomBeside(static_cast<int>(NewChars.size()));
        Room >= 0 && static_cast<int>(Restored.size()) > Room)
        Restored.resize(static_cast<size_t>(Room));
    const int Start = std::clamp(Position - 1, 0, static_cast<int>(NewChars.size()));
    NewChars.insert(static_cast<size_t>(Start), Restored);
    if (!StoreOwnText(NewChars))
        return false;
    Select(Start, Start + static_cast<int>(Restored.size()));
    return true;
}

bool TKsCustomEdit::UndoInsertion(int Position, int Length) {
    std::u32string NewChars = Chars();
    const int Start = std::clamp(Position - 1, 0, static_cast<int>(NewChars.size()));
    NewChars.erase(static_cast<size_t>(Start), static_cast<size_t>(Length));
    if (!StoreOwnText(NewChars))
        return false;
    SetSelStart(Start);
    return true;
}
