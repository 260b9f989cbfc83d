// The skinned form's system-menu glyphs, black on magenta (the transparent colour) in the
// style of a classic system menu: KSE_CLOSE, KSE_MINIMIZE (17 x 17), KSE_MAXIMIZE,
// KSE_RESTORE, KSE_ROLLUP and KSE_TRAY (16 x 16), and the move and size glyphs KSE_MOVE and
// KSR_SIZE (16 x 16).
#pragma once

#include "tools/artwork/GlyphArtwork.h"

constexpr TRgb CaptionGlyphBackground{255, 0, 255};

std::vector<TGlyphArtwork> CaptionGlyphArtwork();
