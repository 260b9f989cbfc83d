// What the hook tests share: a form and hooks that write what reaches them into one log,
// a party that subclasses a window on top of the hooks, and the application's exception
// report replaced for a scope.
#pragma once

#include "WindowTestSupport.h"
#include "skin/forms/KsHooks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

constexpr UINT WM_PROBE = WM_APP + 7;
using TLog = std::vector<std::string>;

WNDPROC WindowProcOf(HWND Window);

// Notes WM_PROBE, WM_QUIT and WM_DESTROY as its own procedure receives them.
class TLoggingForm : public TForm {
public:
    explicit TLoggingForm(TLog& Log) : TForm(nullptr), FLog(Log) {}
    // Runs inside the form's handling of WM_PROBE.
    std::function<void()> OnProbe;
    void Dispatch(TMessage& Message) override;

private:
    TLog& FLog;
};

// Notes the same messages in both phases as "<name> before|after probe|quit|destroy".
class TLoggingHook : public TKsHook {
public:
    TLoggingHook(TComponent* AOwner, std::string Name, TLog& Log);

    // The message this hook consumes (answering 42), 0 for none.
    UINT Consumes = 0;
    // The message whose handling raises "<name> failed", 0 for none.
    UINT Raises = 0;
    // Runs inside the before phase of WM_PROBE, after consuming; it may free this hook.
    std::function<void()> OnProbe;

    void Dispatch(TMessage& Message) override;
    void AfterMessage(TMessage& Message) override;

private:
    std::string FName;
    TLog& FLog;
};

// Another party that subclasses a window on top of whatever procedure it has.
class TOtherSubclass {
public:
    explicit TOtherSubclass(HWND Window);
    TOtherSubclass(const TOtherSubclass&) = delete;
    TOtherSubclass& operator=(const TOtherSubclass&) = delete;
    ~TOtherSubclass();

    static int ProbeCalls;

private:
    static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
    static WNDPROC Previous;
    HWND FWindow;
};

// Takes the application's exception report for the length of a scope.
class TRecordedExceptions {
public:
    TRecordedExceptions();
    TRecordedExceptions(const TRecordedExceptions&) = delete;
    TRecordedExceptions& operator=(const TRecordedExceptions&) = delete;
    ~TRecordedExceptions();

    struct TReport {
        TObject* Sender;
        std::string Message;
    };
    std::vector<TReport> Reports;

private:
    void Record(TObject* Sender, const std::exception& E);
    TExceptionEvent FPrevious;
};

// What a probe logs through one hook named "hook", and through "newer" and "older".
inline const TLog ProbeThroughHook{"hook before probe", "form probe", "hook after probe"};
inline const TLog ProbeThroughBoth{"newer before probe", "older before probe", "form probe",
                                   "newer after probe", "older after probe"};

// Every case ends with the posted requests handled and no control hook left.
class HookTest : public ::testing::Test {
protected:
    struct THookPair {
        TLoggingHook* Older;
        TLoggingHook* Newer;
    };

    void TearDown() override;
    // Two hooks owned by Form and attached to it, "older" first.
    THookPair AttachOlderAndNewer(TForm& Form);
    // Sends WM_PROBE to the window and answers its result.
    static LRESULT Probe(HWND Window);

    TLog Log;
};
