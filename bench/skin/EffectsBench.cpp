// Frames that each show-animation effect draws in 400 ms onto the screen's device context,
// at the About box's size and at 800 x 600, against plain copies of a finished frame to the
// screen in the same time (the anchor: what the screen takes without any composition); and
// the snapshot a skinned form takes after a 10-pixel move against a full snapshot of the same
// window, in time and in pixels read from the screen.
#include "../support/BenchTiming.h"

#include "framework/graphics/GdiHandles.h"
#include "framework/windows/Application.h"
#include "framework/windows/Forms.h"
#include "skin/forms/KsEffects.h"
#include "skin/forms/KsForms.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsUtils.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int AnimationTime = 400;
constexpr int Runs = 9;

// Frames drawn in 400 ms: the median and spread of Runs runs.
struct TFrameCount {
    int Median;
    int Low;
    int High;
};

TFrameCount CountFrames(const std::function<int()>& Run) {
    std::vector<int> Counts;
    for (int I = 0; I < Runs; ++I)
        Counts.push_back(Run());
    std::sort(Counts.begin(), Counts.end());
    return {Counts[Runs / 2], Counts.front(), Counts.back()};
}

// The real clock, counting the frames it times.
int ClockReads = 0;
std::int64_t (*RealCount)() = nullptr;
std::int64_t CountingClock() {
    ++ClockReads;
    return RealCount();
}

void Prepare(TKsBitmap& Surface, int W, int H, TKsColor Pixel) {
    Surface.SetSize(W, H);
    Surface.Fill(Pixel);
}

void BenchEffects(HDC Screen, int W, int H) {
    TKsBitmap Backdrop;
    Prepare(Backdrop, W, H, 0xFF3060A0u);
    TKsBitmap Image;
    const RECT Window{0, 0, W, H};
    const RECT Dest{40, 40, 40 + W, 40 + H};
    const auto Effect = [&](const std::function<void()>& Play) {
        return [&, Play] {
            Prepare(Image, W, H, 0xFFE0E0E0u);
            Image.FillRect(RECT{0, 0, 8, 8}, KsTransparent);
            ClockReads = 0;
            Play();
            return ClockReads / 2;
        };
    };
    const auto Anchor = [&] {
        int Frames = 0;
        const double Start = BenchMicroseconds();
        while (BenchMicroseconds() - Start < AnimationTime * 1000.0) {
            Backdrop.DrawToDC(Screen, Dest.left, Dest.top);
            GdiFlush();
            ++Frames;
        }
        return Frames;
    };
    const TFrameCount Plain = CountFrames(Anchor);
    const struct {
        const char* Name;
        std::function<void()> Play;
    } Effects[] = {
        {"fade", [&] { AnimateFade(Screen, Backdrop, Window, AnimationTime, Dest, Image); }},
        {"slide", [&] { AnimateSlide(Screen, Backdrop, Window, AnimationTime, 0, Dest, Image); }},
        {"rect", [&] { AnimateRect(Screen, Backdrop, Window, AnimationTime, 0, Dest, Image); }},
    };
    std::printf("%d x %d: frames in %d ms (median, 10%%..90%% over %d runs)\n", W, H, AnimationTime,
                Runs);
    std::printf("  %-28s %5d  (%d .. %d)\n", "anchor: plain copy to screen", Plain.Median,
                Plain.Low, Plain.High);
    for (const auto& Entry : Effects) {
        const TFrameCount Count = CountFrames(Effect(Entry.Play));
        std::printf("  %-28s %5d  (%d .. %d)  ratio to anchor %.2f  goal >= 24: %s\n", Entry.Name,
                    Count.Median, Count.Low, Count.High, double(Count.Median) / Plain.Median,
                    Count.Median >= 24 ? "met" : "missed");
    }
}

// The real screen, counting the pixels read.
long PixelsRead = 0;
TKsScreenSource RealSource = nullptr;
bool CountingSource(TKsBitmap& Target, int X, int Y, const RECT& ScreenRect) {
    PixelsRead += long(RectWidth(ScreenRect)) * RectHeight(ScreenRect);
    return RealSource(Target, X, Y, ScreenRect);
}

void BenchSnapshot() {
    RealSource = KsScreenSource();
    KsScreenSource() = &CountingSource;
    TForm Form(nullptr);
    Form.SetBounds(100, 100, 800, 600);
    auto* Controller = new TKsCustomForm(&Form);
    Controller->SetDropShadow(true);
    Controller->Loaded();
    Form.Show();
    Application->ProcessMessages();
    RECT Window{};
    GetWindowRect(Form.Handle(), &Window);
    const auto Moved = [&](int DX, int DY) {
        return RECT{Window.left + DX, Window.top + DY, Window.right + DX, Window.bottom + DY};
    };
    // Each call alternates between two rectangles, so every call takes a new snapshot.
    const auto Alternate = [&](RECT Other) {
        return [&, Other, Flip = false]() mutable {
            Flip = !Flip;
            Controller->UpdateBackground(Flip ? Other : Window);
        };
    };
    const auto PixelsPerCall = [&](const std::function<void()>& Operation) {
        PixelsRead = 0;
        for (int I = 0; I < 10; ++I)
            Operation();
        return PixelsRead / 10;
    };
    auto Small = Alternate(Moved(10, 0));
    auto Full = Alternate(Moved(1000, 0));
    const long SmallPixels = PixelsPerCall(Small);
    const long FullPixels = PixelsPerCall(Full);
    const TBenchTiming FullTime = BenchMeasure(Full);
    const TBenchTiming SmallTime = BenchMeasure(Small);
    std::printf("snapshot of a %ld x %ld window:\n", Window.right - Window.left,
                Window.bottom - Window.top);
    BenchReport("  anchor: full snapshot", FullTime);
    BenchReport("  after a 10-pixel move", SmallTime);
    std::printf("  time ratio %.2f; pixels read %ld against %ld, ratio %.3f (goal <= 0.2: %s)\n",
                SmallTime.Median / FullTime.Median, SmallPixels, FullPixels,
                double(SmallPixels) / double(FullPixels),
                SmallPixels * 5 <= FullPixels ? "met" : "missed");
    KsScreenSource() = RealSource;
}

} // namespace

int main() {
    RealCount = KsEffectsHost().Count;
    KsEffectsHost().Count = &CountingClock;
    {
        const TScreenDC Screen;
        BenchEffects(Screen.Get(), 326, 233);
        BenchEffects(Screen.Get(), 800, 600);
    }
    BenchSnapshot();
    return 0;
}
