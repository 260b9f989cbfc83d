#include "tools/artwork/LunaFrameArtwork.h"

#include "skin/themes/LunaSkinLayout.h"

#include <algorithm>
#include <array>

using namespace LunaSkin;

namespace {

const TRgb Key{255, 0, 255};

struct TFramePalette {
    TRgb Outline;                       // the frame's outer edge
    TRgb BorderMid, BorderIn;           // the border's middle and inner columns
    TRgb Highlight, Shine;              // the caption's second and third rows
    TRgb Upper, Middle, Lower;          // the caption gradient from its top to its bottom
    std::array<TShapeStyle, 3> Buttons; // normal, hot, pressed
    std::array<TShapeStyle, 3> CloseButtons;
    TRgb Glyph;
};

TShapeStyle ButtonStyle(TRgb Border, TRgb FaceTop, TRgb FaceBottom, TRgb RimTop, TRgb RimBottom) {
    return {Border, FaceTop, FaceBottom, 1, RimTop, RimBottom};
}

const TFramePalette& Palette(bool Active) {
    static const TFramePalette ActivePalette{
        {0, 30, 160},
        {0, 84, 232},
        {0, 68, 214},
        {104, 172, 255},
        {60, 144, 255},
        {26, 118, 254},
        {0, 88, 238},
        {0, 66, 212},
        {ButtonStyle({236, 242, 255}, {84, 146, 255}, {20, 88, 232}, {150, 192, 255},
                     {58, 120, 246}),
         ButtonStyle({255, 255, 255}, {128, 182, 255}, {48, 124, 252}, {186, 218, 255},
                     {96, 158, 255}),
         ButtonStyle({210, 222, 250}, {18, 64, 196}, {44, 104, 232}, {8, 46, 164}, {30, 86, 214})},
        {ButtonStyle({240, 238, 250}, {236, 124, 92}, {204, 62, 30}, {248, 168, 140},
                     {216, 88, 56}),
         ButtonStyle({255, 255, 255}, {250, 156, 124}, {230, 88, 52}, {255, 196, 172},
                     {242, 124, 92}),
         ButtonStyle({226, 212, 220}, {168, 44, 18}, {206, 86, 56}, {146, 34, 10}, {190, 70, 44})},
        {255, 255, 255}};
    static const TFramePalette InactivePalette{
        {112, 132, 212},
        {150, 174, 234},
        {132, 156, 226},
        {204, 218, 250},
        {182, 200, 246},
        {166, 188, 242},
        {150, 174, 234},
        {132, 158, 226},
        {ButtonStyle({232, 238, 252}, {184, 202, 246}, {150, 174, 234}, {206, 220, 250},
                     {166, 188, 240}),
         ButtonStyle({248, 250, 255}, {204, 218, 252}, {166, 190, 244}, {224, 234, 255},
                     {186, 206, 248}),
         ButtonStyle({214, 224, 248}, {130, 154, 222}, {156, 180, 236}, {118, 142, 212},
                     {146, 170, 230})},
        {ButtonStyle({236, 232, 246}, {222, 178, 186}, {196, 142, 160}, {236, 204, 210},
                     {206, 158, 172}),
         ButtonStyle({248, 246, 255}, {236, 196, 200}, {210, 156, 170}, {246, 220, 224},
                     {222, 176, 186}),
         ButtonStyle({222, 214, 236}, {176, 124, 146}, {200, 152, 168}, {164, 112, 136},
                     {190, 140, 158})},
        {244, 247, 253}};
    return Active ? ActivePalette : InactivePalette;
}

// The colour of caption row Y in a caption Height rows high, away from its side edges.
TRgb CaptionRow(const TFramePalette& P, int Y, int Height) {
    if (Y == 0)
        return P.Outline;
    if (Y == 1)
        return P.Highlight;
    if (Y == 2)
        return P.Shine;
    const int Bend = Height * 2 / 5;
    if (Y < Bend)
        return Mix(P.Upper, P.Middle, Y - 3, Bend - 3);
    return Mix(P.Middle, P.Lower, Y - Bend, Height - 1 - Bend);
}

// A caption band of Width x Height at (Left, 0): uniform along each row between its corner
// pieces, with a lit inner column on the left and a shaded one on the right.
void DrawCaptionBand(TCanvasRgb& Canvas, const TFramePalette& P, int Left, int Width, int Height) {
    for (int Y = 0; Y < Height; ++Y) {
        const TRgb Row = CaptionRow(P, Y, Height);
        for (int X = 0; X < Width; ++X)
            Canvas.Set(Left + X, Y, Row);
        if (Y == 0)
            continue;
        Canvas.Set(Left, Y, P.Outline);
        Canvas.Set(Left + Width - 1, Y, P.Outline);
        if (Y > 1) {
            Canvas.Set(Left + 1, Y, Lighter(Row, 28));
            Canvas.Set(Left + Width - 2, Y, Lighter(Row, -18));
        }
    }
}

// The standard caption's top corners: the key where the window region cuts them away, the
// outline along the curve.
void RoundStandardCorners(TCanvasRgb& Canvas, const TFramePalette& P, int Width) {
    constexpr std::array<int, 5> Cut{5, 3, 2, 1, 1};
    for (int Y = 0; Y < 5; ++Y) {
        const int Previous = Y == 0 ? Cut[0] : Cut[Y - 1];
        for (int X = 0; X < Width / 2; ++X) {
            TRgb Colour;
            if (X < Cut[Y])
                Colour = Key;
            else if (X == Cut[Y] || X < Previous)
                Colour = P.Outline;
            else
                continue;
            Canvas.Set(X, Y, Colour);
            Canvas.Set(Width - 1 - X, Y, Colour);
        }
    }
}

// Border pixels of a frame piece: Depth 0 is the outer edge, and so on inwards.
TRgb BorderColour(const TFramePalette& P, int Depth) {
    return Depth == 0 ? P.Outline : Depth == 1 ? P.BorderMid : P.BorderIn;
}

void DrawStandardFrame(TCanvasRgb& Canvas, const TFramePalette& P) {
    const TPiece F = StandardFrame;
    DrawCaptionBand(Canvas, P, F.Left, F.Width, StandardCaptionHeight);
    RoundStandardCorners(Canvas, P, F.Width);
    for (int Y = StandardCaptionHeight; Y < F.Bottom(); ++Y)
        for (int X = F.Left; X < F.Right(); ++X) {
            const int Depth = std::min({X - F.Left, F.Right() - 1 - X, F.Bottom() - 1 - Y});
            if (Depth < StandardBorder)
                Canvas.Set(X, Y, BorderColour(P, Depth));
        }
}

void DrawToolFrame(TCanvasRgb& Canvas, const TFramePalette& P) {
    const TPiece F = ToolFrame;
    DrawCaptionBand(Canvas, P, F.Left, F.Width, ToolCaptionHeight);
    // The right border's outer column lies one column right of the caption.
    const int Right = ToolRightBorderLeft + ToolBorder;
    for (int Y = ToolCaptionHeight; Y < F.Bottom(); ++Y)
        for (int X = F.Left; X < Right; ++X) {
            const int Depth = std::min({X - F.Left, Right - 1 - X, F.Bottom() - 1 - Y});
            // The left strip is read 3 columns wide, so its third column matches the second.
            if (Depth <= ToolBorder)
                Canvas.Set(X, Y, BorderColour(P, Depth == 0 ? 0 : 1));
        }
}

// 9 x 9 white glyphs of the standard caption buttons.
const std::array<TGlyph, CaptionButtonKinds>& CaptionGlyphs() {
    static const std::array<TGlyph, CaptionButtonKinds> Glyphs{
        TGlyph{"##.....##", "###...###", ".###.###.", "..#####..", "...###...", "..#####..",
               ".###.###.", "###...###", "##.....##"},
        TGlyph{"..####...", ".##..##..", ".....##..", "....##...", "...##....", "...##....",
               ".........", "...##....", "...##...."},
        TGlyph{".........", ".........", ".........", ".........", ".........", ".........",
               ".........", "######...", "######..."},
        TGlyph{"#########", "#########", "#.......#", "#.......#", "#.......#", "#.......#",
               "#.......#", "#.......#", "#########"},
        TGlyph{"..#######", "..#######", "..#.....#", "#######.#", "#######.#", "#.....###",
               "#.....#..", "#.....#..", "#######.."},
        TGlyph{".........", ".........", "....#....", "...###...", "..#####..", ".#######.",
               "#########", ".........", "........."},
        TGlyph{".........", ".........", "#########", ".#######.", "..#####..", "...###...",
               "....#....", ".........", "........."},
        TGlyph{"##.......", "###......", ".###.....", "..###.##.", "...#####.", "....####.",
               "...#####.", "..######.", "........."}};
    return Glyphs;
}

const TGlyph ToolCloseGlyph{"##...##", "###.###", ".#####.", "..###..",
                            ".#####.", "###.###", "##...##"};

// A caption button over the caption band it sits on (it is copied opaque), its rows
// starting at caption row Top.
void DrawCaptionButton(TCanvasRgb& Canvas, const TFramePalette& P, int Left, int Top, int Size,
                       int CaptionTop, int CaptionHeight, const TShapeStyle& Style,
                       const TGlyph& Glyph, bool Pressed) {
    const TShapeMask Mask = TShapeMask::RoundedRect(Size, Size, Size > 16 ? 3 : 2);
    PaintShape(Canvas, Left, Top, Mask, Style, Key);
    for (int Y = 0; Y < Size; ++Y)
        for (int X = 0; X < Size; ++X)
            if (!Mask.Inside(X, Y))
                Canvas.Set(Left + X, Top + Y, CaptionRow(P, CaptionTop + Y, CaptionHeight));
    const int Shift = Pressed ? 1 : 0;
    DrawGlyphCentred(Canvas, Left + Shift, Top + Shift, Size, Size, Glyph, P.Glyph);
}

} // namespace

const TGlyph& CaptionGlyph(int Kind) {
    return CaptionGlyphs()[Kind];
}

void DrawLunaFrames(TCanvasRgb& Canvas, bool Active) {
    const TFramePalette& P = Palette(Active);
    DrawStandardFrame(Canvas, P);
    DrawToolFrame(Canvas, P);
    // The caption buttons' top rows in the standard and tool-window captions.
    constexpr int StandardButtonTop = 4, ToolButtonTop = 3;
    for (int Kind = 0; Kind < CaptionButtonKinds; ++Kind)
        for (int Look = 0; Look < 3; ++Look) {
            const auto& Styles = Kind == 0 ? P.CloseButtons : P.Buttons;
            DrawCaptionButton(Canvas, P, CaptionButtonColumn[Look], CaptionButtonRow[Kind],
                              CaptionButtonSize, StandardButtonTop, StandardCaptionHeight,
                              Styles[Look], CaptionGlyph(Kind), Look == 2);
        }
    for (int Look = 0; Look < 3; ++Look)
        DrawCaptionButton(Canvas, P, ToolCloseColumn[Look], ToolCloseTop, ToolCloseSize,
                          ToolButtonTop, ToolCaptionHeight, P.CloseButtons[Look], ToolCloseGlyph,
                          Look == 2);
}
