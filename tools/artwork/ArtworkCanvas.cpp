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

TArtworkBytes EncodeBitmap24(const TCanvasRgb& Canvas) {
    const int RowBytes = (Canvas.Width() * 3 + 3) & ~3;
    const uint32_t ImageSize = static_cast<uint32_t>(RowBytes * Canvas.Height());
    TArtworkBytes Out;
    Out.push_back('B');
    Out.push_back('M');
    PutLe32(Out, 14 + 40 + ImageSize);
    PutLe32(Out, 0);
    PutLe32(Out, 14 + 40);
    PutInfoHeader(Out, Canvas.Width(), Canvas.Height(), 24, ImageSize, 0);
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
