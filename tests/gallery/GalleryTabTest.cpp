// The gallery's tab controls driven with real input: the Controls menu opens the window of
// tabs; clicks on the outermost row of the three-row control select a tab of each row in
// turn, each row coming next to the page; a held scroll button scrolls the single row, so
// that its first tab is then a later one; the arrow keys step through pages; and a page's
// edit takes typed text once its tab is clicked.
#include "tests/gallery/GalleryDriver.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class SkinGalleryTabs : public testing::Test {
protected:
    void SetUp() override {
        Gallery = std::make_unique<TSkinGallery>();
        ASSERT_TRUE(Gallery->Running()) << DescribeDesktop();
        Tabs = Gallery->OpenFromControlsMenu('T', L"TGalleryTabsFrm");
        ASSERT_NE(Tabs, nullptr) << DescribeDesktop();
    }

    HWND Page(const std::wstring& Caption) const {
        HWND Found = FindChild(Tabs, L"TKsTabSheet", Caption);
        EXPECT_NE(Found, nullptr) << testing::PrintToString(Caption);
        return Found;
    }
    // The visible page of the tab control that holds Sheet; null when none shows.
    HWND ShownPage(HWND Sheet) const {
        HWND Control = GetParent(Sheet);
        for (HWND Child = GetWindow(Control, GW_CHILD); Child;
             Child = GetWindow(Child, GW_HWNDNEXT))
            if (IsWindowVisible(Child))
                return Child;
        return nullptr;
    }
    // Waits until a page other than Before shows in Sheet's control; the page shown then.
    HWND WaitForOtherPage(HWND Sheet, HWND Before) const {
        const DWORD Start = GetTickCount();
        HWND Shown = ShownPage(Sheet);
        while (Shown == Before && GetTickCount() - Start < 10000) {
            PumpMessagesFor(20);
            Shown = ShownPage(Sheet);
        }
        return Shown;
    }
    void ClickIn(HWND Window, int X, int Y) {
        const RECT Bounds = ScreenRectOf(Window);
        ClickAt(Bounds.left + X, Bounds.top + Y);
        WaitUntilIdle(Tabs);
    }

    std::unique_ptr<TSkinGallery> Gallery;
    HWND Tabs = nullptr;
};

TEST_F(SkinGalleryTabs, ClicksOnTheOuterRowVisitEveryRow) {
    HWND First = Page(L"Capture area");
    ASSERT_NE(First, nullptr);
    HWND Control = GetParent(First);
    ASSERT_EQ(ShownPage(First), First);
    // The outermost row starts two pixels in from the top; its first tab two pixels in
    // from the left. Each click brings that row next to the page, and the next one out.
    std::vector<HWND> Shown{First};
    for (int Click = 0; Click < 3; ++Click) {
        ClickIn(Control, 8, 6);
        Shown.push_back(WaitForOtherPage(First, Shown.back()));
        ASSERT_NE(Shown.back(), nullptr);
    }
    EXPECT_NE(Shown[1], Shown[0]);
    EXPECT_NE(Shown[2], Shown[1]);
    EXPECT_NE(Shown[2], Shown[0]);
    // Three rows round, the first row is the outer one again, with the first tab.
    EXPECT_EQ(Shown[3], First) << testing::PrintToString(WindowText(Shown[3]));
}

TEST_F(SkinGalleryTabs, AHeldScrollButtonScrollsTheRow) {
    HWND January = Page(L"January");
    ASSERT_NE(January, nullptr);
    HWND Control = GetParent(January);
    const RECT Bounds = ScreenRectOf(Control);
    const RECT Strip{Bounds.left, Bounds.top, Bounds.right, Bounds.top + 20};
    const std::vector<uint32_t> Before = GrabScreenPixels(Strip);
    MoveMouseTo(Bounds.right - 5, Bounds.top + 10);
    WaitUntilIdle(Tabs);
    PressMouse(VK_LBUTTON);
    ASSERT_TRUE(WaitForPixelsToChange(Strip, Before));
    // Held on, it goes on scrolling.
    const std::vector<uint32_t> Once = GrabScreenPixels(Strip);
    EXPECT_TRUE(WaitForPixelsToChange(Strip, Once));
    ReleaseMouse(VK_LBUTTON);
    WaitUntilIdle(Tabs);
    // The first tab shown now is a later month.
    ClickIn(Control, 8, 10);
    HWND Shown = WaitForOtherPage(January, January);
    ASSERT_NE(Shown, nullptr);
    EXPECT_NE(Shown, January);
    const std::wstring Month = WindowText(Shown);
    EXPECT_NE(Month, L"February") << "scrolled more than one step";
}

TEST_F(SkinGalleryTabs, ArrowKeysAndClicksReachThePagesAndTheirControls) {
    HWND EditsPage = Page(L"Edit and button");
    ASSERT_NE(EditsPage, nullptr);
    HWND Control = GetParent(EditsPage);
    ClickIn(Control, 8, 10);
    PressKey(VK_RIGHT);
    HWND BarPage = WaitForOtherPage(EditsPage, EditsPage);
    EXPECT_EQ(BarPage, Page(L"滚动条 Bar"));
    PressKey(VK_RIGHT);
    EXPECT_EQ(WaitForOtherPage(EditsPage, BarPage), Page(L"Empty page"));
    PressKey(VK_LEFT);
    PressKey(VK_LEFT);
    ASSERT_EQ(WaitForOtherPage(EditsPage, Page(L"Empty page")), EditsPage);

    HWND Edit = FindChild(EditsPage, L"", L"Type on this page");
    ASSERT_NE(Edit, nullptr);
    const RECT EditBounds = ScreenRectOf(Edit);
    ClickAt(EditBounds.right - 6, (EditBounds.top + EditBounds.bottom) / 2);
    WaitUntilIdle(Tabs);
    TypeText(L" 截图");
    EXPECT_TRUE(WaitForText(Edit, L"Type on this page 截图"))
        << testing::PrintToString(WindowText(Edit));
}

} // namespace
