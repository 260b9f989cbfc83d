// Runs the real Snapvale.exe for end-to-end tests and acts on it as a user would: a known
// picture fills the screen behind it, its buttons are clicked with real input, its save
// dialog is answered by typing, and the files, clipboard and boxes it produces are read.
#pragma once

#include "tests/support/ProgramWindows.h"
#include "tests/support/UserInput.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// 0x00RRGGBB pixels, top-down rows.
struct TPixels {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Data;

    uint32_t At(int X, int Y) const { return Data[static_cast<size_t>(Y) * Width + X]; }
};

// The pixels of a screen rectangle as they are now.
TPixels ScreenPixels(const RECT& Area);
// Writes Pixels as a 32-bit Windows bitmap beside the test program (a picture for a
// person to look at after the run); answers the file's path.
std::wstring SaveArtefact(const TPixels& Pixels, const std::wstring& Name);

// A window that covers the whole screen with a smooth, position-dependent picture, so that
// any capture can be checked pixel by pixel.
class TPatternBackdrop {
public:
    TPatternBackdrop();
    TPatternBackdrop(const TPatternBackdrop&) = delete;
    TPatternBackdrop& operator=(const TPatternBackdrop&) = delete;
    ~TPatternBackdrop();

    static uint32_t PixelAt(int X, int Y);
    // The picture's pixels in Area (screen coordinates).
    static TPixels Expected(const RECT& Area);

private:
    static LRESULT CALLBACK Procedure(HWND Window, UINT Msg, WPARAM W, LPARAM L);
    HWND FWindow = nullptr;
    HBITMAP FPicture = nullptr;
};

// A folder of its own for the files a test writes, removed afterwards.
class TScratchFolder {
public:
    TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;
    ~TScratchFolder();
    // The Windows path of a file in the folder.
    std::wstring File(const std::wstring& Name) const;
    // True once the file is there (a saved file appears whole: it is renamed into place).
    bool WaitForFile(const std::wstring& Name, DWORD TimeoutMs = 10000) const;
    size_t FileCount() const;

private:
    std::wstring FPath;
};

class TSnapvale {
public:
    TSnapvale();
    // True when the program started and its main window is shown.
    bool Running() const { return FMain != nullptr; }
    HWND MainWindow() const { return FMain; }
    TTestProcess& Process() { return *FProcess; }

    // Waits for the program's top-level window with that caption.
    HWND WaitForCaption(const std::wstring& Caption, DWORD TimeoutMs = 30000) const;
    // Waits for a dialog box (the save dialog, a message box) of the program.
    HWND WaitForDialog(const std::wstring& Caption = L"", DWORD TimeoutMs = 30000) const;

    // The main window's commands.
    HWND CaptureFullScreen();
    HWND CaptureRegion(POINT From, POINT To);
    // Starts a region capture, drags from From towards To and presses Escape with the button
    // still held; answers the overlay's window (gone once the selection is cancelled).
    HWND CancelRegionSelection(POINT From, POINT To);
    // In the captured-image window: saves under the typed name through the save dialog.
    void SaveAs(HWND ImageWindow, const std::wstring& FileName);
    void CopyToClipboard(HWND ImageWindow);
    // Presses the default button of a message box once it takes input.
    static void Confirm(HWND Box);
    // Closes the captured-image window; true once the main window is back and takes input.
    bool CloseImageWindow(HWND ImageWindow);

private:
    std::unique_ptr<TTestProcess> FProcess;
    HWND FMain = nullptr;
};

// The texts of a dialog's static controls.
std::vector<std::wstring> StaticTexts(HWND Dialog);
// Reads a picture file (BMP through the host, JPEG through the framework).
TPixels LoadPictureFile(const std::wstring& FileName);
// The bitmap on the clipboard, or an empty picture.
TPixels ClipboardPicture();
// Largest difference of any channel between two pictures of the same size, and the mean.
struct TDifference {
    int Max = 0;
    double Mean = 0;
};
TDifference Compare(const TPixels& A, const TPixels& B);
