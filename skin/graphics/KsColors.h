// Pixel colours: conversions between the framework's colour values and pixel values, the
// channel arithmetic the themes use to derive shades, hue and brightness changes, and the
// named pixel constants.
#pragma once

#include "skin/graphics/KsLowLevel.h"

#include <cstdint>

constexpr TKsColor KsBlack = 0xFF000000u;
constexpr TKsColor KsGray = 0xFF7F7F7Fu;
constexpr TKsColor KsWhite = 0xFFFFFFFFu;
constexpr TKsColor KsRed = 0xFFFF0000u;
constexpr TKsColor KsLightGray = 0xFFEDEDEEu;
constexpr TKsColor KsDarkBlue = 0xFF003399u;
constexpr TKsColor KsYellow = 0xFFF8C751u;
constexpr TKsColor KsLightBlue = 0xFF64A0FFu;
// Fully transparent; the colour bytes under alpha 0 are kept as they are.
constexpr TKsColor KsTransparent = 0x007F007Fu;

// The system's window, button face and button shadow colours, opaque. They hold fixed
// values until the module has started, and the system's colours from then on.
extern TKsColor KsWindow;
extern TKsColor KsBtnFace;
extern TKsColor KsBtnShadow;
// Reads the three system colours again (start-up does so once).
void KsUpdateSystemColors();

constexpr std::uint8_t KsAlpha(TKsColor Pixel) {
    return std::uint8_t(Pixel >> 24);
}
constexpr std::uint8_t KsRedOf(TKsColor Pixel) {
    return std::uint8_t(Pixel >> 16);
}
constexpr std::uint8_t KsGreenOf(TKsColor Pixel) {
    return std::uint8_t(Pixel >> 8);
}
constexpr std::uint8_t KsBlueOf(TKsColor Pixel) {
    return std::uint8_t(Pixel);
}

// Red, green and blue clamped to 0..255; alpha taken as a byte.
constexpr TKsColor MakeKsColor(std::int16_t R, std::int16_t G, std::int16_t B, std::uint8_t A) {
    auto Clamp = [](std::int16_t V) { return TKsColor(V < 0 ? 0 : (V > 255 ? 255 : V)); };
    return TKsColor(A) << 24 | Clamp(R) << 16 | Clamp(G) << 8 | Clamp(B);
}

// Adds (subtracts) the amounts: red, green and blue clamp at 0 and 255, alpha wraps.
TKsColor KsColorAdd(TKsColor Pixel, std::uint8_t R, std::uint8_t G, std::uint8_t B, std::uint8_t A);
TKsColor KsColorSub(TKsColor Pixel, std::uint8_t R, std::uint8_t G, std::uint8_t B, std::uint8_t A);
TKsColor KsColorLighten(TKsColor Pixel, std::uint8_t Amount);
TKsColor KsColorDarken(TKsColor Pixel, std::uint8_t Amount);

// Turns the hue (measured 0..255 around the colour wheel) by Delta; the result is opaque.
TKsColor KsColorChangeHue(TKsColor Pixel, int Delta);
// The hue change of KsColorChangeHue for many pixels with one Delta, in integer arithmetic.
// Through hue, saturation and lightness the maximum channel comes back as itself, the
// minimum as itself and the middle one as the minimum plus a share of their range that
// depends only on the turned hue; that share is never half-way between two integers, so
// rounding it exactly gives the same bytes as the single-precision path. Only the hue
// itself can fall exactly half-way between two steps of the wheel; those pixels, and every
// pixel when |Delta| exceeds 255, go through KsColorChangeHue.
class TKsHueShift {
public:
    explicit TKsHueShift(int Delta);
    TKsColor Apply(TKsColor Pixel) const;

private:
    // Per hue step before the turn, the weight (0..255, of 255) of the range that red,
    // green and blue get after it.
    struct TChannelWeights {
        std::uint8_t Red, Green, Blue;
    };
    int FDelta;
    bool FExact;
    TChannelWeights FWeights[256];
};

// Adds Delta to red, green and blue, clamped; the result is opaque.
TKsColor KsColorChangeBrightness(TKsColor Pixel, int Delta);
