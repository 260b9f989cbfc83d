#include "skin/controls/KsTextWrap.h"

#include "skin/controls/KsEditGeometry.h"

#include <algorithm>

namespace {

bool IsLineFeed(char32_t C) {
    return C == U'\n' || C == U'\r';
}

// Punctuation that closes a phrase and never starts a line.
bool ClosesPhrase(char32_t C) {
    switch (C) {
    case U'，':
    case U'。':
    case U'、':
    case U'；':
    case U'：':
    case U'？':
    case U'！':
    case U'）':
    case U'」':
    case U'』':
    case U'】':
    case U'》':
    case U'〉':
        return true;
    default:
        return false;
    }
}

// Whether a line may end between Chars[Index - 1] and Chars[Index].
bool CanBreakBefore(const std::u32string& Chars, size_t Index) {
    const char32_t Before = Chars[Index - 1];
    const char32_t After = Chars[Index];
    if (IsWordSpace(After) || IsWordSpace(Before))
        return true;
    if (ClosesPhrase(After))
        return false;
    return IsIdeographic(Before) || IsIdeographic(After);
}

} // namespace

bool IsIdeographic(char32_t C) {
    return (C >= 0x2E80 && C <= 0x9FFF) || (C >= 0xAC00 && C <= 0xD7AF) ||
           (C >= 0xF900 && C <= 0xFAFF) || (C >= 0xFF00 && C <= 0xFFEF) ||
           (C >= 0x20000 && C <= 0x3FFFF);
}

std::vector<TKsTextLine> KsWrapText(const std::u32string& Chars, const std::vector<int>& Extents,
                                    int Width) {
    const int Length = static_cast<int>(Chars.size());
    const auto WidthOf = [&Extents](int From, int To) {
        return Extents[static_cast<size_t>(To)] - Extents[static_cast<size_t>(From)];
    };
    std::vector<TKsTextLine> Lines;
    int Start = 0;
    while (Start < Length || Lines.empty()) {
        // The furthest the line reaches: up to a line feed, as far as the width allows.
        int Reach = Start;
        while (Reach < Length && !IsLineFeed(Chars[static_cast<size_t>(Reach)]) &&
               (Reach == Start || WidthOf(Start, Reach + 1) <= Width))
            ++Reach;
        int End = Reach;
        if (Reach < Length && !IsLineFeed(Chars[static_cast<size_t>(Reach)])) {
            // The line is full: it ends at the last place it may, else inside the word.
            for (int Break = Reach; Break > Start; --Break)
                if (CanBreakBefore(Chars, static_cast<size_t>(Break))) {
                    End = Break;
                    break;
                }
        }
        int Next = End;
        while (End > Start && IsWordSpace(Chars[static_cast<size_t>(End - 1)]))
            --End;
        while (Next < Length && IsWordSpace(Chars[static_cast<size_t>(Next)]))
            ++Next;
        if (Next < Length && Chars[static_cast<size_t>(Next)] == U'\r')
            ++Next;
        if (Next < Length && Chars[static_cast<size_t>(Next)] == U'\n')
            ++Next;
        Lines.push_back(TKsTextLine{Start, End});
        Start = Next;
    }
    return Lines;
}
