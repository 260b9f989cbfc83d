// A program whose host has no visual-styles library: the themes are registered without the
// host's style, and a theme switcher lists Luna first.
#include "framework/core/Strings.h"
#include "framework/windows/Forms.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/themes/KsThemeRegistration.h"
#include "skin/themes/KsThemeSwitch.h"
#include "skin/themes/TeThemeXPImpl.h"

#include <gtest/gtest.h>

TEST(ThemeSwitcherWithoutVisualStyles, ListsLunaFirstAndNoTheHostsStyle) {
    // The library is gone before anything is registered, as on a host without it.
    SetVisualStyles(TTeVisualStylesApi{});
    RegisterSkinThemes();
    RegisterSkinControls();
    TForm Form(nullptr);
    auto* Engine = new TTeThemeEngine(&Form);
    auto* Switcher = new TTeSwitcherComboBox(&Form);
    Switcher->SetParent(&Form);
    Switcher->SetThemeEngine(Engine);
    ASSERT_EQ(Switcher->Items()->Count(), 5);
    EXPECT_EQ(Switcher->Items()->Strings(0), "Luna");
    EXPECT_EQ(Switcher->Items()->IndexOf("XP ThemeAPI"), -1);
    EXPECT_EQ(Switcher->Items()->Strings(4), "No Theme");
    EXPECT_EQ(Switcher->Text(), "Luna");
}
