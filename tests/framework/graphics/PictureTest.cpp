#include "GraphicsTestSupport.h"

#include "framework/core/Filer.h"
#include "framework/core/Streams.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/JpegImage.h"
#include "framework/graphics/Picture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

struct TChangeCounter {
    int Count = 0;
    void Changed(TObject*) { ++Count; }
};

// Records the binary property a persistent object defines, as a layout writer would see it.
class TRecordingFiler : public TFiler {
public:
    void DefineProperty(const std::string&, const TReaderProc&, const TWriterProc&, bool) override {
    }
    void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                              const TStreamProc& WriteData, bool HasData) override {
        FName = Name;
        FRead = ReadData;
        FWrite = WriteData;
        FHasData = HasData;
    }

    std::string FName;
    TStreamProc FRead;
    TStreamProc FWrite;
    bool FHasData = false;
};

// Lets the test call the protected DefineProperties as the layout reader and writer do.
class TTestPicture : public TPicture {
public:
    using TPicture::DefineProperties;
};

TEST(PictureAssign, HoldsItsOwnCopyAndKnowsItsSize) {
    auto Bitmap = MakeDibBitmap(9, 4, clOlive);
    TPicture Picture;
    TChangeCounter Counter;
    Picture.OnChange = MakeEvent(&Counter, &TChangeCounter::Changed);
    Picture.Assign(Bitmap.get());
    EXPECT_EQ(Counter.Count, 1);
    ASSERT_NE(Picture.Graphic(), nullptr);
    EXPECT_NE(Picture.Graphic(), Bitmap.get());
    EXPECT_EQ(Picture.Width(), 9);
    EXPECT_EQ(Picture.Height(), 4);

    Bitmap.reset();
    EXPECT_EQ(PixelAt(*Picture.Bitmap(), 8, 3), clOlive);

    // Changes of the held graphic reach the picture's listeners.
    Picture.Bitmap()->Canvas()->SetPixels(0, 0, clBlack);
    EXPECT_EQ(Counter.Count, 2);

    TPicture Copy;
    Copy.Assign(&Picture);
    EXPECT_NE(Copy.Graphic(), Picture.Graphic());
    EXPECT_EQ(Copy.Bitmap()->Canvas()->Pixels(0, 0), clBlack);

    TBitmap Out;
    Out.Assign(&Picture);
    EXPECT_EQ(Out.Width(), 9);

    Picture.Assign(nullptr);
    EXPECT_EQ(Picture.Graphic(), nullptr);
    EXPECT_EQ(Picture.Width(), 0);
}

TEST(PictureFiles, KindComesFromTheExtension) {
    const std::string BitmapPath = TempFilePath("picture.BMP");
    const std::string JpegPath = TempFilePath("picture.jpg");
    auto Bitmap = MakeDibBitmap(8, 8, clMaroon, TPixelFormat::pf24bit);
    TPicture Picture;
    Picture.Assign(Bitmap.get());

    Picture.SaveToFile(BitmapPath);
    std::vector<uint8_t> Bytes = FileBytes(BitmapPath);
    ASSERT_GE(Bytes.size(), 2u);
    EXPECT_EQ(Bytes[0], 'B');

    // A bitmap picture saved under a JPEG name becomes a JPEG file.
    Picture.SaveToFile(JpegPath);
    Bytes = FileBytes(JpegPath);
    ASSERT_GE(Bytes.size(), 2u);
    EXPECT_EQ(Bytes[0], 0xFF);
    EXPECT_EQ(Bytes[1], 0xD8);

    TPicture Loaded;
    Loaded.LoadFromFile(BitmapPath);
    EXPECT_EQ(Loaded.Graphic()->ClassName(), "TBitmap");
    EXPECT_EQ(PixelAt(*Loaded.Bitmap(), 7, 7), clMaroon);
    Loaded.LoadFromFile(JpegPath);
    EXPECT_EQ(Loaded.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(Loaded.Width(), 8);

    try {
        Loaded.LoadFromFile(TempFilePath("picture.xyz"));
        FAIL() << "no exception";
    } catch (const EInvalidGraphic& E) {
        EXPECT_EQ(E.Message(), "Unknown picture file extension (.xyz)");
    }
    EXPECT_EQ(Loaded.Graphic()->ClassName(), "TJPEGImage");

    TPicture Empty;
    EXPECT_THROW(Empty.SaveToFile(BitmapPath), EInvalidGraphic);
    std::remove(BitmapPath.c_str());
    std::remove(JpegPath.c_str());
}

TEST(PictureLayoutData, StoresTheClassNameAndTheBitmapFile) {
    auto Bitmap = MakeDibBitmap(3, 2, clPurple, TPixelFormat::pf24bit);
    TTestPicture Picture;
    TRecordingFiler Filer;
    Picture.DefineProperties(&Filer);
    EXPECT_EQ(Filer.FName, "Data");
    EXPECT_FALSE(Filer.FHasData);

    Picture.Assign(Bitmap.get());
    Picture.DefineProperties(&Filer);
    EXPECT_TRUE(Filer.FHasData);
    TMemoryStream Data;
    Filer.FWrite(Data);
    const uint8_t* Bytes = Data.Memory();
    ASSERT_GT(Data.Size(), 12);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Bytes), 8), "\x07TBitmap");
    uint32_t FileSize = 0;
    std::memcpy(&FileSize, Bytes + 8, 4);
    EXPECT_EQ(int64_t(FileSize) + 12, Data.Size());
    EXPECT_EQ(Bytes[12], 'B');

    TTestPicture Read;
    Read.DefineProperties(&Filer);
    Data.SetPosition(0);
    Filer.FRead(Data);
    ASSERT_EQ(Read.Width(), 3);
    EXPECT_EQ(PixelAt(*Read.Bitmap(), 2, 1), clPurple);
}

TEST(PictureIcon, IconFilesLoadDrawAndSaveBack) {
    // A 16 x 16 icon file of 32 bits per pixel: directory, entry, image header, colours
    // and the AND mask.
    std::vector<uint8_t> File;
    auto Put = [&File](uint32_t Value, int Bytes) {
        for (int I = 0; I < Bytes; ++I)
            File.push_back(uint8_t(Value >> (8 * I)));
    };
    const uint32_t ImageSize = 40 + 16 * 16 * 4 + 16 * 4;
    Put(0, 2), Put(1, 2), Put(1, 2);
    Put(16, 1), Put(16, 1), Put(0, 1), Put(0, 1), Put(1, 2), Put(32, 2), Put(ImageSize, 4),
        Put(22, 4);
    Put(40, 4), Put(16, 4), Put(32, 4), Put(1, 2), Put(32, 2), Put(0, 4), Put(0, 4), Put(0, 4),
        Put(0, 4), Put(0, 4), Put(0, 4);
    for (int I = 0; I < 16 * 16; ++I)
        Put(0xFF0000FF, 4); // opaque blue
    for (int I = 0; I < 16; ++I)
        Put(0, 4);

    TMemoryStream Stream;
    Stream.WriteBuffer(File.data(), int32_t(File.size()));
    Stream.SetPosition(0);
    TIcon Icon;
    Icon.LoadFromStream(Stream);
    EXPECT_EQ(Icon.Width(), 16);
    EXPECT_EQ(Icon.Height(), 16);
    EXPECT_THROW(Icon.SetWidth(5), EInvalidGraphic);

    auto Bitmap = MakeDibBitmap(20, 20);
    Bitmap->Canvas()->Draw(2, 2, &Icon);
    EXPECT_EQ(PixelAt(*Bitmap, 10, 10), clBlue);
    EXPECT_EQ(PixelAt(*Bitmap, 1, 1), clWhite);

    TMemoryStream Saved;
    Icon.SaveToStream(Saved);
    ASSERT_EQ(Saved.Size(), int64_t(File.size()));
    EXPECT_EQ(std::memcmp(Saved.Memory(), File.data(), File.size()), 0);

    TMemoryStream Broken;
    Broken.WriteBuffer(File.data(), 30);
    Broken.SetPosition(0);
    EXPECT_THROW(Icon.LoadFromStream(Broken), EInvalidGraphic);
}

} // namespace
