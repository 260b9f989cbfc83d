// The gallery's control bar driven with real input: the Controls menu opens the window; a
// band dragged by its grip moves ahead of the menu bar, another into a row of its own; a
// double click on a grip tears its band off into a floating window named after it, and that
// window dragged by its caption over the bar docks the band again.
#include "tests/gallery/GalleryDriver.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Asks Done again and again until it answers True; False when it never did within Timeout ms.
bool WaitUntil(const std::function<bool()>& Done, DWORD TimeoutMs = 10000) {
    const DWORD Start = GetTickCount();
    while (!Done()) {
        if (GetTickCount() - Start > TimeoutMs)
            return false;
        Sleep(10);
    }
    return true;
}

class SkinGalleryControlBar : public testing::Test {
protected:
    void SetUp() override {
        Gallery = std::make_unique<TSkinGallery>();
        ASSERT_TRUE(Gallery->Running()) << DescribeDesktop();
        HWND Main = Gallery->MainWindow();
        WaitUntilItTakesInput(Main);
        WaitUntilIdle(Main);
        PressKeyWith(VK_MENU, 'C');
        ASSERT_EQ(WaitForPopupCount(Gallery->ProcessId(), 1).size(), 1u) << DescribeDesktop();
        WaitUntilIdle(Main);
        PressKey(VK_DOWN);
        PressKey(VK_RETURN);
        Window = WaitForWindow(L"TGalleryControlBarFrm", L"Control bar", 10000,
                               Gallery->ProcessId());
        ASSERT_NE(Window, nullptr) << DescribeDesktop();
        WaitUntilIdle(Window);
        Bar = FindWindowExW(Window, nullptr, L"TKsCustomControlBar", nullptr);
        ASSERT_NE(Bar, nullptr);
    }

    HWND Band(const wchar_t* Caption) const {
        return FindWindowExW(Bar, nullptr, L"TKsSpeedContainer", Caption);
    }
    // The middle of the grip left of a band's control, on the screen.
    static POINT GripOf(HWND Control) {
        const RECT Bounds = ScreenRectOf(Control);
        return POINT{Bounds.left - 6, (Bounds.top + Bounds.bottom) / 2};
    }
    void Drag(POINT From, POINT To) {
        DragMouse(From, To, VK_LBUTTON, 16);
        WaitUntilIdle(Window);
    }

    std::unique_ptr<TSkinGallery> Gallery;
    HWND Window = nullptr;
    HWND Bar = nullptr;
};

TEST_F(SkinGalleryControlBar, BandsMoveBetweenRowsTearOffAndDockBack) {
    HWND Menu = FindWindowExW(Bar, nullptr, L"TKsCustomMenuBar", nullptr);
    HWND Shapes = Band(L"Shapes");
    HWND Tools = Band(L"Tools");
    ASSERT_TRUE(Menu && Shapes && Tools);
    const RECT BarBounds = ScreenRectOf(Bar);

    // Shapes to the bar's left edge: ahead of the menu bar, in the same row.
    const RECT ShapesBefore = ScreenRectOf(Shapes);
    Drag(GripOf(Shapes), POINT{BarBounds.left + 4, GripOf(Shapes).y});
    EXPECT_TRUE(WaitUntil([&] { return ScreenRectOf(Shapes).left < ScreenRectOf(Menu).left; }));
    EXPECT_EQ(ScreenRectOf(Shapes).top, ShapesBefore.top);

    // Tools one row down: a row of its own, and the bar grows.
    Drag(GripOf(Tools), POINT{GripOf(Tools).x, GripOf(Tools).y + 26});
    EXPECT_TRUE(WaitUntil([&] { return ScreenRectOf(Tools).top >= ScreenRectOf(Menu).bottom; }));
    EXPECT_GT(ScreenRectOf(Bar).bottom, BarBounds.bottom);

    // A double click on its grip floats Tools in a window of its own.
    const POINT Grip = GripOf(Tools);
    ClickAt(Grip.x, Grip.y);
    ClickAt(Grip.x, Grip.y);
    HWND Floating = WaitForWindow(L"TFloatingDockHost", L"Tools", 10000, Gallery->ProcessId());
    ASSERT_NE(Floating, nullptr) << DescribeDesktop();
    EXPECT_EQ(Band(L"Tools"), nullptr);
    WaitUntilIdle(Floating);

    // Its window dragged by the caption over the bar's right end docks it again.
    const RECT Frame = ScreenRectOf(Floating);
    const POINT Caption{(Frame.left + Frame.right) / 2, Frame.top + 8};
    const RECT BarNow = ScreenRectOf(Bar);
    Drag(Caption, POINT{BarNow.right - 80, BarNow.top + 12});
    EXPECT_TRUE(WaitForWindowGone(Floating)) << DescribeDesktop();
    Tools = Band(L"Tools");
    ASSERT_NE(Tools, nullptr);
    EXPECT_GT(ScreenRectOf(Tools).left, ScreenRectOf(Menu).right);
}

} // namespace
