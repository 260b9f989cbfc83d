// The themed scroll bar asks its engine's theme for every part in the state the part is in,
// and keeps the plain look when there is no theme that can paint.
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsThemeScrollBars.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsUtils.h"
#include "skin/themes/KsThemeEngine.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct TThemeCall {
    std::string Part;
    RECT Rect;
    bool Vertical;
    TTeDrawState State;
};

// A theme that paints nothing and records what it was asked to paint.
class TScrollPartsTheme : public TTeTheme {
public:
    static const TTeThemeClassOf<TScrollPartsTheme> Class;
    const TClass& ClassType() const override { return Class; }
    static std::string GetName() { return "Scroll parts"; }
    static bool IsAvailable() { return true; }

    static constexpr int ButtonLength = 13;

    int GetMetric(uint8_t Index) override { return Index == 25 ? ButtonLength : 0; }
    void DrawScrollBarTrack(TKsBitmap&, const RECT& Rect, bool Vertical) override {
        Calls.push_back({"track", Rect, Vertical, TTeDrawState::tdsNormal});
    }
    void DrawScrollBarArrow(TKsBitmap&, const RECT& Rect, bool Vertical, bool First,
                            TTeDrawState State) override {
        Calls.push_back({First ? "first" : "second", Rect, Vertical, State});
    }
    void DrawScrollBarThumb(TKsBitmap&, const RECT& Rect, bool Vertical,
                            TTeDrawState State) override {
        Calls.push_back({"thumb", Rect, Vertical, State});
    }

    // The state the last call for Part painted it in.
    TTeDrawState StateOf(const std::string& Part) const {
        for (auto Call = Calls.rbegin(); Call != Calls.rend(); ++Call)
            if (Call->Part == Part)
                return Call->State;
        ADD_FAILURE() << Part << " was not painted";
        return TTeDrawState::tdsDefault;
    }

    std::vector<TThemeCall> Calls;
};
const TTeThemeClassOf<TScrollPartsTheme> TScrollPartsTheme::Class{"TScrollPartsTheme",
                                                                  TTeTheme::Class};

class ThemedScrollBar : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinControls();
        Engine = std::make_unique<TTeThemeEngine>(nullptr);
        auto Recording = std::make_unique<TScrollPartsTheme>();
        Theme = Recording.get();
        Engine->SetTheme(std::move(Recording));
        Bar = std::make_unique<TTeThemeScrollBar>(nullptr);
        Bar->SetKind(TScrollBarKind::sbVertical);
        Bar->SetBounds(0, 0, 17, 200);
        Bar->SetThemeEngine(Engine.get());
    }

    void Render() {
        Theme->Calls.clear();
        Bar->Invalidate();
        Bar->RenderSurface();
    }
    void Mouse(uint32_t Msg, POINT Point) {
        Bar->Perform(Msg, Msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, PointToLParam(Point));
    }
    static POINT Centre(const RECT& Rect) {
        return POINT{(Rect.left + Rect.right) / 2, (Rect.top + Rect.bottom) / 2};
    }

    std::unique_ptr<TTeThemeEngine> Engine;
    TScrollPartsTheme* Theme = nullptr;
    std::unique_ptr<TTeThemeScrollBar> Bar;
};

TEST_F(ThemedScrollBar, ThemePaintsEveryPartWithItsOwnButtonLength) {
    Render();
    ASSERT_EQ(Theme->Calls.size(), 4u);
    EXPECT_EQ(Theme->Calls[0].Part, "track");
    EXPECT_TRUE(EqualRect(Theme->Calls[0].Rect, RECT{0, 0, 17, 200}));
    EXPECT_EQ(Theme->Calls[1].Part, "first");
    EXPECT_TRUE(EqualRect(Theme->Calls[1].Rect, RECT{0, 0, 17, TScrollPartsTheme::ButtonLength}));
    EXPECT_EQ(Theme->Calls[2].Part, "second");
    EXPECT_TRUE(
        EqualRect(Theme->Calls[2].Rect, RECT{0, 200 - TScrollPartsTheme::ButtonLength, 17, 200}));
    EXPECT_EQ(Theme->Calls[3].Part, "thumb");
    EXPECT_TRUE(EqualRect(Theme->Calls[3].Rect, Bar->GetThumbRect()));
    for (const TThemeCall& Call : Theme->Calls) {
        EXPECT_TRUE(Call.Vertical) << Call.Part;
        EXPECT_EQ(Call.State, TTeDrawState::tdsNormal) << Call.Part;
    }
}

TEST_F(ThemedScrollBar, PartsShowHoverPressDragAndDisabledStates) {
    const POINT Second = Centre(Bar->GetSecondButtonRect());
    Mouse(WM_MOUSEMOVE, Second);
    Render();
    EXPECT_EQ(Theme->StateOf("second"), TTeDrawState::tdsHot);
    EXPECT_EQ(Theme->StateOf("first"), TTeDrawState::tdsNormal);
    Mouse(WM_LBUTTONDOWN, Second);
    EXPECT_EQ(Bar->Position(), 1); // the first step comes with the press
    Render();
    EXPECT_EQ(Theme->StateOf("second"), TTeDrawState::tdsPressed);
    // Off the button with the mouse held, it springs up.
    Mouse(WM_MOUSEMOVE, Centre(Bar->GetPageAfterRect()));
    Render();
    EXPECT_EQ(Theme->StateOf("second"), TTeDrawState::tdsNormal);
    Mouse(WM_LBUTTONUP, Centre(Bar->GetPageAfterRect()));
    EXPECT_FALSE(Bar->Repeating());

    const POINT Thumb = Centre(Bar->GetThumbRect());
    Mouse(WM_MOUSEMOVE, Thumb);
    Render();
    EXPECT_EQ(Theme->StateOf("thumb"), TTeDrawState::tdsHot);
    Mouse(WM_LBUTTONDOWN, Thumb);
    Render();
    EXPECT_EQ(Theme->StateOf("thumb"), TTeDrawState::tdsPressed);
    Mouse(WM_LBUTTONUP, Thumb);

    Bar->SetEnabled(false);
    Render();
    EXPECT_EQ(Theme->StateOf("first"), TTeDrawState::tdsDisabled);
    EXPECT_EQ(Theme->StateOf("second"), TTeDrawState::tdsDisabled);
}

TEST_F(ThemedScrollBar, HeldPageAreaIsShadedInsetAcrossTheBar) {
    const RECT Page = Bar->GetPageAfterRect();
    Mouse(WM_LBUTTONDOWN, Centre(Page));
    Render();
    const int Y = Bar->GetPageAfterRect().bottom - 1;
    EXPECT_EQ(Bar->Surface().Pixels(8, Y), KsBtnShadow);
    EXPECT_NE(Bar->Surface().Pixels(0, Y), KsBtnShadow);
    Mouse(WM_LBUTTONUP, Centre(Page));
}

// The plain bar of the same size and state, as the themed one looks without a theme.
bool LooksPlain(TTeThemeScrollBar& Bar) {
    TKsScrollBar Plain(nullptr);
    Plain.SetBorderWidth(0);
    Plain.SetKind(Bar.Kind());
    Plain.SetBounds(0, 0, Bar.Width(), Bar.Height());
    Plain.Invalidate();
    Plain.RenderSurface();
    Bar.Invalidate();
    Bar.RenderSurface();
    for (int Y = 0; Y < Bar.Height(); ++Y)
        for (int X = 0; X < Bar.Width(); ++X)
            if (Bar.Surface().Pixels(X, Y) != Plain.Surface().Pixels(X, Y))
                return false;
    return true;
}

TEST_F(ThemedScrollBar, FallsBackToThePlainLookWithoutAPaintingTheme) {
    EXPECT_EQ(Bar->GetButtonSize(), TScrollPartsTheme::ButtonLength);
    EXPECT_FALSE(LooksPlain(*Bar));
    Engine->SetTheme(std::make_unique<TTeTheme>()); // a theme that never paints
    Theme = nullptr;
    EXPECT_TRUE(LooksPlain(*Bar));
    Engine.reset();
    EXPECT_EQ(Bar->ThemeEngine(), nullptr);
    EXPECT_EQ(Bar->GetButtonSize(), GetSystemMetrics(SM_CYVTHUMB));
    EXPECT_TRUE(LooksPlain(*Bar));
}

} // namespace
