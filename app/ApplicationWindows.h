// Start-up of the program's windows: the skin's classes made known, the application object
// with its title, and the four windows in their fixed order (the first becomes the main
// window).
#pragma once

void CreateApplicationWindows();
