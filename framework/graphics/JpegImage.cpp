#include "framework/graphics/JpegImage.h"

#include "framework/core/Streams.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/JpegCodec.h"
#include "framework/graphics/Picture.h"

#include <algorithm>

namespace {

// Files beyond this size are refused rather than read into memory.
constexpr int64_t MaxJpegFileSize = 256 * 1024 * 1024;

} // namespace

const TClassOf<TJPEGImage> TJPEGImage::Class{"TJPEGImage", TGraphic::Class};

TJPEGImage::TJPEGImage() = default;

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::SetPicture(std::unique_ptr<TBitmap> Picture, std::vector<uint8_t> Data) {
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
    // The encoder takes 24-bit rows: a bitmap of any other layout is converted in a copy.
    TBitmap* Source = FBitmap.get();
    TBitmap Converted;
    if (Source->HandleType() != TBitmapHandleType::bmDIB ||
        Source->PixelFormat() != TPixelFormat::pf24bit) {
        Converted.Assign(Source);
        Converted.SetPixelFormat(TPixelFormat::pf24bit);
        Source = &Converted;
    }
    const auto* Rows = static_cast<const uint8_t*>(Source->ScanLine(0));
    const int Stride = Source->Stride();
    TJpegSettings Settings;
    Settings.Quality = FCompressionQuality;
    Settings.Grayscale = FGrayscale;
    Settings.Progressive = FProgressiveEncoding;
    FData = CompressJpeg(Rows, Source->Width(), Source->Height(), Stride, Settings);
}

void TJPEGImage::LoadFromStream(TStream& Stream) {
    const int64_t Available = Stream.Size() - Stream.Position();
    if (Available <= 0 || Available > MaxJpegFileSize)
        throw EInvalidGraphic("JPEG image is not valid");
    std::vector<uint8_t> Data(static_cast<size_t>(Available));
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

void TJPEGImage::Draw(TCanvas& Canvas, const RECT& Rect) {
    Canvas.StretchDraw(Rect, FBitmap.get());
}
