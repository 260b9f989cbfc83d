// TTeThemeLines: the Flat theme with rounded outlines, heavier bevels, a blue-grey palette, a
// window shape with rounded corners, and its mark: selected and active areas striped with a
// grey line every third row. The Highlight theme builds on it.
#pragma once

#include "skin/themes/TeThemeFlat.h"

class TTeThemeLines : public TTeThemeFlat {
public:
    static const TTeThemeClassOf<TTeThemeLines> Class;
    const TClass& ClassType() const override { return Class; }

    static std::string GetName() { return "Lines"; }
    static bool IsAvailable() { return true; }

    int GetMetric(uint8_t Index) override;
    TFontStyles GetFontStyle(uint8_t Index) override;
    bool CaptionTextShadow() override;

    void DrawCaptionButton(TKsBitmap& Bitmap, const RECT& Rect, TTeCaptionButtonKind Kind, bool Hot,
                           bool Pressed, bool Active, TKsBorderStyle BorderStyle) override;
    void DrawFormFrame(TKsBitmap& Bitmap, int Width, int Height, const RECT& ClientRect,
                       bool Active, TKsBorderStyle BorderStyle) override;
    TGdiObject<HRGN> GetFormRegion(int Width, int Height, TKsBorderStyle BorderStyle) override;

    void DrawMDIButton(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect, bool Selected,
                       bool NotTracking) override;
    void DrawPopupBackground(TKsBitmap& Bitmap, int Width, int Height) override;

    void DrawButton(TKsBitmap& Bitmap, int Width, int Height, TTeDrawState State) override;

protected:
    TColor BaseColor(int Index) override;
    void DrawOutline(TKsBitmap& Bitmap, const RECT& Rect, TKsColor Color) override;
    void DrawFaceBevel(TKsBitmap& Bitmap, const RECT& Rect, TKsColor Face,
                       TTeDrawState State) override;
    void DrawSelection(TKsBitmap& Bitmap, const RECT& Rect, int FillIndex, bool Marked) override;
    TKsColor ArrowInk() override;
    void DrawCheckBoxFace(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) override;

    // The caption band of the frame in its active or inactive colour with the theme's mark.
    virtual void DrawCaptionBand(TKsBitmap& Bitmap, const RECT& Band, bool Active);
    // Grey lines across Rect's width at Rect's top row and every third row after it, Count
    // of them (all that fit when Count is below 0).
    virtual void DrawStripes(TKsBitmap& Bitmap, const RECT& Rect, int Count);
};
