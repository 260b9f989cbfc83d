// The font families the host offers on a device, as a font list shows them: each family's
// face name and its pitch-and-family byte (TMPF_TRUETYPE marks an outline font, and
// TMPF_FIXED_PITCH, against its name, a variable-pitch one).
#pragma once

#include "framework/graphics/WinApi.h"

#include <cstdint>
#include <string>
#include <vector>

struct TFontFamily {
    std::string Name;
    uint8_t PitchAndFamily = 0;
};

// The families of a device context, in the host's order.
std::vector<TFontFamily> EnumerateFontFamilies(HDC DC);
// The screen's families.
std::vector<TFontFamily> ScreenFontFamilies();
// The default printer's families; none when no printer is installed.
std::vector<TFontFamily> PrinterFontFamilies();
