// The values a skinned form controller works with: the caption buttons it shows, the window
// states it moves between, the show animations it may play, and the zones of its frame.
#pragma once

#include "framework/core/Sets.h"
#include "skin/graphics/KsFrameTypes.h"

#include <cstdint>

class TEnumInfo;

enum class TKsBorderIcon : uint8_t {
    kbiClose,
    kbiSystemMenu,
    kbiMinimize,
    kbiMaximize,
    kbiHelp,
    kbiRollup,
    kbiTray
};
using TKsBorderIcons = TSet<TKsBorderIcon>;

enum class TKsWindowState : uint8_t { kwsNormal, kwsMaximized, kwsMinimized, kwsRollup, kwsTray };

enum class TKsAnimation : uint8_t { kaNone, kaRandom, kaFade, kaSlide, kaRect };

// Where a point of the window lies: the caption and the edges start a move or a resize,
// the rest are buttons.
enum class TKsFormZone : uint8_t {
    fzNone,
    fzCaption,
    fzLeft,
    fzTop,
    fzRight,
    fzBottom,
    fzBorder,
    fzTopLeft,
    fzTopRight,
    fzBottomLeft,
    fzBottomRight,
    fzClose,
    fzHelp,
    fzMinimize,
    fzMaximize,
    fzRollup,
    fzTray,
    fzSysMenu
};

extern const TEnumInfo KsBorderStyleInfo;
extern const TEnumInfo KsBorderIconInfo;
extern const TEnumInfo KsWindowStateInfo;
extern const TEnumInfo KsAnimationInfo;
