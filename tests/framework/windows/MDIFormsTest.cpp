#include "WindowTestSupport.h"

#include "framework/core/Lists.h"
#include "framework/windows/ControlWindows.h"
#include "framework/windows/ExtCtrls.h"
#include "framework/windows/StdCtrls.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

RECT WindowRectIn(HWND Window, HWND Reference) {
    RECT Rect{};
    GetWindowRect(Window, &Rect);
    MapWindowPoints(HWND_DESKTOP, Reference, reinterpret_cast<POINT*>(&Rect), 2);
    return Rect;
}

bool Inside(const RECT& Inner, const RECT& Outer) {
    return Inner.left >= Outer.left && Inner.top >= Outer.top && Inner.right <= Outer.right &&
           Inner.bottom <= Outer.bottom;
}

HWND HostActiveChild(HWND Client, BOOL* Maximized = nullptr) {
    return reinterpret_cast<HWND>(
        SendMessageW(Client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(Maximized)));
}

std::vector<HWND> ChildWindowsOf(HWND Window) {
    std::vector<HWND> Found;
    for (HWND Child = GetWindow(Window, GW_CHILD); Child; Child = GetWindow(Child, GW_HWNDNEXT))
        Found.push_back(Child);
    return Found;
}

// A parent form with its client window, in front, and the children it is given.
class TMDIScene {
public:
    TMDIScene() : FParent(std::make_unique<TForm>(nullptr)) {
        FParent->SetBounds(60, 60, 520, 420);
        FParent->SetFormStyle(TFormStyle::fsMDIForm);
        FParent->Show();
        SetForegroundWindow(FParent->Handle());
        PumpUntil([&] { return GetForegroundWindow() == FParent->Handle(); });
    }

    TForm& Parent() { return *FParent; }
    HWND Client() { return FParent->ClientHandle(); }
    TForm* AddChild(const std::string& Caption, const RECT& Bounds = RECT{10, 10, 210, 160}) {
        auto* Child = new TForm(FParent.get());
        Child->SetCaption(Caption);
        Child->SetFormStyle(TFormStyle::fsMDIChild);
        Child->SetBounds(Bounds.left, Bounds.top, Bounds.right - Bounds.left,
                         Bounds.bottom - Bounds.top);
        Child->Show();
        return Child;
    }
    void Free() { FParent.reset(); }

private:
    std::unique_ptr<TForm> FParent;
};

// Every message of a kind a window-procedure hook placed on a child sees.
class TActivationWatch {
public:
    explicit TActivationWatch(TForm& Form) : FWindow(Form.Handle()) {
        SetPropW(FWindow, Property, this);
        FPrevious = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Hook)));
    }
    TActivationWatch(const TActivationWatch&) = delete;
    TActivationWatch& operator=(const TActivationWatch&) = delete;
    ~TActivationWatch() {
        if (!IsWindow(FWindow))
            return;
        SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FPrevious));
        RemovePropW(FWindow, Property);
    }
    int Count(UINT Msg) const {
        return static_cast<int>(std::count(Seen.begin(), Seen.end(), Msg));
    }

    std::vector<UINT> Seen;

private:
    static LRESULT CALLBACK Hook(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
        auto* Self = static_cast<TActivationWatch*>(GetPropW(Window, Property));
        if (Msg == WM_MDIACTIVATE || Msg == WM_NCACTIVATE || Msg == WM_ACTIVATE)
            Self->Seen.push_back(Msg);
        return CallWindowProcW(Self->FPrevious, Window, Msg, WParam, LParam);
    }

    static constexpr const wchar_t* Property = L"SnapvaleTestActivationWatch";
    HWND FWindow;
    WNDPROC FPrevious = nullptr;
};

struct TActivationLog {
    std::vector<std::string> Events;
    void Activated(TObject* Sender) {
        Events.push_back("+" + dynamic_cast<TControl*>(Sender)->Caption());
    }
    void Deactivated(TObject* Sender) {
        Events.push_back("-" + dynamic_cast<TControl*>(Sender)->Caption());
    }
};

struct TFreeOnClose {
    void Closing(TObject*, TCloseAction& Action) { Action = TCloseAction::caFree; }
};

TEST(MDIParent, TheClientWindowFillsTheClientAreaLessTheAlignedControls) {
    TMDIScene Scene;
    ASSERT_NE(Scene.Client(), nullptr);
    wchar_t ClassName[32] = {};
    GetClassNameW(Scene.Client(), ClassName, 32);
    EXPECT_EQ(lstrcmpiW(ClassName, L"MDICLIENT"), 0);
    EXPECT_EQ(GetParent(Scene.Client()), Scene.Parent().Handle());
    EXPECT_EQ(RectText(WindowRectIn(Scene.Client(), Scene.Parent().Handle())),
              RectText(ClientRectOf(Scene.Parent().Handle())));

    auto* Bar = new TPanel(&Scene.Parent());
    Bar->SetHeight(30);
    Bar->SetAlign(TAlign::alTop);
    Bar->SetParent(&Scene.Parent());
    auto* Side = new TPanel(&Scene.Parent());
    Side->SetWidth(40);
    Side->SetAlign(TAlign::alRight);
    Side->SetParent(&Scene.Parent());
    auto Expected = [&] {
        RECT Client = ClientRectOf(Scene.Parent().Handle());
        Client.top += Bar->Visible() ? 30 : 0;
        Client.right -= 40;
        return Client;
    };
    EXPECT_EQ(RectText(WindowRectIn(Scene.Client(), Scene.Parent().Handle())), RectText(Expected()));
    Scene.Parent().SetBounds(40, 40, 600, 380);
    EXPECT_EQ(RectText(WindowRectIn(Scene.Client(), Scene.Parent().Handle())), RectText(Expected()));
    Bar->Hide();
    EXPECT_EQ(RectText(WindowRectIn(Scene.Client(), Scene.Parent().Handle())), RectText(Expected()));
    Scene.Parent().Hide();
    Scene.Parent().SetBounds(50, 50, 560, 400);
    EXPECT_EQ(RectText(WindowRectIn(Scene.Client(), Scene.Parent().Handle())), RectText(Expected()))
        << "a hidden parent's client window keeps clear of the aligned controls too";
    EXPECT_EQ(TForm(nullptr).ClientHandle(), nullptr) << "only a parent form has one";
}

TEST(MDIChildren, AChildLivesInTheClientWindowOfItsParent) {
    TMDIScene Scene;
    TForm* First = Scene.AddChild("First");
    TForm* Second = Scene.AddChild("Second", RECT{60, 40, 260, 190});
    for (TForm* Child : {First, Second}) {
        EXPECT_EQ(GetParent(Child->Handle()), Scene.Client());
        EXPECT_TRUE(GetWindowLongW(Child->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
        EXPECT_TRUE(IsWindowVisible(Child->Handle()));
    }
    EXPECT_EQ(RectText(WindowRectIn(Second->Handle(), Scene.Client())), RectText(RECT{60, 40, 260, 190}));
    ASSERT_EQ(Scene.Parent().MDIChildCount(), 2);
    EXPECT_EQ(Scene.Parent().MDIChildren(0), First);
    EXPECT_EQ(Scene.Parent().MDIChildren(1), Second);
    EXPECT_THROW(Scene.Parent().MDIChildren(2), EListError);
    EXPECT_EQ(Scene.Parent().ActiveMDIChild(), Second);
    EXPECT_EQ(HostActiveChild(Scene.Client()), Second->Handle());
    First->Show();
    EXPECT_EQ(Scene.Parent().ActiveMDIChild(), First);

    auto* Centred = new TForm(&Scene.Parent());
    Centred->SetFormStyle(TFormStyle::fsMDIChild);
    Centred->SetBounds(0, 0, 120, 80);
    Centred->SetPosition(TPosition::poScreenCenter);
    Centred->Show();
    const RECT Area = ClientRectOf(Scene.Client());
    EXPECT_EQ(RectText(WindowRectIn(Centred->Handle(), Scene.Client())),
              RectText(RECT{(Area.right - 120) / 2, (Area.bottom - 80) / 2,
                        (Area.right - 120) / 2 + 120, (Area.bottom - 80) / 2 + 80}))
        << "a child is centred in its client window";

    TForm Orphan(nullptr);
    Orphan.SetFormStyle(TFormStyle::fsMDIChild);
    EXPECT_THROW(Orphan.HandleNeeded(), EInvalidOperation) << "no parent form to live in";

    TForm* Hidden = new TForm(&Scene.Parent());
    Hidden->SetFormStyle(TFormStyle::fsMDIChild);
    EXPECT_THROW(Hidden->ShowModal(), EInvalidOperation) << "a child is never modal";
    EXPECT_TRUE(IsWindowEnabled(Scene.Parent().Handle()));
}

TEST(MDIChildren, ActivationFollowsClicksAndTheSystemKeysAndReachesTheChildren) {
    TMDIScene Scene;
    TActivationLog Log;
    TForm* Left = Scene.AddChild("Left", RECT{0, 0, 180, 150});
    TForm* Right = Scene.AddChild("Right", RECT{220, 0, 400, 150});
    for (TForm* Child : {Left, Right}) {
        Child->OnActivate = MakeEvent(&Log, &TActivationLog::Activated);
        Child->OnDeactivate = MakeEvent(&Log, &TActivationLog::Deactivated);
    }
    auto* Edit = new TButton(Left);
    Edit->SetParent(Left);
    TActivationWatch LeftWatch(*Left);
    ASSERT_EQ(Scene.Parent().ActiveMDIChild(), Right);

    const POINT InLeft = Left->ClientToScreen(POINT{100, 100});
    ClickAt(InLeft.x, InLeft.y);
    ASSERT_TRUE(PumpUntil([&] { return Scene.Parent().ActiveMDIChild() == Left; }));
    EXPECT_EQ(Log.Events, (std::vector<std::string>{"-Right", "+Left"}));
    EXPECT_GE(LeftWatch.Count(WM_MDIACTIVATE), 1);
    EXPECT_GE(LeftWatch.Count(WM_NCACTIVATE), 1);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == Edit->Handle(); }))
        << "the activated child gives the focus to its control";

    QueueKeyWith(VK_CONTROL, VK_F6);
    ASSERT_TRUE(PumpUntil([&] { return Scene.Parent().ActiveMDIChild() == Right; }));
    EXPECT_EQ(HostActiveChild(Scene.Client()), Right->Handle());

    // The frame losing and regaining the activation is heard by its active child.
    Scene.Parent().Next();
    ASSERT_EQ(Scene.Parent().ActiveMDIChild(), Left);
    const int ActivatesBefore = LeftWatch.Count(WM_ACTIVATE);
    TForm Other(nullptr);
    Other.SetBounds(300, 300, 100, 80);
    Other.Show();
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == Other.Handle(); }));
    SetForegroundWindow(Scene.Parent().Handle());
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == Scene.Parent().Handle(); }));
    EXPECT_EQ(LeftWatch.Count(WM_ACTIVATE), ActivatesBefore + 2);
    EXPECT_EQ(Log.Events.back(), "+Left");
    Other.Hide();

    TFreeOnClose FreeOnClose;
    Left->OnClose = MakeEvent(&FreeOnClose, &TFreeOnClose::Closing);
    SetFocus(Left->Handle());
    QueueKeyWith(VK_CONTROL, VK_F4);
    ASSERT_TRUE(PumpUntil([&] { return Scene.Parent().MDIChildCount() == 1; }));
    EXPECT_EQ(Scene.Parent().MDIChildren(0), Right);
    EXPECT_EQ(Scene.Parent().ActiveMDIChild(), Right);
}

TEST(MDIChildren, ClosingAndFreeingTakeChildrenOutOfTheirParent) {
    TMDIScene Scene;
    TFreeOnClose FreeOnClose;
    TForm* Kept = Scene.AddChild("Kept");
    TForm* Freed = Scene.AddChild("Freed");
    Freed->OnClose = MakeEvent(&FreeOnClose, &TFreeOnClose::Closing);
    const HWND FreedWindow = Freed->Handle();
    Freed->Close();
    ASSERT_TRUE(PumpUntil([&] { return Scene.Parent().MDIChildCount() == 1; }));
    EXPECT_FALSE(IsWindow(FreedWindow));
    EXPECT_EQ(Scene.Parent().ActiveMDIChild(), Kept);

    Kept->Close();
    EXPECT_TRUE(IsIconic(Kept->Handle())) << "a child is minimised, not hidden, by default";
    EXPECT_EQ(Scene.Parent().MDIChildCount(), 1);

    auto* Owned = new TForm(&Scene.Parent());
    Owned->SetFormStyle(TFormStyle::fsMDIChild);
    Owned->Show();
    const HWND Client = Scene.Client();
    Scene.Free();
    EXPECT_FALSE(IsWindow(Client));
}

TEST(MDIChildren, AChildOfTheMainFormOwnedElsewhereGoesWithIt) {
    TForm* Main = nullptr;
    Application->CreateForm(Main);
    Main->SetFormStyle(TFormStyle::fsMDIForm);
    TComponent Elsewhere(nullptr);
    auto* Child = new TForm(&Elsewhere);
    Child->SetFormStyle(TFormStyle::fsMDIChild);
    Child->HandleNeeded();
    ASSERT_EQ(Main->MDIChildCount(), 1);
    EXPECT_EQ(GetParent(Child->Handle()), Main->ClientHandle());
    delete Main;
    EXPECT_EQ(Elsewhere.ComponentCount(), 0);
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST(MDIChildren, MaximiseMinimiseAndRestoreFollowTheHost) {
    TMDIScene Scene;
    TForm* First = Scene.AddChild("First");
    TForm* Second = Scene.AddChild("Second", RECT{50, 50, 250, 200});
    BOOL Maximized = FALSE;

    Second->SetWindowState(TWindowState::wsMaximized);
    EXPECT_TRUE(IsZoomed(Second->Handle()));
    EXPECT_EQ(HostActiveChild(Scene.Client(), &Maximized), Second->Handle());
    EXPECT_TRUE(Maximized);
    EXPECT_EQ(WindowRectIn(Second->Handle(), Scene.Client()).right -
                  WindowRectIn(Second->Handle(), Scene.Client()).left,
              Second->Width());
    EXPECT_TRUE(
        Inside(ClientRectOf(Scene.Client()), WindowRectIn(Second->Handle(), Scene.Client())))
        << "the maximised child covers the client window";

    // The next active child takes the maximised state over.
    First->Show();
    EXPECT_EQ(HostActiveChild(Scene.Client(), &Maximized), First->Handle());
    EXPECT_TRUE(Maximized);
    EXPECT_TRUE(IsZoomed(First->Handle()));
    EXPECT_FALSE(IsZoomed(Second->Handle()));
    EXPECT_EQ(First->WindowState(), TWindowState::wsMaximized);
    EXPECT_EQ(Second->WindowState(), TWindowState::wsNormal);

    First->SetWindowState(TWindowState::wsNormal);
    EXPECT_FALSE(IsZoomed(First->Handle()));
    HostActiveChild(Scene.Client(), &Maximized);
    EXPECT_FALSE(Maximized);

    First->SetWindowState(TWindowState::wsMinimized);
    EXPECT_TRUE(IsIconic(First->Handle()));
    ShowWindow(First->Handle(), SW_RESTORE);
    EXPECT_FALSE(IsIconic(First->Handle()));
    EXPECT_EQ(First->WindowState(), TWindowState::wsNormal);
}

TEST(MDIForms, ChangingIntoOrOutOfAnMDIStyleMakesTheWindowAnew) {
    TForm Parent(nullptr);
    Parent.SetBounds(60, 60, 400, 300);
    Parent.Show();
    const HWND Plain = Parent.Handle();
    Parent.SetFormStyle(TFormStyle::fsMDIForm);
    EXPECT_FALSE(IsWindow(Plain));
    ASSERT_NE(Parent.ClientHandle(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Parent.Handle()));

    auto& Child = *new TForm(&Parent);
    Child.SetBounds(5, 5, 150, 100);
    Child.Show();
    const HWND TopLevel = Child.Handle();
    Child.SetFormStyle(TFormStyle::fsMDIChild);
    EXPECT_FALSE(IsWindow(TopLevel));
    EXPECT_EQ(GetParent(Child.Handle()), Parent.ClientHandle());
    EXPECT_TRUE(IsWindowVisible(Child.Handle()));
    EXPECT_EQ(Parent.MDIChildCount(), 1);
    EXPECT_THROW(Parent.SetFormStyle(TFormStyle::fsNormal), EInvalidOperation);

    Child.SetFormStyle(TFormStyle::fsNormal);
    EXPECT_EQ(GetParent(Child.Handle()), nullptr);
    EXPECT_FALSE(GetWindowLongW(Child.Handle(), GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(Parent.MDIChildCount(), 0);
    Child.Hide();

    Parent.SetFormStyle(TFormStyle::fsNormal);
    EXPECT_EQ(Parent.ClientHandle(), nullptr);
    EXPECT_TRUE(ChildWindowsOf(Parent.Handle()).empty());
    Parent.Hide();
}

TEST(MDIForms, AParentMadeAnewKeepsItsChildren) {
    TMDIScene Scene;
    TForm* Child = Scene.AddChild("Kept", RECT{20, 30, 220, 180});
    Scene.Parent().SetBorderStyle(TFormBorderStyle::bsSingle);
    ASSERT_EQ(Scene.Parent().MDIChildCount(), 1);
    ASSERT_TRUE(Child->HandleAllocated());
    EXPECT_EQ(GetParent(Child->Handle()), Scene.Client());
    EXPECT_TRUE(IsWindowVisible(Child->Handle()));
    EXPECT_EQ(RectText(WindowRectIn(Child->Handle(), Scene.Client())), RectText(RECT{20, 30, 220, 180}));
}

TEST(MDIForms, CascadeAndTilePlaceTheChildrenInsideTheClientArea) {
    TMDIScene Scene;
    std::vector<TForm*> Children;
    for (const char* Caption : {"One", "Two", "Three"})
        Children.push_back(Scene.AddChild(Caption, RECT{300, 250, 700, 600}));
    const RECT Area = ClientRectOf(Scene.Client());

    Scene.Parent().Tile();
    for (size_t I = 0; I < Children.size(); ++I) {
        const RECT Placed = WindowRectIn(Children[I]->Handle(), Scene.Client());
        EXPECT_TRUE(Inside(Placed, Area)) << I;
        for (size_t J = 0; J < I; ++J) {
            RECT Overlap{};
            const RECT Other = WindowRectIn(Children[J]->Handle(), Scene.Client());
            EXPECT_FALSE(IntersectRect(&Overlap, &Placed, &Other)) << I << " over " << J;
        }
        EXPECT_EQ(Children[I]->Left(), Placed.left) << "the form follows its window";
    }

    Scene.Parent().Cascade();
    std::vector<int> Tops;
    for (TForm* Child : Children) {
        const RECT Placed = WindowRectIn(Child->Handle(), Scene.Client());
        EXPECT_TRUE(Inside(Placed, Area));
        Tops.push_back(Placed.top);
    }
    std::sort(Tops.begin(), Tops.end());
    EXPECT_TRUE(std::adjacent_find(Tops.begin(), Tops.end()) == Tops.end()) << "stepped";

    for (TForm* Child : Children)
        Child->SetWindowState(TWindowState::wsMinimized);
    Scene.Parent().ArrangeIcons();
    for (TForm* Child : Children)
        EXPECT_TRUE(Inside(WindowRectIn(Child->Handle(), Scene.Client()), Area));
    Scene.Parent().Previous();
    EXPECT_NE(Scene.Parent().ActiveMDIChild(), nullptr);
}

TEST(MDIForms, FiftyChildrenOpenedAndClosedLeaveNothingBehind) {
    TMDIScene Scene;
    Scene.AddChild("Warm-up")->Release();
    ASSERT_TRUE(PumpUntil([&] { return Scene.Parent().MDIChildCount() == 0; }));
    const unsigned SlotBefore = NextGdiSlot();
    TFreeOnClose FreeOnClose;
    for (int I = 0; I < 50; ++I) {
        TForm* Child = Scene.AddChild("Child " + std::to_string(I),
                                      RECT{I * 4, I * 3, I * 4 + 200, I * 3 + 150});
        Child->OnClose = MakeEvent(&FreeOnClose, &TFreeOnClose::Closing);
    }
    ASSERT_EQ(Scene.Parent().MDIChildCount(), 50);
    while (TCustomForm* Active = Scene.Parent().ActiveMDIChild()) {
        const int Before = Scene.Parent().MDIChildCount();
        Active->Close();
        ASSERT_TRUE(PumpUntil([&] { return Scene.Parent().MDIChildCount() == Before - 1; }));
    }
    EXPECT_EQ(Scene.Parent().MDIChildCount(), 0);
    EXPECT_TRUE(ChildWindowsOf(Scene.Client()).empty());
    EXPECT_LT(NextGdiSlot(), SlotBefore + 50);
}

} // namespace
