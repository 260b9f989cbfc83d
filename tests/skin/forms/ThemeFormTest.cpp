// The themed form controller: the frame's geometry from its theme's metrics, caption buttons
// placed and lit by the theme, the caption moving the form below the theme's top border, the
// host's visual style taking over only when asked, and the fall-back to the plain frame.
#include "WindowTestSupport.h"

#include "skin/forms/KsThemeForms.h"
#include "skin/graphics/KsUtils.h"
#include "skin/themes/KsThemeRegistration.h"
#include "skin/themes/TeThemeLuna.h"
#include "skin/themes/TeThemeXP.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Luna's metrics and pictures under the name of the host's own visual style, which has no
// roll-up and no tray buttons.
class TNativeNamedTheme : public TTeThemeLuna {
public:
    static const TTeThemeClassOf<TNativeNamedTheme> Class;
    const TClass& ClassType() const override { return Class; }
    static std::string GetName() { return "XP ThemeAPI"; }
    static bool IsAvailable() { return true; }
};
const TTeThemeClassOf<TNativeNamedTheme> TNativeNamedTheme::Class{"TNativeNamedTheme",
                                                                  TTeThemeLuna::Class};

class ThemedForms : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterSkinThemes(); }
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(200, 150, 400, 300);
        Form->SetCaption("Themed");
        Engine = new TTeThemeEngine(Form.get());
        Controller = new TTeThemeForm(Form.get());
        Controller->SetThemeEngine(Engine);
        Controller->Loaded();
        Form->Show();
        PumpUntil([] { return false; }, 5);
    }
    void TearDown() override { Form.reset(); }

    std::unique_ptr<TForm> Form;
    TTeThemeEngine* Engine = nullptr;
    TTeThemeForm* Controller = nullptr;
};

} // namespace

TEST_F(ThemedForms, TheFrameTakesTheThemesBordersAndCaption) {
    ASSERT_TRUE(Controller->ThemeAvailable());
    const int W = Controller->FormWidth();
    const int H = Controller->FormHeight();
    RECT Client = Controller->GetClientBounds();
    EXPECT_TRUE(EqualRect(Client, RECT{3, 29, W - 3, H - 3}));
    const int ClientW = Form->ClientWidth();
    const int ClientH = Form->ClientHeight();
    Controller->SetBorderStyle(TKsBorderStyle::kbsToolWindow);
    Client = Controller->GetClientBounds();
    EXPECT_TRUE(
        EqualRect(Client, RECT{2, 19, Controller->FormWidth() - 2, Controller->FormHeight() - 2}));
    EXPECT_EQ(Form->ClientWidth(), ClientW) << "the client keeps its size";
    EXPECT_EQ(Form->ClientHeight(), ClientH);
}

TEST_F(ThemedForms, CaptionButtonsStandWhereTheThemeSays) {
    const int W = Controller->FormWidth();
    const RECT Close = Controller->GetBorderIconRect(TKsBorderIcon::kbiClose);
    EXPECT_TRUE(EqualRect(Close, RECT{W - 4 - 21, 4, W - 4, 25}));
    const RECT Max = Controller->GetBorderIconRect(TKsBorderIcon::kbiMaximize);
    EXPECT_EQ(Max.right, Close.left - 3);
    const RECT Tray = Controller->GetBorderIconRect(TKsBorderIcon::kbiTray);
    EXPECT_FALSE(IsRectEmpty(Tray));
    // Under the host's own visual style there is no roll-up and no tray button.
    Engine->SetTheme(std::make_unique<TNativeNamedTheme>());
    EXPECT_TRUE(IsRectEmpty(Controller->GetBorderIconRect(TKsBorderIcon::kbiRollup)));
    EXPECT_TRUE(IsRectEmpty(Controller->GetBorderIconRect(TKsBorderIcon::kbiTray)));
    const RECT Help = Controller->GetBorderIconRect(TKsBorderIcon::kbiHelp);
    EXPECT_TRUE(IsRectEmpty(Help)) << "help is not among the form's icons";
}

TEST_F(ThemedForms, OnlyTheThemesTopBorderSizesTheForm) {
    Controller->SetBorderIcons({});
    Controller->SetBorderStyle(TKsBorderStyle::kbsToolWindow);
    const int Middle = Controller->FormWidth() / 2;
    EXPECT_EQ(Controller->HitTest(Middle, 1), TKsFormZone::fzTop);
    EXPECT_EQ(Controller->HitTest(Middle, 3), TKsFormZone::fzCaption);
    EXPECT_EQ(Controller->HitTest(Middle, 10), TKsFormZone::fzCaption);
}

TEST_F(ThemedForms, ACaptionButtonLightsUpUnderTheCursorOnlyWhileActive) {
    const RECT Close = Controller->GetBorderIconRect(TKsBorderIcon::kbiClose);
    RECT Window{};
    GetWindowRect(Form->Handle(), &Window);
    SendMessageW(Form->Handle(), WM_NCACTIVATE, TRUE, 0);
    SetCursorPos(Window.right + 50, Window.bottom + 50);
    Controller->HoverTimerTick(nullptr);
    EXPECT_EQ(Controller->HotTrackZone(), TKsFormZone::fzNone);
    SendMessageW(Form->Handle(), WM_NCACTIVATE, FALSE, 0);
    SetCursorPos(Window.left + (Close.left + Close.right) / 2,
                 Window.top + (Close.top + Close.bottom) / 2);
    Controller->HoverTimerTick(nullptr);
    EXPECT_EQ(Controller->HotTrackZone(), TKsFormZone::fzNone);
    SendMessageW(Form->Handle(), WM_NCACTIVATE, TRUE, 0);
    Controller->HoverTimerTick(nullptr);
    EXPECT_EQ(Controller->HotTrackZone(), TKsFormZone::fzClose);
}

TEST_F(ThemedForms, TheHostsStyleChangeSwitchesThemesOnlyWhenAskedTo) {
    SendMessageW(Form->Handle(), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(&Engine->Theme()->ThemeClass(), &TTeThemeLuna::Class);
    Engine->SetUseNativeXPTheme(true);
    SendMessageW(Form->Handle(), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(&Engine->Theme()->ThemeClass(), &TTeThemeXP::Class);
    // The host's own buttons: no roll-up and no tray, and the frame takes the style's sizes.
    Controller->SetBorderIcons(
        {TKsBorderIcon::kbiClose, TKsBorderIcon::kbiRollup, TKsBorderIcon::kbiTray});
    EXPECT_FALSE(IsRectEmpty(Controller->GetBorderIconRect(TKsBorderIcon::kbiClose)));
    EXPECT_TRUE(IsRectEmpty(Controller->GetBorderIconRect(TKsBorderIcon::kbiRollup)));
    EXPECT_TRUE(IsRectEmpty(Controller->GetBorderIconRect(TKsBorderIcon::kbiTray)));
    EXPECT_EQ(Controller->GetClientBounds().top, Engine->Theme()->GetMetric(2));
}

TEST_F(ThemedForms, WithoutAnEngineTheFrameIsThePlainOne) {
    const RECT Themed = Controller->GetClientBounds();
    const auto HasRegion = [this] {
        const TGdiObject<HRGN> Region(CreateRectRgn(0, 0, 0, 0));
        return GetWindowRgn(Form->Handle(), Region.Get()) != ERROR;
    };
    // The theme rounds the caption's corners; the plain frame is a rectangle without a
    // region, and the window gives the theme's up.
    EXPECT_TRUE(HasRegion());
    delete Engine;
    EXPECT_FALSE(HasRegion());
    EXPECT_EQ(Controller->ThemeEngine(), nullptr);
    EXPECT_FALSE(Controller->ThemeAvailable());
    const RECT Plain = Controller->GetClientBounds();
    EXPECT_EQ(Plain.left, Controller->BorderWidth());
    EXPECT_FALSE(EqualRect(Plain, Themed));
    // Painting goes on with the plain look.
    Form->Repaint();
    PumpUntil([] { return false; }, 3);
}

TEST_F(ThemedForms, TheEnginesChangesReachTheFormAndItsControls) {
    const TColor Before = Form->Color();
    Engine->SetDeltaHue(40);
    EXPECT_NE(Form->Color(), Before) << "the engine gives the form its window colour";
    Engine->SetThemeClass(TTeTheme::Class);
    EXPECT_FALSE(Controller->ThemeAvailable());
    EXPECT_EQ(Controller->GetClientBounds().left, Controller->BorderWidth());
}
