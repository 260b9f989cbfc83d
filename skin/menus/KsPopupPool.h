// Popup windows kept for the next opening. Making a top-level window is the largest part of
// opening a menu, so when a level closes its window is hidden and kept, and the next popup
// of the same window class takes it over instead of making one. A few windows are kept per
// class (one for each level of a nested menu); they are freed with the application object.
#pragma once

#include "framework/core/Components.h"
#include "skin/menus/KsItems.h"
#include "skin/menus/KsMenuForm.h"

#include <memory>
#include <vector>

// A popup window in use: it goes back to the pool (or is freed when the pool is full or
// gone) when the lease ends.
class TKsPopupLease {
public:
    TKsPopupLease(TKsPopupWindowClass Make, std::unique_ptr<TKsPopupWindow> Window);
    TKsPopupLease(const TKsPopupLease&) = delete;
    TKsPopupLease& operator=(const TKsPopupLease&) = delete;
    ~TKsPopupLease();

    TKsPopupWindow& operator*() const { return *FWindow; }
    TKsPopupWindow* operator->() const { return FWindow.get(); }

private:
    TKsPopupWindowClass FMake;
    std::unique_ptr<TKsPopupWindow> FWindow;
};

class TKsPopupPool : public TComponent {
public:
    static const TComponentClassOf<TKsPopupPool> Class;
    const TClass& ClassType() const override { return Class; }

    // The most windows kept for one window class.
    static constexpr int MaxKeptPerClass = 4;

    // A window of the class Make makes, showing Item's sub-items (Make's arguments): a kept
    // window rebuilt when there is one, else a new one.
    static TKsPopupLease Take(TKsPopupWindowClass Make, TComponent* Owner, TKsCustomItem& Item,
                              TKsItemView* ParentView, POINT Origin);
    // Hides a window that is no longer in use and keeps it, or frees it.
    static void GiveBack(TKsPopupWindowClass Make, std::unique_ptr<TKsPopupWindow> Window);
    // The number of windows kept now.
    static int KeptCount();
    // Frees every kept window (their host windows and surfaces go with them).
    static void FreeKeptWindows();

    using TComponent::TComponent;
    ~TKsPopupPool() override;

private:
    struct TKept {
        TKsPopupWindowClass Make;
        std::unique_ptr<TKsPopupWindow> Window;
    };
    std::vector<TKept> FKept;
};
