// The gallery's menus driven with real input: its skinned menu bar by the pointer, by Alt
// with a letter and by the arrow keys through nested levels; its panel's right-click menu;
// its frame's skinned system menu; and the short-cuts of the bar's items. An open menu level
// shows as a topmost tool window of the gallery's process.
#include "tests/gallery/GalleryDriver.h"

#include <gtest/gtest.h>

namespace {

constexpr const wchar_t* Untouched = L"Skin Gallery";

class SkinGalleryMenus : public testing::Test {
protected:
    void SetUp() override {
        Gallery = std::make_unique<TSkinGallery>();
        ASSERT_TRUE(Gallery->Running()) << "the gallery's main window did not appear\n"
                                        << DescribeDesktop();
        Main = Gallery->MainWindow();
        MenuBar = Gallery->Control(L"TKsCustomMenuBar", L"");
        ASSERT_NE(MenuBar, nullptr);
        // The pointer rests off the gallery, where no popup can open under it and take the
        // hot item from the keys.
        const RECT Aside = DesktopBeside(Main);
        MoveMouseTo(Aside.left + 4, (Aside.top + Aside.bottom) / 2);
    }

    // Presses keys one at a time, each once the gallery has handled the one before.
    void Press(std::initializer_list<WORD> Keys) {
        for (WORD Key : Keys) {
            WaitUntilIdle(Main);
            PressKey(Key);
        }
    }

    void PressWith(WORD Modifier, WORD Key) {
        WaitUntilItTakesInput(Main);
        WaitUntilIdle(Main);
        PressKeyWith(Modifier, Key);
    }

    // Waits until Count menu levels are open and answers them.
    std::vector<HWND> ExpectLevels(size_t Count) {
        std::vector<HWND> Popups = WaitForPopupCount(Gallery->ProcessId(), Count);
        EXPECT_EQ(Popups.size(), Count) << DescribeDesktop();
        return Popups;
    }

    // Waits for the caption a command sets and checks that no menu level is left open by
    // then: commands run after their menu has closed.
    void ExpectCommandRan(const std::wstring& Command) {
        const std::wstring Wanted = std::wstring(Untouched) + L": " + Command;
        EXPECT_TRUE(WaitForText(Main, Wanted)) << testing::PrintToString(WindowText(Main))
                                               << " instead of " << testing::PrintToString(Wanted);
        EXPECT_TRUE(PopupWindowsOf(Gallery->ProcessId()).empty()) << DescribeDesktop();
    }

    // Closes every open level and ends the bar's own loop, which outlives its popups.
    void CloseMenus() {
        for (size_t Open = PopupWindowsOf(Gallery->ProcessId()).size(); Open > 0; --Open)
            Press({VK_ESCAPE});
        Press({VK_ESCAPE});
        ExpectLevels(0);
        WaitUntilIdle(Main);
    }

    // The screen point a few pixels inside the first item of a popup: its items start
    // below a thin frame.
    static POINT FirstItemOf(HWND Popup) {
        const RECT Bounds = ScreenRectOf(Popup);
        return POINT{Bounds.left + 12, Bounds.top + 8};
    }

    // The middle of the menu bar's first item ("File"), which starts at the bar's left end.
    POINT FirstBarItem() const {
        const RECT Bar = ScreenRectOf(MenuBar);
        return POINT{Bar.left + 8, (Bar.top + Bar.bottom) / 2 - 1};
    }

    std::unique_ptr<TSkinGallery> Gallery;
    HWND Main = nullptr;
    HWND MenuBar = nullptr;
};

} // namespace

TEST_F(SkinGalleryMenus, BarOpensWithThePointerAndWithAltLetterAndEscapeClosesIt) {
    // The popup opens when the button is released over the bar item.
    const POINT File = FirstBarItem();
    WaitUntilIdle(Main);
    ClickAt(File.x, File.y);
    std::vector<HWND> Popups = ExpectLevels(1);
    ASSERT_EQ(Popups.size(), 1u);
    const RECT Bar = ScreenRectOf(MenuBar);
    EXPECT_GE(ScreenRectOf(Popups[0]).top, Bar.bottom - 4) << "the popup drops below the bar";
    CloseMenus();

    PressWith(VK_MENU, 'V');
    ExpectLevels(1);
    Press({VK_ESCAPE});
    ExpectLevels(0);
    Press({VK_ESCAPE});
    EXPECT_EQ(WindowText(Main), Untouched);

    // A letter no bar item uses opens nothing.
    PressWith(VK_MENU, 'Q');
    WaitUntilIdle(Main);
    EXPECT_TRUE(PopupWindowsOf(Gallery->ProcessId()).empty()) << DescribeDesktop();
}

TEST_F(SkinGalleryMenus, ArrowKeysWalkThreeLevelsDeepAndReturnRunsTheNestedCommand) {
    PressWith(VK_MENU, 'F');
    const std::vector<HWND> First = ExpectLevels(1);
    // New, Open, then Recent; Right opens its sub-menu, whose second item opens a third level.
    Press({VK_DOWN, VK_DOWN, VK_RIGHT});
    const std::vector<HWND> Second = ExpectLevels(2);
    Press({VK_DOWN, VK_RIGHT});
    const std::vector<HWND> Third = ExpectLevels(3);
    ASSERT_EQ(Third.size(), 3u);
    // Each sub-menu opens beside the item that opened it, not over its parent.
    const RECT Parent = ScreenRectOf(NewPopup(Second, First));
    const RECT Child = ScreenRectOf(NewPopup(Third, Second));
    EXPECT_TRUE(Child.left >= Parent.right - 8 || Child.right <= Parent.left + 8);

    Press({VK_DOWN, VK_RETURN});
    ExpectCommandRan(L"Gallery.skin");
}

TEST_F(SkinGalleryMenus, EscapeClosesOneLevelAndAClickOutsideClosesThemAll) {
    PressWith(VK_MENU, 'F');
    ExpectLevels(1);
    Press({VK_DOWN, VK_DOWN, VK_RIGHT});
    ExpectLevels(2);
    Press({VK_DOWN, VK_RIGHT});
    ExpectLevels(3);

    Press({VK_ESCAPE});
    ExpectLevels(2);
    WaitUntilIdle(Main);
    const RECT Outside = DesktopBeside(Main);
    ClickAt(Outside.left + 4, (Outside.top + Outside.bottom) / 2);
    ExpectLevels(0);
    EXPECT_EQ(WindowText(Main), Untouched);

    // The gallery takes input again: its short-cuts work.
    SetForegroundWindow(Main);
    PressWith(VK_CONTROL, 'N');
    ExpectCommandRan(L"New");
}

TEST_F(SkinGalleryMenus, HoveringAnItemOpensItsSubMenuAndAClickThereRunsACommand) {
    const POINT File = FirstBarItem();
    WaitUntilIdle(Main);
    ClickAt(File.x, File.y);
    std::vector<HWND> Levels = ExpectLevels(1);
    ASSERT_EQ(Levels.size(), 1u);
    // Down the File popup until the item under the pointer ("Recent") opens a second level.
    const RECT FilePopup = ScreenRectOf(Levels[0]);
    const POINT Start = FirstItemOf(Levels[0]);
    int OpenedAt = -1;
    for (int Y = Start.y; Y < FilePopup.bottom && OpenedAt < 0; Y += 2) {
        MoveMouseTo(Start.x, Y);
        WaitUntilIdle(Main);
        if (PopupWindowsOf(Gallery->ProcessId()).size() == 2)
            OpenedAt = Y;
    }
    ASSERT_GE(OpenedAt, 0) << "no item of the File popup opened a sub-menu";
    // Further into the same item, clear of its edge: the sub-menu stays open.
    MoveMouseTo(Start.x, OpenedAt + 6);
    WaitUntilIdle(Main);
    const std::vector<HWND> Opened = ExpectLevels(2);
    HWND Recent = NewPopup(Opened, Levels);
    ASSERT_NE(Recent, nullptr);

    // Its first item is "Last capture"; the button's release runs it.
    const POINT Capture = FirstItemOf(Recent);
    MoveMouseTo(Capture.x, Capture.y);
    WaitUntilIdle(Main);
    ClickAt(Capture.x, Capture.y);
    ExpectCommandRan(L"Last capture");
}

TEST_F(SkinGalleryMenus, ScrolledListWrapsToItsLastItemAndCheckItemsToggle) {
    // View: Grid (checked), Rulers, Zoom; Zoom shows 8 of its 30 items at a time.
    PressWith(VK_MENU, 'V');
    const std::vector<HWND> View = ExpectLevels(1);
    Press({VK_DOWN, VK_DOWN, VK_RIGHT});
    const std::vector<HWND> Both = ExpectLevels(2);
    HWND Zoom = NewPopup(Both, View);
    ASSERT_NE(Zoom, nullptr);
    const RECT ViewRect = ScreenRectOf(View[0]);
    const RECT ZoomRect = ScreenRectOf(Zoom);
    // Three items and a frame against eight items and the same frame.
    const int ViewHeight = ViewRect.bottom - ViewRect.top;
    const int ZoomHeight = ZoomRect.bottom - ZoomRect.top;
    EXPECT_GT(ZoomHeight, ViewHeight * 2) << "fewer than eight zoom items shown";
    EXPECT_LT(ZoomHeight, ViewHeight * 4) << "more than eight zoom items shown";
    // Up from the first item wraps to the last, which the list scrolls into view.
    Press({VK_UP, VK_RETURN});
    ExpectCommandRan(L"Zoom 300%");

    PressWith(VK_MENU, 'V');
    ExpectLevels(1);
    Press({VK_RETURN});
    ExpectCommandRan(L"Grid off");
    PressWith(VK_MENU, 'V');
    ExpectLevels(1);
    Press({VK_RETURN});
    ExpectCommandRan(L"Grid on");
}

TEST_F(SkinGalleryMenus, ADisabledItemKeepsTheMenuOpenAndRunsNothing) {
    PressWith(VK_MENU, 'F');
    ExpectLevels(1);
    // Up from the first item wraps to the last: Print, which is disabled.
    Press({VK_UP, VK_RETURN});
    WaitUntilIdle(Main);
    ExpectLevels(1);
    EXPECT_EQ(WindowText(Main), Untouched);
    CloseMenus();
    EXPECT_EQ(WindowText(Main), Untouched);
}

TEST_F(SkinGalleryMenus, ShortCutsRunTheirCommandsWithoutOpeningAMenu) {
    PressWith(VK_CONTROL, 'N');
    ExpectCommandRan(L"New");
    PressWith(VK_CONTROL, 'O');
    ExpectCommandRan(L"Open...");
}

TEST_F(SkinGalleryMenus, RightClickOnThePanelOpensItsMenuWhoseCommandsRun) {
    HWND Panel = Gallery->Control(L"TPanel", L"Right-click for a menu");
    ASSERT_NE(Panel, nullptr);
    ClickCentre(Panel, VK_RBUTTON);
    ExpectLevels(1);
    Press({VK_DOWN, VK_RETURN});
    ExpectCommandRan(L"Save picture");

    // Its last item, Colour, has a sub-menu of its own.
    ClickCentre(Panel, VK_RBUTTON);
    ExpectLevels(1);
    Press({VK_UP, VK_RIGHT});
    ExpectLevels(2);
    Press({VK_DOWN, VK_RETURN});
    ExpectCommandRan(L"Blue");
}

TEST_F(SkinGalleryMenus, SystemMenuOpensWithAltSpaceAndOnTheCaptionAndMaximisesAndRestores) {
    const RECT Normal = ScreenRectOf(Main);
    PressWith(VK_MENU, VK_SPACE);
    ExpectLevels(1);
    // "Ma&ximize" by its accelerator.
    Press({'X'});
    ExpectLevels(0);
    const RECT Maximised = WaitForWindowRect(Main, Normal, true);
    RECT WorkArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &WorkArea, 0);
    EXPECT_LE(Maximised.left, WorkArea.left);
    EXPECT_GE(Maximised.right, WorkArea.right);

    // A right click on the caption, clear of its buttons, opens the same menu there.
    const RECT Caption = CaptionBand(Main);
    const POINT On{Caption.left + (Caption.right - Caption.left) / 3,
                   (Caption.top + Caption.bottom) / 2};
    WaitUntilIdle(Main);
    ClickAt(On.x, On.y, VK_RBUTTON);
    const std::vector<HWND> Menu = ExpectLevels(1);
    ASSERT_EQ(Menu.size(), 1u);
    const RECT MenuRect = ScreenRectOf(Menu[0]);
    EXPECT_TRUE(MenuRect.left <= On.x + 1 && On.x - 1 <= MenuRect.right) << "not at the click";
    Press({'R'});
    const RECT Restored = WaitForWindowRect(Main, Normal, false);
    EXPECT_TRUE(EqualRect(&Restored, &Normal));
}

TEST_F(SkinGalleryMenus, AClickOnASystemMenuItemOverTheMenuBarRunsItAndOpensNothingElse) {
    // Alt+Space opens the system menu at the client area's top left, over the menu bar; its
    // first item, "Mi&nimize", lies on the bar's first item.
    PressWith(VK_MENU, VK_SPACE);
    const std::vector<HWND> Menu = ExpectLevels(1);
    ASSERT_EQ(Menu.size(), 1u);
    const POINT Minimize = FirstItemOf(Menu[0]);
    const RECT Bar = ScreenRectOf(MenuBar);
    ASSERT_TRUE(PtInRect(&Bar, Minimize)) << "the system menu does not cover the bar";
    WaitUntilIdle(Main);
    MoveMouseTo(Minimize.x, Minimize.y);
    WaitUntilIdle(Main);
    const RECT Normal = ScreenRectOf(Main);
    ClickAt(Minimize.x, Minimize.y);
    EXPECT_TRUE(WaitForPopupCount(Gallery->ProcessId(), 0).empty()) << DescribeDesktop();
    WaitForWindowRect(Main, Normal, true);
    EXPECT_TRUE(IsIconic(Main));
    // Nothing opened later either: the bar's item under the click stays closed.
    WaitUntilIdle(Main);
    EXPECT_TRUE(PopupWindowsOf(Gallery->ProcessId()).empty()) << DescribeDesktop();
}

TEST_F(SkinGalleryMenus, TheMinimisedWindowsSystemMenuAndDoubleClickBringItBack) {
    const RECT Normal = ScreenRectOf(Main);
    PressWith(VK_MENU, VK_SPACE);
    ExpectLevels(1);
    Press({'N'});
    ExpectLevels(0);
    const RECT Minimised = WaitForWindowRect(Main, Normal, true);
    ASSERT_TRUE(IsIconic(Main)) << DescribeDesktop();
    const POINT OnCaption{(Minimised.left + Minimised.right) / 2,
                          Minimised.top + GetSystemMetrics(SM_CYCAPTION) / 2};

    // A right click on the minimised caption offers "&Restore" first; a click on it restores.
    WaitUntilIdle(Main);
    ClickAt(OnCaption.x, OnCaption.y, VK_RBUTTON);
    const std::vector<HWND> Menu = ExpectLevels(1);
    ASSERT_EQ(Menu.size(), 1u);
    const POINT Restore = FirstItemOf(Menu[0]);
    WaitUntilIdle(Main);
    MoveMouseTo(Restore.x, Restore.y);
    WaitUntilIdle(Main);
    ClickAt(Restore.x, Restore.y);
    const RECT RestoredByMenu = WaitForWindowRect(Main, Normal, false);
    EXPECT_TRUE(EqualRect(&Normal, &RestoredByMenu)) << DescribeDesktop();
    EXPECT_FALSE(IsIconic(Main));

    // Minimised again, a double click on its caption restores it.
    PressWith(VK_MENU, VK_SPACE);
    ExpectLevels(1);
    Press({'N'});
    ExpectLevels(0);
    WaitForWindowRect(Main, Normal, true);
    ASSERT_TRUE(IsIconic(Main));
    const RECT Again = ScreenRectOf(Main);
    const POINT Centre{(Again.left + Again.right) / 2,
                       Again.top + GetSystemMetrics(SM_CYCAPTION) / 2};
    WaitUntilIdle(Main);
    MoveMouseTo(Centre.x, Centre.y);
    ClickAt(Centre.x, Centre.y);
    ClickAt(Centre.x, Centre.y);
    const RECT RestoredByDoubleClick = WaitForWindowRect(Main, Normal, false);
    EXPECT_TRUE(EqualRect(&Normal, &RestoredByDoubleClick)) << DescribeDesktop();
    EXPECT_FALSE(IsIconic(Main));

    // And the restored window's system menu offers what a normal window allows.
    PressWith(VK_MENU, VK_SPACE);
    ExpectLevels(1);
    Press({'X'});
    ExpectLevels(0);
    const RECT Maximised = WaitForWindowRect(Main, Normal, true);
    EXPECT_FALSE(EqualRect(&Normal, &Maximised)) << "Maximize was not offered";
}
