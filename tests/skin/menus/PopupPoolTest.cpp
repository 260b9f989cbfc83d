// Popup windows kept between openings: a closed level's window is hidden and kept, the next
// popup of its class takes it over and shows it above the level that opens it, a kept window
// forgets the menu and form it showed, and opening and closing menus many times leaves no
// windows or GDI objects behind.
#include "MenuTestSupport.h"
#include "WindowTestSupport.h"

#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItemViews.h"
#include "skin/menus/KsMenuForm.h"
#include "skin/menus/KsMenus.h"
#include "skin/menus/KsMenusRegistration.h"
#include "skin/menus/KsPopupPool.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// The window of the innermost open level.
HWND LevelWindow() {
    return dynamic_cast<TKsPopupWindow&>(*TKsItemView::TrackingView()->Control()).Handle();
}

class PopupPool : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinMenus();
        TKsPopupPool::FreeKeptWindows();
        Form.SetBounds(100, 100, 400, 300);
        Form.HandleNeeded();
        Menu = new TKsCustomPopupMenu(&Form);
        ParkPointer();
    }

    TKsCustomItem& Root() { return *Menu->Items(); }

    // Opens Opened and, with Right, the first item's sub-menus Depth levels deep, then closes
    // them all; the windows of the levels, outermost first.
    std::vector<HWND> OpenLevels(TKsCustomPopupMenu& Opened, int Depth) {
        std::vector<HWND> Windows;
        std::vector<std::function<void()>> Steps;
        for (int Level = 0; Level < Depth; ++Level)
            Steps.push_back([&Windows, Last = Level == Depth - 1] {
                Windows.push_back(LevelWindow());
                if (Last)
                    TKsItemView::TrackingView()->CloseAll();
                else
                    PostMessageW(LevelWindow(), WM_KEYDOWN, VK_RIGHT, 0);
            });
        const TInsideMenu Inside(Steps);
        const TMenuWatchdog Watchdog;
        Opened.Popup(150, 150);
        EXPECT_FALSE(Watchdog.Fired());
        return Windows;
    }

    TForm Form{nullptr};
    TKsCustomPopupMenu* Menu = nullptr;
};

// The window nearer the top of the z-order of two.
HWND UpperOf(HWND A, HWND B) {
    for (HWND Window = GetTopWindow(nullptr); Window; Window = GetWindow(Window, GW_HWNDNEXT))
        if (Window == A || Window == B)
            return Window;
    return nullptr;
}

TEST_F(PopupPool, AClosedLevelsWindowIsKeptHiddenAndTheNextPopupTakesItOverAboveItsOpener) {
    TKsCustomItem* Alpha = AddItem(Form, Root(), "&Alpha");
    AddItem(Form, *Alpha, "&One");
    AddItem(Form, Root(), "&Beta");

    const std::vector<HWND> First = OpenLevels(*Menu, 2);
    ASSERT_EQ(First.size(), 2u);
    EXPECT_NE(First[0], First[1]);
    EXPECT_EQ(TKsPopupPool::KeptCount(), 2);
    for (HWND Window : First) {
        EXPECT_TRUE(IsWindow(Window));
        EXPECT_FALSE(IsWindowVisible(Window));
    }

    // A single level takes one of them and is shown above the other.
    const std::vector<HWND> Single = OpenLevels(*Menu, 1);
    ASSERT_EQ(Single.size(), 1u);
    EXPECT_TRUE(Single[0] == First[0] || Single[0] == First[1]);

    // Nested again: the two kept windows serve the two levels, whatever their old order in
    // the z-order, and the sub-menu lies above the level it opened from.
    const std::vector<HWND> Again = OpenLevels(*Menu, 2);
    ASSERT_EQ(Again.size(), 2u);
    EXPECT_NE(Again[0], Again[1]);
    EXPECT_TRUE(Again[0] == First[0] || Again[0] == First[1]);
    EXPECT_TRUE(Again[1] == First[0] || Again[1] == First[1]);
    EXPECT_EQ(TKsPopupPool::KeptCount(), 2);
}

// A kept window keeps its old place in the z-order while hidden; shown again it must come
// above every top-most window made since, here a stay-on-top form, and its sub-menu above it.
TEST_F(PopupPool, AKeptWindowShowsAboveTopMostWindowsMadeSinceAndItsSubMenuAboveIt) {
    TKsCustomItem* Alpha = AddItem(Form, Root(), "&Alpha");
    AddItem(Form, *Alpha, "&One");
    OpenLevels(*Menu, 2);
    ASSERT_EQ(TKsPopupPool::KeptCount(), 2);

    TForm OnTop{nullptr};
    OnTop.SetFormStyle(TFormStyle::fsStayOnTop);
    OnTop.SetBounds(140, 140, 300, 200);
    OnTop.Show();
    HWND Upper = nullptr;
    HWND Opener = nullptr;
    HWND SubUpper = nullptr;
    const TInsideMenu Inside{[&] {
                                 Opener = LevelWindow();
                                 Upper = UpperOf(Opener, OnTop.Handle());
                                 PostMessageW(Opener, WM_KEYDOWN, VK_RIGHT, 0);
                             },
                             [&] {
                                 SubUpper = UpperOf(LevelWindow(), Opener);
                                 TKsItemView::TrackingView()->CloseAll();
                             }};
    const TMenuWatchdog Watchdog;
    Menu->Popup(150, 150);
    EXPECT_FALSE(Watchdog.Fired());
    EXPECT_NE(Upper, OnTop.Handle()) << "the popup opened under a stay-on-top form";
    EXPECT_NE(SubUpper, Opener) << "the sub-menu opened under the level that opened it";
}

TEST_F(PopupPool, AKeptWindowForgetsTheMenuAndTheFormItShowedLast) {
    auto Other = std::make_unique<TForm>(nullptr);
    Other->SetBounds(120, 120, 300, 200);
    Other->HandleNeeded();
    auto* OtherMenu = new TKsCustomPopupMenu(Other.get());
    AddItem(*Other, *OtherMenu->Items(), "&Gone");
    const std::vector<HWND> Before = OpenLevels(*OtherMenu, 1);
    ASSERT_EQ(Before.size(), 1u);
    auto* Kept = dynamic_cast<TKsPopupWindow*>(FindControl(Before[0]));
    ASSERT_NE(Kept, nullptr);
    EXPECT_EQ(Kept->View().Item(), nullptr);
    // The form, its menu and its items go while the window is kept.
    Other.reset();

    TClickLog Log;
    AddItem(Form, Root(), "&Open", &Log);
    AddItem(Form, Root(), "&Save", &Log);
    QueueKeys(Form.Handle(), {VK_DOWN, VK_RETURN});
    const TMenuWatchdog Watchdog;
    Menu->Popup(150, 150);
    EXPECT_FALSE(Watchdog.Fired());
    RunPendingClicks();
    EXPECT_EQ(Log.Captions, std::vector<std::string>{"&Save"});
}

TEST_F(PopupPool, ManyOpeningsLeaveNoWindowsOrGdiObjectsAndFreeingTheKeptWindowsDestroysThem) {
    TKsCustomItem* Alpha = AddItem(Form, Root(), "&Alpha");
    TKsCustomItem* One = AddItem(Form, *Alpha, "&One");
    AddItem(Form, *One, "&Deep");
    const auto Cycle = [&] {
        Menu->SetDropShadow(!Menu->DropShadow());
        OpenLevels(*Menu, 3);
    };
    for (int I = 0; I < 3; ++I)
        Cycle();
    const int WindowsBefore = ThreadWindowCount();
    const DWORD ObjectsBefore = GdiObjectCount();
    for (int I = 0; I < 40; ++I)
        Cycle();
    EXPECT_EQ(ThreadWindowCount(), WindowsBefore);
    EXPECT_LE(GdiObjectCount(), ObjectsBefore);
    EXPECT_EQ(TKsPopupPool::KeptCount(), 3);

    const std::vector<HWND> Last = OpenLevels(*Menu, 3);
    TKsPopupPool::FreeKeptWindows();
    EXPECT_EQ(TKsPopupPool::KeptCount(), 0);
    for (HWND Window : Last)
        EXPECT_FALSE(IsWindow(Window));
    EXPECT_EQ(ThreadWindowCount(), WindowsBefore - 3);
}

} // namespace
