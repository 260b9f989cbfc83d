// Measuring text in a font without a window or a surface: a memory device context with the
// font selected, the extent of a string, and the width of every prefix of a text counted in
// characters (code points), as edits place carets and lists break lines by them.
#pragma once

#include "framework/graphics/GdiHandles.h"
#include "framework/graphics/GraphicsObjects.h"

#include <string>
#include <vector>

class TKsMeasuringDC {
public:
    explicit TKsMeasuringDC(const TFont& Font) : FSelected(FDC.Get(), Font.Handle()) {}
    HDC Get() const { return FDC.Get(); }

private:
    TMemoryDC FDC;
    TSelectedObject FSelected;
};

SIZE KsTextExtent(const TFont& Font, const std::wstring& Text);
// Extents[I]: the width of the first I characters of Chars, measured in one call; one more
// entry than characters.
std::vector<int> KsCharExtents(const TFont& Font, const std::u32string& Chars);
