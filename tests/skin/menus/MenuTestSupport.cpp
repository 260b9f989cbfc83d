#include "MenuTestSupport.h"

#include "framework/windows/Application.h"
#include "skin/menus/KsItemViews.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

bool WatchdogFired = false;

void CALLBACK CloseOpenMenus(HWND, UINT, UINT_PTR, DWORD) {
    if (TKsItemView* View = TKsItemView::TrackingView()) {
        WatchdogFired = true;
        View->CloseAll();
    }
}

std::deque<std::function<void()>> PendingInsideMenu;

void CALLBACK RunInsideMenu(HWND, UINT, UINT_PTR, DWORD) {
    if (!TKsItemView::TrackingView() || PendingInsideMenu.empty())
        return;
    const std::function<void()> Action = std::move(PendingInsideMenu.front());
    PendingInsideMenu.pop_front();
    Action();
}

} // namespace

TInsideMenu::TInsideMenu(std::initializer_list<std::function<void()>> Actions)
    : TInsideMenu(std::vector<std::function<void()>>(Actions)) {}

TInsideMenu::TInsideMenu(const std::vector<std::function<void()>>& Actions)
    : FTimer(SetTimer(nullptr, 0, 10, &RunInsideMenu)) {
    PendingInsideMenu.assign(Actions.begin(), Actions.end());
}

TInsideMenu::~TInsideMenu() {
    KillTimer(nullptr, FTimer);
    PendingInsideMenu.clear();
}

TMenuWatchdog::TMenuWatchdog(unsigned Milliseconds)
    : FTimer(SetTimer(nullptr, 0, Milliseconds, &CloseOpenMenus)) {
    WatchdogFired = false;
}

TMenuWatchdog::~TMenuWatchdog() {
    KillTimer(nullptr, FTimer);
}

bool TMenuWatchdog::Fired() const {
    return WatchdogFired;
}

std::function<void()> ClickMenuItem(const std::string& Caption) {
    return [Caption] {
        TKsItemView* View = TKsItemView::TrackingView();
        for (int I = 0; I < View->Item()->Count(); ++I) {
            TKsCustomItem* Item = View->Item()->Items(I);
            if (Item->Caption() != Caption)
                continue;
            const RECT R = View->GetItemRect(Item);
            const POINT At = View->Control()->ClientToScreen(
                POINT{(R.left + R.right) / 2, (R.top + R.bottom) / 2});
            QueueClickAt(At.x, At.y);
            return;
        }
        ADD_FAILURE() << "the menu has no item " << Caption;
        View->CloseAll();
    };
}

void TClickLog::Clicked(TObject* Sender) {
    Captions.push_back(static_cast<TKsCustomItem*>(Sender)->Caption());
}

TKsCustomItem* AddItem(TComponent& Owner, TKsCustomItem& Parent, const std::string& Caption,
                       TClickLog* Log) {
    auto* Item = new TKsCustomItem(&Owner);
    Item->SetCaption(Caption);
    if (Log)
        Item->OnClick = MakeEvent(Log, &TClickLog::Clicked);
    Parent.Add(Item);
    return Item;
}

void QueueKeys(HWND Window, std::initializer_list<WPARAM> Keys) {
    for (WPARAM Key : Keys)
        PostMessageW(Window, WM_KEYDOWN, Key, 0);
}

void RunPendingClicks() {
    for (int I = 0; I < 5; ++I)
        Application->ProcessMessages();
}

void ParkPointer() {
    RECT Work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &Work, 0);
    SetCursorPos(Work.right - 2, Work.bottom - 2);
}
