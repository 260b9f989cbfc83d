// The pages of a tab control: a page joins the control it is placed in and leaves it when it
// moves or goes; with UsePages the tabs are made from the captions of the pages that have
// a tab, a tab text without its page gets one, and the page of the selected tab is the one
// shown.
#include "skin/controls/KsTabs.h"

#include "framework/core/Properties.h"
#include "framework/windows/PaintScopes.h"
#include "skin/forms/KsFormScopes.h"
#include "skin/graphics/KsUtils.h"

#include <algorithm>

namespace {

using S = TPublished<TKsCustomTabSheet>;
const TPropertyTable TabSheetProperties{
    S::Integer("BorderWidth", &TKsCustomTabSheet::BorderWidth, &TKsCustomTabSheet::SetBorderWidth),
    S::Integer("ImageIndex", &TKsCustomTabSheet::ImageIndex, &TKsCustomTabSheet::SetImageIndex, -1),
    // A page's place is the order in which the pages are written.
    S::Integer("PageIndex", &TKsCustomTabSheet::PageIndex, &TKsCustomTabSheet::SetPageIndex, 0,
               TStored::Never()),
    S::Boolean("PageVisible", &TKsCustomTabSheet::PageVisible, &TKsCustomTabSheet::SetPageVisible,
               true),
    S::Event("OnShow", &TKsCustomTabSheet::OnShow),
    S::Event("OnHide", &TKsCustomTabSheet::OnHide),
};

int CountOf(const std::vector<std::string>& Texts, const std::string& Text) {
    return static_cast<int>(std::count(Texts.begin(), Texts.end(), Text));
}

} // namespace

const TComponentClassOf<TKsCustomTabSheet> TKsCustomTabSheet::Class{
    "TKsCustomTabSheet", TCustomControl::Class, &TabSheetProperties};
const TComponentClassOf<TKsTabSheet> TKsTabSheet::Class{"TKsTabSheet", TKsCustomTabSheet::Class};

TKsCustomTabSheet* TKsPageList::Page(int Index) const {
    return static_cast<TKsCustomTabSheet*>(Items(Index));
}

// ---- The page ----

TKsCustomTabSheet::TKsCustomTabSheet(TComponent* AOwner) : TCustomControl(AOwner) {
    TControlStyle Style = ControlStyle();
    Style.Include(TControlStyleFlag::csAcceptsControls);
    SetControlStyle(Style);
    // Shown when it becomes the active page.
    SetVisible(false);
    SetAlign(TAlign::alClient);
}

void TKsCustomTabSheet::BeforeDestruction() {
    LeaveTabControl();
    TCustomControl::BeforeDestruction();
}

void TKsCustomTabSheet::SetParent(TWinControl* AParent) {
    if (AParent == Parent())
        return;
    LeaveTabControl();
    TCustomControl::SetParent(AParent);
    if (auto* Control = dynamic_cast<TKsCustomTabControl*>(AParent))
        Control->InsertPage(this);
}

void TKsCustomTabSheet::LeaveTabControl() {
    if (FTabControl)
        FTabControl->RemovePage(this);
}

int TKsCustomTabSheet::PageIndex() const {
    return FTabControl ? FTabControl->FPages->IndexOf(this) : -1;
}

void TKsCustomTabSheet::SetPageIndex(int Value) {
    if (!FTabControl)
        return;
    TKsPageList& Pages = *FTabControl->FPages;
    const int Current = Pages.IndexOf(this);
    const int Wanted = std::clamp(Value, 0, Pages.Count() - 1);
    if (Wanted == Current)
        return;
    Pages.Move(Current, Wanted);
    FTabControl->SyncTabs(false);
}

void TKsCustomTabSheet::SetPageVisible(bool Value) {
    if (!KsChangeValue(FPageVisible, Value))
        return;
    if (FTabControl)
        FTabControl->SyncTabs(false);
}

void TKsCustomTabSheet::SetBorderWidth(int Value) {
    if (KsChangeValue(FBorderWidth, std::max(Value, 0)))
        Realign();
}

bool TKsCustomTabSheet::IsActivePage() const {
    return FTabControl && FTabControl->ActivePage() == this;
}

void TKsCustomTabSheet::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    // The page's background comes from the control's frame; resizing repaints nothing more.
    Params.ClassStyle &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TKsCustomTabSheet::AdjustClientRect(RECT& Rect) const {
    TCustomControl::AdjustClientRect(Rect);
    Rect = InflateRectBy(Rect, -FBorderWidth);
}

void TKsCustomTabSheet::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        DrawSheetBackground(this, reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        break;
    case WM_PAINT:
        if (IsActivePage() || IsDesigning()) {
            TCustomControl::Dispatch(Message);
        } else {
            // A page that is not the active one shows none of its controls.
            const TPaintCycle Cycle(Handle(), reinterpret_cast<HDC>(Message.WParam));
            Message.Result = 0;
        }
        break;
    case CM_TEXTCHANGED:
        TCustomControl::Dispatch(Message);
        if (FTabControl)
            FTabControl->SyncTabs(false);
        break;
    case CM_SHOWINGCHANGED:
        TCustomControl::Dispatch(Message);
        if (Showing())
            OnShow(this);
        else
            OnHide(this);
        break;
    default:
        TCustomControl::Dispatch(Message);
        break;
    }
}

// ---- The control's pages ----

TKsCustomTabSheet* TKsCustomTabControl::PageOfTab(int Tab) const {
    int Visible = 0;
    for (int Index = 0; Index < FPages->Count(); ++Index) {
        TKsCustomTabSheet* Page = FPages->Page(Index);
        if (!Page->PageVisible())
            continue;
        if (Visible == Tab)
            return Page;
        ++Visible;
    }
    return nullptr;
}

int TKsCustomTabControl::TabOfPage(const TKsCustomTabSheet* Page) const {
    int Visible = 0;
    for (int Index = 0; Index < FPages->Count(); ++Index) {
        const TKsCustomTabSheet* Candidate = FPages->Page(Index);
        if (Candidate == Page)
            return Candidate->PageVisible() ? Visible : -1;
        if (Candidate->PageVisible())
            ++Visible;
    }
    return -1;
}

void TKsCustomTabControl::SetActivePage(TKsCustomTabSheet* Page) {
    if (!Page || Page->TabControl() != this)
        return;
    const int Tab = TabOfPage(Page);
    if (Tab < 0 || Tab == FTabIndex)
        ShowPage(Page);
    else
        SetTabIndex(Tab);
}

void TKsCustomTabControl::InsertPage(TKsCustomTabSheet* Page) {
    if (FPages->IndexOf(Page) < 0)
        FPages->Add(Page);
    Page->FTabControl = this;
    if (!Page->IsLoading()) {
        if (Page->Caption().empty())
            Page->SetCaption(NewPageCaption());
        if (IsDesigning())
            NamePage(*Page);
    }
    SyncTabs(false);
}

void TKsCustomTabControl::RemovePage(TKsCustomTabSheet* Page) {
    const int Index = FPages->IndexOf(Page);
    if (Index < 0)
        return;
    FPages->Delete(Index);
    Page->FTabControl = nullptr;
    const bool WasActive = FActivePage == Page;
    if (WasActive)
        FActivePage = nullptr;
    if (IsDestroying())
        return;
    if (WasActive)
        ShowPage(PageOfTab(0));
    // No tab is left standing for the page that went.
    SyncTabs(false);
}

void TKsCustomTabControl::ShowPage(TKsCustomTabSheet* Page) {
    if (Page != FActivePage) {
        TKsCustomTabSheet* Previous = FActivePage;
        FActivePage = Page;
        if (Previous)
            Previous->SetVisible(false);
        if (Page) {
            Page->SetVisible(true);
            Page->BringToFront();
        }
    }
    const int Tab = TabOfPage(Page);
    if (Tab >= 0 && Tab != FTabIndex) {
        FTabIndex = Tab;
        FFirstTab = Layout().FirstTabShowing(Tab);
        Invalidate();
        Realign();
    }
}

std::string TKsCustomTabControl::NewPageCaption() const {
    int Tabs = 0;
    for (int Index = 0; Index < FPages->Count(); ++Index)
        Tabs += FPages->Page(Index)->PageVisible() ? 1 : 0;
    return "New Page " + std::to_string(Tabs - 1);
}

void TKsCustomTabControl::NamePage(TKsCustomTabSheet& Page) const {
    TComponent* Root = Page.Owner();
    if (!Root || !Page.Name().empty())
        return;
    const std::string Base = Page.ClassName().substr(1);
    int Number = 1;
    while (Root->FindComponent(Base + std::to_string(Number)))
        ++Number;
    Page.SetName(Base + std::to_string(Number));
}

void TKsCustomTabControl::UpdatePages() {
    SyncTabs(true);
}

void TKsCustomTabControl::SyncTabs(bool MakeMissingPages) {
    if (FUpdatingPages)
        return;
    const TFlagScope Updating(FUpdatingPages, true);
    ClampTabIndex();
    if (FUsePages) {
        // A renamed, hidden or departed page leaves tab texts behind that are not missing
        // pages: they go when the tabs are made from the pages.
        TKsCustomTabSheet* Created =
            MakeMissingPages && !IsLoading() ? CreateMissingPages() : nullptr;
        const bool Changed = TabsFromPages();
        ClampTabIndex();
        if (Created) {
            ShowPage(Created);
        } else if ((Changed || !FActivePage) && !IsLoading()) {
            // The active page stays in front while it keeps a tab.
            const bool Kept = TabOfPage(FActivePage) >= 0;
            ShowPage(Kept ? FActivePage : PageOfTab(FTabIndex));
        }
    }
    LayoutChanged();
}

TKsCustomTabSheet* TKsCustomTabControl::CreateMissingPages() {
    TKsCustomTabSheet* Created = nullptr;
    std::vector<std::string> Texts;
    for (int Tab = 0; Tab < FTabs->Count(); ++Tab) {
        const std::string Text = FTabs->Strings(Tab);
        Texts.push_back(Text);
        int Pages = 0;
        for (int Index = 0; Index < FPages->Count(); ++Index)
            Pages += FPages->Page(Index)->Caption() == Text ? 1 : 0;
        if (CountOf(Texts, Text) <= Pages)
            continue;
        // The control frees its pages itself only when it has no owner to give them.
        auto* Page = new TKsTabSheet(Owner() ? Owner() : this);
        Page->SetCaption(Text);
        const TKsCustomTabSheet* AtTab = PageOfTab(Tab);
        FPages->Insert(AtTab ? FPages->IndexOf(AtTab) : FPages->Count(), Page);
        Page->SetParent(this);
        Created = Page;
    }
    return Created;
}

bool TKsCustomTabControl::TabsFromPages() {
    std::vector<std::string> Captions;
    for (int Index = 0; Index < FPages->Count(); ++Index)
        if (FPages->Page(Index)->PageVisible())
            Captions.push_back(FPages->Page(Index)->Caption());
    bool Same = static_cast<int>(Captions.size()) == FTabs->Count();
    for (int Tab = 0; Same && Tab < FTabs->Count(); ++Tab)
        Same = FTabs->Strings(Tab) == Captions[static_cast<size_t>(Tab)];
    if (Same)
        return false;
    FTabs->BeginUpdate();
    FTabs->Clear();
    for (const std::string& Caption : Captions)
        FTabs->Add(Caption);
    FTabs->EndUpdate();
    return true;
}
