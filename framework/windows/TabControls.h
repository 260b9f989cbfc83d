// What tab controls share: the side their tabs stand on and the events through which an
// application refuses a change of tab or draws a tab itself.
#pragma once

#include "framework/core/Events.h"
#include "framework/graphics/WinApi.h"

#include <cstdint>

class TEnumInfo;
class TWinControl;

enum class TTabPosition : uint8_t { tpTop, tpBottom, tpLeft, tpRight };
extern const TEnumInfo TabPositionInfo;

// Asked before the selected tab changes; clearing AllowChange keeps the current tab.
using TTabChangingEvent = TEvent<TObject*, bool&>;
// Draws the content of tab TabIndex in Rect on the control's canvas; Active for the
// selected tab.
using TDrawTabEvent = TEvent<TWinControl*, int, const RECT&, bool>;
