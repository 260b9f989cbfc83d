// Skinned forms over their whole life: a window that the framework re-creates gets the
// skinned frame and shape back once it is subclassed again, and many About-like forms made,
// shown, closed and freed leave no hooks, windows, window properties or GDI objects behind.
#include "WindowTestSupport.h"

#include "skin/controls/KsThemeButtons.h"
#include "skin/forms/KsThemeForms.h"
#include "skin/graphics/KsUtils.h"
#include "skin/themes/KsThemeRegistration.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

class FormLifetime : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterSkinThemes(); }
    void SetUp() override {
        // Plays the main form: it owns the engine that the other forms refer to.
        MainForm = std::make_unique<TForm>(nullptr);
        Engine = new TTeThemeEngine(MainForm.get());
    }
    void TearDown() override { MainForm.reset(); }

    std::unique_ptr<TForm> MainForm;
    TTeThemeEngine* Engine = nullptr;
};

RECT WindowRectOf(HWND Window) {
    RECT Rect{};
    GetWindowRect(Window, &Rect);
    return Rect;
}

bool HookedWindowIs(const TWinControl& Control, HWND Window) {
    const TControlHook* ControlHook = HookList()->FindControlHook(&Control);
    return ControlHook && ControlHook->Window() == Window;
}

// The window's region equals the region the controller makes for its shape.
bool WindowHasShapeOf(HWND Window, TKsCustomForm& Controller) {
    const TGdiObject<HRGN> Actual(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(Window, Actual.Get()) == ERROR)
        return false;
    const TGdiObject<HRGN> Expected = Controller.CreateFormRegion();
    return Expected && EqualRgn(Actual.Get(), Expected.Get());
}

} // namespace

TEST_F(FormLifetime, ARecreatedWindowGetsTheSkinnedFrameAndShapeBack) {
    TForm Form(nullptr);
    Form.SetBounds(200, 150, 400, 300);
    auto* Controller = new TTeThemeForm(&Form);
    Controller->SetThemeEngine(Engine);
    Controller->Loaded();
    Form.Show();
    PumpUntil([] { return false; }, 5);
    const HWND Before = Form.Handle();
    ASSERT_TRUE(WindowHasShapeOf(Before, *Controller));
    const RECT ClientBefore = ClientRectOf(Before);
    const RECT BoundsBefore = WindowRectOf(Before);
    const RECT Skinned = Controller->GetClientBounds();
    ASSERT_EQ(RectWidth(ClientBefore), RectWidth(Skinned));

    Form.RecreateWnd();
    const HWND After = Form.Handle();
    ASSERT_NE(After, Before);
    ASSERT_TRUE(PumpUntil([&] { return HookedWindowIs(Form, After); }));

    EXPECT_TRUE(EqualRect(WindowRectOf(After), BoundsBefore));
    const RECT ClientAfter = ClientRectOf(After);
    EXPECT_EQ(RectWidth(ClientAfter), RectWidth(ClientBefore));
    EXPECT_EQ(RectHeight(ClientAfter), RectHeight(ClientBefore));
    RECT Asked = WindowRectOf(After);
    SendMessageW(After, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&Asked));
    EXPECT_EQ(RectWidth(Asked), RectWidth(Controller->GetClientBounds()));
    EXPECT_EQ(RectHeight(Asked), RectHeight(Controller->GetClientBounds()));
    EXPECT_TRUE(WindowHasShapeOf(After, *Controller));

    // A frame change after the re-creation still keeps the client size.
    Controller->SetBorderStyle(TKsBorderStyle::kbsToolWindow);
    EXPECT_EQ(RectWidth(ClientRectOf(After)), RectWidth(ClientBefore));
    EXPECT_EQ(RectHeight(ClientRectOf(After)), RectHeight(ClientBefore));
}

namespace {

// What an About box holds: a tool-window frame with a drop shadow and a show animation, and
// two themed buttons, all using the main form's engine. Counts the forms freed.
class TAboutLikeForm : public TForm {
public:
    TAboutLikeForm(TTeThemeEngine* Engine, int& Freed) : TForm(nullptr), FFreed(Freed) {
        SetBounds(300, 200, 326, 233);
        SetCaption("About");
        for (int Index = 0; Index < 2; ++Index) {
            auto* Button = new TTeThemeButton(this);
            Button->SetParent(this);
            Button->SetBounds(198, 30 + 40 * Index, 75, 25);
            Button->SetCaption(Index == 0 ? "OK" : "Mail");
            Button->SetThemeEngine(Engine);
        }
        auto* Controller = new TTeThemeForm(this);
        Controller->SetThemeEngine(Engine);
        Controller->SetBorderIcons({});
        Controller->SetBorderStyle(TKsBorderStyle::kbsToolWindow);
        Controller->SetDropShadow(true);
        Controller->SetShowAnimation(TKsAnimation::kaRandom);
        Controller->SetShowAnimationTime(10);
        Controller->Loaded();
        OnClose = MakeEvent(this, &TAboutLikeForm::FreeOnClose);
    }
    ~TAboutLikeForm() override { ++FFreed; }

private:
    void FreeOnClose(TObject*, TCloseAction& Action) { Action = TCloseAction::caFree; }
    int& FFreed;
};

BOOL CALLBACK CollectWindow(HWND Window, LPARAM Data) {
    reinterpret_cast<std::vector<HWND>*>(Data)->push_back(Window);
    return TRUE;
}

// Notes "window: property" for one property of a window.
BOOL CALLBACK CollectProperty(HWND Window, LPWSTR Name, HANDLE, ULONG_PTR Data) {
    std::string Entry = std::to_string(reinterpret_cast<uintptr_t>(Window)) + ": ";
    if (IS_INTRESOURCE(Name))
        Entry += std::to_string(reinterpret_cast<uintptr_t>(Name));
    else
        Entry.append(Name, Name + wcslen(Name));
    reinterpret_cast<std::multiset<std::string>*>(Data)->insert(Entry);
    return TRUE;
}

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> Windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&Windows));
    return Windows;
}

// Every property of the thread's windows and their children.
std::multiset<std::string> WindowProperties() {
    std::multiset<std::string> Found;
    for (HWND Window : ThreadWindows()) {
        std::vector<HWND> Family{Window};
        EnumChildWindows(Window, CollectWindow, reinterpret_cast<LPARAM>(&Family));
        for (HWND Member : Family)
            EnumPropsExW(Member, CollectProperty, reinterpret_cast<LPARAM>(&Found));
    }
    return Found;
}

} // namespace

TEST_F(FormLifetime, AHundredAboutBoxesLeaveNothingBehind) {
    int Freed = 0;
    const auto ShowAndClose = [&] {
        const int FreedBefore = Freed;
        auto* About = new TAboutLikeForm(Engine, Freed);
        About->Show();
        PumpUntil([&] { return IsWindowVisible(About->Handle()) != FALSE; }, 5);
        SendMessageW(About->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return PumpUntil([&] { return Freed > FreedBefore; });
    };
    // The first one makes what lives as long as the program: the hook list, the shared
    // surface, the fonts and glyphs.
    ASSERT_TRUE(ShowAndClose());
    PumpUntil([] { return false; }, 5);
    const int HooksBefore = HookList()->Count();
    const size_t WindowsBefore = ThreadWindows().size();
    const std::multiset<std::string> PropertiesBefore = WindowProperties();
    const DWORD GdiBefore = GdiObjectCount();
    const unsigned SlotBefore = NextGdiSlot();

    for (int Round = 0; Round < 100; ++Round)
        ASSERT_TRUE(ShowAndClose()) << "round " << Round;
    PumpUntil([] { return false; }, 5);

    EXPECT_EQ(Freed, 101);
    EXPECT_EQ(HookList()->Count(), HooksBefore);
    EXPECT_EQ(ThreadWindows().size(), WindowsBefore);
    EXPECT_EQ(WindowProperties(), PropertiesBefore);
    EXPECT_LE(GdiObjectCount(), GdiBefore);
    EXPECT_LT(NextGdiSlot(), SlotBefore + 50);
}
