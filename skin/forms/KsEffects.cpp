#include "skin/forms/KsEffects.h"

#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <random>

namespace {

std::int64_t SteadyMicroseconds() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::int64_t MicrosecondsPerSecond() {
    return 1'000'000;
}

// Seeded once, on first use.
int UniformRandom(int Range) {
    static std::mt19937 Generator(static_cast<std::mt19937::result_type>(
        std::random_device{}() ^ static_cast<unsigned>(SteadyMicroseconds())));
    return std::uniform_int_distribution<int>(0, Range - 1)(Generator);
}

int Round(double Value) {
    return static_cast<int>(std::lround(Value));
}

// Blends the image by its alpha for the length of a scope.
class TBlendingScope {
public:
    explicit TBlendingScope(TKsBitmap& Image) : FImage(Image), FSaved(Image.UseAlpha()) {
        FImage.SetUseAlpha(true);
    }
    TBlendingScope(const TBlendingScope&) = delete;
    TBlendingScope& operator=(const TBlendingScope&) = delete;
    ~TBlendingScope() { FImage.SetUseAlpha(FSaved); }

private:
    TKsBitmap& FImage;
    bool FSaved;
};

void CopyBackdrop(TKsBitmap& Frame, const TKsBitmap& Backdrop, const RECT& BackdropRect) {
    BitBlt(Frame.DC(), 0, 0, Frame.Width(), Frame.Height(), Backdrop.DC(), BackdropRect.left,
           BackdropRect.top, SRCCOPY);
}

bool IsTransparent(TKsColor Pixel) {
    return (Pixel & 0x00FFFFFFu) == (KsTransparent & 0x00FFFFFFu);
}

// Builds the frame at progress P (0 at the start, never 1).
using TFrameBuilder = std::function<void(TKsBitmap& Frame, double P)>;

// The frame loop the effects share: from FirstElapsed milliseconds on, each frame's progress
// is the time since the first frame over Time, so the effect lasts Time whatever a frame
// costs. A clock that does not move (one that reports no frequency measures nothing) counts
// every frame as a millisecond, so the loop still ends.
void RunFrames(HDC DC, const RECT& BackdropRect, int Time, int FirstElapsed, const RECT& DestRect,
               TKsBitmap& Image, const TFrameBuilder& Build) {
    if (Time <= 0 || FirstElapsed >= Time)
        return;
    TKsBitmap Frame;
    Frame.SetSize(BackdropRect.right - BackdropRect.left, BackdropRect.bottom - BackdropRect.top);
    if (Frame.Empty())
        return;
    Image.ReplaceByTransparent(KsTransparent);
    const TBlendingScope Blending(Image);
    TKsCounter Clock;
    Clock.Start();
    double Elapsed = FirstElapsed;
    double Previous = 0;
    while (Elapsed < Time) {
        Build(Frame, Elapsed / Time);
        Frame.DrawToDC(DC, DestRect.left, DestRect.top);
        const double Seconds = Clock.Stop();
        Elapsed = Seconds > Previous ? FirstElapsed + Seconds * 1000.0 : Elapsed + 1;
        Previous = Seconds;
    }
}

POINT SlideOffset(int Direction, double P, int W, int H) {
    const int Left = Round(P * W) - W;
    const int Right = W - Round(P * W);
    const int Top = Round(P * H) - H;
    const int Bottom = H - Round(P * H);
    switch (Direction) {
    case 0:
        return {Right, 0};
    case 1:
        return {0, Bottom};
    case 2:
        return {Left, 0};
    case 3:
        return {0, Top};
    case 4:
        return {Left, Top};
    case 5:
        return {Right, Top};
    case 6:
        return {Left, Bottom};
    default:
        return {Right, Bottom};
    }
}

RECT RevealedRect(int Direction, double P, int W, int H) {
    const int PW = Round(P * W);
    const int PH = Round(P * H);
    switch (Direction) {
    case 1:
        return {0, 0, PW, PH};
    case 2:
        return {W - PW, 0, W, PH};
    case 3:
        return {0, H - PH, PW, H};
    case 4:
        return {W - PW, H - PH, W, H};
    default: {
        const int CX = W / 2;
        const int CY = H / 2;
        const int DX = Round(P * CX);
        const int DY = Round(P * CY);
        return {CX - DX, CY - DY, CX + DX, CY + DY};
    }
    }
}

} // namespace

TKsEffectsHost& KsEffectsHost() {
    static TKsEffectsHost Host{&SteadyMicroseconds, &MicrosecondsPerSecond, &UniformRandom};
    return Host;
}

TKsCounter::TKsCounter() : FFrequency(KsEffectsHost().Frequency()) {}

void TKsCounter::Start() {
    FRunning = true;
    FElapsed = 0;
    FStartCount = KsEffectsHost().Count();
}

float TKsCounter::Stop() {
    FStopCount = KsEffectsHost().Count();
    FRunning = false;
    FElapsed = FFrequency > 0 ? static_cast<float>(static_cast<double>(FStopCount - FStartCount) /
                                                   static_cast<double>(FFrequency))
                              : 0.0f;
    return FElapsed;
}

void StartCounter(std::unique_ptr<TKsCounter>& Counter) {
    Counter = std::make_unique<TKsCounter>();
    Counter->Start();
}

float StopCounter(std::unique_ptr<TKsCounter>& Counter) {
    if (!Counter)
        return 0;
    const float Seconds = Counter->Stop();
    Counter.reset();
    return Seconds;
}

void AnimateFade(HDC DC, const TKsBitmap& Backdrop, const RECT& BackdropRect, int Time,
                 const RECT& DestRect, TKsBitmap& Image) {
    RunFrames(DC, BackdropRect, Time, 0, DestRect, Image, [&](TKsBitmap& Frame, double P) {
        Image.Draw(Frame, 0, 0);
        Frame.SetAlpha(static_cast<std::uint8_t>(Round(P * 240) + 15));
        const int W = std::min(Frame.Width(), Image.Width());
        const int H = std::min(Frame.Height(), Image.Height());
        for (int Y = 0; Y < H; ++Y) {
            const TKsColor* Source = Image.Bits() + Y * Image.Width();
            TKsColor* Target = Frame.Bits() + Y * Frame.Width();
            for (int X = 0; X < W; ++X)
                if (IsTransparent(Source[X]))
                    Target[X] = KsTransparent;
        }
        Frame.MergeOver(Backdrop, 0, 0, BackdropRect);
    });
}

void AnimateSlide(HDC DC, const TKsBitmap& Backdrop, const RECT& BackdropRect, int Time,
                  int Direction, const RECT& DestRect, TKsBitmap& Image) {
    RunFrames(DC, BackdropRect, Time, 0, DestRect, Image, [&](TKsBitmap& Frame, double P) {
        CopyBackdrop(Frame, Backdrop, BackdropRect);
        const POINT Offset = SlideOffset(Direction, P, Frame.Width(), Frame.Height());
        Image.Draw(Frame, Offset.x, Offset.y);
    });
}

void AnimateRect(HDC DC, const TKsBitmap& Backdrop, const RECT& BackdropRect, int Time,
                 int Direction, const RECT& DestRect, TKsBitmap& Image) {
    RunFrames(DC, BackdropRect, Time, 5, DestRect, Image, [&](TKsBitmap& Frame, double P) {
        CopyBackdrop(Frame, Backdrop, BackdropRect);
        const RECT Revealed = RevealedRect(Direction, P, Frame.Width(), Frame.Height());
        if (Revealed.right > Revealed.left && Revealed.bottom > Revealed.top)
            Image.DrawRect(Frame, Revealed.left, Revealed.top, Revealed);
    });
}

TKsAnimation KsChooseAnimation(TKsAnimation Animation) {
    if (Animation != TKsAnimation::kaRandom)
        return Animation;
    int Drawn = 1;
    while (Drawn == 1)
        Drawn = KsEffectsHost().Random(4) + 1;
    return static_cast<TKsAnimation>(Drawn);
}

void KsPlayAnimation(TKsAnimation Animation, HDC DC, const TKsBitmap& Backdrop,
                     const RECT& BackdropRect, int Time, const RECT& DestRect, TKsBitmap& Image) {
    switch (KsChooseAnimation(Animation)) {
    case TKsAnimation::kaFade:
        AnimateFade(DC, Backdrop, BackdropRect, Time, DestRect, Image);
        break;
    case TKsAnimation::kaSlide:
        AnimateSlide(DC, Backdrop, BackdropRect, Time, KsEffectsHost().Random(8), DestRect, Image);
        break;
    case TKsAnimation::kaRect:
        AnimateRect(DC, Backdrop, BackdropRect, Time, KsEffectsHost().Random(5), DestRect, Image);
        break;
    default:
        break;
    }
}
