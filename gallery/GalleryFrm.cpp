#include "gallery/GalleryFrm.h"

#include "app/FormParts.h"
#include "gallery/GalleryDocuments.h"
#include "gallery/GalleryShowcase.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/Properties.h"
#include "framework/windows/ControlClasses.h"
#include "skin/controls/KsScrollBars.h"
#include "skin/controls/KsThemeButtons.h"
#include "skin/forms/KsForms.h"
#include "skin/forms/KsThemeForms.h"
#include "skin/menus/KsItems.h"
#include "skin/menus/KsMenus.h"
#include "skin/menus/KsThemeMenus.h"

TGalleryFrm* GalleryFrm = nullptr;

namespace {

using P = TPublished<TGalleryFrm>;
const TMethodTable GalleryFrmMethods{
    P::Method("ButtonClick", &TGalleryFrm::ButtonClick),
    P::Method("MenuCommandClick", &TGalleryFrm::MenuCommandClick),
    P::Method("CheckItemClick", &TGalleryFrm::CheckItemClick),
    P::Method("HueBarChange", &TGalleryFrm::HueBarChange),
    P::Method("BrightnessBarChange", &TGalleryFrm::BrightnessBarChange),
    P::Method("BlendSwitchClick", &TGalleryFrm::BlendSwitchClick),
    P::Method("OpacityBarChange", &TGalleryFrm::OpacityBarChange),
    P::Method("ToolWindowClick", &TGalleryFrm::ToolWindowClick),
    P::Method("TranslucentClick", &TGalleryFrm::TranslucentClick),
    P::Method("AnimationClick", &TGalleryFrm::AnimationClick),
    P::Method("EditsClick", &TGalleryFrm::EditsClick),
    P::Method("ControlBarClick", &TGalleryFrm::ControlBarClick),
    P::Method("TabsClick", &TGalleryFrm::TabsClick),
    P::Method("ListBoxesClick", &TGalleryFrm::ListBoxesClick),
    P::Method("ComboBoxesClick", &TGalleryFrm::ComboBoxesClick),
    P::Method("DocumentsClick", &TGalleryFrm::DocumentsClick),
    P::Method("SliderPanelKeyDown", &TGalleryFrm::SliderPanelKeyDown),
};

// A caption without its accelerator marks: "&Yes" reads "Yes".
std::string PlainCaption(const std::string& Caption) {
    std::string Result;
    for (size_t I = 0; I < Caption.size(); ++I) {
        if (Caption[I] == '&' && I + 1 < Caption.size())
            ++I;
        Result += Caption[I];
    }
    return Result;
}

// Shows a form that may be open already, from the start of its show animation.
void ShowAgain(TCustomForm& Form) {
    if (Form.Visible())
        Form.Hide();
    Form.Show();
}

} // namespace

const TComponentClassOf<TGalleryFrm> TGalleryFrm::Class{"TGalleryFrm", TForm::Class, nullptr,
                                                        &GalleryFrmMethods};

TGalleryFrm::TGalleryFrm(TComponent* AOwner) : TForm(AOwner) {
    RegisterControlClasses();
    RegisterClass(Class);
    ReadFormLayout();
    FEngine = ComponentNamed<TTeThemeEngine>(*this, "TeThemeEngine1");
    FFrame = ComponentNamed<TTeThemeForm>(*this, "TeThemeForm1");
    FHueBar = ComponentNamed<TKsCustomScrollBar>(*this, "HueBar");
    FBrightnessBar = ComponentNamed<TKsCustomScrollBar>(*this, "BrightnessBar");
    FOpacityBar = ComponentNamed<TKsCustomScrollBar>(*this, "OpacityBar");
    FBlendSwitch = ComponentNamed<TTeThemeButton>(*this, "BlendSwitch");
    FHueBar->SetPosition(FEngine->DeltaHue());
    FBrightnessBar->SetPosition(FEngine->DeltaBrightness());
    FOpacityBar->SetPosition(FFrame->BlendValue());
    ShowBlend();
    SetUpMenus();
}

void TGalleryFrm::SetUpMenus() {
    FMenuBar = ComponentNamed<TKsCustomMenuBar>(*this, "MainMenu");
    FPanelMenu = ComponentNamed<TTeThemePopupMenu>(*this, "PanelMenu");
    ThemeMenuBarItems(*FMenuBar, FEngine);
    // The system menu's glyphs picture the window commands.
    FMenuBar->SetImages(&KsSysMenuImages());
    FPanelMenu->SetImages(&KsSysMenuImages());
    // Alt with a letter and the items' short-cuts reach the bar through the frame.
    FFrame->SetMenuBar(FMenuBar);
}

void TGalleryFrm::ShowCommand(const std::string& Caption) {
    SetCaption(std::string(Title) + ": " + PlainCaption(Caption));
}

void TGalleryFrm::ButtonClick(TObject* Sender) {
    if (auto* Button = dynamic_cast<TControl*>(Sender))
        ShowCommand(Button->Caption());
}

void TGalleryFrm::MenuCommandClick(TObject* Sender) {
    if (auto* Item = dynamic_cast<TKsCustomItem*>(Sender))
        ShowCommand(Item->Caption());
}

void TGalleryFrm::CheckItemClick(TObject* Sender) {
    auto* Item = dynamic_cast<TKsCustomItem*>(Sender);
    if (!Item)
        return;
    Item->SetChecked(!Item->Checked());
    ShowCommand(Item->Caption() + (Item->Checked() ? " on" : " off"));
}

void TGalleryFrm::HueBarChange(TObject*) {
    FEngine->SetDeltaHue(FHueBar->Position());
}

void TGalleryFrm::BrightnessBarChange(TObject*) {
    FEngine->SetDeltaBrightness(FBrightnessBar->Position());
}

void TGalleryFrm::BlendSwitchClick(TObject*) {
    FFrame->SetBlend(!FFrame->Blend());
    ShowBlend();
}

void TGalleryFrm::OpacityBarChange(TObject*) {
    FFrame->SetBlendValue(FOpacityBar->Position());
}

void TGalleryFrm::ShowBlend() {
    FBlendSwitch->SetCaption(FFrame->Blend() ? "Translucent window: on"
                                             : "Translucent window: off");
}

void TGalleryFrm::ToolWindowClick(TObject*) {
    if (!FToolWindow)
        FToolWindow = new TGalleryToolWindowFrm(this);
    ShowAgain(*FToolWindow);
}

void TGalleryFrm::TranslucentClick(TObject*) {
    if (!FTranslucent)
        FTranslucent = new TGalleryTranslucentFrm(this);
    ShowAgain(*FTranslucent);
}

void TGalleryFrm::AnimationClick(TObject* Sender) {
    auto* Button = dynamic_cast<TComponent*>(Sender);
    if (!Button)
        return;
    if (!FAnimation)
        FAnimation = new TGalleryAnimationFrm(this);
    FAnimation->SetAnimation(static_cast<TKsAnimation>(Button->Tag()));
    ShowAgain(*FAnimation);
}

void TGalleryFrm::EditsClick(TObject*) {
    if (!FEdits)
        FEdits = new TGalleryEditsFrm(this);
    ShowAgain(*FEdits);
}

void TGalleryFrm::ControlBarClick(TObject*) {
    if (!FControlBar)
        FControlBar = new TGalleryControlBarFrm(this);
    ShowAgain(*FControlBar);
}

void TGalleryFrm::TabsClick(TObject*) {
    if (!FTabs)
        FTabs = new TGalleryTabsFrm(this);
    ShowAgain(*FTabs);
}

void TGalleryFrm::ListBoxesClick(TObject*) {
    if (!FListBoxes)
        FListBoxes = new TGalleryListBoxesFrm(this);
    ShowAgain(*FListBoxes);
}

void TGalleryFrm::ComboBoxesClick(TObject*) {
    if (!FComboBoxes)
        FComboBoxes = new TGalleryComboBoxesFrm(this);
    ShowAgain(*FComboBoxes);
}

void TGalleryFrm::DocumentsClick(TObject*) {
    if (!FDocuments)
        FDocuments = new TGalleryDocumentsFrm(this);
    ShowAgain(*FDocuments);
}

void TGalleryFrm::SliderPanelKeyDown(TObject* Sender, TKey& Key, TShiftState) {
    auto* Panel = dynamic_cast<TWinControl*>(Sender);
    if (!Panel || Panel->ControlCount() == 0)
        return;
    auto* Bar = dynamic_cast<TKsCustomScrollBar*>(Panel->Controls(0));
    if (!Bar)
        return;
    switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        Bar->ScrollStep(Key);
        Key = 0;
        break;
    default:
        break;
    }
}
