// The words of dragging and docking that every control knows: how a control is dragged, what
// the controls a drag passes over are told, and the events that let a program take part.
// The drag itself is in DragDock.h.
#pragma once

#include "framework/core/Events.h"

#include <cstdint>

class TDragDockObject;
class TEnumInfo;

// dmAutomatic: pressing the left button on the control starts a drag once the pointer moves.
enum class TDragMode : uint8_t { dmManual, dmAutomatic };
// dkDrag carries the control to a control that takes it (OnDragOver, OnDragDrop); dkDock
// carries it into a dock site, or into a floating window of its own.
enum class TDragKind : uint8_t { dkDrag, dkDock };
enum class TDragState : uint8_t { dsDragEnter, dsDragLeave, dsDragMove };

extern const TEnumInfo DragModeInfo;
extern const TEnumInfo DragKindInfo;

// Sender is the control under the pointer, Source the control dragged; X and Y are in
// Sender's client coordinates.
using TDragOverEvent = TEvent<TObject*, TObject*, int, int, TDragState, bool&>;
using TDragDropEvent = TEvent<TObject*, TObject*, int, int>;
using TDockOverEvent = TEvent<TObject*, TDragDockObject&, int, int, TDragState, bool&>;
using TDockDropEvent = TEvent<TObject*, TDragDockObject&, int, int>;
// Sender is the control dragged, Target the control that took it (nullptr when none did);
// X and Y are in the target's client coordinates.
using TEndDragEvent = TEvent<TObject*, TObject*, int, int>;
