// TTeThemeXP: the host's own visual style. Every element is drawn by the host's visual-styles
// library, as the host draws its own controls, so themed controls look like the system's;
// sizes come from the style's parts and colours from the system's colours. Each operation
// opens the style class it needs and closes it again, so a change of the host's style shows
// at the next paint. The theme paints only while the host's visual styles are on; menus and
// the control-bar grip fall back to plain colours where the style cannot draw them.
#pragma once

#include "skin/graphics/KsLowLevel.h"
#include "skin/themes/KsThemeThemes.h"

class TTeThemeXP : public TTeTheme {
public:
    static const TTeThemeClassOf<TTeThemeXP> Class;
    const TClass& ClassType() const override { return Class; }

    static std::string GetName() { return "XP ThemeAPI"; }
    static bool IsAvailable();

    // Never negative; a size the style does not give is the Luna theme's.
    int GetMetric(uint8_t Index) override;
    // The system's colours as they are now; the hue and brightness shifts do not apply.
    TColor GetColor(int Index) override;
    int GetFontSize(uint8_t Index) override;
    TFontStyles GetFontStyle(uint8_t Index) override;

    void DrawCaptionButton(TKsBitmap& Bitmap, const RECT& Rect, TTeCaptionButtonKind Kind, bool Hot,
                           bool Pressed, bool Active, TKsBorderStyle BorderStyle) override;
    void DrawFormFrame(TKsBitmap& Bitmap, int Width, int Height, const RECT& ClientRect,
                       bool Active, TKsBorderStyle BorderStyle) override;
    TGdiObject<HRGN> GetFormRegion(int Width, int Height, TKsBorderStyle BorderStyle) override;

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

private:
    TKsColor Pixel(int ColorIndex);
    // A size of a style part, less Less; the Luna theme's size for Index when the style
    // gives none.
    int PartMetric(uint8_t Index, const wchar_t* ClassName, int Part, bool Height, int Less = 0);
};
