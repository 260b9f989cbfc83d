// TBitmap: a host bitmap with a canvas. A new bitmap is device-dependent at the screen's
// depth; asking for a pixel format (or a DIB handle type) makes it a device-independent
// section whose rows can be reached directly (ScanLine). Resizing keeps the picture where
// the sizes overlap (new pixels are white). Bitmaps load and save Windows bitmap files.
#pragma once

#include "framework/graphics/GdiHandles.h"
#include "framework/graphics/Graphic.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TDibLayout;

enum class TBitmapHandleType : uint8_t { bmDIB, bmDDB };
enum class TPixelFormat : uint8_t {
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit
};

class TBitmapCanvas;

class TBitmap : public TGraphic {
public:
    static const TClassOf<TBitmap> Class;
    const TClass& ClassType() const override { return Class; }

    TBitmap();
    ~TBitmap() override;

    // Copies another bitmap (size, handle type, pixel format, colours and pixels), draws any
    // other graphic onto a white bitmap of its size, takes a picture's graphic; nullptr
    // empties the bitmap.
    void Assign(TPersistent* Source) override;

    bool Empty() const override { return !FHandle; }
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetWidth(int Value) override { SetSize(Value, FHeight); }
    void SetHeight(int Value) override { SetSize(FWidth, Value); }
    void SetSize(int AWidth, int AHeight) override;

    // The canvas draws on the bitmap through a memory device context of its own.
    TCanvas* Canvas();

    // The host bitmap (nullptr when empty); the bitmap keeps owning it.
    HBITMAP Handle() const { return FHandle.Get(); }
    // Takes ownership of a host bitmap and reads size and format from it.
    void SetHandle(HBITMAP Value);
    TBitmapHandleType HandleType() const { return FHandleType; }
    void SetHandleType(TBitmapHandleType Value);
    // pfDevice for a device-dependent bitmap.
    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat Value);
    // The colour table of a 1, 4 or 8 bits per pixel bitmap.
    const std::vector<RGBQUAD>& Colors() const { return FColors; }

    // The pixels of row Row (0 the top one); a device-dependent bitmap becomes a DIB first.
    // Raises EInvalidGraphic "Scan line index out of range" outside the bitmap.
    void* ScanLine(int Row);
    // Bytes from one row of a DIB to the next; 0 for a device-dependent or empty bitmap.
    int Stride() const { return FStride; }

    void LoadFromStream(TStream& Stream) override;
    // A Windows bitmap file in the bitmap's own depth (a device-dependent bitmap in 24 or,
    // on a 32-bit screen, 32 bits per pixel).
    void SaveToStream(TStream& Stream) override;
    // RT_BITMAP resources of the module; a missing one raises EResNotFound.
    void LoadFromResourceName(HINSTANCE Instance, const std::string& ResourceName);
    void LoadFromResourceID(HINSTANCE Instance, int ResourceID);

    // The pixel format a DIB at the screen's depth has.
    static TPixelFormat ScreenPixelFormat();

protected:
    void Draw(TCanvas& Canvas, const RECT& Rect) override;
    // Layouts store the size of the file, then the file.
    void ReadData(TStream& Stream) override;
    void WriteData(TStream& Stream) override;

private:
    friend class TBitmapCanvas;

    // Replaces the image by a new one of the given layout, white, with as much of Source's
    // picture as fits copied in (Source may be this bitmap). Raises OnChange.
    void Reallocate(int AWidth, int AHeight, TBitmapHandleType Type, TPixelFormat Format,
                    std::vector<RGBQUAD> Colors, TBitmap* Source);
    void LoadPackedDib(const uint8_t* Data, const TDibLayout& Layout);
    void FreeCanvasContext();
    void CanvasChanged(TObject* Sender);

    TGdiObject<HBITMAP> FHandle;
    int FWidth = 0;
    int FHeight = 0;
    TBitmapHandleType FHandleType = TBitmapHandleType::bmDDB;
    TPixelFormat FPixelFormat = TPixelFormat::pfDevice;
    std::vector<RGBQUAD> FColors;
    uint8_t* FBits = nullptr; // the rows of a DIB, top row first
    int FStride = 0;
    std::unique_ptr<TBitmapCanvas> FCanvas;
};
