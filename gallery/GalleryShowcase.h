// The gallery's other forms, each a showcase of one kind of skinned window or control: a
// tool-window frame like Snapvale's About box, a translucent form, a form shown with a
// chosen show animation, the skinned edits in each of their looks, a control bar holding a
// menu bar and two bands of buttons, tab controls on every side, in rows and scrolling, with
// pages, and the skinned list boxes. Each has a Close button and a themed frame on the main
// window's engine.
#pragma once

#include "framework/windows/Forms.h"
#include "skin/forms/KsFormTypes.h"

class TKsCustomMenuBar;
class TTeThemeEngine;
class TTeThemeForm;

// A menu bar's root is a plain item: its themed menus take the engine one by one.
void ThemeMenuBarItems(TKsCustomMenuBar& Bar, TTeThemeEngine* Engine);

class TGalleryShowcaseFrm : public TForm {
public:
    static const TComponentClassOf<TGalleryShowcaseFrm> Class;
    const TClass& ClassType() const override { return Class; }

    using TForm::TForm;

    void CloseButtonClick(TObject* Sender);

protected:
    // Reads the layout named after the form's class; the derived constructors call it.
    void ReadShowcaseLayout();
    TTeThemeForm& Frame() const { return *FFrame; }

private:
    TTeThemeForm* FFrame = nullptr;
};

class TGalleryToolWindowFrm : public TGalleryShowcaseFrm {
public:
    static const TComponentClassOf<TGalleryToolWindowFrm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TGalleryToolWindowFrm(TComponent* AOwner);
};

class TGalleryTranslucentFrm : public TGalleryShowcaseFrm {
public:
    static const TComponentClassOf<TGalleryTranslucentFrm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TGalleryTranslucentFrm(TComponent* AOwner);
};

class TGalleryAnimationFrm : public TGalleryShowcaseFrm {
public:
    static const TComponentClassOf<TGalleryAnimationFrm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TGalleryAnimationFrm(TComponent* AOwner);

    // The animation the next showing plays, named in the caption.
    void SetAnimation(TKsAnimation Animation);
};

class TGalleryEditsFrm : public TGalleryShowcaseFrm {
public:
    static const TComponentClassOf<TGalleryEditsFrm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TGalleryEditsFrm(TComponent* AOwner);
};

// A control bar at the top holding a skinned menu bar and two bands of themed buttons that
// can be moved, torn off and docked again. The caption names the last command.
class TGalleryControlBarFrm : public TGalleryShowcaseFrm {
public:
    static const TComponentClassOf<TGalleryControlBarFrm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TGalleryControlBarFrm(TComponent* AOwner);

    void BarCommandClick(TObject* Sender);
};

// Tab controls on every side, in rows and scrolling, and one with pages of other controls.
class TGalleryTabsFrm : public TGalleryShowcaseFrm {
public:
    static const TComponentClassOf<TGalleryTabsFrm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TGalleryTabsFrm(TComponent* AOwner);
};

// List boxes, plain and themed: a long list, check boxes in three states, a multi-select
// list, three columns, word-wrapped text, font samples and colour names. The caption names
// the current item of the last list clicked, with its check box or the selection's size.
class TGalleryListBoxesFrm : public TGalleryShowcaseFrm {
public:
    static const TComponentClassOf<TGalleryListBoxesFrm> Class;
    const TClass& ClassType() const override { return Class; }

    static constexpr const char* Title = "List boxes";

    explicit TGalleryListBoxesFrm(TComponent* AOwner);

    void ListClick(TObject* Sender);
};

// Combo boxes, plain and themed: typing completed from the items, a list with its button on
// the left, a long list, font samples, and one near the bottom of the window that opens its
// list above itself where the screen ends below it. The caption names the last change.
class TGalleryComboBoxesFrm : public TGalleryShowcaseFrm {
public:
    static const TComponentClassOf<TGalleryComboBoxesFrm> Class;
    const TClass& ClassType() const override { return Class; }

    static constexpr const char* Title = "Combo boxes";

    explicit TGalleryComboBoxesFrm(TComponent* AOwner);

    void ComboChange(TObject* Sender);
};
