// A picture of everything a theme draws, for a person to judge its look: frames active and
// inactive, caption buttons in every look, push buttons, check boxes and radio buttons,
// scroll bars, track bars, spin, tool, combo and small buttons in every state, a menu bar
// with an open popup, tabs, progress bars, a group box, edit frames, a tool bar and a
// control bar.
#pragma once

#include <memory>

class TKsBitmap;
class TTeTheme;

std::unique_ptr<TKsBitmap> DrawThemePreview(TTeTheme& Theme);
