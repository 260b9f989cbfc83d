// TScrollBox: a bordered container that scrolls children larger than itself.
#pragma once

#include "framework/windows/Bevels.h"
#include "framework/windows/ScrollingWinControl.h"

class TScrollBox : public TScrollingWinControl {
public:
    static const TComponentClassOf<TScrollBox> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TScrollBox(TComponent* AOwner);

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    // A sunken 3-D border rather than a flat line.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool Value) { FParentCtl3D = Value; }
    // Bevel settings kept for layouts; the border is the host's.
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value) { FBevelInner = Value; }
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value) { FBevelOuter = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    TBevelCut FBevelInner = TBevelCut::bvRaised;
    TBevelCut FBevelOuter = TBevelCut::bvLowered;
};
