// Skinned multiple-document forms: a maximised child fills its parent's client window without
// a frame and puts its caption buttons on the parent's skinned menu bar, the parent's caption
// names it, siblings follow into and out of the maximised state, and closing, minimising and
// freeing children leave the bar, the caption and the host's resources as they were.
#include "MDITestSupport.h"

#include "skin/forms/KsThemeForms.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItems.h"
#include "framework/windows/ShortCuts.h"
#include "skin/menus/KsMenus.h"
#include "skin/themes/KsThemeEngine.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using S = TKsWindowState;

// Answers the form's close event with a chosen action.
struct TCloseWith {
    TCloseAction Chosen;
    void Closing(TObject*, TCloseAction& Action) { Action = Chosen; }
};

class SkinnedMDI : public ::testing::Test {
protected:
    TSkinnedMDIScene Scene;
};

TEST_F(SkinnedMDI, AMaximisedChildFillsTheClientWindowWithoutAFrameAndComesBack) {
    TMDIChild& Child = Scene.AddChild("Notes", RECT{20, 20, 260, 200});
    const RECT Before = Scene.BoundsOf(Child);
    Child.Controller->Maximize();
    EXPECT_EQ(Child.Controller->WindowState(), S::kwsMaximized);
    EXPECT_EQ(RectText(Scene.BoundsOf(Child)), RectText(ClientRectOf(Scene.Client())));
    EXPECT_EQ(RectText(ClientRectOf(Child.Form->Handle())), RectText(ClientRectOf(Scene.Client())))
        << "no frame is left around the client area";
    EXPECT_FALSE(IsZoomed(Child.Form->Handle())) << "the controller maximises, not the host";

    Child.Controller->Restore();
    EXPECT_EQ(Child.Controller->WindowState(), S::kwsNormal);
    EXPECT_EQ(RectText(Scene.BoundsOf(Child)), RectText(Before));
    const RECT Client = ClientRectOf(Child.Form->Handle());
    EXPECT_LT(Client.right, RectWidth(Before)) << "the frame is back";

    // Maximised and minimised to its caption bar, it comes back maximised.
    Child.Controller->Maximize();
    Child.Controller->Minimize();
    EXPECT_EQ(Child.Controller->WindowState(), S::kwsMinimized);
    EXPECT_EQ(Scene.Bar->ChildForm(), nullptr);
    EXPECT_EQ(RectHeight(Scene.BoundsOf(Child)),
              RectHeight(Child.Controller->GetMinimizedBounds()));
    Child.Controller->Restore();
    EXPECT_EQ(Child.Controller->WindowState(), S::kwsMaximized);
    EXPECT_EQ(Scene.Bar->ChildForm(), Child.Controller);
    EXPECT_EQ(RectText(Scene.BoundsOf(Child)), RectText(ClientRectOf(Scene.Client())));
}

TEST_F(SkinnedMDI, OnlyTheActiveChildShowsAnActiveCaption) {
    TMDIChild& First = Scene.AddChild("First", RECT{0, 0, 200, 150});
    TMDIChild& Second = Scene.AddChild("Second", RECT{40, 40, 240, 190});
    EXPECT_FALSE(First.Controller->CaptionActive());
    EXPECT_TRUE(Second.Controller->CaptionActive()) << "activated before its frame was hooked";
    Scene.Parent->Next();
    PumpUntil([&] { return First.Controller->CaptionActive(); });
    EXPECT_TRUE(First.Controller->CaptionActive());
    EXPECT_FALSE(Second.Controller->CaptionActive());

    // The active child's caption goes out and comes back with its parent's.
    TForm Other(nullptr);
    Other.SetBounds(300, 300, 100, 80);
    Other.Show();
    SetForegroundWindow(Other.Handle());
    EXPECT_TRUE(PumpUntil([&] { return !First.Controller->CaptionActive(); }));
    SetForegroundWindow(Scene.Parent->Handle());
    EXPECT_TRUE(PumpUntil([&] { return First.Controller->CaptionActive(); }));
    EXPECT_FALSE(Second.Controller->CaptionActive());
}

// The captions of a child's system menu as it stands now.
std::vector<std::string> SysMenuCaptions(TKsCustomForm& Controller) {
    Controller.BuildSysMenu();
    std::vector<std::string> Captions;
    for (int I = 0; I < Controller.SysMenu()->Count(); ++I)
        Captions.push_back(Controller.SysMenu()->Items(I)->Caption());
    return Captions;
}

TEST_F(SkinnedMDI, EveryWayIntoAndOutOfTheStatesKeepsTheHostWindowPlainAndTheMenusRight) {
    TMDIChild& Child = Scene.AddChild("Notes", RECT{20, 20, 260, 200});
    TKsCustomForm& C = *Child.Controller;
    const RECT Normal = Scene.BoundsOf(Child);
    using V = std::vector<std::string>;
    const V NormalMenu{"Mi&nimize", "Ma&ximize", "Ro&llup", "-", "&Close"};
    const V MaximizedMenu{"&Restore", "Mi&nimize", "Ro&llup", "-", "&Close"};
    const V RolledMenu{"&Restore", "Mi&nimize", "Ma&ximize", "-", "&Close"};
    const V MinimizedMenu{"&Restore", "-", "&Close"};
    const auto Check = [&](S State, const V& Menu, const char* Step) {
        SCOPED_TRACE(Step);
        EXPECT_EQ(C.WindowState(), State);
        EXPECT_FALSE(IsIconic(Child.Form->Handle()));
        EXPECT_FALSE(IsZoomed(Child.Form->Handle()));
        EXPECT_EQ(Scene.Bar->ChildForm() == &C, State == S::kwsMaximized);
        EXPECT_EQ(SysMenuCaptions(C), Menu);
    };
    Check(S::kwsNormal, NormalMenu, "normal");
    EXPECT_EQ(TextToShortCut("Ctrl+F4"), C.SysMenu()->Items(4)->ShortCut());
    C.Maximize();
    Check(S::kwsMaximized, MaximizedMenu, "maximised");
    C.Rollup();
    Check(S::kwsRollup, RolledMenu, "rolled up from maximised");
    C.Restore();
    Check(S::kwsMaximized, MaximizedMenu, "back to maximised");
    C.Minimize();
    Check(S::kwsMinimized, MinimizedMenu, "minimised from maximised");
    C.Restore();
    Check(S::kwsMaximized, MaximizedMenu, "maximised again");
    C.Restore();
    Check(S::kwsNormal, NormalMenu, "normal again");
    EXPECT_EQ(RectText(Scene.BoundsOf(Child)), RectText(Normal));
    C.Rollup();
    Check(S::kwsRollup, RolledMenu, "rolled up");
    C.Maximize();
    Check(S::kwsMaximized, MaximizedMenu, "maximised from rolled up");
    C.Restore();
    Check(S::kwsRollup, RolledMenu, "rolled up again");
    C.Restore();
    C.Minimize();
    Check(S::kwsMinimized, MinimizedMenu, "minimised");
    C.Restore();
    Check(S::kwsNormal, NormalMenu, "restored");
    EXPECT_EQ(RectText(Scene.BoundsOf(Child)), RectText(Normal));
    // The host's own commands go through the controller.
    SendMessageW(Child.Form->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    Check(S::kwsMaximized, MaximizedMenu, "maximised by the host's command");
    SendMessageW(Child.Form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Check(S::kwsMinimized, MinimizedMenu, "minimised by the host's command");
    SendMessageW(Child.Form->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    Check(S::kwsMaximized, MaximizedMenu, "restored by the host's command");
}

TEST_F(SkinnedMDI, TheMaximisedChildsButtonsStandOnTheParentsMenuBarWhileItIsMaximised) {
    TMDIChild& Child = Scene.AddChild("Notes");
    EXPECT_EQ(Scene.VisibleItemCount(), 1) << "only the parent's own item before";
    Child.Controller->Maximize();
    EXPECT_EQ(Scene.Bar->ChildForm(), Child.Controller);
    EXPECT_EQ(Scene.VisibleItemCount(), 5) << "icon, minimise, restore and close join";
    const RECT Icon = Scene.Bar->View().GetItemRect(Scene.Button(TKsItemButtonKind::kibSysMenu));
    const RECT File = Scene.Bar->View().GetItemRect(Scene.Bar->Items()->Items(1));
    EXPECT_GE(File.left, Icon.right) << "the bar's items follow the child's icon";
    const RECT Close = Scene.Bar->View().GetItemRect(Scene.Button(TKsItemButtonKind::kibClose));
    EXPECT_EQ(Close.right, Scene.Bar->Width()) << "the buttons stand at the bar's right end";
    Child.Controller->Restore();
    EXPECT_EQ(Scene.Bar->ChildForm(), nullptr);
    EXPECT_EQ(Scene.VisibleItemCount(), 1);
    // Rolled up from maximised, a child no longer fills its parent.
    Child.Controller->Maximize();
    Child.Controller->Rollup();
    EXPECT_EQ(Scene.Bar->ChildForm(), nullptr);
    EXPECT_EQ(Scene.Parent->Caption(), "Editor");
}

TEST_F(SkinnedMDI, TheMergedButtonsActOnTheChild) {
    TMDIChild& Child = Scene.AddChild("Notes");
    Child.Controller->Maximize();
    Scene.ClickButton(TKsItemButtonKind::kibRestore);
    EXPECT_EQ(Child.Controller->WindowState(), S::kwsNormal);

    Child.Controller->Maximize();
    Scene.ClickButton(TKsItemButtonKind::kibMinimize);
    EXPECT_EQ(Child.Controller->WindowState(), S::kwsMinimized);
    Child.Controller->Restore();

    // Closing a child minimises it while it has a minimise button, as the host's do.
    ASSERT_EQ(Child.Controller->WindowState(), S::kwsMaximized);
    Scene.ClickButton(TKsItemButtonKind::kibClose);
    EXPECT_EQ(Child.Controller->WindowState(), S::kwsMinimized);
    EXPECT_EQ(Scene.Parent->Caption(), "Editor");
}

TEST_F(SkinnedMDI, TheParentsCaptionNamesTheMaximisedChildAndKeepsItsOwnBrackets) {
    Scene.Parent->SetCaption("[Draft] Editor");
    TMDIChild& First = Scene.AddChild("a [b]");
    First.Controller->Maximize();
    EXPECT_EQ(Scene.Parent->Caption(), "[Draft] Editor - [a [b]]");
    First.Form->SetCaption("Renamed");
    EXPECT_EQ(Scene.Parent->Caption(), "[Draft] Editor - [Renamed]");
    First.Controller->Restore();
    EXPECT_EQ(Scene.Parent->Caption(), "[Draft] Editor");
    // A bracket near the start of the parent's own caption survives as well.
    Scene.Parent->SetCaption("[");
    First.Controller->Maximize();
    EXPECT_EQ(Scene.Parent->Caption(), "[ - [Renamed]");
    First.Controller->Restore();
    EXPECT_EQ(Scene.Parent->Caption(), "[");
}

TEST_F(SkinnedMDI, TheChildActivatedNextComesUpMaximisedAndTakesTheBarAndCaption) {
    TMDIChild& First = Scene.AddChild("First", RECT{0, 0, 200, 150});
    TMDIChild& Second = Scene.AddChild("Second", RECT{40, 40, 240, 190});
    Second.Controller->Maximize();
    ASSERT_EQ(Scene.Bar->ChildForm(), Second.Controller);

    Scene.Parent->Next();
    PumpUntil([&] { return First.Controller->WindowState() == S::kwsMaximized; });
    EXPECT_EQ(Scene.Parent->ActiveMDIChild(), First.Form);
    EXPECT_EQ(First.Controller->WindowState(), S::kwsMaximized);
    EXPECT_EQ(Scene.Bar->ChildForm(), First.Controller);
    EXPECT_EQ(Scene.Parent->Caption(), "Editor - [First]");

    // Restoring the one in front restores every maximised sibling.
    First.Controller->Restore();
    EXPECT_EQ(First.Controller->WindowState(), S::kwsNormal);
    EXPECT_EQ(Second.Controller->WindowState(), S::kwsNormal);
    EXPECT_EQ(Scene.Bar->ChildForm(), nullptr);
    EXPECT_EQ(Scene.Parent->Caption(), "Editor");
}

TEST_F(SkinnedMDI, AMaximisedChildFollowsItsParentsSize) {
    TMDIChild& Child = Scene.AddChild("Notes");
    Child.Controller->Maximize();
    Scene.Parent->SetBounds(Scene.Parent->Left(), Scene.Parent->Top(), Scene.Parent->Width() - 60,
                            Scene.Parent->Height() - 40);
    PumpUntil([] { return false; }, 3);
    EXPECT_EQ(RectText(Scene.BoundsOf(Child)), RectText(ClientRectOf(Scene.Client())));
}

TEST_F(SkinnedMDI, AChildStaysInsideItsParentWhenSnappedAndMaximised) {
    TMDIChild& Child = Scene.AddChild("Notes", RECT{30, 30, 230, 180});
    EXPECT_EQ(Child.Controller->MagneticValue(), 9);
    EXPECT_FALSE(Child.Controller->MinimizeApplication());
    EXPECT_FALSE(Child.Controller->BorderIcons().Contains(TKsBorderIcon::kbiTray));
    EXPECT_EQ(RectText(Child.Controller->GetMaximizedBounds()), RectText(ClientRectOf(Scene.Client())));
    const RECT Max = Child.Controller->GetMaximizedBounds();
    const POINT MaxSize = Child.Controller->GetMaxSize();
    EXPECT_EQ(MaxSize.x, RectWidth(Max));
    EXPECT_EQ(MaxSize.y, RectHeight(Max));
}

TEST_F(SkinnedMDI, ClosingWithTheFormsOwnActionHidesOrFreesTheChildAndGivesTheBarBack) {
    TMDIChild& Hidden = Scene.AddChild("Hidden");
    TCloseWith Hide{TCloseAction::caHide};
    Hidden.Form->OnClose = MakeEvent(&Hide, &TCloseWith::Closing);
    Hidden.Controller->Maximize();
    Hidden.Controller->Close();
    EXPECT_FALSE(IsWindowVisible(Hidden.Form->Handle()));
    EXPECT_EQ(Scene.Bar->ChildForm(), nullptr);
    EXPECT_EQ(Scene.Parent->Caption(), "Editor");

    TMDIChild& Freed = Scene.AddChild("Freed");
    TCloseWith Free{TCloseAction::caFree};
    Freed.Form->OnClose = MakeEvent(&Free, &TCloseWith::Closing);
    Freed.Controller->Maximize();
    const HWND Window = Freed.Form->Handle();
    Freed.Controller->Close();
    PumpUntil([&] { return !IsWindow(Window); });
    EXPECT_FALSE(IsWindow(Window));
    Scene.Forget(Freed);
    EXPECT_EQ(Scene.Parent->MDIChildCount(), 1);
    EXPECT_EQ(Scene.Bar->ChildForm(), nullptr);
    EXPECT_EQ(Scene.Parent->Caption(), "Editor");
}

TEST_F(SkinnedMDI, AChildFreedWhileMaximisedLeavesNeitherButtonsNorCaptionBehind) {
    TMDIChild& Child = Scene.AddChild("Gone");
    Child.Controller->Maximize();
    Scene.FreeChild(Child);
    EXPECT_EQ(Scene.Bar->ChildForm(), nullptr);
    EXPECT_EQ(Scene.VisibleItemCount(), 1);
    EXPECT_EQ(Scene.Parent->Caption(), "Editor");
}

TEST_F(SkinnedMDI, FiftyChildrenMaximisedAndClosedLeaveNoWindowsHooksOrGdiObjects) {
    // One round first: the shared surfaces and fonts are made once.
    Scene.FreeChild(Scene.AddChild("Warm-up"));
    const int Windows = ThreadWindowCount();
    const unsigned Slot = NextGdiSlot();
    for (int I = 0; I < 50; ++I) {
        TMDIChild& Child = Scene.AddChild("Child " + std::to_string(I));
        Child.Controller->Maximize();
        Scene.FreeChild(Child);
    }
    PumpUntil([] { return false; }, 3);
    EXPECT_EQ(ThreadWindowCount(), Windows);
    EXPECT_EQ(GetWindow(Scene.Client(), GW_CHILD), nullptr);
    EXPECT_LT(NextGdiSlot(), Slot + 20);
    EXPECT_EQ(Scene.Parent->Caption(), "Editor");
}

TEST_F(SkinnedMDI, TheClientWindowShowsTheFormsBackgroundWithoutASunkenEdge) {
    Scene.AddChild("Notes", RECT{0, 0, 120, 90});
    PumpUntil([] { return false; }, 5);
    const LONG ExStyle = GetWindowLongW(Scene.Client(), GWL_EXSTYLE);
    EXPECT_FALSE(ExStyle & WS_EX_CLIENTEDGE);
    // A point of the client window no child covers (the frame around it changes with the
    // theme).
    const auto PixelThere = [&] {
        const RECT Client = ClientRectOf(Scene.Client());
        POINT Free{Client.right - 5, Client.bottom - 5};
        ClientToScreen(Scene.Client(), &Free);
        const std::vector<uint32_t> Pixel =
            GrabScreenPixels(RECT{Free.x, Free.y, Free.x + 1, Free.y + 1});
        return Pixel.empty() ? 0xFFFFFFFFu : Pixel[0];
    };
    ASSERT_NE(Scene.Engine->Theme(), nullptr);
    EXPECT_EQ(PixelThere(), RgbOf(Scene.Engine->Theme()->GetColor(11)));
    // Without a theme that paints, the form's own colour shows, repainted at once.
    const uint32_t Themed = PixelThere();
    Scene.Engine->SetTheme(std::make_unique<TTeTheme>());
    const uint32_t Plain = RgbOf(Scene.Parent->Color());
    ASSERT_NE(Plain, Themed);
    PumpUntil([&] { return PixelThere() == Plain; }, 50);
    EXPECT_EQ(PixelThere(), Plain);
}

} // namespace
