#include "gallery/GalleryShowcase.h"

#include "app/FormParts.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/Properties.h"
#include "framework/windows/ControlClasses.h"
#include "skin/forms/KsThemeForms.h"
#include "skin/menus/KsMenus.h"
#include "skin/menus/KsThemeItems.h"

namespace {

const TMethodTable ShowcaseMethods{
    TPublished<TGalleryShowcaseFrm>::Method("CloseButtonClick",
                                            &TGalleryShowcaseFrm::CloseButtonClick),
};

const TMethodTable ControlBarMethods{
    TPublished<TGalleryControlBarFrm>::Method("BarCommandClick",
                                              &TGalleryControlBarFrm::BarCommandClick),
};

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
    // The bar's root is a plain item: its themed menus take the engine one by one.
    TKsCustomItem& Root = *ComponentNamed<TKsCustomMenuBar>(*this, "BarMenu")->Items();
    for (int I = 0; I < Root.Count(); ++I)
        if (auto* Themed = dynamic_cast<TTeThemeItem*>(Root.Items(I)))
            Themed->SetThemeEngine(Frame().ThemeEngine());
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

void TGalleryAnimationFrm::SetAnimation(TKsAnimation Animation) {
    // A value outside the enumeration (a layout's stray Tag) plays no animation.
    if (static_cast<int>(Animation) >= KsAnimationInfo.Count())
        Animation = TKsAnimation::kaNone;
    Frame().SetShowAnimation(Animation);
    SetCaption("Show animation: " + KsAnimationInfo.NameOf(static_cast<int>(Animation)));
}
