// Times saving a 1920 x 1080 picture as a JPEG file through TJPEGImage (quality 90,
// floating-point DCT, as the capture window saves) and, in the same run, libjpeg's cjpeg
// with "-quality 90 -dct float" on the same pixels written as a BMP file. cjpeg's own
// start-up is measured on a tiny picture and taken off its time. Reports both times and
// their ratio; the goal is a ratio of at most 1.15.
//   bench_jpeg [path of cjpeg.exe]
#include "framework/core/TextConv.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/JpegImage.h"
#include "framework/graphics/WinApi.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr int Runs = 7;

double Seconds() {
    static const double Frequency = [] {
        LARGE_INTEGER Value;
        QueryPerformanceFrequency(&Value);
        return double(Value.QuadPart);
    }();
    LARGE_INTEGER Now;
    QueryPerformanceCounter(&Now);
    return double(Now.QuadPart) / Frequency;
}

template <class F> double BestOf(F Operation) {
    double Best = 1e9;
    for (int Run = 0; Run < Runs; ++Run) {
        const double Start = Seconds();
        Operation();
        Best = std::min(Best, Seconds() - Start);
    }
    return Best;
}

// Something like a screen: flat panels, gradients, text-like detail.
void PaintScreenLikePicture(TBitmap& Picture) {
    Picture.SetPixelFormat(TPixelFormat::pf24bit);
    Picture.SetSize(Width, Height);
    uint32_t Noise = 12345;
    for (int Y = 0; Y < Height; ++Y) {
        auto* Row = static_cast<uint8_t*>(Picture.ScanLine(Y));
        for (int X = 0; X < Width; ++X) {
            Noise = Noise * 1664525u + 1013904223u;
            const bool Panel = (X / 240 + Y / 180) % 2 == 0;
            const bool Detail = (X % 9 < 2 && Y % 14 < 9) && (Noise >> 28) > 6;
            uint8_t* Pixel = Row + X * 3;
            Pixel[0] = Detail ? 20 : uint8_t(Panel ? 230 : X * 255 / Width);
            Pixel[1] = Detail ? 20 : uint8_t(Panel ? 225 : Y * 255 / Height);
            Pixel[2] = Detail ? 20 : uint8_t(Panel ? 220 : 128 + (Noise >> 29));
        }
    }
    // As a capture holds it: a device-dependent bitmap at the screen's depth.
    Picture.SetHandleType(TBitmapHandleType::bmDDB);
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

long FileSize(const std::string& Path) {
    WIN32_FILE_ATTRIBUTE_DATA Data{};
    if (!GetFileAttributesExW(Utf8ToWide(Path).c_str(), GetFileExInfoStandard, &Data))
        return -1;
    return long(Data.nFileSizeLow);
}

} // namespace

int main(int argc, char** argv) {
    const std::string Cjpeg = HostPath(argc > 1 ? argv[1] : SNAPVALE_CJPEG);
    const std::string BmpPath = TempPath("snapvale-bench.bmp");
    const std::string TinyPath = TempPath("snapvale-bench-tiny.bmp");
    const std::string OursPath = TempPath("snapvale-bench-ours.jpg");
    const std::string TheirsPath = TempPath("snapvale-bench-cjpeg.jpg");

    TBitmap Picture;
    PaintScreenLikePicture(Picture);
    {
        TBitmap Pixels;
        Pixels.Assign(&Picture);
        Pixels.SetPixelFormat(TPixelFormat::pf24bit);
        Pixels.SaveToFile(BmpPath);
        Pixels.SetSize(8, 8);
        Pixels.SaveToFile(TinyPath);
    }

    // What the capture window does on "save as JPEG": a fresh image object each time.
    const double Ours = BestOf([&] {
        TJPEGImage Image;
        Image.Assign(&Picture);
        Image.SaveToFile(OursPath);
    });

    const std::string Options = "\"" + Cjpeg + "\" -quality 90 -dct float -outfile ";
    bool CjpegRan = true;
    const double Startup = BestOf([&] {
        CjpegRan = RunAndWait(Options + "\"" + TempPath("snapvale-bench-tiny.jpg") + "\" \"" +
                              TinyPath + "\"") &&
                   CjpegRan;
    });
    const double Whole = BestOf([&] {
        CjpegRan = RunAndWait(Options + "\"" + TheirsPath + "\" \"" + BmpPath + "\"") && CjpegRan;
    });
    if (!CjpegRan) {
        std::printf("cjpeg could not be run: %s\n", Cjpeg.c_str());
        return 1;
    }
    const double Theirs = std::max(Whole - Startup, 1e-6);

    std::printf("JPEG save of a %d x %d picture, best of %d runs\n", Width, Height, Runs);
    std::printf("  TJPEGImage.SaveToFile: %8.2f ms  (%ld bytes)\n", Ours * 1000,
                FileSize(OursPath));
    std::printf("  cjpeg -quality 90 -dct float: %8.2f ms  (%ld bytes; %.2f ms with its "
                "start-up of %.2f ms)\n",
                Theirs * 1000, FileSize(TheirsPath), Whole * 1000, Startup * 1000);
    std::printf("  ratio: %.3f (goal <= 1.15)\n", Ours / Theirs);
    for (const std::string& Path :
         {BmpPath, TinyPath, OursPath, TheirsPath, TempPath("snapvale-bench-tiny.jpg")})
        DeleteFileW(Utf8ToWide(Path).c_str());
    return 0;
}
