// The gallery's list boxes driven with real input: the Controls menu opens the window of list
// boxes; a click and the End key make items current (the caption names them), the wheel
// scrolls the long list, a drag past its bottom edge carries the current item down, check
// boxes cycle through three states (a disabled one stays), and Shift and Ctrl select in the
// multi-select list.
#include "tests/gallery/GalleryDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The plain boxes' items: 16 pixels high inside a two-pixel border.
constexpr int ItemHeight = 16;
constexpr int Border = 2;

class SkinGalleryListBoxes : public testing::Test {
protected:
    void SetUp() override {
        Gallery = std::make_unique<TSkinGallery>();
        ASSERT_TRUE(Gallery->Running()) << DescribeDesktop();
        Window = Gallery->OpenFromControlsMenu('L', L"TGalleryListBoxesFrm");
        ASSERT_NE(Window, nullptr) << DescribeDesktop();
        EnumChildWindows(Window, &CollectListBox, reinterpret_cast<LPARAM>(&Plain));
        ASSERT_EQ(Plain.size(), 4u);
        // Left to right: the long list, the check boxes, the multi-select list, the columns.
        std::sort(Plain.begin(), Plain.end(),
                  [](HWND A, HWND B) { return ScreenRectOf(A).left < ScreenRectOf(B).left; });
    }
    void TearDown() override { ReleaseMouse(VK_LBUTTON); }

    static BOOL CALLBACK CollectListBox(HWND Child, LPARAM Data) {
        wchar_t Class[64] = {};
        GetClassNameW(Child, Class, 64);
        if (std::wstring(Class) == L"TKsListBox")
            reinterpret_cast<std::vector<HWND>*>(Data)->push_back(Child);
        return TRUE;
    }
    // The screen point of row Row of a plain box, X pixels in from its left.
    static POINT RowPoint(HWND List, int Row, int X) {
        const RECT Bounds = ScreenRectOf(List);
        return POINT{Bounds.left + X, Bounds.top + Border + Row * ItemHeight + ItemHeight / 2};
    }
    void ClickRow(HWND List, int Row, int X = 100, WORD Modifier = 0) {
        const POINT At = RowPoint(List, Row, X);
        WaitUntilIdle(Window);
        ClickWith(Modifier, At.x, At.y);
        WaitUntilIdle(Window);
    }
    // Clicks row Row's check box, each time at the other side of its 13 pixels, so that two
    // clicks in a row are two clicks and not a double click.
    void ClickCheckBox(HWND List, int Row) {
        ClickRow(List, Row, Border + (++CheckClicks % 2 == 0 ? 3 : 11));
    }
    bool CaptionIs(const std::wstring& Text) { return WaitForText(Window, L"List boxes: " + Text); }

    std::unique_ptr<TSkinGallery> Gallery;
    HWND Window = nullptr;
    std::vector<HWND> Plain;
    int CheckClicks = 0;
};

TEST_F(SkinGalleryListBoxes, ClicksKeysAndTheWheelMoveThroughTheLongList) {
    HWND Long = Plain[0];
    ClickRow(Long, 2);
    EXPECT_TRUE(CaptionIs(L"第 3 项 · item 3")) << testing::PrintToString(WindowText(Window));
    PressKey(VK_END);
    EXPECT_TRUE(CaptionIs(L"第 300 项 · item 300")) << testing::PrintToString(WindowText(Window));

    const RECT Rows = ScreenRectOf(Long);
    const std::vector<uint32_t> Before = GrabScreenPixels(Rows);
    const POINT Inside = RowPoint(Long, 3, 60);
    MoveMouseTo(Inside.x, Inside.y);
    TurnWheel(WHEEL_DELTA * 2);
    EXPECT_TRUE(WaitForPixelsToChange(Rows, Before));
}

TEST_F(SkinGalleryListBoxes, ADragPastTheBottomCarriesTheCurrentItemDown) {
    HWND Long = Plain[0];
    ClickRow(Long, 1);
    ASSERT_TRUE(CaptionIs(L"第 2 项 · item 2"));
    const RECT Bounds = ScreenRectOf(Long);
    const std::vector<uint32_t> Before = GrabScreenPixels(Bounds);
    const POINT From = RowPoint(Long, 1, 100);
    MoveMouseTo(From.x, From.y);
    PressMouse(VK_LBUTTON);
    MoveMouseTo(From.x, Bounds.bottom + 30);
    EXPECT_TRUE(WaitForPixelsToChange(Bounds, Before));
    // Well past the first page before the button goes up.
    const std::vector<uint32_t> Scrolling = GrabScreenPixels(Bounds);
    EXPECT_TRUE(WaitForPixelsToChange(Bounds, Scrolling));
    ReleaseMouse(VK_LBUTTON);
    WaitUntilIdle(Window);
    PressKey(VK_DOWN);
    WaitUntilIdle(Window);
    const std::wstring Caption = WindowText(Window);
    const size_t Number = Caption.find(L"item ");
    ASSERT_NE(Number, std::wstring::npos) << testing::PrintToString(Caption);
    EXPECT_GT(std::stoi(Caption.substr(Number + 5)), 11) << testing::PrintToString(Caption);
}

TEST_F(SkinGalleryListBoxes, CheckBoxesCycleThroughThreeStatesButADisabledOneStays) {
    HWND Checks = Plain[1];
    ClickCheckBox(Checks, 0);
    EXPECT_TRUE(CaptionIs(L"Unchecked [checked]")) << testing::PrintToString(WindowText(Window));
    ClickCheckBox(Checks, 0);
    EXPECT_TRUE(CaptionIs(L"Unchecked [grayed]")) << testing::PrintToString(WindowText(Window));
    ClickCheckBox(Checks, 0);
    EXPECT_TRUE(CaptionIs(L"Unchecked [unchecked]")) << testing::PrintToString(WindowText(Window));
    ClickCheckBox(Checks, 3);
    EXPECT_TRUE(CaptionIs(L"Checked, cannot change [checked]"))
        << testing::PrintToString(WindowText(Window));
    PressKey(VK_SPACE);
    PressKey(VK_UP);
    EXPECT_TRUE(CaptionIs(L"Grayed [grayed]")) << testing::PrintToString(WindowText(Window));
    PressKey(VK_DOWN);
    EXPECT_TRUE(CaptionIs(L"Checked, cannot change [checked]"))
        << testing::PrintToString(WindowText(Window));
}

TEST_F(SkinGalleryListBoxes, ShiftAndCtrlSelectInTheMultiSelectList) {
    HWND Multi = Plain[2];
    ClickRow(Multi, 0);
    EXPECT_TRUE(CaptionIs(L"Alpha (1 selected)")) << testing::PrintToString(WindowText(Window));
    ClickRow(Multi, 3, 100, VK_SHIFT);
    EXPECT_TRUE(CaptionIs(L"Delta (4 selected)")) << testing::PrintToString(WindowText(Window));
    ClickRow(Multi, 1, 100, VK_CONTROL);
    EXPECT_TRUE(CaptionIs(L"Bravo (3 selected)")) << testing::PrintToString(WindowText(Window));
    ClickRow(Multi, 6, 100, VK_CONTROL);
    EXPECT_TRUE(CaptionIs(L"高尔夫 (4 selected)")) << testing::PrintToString(WindowText(Window));
}

} // namespace
