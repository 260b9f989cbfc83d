// TTeTheme: the drawing interface of the skin. A theme answers the sizes, colours and fonts
// of named elements and paints every element of the themed controls and forms onto a
// surface. Concrete themes derive from it; an engine component owns one theme at a time and
// controls reach it through their engine, never creating themes themselves.
//
// A theme class answers its display name and whether it can paint right now without an
// instance (TTeThemeClass), and makes instances through it. The base class itself is
// "No Theme": never available, it paints nothing, so a control linked to it falls back to
// its plain skinned look.
#pragma once

#include "framework/core/Objects.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/GdiHandles.h"
#include "framework/graphics/GraphicsObjects.h"
#include "framework/windows/BiDiMode.h"
#include "skin/graphics/KsFrameTypes.h"

#include <cstdint>
#include <memory>
#include <string>

class TKsBitmap;
class TKsCustomItem;
class TTeTheme;

// The look an element is drawn in. Only push buttons receive focused and default, and
// every theme paints default like focused.
enum class TTeDrawState : uint8_t {
    tdsNormal,
    tdsHot,
    tdsPressed,
    tdsDisabled,
    tdsFocused,
    tdsDefault
};

enum class TTeCheckState : uint8_t { tcsUnchecked, tcsChecked, tcsGrayed };

// The class of a theme: its name (also the key stored in layouts), whether it can paint at
// all right now, and the virtual constructor the engine makes themes with.
class TTeThemeClass : public TClass {
public:
    using TClass::TClass;
    virtual std::string GetName() const = 0;
    virtual bool IsAvailable() const = 0;
    virtual std::unique_ptr<TTeTheme> Create() const = 0;
};

template <class T> class TTeThemeClassOf : public TTeThemeClass {
public:
    using TTeThemeClass::TTeThemeClass;
    std::string GetName() const override { return T::GetName(); }
    bool IsAvailable() const override { return T::IsAvailable(); }
    std::unique_ptr<TTeTheme> Create() const override { return std::make_unique<T>(); }
};

// The DrawText flags themes draw with (single line, vertically centred), before the
// reading order is applied.
constexpr uint32_t TeTextLeft = 36;
constexpr uint32_t TeTextCenter = 37;
constexpr uint32_t TeTextRight = 38;

class TTeTheme : public TPersistent {
public:
    static const TTeThemeClassOf<TTeTheme> Class;
    const TClass& ClassType() const override { return Class; }
    // The class as a theme class (the engine and the registry ask it).
    const TTeThemeClass& ThemeClass() const;

    static std::string GetName() { return "No Theme"; }
    static bool IsAvailable() { return false; }

    TTeTheme() = default;

    int Hue() const { return FHue; }
    int Brightness() const { return FBrightness; }
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    // Store the shift; a changed one re-applies the shifts to the theme's resources.
    void SetHue(int Value);
    void SetBrightness(int Value);
    void SetBiDiMode(TBiDiMode Value) { FBiDiMode = Value; }
    // The flags adjusted to the theme's reading order.
    uint32_t DrawTextFlags(uint32_t Flags) const;

    // The bitmap's font set to the theme's text element Index.
    void SelectFont(TKsBitmap& Bitmap, uint8_t Index);

    // Re-applies Hue and Brightness to the theme's own resources.
    virtual void UpdateColors();

    // Sizes (metric table), colours after the shifts (colour table) and fonts (0 standard
    // caption, 1 tool-window caption, 2 menu-bar item, 3 popup item, 4 task-group header).
    // Unknown metrics answer 0, unknown colours the theme's fallback colour.
    virtual int GetMetric(uint8_t Index);
    virtual TColor GetColor(int Index);
    virtual std::string GetFontName(uint8_t Index);
    virtual int GetFontSize(uint8_t Index);
    virtual TFontStyles GetFontStyle(uint8_t Index);
    // Whether a form's caption text is drawn over its shadow (colour 2, one pixel right
    // and down).
    virtual bool CaptionTextShadow();

    // Forms. Rect of a caption button: themes with skins use only its top left corner.
    virtual void DrawCaptionButton(TKsBitmap& Bitmap, const RECT& Rect, TTeCaptionButtonKind Kind,
                                   bool Hot, bool Pressed, bool Active, TKsBorderStyle BorderStyle);
    // The whole frame of a Width x Height window: caption, left, right and bottom borders.
    virtual void DrawFormFrame(TKsBitmap& Bitmap, int Width, int Height, const RECT& ClientRect,
                               bool Active, TKsBorderStyle BorderStyle);

    // Menus. Selected: the item view's current item; NotTracking: its menu loop is not
    // running.
    virtual void MeasureMenuBarItem(TKsBitmap& Bitmap, TKsCustomItem& Item, int& Width,
                                    int& Height);
    virtual void MeasurePopupItem(TKsBitmap& Bitmap, TKsCustomItem& Item, int& Width, int& Height);
    virtual void DrawMenuBarBackground(TKsBitmap& Bitmap, int Width, int Height);
    virtual void DrawMenuBarItem(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                                 bool Selected, bool NotTracking);
    virtual void DrawMDIButton(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                               bool Selected, bool NotTracking);
    virtual void DrawPopupBackground(TKsBitmap& Bitmap, int Width, int Height);
    virtual void DrawPopupItem(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                               bool Selected, bool NotTracking);

    // Controls. States 0..3 unless a control says otherwise.
    virtual void DrawButton(TKsBitmap& Bitmap, int Width, int Height, TTeDrawState State);
    virtual void DrawCheckBox(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                              TTeCheckState Check);
    virtual void DrawRadioButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                                 bool Checked);
    // Shape: 0 plain, 1 and 2 the two pointed shapes.
    virtual void DrawTrackBarThumb(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical, int Shape,
                                   TTeDrawState State);
    virtual void DrawTrackBarTrack(TKsBitmap& Bitmap, const RECT& Rect, const RECT& SelectionRect);
    virtual void DrawProgressBarFrame(TKsBitmap& Bitmap, const RECT& Rect);
    virtual void DrawProgressBarChunks(TKsBitmap& Bitmap, const RECT& BarRect,
                                       const RECT& FilledRect, bool Vertical, bool Smooth);
    virtual void DrawTaskGroupBackground(TKsBitmap& Bitmap, const RECT& Rect, bool HeaderShown);
    virtual void DrawTaskGroupHeader(TKsBitmap& Bitmap, const RECT& Rect,
                                     const std::string& Caption);
    // Kind: 0 expand/collapse, 1 close; Expand picks the expand glyph.
    virtual void DrawTaskGroupButton(TKsBitmap& Bitmap, const RECT& Rect, int Kind,
                                     TTeDrawState State, bool Expand);
    virtual void DrawGroupBox(TKsBitmap& Bitmap, const RECT& Rect, const RECT& CaptionRect,
                              const std::string& Caption);
    virtual void DrawScrollBarTrack(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical);
    // First: the up or left button.
    virtual void DrawScrollBarArrow(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical, bool First,
                                    TTeDrawState State);
    virtual void DrawScrollBarThumb(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical,
                                    TTeDrawState State);
    virtual void DrawTabPane(TKsBitmap& Bitmap, const RECT& Rect);
    // Position 0..3; State 0 normal, 1 hot, 2 focused, 3 disabled, 4 selected.
    virtual void DrawTabItem(TKsBitmap& Bitmap, const RECT& Rect, int Position, int State);
    virtual void DrawSpinButton(TKsBitmap& Bitmap, const RECT& Rect, bool First,
                                TTeDrawState State);
    // The three-pixel frame of edits, list and combo boxes; disabled or enabled.
    virtual void DrawEditFrame(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State);
    virtual void DrawComboButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State);
    virtual void DrawToolButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State, bool Flat,
                                bool Checked);
    virtual void DrawToolDropDownButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                                        bool Flat, bool Checked);
    virtual void DrawToolBarBackground(TKsBitmap& Bitmap, const RECT& Rect);
    virtual void DrawControlBarGripper(TKsBitmap& Bitmap, const RECT& Rect, const RECT& GripRect);
    virtual void DrawControlBarBackground(TKsBitmap& Bitmap, const RECT& Rect);
    virtual void DrawSmallButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State);
    // Flags: bit 1 hot, bit 2 accent, bit 4 an outlined cell.
    virtual void DrawItemBackground(TKsBitmap& Bitmap, const RECT& Rect, int Flags);
    // The window region of a skinned form; none means rectangular.
    virtual TGdiObject<HRGN> GetFormRegion(int Width, int Height, TKsBorderStyle BorderStyle);

protected:
    // A base colour through the hue and brightness shifts, as every theme with its own
    // colours hands them out. The round trip is made even without shifts.
    TColor ShiftedColor(TColor Base) const;

private:
    int FHue = 0;
    int FBrightness = 0;
    TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
};
