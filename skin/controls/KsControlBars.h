// TKsCustomControlBar: a skinned container that arranges its child controls as bands in rows,
// like a rebar. Each child gets a band with a grip at its left and a raised edge; the bar
// lays the bands out again after every change, packing rows from the left, pushing
// neighbours aside and wrapping bands that do not fit into a new row, and sizes itself to its
// rows. The user moves bands by dragging their grips within and between rows, tears a band's
// control off into a floating window (a double click, or Ctrl while moving it, or moving it
// far outside the bar) and docks a floating control back by dragging it over the bar. The
// events let a program adjust a band's insets, width and row count, veto or move bands and
// paint them.
//
// Sources: KsControlBars.cpp (the component, painting, mouse, keys and docking) and
// KsControlBarLayout.cpp (the bands and their layout).
#pragma once

#include "framework/core/Sets.h"
#include "skin/controls/KsControls.h"

#include <cstdint>
#include <memory>
#include <vector>

class TDragDockObject;

enum class TBandPaintOption : uint8_t { bpGrip, bpEdge };
using TBandPaintOptions = TSet<TBandPaintOption>;

// Sender is the bar, Control the band's control.
using TBandDragEvent = TEvent<TObject*, TControl*, bool&>;
// Insets, preferred width and row count of a band, asked at every layout.
using TBandInfoEvent = TEvent<TObject*, TControl*, RECT&, int&, int&>;
using TBandMoveEvent = TEvent<TObject*, TControl*, RECT&>;
using TBandPaintEvent = TEvent<TObject*, TControl*, TCanvas*, RECT&, TBandPaintOptions&>;

// A control's place in one row of the bar. A control that spans several rows has a head band
// in its top row and a continuation band in each row below, linked through Parent and Next.
struct TKsBand {
    TControl* Control = nullptr;
    // Margins around the control inside the band.
    RECT Insets{};
    bool Visible = true;
    // The band starts a row.
    bool Break = false;
    // Where the band wants to stand, its wanted width and its height.
    POINT Pos{};
    int Width = 0;
    int Height = 0;
    int RowCount = 1;
    // The band above (for a continuation band), and the one below.
    TKsBand* Parent = nullptr;
    TKsBand* Next = nullptr;
    // The values of the layout in progress, and of the last one.
    bool TempBreak = false;
    POINT TempPos{};
    int TempWidth = 0;
    // The layout places the band where TempPos and TempWidth say, not where it wants to be:
    // it was wrapped into a row of its own, or its continuation pushed it.
    bool Replaced = false;
};

class TKsCustomControlBar : public TKsCustomControl {
public:
    static const TComponentClassOf<TKsCustomControlBar> Class;
    const TClass& ClassType() const override { return Class; }

    static constexpr int DefaultRowSize = 26;

    explicit TKsCustomControlBar(TComponent* AOwner);
    ~TKsCustomControlBar() override;

    // The height of one row when RowSnap is on, at least 1. Changing it (or RowSnap) does not
    // lay the bar out again; the next layout uses it.
    int RowSize() const { return FRowSize; }
    void SetRowSize(int Value);
    bool RowSnap() const { return FRowSnap; }
    void SetRowSnap(bool Value) { FRowSnap = Value; }
    // Floating controls dragged over the bar are docked as bands.
    bool AutoDock() const { return FAutoDock; }
    void SetAutoDock(bool Value) { FAutoDock = Value; }
    // Bands can be dragged out of the bar.
    bool AutoDrag() const { return FAutoDrag; }
    void SetAutoDrag(bool Value) { FAutoDrag = Value; }
    // The bar takes the height of its rows (the width of its columns when aligned left or
    // right) after every layout.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);

    int BandCount() const { return static_cast<int>(FBands.size()); }
    // Rows top to bottom, the bands of a row left to right.
    const TKsBand& Bands(int Index) const;
    // The control's head band, or nullptr.
    TKsBand* FindBand(const TControl* Control) const;
    // The first visible head band whose control, grown by its insets, holds the client point.
    TKsBand* BandAt(int X, int Y) const;
    // The control whose band the user is moving, or nullptr.
    TControl* MovingControl() const { return FDragControl; }
    // The control whose band was last removed (a control that left the bar), or nullptr.
    TControl* LastBandControl() const { return FLastBandControl; }

    // Every band takes the place its control stands at now.
    virtual void StickControls();
    // Frees every band; the next layout, which runs at once, makes them anew from where the
    // controls stand.
    void ClearBands();
    // Frees the control's bands; the band after a removed band that started a row starts it.
    void RemoveBand(TControl* Control);
    // Starts dragging Control out of the bar, unless OnBandDrag vetoes it; answers whether
    // the drag started. KeepCapture: the bar holds the mouse for a band move that the drag
    // takes over.
    virtual bool DragControl(TControl* Control, int X, int Y, bool KeepCapture);
    // The size the bar's rows need, for AutoSize; false when it should keep its size.
    virtual bool CanAutoSize(int& NewWidth, int& NewHeight);

    void Dispatch(TMessage& Message) override;
    // A floating control entering the bar docks at once and goes on as a band move.
    void DockOver(TDragDockObject& Source, int X, int Y, TDragState State, bool& Accept) override;
    void DockDrop(TDragDockObject& Source, int X, int Y) override;

    TBandDragEvent OnBandDrag;
    TBandInfoEvent OnBandInfo;
    TBandMoveEvent OnBandMove;
    TBandPaintEvent OnBandPaint;
    // After the background, before the bands.
    TNotifyEvent OnPaint;

protected:
    void CreateParams(TCreateParams& Params) override;
    void AlignControls(TControl* AControl, RECT& Rect) override;
    void PaintControl() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(TKey& Key, TShiftState Shift) override;

    virtual void DoBandMove(TControl* Control, RECT& R);
    virtual void DoBandPaint(TControl* Control, TCanvas* ACanvas, RECT& R,
                             TBandPaintOptions& Options);
    // Asks OnBandInfo; a row count below 1 becomes 1 before and after, negative insets and
    // widths become 0 after.
    virtual void DoBandInfo(TControl* Control, RECT& Insets, int& PreferredSize, int& RowCount);
    // R is the band: the control grown by its insets.
    virtual void PaintBand(TKsBitmap& Target, TControl* Control, RECT R);
    virtual void PaintBackground();
    // The width of a band's grip, its default left inset.
    virtual int GetGrabSize() const { return 11; }

private:
    // Runs the layout on behalf of Control (nullptr: none) now.
    void DoAlignControl(TControl* Control);
    void AdjustSize();
    void ControlRemoved(TControl* Control);
    // Tears the moving band's control off at the pointer, when allowed.
    bool TearOffMovingBand(int X, int Y, bool KeepCapture);

    // ---- Bands and layout (KsControlBarLayout.cpp) ----
    RECT DefaultBandInsets() const;
    // The band as it stands: its control grown by its insets.
    static RECT BandArea(const TKsBand& Band);
    // Brings the bands in line with the controls: new ones get bands, Control's bands are
    // made anew at its bounds (at its wanted place while it is being moved). Answers whether
    // Control was new.
    bool UpdateBands(TControl* Control);
    // RowCount < 0: a first insertion, which sizes the band from R (the control's bounds).
    void InsertBand(TControl* Control, RECT R, bool Moving, int RowCount, int PreferredSize,
                    RECT Insets, TKsBand* Parent);
    int IndexOf(const TKsBand* Band) const;
    int RowEnd(int RowStart) const;
    // Frees Band and its continuations, handing their row starts to the bands after them.
    void DeleteBandChain(TKsBand* Band);
    // Lays out the bands of rows; answers whether a continuation moved its parent, which
    // asks for a second pass.
    bool LayOutRows(const RECT& Rect);
    // Lays out the row starting at RowStart below RowTop; answers the row's bottom, or -1
    // when its last band was wrapped into a row of its own (to be laid out again).
    int LayOutRow(int RowStart, int RowTop, const RECT& Rect, bool& Restart);
    // Moves the bands left of Index that end beyond Limit left, as far as the gaps between
    // them allow; answers where they end now.
    int PushLeftNeighbours(int RowStart, int Index, int Limit, int RowLeft);
    // Closes the gaps of an overflowing row from the right, then narrows its bands down to
    // their controls' minimum widths; each answers the room left over (below Rect.left when
    // the row still does not fit).
    int SqueezeRow(int RowStart, int RowEnd, const RECT& Rect);
    int ShrinkRow(int RowStart, int RowEnd, const RECT& Rect);
    bool WrapLastBand(int RowStart, int RowEnd, const RECT& Rect);
    // Gives the controls the bounds of their bands; answers whether any moved.
    bool ApplyBands();

    int FRowSize = DefaultRowSize;
    bool FRowSnap = false;
    bool FAutoDock = true;
    bool FAutoDrag = true;
    bool FAutoSize = false;
    std::vector<std::unique_ptr<TKsBand>> FBands;
    bool FAligning = false;
    TControl* FDragControl = nullptr;
    POINT FBandDragOffset{};
    TControl* FLastBandControl = nullptr;
};
