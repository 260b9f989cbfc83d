// Every piece of the Luna skin images in every state, with the way the theme puts it on the
// screen. The artwork sheet shows them and the tests check the images against their uses.
#pragma once

#include "skin/themes/LunaSkinLayout.h"

#include <string>
#include <vector>

enum class TSkinImage { Main, Second };

enum class TPieceUse {
    Copy,            // copied unscaled, the key colour transparent
    CopyOpaque,      // copied unscaled without transparency: every pixel shows
    Stretch,         // scaled opaque into a rectangle
    NineSlice,       // corners copied transparent, edges and centre stretched opaque
    NineSliceOpaque, // corners, edges and centre all opaque
    Tile,            // repeated with the key colour transparent
};

// Stretched pieces keep one colour along the direction they are stretched in.
enum class TUniform { None, Rows, Columns };

struct TSkinPieceUse {
    std::string Name;
    TSkinImage Image;
    LunaSkin::TPiece Piece;
    TPieceUse Use;
    int Margin = 0; // nine-slices only
    TUniform Uniform = TUniform::None;
};

std::vector<TSkinPieceUse> LunaSkinPieces();

// Whether pixel (X, Y) of the piece (relative to its top-left corner) always shows opaque on
// the screen, so that the key colour there would be a fault.
bool KeyForbidden(const TSkinPieceUse& Use, int X, int Y);
