// TTeThemeEngine: the component on a form that owns the active theme, streams the choice of
// theme with the form, shifts the theme's hue and brightness, and refreshes every themed
// form of the program when any of that changes. Themed controls read Theme from their
// engine each time they paint; the engine keeps no list of them.
//
// Also the process-wide registry of theme classes, in registration order.
#pragma once

#include "framework/core/Components.h"
#include "skin/themes/KsThemeThemes.h"

#include <memory>
#include <string>
#include <vector>

class TCustomForm;
class TStream;
class TTeThemeEngine;

// Appends a theme class to the registry (no duplicate check, as registration is explicit).
void RegisterTheme(const TTeThemeClass& ThemeClass);
// The registered theme classes, in registration order.
const std::vector<const TTeThemeClass*>& RegisteredThemes();
// The first registered class with exactly this display name; none when there is none.
const TTeThemeClass* FindThemeClass(const std::string& Name);

// A component that follows an engine: a themed form controller or a theme switcher. The
// engine finds these among the components of every form and tells the ones that use it
// that the theme changed.
class TTeThemeClient {
public:
    virtual TTeThemeEngine* ClientThemeEngine() const = 0;
    virtual void ThemeEngineChanged() = 0;

protected:
    ~TTeThemeClient() = default;
};

class TTeThemeEngine : public TComponent {
public:
    static const TComponentClassOf<TTeThemeEngine> Class;
    const TClass& ClassType() const override { return Class; }

    static constexpr const char* VersionText = "2.9.0";

    explicit TTeThemeEngine(TComponent* AOwner);
    ~TTeThemeEngine() override;

    TTeTheme* Theme() const { return FTheme.get(); }
    // Takes the theme (the engine owns it and frees the one it held), then refreshes; an
    // empty one is refused, as the engine always holds a theme.
    void SetTheme(std::unique_ptr<TTeTheme> Value);
    // Switches to a new theme of a registered class; an unregistered class keeps the
    // current theme. Either way the shifts are applied again and every form refreshed.
    void SetThemeClass(const TTeThemeClass& ThemeClass);

    bool ColorAutoChanging() const { return FColorAutoChanging; }
    void SetColorAutoChanging(bool Value) { FColorAutoChanging = Value; }
    int DeltaHue() const { return FDeltaHue; }
    void SetDeltaHue(int Value);
    int DeltaBrightness() const { return FDeltaBrightness; }
    void SetDeltaBrightness(int Value);
    bool UseNativeXPTheme() const { return FUseNativeXPTheme; }
    void SetUseNativeXPTheme(bool Value) { FUseNativeXPTheme = Value; }
    std::string Version() const { return VersionText; }

    // Gives every form the theme's window colour (with ColorAutoChanging) and tells the
    // themed form controllers and switchers that use this engine.
    void NotifyThemeChange();

    // After a layout is read: the host's own visual style takes over when the engine is
    // to use it and it is active.
    void Loaded() override;
    void DefineProperties(TFiler* Filer) override;

private:
    bool ThemeAvailable() const;
    void ApplyShifts();
    void ReadThemeClass(TStream& Stream);
    void WriteThemeClass(TStream& Stream);
    void NotifyForm(TCustomForm& Form);

    std::unique_ptr<TTeTheme> FTheme;
    int FDeltaHue = 0;
    bool FUseNativeXPTheme = false;
    int FDeltaBrightness = 0;
    bool FColorAutoChanging = true;
};
