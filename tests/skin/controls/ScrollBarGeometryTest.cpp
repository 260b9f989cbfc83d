// The skinned scroll bar without input: its parts' sizes and places from the host's scroll
// thumb size, the mapping between positions and pixels (also for ranges whose products
// exceed 32 bits), the steps named by keys, and ranges read from layouts.
#include "framework/core/LayoutReader.h"
#include "framework/core/Properties.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsScrollBars.h"
#include "skin/controls/KsThemeScrollBars.h"
#include "skin/graphics/KsUtils.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

int SystemThumb() {
    return GetSystemMetrics(SM_CYVTHUMB);
}

std::unique_ptr<TKsScrollBar> VerticalBar(int Width, int Height) {
    auto Bar = std::make_unique<TKsScrollBar>(nullptr);
    Bar->SetKind(TScrollBarKind::sbVertical);
    Bar->SetBounds(0, 0, Width, Height);
    return Bar;
}

int TrackLength(const TKsCustomScrollBar& Bar) {
    return RectHeight(Bar.GetTrackRect());
}

TEST(ScrollBarGeometry, NewBarIsAsThickAsTheSystemsWithOneBorder) {
    TKsScrollBar Bar(nullptr);
    EXPECT_EQ(Bar.Width(), 121);
    EXPECT_EQ(Bar.Height(), SystemThumb() + 2);
    Bar.SetKind(TScrollBarKind::sbVertical);
    Bar.SetBorderWidth(3);
    Bar.AdjustSize();
    EXPECT_EQ(Bar.Width(), SystemThumb() + 6);
}

TEST(ScrollBarGeometry, ButtonsAreTheSystemThumbSizeOrHalfOfAShortBar) {
    const int N = SystemThumb();
    auto Long = VerticalBar(20, 200);
    EXPECT_EQ(Long->GetButtonSize(), N);
    EXPECT_TRUE(EqualRect(Long->GetFirstButtonRect(), RECT{1, 1, 19, 1 + N}));
    EXPECT_TRUE(EqualRect(Long->GetSecondButtonRect(), RECT{1, 199 - N, 19, 199}));
    EXPECT_TRUE(EqualRect(Long->GetTrackRect(), RECT{1, 1 + N, 19, 199 - N}));

    // Shorter than two system buttons: each button takes half of the length inside the border.
    auto Short = VerticalBar(20, N + 5);
    EXPECT_EQ(Short->GetButtonSize(), (N + 3) / 2);
    Short->SetShowButtons(false);
    EXPECT_TRUE(EqualRect(Short->GetTrackRect(), RECT{1, 1, 19, N + 4}));

    TKsScrollBar Horizontal(nullptr);
    Horizontal.SetBounds(0, 0, 300, 20);
    EXPECT_TRUE(EqualRect(Horizontal.GetFirstButtonRect(), RECT{1, 1, 1 + N, 19}));
    EXPECT_TRUE(EqualRect(Horizontal.GetSecondButtonRect(), RECT{299 - N, 1, 299, 19}));
}

TEST(ScrollBarGeometry, ThumbFollowsThePageSizeAndVanishesWhenThePageCoversTheRange) {
    auto Bar = VerticalBar(20, 300);
    const int Track = TrackLength(*Bar);
    EXPECT_EQ(Bar->GetThumbSize(), SystemThumb());
    Bar->SetMax(99);
    Bar->SetPageSize(25);
    EXPECT_EQ(Bar->GetThumbSize(), (Track + 2) / 4);
    Bar->SetPageSize(1); // tiny pages still get a thumb one can grab
    EXPECT_EQ(Bar->GetThumbSize(), SystemThumb() / 3 * 2);
    Bar->SetPageSize(100);
    EXPECT_EQ(Bar->GetThumbSize(), 0);
    EXPECT_TRUE(IsRectEmpty(Bar->GetThumbRect()));
    Bar->SetPageSize(1000); // limited to the range's size
    EXPECT_EQ(Bar->PageSize(), 100);
}

TEST(ScrollBarGeometry, PositionsAndPixelsMapBothWaysOverTheTrack) {
    auto Bar = VerticalBar(20, 400);
    const RECT Track = Bar->GetTrackRect();
    EXPECT_EQ(Bar->PositionToPixel(), Track.top);
    for (int Position = 0; Position <= 100; ++Position) {
        Bar->SetPosition(Position);
        const int Pixel = Bar->PositionToPixel();
        EXPECT_EQ(Bar->PixelToPosition(Pixel), Position);
        EXPECT_TRUE(EqualRect(Bar->GetThumbRect(),
                              RECT{Track.left, Pixel, Track.right, Pixel + SystemThumb()}));
    }
    EXPECT_EQ(Bar->PositionToPixel(), Track.bottom - SystemThumb());
    // Pixels past the track's ends stop at the range's ends.
    EXPECT_EQ(Bar->PixelToPosition(Track.top - 50), 0);
    EXPECT_EQ(Bar->PixelToPosition(Track.bottom + 50), 100);
    Bar->SetPageSize(10);
    EXPECT_EQ(Bar->PixelToPosition(Track.bottom + 50), 91);
}

TEST(ScrollBarGeometry, LargeRangesMapWithoutOverflow) {
    auto Bar = VerticalBar(20, 400);
    const RECT Track = Bar->GetTrackRect();
    const int Free = RectHeight(Track) - SystemThumb();
    Bar->SetMax(2000000000);
    Bar->SetPosition(1500000000);
    EXPECT_EQ(Bar->PositionToPixel(), Track.top + (3 * Free + 2) / 4);
    EXPECT_EQ(Bar->PixelToPosition(Track.top + Free), 2000000000);
    EXPECT_NEAR(Bar->PixelToPosition(Track.top + Free / 2), 1000000000, 2000000000 / Free);

    // A range wider than 32 bits can count.
    Bar->SetMin(-2000000000);
    Bar->SetPosition(0);
    EXPECT_NEAR(Bar->PositionToPixel(), Track.top + Free / 2, 1);
    Bar->SetPageSize(2000000000);
    EXPECT_EQ(Bar->GetThumbSize(), (RectHeight(Track) + 1) / 2);
    EXPECT_EQ(Bar->PixelToPosition(Track.bottom), 1);
}

TEST(ScrollBarGeometry, TooSmallARangeKeepsTheThumbAtTheStart) {
    auto Bar = VerticalBar(20, 300);
    Bar->SetMax(0);
    EXPECT_EQ(Bar->PositionToPixel(), Bar->GetTrackRect().top);
    EXPECT_EQ(Bar->PixelToPosition(250), 0);
}

// Records what OnScroll sees and may answer with another position.
class ScrollSteps : public ::testing::Test {
protected:
    void SetUp() override {
        Bar.SetBounds(0, 0, 200, 20);
        Bar.SetPosition(50);
        Bar.SetSmallChange(2);
        Bar.SetLargeChange(10);
        Bar.OnScroll = MakeEvent(this, &ScrollSteps::Scrolled);
        Bar.OnChange = MakeEvent(this, &ScrollSteps::Changed);
    }
    void Scrolled(TObject*, TKsScrollCode Code, int& Position) {
        Seen.push_back({Code, Position});
        if (Override)
            Position = Override;
    }
    void Changed(TObject*) { ++Changes; }
    // The code and position the step asked for, and where the bar ended.
    void Step(WORD Key, TKsScrollCode Code, int Requested, int Result) {
        Seen.clear();
        Bar.ScrollStep(Key);
        ASSERT_EQ(Seen.size(), 1u) << Key;
        EXPECT_EQ(Seen[0].first, Code) << Key;
        EXPECT_EQ(Seen[0].second, Requested) << Key;
        EXPECT_EQ(Bar.Position(), Result) << Key;
    }

    TKsScrollBar Bar{nullptr};
    std::vector<std::pair<TKsScrollCode, int>> Seen;
    int Override = 0;
    int Changes = 0;
};

TEST_F(ScrollSteps, KeysStepByTheirAmountsWithinTheRange) {
    Step(VK_PRIOR, TKsScrollCode::kscPageUp, 40, 40);
    Step(VK_NEXT, TKsScrollCode::kscPageDown, 50, 50);
    Bar.SetPageSize(7); // a page, when there is one, is the step
    Step(VK_PRIOR, TKsScrollCode::kscPageUp, 43, 43);
    Step(VK_UP, TKsScrollCode::kscLineUp, 41, 41);
    Step(VK_LEFT, TKsScrollCode::kscLineUp, 39, 39);
    Step(VK_DOWN, TKsScrollCode::kscLineDown, 41, 41);
    Step(VK_RIGHT, TKsScrollCode::kscLineDown, 43, 43);
    Step(VK_END, TKsScrollCode::kscBottom, 100, 100);
    Step(VK_NEXT, TKsScrollCode::kscPageDown, 100, 100);
    Step(VK_HOME, TKsScrollCode::kscTop, 0, 0);
    Step(VK_UP, TKsScrollCode::kscLineUp, 0, 0);
    Seen.clear();
    Bar.ScrollStep(VK_RETURN);
    EXPECT_TRUE(Seen.empty());
    EXPECT_EQ(Changes, 9); // only steps that moved
}

TEST_F(ScrollSteps, TheHandlersPositionIsApplied) {
    Override = 77;
    Step(VK_DOWN, TKsScrollCode::kscLineDown, 52, 77);
    Override = 500; // still limited to the range
    Step(VK_DOWN, TKsScrollCode::kscLineDown, 79, 100);
}

TEST_F(ScrollSteps, AutoScrollStopsAtTheRangesEnd) {
    Bar.SetPosition(1);
    Bar.SetAutoScrollDown(true);
    Bar.SetAutoScrollUp(true);
    EXPECT_FALSE(Bar.AutoScrollDown());
    EXPECT_TRUE(Bar.Repeating());
    Bar.ScrollStep(VK_UP);
    EXPECT_EQ(Bar.Position(), 0);
    EXPECT_FALSE(Bar.AutoScrollUp());
    EXPECT_FALSE(Bar.Repeating());
}

TEST(ScrollBarRange, LimitsKeepEachOtherAndThePositionInRange) {
    TKsScrollBar Bar(nullptr);
    Bar.SetPosition(80);
    Bar.SetPageSize(60);
    Bar.SetMax(50);
    EXPECT_EQ(Bar.Position(), 50);
    EXPECT_EQ(Bar.PageSize(), 51);
    Bar.SetMin(70);
    EXPECT_EQ(Bar.Min(), 50);
    Bar.SetMax(10);
    EXPECT_EQ(Bar.Max(), 50);
    Bar.SetPageSize(-3);
    EXPECT_EQ(Bar.PageSize(), 1);
}

TEST(ScrollBarRange, ARangeContradictingItselfWhileLoadingHasNoPages) {
    auto Bar = VerticalBar(20, 200);
    // Read in this order, Min stands above Max until the layout is complete: the bar may be
    // painted meanwhile and divides by no empty range.
    Bar->IncludeState(TComponentStateFlag::csLoading);
    Bar->SetMin(101);
    Bar->SetPageSize(9);
    EXPECT_EQ(Bar->GetThumbSize(), SystemThumb());
    EXPECT_EQ(Bar->PixelToPosition(100), 101);
    EXPECT_FALSE(IsRectEmpty(Bar->GetThumbRect()));
    Bar->ExcludeState(TComponentStateFlag::csLoading);
    Bar->Loaded();
    EXPECT_EQ(Bar->Max(), 101);
    EXPECT_EQ(Bar->PageSize(), 1);
}

class ScrollBarLayout : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterSkinControls(); }

    TKsCustomScrollBar& Read(const std::string& Body) {
        Root = std::make_unique<TComponent>(nullptr);
        Root->SetName("Holder");
        ReadLayout("object Holder: TComponent\n  object Bar: " + Body + "\n  end\nend\n",
                   Root.get());
        return dynamic_cast<TKsCustomScrollBar&>(*Root->FindComponent("Bar"));
    }

    std::unique_ptr<TComponent> Root;
};

TEST_F(ScrollBarLayout, RangesLoadInEitherOrder) {
    for (const char* Lines : {"    Max = 500\n    Min = 200\n    Position = 300\n",
                              "    Min = 200\n    Max = 500\n    Position = 300\n",
                              "    Position = 300\n    Min = 200\n    Max = 500\n"}) {
        TKsCustomScrollBar& Bar = Read(std::string("TKsScrollBar\n") + Lines);
        EXPECT_EQ(Bar.Min(), 200) << Lines;
        EXPECT_EQ(Bar.Max(), 500) << Lines;
        EXPECT_EQ(Bar.Position(), 300) << Lines;
    }
    // A stored range that contradicts itself is still limited once loaded.
    TKsCustomScrollBar& Bar =
        Read("TKsScrollBar\n    Min = 40\n    Max = 30\n    Position = 5\n    PageSize = 9");
    EXPECT_EQ(Bar.Max(), 40);
    EXPECT_EQ(Bar.Position(), 40);
    EXPECT_EQ(Bar.PageSize(), 1);
}

TEST_F(ScrollBarLayout, ThemedBarKeepsItsVersionOutOfLayouts) {
    TKsCustomScrollBar& Bar = Read("TTeThemeScrollBar\n    Version = '1.0'\n    Max = 9");
    auto& Themed = dynamic_cast<TTeThemeScrollBar&>(Bar);
    EXPECT_EQ(Themed.Version(), "2.9.0");
    EXPECT_EQ(Themed.BorderWidth(), 0);
    EXPECT_EQ(Themed.Max(), 9);
    const TPropInfo* Version = FindPropInfo(Themed.ClassType(), "Version");
    ASSERT_NE(Version, nullptr);
    EXPECT_FALSE(Version->IsStored(Themed));
}

} // namespace
