// Short-cuts: a key with its modifiers in 16 bits, as actions and menu items carry them. The
// low byte is the virtual key; the modifier bits are added to it (scCtrl + 'S'). Menus show
// them as English text ("Ctrl+S", "Shift+Del", "F1"), and layouts may name them that way.
#pragma once

#include <cstdint>
#include <string>

using TShortCut = uint16_t;

constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// The text a menu shows for a short-cut: the modifiers in the order Shift, Ctrl, Alt, each
// followed by "+", then the key's name. Empty for scNone and for a key without a name.
std::string ShortCutToText(TShortCut ShortCut);
// The inverse of ShortCutToText; modifiers may come in any order and the case of the text
// does not matter. Text that names no key gives scNone.
TShortCut TextToShortCut(const std::string& Text);
