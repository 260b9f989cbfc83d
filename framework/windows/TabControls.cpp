#include "framework/windows/TabControls.h"

#include "framework/core/Properties.h"

const TEnumInfo TabPositionInfo{"TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"}};
