#include "skin/controls/KsScrollBars.h"

#include "framework/core/Properties.h"
#include "framework/windows/Timer.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsUtils.h"

#include <algorithm>
#include <climits>

const TEnumInfo ScrollBarKindInfo{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};

namespace {

using P = TPublished<TKsCustomScrollBar>;
const TPropertyTable ScrollBarProperties{
    P::Integer("BorderWidth", &TKsCustomScrollBar::BorderWidth, &TKsCustomScrollBar::SetBorderWidth,
               1),
    P::Boolean("ShowButtons", &TKsCustomScrollBar::ShowButtons, &TKsCustomScrollBar::SetShowButtons,
               true),
    P::Enumeration("Kind", ScrollBarKindInfo, &TKsCustomScrollBar::Kind,
                   &TKsCustomScrollBar::SetKind),
    P::Integer("LargeChange", &TKsCustomScrollBar::LargeChange, &TKsCustomScrollBar::SetLargeChange,
               1),
    P::Integer("SmallChange", &TKsCustomScrollBar::SmallChange, &TKsCustomScrollBar::SetSmallChange,
               1),
    P::Integer("Max", &TKsCustomScrollBar::Max, &TKsCustomScrollBar::SetMax, 100),
    P::Integer("Min", &TKsCustomScrollBar::Min, &TKsCustomScrollBar::SetMin),
    P::Integer("PageSize", &TKsCustomScrollBar::PageSize, &TKsCustomScrollBar::SetPageSize),
    P::Integer("Position", &TKsCustomScrollBar::Position, &TKsCustomScrollBar::SetPosition),
    P::Event("OnChange", &TKsCustomScrollBar::OnChange),
    P::Event("OnScroll", &TKsCustomScrollBar::OnScroll),
};

// The pushed and flat look DrawFrameControl gives a held arrow button.
constexpr UINT PushedFlat = DFCS_PUSHED | DFCS_FLAT;

TKsColor Opaque(TColor Color) {
    return ColorToKsColor(Color, 255);
}

int SystemThumbSize() {
    return GetSystemMetrics(SM_CYVTHUMB);
}

// Numerator / Denominator rounded half away from zero; Denominator > 0. Positions and pixel
// sizes are multiplied in 64 bits, as a range of two thousand million times a track of a
// few hundred pixels does not fit in 32.
int64_t RoundedQuotient(int64_t Numerator, int64_t Denominator) {
    const int64_t Half = Denominator / 2;
    return Numerator >= 0 ? (Numerator + Half) / Denominator : -((-Numerator + Half) / Denominator);
}

int ClampToInt(int64_t Value) {
    return static_cast<int>(std::clamp<int64_t>(Value, INT_MIN, INT_MAX));
}

bool Contains(const RECT& Rect, POINT Point) {
    return PtInRect(&Rect, Point) != FALSE;
}

} // namespace

const TComponentClassOf<TKsCustomScrollBar> TKsCustomScrollBar::Class{
    "TKsCustomScrollBar", TKsGraphicControl::Class, &ScrollBarProperties};
const TComponentClassOf<TKsScrollBar> TKsScrollBar::Class{"TKsScrollBar",
                                                          TKsCustomScrollBar::Class};

TKsCustomScrollBar::TKsCustomScrollBar(TComponent* AOwner) : TKsGraphicControl(AOwner) {
    SetBounds(Left(), Top(), 121, SystemThumbSize() + 2 * FBorderWidth);
}

TKsCustomScrollBar::~TKsCustomScrollBar() = default;

void TKsCustomScrollBar::SetBorderWidth(int Value) {
    if (KsChangeValue(FBorderWidth, Value))
        Invalidate();
}

void TKsCustomScrollBar::SetShowButtons(bool Value) {
    if (KsChangeValue(FShowButtons, Value))
        Invalidate();
}

void TKsCustomScrollBar::SetKind(TScrollBarKind Value) {
    if (!KsChangeValue(FKind, Value))
        return;
    const bool Misshapen = Vertical() ? Width() > Height() : Height() > Width();
    if (IsDesigning() && Misshapen)
        SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TKsCustomScrollBar::SetMax(int Value) {
    if (IsLoading()) {
        FMax = Value;
        return;
    }
    FMax = std::max(Value, FMin);
    LimitToRange();
}

void TKsCustomScrollBar::SetMin(int Value) {
    if (IsLoading()) {
        FMin = Value;
        return;
    }
    FMin = std::min(Value, FMax);
    LimitToRange();
}

void TKsCustomScrollBar::LimitToRange() {
    const int64_t RangeSize = int64_t{FMax} - FMin + 1;
    FPageSize = ClampToInt(std::min<int64_t>(std::max(FPageSize, 0), RangeSize));
    SetPosition(std::clamp(FPosition, FMin, FMax));
    Invalidate();
}

void TKsCustomScrollBar::SetPageSize(int Value) {
    if (Value < 0 || Value == FPageSize)
        return;
    if (IsLoading()) {
        FPageSize = Value;
        return;
    }
    FPageSize = ClampToInt(std::min<int64_t>(Value, int64_t{FMax} - FMin + 1));
    Invalidate();
}

void TKsCustomScrollBar::SetPosition(int Value) {
    if (IsLoading()) {
        FPosition = Value;
        return;
    }
    if (!KsChangeValue(FPosition, std::clamp(Value, FMin, FMax)))
        return;
    Invalidate();
    DoChange();
}

void TKsCustomScrollBar::Loaded() {
    TKsGraphicControl::Loaded();
    FMax = std::max(FMax, FMin);
    LimitToRange();
}

void TKsCustomScrollBar::AdjustSize() {
    const int Thickness = SystemThumbSize() + 2 * FBorderWidth;
    if (Vertical())
        SetBounds(Left(), Top(), Thickness, Height());
    else
        SetBounds(Left(), Top(), Width(), Thickness);
}

// ---- Geometry ----

int TKsCustomScrollBar::GetButtonSize() const {
    const int Length = (Vertical() ? Height() : Width()) - 2 * FBorderWidth;
    const int Thumb = SystemThumbSize();
    return Length < 2 * Thumb ? Length / 2 : Thumb;
}

RECT TKsCustomScrollBar::GetFirstButtonRect() const {
    const int B = FBorderWidth;
    const int Size = GetButtonSize();
    return Vertical() ? RECT{B, B, Width() - B, B + Size} : RECT{B, B, B + Size, Height() - B};
}

RECT TKsCustomScrollBar::GetSecondButtonRect() const {
    const int B = FBorderWidth;
    const int Size = GetButtonSize();
    return Vertical() ? RECT{B, Height() - B - Size, Width() - B, Height() - B}
                      : RECT{Width() - B - Size, B, Width() - B, Height() - B};
}

RECT TKsCustomScrollBar::GetTrackRect() const {
    RECT Track = InflateRectBy(RECT{0, 0, Width(), Height()}, -FBorderWidth);
    if (FShowButtons) {
        const int Size = GetButtonSize();
        if (Vertical()) {
            Track.top += Size;
            Track.bottom -= Size;
        } else {
            Track.left += Size;
            Track.right -= Size;
        }
    }
    return Track;
}

int TKsCustomScrollBar::TrackStart() const {
    const RECT Track = GetTrackRect();
    return Vertical() ? Track.top : Track.left;
}

int TKsCustomScrollBar::TrackEnd() const {
    const RECT Track = GetTrackRect();
    return Vertical() ? Track.bottom : Track.right;
}

RECT TKsCustomScrollBar::TrackSlice(int From, int To) const {
    RECT Slice = GetTrackRect();
    if (Vertical()) {
        Slice.top = From;
        Slice.bottom = To;
    } else {
        Slice.left = From;
        Slice.right = To;
    }
    return Slice;
}

int TKsCustomScrollBar::GetThumbSize() const {
    const int TrackLength = TrackEnd() - TrackStart();
    const int SystemSize = SystemThumbSize();
    int Size = SystemSize;
    const int64_t RangeSize = int64_t{FMax} - FMin + 1;
    // While a layout is read Min may stand above Max: such a range has no pages.
    if (FPageSize > 0 && RangeSize >= 1) {
        Size = ClampToInt(RoundedQuotient(int64_t{TrackLength} * FPageSize, RangeSize));
        Size = std::max(Size, SystemSize / 3 * 2);
    }
    return Size < TrackLength ? Size : 0;
}

namespace {

// The positions the thumb can take and the pixels it can move over, as both mappings between
// them use them.
struct TThumbTravel {
    int Start;
    int64_t Range;
    int64_t Free;
};

TThumbTravel ThumbTravel(const TKsCustomScrollBar& Bar) {
    const RECT Track = Bar.GetTrackRect();
    const int Start = Bar.Vertical() ? Track.top : Track.left;
    const int End = Bar.Vertical() ? Track.bottom : Track.right;
    const int64_t Span = int64_t{Bar.Max()} - Bar.Min();
    return TThumbTravel{Start, Bar.PageSize() > 0 ? Span - Bar.PageSize() + 1 : Span,
                        int64_t{End} - Start - Bar.GetThumbSize()};
}

} // namespace

int TKsCustomScrollBar::PositionToPixel() const {
    const TThumbTravel Travel = ThumbTravel(*this);
    if (Travel.Range < 1)
        return Travel.Start;
    if (FPosition > int64_t{FMax} - FPageSize + 1)
        return TrackEnd() - GetThumbSize();
    return Travel.Start +
           ClampToInt(RoundedQuotient((int64_t{FPosition} - FMin) * Travel.Free, Travel.Range));
}

int TKsCustomScrollBar::PixelToPosition(int Pixel) const {
    const TThumbTravel Travel = ThumbTravel(*this);
    // A range too small for the track maps every pixel to the start.
    if (Travel.Free <= 0 || Travel.Range < 1)
        return FMin;
    const int64_t Position =
        FMin + RoundedQuotient(Travel.Range * (int64_t{Pixel} - Travel.Start), Travel.Free);
    // The last position at which the page still ends within the range.
    const int64_t Last = int64_t{FMax} - std::max(FPageSize - 1, 0);
    return ClampToInt(std::clamp<int64_t>(Position, FMin, std::max<int64_t>(Last, FMin)));
}

RECT TKsCustomScrollBar::GetThumbRect() const {
    const int From = PositionToPixel();
    return TrackSlice(From, From + GetThumbSize());
}

RECT TKsCustomScrollBar::GetPageBeforeRect() const {
    return TrackSlice(TrackStart(), PositionToPixel());
}

RECT TKsCustomScrollBar::GetPageAfterRect() const {
    return TrackSlice(PositionToPixel() + GetThumbSize(), TrackEnd());
}

bool TKsCustomScrollBar::InFirstButton(POINT Point) const {
    return Contains(GetFirstButtonRect(), Point);
}

bool TKsCustomScrollBar::InSecondButton(POINT Point) const {
    return Contains(GetSecondButtonRect(), Point);
}

bool TKsCustomScrollBar::InThumb(POINT Point) const {
    return Contains(GetThumbRect(), Point);
}

bool TKsCustomScrollBar::InPageBefore(POINT Point) const {
    return Contains(GetPageBeforeRect(), Point);
}

bool TKsCustomScrollBar::InPageAfter(POINT Point) const {
    return Contains(GetPageAfterRect(), Point);
}

// ---- Painting ----

void TKsCustomScrollBar::PaintControl() {
    TKsGraphicControl::PaintControl();
    PaintBorder();
    PaintTrack();
    if (FShowButtons) {
        PaintFirstButton();
        PaintSecondButton();
    }
    const RECT Thumb = GetThumbRect();
    if ((Enabled() || IsDesigning()) && !IsRectEmpty(Thumb)) {
        PaintThumb();
        if (PageBeforePressed())
            PaintPressedPage(GetPageBeforeRect());
        if (PageAfterPressed())
            PaintPressedPage(GetPageAfterRect());
    }
}

void TKsCustomScrollBar::PaintBorder() {
    if (FBorderWidth > 0)
        Surface().FrameRect3D(RECT{0, 0, Width(), Height()}, Opaque(clBtnShadow),
                              Opaque(clBtnHighlight));
}

void TKsCustomScrollBar::PaintTrack() {
    Surface().FillDither(GetTrackRect(), Opaque(clScrollBar), Opaque(clBtnHighlight));
}

namespace {

void DrawArrowButton(TKsBitmap& Surface, RECT Rect, UINT Arrow, bool Pressed, bool Inactive) {
    const UINT State = Arrow | (Pressed ? PushedFlat : 0) | (Inactive ? DFCS_INACTIVE : 0);
    DrawFrameControl(Surface.DC(), &Rect, DFC_SCROLL, State);
}

} // namespace

void TKsCustomScrollBar::PaintFirstButton() {
    DrawArrowButton(Surface(), GetFirstButtonRect(), Vertical() ? DFCS_SCROLLUP : DFCS_SCROLLLEFT,
                    FirstButtonPressed(), !Enabled() && !IsDesigning());
}

void TKsCustomScrollBar::PaintSecondButton() {
    DrawArrowButton(Surface(), GetSecondButtonRect(),
                    Vertical() ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT, SecondButtonPressed(),
                    !Enabled() && !IsDesigning());
}

void TKsCustomScrollBar::PaintThumb() {
    TKsBitmap& Image = Surface();
    const RECT Thumb = GetThumbRect();
    Image.FillRect(Thumb, Opaque(clBtnFace));
    if (ThumbDragged()) {
        Image.FrameRect(Thumb, Opaque(clBtnShadow));
        return;
    }
    Image.FrameRect3D(InflateRectBy(Thumb, -1), Opaque(clBtnHighlight), Opaque(clBtnShadow));
    Image.FrameRect3D(Thumb, Opaque(cl3DLight), Opaque(cl3DDkShadow));
}

void TKsCustomScrollBar::PaintPressedPage(const RECT& Rect) {
    Surface().FillRect(Rect, Opaque(cl3DDkShadow));
}

// ---- Scrolling ----

void TKsCustomScrollBar::DoScroll(TKsScrollCode ScrollCode, int& ScrollPos) {
    OnScroll(this, ScrollCode, ScrollPos);
}

void TKsCustomScrollBar::DoChange() {
    OnChange(this);
}

void TKsCustomScrollBar::Scroll(TKsScrollCode ScrollCode, int ScrollPos) {
    DoScroll(ScrollCode, ScrollPos);
    SetPosition(ScrollPos);
}

void TKsCustomScrollBar::ScrollStep(WORD Key) {
    const int64_t Page = FPageSize >= 1 ? FPageSize : FLargeChange;
    int64_t Wanted = 0;
    TKsScrollCode Code{};
    switch (Key) {
    case VK_PRIOR:
        Wanted = FPosition - Page;
        Code = TKsScrollCode::kscPageUp;
        break;
    case VK_NEXT:
        Wanted = FPosition + Page;
        Code = TKsScrollCode::kscPageDown;
        break;
    case VK_END:
        Wanted = FMax;
        Code = TKsScrollCode::kscBottom;
        break;
    case VK_HOME:
        Wanted = FMin;
        Code = TKsScrollCode::kscTop;
        break;
    case VK_LEFT:
    case VK_UP:
        Wanted = int64_t{FPosition} - FSmallChange;
        Code = TKsScrollCode::kscLineUp;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        Wanted = int64_t{FPosition} + FSmallChange;
        Code = TKsScrollCode::kscLineDown;
        break;
    default:
        return;
    }
    Scroll(Code, static_cast<int>(std::clamp<int64_t>(Wanted, FMin, FMax)));
    if (Code == TKsScrollCode::kscLineUp && FPosition <= FMin && FAutoScrollUp)
        SetAutoScrollUp(false);
    if (Code == TKsScrollCode::kscLineDown && FPosition >= FMax && FAutoScrollDown)
        SetAutoScrollDown(false);
}

void TKsCustomScrollBar::SetAutoScrollUp(bool Value) {
    SetAutoScroll(FAutoScrollUp, FAutoScrollDown, Value);
}

void TKsCustomScrollBar::SetAutoScrollDown(bool Value) {
    SetAutoScroll(FAutoScrollDown, FAutoScrollUp, Value);
}

void TKsCustomScrollBar::SetAutoScroll(bool& Direction, bool& Opposite, bool Value) {
    if (!KsChangeValue(Direction, Value))
        return;
    if (Value) {
        Opposite = false;
        StartRepeat(false);
    } else {
        StopRepeat();
    }
}

// ---- Mouse ----

bool TKsCustomScrollBar::AnyPartPressed() const {
    return FirstButtonPressed() || SecondButtonPressed() || PageBeforePressed() ||
           PageAfterPressed();
}

bool TKsCustomScrollBar::UpdateHover(POINT Point) {
    bool Changed = KsChangeValue(FHotThumb, InThumb(Point));
    Changed |= KsChangeValue(FHotFirst, FShowButtons && InFirstButton(Point));
    Changed |= KsChangeValue(FHotSecond, FShowButtons && InSecondButton(Point));
    Changed |= KsChangeValue(FHotPageBefore, InPageBefore(Point));
    Changed |= KsChangeValue(FHotPageAfter, InPageAfter(Point));
    return Changed;
}

void TKsCustomScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKsGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    const POINT Point{X, Y};
    FLastPoint = Point;
    UpdateHover(Point);
    if (InThumb(Point)) {
        FDragOffset = Along(Point) - PositionToPixel();
        Scroll(TKsScrollCode::kscTrack, FPosition);
        Invalidate();
    }
    FPressedFirst = FShowButtons && InFirstButton(Point);
    FPressedSecond = FShowButtons && InSecondButton(Point);
    FPressedPageBefore = !ThumbDragged() && InPageBefore(Point);
    FPressedPageAfter = !ThumbDragged() && InPageAfter(Point);
    if (AnyPartPressed()) {
        Invalidate();
        StartRepeat(true);
    }
}

void TKsCustomScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
    TKsGraphicControl::MouseMove(Shift, X, Y);
    const POINT Point{X, Y};
    FLastPoint = Point;
    if (ThumbDragged()) {
        if (GetCaptureControl() != this) {
            // The drag lost the mouse to another window: it ends where it is.
            EndTracking();
        } else {
            const int Pixel = std::clamp(Along(Point) - FDragOffset, TrackStart(), TrackEnd());
            Scroll(TKsScrollCode::kscTrack, PixelToPosition(Pixel));
        }
    }
    if (UpdateHover(Point))
        Invalidate();
}

void TKsCustomScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKsGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    if (ThumbDragged())
        Scroll(TKsScrollCode::kscPosition, FPosition);
    EndTracking();
}

void TKsCustomScrollBar::EndTracking() {
    FDragOffset = -1;
    FPressedFirst = false;
    FPressedSecond = false;
    FPressedPageBefore = false;
    FPressedPageAfter = false;
    StopRepeat();
    Scroll(TKsScrollCode::kscEndScroll, FPosition);
    Invalidate();
}

void TKsCustomScrollBar::DoMouseLeave() {
    TKsGraphicControl::DoMouseLeave();
    if (!(FHotThumb || FHotFirst || FHotSecond || FHotPageBefore || FHotPageAfter))
        return;
    FHotThumb = FHotFirst = FHotSecond = FHotPageBefore = FHotPageAfter = false;
    Invalidate();
}

void TKsCustomScrollBar::Dispatch(TMessage& Message) {
    TKsGraphicControl::Dispatch(Message);
    if (Message.Msg == CM_ENABLEDCHANGED)
        Invalidate();
}

// ---- Auto-repeat ----

bool TKsCustomScrollBar::Repeating() const {
    return FRepeatTimer && FRepeatTimer->Enabled();
}

void TKsCustomScrollBar::StartRepeat(bool Immediate) {
    if (!FRepeatTimer) {
        FRepeatTimer = std::make_unique<TTimer>(nullptr);
        FRepeatTimer->SetEnabled(false);
        FRepeatTimer->SetOnTimer(MakeEvent(this, &TKsCustomScrollBar::RepeatTick));
    }
    if (Immediate) {
        RepeatTick(FRepeatTimer.get());
        FRepeatTimer->SetInterval(static_cast<uint32_t>(GetKeyboardDelayMs()));
    } else {
        FRepeatTimer->SetInterval(static_cast<uint32_t>(GetKeyboardRepeatMs()));
    }
    FRepeatTimer->SetEnabled(true);
}

void TKsCustomScrollBar::StopRepeat() {
    if (FRepeatTimer)
        FRepeatTimer->SetEnabled(false);
}

void TKsCustomScrollBar::RepeatTick(TObject*) {
    const bool Held = FPressedFirst || FPressedSecond || FPressedPageBefore || FPressedPageAfter;
    if (Held && GetCaptureControl() != this) {
        // The button was released where this bar could not see it, or another window took
        // the mouse (an error box, a menu): nothing is held any more.
        EndTracking();
        return;
    }
    FRepeatTimer->SetInterval(static_cast<uint32_t>(GetKeyboardRepeatMs()));
    try {
        if (FirstButtonPressed() || FAutoScrollUp) {
            ScrollStep(VK_LEFT);
        } else if (SecondButtonPressed() || FAutoScrollDown) {
            ScrollStep(VK_RIGHT);
        } else {
            bool Changed = KsChangeValue(FHotPageBefore, InPageBefore(FLastPoint));
            if (PageBeforePressed()) {
                ScrollStep(VK_PRIOR);
            } else {
                Changed |= KsChangeValue(FHotPageAfter, InPageAfter(FLastPoint));
                if (PageAfterPressed())
                    ScrollStep(VK_NEXT);
            }
            if (Changed)
                Invalidate();
        }
    } catch (...) {
        StopRepeat();
        throw;
    }
}
