// TApplication: the program's one message loop and what belongs to it: the forms it
// creates (the first becomes the main form, whose closing ends Run), idle processing,
// the standard error box for exceptions raised by handlers (the loop goes on), the
// program's message boxes, and minimizing and restoring the program.
//
// Message boxes go through one replaceable function (SetMessageBoxFunc), so that tests can
// see what would be shown without a box blocking them.
#pragma once

#include "framework/core/Components.h"
#include "framework/core/Events.h"
#include "framework/graphics/WinApi.h"

#include <functional>
#include <memory>
#include <string>

class TCustomForm;
class TIcon;

// Shows a message box and answers the button chosen (IDOK, ...).
using TMessageBoxFunc =
    std::function<int(HWND Owner, const std::string& Text, const std::string& Caption, UINT Flags)>;
using TExceptionEvent = TEvent<TObject*, const std::exception&>;
// Sees a key message before it is dispatched; setting Handled swallows it.
using TShortCutEvent = TEvent<const MSG&, bool&>;

class TApplication : public TComponent {
public:
    static const TComponentClassOf<TApplication> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    // Takes the program's icon (the icon resource "MAINICON") when there is one.
    void Initialize();
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }

    // Creates a form owned by the application and stores it in Reference; the first form
    // created becomes the main form.
    template <class T> void CreateForm(T*& Reference) {
        auto* Form = new T(this);
        Reference = Form;
        FormCreated(Form);
    }
    TCustomForm* MainForm() const { return FMainForm; }
    // The icon of forms that have none of their own.
    TIcon* Icon() const { return FIcon.get(); }

    // Shows the main form and handles messages until the program is terminated.
    void Run();
    // Handles every message waiting in the queue, then returns.
    void ProcessMessages();
    // Handles one message, or waits for one after idle processing when there is none.
    void HandleMessage();
    // Ends Run (and every modal loop) once the current message is handled.
    void Terminate();
    bool Terminated() const { return FTerminated; }

    // Called inside a catch block: OnException when assigned, otherwise the error box.
    void HandleException(TObject* Sender);
    // The standard error box: the message, the title as caption, the error icon.
    void ShowException(const std::exception& E);
    int MessageBox(const std::string& Text, const std::string& Caption, UINT Flags = MB_OK);
    // Replaces the function that shows message boxes; answers the previous one.
    TMessageBoxFunc SetMessageBoxFunc(TMessageBoxFunc Func);

    void Minimize();
    void Restore();
    bool Minimized() const { return FMinimized; }
    // The main form reports that it was minimized or shown again.
    void MainFormSized(bool Minimized);
    // A form that is being destroyed stops being the main form.
    void FormDestroyed(TCustomForm* Form);

    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    TNotifyEvent OnIdle;
    TExceptionEvent OnException;
    TShortCutEvent OnShortCut;

private:
    void FormCreated(TCustomForm* Form);
    void IconChanged(TObject* Sender);
    bool ProcessMessage();
    void Idle();

    std::string FTitle;
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    bool FMinimized = false;
    TMessageBoxFunc FMessageBoxFunc;
    std::unique_ptr<TIcon> FIcon;
};

extern TApplication* const Application;
