// The theme engine: the registry, the theme it holds and how it switches, its layouts (the
// binary theme name and what a damaged one does) and its walk over the program's forms.
#include "framework/core/LayoutReader.h"
#include "framework/core/LayoutWriter.h"
#include "framework/windows/Forms.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeRegistration.h"
#include "skin/themes/TeThemeLuna.h"
#include "skin/themes/TeThemeXP.h"
#include "skin/themes/TeThemeXPImpl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace {

class ThemeEngine : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterSkinThemes(); }
};

// Reads an engine named TeThemeEngine1 from a layout whose engine lines are Body.
std::unique_ptr<TComponent> ReadEngineLayout(const std::string& Body) {
    auto Root = std::make_unique<TComponent>(nullptr);
    Root->SetName("Holder");
    ReadLayout("object Holder: TComponent\n  object TeThemeEngine1: TTeThemeEngine\n" + Body +
                   "\n  end\nend\n",
               Root.get());
    return Root;
}

TTeThemeEngine& EngineOf(TComponent& Root) {
    return dynamic_cast<TTeThemeEngine&>(*Root.FindComponent("TeThemeEngine1"));
}

// A form controller or switcher as the engine sees it: it follows an engine and counts the
// refreshes it is told of.
class TStandInClient : public TComponent, public TTeThemeClient {
public:
    TStandInClient(TComponent* AOwner, TTeThemeEngine* Engine)
        : TComponent(AOwner), FEngine(Engine) {}
    TTeThemeEngine* ClientThemeEngine() const override { return FEngine; }
    void ThemeEngineChanged() override { ++Refreshes; }
    int Refreshes = 0;

private:
    TTeThemeEngine* FEngine;
};

// A theme whose construction fails.
class TBrokenTheme : public TTeTheme {
public:
    static const TTeThemeClassOf<TBrokenTheme> Class;
    static std::string GetName() { return "Broken"; }
    static bool IsAvailable() { return true; }
    TBrokenTheme() { throw std::runtime_error("no skin"); }
};
const TTeThemeClassOf<TBrokenTheme> TBrokenTheme::Class{"TBrokenTheme", TTeTheme::Class};

BOOL WINAPI ThemeInactive() {
    return FALSE;
}

} // namespace

TEST_F(ThemeEngine, RegistryListsLunaBeforeTheBaseTheme) {
    const auto& Themes = RegisteredThemes();
    ASSERT_GE(Themes.size(), 2u);
    EXPECT_EQ(FindThemeClass("Luna"), &TTeThemeLuna::Class);
    EXPECT_EQ(FindThemeClass("No Theme"), &TTeTheme::Class);
    EXPECT_EQ(FindThemeClass("luna"), nullptr);
    const auto Position = [&](const TTeThemeClass* Class) {
        return std::find(Themes.begin(), Themes.end(), Class) - Themes.begin();
    };
    EXPECT_LT(Position(&TTeThemeLuna::Class), Position(&TTeTheme::Class));
    // Registering again changes nothing.
    RegisterSkinThemes();
    EXPECT_EQ(RegisteredThemes().size(), Themes.size());
}

TEST_F(ThemeEngine, ANewEngineHoldsLunaWithoutShifts) {
    TTeThemeEngine Engine(nullptr);
    ASSERT_NE(Engine.Theme(), nullptr);
    EXPECT_EQ(&Engine.Theme()->ThemeClass(), &TTeThemeLuna::Class);
    EXPECT_EQ(Engine.Theme()->Hue(), 0);
    EXPECT_TRUE(Engine.ColorAutoChanging());
    EXPECT_EQ(Engine.Version(), "2.9.0");
}

TEST_F(ThemeEngine, LayoutsStoreTheThemeNameAsLengthAndBytes) {
    TComponent Root(nullptr);
    Root.SetName("Holder");
    auto* Engine = new TTeThemeEngine(&Root);
    Engine->SetName("TeThemeEngine1");
    Engine->SetDeltaHue(12);
    const std::string Text = WriteLayout(&Root);
    for (const char* Expected :
         {"ColorAutoChanging = True", "DeltaBrightness = 0", "DeltaHue = 12",
          "UseNativeXPTheme = False", "Version = '2.9.0'", "ThemeClass = {04000000 4C756E61}"})
        EXPECT_NE(Text.find(Expected), std::string::npos) << Expected << "\n" << Text;

    TComponent Again(nullptr);
    Again.SetName("Holder");
    ReadLayout(Text, &Again);
    TTeThemeEngine& Read = EngineOf(Again);
    EXPECT_EQ(&Read.Theme()->ThemeClass(), &TTeThemeLuna::Class);
    EXPECT_EQ(Read.DeltaHue(), 12);
    EXPECT_EQ(Read.Theme()->Hue(), 12);
}

TEST_F(ThemeEngine, ANamedThemeIsSwitchedToAndAStoredVersionIsIgnored) {
    auto Root =
        ReadEngineLayout("    Version = '1.0'\n    ThemeClass = {08000000 4E6F205468656D65}");
    TTeThemeEngine& Engine = EngineOf(*Root);
    EXPECT_EQ(&Engine.Theme()->ThemeClass(), &TTeTheme::Class);
    EXPECT_EQ(Engine.Version(), "2.9.0");
}

TEST_F(ThemeEngine, DamagedThemeNamesKeepLuna) {
    const char* Bodies[] = {
        "    ThemeClass = {04000000 6C756E61}", // "luna": case matters
        "    ThemeClass = {FFFFFFFF 4C756E61}", // negative length
        "    ThemeClass = {FFFFFF7F 4C756E61}", // far longer than the data
        "    ThemeClass = {00010000 4C756E61}", // longer than any name
        "    ThemeClass = {08000000 4C756E61}", // truncated name
        "    ThemeClass = {0400}",              // truncated length
        "    ThemeClass = {}",
    };
    for (const char* Body : Bodies) {
        auto Root = ReadEngineLayout(Body);
        EXPECT_EQ(&EngineOf(*Root).Theme()->ThemeClass(), &TTeThemeLuna::Class) << Body;
    }
}

TEST_F(ThemeEngine, AThemeThatFailsToBuildLeavesTheOneInUse) {
    RegisterTheme(TBrokenTheme::Class);
    TTeThemeEngine Engine(nullptr);
    TTeTheme* Before = Engine.Theme();
    EXPECT_THROW(Engine.SetThemeClass(TBrokenTheme::Class), std::runtime_error);
    EXPECT_EQ(Engine.Theme(), Before);
    EXPECT_EQ(Engine.Theme()->ThemeClass().GetName(), "Luna");
}

TEST_F(ThemeEngine, DirectlySetThemesAreOwnedAndAnEmptyOneIsRefused) {
    TTeThemeEngine Engine(nullptr);
    auto Base = std::make_unique<TTeTheme>();
    TTeTheme* Given = Base.get();
    Engine.SetTheme(std::move(Base));
    EXPECT_EQ(Engine.Theme(), Given);
    Engine.SetTheme(nullptr);
    EXPECT_EQ(Engine.Theme(), Given);
}

TEST_F(ThemeEngine, ShiftsReachOnlyAnAvailableTheme) {
    TTeThemeEngine Engine(nullptr);
    Engine.SetDeltaHue(30);
    Engine.SetDeltaBrightness(-5);
    EXPECT_EQ(Engine.Theme()->Hue(), 30);
    EXPECT_EQ(Engine.Theme()->Brightness(), -5);
    Engine.SetThemeClass(TTeTheme::Class);
    EXPECT_EQ(Engine.Theme()->Hue(), 0);
    Engine.SetDeltaHue(60);
    EXPECT_EQ(Engine.DeltaHue(), 60);
    EXPECT_EQ(Engine.Theme()->Hue(), 0);
    // Back to Luna: the new theme takes the engine's shifts.
    Engine.SetThemeClass(TTeThemeLuna::Class);
    EXPECT_EQ(Engine.Theme()->Hue(), 60);
    EXPECT_EQ(Engine.Theme()->Brightness(), -5);
}

TEST_F(ThemeEngine, ChangesColourEveryFormAndRefreshTheClientsThatUseTheEngine) {
    TForm First(nullptr);
    TForm Second(nullptr);
    TTeThemeEngine* Engine = new TTeThemeEngine(&First);
    TTeThemeEngine* Other = new TTeThemeEngine(&Second);
    auto* Mine = new TStandInClient(&Second, Engine);
    auto* Theirs = new TStandInClient(&Second, Other);
    First.SetColor(clRed);
    Second.SetColor(clRed);

    Engine->SetDeltaHue(10);
    EXPECT_EQ(First.Color(), Engine->Theme()->GetColor(6));
    EXPECT_EQ(Second.Color(), Engine->Theme()->GetColor(6));
    EXPECT_EQ(Mine->Refreshes, 1);
    EXPECT_EQ(Theirs->Refreshes, 0);

    // The same value again: nothing happens, not even a refresh.
    Engine->SetDeltaHue(10);
    EXPECT_EQ(Mine->Refreshes, 1);

    // Without colour changes the forms keep theirs; clients are still refreshed.
    Engine->SetColorAutoChanging(false);
    First.SetColor(clRed);
    Engine->SetDeltaBrightness(3);
    EXPECT_EQ(First.Color(), clRed);
    EXPECT_EQ(Mine->Refreshes, 2);

    // An unavailable theme gives the forms the button face.
    Engine->SetColorAutoChanging(true);
    Engine->SetThemeClass(TTeTheme::Class);
    EXPECT_EQ(First.Color(), clBtnFace);
    EXPECT_EQ(Mine->Refreshes, 3);
    // Shifts of an unavailable theme are stored but refresh nothing.
    Engine->SetDeltaHue(99);
    EXPECT_EQ(Mine->Refreshes, 3);
}

TEST_F(ThemeEngine, ShiftsReadFromALayoutRepaintNothingButANamedThemeRefreshes) {
    TForm Form(nullptr);
    Form.SetColor(clRed);
    auto Shifted = ReadEngineLayout("    ColorAutoChanging = True\n    DeltaHue = 20\n"
                                    "    DeltaBrightness = 4");
    EXPECT_EQ(EngineOf(*Shifted).Theme()->Hue(), 20);
    EXPECT_EQ(EngineOf(*Shifted).Theme()->Brightness(), 4);
    EXPECT_EQ(Form.Color(), clRed);

    auto Named = ReadEngineLayout("    DeltaHue = 20\n    ThemeClass = {04000000 4C756E61}");
    TTeThemeEngine& Engine = EngineOf(*Named);
    EXPECT_EQ(Engine.Theme()->Hue(), 20);
    EXPECT_EQ(Form.Color(), Engine.Theme()->GetColor(6));
}

TEST_F(ThemeEngine, VisualStylesAreAskedOfTheEntriesInUse) {
    // This host runs with its own visual style switched on.
    EXPECT_TRUE(VisualStylesLoaded());
    EXPECT_TRUE(VisualStylesActive());
    EXPECT_NE(VisualStyles().OpenThemeData, nullptr);
    EXPECT_NE(VisualStyles().DrawThemeBackground, nullptr);

    TTeVisualStylesApi Off = VisualStyles();
    Off.IsThemeActive = ThemeInactive;
    const TTeVisualStylesApi Host = SetVisualStyles(Off);
    EXPECT_TRUE(VisualStylesLoaded());
    EXPECT_FALSE(VisualStylesActive());
    SetVisualStyles(TTeVisualStylesApi{});
    EXPECT_FALSE(VisualStylesLoaded());
    EXPECT_FALSE(VisualStylesActive());
    SetVisualStyles(Host);
    EXPECT_TRUE(VisualStylesActive());
}

TEST_F(ThemeEngine, TheHostsStyleComesFirstOnlyWhereItsLibraryIsThere) {
    const auto Names = [](const std::vector<const TTeThemeClass*>& Classes) {
        std::vector<std::string> Result;
        for (const TTeThemeClass* Class : Classes)
            Result.push_back(Class->GetName());
        return Result;
    };
    const std::vector<std::string> Own{"Luna", "Highlight", "Lines", "Flat", "No Theme"};
    EXPECT_EQ(Names(SkinThemeClasses(false)), Own);
    std::vector<std::string> WithHost = Own;
    WithHost.insert(WithHost.begin(), "XP ThemeAPI");
    EXPECT_EQ(Names(SkinThemeClasses(true)), WithHost);
    // This host has the library: a layout naming the host's style gets it.
    auto Root = ReadEngineLayout("    ThemeClass = {0B000000 58502054 68656D65 415049}");
    EXPECT_EQ(&EngineOf(*Root).Theme()->ThemeClass(), &TTeThemeXP::Class);
}

TEST_F(ThemeEngine, AfterLoadingTheHostsStyleTakesOverOnlyWhenAskedForAndOn) {
    const auto Loaded = [](const std::string& UseNative) {
        return ReadEngineLayout("    UseNativeXPTheme = " + UseNative +
                                "\n    ThemeClass = {04000000 4C756E61}");
    };
    EXPECT_EQ(&EngineOf(*Loaded("False")).Theme()->ThemeClass(), &TTeThemeLuna::Class);
    EXPECT_EQ(&EngineOf(*Loaded("True")).Theme()->ThemeClass(), &TTeThemeXP::Class);

    TTeVisualStylesApi Off = VisualStyles();
    Off.IsThemeActive = ThemeInactive;
    const TTeVisualStylesApi Host = SetVisualStyles(Off);
    auto WhileOff = Loaded("True");
    SetVisualStyles(Host);
    EXPECT_EQ(&EngineOf(*WhileOff).Theme()->ThemeClass(), &TTeThemeLuna::Class);
}
