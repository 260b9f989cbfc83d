// The skinned form controller on a real form: the frame it lays out around the client area,
// the hit test and the host's hit-test answers, the caption buttons' places, the window
// states, snapping, and the messages that skinned controls and painting ask of it.
#include "WindowTestSupport.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/LayoutReader.h"
#include "framework/windows/ImageLists.h"
#include "skin/controls/KsControls.h"
#include "skin/forms/KsForms.h"
#include "skin/graphics/KsUtils.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A controller whose mouse handling a test can drive with window coordinates.
class TTestFormController : public TKsCustomForm {
public:
    using TKsCustomForm::MouseDown;
    using TKsCustomForm::MouseMove;
    using TKsCustomForm::MouseUp;
    using TKsCustomForm::TKsCustomForm;
};

class SkinnedForms : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(200, 150, 400, 300);
        Form->SetCaption("Skinned");
        Controller = new TTestFormController(Form.get());
        Controller->Loaded();
        Form->Show();
        PumpUntil([] { return false; }, 5);
    }
    void TearDown() override { Form.reset(); }

    RECT WindowRect() const {
        RECT Rect{};
        GetWindowRect(Form->Handle(), &Rect);
        return Rect;
    }
    LRESULT HostHitTest(int X, int Y) const {
        const RECT Window = WindowRect();
        return SendMessageW(Form->Handle(), WM_NCHITTEST, 0,
                            MAKELPARAM(Window.left + X, Window.top + Y));
    }

    std::unique_ptr<TForm> Form;
    TTestFormController* Controller = nullptr;
};

} // namespace

TEST_F(SkinnedForms, TheClientAreaLiesInsideTheSkinnedFrame) {
    const RECT Client = Controller->GetClientBounds();
    const int Border = Controller->BorderWidth();
    EXPECT_EQ(Client.left, Border);
    EXPECT_EQ(Client.top, Border + Controller->CaptionHeight());
    EXPECT_EQ(Controller->FormWidth(), RectWidth(WindowRect()));
    EXPECT_EQ(Controller->FormHeight(), RectHeight(WindowRect()));
    RECT HostClient{};
    GetClientRect(Form->Handle(), &HostClient);
    EXPECT_EQ(RectWidth(HostClient), RectWidth(Client));
    EXPECT_EQ(RectHeight(HostClient), RectHeight(Client));
    POINT Origin{0, 0};
    ClientToScreen(Form->Handle(), &Origin);
    EXPECT_EQ(Origin.x - WindowRect().left, Client.left);
    EXPECT_EQ(Origin.y - WindowRect().top, Client.top);
}

TEST_F(SkinnedForms, EdgesAndCornersAnswerTheHostsSizingCodes) {
    const int W = Controller->FormWidth();
    const int H = Controller->FormHeight();
    EXPECT_EQ(Controller->HitTest(19, 1), TKsFormZone::fzTopLeft);
    EXPECT_EQ(Controller->HitTest(20, 1), TKsFormZone::fzTop);
    EXPECT_EQ(Controller->HitTest(1, 150), TKsFormZone::fzLeft);
    EXPECT_EQ(Controller->HitTest(W - 1, 150), TKsFormZone::fzRight);
    EXPECT_EQ(Controller->HitTest(200, H - 1), TKsFormZone::fzBottom);
    EXPECT_EQ(Controller->HitTest(W - 1, H - 1), TKsFormZone::fzBottomRight);
    EXPECT_EQ(Controller->HitTest(200, 150), TKsFormZone::fzNone);
    // The column and row right at the client's edge belong to no edge.
    const RECT Client = Controller->GetClientBounds();
    EXPECT_EQ(Controller->HitTest(Client.right, 150), TKsFormZone::fzNone);
    EXPECT_EQ(HostHitTest(1, 150), HTLEFT);
    EXPECT_EQ(HostHitTest(200, 10), HTCAPTION);
    EXPECT_EQ(HostHitTest(200, 150), HTCLIENT);
    Controller->SetCanMove(false);
    EXPECT_EQ(HostHitTest(200, 10), HTCLIENT);
    Controller->SetCanResize(false);
    EXPECT_EQ(HostHitTest(1, 150), HTCLIENT);
}

TEST_F(SkinnedForms, CaptionButtonsStandRightToLeftAndVanishByState) {
    const RECT Close = Controller->GetBorderIconRect(TKsBorderIcon::kbiClose);
    const RECT Max = Controller->GetBorderIconRect(TKsBorderIcon::kbiMaximize);
    const RECT Min = Controller->GetBorderIconRect(TKsBorderIcon::kbiMinimize);
    const RECT Roll = Controller->GetBorderIconRect(TKsBorderIcon::kbiRollup);
    const RECT Tray = Controller->GetBorderIconRect(TKsBorderIcon::kbiTray);
    EXPECT_EQ(Close.right, Controller->CaptionBand().right - 2);
    EXPECT_EQ(Max.right, Close.left - 2);
    EXPECT_EQ(Min.right, Max.left);
    EXPECT_EQ(Roll.right, Min.left - 2);
    EXPECT_EQ(Tray.right, Roll.left);
    EXPECT_TRUE(IsRectEmpty(Controller->GetBorderIconRect(TKsBorderIcon::kbiHelp)));
    const POINT InClose{(Close.left + Close.right) / 2, (Close.top + Close.bottom) / 2};
    EXPECT_EQ(Controller->HitTest(InClose.x, InClose.y), TKsFormZone::fzClose);
    EXPECT_EQ(HostHitTest(InClose.x, InClose.y), HTCLOSE);

    Controller->SetBorderStyle(TKsBorderStyle::kbsToolWindow);
    EXPECT_FALSE(IsRectEmpty(Controller->GetBorderIconRect(TKsBorderIcon::kbiClose)));
    EXPECT_TRUE(IsRectEmpty(Controller->GetBorderIconRect(TKsBorderIcon::kbiMinimize)));
    EXPECT_TRUE(IsRectEmpty(Controller->GetBorderIconRect(TKsBorderIcon::kbiMaximize)));
}

TEST_F(SkinnedForms, ChangingTheFrameKeepsTheClientSize) {
    const int ClientW = Form->ClientWidth();
    const int ClientH = Form->ClientHeight();
    Controller->SetBorderStyle(TKsBorderStyle::kbsToolWindow);
    EXPECT_EQ(Form->ClientWidth(), ClientW);
    EXPECT_EQ(Form->ClientHeight(), ClientH);
    Controller->SetBorderStyle(TKsBorderStyle::kbsNone);
    EXPECT_EQ(Form->ClientWidth(), ClientW);
    EXPECT_EQ(Form->ClientHeight(), ClientH);
    EXPECT_EQ(Form->Width(), ClientW);
}

TEST_F(SkinnedForms, MaximizeTwiceAndRollupRestoreWhereTheFormWas) {
    const RECT Before = WindowRect();
    Controller->Maximize();
    EXPECT_EQ(Controller->WindowState(), TKsWindowState::kwsMaximized);
    EXPECT_GT(RectWidth(WindowRect()), RectWidth(Before));
    EXPECT_EQ(Controller->HitTest(1, 150), TKsFormZone::fzNone) << "no edges while maximized";
    Controller->Maximize();
    EXPECT_EQ(Controller->WindowState(), TKsWindowState::kwsNormal);
    EXPECT_TRUE(EqualRect(WindowRect(), Before));

    Controller->Rollup();
    const RECT Client = Controller->GetClientBounds();
    EXPECT_EQ(RectHeight(WindowRect()), Client.top + (Controller->FormHeight() - Client.bottom));
    // Moved while rolled up: unrolling keeps the new place and gets the height back.
    Form->SetBounds(Form->Left() + 30, Form->Top() + 20, Form->Width(), Form->Height());
    Controller->Restore();
    const RECT After = WindowRect();
    EXPECT_EQ(After.left, Before.left + 30);
    EXPECT_EQ(After.top, Before.top + 20);
    EXPECT_EQ(RectHeight(After), RectHeight(Before));
}

TEST_F(SkinnedForms, RollingUpAShadowedFormKeepsTheFrameWidthAndTheShadow) {
    Controller->SetDropShadow(true);
    Form->SetBounds(200, 150, 404, 304);
    const int FrameWidth = Controller->FormWidth();
    const RECT Client = Controller->GetClientBounds();
    const int CaptionAndBottomBorder = Client.top + (Controller->FormHeight() - Client.bottom);
    const RECT Before = WindowRect();
    ASSERT_EQ(RectWidth(Before) - FrameWidth, Controller->ShadowWidth());

    Controller->Rollup();
    EXPECT_EQ(Controller->FormWidth(), FrameWidth);
    EXPECT_EQ(Controller->FormHeight(), CaptionAndBottomBorder);
    EXPECT_EQ(RectWidth(WindowRect()), RectWidth(Before));
    EXPECT_EQ(RectHeight(WindowRect()), CaptionAndBottomBorder + Controller->ShadowWidth());
    Controller->Rollup();
    EXPECT_TRUE(EqualRect(WindowRect(), Before));
}

TEST_F(SkinnedForms, DraggingTheCaptionSnapsToTheWorkAreaWithinTheMagneticDistance) {
    RECT Work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &Work, 0);
    const auto DragBy = [&](int DX) {
        const POINT Pointer{WindowRect().left + 100 + DX, WindowRect().top + 10};
        Controller->MouseDown(TMouseButton::mbLeft, {TShiftStateFlag::ssLeft}, 100, 10);
        Controller->MouseMove({TShiftStateFlag::ssLeft}, 100 + DX, 10);
        // Released where the pointer is, seen from the window that moved under it.
        const POINT Release = Controller->ScreenToWindow(Pointer);
        Controller->MouseUp(TMouseButton::mbLeft, {}, Release.x, Release.y);
    };
    Form->SetBounds(Work.left + 60, 150, 400, 300);
    DragBy(-41); // 19 pixels from the edge
    EXPECT_EQ(WindowRect().left, Work.left);
    Form->SetBounds(Work.left + 60, 150, 400, 300);
    DragBy(-40); // 20 pixels: no pull
    EXPECT_EQ(WindowRect().left, Work.left + 20);
}

TEST_F(SkinnedForms, ReleasingOutsideThePressedButtonDoesNothing) {
    const RECT Max = Controller->GetBorderIconRect(TKsBorderIcon::kbiMaximize);
    const RECT Min = Controller->GetBorderIconRect(TKsBorderIcon::kbiMinimize);
    Controller->MouseDown(TMouseButton::mbLeft, {TShiftStateFlag::ssLeft}, Max.left + 2,
                          Max.top + 2);
    Controller->MouseUp(TMouseButton::mbLeft, {}, Min.left + 2, Min.top + 2);
    EXPECT_EQ(Controller->WindowState(), TKsWindowState::kwsNormal);
    Controller->MouseDown(TMouseButton::mbLeft, {TShiftStateFlag::ssLeft}, Max.left + 2,
                          Max.top + 2);
    Controller->MouseUp(TMouseButton::mbLeft, {}, Max.left + 2, Max.top + 2);
    EXPECT_EQ(Controller->WindowState(), TKsWindowState::kwsMaximized);
    // Double-clicking the caption restores again.
    Controller->MouseDown(TMouseButton::mbLeft,
                          {TShiftStateFlag::ssLeft, TShiftStateFlag::ssDouble}, 100, 10);
    Controller->MouseUp(TMouseButton::mbLeft, {TShiftStateFlag::ssLeft, TShiftStateFlag::ssDouble},
                        100, 10);
    EXPECT_EQ(Controller->WindowState(), TKsWindowState::kwsNormal);
}

TEST_F(SkinnedForms, SkinnedControlsLearnWhetherTheFormIsBlended) {
    auto* Control = new TKsCustomControl(Form.get());
    Control->SetParent(Form.get());
    EXPECT_FALSE(Control->IsOwnerBlended());
    Controller->SetBlend(true);
    EXPECT_TRUE(Control->IsOwnerBlended());
    Controller->SetBlend(false);
    EXPECT_FALSE(Control->IsOwnerBlended());
}

TEST_F(SkinnedForms, PaintToDrawsTheWholeFormIntoADeviceContext) {
    Form->SetColor(clLime);
    TPixelSurface Target(420, 320);
    EXPECT_EQ(SendMessageW(Form->Handle(), KM_PAINTTO, MAKEWPARAM(10, 10),
                           reinterpret_cast<LPARAM>(Target.DC())),
              1);
    const RECT Client = Controller->GetClientBounds();
    EXPECT_EQ(Target.Pixel(10 + Client.left + 5, 10 + Client.top + 5), RgbOf(clLime));
    EXPECT_NE(Target.Pixel(10 + 100, 10 + Controller->BorderWidth() + 2), 0xFFFFFFu)
        << "the caption band is painted";
    EXPECT_EQ(Target.Pixel(5, 5), 0xFFFFFFu) << "nothing outside the form";
}

TEST_F(SkinnedForms, ALayoutAttachesTheControllerToItsForm) {
    RegisterClass(TKsCustomForm::Class);
    TForm Host(nullptr);
    Host.SetName("Host");
    Host.SetBounds(100, 100, 300, 200);
    ReadLayout("object Host: TForm\n  object Frame: TKsCustomForm\n  end\nend\n", &Host);
    auto* Frame = dynamic_cast<TKsCustomForm*>(Host.FindComponent("Frame"));
    ASSERT_NE(Frame, nullptr);
    EXPECT_EQ(Frame->Control(), &Host);
    EXPECT_EQ(Frame->BorderStyle(), TKsBorderStyle::kbsStandard);
}

TEST(SystemMenuImages, HoldTheSixCaptionGlyphsOverATransparentBackground) {
    TCustomImageList& Images = KsSysMenuImages();
    ASSERT_EQ(Images.Count(), 6);
    for (int Index = 0; Index < Images.Count(); ++Index) {
        TPixelSurface Target(16, 16);
        TCanvas Canvas;
        Canvas.SetHandle(Target.DC());
        Images.Draw(&Canvas, 0, 0, Index);
        Canvas.SetHandle(nullptr);
        int Ink = 0;
        for (int Y = 0; Y < 16; ++Y)
            for (int X = 0; X < 16; ++X) {
                const uint32_t Pixel = Target.Pixel(X, Y);
                ASSERT_NE(Pixel, 0xFF00FFu) << "the key colour is transparent";
                Ink += Pixel == 0 ? 1 : 0;
            }
        EXPECT_GT(Ink, 4) << "glyph " << Index;
    }
}

TEST_F(SkinnedForms, TheTrayHidesTheFormAndRestoringBringsItBack) {
    Controller->SetMinimizeApplication(false);
    const RECT Before = WindowRect();
    Controller->MinimizeToTray();
    EXPECT_EQ(Controller->WindowState(), TKsWindowState::kwsTray);
    EXPECT_FALSE(IsWindowVisible(Form->Handle()));
    Controller->Restore();
    EXPECT_EQ(Controller->WindowState(), TKsWindowState::kwsNormal);
    EXPECT_TRUE(IsWindowVisible(Form->Handle()));
    EXPECT_TRUE(EqualRect(WindowRect(), Before));
}

BOOL CALLBACK CollectWindow(HWND Window, LPARAM Found) {
    reinterpret_cast<std::vector<HWND>*>(Found)->push_back(Window);
    return TRUE;
}

TEST_F(SkinnedForms, TheTrayIconGoesWhenTheSessionEnds) {
    Controller->SetMinimizeApplication(false);
    Controller->MinimizeToTray();
    ASSERT_EQ(Controller->WindowState(), TKsWindowState::kwsTray);
    // The host tells every top-level window of the program, hidden ones too; a message-only
    // window would hear nothing.
    std::vector<HWND> Windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&Windows));
    HWND Utility = nullptr;
    for (HWND Window : Windows) {
        wchar_t Class[64]{};
        GetClassNameW(Window, Class, 64);
        if (std::wstring(Class) == L"SnapvaleKsMessageWindow")
            Utility = Window;
    }
    ASSERT_NE(Utility, nullptr) << "the tray icon's window hears nothing of the session";
    EXPECT_FALSE(IsWindowVisible(Utility));
    for (HWND Window : Windows)
        EXPECT_NE(SendMessageW(Window, WM_QUERYENDSESSION, 0, 0), 0);
    for (HWND Window : Windows)
        SendMessageW(Window, WM_ENDSESSION, TRUE, 0);
    // The icon is gone: the host knows it no more.
    NOTIFYICONDATAW Data{};
    Data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    Data.hWnd = Utility;
    Data.uID = static_cast<UINT>(reinterpret_cast<uintptr_t>(Controller));
    EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &Data));
}

TEST_F(SkinnedForms, NewSizeLimitsApplyAtOnce) {
    const RECT Before = WindowRect();
    Controller->Constraints()->SetMaxWidth(RectWidth(Before) - 40);
    Controller->Constraints()->SetMaxHeight(RectHeight(Before) - 30);
    PumpUntil([] { return false; }, 5);
    RECT After = WindowRect();
    EXPECT_EQ(RectWidth(After), RectWidth(Before) - 40);
    EXPECT_EQ(RectHeight(After), RectHeight(Before) - 30);
    EXPECT_EQ(After.left, Before.left);
    EXPECT_EQ(After.top, Before.top);
    EXPECT_EQ(Form->Width(), RectWidth(After)) << "the form knows its new size";

    Controller->Constraints()->SetMaxWidth(0);
    Controller->Constraints()->SetMaxHeight(0);
    Controller->Constraints()->SetMinWidth(RectWidth(Before) + 20);
    Controller->Constraints()->SetMinHeight(RectHeight(Before) + 10);
    PumpUntil([] { return false; }, 5);
    After = WindowRect();
    EXPECT_EQ(RectWidth(After), RectWidth(Before) + 20);
    EXPECT_EQ(RectHeight(After), RectHeight(Before) + 10);

    // A rolled-up form keeps its height below the minimum.
    Controller->Rollup();
    const RECT Rolled = WindowRect();
    Controller->Constraints()->SetMinHeight(RectHeight(Before) + 20);
    EXPECT_TRUE(EqualRect(WindowRect(), Rolled));
}

TEST_F(SkinnedForms, TheCloseButtonClosesTheForm) {
    const RECT Close = Controller->GetBorderIconRect(TKsBorderIcon::kbiClose);
    const auto PressClose = [&] {
        Controller->MouseDown(TMouseButton::mbLeft, {TShiftStateFlag::ssLeft}, Close.left + 2,
                              Close.top + 2);
        Controller->MouseUp(TMouseButton::mbLeft, {}, Close.left + 2, Close.top + 2);
    };
    PressClose();
    EXPECT_FALSE(Form->Visible());
}

TEST_F(SkinnedForms, ASimpleDragMovesTheFormOnceAtTheRelease) {
    Controller->SetSimpleDrag(true);
    Controller->SetMagnetic(false);
    const RECT Before = WindowRect();
    Controller->MouseDown(TMouseButton::mbLeft, {TShiftStateFlag::ssLeft}, 100, 10);
    Controller->MouseMove({TShiftStateFlag::ssLeft}, 130, 30);
    EXPECT_TRUE(EqualRect(WindowRect(), Before)) << "only the outline moves during the drag";
    Controller->MouseUp(TMouseButton::mbLeft, {}, 130, 30);
    const RECT After = WindowRect();
    EXPECT_EQ(After.left, Before.left + 30);
    EXPECT_EQ(After.top, Before.top + 20);
}

TEST_F(SkinnedForms, AFormWithoutAFrameHasNoCaptionButtonZones) {
    Controller->SetBorderStyle(TKsBorderStyle::kbsNone);
    for (TKsBorderIcon Icon :
         {TKsBorderIcon::kbiClose, TKsBorderIcon::kbiMinimize, TKsBorderIcon::kbiSystemMenu})
        EXPECT_TRUE(IsRectEmpty(Controller->GetBorderIconRect(Icon)));
    const int W = Controller->FormWidth();
    EXPECT_EQ(Controller->HitTest(W - 10, 4), TKsFormZone::fzNone) << "no close zone over content";
}

TEST_F(SkinnedForms, TheSystemCloseCommandAsksTheFormOnce) {
    int Asked = 0;
    struct TCounter {
        int& Count;
        void CloseQuery(TObject*, bool& CanClose) {
            ++Count;
            CanClose = false;
        }
    } Counter{Asked};
    Form->OnCloseQuery = MakeEvent(&Counter, &TCounter::CloseQuery);
    SendMessageW(Form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpUntil([] { return false; }, 5);
    EXPECT_EQ(Asked, 1);
    EXPECT_TRUE(Form->Visible());
    Form->OnCloseQuery = {};
}

TEST_F(SkinnedForms, MaximizingFillsTheWorkAreaOfTheFormsMonitor) {
    MONITORINFO Monitor{};
    Monitor.cbSize = sizeof(Monitor);
    GetMonitorInfoW(MonitorFromWindow(Form->Handle(), MONITOR_DEFAULTTONEAREST), &Monitor);
    const RECT Max = Controller->GetMaximizedBounds();
    const int Border = Controller->GetClientBounds().left;
    EXPECT_EQ(Max.left, Monitor.rcWork.left - Border);
    EXPECT_EQ(Max.right, Monitor.rcWork.right + Border);
    EXPECT_EQ(Max.bottom, Monitor.rcWork.bottom + Border);
}

TEST_F(SkinnedForms, ANewCaptionKeepsTheHostsAnswerAndTheFramesStyle) {
    EXPECT_NE(SetWindowTextW(Form->Handle(), L"截取的图片"), FALSE);
    EXPECT_NE(GetWindowLongW(Form->Handle(), GWL_STYLE) & WS_CAPTION, 0);
    wchar_t Text[32] = {};
    GetWindowTextW(Form->Handle(), Text, 32);
    EXPECT_STREQ(Text, L"截取的图片");
}

TEST(SkinnedFormApplicationEvents, RelayToLiveControllersWhateverOrderTheyGoIn) {
    struct TRecorder {
        int Minimized = 0;
        void Minimize(TObject*) { ++Minimized; }
    } Recorder;
    const TNotifyEvent Before = Application->OnMinimize;
    Application->OnMinimize = MakeEvent(&Recorder, &TRecorder::Minimize);
    const TNotifyEvent Original = Application->OnMinimize;
    auto First = std::make_unique<TForm>(nullptr);
    auto Second = std::make_unique<TForm>(nullptr);
    for (TForm* Form : {First.get(), Second.get()}) {
        auto* Controller = new TKsCustomForm(Form);
        Controller->Loaded();
        Controller->SetMinimizeApplication(true);
        SendMessageW(Form->Handle(), WM_NCACTIVATE, TRUE, 0);
        Controller->SetMinimizeApplication(false); // relayed, but no real minimise
    }
    First.reset(); // not the last one hooked
    ASSERT_TRUE(Application->OnMinimize);
    Application->OnMinimize(nullptr);
    EXPECT_EQ(Recorder.Minimized, 1) << "the application's own handler still runs";
    Second.reset();
    EXPECT_TRUE(Application->OnMinimize == Original) << "put back after the last controller";
    Application->OnMinimize = Before;
}
