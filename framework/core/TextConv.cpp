#include "framework/core/TextConv.h"

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

bool IsSurrogate(char32_t C) {
    return C >= 0xD800 && C <= 0xDFFF;
}

bool IsContinuation(unsigned char C) {
    return (C & 0xC0) == 0x80;
}

void AppendWide(std::wstring& Dest, char32_t C) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (C >= 0x10000) {
            C -= 0x10000;
            Dest.push_back(static_cast<wchar_t>(0xD800 + (C >> 10)));
            Dest.push_back(static_cast<wchar_t>(0xDC00 + (C & 0x3FF)));
            return;
        }
    }
    Dest.push_back(static_cast<wchar_t>(C));
}

} // namespace

void AppendUtf8(std::string& Dest, char32_t C) {
    if (C > 0x10FFFF || IsSurrogate(C))
        C = ReplacementCharacter;
    if (C < 0x80) {
        Dest.push_back(static_cast<char>(C));
    } else if (C < 0x800) {
        Dest.push_back(static_cast<char>(0xC0 | (C >> 6)));
        Dest.push_back(static_cast<char>(0x80 | (C & 0x3F)));
    } else if (C < 0x10000) {
        Dest.push_back(static_cast<char>(0xE0 | (C >> 12)));
        Dest.push_back(static_cast<char>(0x80 | ((C >> 6) & 0x3F)));
        Dest.push_back(static_cast<char>(0x80 | (C & 0x3F)));
    } else {
        Dest.push_back(static_cast<char>(0xF0 | (C >> 18)));
        Dest.push_back(static_cast<char>(0x80 | ((C >> 12) & 0x3F)));
        Dest.push_back(static_cast<char>(0x80 | ((C >> 6) & 0x3F)));
        Dest.push_back(static_cast<char>(0x80 | (C & 0x3F)));
    }
}

char32_t DecodeUtf8(std::string_view Text, size_t& Pos) {
    const auto Lead = static_cast<unsigned char>(Text[Pos]);
    if (Lead < 0x80) {
        ++Pos;
        return Lead;
    }
    size_t Length;
    char32_t C;
    char32_t Minimum;
    if ((Lead & 0xE0) == 0xC0) {
        Length = 2, C = Lead & 0x1F, Minimum = 0x80;
    } else if ((Lead & 0xF0) == 0xE0) {
        Length = 3, C = Lead & 0x0F, Minimum = 0x800;
    } else if ((Lead & 0xF8) == 0xF0) {
        Length = 4, C = Lead & 0x07, Minimum = 0x10000;
    } else {
        ++Pos;
        return ReplacementCharacter;
    }
    if (Pos + Length > Text.size()) {
        ++Pos;
        return ReplacementCharacter;
    }
    for (size_t I = 1; I < Length; ++I) {
        const auto Next = static_cast<unsigned char>(Text[Pos + I]);
        if (!IsContinuation(Next)) {
            ++Pos;
            return ReplacementCharacter;
        }
        C = (C << 6) | (Next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    if (C < Minimum || C > 0x10FFFF || IsSurrogate(C)) {
        ++Pos;
        return ReplacementCharacter;
    }
    Pos += Length;
    return C;
}

std::wstring Utf8ToWide(std::string_view Text) {
    std::wstring Result;
    Result.reserve(Text.size());
    size_t Pos = 0;
    while (Pos < Text.size())
        AppendWide(Result, DecodeUtf8(Text, Pos));
    return Result;
}

std::string WideToUtf8(std::wstring_view Text) {
    std::string Result;
    Result.reserve(Text.size());
    for (size_t I = 0; I < Text.size(); ++I) {
        auto C = static_cast<char32_t>(Text[I]);
        if constexpr (sizeof(wchar_t) == 2) {
            C &= 0xFFFF;
            const bool High = C >= 0xD800 && C <= 0xDBFF;
            if (High && I + 1 < Text.size()) {
                const auto Low = static_cast<char32_t>(Text[I + 1]) & 0xFFFF;
                if (Low >= 0xDC00 && Low <= 0xDFFF) {
                    C = 0x10000 + ((C - 0xD800) << 10) + (Low - 0xDC00);
                    ++I;
                }
            }
        }
        AppendUtf8(Result, C);
    }
    return Result;
}

std::u32string Utf8ToUtf32(std::string_view Text) {
    std::u32string Result;
    Result.reserve(Text.size());
    size_t Pos = 0;
    while (Pos < Text.size())
        Result.push_back(DecodeUtf8(Text, Pos));
    return Result;
}

std::string Utf32ToUtf8(std::u32string_view Text) {
    std::string Result;
    Result.reserve(Text.size());
    for (const char32_t C : Text)
        AppendUtf8(Result, C);
    return Result;
}
