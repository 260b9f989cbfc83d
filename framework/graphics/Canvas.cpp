#include "framework/graphics/Canvas.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/Graphic.h"

namespace {

constexpr TCanvasState HandleOnly{TCanvasStateFlag::csHandleValid};
constexpr TCanvasState PenAndBrush{TCanvasStateFlag::csHandleValid, TCanvasStateFlag::csPenValid,
                                   TCanvasStateFlag::csBrushValid};
constexpr TCanvasState FontAndBrush{TCanvasStateFlag::csHandleValid, TCanvasStateFlag::csFontValid,
                                    TCanvasStateFlag::csBrushValid};
constexpr TCanvasState FontOnly{TCanvasStateFlag::csHandleValid, TCanvasStateFlag::csFontValid};
constexpr TCanvasState BrushOnly{TCanvasStateFlag::csHandleValid, TCanvasStateFlag::csBrushValid};

int PointCount(std::span<const POINT> Points) {
    return static_cast<int>(Points.size());
}

} // namespace

const TClassOf<TCanvas> TCanvas::Class{"TCanvas", TPersistent::Class};

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>()) {
    FFont->OnChange = MakeEvent(this, &TCanvas::ObjectChanged);
    FPen->OnChange = MakeEvent(this, &TCanvas::ObjectChanged);
    FBrush->OnChange = MakeEvent(this, &TCanvas::ObjectChanged);
}

TCanvas::~TCanvas() {
    SetHandle(nullptr);
}

HDC TCanvas::Handle() {
    return RequireState(HandleOnly);
}

void TCanvas::SetHandle(HDC Value) {
    if (Value == FHandle)
        return;
    if (FHandle)
        RestoreOriginals();
    FHandle = Value;
    FState = Value ? HandleOnly : TCanvasState{};
    FModified = false;
}

void TCanvas::CreateHandle() {}

HDC TCanvas::RequireState(TCanvasState Needs) {
    const TCanvasState Missing = Needs - FState;
    if (Missing.Empty())
        return FHandle;
    if (Missing.Contains(TCanvasStateFlag::csHandleValid)) {
        CreateHandle();
        if (!FHandle)
            throw EInvalidOperation("Canvas does not allow drawing");
    }
    if (Missing.Contains(TCanvasStateFlag::csFontValid))
        SelectFont();
    if (Missing.Contains(TCanvasStateFlag::csPenValid))
        SelectPen();
    if (Missing.Contains(TCanvasStateFlag::csBrushValid))
        SelectBrush();
    return FHandle;
}

void TCanvas::RememberOriginals() {
    if (FModified)
        return;
    FOriginal.Font = GetCurrentObject(FHandle, OBJ_FONT);
    FOriginal.Pen = GetCurrentObject(FHandle, OBJ_PEN);
    FOriginal.Brush = GetCurrentObject(FHandle, OBJ_BRUSH);
    FOriginal.Rop2 = GetROP2(FHandle);
    FOriginal.BkMode = GetBkMode(FHandle);
    FOriginal.BkColor = GetBkColor(FHandle);
    FOriginal.TextColor = GetTextColor(FHandle);
    FModified = true;
}

void TCanvas::RestoreOriginals() {
    if (!FModified)
        return;
    SelectObject(FHandle, FOriginal.Font);
    SelectObject(FHandle, FOriginal.Pen);
    SelectObject(FHandle, FOriginal.Brush);
    SetROP2(FHandle, FOriginal.Rop2);
    SetBkMode(FHandle, FOriginal.BkMode);
    SetBkColor(FHandle, FOriginal.BkColor);
    SetTextColor(FHandle, FOriginal.TextColor);
    FState = HandleOnly;
}

// Each selection asks for the object's handle before touching the context, so a failure
// to create one leaves the context as it was.
void TCanvas::SelectFont() {
    const HFONT Font = FFont->Handle();
    RememberOriginals();
    SelectObject(FHandle, Font);
    SetTextColor(FHandle, COLORREF(ColorToRGB(FFont->Color())));
    FState.Include(TCanvasStateFlag::csFontValid);
}

void TCanvas::SelectPen() {
    const HPEN Pen = FPen->Handle();
    RememberOriginals();
    SelectObject(FHandle, Pen);
    SetROP2(FHandle, PenModeToRop2(FPen->Mode()));
    FState.Include(TCanvasStateFlag::csPenValid);
}

void TCanvas::SelectBrush() {
    const HBRUSH Brush = FBrush->Handle();
    RememberOriginals();
    UnrealizeObject(Brush);
    SelectObject(FHandle, Brush);
    if (FBrush->Style() == TBrushStyle::bsSolid) {
        SetBkColor(FHandle, COLORREF(ColorToRGB(FBrush->Color())));
        SetBkMode(FHandle, OPAQUE);
    } else {
        SetBkMode(FHandle, TRANSPARENT);
    }
    FState.Include(TCanvasStateFlag::csBrushValid);
}

void TCanvas::ObjectChanged(TObject* Sender) {
    if (!FHandle)
        return;
    // Put the original object back so that the changed one's old handle can be deleted.
    if (Sender == FFont.get() && FState.Contains(TCanvasStateFlag::csFontValid)) {
        SelectObject(FHandle, FOriginal.Font);
        FState.Exclude(TCanvasStateFlag::csFontValid);
    } else if (Sender == FPen.get() && FState.Contains(TCanvasStateFlag::csPenValid)) {
        SelectObject(FHandle, FOriginal.Pen);
        FState.Exclude(TCanvasStateFlag::csPenValid);
    } else if (Sender == FBrush.get() && FState.Contains(TCanvasStateFlag::csBrushValid)) {
        SelectObject(FHandle, FOriginal.Brush);
        FState.Exclude(TCanvasStateFlag::csBrushValid);
    }
}

void TCanvas::Refresh() {
    if (FHandle)
        RestoreOriginals();
}

void TCanvas::Changing() {
    OnChanging(this);
}

void TCanvas::Changed() {
    OnChange(this);
}

POINT TCanvas::PenPos() {
    POINT Result{0, 0};
    GetCurrentPositionEx(Handle(), &Result);
    return Result;
}

RECT TCanvas::ClipRect() {
    RECT Result{0, 0, 0, 0};
    GetClipBox(Handle(), &Result);
    return Result;
}

void TCanvas::MoveTo(int X, int Y) {
    MoveToEx(Handle(), X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
    const HDC DC = RequireState(PenAndBrush);
    Changing();
    ::LineTo(DC, X, Y);
    Changed();
}

void TCanvas::Polyline(std::span<const POINT> Points) {
    const HDC DC = RequireState(PenAndBrush);
    Changing();
    ::Polyline(DC, Points.data(), PointCount(Points));
    Changed();
}

void TCanvas::Polygon(std::span<const POINT> Points) {
    const HDC DC = RequireState(PenAndBrush);
    Changing();
    ::Polygon(DC, Points.data(), PointCount(Points));
    Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    const HDC DC = RequireState(PenAndBrush);
    Changing();
    ::Rectangle(DC, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight) {
    const HDC DC = RequireState(PenAndBrush);
    Changing();
    ::RoundRect(DC, X1, Y1, X2, Y2, CornerWidth, CornerHeight);
    Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    const HDC DC = RequireState(PenAndBrush);
    Changing();
    ::Ellipse(DC, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::FillRect(const RECT& Rect) {
    const HDC DC = RequireState(BrushOnly);
    Changing();
    ::FillRect(DC, &Rect, FBrush->Handle());
    Changed();
}

void TCanvas::FrameRect(const RECT& Rect) {
    const HDC DC = RequireState(BrushOnly);
    Changing();
    ::FrameRect(DC, &Rect, FBrush->Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const RECT& Rect) {
    const HDC DC = RequireState(BrushOnly);
    Changing();
    ::DrawFocusRect(DC, &Rect);
    Changed();
}

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
    const HDC DC = RequireState(FontAndBrush);
    const std::wstring Wide = Utf8ToWide(Text);
    Changing();
    ExtTextOutW(DC, X, Y, 0, nullptr, Wide.c_str(), UINT(Wide.size()), nullptr);
    SIZE Extent{0, 0};
    GetTextExtentPoint32W(DC, Wide.c_str(), int(Wide.size()), &Extent);
    MoveToEx(DC, X + Extent.cx, Y, nullptr);
    Changed();
}

void TCanvas::TextRect(const RECT& Rect, int X, int Y, const std::string& Text) {
    const HDC DC = RequireState(FontAndBrush);
    const std::wstring Wide = Utf8ToWide(Text);
    UINT Options = ETO_CLIPPED;
    if (FBrush->Style() == TBrushStyle::bsSolid)
        Options |= ETO_OPAQUE;
    Changing();
    ExtTextOutW(DC, X, Y, Options, &Rect, Wide.c_str(), UINT(Wide.size()), nullptr);
    Changed();
}

SIZE TCanvas::TextExtent(const std::string& Text) {
    const HDC DC = RequireState(FontOnly);
    const std::wstring Wide = Utf8ToWide(Text);
    SIZE Result{0, 0};
    GetTextExtentPoint32W(DC, Wide.c_str(), int(Wide.size()), &Result);
    return Result;
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty())
        return;
    StretchDraw(RECT{X, Y, X + Graphic->Width(), Y + Graphic->Height()}, Graphic);
}

void TCanvas::StretchDraw(const RECT& Rect, TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty())
        return;
    RequireState(HandleOnly);
    Changing();
    Graphic->Draw(*this, Rect);
    Changed();
}

void TCanvas::CopyRect(const RECT& Dest, TCanvas* Source, const RECT& SourceRect) {
    const HDC DC = RequireState(BrushOnly);
    const HDC SourceDC = Source->RequireState(BrushOnly);
    Changing();
    StretchBlt(DC, Dest.left, Dest.top, Dest.right - Dest.left, Dest.bottom - Dest.top, SourceDC,
               SourceRect.left, SourceRect.top, SourceRect.right - SourceRect.left,
               SourceRect.bottom - SourceRect.top, FCopyMode);
    Changed();
}

TColor TCanvas::Pixels(int X, int Y) {
    const COLORREF Pixel = GetPixel(Handle(), X, Y);
    return Pixel == CLR_INVALID ? clNone : TColor(Pixel);
}

void TCanvas::SetPixels(int X, int Y, TColor Color) {
    const HDC DC = Handle();
    Changing();
    SetPixel(DC, X, Y, COLORREF(ColorToRGB(Color)));
    Changed();
}
