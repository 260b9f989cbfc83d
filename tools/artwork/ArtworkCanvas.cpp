#include "tools/artwork/ArtworkCanvas.h"

#include <algorithm>

TCanvasRgb::TCanvasRgb(int Width, int Height, TRgb Background)
    : FWidth(Width), FHeight(Height), FPixels(Width * Height, Background) {}

void TCanvasRgb::Set(int X, int Y, TRgb Colour) {
    if (Contains(X, Y))
        At(X, Y) = Colour;
}

void TCanvasRgb::Blend(int X, int Y, TRgb Colour, int Alpha) {
    if (!Contains(X, Y) || Alpha <= 0)
        return;
    Alpha = std::min(Alpha, 255);
    TRgb& P = At(X, Y);
    P.R = (P.R * (255 - Alpha) + Colour.R * Alpha + 127) / 255;
    P.G = (P.G * (255 - Alpha) + Colour.G * Alpha + 127) / 255;
    P.B = (P.B * (255 - Alpha) + Colour.B * Alpha + 127) / 255;
}

TRgb Mix(TRgb A, TRgb B, int Step, int Steps) {
    if (Steps <= 0)
        return A;
    return {A.R + (B.R - A.R) * Step / Steps, A.G + (B.G - A.G) * Step / Steps,
            A.B + (B.B - A.B) * Step / Steps};
}

TRgb Lighter(TRgb Colour, int Delta) {
    return {std::clamp(Colour.R + Delta, 0, 255), std::clamp(Colour.G + Delta, 0, 255),
            std::clamp(Colour.B + Delta, 0, 255)};
}

void FillRect(TCanvasRgb& Canvas, int Left, int Top, int Right, int Bottom, TRgb Colour,
              int Alpha) {
    for (int Y = Top; Y < Bottom; ++Y)
        for (int X = Left; X < Right; ++X)
            Canvas.Blend(X, Y, Colour, Alpha);
}

void PutLe16(TArtworkBytes& Out, uint32_t V) {
    Out.push_back(V & 0xFF);
    Out.push_back((V >> 8) & 0xFF);
}

void PutLe32(TArtworkBytes& Out, uint32_t V) {
    PutLe16(Out, V & 0xFFFF);
    PutLe16(Out, V >> 16);
}

void PutInfoHeader(TArtworkBytes& Out, int Width, int Height, int BitCount, uint32_t ImageSize,
                   uint32_t ColoursUsed) {
    PutLe32(Out, 40);
    PutLe32(Out, static_cast<uint32_t>(Width));
    PutLe32(Out, static_cast<uint32_t>(Height));
    PutLe16(Out, 1);
    PutLe16(Out, BitCount);
    PutLe32(Out, 0); // BI_RGB
    PutLe32(Out, ImageSize);
    PutLe32(Out, 2835); // 72 dots per inch
    PutLe32(Out, 2835);
    PutLe32(Out, ColoursUsed);
    PutLe32(Out, 0);
}

uint8_t Channel(int V) {
    return static_cast<uint8_t>(std::clamp(V, 0, 255));
}

const TArtworkPalette& StandardPalette16() {
    static const TArtworkPalette Palette{
        {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
        {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
        {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
    return Palette;
}

uint8_t NearestIndex(const TArtworkPalette& Palette, TRgb C) {
    int Best = 0, BestDistance = 1 << 30;
    for (int I = 0; I < static_cast<int>(Palette.size()); ++I) {
        const int DR = Palette[I].R - C.R, DG = Palette[I].G - C.G, DB = Palette[I].B - C.B;
        const int D = DR * DR * 3 + DG * DG * 4 + DB * DB * 2;
        if (D < BestDistance) {
            BestDistance = D;
            Best = I;
        }
    }
    return static_cast<uint8_t>(Best);
}

void PutPalette(TArtworkBytes& Out, const TArtworkPalette& Palette) {
    for (const TRgb& C : Palette) {
        Out.push_back(Channel(C.B));
        Out.push_back(Channel(C.G));
        Out.push_back(Channel(C.R));
        Out.push_back(0);
    }
}

namespace {

// The file header, the info header and the colour table of a bottom-up bitmap file whose
// rows of RowBytes follow.
TArtworkBytes BitmapFileHead(const TCanvasRgb& Canvas, int BitCount, int RowBytes,
                             const TArtworkPalette& Palette) {
    const uint32_t ImageSize = static_cast<uint32_t>(RowBytes * Canvas.Height());
    const uint32_t PixelsAt = 14 + 40 + static_cast<uint32_t>(Palette.size() * 4);
    TArtworkBytes Out;
    Out.push_back('B');
    Out.push_back('M');
    PutLe32(Out, PixelsAt + ImageSize);
    PutLe32(Out, 0);
    PutLe32(Out, PixelsAt);
    PutInfoHeader(Out, Canvas.Width(), Canvas.Height(), BitCount, ImageSize,
                  static_cast<uint32_t>(Palette.size()));
    PutPalette(Out, Palette);
    return Out;
}

} // namespace

TArtworkBytes EncodeBitmap24(const TCanvasRgb& Canvas) {
    const int RowBytes = (Canvas.Width() * 3 + 3) & ~3;
    TArtworkBytes Out = BitmapFileHead(Canvas, 24, RowBytes, {});
    for (int Y = Canvas.Height() - 1; Y >= 0; --Y) {
        for (int X = 0; X < Canvas.Width(); ++X) {
            const TRgb& P = Canvas.At(X, Y);
            Out.push_back(Channel(P.B));
            Out.push_back(Channel(P.G));
            Out.push_back(Channel(P.R));
        }
        for (int Pad = Canvas.Width() * 3; Pad < RowBytes; ++Pad)
            Out.push_back(0);
    }
    return Out;
}

TArtworkBytes EncodeBitmap4(const TCanvasRgb& Canvas, const TArtworkPalette& Palette) {
    const int RowBytes = ((Canvas.Width() + 1) / 2 + 3) & ~3;
    TArtworkBytes Out = BitmapFileHead(Canvas, 4, RowBytes, Palette);
    for (int Y = Canvas.Height() - 1; Y >= 0; --Y) {
        TArtworkBytes Row(RowBytes, 0);
        // The left pixel of each pair sits in the high half of its byte.
        for (int X = 0; X < Canvas.Width(); ++X)
            Row[X / 2] |= NearestIndex(Palette, Canvas.At(X, Y)) << (X % 2 == 0 ? 4 : 0);
        Out.insert(Out.end(), Row.begin(), Row.end());
    }
    return Out;
}
