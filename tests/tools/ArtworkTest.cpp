// The artwork in resources/ must be exactly what the generator draws, and well-formed
// files the host can load.
#include "tools/artwork/Artwork.h"
#include "tools/artwork/GlyphArtwork.h"
#include "tools/artwork/LunaSkinArtwork.h"

#include "framework/graphics/WinApi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

TArtworkBytes ReadCommitted(const std::string& Name) {
    std::ifstream File(std::string(SNAPVALE_RESOURCES_DIR) + "/" + Name, std::ios::binary);
    return TArtworkBytes(std::istreambuf_iterator<char>(File), {});
}

template <class T> T ReadAt(const TArtworkBytes& Bytes, size_t Offset) {
    T Value{};
    std::memcpy(&Value, Bytes.data() + Offset, sizeof(T));
    return Value;
}

// A bottom-up bitmap file of that size, depth and colour table, nothing after its last row.
void ExpectBitmapFile(const TArtworkBytes& Bmp, int Width, int Height, int BitCount,
                      uint32_t Colours) {
    ASSERT_GT(Bmp.size(), sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
    const auto File = ReadAt<BITMAPFILEHEADER>(Bmp, 0);
    const auto Info = ReadAt<BITMAPINFOHEADER>(Bmp, sizeof(BITMAPFILEHEADER));
    EXPECT_EQ(File.bfType, 0x4D42);
    EXPECT_EQ(File.bfSize, Bmp.size());
    EXPECT_EQ(Info.biWidth, Width);
    EXPECT_EQ(Info.biHeight, Height); // positive: bottom row first
    EXPECT_EQ(Info.biBitCount, BitCount);
    EXPECT_EQ(Info.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(Info.biClrUsed, Colours);
    EXPECT_EQ(File.bfOffBits, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + Colours * 4);
    const uint32_t RowBytes = ((Width * BitCount + 31) / 32) * 4;
    EXPECT_EQ(File.bfOffBits + static_cast<uint32_t>(Height) * RowBytes, Bmp.size());
}

} // namespace

TEST(Artwork, CommittedFilesAreTheGeneratorsOutput) {
    EXPECT_EQ(ReadCommitted("MainBackground.bmp"), MakeMainBackgroundBitmap());
    EXPECT_EQ(ReadCommitted("Snapvale.ico"), MakeApplicationIcon());
    EXPECT_EQ(ReadCommitted("XP_MAIN.bmp"), MakeLunaMainSkin());
    EXPECT_EQ(ReadCommitted("XP_MAIN1.bmp"), MakeLunaSecondSkin());
    for (const TGlyphArtwork& Glyph : AllGlyphArtwork())
        EXPECT_EQ(ReadCommitted(Glyph.Name + ".bmp"), EncodeGlyphArtwork(Glyph)) << Glyph.Name;
}

TEST(Artwork, BitmapsAreFilesOfTheirSizesAndDepths) {
    ExpectBitmapFile(MakeMainBackgroundBitmap(), 222, 152, 24, 0);
    ExpectBitmapFile(MakeLunaMainSkin(), 190, 372, 24, 0);
    ExpectBitmapFile(MakeLunaSecondSkin(), 196, 435, 24, 0);
    // 17 pixels of 4 bits need a padded row of 12 bytes.
    for (const TGlyphArtwork& Glyph : AllGlyphArtwork())
        ExpectBitmapFile(EncodeGlyphArtwork(Glyph), Glyph.Picture.Width(), Glyph.Picture.Height(),
                         4, 16);
}

TEST(Artwork, IconLoadsAsA32By32IconWithAMask) {
    TArtworkBytes Ico = MakeApplicationIcon();
    const auto Offset = ReadAt<uint32_t>(Ico, 6 + 12);
    const auto Size = ReadAt<uint32_t>(Ico, 6 + 8);
    ASSERT_EQ(Offset + Size, Ico.size());
    const auto Info = ReadAt<BITMAPINFOHEADER>(Ico, Offset);
    EXPECT_EQ(Info.biBitCount, 8);
    EXPECT_EQ(Info.biClrUsed, 256u);

    HICON Icon = CreateIconFromResourceEx(Ico.data() + Offset, Size, TRUE, 0x00030000, 32, 32,
                                          LR_DEFAULTCOLOR);
    ASSERT_NE(Icon, nullptr);
    ICONINFO Parts{};
    ASSERT_TRUE(GetIconInfo(Icon, &Parts));
    BITMAP Mask{};
    GetObjectW(Parts.hbmMask, sizeof(Mask), &Mask);
    EXPECT_EQ(Mask.bmWidth, 32);
    if (Parts.hbmColor)
        DeleteObject(Parts.hbmColor);
    DeleteObject(Parts.hbmMask);
    DestroyIcon(Icon);
}
