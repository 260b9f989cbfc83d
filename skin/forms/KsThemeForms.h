// TTeThemeForm: the usable skinned form controller. Its frame, caption and caption buttons
// take their sizes from the theme of a theme engine and are painted by it; the window has
// the theme's shape, and caption buttons light up under the mouse. Whenever the theme cannot
// paint (no engine, no theme, or a theme that is not available) it is the system-coloured
// frame of its base class.
#pragma once

#include "skin/forms/KsForms.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeLink.h"

#include <memory>
#include <string>

class TTimer;

class TTeThemeForm : public TKsCustomForm, public TTeThemeClient {
public:
    static const TComponentClassOf<TTeThemeForm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TTeThemeForm(TComponent* AOwner);
    ~TTeThemeForm() override;

    TTeThemeEngine* ThemeEngine() const { return FThemeLink.Engine(); }
    void SetThemeEngine(TTeThemeEngine* Value);
    std::string Version() const { return TTeThemeEngine::VersionText; }

    // Whether the frame comes from the engine's theme now.
    // System-menu items painted with the form's engine.
    TKsCustomItem* CreateSysMenuItem(TComponent* AOwner) override;
    bool ThemeAvailable() const;
    // The theme changed: the frame is drawn again and the theme reads in the form's order.
    void ThemeChanged();
    // Every control of the form paints again.
    void InvalidateControls();
    // The zone under the cursor at the last hot-tracking tick.
    TKsFormZone HotTrackZone() const { return FHotTrackZone; }
    // One hot-tracking tick (the timer calls it every 100 ms).
    void HoverTimerTick(TObject* Sender);

    TTeThemeEngine* ClientThemeEngine() const override { return FThemeLink.Engine(); }
    void ThemeEngineChanged() override;

    TGdiObject<HRGN> CreateFormRegion() override;
    RECT GetBorderIconRect(TKsBorderIcon Icon) override;
    RECT GetClientBounds() override;
    RECT GetMaximizedBounds() override;
    void PaintFrame(TKsBitmap& Bitmap) override;
    void PaintClient(TKsBitmap& Bitmap) override;
    TKsFormZone HitTest(int X, int Y) override;

    void Loaded() override;
    void Dispatch(TMessage& Message) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TTeTheme& Theme() const { return *FThemeLink.Engine()->Theme(); }
    bool ToolWindow() const { return BorderStyle() == TKsBorderStyle::kbsToolWindow; }
    // The host's own visual style has neither roll-up nor tray buttons.
    bool NativeTheme() const;
    void PaintThemedCaption(TKsBitmap& Bitmap);
    void PaintThemedButtons(TKsBitmap& Bitmap);
    int CaptionTextWidth(int Left);

    TTeThemeLink FThemeLink{*this};
    TKsFormZone FHotTrackZone = TKsFormZone::fzNone;
    TKsFormZone FLastHotZone = TKsFormZone::fzNone;
    std::unique_ptr<TTimer> FHoverTimer;
};
