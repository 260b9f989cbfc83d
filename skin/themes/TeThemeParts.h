// Drawing steps that several themes share: the chunks of a progress bar, small solid
// triangles, bevels of a face colour, and the host's frame-control glyphs (caption, scroll and
// check symbols) rendered alone so that a theme can recolour them.
#pragma once

#include "framework/graphics/WinApi.h"
#include "skin/graphics/KsLowLevel.h"

#include <memory>

class TKsBitmap;

// The progress fill in Fill: one block when Smooth, else chunks about two thirds of the
// bar's thickness with a gap of two, one more than fit in the filled part.
void TeDrawProgressChunks(TKsBitmap& Bitmap, const RECT& BarRect, const RECT& FilledRect,
                          bool Vertical, bool Smooth, TKsColor Fill);

// A triangle with its base Width pixels wide along the top (Down) or bottom row of a box at
// (Left, Top), Width / 2 + 1 rows high; Outline draws only its edges.
void TeDrawTriangle(TKsBitmap& Bitmap, int Left, int Top, int Width, bool Down, TKsColor Color,
                    bool Outline = false);
// The 7 x 4 drop-down triangle centred in Rect, moved by (Shift, Shift).
void TeDrawDropDownTriangle(TKsBitmap& Bitmap, const RECT& Rect, int Shift, TKsColor Color,
                            bool Outline = false);

// A one-pixel ring on Rect from Face lightened and darkened by Amount: dark at the top and
// left when Sunken, light there otherwise.
void TeBevel(TKsBitmap& Bitmap, const RECT& Rect, TKsColor Face, bool Sunken, int Amount);
// A rounded outline, skipped for an empty rectangle (the host would still set a pixel).
void TeRoundFrame(TKsBitmap& Bitmap, const RECT& Rect, int Corner, TKsColor Color);

// Whether a pixel's red, green and blue are all zero, whatever its alpha.
bool TeIsBlack(TKsColor Pixel);

// The host's frame control of Type and State drawn over white into a surface of Width x
// Height; none for an empty size.
std::unique_ptr<TKsBitmap> TeRenderFrameControl(int Width, int Height, UINT Type, UINT State);
// Every pixel of Glyph (a rendered frame control) drawn at (X, Y): black ones in Ink, the
// others in Face.
void TeDrawRecoloredGlyph(TKsBitmap& Bitmap, const TKsBitmap& Glyph, int X, int Y, TKsColor Ink,
                          TKsColor Face);
// Only the black pixels of Glyph drawn at (X, Y), in Ink; the others leave Bitmap alone.
void TeDrawGlyphInk(TKsBitmap& Bitmap, const TKsBitmap& Glyph, int X, int Y, TKsColor Ink);
// The symbol of a rendered frame control (a caption symbol) drawn at (X, Y) in Ink, without
// its button's edges (two pixels all round) and face. The host smooths the symbol's edges,
// and a one-pixel line that falls between two rows comes out grey in both: a pixel counts
// as ink where the symbol covers at least a quarter of it, a quarter darker than the face.
void TeDrawSymbolInk(TKsBitmap& Bitmap, const TKsBitmap& Glyph, int X, int Y, TKsColor Ink);
