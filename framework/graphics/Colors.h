// Colour values of the framework: TColor holds 0x00BBGGRR for a plain colour, or a system
// colour (0x80000000 or'ed with the host's colour index, COLOR_BTNFACE and so on) that is
// resolved through the host each time it is used. ColorToRGB does that resolving.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

using TColor = int32_t;

constexpr TColor MakeSystemColor(int Index) {
    return TColor(0x80000000u | uint32_t(Index));
}

// System colours: the host's colour indexes.
constexpr TColor clScrollBar = MakeSystemColor(0);
constexpr TColor clBackground = MakeSystemColor(1);
constexpr TColor clActiveCaption = MakeSystemColor(2);
constexpr TColor clInactiveCaption = MakeSystemColor(3);
constexpr TColor clMenu = MakeSystemColor(4);
constexpr TColor clWindow = MakeSystemColor(5);
constexpr TColor clWindowFrame = MakeSystemColor(6);
constexpr TColor clMenuText = MakeSystemColor(7);
constexpr TColor clWindowText = MakeSystemColor(8);
constexpr TColor clCaptionText = MakeSystemColor(9);
constexpr TColor clActiveBorder = MakeSystemColor(10);
constexpr TColor clInactiveBorder = MakeSystemColor(11);
constexpr TColor clAppWorkSpace = MakeSystemColor(12);
constexpr TColor clHighlight = MakeSystemColor(13);
constexpr TColor clHighlightText = MakeSystemColor(14);
constexpr TColor clBtnFace = MakeSystemColor(15);
constexpr TColor clBtnShadow = MakeSystemColor(16);
constexpr TColor clGrayText = MakeSystemColor(17);
constexpr TColor clBtnText = MakeSystemColor(18);
constexpr TColor clInactiveCaptionText = MakeSystemColor(19);
constexpr TColor clBtnHighlight = MakeSystemColor(20);
constexpr TColor cl3DDkShadow = MakeSystemColor(21);
constexpr TColor cl3DLight = MakeSystemColor(22);
constexpr TColor clInfoText = MakeSystemColor(23);
constexpr TColor clInfoBk = MakeSystemColor(24);
constexpr TColor clHotLight = MakeSystemColor(26);
constexpr TColor clGradientActiveCaption = MakeSystemColor(27);
constexpr TColor clGradientInactiveCaption = MakeSystemColor(28);
constexpr TColor clMenuHighlight = MakeSystemColor(29);
constexpr TColor clMenuBar = MakeSystemColor(30);

// Plain colours, 0x00BBGGRR.
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// "No colour" and "the owner's colour": markers, never resolved to a pixel value.
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The RGB value of a colour: a value with the top bit set is a system colour whose index is
// its low byte (so 0xFFFF0000 reads as system colour 0, the scroll-bar colour); any other
// value is returned unchanged.
TColor ColorToRGB(TColor Color);

// Builds 0x00BBGGRR from the three channels.
constexpr TColor RGBColor(uint8_t Red, uint8_t Green, uint8_t Blue) {
    return TColor(uint32_t(Red) | uint32_t(Green) << 8 | uint32_t(Blue) << 16);
}

// The colour names layouts use ("clBtnFace"): name to value (case-insensitive) and back.
bool IdentToColor(const std::string& Ident, TColor& Color);
bool ColorToIdent(TColor Color, std::string& Ident);

// Calls Proc with every colour name in the table's order (plain colours, system colours, then
// the clNone and clDefault markers).
void GetColorValues(const std::function<void(const std::string&)>& Proc);

// A layout's colour text: a colour name, or a number (decimal, or hexadecimal after "$" or
// "0x"). False when the text is neither.
bool StringToColor(const std::string& Text, TColor& Color);
// The name of a named colour, else "$" and eight hexadecimal digits.
std::string ColorToString(TColor Color);
