// The Luna skin's window frames and caption buttons, drawn in the active colours into the
// main skin image and in the inactive ones into the second, at the same places.
#pragma once

#include "tools/artwork/ArtworkShapes.h"

// The white glyphs of the caption buttons, by caption button kind (close, help, minimize,
// maximize, restore, roll-up, roll-down, tray); the menu bar's MDI buttons use them too.
const TGlyph& CaptionGlyph(int Kind);

void DrawLunaFrames(TCanvasRgb& Canvas, bool Active);
