// The show-animation effects, each drawn into a surface standing for the screen, with a
// clock that lets every frame take a chosen number of milliseconds and scripted random
// choices: first and last frames, the time bounds, and the transparent colour never
// covering the backdrop.
#include "skin/forms/KsEffects.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace {

constexpr int W = 40;
constexpr int H = 30;

// Every frame takes the next of FrameMs (the last one repeats); the clock counts in
// milliseconds, or reports no frequency at all.
struct TScriptedClock {
    static inline std::vector<std::int64_t> FrameMs{1};
    static inline std::int64_t Frequency = 1000;
    static inline std::int64_t Now = 0;
    static inline int Reads = 0;
    static inline std::deque<int> Randoms;

    static std::int64_t Count() {
        // The first read starts the effect; every later one ends a frame.
        if (Reads++ > 0) {
            const std::size_t Frame = static_cast<std::size_t>(Reads - 2);
            Now += FrameMs[std::min(Frame, FrameMs.size() - 1)];
        }
        return Now;
    }
    static std::int64_t CountsPerSecond() { return Frequency; }
    static int Random(int Range) {
        const int Value = Randoms.front();
        Randoms.pop_front();
        EXPECT_LT(Value, Range);
        return Value;
    }
    static int Frames() { return Reads > 0 ? Reads - 1 : 0; }
};

TKsColor BackdropPixel(int X, int Y) {
    return 0xFF000000u | static_cast<TKsColor>((X * 5) << 16 | (Y * 7) << 8 | 0x20);
}

TKsColor ImagePixel(int X, int Y) {
    return 0xFF000000u | static_cast<TKsColor>(0x80 << 16 | (200 - X) << 8 | (100 + Y));
}

class Effects : public ::testing::Test {
protected:
    void SetUp() override {
        Saved = KsEffectsHost();
        KsEffectsHost() = TKsEffectsHost{&TScriptedClock::Count, &TScriptedClock::CountsPerSecond,
                                         &TScriptedClock::Random};
        Reset();
    }
    void TearDown() override { KsEffectsHost() = Saved; }

    // A fresh clock, backdrop, image and screen.
    void Reset() {
        TScriptedClock::FrameMs = {1};
        TScriptedClock::Frequency = 1000;
        TScriptedClock::Now = 0;
        TScriptedClock::Reads = 0;
        TScriptedClock::Randoms.clear();
        Backdrop.SetSize(W, H);
        Image.SetSize(W, H);
        Screen.SetSize(W + 20, H + 20);
        Screen.Fill(Untouched);
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X) {
                Backdrop.SetPixels(X, Y, BackdropPixel(X, Y));
                Image.SetPixels(X, Y, ImagePixel(X, Y));
            }
        // Outside the window's shape: the transparent colour, once with a stray alpha.
        Image.SetPixels(3, 4, KsTransparent);
        Image.SetPixels(W - 3, H - 4, KsTransparent | 0xFF000000u);
    }

    // The screen pixel at the window's (X, Y); the window stands at (10, 10).
    TKsColor Shown(int X, int Y) const { return Screen.Pixels(X + 10, Y + 10); }
    void ExpectOnlyBackdrop() const {
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X)
                ASSERT_EQ(Shown(X, Y), BackdropPixel(X, Y)) << X << "," << Y;
    }
    void ExpectTransparentShowsBackdrop() const {
        EXPECT_EQ(Shown(3, 4) & 0xFFFFFF, BackdropPixel(3, 4) & 0xFFFFFF);
        EXPECT_EQ(Shown(W - 3, H - 4) & 0xFFFFFF, BackdropPixel(W - 3, H - 4) & 0xFFFFFF);
    }
    void Fade(int Time) { AnimateFade(Screen.DC(), Backdrop, Window, Time, Dest, Image); }
    void Slide(int Time, int Direction) {
        AnimateSlide(Screen.DC(), Backdrop, Window, Time, Direction, Dest, Image);
    }
    void Grow(int Time, int Direction) {
        AnimateRect(Screen.DC(), Backdrop, Window, Time, Direction, Dest, Image);
    }

    static constexpr TKsColor Untouched = 0xFF123456u;
    const RECT Window{0, 0, W, H};
    const RECT Dest{10, 10, 10 + W, 10 + H};
    TKsEffectsHost Saved{};
    TKsBitmap Backdrop;
    TKsBitmap Image;
    TKsBitmap Screen;
};

TKsColor Mixed(TKsColor Pixel, std::uint8_t Alpha, TKsColor Under) {
    return KsBlendPixel((Pixel & 0x00FFFFFFu) | TKsColor(Alpha) << 24, Under);
}

} // namespace

TEST_F(Effects, FadeRisesFromOpacity15ToJustUnderOpaque) {
    TScriptedClock::FrameMs = {1000};
    Fade(400);
    EXPECT_EQ(TScriptedClock::Frames(), 1);
    EXPECT_EQ(Shown(7, 9) & 0xFFFFFF, Mixed(ImagePixel(7, 9), 15, BackdropPixel(7, 9)) & 0xFFFFFF);
    ExpectTransparentShowsBackdrop();
    EXPECT_EQ(Screen.Pixels(5, 5), Untouched) << "nothing drawn outside the window";

    // The first frame ends at 99 ms of 100: the last one is drawn at 0.99.
    Reset();
    TScriptedClock::FrameMs = {99};
    Fade(100);
    EXPECT_EQ(TScriptedClock::Frames(), 2);
    EXPECT_EQ(Shown(7, 9) & 0xFFFFFF, Mixed(ImagePixel(7, 9), 253, BackdropPixel(7, 9)) & 0xFFFFFF);
    ExpectTransparentShowsBackdrop();
}

TEST_F(Effects, TheTimeBoundsTheFrames) {
    Fade(0);
    Slide(0, 0);
    Grow(0, 0);
    Grow(5, 0);
    EXPECT_EQ(TScriptedClock::Frames(), 0);
    EXPECT_EQ(Shown(0, 0), Untouched);
    Slide(1, 0);
    EXPECT_EQ(TScriptedClock::Frames(), 1);
    // A clock that does not move still ends the effect: each frame counts a millisecond.
    TScriptedClock::Reads = 0;
    TScriptedClock::FrameMs = {0};
    Fade(20);
    EXPECT_EQ(TScriptedClock::Frames(), 20);
}

TEST_F(Effects, AClockWithoutFrequencyStillEnds) {
    TScriptedClock::Frequency = 0;
    TScriptedClock::FrameMs = {500};
    Grow(25, 0);
    EXPECT_EQ(TScriptedClock::Frames(), 20);
}

TEST_F(Effects, TheFirstSlideFrameShowsOnlyTheBackdropFromEveryDirection) {
    for (int Direction = 0; Direction < 8; ++Direction) {
        Screen.Fill(Untouched);
        Slide(1, Direction);
        ExpectOnlyBackdrop();
    }
}

TEST_F(Effects, SlidesEnterFromTheirSide) {
    // Half way through: the window is half a size away from its place.
    TScriptedClock::FrameMs = {50, 1000};
    Slide(100, 0);
    EXPECT_EQ(Shown(W / 2, 0), ImagePixel(0, 0));
    EXPECT_EQ(Shown(W / 2 - 1, 0), BackdropPixel(W / 2 - 1, 0));
    Reset();
    TScriptedClock::FrameMs = {50, 1000};
    Slide(100, 4);
    EXPECT_EQ(Shown(0, 0), ImagePixel(W / 2, H / 2));
    EXPECT_EQ(Shown(W / 2, H / 2), BackdropPixel(W / 2, H / 2));
    Reset();
    TScriptedClock::FrameMs = {50, 1000};
    Slide(100, 7);
    EXPECT_EQ(Shown(W / 2, H / 2), ImagePixel(0, 0));
    EXPECT_EQ(Shown(W / 2 - 1, H / 2), BackdropPixel(W / 2 - 1, H / 2));
    // Last frame at 0.99: in place, the transparent pixels showing the backdrop.
    Reset();
    TScriptedClock::FrameMs = {99};
    Slide(100, 2);
    EXPECT_EQ(Shown(0, 0), ImagePixel(0, 0));
    ExpectTransparentShowsBackdrop();
}

TEST_F(Effects, RectanglesGrowFromTheCentreOrACorner) {
    // The first frame is at 5 ms of 100.
    TScriptedClock::FrameMs = {1000};
    Grow(100, 0);
    EXPECT_EQ(Shown(19, 14), ImagePixel(19, 14));
    EXPECT_EQ(Shown(20, 15), ImagePixel(20, 15));
    EXPECT_EQ(Shown(18, 14), BackdropPixel(18, 14));
    EXPECT_EQ(Shown(21, 15), BackdropPixel(21, 15));
    Reset();
    TScriptedClock::FrameMs = {1000};
    Grow(100, 4);
    EXPECT_EQ(Shown(38, 28), ImagePixel(38, 28));
    EXPECT_EQ(Shown(37, 28), BackdropPixel(37, 28));
    EXPECT_EQ(Shown(38, 27), BackdropPixel(38, 27));
    Reset();
    TScriptedClock::FrameMs = {1000};
    Grow(100, 2);
    EXPECT_EQ(Shown(W - 2, 0), ImagePixel(W - 2, 0));
    EXPECT_EQ(Shown(W - 3, 0), BackdropPixel(W - 3, 0));
    EXPECT_EQ(Shown(W - 1, 2), BackdropPixel(W - 1, 2));
    // The last frame at 0.99 reveals the whole window but its transparent pixels.
    for (int Direction : {1, 3}) {
        Reset();
        TScriptedClock::FrameMs = {94};
        Grow(100, Direction);
        EXPECT_EQ(TScriptedClock::Frames(), 2);
        EXPECT_EQ(Shown(0, 0), ImagePixel(0, 0));
        EXPECT_EQ(Shown(W - 1, H - 1), ImagePixel(W - 1, H - 1));
        ExpectTransparentShowsBackdrop();
    }
}

TEST_F(Effects, RandomChoosesOneOfTheThreeEffectsAndItsVariant) {
    TScriptedClock::Randoms = {0, 0, 1};
    EXPECT_EQ(KsChooseAnimation(TKsAnimation::kaRandom), TKsAnimation::kaFade);
    TScriptedClock::Randoms = {3};
    EXPECT_EQ(KsChooseAnimation(TKsAnimation::kaRandom), TKsAnimation::kaRect);
    EXPECT_EQ(KsChooseAnimation(TKsAnimation::kaSlide), TKsAnimation::kaSlide);

    // A slide from the top, half way.
    TScriptedClock::Randoms = {2, 3};
    TScriptedClock::FrameMs = {49, 1000};
    KsPlayAnimation(TKsAnimation::kaRandom, Screen.DC(), Backdrop, Window, 100, Dest, Image);
    EXPECT_TRUE(TScriptedClock::Randoms.empty());
    EXPECT_EQ(Shown(0, 0), ImagePixel(0, H / 2));
    EXPECT_EQ(Shown(0, H / 2), BackdropPixel(0, H / 2));

    Screen.Fill(Untouched);
    KsPlayAnimation(TKsAnimation::kaNone, Screen.DC(), Backdrop, Window, 100, Dest, Image);
    EXPECT_EQ(Shown(0, 0), Untouched);
}

TEST(EffectsCounter, MeasuresSecondsBetweenStartAndStop) {
    std::unique_ptr<TKsCounter> Counter;
    EXPECT_EQ(StopCounter(Counter), 0.0f);
    StartCounter(Counter);
    ASSERT_TRUE(Counter);
    EXPECT_TRUE(Counter->Running());
    EXPECT_GE(StopCounter(Counter), 0.0f);
    EXPECT_FALSE(Counter);
}
