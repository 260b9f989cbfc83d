// The host's visual-styles library ("uxtheme.dll"), loaded by name once and its functions
// looked up by name; a function the host lacks stays empty. The XP theme draws through
// these entries and the engine asks whether visual styles are in use. Tests substitute the
// whole table to act as another host.
#pragma once

#include "framework/graphics/GdiHandles.h"
#include "framework/graphics/WinApi.h"

#include <uxtheme.h>

struct TTeVisualStylesApi {
    // Whether the library was loaded.
    bool Loaded = false;
    decltype(&::OpenThemeData) OpenThemeData = nullptr;
    decltype(&::CloseThemeData) CloseThemeData = nullptr;
    decltype(&::DrawThemeBackground) DrawThemeBackground = nullptr;
    decltype(&::DrawThemeText) DrawThemeText = nullptr;
    decltype(&::GetThemePartSize) GetThemePartSize = nullptr;
    decltype(&::GetThemeTextMetrics) GetThemeTextMetrics = nullptr;
    decltype(&::GetThemeBackgroundRegion) GetThemeBackgroundRegion = nullptr;
    decltype(&::HitTestThemeBackground) HitTestThemeBackground = nullptr;
    decltype(&::DrawThemeEdge) DrawThemeEdge = nullptr;
    decltype(&::DrawThemeIcon) DrawThemeIcon = nullptr;
    decltype(&::DrawThemeParentBackground) DrawThemeParentBackground = nullptr;
    decltype(&::IsThemePartDefined) IsThemePartDefined = nullptr;
    decltype(&::IsThemeBackgroundPartiallyTransparent) IsThemeBackgroundPartiallyTransparent =
        nullptr;
    decltype(&::GetThemeColor) GetThemeColor = nullptr;
    decltype(&::GetThemeMetric) GetThemeMetric = nullptr;
    decltype(&::GetThemeString) GetThemeString = nullptr;
    decltype(&::GetThemeBool) GetThemeBool = nullptr;
    decltype(&::GetThemeInt) GetThemeInt = nullptr;
    decltype(&::GetThemeEnumValue) GetThemeEnumValue = nullptr;
    decltype(&::GetThemePosition) GetThemePosition = nullptr;
    decltype(&::GetThemeFont) GetThemeFont = nullptr;
    decltype(&::GetThemeRect) GetThemeRect = nullptr;
    decltype(&::GetThemeMargins) GetThemeMargins = nullptr;
    decltype(&::GetThemeIntList) GetThemeIntList = nullptr;
    decltype(&::SetWindowTheme) SetWindowTheme = nullptr;
    decltype(&::GetThemeFilename) GetThemeFilename = nullptr;
    decltype(&::GetThemeSysColor) GetThemeSysColor = nullptr;
    decltype(&::GetThemeSysColorBrush) GetThemeSysColorBrush = nullptr;
    decltype(&::GetThemeSysBool) GetThemeSysBool = nullptr;
    decltype(&::GetThemeSysSize) GetThemeSysSize = nullptr;
    decltype(&::GetThemeSysFont) GetThemeSysFont = nullptr;
    decltype(&::GetThemeSysString) GetThemeSysString = nullptr;
    decltype(&::GetThemeSysInt) GetThemeSysInt = nullptr;
    decltype(&::IsThemeActive) IsThemeActive = nullptr;
    decltype(&::IsAppThemed) IsAppThemed = nullptr;
    decltype(&::GetWindowTheme) GetWindowTheme = nullptr;
    decltype(&::GetThemeAppProperties) GetThemeAppProperties = nullptr;
    decltype(&::SetThemeAppProperties) SetThemeAppProperties = nullptr;
    decltype(&::GetCurrentThemeName) GetCurrentThemeName = nullptr;
    decltype(&::GetThemeDocumentationProperty) GetThemeDocumentationProperty = nullptr;
};

// The entries in use: the host's, loaded on first use, unless a test substituted others.
const TTeVisualStylesApi& VisualStyles();
// Puts Api in place of the entries in use and answers the ones it replaced.
TTeVisualStylesApi SetVisualStyles(const TTeVisualStylesApi& Api);

// The library is loaded.
bool VisualStylesLoaded();
// The library is loaded, and both IsAppThemed and IsThemeActive answer non-zero.
bool VisualStylesActive();

// One visual-styles class of the host, open for the object's lifetime, which is one theme
// operation: nothing is kept between operations, so a change of the host's style shows at
// the next one. Not open when the library, its entries or the class are missing.
class TTeVisualStyleClass {
public:
    explicit TTeVisualStyleClass(const wchar_t* ClassName);
    TTeVisualStyleClass(const TTeVisualStyleClass&) = delete;
    TTeVisualStyleClass& operator=(const TTeVisualStyleClass&) = delete;
    ~TTeVisualStyleClass();

    bool IsOpen() const { return FTheme != nullptr; }
    // Draws Part in State over Rect and nowhere else; false when nothing could be drawn: the
    // class is not open, the rectangle is empty, the style leaves the part out or the host
    // failed.
    bool DrawBackground(HDC DC, int Part, int State, const RECT& Rect) const;
    // The part's own size; false when it cannot be read.
    bool PartSize(int Part, int State, SIZE& Size) const;
    // The region Part in State covers when drawn over Rect; none when it cannot be had.
    TGdiObject<HRGN> BackgroundRegion(int Part, int State, const RECT& Rect) const;

private:
    HTHEME FTheme = nullptr;
};
