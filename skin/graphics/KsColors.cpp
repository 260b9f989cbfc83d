// Colour arithmetic of the pixel format. The hue change works in single precision through
// hue, saturation and lightness, with every rounding to nearest and ties to even.
#include "skin/graphics/KsColors.h"

#include "framework/graphics/WinApi.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

TKsColor KsWindow = 0xFFEBEBEEu;
TKsColor KsBtnFace = 0xFFD2D2D2u;
TKsColor KsBtnShadow = 0xFFA8A8A8u;

namespace {

TKsColor OpaqueSystemColor(int Index) {
    const COLORREF Rgb = GetSysColor(Index);
    return MakeKsColor(GetRValue(Rgb), GetGValue(Rgb), GetBValue(Rgb), 255);
}

[[maybe_unused]] const bool SystemColorsRead = (KsUpdateSystemColors(), true);

std::uint8_t ClampChannel(int Value) {
    return std::uint8_t(std::clamp(Value, 0, 255));
}

int RoundToEven(float Value) {
    return int(std::lrint(Value));
}

struct THsl {
    float H, S, L;
};

// Channel / 255 in single precision, computed once.
struct TUnitChannels {
    float Values[256];
    TUnitChannels() {
        for (int I = 0; I < 256; ++I)
            Values[I] = float(I) / 255.0f;
    }
};
float UnitChannel(std::uint8_t Channel) {
    static const TUnitChannels Table;
    return Table.Values[Channel];
}

THsl ToHsl(TKsColor Pixel) {
    const float R = UnitChannel(KsRedOf(Pixel));
    const float G = UnitChannel(KsGreenOf(Pixel));
    const float B = UnitChannel(KsBlueOf(Pixel));
    const float Max = std::max({R, G, B});
    const float Min = std::min({R, G, B});
    THsl Result{0.0f, 0.0f, (Max + Min) / 2.0f};
    if (Max == Min)
        return Result;
    const float Range = Max - Min;
    Result.S = Result.L < 0.5f ? Range / (Max + Min) : Range / (2.0f - Max - Min);
    float H;
    if (R == Max)
        H = (G - B) / Range;
    else if (G == Max)
        H = (B - R) / Range + 2.0f;
    else
        H = (R - G) / Range + 4.0f;
    H = H / 6.0f;
    if (H < 0.0f)
        H = H + 1.0f;
    Result.H = H;
    return Result;
}

// The fractional part, Hue - floor(Hue); hues near the wheel need at most one turn.
float FractionOf(float Hue) {
    if (Hue >= 0.0f && Hue < 1.0f)
        return Hue;
    if (Hue < 0.0f && Hue >= -1.0f)
        return Hue + 1.0f;
    if (Hue >= 1.0f && Hue < 2.0f)
        return Hue - 1.0f;
    return Hue - std::floor(Hue);
}

float HueToChannel(float M1, float M2, float Hue) {
    Hue = FractionOf(Hue);
    if (6.0f * Hue < 1.0f)
        return M1 + (M2 - M1) * 6.0f * Hue;
    if (2.0f * Hue < 1.0f)
        return M2;
    if (3.0f * Hue < 2.0f)
        return M1 + (M2 - M1) * (2.0f / 3.0f - Hue) * 6.0f;
    return M1;
}

TKsColor FromHsl(float H, float S, float L) {
    if (S == 0.0f) {
        const int Gray = RoundToEven(L * 255.0f);
        return MakeKsColor(std::int16_t(Gray), std::int16_t(Gray), std::int16_t(Gray), 255);
    }
    const float M2 = L <= 0.5f ? L * (1.0f + S) : L + S - L * S;
    const float M1 = 2.0f * L - M2;
    const int R = RoundToEven(255.0f * HueToChannel(M1, M2, H + 1.0f / 3.0f));
    const int G = RoundToEven(255.0f * HueToChannel(M1, M2, H));
    const int B = RoundToEven(255.0f * HueToChannel(M1, M2, H - 1.0f / 3.0f));
    return MakeKsColor(std::int16_t(R), std::int16_t(G), std::int16_t(B), 255);
}

} // namespace

void KsUpdateSystemColors() {
    KsWindow = OpaqueSystemColor(COLOR_WINDOW);
    KsBtnFace = OpaqueSystemColor(COLOR_BTNFACE);
    KsBtnShadow = OpaqueSystemColor(COLOR_BTNSHADOW);
}

TKsColor KsColorAdd(TKsColor Pixel, std::uint8_t R, std::uint8_t G, std::uint8_t B,
                    std::uint8_t A) {
    return TKsColor(std::uint8_t(KsAlpha(Pixel) + A)) << 24 |
           TKsColor(ClampChannel(KsRedOf(Pixel) + R)) << 16 |
           TKsColor(ClampChannel(KsGreenOf(Pixel) + G)) << 8 | ClampChannel(KsBlueOf(Pixel) + B);
}

TKsColor KsColorSub(TKsColor Pixel, std::uint8_t R, std::uint8_t G, std::uint8_t B,
                    std::uint8_t A) {
    return TKsColor(std::uint8_t(KsAlpha(Pixel) - A)) << 24 |
           TKsColor(ClampChannel(KsRedOf(Pixel) - R)) << 16 |
           TKsColor(ClampChannel(KsGreenOf(Pixel) - G)) << 8 | ClampChannel(KsBlueOf(Pixel) - B);
}

TKsColor KsColorLighten(TKsColor Pixel, std::uint8_t Amount) {
    return KsColorAdd(Pixel, Amount, Amount, Amount, 0);
}

TKsColor KsColorDarken(TKsColor Pixel, std::uint8_t Amount) {
    return KsColorSub(Pixel, Amount, Amount, Amount, 0);
}

TKsColor KsColorChangeHue(TKsColor Pixel, int Delta) {
    const THsl Hsl = ToHsl(Pixel);
    // In 64 bits, so that a delta near the integer limits cannot overflow the sum.
    std::int64_t Hue = std::int64_t(RoundToEven(Hsl.H * 255.0f)) + Delta;
    // The wheel is 255 steps long here, so the wrap subtracts 255, not 256.
    if (Hue >= 256)
        Hue -= 255;
    if (Hue < 0)
        Hue += 255;
    return FromHsl(float(Hue) / 255.0f, Hsl.S, Hsl.L);
}

TKsColor KsColorChangeBrightness(TKsColor Pixel, int Delta) {
    return KsBrightenPixel(Pixel, Delta);
}

namespace {

// The share of the range a channel gets at position Step (0..254) of the 255-step wheel,
// in 255ths: rising over the first sixth, full up to the half, falling until two thirds,
// none after.
std::uint8_t WeightAt(int Step) {
    if (Step <= 42)
        return std::uint8_t(6 * Step);
    if (Step <= 127)
        return 255;
    if (Step <= 169)
        return std::uint8_t(6 * (170 - Step));
    return 0;
}

int WheelStep(std::int64_t Hue) {
    return int(((Hue % 255) + 255) % 255);
}

} // namespace

TKsHueShift::TKsHueShift(int Delta) : FDelta(Delta), FExact(Delta >= -255 && Delta <= 255) {
    for (int Hue = 0; Hue < 256; ++Hue) {
        std::int64_t Turned = std::int64_t(Hue) + Delta;
        if (Turned >= 256)
            Turned -= 255;
        if (Turned < 0)
            Turned += 255;
        // Red leads green by a third of the wheel, blue trails it by a third.
        FWeights[Hue] =
            TChannelWeights{WeightAt(WheelStep(Turned + 85)), WeightAt(WheelStep(Turned)),
                            WeightAt(WheelStep(Turned - 85))};
    }
}

TKsColor TKsHueShift::Apply(TKsColor Pixel) const {
    if (!FExact)
        return KsColorChangeHue(Pixel, FDelta);
    const int R = KsRedOf(Pixel), G = KsGreenOf(Pixel), B = KsBlueOf(Pixel);
    const int Max = std::max({R, G, B});
    const int Min = std::min({R, G, B});
    const int Range = Max - Min;
    if (Range == 0)
        return 0xFF000000u | TKsColor(Min) * 0x010101u;
    // The hue in steps of the wheel is Base + 85 * Offset / (2 * Range), rounded.
    int Base, Offset;
    if (R == Max) {
        Offset = G - B;
        Base = Offset < 0 ? 255 : 0;
    } else if (G == Max) {
        Offset = B - R;
        Base = 85;
    } else {
        Offset = R - G;
        Base = 170;
    }
    // floor(85 * Offset / (2 * Range) + 1/2), with a non-negative numerator.
    const int Denominator = 4 * Range;
    const int Numerator = 170 * Offset + 2 * Range + 85 * Denominator;
    const int Quotient = Numerator / Denominator;
    if (Numerator - Quotient * Denominator == 0)
        return KsColorChangeHue(Pixel, FDelta); // exactly half-way: the float path decides
    const TChannelWeights& Weights = FWeights[Base + Quotient - 85];
    // Min + Range * Weight / 255, rounded; the quotient is never half-way.
    auto Channel = [&](int Weight) { return TKsColor(Min + (2 * Range * Weight + 255) / 510); };
    return 0xFF000000u | Channel(Weights.Red) << 16 | Channel(Weights.Green) << 8 |
           Channel(Weights.Blue);
}
