// The themed edit: its frame comes from the theme's edit frame, in the state the edit is in,
// the plain frame while the theme cannot paint; its context menu is themed on its engine.
#include "ControlTestSupport.h"

#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsThemeEdits.h"
#include "skin/menus/KsThemeItems.h"
#include "skin/menus/KsThemeMenus.h"
#include "skin/themes/KsThemeEngine.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Fills the edit frame's rectangle in one colour per state, recording the states.
class TEditFrameTheme : public TTeTheme {
public:
    static const TTeThemeClassOf<TEditFrameTheme> Class;
    const TClass& ClassType() const override { return Class; }
    static std::string GetName() { return "Edit frames"; }
    static bool IsAvailable() { return true; }

    static TKsColor FrameColor(TTeDrawState State) {
        return 0xFF102030u + static_cast<TKsColor>(State) * 0x00101010u;
    }
    void DrawEditFrame(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) override {
        States.push_back(State);
        Bitmap.FillRect(Rect, FrameColor(State));
    }
    std::vector<TTeDrawState> States;
};
const TTeThemeClassOf<TEditFrameTheme> TEditFrameTheme::Class{"TEditFrameTheme", TTeTheme::Class};

class ThemedEdit : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinControls();
        Engine = std::make_unique<TTeThemeEngine>(nullptr);
        auto Frames = std::make_unique<TEditFrameTheme>();
        Theme = Frames.get();
        Engine->SetTheme(std::move(Frames));
        Form = MakeHostForm();
        Edit = new TTeThemeEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(0, 0, 120, 21);
        Edit->SetThemeEngine(Engine.get());
    }
    TKsColor Corner() {
        Theme->States.clear();
        Edit->Invalidate();
        Edit->RenderSurface();
        return SurfacePixel(Edit->Surface(), 0, 0);
    }

    std::unique_ptr<TTeThemeEngine> Engine;
    TEditFrameTheme* Theme = nullptr;
    std::unique_ptr<TForm> Form;
    TTeThemeEdit* Edit = nullptr;
};

TEST_F(ThemedEdit, TheThemeDrawsTheFrameInTheEditsState) {
    EXPECT_EQ(Corner(), TEditFrameTheme::FrameColor(TTeDrawState::tdsNormal));
    ASSERT_EQ(Theme->States.size(), 1u);
    Edit->SetEnabled(false);
    EXPECT_EQ(Corner(), TEditFrameTheme::FrameColor(TTeDrawState::tdsDisabled));
}

TEST_F(ThemedEdit, WithoutAPaintingThemeTheFrameIsPlain) {
    Engine->SetTheme(std::make_unique<TTeTheme>()); // a theme that never paints
    TKsEdit Plain(Form.get());
    Plain.SetParent(Form.get());
    Plain.SetBounds(0, 30, 120, 21);
    Plain.RenderSurface();
    const TKsColor PlainCorner = SurfacePixel(Plain.Surface(), 0, 0);
    EXPECT_EQ(Corner(), PlainCorner);
    Engine.reset();
    EXPECT_EQ(Edit->ThemeEngine(), nullptr);
    EXPECT_EQ(Corner(), PlainCorner);
}

TEST_F(ThemedEdit, TheContextMenuIsThemedWithThemedItems) {
    auto* Menu = dynamic_cast<TTeThemePopupMenu*>(&Edit->ContextMenu());
    ASSERT_NE(Menu, nullptr);
    ASSERT_EQ(Menu->Items()->Count(), 8);
    for (int I = 0; I < Menu->Items()->Count(); ++I)
        EXPECT_NE(dynamic_cast<TTeThemeItem*>(Menu->Items()->Items(I)), nullptr) << I;
}

} // namespace
