// Actions and their clients: links that follow every change, actions freed before their
// clients, defaults kept while loading, clicks that run the action, and layouts that hold
// action lists, actions and the controls linked to them.
#include "WindowTestSupport.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/LayoutReader.h"
#include "framework/core/LayoutWriter.h"
#include "framework/core/Properties.h"
#include "framework/windows/Actions.h"
#include "framework/windows/ControlActions.h"
#include "framework/windows/ControlClasses.h"
#include "framework/windows/ImageLists.h"
#include "framework/windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A form with the handlers its layout binds, recording who ran them.
class TActionForm : public TForm {
public:
    static const TComponentClassOf<TActionForm> Class;
    const TClass& ClassType() const override { return Class; }
    using TForm::TForm;

    void SaveExecute(TObject* Sender) { Senders.push_back(Sender); }
    void OwnClick(TObject* Sender) { OwnSenders.push_back(Sender); }

    std::vector<TObject*> Senders;
    std::vector<TObject*> OwnSenders;
};

namespace {

const TMethodTable ActionFormMethods{
    TPublished<TActionForm>::Method("SaveExecute", &TActionForm::SaveExecute),
    TPublished<TActionForm>::Method("OwnClick", &TActionForm::OwnClick),
};

} // namespace

const TComponentClassOf<TActionForm> TActionForm::Class{"TActionForm", TForm::Class, nullptr,
                                                        &ActionFormMethods};

namespace {

// A control whose action changes the tests can ask for directly.
class TActionProbe : public TProbeControl {
public:
    using TControl::ActionChange;
    using TProbeControl::TProbeControl;
};

struct TActionsFixture : ::testing::Test {
    TActionForm Form{nullptr};
    TAction* Save = new TAction(&Form);
    TActionProbe* First = new TActionProbe(&Form);
    TActionProbe* Second = new TActionProbe(&Form);

    TActionsFixture() {
        Save->SetCaption("Save");
        Save->SetHint("Save the picture");
        Save->SetOnExecute(MakeEvent(&Form, &TActionForm::SaveExecute));
    }
};

using ActionLinks = TActionsFixture;

TEST_F(ActionLinks, ControlsTakeTheActionAndFollowEveryChange) {
    First->SetAction(Save);
    Second->SetAction(Save);
    EXPECT_EQ(Save->ClientCount(), 2);
    EXPECT_EQ(First->Caption(), "Save");
    EXPECT_EQ(First->Hint(), "Save the picture");
    EXPECT_TRUE(First->OnClick == Save->OnExecute());

    Save->SetCaption("Save as");
    Save->SetEnabled(false);
    Save->SetVisible(false);
    Save->SetHint("Another file");
    for (TControl* Control : {static_cast<TControl*>(First), static_cast<TControl*>(Second)}) {
        EXPECT_EQ(Control->Caption(), "Save as");
        EXPECT_FALSE(Control->Enabled());
        EXPECT_FALSE(Control->Visible());
        EXPECT_EQ(Control->Hint(), "Another file");
    }
    const TNotifyEvent Other = MakeEvent(&Form, &TActionForm::OwnClick);
    Save->SetOnExecute(Other);
    EXPECT_TRUE(First->OnClick == Other);
}

TEST_F(ActionLinks, ALinkIsToldOnlyOfRealChanges) {
    struct TCounter : TObject {
        int Changes = 0;
        void Changed(TObject*) { ++Changes; }
    } Counter;
    TActionLink Link;
    Link.OnChange = MakeEvent(&Counter, &TCounter::Changed);
    Link.SetAction(Save);
    Save->SetCaption("Save");
    Save->SetEnabled(true);
    Save->SetImageIndex(-1);
    EXPECT_EQ(Counter.Changes, 0);
    Save->SetChecked(true);
    Save->SetShortCut(scCtrl + 'S');
    Save->SetHelpContext(12);
    Save->SetImageIndex(3);
    EXPECT_EQ(Counter.Changes, 4);
    EXPECT_TRUE(Link.IsShortCutLinked());
}

TEST_F(ActionLinks, AnotherActionOrNoneLeavesTheFormerOne) {
    TAction Other(nullptr);
    Other.SetCaption("Copy");
    First->SetAction(Save);
    First->SetAction(&Other);
    EXPECT_EQ(Save->ClientCount(), 0);
    EXPECT_EQ(First->Caption(), "Copy");
    Save->SetCaption("Changed");
    EXPECT_EQ(First->Caption(), "Copy");

    First->SetAction(nullptr);
    EXPECT_EQ(Other.ClientCount(), 0);
    EXPECT_EQ(First->ActionLink(), nullptr);
    Other.SetCaption("Later");
    EXPECT_EQ(First->Caption(), "Copy");
}

TEST_F(ActionLinks, AControlKeepsWhatItDiffersInWhenWritten) {
    First->SetAction(Save);
    Second->SetAction(Save);
    Second->SetCaption("Mine");
    const TControlActionLink* Link = Second->ActionLink();
    ASSERT_NE(Link, nullptr);
    EXPECT_FALSE(Link->IsCaptionLinked());
    EXPECT_TRUE(Link->IsHintLinked());
    EXPECT_TRUE(First->ActionLink()->IsCaptionLinked());
    EXPECT_TRUE(First->ActionLink()->IsOnExecuteLinked());
}

using FreedActions = TActionsFixture;

TEST_F(FreedActions, LeaveTheirClientsWorkingWithoutThem) {
    First->SetAction(Save);
    TActionLink Bare;
    Bare.SetAction(Save);
    delete Save;
    EXPECT_EQ(First->Action(), nullptr);
    EXPECT_EQ(First->ActionLink(), nullptr);
    EXPECT_EQ(Bare.Action(), nullptr);
    EXPECT_FALSE(Bare.Execute());
    EXPECT_FALSE(Bare.Update());
    EXPECT_EQ(First->Caption(), "Save");
    // The handler the action gave still belongs to the living form.
    First->Click();
    EXPECT_EQ(Form.Senders, std::vector<TObject*>{First});
    First->SetCaption("Still here");
    const std::string Text = WriteLayout(&Form);
    EXPECT_EQ(Text.find("Action ="), std::string::npos) << Text;
}

TEST_F(FreedActions, ClientsFreedFirstLeaveTheAction) {
    First->SetAction(Save);
    Second->SetAction(Save);
    delete First;
    EXPECT_EQ(Save->ClientCount(), 1);
    Save->SetCaption("After");
    EXPECT_EQ(Second->Caption(), "After");
    {
        TActionLink Scoped;
        Scoped.SetAction(Save);
        EXPECT_EQ(Save->ClientCount(), 2);
    }
    EXPECT_EQ(Save->ClientCount(), 1);
}

TEST(FreedActionLists, ListsImagesAndActionsForgetEachOther) {
    TComponent Owner(nullptr);
    auto* List = new TActionList(&Owner);
    auto* Images = new TImageList(&Owner);
    auto* Save = new TAction(&Owner);
    auto* Copy = new TAction(&Owner);
    Save->SetActionList(List);
    Copy->SetActionList(List);
    List->SetImages(Images);
    EXPECT_EQ(Save->Images(), Images);
    EXPECT_EQ(List->ActionCount(), 2);
    delete Copy;
    EXPECT_EQ(List->ActionCount(), 1);
    EXPECT_THROW(List->Actions(1), EListError);
    delete Images;
    EXPECT_EQ(List->Images(), nullptr);
    EXPECT_EQ(Save->Images(), nullptr);
    delete List;
    EXPECT_EQ(Save->ActionList(), nullptr);
    EXPECT_FALSE(Save->HasParent());
}

using ActionChanges = TActionsFixture;

TEST_F(ActionChanges, CheckingDefaultsKeepsWhatTheControlSetItself) {
    Save->SetEnabled(false);
    Save->SetVisible(false);
    First->SetCaption("Own");
    First->OnClick = MakeEvent(&Form, &TActionForm::OwnClick);
    First->ActionChange(Save, true);
    EXPECT_EQ(First->Caption(), "Own");
    EXPECT_EQ(First->Hint(), "Save the picture");
    EXPECT_FALSE(First->Enabled());
    EXPECT_FALSE(First->Visible());
    EXPECT_TRUE(First->OnClick == MakeEvent(&Form, &TActionForm::OwnClick));

    // A control already disabled or hidden by itself keeps that, whatever the action says.
    Save->SetEnabled(true);
    Second->SetEnabled(false);
    Second->ActionChange(Save, true);
    EXPECT_FALSE(Second->Enabled());

    First->ActionChange(Save, false);
    EXPECT_EQ(First->Caption(), "Save");
    EXPECT_TRUE(First->Enabled());
    EXPECT_TRUE(First->OnClick == Save->OnExecute());
}

TEST_F(ActionChanges, AnActionStillLoadingGivesOnlyDefaults) {
    First->SetCaption("Own");
    Save->IncludeState(TComponentStateFlag::csLoading);
    First->SetAction(Save);
    EXPECT_EQ(First->Caption(), "Own");
    EXPECT_EQ(First->Hint(), "Save the picture");
    Save->ExcludeState(TComponentStateFlag::csLoading);
    First->SetAction(nullptr);
    First->SetAction(Save);
    EXPECT_EQ(First->Caption(), "Save");
}

TEST_F(ActionChanges, SomethingElseThanACustomActionChangesNothing) {
    TBasicAction Plain(nullptr);
    First->SetCaption("Own");
    First->SetAction(&Plain);
    EXPECT_EQ(First->Caption(), "Own");
    EXPECT_FALSE(First->ActionLink()->IsCaptionLinked());
    EXPECT_FALSE(First->OnClick);
}

using ActionClicks = TActionsFixture;

TEST_F(ActionClicks, ALinkedControlClicksThroughItsAction) {
    int Updates = 0;
    struct TUpdater : TObject {
        int* Count;
        void Update(TObject*) { ++*Count; }
    } Updater;
    Updater.Count = &Updates;
    Save->OnUpdate = MakeEvent(&Updater, &TUpdater::Update);
    First->SetAction(Save);
    First->Click();
    EXPECT_EQ(Form.Senders, std::vector<TObject*>{Save});
    EXPECT_EQ(Updates, 1);
    EXPECT_EQ(First->Clicks, 1);

    // Without OnClick the action runs all the same.
    First->OnClick = TNotifyEvent();
    First->Click();
    EXPECT_EQ(Form.Senders.size(), 2u);

    // A disabled action runs nothing.
    Save->SetEnabled(false);
    First->Click();
    EXPECT_EQ(Form.Senders.size(), 2u);
}

TEST_F(ActionClicks, AHandlerOfTheControlsOwnWinsOverTheAction) {
    First->SetAction(Save);
    First->OnClick = MakeEvent(&Form, &TActionForm::OwnClick);
    First->Click();
    EXPECT_TRUE(Form.Senders.empty());
    EXPECT_EQ(Form.OwnSenders, std::vector<TObject*>{First});
}

TEST_F(ActionClicks, AFrameworkButtonRunsItsAction) {
    auto* Button = new TButton(&Form);
    Button->SetParent(&Form);
    Button->SetAction(Save);
    EXPECT_EQ(Button->Caption(), "Save");
    Button->Click();
    EXPECT_EQ(Form.Senders, std::vector<TObject*>{Save});
}

const char* const ActionLayout = R"(object ActionForm: TActionForm
  Width = 300
  Height = 200
  object Pictures: TImageList
    Width = 20
    Height = 18
  end
  object Commands: TActionList
    Images = Pictures
    object Save: TAction
      Caption = 'Save'
      Hint = 'Save the picture'
      ImageIndex = 2
      ShortCut = 16467
      OnExecute = SaveExecute
    end
    object Hidden: TAction
      Enabled = False
      Visible = False
    end
  end
  object SaveButton: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Action = Save
  end
  object OwnButton: TButton
    Left = 8
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Mine'
    Action = Save
    OnClick = OwnClick
  end
  object HiddenButton: TButton
    Left = 8
    Top = 72
    Width = 75
    Height = 25
    Action = Hidden
  end
end
)";

void ExpectReadAsWritten(TActionForm& Form) {
    auto* Save = dynamic_cast<TAction*>(Form.FindComponent("Save"));
    auto* Commands = dynamic_cast<TActionList*>(Form.FindComponent("Commands"));
    auto* Pictures = dynamic_cast<TImageList*>(Form.FindComponent("Pictures"));
    auto* SaveButton = dynamic_cast<TButton*>(Form.FindComponent("SaveButton"));
    auto* OwnButton = dynamic_cast<TButton*>(Form.FindComponent("OwnButton"));
    auto* HiddenButton = dynamic_cast<TButton*>(Form.FindComponent("HiddenButton"));
    ASSERT_TRUE(Save && Commands && Pictures && SaveButton && OwnButton && HiddenButton);
    EXPECT_EQ(Pictures->Width(), 20);
    EXPECT_EQ(Pictures->Height(), 18);
    EXPECT_EQ(Save->ActionList(), Commands);
    EXPECT_EQ(Commands->ActionCount(), 2);
    EXPECT_EQ(Save->Images(), Pictures);
    EXPECT_EQ(Save->ImageIndex(), 2);
    EXPECT_EQ(Save->ShortCut(), scCtrl + 'S');
    EXPECT_EQ(SaveButton->Action(), Save);
    EXPECT_EQ(SaveButton->Caption(), "Save");
    EXPECT_EQ(SaveButton->Hint(), "Save the picture");
    EXPECT_EQ(SaveButton->Parent(), &Form);
    EXPECT_EQ(OwnButton->Caption(), "Mine");
    EXPECT_FALSE(HiddenButton->Enabled());
    EXPECT_FALSE(HiddenButton->Visible());

    Form.Senders.clear();
    SaveButton->Click();
    OwnButton->Click();
    EXPECT_EQ(Form.Senders, std::vector<TObject*>{Save});
    EXPECT_EQ(Form.OwnSenders, std::vector<TObject*>{OwnButton});
}

TEST(ActionLayouts, ListsActionsAndLinkedButtonsSurviveARoundTrip) {
    RegisterControlClasses();
    RegisterClass(TActionForm::Class);
    TActionForm Form(nullptr);
    ReadLayout(ActionLayout, &Form);
    ExpectReadAsWritten(Form);

    const std::string Text = WriteLayout(&Form);
    // The actions are written inside their list; a linked button leaves to its action what
    // it shows as the action does.
    EXPECT_LT(Text.find("object Commands"), Text.find("object Save: TAction"));
    EXPECT_LT(Text.find("object Save: TAction"), Text.find("object SaveButton"));
    const std::string SaveButton =
        Text.substr(Text.find("object SaveButton"),
                    Text.find("object OwnButton") - Text.find("object SaveButton"));
    EXPECT_NE(SaveButton.find("Action = Save"), std::string::npos) << Text;
    for (const char* Linked : {"Caption", "Hint", "OnClick"})
        EXPECT_EQ(SaveButton.find(Linked), std::string::npos) << Linked << "\n" << Text;
    const std::string Rest = Text.substr(Text.find("object OwnButton"));
    EXPECT_NE(Rest.find("Caption = 'Mine'"), std::string::npos) << Text;
    EXPECT_NE(Rest.find("OnClick = OwnClick"), std::string::npos) << Text;
    EXPECT_EQ(Rest.find("Enabled = False"), std::string::npos) << Text;

    TActionForm Again(nullptr);
    ReadLayout(Text, &Again);
    ExpectReadAsWritten(Again);
    EXPECT_EQ(WriteLayout(&Again), Text);
}

} // namespace
