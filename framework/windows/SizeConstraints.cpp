#include "framework/windows/SizeConstraints.h"

#include "framework/core/Properties.h"
#include "framework/windows/Controls.h"

#include <algorithm>

namespace {

const TPropertyTable SizeConstraintsProperties{
    TPublished<TSizeConstraints>::Integer("MaxHeight", &TSizeConstraints::MaxHeight,
                                          &TSizeConstraints::SetMaxHeight),
    TPublished<TSizeConstraints>::Integer("MaxWidth", &TSizeConstraints::MaxWidth,
                                          &TSizeConstraints::SetMaxWidth),
    TPublished<TSizeConstraints>::Integer("MinHeight", &TSizeConstraints::MinHeight,
                                          &TSizeConstraints::SetMinHeight),
    TPublished<TSizeConstraints>::Integer("MinWidth", &TSizeConstraints::MinWidth,
                                          &TSizeConstraints::SetMinWidth),
};

} // namespace

const TClassOf<TSizeConstraints> TSizeConstraints::Class{"TSizeConstraints", TPersistent::Class,
                                                         &SizeConstraintsProperties};

void TSizeConstraints::SetMinWidth(int Value) {
    if (Value == FMinWidth)
        return;
    FMinWidth = std::max(Value, 0);
    if (FMaxWidth > 0 && FMaxWidth < FMinWidth)
        FMaxWidth = FMinWidth;
    Changed();
}

void TSizeConstraints::SetMinHeight(int Value) {
    if (Value == FMinHeight)
        return;
    FMinHeight = std::max(Value, 0);
    if (FMaxHeight > 0 && FMaxHeight < FMinHeight)
        FMaxHeight = FMinHeight;
    Changed();
}

void TSizeConstraints::SetMaxWidth(int Value) {
    if (Value == FMaxWidth)
        return;
    FMaxWidth = std::max(Value, 0);
    if (FMaxWidth > 0 && FMinWidth > FMaxWidth)
        FMinWidth = FMaxWidth;
    Changed();
}

void TSizeConstraints::SetMaxHeight(int Value) {
    if (Value == FMaxHeight)
        return;
    FMaxHeight = std::max(Value, 0);
    if (FMaxHeight > 0 && FMinHeight > FMaxHeight)
        FMinHeight = FMaxHeight;
    Changed();
}

void TSizeConstraints::Apply(int& Width, int& Height) const {
    if (FMaxWidth > 0)
        Width = std::min(Width, FMaxWidth);
    if (FMaxHeight > 0)
        Height = std::min(Height, FMaxHeight);
    Width = std::max(Width, FMinWidth);
    Height = std::max(Height, FMinHeight);
}

void TSizeConstraints::Assign(TPersistent* Source) {
    auto* Other = dynamic_cast<TSizeConstraints*>(Source);
    if (!Other) {
        TPersistent::Assign(Source);
        return;
    }
    FMinWidth = Other->FMinWidth;
    FMinHeight = Other->FMinHeight;
    FMaxWidth = Other->FMaxWidth;
    FMaxHeight = Other->FMaxHeight;
    Changed();
}

void TSizeConstraints::Changed() {
    if (FControl)
        FControl->ConstraintsChanged();
    if (OnChange)
        OnChange(this);
}
