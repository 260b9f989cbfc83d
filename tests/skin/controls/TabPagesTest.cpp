// The tab control's selection and pages: OnChanging decides before anything changes, pages
// and tabs stay in step through inserts, removals, hidden pages, renames and moves, pages
// are made for tab texts, shown one at a time with OnShow and OnHide, and read from and
// written to layouts.
#include "ControlTestSupport.h"
#include "WindowTestSupport.h"

#include "framework/core/LayoutReader.h"
#include "framework/core/LayoutWriter.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsTabs.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> TabTexts(const TKsCustomTabControl& Control) {
    std::vector<std::string> Texts;
    for (int Tab = 0; Tab < Control.Tabs()->Count(); ++Tab)
        Texts.push_back(Control.Tabs()->Strings(Tab));
    return Texts;
}

class TabPages : public ::testing::Test {
public:
    // Records what each handler saw of the control.
    void Changing(TObject*, bool& AllowChange) {
        SeenWhileChanging.push_back(Control->TabIndex());
        AllowChange = Allow;
    }
    void Changed(TObject*) {
        SeenOnChange.push_back(Control->TabIndex());
        PageOnChange.push_back(Control->ActivePage());
    }

protected:
    void SetUp() override {
        RegisterSkinControls();
        Form = MakeHostForm(clBtnFace);
        Form->SetBounds(100, 100, 400, 300);
        Control = new TKsTabControl(Form.get());
        Control->SetParent(Form.get());
        Control->SetBounds(10, 10, 360, 240);
        Control->SetUsePages(true);
        Form->Show();
    }

    TKsTabSheet* AddPage(const std::string& Caption) {
        auto* Page = new TKsTabSheet(Form.get());
        Page->SetCaption(Caption);
        Page->SetParent(Control);
        return Page;
    }

    std::unique_ptr<TForm> Form;
    TKsTabControl* Control = nullptr;
    bool Allow = true;
    std::vector<int> SeenWhileChanging;
    std::vector<int> SeenOnChange;
    std::vector<TKsCustomTabSheet*> PageOnChange;
};

TEST_F(TabPages, OnChangingDecidesBeforeTheTabChanges) {
    TKsTabSheet* First = AddPage("First");
    TKsTabSheet* Second = AddPage("Second");
    Control->OnChanging = MakeEvent(this, &TabPages::Changing);
    Control->OnChange = MakeEvent(this, &TabPages::Changed);
    ASSERT_EQ(Control->TabIndex(), 0);

    Allow = false;
    Control->SetTabIndex(1);
    EXPECT_EQ(SeenWhileChanging, std::vector<int>{0});
    EXPECT_EQ(Control->TabIndex(), 0);
    EXPECT_EQ(Control->ActivePage(), First);
    EXPECT_TRUE(SeenOnChange.empty());
    EXPECT_TRUE(First->Visible());
    EXPECT_FALSE(Second->Visible());

    Allow = true;
    Control->SetTabIndex(1);
    EXPECT_EQ(SeenWhileChanging, (std::vector<int>{0, 0}));
    EXPECT_EQ(SeenOnChange, std::vector<int>{1});
    // The handler finds the new tab's page already shown.
    EXPECT_EQ(PageOnChange, std::vector<TKsCustomTabSheet*>{Second});
    EXPECT_FALSE(First->Visible());

    // Outside the tabs or the same tab: nobody is asked.
    Control->SetTabIndex(1);
    Control->SetTabIndex(2);
    Control->SetTabIndex(-1);
    EXPECT_EQ(SeenWhileChanging.size(), 2u);
}

TEST_F(TabPages, ShowingAPageHidesTheOtherWithShowAndHide) {
    TKsTabSheet* First = AddPage("First");
    TKsTabSheet* Second = AddPage("Second");
    std::vector<std::string> Events;
    struct TRecorder {
        std::vector<std::string>& Events;
        void Shown(TObject* Sender) {
            Events.push_back("show " + static_cast<TControl*>(Sender)->Caption());
        }
        void Hidden(TObject* Sender) {
            Events.push_back("hide " + static_cast<TControl*>(Sender)->Caption());
        }
    } Recorder{Events};
    for (TKsTabSheet* Page : {First, Second}) {
        Page->OnShow = TNotifyEvent(&Recorder, &TRecorder::Shown);
        Page->OnHide = TNotifyEvent(&Recorder, &TRecorder::Hidden);
    }
    Control->SetActivePage(Second);
    EXPECT_EQ(Control->TabIndex(), 1);
    EXPECT_EQ(Events, (std::vector<std::string>{"hide First", "show Second"}));
    EXPECT_TRUE(Second->Showing());
    EXPECT_FALSE(First->Showing());
    // The page fills the page frame less its border.
    const RECT Display = Control->DisplayRect();
    EXPECT_EQ(Second->Left(), Display.left);
    EXPECT_EQ(Second->Top(), Display.top);
    EXPECT_EQ(Second->Width(), RectWidth(Display));
    EXPECT_EQ(Second->Height(), RectHeight(Display));
}

TEST_F(TabPages, TabsFollowPagesThroughInsertsRenamesHidingAndRemoval) {
    TKsTabSheet* First = AddPage("First");
    TKsTabSheet* Unnamed = AddPage("");
    TKsTabSheet* Third = AddPage("Third");
    EXPECT_EQ(Unnamed->Caption(), "New Page 1");
    EXPECT_EQ(TabTexts(*Control), (std::vector<std::string>{"First", "New Page 1", "Third"}));

    Unnamed->SetCaption("截图");
    EXPECT_EQ(TabTexts(*Control), (std::vector<std::string>{"First", "截图", "Third"}));

    Control->SetActivePage(Third);
    Unnamed->SetPageVisible(false);
    EXPECT_EQ(TabTexts(*Control), (std::vector<std::string>{"First", "Third"}));
    EXPECT_EQ(Control->TabIndex(), 1);
    EXPECT_EQ(Control->ActivePage(), Third);
    EXPECT_EQ(Control->PageOfTab(1), Third);
    EXPECT_EQ(Control->TabOfPage(Unnamed), -1);
    Unnamed->SetPageVisible(true);
    EXPECT_EQ(Control->TabIndex(), 2);

    // A page that goes takes its tab with it; the page in front stays.
    delete Unnamed;
    EXPECT_EQ(Control->PageCount(), 2);
    EXPECT_EQ(TabTexts(*Control), (std::vector<std::string>{"First", "Third"}));
    EXPECT_EQ(Control->ActivePage(), Third);
    EXPECT_EQ(Control->TabIndex(), 1);
    EXPECT_EQ(Control->PageOfTab(Control->TabIndex()), Third);

    // The page in front goes: the first page comes to the front.
    delete Third;
    EXPECT_EQ(TabTexts(*Control), std::vector<std::string>{"First"});
    EXPECT_EQ(Control->ActivePage(), First);
    EXPECT_EQ(Control->TabIndex(), 0);
    EXPECT_TRUE(First->Visible());

    delete First;
    EXPECT_EQ(Control->Tabs()->Count(), 0);
    EXPECT_EQ(Control->ActivePage(), nullptr);
    EXPECT_EQ(Control->TabIndex(), -1);
}

TEST_F(TabPages, APageMovedToAnotherControlLivesOnThere) {
    TKsTabSheet* First = AddPage("First");
    TKsTabSheet* Moving = AddPage("Moving");
    auto* Other = new TKsTabControl(Form.get());
    Other->SetParent(Form.get());
    Other->SetUsePages(true);
    Moving->SetParent(Other);
    EXPECT_EQ(Moving->TabControl(), Other);
    EXPECT_EQ(TabTexts(*Control), std::vector<std::string>{"First"});
    EXPECT_EQ(TabTexts(*Other), std::vector<std::string>{"Moving"});
    EXPECT_EQ(Other->ActivePage(), Moving);
    EXPECT_EQ(Control->ActivePage(), First);
    Moving->SetParent(nullptr);
    EXPECT_EQ(Moving->TabControl(), nullptr);
    EXPECT_EQ(Other->PageCount(), 0);
    delete Moving;
}

TEST_F(TabPages, PageIndexMovesPagesWithinThePages) {
    TKsTabSheet* A = AddPage("A");
    TKsTabSheet* B = AddPage("B");
    TKsTabSheet* C = AddPage("C");
    Control->SetActivePage(B);
    A->SetPageIndex(99);
    EXPECT_EQ(A->PageIndex(), 2);
    EXPECT_EQ(TabTexts(*Control), (std::vector<std::string>{"B", "C", "A"}));
    // The page in front keeps its place in front, and its tab stays selected.
    EXPECT_EQ(Control->ActivePage(), B);
    EXPECT_EQ(Control->TabIndex(), 0);
    C->SetPageIndex(-5);
    EXPECT_EQ(C->PageIndex(), 0);
    EXPECT_EQ(TabTexts(*Control), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(Control->TabIndex(), 1);
    auto* Loose = new TKsTabSheet(Form.get());
    EXPECT_EQ(Loose->PageIndex(), -1);
    Loose->SetPageIndex(1); // no control: nothing to move within
    EXPECT_EQ(Loose->PageIndex(), -1);
}

TEST_F(TabPages, TabTextsWithoutPagesGetPages) {
    Control->Tabs()->Add("One");
    Control->Tabs()->Add("Two");
    ASSERT_EQ(Control->PageCount(), 2);
    EXPECT_EQ(Control->Pages(0)->Caption(), "One");
    EXPECT_EQ(Control->Pages(1)->Caption(), "Two");
    EXPECT_EQ(Control->Pages(1)->Owner(), Form.get());
    // The newest page comes to the front.
    EXPECT_EQ(Control->ActivePage(), Control->Pages(1));
    EXPECT_EQ(Control->TabIndex(), 1);
    // A second tab of the same text is a second page; inserted tabs get theirs in place.
    Control->Tabs()->Add("One");
    Control->Tabs()->Insert(0, "Zero");
    EXPECT_EQ(TabTexts(*Control), (std::vector<std::string>{"Zero", "One", "Two", "One"}));
    EXPECT_EQ(Control->PageCount(), 4);
    EXPECT_EQ(Control->Pages(0)->Caption(), "Zero");
    EXPECT_EQ(Control->ActivePage(), Control->Pages(0));
}

TEST_F(TabPages, TabsWithoutPagesSelectTheFirstTabAndKeepInRange) {
    Control->SetUsePages(false);
    EXPECT_EQ(Control->TabIndex(), -1);
    Control->Tabs()->SetText("a\r\nb\r\nc\r\n");
    EXPECT_EQ(Control->TabIndex(), 0);
    EXPECT_EQ(Control->PageCount(), 0);
    Control->SetTabIndex(2);
    Control->Tabs()->Delete(2);
    EXPECT_EQ(Control->TabIndex(), 1);
    Control->Tabs()->Clear();
    EXPECT_EQ(Control->TabIndex(), -1);
}

class TabLayouts : public ::testing::Test {
protected:
    void SetUp() override { RegisterSkinControls(); }

    std::unique_ptr<TForm> Read(const std::string& Text) {
        auto Form = std::make_unique<TForm>(nullptr);
        Form->SetName("Holder");
        ReadLayout(Text, Form.get());
        return Form;
    }
};

TEST_F(TabLayouts, PagesAndTheSelectedTabComeBackFromALayout) {
    const std::string Text = "object Holder: TForm\n"
                             "  object Tabs1: TKsTabControl\n"
                             "    TabIndex = 1\n"
                             "    UsePages = True\n"
                             "    object Sheet1: TKsTabSheet\n"
                             "      Caption = 'First'\n"
                             "    end\n"
                             "    object Sheet2: TKsTabSheet\n"
                             "      Caption = '第二'\n"
                             "      object Inner: TKsTabControl\n"
                             "        Tabs.Strings = (\n"
                             "          'x'\n"
                             "          'y')\n"
                             "        TabIndex = 1\n"
                             "      end\n"
                             "    end\n"
                             "  end\n"
                             "end\n";
    std::unique_ptr<TForm> Form = Read(Text);
    auto* Tabs = dynamic_cast<TKsTabControl*>(Form->FindComponent("Tabs1"));
    ASSERT_NE(Tabs, nullptr);
    EXPECT_EQ(TabTexts(*Tabs), (std::vector<std::string>{"First", "第二"}));
    EXPECT_EQ(Tabs->TabIndex(), 1);
    EXPECT_EQ(Tabs->ActivePage(), Form->FindComponent("Sheet2"));
    auto* Inner = dynamic_cast<TKsTabControl*>(Form->FindComponent("Inner"));
    ASSERT_NE(Inner, nullptr);
    EXPECT_EQ(Inner->TabIndex(), 1);

    // Written again, the tabs of the pages are not stored twice, and the copy is the same.
    const std::string Written = WriteLayout(Form.get());
    size_t Stored = 0;
    for (size_t At = Written.find("Tabs.Strings"); At != std::string::npos;
         At = Written.find("Tabs.Strings", At + 1))
        ++Stored;
    EXPECT_EQ(Stored, 1u) << Written; // the inner control's own tabs
    std::unique_ptr<TForm> Copy = Read(Written);
    auto* Again = dynamic_cast<TKsTabControl*>(Copy->FindComponent("Tabs1"));
    ASSERT_NE(Again, nullptr);
    EXPECT_EQ(TabTexts(*Again), TabTexts(*Tabs));
    EXPECT_EQ(Again->PageCount(), 2);
    EXPECT_EQ(Again->TabIndex(), 1);
}

} // namespace
