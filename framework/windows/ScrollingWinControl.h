// TScrollingWinControl: a windowed control that scrolls children extending beyond its
// client area. Its two scroll bars (TControlScrollBar) appear when the children's extent
// needs them, move the children when scrolled, and keep the position inside the range when
// the control or its children change size.
#pragma once

#include "framework/windows/WinControl.h"

#include <memory>

enum class TScrollBarKind : uint8_t { sbHorizontal, sbVertical };
enum class TScrollBarStyle : uint8_t { ssRegular, ssFlat, ssHotTrack };
extern const TEnumInfo ScrollBarStyleInfo;

class TScrollingWinControl;

class TControlScrollBar : public TPersistent {
public:
    static const TClassOf<TControlScrollBar> Class;
    const TClass& ClassType() const override { return Class; }

    TControlScrollBar(TScrollingWinControl& Box, TScrollBarKind Kind) : FBox(Box), FKind(Kind) {}

    TScrollBarKind Kind() const { return FKind; }
    // Pixels a line step moves.
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value > 0 ? Value : 1; }
    // Pixels scrolled from the start, 0 .. Range - client size.
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    // The extent of the scrolled content (set by the box while it scrolls automatically).
    int Range() const { return FRange; }
    void SetRange(int Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // Whether the host bar is shown now.
    bool IsScrollBarVisible() const { return FShown; }
    // Regular, flat or hot-tracking (flat, lit under the mouse) bars.
    TScrollBarStyle Style() const { return FStyle; }
    void SetStyle(TScrollBarStyle Value);
    // Scrolling follows the thumb while it is dragged.
    bool Tracking() const { return FTracking; }
    void SetTracking(bool Value) { FTracking = Value; }

    void Assign(TPersistent* Source) override;

private:
    friend class TScrollingWinControl;

    int HostBar() const { return FKind == TScrollBarKind::sbHorizontal ? SB_HORZ : SB_VERT; }
    int MaxPosition() const;
    // The host's scroll message (code in the low word of WParam).
    void ScrollMessage(uintptr_t WParam);
    void UpdateHostBar();

    TScrollingWinControl& FBox;
    TScrollBarKind FKind;
    int FIncrement = 8;
    int FPosition = 0;
    int FRange = 0;
    int FPage = 0;
    bool FVisible = true;
    bool FShown = false;
    TScrollBarStyle FStyle = TScrollBarStyle::ssRegular;
    bool FTracking = false;
};

// A windowed control whose content (its children) scrolls when it extends beyond the
// client area: the base of scroll boxes and forms.
class TScrollingWinControl : public TWinControl {
public:
    static const TComponentClassOf<TScrollingWinControl> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TScrollingWinControl(TComponent* AOwner);
    ~TScrollingWinControl() override;

    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
    // Ranges follow the children's extent.
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value);

    // Scrolls the content by the given pixels (children move the other way).
    void ScrollBy(int DeltaX, int DeltaY);
    // Scrolls so that Control is completely visible where possible.
    void ScrollInView(TControl* Control);

    void Dispatch(TMessage& Message) override;

protected:
    void CreateWnd() override;
    void ControlsAligned(const RECT& FreeArea) override;

private:
    friend class TControlScrollBar;

    void UpdateScrollBars();
    void ApplyScrollBarStyles();

    std::unique_ptr<TControlScrollBar> FHorzScrollBar;
    std::unique_ptr<TControlScrollBar> FVertScrollBar;
    bool FAutoScroll = true;
    bool FUpdatingScrollBars = false;
    bool FFlatScrollBars = false;
};
