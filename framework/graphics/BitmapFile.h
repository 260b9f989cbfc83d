// Windows bitmap data: reading and checking the packed device-independent form (info
// header, colour table, rows) found in bitmap files, bitmap resources and the clipboard,
// and writing bitmap files. Nothing here touches GDI.
#pragma once

#include "framework/graphics/WinApi.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TStream;

// The layout of one device-independent image.
struct TDibLayout {
    int Width = 0;
    int Height = 0;   // always positive; TopDown tells the row order
    int BitCount = 0; // 1, 4, 8, 16, 24 or 32
    bool TopDown = false;
    bool Rgb565 = false; // 16 bits per pixel with 5-6-5 masks (otherwise 5-5-5)
    std::vector<RGBQUAD> Colors;
    int Stride = 0;        // bytes per row, a multiple of four
    size_t BitsOffset = 0; // where the first row starts in the packed data
};

// Bytes per row of an image Width pixels wide at BitCount bits per pixel.
int DibStride(int Width, int BitCount);

// Checks a packed image of Size bytes: the header, the colour table and that every row is
// present. BitsOffset, when not 0, is where the rows start (a file's offset); otherwise
// they follow the colour table. Raises EInvalidGraphic "Bitmap image is not valid".
TDibLayout ParsePackedDib(const uint8_t* Data, size_t Size, size_t BitsOffset = 0);

// Reads a bitmap file from the stream's position; returns its packed image (without the
// file header), whose layout is stored in Layout. The stream is left after the image.
std::vector<uint8_t> ReadBitmapFile(TStream& Stream, TDibLayout& Layout);

// Writes a bitmap file of the layout (BitsOffset is ignored) with the rows at Bits, stored
// in the order Layout.TopDown tells.
void WriteBitmapFile(TStream& Stream, const TDibLayout& Layout, const uint8_t* Bits);
