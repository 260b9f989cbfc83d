// The kinds of a skinned form's frame and of its caption buttons. Themes paint them and form
// controllers own them, so they live below both.
#pragma once

#include <cstdint>

// The frame a form controller draws: none, a standard frame, or a tool window's thin one.
enum class TKsBorderStyle : uint8_t { kbsNone, kbsStandard, kbsToolWindow };

// The caption buttons a theme paints, one per border icon and window state.
enum class TTeCaptionButtonKind : uint8_t {
    cbkClose,
    cbkHelp,
    cbkMinimize,
    cbkMaximize,
    cbkRestore,
    cbkRollup,
    cbkRolldown,
    cbkTray
};
