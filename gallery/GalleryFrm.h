// The skin gallery's main window: every skinned piece that exists so far, live under one
// theme engine, whose theme a switcher changes. Push buttons in every stock kind, themed and
// plain; a speed container with dividers; scroll bars; the engine's hue and brightness
// shifts and the window's own translucency on scroll bars; buttons that open the gallery's
// other forms; a skinned menu bar with themed items (nested sub-menus, pictures, check marks,
// short-cuts, a disabled item, a scrolled list) and a panel with a themed right-click menu.
// The caption names the last button pressed or menu command run.
#pragma once

#include "framework/windows/ExtCtrls.h"
#include "framework/windows/Forms.h"

class TGalleryAnimationFrm;
class TGalleryComboBoxesFrm;
class TGalleryControlBarFrm;
class TGalleryDocumentsFrm;
class TGalleryEditsFrm;
class TGalleryTabsFrm;
class TGalleryListBoxesFrm;
class TGalleryToolWindowFrm;
class TGalleryTranslucentFrm;
class TKsCustomMenuBar;
class TKsCustomScrollBar;
class TTeThemeButton;
class TTeThemeEngine;
class TTeThemeForm;
class TTeThemePopupMenu;

class TGalleryFrm : public TForm {
public:
    static const TComponentClassOf<TGalleryFrm> Class;
    const TClass& ClassType() const override { return Class; }

    static constexpr const char* Title = "Skin Gallery";

    explicit TGalleryFrm(TComponent* AOwner);

    void ButtonClick(TObject* Sender);
    void MenuCommandClick(TObject* Sender);
    // Toggles the sender item's check mark, then names it like any command.
    void CheckItemClick(TObject* Sender);
    void HueBarChange(TObject* Sender);
    void BrightnessBarChange(TObject* Sender);
    void BlendSwitchClick(TObject* Sender);
    void OpacityBarChange(TObject* Sender);
    void ToolWindowClick(TObject* Sender);
    void TranslucentClick(TObject* Sender);
    // The sender's Tag is the show animation to play.
    void AnimationClick(TObject* Sender);
    void EditsClick(TObject* Sender);
    void ControlBarClick(TObject* Sender);
    void TabsClick(TObject* Sender);
    void ListBoxesClick(TObject* Sender);
    void ComboBoxesClick(TObject* Sender);
    // The multiple-document window, from the Window menu.
    void DocumentsClick(TObject* Sender);
    // The focused slider panel steps its scroll bar with the arrow and page keys.
    void SliderPanelKeyDown(TObject* Sender, TKey& Key, TShiftState Shift);

private:
    void ShowBlend();
    void ShowCommand(const std::string& Caption);
    void SetUpMenus();

    TTeThemeEngine* FEngine = nullptr;
    TTeThemeForm* FFrame = nullptr;
    TKsCustomMenuBar* FMenuBar = nullptr;
    TTeThemePopupMenu* FPanelMenu = nullptr;
    TKsCustomScrollBar* FHueBar = nullptr;
    TKsCustomScrollBar* FBrightnessBar = nullptr;
    TKsCustomScrollBar* FOpacityBar = nullptr;
    TTeThemeButton* FBlendSwitch = nullptr;
    TGalleryToolWindowFrm* FToolWindow = nullptr;
    TGalleryTranslucentFrm* FTranslucent = nullptr;
    TGalleryAnimationFrm* FAnimation = nullptr;
    TGalleryEditsFrm* FEdits = nullptr;
    TGalleryControlBarFrm* FControlBar = nullptr;
    TGalleryTabsFrm* FTabs = nullptr;
    TGalleryListBoxesFrm* FListBoxes = nullptr;
    TGalleryComboBoxesFrm* FComboBoxes = nullptr;
    TGalleryDocumentsFrm* FDocuments = nullptr;
};

extern TGalleryFrm* GalleryFrm;
