// Bevels: the raised and lowered 3-D edges that panels and scroll boxes draw, and how much
// room they take.
#pragma once

#include "framework/core/Properties.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/WinApi.h"

#include <cstdint>

enum class TBevelCut : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
extern const TEnumInfo BevelCutInfo;

// Draws Width one-pixel frames just inside Rect, the top and left sides in TopLeft and the
// bottom and right sides in BottomRight, and shrinks Rect past them.
void Frame3D(HDC DC, RECT& Rect, TColor TopLeft, TColor BottomRight, int Width);

// Draws one bevel (nothing for bvNone, a frame in the face colour for bvSpace) and shrinks
// Rect past it.
void DrawBevel(HDC DC, RECT& Rect, TBevelCut Cut, TColor Face, int Width);

// The room a bevel takes on each side.
inline int BevelExtent(TBevelCut Cut, int Width) {
    return Cut == TBevelCut::bvNone ? 0 : Width;
}
