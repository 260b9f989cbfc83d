// The skinned control bases: surfaces sized in steps, rendering only when dirty, the plain
// fill, borders, transparency over the parent and its graphic children, blending, and
// painting into a given device context.
#include "ControlTestSupport.h"
#include "WindowTestSupport.h"

#include "skin/controls/KsControls.h"
#include "skin/controls/KsSpeedButtons.h"
#include "skin/graphics/KsColors.h"

#include <gtest/gtest.h>

namespace {

constexpr TKsColor Blue = 0xFF0000FFu;

// A windowed control that paints a solid square in its middle and counts its renders.
class TSquareControl : public TKsCustomControl {
public:
    using TKsCustomControl::TKsCustomControl;
    static constexpr TKsColor Ink = 0xFFFF0000u;
    int Renders = 0;

protected:
    void PaintControl() override {
        TKsCustomControl::PaintControl();
        ++Renders;
        Surface().FillRect(RECT{10, 5, 20, 15}, Ink);
    }
};

// A graphic control in one colour.
class TSolidGraphic : public TKsGraphicControl {
public:
    TSolidGraphic(TComponent* AOwner, TKsColor Ink) : TKsGraphicControl(AOwner), FInk(Ink) {}

protected:
    void PaintControl() override { Surface().FillRect(RECT{0, 0, Width(), Height()}, FInk); }

private:
    TKsColor FInk;
};

TKsColor Opaque(TColor Color) {
    return ColorToKsColor(Color, 255);
}

} // namespace

TEST(SkinnedControlSurfaces, GrowAndShrinkInStepsOfThirtyPixels) {
    TKsCustomControl Control(nullptr);
    const auto SurfaceSize = [&] {
        return SIZE{Control.Surface().Width(), Control.Surface().Height()};
    };
    Control.SetBounds(0, 0, 67, 25);
    EXPECT_EQ(SurfaceSize().cx, 90);
    EXPECT_EQ(SurfaceSize().cy, 30);
    Control.SetBounds(0, 0, 90, 25);
    EXPECT_EQ(SurfaceSize().cx, 90);
    Control.SetBounds(0, 0, 91, 25);
    EXPECT_EQ(SurfaceSize().cx, 120);
    EXPECT_EQ(SurfaceSize().cy, 30);
    Control.SetBounds(0, 0, 59, 25);
    EXPECT_EQ(SurfaceSize().cx, 60);
    Control.SetBounds(0, 0, 59, 31);
    EXPECT_EQ(SurfaceSize().cy, 60);

    TKsGraphicControl Graphic(nullptr);
    Graphic.SetBounds(0, 0, 67, 25);
    EXPECT_EQ(Graphic.Surface().Width(), 90);
    EXPECT_EQ(Graphic.Surface().Height(), 30);
}

TEST(SkinnedControlRendering, RendersOnlyWhenDirtyAndFillsWithItsColour) {
    auto Form = MakeHostForm();
    auto* Control = new TSquareControl(Form.get());
    Control->SetParent(Form.get());
    Control->SetBounds(10, 10, 40, 20);
    Control->SetColor(clLime);
    Control->HandleNeeded();
    Control->Invalidate();
    Control->RenderSurface();
    const int Renders = Control->Renders;
    EXPECT_FALSE(Control->Dirty());
    Control->RenderSurface();
    EXPECT_EQ(Control->Renders, Renders);
    EXPECT_EQ(SurfacePixel(Control->Surface(), 0, 0), Opaque(clLime));
    EXPECT_EQ(SurfacePixel(Control->Surface(), 12, 7), TSquareControl::Ink);

    Control->SetBorderStyle(TBorderStyle::bsSingle);
    Control->RenderSurface();
    EXPECT_EQ(SurfacePixel(Control->Surface(), 0, 0), Opaque(clBtnShadow));
    EXPECT_EQ(SurfacePixel(Control->Surface(), 39, 19), Opaque(clBtnHighlight));
    EXPECT_EQ(SurfacePixel(Control->Surface(), 1, 1), Opaque(cl3DDkShadow));
    EXPECT_EQ(SurfacePixel(Control->Surface(), 2, 2), Opaque(clLime));
    EXPECT_EQ(Control->ClientRect().left, 2);
}

TEST(SkinnedControlRendering, TransparentControlsShowTheParentAndItsGraphicChildren) {
    auto Form = MakeHostForm(clBlue);
    auto* Behind = new TProbeControl(Form.get(), clYellow);
    Behind->SetParent(Form.get());
    Behind->SetBounds(20, 10, 10, 10);
    auto* Control = new TSquareControl(Form.get());
    Control->SetParent(Form.get());
    Control->SetBounds(10, 10, 40, 20);
    Control->SetTransparent(true);
    Control->HandleNeeded();
    Control->Invalidate();
    Control->RenderSurface();
    const TKsBitmap& Image = Control->Surface();
    EXPECT_EQ(SurfacePixel(Image, 0, 0) & 0xFFFFFF, Blue & 0xFFFFFF);
    EXPECT_EQ(SurfacePixel(Image, 12, 2) & 0xFFFFFF, Opaque(clYellow) & 0xFFFFFF);
    EXPECT_EQ(SurfacePixel(Image, 12, 7), TSquareControl::Ink);
    EXPECT_EQ(SurfacePixel(Image, 39, 19) & 0xFFFFFF, Blue & 0xFFFFFF);
}

TEST(SkinnedControlRendering, BlendingMixesWithTheBackgroundAtItsOpacity) {
    auto Form = MakeHostForm(clBlue);
    auto* Control = new TSquareControl(Form.get());
    Control->SetParent(Form.get());
    Control->SetBounds(10, 10, 40, 20);
    Control->SetColor(clRed);
    Control->HandleNeeded();
    // Switched on after the last resize: the blend surface must still be there.
    Control->SetBlend(true);
    Control->SetBlendValue(255);
    Control->RenderSurface();
    EXPECT_EQ(SurfacePixel(Control->Surface(), 0, 0) & 0xFFFFFF, 0xFF0000u);
    Control->SetBlendValue(0);
    Control->RenderSurface();
    EXPECT_EQ(SurfacePixel(Control->Surface(), 0, 0) & 0xFFFFFF, 0x0000FFu);
    Control->SetBlendValue(128);
    Control->RenderSurface();
    const TKsColor Mixed = SurfacePixel(Control->Surface(), 0, 0);
    EXPECT_NEAR(int(KsRedOf(Mixed)), 128, 1);
    EXPECT_NEAR(int(KsBlueOf(Mixed)), 127, 1);
}

TEST(SkinnedControlRendering, GraphicChildrenArePaintedFromTheParentsSurfaceUnlessHidden) {
    auto Form = MakeHostForm(clBlue);
    auto* Container = new TKsSpeedContainer(Form.get());
    Container->SetParent(Form.get());
    Container->SetBounds(0, 0, 60, 30);
    Container->SetTransparent(false);
    Container->SetColor(clWhite);
    auto* Child = new TSolidGraphic(Form.get(), 0xFFFF0000u);
    Child->SetParent(Container);
    Child->SetBounds(5, 5, 10, 10);
    auto* Clear = new TSolidGraphic(Form.get(), 0xFF00FF00u);
    Clear->SetParent(Container);
    Clear->SetBounds(30, 5, 10, 10);
    Clear->SetTransparent(true);
    Container->HandleNeeded();

    auto Target = std::make_unique<TKsBitmap>();
    Target->SetSize(60, 30);
    Target->Fill(0xFF123456u);
    Container->Invalidate();
    Container->RenderSurface();
    Container->PaintGraphicChildren(Target->DC());
    EXPECT_EQ(SurfacePixel(*Target, 6, 6), 0xFFFF0000u);
    EXPECT_EQ(SurfacePixel(*Target, 31, 6), 0xFF00FF00u);
    EXPECT_EQ(SurfacePixel(*Target, 20, 6), 0xFF123456u);

    Target->Fill(0xFF123456u);
    Child->SetVisible(false);
    Container->PaintGraphicChildren(Target->DC());
    EXPECT_EQ(SurfacePixel(*Target, 6, 6), 0xFF123456u);
}

TEST(SkinnedControlRendering, APaintMessageWithADeviceContextPaintsIntoIt) {
    auto Form = MakeHostForm();
    auto* Control = new TSquareControl(Form.get());
    Control->SetParent(Form.get());
    Control->SetBounds(0, 0, 40, 20);
    Control->SetColor(clLime);
    Control->HandleNeeded();
    TPixelSurface Target(40, 20);
    Control->Perform(WM_PAINT, reinterpret_cast<uintptr_t>(Target.DC()), 0);
    EXPECT_EQ(Target.Pixel(0, 0), RgbOf(clLime));
    EXPECT_EQ(Target.Pixel(12, 7), 0xFF0000u);
    // Erasing the background re-uses the last rendering.
    const int Renders = Control->Renders;
    Control->Perform(WM_ERASEBKGND, reinterpret_cast<uintptr_t>(Target.DC()), 0);
    EXPECT_EQ(Control->Renders, Renders);
}

TEST(SkinnedControlRendering, ADividerIsASolidBlockWhenNotTransparent) {
    auto Form = MakeHostForm(clBlue);
    auto* Divider = new TKsSpeedDivider(Form.get());
    Divider->SetParent(Form.get());
    EXPECT_EQ(Divider->Width(), 8);
    EXPECT_TRUE(Divider->Transparent());
    Divider->SetTransparent(false);
    Divider->SetColor(clRed);
    Divider->RenderSurface();
    EXPECT_EQ(SurfacePixel(Divider->Surface(), 7, 10), 0xFFFF0000u);
}

TEST(SkinnedControlResources, CyclesOfCreatingPaintingAndFreeingLeaveNoObjectsBehind) {
    const auto Cycle = [] {
        auto Form = MakeHostForm();
        auto* Control = new TSquareControl(Form.get());
        Control->SetParent(Form.get());
        Control->SetBlend(true);
        auto* Divider = new TKsSpeedDivider(Form.get());
        Divider->SetParent(Control);
        Form->Show();
        Form->Repaint();
        Application->ProcessMessages();
    };
    for (int I = 0; I < 3; ++I)
        Cycle();
    const unsigned SlotBefore = NextGdiSlot();
    for (int I = 0; I < 200; ++I)
        Cycle();
    // A leak of one object per cycle would move the slot by 200.
    EXPECT_LT(NextGdiSlot(), SlotBefore + 50);
    std::vector<HBRUSH> Leaked;
    for (int I = 0; I < 200; ++I)
        Leaked.push_back(CreateSolidBrush(0));
    EXPECT_GE(NextGdiSlot(), SlotBefore + 150) << "the slot check sees leaks";
    for (HBRUSH Brush : Leaked)
        DeleteObject(Brush);
}
