// The edit's painting pixel for pixel: the highlight lies exactly under the selected
// characters and they are drawn where the text is, at each alignment and scrolled; a hidden
// selection leaves no trace; each kind of hidden-text glyph is drawn once per character (one
// beyond the 16-bit range included) inside its cell, in the selection's colours when
// selected, and nothing is drawn outside the cells. The widths kept through changes are
// those of the text measured afresh; on the screen, whatever a change alters is repainted,
// and typing repaints no more than the characters it moved.
#include "ControlTestSupport.h"
#include "EditTestSupport.h"

#include "framework/core/TextConv.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsEdits.h"
#include "skin/graphics/KsTextMeasure.h"
#include "skin/graphics/KsUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// U+1F600, one character of two UTF-16 units.
const std::string Smile = "\xF0\x9F\x98\x80";

uint32_t Rgb(TColor Color) {
    return ColorToKsColor(Color, 0) & 0xFFFFFFu;
}

bool Inside(const RECT& Rect, int X, int Y) {
    return X >= Rect.left && X < Rect.right && Y >= Rect.top && Y < Rect.bottom;
}

// The edit's whole image rendered anew, row by row.
std::vector<uint32_t> RenderedPixels(TKsEdit& Edit) {
    Edit.Invalidate();
    Edit.RenderSurface();
    std::vector<uint32_t> Pixels;
    for (int Y = 0; Y < Edit.Height(); ++Y)
        for (int X = 0; X < Edit.Width(); ++X)
            Pixels.push_back(SurfacePixel(Edit.Surface(), X, Y) & 0xFFFFFFu);
    return Pixels;
}

class EditPaint : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinControls();
        Form = MakeHostForm();
        Edit = new TKsEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(0, 0, 160, 21);
        Edit->SetColor(clYellow);
        Edit->Font()->SetColor(clRed);
        Edit->SetHideSelection(false);
    }

    // The edit's image as it is now.
    std::vector<uint32_t> Render() { return RenderedPixels(*Edit); }
    uint32_t At(const std::vector<uint32_t>& Image, int X, int Y) const {
        return Image[static_cast<size_t>(Y * Edit->Width() + X)];
    }
    // Calls Check for every pixel of the edit's content (inside its border).
    void ForEachContentPixel(const std::function<void(int, int)>& Check) const {
        const RECT Content = InflateRectBy(RECT{0, 0, Edit->Width(), Edit->Height()}, -2);
        for (int Y = Content.top; Y < Content.bottom; ++Y)
            for (int X = Content.left; X < Content.right; ++X)
                Check(X, Y);
    }

    // Renders the text unselected with the caret at Caret, then with Count characters left
    // of the caret selected, and checks that the highlight covers exactly the selected
    // characters' cells while the text keeps its pixels' places.
    void ExpectSelectionUnderTheText(const std::string& Text, int Caret, int Count) {
        Edit->SetText(Text);
        Edit->SetSelStart(Caret);
        const std::vector<uint32_t> Plain = Render();
        Edit->SetSelLength(-Count);
        ASSERT_EQ(Edit->SelStart(), Caret - Count);
        const std::vector<uint32_t> Selected = Render();
        const RECT TextRect = Edit->GetTextRect();
        RECT Highlight = TextRect;
        Highlight.left = std::max<int>(Edit->CharToX(Caret - Count), TextRect.left);
        Highlight.right = std::min<int>(Edit->CharToX(Caret), TextRect.right);
        ASSERT_LT(Highlight.left, Highlight.right);
        const uint32_t Paper = Rgb(clYellow);
        const uint32_t Marked = Rgb(clHighlight);
        int SelectedInk = 0;
        ForEachContentPixel([&](int X, int Y) {
            const uint32_t Before = At(Plain, X, Y);
            const uint32_t After = At(Selected, X, Y);
            if (!Inside(Highlight, X, Y)) {
                EXPECT_EQ(After, Before) << "outside the selection at " << X << ", " << Y;
                return;
            }
            // Ink stays where the unselected text had it; the rest is highlight.
            EXPECT_EQ(After != Marked, Before != Paper) << "at " << X << ", " << Y;
            SelectedInk += After != Marked ? 1 : 0;
        });
        EXPECT_GT(SelectedInk, 0) << "no selected text was drawn";
    }

    std::unique_ptr<TForm> Form;
    TKsEdit* Edit = nullptr;
};

TEST_F(EditPaint, TheSelectionHighlightsExactlyTheSelectedCharactersAtEachAlignment) {
    for (const TAlignment Alignment :
         {TAlignment::taLeftJustify, TAlignment::taRightJustify, TAlignment::taCenter}) {
        SCOPED_TRACE(static_cast<int>(Alignment));
        Edit->SetTextAlignment(Alignment);
        ExpectSelectionUnderTheText("one two", 6, 4);
        ExpectSelectionUnderTheText("截图 " + Smile + "abc", 5, 3);
    }
}

// Text wider than the box scrolls from the left edge whatever its alignment; the
// selection follows the characters drawn.
TEST_F(EditPaint, TheSelectionFollowsScrolledTextAtEachAlignment) {
    const std::string Long = "the quick brown fox jumps over the lazy dog again and again";
    for (const TAlignment Alignment :
         {TAlignment::taLeftJustify, TAlignment::taRightJustify, TAlignment::taCenter}) {
        SCOPED_TRACE(static_cast<int>(Alignment));
        Edit->SetTextAlignment(Alignment);
        const int End = static_cast<int>(Long.size());
        ExpectSelectionUnderTheText(Long, End, 6);
        EXPECT_GT(Edit->FirstVisible(), 1);
        ExpectSelectionUnderTheText(Long, End - 10, 4);
    }
}

TEST_F(EditPaint, AHiddenSelectionLeavesNoTrace) {
    Edit->SetHideSelection(true);
    Edit->SetText("one two");
    Edit->SetSelStart(7);
    const std::vector<uint32_t> Plain = Render();
    Edit->SetSelLength(-5);
    EXPECT_EQ(Render(), Plain);
    Edit->SetHideSelection(false);
    EXPECT_NE(Render(), Plain);
}

// The widths the edit keeps through changes (it measures only from a change on) are those
// of its text measured afresh.
TEST_F(EditPaint, KeptMeasurementsAreThoseOfTheTextMeasuredAfresh) {
    const auto Send = [this](UINT Msg, WPARAM WParam) {
        SendMessageW(Edit->Handle(), Msg, WParam, 1);
    };
    const auto ExpectMeasuredAfresh = [this](const char* After) {
        EXPECT_EQ(Edit->Line().Extents, KsCharExtents(*Edit->Font(), Utf8ToUtf32(Edit->Text())))
            << "after " << After;
    };
    Edit->SetText("截图 " + Smile + " WWii");
    ExpectMeasuredAfresh("text from code");
    Edit->SetSelStart(2);
    Send(WM_CHAR, L'W');
    ExpectMeasuredAfresh("typing inside");
    Edit->SetSelStart(Edit->TextLength());
    Send(WM_CHAR, L'i');
    ExpectMeasuredAfresh("typing at the end");
    Edit->SetSelStart(4);
    Send(WM_KEYDOWN, VK_BACK);
    ExpectMeasuredAfresh("Backspace");
    Send(WM_UNDO, 0);
    ExpectMeasuredAfresh("undo");
    Edit->Font()->SetSize(16);
    ExpectMeasuredAfresh("a font change");
    Edit->SetText("Wi");
    ExpectMeasuredAfresh("shorter text from code");
}

// The glyphs of hidden text: five characters, the middle one beyond the 16-bit range and
// selected.
class EditGlyphs : public EditPaint {
protected:
    static constexpr int Count = 5;
    static constexpr int SelectedGlyph = 2;

    void SetUp() override {
        EditPaint::SetUp();
        Edit->SetText("ab" + Smile + "cd");
        Edit->SetSelStart(SelectedGlyph + 1);
        Edit->SetSelLength(-1);
    }

    // Renders the glyphs of Kind; Cells[I] is glyph I's cell and Ink[I] the pixels that
    // differ from the cell's background, relative to the cell.
    void RenderGlyphs(TPasswordKind Kind) {
        Edit->SetPasswordKind(Kind);
        ASSERT_EQ(Edit->TextLength(), Count);
        Image = Render();
        const RECT TextRect = Edit->GetTextRect();
        const int Glyph = Edit->GetPasswordCharWidth();
        Cells.clear();
        Ink.clear();
        for (int I = 0; I < Count; ++I) {
            ASSERT_EQ(Edit->CharToX(I + 1) - Edit->CharToX(I), Glyph);
            const RECT Cell{Edit->CharToX(I), TextRect.top, Edit->CharToX(I + 1), TextRect.bottom};
            ASSERT_LE(Cell.right, TextRect.right);
            Cells.push_back(Cell);
            const bool Selected = I == SelectedGlyph;
            const uint32_t Paper = Rgb(Selected ? clHighlight : clYellow);
            const uint32_t Pen = Rgb(Selected ? clHighlightText : clRed);
            std::vector<POINT> Pixels;
            for (int Y = Cell.top; Y < Cell.bottom; ++Y)
                for (int X = Cell.left; X < Cell.right; ++X) {
                    const uint32_t Pixel = At(Image, X, Y);
                    if (Pixel == Paper)
                        continue;
                    Pixels.push_back(POINT{X - Cell.left, Y - Cell.top});
                    if (Kind != TPasswordKind::pkChar) {
                        EXPECT_EQ(Pixel, Pen) << "glyph " << I << " at " << X << ", " << Y;
                    }
                }
            Ink.push_back(std::move(Pixels));
        }
    }

    // Every glyph has glyph 0's shape, and nothing is drawn outside the cells.
    void ExpectOneShapePerCellAndNothingElse() {
        ASSERT_FALSE(Ink[0].empty()) << "no glyph was drawn";
        for (int I = 1; I < Count; ++I) {
            ASSERT_EQ(Ink[I].size(), Ink[0].size()) << "glyph " << I;
            for (size_t P = 0; P < Ink[0].size(); ++P)
                EXPECT_TRUE(Ink[I][P].x == Ink[0][P].x && Ink[I][P].y == Ink[0][P].y)
                    << "glyph " << I;
        }
        ForEachContentPixel([&](int X, int Y) {
            for (const RECT& Cell : Cells)
                if (Inside(Cell, X, Y))
                    return;
            const RECT Selection = Cells[SelectedGlyph];
            EXPECT_EQ(At(Image, X, Y), Rgb(clYellow))
                << "outside the glyphs at " << X << ", " << Y << " (selected cell "
                << Selection.left << ".." << Selection.right << ")";
        });
    }

    // Whether glyph 0 has ink at (X, Y) of its cell.
    bool Inked(int X, int Y) const {
        for (const POINT& P : Ink[0])
            if (P.x == X && P.y == Y)
                return true;
        return false;
    }
    int Width() const { return RectWidth(Cells[0]); }
    int Height() const { return RectHeight(Cells[0]); }
    // The glyph's shapes fill the cell less 2 pixels either side and 3 above and below.
    RECT Inner() const { return RECT{2, 3, Width() - 2, Height() - 3}; }
    // The circle's and the triangle's square: the inner width on a side, centred.
    RECT Square() const {
        const int Side = Width() - 4;
        const int Top = (Height() - Side) / 2;
        return RECT{2, Top, 2 + Side, Top + Side};
    }

    std::vector<uint32_t> Image;
    std::vector<RECT> Cells;
    std::vector<std::vector<POINT>> Ink;
};

TEST_F(EditGlyphs, RectanglesFillTheInnerCell) {
    RenderGlyphs(TPasswordKind::pkRect);
    ExpectOneShapePerCellAndNothingElse();
    const RECT Inner = this->Inner();
    for (int Y = 0; Y < Height(); ++Y)
        for (int X = 0; X < Width(); ++X) {
            EXPECT_EQ(Inked(X, Y), Inside(Inner, X, Y)) << X << ", " << Y;
        }
}

TEST_F(EditGlyphs, RoundedRectanglesFillTheInnerCell) {
    RenderGlyphs(TPasswordKind::pkRoundRect);
    ExpectOneShapePerCellAndNothingElse();
    const RECT Inner = this->Inner();
    const RECT Core = InflateRectBy(Inner, -1);
    for (int Y = 0; Y < Height(); ++Y)
        for (int X = 0; X < Width(); ++X) {
            if (!Inside(Inner, X, Y)) {
                EXPECT_FALSE(Inked(X, Y)) << X << ", " << Y;
            } else if (Inside(Core, X, Y) || X == (Inner.left + Inner.right) / 2 ||
                       Y == (Inner.top + Inner.bottom) / 2) {
                EXPECT_TRUE(Inked(X, Y)) << X << ", " << Y;
            }
        }
}

// A circle as wide as the cell less 4, centred in it.
TEST_F(EditGlyphs, CirclesAreAsWideAsTheInnerCell) {
    RenderGlyphs(TPasswordKind::pkCircle);
    ExpectOneShapePerCellAndNothingElse();
    const RECT Square = this->Square();
    const POINT Centre{(Square.left + Square.right) / 2, (Square.top + Square.bottom) / 2};
    for (int Y = 0; Y < Height(); ++Y)
        for (int X = 0; X < Width(); ++X) {
            if (!Inside(Square, X, Y)) {
                EXPECT_FALSE(Inked(X, Y)) << X << ", " << Y;
            }
        }
    for (int X = Square.left; X < Square.right; ++X)
        EXPECT_TRUE(Inked(X, Centre.y)) << X;
    for (int Y = Square.top; Y < Square.bottom; ++Y)
        EXPECT_TRUE(Inked(Centre.x, Y)) << Y;
    for (const POINT Corner :
         {POINT{Square.left, Square.top}, POINT{Square.right - 1, Square.top},
          POINT{Square.left, Square.bottom - 1}, POINT{Square.right - 1, Square.bottom - 1}})
        EXPECT_FALSE(Inked(Corner.x, Corner.y)) << Corner.x << ", " << Corner.y;
}

// A triangle standing on its base, its apex over the middle of the cell.
TEST_F(EditGlyphs, TrianglesStandOnTheirBase) {
    RenderGlyphs(TPasswordKind::pkTriangle);
    ExpectOneShapePerCellAndNothingElse();
    const RECT Square = this->Square();
    std::vector<int> RowInk(static_cast<size_t>(Height()), 0);
    for (const POINT& P : Ink[0]) {
        // The outline runs along the square's right and bottom edges.
        EXPECT_TRUE(P.x >= Square.left && P.x <= Square.right + 1 && P.y >= Square.top &&
                    P.y <= Square.bottom)
            << P.x << ", " << P.y;
        ++RowInk[static_cast<size_t>(P.y)];
    }
    EXPECT_GT(RowInk[static_cast<size_t>(Square.top)], 0);
    EXPECT_LE(RowInk[static_cast<size_t>(Square.top)], 2);
    for (int Y = Square.top + 1; Y <= Square.bottom && Y < Height(); ++Y)
        EXPECT_GE(RowInk[static_cast<size_t>(Y)], RowInk[static_cast<size_t>(Y - 1)]) << Y;
    EXPECT_GE(RowInk[static_cast<size_t>(std::min<int>(Square.bottom, Height() - 1))],
              RectWidth(Square));
    EXPECT_FALSE(Inked(Square.left, Square.top));
    EXPECT_FALSE(Inked(Square.right - 1, Square.top));
    EXPECT_TRUE(Inked((Square.left + Square.right) / 2, (Square.top + Square.bottom) / 2));
}

TEST_F(EditGlyphs, PasswordCharactersAreDrawnInTheirCells) {
    Edit->SetPasswordChar(U'#');
    EXPECT_EQ(Edit->PasswordKind(), TPasswordKind::pkChar);
    RenderGlyphs(TPasswordKind::pkChar);
    ExpectOneShapePerCellAndNothingElse();
    // Unselected glyphs are drawn in the font's colour, the selected one in the
    // highlight's text colour.
    const auto Has = [this](int Glyph, uint32_t Colour) {
        for (const POINT& P : Ink[static_cast<size_t>(Glyph)])
            if (At(Image, Cells[static_cast<size_t>(Glyph)].left + P.x,
                   Cells[static_cast<size_t>(Glyph)].top + P.y) == Colour)
                return true;
        return false;
    };
    EXPECT_TRUE(Has(0, Rgb(clRed)));
    EXPECT_TRUE(Has(SelectedGlyph, Rgb(clHighlightText)));
    EXPECT_FALSE(Has(SelectedGlyph, Rgb(clRed)));
}

// The focused edit on the screen, changed by messages sent straight to it, so that nothing
// paints between a change and the look at what it asked to repaint.
class EditRepaint : public EditOnScreen {
protected:
    // Runs Change and checks that the part of the window the edit asks to have repainted
    // covers every pixel that Change altered; answers that part's bounds.
    RECT ExpectRepaintCovers(const std::function<void()>& Change) {
        const HWND Window = Edit->Handle();
        const std::vector<uint32_t> Before = RenderedPixels(*Edit);
        ValidateRect(Window, nullptr);
        Change();
        const TGdiObject<HRGN> Asked(CreateRectRgn(0, 0, 0, 0));
        GetUpdateRgn(Window, Asked.Get(), FALSE);
        RECT Bounds{};
        GetRgnBox(Asked.Get(), &Bounds);
        const std::vector<uint32_t> After = RenderedPixels(*Edit);
        ValidateRect(Window, nullptr);
        int Missed = 0;
        for (int Y = 0; Y < Edit->Height(); ++Y)
            for (int X = 0; X < Edit->Width(); ++X) {
                const auto Index = static_cast<size_t>(Y * Edit->Width() + X);
                if (Before[Index] != After[Index] && !PtInRegion(Asked.Get(), X, Y))
                    ++Missed;
            }
        EXPECT_EQ(Missed, 0) << "changed pixels left unpainted";
        return Bounds;
    }
    void Send(UINT Msg, WPARAM WParam) { SendMessageW(Edit->Handle(), Msg, WParam, 1); }
    void TypeChar(wchar_t C) { Send(WM_CHAR, C); }
    void Backspace() {
        Send(WM_KEYDOWN, VK_BACK);
        Send(WM_CHAR, VK_BACK);
    }
    void CaretToTheEnd() { Edit->SetSelStart(Edit->TextLength()); }
};

TEST_F(EditRepaint, EveryChangeRepaintsWhatItAlters) {
    const auto Step = [this](const char* What, const std::function<void()>& Change) {
        SCOPED_TRACE(What);
        ExpectRepaintCovers(Change);
    };
    Step("text from code", [&] { Edit->SetText("Plain text 中文" + Smile); });
    Step("caret to the end", [&] { CaretToTheEnd(); });
    Step("typed at the end", [&] { TypeChar(L'x'); });
    Step("Backspace", [&] { Backspace(); });
    Step("caret inside", [&] { Edit->SetSelStart(3); });
    Step("typed inside", [&] { TypeChar(L'Y'); });
    Step("selection grown", [&] { Edit->SetSelLength(-2); });
    Step("selection grown further", [&] { Edit->SetSelLength(-4); });
    Step("typed over the selection", [&] { TypeChar(L'截'); });
    Step("undone", [&] { Send(WM_UNDO, 0); });
    Step("selection collapsed", [&] { Edit->SetSelStart(1); });
    Step("selection of everything", [&] { Edit->SelectAll(); });
    Step("deleted", [&] { Backspace(); });
    Step("long text", [&] { Edit->SetText(std::string(120, 'w')); });
    Step("scrolled to the end", [&] { CaretToTheEnd(); });
    Step("typed while scrolled", [&] { TypeChar(L'x'); });
    Step("right-aligned", [&] { Edit->SetTextAlignment(TAlignment::taRightJustify); });
    Step("short right-aligned text", [&] { Edit->SetText("abc"); });
    Step("typed into right-aligned text", [&] {
        CaretToTheEnd();
        TypeChar(L'd');
    });
    Step("centred", [&] { Edit->SetTextAlignment(TAlignment::taCenter); });
    Step("typed into centred text", [&] { TypeChar(L'e'); });
    Step("hidden", [&] { Edit->SetPasswordKind(TPasswordKind::pkCircle); });
    Step("typed into hidden text", [&] { TypeChar(L'f'); });
    Step("taken back from hidden text", [&] { Backspace(); });
}

// Glyphs of an italic font reach beyond their cells: the neighbours they reach are repainted.
TEST_F(EditRepaint, ItalicGlyphsReachingOutOfTheirCellsAreRepainted) {
    Edit->Font()->SetStyle(TFontStyles{TFontStyle::fsItalic});
    Edit->Font()->SetSize(14);
    Edit->SetText("ffjf");
    CaretToTheEnd();
    for (const wchar_t C : {L'j', L'f', L'W'}) {
        ExpectRepaintCovers([&] { TypeChar(C); });
        ExpectRepaintCovers([&] { Backspace(); });
        ExpectRepaintCovers([&] { TypeChar(C); });
    }
}

// The host's own edit repaints from the changed character on; so does this one, never the
// whole control for a character typed at the end.
TEST_F(EditRepaint, TypingAtTheEndRepaintsOnlyTheLastCharacters) {
    Edit->SetText("Plain text, 中文也可以, and then some more");
    CaretToTheEnd();
    const RECT TextRect = Edit->GetTextRect();
    for (const auto& Change :
         std::vector<std::function<void()>>{[&] { TypeChar(L'x'); }, [&] { Backspace(); }}) {
        const RECT Asked = ExpectRepaintCovers(Change);
        EXPECT_LT(RectWidth(Asked), RectWidth(TextRect) / 3);
        EXPECT_GT(Asked.left, TextRect.left + RectWidth(TextRect) / 4);
    }
}

} // namespace
