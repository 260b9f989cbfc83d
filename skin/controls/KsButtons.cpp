#include "skin/controls/KsButtons.h"

#include "framework/core/Properties.h"
#include "framework/windows/Actions.h"
#include "framework/windows/ControlMessages.h"
#include "framework/windows/Forms.h"
#include "framework/windows/ImageLists.h"
#include "framework/windows/ResourceStream.h"
#include "framework/windows/StdCtrls.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsUtils.h"

#include <array>
#include <cmath>

const TEnumInfo ButtonLayoutInfo{"TButtonLayout",
                                 {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
const TEnumInfo BitBtnKindInfo{"TBitBtnKind",
                               {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo",
                                "bkClose", "bkAbort", "bkRetry", "bkIgnore", "bkAll"}};

namespace {

constexpr std::array<TBitBtnKindInfo, 11> KindDetails{{
    {"", mrNone, ""},
    {"OK", mrOk, "KSBTN_OK"},
    {"Cancel", mrCancel, "KSBTN_CANCEL"},
    {"&Help", mrNone, "KSBTN_HELP"},
    {"&Yes", mrYes, "KSBTN_YES"},
    {"&No", mrNo, "KSBTN_NO"},
    {"&Close", mrNone, "KSBTN_CLOSE"},
    {"Abort", mrAbort, "KSBTN_ABORT"},
    {"&Retry", mrRetry, "KSBTN_RETRY"},
    {"&Ignore", mrIgnore, "KSBTN_IGNORE"},
    {"&All", mrAll, "KSBTN_ALL"},
}};

using P = TPublished<TKsCustomButton>;
const TPropertyTable ButtonProperties{
    P::Boolean("BlackAndWhiteGlyph", &TKsCustomButton::BlackAndWhiteGlyph,
               &TKsCustomButton::SetBlackAndWhiteGlyph),
    P::Boolean("Cancel", &TKsCustomButton::Cancel, &TKsCustomButton::SetCancel),
    P::Boolean("Default", &TKsCustomButton::Default, &TKsCustomButton::SetDefault),
    P::Persistent("Glyph", &TKsCustomButton::Glyph),
    P::Enumeration("Kind", BitBtnKindInfo, &TKsCustomButton::Kind, &TKsCustomButton::SetKind),
    P::Enumeration("Layout", ButtonLayoutInfo, &TKsCustomButton::Layout,
                   &TKsCustomButton::SetLayout),
    P::Integer("ModalResult", &TKsCustomButton::ModalResult, &TKsCustomButton::SetModalResult),
    P::Integer("NumGlyphs", &TKsCustomButton::NumGlyphs, &TKsCustomButton::SetNumGlyphs, 1),
    P::Integer("Spacing", &TKsCustomButton::Spacing, &TKsCustomButton::SetSpacing, 4),
    P::Boolean("TabStop", &TKsCustomButton::TabStop, &TKsCustomButton::SetTabStop, true),
};

TKsColor Opaque(TColor Color) {
    return ColorToKsColor(Color, 255);
}

TKsColor Grey(int Level) {
    return MakeKsColor(int16_t(Level), int16_t(Level), int16_t(Level), 255);
}

// The HSL lightness of a pixel times Scale, rounded half to even.
int ScaledLightness(TKsColor Pixel, int Scale) {
    const int R = KsRedOf(Pixel);
    const int G = KsGreenOf(Pixel);
    const int B = KsBlueOf(Pixel);
    const int Sum = std::max({R, G, B}) + std::min({R, G, B});
    return static_cast<int>(std::nearbyint(Sum * Scale / 510.0));
}

std::unique_ptr<TBitmap> LoadStockGlyph(const char* Resource) {
    auto Glyph = std::make_unique<TBitmap>();
    try {
        TResourceStream Stream(Resource);
        Glyph->LoadFromStream(Stream);
    } catch (const Exception&) {
        Glyph = std::make_unique<TBitmap>();
    }
    return Glyph;
}

} // namespace

const TBitBtnKindInfo& BitBtnKindDetails(TBitBtnKind Kind) {
    return KindDetails[static_cast<size_t>(Kind) < KindDetails.size() ? static_cast<size_t>(Kind)
                                                                      : 0];
}

const TBitmap& StockGlyph(TBitBtnKind Kind) {
    static std::array<std::unique_ptr<TBitmap>, KindDetails.size()> Glyphs;
    const size_t Index = static_cast<size_t>(Kind) < KindDetails.size() ? size_t(Kind) : 0;
    if (!Glyphs[Index])
        Glyphs[Index] = Index == 0 ? std::make_unique<TBitmap>()
                                   : LoadStockGlyph(KindDetails[Index].GlyphResource);
    return *Glyphs[Index];
}

const TComponentClassOf<TKsCustomButton> TKsCustomButton::Class{
    "TKsCustomButton", TKsCustomControl::Class, &ButtonProperties};

TKsCustomButton::TKsCustomButton(TComponent* AOwner)
    : TKsCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
    // The button clicks on release by itself, not through the framework's click. It paints
    // every pixel of its window, so the host need not erase it first.
    SetControlStyle(TControlStyle{TControlStyleFlag::csCaptureMouse,
                                  TControlStyleFlag::csSetCaption,
                                  TControlStyleFlag::csDoubleClicks, TControlStyleFlag::csOpaque});
    SetTabStop(true);
    FGlyph->OnChange = MakeEvent(this, &TKsCustomButton::GlyphChanged);
    SetColor(KsColorToColor(KsBtnFace));
    SetTransparent(true);
    SetBounds(0, 0, 75, 25);
}

TKsCustomButton::~TKsCustomButton() {
    FGlyph->OnChange = {};
}

void TKsCustomButton::Loaded() {
    TKsCustomControl::Loaded();
    Invalidate();
}

void TKsCustomButton::SetGlyph(TBitmap* Value) {
    FGlyph->Assign(Value);
}

void TKsCustomButton::GlyphChanged(TObject*) {
    ++FGlyphChanges;
    const int W = FGlyph->Width();
    const int H = FGlyph->Height();
    if (H != 0 && W % H == 0) {
        const int Cells = W / H;
        FNumGlyphs = Cells > 0 && Cells < 5 ? Cells : 1;
    }
    Invalidate();
}

void TKsCustomButton::SetDefault(bool Value) {
    FDefault = Value;
    if (HandleAllocated())
        if (TCustomForm* Form = GetParentForm(this))
            Form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(Form->ActiveControl()));
    Invalidate();
}

void TKsCustomButton::SetCancel(bool Value) {
    if (Value == FCancel)
        return;
    FModalResult = mrCancel;
    FCancel = Value;
}

void TKsCustomButton::SetLayout(TButtonLayout Value) {
    if (KsChangeValue(FLayout, Value))
        Invalidate();
}

void TKsCustomButton::SetNumGlyphs(int Value) {
    // A cell count outside 1..4 would divide the glyph by nothing or draw outside it.
    if (KsChangeValue(FNumGlyphs, std::clamp(Value, 1, 4)))
        Invalidate();
}

void TKsCustomButton::SetSpacing(int Value) {
    if (KsChangeValue(FSpacing, Value))
        Invalidate();
}

void TKsCustomButton::SetBlackAndWhiteGlyph(bool Value) {
    if (KsChangeValue(FBlackAndWhiteGlyph, Value))
        Invalidate();
}

void TKsCustomButton::SetKind(TBitBtnKind Value) {
    if (Value == FKind)
        return;
    if (Value != TBitBtnKind::bkCustom) {
        const TBitBtnKindInfo& Details = BitBtnKindDetails(Value);
        SetDefault(Value == TBitBtnKind::bkOK || Value == TBitBtnKind::bkYes);
        if (!IsLoading() || Caption().empty())
            SetCaption(Details.Caption);
        FModalResult = Details.ModalResult;
        TBitmap Glyph;
        Glyph.Assign(const_cast<TBitmap*>(&StockGlyph(Value)));
        SetGlyph(&Glyph);
        FNumGlyphs = 2;
    }
    FKind = Value;
    Invalidate();
}

void TKsCustomButton::SetDown(bool Value) {
    if (KsChangeValue(FDown, Value))
        Invalidate();
}

void TKsCustomButton::ActionChange(TObject* Sender, bool CheckDefaults) {
    TKsCustomControl::ActionChange(Sender, CheckDefaults);
    auto* Action = dynamic_cast<TCustomAction*>(Sender);
    if (!Action)
        return;
    TCustomImageList* Images = Action->Images();
    if (Images && Action->ImageIndex() >= 0 && Action->ImageIndex() < Images->Count()) {
        TBitmap Image;
        Image.SetSize(Images->Width(), Images->Height());
        TCanvas* Canvas = Image.Canvas();
        Canvas->Brush()->SetColor(clFuchsia);
        const RECT All{0, 0, Images->Width(), Images->Height()};
        Canvas->FillRect(All);
        Images->Draw(Canvas, 0, 0, Action->ImageIndex());
        SetGlyph(&Image);
    }
    SetCaption(Action->Caption());
    OnClick = Action->OnExecute();
}

void TKsCustomButton::Click() {
    if (TCustomForm* Form = GetParentForm(this))
        Form->SetModalResult(FModalResult);
    TKsCustomControl::Click();
}

// ---- Layout ----

const TKsCaptionExtents& TKsCustomButton::CaptionExtents() {
    return FCaptionMetrics.Measure(*Canvas(), Surface(), *DrawFont(), Caption());
}

SIZE TKsCustomButton::GlyphCell() const {
    if (FGlyph->Empty())
        return SIZE{0, 0};
    return SIZE{FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
}

RECT TKsCustomButton::CalcContentRect() {
    const SIZE Text = CaptionExtents().Plain;
    RECT Content{0, 0, Text.cx, Text.cy};
    const SIZE Cell = GlyphCell();
    if (Cell.cx > 0 && Cell.cy > 0) {
        if (FLayout == TButtonLayout::blGlyphTop || FLayout == TButtonLayout::blGlyphBottom)
            Content.bottom += Cell.cy + FSpacing;
        else
            Content.right += Cell.cx + FSpacing;
        Content.right = std::max<LONG>(Content.right, Cell.cx);
        Content.bottom = std::max<LONG>(Content.bottom, Cell.cy);
    }
    const int Pressed = FDown ? 1 : 0;
    OffsetRect(&Content, (Width() - Content.right) / 2 + Pressed,
               (Height() - Content.bottom) / 2 + Pressed);
    return Content;
}

RECT TKsCustomButton::CalcTextRect() {
    RECT Text = CalcContentRect();
    const SIZE Cell = GlyphCell();
    if (Cell.cx <= 0 || Cell.cy <= 0)
        return Text;
    switch (FLayout) {
    case TButtonLayout::blGlyphLeft:
        Text.left += Cell.cx + FSpacing;
        break;
    case TButtonLayout::blGlyphRight:
        Text.right -= Cell.cx + FSpacing;
        break;
    case TButtonLayout::blGlyphTop:
        Text.top += Cell.cy + FSpacing;
        break;
    case TButtonLayout::blGlyphBottom:
        Text.bottom -= Cell.cy + FSpacing;
        break;
    }
    return Text;
}

RECT TKsCustomButton::CalcGlyphRect() {
    RECT Glyph = CalcContentRect();
    const SIZE Cell = GlyphCell();
    if (Cell.cx <= 0 || Cell.cy <= 0)
        return Glyph;
    switch (FLayout) {
    case TButtonLayout::blGlyphLeft:
        Glyph.right = Glyph.left + Cell.cx + FSpacing;
        break;
    case TButtonLayout::blGlyphRight:
        Glyph.left = Glyph.right - Cell.cx - FSpacing;
        break;
    case TButtonLayout::blGlyphTop:
        Glyph.bottom = Glyph.top + Cell.cy + FSpacing;
        break;
    case TButtonLayout::blGlyphBottom:
        Glyph.top = Glyph.bottom - Cell.cy - FSpacing;
        break;
    }
    return Glyph;
}

// ---- Painting ----

void TKsCustomButton::PaintControl() {
    TKsCustomControl::PaintControl();
    DrawFace();
    DrawCaption();
    DrawGlyph();
}

void TKsCustomButton::DescribeAppearance(TKsAppearance& Appearance) const {
    TKsCustomControl::DescribeAppearance(Appearance);
    Appearance.Add(Caption());
    Appearance.Add(DrawTextBiDiModeFlags(DT_CENTER));
    Appearance.Add(FDown);
    Appearance.Add(FActiveDefault);
    Appearance.Add(FLayout);
    Appearance.Add(FSpacing);
    Appearance.Add(FNumGlyphs);
    Appearance.Add(FBlackAndWhiteGlyph);
    Appearance.Add(FGlyphChanges);
    // The plain face and the disabled caption are drawn in these.
    Appearance.AddColor(clBtnHighlight);
    Appearance.AddColor(clBtnShadow);
}

void TKsCustomButton::DrawFace() {
    DrawPlainFace();
}

void TKsCustomButton::DrawPlainFace() {
    TKsBitmap& Image = Surface();
    RECT Rect = GetPaintRect();
    if (HasFocus() || FActiveDefault) {
        Image.FrameRect3D(Rect, KsBlack, KsBlack);
        Rect = InflateRectBy(Rect, -1);
    }
    const TKsColor Face = Opaque(Color());
    Image.FillRect(Rect, Face);
    if (FDown) {
        Image.FrameRect3D(Rect, Opaque(clBtnShadow), Opaque(clBtnShadow));
    } else {
        Image.FrameRect3D(Rect, Opaque(clBtnHighlight), KsBlack);
        Image.FrameRect3D(InflateRectBy(Rect, -1), Face, Opaque(clBtnShadow));
    }
    if (HasFocus())
        Image.DrawFocusRect(InflateRectBy(GetPaintRect(), -4));
}

void TKsCustomButton::DrawCaption() {
    TKsBitmap& Image = Surface();
    Image.SetFont(DrawFont());
    const std::string& Text = Caption();
    const SIZE Drawn = CaptionExtents().Drawn;
    RECT Area{0, 0, Drawn.cx, Drawn.cy};
    const RECT TextRect = CalcTextRect();
    OffsetRect(&Area, (RectWidth(TextRect) - Area.right) / 2 + TextRect.left,
               (RectHeight(TextRect) - Area.bottom) / 2 + TextRect.top);
    const UINT Format = DrawTextBiDiModeFlags(DT_CENTER);
    if (!Enabled()) {
        Image.Font()->SetColor(clBtnHighlight);
        RECT Shadow = Area;
        OffsetRect(&Shadow, 1, 1);
        Image.DrawText(Text, Shadow, Format);
        Image.Font()->SetColor(clBtnShadow);
    }
    Image.DrawText(Text, Area, Format);
}

void TKsCustomButton::DrawGlyph() {
    const SIZE Cell = GlyphCell();
    if (Cell.cx <= 0 || Cell.cy <= 0)
        return;
    const RECT Box = CalcGlyphRect();
    const int X = Box.left + (RectWidth(Box) - Cell.cx) / 2;
    const int Y = Box.top + (RectHeight(Box) - Cell.cy) / 2;
    int Column = 0;
    // A disabled button shows its disabled cell, whether pressed or not.
    if (FNumGlyphs > 1 && !Enabled())
        Column = 1;
    else if (FNumGlyphs > 2 && FDown)
        Column = 2;
    TKsBitmap Pixels;
    Pixels.Assign(FGlyph.get());
    if (Pixels.Empty())
        return;
    const TKsColor Key = Pixels.Pixels(0, Pixels.Height() - 1);
    const bool Greyed = FBlackAndWhiteGlyph && !MouseInside();
    const bool Faded = FNumGlyphs == 1 && !Enabled();
    TKsBitmap& Image = Surface();
    for (int DY = 0; DY < Cell.cy; ++DY)
        for (int DX = 0; DX < Cell.cx; ++DX) {
            TKsColor Pixel = Pixels.Pixels(Column * Cell.cx + DX, DY);
            if (Pixel == Key)
                continue;
            if (Greyed)
                Pixel = Grey(ScaledLightness(Pixel, 255));
            if (Faded)
                Pixel = Grey(ScaledLightness(Pixel, 50) + 160);
            Image.SetPixels(X + DX, Y + DY, Pixel | 0xFF000000u);
        }
}

// ---- Input ----

void TKsCustomButton::DoMouseEnter() {
    TKsCustomControl::DoMouseEnter();
    Invalidate();
}

void TKsCustomButton::DoMouseLeave() {
    TKsCustomControl::DoMouseLeave();
    Invalidate();
}

void TKsCustomButton::KeyDown(TKey& Key, TShiftState Shift) {
    TKsCustomControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE && !Shift.Contains(TShiftStateFlag::ssAlt))
        SetDown(true);
}

void TKsCustomButton::KeyUp(TKey& Key, TShiftState Shift) {
    TKsCustomControl::KeyUp(Key, Shift);
    if (Key != VK_SPACE)
        return;
    SetDown(false);
    Click();
    Key = 0;
}

void TKsCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKsCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !Enabled())
        return;
    if (CanFocus())
        SetFocus();
    FTracking = true;
    SetDown(true);
}

void TKsCustomButton::MouseMove(TShiftState Shift, int X, int Y) {
    TKsCustomControl::MouseMove(Shift, X, Y);
    if (!FTracking)
        return;
    const RECT Client = ClientRect();
    SetDown(X >= 0 && X < RectWidth(Client) && Y >= 0 && Y < RectHeight(Client));
}

void TKsCustomButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKsCustomControl::MouseUp(Button, Shift, X, Y);
    if (!FTracking)
        return;
    FTracking = false;
    SetDown(false);
    if (X >= 0 && X < Width() && Y >= 0 && Y < Height())
        Click();
}

void TKsCustomButton::UpdateActiveDefault(TControl* Focused) {
    const bool IsButton =
        dynamic_cast<TKsCustomButton*>(Focused) || dynamic_cast<TButton*>(Focused);
    if (KsChangeValue(FActiveDefault, !IsButton && FDefault))
        Invalidate();
}

void TKsCustomButton::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CM_DIALOGKEY: {
        const bool Pressed = (Message.WParam == VK_RETURN && (FActiveDefault || HasFocus())) ||
                             (Message.WParam == VK_ESCAPE && FModalResult == mrCancel);
        const bool Alt = KeyDataToShiftState(Message.LParam).Contains(TShiftStateFlag::ssAlt);
        if (Pressed && !Alt && CanFocus()) {
            Click();
            Message.Result = 1;
            return;
        }
        break;
    }
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<wchar_t>(Message.WParam), Caption()) && CanFocus()) {
            SetFocus();
            Click();
            Message.Result = 1;
            return;
        }
        break;
    case CM_FOCUSCHANGED:
        UpdateActiveDefault(reinterpret_cast<TControl*>(Message.LParam));
        break;
    case CM_ENABLEDCHANGED:
        if (!IsDesigning() && HandleAllocated())
            EnableWindow(Handle(), Enabled());
        Invalidate();
        break;
    case CM_TEXTCHANGED:
        TKsCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case WM_CAPTURECHANGED:
        TKsCustomControl::Dispatch(Message);
        // Another window took the mouse while the button is still held (a box shown by a
        // handler, another program): the press is over and the face comes back up. The
        // release itself lets the capture go before it clicks.
        if (FTracking && GetCaptureControl() != this && GetKeyState(VK_LBUTTON) < 0) {
            FTracking = false;
            SetDown(false);
        }
        return;
    default:
        break;
    }
    TKsCustomControl::Dispatch(Message);
}
