// Small glyph pictures compiled into the program as 16-colour Windows bitmaps: the stock
// push buttons' glyphs, the skinned form's system-menu glyphs and the list box's TrueType
// mark. Each is loaded by the name it is written and compiled under.
#pragma once

#include "tools/artwork/ArtworkCanvas.h"

#include <string>
#include <vector>

struct TGlyphArtwork {
    std::string Name; // the resource's name; the file is Name + ".bmp"
    TCanvasRgb Picture;
    TRgb Background; // shown transparent by the code that draws the glyph
};

// The complete .bmp file: 4 bits a pixel, the standard 16-colour palette.
TArtworkBytes EncodeGlyphArtwork(const TGlyphArtwork& Glyph);

// The stock buttons' glyphs, then the system menu's, then the list box's.
std::vector<TGlyphArtwork> AllGlyphArtwork();
