// The tab control's properties, its tabs and selection, and the layout it hands to the
// geometry.
#include "skin/controls/KsTabs.h"

#include "framework/core/Properties.h"
#include "framework/windows/Timer.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsUtils.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

using P = TPublished<TKsCustomTabControl>;
const TPropertyTable TabControlProperties{
    P::Boolean("HotTrack", &TKsCustomTabControl::HotTrack, &TKsCustomTabControl::SetHotTrack),
    P::Boolean("MultiLine", &TKsCustomTabControl::MultiLine, &TKsCustomTabControl::SetMultiLine),
    P::Boolean("OwnerDraw", &TKsCustomTabControl::OwnerDraw, &TKsCustomTabControl::SetOwnerDraw),
    P::Boolean("RaggedRight", &TKsCustomTabControl::RaggedRight,
               &TKsCustomTabControl::SetRaggedRight),
    P::Boolean("ScrollOpposite", &TKsCustomTabControl::ScrollOpposite,
               &TKsCustomTabControl::SetScrollOpposite),
    P::Integer("TabHeight", &TKsCustomTabControl::TabHeight, &TKsCustomTabControl::SetTabHeight),
    P::Integer("TabWidth", &TKsCustomTabControl::TabWidth, &TKsCustomTabControl::SetTabWidth),
    P::Enumeration("TabPosition", TabPositionInfo, &TKsCustomTabControl::TabPosition,
                   &TKsCustomTabControl::SetTabPosition),
    P::Boolean("UsePages", &TKsCustomTabControl::UsePages, &TKsCustomTabControl::SetUsePages),
    // With pages the tabs are made from the pages, which are stored themselves.
    P::Strings("Tabs", &TKsCustomTabControl::Tabs,
               TStored::If<TKsCustomTabControl>([](const TKsCustomTabControl& Control) {
                   return !Control.UsePages() && Control.Tabs()->Count() > 0;
               })),
    P::Integer("TabIndex", &TKsCustomTabControl::TabIndex, &TKsCustomTabControl::SetTabIndex, -1),
    P::Event("OnChange", &TKsCustomTabControl::OnChange),
    P::Event("OnChanging", &TKsCustomTabControl::OnChanging),
    P::Event("OnDrawTab", &TKsCustomTabControl::OnDrawTab),
};

} // namespace

const TComponentClassOf<TKsCustomTabControl> TKsCustomTabControl::Class{
    "TKsCustomTabControl", TKsCustomControl::Class, &TabControlProperties};
const TComponentClassOf<TKsTabControl> TKsTabControl::Class{"TKsTabControl",
                                                            TKsCustomTabControl::Class};

// ---- Tab texts ----

int TKsTabStringList::Add(const std::string& S) {
    const int Index = TStringList::Add(S);
    TabsChanged();
    return Index;
}

void TKsTabStringList::Insert(int Index, const std::string& S) {
    TStringList::Insert(Index, S);
    TabsChanged();
}

void TKsTabStringList::Delete(int Index) {
    TStringList::Delete(Index);
    TabsChanged();
}

void TKsTabStringList::Clear() {
    TStringList::Clear();
    TabsChanged();
}

void TKsTabStringList::Put(int Index, const std::string& S) {
    TStringList::Put(Index, S);
    TabsChanged();
}

void TKsTabStringList::SetUpdateState(bool Updating) {
    TStringList::SetUpdateState(Updating);
    if (!Updating)
        FControl.UpdatePages();
}

void TKsTabStringList::TabsChanged() {
    if (UpdateCount() == 0)
        FControl.UpdatePages();
}

// ---- The control ----

TKsCustomTabControl::TKsCustomTabControl(TComponent* AOwner)
    : TKsCustomControl(AOwner), FTabs(std::make_unique<TKsTabStringList>(*this)),
      FPages(std::make_unique<TKsPageList>(*this)) {
    TControlStyle Style = ControlStyle();
    Style.Include(TControlStyleFlag::csAcceptsControls);
    Style.Include(TControlStyleFlag::csDoubleClicks);
    SetControlStyle(Style);
    SetTabStop(true);
    SetBounds(Left(), Top(), 289, 193);
}

TKsCustomTabControl::~TKsCustomTabControl() = default;

void TKsCustomTabControl::BeforeDestruction() {
    ReleaseScrollButtons();
    // The pages belong to the owner and outlive the control: they forget it.
    for (int Index = 0; Index < FPages->Count(); ++Index)
        FPages->Page(Index)->FTabControl = nullptr;
    FPages->Clear();
    FActivePage = nullptr;
    TKsCustomControl::BeforeDestruction();
}

// ---- Properties ----

void TKsCustomTabControl::SetHotTrack(bool Value) {
    if (KsChangeValue(FHotTrack, Value))
        Invalidate();
}

void TKsCustomTabControl::SetMultiLine(bool Value) {
    if (KsChangeValue(FMultiLine, Value))
        LayoutChanged();
}

void TKsCustomTabControl::SetOwnerDraw(bool Value) {
    if (KsChangeValue(FOwnerDraw, Value))
        Invalidate();
}

void TKsCustomTabControl::SetRaggedRight(bool Value) {
    if (KsChangeValue(FRaggedRight, Value))
        LayoutChanged();
}

void TKsCustomTabControl::SetScrollOpposite(bool Value) {
    if (KsChangeValue(FScrollOpposite, Value))
        LayoutChanged();
}

void TKsCustomTabControl::SetTabPosition(TTabPosition Value) {
    if (KsChangeValue(FTabPosition, Value))
        LayoutChanged();
}

void TKsCustomTabControl::SetTabHeight(int Value) {
    if (KsChangeValue(FTabHeight, std::max(Value, 0)))
        LayoutChanged();
}

void TKsCustomTabControl::SetTabWidth(int Value) {
    if (KsChangeValue(FTabWidth, std::max(Value, 0)))
        LayoutChanged();
}

void TKsCustomTabControl::SetTabs(TStrings* Value) {
    FTabs->Assign(Value);
}

void TKsCustomTabControl::SetUsePages(bool Value) {
    if (KsChangeValue(FUsePages, Value))
        UpdatePages();
}

// ---- Selection ----

void TKsCustomTabControl::SetTabIndex(int Value) {
    if (IsLoading()) {
        // The tabs and pages are not all read yet.
        FLoadedTabIndex = Value;
        return;
    }
    if (Value == FTabIndex || Value < 0 || Value >= FTabs->Count())
        return;
    // The handler decides while the old tab is still the selected one.
    bool AllowChange = true;
    OnChanging(this, AllowChange);
    if (!AllowChange)
        return;
    FTabIndex = Value;
    FFirstTab = Layout().FirstTabShowing(Value);
    Invalidate();
    Realign();
    // The page is shown before the change is announced, so that the handler finds the
    // selected tab and the active page in step.
    if (FUsePages)
        ShowPage(PageOfTab(Value));
    Change();
}

void TKsCustomTabControl::Change() {
    OnChange(this);
}

void TKsCustomTabControl::ClampTabIndex() {
    const int Count = FTabs->Count();
    if (Count == 0)
        FTabIndex = -1;
    else
        FTabIndex = std::clamp(FTabIndex, 0, Count - 1);
}

void TKsCustomTabControl::Loaded() {
    TKsCustomControl::Loaded();
    UpdatePages();
    if (FLoadedTabIndex >= 0 && FLoadedTabIndex < FTabs->Count())
        FTabIndex = FLoadedTabIndex;
    FFirstTab = Layout().FirstTabShowing(FTabIndex);
    if (FUsePages)
        ShowPage(PageOfTab(FTabIndex));
    LayoutChanged();
}

// ---- Layout ----

int TKsCustomTabControl::FontPoints() const {
    // A font given by its pixel height reports a negative size.
    return std::abs(Font()->Size());
}

int TKsCustomTabControl::GetTabExtent() const {
    if (FTabHeight > 0)
        return FTabHeight;
    return static_cast<int>(std::lrint(FontPoints() * 1.7)) + 4;
}

int TKsCustomTabControl::ScrollButtonSize() const {
    return 2 * FontPoints();
}

int TKsCustomTabControl::GetTabWidth(int Index) const {
    if (Index < 0 || Index >= FTabs->Count())
        return 0;
    return NaturalWidths()[static_cast<size_t>(Index)];
}

const std::vector<int>& TKsCustomTabControl::NaturalWidths() const {
    if (!FNaturalWidthsValid || FNaturalWidths.size() != static_cast<size_t>(FTabs->Count())) {
        FNaturalWidths.clear();
        for (int Index = 0; Index < FTabs->Count(); ++Index)
            FNaturalWidths.push_back(MeasureTab(Index));
        FNaturalWidthsValid = true;
    }
    return FNaturalWidths;
}

int TKsCustomTabControl::MeasureTab(int Index) const {
    if (FTabWidth > 0)
        return FTabWidth;
    TKsBitmap& Measure = Surface();
    Measure.SetFont(Font());
    const int Text = Measure.TextWidth(FTabs->Strings(Index), DT_SINGLELINE);
    return std::max(Text + 12, 2 * (GetTabExtent() + 2));
}

TKsTabLayout TKsCustomTabControl::Layout() const {
    TKsTabState State;
    State.Position = FTabPosition;
    State.MultiLine = FMultiLine;
    State.Justified = !FRaggedRight && FTabWidth <= 0;
    State.ScrollOpposite = FScrollOpposite;
    State.Width = Width();
    State.Height = Height();
    State.Extent = GetTabExtent();
    State.Borders =
        TKsTabBorders{PageBorderLeft(), PageBorderTop(), PageBorderRight(), PageBorderBottom()};
    State.Widths = NaturalWidths();
    State.TabIndex = FTabIndex;
    State.FirstTab = FFirstTab;
    State.ButtonSize = ScrollButtonSize();
    return TKsTabLayout(std::move(State));
}

RECT TKsCustomTabControl::GetTabRect(int Index) const {
    return Layout().TabRect(Index);
}

int TKsCustomTabControl::TabAtPos(int X, int Y) const {
    return Layout().TabAtPos(POINT{X, Y});
}

void TKsCustomTabControl::ScrollTabs(int Delta) {
    FFirstTab =
        Layout().ClampedFirstTab(std::clamp(FFirstTab + Delta, 0, std::max(FTabs->Count() - 1, 0)));
    Invalidate();
}

void TKsCustomTabControl::ClampFirstTab() {
    FFirstTab = Layout().ClampedFirstTab(FFirstTab);
}

void TKsCustomTabControl::LayoutChanged() {
    FNaturalWidthsValid = false;
    ClampFirstTab();
    Invalidate();
    Realign();
}

void TKsCustomTabControl::AdjustClientRect(RECT& Rect) const {
    Rect = DisplayRect();
}

void TKsCustomTabControl::Resize() {
    ClampFirstTab();
    TKsCustomControl::Resize();
}
