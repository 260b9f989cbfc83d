// Image lists: pictures of one size, addressed by index, as actions, menu items and buttons
// show them. Each picture is kept as 32-bit pixels with their own transparency (alpha), made
// from a bitmap with a mask, a transparent colour or the bitmap's own alpha. A bitmap wider
// than the list's width is a strip of several pictures side by side.
//
// The list keeps its pixels in memory, not in the host's image lists: drawing blends them in
// software onto whatever canvas is given, exactly alike on every host, and the list holds no
// host resource between calls.
#pragma once

#include "framework/core/Components.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/WinApi.h"

#include <cstdint>
#include <vector>

class TBitmap;
class TCanvas;
class TDibSection;

class TCustomImageList : public TComponent {
public:
    static const TComponentClassOf<TCustomImageList> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TCustomImageList(TComponent* AOwner);

    // The size of every picture. Changing it empties the list; a size below 1 raises
    // EInvalidOperation "Invalid image size".
    int Width() const { return FWidth; }
    void SetWidth(int Value) { SetSize(Value, FHeight); }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { SetSize(FWidth, Value); }
    void SetSize(int AWidth, int AHeight);

    int Count() const { return static_cast<int>(FImages.size()); }
    void Clear();

    // Adds the pictures of Image, left to right; white (non-black) pixels of Mask are
    // transparent. Without a mask, a 32-bit image's alpha is kept (an image whose alpha is
    // zero throughout is opaque). A picture narrower or lower than the list is transparent
    // beyond the image. Answers the index of the first picture added; -1 for an empty image.
    int Add(TBitmap* Image, TBitmap* Mask);
    // As Add, with the pixels of MaskColor transparent instead of a mask's.
    int AddMasked(TBitmap* Image, TColor MaskColor);

    // Blends picture Index onto Canvas at (X, Y); an index outside the list draws nothing.
    // A disabled picture is embossed: its dark shape in the highlight colour one pixel down
    // and right, under the same shape in the shadow colour.
    void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true) const;
    // Makes Image a 32-bit bitmap of the list's size with picture Index and its alpha;
    // answers False, leaving Image alone, for an index outside the list.
    bool GetBitmap(int Index, TBitmap* Image) const;

private:
    // Width x Height pixels 0xAARRGGBB, top row first, alpha not premultiplied.
    using TPicture = std::vector<uint32_t>;

    int AddStrip(TDibSection& Strip);
    void DrawEnabled(HDC DC, int X, int Y, const TPicture& Picture) const;
    void DrawDisabled(HDC DC, int X, int Y, const TPicture& Picture) const;

    int FWidth = 16;
    int FHeight = 16;
    std::vector<TPicture> FImages;
};

class TImageList : public TCustomImageList {
public:
    static const TComponentClassOf<TImageList> Class;
    const TClass& ClassType() const override { return Class; }
    using TCustomImageList::TCustomImageList;
};
