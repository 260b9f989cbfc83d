// Lays out aligned children in a rectangle of their parent: top-aligned controls stack from
// the top in the order of their Top, bottom-aligned ones from the bottom, then left and
// right ones in what is left, and client-aligned controls fill the rest. Anchored controls
// (Align alNone) keep their distance to the edges they are anchored to when the parent's
// client area changes size.
#pragma once

#include "framework/graphics/WinApi.h"

#include <vector>

class TControl;

// Answers the part of Area that the controls aligned to its edges leave (client-aligned
// controls fill it too).
RECT AlignChildControls(const std::vector<TControl*>& Children, RECT Area);

void AnchorChildControls(const std::vector<TControl*>& Children, int DeltaWidth, int DeltaHeight);
