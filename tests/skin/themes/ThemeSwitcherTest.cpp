// The theme switcher and the themed combo box it is: the registered themes listed by name
// with the engine's shown, a pick switching the engine (the current theme made anew), a
// change made elsewhere shown, filling that never switches, an index kept from before the
// items went switching nothing, "No Theme" giving themed controls their plain look, and the
// themed combo's button, background and list through the engine.
#include "framework/windows/Forms.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsListBoxs.h"
#include "skin/controls/KsThemeListBoxs.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/themes/KsThemeRegistration.h"
#include "skin/themes/KsThemeSwitch.h"
#include "skin/themes/TeThemeFlat.h"
#include "skin/themes/TeThemeLuna.h"
#include "skin/themes/TeThemeXP.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ThemeSwitcher : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinThemes();
        RegisterSkinControls();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 300, 200);
        Engine = new TTeThemeEngine(Form.get());
        Switcher = new TTeSwitcherComboBox(Form.get());
        Switcher->SetParent(Form.get());
        Switcher->SetBounds(10, 10, 160, 21);
        Switcher->SetThemeEngine(Engine);
        Switcher->OnChange = MakeEvent(this, &ThemeSwitcher::Changed);
        Form->HandleNeeded();
    }
    void Changed(TObject*) { ++Changes; }
    const TTeThemeClass& EngineThemeClass() const { return Engine->Theme()->ThemeClass(); }
    static void Render(TKsCustomControl& Control) {
        Control.Invalidate();
        Control.RenderSurface();
    }
    static TKsColor Pixel(const TKsBitmap& Surface, int X, int Y) {
        GdiFlush();
        return Surface.Bits()[Y * Surface.Width() + X];
    }

    std::unique_ptr<TForm> Form;
    TTeThemeEngine* Engine = nullptr;
    TTeSwitcherComboBox* Switcher = nullptr;
    int Changes = 0;
};

TEST_F(ThemeSwitcher, ListsTheRegisteredThemesAndShowsTheEngines) {
    const auto& Themes = RegisteredThemes();
    ASSERT_EQ(Switcher->Items()->Count(), static_cast<int>(Themes.size()));
    for (size_t I = 0; I < Themes.size(); ++I)
        EXPECT_EQ(Switcher->Items()->Strings(static_cast<int>(I)), Themes[I]->GetName());
    // The host's visual-styles library is there: its theme comes first.
    EXPECT_EQ(Switcher->Items()->Strings(0), "XP ThemeAPI");
    EXPECT_EQ(Switcher->Items()->Strings(Switcher->Items()->Count() - 1), "No Theme");
    EXPECT_EQ(Switcher->ComboStyle(), TKsComboStyle::kcsDropDownList);
    EXPECT_EQ(Switcher->Text(), "Luna");
    EXPECT_EQ(Changes, 0) << "filling the list is no pick";
}

TEST_F(ThemeSwitcher, APickSwitchesTheEngineAndAChangeElsewhereIsShown) {
    const int Flat = Switcher->Items()->IndexOf("Flat");
    Switcher->SetItemIndex(Flat);
    EXPECT_EQ(&EngineThemeClass(), &TTeThemeFlat::Class);
    EXPECT_EQ(Switcher->Text(), "Flat");
    EXPECT_EQ(Changes, 1);
    // Another switch of the same engine.
    Engine->SetThemeClass(TTeThemeLuna::Class);
    EXPECT_EQ(Switcher->Text(), "Luna");
    EXPECT_EQ(&EngineThemeClass(), &TTeThemeLuna::Class);
    EXPECT_EQ(Changes, 1);
}

TEST_F(ThemeSwitcher, PickingTheCurrentThemeMakesItAnew) {
    Switcher->HandleNeeded();
    BringWindowToTop(Form->Handle());
    Form->Show();
    const TTeTheme* Before = Engine->Theme();
    Switcher->OpenDropDown();
    ASSERT_TRUE(Switcher->DroppedDown());
    Switcher->PickListItem();
    EXPECT_FALSE(Switcher->DroppedDown());
    EXPECT_EQ(&EngineThemeClass(), &TTeThemeLuna::Class);
    EXPECT_NE(Engine->Theme(), Before);
    EXPECT_EQ(Switcher->Text(), "Luna");
}

TEST_F(ThemeSwitcher, AnIndexKeptFromBeforeTheItemsWentSwitchesNothing) {
    Switcher->Items()->Clear();
    EXPECT_EQ(Switcher->ItemIndex(), -1);
    const TTeTheme* Before = Engine->Theme();
    Switcher->SetItemIndex(3);
    EXPECT_EQ(Engine->Theme(), Before);
}

TEST_F(ThemeSwitcher, NoThemeGivesThemedControlsTheirPlainLook) {
    Switcher->SetColor(clYellow);
    Render(*Switcher);
    const RECT Text = Switcher->GetTextRect();
    TTeTheme& Luna = *Engine->Theme();
    EXPECT_EQ(Pixel(Switcher->Surface(), Text.left + 1, Text.top),
              ColorToKsColor(Luna.GetColor(6), 255));
    EXPECT_EQ(Switcher->GetButtonWidth(), Luna.GetMetric(28));
    auto* List = dynamic_cast<TTeThemeListBox*>(Switcher->ListBox());
    ASSERT_NE(List, nullptr);
    EXPECT_EQ(List->ThemeEngine(), Engine);

    Form->SetColor(clRed);
    Switcher->SetItemIndex(Switcher->Items()->IndexOf("No Theme"));
    EXPECT_EQ(Engine->Theme()->ThemeClass().GetName(), "No Theme");
    EXPECT_EQ(Form->Color(), clBtnFace);
    EXPECT_EQ(Switcher->Text(), "No Theme");
    Render(*Switcher);
    EXPECT_EQ(Pixel(Switcher->Surface(), Text.left + 1, Text.top), ColorToKsColor(clYellow, 255));
    EXPECT_EQ(Switcher->GetButtonWidth(), 15);
}

TEST_F(ThemeSwitcher, ThemedComboButtonsShowTheirStateThroughTheTheme) {
    auto* Combo = new TTeThemeComboBox(Form.get());
    Combo->SetParent(Form.get());
    Combo->SetBounds(10, 40, 160, 21);
    Combo->SetThemeEngine(Engine);
    Render(*Combo);
    const RECT Button = Combo->GetButtonRect();
    TKsBitmap Expected;
    Expected.SetSize(Combo->Surface().Width(), Combo->Surface().Height());
    Engine->Theme()->DrawComboButton(Expected, Button, TTeDrawState::tdsNormal);
    const int X = (Button.left + Button.right) / 2;
    const int Y = Button.top + 3;
    EXPECT_EQ(Pixel(Combo->Surface(), X, Y), Pixel(Expected, X, Y));
    Combo->SetEnabled(false);
    Render(*Combo);
    Engine->Theme()->DrawComboButton(Expected, Button, TTeDrawState::tdsDisabled);
    EXPECT_EQ(Pixel(Combo->Surface(), X, Y), Pixel(Expected, X, Y));
    // The engine going leaves the plain look.
    delete Engine;
    EXPECT_EQ(Combo->ThemeEngine(), nullptr);
    EXPECT_EQ(Switcher->ThemeEngine(), nullptr);
    Render(*Combo);
}

} // namespace
