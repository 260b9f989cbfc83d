// Painting into one surface: frames, fills, gradients, GDI shapes and text, with every GDI
// object the surface selects given back.
#include "SurfaceTestSupport.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/Canvas.h"

#include <gtest/gtest.h>

namespace {

TEST(KsBitmapFill, FillRectCopiesOrBlendsByUseAlphaAndClipsAtEveryEdge) {
    const RECT Rects[] = {{-3, 1, 2, 3}, {2, -3, 4, 2}, {3, 2, 9, 4}, {1, 3, 3, 9}, {-1, -1, 9, 9}};
    for (const RECT R : Rects)
        for (const bool Alpha : {false, true}) {
            auto Surface = MakeSurface(5, 5, 0xFF000000u);
            Surface->SetUseAlpha(Alpha);
            Surface->FillRect(R, 0x80FFFFFFu);
            for (int Y = 0; Y < 5; ++Y)
                for (int X = 0; X < 5; ++X) {
                    const bool Inside = X >= R.left && X < R.right && Y >= R.top && Y < R.bottom;
                    const TKsColor Want =
                        !Inside ? 0xFF000000u : (Alpha ? 0xBF808080u : 0x80FFFFFFu);
                    EXPECT_EQ(Surface->Pixels(X, Y), Want) << X << "," << Y;
                }
        }
}

TEST(KsBitmapFrame, FrameRect3DGivesTheCornersToTheirEdges) {
    auto Surface = MakeSurface(6, 5, 0xFF000000u);
    Surface->FrameRect3D(RECT{1, 1, 5, 4}, 0xFF0000FFu, 0xFFFF0000u);
    const TKsColor B = 0xFF000000u, T = 0xFF0000FFu, R = 0xFFFF0000u;
    const TKsColor Want[5][6] = {{B, B, B, B, B, B},
                                 {B, T, T, T, R, B},
                                 {B, T, B, B, R, B},
                                 {B, R, R, R, R, B},
                                 {B, B, B, B, B, B}};
    for (int Y = 0; Y < 5; ++Y)
        for (int X = 0; X < 6; ++X)
            EXPECT_EQ(Surface->Pixels(X, Y), Want[Y][X]) << X << "," << Y;
}

TEST(KsBitmapFrame, TranslucentTopLeftCornerIsBlendedTwice) {
    auto Surface = MakeSurface(4, 4, 0xFF000000u);
    Surface->FrameRect(RECT{0, 0, 4, 4}, 0x80FFFFFFu);
    const TKsColor Once = KsBlendPixel(0x80FFFFFFu, 0xFF000000u);
    EXPECT_EQ(Surface->Pixels(0, 0), KsBlendPixel(0x80FFFFFFu, Once));
    EXPECT_EQ(Surface->Pixels(3, 0), Once);
    EXPECT_EQ(Surface->Pixels(3, 3), Once);
    EXPECT_EQ(Surface->Pixels(0, 3), Once);
}

TEST(KsBitmapFrame, Frame3DShadesEachRingByItsDepth) {
    const TKsColor Base = 0xFF808080u;
    auto Raised = MakeSurface(8, 8, 0);
    Raised->Frame3D(RECT{0, 0, 8, 8}, Base, false, 2);
    EXPECT_EQ(Raised->Pixels(0, 0), KsColorLighten(Base, 34));
    EXPECT_EQ(Raised->Pixels(7, 7), KsColorDarken(Base, 34));
    EXPECT_EQ(Raised->Pixels(1, 1), KsColorLighten(Base, 17));
    EXPECT_EQ(Raised->Pixels(6, 6), KsColorDarken(Base, 17));
    EXPECT_EQ(Raised->Pixels(2, 2), 0u);
    auto Sunken = MakeSurface(4, 4, 0);
    Sunken->Frame3D(RECT{0, 0, 4, 4}, Base, true, 1);
    EXPECT_EQ(Sunken->Pixels(1, 0), KsColorDarken(Base, 35));
    EXPECT_EQ(Sunken->Pixels(3, 2), KsColorLighten(Base, 35));
    auto None = MakeSurface(4, 4, 0);
    None->Frame3D(RECT{0, 0, 4, 4}, Base, true, 0);
    EXPECT_EQ(ImageOf(*None).Data, TTestImage(4, 4, 0).Data);
}

TEST(KsBitmapFrame, DeepFramesHoldTheirShadeAtTheMaximum) {
    auto Surface = MakeSurface(40, 40, 0);
    Surface->Frame3D(RECT{0, 0, 40, 40}, 0xFF808080u, false, 16);
    // Ring 0 would ask for 16 * 17 = 272, past a byte: it is held at 255.
    EXPECT_EQ(Surface->Pixels(0, 0), KsColorLighten(0xFF808080u, 255));
    EXPECT_EQ(Surface->Pixels(1, 1), KsColorLighten(0xFF808080u, 255));
    EXPECT_EQ(Surface->Pixels(2, 2), KsColorLighten(0xFF808080u, 238));
}

TEST(KsBitmapFill, GradientWithUseAlphaBlendsEachBand) {
    auto Surface = MakeSurface(10, 2, 0xFF000000u);
    Surface->SetUseAlpha(true);
    Surface->FillGradient(RECT{0, 0, 10, 2}, 0x80FFFFFFu, true, 0x80FFFFFFu);
    EXPECT_EQ(Surface->Pixels(3, 1), 0xBF808080u);
}

TEST(KsBitmapFill, DitherBlendsItsBackgroundAndWritesItsDots) {
    auto Surface = MakeSurface(3, 2, 0xFF000000u);
    Surface->SetUseAlpha(true);
    Surface->FillDither(RECT{0, 0, 3, 2}, 0x80FFFFFFu, 0x12345678u);
    EXPECT_EQ(Surface->Pixels(0, 0), 0x12345678u);
    EXPECT_EQ(Surface->Pixels(1, 0), 0xBF808080u);
    EXPECT_EQ(Surface->Pixels(1, 1), 0x12345678u);
}

TEST(KsBitmapPixels, ColourChangesOfTheWholeSurface) {
    auto Surface = MakeSurface(2, 1, 0xFFFF00FFu);
    Surface->SetPixels(1, 0, 0x20FF0000u);
    Surface->ReplaceByTransparent(0xFFFF00FFu);
    EXPECT_EQ(Surface->Pixels(0, 0), KsTransparent);
    Surface->ChangeHue(85);
    EXPECT_EQ(Surface->Pixels(0, 0), KsTransparent);
    EXPECT_EQ(Surface->Pixels(1, 0), 0xFF00FF00u);
    Surface->ChangeBrightness(-16);
    EXPECT_EQ(Surface->Pixels(0, 0), KsTransparent);
    EXPECT_EQ(Surface->Pixels(1, 0), 0xFF00EF00u);
    Surface->SetAlphaRect(0x40, RECT{1, 0, 2, 1});
    EXPECT_EQ(Surface->Pixels(1, 0), 0x4000EF00u);
}

// The objects a device context starts with; every painting operation must leave them.
struct TSelectedObjects {
    HGDIOBJ Pen, Brush, Font;
    explicit TSelectedObjects(HDC DC)
        : Pen(GetCurrentObject(DC, OBJ_PEN)), Brush(GetCurrentObject(DC, OBJ_BRUSH)),
          Font(GetCurrentObject(DC, OBJ_FONT)) {}
    bool operator==(const TSelectedObjects&) const = default;
};

TEST(KsBitmapGdi, ShapesDrawInThePixelColourAndGiveBackEveryObject) {
    auto Surface = MakeSurface(20, 20, 0xFF000000u);
    const TSelectedObjects Before(Surface->DC());
    Surface->MoveTo(2, 2);
    Surface->LineTo(10, 2, 0xFF00FF00u);
    Surface->DrawLine(RECT{2, 5, 2, 9}, 0xFFFF0000u);
    Surface->FillRoundRect(RECT{12, 12, 18, 18}, 2, 0xFF0000FFu);
    Surface->RoundFrame(RECT{0, 12, 8, 20}, 3, 0xFFFFFFFFu);
    Surface->FillPolygon({{12, 2}, {18, 2}, {18, 8}}, 0xFF00FFFFu);
    Surface->PolygonFrame({{12, 2}, {18, 2}, {18, 8}}, 0xFFFFFF00u);
    Surface->DrawFocusRect(RECT{1, 1, 5, 5});
    EXPECT_TRUE(TSelectedObjects(Surface->DC()) == Before);
    // The line stops short of its end point, as the host draws lines.
    EXPECT_EQ(Surface->Pixels(9, 2) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(Surface->Pixels(10, 2) & 0xFFFFFF, 0u);
    EXPECT_EQ(Surface->Pixels(2, 8) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(Surface->Pixels(2, 9) & 0xFFFFFF, 0u);
    EXPECT_EQ(Surface->Pixels(15, 15) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(Surface->Pixels(4, 16) & 0xFFFFFF, 0u) << "a frame is hollow";
    EXPECT_EQ(Surface->Pixels(4, 19) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(KsBitmapGdi, RepeatedPaintingLeaksNoObjects) {
    auto Surface = MakeSurface(30, 30, 0);
    // Warm up whatever the host creates once (the font's handle).
    Surface->DrawText("Pq", RECT{0, 0, 30, 30}, 0);
    const DWORD Before = GdiObjectCount();
    for (int I = 0; I < 200; ++I) {
        Surface->LineTo(I % 30, 5, 0xFF000000u | TKsColor(I));
        Surface->FillRoundRect(RECT{0, 0, 10, 10}, 3, 0xFF000000u | TKsColor(I));
        Surface->FillPolygon({{0, 0}, {5, 0}, {5, 5}}, 0xFF000000u | TKsColor(I));
        Surface->DrawText("Pq", RECT{0, 0, 30, 30}, 0);
        Surface->DrawVerticalText("Pq", RECT{0, 0, 20, 30}, I % 2 == 0, 0);
    }
    EXPECT_EQ(GdiObjectCount(), Before);
}

TEST(KsBitmapText, MeasuresAsTheHostDoesInTheSurfaceFont) {
    auto Surface = MakeSurface(50, 50, 0);
    const std::string Text = "Snapvale \xE6\x88\xAA\xE5\x8F\x96";
    const std::wstring Wide = Utf8ToWide(Text);
    HGDIOBJ Previous = SelectObject(Surface->DC(), Surface->Font()->Handle());
    RECT Bounds{0, 0, 0, 0};
    DrawTextW(Surface->DC(), Wide.c_str(), int(Wide.size()), &Bounds, DT_CALCRECT);
    SelectObject(Surface->DC(), Previous);
    EXPECT_EQ(Surface->TextWidth(Text), Bounds.right);
    EXPECT_EQ(Surface->TextHeight(Text), Bounds.bottom);
    EXPECT_GT(Bounds.right, 0);
    TKsBitmap Empty;
    EXPECT_EQ(Empty.TextHeight(Text), 0);
    EXPECT_EQ(Empty.TextWidth(Text), 0);
}

TEST(KsBitmapText, DrawsTransparentlyInTheFontColourAndRestoresTheContext) {
    auto Surface = MakeSurface(60, 30, 0xFF123456u);
    Surface->Font()->SetColor(clRed);
    const COLORREF TextColour = GetTextColor(Surface->DC());
    const int Mode = GetBkMode(Surface->DC());
    const TSelectedObjects Before(Surface->DC());
    EXPECT_GT(Surface->DrawText("W", RECT{0, 0, 60, 30}, DT_SINGLELINE), 0);
    EXPECT_TRUE(TSelectedObjects(Surface->DC()) == Before);
    EXPECT_EQ(GetTextColor(Surface->DC()), TextColour);
    EXPECT_EQ(GetBkMode(Surface->DC()), Mode);
    int Red = 0, Untouched = 0;
    GdiFlush();
    for (int I = 0; I < 60 * 30; ++I) {
        const TKsColor Colour = Surface->Bits()[I] & 0xFFFFFF;
        Red += Colour == 0xFF0000u;
        Untouched += Colour == 0x123456u;
    }
    EXPECT_GT(Red, 0);
    EXPECT_GT(Untouched, 60 * 30 / 2) << "the background stays where there is no ink";
}

TEST(KsBitmapText, VerticalTextIsTheHorizontalTextTurnedInsideItsRectangle) {
    const std::string Text = "Tab";
    TKsBitmap Horizontal;
    Horizontal.SetSize(30, 16);
    Horizontal.Fill(0xFFFF00FFu);
    Horizontal.Font()->SetColor(clBlue);
    Horizontal.DrawText(Text, RECT{0, 0, 30, 16}, DT_SINGLELINE);
    for (const bool Clockwise : {true, false}) {
        auto Vertical = MakeSurface(24, 40, 0xFF000000u);
        Vertical->Font()->SetColor(clBlue);
        const RECT Rect{4, 5, 20, 35}; // 16 wide, 30 high
        Vertical->DrawVerticalText(Text, Rect, Clockwise, DT_SINGLELINE);
        TTestImage Want(24, 40, 0xFF000000u);
        for (int J = 0; J < 16; ++J)
            for (int I = 0; I < 30; ++I)
                if (Horizontal.Pixels(I, J) != 0xFFFF00FFu) {
                    if (Clockwise)
                        Want.At(Rect.right - 1 - J, Rect.top + I) = 0xFF0000FFu;
                    else
                        Want.At(Rect.left + J, Rect.bottom - 1 - I) = 0xFF0000FFu;
                }
        EXPECT_EQ(ImageOf(*Vertical).Data, Want.Data) << "clockwise " << Clockwise;
    }
}

TEST(KsBitmapText, VerticalTextNearTheEdgeDropsWhatFallsOutside) {
    auto Surface = MakeSurface(10, 10, 0xFF000000u);
    Surface->DrawVerticalText("Tab", RECT{-5, -20, 11, 10}, true, DT_SINGLELINE);
    EXPECT_EQ(Surface->Width(), 10);
}

} // namespace
