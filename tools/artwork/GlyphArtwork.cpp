#include "tools/artwork/GlyphArtwork.h"

#include "tools/artwork/ButtonGlyphArtwork.h"
#include "tools/artwork/CaptionGlyphArtwork.h"

TArtworkBytes EncodeGlyphArtwork(const TGlyphArtwork& Glyph) {
    return EncodeBitmap4(Glyph.Picture, StandardPalette16());
}

std::vector<TGlyphArtwork> AllGlyphArtwork() {
    std::vector<TGlyphArtwork> All = ButtonGlyphArtwork();
    for (TGlyphArtwork& Glyph : CaptionGlyphArtwork())
        All.push_back(std::move(Glyph));
    return All;
}
