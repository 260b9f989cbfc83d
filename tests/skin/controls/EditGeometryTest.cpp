// The edit without a window: caret positions and points on an aligned and a scrolled line,
// hidden text's glyph cells, the columns a change of the line repaints, word movement over
// Latin and Chinese text, and the undo stack's merging and chaining of runs.
#include "skin/controls/KsEditGeometry.h"
#include "skin/controls/KsEditUndo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A line of N characters each CharWidth wide in a text rectangle Room wide at x = 10.
TKsEditLine EvenLine(int N, int CharWidth, int Room, TAlignment Alignment) {
    TKsEditLine Line;
    Line.TextRect = RECT{10, 2, 10 + Room, 18};
    Line.Alignment = Alignment;
    Line.Extents.clear();
    for (int I = 0; I <= N; ++I)
        Line.Extents.push_back(I * CharWidth);
    return Line;
}

TEST(EditLine, CaretPositionsAndPointsAgreeAtEveryAlignment) {
    for (const TAlignment Alignment :
         {TAlignment::taLeftJustify, TAlignment::taRightJustify, TAlignment::taCenter}) {
        const TKsEditLine Line = EvenLine(5, 8, 100, Alignment);
        const int Offset = Alignment == TAlignment::taLeftJustify    ? 0
                           : Alignment == TAlignment::taRightJustify ? 60
                                                                     : 30;
        for (int P = 0; P <= 5; ++P) {
            EXPECT_EQ(Line.CharToX(P), 10 + Offset + 8 * P);
            // A point just either side of a caret position comes back to it.
            EXPECT_EQ(Line.XToChar(Line.CharToX(P) - 1), P);
            EXPECT_EQ(Line.XToChar(Line.CharToX(P) + 1), P);
        }
        EXPECT_EQ(Line.XToChar(0), 0);
        EXPECT_EQ(Line.XToChar(1000), 5);
    }
}

// Text wider than the box scrolls like left-justified text whatever its alignment, so that
// caret and selection stay on the characters drawn.
TEST(EditLine, TextWiderThanTheBoxIgnoresTheAlignment) {
    for (const TAlignment Alignment : {TAlignment::taRightJustify, TAlignment::taCenter}) {
        TKsEditLine Line = EvenLine(20, 8, 100, Alignment);
        EXPECT_FALSE(Line.Fits());
        EXPECT_EQ(Line.AlignmentOffset(), 0);
        Line.FirstVisible = 6;
        EXPECT_EQ(Line.CharToX(5), 10);
        EXPECT_EQ(Line.CharToX(7), 26);
        EXPECT_EQ(Line.XToChar(27), 7);
    }
}

TEST(EditLine, ScrollingKeepsTheCaretInView) {
    TKsEditLine Line = EvenLine(30, 10, 100, TAlignment::taLeftJustify);
    EXPECT_EQ(Line.ScrolledTo(5), 1);
    EXPECT_EQ(Line.ScrolledTo(30), 21); // characters 21..30 fill the box
    Line.FirstVisible = 21;
    EXPECT_EQ(Line.ScrolledTo(25), 21);
    EXPECT_EQ(Line.ScrolledTo(3), 3);
    EXPECT_EQ(Line.ScrolledTo(0), 1);
    // Out-of-range carets are held within the text.
    EXPECT_EQ(Line.ScrolledTo(-4), 1);
    EXPECT_EQ(Line.ScrolledTo(99), 21);
    // A line that fits never scrolls.
    TKsEditLine Short = EvenLine(3, 10, 100, TAlignment::taLeftJustify);
    Short.FirstVisible = 3;
    EXPECT_EQ(Short.ScrolledTo(3), 1);
}

TEST(EditLine, HiddenTextPicksTheGlyphCellAPointFallsIn) {
    TKsEditLine Line = EvenLine(4, 9, 100, TAlignment::taLeftJustify);
    Line.GlyphWidth = 9;
    EXPECT_EQ(Line.XToChar(10), 0);
    EXPECT_EQ(Line.XToChar(18), 0);
    EXPECT_EQ(Line.XToChar(19), 1);
    EXPECT_EQ(Line.XToChar(5), 0);
    EXPECT_EQ(Line.XToChar(500), 4);
}

TEST(EditLine, AnEmptyLineHasOnePosition) {
    const TKsEditLine Line = EvenLine(0, 8, 100, TAlignment::taCenter);
    EXPECT_EQ(Line.XToChar(50), 0);
    EXPECT_EQ(Line.CharToX(0), 60);
    EXPECT_EQ(Line.CharToX(3), 60);
}

// A view of an even line showing Text (8 pixels a character, 100 pixels of room at x = 10).
TKsEditLineView EvenView(const std::u32string& Text,
                         TAlignment Alignment = TAlignment::taLeftJustify) {
    TKsEditLineView View;
    View.Line = EvenLine(static_cast<int>(Text.size()), 8, 100, Alignment);
    View.Chars = Text;
    return View;
}

TEST(EditLineChange, AChangeRepaintsFromItsFirstCharacterToTheEndOfTheLongerText) {
    const TKsEditLineView Before = EvenView(U"abcdef");
    EXPECT_TRUE(ChangedColumns(Before, Before, 2).Empty());

    TKsEditLineView Typed = EvenView(U"abcdefg");
    TKsEditColumns Columns = ChangedColumns(Before, Typed, 2);
    EXPECT_EQ(Columns.Left, 10 + 6 * 8 - 2);
    EXPECT_EQ(Columns.Right, 10 + 7 * 8 + 2);
    // Taking the character back repaints the same cell.
    Columns = ChangedColumns(Typed, Before, 2);
    EXPECT_EQ(Columns.Left, 10 + 6 * 8 - 2);
    EXPECT_EQ(Columns.Right, 10 + 7 * 8 + 2);

    // A character typed inside moves every one after it.
    Columns = ChangedColumns(Before, EvenView(U"abXcdef"), 0);
    EXPECT_EQ(Columns.Left, 10 + 2 * 8);
    EXPECT_EQ(Columns.Right, 10 + 7 * 8);

    // The same characters measured wider (another font) repaint from the first that moved.
    TKsEditLineView Wider = Before;
    for (size_t I = 4; I < Wider.Line.Extents.size(); ++I)
        Wider.Line.Extents[I] += 1;
    Columns = ChangedColumns(Before, Wider, 0);
    EXPECT_EQ(Columns.Left, 10 + 3 * 8);
    EXPECT_EQ(Columns.Right, 10 + 6 * 8 + 1);

    // Nothing reaches beyond the text rectangle, however wide the overhang.
    Columns = ChangedColumns(EvenView(U"a"), EvenView(U"ab"), 100);
    EXPECT_EQ(Columns.Left, 10);
    EXPECT_EQ(Columns.Right, 110);
}

// The selected text is drawn from the highlight's start: a highlight that keeps its start
// repaints only the cells its end passed over, one that starts elsewhere all of both.
TEST(EditLineChange, TheHighlightRepaintsWhatItsEndPassedOverOrAllOfItWhenItsStartMoved) {
    TKsEditLineView Before = EvenView(U"abcdefgh");
    Before.HighlightFrom = 2;
    Before.HighlightTo = 5;
    TKsEditLineView After = Before;
    After.HighlightTo = 6; // Shift+Right
    TKsEditColumns Columns = ChangedColumns(Before, After, 4);
    EXPECT_EQ(Columns.Left, 10 + 5 * 8 - 4);
    EXPECT_EQ(Columns.Right, 10 + 6 * 8 + 4);

    After.HighlightFrom = 1; // Shift+Left from the other end
    After.HighlightTo = 5;
    Columns = ChangedColumns(Before, After, 4);
    EXPECT_EQ(Columns.Left, 10 + 1 * 8 - 4);
    EXPECT_EQ(Columns.Right, 10 + 5 * 8 + 4);

    After.HighlightFrom = After.HighlightTo = 0; // collapsed
    Columns = ChangedColumns(Before, After, 4);
    EXPECT_EQ(Columns.Left, 10 + 2 * 8 - 4);
    EXPECT_EQ(Columns.Right, 10 + 5 * 8 + 4);

    After.HighlightFrom = 4; // moved
    After.HighlightTo = 7;
    Columns = ChangedColumns(Before, After, 4);
    EXPECT_EQ(Columns.Left, 10 + 2 * 8 - 4);
    EXPECT_EQ(Columns.Right, 10 + 7 * 8 + 4);
}

// Scrolled, realigned or resized, every character moves: the whole text rectangle repaints.
TEST(EditLineChange, MovedCharactersRepaintTheWholeLine) {
    const TKsEditLineView Before = EvenView(U"abc", TAlignment::taRightJustify);
    for (const TKsEditLineView& After :
         {EvenView(U"abcd", TAlignment::taRightJustify), EvenView(U"abc", TAlignment::taCenter)}) {
        const TKsEditColumns Columns = ChangedColumns(Before, After, 0);
        EXPECT_EQ(Columns.Left, 10);
        EXPECT_EQ(Columns.Right, 110);
    }
    TKsEditLineView Scrolled = EvenView(std::u32string(20, U'a'));
    TKsEditLineView Further = Scrolled;
    Further.Line.FirstVisible = 2;
    EXPECT_EQ(ChangedColumns(Scrolled, Further, 0).Left, 10);
    EXPECT_EQ(ChangedColumns(Scrolled, Further, 0).Right, 110);
}

TEST(EditWords, CtrlArrowsStopAtWordStarts) {
    const std::u32string Text = U"one two  three";
    EXPECT_EQ(WordLeft(Text, 6), 4);  // inside "two": its start
    EXPECT_EQ(WordLeft(Text, 4), 0);  // at its start: the word before
    EXPECT_EQ(WordLeft(Text, 9), 4);  // from the spaces: the word before them
    EXPECT_EQ(WordRight(Text, 1), 4); // inside "one": the start of "two"
    EXPECT_EQ(WordRight(Text, 4), 9);
    EXPECT_EQ(WordRight(Text, 9), 14);
    EXPECT_EQ(WordLeft(Text, -3), 0);
    EXPECT_EQ(WordLeft(Text, 99), 9);
    EXPECT_EQ(WordRight(Text, 99), 14);
}

TEST(EditWords, ChineseWordsAreSeparatedByEitherSpace) {
    const std::u32string Text = U"截取\u3000图片 保存";
    EXPECT_EQ(WordRight(Text, 0), 3);
    EXPECT_EQ(WordRight(Text, 3), 6);
    EXPECT_EQ(WordLeft(Text, 8), 6);
    EXPECT_EQ(WordLeft(Text, 5), 3);
}

// The text an undo target holds, changed as the edit changes it.
class TTextTarget : public TKsEditUndoTarget {
public:
    explicit TTextTarget(std::u32string Initial) : Text(std::move(Initial)) {}
    bool UndoDeletion(int Position, const std::string& Deleted) override {
        if (Refuse)
            return false;
        std::u32string Chars;
        for (const char C : Deleted) // the tests use ASCII only
            Chars.push_back(char32_t(C));
        Text.insert(size_t(Position - 1), Chars);
        return true;
    }
    bool UndoInsertion(int Position, int Length) override {
        if (Refuse)
            return false;
        Text.erase(size_t(Position - 1), size_t(Length));
        return true;
    }
    std::u32string Text;
    bool Refuse = false;
};

TEST(EditUndo, TypingRunsMergeIntoOneInsertion) {
    TTextTarget Target(U"abcxyz");
    TEditActionStack Stack(Target);
    Stack.PushInsertion(4, 1, false);
    Stack.PushInsertion(5, 1, false);
    Stack.PushInsertion(6, 1, false);
    ASSERT_EQ(Stack.Count(), 1);
    EXPECT_EQ(Stack.Peek()->Length, 3);
    EXPECT_TRUE(Stack.Undo());
    EXPECT_EQ(Target.Text, U"abc");
    EXPECT_FALSE(Stack.Undo());
}

TEST(EditUndo, BackspaceAndDeleteRunsMergeInTextOrder) {
    // Backspace three times at the end of "abcdef": f, e, d.
    TTextTarget Backspaced(U"abc");
    TEditActionStack Back(Backspaced);
    Back.PushDeletion(6, "f");
    Back.PushDeletion(5, "e");
    Back.PushDeletion(4, "d");
    ASSERT_EQ(Back.Count(), 1);
    EXPECT_EQ(Back.Peek()->Text, "def");
    Back.Undo();
    EXPECT_EQ(Backspaced.Text, U"abcdef");

    // Delete three times before "d" of "abcdef".
    TTextTarget Deleted(U"abc");
    TEditActionStack Forward(Deleted);
    Forward.PushDeletion(4, "d");
    Forward.PushDeletion(4, "e");
    Forward.PushDeletion(4, "f");
    ASSERT_EQ(Forward.Count(), 1);
    EXPECT_EQ(Forward.Peek()->Text, "def");
    Forward.Undo();
    EXPECT_EQ(Deleted.Text, U"abcdef");
}

// Deletions that do not touch stay apart: Backspace, Left, Backspace on "wxyz" deletes z,
// then x, and undoing puts back "wxyz", not the letters in another order.
TEST(EditUndo, DeletionsApartAreUndoneApart) {
    TTextTarget Target(U"wy");
    TEditActionStack Stack(Target);
    Stack.PushDeletion(4, "z");
    Stack.PushDeletion(2, "x");
    EXPECT_EQ(Stack.Count(), 2);
    Stack.Undo();
    EXPECT_EQ(Target.Text, U"wxy");
    Stack.Undo();
    EXPECT_EQ(Target.Text, U"wxyz");
}

TEST(EditUndo, TypingOverASelectionIsUndoneInOneStep) {
    // "hello" with "ell" selected, typed over with "a": "hao".
    TTextTarget Target(U"hao");
    TEditActionStack Stack(Target);
    Stack.PushDeletion(2, "ell");
    Stack.PushInsertion(2, 1, true);
    EXPECT_EQ(Stack.Count(), 2);
    EXPECT_TRUE(Stack.Undo());
    EXPECT_EQ(Target.Text, U"hello");
    EXPECT_TRUE(Stack.Empty());
}

TEST(EditUndo, NothingIsRecordedForEmptyChangesAndARefusedUndoStays) {
    TTextTarget Target(U"abc");
    TEditActionStack Stack(Target);
    Stack.PushDeletion(1, "");
    Stack.PushInsertion(1, 0, false);
    EXPECT_TRUE(Stack.Empty());
    Stack.PushInsertion(1, 2, false);
    Target.Refuse = true;
    EXPECT_TRUE(Stack.Undo());
    EXPECT_EQ(Stack.Count(), 1);
    EXPECT_EQ(Target.Text, U"abc");
}

} // namespace
