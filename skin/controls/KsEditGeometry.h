// The geometry of a single-line edit as pure functions of its state: where each caret
// position lies on the screen, which position a point is nearest, how far the line scrolls
// to keep the caret in view, which columns of the line a change repaints, and where words
// start. Positions count characters (code points), 0 before the first and Length after the
// last; FirstVisible counts from 1.
#pragma once

#include "framework/graphics/WinApi.h"
#include "framework/windows/StdCtrls.h"

#include <string>
#include <vector>

struct TKsEditLine {
    // Where the text is drawn; its width is the room the line has.
    RECT TextRect{};
    TAlignment Alignment = TAlignment::taLeftJustify;
    // The first character shown (the line's horizontal scroll).
    int FirstVisible = 1;
    // Extents[I] is the width of the first I characters; one more entry than characters.
    std::vector<int> Extents{0};
    // Hidden text: every character is one glyph this wide, and a point picks the glyph it
    // falls in. 0 for plain text, where a point picks the nearer side of a character.
    int GlyphWidth = 0;

    int Length() const { return static_cast<int>(Extents.size()) - 1; }
    // The width of the characters From + 1 .. To, 0 when there are none.
    int Width(int From, int To) const;
    // Whether the whole text is narrower than the text rectangle: only then does the
    // alignment place it; wider text scrolls from the left edge like left-justified text.
    bool Fits() const;
    // How far an aligned line that fits lies right of the text rectangle's left edge.
    int AlignmentOffset() const;

    // The x of caret position P.
    int CharToX(int P) const;
    // The caret position nearest to X, among the shown characters.
    int XToChar(int X) const;
    // The first visible character that keeps caret position Caret in view.
    int ScrolledTo(int Caret) const;
};

// What a line shows, as far as the edit's own changes alter it: its layout, its characters
// (one per extent after the first) and the characters shown highlighted (none when
// HighlightFrom == HighlightTo).
struct TKsEditLineView {
    TKsEditLine Line;
    std::u32string Chars;
    int HighlightFrom = 0;
    int HighlightTo = 0;
};

// A run of columns from Left up to Right; empty when Right <= Left.
struct TKsEditColumns {
    int Left = 0;
    int Right = 0;

    bool Empty() const { return Right <= Left; }
    // Widens the run to take in the columns From .. To as well.
    void Include(int From, int To);
};

// The columns of the text rectangle whose pixels may differ between two views of a line:
// all of them when the characters moved (scrolled, realigned, resized, measured anew);
// else those from the first character that differs to the end of the longer text, and
// those the highlight changed (all of it when it starts elsewhere, as the selected text is
// drawn from its start), each widened by Overhang for glyphs that reach beyond their cells.
TKsEditColumns ChangedColumns(const TKsEditLineView& Before, const TKsEditLineView& After,
                              int Overhang);

// Spaces that separate words: the ASCII space and the ideographic space of CJK text.
bool IsWordSpace(char32_t C);
// Ctrl+Left: the start of the word before P (over spaces, then over the word).
int WordLeft(const std::u32string& Text, int P);
// Ctrl+Right: the start of the word after the one P is in (from spaces, the start of the
// word after the next one); the end of the text when there is none.
int WordRight(const std::u32string& Text, int P);
