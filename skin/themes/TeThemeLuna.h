// TTeThemeLuna: the blue desktop theme every engine starts with. It cuts most elements out of
// two skin images compiled into the program ("XP_MAIN" with the active frame and the control
// pieces, "XP_MAIN1" with the inactive frame, scroll bars, track bars and tabs) and draws
// menus, edit frames and a few bars with flat colours.
#pragma once

#include "skin/graphics/KsLowLevel.h"
#include "skin/themes/KsThemeThemes.h"

#include <memory>

class TKsBitmap;

class TTeThemeLuna : public TTeTheme {
public:
    static const TTeThemeClassOf<TTeThemeLuna> Class;
    const TClass& ClassType() const override { return Class; }

    static std::string GetName() { return "Luna"; }
    static bool IsAvailable() { return true; }
    // The theme's sizes and text sizes and styles, which need no skin; a theme that cannot
    // read a size of its own answers these.
    static int Metric(uint8_t Index);
    static int FontSize(uint8_t Index);
    static TFontStyles FontStyle(uint8_t Index);

    // Loads both skins; a missing resource raises the framework's resource error.
    TTeThemeLuna();
    ~TTeThemeLuna() override;

    // Reloads both skins and shifts them by Hue, then Brightness, so shifts never add up.
    void UpdateColors() override;

    int GetMetric(uint8_t Index) override;
    TColor GetColor(int Index) override;
    std::string GetFontName(uint8_t Index) override;
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

    // The skins as loaded and shifted (the main one holds the active frame).
    TKsBitmap& MainSkin() const { return *FMainSkin; }
    TKsBitmap& SecondSkin() const { return *FSecondSkin; }

protected:
    // A colour of the theme's table as a pixel.
    TKsColor Pixel(int ColorIndex);

private:
    void LoadSkins();
    void DrawStandardFrame(TKsBitmap& Skin, TKsBitmap& Bitmap, int Width, int Height);
    void DrawToolWindowFrame(TKsBitmap& Skin, TKsBitmap& Bitmap, int Width, int Height);

    std::unique_ptr<TKsBitmap> FMainSkin;
    std::unique_ptr<TKsBitmap> FSecondSkin;
};
