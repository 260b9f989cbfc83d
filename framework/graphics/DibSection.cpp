#include "framework/graphics/DibSection.h"

#include "framework/core/Exceptions.h"

TDibSection::TDibSection(int Width, int Height) : FWidth(Width), FHeight(Height) {
    BITMAPINFO Info{};
    Info.bmiHeader.biSize = sizeof(Info.bmiHeader);
    Info.bmiHeader.biWidth = Width;
    Info.bmiHeader.biHeight = -Height; // top row first
    Info.bmiHeader.biPlanes = 1;
    Info.bmiHeader.biBitCount = 32;
    Info.bmiHeader.biCompression = BI_RGB;
    void* Bits = nullptr;
    FBitmap.Reset(CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0));
    if (!FDC || !FBitmap)
        throw EOutOfResources("Out of system resources");
    FBits = static_cast<uint32_t*>(Bits);
    FSelection = std::make_unique<TSelectedObject>(FDC.Get(), FBitmap.Get());
}

void TDibSection::CopyFrom(HDC Source, int X, int Y) {
    BitBlt(FDC.Get(), 0, 0, FWidth, FHeight, Source, X, Y, SRCCOPY);
    GdiFlush();
}

void TDibSection::CopyTo(HDC Dest, int X, int Y) const {
    GdiFlush();
    BitBlt(Dest, X, Y, FWidth, FHeight, FDC.Get(), 0, 0, SRCCOPY);
}
