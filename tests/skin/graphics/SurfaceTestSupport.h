// Surfaces filled with known or seeded pixels, the GDI object count of the process, and
// switches between the host's AlphaBlend and the surface's own blend.
#pragma once

#include "PixelReference.h"

#include "skin/graphics/KsAlphaBlendLink.h"
#include "skin/graphics/KsBitmap.h"

#include <gtest/gtest.h>

#include <memory>

inline DWORD GdiObjectCount() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

inline std::unique_ptr<TKsBitmap> MakeSurface(int W, int H, TKsColor Fill) {
    auto Surface = std::make_unique<TKsBitmap>();
    Surface->SetSize(W, H);
    Surface->Fill(Fill);
    return Surface;
}

inline void CopyInto(TKsBitmap& Surface, const TTestImage& Image) {
    Surface.SetSize(Image.Width, Image.Height);
    GdiFlush();
    std::copy(Image.Data.begin(), Image.Data.end(), Surface.Bits());
}

inline TTestImage ImageOf(const TKsBitmap& Surface) {
    TTestImage Image(Surface.Width(), Surface.Height());
    GdiFlush();
    std::copy(Surface.Bits(), Surface.Bits() + Image.Data.size(), Image.Data.begin());
    return Image;
}

// Replaces the AlphaBlend entry for the guard's lifetime.
class TAlphaBlendEntryGuard {
public:
    explicit TAlphaBlendEntryGuard(TKsAlphaBlendFunc Entry)
        : FPrevious(KsSetAlphaBlendEntry(Entry)) {}
    TAlphaBlendEntryGuard(const TAlphaBlendEntryGuard&) = delete;
    TAlphaBlendEntryGuard& operator=(const TAlphaBlendEntryGuard&) = delete;
    ~TAlphaBlendEntryGuard() { KsSetAlphaBlendEntry(FPrevious); }
    TKsAlphaBlendFunc Previous() const { return FPrevious; }

private:
    TKsAlphaBlendFunc FPrevious;
};

// Runs Body with the host's AlphaBlend (when the host has it) and without it.
template <class Body> void ForBothBlendPaths(Body&& Run) {
    {
        SCOPED_TRACE("without AlphaBlend");
        const TAlphaBlendEntryGuard Missing(nullptr);
        Run();
    }
    if (KsAlphaBlendEntry()) {
        SCOPED_TRACE("with AlphaBlend");
        Run();
    }
}
