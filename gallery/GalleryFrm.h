// The skin gallery's main window: every skinned piece that exists so far, live under one
// theme engine. Push buttons in every stock kind, themed and plain; a speed container with
// dividers; scroll bars; the engine's hue and brightness shifts and the window's own
// translucency on scroll bars; and buttons that open the gallery's other forms. The caption
// names the last button pressed.
#pragma once

#include "framework/windows/ExtCtrls.h"
#include "framework/windows/Forms.h"

class TGalleryAnimationFrm;
class TGalleryToolWindowFrm;
class TGalleryTranslucentFrm;
class TKsCustomScrollBar;
class TTeThemeButton;
class TTeThemeEngine;
class TTeThemeForm;

class TGalleryFrm : public TForm {
public:
    static const TComponentClassOf<TGalleryFrm> Class;
    const TClass& ClassType() const override { return Class; }

    static constexpr const char* Title = "Skin Gallery";

    explicit TGalleryFrm(TComponent* AOwner);

    void ButtonClick(TObject* Sender);
    void HueBarChange(TObject* Sender);
    void BrightnessBarChange(TObject* Sender);
    void BlendSwitchClick(TObject* Sender);
    void OpacityBarChange(TObject* Sender);
    void ToolWindowClick(TObject* Sender);
    void TranslucentClick(TObject* Sender);
    // The sender's Tag is the show animation to play.
    void AnimationClick(TObject* Sender);
    // The focused slider panel steps its scroll bar with the arrow and page keys.
    void SliderPanelKeyDown(TObject* Sender, TKey& Key, TShiftState Shift);

private:
    void ShowBlend();

    TTeThemeEngine* FEngine = nullptr;
    TTeThemeForm* FFrame = nullptr;
    TKsCustomScrollBar* FHueBar = nullptr;
    TKsCustomScrollBar* FBrightnessBar = nullptr;
    TKsCustomScrollBar* FOpacityBar = nullptr;
    TTeThemeButton* FBlendSwitch = nullptr;
    TGalleryToolWindowFrm* FToolWindow = nullptr;
    TGalleryTranslucentFrm* FTranslucent = nullptr;
    TGalleryAnimationFrm* FAnimation = nullptr;
};

extern TGalleryFrm* GalleryFrm;
