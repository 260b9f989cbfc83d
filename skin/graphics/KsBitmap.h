// The drawing surface of the skinning layer: a 32-bit top-down device-independent section
// with its own memory device context and direct access to its pixels. Controls, forms,
// popups and themes paint every element into such surfaces, compose them (copy, blend,
// stretch, tile, nine-slice) and copy the result to a window.
//
// The host's AlphaBlend treats its source as premultiplied, and these pixels are not, so
// blending draws go through AlphaBlend only where its result is provably the surface's own
// blend: sources whose alphas are only 0 and 255, with black under alpha 0. Every other
// blend, and every stretch by a scale other than 1, runs the surface's own per-pixel path.
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Objects.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/WinApi.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsLowLevel.h"
#include "skin/graphics/KsPixelOps.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TCanvas;
class TFont;
class TGraphic;
class TStream;

// A framework colour (system colours resolved) with the given alpha.
TKsColor ColorToKsColor(TColor Color, std::uint8_t Alpha);
// The framework colour of the pixel's red, green and blue.
TColor KsColorToColor(TKsColor Pixel);

// The host calls through which a surface gets its section and device context; tests
// replace them to make each step fail.
struct TKsSurfaceHost {
    HBITMAP(WINAPI* CreateDIBSection)(HDC, const BITMAPINFO*, UINT, void**, HANDLE, DWORD);
    HDC(WINAPI* CreateCompatibleDC)(HDC);
    HGDIOBJ(WINAPI* SelectObject)(HDC, HGDIOBJ);
};
TKsSurfaceHost& KsSurfaceHost();

class TKsBitmap : public TPersistent {
public:
    static const TClassOf<TKsBitmap> Class;
    const TClass& ClassType() const override { return Class; }

    TKsBitmap();
    ~TKsBitmap() override;

    // Gives the surface W x H pixels (absolute values); 0 in either, or the current size,
    // changes nothing. On failure the surface is left empty; OnChange follows every attempt.
    void SetSize(int W, int H);
    bool Empty() const { return FDib == nullptr; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    HDC DC() const { return FDC; }
    HBITMAP Handle() const { return FDib; }
    // The pixels, top row first. The surface's own operations finish pending GDI drawing
    // before they touch them; code that reads them after drawing through DC calls GdiFlush.
    TKsColor* Bits() const { return FBits; }
    TKsPixels PixelView() const { return TKsPixels{FBits, FWidth, FHeight}; }

    // KsBlack outside the surface or when it is empty; writes outside are ignored.
    TKsColor Pixels(int X, int Y) const;
    void SetPixels(int X, int Y, TKsColor Pixel);

    bool UseAlpha() const { return FUseAlpha; }
    void SetUseAlpha(bool Value) { FUseAlpha = Value; }
    TFont* Font() const { return FFont.get(); }
    // Copies the font's attributes.
    void SetFont(TFont* Value);

    // Raised after every attempt to change the size, also when it failed.
    TNotifyEvent OnChange;
    // Raised just before the section and the device context are released.
    TNotifyEvent OnBeforeFree;

    void Fill(TKsColor Pixel);
    void SetAlpha(std::uint8_t Alpha);
    void SetAlphaRect(std::uint8_t Alpha, const RECT& Rect);
    void ReplaceByTransparent(TKsColor Pixel);
    void ChangeHue(int Delta);
    void ChangeBrightness(int Delta);

    void DrawToDC(HDC DC, int X, int Y) const;
    void DrawRectToDC(HDC DC, int X, int Y, const RECT& SrcRect) const;
    void DrawToCanvas(TCanvas* Canvas, int X, int Y) const;

    // Onto another surface: copies, or with UseAlpha blends by this surface's alpha.
    void Draw(TKsBitmap& Dest, int X, int Y) const;
    void DrawRect(TKsBitmap& Dest, int X, int Y, const RECT& SrcRect) const;
    void StretchDraw(TKsBitmap& Dest, const RECT& DstRect, const RECT& SrcRect) const;
    void TileDraw(TKsBitmap& Dest, const RECT& DstRect, const RECT& SrcRect) const;
    void DrawScaled(TKsBitmap& Dest, const RECT& DstRect, const RECT& SrcRect, bool Stretch) const;
    void DrawNineSlice(TKsBitmap& Dest, const RECT& DstRect, const RECT& SrcRect, bool Stretch,
                       int Left, int Top, int Right, int Bottom) const;
    // Composes this surface (the foreground, changed in place) over Background's Rect.
    void MergeOver(const TKsBitmap& Background, int X, int Y, const RECT& Rect);

    void MoveTo(int X, int Y);
    void LineTo(int X, int Y, TKsColor Pixel);
    void DrawLine(const RECT& Rect, TKsColor Pixel);
    void FillRect(const RECT& Rect, TKsColor Pixel);
    void FrameRect3D(const RECT& Rect, TKsColor TopLeft, TKsColor BottomRight);
    void FrameRect(const RECT& Rect, TKsColor Pixel);
    void Frame3D(const RECT& Rect, TKsColor Base, bool Sunken, int Depth);
    void DrawFocusRect(const RECT& Rect);
    void RoundFrame(const RECT& Rect, int Corner, TKsColor Pixel);
    void FillRoundRect(const RECT& Rect, int Corner, TKsColor Pixel);
    void PolygonFrame(const std::vector<POINT>& Points, TKsColor Pixel);
    void FillPolygon(const std::vector<POINT>& Points, TKsColor Pixel);
    void FillDither(const RECT& Rect, TKsColor Back, TKsColor Dot);
    void FillGradient(const RECT& Rect, TKsColor From, bool Vertical, TKsColor To);

    int TextHeight(const std::string& Text) const;
    int TextWidth(const std::string& Text, UINT Format = 0) const;
    int DrawText(const std::string& Text, RECT Rect, UINT Format);
    void DrawVerticalText(const std::string& Text, const RECT& Rect, bool Clockwise, UINT Format);

    void LoadFromStream(TStream& Stream);
    // Takes a framework bitmap, graphic or picture; another surface leaves this one as it is.
    void Assign(TPersistent* Source) override;

protected:
    // Copies into a framework bitmap, a picture's bitmap or the clipboard (alpha dropped).
    void AssignTo(TPersistent* Dest) override;

private:
    void Release();
    void AllocateSection(int W, int H);
    // Takes a graphic's picture drawn into W x H, made opaque.
    void AssignGraphic(TGraphic& Graphic, int W, int H);
    void CopyToBitmap(TBitmap& Bitmap) const;
    void BlendOnto(TKsBitmap& Dest, int X, int Y, const RECT& SrcRect) const;

    BITMAPINFO FHeader{};
    HBITMAP FDib = nullptr;
    HDC FDC = nullptr;
    TKsColor* FBits = nullptr;
    int FHeight = 0;
    int FWidth = 0;
    bool FUseAlpha = false;
    std::unique_ptr<TFont> FFont;
    POINT FPenPos{0, 0};
};

// Selects a surface's font into its device context for the guard's lifetime.
class TKsSelectedFont {
public:
    explicit TKsSelectedFont(const TKsBitmap& Surface);
    TKsSelectedFont(const TKsSelectedFont&) = delete;
    TKsSelectedFont& operator=(const TKsSelectedFont&) = delete;
    ~TKsSelectedFont();

private:
    HDC FDC;
    HGDIOBJ FPrevious;
};
