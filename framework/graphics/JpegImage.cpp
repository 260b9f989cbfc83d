#include "framework/graphics/JpegImage.h"

#include "framework/core/Streams.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Picture.h"

#include <algorithm>
#include <cstddef>

namespace {

// Files beyond this size are refused rather than read into memory.
constexpr int64_t MaxJpegFileSize = 256 * 1024 * 1024;

// A 24- or 32-bit DIB: the encoder reads its rows where they are.
TJpegData CompressRows(TBitmap& Source, const TJpegSettings& Settings) {
    const int Height = Source.Height();
    const auto* Rows = static_cast<const uint8_t*>(Source.ScanLine(0));
    const int Stride = Source.Stride();
    const TJpegPixels Pixels =
        Source.PixelFormat() == TPixelFormat::pf24bit ? TJpegPixels::Bgr24 : TJpegPixels::Bgrx32;
    return CompressJpeg(
        Source.Width(), Height, Pixels,
        [&](int FirstRow, int& Count, int& RowStride) {
            Count = Height - FirstRow;
            RowStride = Stride;
            return Rows + ptrdiff_t(FirstRow) * Stride;
        },
        Settings);
}

// A device-dependent bitmap (a capture) or a DIB of another depth: its rows are copied a
// band at a time into a small 32-bit DIB that stays in the cache, rather than the whole
// picture into a converted copy that the encoder would then read again.
TJpegData CompressInBands(TBitmap& Source, const TJpegSettings& Settings) {
    constexpr int BandRows = 16; // one row of blocks with 4:2:0 subsampling
    const int Width = Source.Width();
    const int Height = Source.Height();
    TBitmap Band;
    Band.SetPixelFormat(TPixelFormat::pf32bit);
    Band.SetSize(Width, std::min(BandRows, Height));
    const HDC From = Source.Canvas()->Handle();
    const HDC To = Band.Canvas()->Handle();
    return CompressJpeg(
        Width, Height, TJpegPixels::Bgrx32,
        [&](int FirstRow, int& Count, int& Stride) {
            Count = std::min(BandRows, Height - FirstRow);
            if (!BitBlt(To, 0, 0, Width, Count, From, 0, FirstRow, SRCCOPY))
                throw EOutOfResources("Out of system resources");
            Stride = Band.Stride();
            return static_cast<const uint8_t*>(Band.ScanLine(0));
        },
        Settings);
}

} // namespace

const TClassOf<TJPEGImage> TJPEGImage::Class{"TJPEGImage", TGraphic::Class};

TJPEGImage::TJPEGImage() = default;

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::SetPicture(std::unique_ptr<TBitmap> Picture, TJpegData Data) {
    FBitmap = std::move(Picture);
    FData = std::move(Data);
    Changed();
}

void TJPEGImage::Assign(TPersistent* Source) {
    if (!Source) {
        SetPicture(nullptr, {});
    } else if (auto* Other = dynamic_cast<TJPEGImage*>(Source)) {
        if (Other == this)
            return;
        FCompressionQuality = Other->FCompressionQuality;
        FGrayscale = Other->FGrayscale;
        FProgressiveEncoding = Other->FProgressiveEncoding;
        std::unique_ptr<TBitmap> Copy;
        if (Other->FBitmap) {
            Copy = std::make_unique<TBitmap>();
            Copy->Assign(Other->FBitmap.get());
        }
        SetPicture(std::move(Copy), Other->FData);
    } else if (auto* Bitmap = dynamic_cast<TBitmap*>(Source)) {
        auto Copy = std::make_unique<TBitmap>();
        Copy->Assign(Bitmap);
        SetPicture(Copy->Empty() ? nullptr : std::move(Copy), {});
    } else if (auto* Picture = dynamic_cast<TPicture*>(Source)) {
        Assign(Picture->Graphic());
    } else {
        TGraphic::Assign(Source);
    }
}

bool TJPEGImage::Empty() const {
    return !FBitmap || FBitmap->Empty();
}

int TJPEGImage::Width() const {
    return FBitmap ? FBitmap->Width() : 0;
}

int TJPEGImage::Height() const {
    return FBitmap ? FBitmap->Height() : 0;
}

void TJPEGImage::SetWidth(int) {
    throw EInvalidGraphic("Cannot change the size of a JPEG image");
}

void TJPEGImage::SetHeight(int) {
    throw EInvalidGraphic("Cannot change the size of a JPEG image");
}

void TJPEGImage::SettingsChanged() {
    FData.clear();
}

void TJPEGImage::SetCompressionQuality(int Value) {
    Value = std::clamp(Value, 1, 100);
    if (Value == FCompressionQuality)
        return;
    FCompressionQuality = Value;
    SettingsChanged();
}

void TJPEGImage::SetGrayscale(bool Value) {
    if (Value == FGrayscale)
        return;
    FGrayscale = Value;
    SettingsChanged();
}

void TJPEGImage::SetProgressiveEncoding(bool Value) {
    if (Value == FProgressiveEncoding)
        return;
    FProgressiveEncoding = Value;
    SettingsChanged();
}

void TJPEGImage::Compress() {
    if (Empty())
        throw EInvalidGraphic("Cannot save an empty JPEG image");
    TJpegSettings Settings;
    Settings.Quality = FCompressionQuality;
    Settings.Grayscale = FGrayscale;
    Settings.Progressive = FProgressiveEncoding;
    const TPixelFormat Format = FBitmap->PixelFormat();
    const bool Direct = FBitmap->HandleType() == TBitmapHandleType::bmDIB &&
                        (Format == TPixelFormat::pf24bit || Format == TPixelFormat::pf32bit);
    FData = Direct ? CompressRows(*FBitmap, Settings) : CompressInBands(*FBitmap, Settings);
}

void TJPEGImage::LoadFromStream(TStream& Stream) {
    const int64_t Available = Stream.Size() - Stream.Position();
    if (Available <= 0 || Available > MaxJpegFileSize)
        throw EInvalidGraphic("JPEG image is not valid");
    TJpegData Data(static_cast<size_t>(Available));
    Stream.ReadBuffer(Data.data(), int32_t(Data.size()));
    auto Decoded = std::make_unique<TBitmap>();
    Decoded->SetPixelFormat(TPixelFormat::pf24bit);
    DecompressJpeg(Data.data(), Data.size(), [&Decoded](int Width, int Height, int& Stride) {
        Decoded->SetSize(Width, Height);
        auto* First = static_cast<uint8_t*>(Decoded->ScanLine(0));
        Stride = Decoded->Stride();
        return First;
    });
    SetPicture(std::move(Decoded), std::move(Data));
}

void TJPEGImage::SaveToStream(TStream& Stream) {
    if (FData.empty())
        Compress();
    Stream.WriteBuffer(FData.data(), int32_t(FData.size()));
}

void TJPEGImage::SaveToFile(const std::string& FileName) {
    if (FData.empty())
        Compress();
    TFileStream File(FileName, fmCreate);
    SaveToStream(File);
}

void TJPEGImage::Draw(TCanvas& Canvas, const RECT& Rect) {
    Canvas.StretchDraw(Rect, FBitmap.get());
}
