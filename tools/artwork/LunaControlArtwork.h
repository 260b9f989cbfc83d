// The Luna skin's control pieces: push, tool, small, combo, task-group and MDI buttons,
// check boxes, radio buttons and the control-bar grip in the main image; scroll bars,
// track-bar thumbs and tabs in the second.
#pragma once

#include "tools/artwork/ArtworkCanvas.h"

void DrawLunaMainControls(TCanvasRgb& Canvas);
void DrawLunaSecondControls(TCanvasRgb& Canvas);
