// The item tree: insertion, removal, moves and freeing, cycles refused, change reports up
// to the root, presentation handed down, action links and what layouts store of a linked
// item, accelerator and handler search, and item trees written nested in their menu.
#include "framework/core/ClassRegistry.h"
#include "framework/core/LayoutReader.h"
#include "framework/core/LayoutWriter.h"
#include "framework/core/Lists.h"
#include "framework/core/Properties.h"
#include "framework/windows/Actions.h"
#include "framework/windows/Forms.h"
#include "framework/windows/ImageLists.h"
#include "skin/menus/KsItemContainers.h"
#include "skin/menus/KsItems.h"
#include "skin/menus/KsMenus.h"
#include "skin/menus/KsMenusRegistration.h"
#include "skin/menus/KsThemeItems.h"
#include "skin/menus/KsThemeMenus.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeRegistration.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A menu component of the kind the skinned menus are: it owns a root item and takes the
// items a layout reads inside it.
class TTestMenu : public TComponent {
public:
    static const TComponentClassOf<TTestMenu> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TTestMenu(TComponent* AOwner)
        : TComponent(AOwner), FItems(std::make_unique<TKsCustomItem>(nullptr)) {
        RegisterItemContainer(Class, &AddItem, TKsCustomItem::Class);
        FItems->SetMenuComponent(this);
    }
    ~TTestMenu() override { UnregisterItemContainer(Class); }

    TKsCustomItem* Items() const { return FItems.get(); }
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override {
        FItems->GetChildren(Proc, Root);
    }

private:
    static void AddItem(TComponent& Container, TKsCustomItem& Item) {
        static_cast<TTestMenu&>(Container).Items()->Add(&Item);
    }
    std::unique_ptr<TKsCustomItem> FItems;
};

// The root of the layouts here, with the handlers they bind.
class TItemHost : public TComponent {
public:
    static const TComponentClassOf<TItemHost> Class;
    const TClass& ClassType() const override { return Class; }
    using TComponent::TComponent;

    void SaveExecute(TObject* Sender) { Senders.push_back(Sender); }
    void OpenClick(TObject* Sender) { Senders.push_back(Sender); }
    std::vector<TObject*> Senders;
};

namespace {

const TMethodTable ItemHostMethods{
    TPublished<TItemHost>::Method("SaveExecute", &TItemHost::SaveExecute),
    TPublished<TItemHost>::Method("OpenClick", &TItemHost::OpenClick),
};

} // namespace

const TComponentClassOf<TTestMenu> TTestMenu::Class{"TTestMenu", TComponent::Class};
const TComponentClassOf<TItemHost> TItemHost::Class{"TItemHost", TComponent::Class, nullptr,
                                                    &ItemHostMethods};

namespace {

// Records the items reported changed.
struct TChanges {
    std::vector<TKsCustomItem*> Items;
    void Changed(TKsCustomItem* Item) { Items.push_back(Item); }
};

class ItemTree : public ::testing::Test {
protected:
    TKsCustomItem* Make(const std::string& Caption, TKsCustomItem* Parent = nullptr) {
        auto* Item = new TKsCustomItem(&Host);
        Item->SetCaption(Caption);
        if (Parent)
            Parent->Add(Item);
        return Item;
    }

    TItemHost Host{nullptr};
    TKsCustomItem* Root = Make("root");
    TKsCustomItem* File = Make("&File", Root);
    TKsCustomItem* Open = Make("&Open", File);
    TKsCustomItem* Recent = Make("&Recent", Open);
    TKsCustomItem* Edit = Make("&Edit", Root);
};

TEST_F(ItemTree, InsertRemoveAndMoveKeepOneParent) {
    EXPECT_EQ(Root->Count(), 2);
    EXPECT_EQ(Root->IndexOf(Edit), 1);
    EXPECT_EQ(Recent->Root(), Root);
    EXPECT_THROW(Root->Items(2), EListError);

    File->Remove(Open);
    EXPECT_EQ(Open->Parent(), nullptr);
    Edit->Insert(0, Open);
    EXPECT_EQ(Open->Parent(), Edit);
    EXPECT_EQ(File->Count(), 0);
    EXPECT_THROW(File->Insert(1, Make("x")), EListError);
    EXPECT_THROW(File->Delete(0), EListError);
    Root->Remove(Recent); // not a direct sub-item: nothing happens
    EXPECT_EQ(Recent->Parent(), Open);
}

TEST_F(ItemTree, AnItemGoesUnderOneParentAndNeverUnderItselfOrItsDescendants) {
    EXPECT_THROW(Edit->Add(Open), EKsItemError);
    EXPECT_THROW(Recent->Add(File), EKsItemError);
    EXPECT_THROW(Open->Add(Open), EKsItemError);
    Root->Remove(File);
    EXPECT_THROW(Recent->Add(File), EKsItemError); // still its own descendant
    EXPECT_THROW(Recent->Insert(0, File), EKsItemError);
    EXPECT_EQ(Recent->Count(), 0);
    EXPECT_EQ(File->Parent(), nullptr);
    try {
        Edit->Add(Recent);
        FAIL();
    } catch (const EKsItemError& Error) {
        EXPECT_EQ(Error.Message(), "Toolbar item already inserted");
    }
}

TEST_F(ItemTree, FreeingAnItemFreesItsSubItemsAndLeavesItsParent) {
    const int Components = Host.ComponentCount();
    delete File;
    EXPECT_EQ(Host.ComponentCount(), Components - 3);
    EXPECT_EQ(Root->Count(), 1);
    Edit->Add(Make("a"));
    Edit->Add(Make("b"));
    Edit->Clear();
    EXPECT_EQ(Edit->Count(), 0);
    EXPECT_EQ(Host.ComponentCount(), Components - 3);
}

TEST_F(ItemTree, ChangesReachTheItemsAndTheRootsHandlerOnlyWhenSomethingChanged) {
    TChanges RootChanges, OpenChanges;
    Root->SetOnChange(MakeEvent(&RootChanges, &TChanges::Changed));
    Open->SetOnChange(MakeEvent(&OpenChanges, &TChanges::Changed));

    Open->SetCaption("&Open");
    Open->SetEnabled(true);
    Open->SetShortCut(scCtrl + 'O');
    Open->SetHint("no report");
    EXPECT_TRUE(RootChanges.Items.empty());

    Open->SetChecked(true);
    Recent->SetVisible(false);
    Root->SetImageIndex(3); // the root's own handler hears it twice, as item and as root
    EXPECT_EQ(OpenChanges.Items, std::vector<TKsCustomItem*>{Open});
    EXPECT_EQ(RootChanges.Items, (std::vector<TKsCustomItem*>{Root, Root, Root, Root}));

    RootChanges.Items.clear();
    Edit->Add(Make("new")); // the new item's caption was set before it joined
    Open->IncludeState(TComponentStateFlag::csLoading);
    Open->SetCaption("quiet while loading");
    Open->ExcludeState(TComponentStateFlag::csLoading);
    EXPECT_EQ(RootChanges.Items, std::vector<TKsCustomItem*>{Root});
}

TEST_F(ItemTree, PopupSettingsReachTheWholeTreeAndReadingOrderOneLevel) {
    File->SetPopupBlendValue(90);
    File->SetShowAnimation(TKsAnimation::kaFade);
    EXPECT_EQ(Recent->PopupBlendValue(), 90);
    EXPECT_EQ(Recent->ShowAnimation(), TKsAnimation::kaFade);
    EXPECT_EQ(Edit->PopupBlendValue(), 150);

    Root->SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_EQ(File->BiDiMode(), TBiDiMode::bdRightToLeft);
    EXPECT_EQ(Open->BiDiMode(), TBiDiMode::bdLeftToRight);
}

TEST_F(ItemTree, ImagesComeFromTheItemOrItsRootAndAFreedListIsForgotten) {
    auto* Pictures = new TImageList(&Host);
    auto* Own = new TImageList(&Host);
    Root->SetImages(Pictures);
    Open->SetImages(Own);
    EXPECT_EQ(Recent->GetImageList(), Pictures);
    EXPECT_EQ(Open->GetImageList(), Own);
    delete Own;
    EXPECT_EQ(Open->Images(), nullptr);
    EXPECT_EQ(Open->GetImageList(), Pictures);
}

TEST_F(ItemTree, SearchFindsAcceleratorsShortCutsAndHandlers) {
    Make("R&&D", Root);
    Make("Hi&dden", Root)->SetVisible(false);
    EXPECT_EQ(Root->FindItemByAccel(L'e'), Edit);
    EXPECT_EQ(Root->FindItemByAccel(L'D'), Root->Items(3)); // "&&" is a literal ampersand
    EXPECT_EQ(Root->FindItemByAccel(L'O'), nullptr);        // not a direct sub-item

    Recent->SetShortCut(scCtrl + 'R');
    Root->SetShortCut(scCtrl + 'R');
    EXPECT_EQ(Root->FindItemByShortCut(scCtrl + 'R'), Root);
    EXPECT_EQ(File->FindItemByShortCut(scCtrl + 'R'), Recent);

    Open->OnClick = MakeEvent(&Host, &TItemHost::OpenClick);
    TItemHost Other(nullptr);
    EXPECT_EQ(Root->FindItemByClick(MakeEvent(&Other, &TItemHost::OpenClick)), Open);
    EXPECT_EQ(Root->FindItemByClick(MakeEvent(&Host, &TItemHost::SaveExecute)), nullptr);
}

class ItemActions : public ItemTree {
protected:
    void SetUp() override {
        Save->SetCaption("Save");
        Save->SetHint("Save the picture");
        Save->SetShortCut(scCtrl + 'S');
        Save->SetImageIndex(2);
        Save->SetOnExecute(MakeEvent(&Host, &TItemHost::SaveExecute));
    }
    TAction* Save = new TAction(&Host);
};

TEST_F(ItemActions, AnItemFollowsItsActionWhileItShowsTheActionsValues) {
    Open->SetAction(Save);
    EXPECT_EQ(Open->Caption(), "Save");
    EXPECT_EQ(Open->ShortCut(), scCtrl + 'S');
    EXPECT_EQ(Open->ImageIndex(), 2);
    Save->SetEnabled(false);
    Save->SetHint("Other");
    EXPECT_FALSE(Open->Enabled());
    EXPECT_EQ(Open->Hint(), "Other");

    Open->SetCaption("Mine");
    EXPECT_FALSE(Open->ActionLink()->IsCaptionLinked());
    EXPECT_TRUE(Open->ActionLink()->IsHintLinked());
    Open->OnClick = MakeEvent(&Host, &TItemHost::OpenClick);
    EXPECT_FALSE(Open->ActionLink()->IsOnExecuteLinked());

    delete Save;
    EXPECT_EQ(Open->Action(), nullptr);
    EXPECT_EQ(Open->ActionLink(), nullptr);
}

TEST_F(ItemActions, AnActionTakenWhileLoadingFillsOnlyDefaults) {
    Open->SetShortCut(scCtrl + 'O');
    Save->IncludeState(TComponentStateFlag::csLoading);
    Open->SetAction(Save);
    Save->ExcludeState(TComponentStateFlag::csLoading);
    EXPECT_EQ(Open->Caption(), "&Open");
    EXPECT_EQ(Open->ShortCut(), scCtrl + 'O');
    EXPECT_EQ(Open->Hint(), "Save the picture");
    EXPECT_TRUE(Open->OnClick == Save->OnExecute());
}

const char* const MenuLayout = R"(object Host: TItemHost
  object Save: TAction
    Caption = 'Save'
    ShortCut = 16467
    OnExecute = SaveExecute
  end
  object Menu: TTestMenu
    object FileItem: TKsCustomItem
      Caption = '&File'
      object SaveItem: TKsCustomItem
        Action = Save
      end
      object OpenItem: TKsCustomItem
        Caption = '&Open'
        Enabled = False
        OnClick = OpenClick
      end
    end
    object HelpItem: TKsCustomItem
      Caption = '&Help'
      PopupBlend = True
      PopupBlendValue = 90
    end
  end
end
)";

TEST(ItemLayouts, ATreeIsReadIntoItsMenuAndWrittenBackAsItWas) {
    RegisterSkinMenus();
    RegisterClasses({&TItemHost::Class, &TTestMenu::Class, &TAction::Class});
    TItemHost Host(nullptr);
    ReadLayout(MenuLayout, &Host);
    auto* Menu = dynamic_cast<TTestMenu*>(Host.FindComponent("Menu"));
    auto* FileItem = dynamic_cast<TKsCustomItem*>(Host.FindComponent("FileItem"));
    auto* SaveItem = dynamic_cast<TKsCustomItem*>(Host.FindComponent("SaveItem"));
    ASSERT_TRUE(Menu && FileItem && SaveItem);
    EXPECT_EQ(Menu->Items()->Count(), 2);
    EXPECT_EQ(FileItem->Parent(), Menu->Items());
    EXPECT_EQ(FileItem->GetParentComponent(), Menu);
    EXPECT_EQ(SaveItem->Parent(), FileItem);
    EXPECT_EQ(SaveItem->Caption(), "Save");
    EXPECT_EQ(SaveItem->ShortCut(), scCtrl + 'S');
    EXPECT_FALSE(FileItem->Items(1)->Enabled());

    const std::string Text = WriteLayout(&Host);
    const std::string SaveBlock = Text.substr(
        Text.find("object SaveItem"), Text.find("object OpenItem") - Text.find("object SaveItem"));
    EXPECT_NE(SaveBlock.find("Action = Save"), std::string::npos) << Text;
    for (const char* Linked : {"Caption", "ShortCut", "OnClick"})
        EXPECT_EQ(SaveBlock.find(Linked), std::string::npos) << Linked << "\n" << Text;
    EXPECT_LT(Text.find("object Menu"), Text.find("object FileItem"));
    EXPECT_LT(Text.find("object FileItem"), Text.find("object SaveItem"));

    TItemHost Again(nullptr);
    ReadLayout(Text, &Again);
    EXPECT_EQ(WriteLayout(&Again), Text);
    auto* Help = dynamic_cast<TKsCustomItem*>(Again.FindComponent("HelpItem"));
    ASSERT_TRUE(Help);
    EXPECT_EQ(Help->PopupBlendValue(), 90);
    EXPECT_EQ(Help->GetParentComponent(), Again.FindComponent("Menu"));
}

TEST(ItemLayouts, AnItemReadInsideAComponentThatHoldsNoItemsStaysAlone) {
    RegisterSkinMenus();
    RegisterClasses({&TItemHost::Class, &TAction::Class});
    TItemHost Host(nullptr);
    ReadLayout(R"(object Host: TItemHost
  object Save: TAction
    object Stray: TKsCustomItem
      Caption = 'x'
    end
  end
end
)",
               &Host);
    auto* Stray = dynamic_cast<TKsCustomItem*>(Host.FindComponent("Stray"));
    ASSERT_TRUE(Stray);
    EXPECT_EQ(Stray->Parent(), nullptr);
}

} // namespace

namespace {

TEST(ItemLayouts, TheMenuBarAndTheThemedPopupMenuReadAndWriteTheirItems) {
    RegisterSkinThemes();
    RegisterSkinMenus();
    TForm Host(nullptr);
    ReadLayout(R"(object Host: TForm
  object Engine: TTeThemeEngine
    ColorAutoChanging = False
  end
  object Bar: TKsCustomMenuBar
    DropShadow = True
    ShadowWidth = 6
    object FileItem: TKsCustomItem
      Caption = '&File'
      object NewItem: TKsCustomItem
        Caption = '&New'
      end
    end
  end
  object Popup: TTeThemePopupMenu
    ThemeEngine = Engine
    Version = 'anything'
    object CopyItem: TTeThemeItem
      Caption = '&Copy'
    end
  end
end
)",
               &Host);
    auto* Bar = dynamic_cast<TKsCustomMenuBar*>(Host.FindComponent("Bar"));
    auto* Popup = dynamic_cast<TTeThemePopupMenu*>(Host.FindComponent("Popup"));
    auto* NewItem = dynamic_cast<TKsCustomItem*>(Host.FindComponent("NewItem"));
    auto* CopyItem = dynamic_cast<TTeThemeItem*>(Host.FindComponent("CopyItem"));
    ASSERT_TRUE(Bar && Popup && NewItem && CopyItem);
    EXPECT_EQ(Bar->Items()->Count(), 1);
    EXPECT_EQ(NewItem->Parent()->Parent(), Bar->Items());
    EXPECT_TRUE(NewItem->DropShadow());
    EXPECT_EQ(NewItem->ShadowWidth(), 6);
    EXPECT_EQ(CopyItem->Parent(), Popup->Items());
    EXPECT_EQ(CopyItem->ThemeEngine(), Host.FindComponent("Engine"));
    EXPECT_EQ(Popup->Version(), TTeThemeEngine::VersionText);

    const std::string Text = WriteLayout(&Host);
    const size_t PopupAt = Text.find("object Popup");
    EXPECT_EQ(Text.substr(PopupAt, Text.find("object CopyItem") - PopupAt).find("Version"),
              std::string::npos)
        << Text;
    EXPECT_LT(Text.find("object Bar"), Text.find("object FileItem"));
    EXPECT_LT(Text.find("object FileItem"), Text.find("object NewItem"));
    TForm Again(nullptr);
    ReadLayout(Text, &Again);
    EXPECT_EQ(WriteLayout(&Again), Text);
}

} // namespace
