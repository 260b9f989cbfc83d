// A sheet of every Luna skin piece in every state for a person to look at: each piece
// enlarged on a checkerboard (which shows through where the key makes it transparent) with
// its name, and each nine-slice piece also stretched to a larger size as the theme does.
#pragma once

#include "tools/artwork/ArtworkCanvas.h"

// The sheet as a 24-bit Windows bitmap file.
TArtworkBytes MakeLunaSkinSheet();
