#include "skin/controls/KsEditGeometry.h"

#include "skin/graphics/KsUtils.h"

#include <algorithm>

int TKsEditLine::Width(int From, int To) const {
    From = std::clamp(From, 0, Length());
    To = std::clamp(To, 0, Length());
    return To > From ? Extents[static_cast<size_t>(To)] - Extents[static_cast<size_t>(From)] : 0;
}

bool TKsEditLine::Fits() const {
    return Width(0, Length()) < RectWidth(TextRect);
}

int TKsEditLine::AlignmentOffset() const {
    if (!Fits())
        return 0;
    const int Free = RectWidth(TextRect) - Width(0, Length());
    switch (Alignment) {
    case TAlignment::taRightJustify:
        return Free;
    case TAlignment::taCenter:
        return Free / 2;
    default:
        return 0;
    }
}

int TKsEditLine::CharToX(int P) const {
    return TextRect.left + Width(FirstVisible - 1, P) + AlignmentOffset();
}

int TKsEditLine::XToChar(int X) const {
    const int N = Length();
    int R = std::clamp(FirstVisible - 1, 0, N);
    if (N == 0)
        return R;
    X -= AlignmentOffset();
    if (GlyphWidth > 0)
        return std::clamp(R + int(X - TextRect.left) / GlyphWidth, 0, N);
    const auto CharWidth = [this](int I) { return static_cast<double>(Width(I, I + 1)); };
    // Past the middle of a character, the caret goes after it.
    double Middle = TextRect.left + CharWidth(R) / 2;
    while (X > Middle && R < N && TextRect.right > Middle) {
        Middle += CharWidth(R) / 2 + (R + 1 < N ? CharWidth(R + 1) / 2 : 0);
        ++R;
    }
    return R;
}

int TKsEditLine::ScrolledTo(int Caret) const {
    // Nothing is scrolled out of view while everything fits.
    if (Fits())
        return 1;
    const int N = Length();
    Caret = std::clamp(Caret, 0, N);
    int First = std::clamp(FirstVisible, 1, std::max(N, 1));
    if (First > Caret)
        return std::max(Caret, 1);
    while (Width(First - 1, Caret) > RectWidth(TextRect) && First < N)
        ++First;
    return First;
}

bool IsWordSpace(char32_t C) {
    return C == U' ' || C == U'\u3000';
}

int WordLeft(const std::u32string& Text, int P) {
    P = std::clamp(P, 0, static_cast<int>(Text.size()));
    const auto Before = [&Text](int I) { return Text[static_cast<size_t>(I - 1)]; };
    while (P > 0 && IsWordSpace(Before(P)))
        --P;
    while (P > 0 && !IsWordSpace(Before(P)))
        --P;
    return P;
}

int WordRight(const std::u32string& Text, int P) {
    const int N = static_cast<int>(Text.size());
    bool PassedWord = false;
    for (int I = std::max(P, 0); I < N; ++I) {
        const bool Space = IsWordSpace(Text[static_cast<size_t>(I)]);
        if (!Space && PassedWord && IsWordSpace(Text[static_cast<size_t>(I - 1)]))
            return I;
        PassedWord = PassedWord || !Space;
    }
    return N;
}
