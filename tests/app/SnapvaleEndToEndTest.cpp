// The real program, driven with real input on the Wine desktop in front of a known picture.
#include "tests/app/SnapvaleDriver.h"

#include "skin/graphics/KsLowLevel.h"

#include <gtest/gtest.h>

namespace {

constexpr RECT WholeScreen() {
    return RECT{0, 0, 1280, 1024};
}

class SnapvaleProgram : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), WholeScreen().right);
        ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), WholeScreen().bottom);
        Program = std::make_unique<TSnapvale>();
        ASSERT_TRUE(Program->Running()) << "Snapvale's main window did not appear";
    }

    TPatternBackdrop Backdrop;
    TScratchFolder Folder;
    std::unique_ptr<TSnapvale> Program;
};

} // namespace

TEST_F(SnapvaleProgram, FullScreenCaptureHoldsExactlyTheScreenWithoutTheMainWindow) {
    HWND Image = Program->CaptureFullScreen();
    ASSERT_NE(Image, nullptr) << "the captured-image window did not appear";

    Program->SaveAs(Image, Folder.File(L"screen.bmp"));
    ASSERT_TRUE(Folder.WaitForFile(L"screen.bmp")) << DescribeDesktop();
    const TPixels Saved = LoadPictureFile(Folder.File(L"screen.bmp"));
    ASSERT_EQ(Saved.Width, 1280);
    ASSERT_EQ(Saved.Height, 1024);
    const TDifference Difference = Compare(Saved, TPatternBackdrop::Expected(WholeScreen()));
    EXPECT_EQ(Difference.Max, 0) << "mean difference " << Difference.Mean;

    Program->SaveAs(Image, Folder.File(L"screen.jpg"));
    ASSERT_TRUE(Folder.WaitForFile(L"screen.jpg")) << DescribeDesktop();
    const TPixels Jpeg = LoadPictureFile(Folder.File(L"screen.jpg"));
    const TDifference JpegDifference = Compare(Jpeg, Saved);
    EXPECT_LT(JpegDifference.Mean, 4.0);
    EXPECT_LT(JpegDifference.Max, 96);
    EXPECT_EQ(Folder.FileCount(), 2u) << "no temporary file is left behind";

    Program->CopyToClipboard(Image);
    EXPECT_EQ(Compare(ClipboardPicture(), Saved).Max, 0);
    EXPECT_TRUE(Program->CloseImageWindow(Image)) << DescribeDesktop();
}

TEST_F(SnapvaleProgram, RegionCaptureTakesTheDraggedRectangleInEitherDirection) {
    const RECT Selection{300, 200, 517, 351};
    HWND Image = Program->CaptureRegion({Selection.left, Selection.top},
                                        {Selection.right, Selection.bottom});
    ASSERT_NE(Image, nullptr);
    Program->SaveAs(Image, Folder.File(L"down-right.bmp"));
    EXPECT_TRUE(Program->CloseImageWindow(Image)) << DescribeDesktop();

    Image = Program->CaptureRegion({Selection.right, Selection.bottom},
                                   {Selection.left, Selection.top});
    ASSERT_NE(Image, nullptr);
    Program->SaveAs(Image, Folder.File(L"up-left.bmp"));
    EXPECT_TRUE(Program->CloseImageWindow(Image)) << DescribeDesktop();

    const TPixels Expected = TPatternBackdrop::Expected(Selection);
    for (const wchar_t* Name : {L"down-right.bmp", L"up-left.bmp"}) {
        ASSERT_TRUE(Folder.WaitForFile(Name)) << Name;
        const TPixels Saved = LoadPictureFile(Folder.File(Name));
        EXPECT_EQ(Saved.Width, Selection.right - Selection.left);
        EXPECT_EQ(Saved.Height, Selection.bottom - Selection.top);
        EXPECT_EQ(Compare(Saved, Expected).Max, 0) << Name;
    }
    EXPECT_TRUE(IsWindowVisible(Program->MainWindow()));
}

TEST_F(SnapvaleProgram, WrongExtensionShowsTheFormatBoxAndWritesNothing) {
    HWND Image = Program->CaptureRegion({100, 100}, {140, 130});
    ASSERT_NE(Image, nullptr);
    for (const wchar_t* Name : {L"shot.png", L"shot.JPG", L"shot.jpeg"}) {
        Program->SaveAs(Image, Folder.File(Name));
        HWND Box = Program->WaitForDialog(L"提示");
        ASSERT_NE(Box, nullptr) << Name << "\n" << DescribeDesktop();
        const auto Texts = StaticTexts(Box);
        EXPECT_NE(std::find(Texts.begin(), Texts.end(), L"请选择正确的图片格式!"), Texts.end());
        TSnapvale::Confirm(Box);
        EXPECT_TRUE(WaitForWindowGone(Box));
    }
    EXPECT_EQ(Folder.FileCount(), 0u);
}

TEST_F(SnapvaleProgram, AFailedSaveShowsTheErrorBoxAndTheProgramGoesOn) {
    HWND Image = Program->CaptureRegion({100, 100}, {140, 130});
    ASSERT_NE(Image, nullptr);
    // A folder that does not exist: the file cannot be created.
    Program->SaveAs(Image, Folder.File(L"missing\\shot.bmp"));
    HWND Box = Program->WaitForDialog(L"Snapvale1.0");
    ASSERT_NE(Box, nullptr) << "no error box\n" << DescribeDesktop();
    const auto Texts = StaticTexts(Box);
    EXPECT_TRUE(std::any_of(Texts.begin(), Texts.end(), [](const std::wstring& Text) {
        return Text.find(L"Cannot create file") != std::wstring::npos;
    }));
    TSnapvale::Confirm(Box);
    EXPECT_TRUE(WaitForWindowGone(Box));
    EXPECT_EQ(Folder.FileCount(), 0u) << "nothing is left behind";

    Program->SaveAs(Image, Folder.File(L"after.bmp"));
    EXPECT_TRUE(Folder.WaitForFile(L"after.bmp")) << DescribeDesktop();
    EXPECT_TRUE(Program->CloseImageWindow(Image)) << DescribeDesktop();
    ClickClient(Program->MainWindow(), 119 + 33, 105 + 12);
    EXPECT_EQ(Program->Process().WaitForExit(), 0u) << DescribeDesktop();
}

TEST_F(SnapvaleProgram, PressAndReleaseWithoutMovementGivesAnEmptyPicture) {
    HWND Image = Program->CaptureRegion({400, 400}, {400, 400});
    ASSERT_NE(Image, nullptr);
    EXPECT_TRUE(Program->CloseImageWindow(Image)) << DescribeDesktop();
}

TEST_F(SnapvaleProgram, EscapeDuringARegionSelectionCancelsItAndBringsTheMainWindowBack) {
    HWND Main = Program->MainWindow();
    RECT Before{};
    GetWindowRect(Main, &Before);
    HWND Overlay = Program->CancelRegionSelection({200, 200}, {320, 300});
    ASSERT_NE(Overlay, nullptr) << DescribeDesktop();
    EXPECT_FALSE(IsWindowVisible(Overlay)) << DescribeDesktop();
    EXPECT_EQ(Program->WaitForCaption(L"截取的图片", 1000), nullptr) << "nothing is captured";
    ASSERT_NE(Program->WaitForCaption(L"Snapvale"), nullptr) << DescribeDesktop();
    EXPECT_FALSE(IsIconic(Main));
    RECT After{};
    GetWindowRect(Main, &After);
    EXPECT_TRUE(EqualRect(&Before, &After));
    // The program goes on: its main window takes input again.
    const DWORD Start = GetTickCount();
    while (!IsWindowEnabled(Main) && GetTickCount() - Start < 30000)
        PumpMessagesFor(20);
    EXPECT_TRUE(IsWindowEnabled(Main)) << DescribeDesktop();
}

TEST_F(SnapvaleProgram, AboutBoxOpensAnewAndClosesEachTime) {
    for (int Round = 0; Round < 2; ++Round) {
        ClickClient(Program->MainWindow(), 39 + 33, 66 + 12);
        HWND About = Program->WaitForCaption(L"关于...");
        ASSERT_NE(About, nullptr) << "round " << Round << "\n" << DescribeDesktop();
        ClickClient(About, 198 + 37, 30 + 12);
        EXPECT_TRUE(WaitForWindowGone(About)) << "round " << Round;
    }
    EXPECT_TRUE(IsWindowEnabled(Program->MainWindow()));
}

TEST_F(SnapvaleProgram, TheAboutBoxHasAThemedShadowedFrameThatLeavesNothingBehind) {
    HWND Main = Program->MainWindow();
    RECT MainRect{};
    GetWindowRect(Main, &MainRect);
    ClickClient(Main, 39 + 33, 66 + 12);
    HWND About = Program->WaitForCaption(L"关于...");
    ASSERT_NE(About, nullptr) << DescribeDesktop();
    // Once it takes input, the show animation is over.
    ASSERT_TRUE(WaitUntilItTakesInput(About, 10000));
    SendMessageTimeoutW(About, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
    RECT Window{};
    GetWindowRect(About, &Window);
    POINT ClientOrigin{0, 0};
    ClientToScreen(About, &ClientOrigin);
    RECT Client{};
    GetClientRect(About, &Client);
    EXPECT_EQ(Client.right, 318);
    EXPECT_EQ(Client.bottom, 208);
    // The theme's tool-window frame: a 19-pixel caption and 2-pixel borders, plus the
    // 4-pixel shadow at the right and the bottom.
    EXPECT_EQ(ClientOrigin.y - Window.top, 19);
    EXPECT_EQ(ClientOrigin.x - Window.left, 2);
    EXPECT_EQ(Window.right - (ClientOrigin.x + 318), 2 + 4);
    EXPECT_EQ(Window.bottom - (ClientOrigin.y + 208), 2 + 4);
    // Centred on the main window (the shadow aside).
    const int FrameCentre = (Window.left + Window.right - 4) / 2;
    EXPECT_NEAR(FrameCentre, (MainRect.left + MainRect.right) / 2, 1);

    const TPixels Shot = ScreenPixels(Window);
    SaveArtefact(
        ScreenPixels(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}),
        L"about-box.bmp");
    // A blue caption band.
    const uint32_t Caption = Shot.At((Window.right - Window.left) / 2, 8);
    EXPECT_GT(Caption & 0xFF, (Caption >> 16) & 0xFF) << std::hex << Caption;
    // The shadow darkens what lay behind it, the backdrop, at its own alpha; the top right
    // corner of the strip shows the backdrop itself.
    const int ShadowX = Window.right - 2;
    const int ShadowY = (Window.top + Window.bottom) / 2;
    const uint32_t Behind = TPatternBackdrop::PixelAt(ShadowX, ShadowY);
    if (!PtInRect(&MainRect, POINT{ShadowX, ShadowY})) {
        const uint32_t Shadowed = KsBlendPixel(0x903F3F3Fu, 0xFF000000u | Behind) & 0xFFFFFF;
        EXPECT_EQ(Shot.At(ShadowX - Window.left, ShadowY - Window.top), Shadowed);
    }
    EXPECT_EQ(Shot.At((Window.right - Window.left) - 2, 1),
              TPatternBackdrop::PixelAt(Window.right - 2, Window.top + 1));

    // Closing it leaves nothing of the frame or the shadow outside the main window.
    ClickClient(About, 198 + 37, 30 + 12);
    ASSERT_TRUE(WaitForWindowGone(About));
    SendMessageTimeoutW(Main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
    PumpMessagesFor(200);
    const TPixels After = ScreenPixels(Window);
    const TPixels Backdrop = TPatternBackdrop::Expected(Window);
    int Stale = 0;
    for (int Y = 0; Y < After.Height; ++Y)
        for (int X = 0; X < After.Width; ++X) {
            const POINT Screen{Window.left + X, Window.top + Y};
            if (!PtInRect(&MainRect, Screen) && After.At(X, Y) != Backdrop.At(X, Y))
                ++Stale;
        }
    EXPECT_EQ(Stale, 0);
}

TEST_F(SnapvaleProgram, OnlyALeftButtonDragOnTheBackgroundMovesTheWindow) {
    HWND Main = Program->MainWindow();
    RECT Before{}, After{};
    GetWindowRect(Main, &Before);
    const POINT Grip{Before.left + 10, Before.top + 140};

    DragMouse(Grip, {Grip.x + 60, Grip.y + 40}, VK_RBUTTON);
    DragMouse(Grip, {Grip.x + 60, Grip.y + 40}, VK_MBUTTON);
    PumpMessagesFor(300);
    GetWindowRect(Main, &After);
    EXPECT_EQ(After.left, Before.left);
    EXPECT_EQ(After.top, Before.top);

    DragMouse(Grip, {Grip.x + 60, Grip.y + 40}, VK_LBUTTON, 16);
    PumpMessagesFor(300);
    GetWindowRect(Main, &After);
    EXPECT_EQ(After.left, Before.left + 60);
    EXPECT_EQ(After.top, Before.top + 40);
}

TEST_F(SnapvaleProgram, ExitEndsTheProgramWithExitCodeZero) {
    ClickClient(Program->MainWindow(), 119 + 33, 105 + 12);
    EXPECT_EQ(Program->Process().WaitForExit(), 0u) << DescribeDesktop();
}
