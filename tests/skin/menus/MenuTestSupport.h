// What the menu tests share: item trees built in one line each, a watchdog that closes any
// menu left open so that a failing test cannot hang the suite, and keys queued for a menu
// loop before it starts.
#pragma once

#include "framework/windows/Forms.h"
#include "skin/menus/KsItems.h"

#include <functional>
#include <string>
#include <vector>

// Closes every open menu when it fires (after Milliseconds, then again on every tick), and
// tells whether it had to.
class TMenuWatchdog {
public:
    explicit TMenuWatchdog(unsigned Milliseconds = 5000);
    TMenuWatchdog(const TMenuWatchdog&) = delete;
    TMenuWatchdog& operator=(const TMenuWatchdog&) = delete;
    ~TMenuWatchdog();
    bool Fired() const;

private:
    UINT_PTR FTimer;
};

// Runs actions from inside the open menu's loop, one per tick of a timer the loop
// dispatches; messages an action posts are handled before the next action runs.
class TInsideMenu {
public:
    explicit TInsideMenu(std::function<void()> Action) : TInsideMenu({std::move(Action)}) {}
    TInsideMenu(std::initializer_list<std::function<void()>> Actions);
    explicit TInsideMenu(const std::vector<std::function<void()>>& Actions);
    TInsideMenu(const TInsideMenu&) = delete;
    TInsideMenu& operator=(const TInsideMenu&) = delete;
    ~TInsideMenu();

private:
    UINT_PTR FTimer;
};

// An action for TInsideMenu: clicks the item of the open menu with Caption as a user would,
// the pointer moving onto it and the button going down and up there, for the menu's own
// loop to handle. A menu without the item fails the test and closes.
std::function<void()> ClickMenuItem(const std::string& Caption);

// Records the captions of the items clicked.
struct TClickLog {
    std::vector<std::string> Captions;
    void Clicked(TObject* Sender);
};

// A notify event that runs a test's own code.
struct TNotifyProbe {
    std::function<void(TObject*)> Action;
    void Fire(TObject* Sender) { Action(Sender); }
    TNotifyEvent Event() { return MakeEvent(this, &TNotifyProbe::Fire); }
};

// A sub-item of Parent with Caption, owned by Owner, clicking into Log.
TKsCustomItem* AddItem(TComponent& Owner, TKsCustomItem& Parent, const std::string& Caption,
                       TClickLog* Log = nullptr);

// Queues key presses for the thread: the menu loop takes them in order once it runs.
void QueueKeys(HWND Window, std::initializer_list<WPARAM> Keys);
// Runs the application's loop until queued clicks have run.
void RunPendingClicks();

// Rests the pointer in a corner of the work area, off every window the tests open, so that
// no item is hot under it and menus take their items from the keys alone.
void ParkPointer();
