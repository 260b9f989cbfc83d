#include "WindowTestSupport.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/LayoutReader.h"
#include "framework/core/LayoutWriter.h"
#include "framework/core/Properties.h"
#include "framework/windows/ControlClasses.h"
#include "framework/windows/ControlWindows.h"
#include "framework/windows/ExtCtrls.h"
#include "framework/windows/Screen.h"
#include "framework/windows/StdCtrls.h"
#include "framework/windows/Timer.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// A form class of the kind a program declares: read from its layout when it is created.
class TKeyForm : public TScriptForm {
public:
    static const TComponentClassOf<TKeyForm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKeyForm(TComponent* AOwner) : TScriptForm(AOwner) {
        RegisterControlClasses();
        RegisterClass(Class);
        ReadFormLayout();
    }

    TButton* Button(const char* Name) { return dynamic_cast<TButton*>(FindComponent(Name)); }
    void ButtonClick(TObject* Sender) {
        Clicked.push_back(dynamic_cast<TComponent*>(Sender)->Name());
    }

    std::vector<std::string> Clicked;
};

namespace {

const TMethodTable KeyFormMethods{
    TPublished<TKeyForm>::Method("ButtonClick", &TKeyForm::ButtonClick),
};

} // namespace

const TComponentClassOf<TKeyForm> TKeyForm::Class{"TKeyForm", TForm::Class, nullptr,
                                                  &KeyFormMethods};

namespace {

TKeyForm* KeyForm = nullptr;

TEST(FormLayouts, AFormIsReadFromTheLayoutNamedAfterItsClass) {
    Application->CreateForm(KeyForm);
    std::unique_ptr<TKeyForm> Owned(KeyForm);
    ASSERT_NE(KeyForm, nullptr);
    EXPECT_EQ(KeyForm->Name(), "KeyForm");
    EXPECT_EQ(KeyForm->Caption(), "Keys");
    EXPECT_EQ(Application->MainForm(), KeyForm);
    ASSERT_NE(KeyForm->Button("First"), nullptr);
    EXPECT_EQ(KeyForm->Button("First")->Parent(), KeyForm);
    EXPECT_TRUE(KeyForm->Button("First")->Default());
    EXPECT_EQ(KeyForm->Button("Third")->TabOrder(), 2);
    EXPECT_EQ(KeyForm->Button("First")->TabOrder(), 0);
    EXPECT_EQ(KeyForm->Button("Second")->TabOrder(), 1);
    auto* Hint = dynamic_cast<TLabel*>(KeyForm->FindComponent("Hint"));
    ASSERT_NE(Hint, nullptr);
    EXPECT_EQ(Hint->FocusControl(), KeyForm->Button("Second"));
    EXPECT_FALSE(KeyForm->Visible());
    EXPECT_EQ(TComponent::FindGlobalComponent("KeyForm"), KeyForm);

    KeyForm->Button("First")->Click();
    EXPECT_EQ(KeyForm->Clicked, std::vector<std::string>{"First"});
    Owned.reset();
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST(FormLayouts, AFormMadeAgainBesideAnEarlierOneTakesTheNextFreeName) {
    TComponent Owner(nullptr);
    auto* First = new TKeyForm(&Owner);
    auto* Second = new TKeyForm(&Owner);
    auto* Third = new TKeyForm(&Owner);
    EXPECT_EQ(First->Name(), "KeyForm");
    EXPECT_EQ(Second->Name(), "KeyForm_1");
    EXPECT_EQ(Third->Name(), "KeyForm_2");
    EXPECT_EQ(Second->Button("First")->Owner(), Second);
    EXPECT_EQ(Owner.ComponentCount(), 3);
}

TEST(FormLayouts, AWrittenFormHoldsItsControlsAndItsComponentsWithoutParent) {
    TKeyForm Form(nullptr);
    auto* Ticker = new TTimer(&Form);
    Ticker->SetName("Ticker");
    Ticker->SetInterval(250);
    const std::string Text = WriteLayout(&Form);
    for (const char* Expected : {"object KeyForm: TKeyForm", "object Ticker: TTimer",
                                 "Interval = 250", "object First: TButton", "OnClick = ButtonClick",
                                 "FocusControl = Second", "Caption = 'E&xit'"})
        EXPECT_NE(Text.find(Expected), std::string::npos) << Expected << "\n" << Text;
    EXPECT_LT(Text.find("object Ticker"), Text.find("object Third"));
    // The controls keep their order (the z-order) and the tab order survives a re-read.
    EXPECT_LT(Text.find("object Third"), Text.find("object First"));
    TKeyForm Again(nullptr);
    Again.DestroyComponents();
    ReadLayout(Text, &Again);
    EXPECT_EQ(Again.Button("Third")->TabOrder(), 2);
    EXPECT_EQ(Again.Button("Escape")->Cancel(), true);
    EXPECT_NE(Again.FindComponent("Ticker"), nullptr);
}

TEST(FormWindows, BorderStylesAndIconsGiveTheHostStyles) {
    struct TCase {
        TFormBorderStyle Border;
        TBorderIcons Icons;
        DWORD Present;
        DWORD Absent;
        DWORD ExPresent;
    };
    const TCase Cases[] = {
        {TFormBorderStyle::bsNone,
         {TBorderIcon::biSystemMenu},
         WS_POPUP,
         WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
         0},
        {TFormBorderStyle::bsSizeable,
         {TBorderIcon::biSystemMenu, TBorderIcon::biMaximize},
         WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MAXIMIZEBOX,
         WS_MINIMIZEBOX,
         0},
        {TFormBorderStyle::bsSingle, {}, WS_CAPTION, WS_THICKFRAME | WS_SYSMENU, 0},
        {TFormBorderStyle::bsDialog,
         {TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biHelp},
         WS_CAPTION | WS_SYSMENU,
         WS_MINIMIZEBOX | WS_THICKFRAME,
         WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP},
        {TFormBorderStyle::bsSizeToolWin,
         {TBorderIcon::biSystemMenu},
         WS_CAPTION | WS_THICKFRAME,
         0,
         WS_EX_TOOLWINDOW},
    };
    for (const TCase& Case : Cases) {
        TForm Form(nullptr);
        Form.SetBorderStyle(Case.Border);
        Form.SetBorderIcons(Case.Icons);
        const auto Style = static_cast<DWORD>(GetWindowLongW(Form.Handle(), GWL_STYLE));
        const auto ExStyle = static_cast<DWORD>(GetWindowLongW(Form.Handle(), GWL_EXSTYLE));
        EXPECT_EQ(Style & Case.Present, Case.Present) << static_cast<int>(Case.Border);
        EXPECT_EQ(Style & Case.Absent, 0u) << static_cast<int>(Case.Border);
        EXPECT_EQ(ExStyle & Case.ExPresent, Case.ExPresent) << static_cast<int>(Case.Border);
    }
    TForm OnTop(nullptr);
    OnTop.SetFormStyle(TFormStyle::fsStayOnTop);
    EXPECT_TRUE(GetWindowLongW(OnTop.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(FormWindows, ClientSizeGivesTheWindowTheHostsFrame) {
    for (TFormBorderStyle Border :
         {TFormBorderStyle::bsNone, TFormBorderStyle::bsSizeable, TFormBorderStyle::bsToolWindow}) {
        TForm Form(nullptr);
        Form.SetBorderStyle(Border);
        Form.SetClientWidth(221);
        Form.SetClientHeight(153);
        RECT Client{};
        GetClientRect(Form.Handle(), &Client);
        EXPECT_EQ(Client.right, 221);
        EXPECT_EQ(Client.bottom, 153);
        EXPECT_EQ(Form.ClientWidth(), 221);
    }
}

TEST(FormWindows, AutoScrollShowsBarsForControlsBeyondTheClientArea) {
    TForm Form(nullptr);
    Form.SetBorderStyle(TFormBorderStyle::bsSingle);
    Form.SetClientWidth(200);
    Form.SetClientHeight(150);
    TPanel Far(nullptr);
    Far.SetBounds(150, 100, 100, 20);
    Far.SetParent(&Form);
    Form.HandleNeeded();
    EXPECT_TRUE(Form.HorzScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(Form.VertScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(Form.HorzScrollBar()->Range(), 250);
    Form.HorzScrollBar()->SetPosition(1000);
    EXPECT_EQ(Far.Left() + Far.Width(), Form.ClientWidth());

    Form.SetAutoScroll(false);
    Form.HorzScrollBar()->SetRange(0);
    EXPECT_FALSE(Form.HorzScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(Far.Left(), 150); // the content is back at the start
}

TEST(FormWindows, MinimisingAFormWhoseControlsFitShowsNoScrollBars) {
    TForm Form(nullptr);
    Form.SetBorderStyle(TFormBorderStyle::bsNone);
    Form.SetBounds(100, 100, 222, 152);
    TPanel Inside(nullptr);
    Inside.SetBounds(150, 100, 60, 40);
    Inside.SetParent(&Form);
    Form.Show();
    auto HasBars = [&] {
        return (GetWindowLongW(Form.Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
    };
    ASSERT_FALSE(HasBars());
    Form.SetWindowState(TWindowState::wsMinimized);
    EXPECT_FALSE(HasBars()) << "the minimised window has no client area to scroll";
    Form.SetWindowState(TWindowState::wsNormal);
    EXPECT_FALSE(HasBars());
    EXPECT_EQ(Inside.Left(), 150);
    EXPECT_EQ(Form.HorzScrollBar()->Position(), 0);
}

TEST(FormWindows, PositionCentresTheFormWhenItIsShown) {
    TForm Form(nullptr);
    Form.SetBounds(3, 4, 300, 200);
    Form.SetPosition(TPosition::poScreenCenter);
    Form.Show();
    EXPECT_EQ(Form.Left(), (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
    EXPECT_EQ(Form.Top(), (GetSystemMetrics(SM_CYSCREEN) - 200) / 2);
    RECT Rect{};
    GetWindowRect(Form.Handle(), &Rect);
    EXPECT_EQ(Rect.left, Form.Left());
    EXPECT_TRUE(IsWindowVisible(Form.Handle()));
    EXPECT_EQ(Form.Monitor(), Screen->MonitorFromWindow(Form.Handle()));
    Form.Hide();
    EXPECT_FALSE(IsWindowVisible(Form.Handle()));
}

TEST(FormWindows, WindowStateFollowsTheHostAndAppliesWhenShown) {
    TForm Form(nullptr);
    Form.SetBounds(10, 10, 200, 150);
    Form.Show();
    Form.SetWindowState(TWindowState::wsMinimized);
    EXPECT_TRUE(IsIconic(Form.Handle()));
    Form.Hide();
    Form.SetWindowState(TWindowState::wsNormal); // hidden: kept for the next showing
    EXPECT_FALSE(IsWindowVisible(Form.Handle()));
    Form.Show();
    EXPECT_FALSE(IsIconic(Form.Handle()));
    ShowWindow(Form.Handle(), SW_MAXIMIZE);
    EXPECT_EQ(Form.WindowState(), TWindowState::wsMaximized);
    Form.Hide();
}

// Every window that gains the focus while a form is shown and activated, in order.
class TFocusRecorder {
public:
    TFocusRecorder() {
        Current = this;
        FHook = SetWindowsHookExW(WH_CALLWNDPROC, Record, nullptr, GetCurrentThreadId());
    }
    ~TFocusRecorder() {
        UnhookWindowsHookEx(FHook);
        Current = nullptr;
    }
    TFocusRecorder(const TFocusRecorder&) = delete;
    TFocusRecorder& operator=(const TFocusRecorder&) = delete;
    std::vector<HWND> Gained;

private:
    static LRESULT CALLBACK Record(int Code, WPARAM WParam, LPARAM LParam) {
        const auto* Message = reinterpret_cast<const CWPSTRUCT*>(LParam);
        if (Code == HC_ACTION && Message->message == WM_SETFOCUS && Current)
            Current->Gained.push_back(Message->hwnd);
        return CallNextHookEx(nullptr, Code, WParam, LParam);
    }
    static inline TFocusRecorder* Current = nullptr;
    HHOOK FHook;
};

TEST(FormWindows, ActivationFocusesTheControlStraightAwayOrElseTheForm) {
    TForm WithButtons(nullptr);
    WithButtons.SetBounds(100, 100, 300, 200);
    auto* First = new TButton(&WithButtons);
    auto* Second = new TButton(&WithButtons);
    for (TButton* Button : {First, Second})
        Button->SetParent(&WithButtons);
    WithButtons.SetActiveControl(Second);
    {
        TFocusRecorder Focus;
        WithButtons.Show();
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Second->Handle(); }));
        PumpMessagesFor(50);
        EXPECT_EQ(std::count(Focus.Gained.begin(), Focus.Gained.end(), WithButtons.Handle()), 0)
            << "the focus passed through the form on its way to the control";
    }
    WithButtons.Hide();

    TForm Empty(nullptr);
    Empty.SetBounds(100, 100, 300, 200);
    Empty.Show();
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == Empty.Handle(); }))
        << "a form without controls takes the focus itself";
    Empty.Hide();
}

TEST(FormClosing, CloseQueryAndCloseActionsDecide) {
    struct THandlers {
        bool Allow = false;
        TCloseAction Action = TCloseAction::caHide;
        int Queries = 0;
        void Query(TObject*, bool& CanClose) {
            ++Queries;
            CanClose = Allow;
        }
        void Closing(TObject*, TCloseAction& A) { A = Action; }
    } Handlers;
    auto Form = std::make_unique<TForm>(nullptr);
    Form->OnCloseQuery = MakeEvent(&Handlers, &THandlers::Query);
    Form->OnClose = MakeEvent(&Handlers, &THandlers::Closing);
    Form->Show();

    Form->Close();
    EXPECT_EQ(Handlers.Queries, 1);
    EXPECT_TRUE(Form->Visible());

    Handlers.Allow = true;
    Handlers.Action = TCloseAction::caNone;
    Form->Close();
    EXPECT_TRUE(Form->Visible());

    Handlers.Action = TCloseAction::caMinimize;
    SendMessageW(Form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsIconic(Form->Handle()));

    Handlers.Action = TCloseAction::caHide;
    Form->Close();
    EXPECT_FALSE(Form->Visible());
    EXPECT_TRUE(IsWindow(Form->Handle()));

    // caFree: the form goes once the queued messages are handled.
    TComponent Owner(nullptr);
    auto* Freed = new TForm(&Owner);
    Freed->OnClose = MakeEvent(&Handlers, &THandlers::Closing);
    Handlers.Action = TCloseAction::caFree;
    Freed->Show();
    Freed->Close();
    EXPECT_EQ(Owner.ComponentCount(), 1);
    EXPECT_TRUE(PumpUntil([&] { return Owner.ComponentCount() == 0; }));
}

// What a party that subclasses control windows (a skin's window hook) learns when a window
// gets WM_DESTROY: whether the control behind it says it is being destroyed.
class TDestroyWatch {
public:
    TDestroyWatch() { Current = this; }
    TDestroyWatch(const TDestroyWatch&) = delete;
    TDestroyWatch& operator=(const TDestroyWatch&) = delete;
    ~TDestroyWatch() { Current = nullptr; }

    void Attach(TWinControl& Control) {
        const HWND Window = Control.Handle();
        SetPropW(Window, PreviousProperty,
                 reinterpret_cast<HANDLE>(GetWindowLongPtrW(Window, GWLP_WNDPROC)));
        SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Hook));
    }
    // OnDestroy of a form.
    void FormDestroyed(TObject* Sender) { Record("OnDestroy", dynamic_cast<TComponent*>(Sender)); }

    std::vector<std::string> Log;

private:
    static LRESULT CALLBACK Hook(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
        const auto Previous = reinterpret_cast<WNDPROC>(GetPropW(Window, PreviousProperty));
        if (Msg == WM_DESTROY && Current) {
            RemovePropW(Window, PreviousProperty);
            Current->Record("WM_DESTROY", FindControl(Window));
        }
        return CallWindowProcW(Previous, Window, Msg, WParam, LParam);
    }
    void Record(const std::string& Moment, const TComponent* Component) {
        Log.push_back(Moment + " " + (Component ? Component->Name() : "?") + ": " +
                      (Component && Component->IsDestroying() ? "destroying" : "alive"));
    }

    static constexpr const wchar_t* PreviousProperty = L"SnapvaleTestPreviousProc";
    static inline TDestroyWatch* Current = nullptr;
};

TEST(FormDestruction, AFormAndItsControlsSayTheyAreDestroyedWhateverFreesThem) {
    struct TWay {
        std::string Name;
        std::function<void(TForm*)> Free;
    };
    const TWay Ways[] = {
        {"freed by its owner", [](TForm* Form) { delete Form->Owner(); }},
        {"released",
         [](TForm* Form) {
             TComponent* Owner = Form->Owner();
             Form->Release();
             EXPECT_TRUE(PumpUntil([&] { return Owner->ComponentCount() == 0; }));
             delete Owner;
         }},
        {"deleted",
         [](TForm* Form) {
             std::unique_ptr<TComponent> Owner(Form->Owner());
             delete Form;
         }},
    };
    const std::vector<std::string> Expected{"OnDestroy Form: destroying",
                                            "WM_DESTROY Button: destroying",
                                            "WM_DESTROY Form: destroying"};
    for (const TWay& Way : Ways) {
        SCOPED_TRACE(Way.Name);
        TDestroyWatch Watch;
        auto* Form = new TForm(new TComponent(nullptr));
        Form->SetName("Form");
        auto* Button = new TButton(Form);
        Button->SetName("Button");
        Button->SetParent(Form);
        Form->OnDestroy = MakeEvent(&Watch, &TDestroyWatch::FormDestroyed);
        Watch.Attach(*Form);
        Watch.Attach(*Button);
        Way.Free(Form);
        EXPECT_EQ(Watch.Log, Expected);
    }
}

TEST(FormModal, ShowModalEndsWithTheModalResultAndNests) {
    TScriptForm Outer(nullptr), Inner(nullptr);
    Outer.SetBounds(100, 100, 300, 200);
    Inner.SetBounds(150, 150, 200, 100);
    TModalResult InnerResult = mrNone;
    bool OuterDisabledDuringInner = false;
    bool InnerEnabled = false;
    Outer.Post([&] {
        Inner.Post([&] {
            OuterDisabledDuringInner = !IsWindowEnabled(Outer.Handle());
            InnerEnabled = IsWindowEnabled(Inner.Handle()) != FALSE;
            Inner.SetModalResult(mrYes);
        });
        InnerResult = Inner.ShowModal();
        Outer.Post([&] { Outer.Close(); });
    });

    EXPECT_EQ(Outer.ShowModal(), mrCancel);
    EXPECT_EQ(InnerResult, mrYes);
    EXPECT_TRUE(OuterDisabledDuringInner);
    EXPECT_TRUE(InnerEnabled);
    EXPECT_FALSE(Outer.Visible());
    EXPECT_FALSE(Inner.Visible());
    EXPECT_TRUE(IsWindowEnabled(Outer.Handle()));
    EXPECT_THROW(
        {
            Outer.Show();
            Outer.ShowModal();
        },
        EInvalidOperation);
    Outer.Hide();
}

// A plain window on a thread of its own, as another program's window would be: a modal
// loop does not disable it. It counts the times it is activated.
class TWindowOnOtherThread {
public:
    explicit TWindowOnOtherThread(const RECT& Bounds) {
        std::atomic<bool> Ready = false;
        FThread = std::thread([&] {
            WNDCLASSW Class{};
            Class.lpfnWndProc = &Procedure;
            Class.hInstance = GetModuleHandleW(nullptr);
            Class.lpszClassName = L"SnapvaleOtherThreadWindow";
            RegisterClassW(&Class);
            FWindow =
                CreateWindowExW(0, Class.lpszClassName, L"", WS_POPUP, Bounds.left, Bounds.top,
                                Bounds.right - Bounds.left, Bounds.bottom - Bounds.top, nullptr,
                                nullptr, Class.hInstance, nullptr);
            SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&FActivations));
            ShowWindow(FWindow, SW_SHOWNOACTIVATE);
            FThreadId = GetCurrentThreadId();
            Ready = true;
            MSG Message;
            while (GetMessageW(&Message, nullptr, 0, 0) > 0)
                DispatchMessageW(&Message);
            DestroyWindow(FWindow);
            UnregisterClassW(Class.lpszClassName, Class.hInstance);
        });
        while (!Ready)
            Sleep(1);
    }
    TWindowOnOtherThread(const TWindowOnOtherThread&) = delete;
    TWindowOnOtherThread& operator=(const TWindowOnOtherThread&) = delete;
    ~TWindowOnOtherThread() {
        PostThreadMessageW(FThreadId, WM_QUIT, 0, 0);
        FThread.join();
    }

    int Activations() const { return FActivations; }

private:
    static LRESULT CALLBACK Procedure(HWND Window, UINT Msg, WPARAM W, LPARAM L) {
        if (Msg == WM_ACTIVATE && LOWORD(W) != WA_INACTIVE)
            if (auto* Count =
                    reinterpret_cast<std::atomic<int>*>(GetWindowLongPtrW(Window, GWLP_USERDATA)))
                ++*Count;
        return DefWindowProcW(Window, Msg, W, L);
    }

    std::thread FThread;
    HWND FWindow = nullptr;
    DWORD FThreadId = 0;
    std::atomic<int> FActivations = 0;
};

TEST(FormModal, ClosingGivesTheActivationBackToTheWindowActiveBefore) {
    TWindowOnOtherThread Bystander(RECT{120, 120, 420, 320});
    TScriptForm Main(nullptr), Dialog(nullptr);
    Main.SetBounds(100, 100, 300, 200);
    Main.Show();
    SetForegroundWindow(Main.Handle());
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == Main.Handle(); }));
    const int ActivationsBefore = Bystander.Activations();

    Dialog.SetBounds(150, 150, 200, 100);
    Dialog.Post([&] { Dialog.SetModalResult(mrOk); });
    EXPECT_EQ(Dialog.ShowModal(), mrOk);
    PumpMessagesFor(100);
    EXPECT_EQ(Bystander.Activations(), ActivationsBefore)
        << "another program's window took the activation in between";
    EXPECT_EQ(GetForegroundWindow(), Main.Handle());
    Main.Hide();
}

TEST(FormModal, AButtonsModalResultEndsTheLoopAndCloseQueryCanRefuse) {
    TKeyForm Form(nullptr);
    struct TGate {
        int Asked = 0;
        void Query(TObject*, bool& CanClose) { CanClose = ++Asked > 1; }
    } Gate;
    Form.OnCloseQuery = MakeEvent(&Gate, &TGate::Query);
    Form.Post([&] { Form.Button("First")->Click(); });
    Form.Post([&] { Form.Button("First")->Click(); });
    EXPECT_EQ(Form.ShowModal(), mrOk);
    EXPECT_EQ(Gate.Asked, 2);
    EXPECT_EQ(Form.Clicked.size(), 2u);
}

TEST(ApplicationLoop, ClosingTheMainFormEndsRun) {
    TScriptForm* Main = nullptr;
    Application->CreateForm(Main);
    std::unique_ptr<TScriptForm> Owned(Main);
    TForm* Other = nullptr;
    Application->CreateForm(Other);
    std::unique_ptr<TForm> OwnedOther(Other);
    EXPECT_EQ(Application->MainForm(), Main);
    TRecordedMessageBoxes Recorded;
    struct TFaulty {
        void Fail(TObject*) { throw Exception("Loop goes on"); }
    } Faulty;
    TButton Button(nullptr);
    Button.SetParent(Main);
    Button.OnClick = MakeEvent(&Faulty, &TFaulty::Fail);
    Main->Post([&] { PostMessageW(Button.Handle(), BM_CLICK, 0, 0); });
    Main->Post([&] { Main->Close(); });

    Application->Run();

    EXPECT_TRUE(Application->Terminated());
    ASSERT_EQ(Recorded.Boxes.size(), 1u);
    EXPECT_EQ(Recorded.Boxes[0].Text, "Loop goes on.");
    EXPECT_TRUE(Main->Visible()); // the program ends; the window itself is not hidden
    Button.SetParent(nullptr);
}

TEST(ScreenObject, FormsInCreationOrderAndTheDisplays) {
    const int Before = Screen->FormCount();
    TForm A(nullptr), B(nullptr);
    ASSERT_EQ(Screen->FormCount(), Before + 2);
    EXPECT_EQ(Screen->Forms(Before), &A);
    EXPECT_EQ(Screen->Forms(Before + 1), &B);
    EXPECT_EQ(Screen->Width(), GetSystemMetrics(SM_CXSCREEN));
    ASSERT_GE(Screen->MonitorCount(), 1);
    TMonitor* Primary = nullptr;
    for (int I = 0; I < Screen->MonitorCount(); ++I)
        if (Screen->Monitors(I)->Primary())
            Primary = Screen->Monitors(I);
    ASSERT_NE(Primary, nullptr);
    EXPECT_EQ(Primary->Left(), 0);
    EXPECT_EQ(Primary->Width(), Screen->Width());
    EXPECT_EQ(Primary->Height(), Screen->Height());
    const RECT Work = Screen->WorkAreaRect();
    EXPECT_EQ(Work.right - Work.left, Screen->WorkAreaWidth());
    EXPECT_THROW(Screen->Monitors(Screen->MonitorCount()), EListError);
}

TEST(ScreenObject, CursorsMapToTheHostsAndTheScreenCursorOverridesControls) {
    EXPECT_EQ(Screen->Cursors(crHandPoint),
              LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
    EXPECT_EQ(Screen->Cursors(crHourGlass),
              LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
    EXPECT_EQ(Screen->Cursors(crNone), nullptr);
    TForm Form(nullptr);
    Form.SetCursor(crCross);
    Form.HandleNeeded();
    auto CursorAfterSetCursor = [&] {
        SendMessageW(Form.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Form.Handle()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    POINT Inside = Form.ClientToScreen(POINT{5, 5});
    SetCursorPos(Inside.x, Inside.y);
    EXPECT_EQ(CursorAfterSetCursor(), Screen->Cursors(crCross));
    Screen->SetCursor(crHourGlass);
    EXPECT_EQ(CursorAfterSetCursor(), Screen->Cursors(crHourGlass));
    Screen->SetCursor(crDefault);
    EXPECT_EQ(CursorAfterSetCursor(), Screen->Cursors(crCross));
}

} // namespace
