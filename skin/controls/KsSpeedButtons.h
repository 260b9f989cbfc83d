// Layout helpers for rows of skinned buttons: a transparent windowed container that holds
// controls, and a transparent spacer between groups of them. At run time neither shows
// anything but what it holds; while designed each has a grey outline to be found by.
#pragma once

#include "skin/controls/KsControls.h"

class TKsSpeedContainer : public TKsCustomControl {
public:
    static const TComponentClassOf<TKsSpeedContainer> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsSpeedContainer(TComponent* AOwner);

protected:
    // With Transparent off the container fills itself with its Color.
    void PaintControl() override;
};

class TKsSpeedDivider : public TKsGraphicControl {
public:
    static const TComponentClassOf<TKsSpeedDivider> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsSpeedDivider(TComponent* AOwner);

protected:
    void PaintControl() override;
};
