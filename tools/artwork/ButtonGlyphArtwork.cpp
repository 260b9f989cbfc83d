#include "tools/artwork/ButtonGlyphArtwork.h"

#include "tools/artwork/ArtworkShapes.h"

namespace {

// The pictures' colours, all of the standard palette.
const std::vector<TGlyphInk> Inks{{'K', {0, 0, 0}},   {'r', {128, 0, 0}},   {'R', {255, 0, 0}},
                                  {'g', {0, 128, 0}}, {'G', {0, 255, 0}},   {'b', {0, 0, 128}},
                                  {'B', {0, 0, 255}}, {'Y', {255, 255, 0}}, {'w', {255, 255, 255}}};

// A green check mark.
const TGlyph CheckMark{
    "................", "................", "............gg..", "...........gGg..",
    "..........gGGg..", ".........gGGg...", "..gg....gGGg....", ".gGGg..gGGg.....",
    ".gGGGggGGg......", "..gGGGGGg.......", "...gGGGg........", "....gGg.........",
    ".....g..........", "................", "................", "................",
};

// A red cross.
const TGlyph Cross{
    "................", "................", "..rr.......rr...", ".rRRr.....rRRr..",
    "..rRRr...rRRr...", "...rRRr.rRRr....", "....rRRrRRr.....", ".....rRRRr......",
    "....rRRrRRr.....", "...rRRr.rRRr....", "..rRRr...rRRr...", ".rRRr.....rRRr..",
    "..rr.......rr...", "................", "................", "................",
};

// A blue question mark.
const TGlyph QuestionMark{
    "................", ".....bBBBBb.....", "....BBBBBBBB....", "...BBBb..bBBB...",
    "...BBb....BBB...", "..........BBB...", ".........BBBb...", "........BBBb....",
    ".......BBBb.....", "......bBBb......", "......BBB.......", "......BBB.......",
    "................", "......BBB.......", "......BBB.......", "................",
};

// A red circle with a slash.
const TGlyph NoEntry{
    "................", ".....RRRRR......", "...RRRRRRRRR....", "..RRRR...RRRR...",
    "..RRRR....RRR...", ".RRRRRR....RRR..", ".RR..RRR....RR..", ".RR...RRR...RR..",
    ".RR....RRR..RR..", ".RRR....RRRRRR..", "..RRR....RRRR...", "..RRRR...RRRR...",
    "...RRRRRRRRR....", ".....RRRRR......", "................", "................",
};

// A door open to the left of its frame, its doorway light.
const TGlyph OpenDoor{
    "................", "......KKKKKKKK..", ".KK...KwwwwwwK..", ".KrKK.KwwwwwwK..",
    ".KrrrKKwwwwwwK..", ".KrrrrKwwwwwwK..", ".KrrrrKwwwwwwK..", ".KrrYrKwwwwwwK..",
    ".KrrYrKwwwwwwK..", ".KrrrrKwwwwwwK..", ".KrrrrKwwwwwwK..", ".KrrrKKwwwwwwK..",
    ".KrKK.KwwwwwwK..", ".KK...KwwwwwwK..", "......KKKKKKKK..", "................",
};

// A red octagon with a white cross.
const TGlyph StopSign{
    "................", "....rrrrrrr.....", "...rRRRRRRRr....", "..rRRRRRRRRRr...",
    ".rRRwwRRRwwRRr..", ".rRRRwwRwwRRRr..", ".rRRRRwwwRRRRr..", ".rRRRRRwRRRRRr..",
    ".rRRRRwwwRRRRr..", ".rRRRwwRwwRRRr..", ".rRRwwRRRwwRRr..", "..rRRRRRRRRRr...",
    "...rRRRRRRRr....", "....rrrrrrr.....", "................", "................",
};

// Two arrows chasing each other round a circle.
const TGlyph CircularArrows{
    "................", ".....BBBBB......", "...BBBBBBBBB....", "..BBBB...BBBB...",
    "..BBB.....BBB...", ".........BBBBBB.", "..........BBBB..", "..BB.......BB...",
    ".BBBB...........", "BBBBBB..........", "..BBB.....BBB...", "..BBBB...BBBB...",
    "...BBBBBBBBB....", ".....BBBBB......", "................", "................",
};

// A green arrow that jumps over a black post.
const TGlyph SkipArrow{
    "................", "................", "................", "....gggg........",
    "..ggGGGGgg......", ".gGGggggGGg.....", "gGgg....ggGg....", "gGg.......gGg...",
    "gGg.....gGGGGGg.", "gGg...KK.gGGGg..", "......KK..gGg...", "......KK...g....",
    "......KK........", "................", "................", "................",
};

// Two overlapping check marks.
const TGlyph DoubleCheckMark{
    "................", "................", "................", "................",
    ".......gg...gg..", "......gGg..gGg..", ".....gGg..gGg...", "....gGg..gGg....",
    "gg.gGgg.gGg.....", "gGgGggGgGg......", ".gGg..gGg.......", "..g....g........",
    "................", "................", "................", "................",
};

const TRgb DisabledShadow{128, 128, 128};
const TRgb DisabledHighlight{255, 255, 255};

// Light parts of a glyph (white, yellow) stay open in the disabled look, so that a shape
// drawn light on dark keeps its inner lines.
bool IsDarkInk(TRgb C) {
    return C != ButtonGlyphBackground && C.R * 299 + C.G * 587 + C.B * 114 < 170 * 1000;
}

// The disabled cell: the dark ink of the normal cell in grey, over a white copy one pixel
// right and down.
void DrawDisabledCell(TCanvasRgb& Canvas) {
    const auto Ink = [&](int X, int Y) { return X >= 0 && Y >= 0 && IsDarkInk(Canvas.At(X, Y)); };
    for (int Y = 0; Y < ButtonGlyphCell; ++Y)
        for (int X = 0; X < ButtonGlyphCell; ++X) {
            if (Ink(X, Y))
                Canvas.At(ButtonGlyphCell + X, Y) = DisabledShadow;
            else if (Ink(X - 1, Y - 1))
                Canvas.At(ButtonGlyphCell + X, Y) = DisabledHighlight;
        }
}

TGlyphArtwork ButtonGlyph(const char* Kind, const TGlyph& Glyph) {
    TGlyphArtwork Artwork{std::string("KSBTN_") + Kind,
                          TCanvasRgb(ButtonGlyphCell * 2, ButtonGlyphCell, ButtonGlyphBackground),
                          ButtonGlyphBackground};
    DrawColouredGlyph(Artwork.Picture, 0, 0, Glyph, Inks);
    DrawDisabledCell(Artwork.Picture);
    return Artwork;
}

} // namespace

std::vector<TGlyphArtwork> ButtonGlyphArtwork() {
    std::vector<TGlyphArtwork> Glyphs;
    Glyphs.push_back(ButtonGlyph("OK", CheckMark));
    Glyphs.push_back(ButtonGlyph("CANCEL", Cross));
    Glyphs.push_back(ButtonGlyph("HELP", QuestionMark));
    Glyphs.push_back(ButtonGlyph("YES", CheckMark));
    Glyphs.push_back(ButtonGlyph("NO", NoEntry));
    Glyphs.push_back(ButtonGlyph("CLOSE", OpenDoor));
    Glyphs.push_back(ButtonGlyph("ABORT", StopSign));
    Glyphs.push_back(ButtonGlyph("RETRY", CircularArrows));
    Glyphs.push_back(ButtonGlyph("IGNORE", SkipArrow));
    Glyphs.push_back(ButtonGlyph("ALL", DoubleCheckMark));
    return Glyphs;
}
