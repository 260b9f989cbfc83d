#include "framework/graphics/Bitmap.h"

#include "framework/core/Streams.h"
#include "framework/core/TextConv.h"
#include "framework/graphics/BitmapFile.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Picture.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

[[noreturn]] void RaiseOutOfResources() {
    throw EOutOfResources("Out of system resources");
}

int BitsPerPixel(TPixelFormat Format) {
    switch (Format) {
    case TPixelFormat::pf1bit:
        return 1;
    case TPixelFormat::pf4bit:
        return 4;
    case TPixelFormat::pf8bit:
        return 8;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit:
        return 16;
    case TPixelFormat::pf24bit:
        return 24;
    case TPixelFormat::pf32bit:
        return 32;
    case TPixelFormat::pfDevice:
        break;
    }
    return BitsPerPixel(TBitmap::ScreenPixelFormat());
}

TPixelFormat FormatOfBits(int Bits, bool Rgb565) {
    switch (Bits) {
    case 1:
        return TPixelFormat::pf1bit;
    case 4:
        return TPixelFormat::pf4bit;
    case 8:
        return TPixelFormat::pf8bit;
    case 15:
        return TPixelFormat::pf15bit;
    case 16:
        return Rgb565 ? TPixelFormat::pf16bit : TPixelFormat::pf15bit;
    case 24:
        return TPixelFormat::pf24bit;
    case 32:
        return TPixelFormat::pf32bit;
    default:
        throw EInvalidGraphic("Bitmap image is not valid");
    }
}

RGBQUAD Quad(int Red, int Green, int Blue) {
    return RGBQUAD{BYTE(Blue), BYTE(Green), BYTE(Red), 0};
}

// The colours a new palette bitmap gets: black and white; the sixteen standard colours; a
// 6 x 6 x 6 colour cube and 40 greys.
std::vector<RGBQUAD> DefaultColors(int Bits) {
    std::vector<RGBQUAD> Colors;
    if (Bits == 1) {
        Colors = {Quad(0, 0, 0), Quad(255, 255, 255)};
    } else if (Bits == 4) {
        Colors = {Quad(0, 0, 0),       Quad(128, 0, 0),   Quad(0, 128, 0),   Quad(128, 128, 0),
                  Quad(0, 0, 128),     Quad(128, 0, 128), Quad(0, 128, 128), Quad(192, 192, 192),
                  Quad(128, 128, 128), Quad(255, 0, 0),   Quad(0, 255, 0),   Quad(255, 255, 0),
                  Quad(0, 0, 255),     Quad(255, 0, 255), Quad(0, 255, 255), Quad(255, 255, 255)};
    } else if (Bits == 8) {
        for (int Red = 0; Red < 6; ++Red)
            for (int Green = 0; Green < 6; ++Green)
                for (int Blue = 0; Blue < 6; ++Blue)
                    Colors.push_back(Quad(Red * 51, Green * 51, Blue * 51));
        for (int Grey = 0; Grey < 40; ++Grey)
            Colors.push_back(Quad(8 + Grey * 6, 8 + Grey * 6, 8 + Grey * 6));
    }
    return Colors;
}

bool SameColors(const std::vector<RGBQUAD>& A, const std::vector<RGBQUAD>& B) {
    return A.size() == B.size() &&
           (A.empty() || std::memcmp(A.data(), B.data(), A.size() * sizeof(RGBQUAD)) == 0);
}

struct TImageInfo {
    BITMAPINFOHEADER Header;
    RGBQUAD Colors[256];
};

struct TNewImage {
    TGdiObject<HBITMAP> Handle;
    uint8_t* Bits = nullptr;
    int Stride = 0;
};

TNewImage CreateImage(int Width, int Height, TBitmapHandleType Type, TPixelFormat Format,
                      const std::vector<RGBQUAD>& Colors) {
    TNewImage Result;
    if (Type == TBitmapHandleType::bmDDB) {
        const TScreenDC Screen;
        Result.Handle.Reset(CreateCompatibleBitmap(Screen.Get(), Width, Height));
    } else {
        TImageInfo Info{};
        Info.Header.biSize = sizeof(BITMAPINFOHEADER);
        Info.Header.biWidth = Width;
        Info.Header.biHeight = -Height; // top row first
        Info.Header.biPlanes = 1;
        Info.Header.biBitCount = WORD(BitsPerPixel(Format));
        Info.Header.biCompression = BI_RGB;
        if (Format == TPixelFormat::pf16bit) {
            static constexpr DWORD Masks[3] = {0xF800, 0x07E0, 0x001F};
            Info.Header.biCompression = BI_BITFIELDS;
            std::memcpy(Info.Colors, Masks, sizeof(Masks));
        } else if (!Colors.empty()) {
            Info.Header.biClrUsed = DWORD(Colors.size());
            std::memcpy(Info.Colors, Colors.data(), Colors.size() * sizeof(RGBQUAD));
        }
        void* Bits = nullptr;
        Result.Handle.Reset(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&Info),
                                             DIB_RGB_COLORS, &Bits, nullptr, 0));
        Result.Bits = static_cast<uint8_t*>(Bits);
        Result.Stride = DibStride(Width, Info.Header.biBitCount);
    }
    if (!Result.Handle)
        RaiseOutOfResources();
    return Result;
}

std::vector<RGBQUAD> ReadColorTable(HBITMAP Bitmap) {
    std::vector<RGBQUAD> Colors(256);
    const TMemoryDC DC;
    const TSelectedObject Selected(DC.Get(), Bitmap);
    Colors.resize(GetDIBColorTable(DC.Get(), 0, 256, Colors.data()));
    return Colors;
}

} // namespace

// The canvas of a bitmap: a memory device context of its own, made on first use, with the
// bitmap selected into it. The bitmap frees it before it changes its host bitmap.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& Owner) : FBitmap(Owner) {}
    ~TBitmapCanvas() override { FreeContext(); }

    void FreeContext() {
        if (!FDC)
            return;
        SetHandle(nullptr);
        if (FPreviousBitmap)
            SelectObject(FDC->Get(), FPreviousBitmap);
        FPreviousBitmap = nullptr;
        FDC.reset();
    }

protected:
    void CreateHandle() override {
        TMemoryDC DC;
        if (!DC)
            RaiseOutOfResources();
        if (FBitmap.FHandle) {
            FPreviousBitmap = SelectObject(DC.Get(), FBitmap.FHandle.Get());
            if (!FPreviousBitmap)
                RaiseOutOfResources();
        }
        FDC = std::move(DC);
        SetHandle(FDC->Get());
    }

private:
    TBitmap& FBitmap;
    std::optional<TMemoryDC> FDC;
    HGDIOBJ FPreviousBitmap = nullptr;
};

const TClassOf<TBitmap> TBitmap::Class{"TBitmap", TGraphic::Class};

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    FreeCanvasContext();
}

TPixelFormat TBitmap::ScreenPixelFormat() {
    const TScreenDC Screen;
    const int Bits = GetDeviceCaps(Screen.Get(), BITSPIXEL) * GetDeviceCaps(Screen.Get(), PLANES);
    return Bits == 16 ? TPixelFormat::pf16bit
           : Bits == 1 || Bits == 4 || Bits == 8 || Bits == 15 || Bits == 32
               ? FormatOfBits(Bits, false)
               : TPixelFormat::pf24bit;
}

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) {
        FCanvas = std::make_unique<TBitmapCanvas>(*this);
        FCanvas->OnChange = MakeEvent(this, &TBitmap::CanvasChanged);
    }
    return FCanvas.get();
}

void TBitmap::CanvasChanged(TObject*) {
    Changed();
}

void TBitmap::FreeCanvasContext() {
    if (FCanvas)
        FCanvas->FreeContext();
}

void TBitmap::Reallocate(int AWidth, int AHeight, TBitmapHandleType Type, TPixelFormat Format,
                         std::vector<RGBQUAD> Colors, TBitmap* Source) {
    if (Type == TBitmapHandleType::bmDIB && BitsPerPixel(Format) <= 8 && Colors.empty())
        Colors = DefaultColors(BitsPerPixel(Format));
    if (BitsPerPixel(Format) > 8 || Type == TBitmapHandleType::bmDDB)
        Colors.clear();

    TNewImage Image;
    if (AWidth > 0 && AHeight > 0) {
        Image = CreateImage(AWidth, AHeight, Type, Format, Colors);
        const TMemoryDC DC;
        if (!DC)
            RaiseOutOfResources();
        const TSelectedObject Selected(DC.Get(), Image.Handle.Get());
        const bool Covered =
            Source && !Source->Empty() && Source->FWidth >= AWidth && Source->FHeight >= AHeight;
        if (!Covered)
            PatBlt(DC.Get(), 0, 0, AWidth, AHeight, WHITENESS);
        if (Source && !Source->Empty()) {
            const int CopyHeight = std::min(AHeight, Source->FHeight);
            const bool SameLayout = Image.Bits && Source->FBits && Source->FWidth == AWidth &&
                                    Source->FPixelFormat == Format &&
                                    SameColors(Source->FColors, Colors);
            if (SameLayout) {
                // Whole rows, bytes as they are (the fourth byte of 32-bit pixels too).
                GdiFlush();
                std::memcpy(Image.Bits, Source->FBits, size_t(CopyHeight) * size_t(Image.Stride));
            } else {
                BitBlt(DC.Get(), 0, 0, std::min(AWidth, Source->FWidth), CopyHeight,
                       Source->Canvas()->Handle(), 0, 0, SRCCOPY);
            }
        }
    }
    FreeCanvasContext();
    FHandle = std::move(Image.Handle);
    FBits = Image.Bits;
    FStride = Image.Stride;
    FWidth = std::max(AWidth, 0);
    FHeight = std::max(AHeight, 0);
    FHandleType = Type;
    FPixelFormat = Type == TBitmapHandleType::bmDDB ? TPixelFormat::pfDevice : Format;
    FColors = std::move(Colors);
}

void TBitmap::Assign(TPersistent* Source) {
    if (!Source) {
        Reallocate(0, 0, FHandleType, FPixelFormat, FColors, nullptr);
        Changed();
    } else if (auto* Bitmap = dynamic_cast<TBitmap*>(Source)) {
        if (Bitmap == this)
            return;
        Reallocate(Bitmap->FWidth, Bitmap->FHeight, Bitmap->FHandleType, Bitmap->FPixelFormat,
                   Bitmap->FColors, Bitmap);
        Changed();
    } else if (auto* Picture = dynamic_cast<TPicture*>(Source)) {
        Assign(Picture->Graphic());
    } else if (auto* Graphic = dynamic_cast<TGraphic*>(Source)) {
        Reallocate(Graphic->Width(), Graphic->Height(), FHandleType, FPixelFormat, FColors,
                   nullptr);
        Canvas()->Draw(0, 0, Graphic);
        Changed();
    } else {
        TGraphic::Assign(Source);
    }
}

void TBitmap::SetSize(int AWidth, int AHeight) {
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == FWidth && AHeight == FHeight)
        return;
    Reallocate(AWidth, AHeight, FHandleType, FPixelFormat, FColors, this);
    Changed();
}

void TBitmap::SetHandleType(TBitmapHandleType Value) {
    if (Value == FHandleType)
        return;
    const TPixelFormat Format =
        Value == TBitmapHandleType::bmDDB ? TPixelFormat::pfDevice : ScreenPixelFormat();
    Reallocate(FWidth, FHeight, Value, Format, {}, this);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
    if (Value == FPixelFormat)
        return;
    if (Value == TPixelFormat::pfDevice) {
        SetHandleType(TBitmapHandleType::bmDDB);
        return;
    }
    Reallocate(FWidth, FHeight, TBitmapHandleType::bmDIB, Value, {}, this);
    Changed();
}

void TBitmap::SetHandle(HBITMAP Value) {
    DIBSECTION Section{};
    const int Size = Value ? GetObjectW(Value, sizeof(Section), &Section) : 0;
    if (Value && Size == 0)
        throw EInvalidGraphic("Bitmap image is not valid");
    FreeCanvasContext();
    FHandle.Reset(Value);
    FWidth = Value ? Section.dsBm.bmWidth : 0;
    FHeight = Value ? std::abs(Section.dsBm.bmHeight) : 0;
    FBits = nullptr;
    FStride = 0;
    FColors.clear();
    if (Value && Size == int(sizeof(DIBSECTION)) && Section.dsBm.bmBits) {
        FHandleType = TBitmapHandleType::bmDIB;
        FPixelFormat =
            FormatOfBits(Section.dsBmih.biBitCount, Section.dsBmih.biCompression == BI_BITFIELDS &&
                                                        Section.dsBitfields[1] == 0x07E0);
        if (Section.dsBmih.biBitCount <= 8)
            FColors = ReadColorTable(Value);
        if (Section.dsBmih.biHeight < 0) {
            FBits = static_cast<uint8_t*>(Section.dsBm.bmBits);
            FStride = Section.dsBm.bmWidthBytes;
        } else {
            // Rows bottom first: copied into a section of the usual top-first order.
            Reallocate(FWidth, FHeight, FHandleType, FPixelFormat, FColors, this);
        }
    } else {
        FHandleType = TBitmapHandleType::bmDDB;
        FPixelFormat = TPixelFormat::pfDevice;
    }
    Changed();
}

void* TBitmap::ScanLine(int Row) {
    if (FHandleType == TBitmapHandleType::bmDDB)
        SetHandleType(TBitmapHandleType::bmDIB);
    if (!FBits || Row < 0 || Row >= FHeight)
        throw EInvalidGraphic("Scan line index out of range");
    GdiFlush();
    return FBits + size_t(Row) * size_t(FStride);
}

void TBitmap::Draw(TCanvas& Canvas, const RECT& Rect) {
    const HDC Target = Canvas.Handle();
    const HDC Source = this->Canvas()->Handle();
    const int Width = Rect.right - Rect.left;
    const int Height = Rect.bottom - Rect.top;
    if (Width == FWidth && Height == FHeight) {
        BitBlt(Target, Rect.left, Rect.top, Width, Height, Source, 0, 0, Canvas.CopyMode());
        return;
    }
    const int PreviousMode = SetStretchBltMode(Target, COLORONCOLOR);
    StretchBlt(Target, Rect.left, Rect.top, Width, Height, Source, 0, 0, FWidth, FHeight,
               Canvas.CopyMode());
    SetStretchBltMode(Target, PreviousMode);
}

void TBitmap::LoadPackedDib(const uint8_t* Data, const TDibLayout& Layout) {
    const TPixelFormat Format = FormatOfBits(Layout.BitCount, Layout.Rgb565);
    Reallocate(Layout.Width, Layout.Height, TBitmapHandleType::bmDIB, Format, Layout.Colors,
               nullptr);
    for (int Row = 0; Row < Layout.Height; ++Row) {
        const int Stored = Layout.TopDown ? Row : Layout.Height - 1 - Row;
        std::memcpy(FBits + size_t(Row) * size_t(FStride),
                    Data + Layout.BitsOffset + size_t(Stored) * size_t(Layout.Stride),
                    size_t(Layout.Stride));
    }
    Changed();
}

void TBitmap::LoadFromStream(TStream& Stream) {
    TDibLayout Layout;
    const std::vector<uint8_t> Packed = ReadBitmapFile(Stream, Layout);
    LoadPackedDib(Packed.data(), Layout);
}

void TBitmap::SaveToStream(TStream& Stream) {
    if (Empty())
        throw EInvalidGraphic("Cannot save an empty bitmap");
    TDibLayout Layout;
    Layout.Width = FWidth;
    Layout.Height = FHeight;
    Layout.TopDown = true;
    if (FHandleType == TBitmapHandleType::bmDIB) {
        Layout.BitCount = BitsPerPixel(FPixelFormat);
        Layout.Rgb565 = FPixelFormat == TPixelFormat::pf16bit;
        Layout.Colors = FColors;
        Layout.Stride = FStride;
        GdiFlush();
        WriteBitmapFile(Stream, Layout, FBits);
        return;
    }
    // A device-dependent bitmap is read back through the host, which needs it deselected.
    BITMAP Info{};
    GetObjectW(FHandle.Get(), sizeof(Info), &Info);
    Layout.BitCount = Info.bmBitsPixel == 32 ? 32 : 24;
    Layout.Stride = DibStride(FWidth, Layout.BitCount);
    std::vector<uint8_t> Rows(size_t(Layout.Stride) * size_t(FHeight));
    BITMAPINFO Header{};
    Header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    Header.bmiHeader.biWidth = FWidth;
    Header.bmiHeader.biHeight = -FHeight;
    Header.bmiHeader.biPlanes = 1;
    Header.bmiHeader.biBitCount = WORD(Layout.BitCount);
    Header.bmiHeader.biCompression = BI_RGB;
    FreeCanvasContext();
    const TScreenDC Screen;
    if (GetDIBits(Screen.Get(), FHandle.Get(), 0, UINT(FHeight), Rows.data(), &Header,
                  DIB_RGB_COLORS) != FHeight)
        RaiseOutOfResources();
    WriteBitmapFile(Stream, Layout, Rows.data());
}

void TBitmap::ReadData(TStream& Stream) {
    int32_t Size = 0;
    Stream.ReadBuffer(&Size, sizeof(Size));
    if (Size <= 0)
        throw EInvalidGraphic("Bitmap image is not valid");
    TMemoryStream File;
    if (File.CopyFrom(Stream, Size) != Size)
        throw EInvalidGraphic("Bitmap image is not valid");
    File.SetPosition(0);
    LoadFromStream(File);
}

void TBitmap::WriteData(TStream& Stream) {
    TMemoryStream File;
    SaveToStream(File);
    const int32_t Size = int32_t(File.Size());
    Stream.WriteBuffer(&Size, sizeof(Size));
    File.SaveToStream(Stream);
}

namespace {

std::pair<const uint8_t*, size_t> FindBitmapResource(HINSTANCE Instance, const wchar_t* Name,
                                                     const std::string& DisplayName) {
    const HRSRC Resource = FindResourceW(Instance, Name, RT_BITMAP);
    const HGLOBAL Loaded = Resource ? LoadResource(Instance, Resource) : nullptr;
    const void* Data = Loaded ? LockResource(Loaded) : nullptr;
    if (!Data)
        throw EResNotFound("Resource " + DisplayName + " not found");
    return {static_cast<const uint8_t*>(Data), size_t(SizeofResource(Instance, Resource))};
}

} // namespace

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const std::string& ResourceName) {
    const std::wstring Name = Utf8ToWide(ResourceName);
    const auto [Data, Size] = FindBitmapResource(Instance, Name.c_str(), ResourceName);
    LoadPackedDib(Data, ParsePackedDib(Data, Size));
}

void TBitmap::LoadFromResourceID(HINSTANCE Instance, int ResourceID) {
    const auto [Data, Size] =
        FindBitmapResource(Instance, MAKEINTRESOURCEW(ResourceID), std::to_string(ResourceID));
    LoadPackedDib(Data, ParsePackedDib(Data, Size));
}
