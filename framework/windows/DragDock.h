// Dragging controls with the mouse. A plain drag (dkDrag) carries a control to another
// control that takes it; a dock drag (dkDock) carries it into a dock site (a windowed control
// with DockSite set) or, let go anywhere else, into a floating window of its own, from whose
// caption it can be dragged on. One drag runs at a time: from its start until the left
// button is let go, a hidden window holds the mouse capture and follows the pointer, the
// control under the pointer is told of the drag entering, moving over and leaving it, and an
// inverted outline on the screen shows where a dock drag would put the control.
//
// A dock drag does not offer the control back to the site it is leaving until the pointer
// has been outside that site: a control torn off where it stood floats when the button is
// let go there.
#pragma once

#include "framework/core/Objects.h"
#include "framework/graphics/WinApi.h"
#include "framework/windows/DragTypes.h"

class TControl;
class TWinControl;
class TDragOperation;

// A drag in progress, as the controls it passes over see it.
class TDragDockObject : public TObject {
public:
    static const TClassOf<TDragDockObject> Class;
    const TClass& ClassType() const override { return Class; }

    TDragDockObject(TControl* Control, TDragKind Kind) : FControl(Control), FKind(Kind) {}

    TControl* Control() const { return FControl; }
    TDragKind Kind() const { return FKind; }
    // The pointer, in screen coordinates.
    POINT DragPos() const { return FDragPos; }
    // Where a dock drag would put the control now, in screen coordinates: the control's size
    // where the pointer holds it. A dock site it is over may move it.
    const RECT& DockRect() const { return FDockRect; }
    void SetDockRect(const RECT& Value) { FDockRect = Value; }
    // The control the drag is over and that takes it, or nullptr.
    TControl* DragTarget() const { return FDragTarget; }

private:
    friend class TDragOperation;

    TControl* FControl;
    TDragKind FKind;
    POINT FDragPos{};
    RECT FDockRect{};
    TControl* FDragTarget = nullptr;
};

// The drag that runs now, or nullptr.
TDragDockObject* ActiveDragObject();
// A control is being destroyed: its drag ends without a drop, and a drag over it no longer
// sees it.
void DragControlDestroyed(TControl* Control);
