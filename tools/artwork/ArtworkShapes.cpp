#include "tools/artwork/ArtworkShapes.h"

#include <algorithm>
#include <deque>

TShapeMask::TShapeMask(int Width, int Height)
    : FWidth(Width), FHeight(Height), FDepth(Width * Height, 0) {}

bool TShapeMask::Inside(int X, int Y) const {
    return X >= 0 && Y >= 0 && X < FWidth && Y < FHeight && FDepth[Y * FWidth + X] > 0;
}

int TShapeMask::Depth(int X, int Y) const {
    return Inside(X, Y) ? FDepth[Y * FWidth + X] : 0;
}

// Breadth-first from every pixel outside (the piece's surroundings count as outside), over
// the four neighbours, so a border is one pixel wide along straight edges and round corners.
void TShapeMask::ComputeDepths() {
    std::vector<int> Distance(FDepth.size(), 0);
    std::deque<int> Queue;
    for (int Y = 0; Y < FHeight; ++Y)
        for (int X = 0; X < FWidth; ++X) {
            const int I = Y * FWidth + X;
            if (FDepth[I] == 0)
                continue;
            const bool Edge =
                !Inside(X - 1, Y) || !Inside(X + 1, Y) || !Inside(X, Y - 1) || !Inside(X, Y + 1);
            if (Edge) {
                Distance[I] = 1;
                Queue.push_back(I);
            }
        }
    while (!Queue.empty()) {
        const int I = Queue.front();
        Queue.pop_front();
        const int X = I % FWidth, Y = I / FWidth;
        const int Next[4][2] = {{X - 1, Y}, {X + 1, Y}, {X, Y - 1}, {X, Y + 1}};
        for (const auto& N : Next) {
            if (!Inside(N[0], N[1]))
                continue;
            const int J = N[1] * FWidth + N[0];
            if (Distance[J] == 0) {
                Distance[J] = Distance[I] + 1;
                Queue.push_back(J);
            }
        }
    }
    FDepth = Distance;
}

TShapeMask TShapeMask::FromTest(int Width, int Height,
                                const std::function<bool(int X8, int Y8)>& Inside) {
    TShapeMask Mask(Width, Height);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            Mask.FDepth[Y * Width + X] = Inside(X * 8 + 4, Y * 8 + 4) ? 1 : 0;
    Mask.ComputeDepths();
    return Mask;
}

TShapeMask TShapeMask::RoundedRect(int Width, int Height, int Radius, const bool (&Rounded)[4]) {
    const int R = Radius * 8, W = Width * 8, H = Height * 8;
    return FromTest(Width, Height, [=, &Rounded](int X, int Y) {
        const bool Left = X < R, Right = X >= W - R, Up = Y < R, Down = Y >= H - R;
        const int Corner = Up     ? (Left    ? 0
                                     : Right ? 1
                                             : -1)
                           : Down ? (Right  ? 2
                                     : Left ? 3
                                            : -1)
                                  : -1;
        if (Corner < 0 || !Rounded[Corner])
            return true;
        const int CX = Left ? R : W - R, CY = Up ? R : H - R;
        const int DX = X - CX, DY = Y - CY;
        // A quarter pixel inside the radius, so that small corners visibly round off.
        return DX * DX + DY * DY <= (R - 2) * (R - 2);
    });
}

TShapeMask TShapeMask::Circle(int Size) {
    const int C = Size * 4, R = Size * 4;
    return FromTest(Size, Size, [=](int X, int Y) {
        const int DX = X - C, DY = Y - C;
        return DX * DX + DY * DY <= R * R;
    });
}

void PaintShape(TCanvasRgb& Canvas, int Left, int Top, const TShapeMask& Mask,
                const TShapeStyle& Style, TRgb Outside) {
    const int Rows = std::max(1, Mask.Height() - 1);
    for (int Y = 0; Y < Mask.Height(); ++Y)
        for (int X = 0; X < Mask.Width(); ++X) {
            const int Depth = Mask.Depth(X, Y);
            TRgb Colour = Outside;
            if (Depth == 1)
                Colour = Style.Border;
            else if (Depth > 1 && Depth <= 1 + Style.RimWidth)
                Colour = Mix(Style.RimTop, Style.RimBottom, Y, Rows);
            else if (Depth > 1)
                Colour = Mix(Style.FaceTop, Style.FaceBottom, Y, Rows);
            Canvas.Set(Left + X, Top + Y, Colour);
        }
}

int GlyphWidth(const TGlyph& Glyph) {
    size_t Width = 0;
    for (const auto& Row : Glyph)
        Width = std::max(Width, Row.size());
    return static_cast<int>(Width);
}

int GlyphHeight(const TGlyph& Glyph) {
    return static_cast<int>(Glyph.size());
}

void DrawGlyph(TCanvasRgb& Canvas, int Left, int Top, const TGlyph& Glyph, TRgb Colour) {
    for (int Y = 0; Y < GlyphHeight(Glyph); ++Y)
        for (int X = 0; X < static_cast<int>(Glyph[Y].size()); ++X) {
            if (Glyph[Y][X] == '#')
                Canvas.Blend(Left + X, Top + Y, Colour, 255);
            else if (Glyph[Y][X] == '+')
                Canvas.Blend(Left + X, Top + Y, Colour, 128);
        }
}

void DrawColouredGlyph(TCanvasRgb& Canvas, int Left, int Top, const TGlyph& Glyph,
                       const std::vector<TGlyphInk>& Inks) {
    for (int Y = 0; Y < GlyphHeight(Glyph); ++Y)
        for (int X = 0; X < static_cast<int>(Glyph[Y].size()); ++X) {
            const auto Ink = std::find_if(Inks.begin(), Inks.end(),
                                          [&](const TGlyphInk& I) { return I.Key == Glyph[Y][X]; });
            if (Ink != Inks.end())
                Canvas.Set(Left + X, Top + Y, Ink->Colour);
        }
}

void DrawGlyphCentred(TCanvasRgb& Canvas, int Left, int Top, int Width, int Height,
                      const TGlyph& Glyph, TRgb Colour) {
    DrawGlyph(Canvas, Left + (Width - GlyphWidth(Glyph)) / 2,
              Top + (Height - GlyphHeight(Glyph)) / 2, Glyph, Colour);
}

TGlyph FlippedGlyph(const TGlyph& Glyph) {
    return TGlyph(Glyph.rbegin(), Glyph.rend());
}

TGlyph TransposedGlyph(const TGlyph& Glyph) {
    TGlyph Result;
    for (int X = 0; X < GlyphWidth(Glyph); ++X) {
        std::string Row;
        for (const auto& Line : Glyph)
            Row.push_back(X < static_cast<int>(Line.size()) ? Line[X] : '.');
        Result.push_back(std::move(Row));
    }
    return Result;
}
