// TDibSection: a 32-bit device-independent bitmap selected into a memory device context of
// its own, for code that reads, blends or writes pixels itself and copies them to and from
// other device contexts. Pixels are 0xAARRGGBB values, top row first; the section, the
// context and the selection are released together on every path.
#pragma once

#include "framework/graphics/GdiHandles.h"

#include <cstdint>
#include <memory>

class TDibSection {
public:
    // Raises EOutOfResources "Out of system resources" when the host refuses.
    TDibSection(int Width, int Height);
    TDibSection(const TDibSection&) = delete;
    TDibSection& operator=(const TDibSection&) = delete;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    HDC DC() const { return FDC.Get(); }
    // The pixel at (X, Y). Host drawing into DC() shows here once finished (GdiFlush);
    // CopyFrom finishes it.
    uint32_t& Pixel(int X, int Y) {
        return FBits[static_cast<size_t>(Y) * static_cast<size_t>(FWidth) + static_cast<size_t>(X)];
    }

    // Copies Width x Height pixels from (X, Y) of Source to the section's top-left corner, and
    // back from the section to (X, Y) of Dest.
    void CopyFrom(HDC Source, int X, int Y);
    void CopyTo(HDC Dest, int X, int Y) const;

private:
    int FWidth;
    int FHeight;
    // Released in reverse: the selection first, so no context holds the section when it is
    // deleted.
    TMemoryDC FDC;
    TGdiObject<HBITMAP> FBitmap;
    std::unique_ptr<TSelectedObject> FSelection;
    uint32_t* FBits = nullptr;
};
