#include "framework/windows/ImageLists.h"

#include "framework/core/Properties.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/DibSection.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

using P = TPublished<TImageList>;
const TPropertyTable ImageListProperties{
    P::Integer("Width", &TImageList::Width, &TImageList::SetWidth, 16),
    P::Integer("Height", &TImageList::Height, &TImageList::SetHeight, 16),
};

constexpr uint32_t RgbMask = 0x00FFFFFF;
constexpr uint32_t Opaque = 0xFF000000;
constexpr uint32_t White = 0x00FFFFFF;

uint32_t AlphaOf(uint32_t Pixel) {
    return Pixel >> 24;
}

// A framework colour as the section's 0x00RRGGBB.
uint32_t PixelOf(TColor Color) {
    const auto Rgb = static_cast<uint32_t>(ColorToRGB(Color));
    return (Rgb & 0xFF) << 16 | (Rgb & 0xFF00) | (Rgb >> 16 & 0xFF);
}

// The pixels of Image with their opacity: a 32-bit image keeps the alpha it uses, every
// other image is opaque.
std::unique_ptr<TDibSection> ReadPixels(TBitmap& Image) {
    auto Pixels = std::make_unique<TDibSection>(Image.Width(), Image.Height());
    bool HasAlpha = false;
    if (Image.PixelFormat() == TPixelFormat::pf32bit) {
        for (int Y = 0; Y < Image.Height(); ++Y) {
            std::memcpy(&Pixels->Pixel(0, Y), Image.ScanLine(Y),
                        static_cast<size_t>(Image.Width()) * sizeof(uint32_t));
            for (int X = 0; X < Image.Width(); ++X)
                HasAlpha = HasAlpha || AlphaOf(Pixels->Pixel(X, Y)) != 0;
        }
    } else {
        Pixels->CopyFrom(Image.Canvas()->Handle(), 0, 0);
    }
    if (!HasAlpha)
        for (int Y = 0; Y < Image.Height(); ++Y)
            for (int X = 0; X < Image.Width(); ++X)
                Pixels->Pixel(X, Y) |= Opaque;
    return Pixels;
}

// Makes transparent every pixel for which IsTransparent(X, Y, Pixel) answers True.
template <class F> void MakeTransparent(TDibSection& Pixels, F IsTransparent) {
    for (int Y = 0; Y < Pixels.Height(); ++Y)
        for (int X = 0; X < Pixels.Width(); ++X)
            if (IsTransparent(X, Y, Pixels.Pixel(X, Y)))
                Pixels.Pixel(X, Y) = 0;
}

uint8_t Channel(uint32_t Pixel, int Shift) {
    return static_cast<uint8_t>(Pixel >> Shift);
}

// Source over Dest with the source's alpha, rounded to the nearest value. Dest keeps its own
// alpha: drawing on a 32-bit bitmap does not change where that bitmap is transparent.
uint32_t Blend(uint32_t Source, uint32_t Dest) {
    const uint32_t Alpha = AlphaOf(Source);
    uint32_t Result = Dest & ~RgbMask;
    for (int Shift = 0; Shift < 24; Shift += 8) {
        const uint32_t Mixed =
            (Channel(Source, Shift) * Alpha + Channel(Dest, Shift) * (255 - Alpha) + 127) / 255;
        Result |= Mixed << Shift;
    }
    return Result;
}

// The part of a picture a disabled picture shows: its visible pixels that are not white.
bool InEmbossShape(uint32_t Pixel) {
    return AlphaOf(Pixel) >= 128 && (Pixel & RgbMask) != White;
}

} // namespace

const TComponentClassOf<TCustomImageList> TCustomImageList::Class{"TCustomImageList",
                                                                  TComponent::Class};
const TComponentClassOf<TImageList> TImageList::Class{"TImageList", TCustomImageList::Class,
                                                      &ImageListProperties};

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

void TCustomImageList::SetSize(int AWidth, int AHeight) {
    if (AWidth < 1 || AHeight < 1)
        throw EInvalidOperation("Invalid image size");
    if (AWidth == FWidth && AHeight == FHeight)
        return;
    FWidth = AWidth;
    FHeight = AHeight;
    Clear();
}

void TCustomImageList::Clear() {
    FImages.clear();
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
    if (!Image || Image->Empty())
        return -1;
    const auto Pixels = ReadPixels(*Image);
    if (Mask && !Mask->Empty()) {
        const auto MaskPixels = ReadPixels(*Mask);
        MakeTransparent(*Pixels, [&](int X, int Y, uint32_t) {
            return X < MaskPixels->Width() && Y < MaskPixels->Height() &&
                   (MaskPixels->Pixel(X, Y) & RgbMask) != 0;
        });
    }
    return AddStrip(*Pixels);
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
    if (!Image || Image->Empty())
        return -1;
    const auto Pixels = ReadPixels(*Image);
    const uint32_t Key = PixelOf(MaskColor);
    MakeTransparent(*Pixels, [Key](int, int, uint32_t Pixel) { return (Pixel & RgbMask) == Key; });
    return AddStrip(*Pixels);
}

int TCustomImageList::AddStrip(TDibSection& Strip) {
    const int First = Count();
    const int Pictures = std::max(1, Strip.Width() / FWidth);
    for (int I = 0; I < Pictures; ++I) {
        TPicture Picture(static_cast<size_t>(FWidth) * static_cast<size_t>(FHeight), 0);
        const int Left = I * FWidth;
        const int Columns = std::min(FWidth, Strip.Width() - Left);
        for (int Y = 0; Y < std::min(FHeight, Strip.Height()); ++Y)
            std::copy_n(&Strip.Pixel(Left, Y), Columns,
                        Picture.begin() + static_cast<ptrdiff_t>(Y) * FWidth);
        FImages.push_back(std::move(Picture));
    }
    return First;
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) const {
    if (!Canvas || Index < 0 || Index >= Count())
        return;
    const TPicture& Picture = FImages[static_cast<size_t>(Index)];
    if (Enabled)
        DrawEnabled(Canvas->Handle(), X, Y, Picture);
    else
        DrawDisabled(Canvas->Handle(), X, Y, Picture);
}

void TCustomImageList::DrawEnabled(HDC DC, int X, int Y, const TPicture& Picture) const {
    TDibSection Area(FWidth, FHeight);
    Area.CopyFrom(DC, X, Y);
    auto Source = Picture.begin();
    for (int Row = 0; Row < FHeight; ++Row)
        for (int Column = 0; Column < FWidth; ++Column, ++Source)
            Area.Pixel(Column, Row) = Blend(*Source, Area.Pixel(Column, Row));
    Area.CopyTo(DC, X, Y);
}

void TCustomImageList::DrawDisabled(HDC DC, int X, int Y, const TPicture& Picture) const {
    TDibSection Area(FWidth + 1, FHeight + 1);
    Area.CopyFrom(DC, X, Y);
    const auto Paint = [&](int Offset, uint32_t Color) {
        auto Source = Picture.begin();
        for (int Row = 0; Row < FHeight; ++Row)
            for (int Column = 0; Column < FWidth; ++Column, ++Source)
                if (InEmbossShape(*Source)) {
                    uint32_t& Pixel = Area.Pixel(Column + Offset, Row + Offset);
                    Pixel = (Pixel & ~RgbMask) | Color;
                }
    };
    Paint(1, PixelOf(clBtnHighlight));
    Paint(0, PixelOf(clBtnShadow));
    Area.CopyTo(DC, X, Y);
}

bool TCustomImageList::GetBitmap(int Index, TBitmap* Image) const {
    if (!Image || Index < 0 || Index >= Count())
        return false;
    Image->SetPixelFormat(TPixelFormat::pf32bit);
    Image->SetSize(FWidth, FHeight);
    const TPicture& Picture = FImages[static_cast<size_t>(Index)];
    for (int Y = 0; Y < FHeight; ++Y)
        std::memcpy(Image->ScanLine(Y), Picture.data() + static_cast<size_t>(Y) * FWidth,
                    static_cast<size_t>(FWidth) * sizeof(uint32_t));
    return true;
}
