// Measures the Luna theme's drawing: push-button faces and form frames of the sizes the
// program shows, and a reload of both skins with a shift. Beside them, as the anchor, the
// host's own visual style draws a push button of the same size into a 32-bit section.
// Prints the median and the spread (first to last decile) of each in microseconds, and the
// ratio of a Luna button to the host's.
#include "bench/support/BenchTiming.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/themes/KsThemeRegistration.h"
#include "skin/themes/TeThemeLuna.h"
#include "skin/themes/TeThemeXPImpl.h"

#include <cstdio>

#include <vssym32.h>

namespace {

// The host's push button through its visual style, into a section of the same size.
class THostButton {
public:
    THostButton(int W, int H) : FW(W), FH(H) {
        FSurface.SetSize(W, H);
        const TTeVisualStylesApi& Api = VisualStyles();
        if (Api.OpenThemeData)
            FTheme = Api.OpenThemeData(nullptr, L"BUTTON");
    }
    ~THostButton() {
        if (FTheme)
            VisualStyles().CloseThemeData(FTheme);
    }
    bool Available() const { return FTheme != nullptr && VisualStyles().DrawThemeBackground; }
    void Draw() {
        const RECT Rect{0, 0, FW, FH};
        VisualStyles().DrawThemeBackground(FTheme, FSurface.DC(), BP_PUSHBUTTON, PBS_NORMAL, &Rect,
                                           nullptr);
        GdiFlush();
    }

private:
    int FW;
    int FH;
    TKsBitmap FSurface;
    HTHEME FTheme = nullptr;
};

} // namespace

int main() {
    RegisterSkinThemes();
    TTeThemeLuna Theme;
    std::printf("Luna theme against the host's visual style (median, 10th..90th percentile)\n");
    for (const SIZE Size : {SIZE{67, 25}, SIZE{75, 25}}) {
        TKsBitmap Surface;
        Surface.SetSize(Size.cx, Size.cy);
        const TBenchTiming Luna = BenchMeasure([&] {
            Theme.DrawButton(Surface, Size.cx, Size.cy, TTeDrawState::tdsHot);
            GdiFlush();
        });
        char Name[64];
        std::snprintf(Name, sizeof Name, "Luna DrawButton %ldx%ld", Size.cx, Size.cy);
        BenchReport(Name, Luna);
        THostButton Host(Size.cx, Size.cy);
        if (!Host.Available()) {
            std::printf("host visual style: not available\n");
            continue;
        }
        const TBenchTiming Native = BenchMeasure([&] { Host.Draw(); });
        std::snprintf(Name, sizeof Name, "host DrawThemeBackground %ldx%ld", Size.cx, Size.cy);
        BenchReport(Name, Native);
        std::printf("%-40s %9.2f\n", "ratio Luna / host", Luna.Median / Native.Median);
    }
    struct TFrame {
        const char* Name;
        int W;
        int H;
        TKsBorderStyle Style;
    };
    for (const TFrame& Frame :
         {TFrame{"Luna DrawFormFrame tool 326x233", 326, 233, TKsBorderStyle::kbsToolWindow},
          TFrame{"Luna DrawFormFrame standard 668x496", 668, 496, TKsBorderStyle::kbsStandard},
          TFrame{"Luna DrawFormFrame standard 1920x1080", 1920, 1080,
                 TKsBorderStyle::kbsStandard}}) {
        TKsBitmap Surface;
        Surface.SetSize(Frame.W, Frame.H);
        BenchReport(Frame.Name, BenchMeasure([&] {
                        Theme.DrawFormFrame(Surface, Frame.W, Frame.H, RECT{}, true, Frame.Style);
                        GdiFlush();
                    }));
    }
    int Hue = 0;
    BenchReport("Luna UpdateColors (reload, shift both)",
                BenchMeasure([&] { Theme.SetHue(++Hue % 200 + 1); }));
    return 0;
}
