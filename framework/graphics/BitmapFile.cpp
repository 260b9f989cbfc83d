#include "framework/graphics/BitmapFile.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint16_t BitmapFileType = 0x4D42; // "BM"
constexpr size_t FileHeaderSize = 14;
constexpr size_t InfoHeaderSize = 40;
// Images beyond this many bytes of pixels are refused rather than allocated.
constexpr uint64_t MaxImageBytes = 512u * 1024u * 1024u;

constexpr uint32_t Mask565[3] = {0xF800, 0x07E0, 0x001F};
constexpr uint32_t Mask555[3] = {0x7C00, 0x03E0, 0x001F};
constexpr uint32_t Mask888[3] = {0xFF0000, 0x00FF00, 0x0000FF};

[[noreturn]] void RaiseInvalid() {
    throw EInvalidGraphic("Bitmap image is not valid");
}

template <class T> T ReadAt(const uint8_t* Data, size_t Offset) {
    T Value;
    std::memcpy(&Value, Data + Offset, sizeof(Value));
    return Value;
}

bool SameMasks(const uint32_t* Masks, const uint32_t (&Expected)[3]) {
    return Masks[0] == Expected[0] && Masks[1] == Expected[1] && Masks[2] == Expected[2];
}

template <class T> void Put(std::vector<uint8_t>& Out, const T& Value) {
    const auto* Bytes = reinterpret_cast<const uint8_t*>(&Value);
    Out.insert(Out.end(), Bytes, Bytes + sizeof(Value));
}

} // namespace

int DibStride(int Width, int BitCount) {
    return int(((int64_t(Width) * BitCount + 31) / 32) * 4);
}

TDibLayout ParsePackedDib(const uint8_t* Data, size_t Size, size_t BitsOffset) {
    if (Size < 4)
        RaiseInvalid();
    const uint32_t HeaderSize = ReadAt<uint32_t>(Data, 0);
    if (HeaderSize < InfoHeaderSize || HeaderSize > Size)
        RaiseInvalid();
    BITMAPINFOHEADER Header;
    std::memcpy(&Header, Data, sizeof(Header));

    TDibLayout Layout;
    Layout.BitCount = Header.biBitCount;
    const int Count = Layout.BitCount;
    if (Header.biWidth <= 0 || Header.biHeight == 0 || Header.biHeight == INT32_MIN ||
        Header.biPlanes != 1 ||
        (Count != 1 && Count != 4 && Count != 8 && Count != 16 && Count != 24 && Count != 32))
        RaiseInvalid();
    Layout.Width = Header.biWidth;
    Layout.Height = Header.biHeight < 0 ? -Header.biHeight : Header.biHeight;
    Layout.TopDown = Header.biHeight < 0;
    Layout.Stride = DibStride(Layout.Width, Count);
    const uint64_t ImageBytes = uint64_t(Layout.Stride) * uint64_t(Layout.Height);
    if (ImageBytes > MaxImageBytes)
        RaiseInvalid();

    size_t Offset = HeaderSize;
    if (Header.biCompression == BI_BITFIELDS) {
        if (Count != 16 && Count != 32)
            RaiseInvalid();
        // The masks follow a plain info header, and are part of the larger headers: at the
        // same place either way.
        const size_t MaskOffset = InfoHeaderSize;
        if (MaskOffset + 12 > Size)
            RaiseInvalid();
        uint32_t Masks[3];
        std::memcpy(Masks, Data + MaskOffset, sizeof(Masks));
        if (HeaderSize == InfoHeaderSize)
            Offset += 12;
        if (Count == 16 && SameMasks(Masks, Mask565))
            Layout.Rgb565 = true;
        else if (!(Count == 16 && SameMasks(Masks, Mask555)) &&
                 !(Count == 32 && SameMasks(Masks, Mask888)))
            RaiseInvalid();
    } else if (Header.biCompression != BI_RGB) {
        RaiseInvalid();
    }

    const uint32_t MaxColors = Count <= 8 ? (1u << Count) : 256u;
    uint32_t ColorCount = Header.biClrUsed;
    if (ColorCount == 0 && Count <= 8)
        ColorCount = MaxColors;
    if (ColorCount > MaxColors || Offset + size_t(ColorCount) * 4 > Size)
        RaiseInvalid();
    // Colours listed beside a direct-colour image are only a display hint: skipped.
    if (Count <= 8) {
        Layout.Colors.resize(ColorCount);
        std::memcpy(Layout.Colors.data(), Data + Offset, size_t(ColorCount) * 4);
    }
    Offset += size_t(ColorCount) * 4;

    if (BitsOffset != 0) {
        if (BitsOffset < Offset)
            RaiseInvalid();
        Offset = BitsOffset;
    }
    if (Offset > Size || Size - Offset < ImageBytes)
        RaiseInvalid();
    Layout.BitsOffset = Offset;
    return Layout;
}

std::vector<uint8_t> ReadBitmapFile(TStream& Stream, TDibLayout& Layout) {
    uint8_t FileHeader[FileHeaderSize];
    uint8_t InfoHeader[InfoHeaderSize];
    if (Stream.Read(FileHeader, FileHeaderSize) != int32_t(FileHeaderSize) ||
        ReadAt<uint16_t>(FileHeader, 0) != BitmapFileType ||
        Stream.Read(InfoHeader, InfoHeaderSize) != int32_t(InfoHeaderSize))
        RaiseInvalid();
    const uint32_t PixelsAt = ReadAt<uint32_t>(FileHeader, 10);
    const uint32_t HeaderSize = ReadAt<uint32_t>(InfoHeader, 0);
    const int32_t Width = ReadAt<int32_t>(InfoHeader, 4);
    const int32_t Height = ReadAt<int32_t>(InfoHeader, 8);
    const uint16_t BitCount = ReadAt<uint16_t>(InfoHeader, 14);
    if (HeaderSize < InfoHeaderSize || PixelsAt < FileHeaderSize + HeaderSize || Width <= 0 ||
        Height == 0 || Height == INT32_MIN || BitCount == 0 || BitCount > 32)
        RaiseInvalid();
    const uint64_t ImageBytes =
        uint64_t(DibStride(Width, BitCount)) * uint64_t(Height < 0 ? -int64_t(Height) : Height);
    if (ImageBytes > MaxImageBytes || PixelsAt > MaxImageBytes)
        RaiseInvalid();

    // Everything up to the end of the rows, the headers included.
    const size_t PackedSize = size_t(PixelsAt - FileHeaderSize) + size_t(ImageBytes);
    std::vector<uint8_t> Packed(PackedSize);
    std::memcpy(Packed.data(), InfoHeader, InfoHeaderSize);
    const size_t Rest = PackedSize - InfoHeaderSize;
    size_t Done = 0;
    while (Done < Rest) {
        const int32_t Chunk = int32_t(std::min<size_t>(Rest - Done, 1u << 30));
        const int32_t Got = Stream.Read(Packed.data() + InfoHeaderSize + Done, Chunk);
        if (Got <= 0)
            RaiseInvalid(); // the file ends before its last row
        Done += size_t(Got);
    }
    Layout = ParsePackedDib(Packed.data(), Packed.size(), PixelsAt - FileHeaderSize);
    return Packed;
}

void WriteBitmapFile(TStream& Stream, const TDibLayout& Layout, const uint8_t* Bits) {
    const bool Masked = Layout.BitCount == 16 && Layout.Rgb565;
    const size_t ColorBytes = Layout.BitCount <= 8 ? Layout.Colors.size() * 4 : 0;
    const size_t PixelsAt = FileHeaderSize + InfoHeaderSize + (Masked ? 12 : 0) + ColorBytes;
    const size_t ImageBytes = size_t(Layout.Stride) * size_t(Layout.Height);

    std::vector<uint8_t> Head;
    Head.reserve(PixelsAt);
    Put(Head, BitmapFileType);
    Put(Head, uint32_t(PixelsAt + ImageBytes));
    Put(Head, uint32_t(0));
    Put(Head, uint32_t(PixelsAt));
    BITMAPINFOHEADER Header{};
    Header.biSize = InfoHeaderSize;
    Header.biWidth = Layout.Width;
    Header.biHeight = Layout.Height;
    Header.biPlanes = 1;
    Header.biBitCount = WORD(Layout.BitCount);
    Header.biCompression = Masked ? BI_BITFIELDS : BI_RGB;
    Header.biSizeImage = DWORD(ImageBytes);
    Header.biClrUsed = DWORD(ColorBytes / 4);
    Put(Head, Header);
    if (Masked)
        for (uint32_t Mask : Mask565)
            Put(Head, Mask);
    const auto* Colors = reinterpret_cast<const uint8_t*>(Layout.Colors.data());
    Head.insert(Head.end(), Colors, Colors + ColorBytes);
    Stream.WriteBuffer(Head.data(), int32_t(Head.size()));

    // Files store the bottom row first.
    for (int Row = Layout.Height - 1; Row >= 0; --Row) {
        const int Source = Layout.TopDown ? Row : Layout.Height - 1 - Row;
        Stream.WriteBuffer(Bits + size_t(Source) * size_t(Layout.Stride), Layout.Stride);
    }
}
