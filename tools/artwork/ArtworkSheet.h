// A sheet of the artwork for a person to look at: the Luna theme drawing with its images,
// every Luna skin piece in every state enlarged on a checkerboard (which shows through where
// the key makes it transparent) with its name, each nine-slice piece also stretched to a
// larger size as the theme does, and every glyph enlarged beside its real size on button
// faces.
#pragma once

#include "tools/artwork/ArtworkCanvas.h"

// The sheet as a 24-bit Windows bitmap file.
TArtworkBytes MakeArtworkSheet();
