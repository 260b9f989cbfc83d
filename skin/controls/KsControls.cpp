#include "skin/controls/KsControls.h"

#include "framework/core/Properties.h"
#include "framework/windows/PaintScopes.h"
#include "skin/controls/KsScrollBars.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsUtils.h"

namespace {

using PC = TPublished<TKsCustomControl>;
const TPropertyTable CustomControlProperties{
    PC::Boolean("Transparent", &TKsCustomControl::Transparent, &TKsCustomControl::SetTransparent),
    PC::Boolean("Blend", &TKsCustomControl::Blend, &TKsCustomControl::SetBlend),
    PC::Integer("BlendValue", &TKsCustomControl::BlendValue, &TKsCustomControl::SetBlendValue, 150),
    PC::Enumeration("BorderStyle", BorderStyleInfo, &TKsCustomControl::BorderStyle,
                    &TKsCustomControl::SetBorderStyle),
    PC::Event("OnMouseEnter", &TKsCustomControl::OnMouseEnter),
    PC::Event("OnMouseLeave", &TKsCustomControl::OnMouseLeave),
};

using PG = TPublished<TKsGraphicControl>;
const TPropertyTable GraphicControlProperties{
    PG::Boolean("Transparent", &TKsGraphicControl::Transparent, &TKsGraphicControl::SetTransparent),
    PG::Boolean("Blend", &TKsGraphicControl::Blend, &TKsGraphicControl::SetBlend),
    PG::Integer("BlendValue", &TKsGraphicControl::BlendValue, &TKsGraphicControl::SetBlendValue,
                150),
    PG::Event("OnMouseEnter", &TKsGraphicControl::OnMouseEnter),
    PG::Event("OnMouseLeave", &TKsGraphicControl::OnMouseLeave),
};

TKsColor Opaque(TColor Color) {
    return ColorToKsColor(Color, 255);
}

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

void KsNotifyMouse(TObject* Control, bool& Inside, bool Entered, const TNotifyEvent& Event) {
    Inside = Entered;
    if (Event)
        Event(Control);
}

// ---- Windowed base ----

const TComponentClassOf<TKsCustomControl> TKsCustomControl::Class{
    "TKsCustomControl", TWinControl::Class, &CustomControlProperties};

TKsCustomControl::TKsCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FDrawFont(std::make_unique<TFont>()),
      FCanvas(std::make_unique<TCanvas>()) {
    Surface().OnBeforeFree = MakeEvent(this, &TKsCustomControl::SurfaceFreeing);
    Surface().OnChange = MakeEvent(this, &TKsCustomControl::SurfaceChanged);
    Surface().SetSize(10, 10);
    TControlStyle Style = ControlStyle();
    Style.Include(TControlStyleFlag::csOpaque);
    SetControlStyle(Style);
    SetColor(clBtnFace);
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
    FCanvas->SetHandle(nullptr);
}

void TKsCustomControl::SurfaceChanged(TObject*) {
    FCanvas->SetHandle(Surface().DC());
}

void TKsCustomControl::SetTransparent(bool Value) {
    if (KsChangeValue(FTransparent, Value))
        Invalidate();
}

void TKsCustomControl::SetBlend(bool Value) {
    if (KsChangeValue(FBlend, Value))
        Invalidate();
}

void TKsCustomControl::SetBlendValue(int Value) {
    if (KsChangeValue(FBlendValue, Value))
        Invalidate();
}

void TKsCustomControl::SetBorderStyle(TBorderStyle Value) {
    if (!KsChangeValue(FBorderStyle, Value))
        return;
    // The built-in bars lie inside the border.
    PlaceScrollBars();
    Invalidate();
}

void TKsCustomControl::Invalidate() {
    if (IsDesigning())
        AdjustSurface();
    else
        FDirty = true;
    TWinControl::Invalidate();
}

void TKsCustomControl::Repaint() {
    if (IsDesigning())
        AdjustSurface();
    else
        FDirty = true;
    TWinControl::Repaint();
}

void TKsCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    FWidth = Width();
    FHeight = Height();
    AdjustSurface();
}

RECT TKsCustomControl::GetPaintRect() const {
    const RECT Whole{0, 0, FWidth, FHeight};
    return FBorderStyle == TBorderStyle::bsSingle ? InflateRectBy(Whole, -2) : Whole;
}

RECT TKsCustomControl::ClientRect() const {
    RECT Client = GetPaintRect();
    Client.right -= VertScrollBarWidth();
    Client.bottom -= HorzScrollBarHeight();
    return Client;
}

void TKsCustomControl::Loaded() {
    TWinControl::Loaded();
    AdjustSurface();
}

void TKsCustomControl::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    // The control draws its own scroll bars.
    Params.Style &= ~static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL);
}

void TKsCustomControl::AdjustSurface() {
    if (FWidth < 0 || FHeight < 0)
        return;
    PlaceScrollBars();
    if (!FSurfaces.Adjust(FWidth, FHeight, IsDesigning(), FBlend) && !IsDesigning())
        return;
    FDirty = true;
    RenderSurface();
}

bool TKsCustomControl::IsOwnerBlended() const {
    if (IsDesigning())
        return false;
    auto* Form = dynamic_cast<TWinControl*>(Owner());
    return Form && Form->HandleAllocated() &&
           SendMessageW(Form->Handle(), KM_FORMBLENDED, 0, 0) != 0;
}

void TKsCustomControl::RenderSurface() {
    TKsBitmap& Image = Surface();
    if (!Parent() || (!Visible() && !IsDesigning()) || Image.Empty())
        return;
    if (FWidth <= 0 || FHeight <= 0 || !HandleAllocated())
        return;
    if (!IsDesigning() && !FDirty && !IsOwnerBlended())
        return;
    FDrawFont->Assign(Font());
    if (FBlend) {
        FSurfaces.SizeBackground();
        TKsBitmap& Background = FSurfaces.Background();
        CaptureParentBackground(Background);
        Background.SetAlpha(255);
        if (FTransparent)
            Background.Draw(Image, 0, 0);
        if (FBorderStyle != TBorderStyle::bsNone)
            DrawBorder();
        PaintControl();
        PaintScrollBarCorner();
        FSurfaces.BlendOverBackground(FBlendValue);
    } else {
        if (FTransparent)
            CaptureParentBackground(Image);
        if (FBorderStyle != TBorderStyle::bsNone)
            DrawBorder();
        PaintControl();
        PaintScrollBarCorner();
    }
    FDirty = false;
}

void TKsCustomControl::CreateWnd() {
    TWinControl::CreateWnd();
    RecreateScrollBars();
}

void TKsCustomControl::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FHorzScrollBar)
        FHorzScrollBar = nullptr;
    if (AComponent == FVertScrollBar)
        FVertScrollBar = nullptr;
}

void TKsCustomControl::SetScrollBarStyle(TKsScrollBarStyle Value) {
    if (KsChangeValue(FScrollBarStyle, Value) && HandleAllocated())
        RecreateScrollBars();
}

TKsCustomScrollBar* TKsCustomControl::CreateScrollBar() {
    return new TKsScrollBar(this);
}

int TKsCustomControl::GetScrollBarSize() const {
    return GetSystemMetrics(SM_CYVTHUMB);
}

void TKsCustomControl::FreeScrollBars() {
    // Freeing an owned component clears the field through Notification.
    delete FHorzScrollBar;
    delete FVertScrollBar;
}

void TKsCustomControl::RecreateScrollBars() {
    FreeScrollBars();
    const bool Horizontal = FScrollBarStyle == TKsScrollBarStyle::kssHorizontal ||
                            FScrollBarStyle == TKsScrollBarStyle::kssBoth;
    const bool Vertical = FScrollBarStyle == TKsScrollBarStyle::kssVertical ||
                          FScrollBarStyle == TKsScrollBarStyle::kssBoth;
    if (Horizontal) {
        FHorzScrollBar = MakeScrollBar(false);
        FHorzScrollBar->OnScroll = MakeEvent(this, &TKsCustomControl::HorzScrollBarScroll);
    }
    if (Vertical) {
        FVertScrollBar = MakeScrollBar(true);
        FVertScrollBar->OnScroll = MakeEvent(this, &TKsCustomControl::VertScrollBarScroll);
    }
    PlaceScrollBars();
    Invalidate();
}

TKsCustomScrollBar* TKsCustomControl::MakeScrollBar(bool Vertical) {
    TKsCustomScrollBar* Bar = CreateScrollBar();
    Bar->SetBorderWidth(0);
    Bar->SetParent(this);
    Bar->SetKind(Vertical ? TScrollBarKind::sbVertical : TScrollBarKind::sbHorizontal);
    if (Vertical)
        Bar->SetWidth(GetScrollBarSize());
    else
        Bar->SetHeight(GetScrollBarSize());
    Bar->SetVisible(true);
    Bar->SetTransparent(false);
    return Bar;
}

int TKsCustomControl::HorzScrollBarHeight() const {
    return FHorzScrollBar ? FHorzScrollBar->Height() : 0;
}

int TKsCustomControl::VertScrollBarWidth() const {
    return FVertScrollBar ? FVertScrollBar->Width() : 0;
}

void TKsCustomControl::PlaceScrollBars() {
    const RECT Area = GetPaintRect();
    const int BarHeight = HorzScrollBarHeight();
    const int BarWidth = VertScrollBarWidth();
    if (FHorzScrollBar)
        FHorzScrollBar->SetBounds(Area.left, Area.bottom - BarHeight,
                                  Area.right - BarWidth - Area.left, BarHeight);
    if (FVertScrollBar)
        FVertScrollBar->SetBounds(Area.right - BarWidth, Area.top, BarWidth,
                                  Area.bottom - BarHeight - Area.top);
}

void TKsCustomControl::PaintScrollBarCorner() {
    if (!FHorzScrollBar || !FVertScrollBar)
        return;
    const RECT Area = GetPaintRect();
    Surface().FillRect(RECT{Area.right - VertScrollBarWidth(), Area.bottom - HorzScrollBarHeight(),
                            Area.right, Area.bottom},
                       Opaque(Color()));
}

void TKsCustomControl::HorzScrollBarScroll(TObject*, TKsScrollCode ScrollCode, int& ScrollPos) {
    ForwardScroll(WM_HSCROLL, FHorzScrollBar, ScrollCode, ScrollPos);
}

void TKsCustomControl::VertScrollBarScroll(TObject*, TKsScrollCode ScrollCode, int& ScrollPos) {
    ForwardScroll(WM_VSCROLL, FVertScrollBar, ScrollCode, ScrollPos);
}

void TKsCustomControl::ForwardScroll(uint32_t Msg, const TKsCustomScrollBar* Bar,
                                     TKsScrollCode ScrollCode, int& ScrollPos) {
    if (FScrollLock || !Bar)
        return;
    const int Before = Bar->Position();
    Perform(Msg, static_cast<uintptr_t>(ScrollCode), ScrollPos);
    // The requested position stands, unless the control moved the bar itself meanwhile.
    if (Bar->Position() != Before)
        ScrollPos = Bar->Position();
}

void TKsCustomControl::PaintControl() {
    if (!FTransparent)
        Surface().FillRect(GetPaintRect(), Opaque(Color()));
}

void TKsCustomControl::DrawBorder() {
    TKsBitmap& Image = Surface();
    RECT Rect{0, 0, FWidth, FHeight};
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

void TKsCustomControl::DoMouseEnter() {
    KsNotifyMouse(this, FMouseInside, true, OnMouseEnter);
}

void TKsCustomControl::DoMouseLeave() {
    KsNotifyMouse(this, FMouseInside, false, OnMouseLeave);
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
    case CM_MOUSEENTER:
        TWinControl::Dispatch(Message);
        DoMouseEnter();
        break;
    case CM_MOUSELEAVE:
        TWinControl::Dispatch(Message);
        DoMouseLeave();
        break;
    case CM_ENTER:
        DoFocusEnter();
        TWinControl::Dispatch(Message);
        break;
    case CM_EXIT:
        DoFocusExit();
        TWinControl::Dispatch(Message);
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
    default:
        TWinControl::Dispatch(Message);
        break;
    }
}

void TKsCustomControl::WMEraseBkgnd(TMessage& Message) {
    if (const auto DC = reinterpret_cast<HDC>(Message.WParam)) {
        RenderSurface();
        Surface().DrawToDC(DC, 0, 0);
    }
    Message.Result = 1;
}

void TKsCustomControl::WMPaint(TMessage& Message) {
    const TPaintCycle Cycle(Handle(), reinterpret_cast<HDC>(Message.WParam));
    TKsBitmap& Image = Surface();
    if (!Image.Empty()) {
        FDirty = true;
        RenderSurface();
        PaintGraphicChildren(Image.DC());
        Image.DrawToDC(Cycle.DC(), 0, 0);
    }
    Message.Result = 0;
}

void TKsCustomControl::WMWindowPosChanging(TMessage& Message) {
    auto* Position = reinterpret_cast<WINDOWPOS*>(Message.LParam);
    if (Position && !(Position->flags & SWP_NOSIZE)) {
        FWidth = Position->cx;
        FHeight = Position->cy;
        AdjustSurface();
        if (IsDesigning() && FBlend)
            Position->flags |= SWP_NOCOPYBITS;
    }
    TWinControl::Dispatch(Message);
}

// ---- Graphic base ----

const TComponentClassOf<TKsGraphicControl> TKsGraphicControl::Class{
    "TKsGraphicControl", TGraphicControl::Class, &GraphicControlProperties};

TKsGraphicControl::TKsGraphicControl(TComponent* AOwner)
    : TGraphicControl(AOwner), FDrawFont(std::make_unique<TFont>()) {
    TControlStyle Style = ControlStyle();
    Style.Include(TControlStyleFlag::csOpaque);
    SetControlStyle(Style);
    SetColor(clBtnFace);
    SetBounds(0, 0, 100, 30);
}

TKsGraphicControl::~TKsGraphicControl() = default;

void TKsGraphicControl::SetTransparent(bool Value) {
    if (KsChangeValue(FTransparent, Value))
        Invalidate();
}

void TKsGraphicControl::SetBlend(bool Value) {
    if (KsChangeValue(FBlend, Value))
        Invalidate();
}

void TKsGraphicControl::SetBlendValue(int Value) {
    if (KsChangeValue(FBlendValue, Value))
        Invalidate();
}

void TKsGraphicControl::Invalidate() {
    if (IsDesigning())
        AdjustSurface();
    else
        FDirty = true;
    TGraphicControl::Invalidate();
}

void TKsGraphicControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    FWidth = Width();
    FHeight = Height();
    AdjustSurface();
}

void TKsGraphicControl::Loaded() {
    TGraphicControl::Loaded();
    Invalidate();
}

void TKsGraphicControl::AdjustSurface() {
    if (FWidth < 0 || FHeight < 0)
        return;
    if (!FSurfaces.Adjust(FWidth, FHeight, IsDesigning(), FBlend) && !IsDesigning())
        return;
    FDirty = true;
    RenderSurface();
}

void TKsGraphicControl::RenderSurface() {
    TKsBitmap& Image = Surface();
    if ((!Visible() && !IsDesigning()) || Image.Empty())
        return;
    if (FWidth <= 0 || FHeight <= 0 || !FDirty)
        return;
    FDrawFont->Assign(Font());
    if (FBlend) {
        FSurfaces.SizeBackground();
        TKsBitmap& Background = FSurfaces.Background();
        DrawParentBackground(this, Background.DC());
        Background.SetAlpha(255);
        if (FTransparent)
            Background.Draw(Image, 0, 0);
        PaintControl();
        FSurfaces.BlendOverBackground(FBlendValue);
    } else {
        if (FTransparent && !FPaintedByParent)
            DrawParentBackground(this, Image.DC());
        PaintControl();
    }
    FDirty = false;
}

void TKsGraphicControl::RenderFromParent(const TKsBitmap& Background) {
    FPaintedByParent = true;
    Background.DrawRect(Surface(), 0, 0, BoundsRect());
    FDirty = true;
    RenderSurface();
    FPaintedByParent = false;
}

void TKsGraphicControl::PaintControl() {
    if (!FTransparent)
        Surface().FillRect(WholeSurface(Surface()), Opaque(Color()));
}

void TKsGraphicControl::Paint() {
    if (Surface().Empty())
        return;
    FDirty = true;
    RenderSurface();
    if (!FDirty)
        Surface().DrawToDC(Canvas()->Handle(), 0, 0);
}

void TKsGraphicControl::DoMouseEnter() {
    KsNotifyMouse(this, FMouseInside, true, OnMouseEnter);
}

void TKsGraphicControl::DoMouseLeave() {
    KsNotifyMouse(this, FMouseInside, false, OnMouseLeave);
}

void TKsGraphicControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CM_MOUSEENTER:
        TGraphicControl::Dispatch(Message);
        DoMouseEnter();
        break;
    case CM_MOUSELEAVE:
        TGraphicControl::Dispatch(Message);
        DoMouseLeave();
        break;
    default:
        TGraphicControl::Dispatch(Message);
        break;
    }
}
