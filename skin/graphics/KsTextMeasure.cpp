#include "skin/graphics/KsTextMeasure.h"

#include "framework/core/TextConv.h"

#include <algorithm>

SIZE KsTextExtent(const TFont& Font, const std::wstring& Text) {
    const TKsMeasuringDC DC(Font);
    SIZE Size{0, 0};
    GetTextExtentPoint32W(DC.Get(), Text.c_str(), static_cast<int>(Text.size()), &Size);
    return Size;
}

std::vector<int> KsCharExtents(const TFont& Font, const std::u32string& Chars) {
    std::vector<int> Result(Chars.size() + 1, 0);
    if (Chars.empty())
        return Result;
    const std::wstring Wide = Utf8ToWide(Utf32ToUtf8(Chars));
    std::vector<int> UnitExtents(Wide.size(), 0);
    const TKsMeasuringDC DC(Font);
    SIZE Whole{0, 0};
    GetTextExtentExPointW(DC.Get(), Wide.c_str(), static_cast<int>(Wide.size()), 0, nullptr,
                          UnitExtents.data(), &Whole);
    // A character of two UTF-16 units ends where its second unit does.
    size_t Unit = 0;
    for (size_t I = 0; I < Chars.size(); ++I) {
        Unit += Chars[I] >= 0x10000 ? 2 : 1;
        Result[I + 1] = UnitExtents[std::min(Unit, Wide.size()) - 1];
    }
    return Result;
}
