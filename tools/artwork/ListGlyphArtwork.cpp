#include "tools/artwork/ListGlyphArtwork.h"

#include "tools/artwork/ArtworkShapes.h"

namespace {

// A grey T at the top left, a navy T over its lower right.
const TGlyph TrueTypeLetters{
    "gggggggg........", "gg.gg.gg........", "g..gg..g........", "...gg...........",
    "...gg.bbbbbbbb..", "...gg.bb.bb.bb..", "...gg.b..bb..b..", "..gggg...bb.....",
    ".........bb.....", ".........bb.....", ".........bb.....", "........bbbb....",
};

} // namespace

std::vector<TGlyphArtwork> ListGlyphArtwork() {
    TGlyphArtwork TrueType{
        "KS_TRUETYPE",
        TCanvasRgb(GlyphWidth(TrueTypeLetters), GlyphHeight(TrueTypeLetters), ListGlyphBackground),
        ListGlyphBackground};
    DrawColouredGlyph(TrueType.Picture, 0, 0, TrueTypeLetters,
                      {{'g', {128, 128, 128}}, {'b', {0, 0, 128}}});
    return {TrueType};
}
