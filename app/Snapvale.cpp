// Program entry of Snapvale: the application's windows, then its message loop until the
// main window closes.
#include "app/ApplicationWindows.h"

#include "framework/graphics/WinApi.h"
#include "framework/windows/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CreateApplicationWindows();
    Application->Run();
    return 0;
}
