// JPEG compression and decompression over libjpeg, in memory. libjpeg's errors never end
// the process: they come back as EInvalidGraphic carrying libjpeg's own message, with
// every libjpeg allocation released.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

struct TJpegSettings {
    int Quality = 90; // 1..100, with baseline-compatible quantisation tables
    bool Grayscale = false;
    bool Progressive = false;
};

// Compresses rows of blue-green-red pixels (3 bytes each, top row first, Stride bytes
// apart) into one JFIF file with the floating-point DCT.
std::vector<uint8_t> CompressJpeg(const uint8_t* Rows, int Width, int Height, int Stride,
                                  const TJpegSettings& Settings);

// Where decoded rows go: called once with the image size, answers the first (top) row of
// blue-green-red pixels and sets Stride to the distance between rows.
using TJpegRowTarget = std::function<uint8_t*(int Width, int Height, int& Stride)>;

// Decodes a JPEG file of Size bytes into the target.
void DecompressJpeg(const uint8_t* Data, size_t Size, const TJpegRowTarget& Target);
