// The two skin images of the Luna theme, as complete 24-bit Windows bitmap files: the main
// image (active frame and control pieces) and the second (inactive frame, scroll bars, track
// bars, tabs). Every piece lies where skin/themes/LunaSkinLayout.h says; the rest of each
// image is the transparency key.
#pragma once

#include "tools/artwork/ArtworkCanvas.h"

TArtworkBytes MakeLunaMainSkin();
TArtworkBytes MakeLunaSecondSkin();
