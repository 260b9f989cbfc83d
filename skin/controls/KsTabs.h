// TKsCustomTabControl: a tab control drawn in the classic three-dimensional look onto the
// skinned control's surface. Its tabs come from a string list (Tabs) or, with UsePages, from
// its pages (TKsCustomTabSheet), whose captions are the tab texts and of which the selected
// one is shown. Tabs stand on any of the four sides, in one row that scrolls with two
// buttons, or in several rows widened to the whole length, in which the selected row always
// lies next to the page.
//
// Sources: KsTabs.cpp (properties, tabs, selection and layout), KsTabPaint.cpp (painting),
// KsTabInput.cpp (mouse, keys and the scroll buttons), KsTabPages.cpp (the pages);
// KsTabLayout holds the geometry.
#pragma once

#include "framework/core/Lists.h"
#include "framework/core/Strings.h"
#include "framework/windows/CustomControls.h"
#include "framework/windows/TabControls.h"
#include "skin/controls/KsControls.h"
#include "skin/controls/KsTabLayout.h"

#include <memory>
#include <string>
#include <vector>

class TKsCustomTabControl;
class TKsCustomTabSheet;
class TTimer;

// The tab texts of a tab control: every change (and the end of a batch of them) brings the
// control's tabs and pages into step.
class TKsTabStringList : public TStringList {
public:
    explicit TKsTabStringList(TKsCustomTabControl& Control) : FControl(Control) {}

    int Add(const std::string& S) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;

protected:
    void Put(int Index, const std::string& S) override;
    void SetUpdateState(bool Updating) override;

private:
    void TabsChanged();

    TKsCustomTabControl& FControl;
};

// The pages of a tab control, in tab order.
class TKsPageList : public TList {
public:
    explicit TKsPageList(TKsCustomTabControl& Control) : FControl(Control) {}

    TKsCustomTabControl& Control() const { return FControl; }
    TKsCustomTabSheet* Page(int Index) const;

private:
    TKsCustomTabControl& FControl;
};

class TKsCustomTabControl : public TKsCustomControl {
    friend class TKsCustomTabSheet;

public:
    static const TComponentClassOf<TKsCustomTabControl> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsCustomTabControl(TComponent* AOwner);
    ~TKsCustomTabControl() override;

    // --- Properties ---
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool Value);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value);
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool Value);
    bool RaggedRight() const { return FRaggedRight; }
    void SetRaggedRight(bool Value);
    bool ScrollOpposite() const { return FScrollOpposite; }
    void SetScrollOpposite(bool Value);
    TTabPosition TabPosition() const { return FTabPosition; }
    void SetTabPosition(TTabPosition Value);
    // The row thickness and the width of every tab; 0 (or less) for sizes from the font.
    int TabHeight() const { return FTabHeight; }
    void SetTabHeight(int Value);
    int TabWidth() const { return FTabWidth; }
    void SetTabWidth(int Value);
    // The tab texts; setting them copies the list.
    TStrings* Tabs() const { return FTabs.get(); }
    void SetTabs(TStrings* Value);
    bool UsePages() const { return FUsePages; }
    void SetUsePages(bool Value);

    // --- Selection ---
    // The selected tab, -1 for none. Setting a tab outside the tabs changes nothing;
    // OnChanging may refuse the change before anything else happens.
    int TabIndex() const { return FTabIndex; }
    void SetTabIndex(int Value);

    // --- Geometry ---
    // The thickness of a row of tabs.
    int GetTabExtent() const;
    // A tab's natural width; 0 for an index outside the tabs.
    int GetTabWidth(int Index) const;
    RECT GetTabRect(int Index) const;
    int TabAtPos(int X, int Y) const;
    int RowCount() const { return Layout().RowCount(); }
    // Where the page frame lies, and inside it the area of the child controls.
    RECT PageRect() const { return Layout().PageRect(); }
    RECT DisplayRect() const { return Layout().DisplayRect(); }
    // The layout as it is now.
    TKsTabLayout Layout() const;

    // --- A single row that scrolls ---
    int FirstTab() const { return FFirstTab; }
    // Moves the first tab shown by Delta tabs, no further than the last tab needs.
    void ScrollTabs(int Delta);
    int LastVisibleTab(bool Exact) const { return Layout().LastVisibleTab(Exact); }
    bool NeedsScrollButtons() const { return Layout().NeedsScrollButtons(); }
    // The side of the square scroll buttons: twice the font size.
    int ScrollButtonSize() const;
    bool ScrollButtonPressed(bool Right) const;
    bool Scrolling() const;
    int HotTab() const { return FHotTab; }

    // --- Pages ---
    int PageCount() const { return FPages->Count(); }
    TKsCustomTabSheet* Pages(int Index) const { return FPages->Page(Index); }
    TKsCustomTabSheet* ActivePage() const { return FActivePage; }
    // Selects the page's tab (asking OnChanging), which shows it.
    void SetActivePage(TKsCustomTabSheet* Page);
    // The page a tab stands for (nullptr for none), and the tab of a page (-1 for none).
    TKsCustomTabSheet* PageOfTab(int Tab) const;
    int TabOfPage(const TKsCustomTabSheet* Page) const;
    // Brings pages, tabs and selection into step after the tab texts changed: a text
    // without its page gets one.
    void UpdatePages();

    void Loaded() override;
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;
    TDrawTabEvent OnDrawTab;

protected:
    // The border of the page frame on each side.
    virtual int PageBorderLeft() const { return 2; }
    virtual int PageBorderTop() const { return 2; }
    virtual int PageBorderRight() const { return 2; }
    virtual int PageBorderBottom() const { return 2; }

    void PaintControl() override;
    virtual void PaintTab(const TKsTabLayout& Layout, int Tab, bool Selected);
    virtual void PaintPageFrame(const RECT& Page);
    virtual void PaintScrollButtons(const TKsTabLayout& Layout);
    virtual void Change();

    void AdjustClientRect(RECT& Rect) const override;
    void Resize() override;
    void BeforeDestruction() override;
    void KeyDown(TKey& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoMouseLeave() override;

private:
    // Something the layout depends on changed: measure again, keep the first tab valid,
    // place the children and repaint.
    void LayoutChanged();
    const std::vector<int>& NaturalWidths() const;
    int MeasureTab(int Index) const;
    // The font size as a number of points, whatever sign the font gives it.
    int FontPoints() const;
    void ClampTabIndex();
    void ClampFirstTab();
    // Paints the text of a tab that the application does not draw itself.
    void PaintTabText(const TKsTabLayout& Layout, int Tab, const RECT& Rect, bool Selected);

    // The scroll buttons.
    bool UpdateHover(POINT Point);
    void PressScrollButton(bool Right);
    void ScrollTimerTick(TObject* Sender);
    // Ends a press of a scroll button: the timer stops, the buttons come up.
    void ReleaseScrollButtons();

    // The pages.
    // Brings tabs and selection into step after the pages changed; MakeMissingPages when the
    // change came from the tab texts.
    void SyncTabs(bool MakeMissingPages);
    void InsertPage(TKsCustomTabSheet* Page);
    void RemovePage(TKsCustomTabSheet* Page);
    // Hides the active page and shows Page (nullptr for none), selecting its tab without
    // asking: the selection follows what is shown.
    void ShowPage(TKsCustomTabSheet* Page);
    // Gives every tab text that has more tabs than pages its page; the last page made.
    TKsCustomTabSheet* CreateMissingPages();
    // Tabs from the captions of the visible pages; whether the texts changed.
    bool TabsFromPages();
    std::string NewPageCaption() const;
    void NamePage(TKsCustomTabSheet& Page) const;

    std::unique_ptr<TKsTabStringList> FTabs;
    std::unique_ptr<TKsPageList> FPages;
    TKsCustomTabSheet* FActivePage = nullptr;
    std::unique_ptr<TTimer> FScrollTimer;
    bool FHotTrack = false;
    bool FMultiLine = false;
    bool FOwnerDraw = false;
    bool FRaggedRight = false;
    bool FScrollOpposite = false;
    TTabPosition FTabPosition = TTabPosition::tpTop;
    int FTabHeight = 0;
    int FTabWidth = 0;
    bool FUsePages = false;
    int FTabIndex = -1;
    // The selection a layout gave, applied once the whole layout is read.
    int FLoadedTabIndex = -1;
    int FHotTab = -1;
    int FFirstTab = 0;
    bool FLeftButtonHot = false;
    bool FRightButtonHot = false;
    bool FLeftButtonPressed = false;
    bool FRightButtonPressed = false;
    bool FUpdatingPages = false;
    mutable std::vector<int> FNaturalWidths;
    mutable bool FNaturalWidthsValid = false;
};

// A page of a tab control with pages: aligned to the control's client area, shown while it
// is the selected one; its caption is its tab's text.
class TKsCustomTabSheet : public TCustomControl {
    friend class TKsCustomTabControl;

public:
    static const TComponentClassOf<TKsCustomTabSheet> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsCustomTabSheet(TComponent* AOwner);

    TKsCustomTabControl* TabControl() const { return FTabControl; }
    // The page's place among its control's pages (-1 without a control); setting it moves
    // the page, within the pages.
    int PageIndex() const;
    void SetPageIndex(int Value);
    // Whether the page has a tab.
    bool PageVisible() const { return FPageVisible; }
    void SetPageVisible(bool Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    // Kept for the application; the classic tabs show no images.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    bool IsActivePage() const;

    void SetParent(TWinControl* AParent) override;
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void CreateParams(TCreateParams& Params) override;
    void AdjustClientRect(RECT& Rect) const override;
    void BeforeDestruction() override;

private:
    void LeaveTabControl();

    TKsCustomTabControl* FTabControl = nullptr;
    bool FPageVisible = true;
    int FBorderWidth = 0;
    int FImageIndex = -1;
};

// The tab control and the page that layouts hold.
class TKsTabControl : public TKsCustomTabControl {
public:
    static const TComponentClassOf<TKsTabControl> Class;
    const TClass& ClassType() const override { return Class; }

    using TKsCustomTabControl::TKsCustomTabControl;
};

class TKsTabSheet : public TKsCustomTabSheet {
public:
    static const TComponentClassOf<TKsTabSheet> Class;
    const TClass& ClassType() const override { return Class; }

    using TKsCustomTabSheet::TKsCustomTabSheet;
};
