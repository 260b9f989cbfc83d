// Breaking a text into lines of a given width, counted in characters (code points): between
// words at spaces, between any two ideographs of Chinese, Japanese or Korean text (but not
// before the punctuation that closes a phrase), and inside a word only when the word alone
// is wider than the line. Line feeds end a line. Pure functions of the characters and their
// measured extents, so that what a list measures and what it paints agree.
#pragma once

#include <string>
#include <vector>

// A line of the text: the characters Start .. End - 1, without the spaces it was broken at.
struct TKsTextLine {
    int Start = 0;
    int End = 0;
};

// Characters that may stand on a line of their own next to others: ideographs, kana,
// Hangul syllables and full-width forms.
bool IsIdeographic(char32_t C);

// The lines of Chars in Width pixels; Extents[I] is the width of the first I characters (one
// more entry than characters). Every line holds at least one character; an empty text is
// one empty line.
std::vector<TKsTextLine> KsWrapText(const std::u32string& Chars, const std::vector<int>& Extents,
                                    int Width);
