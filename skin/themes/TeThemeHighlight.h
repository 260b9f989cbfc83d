// TTeThemeHighlight: the Lines theme in the system's caption colours, with a caption that
// fades to grey and no stripes.
#pragma once

#include "skin/themes/TeThemeLines.h"

class TTeThemeHighlight : public TTeThemeLines {
public:
    static const TTeThemeClassOf<TTeThemeHighlight> Class;
    const TClass& ClassType() const override { return Class; }

    static std::string GetName() { return "Highlight"; }
    static bool IsAvailable() { return true; }

protected:
    // The system's colours are read at every call, so the theme follows a change of them at
    // the next repaint.
    TColor BaseColor(int Index) override;
    void DrawCaptionBand(TKsBitmap& Bitmap, const RECT& Band, bool Active) override;
    void DrawStripes(TKsBitmap& Bitmap, const RECT& Rect, int Count) override;
};
