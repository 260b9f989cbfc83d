#include "framework/windows/Application.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/Icon.h"
#include "framework/windows/Forms.h"
#include "framework/windows/MouseTracking.h"
#include "framework/windows/Screen.h"

#include <memory>

namespace {

int HostMessageBox(HWND Owner, const std::string& Text, const std::string& Caption, UINT Flags) {
    const std::wstring WideText = Utf8ToWide(Text);
    const std::wstring WideCaption = Utf8ToWide(Caption);
    return MessageBoxW(Owner, WideText.c_str(), WideCaption.c_str(), Flags);
}

// The error box ends its message with a full stop, as sentences do.
std::string ErrorBoxText(const std::string& Message) {
    if (Message.empty() || Message.back() == '.')
        return Message;
    return Message + ".";
}

// Ctrl+F4 and Ctrl+F6 typed into a multiple-document parent form close and switch its
// children; the keys go to the form's client window rather than to the focused control.
bool TranslateMDIKeys(MSG& Msg) {
    if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN)
        return false;
    auto* Form = dynamic_cast<TCustomForm*>(FindControl(GetAncestor(Msg.hwnd, GA_ROOT)));
    return Form && Form->ClientHandle() && TranslateMDISysAccel(Form->ClientHandle(), &Msg);
}

// The screen is made first so that it outlives the application and its forms.
std::unique_ptr<TScreen> TheScreen = std::make_unique<TScreen>(nullptr);
std::unique_ptr<TApplication> TheApplication = std::make_unique<TApplication>(nullptr);

} // namespace

TScreen* const Screen = TheScreen.get();
TApplication* const Application = TheApplication.get();

const TComponentClassOf<TApplication> TApplication::Class{"TApplication", TComponent::Class};

TApplication::TApplication(TComponent* AOwner)
    : TComponent(AOwner), FMessageBoxFunc(HostMessageBox), FIcon(std::make_unique<TIcon>()) {
    // The forms this object frees when the program ends leave the global lookup of windows
    // then; asking it now makes it outlive this object.
    FindGlobalComponent("");
    FIcon->OnChange = MakeEvent(this, &TApplication::IconChanged);
}

void TApplication::Initialize() {
    const HINSTANCE Instance = GetModuleHandleW(nullptr);
    if (FindResourceW(Instance, L"MAINICON", reinterpret_cast<LPCWSTR>(RT_GROUP_ICON)))
        FIcon->LoadFromResourceName(Instance, "MAINICON");
}

void TApplication::IconChanged(TObject*) {
    for (int I = 0; I < Screen->FormCount(); ++I)
        Screen->Forms(I)->Perform(CM_ICONCHANGED);
}

TApplication::~TApplication() {
    DestroyComponents();
}

void TApplication::FormCreated(TCustomForm* Form) {
    if (!FMainForm)
        FMainForm = Form;
}

void TApplication::FormDestroyed(TCustomForm* Form) {
    if (FMainForm == Form)
        FMainForm = nullptr;
}

void TApplication::Run() {
    FTerminated = false;
    if (FMainForm)
        FMainForm->Show();
    while (!FTerminated) {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(this);
        }
    }
}

bool TApplication::ProcessMessage() {
    MSG Msg{};
    if (!PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (Msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    if (OnShortCut && (Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN)) {
        bool Handled = false;
        OnShortCut(Msg, Handled);
        if (Handled)
            return true;
    }
    if (TranslateMDIKeys(Msg))
        return true;
    TranslateMessage(&Msg);
    DispatchMessageW(&Msg);
    return true;
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void TApplication::HandleMessage() {
    if (ProcessMessage())
        return;
    Idle();
    if (!FTerminated)
        WaitMessage();
}

void TApplication::Idle() {
    // Every loop calls this, the modal ones too: what goes wrong here is shown and the
    // loop goes on.
    try {
        MouseTracker().Refresh();
        if (OnIdle)
            OnIdle(this);
    } catch (...) {
        HandleException(this);
    }
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

void TApplication::HandleException(TObject* Sender) {
    try {
        throw;
    } catch (const std::exception& E) {
        if (OnException)
            OnException(Sender, E);
        else
            ShowException(E);
    } catch (...) {
        const Exception Unknown("Unknown exception");
        if (OnException)
            OnException(Sender, Unknown);
        else
            ShowException(Unknown);
    }
}

void TApplication::ShowException(const std::exception& E) {
    const auto* Framework = dynamic_cast<const Exception*>(&E);
    const std::string Message = Framework ? Framework->Message() : std::string(E.what());
    MessageBox(ErrorBoxText(Message), FTitle, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, UINT Flags) {
    HWND Owner = GetActiveWindow();
    if (!Owner && FMainForm && FMainForm->HandleAllocated())
        Owner = FMainForm->Handle();
    return FMessageBoxFunc(Owner, Text, Caption, Flags);
}

TMessageBoxFunc TApplication::SetMessageBoxFunc(TMessageBoxFunc Func) {
    TMessageBoxFunc Previous = std::move(FMessageBoxFunc);
    FMessageBoxFunc = Func ? std::move(Func) : TMessageBoxFunc(HostMessageBox);
    return Previous;
}

void TApplication::Minimize() {
    if (FMainForm && FMainForm->HandleAllocated())
        ShowWindow(FMainForm->Handle(), SW_MINIMIZE);
    MainFormSized(true);
}

void TApplication::Restore() {
    if (FMainForm && FMainForm->HandleAllocated() && IsIconic(FMainForm->Handle()))
        ShowWindow(FMainForm->Handle(), SW_RESTORE);
    MainFormSized(false);
}

void TApplication::MainFormSized(bool Minimized) {
    if (Minimized == FMinimized)
        return;
    FMinimized = Minimized;
    if (Minimized && OnMinimize)
        OnMinimize(this);
    if (!Minimized && OnRestore)
        OnRestore(this);
}
