#include "GraphicsTestSupport.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinApi.h"

#include <fstream>
#include <iterator>

std::unique_ptr<TBitmap> MakeDibBitmap(int Width, int Height, TColor Color, TPixelFormat Format) {
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetPixelFormat(Format);
    Bitmap->SetSize(Width, Height);
    Bitmap->Canvas()->Brush()->SetColor(Color);
    Bitmap->Canvas()->FillRect(RECT{0, 0, Width, Height});
    return Bitmap;
}

TColor PixelAt(TBitmap& Bitmap, int X, int Y) {
    const auto* Row = static_cast<const uint8_t*>(Bitmap.ScanLine(Y));
    const int Bytes = Bitmap.PixelFormat() == TPixelFormat::pf32bit ? 4 : 3;
    const uint8_t* Pixel = Row + X * Bytes;
    return RGBColor(Pixel[2], Pixel[1], Pixel[0]);
}

void FillPattern(TBitmap& Bitmap, uint32_t Seed) {
    const int Bytes = Bitmap.PixelFormat() == TPixelFormat::pf32bit ? 4 : 3;
    uint32_t State = Seed;
    for (int Y = 0; Y < Bitmap.Height(); ++Y) {
        auto* Row = static_cast<uint8_t*>(Bitmap.ScanLine(Y));
        for (int X = 0; X < Bitmap.Width() * Bytes; ++X) {
            State = State * 1664525u + 1013904223u;
            Row[X] = uint8_t(State >> 24);
        }
    }
}

bool SamePixels(TBitmap& A, TBitmap& B) {
    if (A.Width() != B.Width() || A.Height() != B.Height())
        return false;
    for (int Y = 0; Y < A.Height(); ++Y)
        for (int X = 0; X < A.Width(); ++X)
            if (PixelAt(A, X, Y) != PixelAt(B, X, Y))
                return false;
    return true;
}

std::string TempFilePath(const std::string& Name) {
    wchar_t Folder[MAX_PATH];
    const DWORD Length = GetTempPathW(MAX_PATH, Folder);
    return WideToUtf8(std::wstring(Folder, Length)) + "snapvale-graphics-" + Name;
}

std::vector<uint8_t> FileBytes(const std::string& Path) {
    std::ifstream File(Path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(File), {});
}
