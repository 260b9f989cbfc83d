// The rectangle the user drags out on the region-selection overlay: from the anchor (where
// the button went down) to the pointer, normalised so that any drag direction gives the
// same rectangle.
#pragma once

#include "framework/graphics/WinApi.h"

RECT SelectionRect(POINT Anchor, int X, int Y);
