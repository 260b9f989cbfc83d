#include "framework/graphics/Colors.h"

#include "framework/core/NamedValues.h"
#include "framework/graphics/WinApi.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

// Plain colours first: ColorToIdent answers the first name of a value (clSilver before
// clLtGray).
constexpr std::array<TNamedValue<TColor>, 54> ColorNames{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clLtGray, "clLtGray"},
    {clDkGray, "clDkGray"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
}};

bool ParseNumber(const std::string& Text, TColor& Color) {
    const char* Digits = Text.c_str();
    int Base = 10;
    if (Text.size() > 1 && Text[0] == '$') {
        Digits += 1;
        Base = 16;
    } else if (Text.size() > 2 && Text[0] == '0' && (Text[1] == 'x' || Text[1] == 'X')) {
        Digits += 2;
        Base = 16;
    }
    if (*Digits == '\0')
        return false;
    char* End = nullptr;
    // Through 64 bits so that both "-16777201" and "$FFFF0000" fit before narrowing.
    const long long Value = std::strtoll(Digits, &End, Base);
    if (*End != '\0' || Value < INT32_MIN || Value > UINT32_MAX)
        return false;
    Color = TColor(uint32_t(Value));
    return true;
}

} // namespace

TColor ColorToRGB(TColor Color) {
    if (Color < 0)
        return TColor(GetSysColor(int(Color & 0xFF)));
    return Color;
}

bool IdentToColor(const std::string& Ident, TColor& Color) {
    return NameToValue(ColorNames, Ident, Color);
}

bool ColorToIdent(TColor Color, std::string& Ident) {
    return ValueToName(ColorNames, Color, Ident);
}

void GetColorValues(const std::function<void(const std::string&)>& Proc) {
    for (const auto& Entry : ColorNames)
        Proc(Entry.Name);
}

bool StringToColor(const std::string& Text, TColor& Color) {
    return IdentToColor(Text, Color) || ParseNumber(Text, Color);
}

std::string ColorToString(TColor Color) {
    std::string Ident;
    if (ColorToIdent(Color, Ident))
        return Ident;
    char Buffer[16];
    std::snprintf(Buffer, sizeof(Buffer), "$%08X", unsigned(Color));
    return Buffer;
}
