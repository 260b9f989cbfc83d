// What a skinned control's rendered image was made of: every value that shows in it, in
// the order the control lists them. Two equal appearances draw the same pixels, so a
// control whose appearance did not change since its last render shows that render again.
#pragma once

#include "framework/graphics/Colors.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

class TFont;

class TKsAppearance {
public:
    template <class T> void Add(T Value) {
        if constexpr (std::is_enum_v<T>)
            FValues.push_back(static_cast<intptr_t>(Value));
        else if constexpr (std::is_pointer_v<T>)
            FValues.push_back(reinterpret_cast<intptr_t>(Value));
        else
            FValues.push_back(static_cast<intptr_t>(Value));
    }
    void Add(const std::string& Text);
    // A colour as the host shows it now: system colours change with the user's settings.
    void AddColor(TColor Color);
    // What the host font is made of, and its colour.
    void AddFont(const TFont& Font);

    void Clear();
    bool operator==(const TKsAppearance& Other) const = default;

private:
    std::vector<intptr_t> FValues;
    std::string FTexts;
};
