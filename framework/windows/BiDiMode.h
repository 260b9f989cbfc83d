// Reading order of a control's text. Controls and forms carry a BiDiMode; text is drawn with
// host DrawText flags that the mode turns right-aligned and right-to-left, but only where
// the system has right-to-left support switched on (SM_MIDEASTENABLED).
#pragma once

#include <cstdint>
#include <functional>

class TEnumInfo;

enum class TBiDiMode : uint8_t {
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};
extern const TEnumInfo BiDiModeInfo;

// Whether the system offers right-to-left reading (the host's SM_MIDEASTENABLED).
bool SysLocaleMiddleEast();

// Replaces the question put to the host; an empty function restores the host's answer.
// Answers the previous function.
using TMiddleEastQuery = std::function<bool()>;
TMiddleEastQuery SetMiddleEastQuery(TMiddleEastQuery Query);

// DrawText flags adjusted to Mode: with right-to-left support on and bdRightToLeft, a
// right-aligned request becomes left-aligned and a left-aligned one right-aligned (centred
// stays centred); with support on and any mode but bdLeftToRight, DT_RTLREADING is added.
// Without support the flags come back unchanged.
uint32_t DrawTextBiDiModeFlags(TBiDiMode Mode, uint32_t Flags);
