// Helpers of the graphics tests: 32-bit DIB bitmaps with known content, and reading their
// pixels back exactly.
#pragma once

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Colors.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A 32-bit DIB bitmap filled with Color.
std::unique_ptr<TBitmap> MakeDibBitmap(int Width, int Height, TColor Color = clWhite,
                                       TPixelFormat Format = TPixelFormat::pf32bit);
// The colour of a pixel of a 24- or 32-bit DIB bitmap, read from its memory.
TColor PixelAt(TBitmap& Bitmap, int X, int Y);
// Fills a 24- or 32-bit DIB bitmap with a pattern that differs from pixel to pixel.
void FillPattern(TBitmap& Bitmap, uint32_t Seed);
// True when both bitmaps have the same size and every pixel has the same colour.
bool SamePixels(TBitmap& A, TBitmap& B);
// A path for a scratch file in the temporary folder.
std::string TempFilePath(const std::string& Name);
// The bytes of a file; none when it cannot be read.
std::vector<uint8_t> FileBytes(const std::string& Path);
