// The skin gallery, driven with real input on the Wine desktop: its frame's caption buttons,
// the live hue shift, the default button and the forms it opens.
#include "tests/gallery/GalleryDriver.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

class SkinGalleryProgram : public testing::Test {
protected:
    void SetUp() override {
        Gallery = std::make_unique<TSkinGallery>();
        ASSERT_TRUE(Gallery->Running()) << "the gallery's main window did not appear\n"
                                        << DescribeDesktop();
        Main = Gallery->MainWindow();
    }

    // Clicks a screen point of the main window once it takes input.
    void ClickOnMain(POINT Point) {
        ASSERT_GE(Point.x, 0) << "no such caption button";
        WaitUntilItTakesInput(Main);
        WaitUntilIdle(Main);
        ClickAt(Point.x, Point.y);
    }

    std::unique_ptr<TSkinGallery> Gallery;
    HWND Main = nullptr;
};

bool SameRect(const RECT& A, const RECT& B) {
    return EqualRect(&A, &B) != FALSE;
}

} // namespace

std::ostream& operator<<(std::ostream& Out, const RECT& Rect) {
    return Out << "{" << Rect.left << ", " << Rect.top << ", " << Rect.right << ", " << Rect.bottom
               << "}";
}

TEST_F(SkinGalleryProgram, CaptionButtonsMaximiseRestoreAndRollUpAndDown) {
    const RECT Normal = ScreenRectOf(Main);
    RECT WorkArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &WorkArea, 0);

    ClickOnMain(Gallery->CaptionButton(HTMAXBUTTON));
    const RECT Maximised = WaitForWindowRect(Main, Normal, true);
    EXPECT_LE(Maximised.left, WorkArea.left) << Maximised;
    EXPECT_LE(Maximised.top, WorkArea.top) << Maximised;
    EXPECT_GE(Maximised.right, WorkArea.right) << Maximised;
    EXPECT_GE(Maximised.bottom, WorkArea.bottom) << Maximised;

    // The same button, now where the wider frame puts it, restores.
    ClickOnMain(Gallery->CaptionButton(HTMAXBUTTON));
    EXPECT_TRUE(SameRect(WaitForWindowRect(Main, Normal, false), Normal))
        << ScreenRectOf(Main) << " instead of " << Normal;

    // From the right the minimise-like buttons are minimise, roll-up and tray.
    ClickOnMain(Gallery->CaptionButton(HTMINBUTTON, 1));
    const RECT RolledUp = WaitForWindowRect(Main, Normal, true);
    EXPECT_EQ(RolledUp.left, Normal.left);
    EXPECT_EQ(RolledUp.top, Normal.top);
    EXPECT_EQ(RolledUp.right, Normal.right);
    EXPECT_LE(RolledUp.bottom, CaptionBand(Main).bottom + 16) << "only the caption stays";
    EXPECT_TRUE(IsWindowVisible(Main));

    ClickOnMain(Gallery->CaptionButton(HTMINBUTTON, 1));
    EXPECT_TRUE(SameRect(WaitForWindowRect(Main, Normal, false), Normal))
        << ScreenRectOf(Main) << " instead of " << Normal;
}

TEST_F(SkinGalleryProgram, HueShiftRepaintsTheThemedFacesAndFrameAndNothingElse) {
    HWND HuePanel = Gallery->Control(L"TPanel", L"Hue");
    HWND Themed = Gallery->Control(L"TTeThemeButton", L"Themed face");
    HWND Plain = Gallery->Control(L"TTeThemeButton", L"Plain face");
    ASSERT_TRUE(HuePanel && Themed && Plain);

    // The page area at the hue bar's far end: the thumb starts at the other end.
    const RECT Slider = ScreenRectOf(HuePanel);
    const int SliderHeight = Slider.bottom - Slider.top;
    const POINT PageAfter{Slider.right - SliderHeight - 6, (Slider.top + Slider.bottom) / 2};
    // The pointer rests there first, so that no control lights up between the pictures.
    MoveMouseTo(PageAfter.x, PageAfter.y);
    WaitUntilIdle(Main);
    PumpMessagesFor(300);
    WaitUntilIdle(Main);

    // Luna's face is nearly white: its blue edge is what the hue turns.
    const RECT Regions[] = {CaptionBand(Main), ScreenRectOf(Themed), ScreenRectOf(Plain),
                            DesktopBeside(Main)};
    std::vector<uint32_t> Before[4];
    for (int I = 0; I < 4; ++I)
        Before[I] = GrabScreenPixels(Regions[I]);

    ClickOnMain(PageAfter);
    ASSERT_TRUE(WaitForPixelsToChange(Regions[0], Before[0])) << "the frame kept its hue";
    WaitUntilIdle(Main);
    EXPECT_TRUE(WaitForPixelsToChange(Regions[1], Before[1])) << "the themed face kept its hue";
    // Whatever else would repaint has had its turn by now.
    WaitUntilIdle(Main);
    PumpMessagesFor(200);
    EXPECT_EQ(GrabScreenPixels(Regions[2]), Before[2]) << "the plain face changed";
    EXPECT_EQ(GrabScreenPixels(Regions[3]), Before[3]) << "the desktop beside changed";

    // The slider's panel has the keyboard focus: a page key shifts the hue further.
    ASSERT_NE(WaitForFocusIn(Main, L"TPanel", 10000), nullptr);
    const std::vector<uint32_t> Shifted = GrabScreenPixels(Regions[1]);
    PressKey(VK_NEXT);
    EXPECT_TRUE(WaitForPixelsToChange(Regions[1], Shifted)) << "the page key did not shift";
}

TEST_F(SkinGalleryProgram, ReturnPressesTheDefaultOkButtonWhileTheFocusIsOnASlider) {
    HWND Focused = WaitForFocusIn(Main, L"TPanel", 10000);
    ASSERT_NE(Focused, nullptr) << "the focus is not on a slider";
    EXPECT_EQ(WindowText(Focused), L"Hue");
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitForText(Main, L"Skin Gallery: OK")) << testing::PrintToString(WindowText(Main));
}

TEST_F(SkinGalleryProgram, FormButtonsOpenTheirFormsWhichTheirCloseButtonsClose) {
    struct TCase {
        const wchar_t* Button;
        const wchar_t* FormClass;
        const wchar_t* Caption;
    };
    const TCase Cases[] = {
        {L"Tool window", L"TGalleryToolWindowFrm", L"Tool window"},
        {L"Translucent", L"TGalleryTranslucentFrm", L"Translucent form"},
        {L"Slide", L"TGalleryAnimationFrm", L"Show animation: kaSlide"},
        {L"Random", L"TGalleryAnimationFrm", L"Show animation: kaRandom"},
    };
    for (const TCase& Case : Cases) {
        HWND Button = Gallery->Control(L"TTeThemeButton", Case.Button);
        ASSERT_NE(Button, nullptr) << "no button " << testing::PrintToString(Case.Button);
        ClickCentre(Button);
        HWND Form = WaitForWindow(Case.FormClass, Case.Caption, 10000, Gallery->ProcessId());
        ASSERT_NE(Form, nullptr) << DescribeDesktop();
        HWND Close = FindChild(Form, L"TTeThemeButton", L"&Close");
        ASSERT_NE(Close, nullptr);
        ClickCentre(Close);
        EXPECT_TRUE(WaitForWindowGone(Form)) << testing::PrintToString(Case.Caption);
    }
}
