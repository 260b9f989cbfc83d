// TJPEGImage: a picture kept as JPEG data. Assigning a bitmap stores a copy of it; saving
// compresses that copy with the image's settings (quality 90, colour, baseline by default),
// floating-point DCT, as one JFIF file, reading each pixel once: the rows of a 24- or 32-bit
// DIB as they are, any other bitmap in bands of 32-bit rows. Loading decodes the data into
// a 24-bit bitmap, which is what drawing and assigning to a bitmap use.
#pragma once

#include "framework/graphics/Graphic.h"
#include "framework/graphics/JpegCodec.h"

#include <memory>
#include <string>

class TBitmap;

class TJPEGImage : public TGraphic {
public:
    static const TClassOf<TJPEGImage> Class;
    const TClass& ClassType() const override { return Class; }

    TJPEGImage();
    ~TJPEGImage() override;

    // Takes a copy of a bitmap (or of a picture's graphic) or of another JPEG image;
    // nullptr empties the image.
    void Assign(TPersistent* Source) override;

    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    // Raise EInvalidGraphic "Cannot change the size of a JPEG image".
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;

    int CompressionQuality() const { return FCompressionQuality; }
    // 1..100; a change drops data compressed with the previous settings.
    void SetCompressionQuality(int Value);
    bool Grayscale() const { return FGrayscale; }
    void SetGrayscale(bool Value);
    bool ProgressiveEncoding() const { return FProgressiveEncoding; }
    void SetProgressiveEncoding(bool Value);

    // Compresses the picture now (saving does so when there is no data yet).
    void Compress();
    // The picture; nullptr when empty.
    TBitmap* Bitmap() const { return FBitmap.get(); }

    // Reads one JPEG file: the rest of the stream.
    void LoadFromStream(TStream& Stream) override;
    // Writes the compressed data; the stream is written only once compression succeeded.
    void SaveToStream(TStream& Stream) override;
    // Compresses first, then writes the data to the file without another copy of it.
    void SaveToFile(const std::string& FileName) override;

protected:
    void Draw(TCanvas& Canvas, const RECT& Rect) override;

private:
    void SetPicture(std::unique_ptr<TBitmap> Picture, TJpegData Data);
    void SettingsChanged();

    std::unique_ptr<TBitmap> FBitmap;
    TJpegData FData; // empty until compressed or loaded
    int FCompressionQuality = 90;
    bool FGrayscale = false;
    bool FProgressiveEncoding = false;
};
