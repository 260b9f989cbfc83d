// JPEG compression and decompression over libjpeg, in memory. libjpeg's errors never end
// the process: they come back as EInvalidGraphic carrying libjpeg's own message, with
// every libjpeg allocation released.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// An allocator whose resize leaves new bytes as they are instead of zeroing them: room that
// is reserved for data still to come and never written costs no memory, and is not touched
// twice.
template <class T> struct TUninitializedAllocator : std::allocator<T> {
    template <class U> struct rebind { using other = TUninitializedAllocator<U>; };
    TUninitializedAllocator() = default;
    template <class U> TUninitializedAllocator(const TUninitializedAllocator<U>&) noexcept {}
    template <class U> void construct(U* Where) noexcept { ::new (static_cast<void*>(Where)) U; }
    template <class U, class... A> void construct(U* Where, A&&... Arguments) {
        ::new (static_cast<void*>(Where)) U(std::forward<A>(Arguments)...);
    }
};

// The bytes of a JPEG file.
using TJpegData = std::vector<uint8_t, TUninitializedAllocator<uint8_t>>;

struct TJpegSettings {
    int Quality = 90; // 1..100, with baseline-compatible quantisation tables
    bool Grayscale = false;
    bool Progressive = false;
};

// How the rows handed to the encoder hold their pixels: blue-green-red, 3 bytes each, or
// blue-green-red and an ignored fourth byte, as 32-bit Windows bitmaps hold them. libjpeg
// converts either to its colour space with the same arithmetic, so the file is the same.
enum class TJpegPixels : uint8_t { Bgr24, Bgrx32 };

// Hands the encoder its rows, top row first: called with the first row not yet compressed,
// answers where that row starts and sets Count (at least one) to the rows that follow it,
// Stride bytes apart. What it answers stays valid until the next call.
using TJpegRowSource = std::function<const uint8_t*(int FirstRow, int& Count, int& Stride)>;

// Compresses Width x Height pixels into one JFIF file with the floating-point DCT.
TJpegData CompressJpeg(int Width, int Height, TJpegPixels Pixels, const TJpegRowSource& Rows,
                       const TJpegSettings& Settings);

// Where decoded rows go: called once with the image size, answers the first (top) row of
// blue-green-red pixels and sets Stride to the distance between rows.
using TJpegRowTarget = std::function<uint8_t*(int Width, int Height, int& Stride)>;

// Decodes a JPEG file of Size bytes into the target.
void DecompressJpeg(const uint8_t* Data, size_t Size, const TJpegRowTarget& Target);
