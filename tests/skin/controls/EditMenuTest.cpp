// The edit's context menu: an edit made in code has it; its items are enabled by the edit's
// state (text, selection, ReadOnly, hidden text, the clipboard, something to undo); under
// real input a right click (and the menu key) opens it and clicking its items cuts, copies,
// pastes, deletes, selects and undoes.
#include "EditTestSupport.h"
#include "MenuTestSupport.h"
#include "WindowTestSupport.h"

#include "framework/graphics/Clipboard.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsEdits.h"
#include "skin/menus/KsItemViews.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// An edit whose menu can be brought up to date without opening it.
class TMenuStateEdit : public TKsEdit {
public:
    using TKsCustomEdit::UpdateContextMenu;
    using TKsEdit::TKsEdit;

    // The captions of the enabled items, separators left out.
    std::string EnabledItems() {
        UpdateContextMenu();
        std::string Result;
        TKsCustomItem* Items = ContextMenu().Items();
        for (int I = 0; I < Items->Count(); ++I) {
            const TKsCustomItem* Item = Items->Items(I);
            if (Item->Caption() != "-" && Item->Enabled())
                Result += (Result.empty() ? "" : ", ") + Item->Caption();
        }
        return Result;
    }
};

TEST(EditMenu, AnEditMadeInCodeHasItsContextMenu) {
    RegisterSkinControls();
    TKsEdit Edit(nullptr);
    TKsCustomPopupMenu& Menu = Edit.ContextMenu();
    std::vector<std::string> Captions;
    for (int I = 0; I < Menu.Items()->Count(); ++I)
        Captions.push_back(Menu.Items()->Items(I)->Caption());
    EXPECT_EQ(Captions, (std::vector<std::string>{"Undo", "-", "Cut", "Copy", "Paste", "Delete",
                                                  "-", "Select All"}));
}

TEST(EditMenu, ItemsAreEnabledByTheEditsState) {
    RegisterSkinControls();
    TMenuStateEdit Edit(nullptr);
    Clipboard()->Clear();
    EXPECT_EQ(Edit.EnabledItems(), "");
    Clipboard()->SetAsText("clip");
    EXPECT_EQ(Edit.EnabledItems(), "Paste");

    Edit.SetText("hello");
    EXPECT_EQ(Edit.EnabledItems(), "Paste, Select All");
    Edit.SetSelStart(1);
    Edit.SetSelLength(3);
    EXPECT_EQ(Edit.EnabledItems(), "Cut, Copy, Paste, Delete, Select All");
    Clipboard()->Clear();
    EXPECT_EQ(Edit.EnabledItems(), "Cut, Copy, Delete, Select All");
    Edit.SelectAll();
    EXPECT_EQ(Edit.EnabledItems(), "Cut, Copy, Delete");

    // Something to undo.
    Edit.SetSelStart(1);
    Edit.SetSelLength(3);
    Edit.DeleteSelection();
    ASSERT_EQ(Edit.Text(), "ho");
    EXPECT_EQ(Edit.EnabledItems(), "Undo, Select All");

    // ReadOnly: only copying and selecting.
    Clipboard()->SetAsText("clip");
    Edit.SelectAll();
    Edit.SetReadOnly(true);
    EXPECT_EQ(Edit.EnabledItems(), "Copy");
    Edit.SetSelStart(0);
    EXPECT_EQ(Edit.EnabledItems(), "Select All");
    Edit.SetReadOnly(false);

    // Hidden text never leaves the edit.
    Edit.SetPasswordKind(TPasswordKind::pkCircle);
    Edit.SelectAll();
    EXPECT_EQ(Edit.EnabledItems(), "Undo, Paste, Delete");
}

class EditMenuInput : public EditOnScreen {
protected:
    void SetUp() override {
        EditOnScreen::SetUp();
        Clipboard()->Clear();
    }
    void TearDown() override {
        ReleaseMouse(VK_RBUTTON);
        EditOnScreen::TearDown();
    }

    // Opens the context menu by Open (real input) and clicks the item Caption in it.
    void ChooseFromMenu(const std::function<void()>& Open, const std::string& Caption) {
        const TMenuWatchdog Watchdog;
        const TInsideMenu Choose(ClickMenuItem(Caption));
        Open();
        EXPECT_TRUE(PumpUntil([] { return !TKsItemView::TrackingView(); }))
            << "the menu stayed open after " << Caption;
        EXPECT_FALSE(Watchdog.Fired()) << "the menu did not close by the click on " << Caption;
        // The item's command runs from the application's loop once the menu has closed.
        RunPendingClicks();
    }
    void RightClickAndChoose(const std::string& Caption) {
        ChooseFromMenu(
            [this] {
                const RECT Text = Edit->GetTextRect();
                const POINT At =
                    Edit->ClientToScreen(POINT{Text.right - 10, (Text.top + Text.bottom) / 2});
                ClickAt(At.x, At.y, VK_RBUTTON);
            },
            Caption);
    }
};

// The fixture's edit is made in code: it was never loaded from a layout.
TEST_F(EditMenuInput, ARightClickOpensTheMenuWhoseItemsChangeTheText) {
    Type("hello world");
    for (int I = 0; I < 5; ++I)
        Chord(VK_SHIFT, VK_LEFT);
    ASSERT_EQ(Edit->SelText(), "world");
    RightClickAndChoose("Cut");
    EXPECT_EQ(Edit->Text(), "hello ");
    EXPECT_EQ(Clipboard()->AsText(), "world");
    Key(VK_HOME);
    RightClickAndChoose("Paste");
    EXPECT_EQ(Edit->Text(), "worldhello ");
    RightClickAndChoose("Undo");
    EXPECT_EQ(Edit->Text(), "hello ");
    RightClickAndChoose("Select All");
    EXPECT_EQ(Edit->SelText(), "hello ");
    RightClickAndChoose("Copy");
    EXPECT_EQ(Clipboard()->AsText(), "hello ");
    RightClickAndChoose("Delete");
    EXPECT_EQ(Edit->Text(), "");
    // The right click kept the focus where typing goes.
    Type("ok");
    EXPECT_EQ(Edit->Text(), "ok");
}

// The menu key sends no point: the menu opens all the same.
TEST_F(EditMenuInput, TheMenuKeyOpensTheMenu) {
    Type("abc");
    ChooseFromMenu([] { PressKey(VK_APPS); }, "Select All");
    EXPECT_EQ(Edit->SelText(), "abc");
}

} // namespace
