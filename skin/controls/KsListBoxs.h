// TKsCustomListBox: a list box drawn entirely by the skinning layer. Its items are a string
// list (TEkListBoxItems) that keeps each item's check box, enabled flag and selection and
// tells the box of every change. The box lays the items out in one scrolling column or in
// several columns side by side, scrolls with an embedded skinned scroll bar, and paints the
// items onto its surface: plain text (optionally word-wrapped, counted in characters so that
// Chinese text wraps between characters), owner-drawn items, and four built-in styles that
// fill the list with the system's font families or the framework's colour names and draw
// samples of them. Check boxes have two or three states; selection is single or a range
// from an anchor (with Ctrl toggling single items); keys, mouse, drag selection with
// automatic scrolling past the edges and the wheel all move the current item.
//
// Every index the box keeps (current item, anchor, hot item, hot check box) stays inside the
// items or is -1; the item list keeps the per-item state with its entry through every
// operation.
//
// Sources: KsListBoxs.cpp (properties, items, layout, scrolling and selection),
// KsListBoxInput.cpp (keys, mouse, wheel, automatic scrolling) and KsListBoxPaint.cpp
// (measuring, painting, the font and colour lists).
#pragma once

#include "framework/windows/StdCtrls.h"
#include "skin/controls/KsControls.h"
#include "skin/controls/KsListBoxGeometry.h"
#include "skin/controls/KsListBoxItems.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TKsBitmap;
class TKsCustomScrollBar;

enum class TKsListBoxStyle : uint8_t {
    lbStandard,
    lbOwnerDrawFixed,
    lbOwnerDrawVariable,
    lbFonts,
    lbFontSamples,
    lbColors,
    lbColorNames
};
extern const TEnumInfo KsListBoxStyleInfo;

enum class TKsFontDevice : uint8_t { fdScreen, fdPrinter };
extern const TEnumInfo KsFontDeviceInfo;

enum class TKsFontType : uint8_t { ftAll, ftTrueType, ftFixedPitch };
extern const TEnumInfo KsFontTypeInfo;

// An item in view: where its check box and its text go, and whether it is shown whole.
struct TKsItemCell {
    int Index = -1;
    RECT Check{};
    RECT Text{};
    bool Whole = true;
};

class TKsCustomListBox : public TKsCustomControl {
public:
    static const TComponentClassOf<TKsCustomListBox> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsCustomListBox(TComponent* AOwner);
    ~TKsCustomListBox() override;

    // --- Items and their states ---
    TEkListBoxItems* Items() const { return FItems.get(); }
    // Takes the entries and objects of Value.
    void SetItems(TStrings* Value);
    int Count() const { return FItems->Count(); }
    // The current item, -1 for none. Setting it scrolls it into view and selects it (with
    // MultiSelect, the range from the anchor); values past the end mean the last item.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    // Indexes outside the items read as unselected, unchecked and enabled; writes to them
    // are ignored.
    bool Selected(int Index) const;
    void SetSelected(int Index, bool Value);
    TKsCheckBoxState CheckState(int Index) const;
    void SetCheckState(int Index, TKsCheckBoxState Value);
    bool ItemEnabled(int Index) const;
    void SetItemEnabled(int Index, bool Value);
    int SelCount() const;
    void ClearSelection();
    // Cycles the check box of an enabled item: unchecked, checked, (grayed,) unchecked.
    void ToggleCheck(int Index);

    // --- Properties ---
    bool AllowGrayed() const { return FAllowGrayed; }
    // Switching it off turns grayed check boxes into checked ones.
    void SetAllowGrayed(bool Value);
    bool AlwaysShowScrlBar() const { return FAlwaysShowScrlBar; }
    void SetAlwaysShowScrlBar(bool Value);
    // 0: one scrolling column; otherwise as many columns side by side, scrolled sideways.
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    TKsFontDevice FontDevice() const { return FFontDevice; }
    void SetFontDevice(TKsFontDevice Value);
    TKsFontType FontType() const { return FFontType; }
    void SetFontType(TKsFontType Value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value);
    bool MultiSelect() const { return FMultiSelect; }
    // Changing it clears the selection.
    void SetMultiSelect(bool Value);
    bool ShowCheckBoxes() const { return FShowCheckBoxes; }
    void SetShowCheckBoxes(bool Value);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    TKsListBoxStyle ListStyle() const { return FListStyle; }
    // The font and colour styles fill the list with font families or colour names.
    void SetListStyle(TKsListBoxStyle Value);
    // Whether the style fills the list (with font families or colour names).
    bool FillsItself() const;
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    // Whether keys that move the current item click the box (a combo box's list picks
    // only on Enter, Space and clicks).
    bool ClickOnKey() const { return FClickOnKey; }
    void SetClickOnKey(bool Value) { FClickOnKey = Value; }
    void SetBorderStyle(TBorderStyle Value) override;

    // --- Layout ---
    // The item (single column) or the column (several) at the top-left of the view.
    int TopIndex() const;
    void SetTopIndex(int Value);
    int FirstShown() const { return FFirstShown; }
    int LastShown() const { return FLastShown; }
    bool ScrollBarShown() const { return FScrollBarShown; }
    TKsCustomScrollBar* ScrollBar() const { return FScrollBar; }
    int HotIndex() const { return FHotIndex; }
    int HotCheck() const { return FHotCheck; }
    int AnchorIndex() const { return FAnchorIndex; }
    // The client area inside the border, where items and the scroll bar go.
    RECT ContentRect() const { return GetPaintRect(); }
    // The width of an item's text cell.
    int GetItemWidth() const;
    // The height of a column of items.
    int ColumnHeight() const;
    // The items in view, in the order they are painted: each whole one, and the first of
    // each column even when it is cut. With Partial, also the last one cut by the bottom.
    std::vector<TKsItemCell> ItemsInView(bool Partial) const;
    // The item (its text or its check box) under a client point, -1 for none.
    int ItemAtPos(POINT Point) const;
    // Paints item Index into Rect of Target as another control shows it (a combo box its
    // current item), selected or not; nothing for an index outside the items.
    void PaintItemInto(TKsBitmap& Target, int Index, const RECT& Rect, bool Selected);

    // The item's top in the view; -1 above the top item.
    virtual int GetItemTop(int Index) const;
    // The row of an item in view (check box and text); empty when it is out of view.
    virtual RECT GetItemRect(int Index) const;
    virtual int GetItemHeight(int Index) const;
    virtual int GetCheckColumnWidth() const;
    virtual SIZE GetCheckGlyphSize() const;

    // Lays out the scroll bar for the items: its kind, place, range, page and visibility.
    void UpdateScrollBar();
    // Finds the hot item and check box under a client point.
    void HitTestItems(int X, int Y);

    // --- Told by the item list ---
    // Where every entry went (NewIndexOf(Old), -1 when it was deleted).
    void ItemsMoved(const std::function<int(int)>& NewIndexOf);
    void ItemsChanged();
    // The list is inside (True) or leaves (False) BeginUpdate .. EndUpdate.
    void SetUpdating(bool Value);

    void Loaded() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Dispatch(TMessage& Message) override;

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    void PaintControl() override;
    virtual void PaintBackground();
    virtual void PaintItems();
    virtual void DrawItem(TKsBitmap& Target, int Index, const RECT& Rect);
    virtual void DrawCheck(int Index, const RECT& Rect);
    virtual bool IsPointInItem(int X, int Y, const RECT& Rect, int Index) const;
    virtual bool IsPointInCheck(int X, int Y, const RECT& Rect, int Index) const;
    // Calls OnDrawItem with the canvas on the surface, its font and colours prepared.
    virtual void DoDrawItem(int Index, const RECT& Rect, TOwnerDrawState State);
    // OnMeasureItem's answer; -1 without a handler.
    virtual int DoMeasureItem(int Index) const;
    // Replaces the scroll bar by a new one from CreateScrollBar, set up for the box (a
    // descendant that makes another kind of bar calls it from its constructor).
    void SetUpScrollBar();
    void Notification(TComponent* AComponent, TOperation Operation) override;

    void KeyDown(TKey& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoMouseLeave() override;
    void DoFocusExit() override;

    // Whether Index is an item.
    bool IsItem(int Index) const { return Index >= 0 && Index < Count(); }
    // The item heights as the geometry functions take them.
    TKsItemHeights Heights() const;
    // Whether items may differ in height.
    bool VariableHeights() const;
    // The furthest TopIndex goes: the last page starts there.
    int TopLimit() const;
    // Selects the range from the anchor to the current item (without MultiSelect, the
    // current item), everything else unselected; nothing while there is no anchor.
    void UpdateSelection();
    // The text rectangle of an item's cell: the cell less 2 pixels on the left.
    static RECT TextRectOf(const RECT& Cell);
    // Rect cut to the area items are painted in.
    RECT ClipToItems(const RECT& Rect) const;
    // The check box glyph, centred in an item's check column cell.
    RECT CheckGlyphRect(const RECT& CheckCell) const;

private:
    // Stores a value the layout depends on; a change lays the items out again.
    template <class T> void ChangeLayout(T& Field, T Value);
    // Stores one part of an item's state; a change repaints.
    template <class T> void ChangeItemState(int Index, T TKsListItemState::*Field, T Value);
    // Makes Index current and scrolls it into view; the selection stays as it is.
    void MoveCurrent(int Index);
    // The visible range after the scroll position or the layout changed.
    void UpdateShownRange();
    void SetScrollPosition(int Value);
    void ScrollBarChange(TObject* Sender);
    void ScrollBarScroll(TObject* Sender, TKsScrollCode ScrollCode, int& ScrollPos);
    // One layout pass of UpdateScrollBar; whether the bar's visibility changed.
    bool LayOutScrollBar();
    void FillFonts();
    void FillColors();
    // Refills the list for the font and colour styles.
    void FillForStyle();
    // The room for the items: column or content height, and whether it was cut for a bar.
    int ItemsHeight() const;
    int WheelSteps(int Delta) const;
    void WMMouseWheel(TMessage& Message);
    void WMCaptureChanged(TMessage& Message);
    // Keeps scrolling past the top (Up) or bottom while the button is held there; at
    // either end it moves the current item there instead.
    void AutoScrollTowards(bool Up);
    void StopAutoScroll();
    bool Dragging() const;
    // Paints item Index's text (word-wrapped when WordWrap) in Rect.
    void DrawItemText(TKsBitmap& Target, int Index, const RECT& Rect, UINT Format);
    void DrawSelection(TKsBitmap& Target, int Index, const RECT& Rect);
    void DrawFontItem(TKsBitmap& Target, int Index, const RECT& Rect);
    void DrawColorItem(TKsBitmap& Target, int Index, const RECT& Rect);
    void DrawColorNameItem(TKsBitmap& Target, int Index, const RECT& Rect);
    int WrappedHeight(int Index) const;

    // Whether an item shows selected: as it is, or as PaintItemInto was asked.
    bool ShownSelected(int Index) const;

    bool FUpdating = false;
    std::unique_ptr<TEkListBoxItems> FItems;
    bool FAlwaysShowScrlBar = false;
    bool FShowCheckBoxes = false;
    bool FFlat = true;
    bool FMouseDown = false;
    int FHotIndex = -1;
    int FHotCheck = -1;
    POINT FMousePos{-1, -1};
    int FAnchorIndex = -1;
    int FFirstShown = 0;
    int FLastShown = -1;
    bool FScrollBarShown = false;
    bool FAllowGrayed = false;
    int FItemIndex = -1;
    bool FMultiSelect = false;
    int FColumns = 0;
    bool FWordWrap = false;
    TKsListBoxStyle FListStyle = TKsListBoxStyle::lbStandard;
    bool FSorted = false;
    TKsFontDevice FFontDevice = TKsFontDevice::fdScreen;
    TKsFontType FFontType = TKsFontType::ftAll;
    int FItemHeight = 16;
    bool FClickOnKey = true;
    // -1 while painting itself, else how PaintItemInto shows the item selected (0 or 1).
    int FSelectedShown = -1;
    TKsCustomScrollBar* FScrollBar = nullptr;
    // The first item of every column, while there are several.
    std::vector<int> FColumnStarts;
    // The area items are painted in, while they are painted.
    RECT FPaintClip{};
};

// The plain skinned list box that layouts hold.
class TKsListBox : public TKsCustomListBox {
public:
    static const TComponentClassOf<TKsListBox> Class;
    const TClass& ClassType() const override { return Class; }

    using TKsCustomListBox::TKsCustomListBox;
};
