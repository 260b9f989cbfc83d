// The gallery's combo boxes and theme switcher driven with real input: the Controls menu
// opens the window of combo boxes; the button drops a list down and a click on an item takes
// it, Alt+Down and the arrow keys with Enter choose by keys, typed text is completed with
// only the completed part selected, a combo near the bottom of the screen opens its list
// above itself, and the main window's switcher changes the theme of the whole gallery.
#include "tests/gallery/GalleryDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The lists' items: 16 pixels high inside a two-pixel border; the plain button 15 wide
// inside the combo's two-pixel border.
constexpr int ItemHeight = 16;
constexpr int Border = 2;
constexpr int ButtonMiddle = Border + 7;

struct TChildSearch {
    std::vector<std::wstring> Classes;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectChild(HWND Child, LPARAM Data) {
    auto& Search = *reinterpret_cast<TChildSearch*>(Data);
    wchar_t Class[64] = {};
    GetClassNameW(Child, Class, 64);
    if (std::find(Search.Classes.begin(), Search.Classes.end(), Class) != Search.Classes.end())
        Search.Found.push_back(Child);
    return TRUE;
}

// The children of Parent of the classes, top to bottom.
std::vector<HWND> ChildrenOf(HWND Parent, std::vector<std::wstring> Classes) {
    TChildSearch Search{std::move(Classes), {}};
    EnumChildWindows(Parent, &CollectChild, reinterpret_cast<LPARAM>(&Search));
    std::sort(Search.Found.begin(), Search.Found.end(),
              [](HWND A, HWND B) { return ScreenRectOf(A).top < ScreenRectOf(B).top; });
    return Search.Found;
}

POINT ButtonPoint(HWND Combo, bool Left) {
    const RECT Bounds = ScreenRectOf(Combo);
    const int Y = (Bounds.top + Bounds.bottom) / 2;
    return Left ? POINT{Bounds.left + ButtonMiddle, Y} : POINT{Bounds.right - ButtonMiddle, Y};
}

// The screen point of row Row of an open drop-down list.
POINT RowPoint(HWND DropDown, int Row) {
    const RECT Bounds = ScreenRectOf(DropDown);
    return POINT{(Bounds.left + Bounds.right) / 2,
                 Bounds.top + Border + Row * ItemHeight + ItemHeight / 2};
}

class SkinGalleryComboBoxes : public testing::Test {
protected:
    void SetUp() override {
        Gallery = std::make_unique<TSkinGallery>();
        ASSERT_TRUE(Gallery->Running()) << DescribeDesktop();
        Window = Gallery->OpenFromControlsMenu('O', L"TGalleryComboBoxesFrm");
        ASSERT_NE(Window, nullptr) << DescribeDesktop();
        // Top to bottom: completing, list with the button left, long list, themed
        // completing with the button left, font samples, near the bottom.
        Combos = ChildrenOf(Window, {L"TKsComboBox", L"TTeThemeComboBox"});
        ASSERT_EQ(Combos.size(), 6u);
    }
    void TearDown() override { ReleaseMouse(VK_LBUTTON); }

    // Clicks the combo's button and waits for its list; the list's window or null.
    HWND DropDownByButton(HWND Combo, bool Left) {
        WaitUntilIdle(Window);
        const POINT At = ButtonPoint(Combo, Left);
        ClickAt(At.x, At.y);
        return WaitForDropDown();
    }
    HWND WaitForDropDown() {
        const std::vector<HWND> Popups = WaitForPopupCount(Gallery->ProcessId(), 1);
        return Popups.size() == 1 ? Popups.front() : nullptr;
    }
    bool DropDownGone() { return WaitForPopupCount(Gallery->ProcessId(), 0).empty(); }
    // Clicks row Row of the open list and waits until it closed and the caption names Text.
    void ChooseRow(HWND DropDown, int Row, const std::wstring& Text) {
        const POINT At = RowPoint(DropDown, Row);
        ClickAt(At.x, At.y);
        EXPECT_TRUE(DropDownGone());
        EXPECT_TRUE(CaptionIs(Text)) << testing::PrintToString(WindowText(Window));
    }
    bool CaptionIs(const std::wstring& Text) {
        return WaitForText(Window, L"Combo boxes: " + Text);
    }
    void ClickText(HWND Combo) {
        const RECT Bounds = ScreenRectOf(Combo);
        WaitUntilIdle(Window);
        ClickAt((Bounds.left + Bounds.right) / 2, (Bounds.top + Bounds.bottom) / 2);
        WaitUntilIdle(Window);
    }

    std::unique_ptr<TSkinGallery> Gallery;
    HWND Window = nullptr;
    std::vector<HWND> Combos;
};

TEST_F(SkinGalleryComboBoxes, TheButtonDropsTheListBelowAndAClickChoosesAnItem) {
    const HWND List = Combos[1];
    const HWND DropDown = DropDownByButton(List, true);
    ASSERT_NE(DropDown, nullptr) << DescribeDesktop();
    EXPECT_EQ(ScreenRectOf(DropDown).top, ScreenRectOf(List).bottom);
    EXPECT_EQ(ScreenRectOf(DropDown).left, ScreenRectOf(List).left);
    ChooseRow(DropDown, 3, L"全屏");
}

TEST_F(SkinGalleryComboBoxes, AltDownArrowsAndEnterChooseByKeysAndEscapeKeeps) {
    const HWND Complete = Combos[0];
    ClickText(Complete);
    PressKeyWith(VK_MENU, VK_DOWN);
    ASSERT_NE(WaitForDropDown(), nullptr) << DescribeDesktop();
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    EXPECT_TRUE(DropDownGone());
    EXPECT_TRUE(CaptionIs(L"Selection")) << testing::PrintToString(WindowText(Window));
    EXPECT_EQ(WindowText(Complete), L"Selection");

    PressKey(VK_F4);
    ASSERT_NE(WaitForDropDown(), nullptr) << DescribeDesktop();
    PressKey(VK_DOWN);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(DropDownGone());
    WaitUntilIdle(Window);
    EXPECT_EQ(WindowText(Complete), L"Selection");
}

TEST_F(SkinGalleryComboBoxes, TypedTextIsCompletedWithOnlyTheCompletedPartSelected) {
    const HWND Themed = Combos[3];
    ClickText(Themed);
    // Focused by the click, its text selected whole: typing replaces it.
    PressKeyWith(VK_CONTROL, 'A');
    TypeText(L"hi");
    EXPECT_TRUE(WaitForText(Themed, L"Highlight")) << testing::PrintToString(WindowText(Themed));
    EXPECT_TRUE(CaptionIs(L"Highlight"));
    // Typing on replaces the completed part only.
    TypeText(L"x");
    EXPECT_TRUE(WaitForText(Themed, L"Hix")) << testing::PrintToString(WindowText(Themed));
}

TEST_F(SkinGalleryComboBoxes, AComboNearTheBottomOfTheScreenOpensItsListAbove) {
    RECT WorkArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &WorkArea, 0);
    const RECT Bounds = ScreenRectOf(Window);
    const int Height = Bounds.bottom - Bounds.top;
    SetWindowPos(Window, nullptr, Bounds.left, WorkArea.bottom - Height, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    WaitForWindowRect(
        Window, RECT{Bounds.left, WorkArea.bottom - Height, Bounds.right, WorkArea.bottom}, false);
    const HWND Bottom = Combos[5];
    const HWND DropDown = DropDownByButton(Bottom, false);
    ASSERT_NE(DropDown, nullptr) << DescribeDesktop();
    EXPECT_EQ(ScreenRectOf(DropDown).bottom, ScreenRectOf(Bottom).top);
    ChooseRow(DropDown, 2, L"Third");
}

TEST(SkinGallerySwitcher, TheSwitcherChangesTheThemeOfTheGalleryByMouseAndByKeys) {
    TSkinGallery Gallery;
    ASSERT_TRUE(Gallery.Running()) << DescribeDesktop();
    const HWND Main = Gallery.MainWindow();
    const std::vector<HWND> Switchers = ChildrenOf(Main, {L"TTeSwitcherComboBox"});
    ASSERT_EQ(Switchers.size(), 1u);
    const HWND Switcher = Switchers.front();
    WaitUntilItTakesInput(Main);
    WaitUntilIdle(Main);
    const RECT Caption = CaptionBand(Main);
    std::vector<uint32_t> Before = GrabScreenPixels(Caption);

    // A click on the text drops the themes down; the last entry is "No Theme".
    const RECT Bounds = ScreenRectOf(Switcher);
    ClickAt(Bounds.left + 20, (Bounds.top + Bounds.bottom) / 2);
    const std::vector<HWND> Popups = WaitForPopupCount(Gallery.ProcessId(), 1);
    ASSERT_EQ(Popups.size(), 1u) << DescribeDesktop();
    PressKey(VK_END);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitForPopupCount(Gallery.ProcessId(), 0).empty());
    EXPECT_TRUE(WaitForPixelsToChange(Caption, Before)) << "the frame shows the plain look";

    // With the list closed, Up steps back to the theme before it.
    WaitUntilIdle(Main);
    Before = GrabScreenPixels(Caption);
    PressKey(VK_UP);
    EXPECT_TRUE(WaitForPixelsToChange(Caption, Before)) << "the frame is themed again";
}

} // namespace
