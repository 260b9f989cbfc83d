#include "framework/windows/ControlMessages.h"

#include "framework/core/TextConv.h"

#include <cwctype>

POINT MessagePoint(intptr_t LParam) {
    const auto Bits = static_cast<uint32_t>(LParam);
    return POINT{static_cast<int16_t>(Bits & 0xFFFF), static_cast<int16_t>(Bits >> 16)};
}

intptr_t PointToLParam(POINT Point) {
    const uint32_t Bits = (static_cast<uint32_t>(Point.x) & 0xFFFF) |
                          ((static_cast<uint32_t>(Point.y) & 0xFFFF) << 16);
    return static_cast<intptr_t>(Bits);
}

namespace {

bool KeyIsDown(int VirtualKey) {
    return (GetKeyState(VirtualKey) & 0x8000) != 0;
}

} // namespace

TShiftState KeysToShiftState(uintptr_t Keys) {
    TShiftState Result;
    if (Keys & MK_SHIFT)
        Result.Include(TShiftStateFlag::ssShift);
    if (Keys & MK_CONTROL)
        Result.Include(TShiftStateFlag::ssCtrl);
    if (Keys & MK_LBUTTON)
        Result.Include(TShiftStateFlag::ssLeft);
    if (Keys & MK_RBUTTON)
        Result.Include(TShiftStateFlag::ssRight);
    if (Keys & MK_MBUTTON)
        Result.Include(TShiftStateFlag::ssMiddle);
    if (KeyIsDown(VK_MENU))
        Result.Include(TShiftStateFlag::ssAlt);
    return Result;
}

TShiftState KeyDataToShiftState(intptr_t KeyData) {
    constexpr intptr_t AltContextBit = 0x20000000;
    TShiftState Result;
    if (KeyIsDown(VK_SHIFT))
        Result.Include(TShiftStateFlag::ssShift);
    if (KeyIsDown(VK_CONTROL))
        Result.Include(TShiftStateFlag::ssCtrl);
    if (KeyData & AltContextBit)
        Result.Include(TShiftStateFlag::ssAlt);
    return Result;
}

bool IsAccel(wchar_t Char, const std::string& Caption) {
    const std::wstring Text = Utf8ToWide(Caption);
    for (size_t I = 0; I + 1 < Text.size(); ++I) {
        if (Text[I] != L'&')
            continue;
        if (Text[I + 1] == L'&') {
            ++I;
            continue;
        }
        return std::towupper(static_cast<wint_t>(Text[I + 1])) ==
               std::towupper(static_cast<wint_t>(Char));
    }
    return false;
}
