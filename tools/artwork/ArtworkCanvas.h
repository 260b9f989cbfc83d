// The picture that the artwork generators draw on, in full-precision RGB with integer
// arithmetic only, and the writers of its Windows bitmap files (24 bits a pixel, or 4 bits
// with a palette). Shared by every generator so that pictures and file headers are made one
// way.
#pragma once

#include <cstdint>
#include <vector>

using TArtworkBytes = std::vector<uint8_t>;

struct TRgb {
    int R = 0, G = 0, B = 0;
    bool operator==(const TRgb&) const = default;
};

// A picture being drawn; pixel (0, 0) is the top-left corner.
class TCanvasRgb {
public:
    TCanvasRgb(int Width, int Height, TRgb Background = {});

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Contains(int X, int Y) const { return X >= 0 && Y >= 0 && X < FWidth && Y < FHeight; }
    TRgb& At(int X, int Y) { return FPixels[Y * FWidth + X]; }
    const TRgb& At(int X, int Y) const { return FPixels[Y * FWidth + X]; }
    // Writes a pixel; writes outside the picture are ignored.
    void Set(int X, int Y, TRgb Colour);

    // Mixes Colour over the pixel with an opacity of Alpha / 255.
    void Blend(int X, int Y, TRgb Colour, int Alpha);

private:
    int FWidth, FHeight;
    std::vector<TRgb> FPixels;
};

// The colour Step / Steps of the way from A to B.
TRgb Mix(TRgb A, TRgb B, int Step, int Steps);
// Each channel moved by Delta, kept in 0..255.
TRgb Lighter(TRgb Colour, int Delta);

void FillRect(TCanvasRgb& Canvas, int Left, int Top, int Right, int Bottom, TRgb Colour,
              int Alpha = 255);

// Little-endian fields and the BITMAPINFOHEADER of the Windows bitmap and icon formats.
void PutLe16(TArtworkBytes& Out, uint32_t V);
void PutLe32(TArtworkBytes& Out, uint32_t V);
void PutInfoHeader(TArtworkBytes& Out, int Width, int Height, int BitCount, uint32_t ImageSize,
                   uint32_t ColoursUsed);
uint8_t Channel(int V);

// The colours of a bitmap with a colour table.
using TArtworkPalette = std::vector<TRgb>;
// The 16 colours of the standard Windows palette, in its order: black, maroon, green, olive,
// navy, purple, teal, silver, grey, red, lime, yellow, blue, fuchsia, aqua, white.
const TArtworkPalette& StandardPalette16();
// The entry of the palette nearest to the colour, weighing green most as the eye does.
uint8_t NearestIndex(const TArtworkPalette& Palette, TRgb Colour);
// The palette as a colour table of blue, green, red and a zero byte per entry.
void PutPalette(TArtworkBytes& Out, const TArtworkPalette& Palette);

// The complete .bmp file of the picture: 24 bits a pixel, bottom row first, rows padded to
// four bytes.
TArtworkBytes EncodeBitmap24(const TCanvasRgb& Canvas);
// The complete .bmp file of the picture with 4 bits a pixel and a colour table of the (at
// most 16) colours; each pixel takes the nearest of them.
TArtworkBytes EncodeBitmap4(const TCanvasRgb& Canvas, const TArtworkPalette& Palette);
