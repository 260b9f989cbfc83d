#include "skin/graphics/KsBitmap.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Clipboard.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/GraphicsObjects.h"
#include "framework/graphics/Picture.h"
#include "skin/graphics/KsAlphaBlendLink.h"
#include "skin/graphics/KsGdiGuards.h"
#include "skin/graphics/KsUtils.h"

#include <algorithm>

const TClassOf<TKsBitmap> TKsBitmap::Class{"TKsBitmap", TPersistent::Class};

namespace {

COLORREF ToColorRef(TKsColor Pixel) {
    return RGB(KsRedOf(Pixel), KsGreenOf(Pixel), KsBlueOf(Pixel));
}

bool HasArea(const RECT& Rect) {
    return Rect.right > Rect.left && Rect.bottom > Rect.top;
}

RECT Intersection(const RECT& A, const RECT& B) {
    return RECT{std::max(A.left, B.left), std::max(A.top, B.top), std::min(A.right, B.right),
                std::min(A.bottom, B.bottom)};
}

// Nearest-neighbour stretching in colour, instead of the default mode that ANDs the pixels
// that a shrink drops into the ones it keeps.
class TStretchModeColorOnColor {
public:
    explicit TStretchModeColorOnColor(HDC DC)
        : FDC(DC), FPrevious(SetStretchBltMode(DC, COLORONCOLOR)) {}
    TStretchModeColorOnColor(const TStretchModeColorOnColor&) = delete;
    TStretchModeColorOnColor& operator=(const TStretchModeColorOnColor&) = delete;
    ~TStretchModeColorOnColor() {
        if (FPrevious)
            SetStretchBltMode(FDC, FPrevious);
    }

private:
    HDC FDC;
    int FPrevious;
};

// Transparent text in a colour, restored afterwards.
class TTextDrawingState {
public:
    TTextDrawingState(HDC DC, COLORREF Color)
        : FDC(DC), FColor(SetTextColor(DC, Color)), FMode(SetBkMode(DC, TRANSPARENT)) {}
    TTextDrawingState(const TTextDrawingState&) = delete;
    TTextDrawingState& operator=(const TTextDrawingState&) = delete;
    ~TTextDrawingState() {
        SetBkMode(FDC, FMode);
        SetTextColor(FDC, FColor);
    }

private:
    HDC FDC;
    COLORREF FColor;
    int FMode;
};

// A framework canvas drawing on a surface's device context for the guard's lifetime.
class TCanvasOnDC {
public:
    explicit TCanvasOnDC(HDC DC) { FCanvas.SetHandle(DC); }
    TCanvasOnDC(const TCanvasOnDC&) = delete;
    TCanvasOnDC& operator=(const TCanvasOnDC&) = delete;
    ~TCanvasOnDC() { FCanvas.SetHandle(nullptr); }
    TCanvas& Canvas() { return FCanvas; }

private:
    TCanvas FCanvas;
};

} // namespace

TKsColor ColorToKsColor(TColor Color, std::uint8_t Alpha) {
    const COLORREF Rgb = COLORREF(ColorToRGB(Color));
    return TKsColor(Alpha) << 24 | TKsColor(GetRValue(Rgb)) << 16 | TKsColor(GetGValue(Rgb)) << 8 |
           GetBValue(Rgb);
}

TColor KsColorToColor(TKsColor Pixel) {
    return TColor(RGB(KsRedOf(Pixel), KsGreenOf(Pixel), KsBlueOf(Pixel)));
}

TKsSurfaceHost& KsSurfaceHost() {
    static TKsSurfaceHost Host{&::CreateDIBSection, &::CreateCompatibleDC, &::SelectObject};
    return Host;
}

TKsSelectedFont::TKsSelectedFont(const TKsBitmap& Surface)
    : FDC(Surface.DC()), FPrevious(FDC ? SelectObject(FDC, Surface.Font()->Handle()) : nullptr) {}

TKsSelectedFont::~TKsSelectedFont() {
    if (FPrevious && FPrevious != HGDI_ERROR)
        SelectObject(FDC, FPrevious);
}

TKsBitmap::TKsBitmap() : FFont(std::make_unique<TFont>()) {
    FHeader.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    FHeader.bmiHeader.biPlanes = 1;
    FHeader.bmiHeader.biBitCount = 32;
    FHeader.bmiHeader.biCompression = BI_RGB;
}

TKsBitmap::~TKsBitmap() {
    Release();
}

void TKsBitmap::Release() {
    if (OnBeforeFree)
        OnBeforeFree(this);
    if (FDC)
        DeleteDC(FDC);
    if (FDib)
        DeleteObject(FDib);
    FDC = nullptr;
    FDib = nullptr;
    FBits = nullptr;
    FWidth = 0;
    FHeight = 0;
}

void TKsBitmap::SetSize(int W, int H) {
    W = W < 0 ? -W : W;
    H = H < 0 ? -H : H;
    if (W == 0 || H == 0 || (W == FWidth && H == FHeight))
        return;
    try {
        Release();
        AllocateSection(W, H);
    } catch (...) {
        OnChange(this);
        throw;
    }
    OnChange(this);
}

void TKsBitmap::AllocateSection(int W, int H) {
    const TKsSurfaceHost& Host = KsSurfaceHost();
    FHeader.bmiHeader.biWidth = W;
    FHeader.bmiHeader.biHeight = -H;
    void* Bits = nullptr;
    FDib = Host.CreateDIBSection(nullptr, &FHeader, DIB_RGB_COLORS, &Bits, nullptr, 0);
    if (!FDib || !Bits) {
        if (FDib)
            DeleteObject(FDib);
        FDib = nullptr;
        throw Exception("Can't allocate the DIB handle");
    }
    FDC = Host.CreateCompatibleDC(nullptr);
    if (!FDC) {
        DeleteObject(FDib);
        FDib = nullptr;
        throw Exception("Can't create compatible DC");
    }
    const HGDIOBJ Previous = Host.SelectObject(FDC, FDib);
    if (!Previous || Previous == HGDI_ERROR) {
        DeleteDC(FDC);
        DeleteObject(FDib);
        FDC = nullptr;
        FDib = nullptr;
        throw Exception("Can't select an object into DC");
    }
    FBits = static_cast<TKsColor*>(Bits);
    FWidth = W;
    FHeight = H;
}

TKsColor TKsBitmap::Pixels(int X, int Y) const {
    if (!PixelView().Contains(X, Y))
        return KsBlack;
    GdiFlush();
    return FBits[Y * FWidth + X];
}

void TKsBitmap::SetPixels(int X, int Y, TKsColor Pixel) {
    if (!PixelView().Contains(X, Y))
        return;
    GdiFlush();
    FBits[Y * FWidth + X] = Pixel;
}

void TKsBitmap::SetFont(TFont* Value) {
    FFont->Assign(Value);
}

void TKsBitmap::Fill(TKsColor Pixel) {
    if (Empty())
        return;
    GdiFlush();
    FillLongword(FBits, FWidth * FHeight, Pixel);
}

void TKsBitmap::SetAlpha(std::uint8_t Alpha) {
    if (Empty())
        return;
    GdiFlush();
    FillAlpha(FBits, FWidth * FHeight, Alpha);
}

void TKsBitmap::SetAlphaRect(std::uint8_t Alpha, const RECT& Rect) {
    GdiFlush();
    KsSetAlphaRect(PixelView(), Rect, Alpha);
}

void TKsBitmap::ReplaceByTransparent(TKsColor Pixel) {
    GdiFlush();
    KsReplaceByTransparent(PixelView(), Pixel);
}

void TKsBitmap::ChangeHue(int Delta) {
    GdiFlush();
    KsChangeHue(PixelView(), Delta);
}

void TKsBitmap::ChangeBrightness(int Delta) {
    GdiFlush();
    KsChangeBrightness(PixelView(), Delta);
}

void TKsBitmap::DrawToDC(HDC DC, int X, int Y) const {
    BitBlt(DC, X, Y, FWidth, FHeight, FDC, 0, 0, SRCCOPY);
}

void TKsBitmap::DrawRectToDC(HDC DC, int X, int Y, const RECT& SrcRect) const {
    BitBlt(DC, X, Y, RectWidth(SrcRect), RectHeight(SrcRect), FDC, SrcRect.left, SrcRect.top,
           SRCCOPY);
}

void TKsBitmap::DrawToCanvas(TCanvas* Canvas, int X, int Y) const {
    DrawToDC(Canvas->Handle(), X, Y);
}

void TKsBitmap::Draw(TKsBitmap& Dest, int X, int Y) const {
    DrawRect(Dest, X, Y, RECT{0, 0, FWidth, FHeight});
}

void TKsBitmap::DrawRect(TKsBitmap& Dest, int X, int Y, const RECT& SrcRect) const {
    if (Empty() || Dest.Empty())
        return;
    if (!FUseAlpha) {
        BitBlt(Dest.FDC, X, Y, RectWidth(SrcRect), RectHeight(SrcRect), FDC, SrcRect.left,
               SrcRect.top, SRCCOPY);
        return;
    }
    BlendOnto(Dest, X, Y, SrcRect);
}

void TKsBitmap::BlendOnto(TKsBitmap& Dest, int X, int Y, const RECT& SrcRect) const {
    GdiFlush();
    const RECT Clip = KsClipTransfer(SrcRect, PixelView(), Dest.PixelView(), X, Y);
    if (!HasArea(Clip))
        return;
    const int DestX = X + Clip.left - SrcRect.left;
    const int DestY = Y + Clip.top - SrcRect.top;
    const TKsAlphaBlendFunc AlphaBlend = KsAlphaBlendEntry();
    if (AlphaBlend && KsAlphaContentOf(PixelView(), Clip) != TKsAlphaContent::Other) {
        const BLENDFUNCTION Blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        const int W = RectWidth(Clip), H = RectHeight(Clip);
        if (AlphaBlend(Dest.FDC, DestX, DestY, W, H, FDC, Clip.left, Clip.top, W, H, Blend)) {
            GdiFlush();
            return;
        }
    }
    KsBlendRect(PixelView(), Clip, Dest.PixelView(), DestX, DestY);
}

void TKsBitmap::StretchDraw(TKsBitmap& Dest, const RECT& DstRect, const RECT& SrcRect) const {
    if (Empty() || Dest.Empty())
        return;
    if (!FUseAlpha) {
        const TStretchModeColorOnColor Mode(Dest.FDC);
        StretchBlt(Dest.FDC, DstRect.left, DstRect.top, RectWidth(DstRect), RectHeight(DstRect),
                   FDC, SrcRect.left, SrcRect.top, RectWidth(SrcRect), RectHeight(SrcRect),
                   SRCCOPY);
        return;
    }
    if (RectWidth(DstRect) == RectWidth(SrcRect) && RectHeight(DstRect) == RectHeight(SrcRect)) {
        BlendOnto(Dest, DstRect.left, DstRect.top, SrcRect);
        return;
    }
    GdiFlush();
    KsStretchBlend(PixelView(), SrcRect, Dest.PixelView(), DstRect);
}

void TKsBitmap::TileDraw(TKsBitmap& Dest, const RECT& DstRect, const RECT& SrcRect) const {
    const int TileWidth = RectWidth(SrcRect);
    const int TileHeight = RectHeight(SrcRect);
    if (TileWidth <= 0 || TileHeight <= 0)
        return;
    const int Columns = (RectWidth(DstRect) + TileWidth - 1) / TileWidth;
    const int Rows = (RectHeight(DstRect) + TileHeight - 1) / TileHeight;
    for (int Column = 0; Column <= Columns; ++Column)
        for (int Row = 0; Row <= Rows; ++Row) {
            const int Left = DstRect.left + Column * TileWidth;
            const int Top = DstRect.top + Row * TileHeight;
            const RECT Tile =
                Intersection(RECT{Left, Top, Left + TileWidth, Top + TileHeight}, DstRect);
            if (!HasArea(Tile))
                break;
            // A tile cut by the destination's edge takes the source's top-left part.
            DrawRect(Dest, Tile.left, Tile.top,
                     RECT{SrcRect.left, SrcRect.top, SrcRect.left + RectWidth(Tile),
                          SrcRect.top + RectHeight(Tile)});
        }
}

void TKsBitmap::DrawScaled(TKsBitmap& Dest, const RECT& DstRect, const RECT& SrcRect,
                           bool Stretch) const {
    if (IsRectEmpty(DstRect))
        return;
    if (Stretch)
        StretchDraw(Dest, DstRect, SrcRect);
    else
        TileDraw(Dest, DstRect, SrcRect);
}

void TKsBitmap::DrawNineSlice(TKsBitmap& Dest, const RECT& D, const RECT& S, bool Stretch, int L,
                              int T, int R, int B) const {
    if (L == 0 && T == 0 && R == 0 && B == 0) {
        StretchDraw(Dest, D, S);
        return;
    }
    DrawScaled(Dest, RECT{D.left + L, D.top + T, D.right - R, D.bottom - B},
               RECT{S.left + L, S.top + T, S.right - R, S.bottom - B}, Stretch);
    DrawScaled(Dest, RECT{D.left + L, D.top, D.right - R, D.top + T},
               RECT{S.left + L, S.top, S.right - R, S.top + T}, Stretch);
    DrawScaled(Dest, RECT{D.left + L, D.bottom - B, D.right - R, D.bottom},
               RECT{S.left + L, S.bottom - B, S.right - R, S.bottom}, Stretch);
    DrawScaled(Dest, RECT{D.left, D.top + T, D.left + L, D.bottom - B},
               RECT{S.left, S.top + T, S.left + L, S.bottom - B}, Stretch);
    DrawScaled(Dest, RECT{D.right - R, D.top + T, D.right, D.bottom - B},
               RECT{S.right - R, S.top + T, S.right, S.bottom - B}, Stretch);
    DrawRect(Dest, D.left, D.top, RECT{S.left, S.top, S.left + L, S.top + T});
    DrawRect(Dest, D.right - R, D.top, RECT{S.right - R, S.top, S.right, S.top + T});
    DrawRect(Dest, D.left, D.bottom - B, RECT{S.left, S.bottom - B, S.left + L, S.bottom});
    DrawRect(Dest, D.right - R, D.bottom - B, RECT{S.right - R, S.bottom - B, S.right, S.bottom});
}

void TKsBitmap::MergeOver(const TKsBitmap& Background, int X, int Y, const RECT& Rect) {
    GdiFlush();
    KsMergeOver(PixelView(), Background.PixelView(), X, Y, Rect);
}

void TKsBitmap::MoveTo(int X, int Y) {
    FPenPos = POINT{X, Y};
    if (FDC)
        MoveToEx(FDC, X, Y, nullptr);
}

void TKsBitmap::LineTo(int X, int Y, TKsColor Pixel) {
    if (FDC) {
        const TKsSolidPen Pen(FDC, ToColorRef(Pixel));
        ::LineTo(FDC, X, Y);
    }
    FPenPos = POINT{X, Y};
}

void TKsBitmap::DrawLine(const RECT& Rect, TKsColor Pixel) {
    MoveTo(Rect.left, Rect.top);
    LineTo(Rect.right, Rect.bottom, Pixel);
}

void TKsBitmap::FillRect(const RECT& Rect, TKsColor Pixel) {
    GdiFlush();
    KsFillRect(PixelView(), Rect, Pixel, FUseAlpha);
}

void TKsBitmap::FrameRect3D(const RECT& Rect, TKsColor TopLeft, TKsColor BottomRight) {
    GdiFlush();
    KsFrameRect3D(PixelView(), Rect, TopLeft, BottomRight);
}

void TKsBitmap::FrameRect(const RECT& Rect, TKsColor Pixel) {
    FrameRect3D(Rect, Pixel, Pixel);
}

void TKsBitmap::Frame3D(const RECT& Rect, TKsColor Base, bool Sunken, int Depth) {
    RECT Ring = Rect;
    for (int K = 0; K < Depth; ++K) {
        // Amounts past a byte would wrap to a faint ring; they are held at the maximum.
        const int Amount = Depth == 1 ? 35 : std::min(((Depth - K) & 255) * 17, 255);
        const TKsColor Light = KsColorLighten(Base, std::uint8_t(Amount));
        const TKsColor Dark = KsColorDarken(Base, std::uint8_t(Amount));
        if (Sunken)
            FrameRect3D(Ring, Dark, Light);
        else
            FrameRect3D(Ring, Light, Dark);
        Ring = InflateRectBy(Ring, -1);
    }
}

void TKsBitmap::DrawFocusRect(const RECT& Rect) {
    if (FDC)
        ::DrawFocusRect(FDC, &Rect);
}

void TKsBitmap::RoundFrame(const RECT& Rect, int Corner, TKsColor Pixel) {
    if (!FDC)
        return;
    const TKsSolidPen Pen(FDC, ToColorRef(Pixel));
    const TKsFillBrush Hollow(FDC);
    RoundRect(FDC, Rect.left, Rect.top, Rect.right, Rect.bottom, Corner, Corner);
}

void TKsBitmap::FillRoundRect(const RECT& Rect, int Corner, TKsColor Pixel) {
    if (!FDC)
        return;
    const TKsSolidPen Pen(FDC, ToColorRef(Pixel));
    const TKsFillBrush Brush(FDC, ToColorRef(Pixel));
    RoundRect(FDC, Rect.left, Rect.top, Rect.right, Rect.bottom, Corner, Corner);
}

void TKsBitmap::PolygonFrame(const std::vector<POINT>& Points, TKsColor Pixel) {
    if (!FDC || Points.empty())
        return;
    const TKsSolidPen Pen(FDC, ToColorRef(Pixel));
    const TKsFillBrush Hollow(FDC);
    Polygon(FDC, Points.data(), int(Points.size()));
}

void TKsBitmap::FillPolygon(const std::vector<POINT>& Points, TKsColor Pixel) {
    if (!FDC || Points.empty())
        return;
    const TKsSolidPen Pen(FDC, ToColorRef(Pixel));
    const TKsFillBrush Brush(FDC, ToColorRef(Pixel));
    Polygon(FDC, Points.data(), int(Points.size()));
}

void TKsBitmap::FillDither(const RECT& Rect, TKsColor Back, TKsColor Dot) {
    GdiFlush();
    KsFillDither(PixelView(), Rect, Back, Dot, FUseAlpha);
}

void TKsBitmap::FillGradient(const RECT& Rect, TKsColor From, bool Vertical, TKsColor To) {
    GdiFlush();
    KsFillGradient(PixelView(), Rect, From, Vertical, To, FUseAlpha);
}

int TKsBitmap::TextHeight(const std::string& Text) const {
    if (Empty())
        return 0;
    const TKsSelectedFont Selected(*this);
    const std::wstring Wide = Utf8ToWide(Text);
    RECT Bounds{0, 0, 0, 0};
    DrawTextW(FDC, Wide.c_str(), int(Wide.size()), &Bounds, DT_CALCRECT);
    return RectHeight(Bounds);
}

int TKsBitmap::TextWidth(const std::string& Text, UINT Format) const {
    if (Empty())
        return 0;
    const TKsSelectedFont Selected(*this);
    const std::wstring Wide = Utf8ToWide(Text);
    RECT Bounds{0, 0, 0, 0};
    DrawTextW(FDC, Wide.c_str(), int(Wide.size()), &Bounds, Format | DT_CALCRECT);
    return RectWidth(Bounds);
}

int TKsBitmap::DrawText(const std::string& Text, RECT Rect, UINT Format) {
    if (Empty())
        return 0;
    const TKsSelectedFont Selected(*this);
    const TTextDrawingState State(FDC, COLORREF(ColorToRGB(FFont->Color())));
    const std::wstring Wide = Utf8ToWide(Text);
    return DrawTextW(FDC, Wide.c_str(), int(Wide.size()), &Rect, Format);
}

void TKsBitmap::DrawVerticalText(const std::string& Text, const RECT& Rect, bool Clockwise,
                                 UINT Format) {
    constexpr TKsColor Key = 0xFFFF00FFu;
    TKsBitmap Turned;
    Turned.SetSize(RectHeight(Rect), RectWidth(Rect));
    if (Turned.Empty())
        return;
    Turned.Fill(Key);
    Turned.SetFont(FFont.get());
    Turned.DrawText(Text, RECT{0, 0, Turned.Width(), Turned.Height()}, Format);
    GdiFlush();
    const TKsColor Ink = ColorToKsColor(FFont->Color(), 255);
    // Turned pixel (i, j) lands inside Rect: a quarter turn about its corner.
    for (int J = 0; J < Turned.Height(); ++J)
        for (int I = 0; I < Turned.Width(); ++I)
            if (Turned.FBits[J * Turned.Width() + I] != Key) {
                if (Clockwise)
                    SetPixels(Rect.right - 1 - J, Rect.top + I, Ink);
                else
                    SetPixels(Rect.left + J, Rect.bottom - 1 - I, Ink);
            }
}

void TKsBitmap::LoadFromStream(TStream& Stream) {
    TBitmap Bitmap;
    Bitmap.LoadFromStream(Stream);
    Assign(&Bitmap);
}

void TKsBitmap::Assign(TPersistent* Source) {
    // Surfaces are copied by drawing one onto the other; assigning one changes nothing.
    if (dynamic_cast<TKsBitmap*>(Source))
        return;
    if (auto* Picture = dynamic_cast<TPicture*>(Source)) {
        if (Picture->Graphic())
            AssignGraphic(*Picture->Graphic(), Picture->Width(), Picture->Height());
        return;
    }
    if (auto* Graphic = dynamic_cast<TGraphic*>(Source)) {
        AssignGraphic(*Graphic, Graphic->Width(), Graphic->Height());
        return;
    }
    TPersistent::Assign(Source);
}

void TKsBitmap::AssignGraphic(TGraphic& Graphic, int W, int H) {
    SetSize(W, H);
    if (Empty())
        return;
    if (auto* Bitmap = dynamic_cast<TBitmap*>(&Graphic)) {
        BitBlt(FDC, 0, 0, Bitmap->Width(), Bitmap->Height(), Bitmap->Canvas()->Handle(), 0, 0,
               SRCCOPY);
    } else {
        TCanvasOnDC Target(FDC);
        Target.Canvas().StretchDraw(RECT{0, 0, FWidth, FHeight}, &Graphic);
    }
    // Host drawing leaves the alpha bytes undefined; a copied picture is opaque.
    SetAlpha(255);
}

void TKsBitmap::CopyToBitmap(TBitmap& Bitmap) const {
    Bitmap.SetHandleType(TBitmapHandleType::bmDIB);
    Bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    Bitmap.SetSize(FWidth, FHeight);
    if (!Empty())
        BitBlt(Bitmap.Canvas()->Handle(), 0, 0, FWidth, FHeight, FDC, 0, 0, SRCCOPY);
}

void TKsBitmap::AssignTo(TPersistent* Dest) {
    if (auto* Board = dynamic_cast<TClipboard*>(Dest)) {
        TBitmap Bitmap;
        CopyToBitmap(Bitmap);
        Board->Assign(&Bitmap);
        return;
    }
    if (auto* Picture = dynamic_cast<TPicture*>(Dest)) {
        CopyToBitmap(*Picture->Bitmap());
        return;
    }
    if (auto* Bitmap = dynamic_cast<TBitmap*>(Dest)) {
        CopyToBitmap(*Bitmap);
        return;
    }
    TPersistent::AssignTo(Dest);
}
