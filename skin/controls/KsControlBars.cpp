// The control bar as a component: its properties, its size, its painting, band moves by
// mouse and the Ctrl key, and the controls dragged out of it and docked into it.
#include "skin/controls/KsControlBars.h"

#include "framework/core/Properties.h"
#include "framework/windows/DragDock.h"
#include "skin/graphics/KsBitmap.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>

namespace {

using P = TPublished<TKsCustomControlBar>;
const TPropertyTable ControlBarProperties{
    P::Integer("RowSize", &TKsCustomControlBar::RowSize, &TKsCustomControlBar::SetRowSize,
               TKsCustomControlBar::DefaultRowSize),
    P::Boolean("RowSnap", &TKsCustomControlBar::RowSnap, &TKsCustomControlBar::SetRowSnap),
    P::Boolean("AutoDock", &TKsCustomControlBar::AutoDock, &TKsCustomControlBar::SetAutoDock,
               true),
    P::Boolean("AutoDrag", &TKsCustomControlBar::AutoDrag, &TKsCustomControlBar::SetAutoDrag,
               true),
    P::Boolean("AutoSize", &TKsCustomControlBar::AutoSize, &TKsCustomControlBar::SetAutoSize),
    P::Event("OnBandDrag", &TKsCustomControlBar::OnBandDrag),
    P::Event("OnBandInfo", &TKsCustomControlBar::OnBandInfo),
    P::Event("OnBandMove", &TKsCustomControlBar::OnBandMove),
    P::Event("OnBandPaint", &TKsCustomControlBar::OnBandPaint),
    P::Event("OnPaint", &TKsCustomControlBar::OnPaint),
};

TKsColor Opaque(TColor Color) {
    return ColorToKsColor(Color, 255);
}

} // namespace

const TComponentClassOf<TKsCustomControlBar> TKsCustomControlBar::Class{
    "TKsCustomControlBar", TKsCustomControl::Class, &ControlBarProperties};

TKsCustomControlBar::TKsCustomControlBar(TComponent* AOwner) : TKsCustomControl(AOwner) {
    SetControlStyle(TControlStyle{TControlStyleFlag::csAcceptsControls,
                                  TControlStyleFlag::csCaptureMouse,
                                  TControlStyleFlag::csClickEvents, TControlStyleFlag::csOpaque,
                                  TControlStyleFlag::csDoubleClicks});
    FAutoSize = true;
    SetDockSite(true);
    SetBounds(Left(), Top(), 100, 50);
}

TKsCustomControlBar::~TKsCustomControlBar() = default;

void TKsCustomControlBar::CreateParams(TCreateParams& Params) {
    TKsCustomControl::CreateParams(Params);
    // The bar repaints what a layout changes; a resize alone changes nothing inside it.
    Params.ClassStyle &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TKsCustomControlBar::SetRowSize(int Value) {
    FRowSize = std::max(Value, 1);
}

void TKsCustomControlBar::SetAutoSize(bool Value) {
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    AdjustSize();
}

void TKsCustomControlBar::DoAlignControl(TControl* Control) {
    if (!HandleAllocated() || IsDestroying())
        return;
    // The layout places the controls itself: their moves ask for no layout of their own.
    DisableAlign();
    const auto Resume = [this] {
        TControlState State = ControlState();
        State.Exclude(TControlStateFlag::csAlignmentNeeded);
        SetControlState(State);
        EnableAlign();
    };
    try {
        RECT Rect = ClientRect();
        AlignControls(Control, Rect);
    } catch (...) {
        Resume();
        throw;
    }
    Resume();
}

bool TKsCustomControlBar::CanAutoSize(int& NewWidth, int& NewHeight) {
    if (!HandleAllocated() || (!IsDesigning() && ControlCount() == 0))
        return true;
    const bool Columns = Align() == TAlign::alLeft || Align() == TAlign::alRight;
    int64_t Extent = 0;
    for (const auto& Band : FBands) {
        if (!Band->Visible || Band->Parent)
            continue;
        const TControl& Control = *Band->Control;
        const RECT& Insets = Band->Insets;
        Extent = std::max(Extent, Columns ? int64_t{Band->TempPos.x} + Insets.left +
                                                Control.Width() + Insets.right
                                          : int64_t{Band->TempPos.y} + Insets.top +
                                                Control.Height() + Insets.bottom);
    }
    // The client area may lie inside a border: what lies beyond it is added.
    const RECT Client = ClientRect();
    const int64_t Size = Extent + (Columns ? Width() - Client.right : Height() - Client.bottom);
    (Columns ? NewWidth : NewHeight) = static_cast<int>(std::min<int64_t>(Size, INT_MAX));
    return true;
}

void TKsCustomControlBar::AdjustSize() {
    if (!FAutoSize || IsLoading())
        return;
    int NewWidth = Width();
    int NewHeight = Height();
    if (CanAutoSize(NewWidth, NewHeight) && (NewWidth != Width() || NewHeight != Height()))
        SetBounds(Left(), Top(), NewWidth, NewHeight);
}

void TKsCustomControlBar::ControlRemoved(TControl* Control) {
    if (FDragControl == Control)
        FDragControl = nullptr;
    RemoveBand(Control);
    // A control that goes for good leaves no name behind: another one may get its address.
    if (Control->IsDestroying())
        FLastBandControl = nullptr;
    AdjustSize();
    Invalidate();
}

void TKsCustomControlBar::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_CONTROLLISTCHANGE && Message.LParam == 0)
        ControlRemoved(reinterpret_cast<TControl*>(Message.WParam));
    TKsCustomControl::Dispatch(Message);
}

// ---- Events ----

void TKsCustomControlBar::DoBandInfo(TControl* Control, RECT& Insets, int& PreferredSize,
                                     int& RowCount) {
    RowCount = std::max(RowCount, 1);
    OnBandInfo(this, Control, Insets, PreferredSize, RowCount);
    RowCount = std::max(RowCount, 1);
    // Negative margins or widths would turn the control's bounds inside out.
    Insets = RECT{std::max<LONG>(Insets.left, 0), std::max<LONG>(Insets.top, 0),
                  std::max<LONG>(Insets.right, 0), std::max<LONG>(Insets.bottom, 0)};
    PreferredSize = std::max(PreferredSize, 0);
}

void TKsCustomControlBar::DoBandMove(TControl* Control, RECT& R) {
    OnBandMove(this, Control, R);
    R.right = std::max(R.right, R.left);
    R.bottom = std::max(R.bottom, R.top);
}

void TKsCustomControlBar::DoBandPaint(TControl* Control, TCanvas* ACanvas, RECT& R,
                                      TBandPaintOptions& Options) {
    OnBandPaint(this, Control, ACanvas, R, Options);
}

// ---- Painting ----

void TKsCustomControlBar::PaintBackground() {
    Surface().FillRect(GetPaintRect(), Opaque(Color()));
}

void TKsCustomControlBar::PaintControl() {
    if (Surface().Empty())
        return;
    PaintBackground();
    OnPaint(this);
    for (const auto& Band : FBands) {
        if (!Band->Visible || Band->Parent)
            continue;
        PaintBand(Surface(), Band->Control, BandArea(*Band));
    }
}

void TKsCustomControlBar::PaintBand(TKsBitmap& Target, TControl* Control, RECT R) {
    TBandPaintOptions Options{TBandPaintOption::bpGrip, TBandPaintOption::bpEdge};
    DoBandPaint(Control, Canvas(), R, Options);
    const TKsColor Highlight = Opaque(clBtnHighlight);
    const TKsColor Shadow = Opaque(clBtnShadow);
    if (Options.Contains(TBandPaintOption::bpEdge))
        Target.FrameRect3D(R, Highlight, Shadow);
    if (!Options.Contains(TBandPaintOption::bpGrip))
        return;
    // Two raised bars, three pixels apart.
    for (const int Offset : {0, 3}) {
        const RECT Grip{R.left + 3 + Offset, R.top + 2, R.left + 5 + Offset, R.bottom - 3};
        Target.MoveTo(Grip.left + 2, Grip.top);
        Target.LineTo(Grip.left, Grip.top, Highlight);
        Target.LineTo(Grip.left, Grip.bottom + 1, Highlight);
        Target.MoveTo(Grip.right, Grip.top);
        Target.LineTo(Grip.right, Grip.bottom, Shadow);
        Target.LineTo(Grip.left, Grip.bottom, Shadow);
    }
}

// ---- Mouse and keys ----

void TKsCustomControlBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKsCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || GetCaptureControl() != this)
        return;
    // Every press starts from where the controls stand; a band move announced by a docking
    // control and the name of the control last docked or removed outlive the rebuild.
    TControl* Announced = FDragControl;
    TControl* Last = FLastBandControl;
    ClearBands();
    TKsBand* Band = Announced ? FindBand(Announced) : BandAt(X, Y);
    if (!Band)
        return;
    if (Shift.Contains(TShiftStateFlag::ssDouble) && !IsDesigning() &&
        DragControl(Band->Control, X, Y, false))
        return;
    FDragControl = Band->Control;
    if (FDragControl != Last)
        StickControls();
    FBandDragOffset = POINT{Band->TempPos.x - X, Band->TempPos.y - Y};
}

void TKsCustomControlBar::MouseMove(TShiftState Shift, int X, int Y) {
    TKsCustomControl::MouseMove(Shift, X, Y);
    if (!FDragControl || GetCaptureControl() != this)
        return;
    TKsBand* Band = FindBand(FDragControl);
    if (!Band)
        return;
    Band->Pos = POINT{X + FBandDragOffset.x, Y + FBandDragOffset.y};
    Band->TempPos = Band->Pos;
    Band->TempWidth = FDragControl->Width() + Band->Insets.left + Band->Insets.right;
    if (!IsDesigning() && FAutoDrag) {
        // Ctrl held while moving tears the band off, as pressing it does.
        if (Shift.Contains(TShiftStateFlag::ssCtrl) && TearOffMovingBand(X, Y, true))
            return;
        const int Reach = FDragControl->Height();
        RECT Around = ClientRect();
        InflateRect(&Around, Reach, Reach);
        if (PtInRect(&Around, Band->Pos)) {
            DoAlignControl(FDragControl);
            return;
        }
        if (TearOffMovingBand(X, Y, true))
            return;
    }
    DoAlignControl(FDragControl);
}

void TKsCustomControlBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FDragControl) {
        TControl* Moved = std::exchange(FDragControl, nullptr);
        if (Moved == FLastBandControl)
            FLastBandControl = nullptr;
        else
            StickControls();
    }
    TKsCustomControl::MouseUp(Button, Shift, X, Y);
}

void TKsCustomControlBar::KeyDown(TKey& Key, TShiftState Shift) {
    if (Key == VK_CONTROL && FDragControl && GetCaptureControl() == this && !IsDesigning() &&
        FAutoDrag) {
        POINT Cursor{};
        GetCursorPos(&Cursor);
        const POINT Client = ScreenToClient(Cursor);
        TearOffMovingBand(Client.x, Client.y, true);
    }
    TKsCustomControl::KeyDown(Key, Shift);
}

bool TKsCustomControlBar::TearOffMovingBand(int X, int Y, bool KeepCapture) {
    TControl* Moving = FDragControl;
    if (!DragControl(Moving, X, Y, KeepCapture))
        return false;
    // The drag has the band now; the bar no longer moves it.
    if (FDragControl == Moving)
        FDragControl = nullptr;
    return true;
}

// ---- Dragging out and docking ----

bool TKsCustomControlBar::DragControl(TControl* Control, int, int, bool KeepCapture) {
    bool Drag = true;
    OnBandDrag(this, Control, Drag);
    if (!Drag)
        return false;
    if (!KeepCapture && GetCaptureControl() == this)
        SetCaptureControl(nullptr);
    Control->BeginDrag(true);
    return Control->Dragging();
}

void TKsCustomControlBar::DockOver(TDragDockObject& Source, int X, int Y, TDragState State,
                                   bool& Accept) {
    TKsCustomControl::DockOver(Source, X, Y, State, Accept);
    TControl* Control = Source.Control();
    if (!Accept || State != TDragState::dsDragEnter || !FAutoDrag || !FAutoDock ||
        !Control->Floating())
        return;
    // The floating control docks where it is and goes on as a band moved by the mouse,
    // which the button still holds.
    FDragControl = Control;
    Control->EndDrag(true);
    PostMessageW(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(POINT{X, Y}));
}

void TKsCustomControlBar::DockDrop(TDragDockObject& Source, int X, int Y) {
    TKsCustomControl::DockDrop(Source, X, Y);
    // The control's band goes where it was let go, as if the user had moved it there.
    DoAlignControl(Source.Control());
}
