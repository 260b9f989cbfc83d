// Draws the application's artwork: the main window's background picture (222 x 152, 24-bit
// Windows bitmap) and the application icon (32 x 32, 256 colours). Integer arithmetic only,
// so the bytes are the same on every build; the files in resources/ are this code's output.
#pragma once

#include "tools/artwork/ArtworkCanvas.h"

// The complete .bmp file of the main window's background.
TArtworkBytes MakeMainBackgroundBitmap();
// The complete .ico file of the application icon.
TArtworkBytes MakeApplicationIcon();
