// The two bases of controls that paint themselves: TGraphicControl, painted on its parent's
// device context (no window of its own), and TCustomControl, a windowed control. Both offer
// a canvas that is bound to the paint device context while Paint runs.
#pragma once

#include "framework/graphics/Canvas.h"
#include "framework/windows/WinControl.h"

#include <memory>

// Binds a canvas to a device context for the length of a scope.
class TCanvasOnDC {
public:
    TCanvasOnDC(TCanvas& Canvas, HDC DC) : FCanvas(Canvas) { FCanvas.SetHandle(DC); }
    TCanvasOnDC(const TCanvasOnDC&) = delete;
    TCanvasOnDC& operator=(const TCanvasOnDC&) = delete;
    ~TCanvasOnDC() { FCanvas.SetHandle(nullptr); }

private:
    TCanvas& FCanvas;
};

class TGraphicControl : public TControl {
public:
    static const TComponentClassOf<TGraphicControl> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    // Bound to the parent's paint device context, positioned on the control, during Paint.
    TCanvas* Canvas() const { return FCanvas.get(); }
    void Dispatch(TMessage& Message) override;

protected:
    virtual void Paint();

private:
    std::unique_ptr<TCanvas> FCanvas;
};

class TCustomControl : public TWinControl {
public:
    static const TComponentClassOf<TCustomControl> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    // Bound to the paint device context during Paint.
    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint();
    void PaintWindow(HDC DC) override;

private:
    std::unique_ptr<TCanvas> FCanvas;
};
