#include "skin/controls/KsSpeedButtons.h"

#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"

const TComponentClassOf<TKsSpeedContainer> TKsSpeedContainer::Class{"TKsSpeedContainer",
                                                                    TKsCustomControl::Class};

TKsSpeedContainer::TKsSpeedContainer(TComponent* AOwner) : TKsCustomControl(AOwner) {
    TControlStyle Style = ControlStyle();
    Style.Include(TControlStyleFlag::csAcceptsControls);
    SetControlStyle(Style);
    SetTransparent(true);
}

void TKsSpeedContainer::PaintControl() {
    TKsCustomControl::PaintControl();
    if (IsDesigning())
        Surface().FrameRect(RECT{0, 0, Width(), Height()}, KsGray);
}

const TComponentClassOf<TKsSpeedDivider> TKsSpeedDivider::Class{"TKsSpeedDivider",
                                                                TKsGraphicControl::Class};

TKsSpeedDivider::TKsSpeedDivider(TComponent* AOwner) : TKsGraphicControl(AOwner) {
    SetWidth(8);
    SetTransparent(true);
}

void TKsSpeedDivider::PaintControl() {
    TKsGraphicControl::PaintControl();
    if (IsDesigning())
        Surface().FrameRect(RECT{0, 0, Width(), Height()}, KsGray);
}
