// Times saving a capture as a JPEG file the way the capture window does: a fresh TJPEGImage
// takes its copy of the screen-depth bitmap (Assign), then SaveToFile compresses and writes
// it. The save is set against two floors measured in the same process on the same pixels:
// libjpeg itself compressing the 24-bit rows into memory with the product's settings
// (jpeg_set_defaults, quality 90 with baseline tables, floating-point DCT, one JFIF stream),
// and a plain write of those bytes to a file. Runs at 1280 x 1024 and 1920 x 1080, on a
// screen-like and on a noisy photograph-like picture, interleaving the measurements; prints
// the median and the spread of each, the ratio of the save to encoding + writing (goal: at
// most 1.10) and the same ratio with Assign's copy counted. cjpeg is a check, not a timer:
// its file of the same pixels must be the product's file byte for byte, as must the floor's.
//   bench_jpeg [runs] [path of cjpeg.exe]
#include "bench/support/BenchTiming.h"
#include "framework/core/TextConv.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/JpegImage.h"
#include "framework/graphics/WinApi.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

double Seconds() {
    return BenchMicroseconds() / 1e6;
}

struct TTimes {
    std::vector<double> Runs;
    void Add(double Value) { Runs.push_back(Value); }
    double Quantile(double Q) const {
        std::vector<double> Sorted = Runs;
        std::sort(Sorted.begin(), Sorted.end());
        const double At = Q * double(Sorted.size() - 1);
        const size_t Low = size_t(At);
        const size_t High = std::min(Low + 1, Sorted.size() - 1);
        return Sorted[Low] + (Sorted[High] - Sorted[Low]) * (At - double(Low));
    }
    double Median() const { return Quantile(0.5); }
};

enum class TKind { ScreenLike, PhotoLike };

// Rows of blue-green-red pixels, top row first, rows padded to four bytes as in a DIB.
struct TPixels {
    int Width = 0;
    int Height = 0;
    int Stride = 0;
    std::vector<uint8_t> Bytes;
    uint8_t* Row(int Y) { return Bytes.data() + size_t(Y) * size_t(Stride); }
};

TPixels Paint(TKind Kind, int Width, int Height) {
    TPixels Pixels{Width, Height, (Width * 3 + 3) & ~3, {}};
    Pixels.Bytes.resize(size_t(Pixels.Stride) * size_t(Height));
    uint32_t Noise = 12345;
    for (int Y = 0; Y < Height; ++Y) {
        uint8_t* Row = Pixels.Row(Y);
        for (int X = 0; X < Width; ++X) {
            Noise ^= Noise << 13; // xorshift32
            Noise ^= Noise >> 17;
            Noise ^= Noise << 5;
            uint8_t* Pixel = Row + X * 3;
            if (Kind == TKind::ScreenLike) {
                // Flat panels, gradients, text-like detail.
                const bool Panel = (X / 240 + Y / 180) % 2 == 0;
                const bool Detail = (X % 9 < 2 && Y % 14 < 9) && (Noise >> 28) > 6;
                Pixel[0] = Detail ? 20 : uint8_t(Panel ? 230 : X * 255 / Width);
                Pixel[1] = Detail ? 20 : uint8_t(Panel ? 225 : Y * 255 / Height);
                Pixel[2] = Detail ? 20 : uint8_t(Panel ? 220 : 128 + (Noise >> 29));
            } else {
                // Smooth shapes under grain in every channel.
                const int Base = (X * 7 / 5 + Y) % 512;
                const int Shade = Base < 256 ? Base : 511 - Base;
                for (int Channel = 0; Channel < 3; ++Channel) {
                    const int Grain = int((Noise >> (Channel * 10)) & 63) - 32;
                    const int Value = Shade * (3 + Channel) / 5 + (X * Y >> 12 & 31) + Grain;
                    Pixel[Channel] = uint8_t(std::clamp(Value, 0, 255));
                }
            }
        }
    }
    return Pixels;
}

// The picture as a capture holds it: a device-dependent bitmap at the screen's depth.
void MakeCapture(TBitmap& Capture, TPixels& Pixels) {
    Capture.SetPixelFormat(TPixelFormat::pf24bit);
    Capture.SetSize(Pixels.Width, Pixels.Height);
    for (int Y = 0; Y < Pixels.Height; ++Y)
        std::copy_n(Pixels.Row(Y), Pixels.Width * 3, static_cast<uint8_t*>(Capture.ScanLine(Y)));
    Capture.SetHandleType(TBitmapHandleType::bmDDB);
}

// libjpeg alone: the product's settings, from 24-bit rows into memory it allocates.
std::vector<uint8_t> FloorEncode(TPixels& Pixels, double& Elapsed) {
    std::vector<JSAMPROW> Rows(size_t(Pixels.Height));
    for (int Y = 0; Y < Pixels.Height; ++Y)
        Rows[size_t(Y)] = Pixels.Row(Y);
    const double Start = Seconds();
    jpeg_compress_struct Info{};
    jpeg_error_mgr Errors{};
    Info.err = jpeg_std_error(&Errors);
    jpeg_create_compress(&Info);
    unsigned char* Output = nullptr;
    unsigned long OutputSize = 0;
    jpeg_mem_dest(&Info, &Output, &OutputSize);
    Info.image_width = JDIMENSION(Pixels.Width);
    Info.image_height = JDIMENSION(Pixels.Height);
    Info.input_components = 3;
    Info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&Info);
    jpeg_set_quality(&Info, 90, TRUE);
    Info.dct_method = JDCT_FLOAT;
    jpeg_start_compress(&Info, TRUE);
    while (Info.next_scanline < Info.image_height)
        jpeg_write_scanlines(&Info, Rows.data() + Info.next_scanline,
                             Info.image_height - Info.next_scanline);
    jpeg_finish_compress(&Info);
    jpeg_destroy_compress(&Info);
    Elapsed = Seconds() - Start;
    std::vector<uint8_t> Result(Output, Output + OutputSize);
    std::free(Output);
    return Result;
}

// The host alone: one file created (or truncated) and written in one call.
double FloorWrite(const std::string& Path, const std::vector<uint8_t>& Bytes) {
    const double Start = Seconds();
    const HANDLE File = CreateFileW(Utf8ToWide(Path).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD Written = 0;
    const bool Ok = File != INVALID_HANDLE_VALUE &&
                    WriteFile(File, Bytes.data(), DWORD(Bytes.size()), &Written, nullptr) &&
                    Written == Bytes.size();
    if (File != INVALID_HANDLE_VALUE)
        CloseHandle(File);
    const double Elapsed = Seconds() - Start;
    if (!Ok) {
        std::printf("cannot write %s\n", Path.c_str());
        std::exit(1);
    }
    return Elapsed;
}

std::string TempPath(const std::string& Name) {
    wchar_t Folder[MAX_PATH];
    const DWORD Length = GetTempPathW(MAX_PATH, Folder);
    return WideToUtf8(std::wstring(Folder, Length)) + Name;
}

// A host path for a file named by its Unix path (Wine maps the root to drive Z:).
std::string HostPath(std::string Path) {
    if (!Path.empty() && Path[0] == '/') {
        std::replace(Path.begin(), Path.end(), '/', '\\');
        Path = "Z:" + Path;
    }
    return Path;
}

std::vector<uint8_t> FileBytes(const std::string& Path) {
    std::ifstream File(Utf8ToWide(Path).c_str(), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(File), {});
}

bool RunAndWait(const std::string& CommandLine) {
    std::wstring Command = Utf8ToWide(CommandLine);
    STARTUPINFOW Startup{};
    Startup.cb = sizeof(Startup);
    PROCESS_INFORMATION Process{};
    if (!CreateProcessW(nullptr, Command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &Startup, &Process))
        return false;
    WaitForSingleObject(Process.hProcess, INFINITE);
    DWORD ExitCode = 1;
    GetExitCodeProcess(Process.hProcess, &ExitCode);
    CloseHandle(Process.hThread);
    CloseHandle(Process.hProcess);
    return ExitCode == 0;
}

// cjpeg's file of the pixels, written as a 24-bit bitmap file; empty when it cannot run.
std::vector<uint8_t> CjpegFile(const std::string& Cjpeg, TPixels& Pixels) {
    const std::string BmpPath = TempPath("snapvale-bench.bmp");
    const std::string JpegPath = TempPath("snapvale-bench-cjpeg.jpg");
    TBitmap Bitmap;
    Bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    Bitmap.SetSize(Pixels.Width, Pixels.Height);
    for (int Y = 0; Y < Pixels.Height; ++Y)
        std::copy_n(Pixels.Row(Y), Pixels.Width * 3, static_cast<uint8_t*>(Bitmap.ScanLine(Y)));
    Bitmap.SaveToFile(BmpPath);
    std::vector<uint8_t> Result;
    if (RunAndWait("\"" + Cjpeg + "\" -quality 90 -dct float -outfile \"" + JpegPath + "\" \"" +
                   BmpPath + "\""))
        Result = FileBytes(JpegPath);
    DeleteFileW(Utf8ToWide(BmpPath).c_str());
    DeleteFileW(Utf8ToWide(JpegPath).c_str());
    return Result;
}

void PrintTimes(const char* Name, const TTimes& Times) {
    std::printf("  %-34s %7.2f ms  (%.2f .. %.2f; quartiles %.2f .. %.2f)\n", Name,
                Times.Median() * 1000, Times.Quantile(0) * 1000, Times.Quantile(1) * 1000,
                Times.Quantile(0.25) * 1000, Times.Quantile(0.75) * 1000);
}

// Returns false when a file differs from another.
bool Measure(TKind Kind, int Width, int Height, int Runs, const std::string& Cjpeg) {
    const std::string OursPath = TempPath("snapvale-bench-ours.jpg");
    const std::string FloorPath = TempPath("snapvale-bench-floor.jpg");
    TPixels Pixels = Paint(Kind, Width, Height);
    TBitmap Capture;
    MakeCapture(Capture, Pixels);

    TTimes Assign, Save, Product, Encode, Write;
    std::vector<uint8_t> FloorBytes;
    for (int Run = -1; Run < Runs; ++Run) { // run -1 warms up
        const double Start = Seconds();
        {
            TJPEGImage Image;
            Image.Assign(&Capture);
            const double Assigned = Seconds();
            Image.SaveToFile(OursPath);
            const double Saved = Seconds();
            if (Run >= 0) {
                Assign.Add(Assigned - Start);
                Save.Add(Saved - Assigned);
            }
        }
        const double Ours = Seconds() - Start;
        double Encoded = 0;
        FloorBytes = FloorEncode(Pixels, Encoded);
        const double Written = FloorWrite(FloorPath, FloorBytes);
        if (Run >= 0) {
            Product.Add(Ours);
            Encode.Add(Encoded);
            Write.Add(Written);
        }
    }

    const std::vector<uint8_t> Ours = FileBytes(OursPath);
    const std::vector<uint8_t> Theirs = CjpegFile(Cjpeg, Pixels);
    const double Floor = Encode.Median() + Write.Median();
    std::printf("%s picture, %d x %d, %d runs: median (fastest .. slowest; quartiles)\n",
                Kind == TKind::ScreenLike ? "Screen-like" : "Photograph-like", Width, Height, Runs);
    PrintTimes("the save: TJPEGImage.SaveToFile", Save);
    PrintTimes("floor: libjpeg into memory", Encode);
    PrintTimes("floor: writing the bytes", Write);
    PrintTimes("TJPEGImage.Assign before it", Assign);
    PrintTimes("capture window: Assign + SaveToFile", Product);
    std::printf("  ratio of the save to encoding + writing: %.3f (goal <= 1.10)\n",
                Save.Median() / Floor);
    std::printf("  ratio with Assign's copy of the picture: %.3f   file: %zu bytes\n",
                Product.Median() / Floor, Ours.size());
    const bool SameAsFloor = Ours == FloorBytes;
    const char* CjpegCheck = Theirs.empty()   ? "cjpeg could not be run"
                             : Theirs == Ours ? "identical"
                                              : "DIFFERENT";
    std::printf("  file vs floor's bytes: %s; vs cjpeg -quality 90 -dct float: %s\n\n",
                SameAsFloor ? "identical" : "DIFFERENT", CjpegCheck);
    DeleteFileW(Utf8ToWide(OursPath).c_str());
    DeleteFileW(Utf8ToWide(FloorPath).c_str());
    return SameAsFloor && !Theirs.empty() && Theirs == Ours;
}

} // namespace

int main(int argc, char** argv) {
    const int Runs = argc > 1 ? std::max(std::atoi(argv[1]), 1) : 31;
    const std::string Cjpeg = HostPath(argc > 2 ? argv[2] : SNAPVALE_CJPEG);
    bool Same = true;
    for (const auto& [Width, Height] : {std::pair{1280, 1024}, std::pair{1920, 1080}})
        for (TKind Kind : {TKind::ScreenLike, TKind::PhotoLike})
            Same = Measure(Kind, Width, Height, Runs, Cjpeg) && Same;
    return Same ? 0 : 1;
}
