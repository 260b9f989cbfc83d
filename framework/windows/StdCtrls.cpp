#include "framework/windows/StdCtrls.h"

#include "framework/core/Properties.h"
#include "framework/core/TextConv.h"
#include "framework/graphics/GdiHandles.h"
#include "framework/windows/Forms.h"
#include "framework/windows/PaintScopes.h"

const TEnumInfo AlignmentInfo{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};

namespace {

using L = TPublished<TLabel>;
const TPropertyTable LabelProperties{
    L::Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent),
    L::Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true),
    L::Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap),
    L::Enumeration("Alignment", AlignmentInfo, &TLabel::Alignment, &TLabel::SetAlignment),
    L::Boolean("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar, true),
    L::Component("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl),
};

using B = TPublished<TButton>;
const TPropertyTable ButtonProperties{
    B::Boolean("Default", &TButton::Default, &TButton::SetDefault),
    B::Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel),
    B::Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult),
};

bool HasAlt(intptr_t KeyData) {
    return (KeyData & 0x20000000) != 0;
}

} // namespace

UINT AlignmentToTextFormat(TAlignment Alignment) {
    static constexpr UINT Formats[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    return Formats[static_cast<size_t>(Alignment)];
}

void DrawControlText(HDC DC, const TFont& Font, TColor TextColor, const std::string& Text,
                     RECT& Rect, UINT Format) {
    const std::wstring Wide = Utf8ToWide(Text);
    TSavedDCState Saved(DC);
    SelectObject(DC, Font.Handle());
    SetBkMode(DC, TRANSPARENT);
    SetTextColor(DC, static_cast<COLORREF>(ColorToRGB(TextColor)));
    DrawTextW(DC, Wide.c_str(), static_cast<int>(Wide.size()), &Rect, Format);
}

const TComponentClassOf<TLabel> TLabel::Class{"TLabel", TGraphicControl::Class, &LabelProperties};

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle += {TControlStyleFlag::csOpaque, TControlStyleFlag::csReplicatable};
    FWidth = 65;
    FHeight = 17;
}

void TLabel::SetTransparent(bool Value) {
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    if (Value)
        FControlStyle.Exclude(TControlStyleFlag::csOpaque);
    else
        FControlStyle.Include(TControlStyleFlag::csOpaque);
    InvalidateControlArea(true);
}

void TLabel::SetAutoSize(bool Value) {
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool Value) {
    if (Value == FWordWrap)
        return;
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetAlignment(TAlignment Value) {
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool Value) {
    if (Value == FShowAccelChar)
        return;
    FShowAccelChar = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetFocusControl(TWinControl* Value) {
    ReplaceReference(*this, FFocusControl, Value);
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FFocusControl)
        FFocusControl = nullptr;
}

UINT TLabel::TextFormat() const {
    UINT Format = DT_EXPANDTABS | AlignmentToTextFormat(FAlignment);
    if (FWordWrap)
        Format |= DT_WORDBREAK;
    if (!FShowAccelChar)
        Format |= DT_NOPREFIX;
    return Format;
}

void TLabel::Paint() {
    RECT Client = ClientRect();
    const HDC DC = Canvas()->Handle();
    if (!FTransparent) {
        TGdiObject<HBRUSH> Brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Color()))));
        FillRect(DC, &Client, Brush.Get());
    }
    if (Enabled()) {
        DrawControlText(DC, *Font(), Font()->Color(), FText, Client, TextFormat());
        return;
    }
    // Disabled text: embossed in the highlight colour, the shadow colour on top.
    RECT Offset = Client;
    OffsetRect(&Offset, 1, 1);
    DrawControlText(DC, *Font(), clBtnHighlight, FText, Offset, TextFormat());
    DrawControlText(DC, *Font(), clBtnShadow, FText, Client, TextFormat());
}

void TLabel::AdjustBounds() {
    if (!FAutoSize || IsLoading())
        return;
    TScreenDC ScreenDC;
    // An empty caption still has a line's height.
    RECT Rect{0, 0, FWordWrap ? FWidth : 0, 0};
    DrawControlText(ScreenDC.Get(), *Font(), Font()->Color(), FText.empty() ? " " : FText, Rect,
                    TextFormat() | DT_CALCRECT);
    // A wrapped label keeps its width: the text breaks to fit it, and narrowing it to the
    // longest line would make every later change wrap narrower still.
    SetBounds(FLeft, FTop, FWordWrap ? FWidth : Rect.right - Rect.left, Rect.bottom - Rect.top);
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        AdjustBounds();
        Invalidate();
        break;
    case CM_DIALOGCHAR:
        if (FFocusControl && Enabled() && FShowAccelChar &&
            IsAccel(static_cast<wchar_t>(Message.WParam), FText) && FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            Message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TGraphicControl::Dispatch(Message);
}

const TComponentClassOf<TButton> TButton::Class{"TButton", TWinControl::Class, &ButtonProperties};

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {TControlStyleFlag::csSetCaption, TControlStyleFlag::csDoubleClicks};
    FWidth = 75;
    FHeight = 25;
    SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    Params.HostClassName = "BUTTON";
    Params.Style |= WS_TABSTOP | (FActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    Params.ClassStyle &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TButton::SetDefault(bool Value) {
    if (Value == FDefault)
        return;
    FDefault = Value;
    TCustomForm* Form = GetParentForm(this);
    TWinControl* Focused = Form ? Form->ActiveControl() : nullptr;
    if (!dynamic_cast<TButton*>(Focused))
        SetActive(Value);
}

void TButton::SetActive(bool Value) {
    if (Value == FActive)
        return;
    FActive = Value;
    if (HandleAllocated())
        SendMessageW(Handle(), BM_SETSTYLE, Value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
    if (TCustomForm* Form = GetParentForm(this))
        Form->SetModalResult(FModalResult);
    TWinControl::Click();
}

void TButton::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CN_COMMAND:
        if (HIWORD(Message.WParam) == BN_CLICKED) {
            Click();
            return;
        }
        break;
    case CM_DIALOGKEY: {
        const bool Pressed =
            (Message.WParam == VK_RETURN && FActive) || (Message.WParam == VK_ESCAPE && FCancel);
        if (Pressed && !HasAlt(Message.LParam) && CanFocus()) {
            Click();
            Message.Result = 1;
            return;
        }
        break;
    }
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<wchar_t>(Message.WParam), FText) && CanFocus()) {
            SetFocus();
            Click();
            Message.Result = 1;
            return;
        }
        break;
    case CM_FOCUSCHANGED: {
        auto* Focused = reinterpret_cast<TControl*>(Message.LParam);
        SetActive(dynamic_cast<TButton*>(Focused) ? Focused == this : FDefault);
        break;
    }
    default:
        break;
    }
    TWinControl::Dispatch(Message);
}
