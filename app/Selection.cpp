#include "app/Selection.h"

#include <algorithm>
#include <cstdlib>

RECT SelectionRect(POINT Anchor, int X, int Y) {
    const LONG Left = std::min<LONG>(X, Anchor.x), Top = std::min<LONG>(Y, Anchor.y);
    return RECT{Left, Top, Left + std::abs(X - Anchor.x), Top + std::abs(Y - Anchor.y)};
}
