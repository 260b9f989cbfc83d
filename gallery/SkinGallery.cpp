// Program entry of the skin gallery: its main window, then the message loop until it closes.
#include "gallery/GalleryWindows.h"

#include "framework/graphics/WinApi.h"
#include "framework/windows/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CreateGalleryWindows();
    Application->Run();
    return 0;
}
