// TTeThemeFlat: a plain theme without skin images. Every element is a flat fill with a
// one-pixel outline and small bevels; caption symbols, scroll arrows and check marks are the
// host's frame-control glyphs recoloured to the theme. The Lines and Highlight themes build
// on it and restate only the steps that differ, through the protected steps below.
#pragma once

#include "skin/graphics/KsLowLevel.h"
#include "skin/themes/KsThemeThemes.h"

class TTeThemeFlat : public TTeTheme {
public:
    static const TTeThemeClassOf<TTeThemeFlat> Class;
    const TClass& ClassType() const override { return Class; }

    static std::string GetName() { return "Flat"; }
    static bool IsAvailable() { return true; }

    int GetMetric(uint8_t Index) override;
    TColor GetColor(int Index) override;
    std::string GetFontName(uint8_t Index) override;
    int GetFontSize(uint8_t Index) override;
    TFontStyles GetFontStyle(uint8_t Index) override;
    bool CaptionTextShadow() override;

    void DrawCaptionButton(TKsBitmap& Bitmap, const RECT& Rect, TTeCaptionButtonKind Kind, bool Hot,
                           bool Pressed, bool Active, TKsBorderStyle BorderStyle) override;
    void DrawFormFrame(TKsBitmap& Bitmap, int Width, int Height, const RECT& ClientRect,
                       bool Active, TKsBorderStyle BorderStyle) override;

    void MeasureMenuBarItem(TKsBitmap& Bitmap, TKsCustomItem& Item, int& Width,
                            int& Height) override;
    void MeasurePopupItem(TKsBitmap& Bitmap, TKsCustomItem& Item, int& Width, int& Height) override;
    void DrawMenuBarBackground(TKsBitmap& Bitmap, int Width, int Height) override;
    void DrawMenuBarItem(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect, bool Selected,
                         bool NotTracking) override;
    void DrawMDIButton(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect, bool Selected,
                       bool NotTracking) override;
    void DrawPopupBackground(TKsBitmap& Bitmap, int Width, int Height) override;
    void DrawPopupItem(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect, bool Selected,
                       bool NotTracking) override;

    void DrawButton(TKsBitmap& Bitmap, int Width, int Height, TTeDrawState State) override;
    void DrawCheckBox(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                      TTeCheckState Check) override;
    void DrawRadioButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                         bool Checked) override;
    void DrawTrackBarThumb(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical, int Shape,
                           TTeDrawState State) override;
    void DrawTrackBarTrack(TKsBitmap& Bitmap, const RECT& Rect, const RECT& SelectionRect) override;
    void DrawProgressBarFrame(TKsBitmap& Bitmap, const RECT& Rect) override;
    void DrawProgressBarChunks(TKsBitmap& Bitmap, const RECT& BarRect, const RECT& FilledRect,
                               bool Vertical, bool Smooth) override;
    void DrawTaskGroupBackground(TKsBitmap& Bitmap, const RECT& Rect, bool HeaderShown) override;
    void DrawTaskGroupHeader(TKsBitmap& Bitmap, const RECT& Rect,
                             const std::string& Caption) override;
    void DrawTaskGroupButton(TKsBitmap& Bitmap, const RECT& Rect, int Kind, TTeDrawState State,
                             bool Expand) override;
    void DrawGroupBox(TKsBitmap& Bitmap, const RECT& Rect, const RECT& CaptionRect,
                      const std::string& Caption) override;
    void DrawScrollBarTrack(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical) override;
    void DrawScrollBarArrow(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical, bool First,
                            TTeDrawState State) override;
    void DrawScrollBarThumb(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical,
                            TTeDrawState State) override;
    void DrawTabPane(TKsBitmap& Bitmap, const RECT& Rect) override;
    void DrawTabItem(TKsBitmap& Bitmap, const RECT& Rect, int Position, int State) override;
    void DrawSpinButton(TKsBitmap& Bitmap, const RECT& Rect, bool First,
                        TTeDrawState State) override;
    void DrawEditFrame(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) override;
    void DrawComboButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) override;
    void DrawToolButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State, bool Flat,
                        bool Checked) override;
    void DrawToolDropDownButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State, bool Flat,
                                bool Checked) override;
    void DrawToolBarBackground(TKsBitmap& Bitmap, const RECT& Rect) override;
    void DrawControlBarGripper(TKsBitmap& Bitmap, const RECT& Rect, const RECT& GripRect) override;
    void DrawControlBarBackground(TKsBitmap& Bitmap, const RECT& Rect) override;
    void DrawSmallButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) override;
    void DrawItemBackground(TKsBitmap& Bitmap, const RECT& Rect, int Flags) override;

protected:
    // The theme's colour for Index before the hue and brightness shifts.
    virtual TColor BaseColor(int Index);
    // A colour of the theme's table as a pixel.
    TKsColor Pixel(int ColorIndex);
    // The face colour of an element in State: hot, pressed (and focused), disabled, normal.
    TKsColor FaceColor(TTeDrawState State);

    // The outline every element gets in the theme's way (square here).
    virtual void DrawOutline(TKsBitmap& Bitmap, const RECT& Rect, TKsColor Color);
    // The bevel of a thumb-like face inside its outline for State.
    virtual void DrawFaceBevel(TKsBitmap& Bitmap, const RECT& Rect, TKsColor Face,
                               TTeDrawState State);
    // A selected menu area: filled in the colour of FillIndex and outlined in colour 13;
    // Marked asks for the theme's mark of an open menu where it has one.
    virtual void DrawSelection(TKsBitmap& Bitmap, const RECT& Rect, int FillIndex, bool Marked);
    // The ink of arrows on scroll and combo buttons.
    virtual TKsColor ArrowInk();
    // The check-box square inside which the mark goes, for State 0..3.
    virtual void DrawCheckBoxFace(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State);

    // The caption symbol of Kind in Rect over the face colour, with everything but its
    // black ink in Face.
    void DrawCaptionGlyph(TKsBitmap& Bitmap, const RECT& Rect, TTeCaptionButtonKind Kind,
                          bool Pressed, TKsColor Face);
    // The face colour of a caption button.
    TKsColor CaptionFace(bool Hot, bool Pressed);
    // A disabled push button: only its rounded outline.
    void DrawDisabledButton(TKsBitmap& Bitmap, int Width, int Height);
    // The push-button fill of State.
    TKsColor ButtonFill(TTeDrawState State);
    // The host's scroll arrow of the State into Rect: ink pixels in Ink, the rest in Face.
    void DrawScrollGlyph(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical, bool First,
                         TTeDrawState State, TKsColor Ink);
    // The host's caption symbol of an MDI button (kinds close, restore, minimize) into Rect.
    void DrawMDIGlyph(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect, bool Selected,
                      bool NotTracking);
};
