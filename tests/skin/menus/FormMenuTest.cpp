// The skinned form's menus: the system menu built for each window state and set of border
// icons, opened with Alt+Space and chosen from with keys, never rebuilt under itself; the
// keyboard menu and short-cuts reaching the form's menu bar; and the menu bar's own shape.
#include "MenuTestSupport.h"

#include "framework/windows/Application.h"
#include "framework/windows/ControlMessages.h"
#include "skin/forms/KsForms.h"
#include "skin/forms/KsThemeForms.h"
#include "skin/menus/KsItemViews.h"
#include "skin/menus/KsMenus.h"
#include "skin/menus/KsMenusRegistration.h"
#include "skin/menus/KsThemeItems.h"
#include "skin/themes/KsThemeEngine.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Captions(const TKsCustomItem& Root) {
    std::vector<std::string> Result;
    for (int I = 0; I < Root.Count(); ++I)
        Result.push_back(Root.Items(I)->Caption());
    return Result;
}

class FormMenus : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinMenus();
        Form.SetBounds(120, 120, 420, 300);
        ParkPointer();
        Controller = new TKsCustomForm(&Form);
        Controller->Loaded();
        Form.HandleNeeded();
    }

    // Opens the system menu with Alt+Space, with Keys queued for it.
    void AltSpace(std::initializer_list<WPARAM> Keys) {
        QueueKeys(Form.Handle(), Keys);
        const TMenuWatchdog Watchdog;
        SendMessageW(Form.Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
        EXPECT_FALSE(Watchdog.Fired()) << "the system menu did not close by itself";
        RunPendingClicks();
    }

    TForm Form{nullptr};
    TKsCustomForm* Controller = nullptr;
};

TEST_F(FormMenus, TheSystemMenuOffersWhatTheStateAndTheBorderIconsAllow) {
    Controller->SetBorderIcons({TKsBorderIcon::kbiClose});
    Controller->BuildSysMenu();
    EXPECT_EQ(Captions(*Controller->SysMenu()), std::vector<std::string>{"&Close"});
    EXPECT_EQ(ShortCutToText(Controller->SysMenu()->Items(0)->ShortCut()), "Alt+F4");

    Controller->SetBorderIcons({TKsBorderIcon::kbiClose, TKsBorderIcon::kbiSystemMenu,
                                TKsBorderIcon::kbiMinimize, TKsBorderIcon::kbiMaximize,
                                TKsBorderIcon::kbiRollup, TKsBorderIcon::kbiTray});
    Controller->BuildSysMenu();
    EXPECT_EQ(Captions(*Controller->SysMenu()),
              (std::vector<std::string>{"Mi&nimize", "Ma&ximize", "Ro&llup", "Minimize to &Tray",
                                        "-", "&Close"}));
    Form.Show();
    Controller->Maximize();
    Controller->BuildSysMenu();
    EXPECT_EQ(Captions(*Controller->SysMenu()),
              (std::vector<std::string>{"&Restore", "Mi&nimize", "Ro&llup", "Minimize to &Tray",
                                        "-", "&Close"}));
}

TEST_F(FormMenus, EveryLevelOfTheSystemMenuOpensWithItsPopupSettings) {
    Controller->SetSysMenuBlend(true);
    Controller->SetSysMenuBlendValue(90);
    Controller->SetSysMenuDropShadow(true);
    Controller->SetSysMenuShadowWidth(6);
    Controller->BuildSysMenu();
    TKsCustomItem& Close = *Controller->SysMenu()->Items(Controller->SysMenu()->Count() - 1);
    EXPECT_TRUE(Close.PopupBlend());
    EXPECT_EQ(Close.PopupBlendValue(), 90);
    EXPECT_TRUE(Close.DropShadow());
    EXPECT_EQ(Close.ShadowWidth(), 6);
    EXPECT_EQ(Close.GetImageList(), &KsSysMenuImages());
}

TEST_F(FormMenus, AltSpaceOpensTheSystemMenuAndItsCommandRunsAfterItCloses) {
    Form.Show();
    TKsCustomItem* Shown = nullptr;
    {
        const TInsideMenu Look([&] {
            Shown = TKsItemView::TrackingView()->Item();
            TKsItemView::TrackingView()->CloseAll();
        });
        AltSpace({});
    }
    EXPECT_EQ(Shown, Controller->SysMenu());
    AltSpace({VK_DOWN, VK_RETURN});
    EXPECT_EQ(Controller->WindowState(), TKsWindowState::kwsMaximized);
    AltSpace({VK_RETURN});
    EXPECT_EQ(Controller->WindowState(), TKsWindowState::kwsNormal);
}

TEST_F(FormMenus, OpeningTheSystemMenuAgainWhileItIsOpenLeavesTheOpenOneAlone) {
    Form.Show();
    const TKsCustomItem* Before = nullptr;
    const TKsCustomItem* After = nullptr;
    const TInsideMenu Again([&] {
        Before = Controller->SysMenu();
        Controller->ShowSysMenu();
        After = Controller->SysMenu();
        TKsItemView::TrackingView()->CloseAll();
    });
    AltSpace({});
    EXPECT_NE(Before, nullptr);
    EXPECT_EQ(Before, After);
}

TEST_F(FormMenus, AltWithALetterOpensThatMenuBarItemAndShortCutsReachTheBarsItems) {
    auto* Bar = new TKsCustomMenuBar(&Form);
    Bar->SetParent(&Form);
    TClickLog Log;
    TKsCustomItem* File = AddItem(Form, *Bar->Items(), "&File", &Log);
    AddItem(Form, *File, "&New", &Log);
    TKsCustomItem* Edit = AddItem(Form, *Bar->Items(), "&Edit", &Log);
    AddItem(Form, *Edit, "&Refresh", &Log)->SetShortCut(VK_F5);
    Bar->Loaded();
    Controller->SetMenuBar(Bar);
    Form.Show();

    TKsCustomItem* Opened = nullptr;
    {
        const TInsideMenu Look([&] {
            Opened = TKsItemView::TrackingView()->Item();
            TKsItemView::TrackingView()->CloseAll();
        });
        const TMenuWatchdog Watchdog;
        SendMessageW(Form.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'e');
        EXPECT_FALSE(Watchdog.Fired());
    }
    EXPECT_EQ(Opened, Edit);

    TWMKey Key{WM_KEYDOWN, VK_F5, 0, 0};
    EXPECT_TRUE(Form.IsShortCut(Key));
    RunPendingClicks();
    EXPECT_EQ(Log.Captions, std::vector<std::string>{"&Refresh"});
    TWMKey Other{WM_KEYDOWN, VK_F6, 0, 0};
    EXPECT_FALSE(Form.IsShortCut(Other));
}

TEST_F(FormMenus, ANewMenuBarIsAMenuHighTopBandThatFitsItsItemsOnceLoaded) {
    auto* Bar = new TKsCustomMenuBar(&Form);
    EXPECT_EQ(Bar->Align(), TAlign::alTop);
    EXPECT_EQ(Bar->Height(), GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(Bar->Color(), clMenu);
    EXPECT_TRUE(Bar->AutoSize());
    Bar->SetParent(&Form);
    AddItem(Form, *Bar->Items(), "&File");
    Bar->Loaded();
    int Width = 0;
    int Height = 0;
    Bar->Items()->Items(0)->MeasureItem(&Bar->Surface(), Bar->View(), Width, Height);
    EXPECT_EQ(Bar->Height(), Height + 2);
    // Only a multiple-document parent form gets the child's caption-button items.
    EXPECT_EQ(Bar->Items()->Count(), 1);
}

} // namespace

namespace {

TEST(ThemedFormMenus, TheSystemMenuOfAThemedFormIsPaintedWithItsEngine) {
    RegisterSkinMenus();
    TForm Form(nullptr);
    TTeThemeEngine Engine(nullptr);
    auto* Controller = new TTeThemeForm(&Form);
    Controller->SetThemeEngine(&Engine);
    Controller->Loaded();
    Controller->BuildSysMenu();
    TKsCustomItem& Root = *Controller->SysMenu();
    ASSERT_GT(Root.Count(), 0);
    for (TKsCustomItem* Item : {&Root, Root.Items(0), Root.Items(Root.Count() - 1)}) {
        auto* Themed = dynamic_cast<TTeThemeItem*>(Item);
        ASSERT_NE(Themed, nullptr);
        EXPECT_EQ(Themed->ThemeEngine(), &Engine);
    }
}

} // namespace
