// Pixel-art shapes for skin pieces: a shape is a mask of whole pixels (crisp edges, so a
// transparency key around it never mixes into its rim), painted in layers by each pixel's
// distance from the shape's edge: a border, an optional rim and a face with a vertical
// gradient. Glyphs are small pictures written as text rows.
#pragma once

#include "tools/artwork/ArtworkCanvas.h"

#include <functional>
#include <string>
#include <vector>

// Which pixels of a Width x Height piece belong to the shape.
class TShapeMask {
public:
    TShapeMask(int Width, int Height);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Inside(int X, int Y) const;
    // 1 for pixels on the shape's edge, 2 one pixel further in, and so on; 0 outside.
    int Depth(int X, int Y) const;

    // A rectangle with corners rounded by Radius; Rounded selects the corners in the order
    // top-left, top-right, bottom-right, bottom-left.
    static TShapeMask RoundedRect(int Width, int Height, int Radius,
                                  const bool (&Rounded)[4] = {true, true, true, true});
    // A circle filling the piece.
    static TShapeMask Circle(int Size);
    // Any shape given by a test on a point in eighths of a pixel.
    static TShapeMask FromTest(int Width, int Height,
                               const std::function<bool(int X8, int Y8)>& Inside);

private:
    void ComputeDepths();

    int FWidth, FHeight;
    std::vector<int> FDepth;
};

// How a shape is coloured. Rows are counted over the piece's height for the gradients.
struct TShapeStyle {
    TRgb Border;
    TRgb FaceTop, FaceBottom;
    // A rim inside the border, RimWidth pixels wide (0: none), with its own gradient.
    int RimWidth = 0;
    TRgb RimTop{}, RimBottom{};
};

// Paints the shape with its top-left corner at (Left, Top). Pixels outside the shape are
// set to Outside.
void PaintShape(TCanvasRgb& Canvas, int Left, int Top, const TShapeMask& Mask,
                const TShapeStyle& Style, TRgb Outside);

// A glyph: rows of text where '#' is a pixel of the colour, '+' a half-mixed pixel and
// anything else leaves the picture as it is.
using TGlyph = std::vector<std::string>;
int GlyphWidth(const TGlyph& Glyph);
int GlyphHeight(const TGlyph& Glyph);
void DrawGlyph(TCanvasRgb& Canvas, int Left, int Top, const TGlyph& Glyph, TRgb Colour);
// The colour that a character of a coloured glyph stands for.
struct TGlyphInk {
    char Key;
    TRgb Colour;
};
// A glyph in several colours: each character listed in Inks is a pixel of its colour, any
// other leaves the picture as it is.
void DrawColouredGlyph(TCanvasRgb& Canvas, int Left, int Top, const TGlyph& Glyph,
                       const std::vector<TGlyphInk>& Inks);
// The glyph centred in the Width x Height box at (Left, Top).
void DrawGlyphCentred(TCanvasRgb& Canvas, int Left, int Top, int Width, int Height,
                      const TGlyph& Glyph, TRgb Colour);
// The glyph turned upside down, or mirrored along its diagonal (rows become columns).
TGlyph FlippedGlyph(const TGlyph& Glyph);
TGlyph TransposedGlyph(const TGlyph& Glyph);
