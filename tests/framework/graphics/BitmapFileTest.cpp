#include "GraphicsTestSupport.h"

#include "framework/core/Streams.h"
#include "framework/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

std::vector<uint8_t> Saved(TBitmap& Bitmap) {
    TMemoryStream Stream;
    Bitmap.SaveToStream(Stream);
    return std::vector<uint8_t>(Stream.Memory(), Stream.Memory() + Stream.Size());
}

std::unique_ptr<TBitmap> Loaded(const std::vector<uint8_t>& File) {
    TMemoryStream Stream;
    Stream.WriteBuffer(File.data(), int32_t(File.size()));
    Stream.SetPosition(0);
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->LoadFromStream(Stream);
    return Bitmap;
}

template <class T> T Field(const std::vector<uint8_t>& File, size_t Offset) {
    T Value;
    std::memcpy(&Value, File.data() + Offset, sizeof(Value));
    return Value;
}

// A 3 x 2 file of 24 bits per pixel, stored bottom row first, as other programs write it.
std::vector<uint8_t> HandMadeFile() {
    std::vector<uint8_t> File(54 + 2 * 12, 0);
    const uint8_t Header[] = {'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  40,
                              0,   0,   0,  3, 0, 0, 0, 2, 0, 0, 0,  1, 0, 24, 0};
    std::memcpy(File.data(), Header, sizeof(Header));
    const uint8_t Bottom[] = {0, 0, 255, 0, 255, 0, 255, 0, 0};  // red, green, blue
    const uint8_t Top[] = {255, 255, 255, 0, 0, 0, 0, 255, 255}; // white, black, yellow
    std::memcpy(File.data() + 54, Bottom, sizeof(Bottom));
    std::memcpy(File.data() + 66, Top, sizeof(Top));
    return File;
}

TEST(BitmapFileRoundTrip, TwentyFourBitsKeepEveryPixel) {
    auto Bitmap = MakeDibBitmap(13, 7, clWhite, TPixelFormat::pf24bit);
    FillPattern(*Bitmap, 21);
    const std::vector<uint8_t> File = Saved(*Bitmap);
    EXPECT_EQ(File[0], 'B');
    EXPECT_EQ(File[1], 'M');
    EXPECT_EQ(Field<uint32_t>(File, 2), File.size());
    EXPECT_EQ(Field<uint16_t>(File, 28), 24);
    EXPECT_EQ(Field<int32_t>(File, 22), 7); // bottom row first, as files store it
    auto Back = Loaded(File);
    EXPECT_EQ(Back->PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_TRUE(SamePixels(*Back, *Bitmap));
}

TEST(BitmapFileRoundTrip, ThirtyTwoBitsKeepTheFourthByte) {
    auto Bitmap = MakeDibBitmap(5, 4, clWhite, TPixelFormat::pf32bit);
    FillPattern(*Bitmap, 5);
    auto Back = Loaded(Saved(*Bitmap));
    EXPECT_EQ(Back->PixelFormat(), TPixelFormat::pf32bit);
    for (int Row = 0; Row < 4; ++Row)
        EXPECT_EQ(std::memcmp(Back->ScanLine(Row), Bitmap->ScanLine(Row), 5 * 4), 0) << Row;
}

TEST(BitmapFileRoundTrip, PaletteAndSixteenBitFormatsKeepTheirLayout) {
    for (TPixelFormat Format : {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit,
                                TPixelFormat::pf15bit, TPixelFormat::pf16bit}) {
        auto Bitmap = MakeDibBitmap(9, 3, clWhite, Format);
        Bitmap->Canvas()->SetPixels(1, 1, clBlack);
        auto Back = Loaded(Saved(*Bitmap));
        EXPECT_EQ(Back->PixelFormat(), Format);
        EXPECT_EQ(Back->Canvas()->Pixels(1, 1), clBlack);
        EXPECT_EQ(Back->Canvas()->Pixels(2, 1), clWhite);
        EXPECT_EQ(Back->Colors().size(), Bitmap->Colors().size());
    }
}

TEST(BitmapFileRoundTrip, DeviceDependentBitmapsSaveAtTrueColour) {
    TBitmap Bitmap;
    Bitmap.SetSize(4, 4);
    Bitmap.Canvas()->Brush()->SetColor(RGBColor(10, 200, 30));
    Bitmap.Canvas()->FillRect(RECT{0, 0, 4, 4});
    const std::vector<uint8_t> File = Saved(Bitmap);
    const uint16_t Bits = Field<uint16_t>(File, 28);
    EXPECT_TRUE(Bits == 24 || Bits == 32) << Bits;
    auto Back = Loaded(File);
    EXPECT_EQ(Back->Canvas()->Pixels(3, 3), RGBColor(10, 200, 30));
    // The bitmap still draws after being read back through the host.
    Bitmap.Canvas()->SetPixels(0, 0, clBlack);
    EXPECT_EQ(Bitmap.Canvas()->Pixels(0, 0), clBlack);
}

TEST(BitmapFileRead, BottomUpFilesFromOtherProgramsLoadRightWayUp) {
    auto Bitmap = Loaded(HandMadeFile());
    ASSERT_EQ(Bitmap->Width(), 3);
    ASSERT_EQ(Bitmap->Height(), 2);
    EXPECT_EQ(PixelAt(*Bitmap, 0, 0), clWhite);
    EXPECT_EQ(PixelAt(*Bitmap, 2, 0), clYellow);
    EXPECT_EQ(PixelAt(*Bitmap, 0, 1), clRed);
    EXPECT_EQ(PixelAt(*Bitmap, 2, 1), clBlue);
}

TEST(BitmapFileRead, VersionFourHeadersCarryTheirMasks) {
    // 2 x 1, 16 bits per pixel 5-6-5, with a 108-byte header whose masks are inside it.
    std::vector<uint8_t> File(14 + 108 + 4, 0);
    const uint8_t Head[] = {'B', 'M', 126, 0, 0, 0, 0, 0, 0, 0, 122, 0,  0, 0, 108, 0, 0,
                            0,   2,   0,   0, 0, 1, 0, 0, 0, 1, 0,   16, 0, 3, 0,   0, 0};
    std::memcpy(File.data(), Head, sizeof(Head));
    const uint32_t Masks[3] = {0xF800, 0x07E0, 0x001F};
    std::memcpy(File.data() + 14 + 40, Masks, sizeof(Masks));
    const uint16_t Pixels[2] = {0xF800, 0x001F}; // red, blue
    std::memcpy(File.data() + 122, Pixels, sizeof(Pixels));
    auto Bitmap = Loaded(File);
    EXPECT_EQ(Bitmap->PixelFormat(), TPixelFormat::pf16bit);
    EXPECT_EQ(Bitmap->Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(Bitmap->Canvas()->Pixels(1, 0), clBlue);
}

TEST(BitmapFileRead, StopsRightAfterTheImage) {
    std::vector<uint8_t> File = HandMadeFile();
    File.push_back(0xAB);
    TMemoryStream Stream;
    Stream.WriteBuffer(File.data(), int32_t(File.size()));
    Stream.SetPosition(0);
    TBitmap Bitmap;
    Bitmap.LoadFromStream(Stream);
    EXPECT_EQ(Stream.Position(), int64_t(File.size() - 1));
}

TEST(BitmapFileRead, TruncatedOrCorruptFilesRaiseAndLeaveTheBitmap) {
    const std::vector<uint8_t> Good = HandMadeFile();
    auto Corrupt = [&Good](size_t Offset, std::vector<uint8_t> Bytes) {
        std::vector<uint8_t> File = Good;
        std::memcpy(File.data() + Offset, Bytes.data(), Bytes.size());
        return File;
    };
    const std::vector<std::vector<uint8_t>> BadFiles{
        std::vector<uint8_t>(Good.begin(), Good.end() - 1),    // last row cut short
        std::vector<uint8_t>(Good.begin(), Good.begin() + 20), // inside the header
        {},
        Corrupt(0, {'X', 'M'}),                // not a bitmap file
        Corrupt(28, {7, 0}),                   // 7 bits per pixel
        Corrupt(18, {0, 0, 0, 0}),             // no width
        Corrupt(18, {0xFF, 0xFF, 0xFF, 0x7F}), // absurdly wide
        Corrupt(30, {1, 0, 0, 0}),             // run-length compressed
        Corrupt(10, {200, 0, 0, 0}),           // pixels after the end
        Corrupt(10, {20, 0, 0, 0}),            // pixels inside the header
        Corrupt(26, {2, 0}),                   // two planes
    };
    for (size_t I = 0; I < BadFiles.size(); ++I) {
        auto Bitmap = MakeDibBitmap(2, 2, clRed);
        TMemoryStream Stream;
        if (!BadFiles[I].empty())
            Stream.WriteBuffer(BadFiles[I].data(), int32_t(BadFiles[I].size()));
        Stream.SetPosition(0);
        try {
            Bitmap->LoadFromStream(Stream);
            ADD_FAILURE() << "file " << I << " was accepted";
        } catch (const EInvalidGraphic& E) {
            EXPECT_EQ(E.Message(), "Bitmap image is not valid") << I;
        }
        EXPECT_EQ(Bitmap->Width(), 2) << I;
        EXPECT_EQ(PixelAt(*Bitmap, 1, 1), clRed) << I;
    }
}

TEST(BitmapFileFiles, SaveToFileAndLoadFromFile) {
    const std::string Path = TempFilePath("roundtrip.bmp");
    auto Bitmap = MakeDibBitmap(6, 6, clWhite, TPixelFormat::pf24bit);
    FillPattern(*Bitmap, 9);
    Bitmap->SaveToFile(Path);
    TBitmap Back;
    Back.LoadFromFile(Path);
    EXPECT_TRUE(SamePixels(Back, *Bitmap));
    EXPECT_THROW(Back.LoadFromFile(Path + ".missing"), EFOpenError);
    std::remove(Path.c_str());
}

TEST(BitmapFileFiles, AnEmptyBitmapCreatesNoFile) {
    const std::string Path = TempFilePath("empty.bmp");
    std::remove(Path.c_str());
    TBitmap Empty;
    EXPECT_THROW(Empty.SaveToFile(Path), EInvalidGraphic);
    EXPECT_EQ(std::fopen(Path.c_str(), "rb"), nullptr);
}

} // namespace
