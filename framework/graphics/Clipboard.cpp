#include "framework/graphics/Clipboard.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GdiHandles.h"
#include "framework/graphics/Picture.h"

#include <cstring>
#include <cwchar>
#include <memory>

namespace {

// The clipboard opened for one operation, closed at scope end.
class TClipboardSession {
public:
    explicit TClipboardSession(HWND Owner) {
        // Another program may hold the clipboard for a moment: a few short retries.
        for (int Attempt = 0; Attempt < 10; ++Attempt) {
            if (OpenClipboard(Owner))
                return;
            Sleep(10);
        }
        throw Exception("Cannot open clipboard");
    }
    TClipboardSession(const TClipboardSession&) = delete;
    TClipboardSession& operator=(const TClipboardSession&) = delete;
    ~TClipboardSession() { CloseClipboard(); }
};

// Global memory locked for reading or writing, unlocked at scope end.
class TLockedGlobal {
public:
    explicit TLockedGlobal(HGLOBAL Memory) : FMemory(Memory), FData(GlobalLock(Memory)) {}
    TLockedGlobal(const TLockedGlobal&) = delete;
    TLockedGlobal& operator=(const TLockedGlobal&) = delete;
    ~TLockedGlobal() {
        if (FData)
            GlobalUnlock(FMemory);
    }
    void* Data() const { return FData; }
    SIZE_T Size() const { return FData ? GlobalSize(FMemory) : 0; }

private:
    HGLOBAL FMemory;
    void* FData;
};

// Movable global memory that is freed at scope end unless handed to the clipboard.
class TOwnedGlobal {
public:
    explicit TOwnedGlobal(SIZE_T Bytes) : FMemory(GlobalAlloc(GMEM_MOVEABLE, Bytes)) {
        if (!FMemory)
            throw EOutOfResources("Out of system resources");
    }
    TOwnedGlobal(const TOwnedGlobal&) = delete;
    TOwnedGlobal& operator=(const TOwnedGlobal&) = delete;
    ~TOwnedGlobal() {
        if (FMemory)
            GlobalFree(FMemory);
    }
    HGLOBAL Get() const { return FMemory; }
    void Release() { FMemory = nullptr; }

private:
    HGLOBAL FMemory;
};

} // namespace

const TClassOf<TClipboard> TClipboard::Class{"TClipboard", TPersistent::Class};

TClipboard::TClipboard() = default;

TClipboard::~TClipboard() {
    if (FWindow)
        DestroyWindow(FWindow);
}

HWND TClipboard::Window() {
    if (!FWindow) {
        FWindow = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        if (!FWindow)
            throw EOutOfResources("Out of system resources");
    }
    return FWindow;
}

bool TClipboard::HasFormat(UINT Format) const {
    return IsClipboardFormatAvailable(Format) != 0;
}

void TClipboard::Clear() {
    const TClipboardSession Session(Window());
    EmptyClipboard();
}

std::string TClipboard::AsText() {
    const TClipboardSession Session(Window());
    const auto Held = static_cast<HGLOBAL>(GetClipboardData(CF_UNICODETEXT));
    if (!Held)
        return {};
    const TLockedGlobal Locked(Held);
    const auto* Chars = static_cast<const wchar_t*>(Locked.Data());
    if (!Chars)
        return {};
    // Another program's text need not end in NUL: never read past its memory.
    const size_t Limit = Locked.Size() / sizeof(wchar_t);
    return WideToUtf8(std::wstring_view(Chars, wcsnlen(Chars, Limit)));
}

void TClipboard::SetAsText(const std::string& Value) {
    const std::wstring Wide = Utf8ToWide(Value);
    const SIZE_T Bytes = (Wide.size() + 1) * sizeof(wchar_t);
    TOwnedGlobal Memory(Bytes);
    {
        const TLockedGlobal Locked(Memory.Get());
        if (!Locked.Data())
            throw EOutOfResources("Out of system resources");
        std::memcpy(Locked.Data(), Wide.c_str(), Bytes);
    }
    const TClipboardSession Session(Window());
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, Memory.Get()))
        throw Exception("Cannot put the text on the clipboard");
    Memory.Release();
}

void TClipboard::PutBitmap(TBitmap& Bitmap) {
    if (Bitmap.Empty()) {
        Clear();
        return;
    }
    // The clipboard takes ownership of what it is given: a device-dependent copy.
    const TScreenDC Screen;
    TGdiObject<HBITMAP> Copy(CreateCompatibleBitmap(Screen.Get(), Bitmap.Width(), Bitmap.Height()));
    if (!Copy)
        throw EOutOfResources("Out of system resources");
    {
        const TMemoryDC DC;
        const TSelectedObject Selected(DC.Get(), Copy.Get());
        BitBlt(DC.Get(), 0, 0, Bitmap.Width(), Bitmap.Height(), Bitmap.Canvas()->Handle(), 0, 0,
               SRCCOPY);
    }
    const TClipboardSession Session(Window());
    EmptyClipboard();
    if (!SetClipboardData(CF_BITMAP, Copy.Get()))
        throw Exception("Cannot put the bitmap on the clipboard");
    Copy.Release();
}

void TClipboard::GetBitmap(TBitmap& Bitmap) {
    TBitmap Copy;
    {
        const TClipboardSession Session(Window());
        const auto Held = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
        BITMAP Info{};
        if (!Held || !GetObjectW(Held, sizeof(Info), &Info))
            throw EInvalidGraphic("Clipboard does not hold a bitmap");
        Copy.SetSize(Info.bmWidth, Info.bmHeight);
        // The clipboard keeps its bitmap: it is only read through a device context.
        const TMemoryDC DC;
        const TSelectedObject Selected(DC.Get(), Held);
        BitBlt(Copy.Canvas()->Handle(), 0, 0, Info.bmWidth, Info.bmHeight, DC.Get(), 0, 0, SRCCOPY);
    }
    Bitmap.Assign(&Copy);
}

void TClipboard::Assign(TPersistent* Source) {
    if (auto* Picture = dynamic_cast<TPicture*>(Source))
        PutGraphic(Picture->Graphic());
    else if (!Source || dynamic_cast<TGraphic*>(Source))
        PutGraphic(static_cast<TGraphic*>(Source));
    else
        TPersistent::Assign(Source);
}

void TClipboard::PutGraphic(TGraphic* Graphic) {
    if (!Graphic) {
        Clear();
    } else if (auto* Bitmap = dynamic_cast<TBitmap*>(Graphic)) {
        PutBitmap(*Bitmap);
    } else {
        // Other pictures (JPEG images, icons) go there drawn into a bitmap.
        TBitmap Drawn;
        Drawn.Assign(Graphic);
        PutBitmap(Drawn);
    }
}

void TClipboard::AssignTo(TPersistent* Dest) {
    if (auto* Bitmap = dynamic_cast<TBitmap*>(Dest))
        GetBitmap(*Bitmap);
    else if (auto* Picture = dynamic_cast<TPicture*>(Dest))
        GetBitmap(*Picture->Bitmap());
    else
        TPersistent::AssignTo(Dest);
}

TClipboard* Clipboard() {
    static const std::unique_ptr<TClipboard> Instance = std::make_unique<TClipboard>();
    return Instance.get();
}
