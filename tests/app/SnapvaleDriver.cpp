#include "tests/app/SnapvaleDriver.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

constexpr wchar_t BackdropClass[] = L"SnapvalePatternBackdrop";

TPixels PixelsOfBitmap(HBITMAP Bitmap) {
    BITMAP Info{};
    GetObjectW(Bitmap, sizeof(Info), &Info);
    TPixels Result;
    Result.Width = Info.bmWidth;
    Result.Height = Info.bmHeight;
    Result.Data.resize(static_cast<size_t>(Result.Width) * Result.Height);
    if (Result.Data.empty())
        return Result;
    BITMAPINFO Header = TopDown32BitInfo(Result.Width, Result.Height);
    HDC Screen = GetDC(nullptr);
    GetDIBits(Screen, Bitmap, 0, Result.Height, Result.Data.data(), &Header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, Screen);
    for (uint32_t& Pixel : Result.Data)
        Pixel &= 0x00FFFFFF;
    return Result;
}

BOOL CALLBACK CollectStatic(HWND Window, LPARAM Data) {
    wchar_t Class[64] = {};
    GetClassNameW(Window, Class, 64);
    if (_wcsicmp(Class, L"Static") == 0) {
        wchar_t Text[512] = {};
        GetWindowTextW(Window, Text, 512);
        reinterpret_cast<std::vector<std::wstring>*>(Data)->push_back(Text);
    }
    return TRUE;
}

} // namespace

// --- TPatternBackdrop ---

TPixels ScreenPixels(const RECT& Area) {
    TPixels Pixels;
    Pixels.Width = Area.right - Area.left;
    Pixels.Height = Area.bottom - Area.top;
    Pixels.Data = GrabScreenPixels(Area);
    return Pixels;
}

std::wstring SaveArtefact(const TPixels& Pixels, const std::wstring& Name) {
    wchar_t Program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, Program, MAX_PATH);
    const std::wstring Path = (std::filesystem::path(Program).parent_path() / Name).wstring();
    const BITMAPINFO Info = TopDown32BitInfo(Pixels.Width, Pixels.Height);
    const DWORD DataSize = static_cast<DWORD>(Pixels.Data.size() * sizeof(uint32_t));
    BITMAPFILEHEADER File{};
    File.bfType = 0x4D42;
    File.bfOffBits = sizeof(File) + sizeof(Info.bmiHeader);
    File.bfSize = File.bfOffBits + DataSize;
    std::ofstream Out(std::filesystem::path(Path), std::ios::binary);
    Out.write(reinterpret_cast<const char*>(&File), sizeof(File));
    Out.write(reinterpret_cast<const char*>(&Info.bmiHeader), sizeof(Info.bmiHeader));
    Out.write(reinterpret_cast<const char*>(Pixels.Data.data()), DataSize);
    return Path;
}

uint32_t TPatternBackdrop::PixelAt(int X, int Y) {
    static const int Width = GetSystemMetrics(SM_CXSCREEN);
    static const int Height = GetSystemMetrics(SM_CYSCREEN);
    // Smooth gradients for JPEG, and a fine 8 x 8 texture that pins every position.
    const uint32_t R = static_cast<uint32_t>(X * 255 / std::max(1, Width - 1));
    const uint32_t G = static_cast<uint32_t>(Y * 255 / std::max(1, Height - 1));
    const uint32_t B = static_cast<uint32_t>(((X & 7) << 4) | ((Y & 7) << 1));
    return (R << 16) | (G << 8) | B;
}

TPixels TPatternBackdrop::Expected(const RECT& Area) {
    TPixels Result;
    Result.Width = Area.right - Area.left;
    Result.Height = Area.bottom - Area.top;
    for (int Y = Area.top; Y < Area.bottom; ++Y)
        for (int X = Area.left; X < Area.right; ++X)
            Result.Data.push_back(PixelAt(X, Y));
    return Result;
}

TPatternBackdrop::TPatternBackdrop() {
    const int Width = GetSystemMetrics(SM_CXSCREEN), Height = GetSystemMetrics(SM_CYSCREEN);
    const BITMAPINFO Header = TopDown32BitInfo(Width, Height);
    void* Bits = nullptr;
    FPicture = CreateDIBSection(nullptr, &Header, DIB_RGB_COLORS, &Bits, nullptr, 0);
    auto* Pixels = static_cast<uint32_t*>(Bits);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            Pixels[static_cast<size_t>(Y) * Width + X] = PixelAt(X, Y);

    WNDCLASSW Class{};
    Class.lpfnWndProc = &Procedure;
    Class.hInstance = GetModuleHandleW(nullptr);
    Class.lpszClassName = BackdropClass;
    Class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&Class);
    FWindow = CreateWindowExW(0, BackdropClass, L"Backdrop", WS_POPUP, 0, 0, Width, Height, nullptr,
                              nullptr, Class.hInstance, nullptr);
    SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(FPicture));
    ShowWindow(FWindow, SW_SHOW);
    UpdateWindow(FWindow);
    PumpMessagesFor(100);
}

TPatternBackdrop::~TPatternBackdrop() {
    DestroyWindow(FWindow);
    DeleteObject(FPicture);
}

LRESULT CALLBACK TPatternBackdrop::Procedure(HWND Window, UINT Msg, WPARAM W, LPARAM L) {
    if (Msg == WM_ERASEBKGND)
        return 1;
    if (Msg == WM_PAINT) {
        PAINTSTRUCT Paint;
        HDC DC = BeginPaint(Window, &Paint);
        auto Picture = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(Window, GWLP_USERDATA));
        HDC Memory = CreateCompatibleDC(DC);
        HGDIOBJ Old = SelectObject(Memory, Picture);
        BitBlt(DC, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), Memory, 0, 0,
               SRCCOPY);
        SelectObject(Memory, Old);
        DeleteDC(Memory);
        EndPaint(Window, &Paint);
        return 0;
    }
    return DefWindowProcW(Window, Msg, W, L);
}

// --- TScratchFolder ---

TScratchFolder::TScratchFolder() {
    wchar_t Temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, Temp);
    FPath = std::wstring(Temp) + L"snapvale-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount());
    fs::create_directories(fs::path(FPath));
}

TScratchFolder::~TScratchFolder() {
    std::error_code Ignored;
    fs::remove_all(fs::path(FPath), Ignored);
}

std::wstring TScratchFolder::File(const std::wstring& Name) const {
    return FPath + L"\\" + Name;
}

bool TScratchFolder::WaitForFile(const std::wstring& Name, DWORD TimeoutMs) const {
    const DWORD Start = GetTickCount();
    while (GetFileAttributesW(File(Name).c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - Start >= TimeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

size_t TScratchFolder::FileCount() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(fs::path(FPath)), {}));
}

// --- TSnapvale ---

TSnapvale::TSnapvale() : FProcess(std::make_unique<TTestProcess>(SNAPVALE_EXE)) {
    if (FProcess->Started())
        FMain = WaitForCaption(L"Snapvale");
    if (FMain) {
        FProcess->WaitForInputIdle();
        SetForegroundWindow(FMain);
        PumpMessagesFor(200);
    }
}

HWND TSnapvale::WaitForCaption(const std::wstring& Caption, DWORD TimeoutMs) const {
    return WaitForWindow(L"", Caption, TimeoutMs, FProcess->ProcessId());
}

HWND TSnapvale::WaitForDialog(const std::wstring& Caption, DWORD TimeoutMs) const {
    return WaitForWindow(L"#32770", Caption, TimeoutMs, FProcess->ProcessId());
}

HWND TSnapvale::CaptureFullScreen() {
    ClickClient(FMain, 39 + 33, 28 + 12);
    return WaitForCaption(L"截取的图片");
}

HWND TSnapvale::CaptureRegion(POINT From, POINT To) {
    ClickClient(FMain, 119 + 33, 28 + 12);
    if (!WaitForCaption(L"Form2"))
        return nullptr;
    PumpMessagesFor(300);
    DragMouse(From, To);
    return WaitForCaption(L"截取的图片");
}

HWND TSnapvale::CancelRegionSelection(POINT From, POINT To) {
    ClickClient(FMain, 119 + 33, 28 + 12);
    HWND Overlay = WaitForCaption(L"Form2");
    if (!Overlay)
        return nullptr;
    // The overlay takes the keys only once it is in front and between messages.
    WaitUntilItTakesInput(Overlay, 10000);
    const DWORD Start = GetTickCount();
    while (GetForegroundWindow() != Overlay && GetTickCount() - Start < 10000)
        PumpMessagesFor(20);
    SendMessageTimeoutW(Overlay, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
    MoveMouseTo(From.x, From.y);
    PressMouse(VK_LBUTTON);
    MoveMouseTo((From.x + To.x) / 2, (From.y + To.y) / 2);
    MoveMouseTo(To.x, To.y);
    SendMessageTimeoutW(Overlay, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
    PressKey(VK_ESCAPE);
    WaitForWindowGone(Overlay, 30000);
    ReleaseMouse(VK_LBUTTON);
    return Overlay;
}

void TSnapvale::SaveAs(HWND ImageWindow, const std::wstring& FileName) {
    ClickClient(ImageWindow, 14 + 37, 4 + 12);
    HWND Dialog = WaitForDialog();
    if (!Dialog)
        return;
    // Type only once the name field has the focus, and confirm only once it holds the name:
    // a loaded machine may show the dialog well before it takes input.
    HWND NameField = WaitForFocusIn(Dialog, L"Edit");
    if (!NameField)
        return;
    TypeText(FileName);
    const DWORD Start = GetTickCount();
    while (WindowText(NameField) != FileName && GetTickCount() - Start < 10000)
        PumpMessagesFor(20);
    PressKey(VK_RETURN);
    WaitForWindowGone(Dialog, 10000);
    SendMessageTimeoutW(ImageWindow, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
}

void TSnapvale::Confirm(HWND Box) {
    WaitForFocusIn(Box, L"Button");
    PressKey(VK_RETURN);
}

void TSnapvale::CopyToClipboard(HWND ImageWindow) {
    ClickClient(ImageWindow, 97 + 47, 4 + 12);
    PumpMessagesFor(300);
}

bool TSnapvale::CloseImageWindow(HWND ImageWindow) {
    ClickClient(ImageWindow, 198 + 37, 4 + 12);
    WaitForWindowGone(ImageWindow, 5000);
    // The modal loop hides its window first, then gives the other windows their input back
    // and the command shows the main window again.
    const bool Back = WaitUntilItTakesInput(FMain, 5000);
    PumpMessagesFor(100);
    return Back;
}

// --- reading results ---

std::vector<std::wstring> StaticTexts(HWND Dialog) {
    std::vector<std::wstring> Texts;
    EnumChildWindows(Dialog, &CollectStatic, reinterpret_cast<LPARAM>(&Texts));
    return Texts;
}

TPixels LoadPictureFile(const std::wstring& FileName) {
    TPicture Picture;
    Picture.LoadFromFile(WideToUtf8(FileName));
    TBitmap Bitmap;
    Bitmap.Assign(&Picture);
    return PixelsOfBitmap(Bitmap.Handle());
}

TPixels ClipboardPicture() {
    TPixels Result;
    if (!OpenClipboard(nullptr))
        return Result;
    if (auto Bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)))
        Result = PixelsOfBitmap(Bitmap);
    CloseClipboard();
    return Result;
}

TDifference Compare(const TPixels& A, const TPixels& B) {
    TDifference Result;
    if (A.Width != B.Width || A.Height != B.Height || A.Data.empty())
        return Result;
    int64_t Sum = 0;
    for (size_t I = 0; I < A.Data.size(); ++I)
        for (int Shift : {0, 8, 16}) {
            const int Delta =
                std::abs(int((A.Data[I] >> Shift) & 255) - int((B.Data[I] >> Shift) & 255));
            Result.Max = std::max(Result.Max, Delta);
            Sum += Delta;
        }
    Result.Mean = double(Sum) / double(A.Data.size() * 3);
    return Result;
}
