// The chain procedure: which hooks see a message, in which order and phase, and whether the
// form's own procedure runs; WM_QUIT and WM_DESTROY; a window the framework re-creates;
// exceptions raised by hooks.
#include "HookTestSupport.h"

namespace {

using HookChain = HookTest;

TEST_F(HookChain, TwoHooksShareOneSubclassingAndTheNewestSeesEachMessageFirst) {
    TLoggingForm Form(Log);
    const HWND Window = Form.Handle();
    AttachOlderAndNewer(Form);

    EXPECT_EQ(WindowProcOf(Window), &TControlHook::HookedWindowProc);
    ASSERT_EQ(HookList()->Count(), 1);
    EXPECT_EQ(HookList()->FindControlHook(&Form)->HookCount(), 2);

    Probe(Window);
    EXPECT_EQ(Log, ProbeThroughBoth);
}

TEST_F(HookChain, AConsumedMessageReachesNeitherTheOlderHookNorTheForm) {
    TLoggingForm Form(Log);
    auto [Older, Newer] = AttachOlderAndNewer(Form);
    Newer->Consumes = WM_PROBE;

    EXPECT_EQ(Probe(Form.Handle()), 42);
    EXPECT_EQ(Log, (TLog{"newer before probe"}));

    // Consumed by the older one: the newer one saw it, the form did not.
    Log.clear();
    Newer->Consumes = 0;
    Older->Consumes = WM_PROBE;
    EXPECT_EQ(Probe(Form.Handle()), 42);
    EXPECT_EQ(Log, (TLog{"newer before probe", "older before probe"}));
}

TEST_F(HookChain, QuitSkipsTheBeforePhaseButRunsTheFormAndTheAfterPhase) {
    TLoggingForm Form(Log);
    auto* Hook = new TLoggingHook(&Form, "hook", Log);
    Hook->SetControl(&Form);
    Hook->Consumes = WM_QUIT;

    SendMessageW(Form.Handle(), WM_QUIT, 0, 0);
    EXPECT_EQ(Log, (TLog{"form quit", "hook after quit"}));
}

TEST_F(HookChain, ReCreatedWindowIsHookedAgainOnceThePostedRequestIsHandled) {
    TLoggingForm Form(Log);
    AttachOlderAndNewer(Form);
    const HWND OldWindow = Form.Handle();

    Form.SetBorderStyle(TFormBorderStyle::bsDialog);
    EXPECT_EQ(Log, (TLog{"newer before destroy", "older before destroy", "form destroy",
                         "newer after destroy", "older after destroy"}));
    EXPECT_FALSE(IsWindow(OldWindow));
    const HWND NewWindow = Form.Handle();
    ASSERT_TRUE(
        PumpUntil([&] { return WindowProcOf(NewWindow) == &TControlHook::HookedWindowProc; }));

    Log.clear();
    Probe(NewWindow);
    EXPECT_EQ(Log, ProbeThroughBoth);
}

TEST_F(HookChain, ConsumedDestroyStillReachesTheFormAndTheWindowIsHookedAgain) {
    TLoggingForm Form(Log);
    auto [Older, Newer] = AttachOlderAndNewer(Form);
    Newer->Consumes = WM_DESTROY;
    const WNDPROC FormProc = WindowProcOf(Form.Handle());
    ASSERT_EQ(FormProc, &TControlHook::HookedWindowProc);

    // The framework's own handling of the destroyed window must run: it tells the form
    // that its window is gone, so that the new one is created.
    Form.RecreateWnd();
    EXPECT_EQ(Log, (TLog{"newer before destroy", "form destroy", "newer after destroy"}));
    ASSERT_TRUE(Form.HandleAllocated());
    const HWND NewWindow = Form.Handle();
    ASSERT_TRUE(
        PumpUntil([&] { return WindowProcOf(NewWindow) == &TControlHook::HookedWindowProc; }));

    Log.clear();
    Probe(NewWindow);
    EXPECT_EQ(Log.front(), "newer before probe");
    EXPECT_EQ(Log.size(), 5u);
}

TEST_F(HookChain, AnExceptionOfAHookIsReportedAndTheNextHookStillRuns) {
    TRecordedExceptions Exceptions;
    TLoggingForm Form(Log);
    auto [Older, Newer] = AttachOlderAndNewer(Form);
    Newer->Raises = WM_PROBE;

    Probe(Form.Handle());
    EXPECT_EQ(Log, ProbeThroughBoth);
    ASSERT_EQ(Exceptions.Reports.size(), 1u);
    EXPECT_EQ(Exceptions.Reports[0].Sender, Newer);
    EXPECT_EQ(Exceptions.Reports[0].Message, "newer failed");
}

TEST_F(HookChain, HandledOfAMessageSentFromInsideAHandlerStaysWithThatMessage) {
    TLoggingForm Form(Log);
    auto [Older, Newer] = AttachOlderAndNewer(Form);
    // The newer hook consumes WM_QUIT only; a WM_PROBE handler sends one to the window.
    Newer->Consumes = WM_QUIT;
    Newer->OnProbe = [&] { SendMessageW(Form.Handle(), WM_QUIT, 0, 0); };

    Probe(Form.Handle());
    EXPECT_EQ(Log,
              (TLog{"newer before probe", "form quit", "newer after quit", "older after quit",
                    "older before probe", "form probe", "newer after probe", "older after probe"}));
}

} // namespace
