#include "WindowTestSupport.h"

#include "framework/graphics/Icon.h"
#include "framework/windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(ApplicationEvents, MinimizeAndRestoreOfTheMainFormAreReported) {
    TForm* Main = nullptr;
    Application->CreateForm(Main);
    std::unique_ptr<TForm> Owned(Main);
    struct TCounts {
        int Minimized = 0;
        int Restored = 0;
        void Minimize(TObject*) { ++Minimized; }
        void Restore(TObject*) { ++Restored; }
    } Counts;
    Application->OnMinimize = MakeEvent(&Counts, &TCounts::Minimize);
    Application->OnRestore = MakeEvent(&Counts, &TCounts::Restore);
    Main->SetBounds(100, 100, 200, 150);
    Main->Show();

    Application->Minimize();
    EXPECT_TRUE(IsIconic(Main->Handle()));
    EXPECT_TRUE(Application->Minimized());
    Application->Restore();
    EXPECT_FALSE(IsIconic(Main->Handle()));
    ShowWindow(Main->Handle(), SW_MINIMIZE); // the user's minimize counts the same
    EXPECT_EQ(Counts.Minimized, 2);
    ShowWindow(Main->Handle(), SW_RESTORE);
    EXPECT_EQ(Counts.Restored, 2);

    Application->OnMinimize = {};
    Application->OnRestore = {};
    Main->Hide();
}

TEST(ApplicationEvents, ShortCutsSeeKeysBeforeTheFocusedControl) {
    TForm Form(nullptr);
    struct TKeys {
        std::vector<WPARAM> Seen;
        int Downs = 0;
        void ShortCut(const MSG& Msg, bool& Handled) {
            Seen.push_back(Msg.wParam);
            Handled = Msg.wParam == VK_F5;
        }
        void KeyDown(TObject*, TKey&, TShiftState) { ++Downs; }
    } Keys;
    Application->OnShortCut = MakeEvent(&Keys, &TKeys::ShortCut);
    Form.OnKeyDown = MakeEvent(&Keys, &TKeys::KeyDown);
    PostMessageW(Form.Handle(), WM_KEYDOWN, VK_F5, 0);
    PostMessageW(Form.Handle(), WM_KEYDOWN, VK_F6, 0);
    Application->ProcessMessages();
    Application->OnShortCut = {};
    EXPECT_EQ(Keys.Seen, (std::vector<WPARAM>{VK_F5, VK_F6}));
    EXPECT_EQ(Keys.Downs, 1);
}

TEST(ApplicationEvents, AnIdleHandlerThatFailsInAModalLoopIsReportedAndTheLoopGoesOn) {
    if (Application->Terminated())
        GTEST_SKIP() << "the program's loop has ended in an earlier case; modal loops end at once";
    TRecordedMessageBoxes Recorded;
    TForm Form(nullptr);
    struct TIdle {
        TForm* Form;
        int Calls = 0;
        void Idle(TObject*) {
            if (++Calls == 1) {
                PostMessageW(Form->Handle(), WM_NULL, 0, 0); // wakes the loop for the next
                throw Exception("Idle failed");
            }
            Form->SetModalResult(mrOk);
        }
    } Idle{&Form};
    Application->OnIdle = MakeEvent(&Idle, &TIdle::Idle);
    TModalResult Result = mrNone;
    EXPECT_NO_THROW(Result = Form.ShowModal());
    Application->OnIdle = {};
    EXPECT_EQ(Result, mrOk);
    EXPECT_GE(Idle.Calls, 2);
    ASSERT_FALSE(Recorded.Boxes.empty());
    EXPECT_EQ(Recorded.Boxes[0].Text, "Idle failed.");
}

TEST(ApplicationEvents, FormsShowTheirOwnIconOrTheApplications) {
    TForm Form(nullptr);
    Form.HandleNeeded();
    auto IconOf = [&] {
        return reinterpret_cast<HICON>(SendMessageW(Form.Handle(), WM_GETICON, ICON_BIG, 0));
    };
    TIcon Standard;
    Standard.SetHandle(CopyIcon(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_WARNING))));
    Application->Icon()->Assign(&Standard);
    EXPECT_EQ(IconOf(), Application->Icon()->Handle());
    TIcon Own;
    Own.SetHandle(CopyIcon(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_QUESTION))));
    Form.Icon()->Assign(&Own);
    EXPECT_EQ(IconOf(), Form.Icon()->Handle());
    Form.Icon()->Assign(nullptr);
    EXPECT_EQ(IconOf(), Application->Icon()->Handle());
    Application->Icon()->Assign(nullptr);
    EXPECT_EQ(IconOf(), nullptr);
}

TEST(FormPainting, OnPaintDrawsOnTheFormsCanvasAndOnResizeFollowsTheHost) {
    TForm Form(nullptr);
    Form.SetBorderStyle(TFormBorderStyle::bsNone);
    Form.SetBounds(0, 0, 40, 30);
    struct THandlers {
        TForm* Form;
        int Resizes = 0;
        void Paint(TObject*) {
            Form->Canvas()->Brush()->SetColor(clLime);
            Form->Canvas()->FillRect(RECT{5, 5, 10, 10});
        }
        void Resize(TObject*) { ++Resizes; }
    } Handlers{&Form};
    Form.OnPaint = MakeEvent(&Handlers, &THandlers::Paint);
    Form.OnResize = MakeEvent(&Handlers, &THandlers::Resize);
    Form.SetColor(clNavy);
    Form.HandleNeeded();

    TPixelSurface Surface(40, 30);
    Form.PaintTo(Surface.DC(), 0, 0);
    EXPECT_EQ(Surface.Pixel(7, 7), RgbOf(clLime));
    EXPECT_EQ(Surface.Pixel(12, 12), RgbOf(clNavy));
    EXPECT_FALSE(Form.Canvas()->HandleAllocated()); // only bound while painting

    SetWindowPos(Form.Handle(), nullptr, 0, 0, 60, 50, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Form.Width(), 60);
    EXPECT_EQ(Form.Height(), 50);
    EXPECT_EQ(Handlers.Resizes, 1);
}

} // namespace
