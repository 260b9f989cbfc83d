#include "HookTestSupport.h"

namespace {

bool IsLogged(uint32_t Msg) {
    return Msg == WM_PROBE || Msg == WM_QUIT || Msg == WM_DESTROY;
}

std::string MessageName(uint32_t Msg) {
    switch (Msg) {
    case WM_PROBE:
        return "probe";
    case WM_QUIT:
        return "quit";
    default:
        return "destroy";
    }
}

} // namespace

WNDPROC WindowProcOf(HWND Window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Window, GWLP_WNDPROC));
}

void TLoggingForm::Dispatch(TMessage& Message) {
    if (IsLogged(Message.Msg))
        FLog.push_back("form " + MessageName(Message.Msg));
    if (Message.Msg == WM_PROBE && OnProbe)
        OnProbe();
    TForm::Dispatch(Message);
}

TLoggingHook::TLoggingHook(TComponent* AOwner, std::string Name, TLog& Log)
    : TKsHook(AOwner), FName(std::move(Name)), FLog(Log) {}

void TLoggingHook::Dispatch(TMessage& Message) {
    if (!IsLogged(Message.Msg)) {
        TKsHook::Dispatch(Message);
        return;
    }
    FLog.push_back(FName + " before " + MessageName(Message.Msg));
    if (Message.Msg == Raises)
        throw Exception(FName + " failed");
    if (Message.Msg == Consumes) {
        Message.Result = 42;
        MarkHandled();
    }
    if (Message.Msg == WM_PROBE && OnProbe)
        OnProbe();
}

void TLoggingHook::AfterMessage(TMessage& Message) {
    if (IsLogged(Message.Msg))
        FLog.push_back(FName + " after " + MessageName(Message.Msg));
}

int TOtherSubclass::ProbeCalls = 0;
WNDPROC TOtherSubclass::Previous = nullptr;

TOtherSubclass::TOtherSubclass(HWND Window) : FWindow(Window) {
    ProbeCalls = 0;
    Previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
}

TOtherSubclass::~TOtherSubclass() {
    SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Previous));
}

LRESULT CALLBACK TOtherSubclass::WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_PROBE)
        ++ProbeCalls;
    return CallWindowProcW(Previous, Window, Msg, WParam, LParam);
}

TRecordedExceptions::TRecordedExceptions() : FPrevious(Application->OnException) {
    Application->OnException = MakeEvent(this, &TRecordedExceptions::Record);
}

TRecordedExceptions::~TRecordedExceptions() {
    Application->OnException = FPrevious;
}

void TRecordedExceptions::Record(TObject* Sender, const std::exception& E) {
    Reports.push_back({Sender, E.what()});
}

void HookTest::TearDown() {
    EXPECT_TRUE(PumpUntil([] {
        const THookList* List = ExistingHookList();
        return !List || List->Count() == 0;
    }));
}

LRESULT HookTest::Probe(HWND Window) {
    return SendMessageW(Window, WM_PROBE, 0, 0);
}

HookTest::THookPair HookTest::AttachOlderAndNewer(TForm& Form) {
    auto* Older = new TLoggingHook(&Form, "older", Log);
    auto* Newer = new TLoggingHook(&Form, "newer", Log);
    Older->SetControl(&Form);
    Newer->SetControl(&Form);
    return {Older, Newer};
}
