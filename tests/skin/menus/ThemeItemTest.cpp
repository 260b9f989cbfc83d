// Themed items hand measuring and painting to their engine's theme: menu-bar calls in a
// bar, popup calls in a popup, caption-button calls for the MDI child's buttons; without an
// available theme they measure and paint like plain items. A themed popup's frame is the
// theme's popup background.
#include "MenuTestSupport.h"

#include "skin/graphics/KsBitmap.h"
#include "skin/menus/KsItemViews.h"
#include "skin/menus/KsThemeItems.h"
#include "skin/menus/KsThemeMenuForm.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeThemes.h"

#include <gtest/gtest.h>

namespace {

// Records every menu call and answers fixed sizes.
class TMenuRecordingTheme : public TTeTheme {
public:
    static const TTeThemeClassOf<TMenuRecordingTheme> Class;
    const TClass& ClassType() const override { return Class; }
    static std::string GetName() { return "Menu recording"; }
    static bool IsAvailable() { return Available; }
    static inline bool Available = true;

    void MeasureMenuBarItem(TKsBitmap&, TKsCustomItem&, int& Width, int& Height) override {
        Calls.push_back("measure bar");
        Width = 40;
        Height = 18;
    }
    void MeasurePopupItem(TKsBitmap&, TKsCustomItem&, int& Width, int& Height) override {
        Calls.push_back("measure popup");
        Width = 90;
        Height = 21;
    }
    void DrawMenuBarItem(TKsBitmap&, TKsCustomItem&, const RECT&, bool Selected,
                         bool NotTracking) override {
        Calls.push_back(Describe("bar", Selected, NotTracking));
    }
    void DrawMDIButton(TKsBitmap&, TKsCustomItem&, const RECT&, bool Selected,
                       bool NotTracking) override {
        Calls.push_back(Describe("button", Selected, NotTracking));
    }
    void DrawPopupItem(TKsBitmap&, TKsCustomItem&, const RECT&, bool Selected,
                       bool NotTracking) override {
        Calls.push_back(Describe("popup", Selected, NotTracking));
    }
    void DrawPopupBackground(TKsBitmap&, int Width, int Height) override {
        Calls.push_back("background " + std::to_string(Width) + "x" + std::to_string(Height));
    }

    std::vector<std::string> Calls;

private:
    static std::string Describe(const char* What, bool Selected, bool NotTracking) {
        return std::string(What) + (Selected ? " selected" : "") + (NotTracking ? " idle" : "");
    }
};

const TTeThemeClassOf<TMenuRecordingTheme> TMenuRecordingTheme::Class{"TMenuRecordingTheme",
                                                                      TTeTheme::Class};

class ThemeItems : public ::testing::Test {
protected:
    void SetUp() override {
        TMenuRecordingTheme::Available = true;
        Engine.SetTheme(std::make_unique<TMenuRecordingTheme>());
        Surface.SetSize(200, 100);
        Root.SetThemeEngine(&Engine);
        for (const char* Caption : {"&File", "&Edit"}) {
            auto* Item = new TTeThemeItem(&Owner);
            Item->SetCaption(Caption);
            Root.Add(Item);
        }
        Root.SetThemeEngine(&Engine);
        for (TKsItemView* View : {&Bar, &Popup}) {
            View->SetControl(&Host);
            View->SetBitmap(&Surface);
            View->SetItem(&Root);
        }
    }

    TMenuRecordingTheme& Theme() { return dynamic_cast<TMenuRecordingTheme&>(*Engine.Theme()); }
    TTeThemeItem& Item(int Index) { return dynamic_cast<TTeThemeItem&>(*Root.Items(Index)); }

    TTeThemeEngine Engine{nullptr};
    TComponent Owner{nullptr};
    TTeThemeItem Root{nullptr};
    TForm Host{nullptr};
    TKsBitmap Surface;
    TKsItemView Bar{nullptr, true, true};
    TKsItemView Popup{nullptr, false, false};
};

TEST_F(ThemeItems, TheEngineReachesItemsAddedBeforeTheLinkAndTheThemeMeasuresThem) {
    EXPECT_EQ(Item(1).ThemeEngine(), &Engine);
    EXPECT_EQ(Bar.GetItemRect(&Item(1)).left, 40);
    EXPECT_EQ(Popup.GetItemRect(&Item(1)).top, 21);
    EXPECT_EQ(Popup.GetItemRect(&Item(1)).right, 90);
}

TEST_F(ThemeItems, PaintingAsksTheThemeForTheViewsKindOfItemWithItsState) {
    Bar.SetHotItem(&Item(0));
    Theme().Calls.clear();
    Bar.Paint(Surface);
    std::vector<std::string> Drawn;
    for (const std::string& Call : Theme().Calls)
        if (Call.rfind("measure", 0) != 0)
            Drawn.push_back(Call);
    EXPECT_EQ(Drawn, (std::vector<std::string>{"bar selected idle", "bar idle"}));

    Theme().Calls.clear();
    Popup.SetHotItem(&Item(1));
    Popup.Paint(Surface);
    Drawn.clear();
    for (const std::string& Call : Theme().Calls)
        if (Call.rfind("measure", 0) != 0)
            Drawn.push_back(Call);
    EXPECT_EQ(Drawn, (std::vector<std::string>{"popup idle", "popup selected idle"}));
}

TEST_F(ThemeItems, CaptionButtonItemsAreSquareAndDrawnAsButtons) {
    Item(1).SetButtonKind(TKsItemButtonKind::kibClose);
    int Width = 0;
    int Height = 0;
    Item(1).MeasureItem(&Surface, Bar, Width, Height);
    EXPECT_EQ(Width, 18);
    Theme().Calls.clear();
    Item(1).DrawItem(Surface, Bar, RECT{0, 0, 18, 18}, true, false);
    EXPECT_EQ(Theme().Calls, std::vector<std::string>{"button selected"});
}

TEST_F(ThemeItems, WithoutAnAvailableThemeItemsMeasureAndPaintPlainly) {
    TMenuRecordingTheme::Available = false;
    TKsCustomItem Plain(nullptr);
    Plain.SetCaption("&File");
    int ThemedWidth = 0;
    int ThemedHeight = 0;
    int PlainWidth = 0;
    int PlainHeight = 0;
    Item(0).MeasureItem(&Surface, Popup, ThemedWidth, ThemedHeight);
    Plain.MeasureItem(&Surface, Popup, PlainWidth, PlainHeight);
    EXPECT_EQ(ThemedWidth, PlainWidth);
    EXPECT_EQ(ThemedHeight, PlainHeight);
    Theme().Calls.clear();
    Popup.Paint(Surface);
    EXPECT_TRUE(Theme().Calls.empty());
}

TEST_F(ThemeItems, AThemedPopupsFrameIsTheThemesPopupBackground) {
    const auto Window = TTeThemePopupWindow::CreatePopup(&Owner, Root, nullptr, POINT{});
    Window->HandleNeeded();
    Theme().Calls.clear();
    TKsPopupForm& Frame = Window->PopupForm();
    Frame.PaintFrame(*Frame.GetSurface());
    const std::string Expected = "background " + std::to_string(Frame.FormWidth()) + "x" +
                                 std::to_string(Frame.FormHeight());
    EXPECT_EQ(Theme().Calls, std::vector<std::string>{Expected});
    EXPECT_EQ(Frame.FormWidth(), 90 + 6);
    EXPECT_EQ(Frame.FormHeight(), 2 * 21 + 6);
}

} // namespace
