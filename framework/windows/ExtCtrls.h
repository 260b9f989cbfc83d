// The extra controls: TImage shows a picture (at its size, centred or stretched, or sizing
// the control to it), TShape draws a rectangle, square, ellipse or circle with its pen and
// brush, and TPanel is a bevelled container with a caption.
#pragma once

#include "framework/graphics/Picture.h"
#include "framework/windows/Bevels.h"
#include "framework/windows/CustomControls.h"
#include "framework/windows/StdCtrls.h"

#include <memory>

class TImage : public TGraphicControl {
public:
    static const TComponentClassOf<TImage> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
    // The picture's bitmap canvas (an empty picture gets a bitmap of the control's size).
    TCanvas* Canvas();
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    // The control takes the picture's size whenever the picture changes.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    // Where the picture is drawn, in the control's coordinates.
    RECT DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged(TObject* Sender);
    void SizeToPicture();

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FAutoSize = false;
};

enum class TShapeType : uint8_t {
    stRectangle,
    stSquare,
    stRoundRect,
    stRoundSquare,
    stEllipse,
    stCircle
};
extern const TEnumInfo ShapeTypeInfo;

class TShape : public TGraphicControl {
public:
    static const TComponentClassOf<TShape> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TShape(TComponent* AOwner);
    ~TShape() override;

    TPen* Pen() const { return FPen.get(); }
    void SetPen(TPen* Value) { FPen->Assign(Value); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType Value);

protected:
    void Paint() override;

private:
    void StyleChanged(TObject* Sender);

    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    TShapeType FShape = TShapeType::stRectangle;
};

class TPanel : public TCustomControl {
public:
    static const TComponentClassOf<TPanel> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TPanel(TComponent* AOwner);

    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    // Room between the outer and the inner bevel.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

protected:
    void AdjustClientRect(RECT& Rect) const override;
    void Paint() override;

private:
    void BordersChanged();

    TBevelCut FBevelInner = TBevelCut::bvNone;
    TBevelCut FBevelOuter = TBevelCut::bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TAlignment FAlignment = TAlignment::taCenter;
};
