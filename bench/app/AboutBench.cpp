// Time from showing an About box to it being painted and taking input, without and with each
// show animation; with an animation the 400 ms it plays are reported apart. The frames each
// effect draws at this size are measured by bench_skin_effects.
#include "app/AboutPas.h"
#include "app/ApplicationWindows.h"
#include "app/MainPas.h"
#include "bench/support/BenchTiming.h"

#include "framework/windows/Application.h"
#include "skin/forms/KsThemeForms.h"

#include <array>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

// One About box made, shown until it is painted and between messages, then freed;
// milliseconds.
double ShowOnce(TKsAnimation Animation) {
    auto* About = new TAboutFrm(MainFrm);
    auto* Frame = dynamic_cast<TTeThemeForm*>(About->FindComponent("TeThemeForm1"));
    Frame->SetShowAnimation(Animation);
    const double Start = BenchMicroseconds();
    About->Show();
    UpdateWindow(About->Handle());
    Application->ProcessMessages();
    GdiFlush();
    const double Time = (BenchMicroseconds() - Start) / 1000;
    delete About;
    Application->ProcessMessages();
    return Time;
}

} // namespace

int main() {
    CreateApplicationWindows();
    MainFrm->Show();
    Application->ProcessMessages();
    const std::array<std::pair<const char*, TKsAnimation>, 4> Cases{
        {{"no animation", TKsAnimation::kaNone},
         {"fade", TKsAnimation::kaFade},
         {"slide", TKsAnimation::kaSlide},
         {"rectangle", TKsAnimation::kaRect}}};
    std::printf("About box: show to painted and taking input (median of 9, ms)\n");
    for (const auto& [Name, Animation] : Cases) {
        std::vector<double> Samples;
        for (int Run = 0; Run < 9; ++Run)
            Samples.push_back(ShowOnce(Animation) * 1000);
        const TBenchTiming Timing = BenchSummary(Samples);
        const double Played = Animation == TKsAnimation::kaNone ? 0 : 400;
        std::printf("%-16s total %8.1f ms (%.1f .. %.1f)   beyond the animation %7.1f ms\n", Name,
                    Timing.Median / 1000, Timing.Low / 1000, Timing.High / 1000,
                    Timing.Median / 1000 - Played);
    }
    return 0;
}
