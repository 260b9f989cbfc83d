// The values that input and window events carry: mouse buttons, shift states, close actions.
#pragma once

#include "framework/core/Sets.h"

#include <cstdint>

enum class TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

enum class TShiftStateFlag : uint8_t {
    ssShift,
    ssAlt,
    ssCtrl,
    ssLeft,
    ssRight,
    ssMiddle,
    ssDouble
};
using TShiftState = TSet<TShiftStateFlag>;

// What closing a form does, decided by its OnClose handler.
enum class TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };

// A virtual-key code as the host reports it; a handler may change it (0 swallows the key).
using TKey = uint16_t;
// A typed character (a UTF-16 code unit on the host); a handler may change or clear it.
using TKeyChar = wchar_t;
