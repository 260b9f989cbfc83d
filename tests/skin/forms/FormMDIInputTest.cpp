// Skinned multiple-document forms under real input: a double click on a child's caption
// maximises it, the caption buttons it leaves on the parent's menu bar restore, minimise and
// close it, a click activates a child, and Ctrl+F6 and Ctrl+F4 reach the skinned children.
#include "MDITestSupport.h"

#include "skin/forms/KsThemeForms.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsMenus.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

namespace {

using S = TKsWindowState;

class SkinnedMDIInput : public ::testing::Test {
protected:
    // The middle of a child's caption, on the screen.
    static POINT CaptionPoint(const TMDIChild& Child) {
        const RECT Band = Child.Controller->CaptionBand();
        RECT Window{};
        GetWindowRect(Child.Form->Handle(), &Window);
        return POINT{Window.left + (Band.left + Band.right) / 2 - 20,
                     Window.top + (Band.top + Band.bottom) / 2};
    }
    // The middle of a caption-button item on the parent's bar, on the screen.
    POINT ButtonPoint(TKsItemButtonKind Kind) const {
        const RECT Item = Scene.Bar->View().GetItemRect(Scene.Button(Kind));
        EXPECT_FALSE(IsRectEmpty(&Item));
        return Scene.Bar->ClientToScreen(
            POINT{(Item.left + Item.right) / 2, (Item.top + Item.bottom) / 2});
    }
    // A press on the bar runs the bar's own menu loop until the release: both are queued.
    static void ClickOnBar(POINT Screen) {
        // What the last clicks set off is over first.
        PumpUntil([] { return false; }, 5);
        QueueClickAt(Screen.x, Screen.y);
        PumpUntil([] { return false; }, 5);
    }
    static void DoubleClickAt(POINT Screen) {
        ClickAt(Screen.x, Screen.y);
        ClickAt(Screen.x, Screen.y);
    }
    static bool StateBecomes(const TMDIChild& Child, S State) {
        return PumpUntil([&] { return Child.Controller->WindowState() == State; });
    }

    TSkinnedMDIScene Scene;
};

TEST_F(SkinnedMDIInput, TheMaximisedChildsButtonsOnTheParentsMenuBarWork) {
    TMDIChild& Child = Scene.AddChild("Notes", RECT{20, 20, 300, 220});
    DoubleClickAt(CaptionPoint(Child));
    ASSERT_TRUE(StateBecomes(Child, S::kwsMaximized));
    EXPECT_EQ(Scene.Bar->ChildForm(), Child.Controller);
    EXPECT_EQ(Scene.Parent->Caption(), "Editor - [Notes]");

    const POINT Restore = ButtonPoint(TKsItemButtonKind::kibRestore);
    ClickOnBar(Restore);
    ASSERT_TRUE(StateBecomes(Child, S::kwsNormal));
    EXPECT_EQ(Scene.VisibleItemCount(), 1);
    EXPECT_EQ(Scene.Parent->Caption(), "Editor");

    DoubleClickAt(CaptionPoint(Child));
    ASSERT_TRUE(StateBecomes(Child, S::kwsMaximized));
    const POINT Minimize = ButtonPoint(TKsItemButtonKind::kibMinimize);
    ClickOnBar(Minimize);
    ASSERT_TRUE(StateBecomes(Child, S::kwsMinimized));
    EXPECT_EQ(Scene.Bar->ChildForm(), nullptr);

    Child.Controller->Restore();
    ASSERT_EQ(Child.Controller->WindowState(), S::kwsMaximized);
    PumpUntil([] { return false; }, 3);
    const POINT Close = ButtonPoint(TKsItemButtonKind::kibClose);
    ClickOnBar(Close);
    EXPECT_TRUE(StateBecomes(Child, S::kwsMinimized)) << "a child with a minimise button closes to it";
    EXPECT_EQ(Scene.Parent->Caption(), "Editor");
}

TEST_F(SkinnedMDIInput, ADraggedChildSnapsToTheEdgesOfItsParentsClientWindow) {
    TMDIChild& Child = Scene.AddChild("Notes", RECT{30, 30, 230, 180});
    // Within 9 pixels of the left edge it lands on it; further away it stays where it is let go.
    POINT From = CaptionPoint(Child);
    DragMouse(From, POINT{From.x - 24, From.y + 10});
    EXPECT_TRUE(PumpUntil([&] { return Scene.BoundsOf(Child).left == 0; }))
        << RectText(Scene.BoundsOf(Child));
    EXPECT_EQ(Scene.BoundsOf(Child).top, 40);
    From = CaptionPoint(Child);
    DragMouse(From, POINT{From.x + 12, From.y});
    EXPECT_TRUE(PumpUntil([&] { return Scene.BoundsOf(Child).left == 12; }))
        << RectText(Scene.BoundsOf(Child));
}

TEST_F(SkinnedMDIInput, ClicksAndTheSystemKeysMoveBetweenMaximisedChildren) {
    TMDIChild& Left = Scene.AddChild("Left", RECT{0, 0, 200, 160});
    TMDIChild& Right = Scene.AddChild("Right", RECT{220, 0, 420, 160});
    const POINT InLeft = CaptionPoint(Left);
    ClickAt(InLeft.x, InLeft.y);
    ASSERT_TRUE(PumpUntil([&] { return Scene.Parent->ActiveMDIChild() == Left.Form; }));

    Left.Controller->Maximize();
    QueueKeyWith(VK_CONTROL, VK_F6);
    ASSERT_TRUE(PumpUntil([&] { return Scene.Parent->ActiveMDIChild() == Right.Form; }));
    EXPECT_TRUE(StateBecomes(Right, S::kwsMaximized)) << "the next child comes up maximised";
    EXPECT_EQ(Scene.Bar->ChildForm(), Right.Controller);
    EXPECT_EQ(Scene.Parent->Caption(), "Editor - [Right]");

    SetFocus(Right.Form->Handle());
    QueueKeyWith(VK_CONTROL, VK_F4);
    EXPECT_TRUE(StateBecomes(Right, S::kwsMinimized)) << "Ctrl+F4 closes the child to its caption";
    EXPECT_EQ(Left.Controller->WindowState(), S::kwsNormal) << "its siblings are restored";
    EXPECT_EQ(Scene.Bar->ChildForm(), nullptr);
    EXPECT_EQ(Scene.Parent->Caption(), "Editor");
}

} // namespace
