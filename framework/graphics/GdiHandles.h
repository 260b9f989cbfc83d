// Owners of host drawing resources for the graphics classes: a GDI object deleted when its
// owner goes, an object selected into a device context for the length of a scope, the
// screen's device context and memory device contexts. Each releases on every path.
#pragma once

#include "framework/graphics/WinApi.h"

#include <utility>

// Owns one GDI object (pen, brush, font, bitmap, palette, region) and deletes it.
template <class H> class TGdiObject {
public:
    TGdiObject() = default;
    explicit TGdiObject(H Handle) : FHandle(Handle) {}
    TGdiObject(TGdiObject&& Other) noexcept : FHandle(Other.Release()) {}
    TGdiObject& operator=(TGdiObject&& Other) noexcept {
        Reset(Other.Release());
        return *this;
    }
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;
    ~TGdiObject() { Reset(); }

    H Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != nullptr; }
    H Release() { return std::exchange(FHandle, nullptr); }
    void Reset(H Handle = nullptr) {
        if (FHandle && FHandle != Handle)
            DeleteObject(FHandle);
        FHandle = Handle;
    }

private:
    H FHandle = nullptr;
};

// Selects an object into a device context and puts the previous one back at scope end.
class TSelectedObject {
public:
    TSelectedObject(HDC DC, HGDIOBJ Object) : FDC(DC), FPrevious(SelectObject(DC, Object)) {}
    TSelectedObject(const TSelectedObject&) = delete;
    TSelectedObject& operator=(const TSelectedObject&) = delete;
    ~TSelectedObject() {
        if (FPrevious && FPrevious != HGDI_ERROR)
            SelectObject(FDC, FPrevious);
    }
    // False when the host refused the selection.
    bool Selected() const { return FPrevious && FPrevious != HGDI_ERROR; }

private:
    HDC FDC;
    HGDIOBJ FPrevious;
};

// The screen's device context, released at scope end.
class TScreenDC {
public:
    TScreenDC() : FDC(GetDC(nullptr)) {}
    TScreenDC(const TScreenDC&) = delete;
    TScreenDC& operator=(const TScreenDC&) = delete;
    ~TScreenDC() {
        if (FDC)
            ReleaseDC(nullptr, FDC);
    }
    HDC Get() const { return FDC; }

private:
    HDC FDC;
};

// A memory device context compatible with the screen, deleted at scope end.
class TMemoryDC {
public:
    TMemoryDC() : FDC(CreateCompatibleDC(nullptr)) {}
    TMemoryDC(TMemoryDC&& Other) noexcept : FDC(std::exchange(Other.FDC, nullptr)) {}
    TMemoryDC& operator=(TMemoryDC&& Other) noexcept {
        std::swap(FDC, Other.FDC);
        return *this;
    }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;
    ~TMemoryDC() {
        if (FDC)
            DeleteDC(FDC);
    }
    HDC Get() const { return FDC; }
    explicit operator bool() const { return FDC != nullptr; }

private:
    HDC FDC;
};
