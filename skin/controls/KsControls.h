// The two bases of every skinned control: TKsCustomControl, a windowed control, and
// TKsGraphicControl, painted on its parent. Neither paints on the screen directly: each
// keeps an off-screen surface a little larger than itself (in steps of 30 pixels, so small
// resizes keep it), renders into it only when something changed, and copies it to the
// screen in one transfer. Both can let the parent's background show through (Transparent)
// and draw themselves translucent over it (Blend at BlendValue). Descendants draw their
// content in PaintControl, usually by asking a theme.
//
// Sources: KsControls.cpp (the surfaces, what both bases share, the graphic base),
// KsCustomControl.cpp (the windowed base) and KsControlScrollBars.cpp (its built-in bars).
#pragma once

#include "framework/graphics/Canvas.h"
#include "framework/windows/CustomControls.h"
#include "framework/windows/WinControl.h"
#include "skin/controls/KsAppearance.h"
#include "skin/graphics/KsUtils.h"

#include <cstdint>
#include <memory>

class TKsBitmap;
class TKsCustomScrollBar;
enum class TKsScrollCode : uint8_t;

// The built-in scroll bars a skinned windowed control shows.
enum class TKsScrollBarStyle : uint8_t { kssNone, kssHorizontal, kssVertical, kssBoth };

// Asked of a skinned control's owner form: a non-zero answer means the form itself is drawn
// translucent, so what shows through a control may change on every paint.
constexpr uint32_t KM_FORMBLENDED = 0x0637;

// The surfaces both bases keep: the control's image, sized in steps of 30 pixels and kept
// while the control stays within one step of it, and the background captured for blending.
class TKsControlSurface {
public:
    static constexpr int Step = 30;

    TKsControlSurface();
    ~TKsControlSurface();

    TKsBitmap& Image() const { return *FImage; }
    TKsBitmap& Background() const { return *FBackground; }
    // The image size for a control of Width x Height.
    static SIZE Rounded(int Width, int Height);
    // Sizes the image for a Width x Height control (always when Exact, else only when it no
    // longer fits or is a step too large) and, with Blend, the background like it. Answers
    // whether a surface was reallocated.
    bool Adjust(int Width, int Height, bool Exact, bool Blend);
    // Gives the background the image's size when it differs (Blend may have been switched
    // on since the last resize).
    void SizeBackground();
    // The image drawn translucent at BlendValue over the background.
    void BlendOverBackground(int BlendValue);

private:
    std::unique_ptr<TKsBitmap> FImage;
    std::unique_ptr<TKsBitmap> FBackground;
};

// What both bases share, whichever host control they stand on: the surfaces, the
// appearance switches, the dirty flag, the mouse over the control, the surfaces following
// the control's size, and the composition of a render.
template <class Base> class TKsSkinnedControl : public Base {
public:
    explicit TKsSkinnedControl(TComponent* AOwner);
    ~TKsSkinnedControl() override;

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool Blend() const { return FBlend; }
    void SetBlend(bool Value);
    // The opacity (its low byte) when blended.
    int BlendValue() const { return FBlendValue; }
    void SetBlendValue(int Value);

    TKsBitmap& Surface() const { return FSurfaces.Image(); }
    bool Dirty() const { return FDirty; }
    bool MouseInside() const { return FMouseInside; }

    void Invalidate() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Dispatch(TMessage& Message) override;

    // Renders the surface when it needs it; a completed render clears Dirty.
    virtual void RenderSurface() = 0;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    // Draws the control into the surface; the base fills its paint area with Color unless
    // Transparent.
    virtual void PaintControl();
    // The part of the surface the control's content covers.
    virtual RECT PaintArea() const;
    // What lies behind the control, painted into Target.
    virtual void CaptureBackground(TKsBitmap& Target) = 0;
    // Drawn before the content (a windowed control's border) and after it (the corner
    // between its built-in bars).
    virtual void DrawDecorations() {}
    virtual void DrawAfterContent() {}
    // Runs before the surfaces are sized: a windowed control places its built-in bars.
    virtual void SurfaceAdjusting() {}
    virtual void DoMouseEnter();
    virtual void DoMouseLeave();

    // A copy of Font taken before every render, for giving to the surface.
    TFont* DrawFont() const { return FDrawFont.get(); }
    // Takes that copy now, for drawing outside a render.
    void TakeDrawFont();
    // Gives the surfaces the size the control needs; a change renders again.
    void AdjustSurface();
    // One render: the background (blended under the control, or showing through it when
    // transparent and CaptureWhenTransparent), the decorations, the content.
    void Compose(bool CaptureWhenTransparent);
    void MarkDirty() { FDirty = true; }
    // The surface shows what it should without a new render.
    void MarkRendered() { FDirty = false; }
    // The size the control had at its last resize.
    int ControlWidth() const { return FWidth; }
    int ControlHeight() const { return FHeight; }
    void SetControlSize(int Width, int Height);

private:
    TKsControlSurface FSurfaces;
    bool FDirty = true;
    bool FTransparent = false;
    bool FBlend = false;
    int FBlendValue = 150;
    bool FMouseInside = false;
    std::unique_ptr<TFont> FDrawFont;
    int FWidth = 0;
    int FHeight = 0;
};

extern template class TKsSkinnedControl<TWinControl>;
extern template class TKsSkinnedControl<TGraphicControl>;

class TKsCustomControl : public TKsSkinnedControl<TWinControl> {
public:
    static const TComponentClassOf<TKsCustomControl> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsCustomControl(TComponent* AOwner);
    ~TKsCustomControl() override;

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TBorderStyle Value);

    // A canvas on the surface, for descendants that draw with the framework's calls.
    TCanvas* Canvas() const { return FCanvas.get(); }
    // Whether the control has the keyboard focus, as its enter and exit messages said.
    bool HasFocus() const { return FFocused; }

    // The built-in scroll bars, made when the window is created (again at once when the
    // window exists). They lie along the bottom and the right inside the border and report
    // their movements to the control as WM_HSCROLL and WM_VSCROLL (WParam the scroll code,
    // LParam the requested position), unless ScrollLock is set.
    TKsScrollBarStyle ScrollBarStyle() const { return FScrollBarStyle; }
    void SetScrollBarStyle(TKsScrollBarStyle Value);
    bool ScrollLock() const { return FScrollLock; }
    void SetScrollLock(bool Value) { FScrollLock = Value; }
    TKsCustomScrollBar* HorzScrollBar() const { return FHorzScrollBar; }
    TKsCustomScrollBar* VertScrollBar() const { return FVertScrollBar; }

    void Repaint() override;
    // Asks the host to repaint only Rect (client coordinates); the surface renders again.
    void InvalidatePart(const RECT& Rect);
    RECT ClientRect() const override;
    void Loaded() override;
    void Dispatch(TMessage& Message) override;

    // Renders the surface when it is dirty (or the owner form is translucent).
    void RenderSurface() override;
    // Renders the skinned graphic children into DC from this control's surface, and lets
    // the other graphic children paint themselves into it.
    void PaintGraphicChildren(HDC DC);
    // Whether the owner form answers that it is drawn translucent.
    bool IsOwnerBlended() const;

protected:
    // The sunken border.
    virtual void DrawBorder();
    // The part of the surface inside the border.
    virtual RECT GetPaintRect() const;
    RECT PaintArea() const override { return GetPaintRect(); }
    void CaptureBackground(TKsBitmap& Target) override { CaptureParentBackground(Target); }
    void DrawDecorations() override;
    void DrawAfterContent() override { PaintScrollBarCorner(); }
    void SurfaceAdjusting() override { PlaceScrollBars(); }

    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // A new skinned scroll bar owned by the control, for the built-in bars.
    virtual TKsCustomScrollBar* CreateScrollBar();
    // The thickness of the built-in bars.
    virtual int GetScrollBarSize() const;
    // Frees the built-in bars and makes the ones ScrollBarStyle asks for.
    void RecreateScrollBars();
    virtual void DoFocusEnter();
    virtual void DoFocusExit();

    // Paints the parent's background and its graphic children behind the control into
    // Target.
    void CaptureParentBackground(TKsBitmap& Target);

    // Whether DescribeAppearance lists everything that shows in the control's image, so
    // that an image whose appearance did not change is shown again instead of rendered.
    virtual bool KeepsRenderedImage() const { return false; }
    // Lists what shows in the image: the base lists size, colours, font, border, focus,
    // enabled and mouse state and, when transparent, where it stands on its parent and how
    // often the parent and its own parents have been painted or asked to paint.
    virtual void DescribeAppearance(TKsAppearance& Appearance) const;

private:
    void SurfaceFreeing(TObject* Sender);
    void SurfaceChanged(TObject* Sender);
    void WMPaint(TMessage& Message);
    void WMEraseBkgnd(TMessage& Message);
    void WMWindowPosChanging(TMessage& Message);
    // Whether the last render can be kept now: what the control lists is all that shows,
    // nothing behind it is blended in or painted into its surface afterwards.
    bool CanKeepRenderedImage() const;
    void FreeScrollBars();
    TKsCustomScrollBar* MakeScrollBar(bool Vertical);
    void PlaceScrollBars();
    // The square between both built-in bars, which neither covers.
    void PaintScrollBarCorner();
    int HorzScrollBarHeight() const;
    int VertScrollBarWidth() const;
    void HorzScrollBarScroll(TObject* Sender, TKsScrollCode ScrollCode, int& ScrollPos);
    void VertScrollBarScroll(TObject* Sender, TKsScrollCode ScrollCode, int& ScrollPos);
    void ForwardScroll(uint32_t Msg, const TKsCustomScrollBar* Bar, TKsScrollCode ScrollCode,
                       int& ScrollPos);

    bool FFocused = false;
    // The host is beginning this control's paint cycle (and may ask it to erase first).
    bool FPainting = false;
    std::unique_ptr<TCanvas> FCanvas;
    TBorderStyle FBorderStyle = TBorderStyle::bsNone;
    TKsCustomScrollBar* FHorzScrollBar = nullptr;
    TKsCustomScrollBar* FVertScrollBar = nullptr;
    TKsScrollBarStyle FScrollBarStyle = TKsScrollBarStyle::kssNone;
    bool FScrollLock = false;
    // The appearance of the image in the surface, when it is known.
    TKsAppearance FRendered;
    bool FRenderedKnown = false;
};

class TKsGraphicControl : public TKsSkinnedControl<TGraphicControl> {
public:
    static const TComponentClassOf<TKsGraphicControl> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsGraphicControl(TComponent* AOwner);

    void Loaded() override;

    void RenderSurface() override;
    // Called by a skinned windowed parent that renders this control from its own surface:
    // Background is what lies behind the control there.
    void RenderFromParent(const TKsBitmap& Background);

protected:
    void Paint() override;
    void CaptureBackground(TKsBitmap& Target) override;

private:
    bool FPaintedByParent = false;
};
