// Makes the themes and the engine known: theme classes to the theme registry (in the order
// a theme switcher lists them) and the engine to the framework's class registry, so layouts
// can hold it. The program and the test programs call it once before any window is read;
// later calls do nothing.
#pragma once

void RegisterSkinThemes();
