// TKsCustomScrollBar: a scroll bar drawn entirely into a skinned surface. It is a graphic
// control (no window, never focused) that handles the mouse itself: arrow buttons and the
// page areas step while held, with the user's keyboard delay and repeat rate, and the thumb
// follows a drag. Descendants change the look by overriding the Paint... operations and the
// button size; the geometry and the stepping stay here.
#pragma once

#include "framework/windows/ScrollingWinControl.h"
#include "skin/controls/KsControls.h"

#include <cstdint>
#include <memory>

class TTimer;

extern const TEnumInfo ScrollBarKindInfo;

// Numerically the host's SB_ scroll codes, so they can be forwarded as WM_HSCROLL and
// WM_VSCROLL unchanged.
enum class TKsScrollCode : uint8_t {
    kscLineUp,
    kscLineDown,
    kscPageUp,
    kscPageDown,
    kscPosition, // the thumb was released
    kscTrack,    // the thumb is being dragged
    kscTop,
    kscBottom,
    kscEndScroll
};

// Raised before a new position is applied; the handler may change ScrollPos.
using TKsScrollEvent = TEvent<TObject*, TKsScrollCode, int&>;

class TKsCustomScrollBar : public TKsGraphicControl {
public:
    static const TComponentClassOf<TKsCustomScrollBar> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsCustomScrollBar(TComponent* AOwner);
    ~TKsCustomScrollBar() override;

    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool Value);
    TScrollBarKind Kind() const { return FKind; }
    // At design time a bar whose shape does not suit the new kind is turned round.
    void SetKind(TScrollBarKind Value);
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int Value) { FLargeChange = Value; }
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int Value) { FSmallChange = Value; }
    // Min and Max limit each other, Position and PageSize; while a layout is read the
    // values are only stored, so that they may come in any order, and Loaded limits them.
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Min() const { return FMin; }
    void SetMin(int Value);
    // The visible part of the range, 0 for none; at most the range's size.
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);

    bool Vertical() const { return FKind == TScrollBarKind::sbVertical; }
    // Makes the bar as thick as the system's scroll bars.
    void AdjustSize();
    // Keep stepping towards the start or the end without a held button (a list dragged past
    // its edge); switching one on switches the other off.
    bool AutoScrollUp() const { return FAutoScrollUp; }
    void SetAutoScrollUp(bool Value);
    bool AutoScrollDown() const { return FAutoScrollDown; }
    void SetAutoScrollDown(bool Value);
    // One step named by a key: VK_PRIOR, VK_NEXT, VK_END, VK_HOME, the arrow keys.
    void ScrollStep(WORD Key);

    // The mapping between positions and pixels along the bar.
    int PositionToPixel() const;
    int PixelToPosition(int Pixel) const;

    virtual int GetButtonSize() const;
    virtual int GetThumbSize() const;
    virtual RECT GetFirstButtonRect() const;
    virtual RECT GetSecondButtonRect() const;
    virtual RECT GetThumbRect() const;
    virtual RECT GetTrackRect() const;
    virtual RECT GetPageBeforeRect() const;
    virtual RECT GetPageAfterRect() const;

    bool InFirstButton(POINT Point) const;
    bool InSecondButton(POINT Point) const;
    bool InThumb(POINT Point) const;
    bool InPageBefore(POINT Point) const;
    bool InPageAfter(POINT Point) const;

    // A part counts as pressed while the button is held on it and the mouse is over it.
    bool FirstButtonPressed() const { return FPressedFirst && FHotFirst; }
    bool SecondButtonPressed() const { return FPressedSecond && FHotSecond; }
    bool PageBeforePressed() const { return FPressedPageBefore && FHotPageBefore; }
    bool PageAfterPressed() const { return FPressedPageAfter && FHotPageAfter; }
    bool FirstButtonHot() const { return FHotFirst; }
    bool SecondButtonHot() const { return FHotSecond; }
    bool ThumbHot() const { return FHotThumb; }
    bool ThumbDragged() const { return FDragOffset >= 0; }
    // Whether the repeat timer is stepping now.
    bool Repeating() const;

    void Loaded() override;
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnChange;
    TKsScrollEvent OnScroll;

protected:
    void PaintControl() override;
    virtual void PaintFirstButton();
    virtual void PaintSecondButton();
    virtual void PaintThumb();
    virtual void PaintTrack();
    virtual void PaintBorder();
    // A page area the button is held on.
    virtual void PaintPressedPage(const RECT& Rect);

    virtual void DoScroll(TKsScrollCode ScrollCode, int& ScrollPos);
    virtual void DoChange();

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoMouseLeave() override;

private:
    // The coordinate along the bar.
    int Along(POINT Point) const { return Vertical() ? Point.y : Point.x; }
    int TrackStart() const;
    int TrackEnd() const;
    // The track cut along the bar to [From, To).
    RECT TrackSlice(int From, int To) const;
    // Raises OnScroll with the position, then applies what it returned.
    void Scroll(TKsScrollCode ScrollCode, int ScrollPos);
    // Brings Position and PageSize into Min .. Max after the limits changed.
    void LimitToRange();
    // Switches one auto-scroll direction; switching it on switches the opposite one off.
    void SetAutoScroll(bool& Direction, bool& Opposite, bool Value);
    bool AnyPartPressed() const;
    bool UpdateHover(POINT Point);
    void StartRepeat(bool Immediate);
    void StopRepeat();
    void RepeatTick(TObject* Sender);
    // Ends a press or a drag: the buttons spring up and the end of scrolling is told.
    void EndTracking();

    int FBorderWidth = 1;
    bool FShowButtons = true;
    TScrollBarKind FKind = TScrollBarKind::sbHorizontal;
    int FLargeChange = 1;
    int FSmallChange = 1;
    int FMax = 100;
    int FMin = 0;
    int FPageSize = 0;
    int FPosition = 0;

    int FDragOffset = -1;
    POINT FLastPoint{-1, -1};
    bool FHotThumb = false;
    bool FHotFirst = false;
    bool FHotSecond = false;
    bool FHotPageBefore = false;
    bool FHotPageAfter = false;
    bool FPressedFirst = false;
    bool FPressedSecond = false;
    bool FPressedPageBefore = false;
    bool FPressedPageAfter = false;
    bool FAutoScrollUp = false;
    bool FAutoScrollDown = false;
    std::unique_ptr<TTimer> FRepeatTimer;
};

// The plain skinned scroll bar that layouts hold and skinned controls embed.
class TKsScrollBar : public TKsCustomScrollBar {
public:
    static const TComponentClassOf<TKsScrollBar> Class;
    const TClass& ClassType() const override { return Class; }

    using TKsCustomScrollBar::TKsCustomScrollBar;
};
