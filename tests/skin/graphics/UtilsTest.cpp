// Rectangle helpers, nested capture, text shortening, a parent's background behind a child,
// keyboard timing and the native-style query.
#include "SurfaceTestSupport.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/Canvas.h"
#include "framework/windows/WinControl.h"
#include "skin/graphics/KsUtils.h"
#include "skin/graphics/KsWinXP.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

bool SameRect(const RECT& A, const RECT& B) {
    return EqualRect(A, B);
}

TEST(KsRects, CentringTruncatesTowardZeroAndKeepsTheSize) {
    EXPECT_TRUE(SameRect(CenterRect(RECT{0, 0, 10, 10}, RECT{0, 0, 15, 15}), RECT{2, 2, 12, 12}));
    // A rectangle larger than its bounds still centres (-5 div 2 = -2).
    EXPECT_TRUE(SameRect(CenterRect(RECT{0, 0, 20, 20}, RECT{10, 10, 25, 25}), RECT{8, 8, 28, 28}));
    EXPECT_TRUE(
        SameRect(CenterRectVert(RECT{7, 7, 10, 12}, RECT{20, 30, 60, 40}), RECT{20, 32, 23, 37}));
}

TEST(KsRects, MeasuresAndInflates) {
    const RECT Inverted{5, 5, 2, 9};
    EXPECT_EQ(RectWidth(Inverted), -3);
    EXPECT_EQ(RectHeight(Inverted), 4);
    EXPECT_TRUE(IsRectEmpty(Inverted));
    EXPECT_TRUE(IsRectEmpty(RECT{0, 0, 1, 0}));
    EXPECT_FALSE(IsRectEmpty(RECT{0, 0, 1, 1}));
    EXPECT_TRUE(SameRect(InflateRectBy(RECT{1, 2, 3, 4}, 2), RECT{-1, 0, 5, 6}));
    EXPECT_FALSE(EqualRect(RECT{1, 2, 3, 4}, RECT{1, 2, 3, 5}));
}

// A plain top-level window of this thread, destroyed with the object.
class TTestWindow {
public:
    TTestWindow() {
        FWindow = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    }
    TTestWindow(const TTestWindow&) = delete;
    TTestWindow& operator=(const TTestWindow&) = delete;
    ~TTestWindow() { DestroyWindow(FWindow); }
    HWND Handle() const { return FWindow; }

private:
    HWND FWindow;
};

TEST(KsCapture, NestedCapturesEndWithTheLastRelease) {
    const TTestWindow Window;
    KsSetCapture(Window.Handle());
    KsSetCapture(Window.Handle());
    EXPECT_EQ(GetCapture(), Window.Handle());
    KsReleaseCapture();
    EXPECT_EQ(GetCapture(), Window.Handle());
    KsReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(KsCapture, ACaptureTakenMeanwhileIsNotReleased) {
    const TTestWindow First, Second;
    KsSetCapture(First.Handle());
    SetCapture(Second.Handle());
    KsReleaseCapture();
    EXPECT_EQ(GetCapture(), Second.Handle());
    ReleaseCapture();
    // The next nested capture starts afresh.
    KsSetCapture(Second.Handle());
    EXPECT_EQ(GetCapture(), Second.Handle());
    KsReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
}

int WidthIn(HDC DC, const std::string& Text) {
    const std::wstring Wide = Utf8ToWide(Text);
    SIZE Extent{};
    GetTextExtentPoint32W(DC, Wide.c_str(), int(Wide.size()), &Extent);
    return Extent.cx;
}

class KsShortenText : public testing::Test {
protected:
    void SetUp() override {
        FSurface.SetSize(10, 10);
        FDC = FSurface.DC();
        FFont = SelectObject(FDC, GetStockObject(DEFAULT_GUI_FONT));
    }
    void TearDown() override { SelectObject(FDC, FFont); }

    TKsBitmap FSurface;
    HDC FDC = nullptr;
    HGDIOBJ FFont = nullptr;
};

TEST_F(KsShortenText, TextThatFitsIsReturnedUnchanged) {
    const std::string Text = "Capture";
    EXPECT_EQ(ShortenText(FDC, Text, WidthIn(FDC, Text)), Text);
}

TEST_F(KsShortenText, CutsWhereTheNextCharacterWouldNotFit) {
    const std::string Text = "Capture the whole screen";
    const int Max = WidthIn(FDC, "Capture t...");
    const std::string Short = ShortenText(FDC, Text, Max);
    ASSERT_GE(Short.size(), 3u);
    EXPECT_EQ(Short.substr(Short.size() - 3), "...");
    const std::string Kept = Short.substr(0, Short.size() - 3);
    EXPECT_EQ(Text.compare(0, Kept.size(), Kept), 0);
    EXPECT_LE(WidthIn(FDC, Short), Max);
    EXPECT_GT(WidthIn(FDC, Text.substr(0, Kept.size() + 1) + "..."), Max);
}

TEST_F(KsShortenText, TooNarrowForAnyCharacterGivesTheEllipsisAlone) {
    EXPECT_EQ(ShortenText(FDC, "Capture", WidthIn(FDC, "...") - 1), "...");
    EXPECT_EQ(ShortenText(FDC, "Capture", 0), "...");
}

TEST_F(KsShortenText, CutsBetweenCharactersOfChineseText) {
    const std::string Text = "\xE6\x88\xAA\xE5\x8F\x96\xE5\x85\xA8\xE5\xB1\x8F"; // four characters
    const std::string Short = ShortenText(FDC, Text, WidthIn(FDC, Text) - 1);
    const std::string Kept = Short.substr(0, Short.size() - 3);
    EXPECT_EQ(Kept.size() % 3, 0u);
    EXPECT_EQ(WideToUtf8(Utf8ToWide(Short)), Short);
}

TEST(KsShortenTextOnSurface, MeasuresInTheSurfaceFontAndRestoresTheContextFont) {
    TKsBitmap Surface;
    Surface.SetSize(10, 10);
    const HGDIOBJ Before = GetCurrentObject(Surface.DC(), OBJ_FONT);
    const std::string Text = "Capture the whole screen";
    SelectObject(Surface.DC(), Surface.Font()->Handle());
    const int Max = WidthIn(Surface.DC(), "Capture...");
    const std::string Direct = ShortenText(Surface.DC(), Text, Max);
    SelectObject(Surface.DC(), Before);
    EXPECT_EQ(ShortenTextOnSurface(Surface, Text, Max), Direct);
    EXPECT_EQ(GetCurrentObject(Surface.DC(), OBJ_FONT), Before);
}

// A parent whose background shows its own coordinates: pixel (x, y) of its client area is
// painted RGB(x, y, 7) by its erase handler, which also records the lParam it got.
LPARAM LastEraseParam = 0;

LRESULT CALLBACK CoordinateBackground(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
    if (Message != WM_ERASEBKGND)
        return DefWindowProcW(Window, Message, WParam, LParam);
    LastEraseParam = LParam;
    const HDC DC = HDC(WParam);
    for (int Y = 0; Y < 60; ++Y)
        for (int X = 0; X < 80; ++X)
            SetPixelV(DC, X, Y, RGB(X, Y, 7));
    return 1;
}

TEST(KsParentBackground, PaintsTheParentAsIfTheContextWereTheChild) {
    WNDCLASSW Class{};
    Class.lpfnWndProc = &CoordinateBackground;
    Class.hInstance = GetModuleHandleW(nullptr);
    Class.lpszClassName = L"SnapvaleCoordinateBackground";
    RegisterClassW(&Class);
    const HWND Parent = CreateWindowExW(0, Class.lpszClassName, L"", WS_POPUP, 100, 100, 80, 60,
                                        nullptr, nullptr, Class.hInstance, nullptr);
    ASSERT_NE(Parent, nullptr);
    POINT ChildOrigin{25, 15};
    ClientToScreen(Parent, &ChildOrigin);
    TKsBitmap Surface;
    Surface.SetSize(10, 10);
    Surface.Fill(0);
    DrawWindowBackground(Parent, ChildOrigin, Surface.DC());
    EXPECT_EQ(LastEraseParam, 12);
    GdiFlush();
    EXPECT_EQ(Surface.Pixels(0, 0) & 0xFFFFFF, 0x190F07u); // (25, 15)
    EXPECT_EQ(Surface.Pixels(9, 4) & 0xFFFFFF, 0x221307u); // (34, 19)
    POINT Origin{-1, -1};
    GetWindowOrgEx(Surface.DC(), &Origin);
    EXPECT_EQ(Origin.x, 0);
    EXPECT_EQ(Origin.y, 0);
    DestroyWindow(Parent);
    UnregisterClassW(Class.lpszClassName, Class.hInstance);
}

TEST(KsParentBackground, WithoutAParentNothingHappens) {
    auto Surface = MakeSurface(2, 2, 0x12345678u);
    DrawWindowBackground(nullptr, POINT{0, 0}, Surface->DC());
    EXPECT_EQ(Surface->Pixels(1, 1), 0x12345678u);
}

TEST(KsParentBackground, AControlWhoseParentHasNoWindowYetGetsNothingAndMakesNoWindow) {
    auto Surface = MakeSurface(2, 2, 0x12345678u);
    TWinControl Parent(nullptr);
    TControl Child(nullptr);
    DrawParentBackground(&Child, Surface->DC());
    Child.SetParent(&Parent);
    DrawParentBackground(&Child, Surface->DC());
    DrawParentBackground(nullptr, Surface->DC());
    EXPECT_FALSE(Parent.HandleAllocated());
    EXPECT_EQ(Surface->Pixels(1, 1), 0x12345678u);
    Child.SetParent(nullptr);
}

TEST(KsKeyboard, RepeatIntervalRoundsToNearest) {
    EXPECT_EQ(KeyboardRepeatMsForSpeed(31), 14);
    EXPECT_EQ(KeyboardRepeatMsForSpeed(0), 435);
    EXPECT_EQ(KeyboardRepeatMsForSpeed(15), 27); // 1000 / 36.8 = 27.17
}

TEST(KsKeyboard, TimingFollowsTheUserSettings) {
    int Delay = -1;
    DWORD Speed = 0;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &Delay, 0));
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &Speed, 0));
    EXPECT_EQ(GetKeyboardDelayMs(), (Delay + 1) * 200);
    EXPECT_EQ(GetKeyboardRepeatMs(), KeyboardRepeatMsForSpeed(int(Speed)));
}

BOOL WINAPI ThemedHost() {
    return TRUE;
}
BOOL WINAPI UnthemedHost() {
    return FALSE;
}

TEST(KsWinXP, AppThemedAsksTheLibraryAndIsFalseWithoutIt) {
    const TKsIsAppThemedFunc Host = KsSetIsAppThemedEntry(nullptr);
    EXPECT_FALSE(KsIsAppThemed());
    KsSetIsAppThemedEntry(&ThemedHost);
    EXPECT_TRUE(KsIsAppThemed());
    KsSetIsAppThemedEntry(&UnthemedHost);
    EXPECT_FALSE(KsIsAppThemed());
    KsSetIsAppThemedEntry(Host);
    EXPECT_EQ(KsIsAppThemed(), Host != nullptr && Host() != 0);
}

} // namespace
