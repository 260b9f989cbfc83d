// TTeSwitcherComboBox: a themed combo box in the drop-down-list style that lists the
// registered themes by their display names, shows its engine's current one, and switches
// the engine to the theme the user picks (picking the current one makes it anew). The
// engine tells it of every theme change, made here or elsewhere, and it lists the themes
// again with the new one shown. Filling the list never switches the theme.
#pragma once

#include "skin/controls/KsThemeComboBoxs.h"
#include "skin/themes/KsThemeEngine.h"

class TTeSwitcherComboBox : public TTeThemeComboBox, public TTeThemeClient {
public:
    static const TComponentClassOf<TTeSwitcherComboBox> Class;
    const TClass& ClassType() const override { return Class; }

    // The one entry a switcher shows while a layout is designed.
    static constexpr const char* DesignEntry = "<Theme's Switcher>";

    explicit TTeSwitcherComboBox(TComponent* AOwner);

    void SetThemeEngine(TTeThemeEngine* Value) override;
    // Lists the themes again and shows the engine's.
    void FillThemes();

    void Loaded() override;
    void SetParent(TWinControl* AParent) override;

    TTeThemeEngine* ClientThemeEngine() const override { return ThemeEngine(); }
    void ThemeEngineChanged() override;

protected:
    void Change() override;

private:
    bool FFilling = false;
};
