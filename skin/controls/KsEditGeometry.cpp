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

void TKsEditColumns::Include(int From, int To) {
    if (To <= From)
        return;
    Left = Empty() ? From : std::min(Left, From);
    Right = Empty() ? To : std::max(Right, To);
}

namespace {

// Whether every character shown keeps its place from one line to the other.
bool SamePlaces(const TKsEditLine& A, const TKsEditLine& B) {
    return EqualRect(A.TextRect, B.TextRect) && A.FirstVisible == B.FirstVisible &&
           A.AlignmentOffset() == B.AlignmentOffset() && A.GlyphWidth == B.GlyphWidth;
}

// The first character that differs, in code or in the width of the text up to its end;
// the shorter length when one text begins the other.
int FirstDifference(const TKsEditLineView& A, const TKsEditLineView& B) {
    const int Common = std::min(A.Line.Length(), B.Line.Length());
    for (int I = 0; I < Common; ++I) {
        const auto Index = static_cast<size_t>(I);
        if (A.Chars[Index] != B.Chars[Index] ||
            A.Line.Extents[Index + 1] != B.Line.Extents[Index + 1])
            return I;
    }
    return Common;
}

TKsEditColumns HighlightColumns(const TKsEditLineView& View) {
    return {View.Line.CharToX(View.HighlightFrom), View.Line.CharToX(View.HighlightTo)};
}

// The columns whose look one highlight gives and the other does not. The selected text is
// drawn from the highlight's start, its glyphs placed from there: when the start moves, all
// of both highlights repaint; else the cells between the two ends. Glyphs at the ends reach
// Overhang beyond them.
TKsEditColumns HighlightChange(const TKsEditColumns& A, const TKsEditColumns& B, int Overhang) {
    TKsEditColumns Result;
    if (A.Empty() || B.Empty() || A.Left != B.Left) {
        Result.Include(A.Left, A.Right);
        Result.Include(B.Left, B.Right);
    } else {
        Result.Include(std::min(A.Right, B.Right), std::max(A.Right, B.Right));
    }
    if (!Result.Empty()) {
        Result.Left -= Overhang;
        Result.Right += Overhang;
    }
    return Result;
}

} // namespace

TKsEditColumns ChangedColumns(const TKsEditLineView& Before, const TKsEditLineView& After,
                              int Overhang) {
    const RECT& Box = After.Line.TextRect;
    TKsEditColumns Result;
    if (!SamePlaces(Before.Line, After.Line)) {
        Result.Include(std::min(Box.left, Before.Line.TextRect.left),
                       std::max(Box.right, Before.Line.TextRect.right));
        return Result;
    }
    const int First = FirstDifference(Before, After);
    if (First < Before.Line.Length() || First < After.Line.Length()) {
        const int End = std::max(Before.Line.CharToX(Before.Line.Length()),
                                 After.Line.CharToX(After.Line.Length()));
        Result.Include(After.Line.CharToX(First) - Overhang, End + Overhang);
    }
    const TKsEditColumns Highlight =
        HighlightChange(HighlightColumns(Before), HighlightColumns(After), Overhang);
    Result.Include(Highlight.Left, Highlight.Right);
    Result.Left = std::max(Result.Left, static_cast<int>(Box.left));
    Result.Right = std::min(Result.Right, static_cast<int>(Box.right));
    return Result;
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
