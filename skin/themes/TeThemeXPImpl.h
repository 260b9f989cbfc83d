// The host's visual-styles library ("uxtheme.dll"), loaded by name once and its functions
// looked up by name; a function the host lacks stays empty. The XP theme draws through
// these entries and the engine asks whether visual styles are in use. Tests substitute the
// whole table to act as another host.
#pragma once

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
