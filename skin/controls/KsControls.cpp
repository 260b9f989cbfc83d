#include "skin/controls/KsControls.h"

#include "framework/core/Properties.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsUtils.h"

namespace {

using P = TPublished<TKsGraphicControl>;
const TPropertyTable GraphicControlProperties{
    P::Boolean("Transparent", &TKsGraphicControl::Transparent, &TKsGraphicControl::SetTransparent),
    P::Boolean("Blend", &TKsGraphicControl::Blend, &TKsGraphicControl::SetBlend),
    P::Integer("BlendValue", &TKsGraphicControl::BlendValue, &TKsGraphicControl::SetBlendValue,
               150),
    P::Event("OnMouseEnter", &TKsGraphicControl::OnMouseEnter),
    P::Event("OnMouseLeave", &TKsGraphicControl::OnMouseLeave),
};

RECT WholeSurface(const TKsBitmap& Surface) {
    return RECT{0, 0, Surface.Width(), Surface.Height()};
}

bool SameSize(const TKsBitmap& A, const TKsBitmap& B) {
    return A.Width() == B.Width() && A.Height() == B.Height();
}

} // namespace

// ---- Surfaces ----

TKsControlSurface::TKsControlSurface()
    : FImage(std::make_unique<TKsBitmap>()), FBackground(std::make_unique<TKsBitmap>()) {}

TKsControlSurface::~TKsControlSurface() = default;

SIZE TKsControlSurface::Rounded(int Width, int Height) {
    return SIZE{Step * (Width / Step + 1), Step * (Height / Step + 1)};
}

bool TKsControlSurface::Adjust(int Width, int Height, bool Exact, bool Blend) {
    const SIZE Current{FImage->Width(), FImage->Height()};
    const bool TooSmall = Current.cx < Width || Current.cy < Height;
    const bool TooLarge = Width < Current.cx - Step || Height < Current.cy - Step;
    bool Resized = false;
    if (Exact || TooSmall || TooLarge) {
        const SIZE Wanted = Rounded(Width, Height);
        FImage->SetSize(Wanted.cx, Wanted.cy);
        Resized = Current.cx != FImage->Width() || Current.cy != FImage->Height();
    }
    if (Blend && !SameSize(*FBackground, *FImage)) {
        SizeBackground();
        Resized = true;
    }
    return Resized;
}

void TKsControlSurface::SizeBackground() {
    if (!SameSize(*FBackground, *FImage))
        FBackground->SetSize(FImage->Width(), FImage->Height());
}

void TKsControlSurface::BlendOverBackground(int BlendValue) {
    FImage->SetAlpha(static_cast<uint8_t>(BlendValue));
    FImage->MergeOver(*FBackground, 0, 0, WholeSurface(*FImage));
}

// ---- What both bases share ----

template <class Base>
TKsSkinnedControl<Base>::TKsSkinnedControl(TComponent* AOwner)
    : Base(AOwner), FDrawFont(std::make_unique<TFont>()) {
    TControlStyle Style = this->ControlStyle();
    Style.Include(TControlStyleFlag::csOpaque);
    this->SetControlStyle(Style);
    this->SetColor(clBtnFace);
}

template <class Base> TKsSkinnedControl<Base>::~TKsSkinnedControl() = default;

template <class Base> void TKsSkinnedControl<Base>::SetTransparent(bool Value) {
    if (KsChangeValue(FTransparent, Value))
        this->Invalidate();
}

template <class Base> void TKsSkinnedControl<Base>::SetBlend(bool Value) {
    if (KsChangeValue(FBlend, Value))
        this->Invalidate();
}

template <class Base> void TKsSkinnedControl<Base>::SetBlendValue(int Value) {
    if (KsChangeValue(FBlendValue, Value))
        this->Invalidate();
}

template <class Base> void TKsSkinnedControl<Base>::Invalidate() {
    if (this->IsDesigning())
        AdjustSurface();
    else
        FDirty = true;
    Base::Invalidate();
}

template <class Base>
void TKsSkinnedControl<Base>::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    Base::SetBounds(ALeft, ATop, AWidth, AHeight);
    SetControlSize(this->Width(), this->Height());
    AdjustSurface();
}

template <class Base> void TKsSkinnedControl<Base>::SetControlSize(int Width, int Height) {
    FWidth = Width;
    FHeight = Height;
}

template <class Base> void TKsSkinnedControl<Base>::AdjustSurface() {
    if (FWidth < 0 || FHeight < 0)
        return;
    SurfaceAdjusting();
    const bool Designing = this->IsDesigning();
    if (!FSurfaces.Adjust(FWidth, FHeight, Designing, FBlend) && !Designing)
        return;
    FDirty = true;
    RenderSurface();
}

template <class Base> RECT TKsSkinnedControl<Base>::PaintArea() const {
    return WholeSurface(Surface());
}

template <class Base> void TKsSkinnedControl<Base>::PaintControl() {
    if (!FTransparent)
        Surface().FillRect(PaintArea(), ColorToKsColor(this->Color(), 255));
}

template <class Base> void TKsSkinnedControl<Base>::TakeDrawFont() {
    FDrawFont->Assign(this->Font());
}

template <class Base> void TKsSkinnedControl<Base>::Compose(bool CaptureWhenTransparent) {
    TakeDrawFont();
    TKsBitmap& Image = Surface();
    if (FBlend) {
        // Blend may have been switched on since the last resize.
        FSurfaces.SizeBackground();
        TKsBitmap& Background = FSurfaces.Background();
        CaptureBackground(Background);
        Background.SetAlpha(255);
        if (FTransparent)
            Background.Draw(Image, 0, 0);
    } else if (FTransparent && CaptureWhenTransparent) {
        CaptureBackground(Image);
    }
    DrawDecorations();
    PaintControl();
    DrawAfterContent();
    if (FBlend)
        FSurfaces.BlendOverBackground(FBlendValue);
    FDirty = false;
}

template <class Base> void TKsSkinnedControl<Base>::DoMouseEnter() {
    FMouseInside = true;
    if (OnMouseEnter)
        OnMouseEnter(this);
}

template <class Base> void TKsSkinnedControl<Base>::DoMouseLeave() {
    FMouseInside = false;
    if (OnMouseLeave)
        OnMouseLeave(this);
}

template <class Base> void TKsSkinnedControl<Base>::Dispatch(TMessage& Message) {
    Base::Dispatch(Message);
    if (Message.Msg == CM_MOUSEENTER)
        DoMouseEnter();
    else if (Message.Msg == CM_MOUSELEAVE)
        DoMouseLeave();
}

template class TKsSkinnedControl<TWinControl>;
template class TKsSkinnedControl<TGraphicControl>;

// ---- Graphic base ----

const TComponentClassOf<TKsGraphicControl> TKsGraphicControl::Class{
    "TKsGraphicControl", TGraphicControl::Class, &GraphicControlProperties};

TKsGraphicControl::TKsGraphicControl(TComponent* AOwner)
    : TKsSkinnedControl<TGraphicControl>(AOwner) {
    SetBounds(0, 0, 100, 30);
}

void TKsGraphicControl::Loaded() {
    TKsSkinnedControl<TGraphicControl>::Loaded();
    Invalidate();
}

void TKsGraphicControl::RenderSurface() {
    if ((!Visible() && !IsDesigning()) || Surface().Empty())
        return;
    if (ControlWidth() <= 0 || ControlHeight() <= 0 || !Dirty())
        return;
    Compose(!FPaintedByParent);
}

void TKsGraphicControl::CaptureBackground(TKsBitmap& Target) {
    DrawParentBackground(this, Target.DC());
}

void TKsGraphicControl::RenderFromParent(const TKsBitmap& Background) {
    FPaintedByParent = true;
    Background.DrawRect(Surface(), 0, 0, BoundsRect());
    MarkDirty();
    RenderSurface();
    FPaintedByParent = false;
}

void TKsGraphicControl::Paint() {
    if (Surface().Empty())
        return;
    MarkDirty();
    RenderSurface();
    if (!Dirty())
        Surface().DrawToDC(Canvas()->Handle(), 0, 0);
}
