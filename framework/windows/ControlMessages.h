// The pieces of window messages that controls decode in many places: the point a mouse
// message carries, the shift state of mouse and key messages, and the framework's reflected
// notification numbers.
#pragma once

#include "framework/core/InputTypes.h"
#include "framework/core/Messages.h"
#include "framework/graphics/WinApi.h"

#include <string>

// A notification a parent window receives (WM_COMMAND) handed to the control it concerns.
constexpr uint32_t CN_COMMAND = CN_BASE + WM_COMMAND;

// A key-down message as short-cut handlers see it: the virtual key and the key data (bit
// 29 set while Alt is held).
struct TWMKey {
    uint32_t Msg = 0;
    TKey CharCode = 0;
    intptr_t KeyData = 0;
    intptr_t Result = 0;
};

// The signed client point of a mouse message's LParam.
POINT MessagePoint(intptr_t LParam);
// A point packed the way mouse messages carry it.
intptr_t PointToLParam(POINT Point);

// Shift state from the MK_ flags of a mouse message's WParam (Alt asked of the keyboard).
TShiftState KeysToShiftState(uintptr_t Keys);
// Shift state while a key message is handled: Shift and Ctrl asked of the keyboard, Alt
// from the context bit of the key data.
TShiftState KeyDataToShiftState(intptr_t KeyData);

// True when Caption marks Char as its accelerator ("&X"; "&&" is a literal ampersand).
// The comparison ignores case.
bool IsAccel(wchar_t Char, const std::string& Caption);
