// Start-up of the skin gallery: the skin's classes made known, the application object with
// its title, and the main window (the gallery's other forms are made when first opened).
#pragma once

void CreateGalleryWindows();
