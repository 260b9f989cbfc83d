// Attaching and detaching hooks: Active and Control, another party subclassing on top, hooks
// and forms freed while messages are being handled, and the release of emptied control
// hooks through the hook list's window.
#include "HookTestSupport.h"

#include <memory>

namespace {

using HookLifetime = HookTest;

TEST_F(HookLifetime, DeactivatingTheOnlyHookRestoresTheFormsProcedure) {
    TLoggingForm Form(Log);
    const HWND Window = Form.Handle();
    const WNDPROC FormProc = WindowProcOf(Window);
    auto* Hook = new TLoggingHook(&Form, "hook", Log);
    Hook->SetControl(&Form);
    ASSERT_EQ(WindowProcOf(Window), &TControlHook::HookedWindowProc);

    Hook->SetActive(false);
    EXPECT_EQ(WindowProcOf(Window), FormProc);
    Probe(Window);
    EXPECT_EQ(Log, (TLog{"form probe"}));

    Log.clear();
    Hook->SetActive(true);
    Probe(Window);
    EXPECT_EQ(Log, ProbeThroughHook);
}

TEST_F(HookLifetime, ALinkLeftUnderAnotherPartyKeepsPassingMessagesOnAndIsTakenOverAgain) {
    TLoggingForm Form(Log);
    const HWND Window = Form.Handle();
    auto* Hook = new TLoggingHook(&Form, "hook", Log);
    Hook->SetControl(&Form);
    {
        TOtherSubclass Other(Window);
        Hook->SetActive(false);
        EXPECT_NE(WindowProcOf(Window), &TControlHook::HookedWindowProc);
        // The other party still calls the hook's procedure, which must lead to the form's.
        Probe(Window);
        EXPECT_EQ(Log, (TLog{"form probe"}));
        EXPECT_EQ(TOtherSubclass::ProbeCalls, 1);

        // Attached again: the link in the chain is used once, not stacked a second time.
        Log.clear();
        Hook->SetActive(true);
        Probe(Window);
        EXPECT_EQ(Log, ProbeThroughHook);
        EXPECT_EQ(TOtherSubclass::ProbeCalls, 2);
    }
    EXPECT_EQ(WindowProcOf(Window), &TControlHook::HookedWindowProc);
}

TEST_F(HookLifetime, AssigningTheSameControlChangesNothing) {
    TLoggingForm Form(Log);
    auto [Older, Newer] = AttachOlderAndNewer(Form);

    Older->SetControl(&Form);
    EXPECT_EQ(HookList()->Count(), 1);
    Probe(Form.Handle());
    EXPECT_EQ(Log.front(), "newer before probe");
}

TEST_F(HookLifetime, ANilControlDetachesKeepsActiveAndReleasesTheEmptiedControlHook) {
    TLoggingForm Form(Log);
    const HWND Window = Form.Handle();
    const WNDPROC FormProc = WindowProcOf(Window);
    auto* Hook = new TLoggingHook(&Form, "hook", Log);
    Hook->SetControl(&Form);

    Hook->SetControl(nullptr);
    EXPECT_TRUE(Hook->Active());
    EXPECT_EQ(Hook->Control(), nullptr);
    EXPECT_EQ(WindowProcOf(Window), FormProc);
    ASSERT_TRUE(PumpUntil([&] { return !HookList()->FindControlHook(&Form); }));

    Hook->SetControl(&Form);
    EXPECT_EQ(WindowProcOf(Window), &TControlHook::HookedWindowProc);
    Probe(Window);
    EXPECT_EQ(Log, ProbeThroughHook);
}

TEST_F(HookLifetime, TheFormFreeingItsOnlyHookWhileHandlingAMessage) {
    TLoggingForm Form(Log);
    const HWND Window = Form.Handle();
    const WNDPROC FormProc = WindowProcOf(Window);
    auto Hook = std::make_unique<TLoggingHook>(nullptr, "hook", Log);
    Hook->SetControl(&Form);
    Form.OnProbe = [&] { Hook.reset(); };

    Probe(Window);
    EXPECT_EQ(Log, (TLog{"hook before probe", "form probe"}));
    EXPECT_EQ(WindowProcOf(Window), FormProc);
}

TEST_F(HookLifetime, AHookFreeingItselfInItsHandlerKeepsTheMessageConsumed) {
    TLoggingForm Form(Log);
    auto [Older, Newer] = AttachOlderAndNewer(Form);
    Newer->Consumes = WM_PROBE;
    Newer->OnProbe = [&] { delete Newer; };

    EXPECT_EQ(Probe(Form.Handle()), 42);
    EXPECT_EQ(Log, (TLog{"newer before probe"}));
    EXPECT_EQ(HookList()->FindControlHook(&Form)->HookCount(), 1);
}

TEST_F(HookLifetime, AnEmptiedControlHookSurvivesANestedLoopInItsOwnWindowProcedure) {
    TLoggingForm Form(Log);
    auto* Hook = new TLoggingHook(&Form, "hook", Log);
    Hook->SetControl(&Form);
    bool AliveInsideNestedLoop = false;
    Hook->OnProbe = [&] {
        Hook->SetControl(nullptr);
        // A modal loop inside the handler handles the posted release.
        Application->ProcessMessages();
        AliveInsideNestedLoop = HookList()->FindControlHook(&Form) != nullptr;
    };

    Probe(Form.Handle());
    EXPECT_TRUE(AliveInsideNestedLoop);
    EXPECT_EQ(Log, (TLog{"hook before probe", "form probe"}));
}

TEST_F(HookLifetime, AFormFreedUnderItsHookDetachesIt) {
    auto Form = std::make_unique<TLoggingForm>(Log);
    TLoggingHook Hook(nullptr, "hook", Log);
    Hook.SetControl(Form.get());
    Form->Handle();

    Form.reset();
    EXPECT_EQ(Hook.Control(), nullptr);
    EXPECT_TRUE(Hook.Active());
}

} // namespace
