// Item clicks: run later from the application's loop, never for an item freed meanwhile,
// never for separators, disabled items or items with sub-items; an own handler before the
// action's; short-cuts that click down the tree and stop at a disabled item.
#include "framework/windows/Actions.h"
#include "framework/windows/Application.h"
#include "skin/menus/KsItemClicks.h"
#include "skin/menus/KsItems.h"
#include "skin/menus/KsMenusRegistration.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

struct TClicks {
    std::vector<TObject*> Senders;
    void Clicked(TObject* Sender) { Senders.push_back(Sender); }
    void Executed(TObject* Sender) { Senders.push_back(Sender); }
};

class ItemClicks : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinMenus();
        ASSERT_NE(TKsClickHandler::Instance(), nullptr);
        Application->ProcessMessages();
    }

    TKsCustomItem* Make(const std::string& Caption, TKsCustomItem* Parent) {
        auto* Item = new TKsCustomItem(&Owner);
        Item->SetCaption(Caption);
        Item->OnClick = MakeEvent(&Clicks, &TClicks::Clicked);
        if (Parent)
            Parent->Add(Item);
        return Item;
    }

    TComponent Owner{nullptr};
    TClicks Clicks;
    TKsCustomItem* Root = Make("", nullptr);
    TKsCustomItem* File = Make("&File", Root);
    TKsCustomItem* Save = Make("&Save", File);
};

TEST_F(ItemClicks, AClickRunsFromTheLoopLater) {
    Save->Click();
    EXPECT_TRUE(Clicks.Senders.empty());
    Application->ProcessMessages();
    EXPECT_EQ(Clicks.Senders, std::vector<TObject*>{Save});
}

TEST_F(ItemClicks, AClickOfAnItemFreedBeforeItRunsDoesNothing) {
    Save->Click();
    delete Save;
    // A new item may well take the freed one's memory; the queued click is not its own.
    TKsCustomItem* Successor = Make("&Save", File);
    Application->ProcessMessages();
    EXPECT_TRUE(Clicks.Senders.empty());
    Successor->Click();
    Application->ProcessMessages();
    EXPECT_EQ(Clicks.Senders, std::vector<TObject*>{Successor});
}

TEST_F(ItemClicks, SeparatorsDisabledItemsAndItemsWithSubItemsDoNotClick) {
    File->Click();
    Make("-", Root)->Click();
    Save->SetEnabled(false);
    Save->Click();
    Application->ProcessMessages();
    EXPECT_TRUE(Clicks.Senders.empty());

    delete Save; // the last sub-item gone, File clicks like a leaf
    File->Click();
    Application->ProcessMessages();
    EXPECT_EQ(Clicks.Senders, std::vector<TObject*>{File});
}

TEST_F(ItemClicks, AnOwnHandlerWinsOverTheActionAndACopiedOneRunsThroughIt) {
    TAction Action(nullptr);
    TClicks Executions;
    Action.SetOnExecute(MakeEvent(&Executions, &TClicks::Executed));
    Save->OnClick = {};
    Save->SetAction(&Action);
    Save->RunClick();
    EXPECT_EQ(Executions.Senders, std::vector<TObject*>{&Action});
    Action.SetEnabled(false);
    Save->SetEnabled(true);
    Save->RunClick();
    EXPECT_EQ(Executions.Senders.size(), 1u);

    Save->OnClick = MakeEvent(&Clicks, &TClicks::Clicked);
    Save->RunClick();
    EXPECT_EQ(Clicks.Senders, std::vector<TObject*>{Save});
    Save->SetAction(nullptr);
}

TEST_F(ItemClicks, AShortCutClicksItsItemAndAnswersForDisabledOnesWithoutClicking) {
    Save->SetShortCut(VK_F5);
    TKsCustomItem* Quit = Make("&Quit", File);
    Quit->SetShortCut(scAlt + 'X');
    EXPECT_TRUE(Root->IsShortCut(TWMKey{WM_KEYDOWN, VK_F5, 0, 0}));
    EXPECT_TRUE(Root->IsShortCut(TWMKey{WM_SYSKEYDOWN, 'X', 0x20000000, 0}));
    EXPECT_FALSE(Root->IsShortCut(TWMKey{WM_KEYDOWN, 'X', 0, 0}));
    Application->ProcessMessages();
    EXPECT_EQ(Clicks.Senders.size(), 2u);

    Clicks.Senders.clear();
    File->SetEnabled(false); // a disabled level above stops the walk
    EXPECT_TRUE(Root->IsShortCut(TWMKey{WM_KEYDOWN, VK_F5, 0, 0}));
    File->SetEnabled(true);
    Save->SetEnabled(false);
    EXPECT_TRUE(Root->IsShortCut(TWMKey{WM_KEYDOWN, VK_F5, 0, 0}));
    Application->ProcessMessages();
    EXPECT_TRUE(Clicks.Senders.empty());
}

TEST_F(ItemClicks, AFailingClickIsReportedAndTheLoopGoesOn) {
    struct TThrower {
        void Clicked(TObject*) { throw std::runtime_error("click failed"); }
    } Thrower;
    struct TReports {
        int Count = 0;
        void Report(TObject*, const std::exception&) { ++Count; }
    } Reports;
    Application->OnException = MakeEvent(&Reports, &TReports::Report);
    Save->OnClick = MakeEvent(&Thrower, &TThrower::Clicked);
    Save->Click();
    Application->ProcessMessages();
    Application->OnException = {};
    EXPECT_EQ(Reports.Count, 1);
}

} // namespace
