#include "gallery/GalleryShowcase.h"

#include "app/FormParts.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/Properties.h"
#include "framework/windows/ControlClasses.h"
#include "skin/controls/KsComboBoxs.h"
#include "skin/controls/KsListBoxs.h"
#include "skin/forms/KsThemeForms.h"
#include "skin/menus/KsMenus.h"
#include "skin/menus/KsThemeItems.h"

#include <functional>
#include <string>

namespace {

const TMethodTable ShowcaseMethods{
    TPublished<TGalleryShowcaseFrm>::Method("CloseButtonClick",
                                            &TGalleryShowcaseFrm::CloseButtonClick),
};

const TMethodTable ControlBarMethods{
    TPublished<TGalleryControlBarFrm>::Method("BarCommandClick",
                                              &TGalleryControlBarFrm::BarCommandClick),
};

const TMethodTable ListBoxesMethods{
    TPublished<TGalleryListBoxesFrm>::Method("ListClick", &TGalleryListBoxesFrm::ListClick),
};

const TMethodTable ComboBoxesMethods{
    TPublished<TGalleryComboBoxesFrm>::Method("ComboChange", &TGalleryComboBoxesFrm::ComboChange),
};

const char* CheckStateName(TKsCheckBoxState State) {
    switch (State) {
    case TKsCheckBoxState::cbChecked:
        return "checked";
    case TKsCheckBoxState::cbGrayed:
        return "grayed";
    default:
        return "unchecked";
    }
}

// The check list's items: one in each state, and a checked one that cannot be changed.
void SetUpCheckList(TKsCustomListBox& List) {
    List.SetCheckState(1, TKsCheckBoxState::cbChecked);
    List.SetCheckState(2, TKsCheckBoxState::cbGrayed);
    List.SetCheckState(3, TKsCheckBoxState::cbChecked);
    List.SetItemEnabled(3, false);
}

void FillItems(TStrings& Items, int Count, const std::function<std::string(int)>& Text) {
    Items.BeginUpdate();
    for (int I = 1; I <= Count; ++I)
        Items.Add(Text(I));
    Items.EndUpdate();
}

void FillList(TKsCustomListBox& List, int Count, const std::function<std::string(int)>& Text) {
    FillItems(*List.Items(), Count, Text);
}

} // namespace

const TComponentClassOf<TGalleryShowcaseFrm> TGalleryShowcaseFrm::Class{
    "TGalleryShowcaseFrm", TForm::Class, nullptr, &ShowcaseMethods};
const TComponentClassOf<TGalleryToolWindowFrm> TGalleryToolWindowFrm::Class{
    "TGalleryToolWindowFrm", TGalleryShowcaseFrm::Class};
const TComponentClassOf<TGalleryTranslucentFrm> TGalleryTranslucentFrm::Class{
    "TGalleryTranslucentFrm", TGalleryShowcaseFrm::Class};
const TComponentClassOf<TGalleryAnimationFrm> TGalleryAnimationFrm::Class{
    "TGalleryAnimationFrm", TGalleryShowcaseFrm::Class};
const TComponentClassOf<TGalleryEditsFrm> TGalleryEditsFrm::Class{"TGalleryEditsFrm",
                                                                  TGalleryShowcaseFrm::Class};
const TComponentClassOf<TGalleryControlBarFrm> TGalleryControlBarFrm::Class{
    "TGalleryControlBarFrm", TGalleryShowcaseFrm::Class, nullptr, &ControlBarMethods};
const TComponentClassOf<TGalleryTabsFrm> TGalleryTabsFrm::Class{"TGalleryTabsFrm",
                                                                TGalleryShowcaseFrm::Class};
const TComponentClassOf<TGalleryListBoxesFrm> TGalleryListBoxesFrm::Class{
    "TGalleryListBoxesFrm", TGalleryShowcaseFrm::Class, nullptr, &ListBoxesMethods};

const TComponentClassOf<TGalleryComboBoxesFrm> TGalleryComboBoxesFrm::Class{
    "TGalleryComboBoxesFrm", TGalleryShowcaseFrm::Class, nullptr, &ComboBoxesMethods};

void ThemeMenuBarItems(TKsCustomMenuBar& Bar, TTeThemeEngine* Engine) {
    TKsCustomItem& Root = *Bar.Items();
    for (int I = 0; I < Root.Count(); ++I)
        if (auto* Themed = dynamic_cast<TTeThemeItem*>(Root.Items(I)))
            Themed->SetThemeEngine(Engine);
}

void TGalleryShowcaseFrm::CloseButtonClick(TObject*) {
    Close();
}

void TGalleryShowcaseFrm::ReadShowcaseLayout() {
    RegisterControlClasses();
    RegisterClass(ClassType());
    ReadFormLayout();
    FFrame = ComponentNamed<TTeThemeForm>(*this, "TeThemeForm1");
}

TGalleryToolWindowFrm::TGalleryToolWindowFrm(TComponent* AOwner) : TGalleryShowcaseFrm(AOwner) {
    ReadShowcaseLayout();
}

TGalleryTranslucentFrm::TGalleryTranslucentFrm(TComponent* AOwner) : TGalleryShowcaseFrm(AOwner) {
    ReadShowcaseLayout();
}

TGalleryAnimationFrm::TGalleryAnimationFrm(TComponent* AOwner) : TGalleryShowcaseFrm(AOwner) {
    ReadShowcaseLayout();
}

TGalleryEditsFrm::TGalleryEditsFrm(TComponent* AOwner) : TGalleryShowcaseFrm(AOwner) {
    ReadShowcaseLayout();
}

TGalleryControlBarFrm::TGalleryControlBarFrm(TComponent* AOwner) : TGalleryShowcaseFrm(AOwner) {
    ReadShowcaseLayout();
    ThemeMenuBarItems(*ComponentNamed<TKsCustomMenuBar>(*this, "BarMenu"), Frame().ThemeEngine());
}

void TGalleryControlBarFrm::BarCommandClick(TObject* Sender) {
    if (auto* Item = dynamic_cast<TKsCustomItem*>(Sender))
        SetCaption("Control bar: " + Item->Caption());
    else if (auto* Control = dynamic_cast<TControl*>(Sender))
        SetCaption("Control bar: " + Control->Caption());
}

TGalleryTabsFrm::TGalleryTabsFrm(TComponent* AOwner) : TGalleryShowcaseFrm(AOwner) {
    ReadShowcaseLayout();
}

TGalleryListBoxesFrm::TGalleryListBoxesFrm(TComponent* AOwner) : TGalleryShowcaseFrm(AOwner) {
    ReadShowcaseLayout();
    FillList(*ComponentNamed<TKsCustomListBox>(*this, "LongList"), 300,
             [](int I) { return "第 " + std::to_string(I) + " 项 · item " + std::to_string(I); });
    FillList(*ComponentNamed<TKsCustomListBox>(*this, "ColumnList"), 40,
             [](int I) { return "项 " + std::to_string(I); });
    SetUpCheckList(*ComponentNamed<TKsCustomListBox>(*this, "CheckList"));
    SetUpCheckList(*ComponentNamed<TKsCustomListBox>(*this, "ThemedCheckList"));
}

void TGalleryListBoxesFrm::ListClick(TObject* Sender) {
    auto* List = dynamic_cast<TKsCustomListBox*>(Sender);
    if (!List || List->ItemIndex() < 0)
        return;
    const int Current = List->ItemIndex();
    std::string Text = std::string(Title) + ": " + List->Items()->Strings(Current);
    if (List->ShowCheckBoxes())
        Text += std::string(" [") + CheckStateName(List->CheckState(Current)) + "]";
    if (List->MultiSelect())
        Text += " (" + std::to_string(List->SelCount()) + " selected)";
    SetCaption(Text);
}

TGalleryComboBoxesFrm::TGalleryComboBoxesFrm(TComponent* AOwner) : TGalleryShowcaseFrm(AOwner) {
    ReadShowcaseLayout();
    auto* Long = ComponentNamed<TKsCustomComboBox>(*this, "LongCombo");
    FillItems(*Long->Items(), 500,
              [](int I) { return "第 " + std::to_string(I) + " 项 · item " + std::to_string(I); });
    Long->SetItemIndex(0);
    ComponentNamed<TKsCustomComboBox>(*this, "FontCombo")->SetItemIndex(0);
}

void TGalleryComboBoxesFrm::ComboChange(TObject* Sender) {
    if (auto* Combo = dynamic_cast<TKsCustomComboBox*>(Sender))
        SetCaption(std::string(Title) + ": " + Combo->Text());
}

void TGalleryAnimationFrm::SetAnimation(TKsAnimation Animation) {
    // A value outside the enumeration (a layout's stray Tag) plays no animation.
    if (static_cast<int>(Animation) >= KsAnimationInfo.Count())
        Animation = TKsAnimation::kaNone;
    Frame().SetShowAnimation(Animation);
    SetCaption("Show animation: " + KsAnimationInfo.NameOf(static_cast<int>(Animation)));
}
