// The windowed skinned control: its window, border, focus, painting through its surface,
// and the skinned graphic children it renders from its own surface.
#include "skin/controls/KsControls.h"

#include "framework/core/Properties.h"
#include "framework/windows/PaintScopes.h"
#include "skin/graphics/KsBitmap.h"

namespace {

using P = TPublished<TKsCustomControl>;
const TPropertyTable CustomControlProperties{
    P::Boolean("Transparent", &TKsCustomControl::Transparent, &TKsCustomControl::SetTransparent),
    P::Boolean("Blend", &TKsCustomControl::Blend, &TKsCustomControl::SetBlend),
    P::Integer("BlendValue", &TKsCustomControl::BlendValue, &TKsCustomControl::SetBlendValue, 150),
    P::Enumeration("BorderStyle", BorderStyleInfo, &TKsCustomControl::BorderStyle,
                   &TKsCustomControl::SetBorderStyle),
    P::Event("OnMouseEnter", &TKsCustomControl::OnMouseEnter),
    P::Event("OnMouseLeave", &TKsCustomControl::OnMouseLeave),
};

TKsColor Opaque(TColor Color) {
    return ColorToKsColor(Color, 255);
}

} // namespace

const TComponentClassOf<TKsCustomControl> TKsCustomControl::Class{
    "TKsCustomControl", TWinControl::Class, &CustomControlProperties};

TKsCustomControl::TKsCustomControl(TComponent* AOwner)
    : TKsSkinnedControl<TWinControl>(AOwner), FCanvas(std::make_unique<TCanvas>()) {
    Surface().OnBeforeFree = MakeEvent(this, &TKsCustomControl::SurfaceFreeing);
    Surface().OnChange = MakeEvent(this, &TKsCustomControl::SurfaceChanged);
    Surface().SetSize(10, 10);
    SetBounds(0, 0, 100, 30);
}

TKsCustomControl::~TKsCustomControl() {
    // The bars are children of this control: they go while it is still whole.
    FreeScrollBars();
    // The window goes while the surfaces exist: its last messages may paint.
    DestroyHandle();
    Surface().OnBeforeFree = {};
    Surface().OnChange = {};
    FCanvas->SetHandle(nullptr);
}

void TKsCustomControl::SurfaceFreeing(TObject*) {
    FRenderedKnown = false;
    FCanvas->SetHandle(nullptr);
}

void TKsCustomControl::SurfaceChanged(TObject*) {
    FCanvas->SetHandle(Surface().DC());
}

void TKsCustomControl::SetBorderStyle(TBorderStyle Value) {
    if (!KsChangeValue(FBorderStyle, Value))
        return;
    // The built-in bars lie inside the border.
    PlaceScrollBars();
    Invalidate();
}

void TKsCustomControl::Repaint() {
    if (IsDesigning())
        AdjustSurface();
    else
        MarkDirty();
    TWinControl::Repaint();
}

void TKsCustomControl::InvalidatePart(const RECT& Rect) {
    if (IsDesigning() || !HandleAllocated()) {
        Invalidate();
        return;
    }
    MarkDirty();
    NoteRepaintRequest();
    ::InvalidateRect(Handle(), &Rect, !ControlStyle().Contains(TControlStyleFlag::csOpaque));
}

RECT TKsCustomControl::GetPaintRect() const {
    const RECT Whole{0, 0, ControlWidth(), ControlHeight()};
    return FBorderStyle == TBorderStyle::bsSingle ? InflateRectBy(Whole, -2) : Whole;
}

RECT TKsCustomControl::ClientRect() const {
    RECT Client = GetPaintRect();
    Client.right -= VertScrollBarWidth();
    Client.bottom -= HorzScrollBarHeight();
    return Client;
}

void TKsCustomControl::Loaded() {
    TKsSkinnedControl<TWinControl>::Loaded();
    AdjustSurface();
}

void TKsCustomControl::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    // The control draws its own scroll bars.
    Params.Style &= ~static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL);
}

bool TKsCustomControl::IsOwnerBlended() const {
    if (IsDesigning())
        return false;
    auto* Form = dynamic_cast<TWinControl*>(Owner());
    return Form && Form->HandleAllocated() &&
           SendMessageW(Form->Handle(), KM_FORMBLENDED, 0, 0) != 0;
}

void TKsCustomControl::RenderSurface() {
    if (!Parent() || (!Visible() && !IsDesigning()) || Surface().Empty())
        return;
    if (ControlWidth() <= 0 || ControlHeight() <= 0 || !HandleAllocated())
        return;
    if (!IsDesigning() && !Dirty() && !IsOwnerBlended())
        return;
    const bool Keep = CanKeepRenderedImage();
    TKsAppearance Appearance;
    if (Keep)
        DescribeAppearance(Appearance);
    if (Keep && FRenderedKnown && Appearance == FRendered) {
        MarkRendered();
        return;
    }
    // A render that fails half-way leaves an image of no known appearance.
    FRenderedKnown = false;
    Compose(true);
    FRendered = std::move(Appearance);
    FRenderedKnown = Keep;
}

bool TKsCustomControl::CanKeepRenderedImage() const {
    if (!KeepsRenderedImage() || IsDesigning() || Blend())
        return false;
    for (int I = 0; I < ControlCount(); ++I)
        if (!dynamic_cast<TWinControl*>(Controls(I)))
            return false;
    return !IsOwnerBlended();
}

void TKsCustomControl::DescribeAppearance(TKsAppearance& Appearance) const {
    Appearance.Add(ControlWidth());
    Appearance.Add(ControlHeight());
    Appearance.AddColor(Color());
    Appearance.AddFont(*Font());
    Appearance.Add(Enabled());
    Appearance.Add(FFocused);
    Appearance.Add(MouseInside());
    Appearance.Add(FScrollBarStyle);
    Appearance.Add(FBorderStyle);
    if (FBorderStyle != TBorderStyle::bsNone)
        for (const TColor Edge : {clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight})
            Appearance.AddColor(Edge);
    Appearance.Add(Transparent());
    if (!Transparent())
        return;
    Appearance.Add(Parent());
    Appearance.Add(Left());
    Appearance.Add(Top());
    // A parent that shows through itself shows its own parent's looks, and so on up.
    for (const TWinControl* Behind = Parent(); Behind; Behind = Behind->Parent())
        Appearance.Add(Behind->RepaintCount());
}

void TKsCustomControl::DrawDecorations() {
    if (FBorderStyle != TBorderStyle::bsNone)
        DrawBorder();
}

void TKsCustomControl::DrawBorder() {
    TKsBitmap& Image = Surface();
    RECT Rect{0, 0, ControlWidth(), ControlHeight()};
    Image.FrameRect3D(Rect, Opaque(clBtnShadow), Opaque(clBtnHighlight));
    Rect = InflateRectBy(Rect, -1);
    Image.FrameRect3D(Rect, Opaque(cl3DDkShadow), Opaque(cl3DLight));
    Rect = InflateRectBy(Rect, -1);
    Image.FrameRect(Rect, Opaque(Color()));
    Rect = InflateRectBy(Rect, -1);
    Image.FrameRect(Rect, Opaque(Color()));
}

void TKsCustomControl::CaptureParentBackground(TKsBitmap& Target) {
    TWinControl* ParentControl = Parent();
    if (!ParentControl || !ParentControl->HandleAllocated() || Target.Empty())
        return;
    const HDC DC = Target.DC();
    const TSavedDCState Saved(DC);
    MoveWindowOrg(DC, -Left(), -Top());
    SendMessageW(ParentControl->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 12);
    ParentControl->PaintControls(DC, nullptr);
}

void TKsCustomControl::PaintGraphicChildren(HDC DC) {
    for (int I = 0; I < ControlCount(); ++I) {
        TControl* Child = Controls(I);
        if (dynamic_cast<TWinControl*>(Child))
            continue;
        if (!Child->Visible() && !IsDesigning())
            continue;
        if (auto* Skinned = dynamic_cast<TKsGraphicControl*>(Child)) {
            Skinned->RenderFromParent(Surface());
            // Only a completed render is shown; an unfinished one would show stale pixels.
            if (!Skinned->Dirty())
                Skinned->Surface().DrawRectToDC(DC, Child->Left(), Child->Top(),
                                                RECT{0, 0, Child->Width(), Child->Height()});
            continue;
        }
        const RECT Bounds = Child->BoundsRect();
        if (!RectVisible(DC, &Bounds))
            continue;
        const TSavedDCState Saved(DC);
        MoveWindowOrg(DC, Child->Left(), Child->Top());
        IntersectClipRect(DC, 0, 0, Child->Width(), Child->Height());
        Child->Perform(WM_PAINT, reinterpret_cast<uintptr_t>(DC), 0);
    }
}

void TKsCustomControl::DoFocusEnter() {
    FFocused = true;
    Invalidate();
}

void TKsCustomControl::DoFocusExit() {
    FFocused = false;
    Invalidate();
}

void TKsCustomControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CM_ENTER:
        DoFocusEnter();
        TKsSkinnedControl<TWinControl>::Dispatch(Message);
        break;
    case CM_EXIT:
        DoFocusExit();
        TKsSkinnedControl<TWinControl>::Dispatch(Message);
        break;
    case WM_ERASEBKGND:
        WMEraseBkgnd(Message);
        break;
    case WM_PAINT:
        WMPaint(Message);
        break;
    case WM_WINDOWPOSCHANGING:
        WMWindowPosChanging(Message);
        break;
    case WM_THEMECHANGED:
        // The host's visual style may show in the image, and it lists nowhere.
        FRenderedKnown = false;
        TKsSkinnedControl<TWinControl>::Dispatch(Message);
        break;
    default:
        TKsSkinnedControl<TWinControl>::Dispatch(Message);
        break;
    }
}

void TKsCustomControl::WMEraseBkgnd(TMessage& Message) {
    // Inside the control's own paint cycle the paint that follows covers every pixel.
    const auto DC = reinterpret_cast<HDC>(Message.WParam);
    if (DC && !FPainting) {
        RenderSurface();
        Surface().DrawToDC(DC, 0, 0);
    }
    Message.Result = 1;
}

void TKsCustomControl::WMPaint(TMessage& Message) {
    const HWND Window = Handle();
    FPainting = true;
    const TPaintCycle Cycle(Window, reinterpret_cast<HDC>(Message.WParam));
    FPainting = false;
    TKsBitmap& Image = Surface();
    if (!Image.Empty()) {
        MarkDirty();
        RenderSurface();
        PaintGraphicChildren(Image.DC());
        Image.DrawToDC(Cycle.DC(), 0, 0);
    }
    Message.Result = 0;
}

void TKsCustomControl::WMWindowPosChanging(TMessage& Message) {
    auto* Position = reinterpret_cast<WINDOWPOS*>(Message.LParam);
    if (Position && !(Position->flags & SWP_NOSIZE)) {
        SetControlSize(Position->cx, Position->cy);
        AdjustSurface();
        if (IsDesigning() && Blend())
            Position->flags |= SWP_NOCOPYBITS;
    }
    TWinControl::Dispatch(Message);
}

// ---- Graphic base ----
