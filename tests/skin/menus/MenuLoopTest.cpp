// The menu loop driven by queued keys, with a watchdog so that a menu left open fails the
// test instead of hanging it: choosing, nested levels, Escape and Alt, accelerators, menus
// with nothing to choose, and what happens when items or menus go away while a menu is open.
#include "MenuTestSupport.h"

#include "framework/windows/Application.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItemViews.h"
#include "skin/menus/KsMenuForm.h"
#include "skin/menus/KsMenus.h"
#include "skin/menus/KsMenusRegistration.h"
#include "skin/menus/KsThemeItems.h"
#include "skin/menus/KsThemeMenus.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeRegistration.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Posts a mouse move over the open menu (which holds the capture) at a client point of
// View's window.
void PostMoveTo(TKsItemView& View, POINT ClientPoint) {
    POINT P = View.Control()->ClientToScreen(ClientPoint);
    ScreenToClient(KsCaptureWindow(), &P);
    PostMessageW(KsCaptureWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(P.x, P.y));
}

void PostMoveOver(TKsItemView& View, TKsCustomItem& Item) {
    const RECT R = View.GetItemRect(&Item);
    PostMoveTo(View, POINT{(R.left + R.right) / 2, (R.top + R.bottom) / 2});
}

class MenuLoop : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinMenus();
        Form.SetBounds(100, 100, 400, 300);
        Form.HandleNeeded();
        Menu = new TKsCustomPopupMenu(&Form);
        ParkPointer();
    }

    void PopupWith(std::initializer_list<WPARAM> Keys) {
        QueueKeys(Form.Handle(), Keys);
        const TMenuWatchdog Watchdog;
        Menu->Popup(150, 150);
        EXPECT_FALSE(Watchdog.Fired()) << "the menu did not close by itself";
        EXPECT_EQ(TKsItemView::TrackingView(), nullptr);
        RunPendingClicks();
    }

    TKsCustomItem& Root() { return *Menu->Items(); }

    TForm Form{nullptr};
    TKsCustomPopupMenu* Menu = nullptr;
    TClickLog Log;
};

TEST_F(MenuLoop, ReturnChoosesTheHotItemAndItsCommandRunsAfterTheMenuHasClosed) {
    AddItem(Form, Root(), "&Open", &Log);
    TNotifyProbe Save{[this](TObject* Sender) {
        EXPECT_EQ(TKsItemView::TrackingView(), nullptr);
        EXPECT_EQ(TKsCustomPopupMenu::ActivePopupMenu(), nullptr);
        Log.Clicked(Sender);
    }};
    AddItem(Form, Root(), "&Save")->OnClick = Save.Event();
    PopupWith({VK_DOWN, VK_RETURN});
    EXPECT_EQ(Log.Captions, std::vector<std::string>{"&Save"});
}

// The host reports the pointer where it rests when a popup appears under it; a menu opened by
// a key is not a press on the item there.
TEST_F(MenuLoop, AMenuOpenedByAKeyStartsAtItsFirstItemWhateverLiesUnderTheRestingPointer) {
    AddItem(Form, Root(), "&Open", &Log);
    AddItem(Form, Root(), "&Save", &Log);
    AddItem(Form, Root(), "&Close", &Log);
    RECT Shown{};
    {
        const TInsideMenu Measure([&] {
            GetWindowRect(KsCaptureWindow(), &Shown);
            TKsItemView::TrackingView()->CloseAll();
        });
        const TMenuWatchdog Watchdog;
        Menu->Popup(150, 150);
        ASSERT_FALSE(Watchdog.Fired());
    }
    // The pointer rests over the middle item, and the last message taken (the key that opens
    // the menu) came with the pointer there.
    SetCursorPos((Shown.left + Shown.right) / 2, (Shown.top + Shown.bottom) / 2);
    PostMessageW(Form.Handle(), WM_KEYUP, VK_F10, 0);
    MSG Key{};
    ASSERT_TRUE(PeekMessageW(&Key, Form.Handle(), WM_KEYUP, WM_KEYUP, PM_REMOVE));
    PopupWith({VK_RETURN});
    EXPECT_EQ(Log.Captions, std::vector<std::string>{"&Open"});
}

TEST_F(MenuLoop, EscapeClosesAPopupWithoutChoosing) {
    AddItem(Form, Root(), "&Open", &Log);
    PopupWith({VK_ESCAPE});
    EXPECT_TRUE(Log.Captions.empty());
}

TEST_F(MenuLoop, SubMenusOpenWithReturnOrRightAndEscapeClosesOneLevel) {
    TKsCustomItem* File = AddItem(Form, Root(), "&File", &Log);
    AddItem(Form, *File, "&New", &Log);
    AddItem(Form, *File, "&Recent", &Log);
    AddItem(Form, Root(), "&Quit", &Log);
    PopupWith({VK_RETURN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(Log.Captions, std::vector<std::string>{"&Recent"});

    Log.Captions.clear();
    PopupWith({VK_RIGHT, VK_ESCAPE, VK_DOWN, VK_RETURN});
    EXPECT_EQ(Log.Captions, std::vector<std::string>{"&Quit"});
}

TEST_F(MenuLoop, AltClosesEveryLevelAtOnce) {
    TKsCustomItem* File = AddItem(Form, Root(), "&File", &Log);
    AddItem(Form, *File, "&New", &Log);
    PopupWith({VK_RETURN, VK_MENU});
    EXPECT_TRUE(Log.Captions.empty());
}

TEST_F(MenuLoop, TypingAnAcceleratorChoosesItsItemInEitherCase) {
    AddItem(Form, Root(), "&Open", &Log);
    AddItem(Form, Root(), "E&xit", &Log);
    PostMessageW(Form.Handle(), WM_CHAR, L'x', 0);
    PopupWith({});
    EXPECT_EQ(Log.Captions, std::vector<std::string>{"E&xit"});
}

TEST_F(MenuLoop, ReturnInAMenuWithNothingSelectableDoesNothing) {
    AddItem(Form, Root(), "-", &Log);
    AddItem(Form, Root(), "-", &Log);
    PopupWith({VK_RETURN, VK_DOWN, VK_RETURN, VK_ESCAPE});
    EXPECT_TRUE(Log.Captions.empty());
}

TEST_F(MenuLoop, ADisabledItemIsNotChosenAndTheMenuStaysOpen) {
    AddItem(Form, Root(), "&Gone", &Log)->SetEnabled(false);
    AddItem(Form, Root(), "&Here", &Log);
    PopupWith({VK_RETURN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(Log.Captions, std::vector<std::string>{"&Here"});
}

TEST_F(MenuLoop, AnEmptyMenuOrOneEmptiedBeforeItOpensShowsNothing) {
    PopupWith({});
    AddItem(Form, Root(), "&Open", &Log);
    TNotifyProbe Empty{[this](TObject*) { Root().Clear(); }};
    Root().OnBeforeDropDown = Empty.Event();
    PopupWith({});
    EXPECT_EQ(Root().Count(), 0);
}

TEST_F(MenuLoop, ItemsFreedWhileTheMenuIsOpenCloseItAndNothingRuns) {
    TKsCustomItem* File = AddItem(Form, Root(), "&File", &Log);
    AddItem(Form, *File, "&New", &Log);
    const TInsideMenu FreeAll([this] { Root().Clear(); });
    PostMessageW(Form.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    const TMenuWatchdog Watchdog;
    Menu->Popup(150, 150);
    EXPECT_FALSE(Watchdog.Fired());
    RunPendingClicks();
    EXPECT_TRUE(Log.Captions.empty());
}

TEST_F(MenuLoop, ASecondPopupWhileAMenuIsOpenClosesItInsteadOfNestingALoop) {
    AddItem(Form, Root(), "&Open", &Log);
    auto* Other = new TKsCustomPopupMenu(&Form);
    AddItem(Form, *Other->Items(), "&Other", &Log);
    bool OtherOpened = false;
    TNotifyProbe Opened{[&](TObject*) { OtherOpened = true; }};
    Other->OnPopup = Opened.Event();
    const TInsideMenu Nested([&] { Other->Popup(160, 160); });
    const TMenuWatchdog Watchdog;
    Menu->Popup(150, 150);
    EXPECT_FALSE(Watchdog.Fired());
    EXPECT_FALSE(OtherOpened);
    EXPECT_EQ(TKsCustomPopupMenu::ActivePopupMenu(), nullptr);
}

TEST_F(MenuLoop, APopupIsATopMostToolWindowAndNearTheBottomRightOpensLeftOfAndAboveThePoint) {
    AddItem(Form, Root(), "&Open", &Log);
    AddItem(Form, Root(), "&Save", &Log);
    const int Right = GetSystemMetrics(SM_CXSCREEN);
    const int Bottom = GetSystemMetrics(SM_CYSCREEN);
    RECT Shown{};
    DWORD ExStyle = 0;
    LRESULT Activation = 0;
    const TInsideMenu Measure([&] {
        GetWindowRect(KsCaptureWindow(), &Shown);
        ExStyle = GetWindowLongW(KsCaptureWindow(), GWL_EXSTYLE);
        Activation = SendMessageW(KsCaptureWindow(), WM_MOUSEACTIVATE,
                                  reinterpret_cast<WPARAM>(Form.Handle()),
                                  MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
        TKsItemView::TrackingView()->CloseAll();
    });
    const TMenuWatchdog Watchdog;
    Menu->Popup(Right - 5, Bottom - 5);
    EXPECT_EQ(Shown.right, Right - 5);
    EXPECT_EQ(Shown.bottom, Bottom - 5);
    // A top-most tool window that never shows on the taskbar.
    EXPECT_EQ(ExStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_APPWINDOW),
              static_cast<DWORD>(WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    // A click on it never makes it the active window.
    EXPECT_EQ(Activation, MA_NOACTIVATE);
    EXPECT_GT(Shown.right - Shown.left, 74);
}

TEST_F(MenuLoop, HoveringOpensASubMenuOnlyWhileThePointerIsOverItsItem) {
    TKsCustomItem* Alpha = AddItem(Form, Root(), "&Alpha", &Log);
    TKsCustomItem* One = AddItem(Form, *Alpha, "&One", &Log);
    AddItem(Form, *One, "&Deep", &Log);
    TKsCustomItem* Two = AddItem(Form, *Alpha, "&Two", &Log);
    TKsCustomItem* Beta = AddItem(Form, Root(), "&Beta", &Log);
    std::vector<const TKsCustomItem*> Levels;
    const auto Record = [&] {
        TKsItemView* View = TKsItemView::TrackingView();
        Levels.push_back(View->Item());
        Levels.push_back(View->HotItem());
    };
    const TInsideMenu Steps{[&] {
                                TKsItemView& Top = *TKsItemView::TrackingView();
                                PostMoveOver(Top, *Beta);
                                PostMoveOver(Top, *Alpha);
                            },
                            [&] {
                                Record();
                                // Into the sub-menu's frame, over none of its items: its first item
                                // stays hot and its own sub-menu stays shut.
                                PostMoveTo(*TKsItemView::TrackingView(), POINT{-2, -2});
                            },
                            [&] {
                                Record();
                                PostMoveOver(*TKsItemView::TrackingView(), *Two);
                            },
                            [&] {
                                Record();
                                PostMoveOver(*TKsItemView::TrackingView()->ParentView(), *Beta);
                            },
                            [&] {
                                Record();
                                TKsItemView::TrackingView()->CloseAll();
                            }};
    const TMenuWatchdog Watchdog;
    Menu->Popup(150, 150);
    EXPECT_FALSE(Watchdog.Fired());
    EXPECT_EQ(Levels, (std::vector<const TKsCustomItem*>{Alpha, One, Alpha, One, Alpha, Two,
                                                         &Root(), Beta}));
    EXPECT_TRUE(Log.Captions.empty());
}

TEST_F(MenuLoop, ShadowedTranslucentPopupsOpenAndTheirItemsArePaintedOpaque) {
    Menu->SetDropShadow(true);
    Menu->SetPopupBlend(true);
    AddItem(Form, Root(), "&Open", &Log);
    AddItem(Form, Root(), "-", &Log);
    int SeeThrough = -1;
    const TInsideMenu Inspect([&] {
        auto* Window = dynamic_cast<TKsPopupWindow*>(TKsItemView::TrackingView()->Control());
        ASSERT_NE(Window, nullptr);
        TKsBitmap& Surface = *Window->PopupForm().GetSurface();
        Window->PopupForm().PaintClient(Surface);
        const RECT Client = Window->PopupForm().GetClientBounds();
        SeeThrough = 0;
        for (int Y = Client.top; Y < Client.bottom; ++Y)
            for (int X = Client.left; X < Client.right; ++X)
                SeeThrough += (Surface.Pixels(X, Y) >> 24) != 0xFF;
        TKsItemView::TrackingView()->CloseAll();
    });
    const TMenuWatchdog Watchdog;
    Menu->Popup(150, 150);
    EXPECT_FALSE(Watchdog.Fired());
    EXPECT_EQ(SeeThrough, 0);
}

TEST_F(MenuLoop, ASubMenuThatDoesNotFitToTheRightOpensToTheLeftOfItsItem) {
    TKsCustomItem* File = AddItem(Form, Root(), "&File", &Log);
    AddItem(Form, *File, "A rather long caption for the sub-menu", &Log);
    RECT Parent{};
    RECT Child{};
    RECT FileRect{};
    const TInsideMenu Steps{
        [&] {
            GetWindowRect(KsCaptureWindow(), &Parent);
            PostMessageW(Form.Handle(), WM_KEYDOWN, VK_RETURN, 0);
        },
        [&] {
            TKsItemView& Sub = *TKsItemView::TrackingView();
            auto& Window = dynamic_cast<TKsPopupWindow&>(*Sub.Control());
            GetWindowRect(Window.Handle(), &Child);
            TKsItemView& Top = *Sub.ParentView();
            const RECT R = Top.GetItemRect(File);
            const POINT TopLeft = Top.Control()->ClientToScreen({R.left, R.top});
            FileRect = {TopLeft.x, TopLeft.y, TopLeft.x + R.right - R.left,
                        TopLeft.y + R.bottom - R.top};
            Sub.CloseAll();
        }};
    const TMenuWatchdog Watchdog;
    Menu->Popup(GetSystemMetrics(SM_CXSCREEN) - 10, 150);
    EXPECT_FALSE(Watchdog.Fired());
    EXPECT_EQ(Parent.right, GetSystemMetrics(SM_CXSCREEN) - 10);
    EXPECT_EQ(Child.right, FileRect.left);
    EXPECT_EQ(Child.top, FileRect.top);
}

// The window grows by the shadow; the frame inside it keeps the items' size.
TEST_F(MenuLoop, APopupWithShadowAndTranslucencyOpensLargerByItsShadowAroundTheSameFrame) {
    AddItem(Form, Root(), "&Open", &Log);
    AddItem(Form, Root(), "&Save", &Log);
    struct TShown {
        SIZE Window;
        SIZE Frame;
    };
    const auto Open = [this] {
        TShown Shown{};
        const TInsideMenu Measure([&] {
            TKsItemView* View = TKsItemView::TrackingView();
            auto* Popup = dynamic_cast<TKsPopupWindow*>(View->Control());
            ASSERT_NE(Popup, nullptr);
            RECT Bounds{};
            GetWindowRect(Popup->Handle(), &Bounds);
            Shown.Window = SIZE{RectWidth(Bounds), RectHeight(Bounds)};
            Shown.Frame = SIZE{Popup->PopupForm().FormWidth(), Popup->PopupForm().FormHeight()};
            View->CloseAll();
        });
        const TMenuWatchdog Watchdog;
        Menu->Popup(150, 150);
        EXPECT_FALSE(Watchdog.Fired());
        return Shown;
    };
    const TShown Plain = Open();
    EXPECT_EQ(Plain.Frame.cx, Plain.Window.cx);
    EXPECT_EQ(Plain.Frame.cy, Plain.Window.cy);
    Menu->SetDropShadow(true);
    Menu->SetShadowWidth(6);
    Menu->SetPopupBlend(true);
    const TShown Effects = Open();
    EXPECT_EQ(Effects.Window.cx, Plain.Window.cx + 6);
    EXPECT_EQ(Effects.Window.cy, Plain.Window.cy + 6);
    EXPECT_EQ(Effects.Frame.cx, Plain.Frame.cx);
    EXPECT_EQ(Effects.Frame.cy, Plain.Frame.cy);
    EXPECT_TRUE(Log.Captions.empty());
}

TEST_F(MenuLoop, AScrolledPopupOpensAtItsFirstItemWhateverTheLastOpeningLeft) {
    for (int I = 0; I < 12; ++I)
        AddItem(Form, Root(), "Item " + std::to_string(I), &Log);
    Root().SetScrolled(true);
    Root().SetScrollCount(5);
    PopupWith({VK_UP, VK_ESCAPE});
    EXPECT_EQ(Root().TopIndex(), 7);
    int TopWhenShown = -1;
    const TInsideMenu Look([&] {
        TopWhenShown = Root().TopIndex();
        TKsItemView::TrackingView()->CloseAll();
    });
    PopupWith({});
    EXPECT_EQ(TopWhenShown, 0);
}

TEST_F(MenuLoop, ThemedItemsLoseAFreedEngineAndPaintPlainly) {
    RegisterSkinThemes();
    auto* Themed = new TTeThemePopupMenu(&Form);
    auto* Engine = new TTeThemeEngine(&Form);
    auto* Item = new TTeThemeItem(&Form);
    Themed->Items()->Add(Item);
    Themed->SetThemeEngine(Engine);
    EXPECT_EQ(Item->ThemeEngine(), Engine);
    EXPECT_NE(Item->AvailableTheme(), nullptr);
    delete Engine;
    EXPECT_EQ(Themed->ThemeEngine(), nullptr);
    EXPECT_EQ(Item->ThemeEngine(), nullptr);
    EXPECT_EQ(Item->AvailableTheme(), nullptr);
}

} // namespace

namespace {

TEST(MenuLifetime, AFormReleasedWhileItsMenuIsOpenClosesTheMenuSafely) {
    RegisterSkinMenus();
    auto* Form = new TForm(nullptr);
    Form->SetBounds(100, 100, 300, 200);
    Form->HandleNeeded();
    auto* Menu = new TKsCustomPopupMenu(Form);
    TKsCustomItem* File = AddItem(*Form, *Menu->Items(), "&File");
    AddItem(*Form, *File, "&New");
    PostMessageW(Form->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    const TInsideMenu Release([Form] { Form->Release(); });
    const TMenuWatchdog Watchdog;
    Menu->Popup(150, 150);
    EXPECT_FALSE(Watchdog.Fired());
    EXPECT_EQ(TKsItemView::TrackingView(), nullptr);
    EXPECT_EQ(TKsCustomPopupMenu::ActivePopupMenu(), nullptr);
    EXPECT_EQ(KsCaptureWindow(), nullptr);
}

} // namespace
