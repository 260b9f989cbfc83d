// TCanvas: drawing on a host device context with the framework's font, pen and brush.
// A canvas either works on a device context that its user sets and clears (SetHandle; the
// canvas never releases it) or makes its own on demand (classes that override
// CreateHandle, such as a bitmap's canvas). Font, pen and brush are selected lazily, before
// the first operation that needs them; when the handle changes or the canvas is destroyed
// the device context gets back the objects and modes it had before.
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Objects.h"
#include "framework/core/Sets.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/GraphicsObjects.h"
#include "framework/graphics/WinApi.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

class TGraphic;

// The raster operations of CopyRect.
using TCopyMode = uint32_t;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

enum class TCanvasStateFlag : uint8_t { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = TSet<TCanvasStateFlag>;

class TCanvas : public TPersistent {
public:
    static const TClassOf<TCanvas> Class;
    const TClass& ClassType() const override { return Class; }

    TCanvas();
    ~TCanvas() override;

    // The device context; a canvas that can make one does so now. Raises
    // EInvalidOperation "Canvas does not allow drawing" when there is none.
    HDC Handle();
    // Works on Value from now on (nullptr: on none). The canvas does not own it; the
    // previous context gets its original objects and modes back.
    void SetHandle(HDC Value);
    bool HandleAllocated() const { return FHandle != nullptr; }

    TFont* Font() const { return FFont.get(); }
    TPen* Pen() const { return FPen.get(); }
    TBrush* Brush() const { return FBrush.get(); }
    // Copy the attributes of the given object.
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    void SetPen(TPen* Value) { FPen->Assign(Value); }
    void SetBrush(TBrush* Value) { FBrush->Assign(Value); }

    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }

    // The current point of MoveTo and LineTo.
    POINT PenPos();
    void SetPenPos(POINT Value) { MoveTo(Value.x, Value.y); }
    // The part of the device context that drawing can reach.
    RECT ClipRect();

    // Lines go from the current point up to, not including, the end point.
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Polyline(std::span<const POINT> Points);
    // Outlined with the pen, filled with the brush.
    void Polygon(std::span<const POINT> Points);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const RECT& Rect) { Rectangle(Rect.left, Rect.top, Rect.right, Rect.bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const RECT& Rect) { Ellipse(Rect.left, Rect.top, Rect.right, Rect.bottom); }
    // With the brush: the whole rectangle, or a one-pixel frame just inside it.
    void FillRect(const RECT& Rect);
    void FrameRect(const RECT& Rect);
    // The host's dotted focus rectangle; drawing it twice removes it.
    void DrawFocusRect(const RECT& Rect);

    // Text in the font; the background is filled with the brush unless it is clear.
    // TextOut moves the current point to the end of the text.
    void TextOut(int X, int Y, const std::string& Text);
    // Text at (X, Y) clipped to Rect; a solid brush fills Rect first.
    void TextRect(const RECT& Rect, int X, int Y, const std::string& Text);
    SIZE TextExtent(const std::string& Text);
    int TextWidth(const std::string& Text) { return TextExtent(Text).cx; }
    int TextHeight(const std::string& Text) { return TextExtent(Text).cy; }

    // The graphic at its own size, or stretched into Rect.
    void Draw(int X, int Y, TGraphic* Graphic);
    void StretchDraw(const RECT& Rect, TGraphic* Graphic);
    // Copies (stretching when the sizes differ) Source's SourceRect into Dest with CopyMode.
    void CopyRect(const RECT& Dest, TCanvas* Source, const RECT& SourceRect);

    // A pixel's colour (clNone outside the clipping region) and setting one.
    TColor Pixels(int X, int Y);
    void SetPixels(int X, int Y, TColor Color);

    // Deselects font, pen and brush; they are selected again when next needed.
    void Refresh();

    // Raised around every drawing operation.
    TNotifyEvent OnChanging;
    TNotifyEvent OnChange;

protected:
    // Called when a device context is needed and none is set; a canvas that owns its
    // context makes one here and calls SetHandle. Does nothing by default.
    virtual void CreateHandle();
    void Changing();
    void Changed();

private:
    struct TOriginalState {
        HGDIOBJ Font = nullptr;
        HGDIOBJ Pen = nullptr;
        HGDIOBJ Brush = nullptr;
        int Rop2 = 0;
        int BkMode = 0;
        COLORREF BkColor = 0;
        COLORREF TextColor = 0;
    };

    // The context with the objects Needs asks for selected.
    HDC RequireState(TCanvasState Needs);
    void SelectFont();
    void SelectPen();
    void SelectBrush();
    void RememberOriginals();
    void RestoreOriginals();
    void ObjectChanged(TObject* Sender);

    HDC FHandle = nullptr;
    TCanvasState FState;
    TOriginalState FOriginal;
    bool FModified = false; // something of the context has been changed since it was set
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    TCopyMode FCopyMode = cmSrcCopy;
};
