#include "tools/artwork/Artwork.h"

#include "tools/artwork/ArtworkCanvas.h"

#include <algorithm>
#include <array>

namespace {

// Share of a pixel (out of 16 samples) inside the ring between radii Inner and Outer,
// all in 1/4 pixels around the centre (CX, CY), also in 1/4 pixels.
int RingCoverage(int X, int Y, int CX, int CY, int Inner, int Outer) {
    int Inside = 0;
    for (int SY = 0; SY < 4; ++SY)
        for (int SX = 0; SX < 4; ++SX) {
            const int DX = X * 4 + SX - CX, DY = Y * 4 + SY - CY;
            const int D2 = DX * DX + DY * DY;
            Inside += D2 >= Inner * Inner && D2 < Outer * Outer;
        }
    return Inside;
}

void DrawRing(TCanvasRgb& Canvas, int CX, int CY, int Inner, int Outer, TRgb Colour, int Alpha) {
    const int Left = (CX - Outer) / 4 - 1, Right = (CX + Outer) / 4 + 1;
    const int Top = (CY - Outer) / 4 - 1, Bottom = (CY + Outer) / 4 + 1;
    for (int Y = Top; Y <= Bottom; ++Y)
        for (int X = Left; X <= Right; ++X)
            Canvas.Blend(X, Y, Colour, Alpha * RingCoverage(X, Y, CX, CY, Inner, Outer) / 16);
}

// A viewfinder corner: two strokes of Length pixels meeting at (X, Y), pointing inwards
// along DX and DY (each +1 or -1).
void DrawCorner(TCanvasRgb& Canvas, int X, int Y, int DX, int DY, int Length, TRgb Colour,
                int Alpha) {
    for (int I = 0; I < Length; ++I)
        for (int W = 0; W < 2; ++W) {
            Canvas.Blend(X + I * DX, Y + W * DY, Colour, Alpha);
            if (I >= 2)
                Canvas.Blend(X + W * DX, Y + I * DY, Colour, Alpha);
        }
}

TCanvasRgb DrawMainBackground() {
    TCanvasRgb Canvas(222, 152);
    const TRgb Top{36, 62, 98}, Bottom{86, 128, 164};
    for (int Y = 0; Y < Canvas.Height(); ++Y)
        for (int X = 0; X < Canvas.Width(); ++X) {
            // A diagonal sweep, calm and mostly vertical.
            Canvas.At(X, Y) =
                Mix(Top, Bottom, Y * 3 + X, (Canvas.Height() - 1) * 3 + Canvas.Width() - 1);
        }
    // A faint lens behind the buttons: outer barrel, glass ring and a soft highlight.
    const int CX = 111 * 4 + 2, CY = 78 * 4;
    const TRgb Light{210, 228, 246};
    DrawRing(Canvas, CX, CY, 272, 284, Light, 46);
    DrawRing(Canvas, CX, CY, 236, 242, Light, 30);
    DrawRing(Canvas, CX, CY, 150, 154, Light, 22);
    DrawRing(Canvas, CX - 120, CY - 120, 0, 52, Light, 18);
    // Viewfinder corners framing the command area.
    const TRgb White{240, 246, 252};
    DrawCorner(Canvas, 12, 10, 1, 1, 16, White, 170);
    DrawCorner(Canvas, 209, 10, -1, 1, 16, White, 170);
    DrawCorner(Canvas, 12, 141, 1, -1, 16, White, 170);
    DrawCorner(Canvas, 209, 141, -1, -1, 16, White, 170);
    // A thin inner border that gives the borderless window an edge.
    FillRect(Canvas, 0, 0, 222, 1, {18, 34, 58}, 255);
    FillRect(Canvas, 0, 151, 222, 152, {18, 34, 58}, 255);
    FillRect(Canvas, 0, 0, 1, 152, {18, 34, 58}, 255);
    FillRect(Canvas, 221, 0, 222, 152, {18, 34, 58}, 255);
    FillRect(Canvas, 1, 1, 221, 2, {120, 160, 200}, 120);
    return Canvas;
}

// The icon's 256 colours: a 6 x 6 x 6 cube followed by 40 greys.
TArtworkPalette IconPalette() {
    TArtworkPalette Palette;
    for (int R = 0; R < 6; ++R)
        for (int G = 0; G < 6; ++G)
            for (int B = 0; B < 6; ++B)
                Palette.push_back({R * 51, G * 51, B * 51});
    for (int Grey = 0; Grey < 40; ++Grey) {
        const int V = 4 + Grey * 6;
        Palette.push_back({V, V, V});
    }
    return Palette;
}

// The icon picture and its transparency mask (true where the picture shows).
struct TIconPicture {
    TCanvasRgb Colour{32, 32};
    std::array<bool, 32 * 32> Opaque{};
};

bool InsideRoundedSquare(int X, int Y, int Left, int Top, int Right, int Bottom, int Radius) {
    const int CX = std::clamp(X, Left + Radius, Right - Radius);
    const int CY = std::clamp(Y, Top + Radius, Bottom - Radius);
    const int DX = X - CX, DY = Y - CY;
    return DX * DX + DY * DY <= Radius * Radius;
}

TIconPicture DrawIcon() {
    TIconPicture Icon;
    const TRgb Top{60, 120, 200}, Bottom{20, 50, 110};
    for (int Y = 0; Y < 32; ++Y)
        for (int X = 0; X < 32; ++X) {
            // The body: a rounded square, in quarter pixels for a smooth edge test.
            const bool Inside = InsideRoundedSquare(X * 4 + 2, Y * 4 + 2, 4, 20, 124, 120, 20);
            Icon.Opaque[Y * 32 + X] = Inside;
            Icon.Colour.At(X, Y) = Inside ? Mix(Top, Bottom, Y, 31) : TRgb{0, 0, 0};
        }
    // The viewfinder bump on top.
    for (int Y = 2; Y < 6; ++Y)
        for (int X = 10; X < 22; ++X) {
            Icon.Opaque[Y * 32 + X] = true;
            Icon.Colour.At(X, Y) = {40, 80, 150};
        }
    // The lens: a white rim, dark glass and a highlight.
    const int CX = 16 * 4, CY = 18 * 4;
    DrawRing(Icon.Colour, CX, CY, 0, 44, {235, 240, 248}, 255);
    DrawRing(Icon.Colour, CX, CY, 0, 34, {20, 30, 50}, 255);
    DrawRing(Icon.Colour, CX, CY, 0, 22, {50, 110, 190}, 255);
    DrawRing(Icon.Colour, CX - 10, CY - 10, 0, 8, {250, 250, 250}, 230);
    // The shutter button.
    for (int Y = 7; Y < 9; ++Y)
        for (int X = 23; X < 27; ++X)
            Icon.Colour.At(X, Y) = {250, 200, 60};
    return Icon;
}

} // namespace

TArtworkBytes MakeMainBackgroundBitmap() {
    return EncodeBitmap24(DrawMainBackground());
}

TArtworkBytes MakeApplicationIcon() {
    const TIconPicture Icon = DrawIcon();
    const auto Palette = IconPalette();
    constexpr int Size = 32, MaskRowBytes = 4;
    constexpr uint32_t ImageBytes = 40 + 256 * 4 + Size * Size + MaskRowBytes * Size;

    TArtworkBytes Out;
    PutLe16(Out, 0); // reserved
    PutLe16(Out, 1); // icon
    PutLe16(Out, 1); // one image
    Out.push_back(Size);
    Out.push_back(Size);
    Out.push_back(0); // 256 colours
    Out.push_back(0);
    PutLe16(Out, 1);
    PutLe16(Out, 8);
    PutLe32(Out, ImageBytes);
    PutLe32(Out, 6 + 16);

    // The colour and mask bitmaps are stacked: twice the height.
    PutInfoHeader(Out, Size, Size * 2, 8, Size * Size + MaskRowBytes * Size, 256);
    PutPalette(Out, Palette);
    for (int Y = Size - 1; Y >= 0; --Y)
        for (int X = 0; X < Size; ++X)
            Out.push_back(Icon.Opaque[Y * Size + X] ? NearestIndex(Palette, Icon.Colour.At(X, Y))
                                                    : 0);
    // AND mask: a set bit lets the background through.
    for (int Y = Size - 1; Y >= 0; --Y)
        for (int Byte = 0; Byte < MaskRowBytes; ++Byte) {
            uint8_t Bits = 0;
            for (int Bit = 0; Bit < 8; ++Bit)
                if (!Icon.Opaque[Y * Size + Byte * 8 + Bit])
                    Bits |= 0x80 >> Bit;
            Out.push_back(Bits);
        }
    return Out;
}
