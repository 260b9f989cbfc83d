// What the skinned-control tests share: a form with a window to put controls on, pixels of
// a surface, and a theme that records what it is asked to paint.
#pragma once

#include "WindowTestSupport.h"
#include "framework/windows/Forms.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/themes/KsThemeThemes.h"

#include <memory>
#include <vector>

// A form with its window made (not shown), in a known colour.
std::unique_ptr<TForm> MakeHostForm(TColor Color = clBlue);

// The pixel at (X, Y) of a surface after pending drawing is done.
TKsColor SurfacePixel(const TKsBitmap& Surface, int X, int Y);

// Answers available and paints every button face in one colour per state, recording the
// states asked for.
class TRecordingTheme : public TTeTheme {
public:
    static const TTeThemeClassOf<TRecordingTheme> Class;
    const TClass& ClassType() const override { return Class; }
    static std::string GetName() { return "Recording"; }
    static bool IsAvailable() { return true; }

    static TKsColor FaceColor(TTeDrawState State);
    void DrawButton(TKsBitmap& Bitmap, int Width, int Height, TTeDrawState State) override;

    std::vector<TTeDrawState> States;
};
