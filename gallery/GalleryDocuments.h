// The gallery's multiple-document window: a skinned parent with a skinned menu bar whose
// Window menu cascades, tiles and steps through its documents, and three skinned documents,
// each with a few themed controls. A maximised document puts its caption buttons on the
// parent's bar and its name in the parent's caption.
#pragma once

#include "gallery/GalleryShowcase.h"

#include <vector>

class TKsCustomMenuBar;

class TGalleryDocumentFrm : public TGalleryShowcaseFrm {
public:
    static const TComponentClassOf<TGalleryDocumentFrm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TGalleryDocumentFrm(TComponent* AOwner);
};

class TGalleryDocumentsFrm : public TGalleryShowcaseFrm {
public:
    static const TComponentClassOf<TGalleryDocumentsFrm> Class;
    const TClass& ClassType() const override { return Class; }

    static constexpr const char* Title = "Documents";
    static constexpr int DocumentCount = 3;

    explicit TGalleryDocumentsFrm(TComponent* AOwner);

    TKsCustomMenuBar* MenuBar() const { return FMenuBar; }
    TGalleryDocumentFrm* Document(int Index) const { return FDocuments.at(Index); }

    void CascadeClick(TObject* Sender);
    void TileClick(TObject* Sender);
    void ArrangeClick(TObject* Sender);
    void NextClick(TObject* Sender);

private:
    TKsCustomMenuBar* FMenuBar = nullptr;
    std::vector<TGalleryDocumentFrm*> FDocuments;
};
