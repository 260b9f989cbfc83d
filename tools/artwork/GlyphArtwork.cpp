#include "tools/artwork/GlyphArtwork.h"

#include "tools/artwork/ButtonGlyphArtwork.h"
#include "tools/artwork/CaptionGlyphArtwork.h"
#include "tools/artwork/ListGlyphArtwork.h"

TArtworkBytes EncodeGlyphArtwork(const TGlyphArtwork& Glyph) {
    return EncodeBitmap4(Glyph.Picture, StandardPalette16());
}

std::vector<TGlyphArtwork> AllGlyphArtwork() {
    std::vector<TGlyphArtwork> All = ButtonGlyphArtwork();
    for (TGlyphArtwork& Glyph : CaptionGlyphArtwork())
        All.push_back(std::move(Glyph));
    for (TGlyphArtwork& Glyph : ListGlyphArtwork())
        All.push_back(std::move(Glyph));
    return All;
}
