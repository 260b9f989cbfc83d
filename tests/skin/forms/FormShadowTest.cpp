// The screen behind a skinned form: the snapshot read through a stand-in screen that shows a
// known picture (and notes every rectangle read), the shadow and the translucent form
// composed over it, the maximised form without strips, shadow changes at run time, and on
// the host's real screen the shadow and the show animation.
#include "WindowTestSupport.h"

#include "skin/forms/KsEffects.h"
#include "skin/forms/KsForms.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsUtils.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr TKsColor ShadowColor = 0x903F3F3Fu;

TKsColor PicturePixel(int ScreenX, int ScreenY) {
    return 0xFF000000u |
           static_cast<TKsColor>((ScreenX * 3 & 0xFF) << 16 | (ScreenY * 5 & 0xFF) << 8 | 0x40);
}

// A screen that shows the known picture everywhere.
struct TPictureScreen {
    static inline std::vector<RECT> Reads;
    static bool Copy(TKsBitmap& Target, int X, int Y, const RECT& ScreenRect) {
        Reads.push_back(ScreenRect);
        for (int SY = ScreenRect.top; SY < ScreenRect.bottom; ++SY)
            for (int SX = ScreenRect.left; SX < ScreenRect.right; ++SX)
                Target.SetPixels(X + SX - ScreenRect.left, Y + SY - ScreenRect.top,
                                 PicturePixel(SX, SY));
        return true;
    }
    static long Area() {
        long Sum = 0;
        for (const RECT& Rect : Reads)
            Sum += long(RectWidth(Rect)) * RectHeight(Rect);
        return Sum;
    }
};

TKsColor Rgb(TKsColor Pixel) {
    return Pixel & 0x00FFFFFFu;
}

class FormShadow : public ::testing::Test {
protected:
    void SetUp() override {
        SavedSource = KsScreenSource();
        KsScreenSource() = &TPictureScreen::Copy;
        TPictureScreen::Reads.clear();
    }
    void TearDown() override {
        Form.reset();
        KsScreenSource() = SavedSource;
    }
    // A shown form with a controller set up by Setup before it is attached.
    void ShowForm(const std::function<void(TKsCustomForm&)>& Setup) {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(200, 150, 300, 200);
        Form->SetColor(clWhite);
        Controller = new TKsCustomForm(Form.get());
        Setup(*Controller);
        Controller->Loaded();
        Form->Show();
        PumpUntil([] { return false; }, 5);
    }
    RECT WindowRect() const {
        RECT Rect{};
        GetWindowRect(Form->Handle(), &Rect);
        return Rect;
    }
    // Whether the snapshot shows the picture under the window's rectangle.
    void ExpectSnapshotOfPicture() const {
        const RECT Rect = Controller->BackgroundRect();
        const RECT Window = WindowRect();
        ASSERT_TRUE(EqualRect(&Rect, &Window));
        const TKsBitmap& Snapshot = Controller->Background();
        for (int Y = 0; Y < Snapshot.Height(); Y += 3)
            for (int X = 0; X < Snapshot.Width(); X += 3)
                ASSERT_EQ(Rgb(Snapshot.Pixels(X, Y)),
                          Rgb(PicturePixel(Rect.left + X, Rect.top + Y)))
                    << X << "," << Y;
    }

    TKsScreenSource SavedSource = nullptr;
    std::unique_ptr<TForm> Form;
    TKsCustomForm* Controller = nullptr;
};

void WithShadow(TKsCustomForm& Controller) {
    Controller.SetDropShadow(true);
}

} // namespace

TEST_F(FormShadow, TheShadowIsAnOffsetBandOverTheSnapshot) {
    ShowForm(WithShadow);
    const int S = Controller->ShadowWidth();
    EXPECT_EQ(Controller->WindowWidth(), Controller->FormWidth() + S);
    EXPECT_EQ(Controller->WindowHeight(), Controller->FormHeight() + S);
    EXPECT_EQ(Controller->HitTest(Controller->FormWidth() + 1, 100), TKsFormZone::fzNone);
    ExpectSnapshotOfPicture();

    Controller->RedrawFrame();
    const TKsBitmap& Surface = *Controller->GetSurface();
    const RECT Window = WindowRect();
    const auto Picture = [&](int X, int Y) {
        return PicturePixel(Window.left + X, Window.top + Y);
    };
    const int W = Controller->FormWidth(), H = Controller->FormHeight();
    const int WW = Controller->WindowWidth(), WH = Controller->WindowHeight();
    for (int Y : {0, S - 1})
        EXPECT_EQ(Rgb(Surface.Pixels(W, Y)), Rgb(Picture(W, Y))) << "top-right corner " << Y;
    for (int X : {0, S - 1})
        EXPECT_EQ(Rgb(Surface.Pixels(X, H)), Rgb(Picture(X, H))) << "bottom-left corner " << X;
    for (POINT P :
         {POINT{W, S}, POINT{WW - 1, 100}, POINT{WW - 1, WH - 1}, POINT{S, WH - 1}, POINT{100, H}})
        EXPECT_EQ(Rgb(Surface.Pixels(P.x, P.y)), Rgb(KsBlendPixel(ShadowColor, Picture(P.x, P.y))))
            << P.x << "," << P.y;
}

TEST_F(FormShadow, AMoveReReadsOnlyTheUncoveredStrips) {
    ShowForm(WithShadow);
    const RECT Before = WindowRect();
    TPictureScreen::Reads.clear();
    Form->SetBounds(Form->Left() + 10, Form->Top(), Form->Width(), Form->Height());
    ASSERT_EQ(TPictureScreen::Reads.size(), 1u);
    const RECT Strip{Before.right, Before.top, Before.right + 10, Before.bottom};
    EXPECT_TRUE(EqualRect(&TPictureScreen::Reads[0], &Strip));
    ExpectSnapshotOfPicture();

    TPictureScreen::Reads.clear();
    Form->SetBounds(Form->Left() - 3, Form->Top() - 4, Form->Width(), Form->Height());
    EXPECT_EQ(TPictureScreen::Area(), 3L * RectHeight(Before) + 4L * RectWidth(Before));
    ExpectSnapshotOfPicture();

    // No overlap: the whole rectangle is read once.
    TPictureScreen::Reads.clear();
    Form->SetBounds(Form->Left() + 500, Form->Top() + 400, Form->Width(), Form->Height());
    EXPECT_EQ(TPictureScreen::Area(), long(RectWidth(Before)) * RectHeight(Before));
    ExpectSnapshotOfPicture();
}

TEST_F(FormShadow, AMoveWithoutSizeKeepsTheWindowsSize) {
    ShowForm(WithShadow);
    const RECT Before = WindowRect();
    SetWindowPos(Form->Handle(), nullptr, Before.left + 7, Before.top + 5, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT After = WindowRect();
    EXPECT_EQ(RectWidth(After), RectWidth(Before));
    EXPECT_EQ(RectHeight(After), RectHeight(Before));
    ExpectSnapshotOfPicture();
}

TEST_F(FormShadow, AMaximisedFormHasNoShadowStrips) {
    ShowForm(WithShadow);
    Controller->Maximize();
    PumpUntil([] { return false; }, 5);
    EXPECT_EQ(Controller->WindowWidth(), Controller->FormWidth());
    EXPECT_EQ(Controller->WindowHeight(), Controller->FormHeight());
    TKsBitmap Bitmap;
    Bitmap.SetSize(Controller->WindowWidth(), Controller->WindowHeight());
    Bitmap.Fill(KsWhite);
    Controller->PaintShadow(Bitmap);
    EXPECT_EQ(Bitmap.Pixels(Controller->WindowWidth() - 1, 100), KsWhite);
    EXPECT_EQ(Bitmap.Pixels(100, Controller->WindowHeight() - 1), KsWhite);
}

TEST_F(FormShadow, SwitchingTheShadowAtRunTimeRebuildsFrameAndSnapshot) {
    ShowForm([](TKsCustomForm&) {});
    const int ClientW = Form->ClientWidth();
    const int ClientH = Form->ClientHeight();
    Controller->SetDropShadow(true);
    EXPECT_EQ(Form->ClientWidth(), ClientW);
    EXPECT_EQ(Form->ClientHeight(), ClientH);
    EXPECT_EQ(Controller->WindowWidth(), Controller->FormWidth() + 4);
    ExpectSnapshotOfPicture();
    Controller->SetShadowWidth(8);
    EXPECT_EQ(Controller->WindowWidth(), Controller->FormWidth() + 8);
    EXPECT_EQ(Form->ClientWidth(), ClientW);
    ExpectSnapshotOfPicture();
    const RECT Window = WindowRect();
    const int W = Controller->FormWidth();
    EXPECT_EQ(Rgb(Controller->GetSurface()->Pixels(W + 2, 2)),
              Rgb(PicturePixel(Window.left + W + 2, Window.top + 2)))
        << "no transparent colour left in the corner";
}

TEST_F(FormShadow, ABlendedFormShowsTheSnapshotThrough) {
    ShowForm([](TKsCustomForm& Controller) {
        Controller.SetBlend(true);
        Controller.SetBlendValue(150);
    });
    ExpectSnapshotOfPicture();
    RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Controller->RedrawFrame();
    const TKsBitmap& Surface = *Controller->GetSurface();
    const RECT Window = WindowRect();
    const RECT C = Controller->GetClientBounds();
    const int X = (C.left + C.right) / 2;
    const int Y = (C.top + C.bottom) / 2;
    EXPECT_EQ(Rgb(Surface.Pixels(X, Y)),
              Rgb(KsBlendPixel((KsWhite & 0xFFFFFF) | 150u << 24,
                               PicturePixel(Window.left + X, Window.top + Y))));
    EXPECT_EQ(Rgb(Surface.Pixels(X, C.bottom)),
              Rgb(KsBlendPixel((KsBtnFace & 0xFFFFFF) | 150u << 24,
                               PicturePixel(Window.left + X, Window.top + C.bottom))));
    // Translucent forms never animate.
    int ClockReads = 0;
    static int* Reads = nullptr;
    Reads = &ClockReads;
    const TKsEffectsHost Saved = KsEffectsHost();
    KsEffectsHost().Count = [] {
        ++*Reads;
        return std::int64_t{0};
    };
    Controller->SetShowAnimation(TKsAnimation::kaFade);
    Controller->ShowAnimated();
    KsEffectsHost() = Saved;
    EXPECT_EQ(ClockReads, 0);
}

// On the host's screen, over a window of one known colour.
class FormShadowOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        Backdrop = std::make_unique<TForm>(nullptr);
        Backdrop->SetBorderStyle(TFormBorderStyle::bsNone);
        Backdrop->SetColor(static_cast<TColor>(RGB(0, 0, 255)));
        Backdrop->SetBounds(150, 100, 500, 400);
        BringForward(*Backdrop);
        PumpUntil([] { return false; }, 5);
    }
    void TearDown() override {
        Form.reset();
        Backdrop.reset();
    }
    static TKsColor ScreenPixel(int X, int Y) {
        TKsBitmap Pixel;
        Pixel.SetSize(1, 1);
        const HDC Screen = GetDC(nullptr);
        BitBlt(Pixel.DC(), 0, 0, 1, 1, Screen, X, Y, SRCCOPY);
        ReleaseDC(nullptr, Screen);
        return Rgb(Pixel.Pixels(0, 0));
    }

    std::unique_ptr<TForm> Backdrop;
    std::unique_ptr<TForm> Form;
};

TEST_F(FormShadowOnScreen, AShadowedFormShowsItsShadowOverWhatLiesBehind) {
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(250, 200, 240, 160);
    auto* Controller = new TKsCustomForm(Form.get());
    Controller->SetDropShadow(true);
    Controller->Loaded();
    BringForward(*Form);
    PumpUntil([] { return false; }, 10);
    RECT Window{};
    GetWindowRect(Form->Handle(), &Window);
    const TKsColor Blue = 0xFF0000FFu;
    const TKsColor Expected = Rgb(KsBlendPixel(ShadowColor, Blue));
    EXPECT_EQ(ScreenPixel(Window.right - 2, Window.top + 50), Expected);
    EXPECT_EQ(ScreenPixel(Window.left + 50, Window.bottom - 2), Expected);
    EXPECT_EQ(ScreenPixel(Window.right - 2, Window.top + 1), Rgb(Blue));
}

TEST_F(FormShadowOnScreen, AnAnimatedFormEndsFullyPainted) {
    for (TKsAnimation Animation :
         {TKsAnimation::kaFade, TKsAnimation::kaSlide, TKsAnimation::kaRect}) {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(250, 200, 240, 160);
        Form->SetColor(static_cast<TColor>(RGB(0, 200, 0)));
        auto* Controller = new TKsCustomForm(Form.get());
        Controller->SetShowAnimation(Animation);
        Controller->SetShowAnimationTime(60);
        Controller->Loaded();
        BringForward(*Form);
        PumpUntil([] { return false; }, 10);
        EXPECT_FALSE(Controller->Animating());
        POINT Centre{Form->ClientWidth() / 2, Form->ClientHeight() / 2};
        ClientToScreen(Form->Handle(), &Centre);
        EXPECT_EQ(ScreenPixel(Centre.x, Centre.y), 0x00C800u) << int(Animation);
        POINT Corner{1, 1};
        ClientToScreen(Form->Handle(), &Corner);
        EXPECT_EQ(ScreenPixel(Corner.x, Corner.y), 0x00C800u) << int(Animation);
        Form.reset();
    }
}
