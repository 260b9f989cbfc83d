// The Luna skin as the theme puts it on the screen: frames with caption buttons, push
// buttons, check boxes, radio buttons, scroll bars, tabs, tool and combo buttons and
// track-bar thumbs, drawn by the theme itself from the skin images compiled into the program.
#pragma once

#include <memory>

class TKsBitmap;

std::unique_ptr<TKsBitmap> DrawLunaThemePreview();
