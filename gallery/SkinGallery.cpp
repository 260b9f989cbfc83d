// Program entry of the skin gallery: its main window, then the message loop until it closes.
// With --sheet FILE it writes the picture of every theme into FILE instead and ends.
#include "gallery/GalleryThemeSheet.h"
#include "gallery/GalleryWindows.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/WinApi.h"
#include "framework/windows/Application.h"

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> CommandLineArguments() {
    int Count = 0;
    LPWSTR* Arguments = CommandLineToArgvW(GetCommandLineW(), &Count);
    std::vector<std::string> Result;
    for (int I = 1; Arguments && I < Count; ++I)
        Result.push_back(WideToUtf8(Arguments[I]));
    LocalFree(Arguments);
    return Result;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::vector<std::string> Arguments = CommandLineArguments();
    if (!Arguments.empty() && Arguments[0] == "--sheet") {
        if (Arguments.size() != 2) {
            std::fprintf(stderr, "usage: SkinGallery.exe [--sheet FILE.bmp]\n");
            return 2;
        }
        return WriteThemeSheet(Arguments[1]) ? 0 : 1;
    }
    CreateGalleryWindows();
    Application->Run();
    return 0;
}
