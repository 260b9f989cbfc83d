// Measures the themes' drawing: for every theme that can paint here, a push-button face of
// 75 x 25 against the host's own visual-styles push button of the same size (the two timed
// in alternating samples, so both see the same load), and a standard form frame of
// 668 x 496; then the Luna theme's frames at other sizes and a reload of both skins with a
// shift. Prints the median and the spread (10th to 90th percentile) of each in
// microseconds, and each theme's button against the host's.
#include "bench/support/BenchTiming.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeRegistration.h"
#include "skin/themes/TeThemeLuna.h"
#include "skin/themes/TeThemeXPImpl.h"

#include <cstdio>
#include <memory>
#include <string>

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

    // As a theme that keeps nothing between operations draws: the class opened for the one
    // call and closed again.
    void DrawOpenedAnew() {
        const TTeVisualStylesApi& Api = VisualStyles();
        HTHEME Theme = Api.OpenThemeData(nullptr, L"BUTTON");
        const RECT Rect{0, 0, FW, FH};
        Api.DrawThemeBackground(Theme, FSurface.DC(), BP_PUSHBUTTON, PBS_NORMAL, &Rect, nullptr);
        Api.CloseThemeData(Theme);
        GdiFlush();
    }

private:
    int FW;
    int FH;
    TKsBitmap FSurface;
    HTHEME FTheme = nullptr;
};

// Every registered theme's button against the host's, and its standard frame.
void MeasureEveryTheme() {
    constexpr int ButtonWidth = 75, ButtonHeight = 25;
    constexpr int FrameWidth = 668, FrameHeight = 496;
    THostButton Host(ButtonWidth, ButtonHeight);
    std::printf("Every theme against the host's visual style (median, 10th..90th percentile)\n");
    if (!Host.Available())
        std::printf("host visual style: not available, buttons timed alone\n");
    if (Host.Available())
        BenchReport("host open, DrawThemeBackground, close 75x25",
                    BenchMeasure([&] { Host.DrawOpenedAnew(); }));
    for (const TTeThemeClass* Class : RegisteredThemes()) {
        if (!Class->IsAvailable())
            continue;
        const std::string Name = Class->GetName();
        const std::unique_ptr<TTeTheme> Theme = Class->Create();
        TKsBitmap Button;
        Button.SetSize(ButtonWidth, ButtonHeight);
        const auto DrawButton = [&] {
            Theme->DrawButton(Button, ButtonWidth, ButtonHeight, TTeDrawState::tdsHot);
            GdiFlush();
        };
        char Line[96];
        std::snprintf(Line, sizeof Line, "%s DrawButton %dx%d", Name.c_str(), ButtonWidth,
                      ButtonHeight);
        if (Host.Available()) {
            const auto [Themed, Native] = BenchMeasurePair(DrawButton, [&] { Host.Draw(); });
            BenchReport(Line, Themed);
            BenchReport("  host DrawThemeBackground, same run", Native);
            std::printf("%-44s %9.2f\n", "  ratio theme / host", Themed.Median / Native.Median);
        } else {
            BenchReport(Line, BenchMeasure(DrawButton));
        }
        TKsBitmap Frame;
        Frame.SetSize(FrameWidth, FrameHeight);
        const int Border = Theme->GetMetric(0);
        const RECT Client{Border, Theme->GetMetric(2), FrameWidth - Border, FrameHeight - Border};
        std::snprintf(Line, sizeof Line, "%s DrawFormFrame %dx%d", Name.c_str(), FrameWidth,
                      FrameHeight);
        BenchReport(Line, BenchMeasure([&] {
                        Theme->DrawFormFrame(Frame, FrameWidth, FrameHeight, Client, true,
                                             TKsBorderStyle::kbsStandard);
                        GdiFlush();
                    }));
    }
}

} // namespace

int main() {
    RegisterSkinThemes();
    MeasureEveryTheme();
    TTeThemeLuna Theme;
    std::printf("\nLuna theme at other sizes\n");
    TKsBitmap Button;
    Button.SetSize(67, 25);
    BenchReport("Luna DrawButton 67x25", BenchMeasure([&] {
                    Theme.DrawButton(Button, 67, 25, TTeDrawState::tdsHot);
                    GdiFlush();
                }));
    struct TFrame {
        const char* Name;
        int W;
        int H;
        TKsBorderStyle Style;
    };
    for (const TFrame& Frame :
         {TFrame{"Luna DrawFormFrame tool 326x233", 326, 233, TKsBorderStyle::kbsToolWindow},
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
