// The skinned list box's glyph: KS_TRUETYPE (16 x 12), the mark of a TrueType font in a font
// list, two serif letters T, a grey one behind a navy one, on magenta (the transparent
// colour).
#pragma once

#include "tools/artwork/GlyphArtwork.h"

constexpr TRgb ListGlyphBackground{255, 0, 255};

std::vector<TGlyphArtwork> ListGlyphArtwork();
