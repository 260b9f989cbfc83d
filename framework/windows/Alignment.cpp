#include "framework/windows/Alignment.h"

#include "framework/windows/Controls.h"

#include <algorithm>

namespace {

// Position along the axis an alignment stacks on, as the control stands now.
int StackKey(const TControl* Control, TAlign Align) {
    switch (Align) {
    case TAlign::alTop:
        return Control->Top();
    case TAlign::alBottom:
        return -(Control->Top() + Control->Height());
    case TAlign::alLeft:
        return Control->Left();
    case TAlign::alRight:
        return -(Control->Left() + Control->Width());
    default:
        return 0;
    }
}

void PlaceAligned(TControl* Control, TAlign Align, RECT& Area) {
    const int AreaWidth = std::max<int>(Area.right - Area.left, 0);
    const int AreaHeight = std::max<int>(Area.bottom - Area.top, 0);
    switch (Align) {
    case TAlign::alTop:
        Control->SetBounds(Area.left, Area.top, AreaWidth, Control->Height());
        Area.top += Control->Height();
        break;
    case TAlign::alBottom:
        Control->SetBounds(Area.left, Area.bottom - Control->Height(), AreaWidth,
                           Control->Height());
        Area.bottom -= Control->Height();
        break;
    case TAlign::alLeft:
        Control->SetBounds(Area.left, Area.top, Control->Width(), AreaHeight);
        Area.left += Control->Width();
        break;
    case TAlign::alRight:
        Control->SetBounds(Area.right - Control->Width(), Area.top, Control->Width(), AreaHeight);
        Area.right -= Control->Width();
        break;
    case TAlign::alClient:
        Control->SetBounds(Area.left, Area.top, AreaWidth, AreaHeight);
        break;
    case TAlign::alNone:
        break;
    }
}

} // namespace

RECT AlignChildControls(const std::vector<TControl*>& Children, RECT Area) {
    constexpr TAlign Order[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                                TAlign::alClient};
    for (TAlign Align : Order) {
        std::vector<TControl*> Group;
        for (TControl* Child : Children)
            if (Child->Align() == Align && Child->Visible())
                Group.push_back(Child);
        std::stable_sort(Group.begin(), Group.end(), [Align](TControl* A, TControl* B) {
            return StackKey(A, Align) < StackKey(B, Align);
        });
        for (TControl* Child : Group)
            PlaceAligned(Child, Align, Area);
    }
    return Area;
}

void AnchorChildControls(const std::vector<TControl*>& Children, int DeltaWidth, int DeltaHeight) {
    for (TControl* Child : Children) {
        if (Child->Align() != TAlign::alNone)
            continue;
        const TAnchors Anchors = Child->Anchors();
        int Left = Child->Left();
        int Top = Child->Top();
        int Width = Child->Width();
        int Height = Child->Height();
        if (Anchors.Contains(TAnchorKind::akRight)) {
            if (Anchors.Contains(TAnchorKind::akLeft))
                Width += DeltaWidth;
            else
                Left += DeltaWidth;
        } else if (!Anchors.Contains(TAnchorKind::akLeft)) {
            Left += DeltaWidth / 2;
        }
        if (Anchors.Contains(TAnchorKind::akBottom)) {
            if (Anchors.Contains(TAnchorKind::akTop))
                Height += DeltaHeight;
            else
                Top += DeltaHeight;
        } else if (!Anchors.Contains(TAnchorKind::akTop)) {
            Top += DeltaHeight / 2;
        }
        Child->SetBounds(Left, Top, std::max(Width, 0), std::max(Height, 0));
    }
}
