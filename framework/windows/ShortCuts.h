// Short-cuts: a key with its modifiers in 16 bits, as actions and menu items carry them. The
// low byte is the virtual key; the modifier bits are added to it (scCtrl + 'S').
#pragma once

#include <cstdint>

using TShortCut = uint16_t;

constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
