// Makes the themes, the engine and the switcher known: theme classes to the theme registry
// (in the order a theme switcher lists them) and the engine and the switcher to the
// framework's class registry, so layouts can hold them. The program and the test programs
// call it once before any window is read; later calls do nothing.
#pragma once

#include <vector>

class TTeThemeClass;

void RegisterSkinThemes();

// The theme classes in the order they are registered: the host's own visual style first,
// only where its library is there to draw with, then Luna, Highlight, Lines, Flat and
// "No Theme".
std::vector<const TTeThemeClass*> SkinThemeClasses(bool VisualStylesLoaded);
