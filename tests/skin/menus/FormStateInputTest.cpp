// The skinned form's window states under real input (SendInput on the Wine desktop), with its
// real system menu: every way into and out of minimised, maximised and rolled up (caption
// buttons, the system menu by mouse on the caption, on the minimised caption and by
// Alt+Space, double clicks, the host's and the application's own minimise and restore,
// system commands from outside) leaves the host window, the controller and the system
// menu's items in agreement, and the way back works.
#include "MenuTestSupport.h"
#include "WindowTestSupport.h"

#include "skin/forms/KsForms.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItemViews.h"
#include "skin/menus/KsMenusRegistration.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using S = TKsWindowState;

std::string Describe(const RECT& Rect) {
    return std::to_string(Rect.left) + ", " + std::to_string(Rect.top) + " - " +
           std::to_string(Rect.right) + ", " + std::to_string(Rect.bottom);
}

POINT CentreOf(const RECT& Rect) {
    return POINT{(Rect.left + Rect.right) / 2, (Rect.top + Rect.bottom) / 2};
}

// What the system menu offers in each state with every caption button shown.
std::vector<std::string> SysMenuFor(S State) {
    switch (State) {
    case S::kwsNormal:
        return {"Mi&nimize", "Ma&ximize", "Ro&llup", "Minimize to &Tray", "-", "&Close"};
    case S::kwsMaximized:
        return {"&Restore", "Mi&nimize", "Ro&llup", "Minimize to &Tray", "-", "&Close"};
    case S::kwsRollup:
        return {"&Restore", "Mi&nimize", "Ma&ximize", "Minimize to &Tray", "-", "&Close"};
    default:
        return {"&Restore", "-", "&Close"};
    }
}

class FormStates : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinMenus();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetCaption("States");
        const RECT Area = WorkArea();
        const int W = std::min(400, RectWidth(Area) / 2);
        const int H = std::min(300, RectHeight(Area) / 2);
        Form->SetBounds(Area.left + (RectWidth(Area) - W) / 2,
                        Area.top + (RectHeight(Area) - H) / 2, W, H);
        Controller = new TKsCustomForm(Form.get());
        Controller->Loaded();
        BringForward(*Form);
        ASSERT_EQ(GetForegroundWindow(), Form->Handle());
        Normal = Bounds();
    }
    void TearDown() override {
        ReleaseMouse(VK_LBUTTON);
        PumpMessagesFor(20);
        Form.reset();
    }

    HWND Window() const { return Form->Handle(); }
    RECT Bounds() const {
        RECT Rect{};
        GetWindowRect(Window(), &Rect);
        return Rect;
    }
    static RECT WorkArea() {
        RECT Area{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &Area, 0);
        return Area;
    }
    POINT OnScreen(POINT WindowPoint) const {
        const RECT Rect = Bounds();
        return POINT{Rect.left + WindowPoint.x, Rect.top + WindowPoint.y};
    }
    // A free point of the caption, between the system menu's icon and the buttons.
    POINT CaptionPoint() const {
        const RECT Band = Controller->CaptionBand();
        const RECT Tray = Controller->GetBorderIconRect(TKsBorderIcon::kbiTray);
        return OnScreen(
            POINT{(Band.left + RectHeight(Band) + Tray.left) / 2, (Band.top + Band.bottom) / 2});
    }
    // The caption of the minimised window, clear of its system-menu icon and its buttons.
    POINT MinimisedCaption() const {
        const RECT Rect = Bounds();
        return POINT{Rect.left + RectWidth(Rect) * 2 / 5, Rect.top + RectHeight(Rect) / 2};
    }
    POINT Button(TKsBorderIcon Icon) const {
        return OnScreen(CentreOf(Controller->GetBorderIconRect(Icon)));
    }

    // Runs Open (real input that opens the system menu), clicks the item Caption in the
    // menu and waits until the controller reaches Wanted.
    void ChooseFromSysMenu(const std::function<void()>& Open, const std::string& Caption,
                           S Wanted) {
        const TMenuWatchdog Watchdog;
        const TInsideMenu Choose(ClickMenuItem(Caption));
        WaitUntilIdle();
        Open();
        EXPECT_TRUE(PumpUntil([&] {
            return !TKsItemView::TrackingView() && Controller->WindowState() == Wanted;
        })) << "after "
            << Caption;
        EXPECT_FALSE(Watchdog.Fired()) << "the menu did not close by the click on " << Caption;
    }
    void RightClickCaption() {
        const POINT At = CaptionPoint();
        ClickAt(At.x, At.y, VK_RBUTTON);
    }
    void RightClickMinimisedCaption() {
        const POINT At = MinimisedCaption();
        ClickAt(At.x, At.y, VK_RBUTTON);
    }
    void AltSpace() { PressKeyWith(VK_MENU, VK_SPACE); }
    void DoubleClick(POINT At) {
        ClickAt(At.x, At.y);
        ClickAt(At.x, At.y);
    }
    void ClickButton(TKsBorderIcon Icon) {
        const POINT At = Button(Icon);
        ClickAt(At.x, At.y);
    }
    // Lets the input and messages queued so far reach their windows.
    void WaitUntilIdle() { PumpMessagesFor(30); }

    // Waits until the controller is in State and checks that the host window, the
    // controller and the system menu agree on it: minimised is the host's minimised window,
    // the other states have Rect and the host never maximises the window itself.
    void ExpectState(S State, const RECT& Rect = {}) {
        EXPECT_TRUE(PumpUntil([&] {
            return Controller->WindowState() == State &&
                   (IsIconic(Window()) != FALSE) == (State == S::kwsMinimized) &&
                   (State == S::kwsMinimized || EqualRect(Bounds(), Rect));
        })) << "state "
            << static_cast<int>(Controller->WindowState()) << " instead of "
            << static_cast<int>(State) << ", iconic " << IsIconic(Window()) << ", "
            << Describe(Bounds()) << " instead of " << Describe(Rect);
        EXPECT_FALSE(IsZoomed(Window()));
        Controller->BuildSysMenu();
        std::vector<std::string> Offered;
        for (int I = 0; I < Controller->SysMenu()->Count(); ++I)
            Offered.push_back(Controller->SysMenu()->Items(I)->Caption());
        EXPECT_EQ(Offered, SysMenuFor(State));
    }

    std::unique_ptr<TForm> Form;
    TKsCustomForm* Controller = nullptr;
    RECT Normal{};
};

} // namespace

TEST_F(FormStates, SystemCommandsFromOutsideAndTheHostsAndApplicationsMinimiseAreFollowed) {
    const RECT Maximised = Controller->GetMaximizedBounds();
    SendMessageW(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ExpectState(S::kwsMinimized);
    SendMessageW(Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ExpectState(S::kwsNormal, Normal);
    SendMessageW(Window(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ExpectState(S::kwsMaximized, Maximised);
    SendMessageW(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ExpectState(S::kwsMinimized);
    SendMessageW(Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ExpectState(S::kwsMaximized, Maximised);
    SendMessageW(Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ExpectState(S::kwsNormal, Normal);
    // A restore asked of a window that is already normal leaves it where it is.
    SendMessageW(Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ExpectState(S::kwsNormal, Normal);

    // The host's own minimise and restore, then the application's.
    ShowWindow(Window(), SW_MINIMIZE);
    ExpectState(S::kwsMinimized);
    ShowWindow(Window(), SW_RESTORE);
    ExpectState(S::kwsNormal, Normal);
    Application->Minimize();
    ExpectState(S::kwsMinimized);
    Application->Restore();
    ExpectState(S::kwsNormal, Normal);
}

TEST_F(FormStates, CaptionButtonsAndDoubleClicksGoThereAndBack) {
    const RECT Maximised = Controller->GetMaximizedBounds();
    const RECT RolledUp = Controller->GetRollupBounds();
    ClickButton(TKsBorderIcon::kbiMaximize);
    ExpectState(S::kwsMaximized, Maximised);
    ClickButton(TKsBorderIcon::kbiMaximize);
    ExpectState(S::kwsNormal, Normal);
    ClickButton(TKsBorderIcon::kbiRollup);
    ExpectState(S::kwsRollup, RolledUp);
    ClickButton(TKsBorderIcon::kbiRollup);
    ExpectState(S::kwsNormal, Normal);

    DoubleClick(CaptionPoint());
    ExpectState(S::kwsMaximized, Maximised);
    DoubleClick(CaptionPoint());
    ExpectState(S::kwsNormal, Normal);

    // The minimised window has no buttons of its own here: a double click on its caption
    // brings it back to the state it left.
    ClickButton(TKsBorderIcon::kbiMinimize);
    ExpectState(S::kwsMinimized);
    DoubleClick(MinimisedCaption());
    ExpectState(S::kwsNormal, Normal);
    ClickButton(TKsBorderIcon::kbiMaximize);
    ExpectState(S::kwsMaximized, Maximised);
    ClickButton(TKsBorderIcon::kbiMinimize);
    ExpectState(S::kwsMinimized);
    DoubleClick(MinimisedCaption());
    ExpectState(S::kwsMaximized, Maximised);
}

TEST_F(FormStates, TheSystemMenuByMouseAndByAltSpaceGoesThereAndBack) {
    const RECT Maximised = Controller->GetMaximizedBounds();
    const RECT RolledUp = Controller->GetRollupBounds();
    const auto Caption = [this] { RightClickCaption(); };
    const auto Keys = [this] { AltSpace(); };
    const auto Minimised = [this] { RightClickMinimisedCaption(); };

    ChooseFromSysMenu(Caption, "Ma&ximize", S::kwsMaximized);
    ExpectState(S::kwsMaximized, Maximised);
    ChooseFromSysMenu(Keys, "&Restore", S::kwsNormal);
    ExpectState(S::kwsNormal, Normal);
    ChooseFromSysMenu(Keys, "Ro&llup", S::kwsRollup);
    ExpectState(S::kwsRollup, RolledUp);
    ChooseFromSysMenu(Caption, "&Restore", S::kwsNormal);
    ExpectState(S::kwsNormal, Normal);

    ChooseFromSysMenu(Caption, "Mi&nimize", S::kwsMinimized);
    ExpectState(S::kwsMinimized);
    ChooseFromSysMenu(Minimised, "&Restore", S::kwsNormal);
    ExpectState(S::kwsNormal, Normal);
    ChooseFromSysMenu(Keys, "Ma&ximize", S::kwsMaximized);
    ChooseFromSysMenu(Keys, "Mi&nimize", S::kwsMinimized);
    ExpectState(S::kwsMinimized);
    ChooseFromSysMenu(Keys, "&Restore", S::kwsMaximized);
    ExpectState(S::kwsMaximized, Maximised);
}
