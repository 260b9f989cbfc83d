#include "framework/windows/ExtCtrls.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/GdiHandles.h"

#include <algorithm>

const TEnumInfo ShapeTypeInfo{
    "TShapeType",
    {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"}};

namespace {

using I = TPublished<TImage>;
const TPropertyTable ImageProperties{
    I::Persistent("Picture", &TImage::Picture),
    I::Boolean("Stretch", &TImage::Stretch, &TImage::SetStretch),
    I::Boolean("Center", &TImage::Center, &TImage::SetCenter),
    I::Boolean("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize),
};

using S = TPublished<TShape>;
const TPropertyTable ShapeProperties{
    S::Persistent("Pen", &TShape::Pen),
    S::Persistent("Brush", &TShape::Brush),
    S::Enumeration("Shape", ShapeTypeInfo, &TShape::Shape, &TShape::SetShape),
};

using N = TPublished<TPanel>;
const TPropertyTable PanelProperties{
    N::Enumeration("BevelInner", BevelCutInfo, &TPanel::BevelInner, &TPanel::SetBevelInner),
    N::Enumeration("BevelOuter", BevelCutInfo, &TPanel::BevelOuter, &TPanel::SetBevelOuter,
                   TBevelCut::bvRaised),
    N::Integer("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth, 1),
    N::Integer("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth),
    N::Enumeration("Alignment", AlignmentInfo, &TPanel::Alignment, &TPanel::SetAlignment,
                   TAlignment::taCenter),
};

} // namespace

const TComponentClassOf<TImage> TImage::Class{"TImage", TGraphicControl::Class, &ImageProperties};

TImage::TImage(TComponent* AOwner)
    : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
    FControlStyle.Include(TControlStyleFlag::csReplicatable);
    FPicture->OnChange = MakeEvent(this, &TImage::PictureChanged);
    FWidth = 105;
    FHeight = 105;
}

TImage::~TImage() = default;

TCanvas* TImage::Canvas() {
    if (!FPicture->Graphic()) {
        TBitmap Blank;
        Blank.SetSize(FWidth, FHeight);
        FPicture->SetGraphic(&Blank);
    }
    auto* Bitmap = dynamic_cast<TBitmap*>(FPicture->Graphic());
    if (!Bitmap)
        throw EInvalidOperation("Can only modify an image if it contains a bitmap");
    return Bitmap->Canvas();
}

void TImage::SetStretch(bool Value) {
    if (Value == FStretch)
        return;
    FStretch = Value;
    Invalidate();
}

void TImage::SetCenter(bool Value) {
    if (Value == FCenter)
        return;
    FCenter = Value;
    Invalidate();
}

void TImage::SetAutoSize(bool Value) {
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    SizeToPicture();
}

void TImage::SizeToPicture() {
    if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0)
        SetBounds(FLeft, FTop, FPicture->Width(), FPicture->Height());
}

void TImage::PictureChanged(TObject*) {
    SizeToPicture();
    Invalidate();
}

RECT TImage::DestRect() const {
    if (FStretch)
        return RECT{0, 0, FWidth, FHeight};
    const int PictureWidth = FPicture->Width();
    const int PictureHeight = FPicture->Height();
    RECT Rect{0, 0, PictureWidth, PictureHeight};
    if (FCenter)
        OffsetRect(&Rect, (FWidth - PictureWidth) / 2, (FHeight - PictureHeight) / 2);
    return Rect;
}

void TImage::Paint() {
    TCanvas* Target = TGraphicControl::Canvas();
    if (IsDesigning()) {
        RECT Frame{0, 0, FWidth, FHeight};
        DrawFocusRect(Target->Handle(), &Frame);
    }
    if (TGraphic* Graphic = FPicture->Graphic(); Graphic && !Graphic->Empty())
        Target->StretchDraw(DestRect(), Graphic);
}

const TComponentClassOf<TShape> TShape::Class{"TShape", TGraphicControl::Class, &ShapeProperties};

TShape::TShape(TComponent* AOwner)
    : TGraphicControl(AOwner), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
    FControlStyle.Include(TControlStyleFlag::csReplicatable);
    FPen->OnChange = MakeEvent(this, &TShape::StyleChanged);
    FBrush->OnChange = MakeEvent(this, &TShape::StyleChanged);
    FWidth = 65;
    FHeight = 65;
}

TShape::~TShape() = default;

void TShape::SetShape(TShapeType Value) {
    if (Value == FShape)
        return;
    FShape = Value;
    Invalidate();
}

void TShape::StyleChanged(TObject*) {
    Invalidate();
}

void TShape::Paint() {
    TCanvas* Target = TGraphicControl::Canvas();
    Target->SetPen(FPen.get());
    Target->SetBrush(FBrush.get());
    // The outline lies inside the bounds whatever the pen's width.
    const int PenWidth = FPen->Width();
    int X = PenWidth / 2;
    int Y = X;
    int W = FWidth - PenWidth + 1;
    int H = FHeight - PenWidth + 1;
    if (PenWidth == 0) {
        --W;
        --H;
    }
    const bool Squared = FShape == TShapeType::stSquare || FShape == TShapeType::stRoundSquare ||
                         FShape == TShapeType::stCircle;
    if (Squared) {
        const int Side = std::min(W, H);
        X += (W - Side) / 2;
        Y += (H - Side) / 2;
        W = Side;
        H = Side;
    }
    switch (FShape) {
    case TShapeType::stRectangle:
    case TShapeType::stSquare:
        Target->Rectangle(X, Y, X + W, Y + H);
        break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare: {
        const int Corner = std::min(W, H) / 4;
        Target->RoundRect(X, Y, X + W, Y + H, Corner, Corner);
        break;
    }
    case TShapeType::stEllipse:
    case TShapeType::stCircle:
        Target->Ellipse(X, Y, X + W, Y + H);
        break;
    }
}

const TComponentClassOf<TPanel> TPanel::Class{"TPanel", TCustomControl::Class, &PanelProperties};

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = {TControlStyleFlag::csAcceptsControls, TControlStyleFlag::csCaptureMouse,
                     TControlStyleFlag::csClickEvents,     TControlStyleFlag::csSetCaption,
                     TControlStyleFlag::csOpaque,          TControlStyleFlag::csDoubleClicks,
                     TControlStyleFlag::csReplicatable};
    FWidth = 185;
    FHeight = 41;
    SetColor(clBtnFace);
}

void TPanel::BordersChanged() {
    Realign();
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut Value) {
    if (Value == FBevelInner)
        return;
    FBevelInner = Value;
    BordersChanged();
}

void TPanel::SetBevelOuter(TBevelCut Value) {
    if (Value == FBevelOuter)
        return;
    FBevelOuter = Value;
    BordersChanged();
}

void TPanel::SetBevelWidth(int Value) {
    Value = std::max(Value, 1);
    if (Value == FBevelWidth)
        return;
    FBevelWidth = Value;
    BordersChanged();
}

void TPanel::SetBorderWidth(int Value) {
    Value = std::max(Value, 0);
    if (Value == FBorderWidth)
        return;
    FBorderWidth = Value;
    BordersChanged();
}

void TPanel::SetAlignment(TAlignment Value) {
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    Invalidate();
}

void TPanel::AdjustClientRect(RECT& Rect) const {
    const int Inset = BevelExtent(FBevelOuter, FBevelWidth) + FBorderWidth +
                      BevelExtent(FBevelInner, FBevelWidth);
    InflateRect(&Rect, -Inset, -Inset);
}

void TPanel::Paint() {
    const HDC DC = Canvas()->Handle();
    RECT Rect = ClientRect();
    DrawBevel(DC, Rect, FBevelOuter, Color(), FBevelWidth);
    Frame3D(DC, Rect, Color(), Color(), FBorderWidth);
    DrawBevel(DC, Rect, FBevelInner, Color(), FBevelWidth);
    TGdiObject<HBRUSH> Face(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Color()))));
    FillRect(DC, &Rect, Face.Get());
    if (!FText.empty())
        DrawControlText(DC, *Font(), Font()->Color(), FText, Rect,
                        DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS |
                            AlignmentToTextFormat(FAlignment));
}
