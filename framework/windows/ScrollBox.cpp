#include "framework/windows/ScrollBox.h"

#include "framework/core/Properties.h"

namespace {

using S = TPublished<TScrollBox>;
const TPropertyTable ScrollBoxProperties{
    S::Enumeration("BorderStyle", BorderStyleInfo, &TScrollBox::BorderStyle,
                   &TScrollBox::SetBorderStyle, TBorderStyle::bsSingle),
    S::Boolean("Ctl3D", &TScrollBox::Ctl3D, &TScrollBox::SetCtl3D, true),
    S::Boolean("ParentCtl3D", &TScrollBox::ParentCtl3D, &TScrollBox::SetParentCtl3D, true),
    S::Enumeration("BevelInner", BevelCutInfo, &TScrollBox::BevelInner, &TScrollBox::SetBevelInner,
                   TBevelCut::bvRaised),
    S::Enumeration("BevelOuter", BevelCutInfo, &TScrollBox::BevelOuter, &TScrollBox::SetBevelOuter,
                   TBevelCut::bvLowered),
};

} // namespace

const TComponentClassOf<TScrollBox> TScrollBox::Class{"TScrollBox", TScrollingWinControl::Class,
                                                      &ScrollBoxProperties};

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
    FControlStyle = {TControlStyleFlag::csAcceptsControls, TControlStyleFlag::csCaptureMouse,
                     TControlStyleFlag::csClickEvents, TControlStyleFlag::csSetCaption,
                     TControlStyleFlag::csDoubleClicks};
    FWidth = 185;
    FHeight = 41;
    SetTabStop(false);
}

void TScrollBox::SetBorderStyle(TBorderStyle Value) {
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    RecreateWnd();
}

void TScrollBox::SetCtl3D(bool Value) {
    FParentCtl3D = false;
    if (Value == FCtl3D)
        return;
    FCtl3D = Value;
    RecreateWnd();
}

void TScrollBox::CreateParams(TCreateParams& Params) {
    TScrollingWinControl::CreateParams(Params);
    if (FBorderStyle == TBorderStyle::bsSingle) {
        if (FCtl3D)
            Params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            Params.Style |= WS_BORDER;
    }
}
