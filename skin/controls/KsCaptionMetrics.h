// The sizes a button's caption takes in its font, kept between paints: measuring text asks
// the host's font engine, and a button measures its caption several times per paint while
// caption and font seldom change.
#pragma once

#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsObjects.h"

#include <string>

class TKsBitmap;

struct TKsCaptionExtents {
    // The text as it stands, an "&" counted as a character (the canvas's text extent).
    SIZE Plain{0, 0};
    // The text as the surface draws it, "&" marking the underlined accelerator.
    SIZE Drawn{0, 0};
};

class TKsCaptionMetrics {
public:
    // The extents of Text in Font, measured with Canvas and on Surface (which Canvas draws
    // on) when the text or the host font differ from the last measurement.
    const TKsCaptionExtents& Measure(TCanvas& Canvas, TKsBitmap& Surface, TFont& Font,
                                     const std::string& Text);

private:
    bool FMeasured = false;
    std::string FText;
    TFont FFont;
    TKsCaptionExtents FExtents;
};
