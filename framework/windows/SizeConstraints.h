// Limits on a control's size, published as a control's Constraints.
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Objects.h"

class TControl;

// Limits a control's size; 0 means no limit.
class TSizeConstraints : public TPersistent {
public:
    static const TClassOf<TSizeConstraints> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TSizeConstraints(TControl* AControl) : FControl(AControl) {}

    int MinWidth() const { return FMinWidth; }
    int MinHeight() const { return FMinHeight; }
    int MaxWidth() const { return FMaxWidth; }
    int MaxHeight() const { return FMaxHeight; }
    void SetMinWidth(int Value);
    void SetMinHeight(int Value);
    void SetMaxWidth(int Value);
    void SetMaxHeight(int Value);

    // Width and height brought inside the limits.
    void Apply(int& Width, int& Height) const;
    void Assign(TPersistent* Source) override;

    // Told after every change, besides the control: for an owner that is not a control.
    TNotifyEvent OnChange;

private:
    void Changed();

    TControl* FControl;
    int FMinWidth = 0;
    int FMinHeight = 0;
    int FMaxWidth = 0;
    int FMaxHeight = 0;
};
