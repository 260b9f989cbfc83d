// Scope guards for the GDI objects the surface creates and selects inside one operation:
// each is released or deselected on every path out of the operation, exceptions included.
#pragma once

#include "framework/graphics/WinApi.h"

// Owns a created pen, brush, font or region and deletes it.
class TKsGdiObject {
public:
    explicit TKsGdiObject(HGDIOBJ Object) : FObject(Object) {}
    TKsGdiObject(const TKsGdiObject&) = delete;
    TKsGdiObject& operator=(const TKsGdiObject&) = delete;
    ~TKsGdiObject() {
        if (FObject)
            DeleteObject(FObject);
    }
    HGDIOBJ Get() const { return FObject; }

private:
    HGDIOBJ FObject;
};

// Selects an object into a device context and selects the previous one back.
class TKsSelection {
public:
    TKsSelection(HDC DC, HGDIOBJ Object) : FDC(DC), FPrevious(SelectObject(DC, Object)) {}
    TKsSelection(const TKsSelection&) = delete;
    TKsSelection& operator=(const TKsSelection&) = delete;
    ~TKsSelection() {
        if (FPrevious && FPrevious != HGDI_ERROR)
            SelectObject(FDC, FPrevious);
    }

private:
    HDC FDC;
    HGDIOBJ FPrevious;
};

// A solid pen of a colour, selected for the guard's lifetime.
class TKsSolidPen {
public:
    TKsSolidPen(HDC DC, COLORREF Color)
        : FPen(CreatePen(PS_SOLID, 1, Color)), FSelection(DC, FPen.Get()) {}

private:
    TKsGdiObject FPen;
    TKsSelection FSelection;
};

// A solid brush of a colour, or the hollow stock brush, selected for the guard's lifetime.
class TKsFillBrush {
public:
    TKsFillBrush(HDC DC, COLORREF Color)
        : FBrush(CreateSolidBrush(Color)), FSelection(DC, FBrush.Get()) {}
    explicit TKsFillBrush(HDC DC) : FBrush(nullptr), FSelection(DC, GetStockObject(HOLLOW_BRUSH)) {}

private:
    TKsGdiObject FBrush;
    TKsSelection FSelection;
};
