#include "GraphicsTestSupport.h"

#include "framework/core/Streams.h"
#include "framework/core/TextConv.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/JpegImage.h"
#include "framework/graphics/WinApi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

struct TSegment {
    uint8_t Marker;
    std::vector<uint8_t> Data; // without marker and length
};

// The marker segments before the first scan.
std::vector<TSegment> HeaderSegments(const std::vector<uint8_t>& File) {
    std::vector<TSegment> Segments;
    size_t At = 2;
    while (At + 4 <= File.size() && File[At] == 0xFF) {
        const uint8_t Marker = File[At + 1];
        const size_t Length = size_t(File[At + 2]) << 8 | File[At + 3];
        Segments.push_back(
            {Marker, std::vector<uint8_t>(File.begin() + At + 4, File.begin() + At + 2 + Length)});
        if (Marker == 0xDA)
            break;
        At += 2 + Length;
    }
    return Segments;
}

const TSegment* FindSegment(const std::vector<TSegment>& Segments, uint8_t Marker) {
    for (const auto& Segment : Segments)
        if (Segment.Marker == Marker)
            return &Segment;
    return nullptr;
}

std::unique_ptr<TBitmap> Gradient(int Width, int Height) {
    auto Bitmap = MakeDibBitmap(Width, Height, clWhite, TPixelFormat::pf24bit);
    for (int Y = 0; Y < Height; ++Y) {
        auto* Row = static_cast<uint8_t*>(Bitmap->ScanLine(Y));
        for (int X = 0; X < Width; ++X) {
            Row[X * 3] = uint8_t(X * 255 / Width);
            Row[X * 3 + 1] = uint8_t(Y * 255 / Height);
            Row[X * 3 + 2] = uint8_t(128 + (X - Y) / 4);
        }
    }
    return Bitmap;
}

std::vector<uint8_t> SaveJpeg(TJPEGImage& Image) {
    TMemoryStream Stream;
    Image.SaveToStream(Stream);
    return std::vector<uint8_t>(Stream.Memory(), Stream.Memory() + Stream.Size());
}

std::vector<uint8_t> SaveJpeg(TBitmap& Bitmap) {
    TJPEGImage Image;
    Image.Assign(&Bitmap);
    return SaveJpeg(Image);
}

// libjpeg's luminance table at quality 90 (scale 20%), in the zig-zag order files use.
std::array<uint8_t, 64> QualityNinetyLuminance() {
    static constexpr int Base[64] = {16,  11,  10,  16,  24, 40, 51,  61,  12,  12,  14,  19,  26,
                                     58,  60,  55,  14,  13, 16, 24,  40,  57,  69,  56,  14,  17,
                                     22,  29,  51,  87,  80, 62, 18,  22,  37,  56,  68,  109, 103,
                                     77,  24,  35,  55,  64, 81, 104, 113, 92,  49,  64,  78,  87,
                                     103, 121, 120, 101, 72, 92, 95,  98,  112, 100, 103, 99};
    static constexpr int ZigZag[64] = {
        0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
        41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
        30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
    std::array<uint8_t, 64> Table{};
    for (int I = 0; I < 64; ++I)
        Table[size_t(I)] = uint8_t(std::max(1, (Base[ZigZag[I]] * 20 + 50) / 100));
    return Table;
}

// Something like a screen with a photograph on it: flat panels, gradients, text-like
// strokes and a noisy region, in a 24-bit DIB.
std::unique_ptr<TBitmap> ScreenWithPhoto(int Width, int Height) {
    auto Bitmap = MakeDibBitmap(Width, Height, clWhite, TPixelFormat::pf24bit);
    uint32_t Noise = 2463534242u;
    for (int Y = 0; Y < Height; ++Y) {
        auto* Row = static_cast<uint8_t*>(Bitmap->ScanLine(Y));
        for (int X = 0; X < Width; ++X) {
            Noise ^= Noise << 13;
            Noise ^= Noise >> 17;
            Noise ^= Noise << 5;
            uint8_t* Pixel = Row + X * 3;
            for (int Channel = 0; Channel < 3; ++Channel) {
                int Value = (X / 50 + Y / 30) % 2 ? 236 - Channel * 6 : (X + Y * Channel) % 256;
                if (X % 7 < 2 && Y % 11 < 8)
                    Value = 24;
                if (X > Width / 2 && Y > Height / 3)
                    Value = int(Noise >> (Channel * 8) & 0xFF);
                Pixel[Channel] = uint8_t(Value);
            }
        }
    }
    return Bitmap;
}

// A host path for a file named by its Unix path (Wine maps the root to drive Z:).
std::string HostPath(std::string Path) {
    if (!Path.empty() && Path[0] == '/') {
        std::replace(Path.begin(), Path.end(), '/', '\\');
        Path = "Z:" + Path;
    }
    return Path;
}

// libjpeg's cjpeg run on a bitmap file with the given options: the file it writes.
std::vector<uint8_t> CjpegFile(const std::string& BitmapFile, const std::string& Options) {
    const std::string Output = TempFilePath("cjpeg-out.jpg");
    std::remove(Output.c_str());
    std::wstring Command = Utf8ToWide("\"" + HostPath(SNAPVALE_CJPEG) + "\" " + Options +
                                      " -outfile \"" + Output + "\" \"" + BitmapFile + "\"");
    STARTUPINFOW Startup{};
    Startup.cb = sizeof(Startup);
    PROCESS_INFORMATION Process{};
    if (!CreateProcessW(nullptr, Command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &Startup, &Process))
        return {};
    WaitForSingleObject(Process.hProcess, INFINITE);
    CloseHandle(Process.hThread);
    CloseHandle(Process.hProcess);
    std::vector<uint8_t> Bytes = FileBytes(Output);
    std::remove(Output.c_str());
    return Bytes;
}

TEST(JpegSave, DefaultsGiveOneBaselineJfifFileAtQualityNinety) {
    auto Bitmap = Gradient(64, 48);
    const std::vector<uint8_t> File = SaveJpeg(*Bitmap);
    ASSERT_GT(File.size(), 4u);
    EXPECT_EQ(File[0], 0xFF);
    EXPECT_EQ(File[1], 0xD8);
    EXPECT_EQ(File[File.size() - 2], 0xFF);
    EXPECT_EQ(File[File.size() - 1], 0xD9);

    const auto Segments = HeaderSegments(File);
    ASSERT_FALSE(Segments.empty());
    EXPECT_EQ(Segments[0].Marker, 0xE0);
    EXPECT_EQ(std::string(Segments[0].Data.begin(), Segments[0].Data.begin() + 5),
              std::string("JFIF\0", 5));

    const TSegment* Frame = FindSegment(Segments, 0xC0);
    ASSERT_NE(Frame, nullptr) << "not baseline";
    EXPECT_EQ(FindSegment(Segments, 0xC2), nullptr);
    EXPECT_EQ(Frame->Data[0], 8);                        // bits per sample
    EXPECT_EQ(Frame->Data[1] << 8 | Frame->Data[2], 48); // height
    EXPECT_EQ(Frame->Data[3] << 8 | Frame->Data[4], 64); // width
    EXPECT_EQ(Frame->Data[5], 3);                        // colour

    const TSegment* Tables = FindSegment(Segments, 0xDB);
    ASSERT_NE(Tables, nullptr);
    ASSERT_GE(Tables->Data.size(), 65u);
    EXPECT_EQ(Tables->Data[0], 0x00); // 8-bit table 0: luminance
    const auto Expected = QualityNinetyLuminance();
    EXPECT_TRUE(std::equal(Expected.begin(), Expected.end(), Tables->Data.begin() + 1));
}

TEST(JpegSave, DecodingGivesThePictureBackClosely) {
    auto Bitmap = Gradient(80, 60);
    const std::vector<uint8_t> File = SaveJpeg(*Bitmap);
    TMemoryStream Stream;
    Stream.WriteBuffer(File.data(), int32_t(File.size()));
    Stream.SetPosition(0);
    TJPEGImage Decoded;
    Decoded.LoadFromStream(Stream);
    ASSERT_EQ(Decoded.Width(), 80);
    ASSERT_EQ(Decoded.Height(), 60);
    TBitmap Back;
    Back.Assign(&Decoded);
    ASSERT_EQ(Back.Width(), 80);
    Back.SetPixelFormat(TPixelFormat::pf24bit);
    int Worst = 0;
    long Total = 0;
    for (int Y = 0; Y < 60; ++Y) {
        const auto* A = static_cast<const uint8_t*>(Bitmap->ScanLine(Y));
        const auto* B = static_cast<const uint8_t*>(Back.ScanLine(Y));
        for (int I = 0; I < 80 * 3; ++I) {
            const int Difference = std::abs(int(A[I]) - int(B[I]));
            Worst = std::max(Worst, Difference);
            Total += Difference;
        }
    }
    EXPECT_LE(Worst, 12);
    EXPECT_LE(double(Total) / (80 * 60 * 3), 2.0);
}

TEST(JpegSave, SettingsChangeTheEncoding) {
    auto Bitmap = Gradient(32, 32);
    TJPEGImage Image;
    Image.Assign(Bitmap.get());
    EXPECT_EQ(Image.CompressionQuality(), 90);
    EXPECT_FALSE(Image.Grayscale());
    EXPECT_FALSE(Image.ProgressiveEncoding());

    Image.SetGrayscale(true);
    auto Segments = HeaderSegments(SaveJpeg(Image));
    ASSERT_NE(FindSegment(Segments, 0xC0), nullptr);
    EXPECT_EQ(FindSegment(Segments, 0xC0)->Data[5], 1);

    Image.SetGrayscale(false);
    Image.SetProgressiveEncoding(true);
    Segments = HeaderSegments(SaveJpeg(Image));
    EXPECT_NE(FindSegment(Segments, 0xC2), nullptr);
    EXPECT_EQ(FindSegment(Segments, 0xC0), nullptr);

    Image.SetProgressiveEncoding(false);
    Image.SetCompressionQuality(50);
    Segments = HeaderSegments(SaveJpeg(Image));
    EXPECT_EQ(FindSegment(Segments, 0xDB)->Data[1], 16); // the base table at 100%
}

TEST(JpegSave, AssignTakesACopyOfAnyBitmap) {
    TBitmap Device; // screen depth, device-dependent
    Device.SetSize(16, 16);
    Device.Canvas()->Brush()->SetColor(clBlue);
    Device.Canvas()->FillRect(RECT{0, 0, 16, 16});
    TJPEGImage Image;
    Image.Assign(&Device);
    Device.Canvas()->Brush()->SetColor(clRed);
    Device.Canvas()->FillRect(RECT{0, 0, 16, 16});
    TMemoryStream Stream;
    Image.SaveToStream(Stream);
    Stream.SetPosition(0);
    TJPEGImage Decoded;
    Decoded.LoadFromStream(Stream);
    TBitmap Back;
    Back.Assign(&Decoded);
    const TColor Pixel = Back.Canvas()->Pixels(8, 8);
    EXPECT_GE(Pixel >> 16 & 0xFF, 240) << std::hex << Pixel; // still blue
    EXPECT_LE(Pixel & 0xFF, 15) << std::hex << Pixel;
}

TEST(JpegErrors, FailuresRaiseLibjpegsMessageAndWriteNothing) {
    TJPEGImage Empty;
    TMemoryStream Stream;
    EXPECT_THROW(Empty.SaveToStream(Stream), EInvalidGraphic);
    EXPECT_EQ(Stream.Size(), 0);

    const uint8_t NotJpeg[] = {'B', 'M', 1, 2, 3, 4, 5, 6};
    TMemoryStream Bad;
    Bad.WriteBuffer(NotJpeg, sizeof(NotJpeg));
    Bad.SetPosition(0);
    TJPEGImage Image;
    try {
        Image.LoadFromStream(Bad);
        FAIL() << "no exception";
    } catch (const EInvalidGraphic& E) {
        EXPECT_EQ(E.Message(), "Not a JPEG file: starts with 0x42 0x4d");
    }
    EXPECT_TRUE(Image.Empty());

    // The process survives many failures, each releasing libjpeg's memory.
    const uint8_t Truncated[] = {0xFF, 0xD8, 0xFF, 0xDB, 0x00};
    for (int I = 0; I < 200; ++I) {
        TMemoryStream Short;
        Short.WriteBuffer(Truncated, sizeof(Truncated));
        Short.SetPosition(0);
        EXPECT_THROW(Image.LoadFromStream(Short), EInvalidGraphic);
    }
}

// The product's file is libjpeg's own: cjpeg makes the same bytes of the same pixels, with
// each setting, whatever holds the pixels: a 24-bit DIB read as it is, a 32-bit one whose
// fourth byte is not zero, a device-dependent bitmap at the screen's depth and a 16-bit DIB,
// both read in bands of 32-bit rows. The size is not a whole number of blocks or bands.
TEST(JpegSave, FilesAreTheBytesCjpegWritesForTheSamePixels) {
    constexpr int Width = 203;
    constexpr int Height = 75;
    auto Direct24 = ScreenWithPhoto(Width, Height);

    auto Direct32 = MakeDibBitmap(Width, Height, clWhite, TPixelFormat::pf32bit);
    for (int Y = 0; Y < Height; ++Y) {
        const auto* From = static_cast<const uint8_t*>(Direct24->ScanLine(Y));
        auto* To = static_cast<uint8_t*>(Direct32->ScanLine(Y));
        for (int X = 0; X < Width; ++X) {
            std::copy_n(From + X * 3, 3, To + X * 4);
            To[X * 4 + 3] = uint8_t(X * 37 + Y);
        }
    }
    TBitmap Device;
    Device.Assign(Direct24.get());
    Device.SetHandleType(TBitmapHandleType::bmDDB);
    TBitmap Device24; // what the device-dependent bitmap holds, at 24 bits
    Device24.Assign(&Device);
    Device24.SetPixelFormat(TPixelFormat::pf24bit);
    ASSERT_TRUE(SamePixels(Device24, *Direct24)) << "the screen's depth loses colours";

    TBitmap Sixteen;
    Sixteen.Assign(Direct24.get());
    Sixteen.SetPixelFormat(TPixelFormat::pf16bit);
    TBitmap Sixteen24;
    Sixteen24.Assign(&Sixteen);
    Sixteen24.SetPixelFormat(TPixelFormat::pf24bit);

    struct TCase {
        const char* Options;
        int Quality;
        bool Grayscale;
        bool Progressive;
    };
    const TCase Cases[] = {
        {"-quality 90 -dct float", 90, false, false},
        {"-quality 90 -dct float -grayscale", 90, true, false},
        {"-quality 90 -dct float -progressive", 90, false, true},
        {"-quality 40 -baseline -dct float", 40, false, false},
    };
    const std::string Pixels24 = TempFilePath("cjpeg-in.bmp");
    const std::string Pixels16 = TempFilePath("cjpeg-in16.bmp");
    Direct24->SaveToFile(Pixels24);
    Sixteen24.SaveToFile(Pixels16);
    const std::string Ours = TempFilePath("ours.jpg");
    for (const TCase& Case : Cases) {
        const std::vector<uint8_t> Theirs = CjpegFile(Pixels24, Case.Options);
        const std::vector<uint8_t> Theirs16 = CjpegFile(Pixels16, Case.Options);
        ASSERT_GT(Theirs.size(), 100u) << "cjpeg did not run: " << SNAPVALE_CJPEG;
        const std::pair<const char*, TBitmap*> Holders[] = {
            {"24-bit DIB", Direct24.get()},
            {"32-bit DIB", Direct32.get()},
            {"device-dependent bitmap", &Device},
            {"16-bit DIB", &Sixteen},
        };
        for (const auto& [Name, Holder] : Holders) {
            TJPEGImage Image;
            Image.Assign(Holder);
            Image.SetCompressionQuality(Case.Quality);
            Image.SetGrayscale(Case.Grayscale);
            Image.SetProgressiveEncoding(Case.Progressive);
            Image.SaveToFile(Ours);
            EXPECT_TRUE(FileBytes(Ours) == (Holder == &Sixteen ? Theirs16 : Theirs))
                << Name << ", cjpeg " << Case.Options;
        }
    }
    for (const std::string& Path : {Pixels24, Pixels16, Ours})
        std::remove(Path.c_str());
}

TEST(JpegErrors, AFailedEncodingCreatesNoFileAndLeavesAnExistingOneAlone) {
    const std::string Path = TempFilePath("too-wide.jpg");
    std::remove(Path.c_str());
    TBitmap Device; // read in bands
    Device.SetSize(65501, 2);
    auto Direct = MakeDibBitmap(65501, 2, clWhite, TPixelFormat::pf32bit);
    for (TBitmap* Bitmap : {&Device, Direct.get()}) {
        TJPEGImage Image;
        Image.Assign(Bitmap);
        try {
            Image.SaveToFile(Path);
            FAIL() << "no exception";
        } catch (const EInvalidGraphic& E) {
            EXPECT_EQ(E.Message(), "Maximum supported image dimension is 65500 pixels");
        }
        EXPECT_TRUE(FileBytes(Path).empty());
        EXPECT_EQ(GetFileAttributesW(Utf8ToWide(Path).c_str()), INVALID_FILE_ATTRIBUTES);
    }

    const std::vector<uint8_t> Old = {'o', 'l', 'd'};
    TFileStream(Path, fmCreate).WriteBuffer(Old.data(), int32_t(Old.size()));
    TJPEGImage Image;
    Image.Assign(Direct.get());
    EXPECT_THROW(Image.SaveToFile(Path), EInvalidGraphic);
    EXPECT_EQ(FileBytes(Path), Old);
    std::remove(Path.c_str());
}

} // namespace
