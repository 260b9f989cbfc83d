#include "gallery/GalleryDocuments.h"

#include "app/FormParts.h"

#include "framework/core/Properties.h"
#include "skin/forms/KsForms.h"
#include "skin/forms/KsThemeForms.h"
#include "skin/menus/KsItems.h"
#include "skin/menus/KsMenus.h"

#include <string>

namespace {

using P = TPublished<TGalleryDocumentsFrm>;
const TMethodTable DocumentsMethods{
    P::Method("CascadeClick", &TGalleryDocumentsFrm::CascadeClick),
    P::Method("TileClick", &TGalleryDocumentsFrm::TileClick),
    P::Method("ArrangeClick", &TGalleryDocumentsFrm::ArrangeClick),
    P::Method("NextClick", &TGalleryDocumentsFrm::NextClick),
};

// Where the documents start: each a little below and right of the one before.
constexpr int DocumentStep = 28;

} // namespace

const TComponentClassOf<TGalleryDocumentFrm> TGalleryDocumentFrm::Class{
    "TGalleryDocumentFrm", TGalleryShowcaseFrm::Class};
const TComponentClassOf<TGalleryDocumentsFrm> TGalleryDocumentsFrm::Class{
    "TGalleryDocumentsFrm", TGalleryShowcaseFrm::Class, nullptr, &DocumentsMethods};

TGalleryDocumentFrm::TGalleryDocumentFrm(TComponent* AOwner) : TGalleryShowcaseFrm(AOwner) {
    ReadShowcaseLayout();
}

TGalleryDocumentsFrm::TGalleryDocumentsFrm(TComponent* AOwner) : TGalleryShowcaseFrm(AOwner) {
    ReadShowcaseLayout();
    FMenuBar = ComponentNamed<TKsCustomMenuBar>(*this, "DocumentsMenu");
    ThemeMenuBarItems(*FMenuBar, Frame().ThemeEngine());
    FMenuBar->SetImages(&KsSysMenuImages());
    Frame().SetMenuBar(FMenuBar);
    for (int I = 0; I < DocumentCount; ++I) {
        auto* Document = new TGalleryDocumentFrm(this);
        std::string Caption = "Document ";
        Caption += std::to_string(I + 1);
        Document->SetCaption(Caption);
        Document->SetBounds(I * DocumentStep, I * DocumentStep, Document->Width(),
                            Document->Height());
        Document->Show();
        FDocuments.push_back(Document);
    }
}

void TGalleryDocumentsFrm::CascadeClick(TObject*) {
    Cascade();
}

void TGalleryDocumentsFrm::TileClick(TObject*) {
    Tile();
}

void TGalleryDocumentsFrm::ArrangeClick(TObject*) {
    ArrangeIcons();
}

void TGalleryDocumentsFrm::NextClick(TObject*) {
    Next();
}
