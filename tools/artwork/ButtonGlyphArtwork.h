// The stock push buttons' glyphs (KSBTN_OK ... KSBTN_ALL): 32 x 16 pictures of two 16 x 16
// cells, the glyph in colour and the same shape embossed in grey for a disabled button.
// The button takes the transparent colour from the bottom-left pixel, so the background
// fills it and no glyph uses that colour.
#pragma once

#include "tools/artwork/GlyphArtwork.h"

constexpr int ButtonGlyphCell = 16;
// Olive: of the standard colours, the one none of the glyphs needs.
constexpr TRgb ButtonGlyphBackground{128, 128, 0};

std::vector<TGlyphArtwork> ButtonGlyphArtwork();
