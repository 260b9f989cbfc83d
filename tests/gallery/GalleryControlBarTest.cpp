// The gallery's control bar driven with real input: the Controls menu opens the window; a
// band dragged by its grip moves ahead of the menu bar, another into a row of its own; a
// double click on a grip tears its band off into a floating window named after it, and that
// window dragged by its caption over the bar docks the band again. Ctrl, pressed while a band
// moves or held as it starts to move, tears the band off too.
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

TEST_F(SkinGalleryControlBar, CtrlWhileMovingABandTearsItOffWhereTheMouseIsLetGo) {
    const RECT BarBounds = ScreenRectOf(Bar);
    const auto TearOff = [&](const wchar_t* Caption, bool CtrlFirst) -> HWND {
        HWND Control = Band(Caption);
        if (!Control)
            return nullptr;
        const POINT Grip = GripOf(Control);
        MoveMouseTo(Grip.x, Grip.y);
        WaitUntilIdle(Window);
        PressMouse(VK_LBUTTON);
        if (CtrlFirst)
            HoldKey(VK_CONTROL);
        MoveMouseTo(Grip.x + 6, Grip.y);
        WaitUntilIdle(Window);
        if (!CtrlFirst)
            HoldKey(VK_CONTROL);
        WaitUntilIdle(Window);
        // Let go well below the bar, where nothing docks it.
        const POINT Away{Grip.x + 10, BarBounds.bottom + 90};
        MoveMouseTo((Grip.x + Away.x) / 2, (Grip.y + Away.y) / 2);
        MoveMouseTo(Away.x, Away.y);
        WaitUntilIdle(Window);
        ReleaseMouse(VK_LBUTTON);
        LetGoKey(VK_CONTROL);
        return WaitForWindow(L"TFloatingDockHost", Caption, 10000, Gallery->ProcessId());
    };

    // Ctrl pressed while the band is already moving.
    HWND Shapes = TearOff(L"Shapes", false);
    ASSERT_NE(Shapes, nullptr) << DescribeDesktop();
    EXPECT_EQ(Band(L"Shapes"), nullptr);
    EXPECT_GT(ScreenRectOf(Shapes).bottom, BarBounds.bottom) << "floats where it was let go";

    // Ctrl held as the band starts to move.
    HWND Tools = TearOff(L"Tools", true);
    ASSERT_NE(Tools, nullptr) << DescribeDesktop();
    EXPECT_EQ(Band(L"Tools"), nullptr);
    EXPECT_TRUE(IsWindow(Shapes)) << "the first band stays afloat";
}

} // namespace
