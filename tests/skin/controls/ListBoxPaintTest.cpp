// The list box painted, pixel for pixel where it matters: selection and hot items, check
// boxes in each state, flat and not, word-wrapped Chinese text, owner-drawn items (a cut
// tall one included), the font and colour styles with their glyph and swatches, and the
// themed box drawn through its engine or, without a painting theme, plainly.
#include "ListBoxTestSupport.h"

#include "skin/controls/KsScrollBars.h"
#include "skin/controls/KsThemeListBoxs.h"
#include "skin/controls/KsThemeScrollBars.h"
#include "skin/graphics/KsTextMeasure.h"
#include "skin/graphics/KsUtils.h"
#include "skin/themes/KsThemeEngine.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using enum TKsCheckBoxState;

uint32_t Rgb(TKsColor Pixel) {
    return Pixel & 0x00FFFFFFu;
}

uint32_t Rgb(TColor Color) {
    return Rgb(ColorToKsColor(Color, 255));
}

class ListBoxPaint : public ListBoxTest {
protected:
    void SetUp() override { SetUpBox(160, 100); }
    void Render(TKsCustomListBox& Target) {
        Target.Invalidate();
        Target.RenderSurface();
    }
    uint32_t At(int X, int Y) const { return Rgb(SurfacePixel(Box->Surface(), X, Y)); }
    // Whether any pixel of the rectangle has the colour.
    bool Shows(const TKsCustomListBox& Target, const RECT& Rect, uint32_t Colour) const {
        for (int Y = Rect.top; Y < Rect.bottom; ++Y)
            for (int X = Rect.left; X < Rect.right; ++X)
                if (Rgb(SurfacePixel(Target.Surface(), X, Y)) == Colour)
                    return true;
        return false;
    }
    // The host's check box drawn alone, as the plain look draws it.
    std::vector<uint32_t> HostCheckBox(UINT State, SIZE Size) const {
        TKsBitmap Reference;
        Reference.SetSize(Size.cx, Size.cy);
        Reference.Fill(KsWhite);
        RECT Rect{0, 0, Size.cx, Size.cy};
        DrawFrameControl(Reference.DC(), &Rect, DFC_BUTTON, State);
        std::vector<uint32_t> Pixels;
        for (int Y = 0; Y < Size.cy; ++Y)
            for (int X = 0; X < Size.cx; ++X)
                Pixels.push_back(Rgb(SurfacePixel(Reference, X, Y)));
        return Pixels;
    }
    std::vector<uint32_t> Pixels(const RECT& Rect) const {
        std::vector<uint32_t> Result;
        for (int Y = Rect.top; Y < Rect.bottom; ++Y)
            for (int X = Rect.left; X < Rect.right; ++X)
                Result.push_back(At(X, Y));
        return Result;
    }
    // Row I's check box glyph in a plain box at the top.
    static RECT CheckGlyph(int Row) {
        const int Top = 2 + Row * 16 + 1;
        return RECT{3, Top, 16, Top + 13};
    }
};

TEST_F(ListBoxPaint, SelectedItemsAreFilledAndTheHotOneIsInkedInTheHighlight) {
    Fill({"WWWW", "WWWW", "WWWW"});
    Box->SetItemIndex(1);
    Box->HitTestItems(20, 2 + 16 * 2 + 8);
    Render(*Box);
    EXPECT_EQ(At(120, 2 + 8), Rgb(clWindow));
    EXPECT_EQ(At(120, 2 + 16 + 8), Rgb(clHighlight));
    EXPECT_TRUE(Shows(*Box, RECT{4, 18, 60, 34}, Rgb(clHighlightText)));
    EXPECT_TRUE(Shows(*Box, RECT{4, 34, 60, 50}, Rgb(clHighlight)));
    EXPECT_FALSE(Shows(*Box, RECT{4, 2, 60, 18}, Rgb(clHighlight)));
}

TEST_F(ListBoxPaint, CheckBoxesAreTheHostsInEachStateAndFlatOnesAreFramed) {
    Fill({"unchecked", "checked", "grayed", "disabled"});
    Box->SetShowCheckBoxes(true);
    Box->SetAllowGrayed(true);
    Box->SetCheckState(1, cbChecked);
    Box->SetCheckState(2, cbGrayed);
    Box->SetCheckState(3, cbChecked);
    Box->SetItemEnabled(3, false);
    Box->SetFlat(false);
    Render(*Box);
    const SIZE Glyph{13, 13};
    EXPECT_EQ(Pixels(CheckGlyph(0)), HostCheckBox(DFCS_BUTTONCHECK, Glyph));
    EXPECT_EQ(Pixels(CheckGlyph(1)), HostCheckBox(DFCS_BUTTONCHECK | DFCS_CHECKED, Glyph));
    // The third state shows as such, not as a plain check mark.
    EXPECT_EQ(Pixels(CheckGlyph(2)), HostCheckBox(DFCS_BUTTON3STATE | DFCS_CHECKED, Glyph));
    EXPECT_NE(Pixels(CheckGlyph(2)), Pixels(CheckGlyph(1)));
    EXPECT_EQ(Pixels(CheckGlyph(3)),
              HostCheckBox(DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, Glyph));

    Box->SetFlat(true);
    Render(*Box);
    const RECT Unchecked = CheckGlyph(0);
    EXPECT_EQ(At(Unchecked.left, Unchecked.top), Rgb(clWindow));
    EXPECT_EQ(At(Unchecked.left + 1, Unchecked.top + 1), Rgb(clBtnShadow));
    EXPECT_EQ(At(Unchecked.left + 6, Unchecked.top + 6), Rgb(clWindow));
    const RECT Checked = CheckGlyph(1);
    EXPECT_EQ(At(Checked.left, Checked.top), Rgb(clWindow));
    EXPECT_EQ(At(Checked.left + 1, Checked.bottom - 2), Rgb(clBtnShadow));
    // The box under the mouse is drawn raised again.
    Box->HitTestItems(Checked.left + 5, Checked.top + 5);
    ASSERT_EQ(Box->HotCheck(), 1);
    Render(*Box);
    EXPECT_EQ(Pixels(Checked), HostCheckBox(DFCS_BUTTONCHECK | DFCS_CHECKED, Glyph));
}

TEST_F(ListBoxPaint, WrappedChineseTextTakesAsManyLinesAsItNeeds) {
    // Tahoma reaches the CJK font through the host's font links, as the windows' fonts do.
    Box->Font()->SetName("Tahoma");
    Box->SetWordWrap(true);
    Box->SetBounds(0, 0, 80, 200);
    Fill({"截图工具截图工具截图工具", "短"});
    const int LineHeight = KsTextExtent(*Box->Font(), L"Pq").cy;
    const int Height = Box->GetItemHeight(0);
    EXPECT_GE(Height, 2 * LineHeight);
    EXPECT_EQ(Height % LineHeight, 0);
    EXPECT_EQ(Box->GetItemHeight(1), LineHeight);
    Render(*Box);
    // Ink on the last line of the first item, nothing below the second's one line.
    const RECT LastLine{4, 2 + Height - LineHeight, 70, 2 + Height};
    EXPECT_TRUE(Shows(*Box, LastLine, Rgb(clWindowText)));
    const RECT BelowSecond{4, 2 + Height + LineHeight, 70, 2 + Height + 2 * LineHeight};
    EXPECT_FALSE(Shows(*Box, BelowSecond, Rgb(clWindowText)));
}

class OwnerDrawRecorder {
public:
    struct TCall {
        int Index;
        RECT Rect;
        TOwnerDrawState State;
    };
    std::vector<TCall> Calls;
    void DrawItem(TWinControl*, int Index, RECT Rect, TOwnerDrawState State) {
        Calls.push_back({Index, Rect, State});
    }
    void MeasureItem(TWinControl*, int Index, int& Height) { Height = Index == 0 ? 500 : 30; }
};

TEST_F(ListBoxPaint, OwnerDrawnItemsAreDrawnByTheirOwnerWithTheirStateAndTheFirstWhenCut) {
    OwnerDrawRecorder Owner;
    Box->SetListStyle(TKsListBoxStyle::lbOwnerDrawFixed);
    Box->OnDrawItem = MakeEvent(&Owner, &OwnerDrawRecorder::DrawItem);
    Fill({"a", "b", "c"});
    Box->SetItemIndex(1);
    Render(*Box);
    ASSERT_EQ(Owner.Calls.size(), 3u);
    EXPECT_TRUE(EqualRect(Owner.Calls[1].Rect, RECT{4, 18, 158, 34}));
    EXPECT_TRUE(Owner.Calls[1].State.Contains(TOwnerDrawStateFlag::odSelected));
    EXPECT_FALSE(Owner.Calls[0].State.Contains(TOwnerDrawStateFlag::odSelected));

    // An item taller than the box is still drawn (cut), not left blank.
    Box->SetListStyle(TKsListBoxStyle::lbOwnerDrawVariable);
    Box->OnMeasureItem = MakeEvent(&Owner, &OwnerDrawRecorder::MeasureItem);
    Owner.Calls.clear();
    Render(*Box);
    ASSERT_EQ(Owner.Calls.size(), 1u);
    EXPECT_EQ(Owner.Calls[0].Index, 0);
    EXPECT_EQ(Owner.Calls[0].Rect.bottom, 2 + 500);
}

TEST_F(ListBoxPaint, ColourNamesShowASwatchAndTheNameWithoutItsPrefix) {
    Box->SetListStyle(TKsListBoxStyle::lbColorNames);
    EXPECT_GT(Box->Count(), 40);
    EXPECT_EQ(Box->Items()->Strings(0), "clBlack");
    Box->Items()->Clear();
    Fill({"clRed", "Unknown", "Uncle"});
    Render(*Box);
    // Row 0 is 18 high; its swatch is 20 x 14, centred in the 20 pixels after the text's left.
    const RECT Swatch{4, 2 + 2, 24, 2 + 16};
    EXPECT_EQ(At(Swatch.left, Swatch.top), 0x000000u);
    EXPECT_EQ(At(Swatch.left + 10, Swatch.top + 7), 0xFF0000u);
    // A name that is no colour gets no swatch (and raises nothing).
    EXPECT_EQ(At(Swatch.left + 10, Swatch.top + 7 + 18), Rgb(clWindow));

    // The names drawn as a reference surface draws "Red" and "Uncle".
    TKsBitmap Reference;
    Reference.SetSize(Box->Surface().Width(), Box->Surface().Height());
    Reference.Fill(ColorToKsColor(clWindow, 255));
    Reference.SetFont(Box->Font());
    Reference.DrawText("Red", RECT{28, 2, 158, 20}, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    Reference.DrawText("Uncle", RECT{28, 38, 158, 56}, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    for (const RECT& Name : {RECT{28, 2, 158, 20}, RECT{28, 38, 158, 56}})
        for (int Y = Name.top; Y < Name.bottom; ++Y)
            for (int X = Name.left; X < Name.right; ++X)
                ASSERT_EQ(At(X, Y), Rgb(SurfacePixel(Reference, X, Y))) << X << "," << Y;
}

TEST_F(ListBoxPaint, ColoursFillTheirItemInsideAFourPixelMargin) {
    Box->SetListStyle(TKsListBoxStyle::lbColors);
    Box->Items()->Clear();
    Fill({"clLime", "$00FF0000", "not a colour"});
    Render(*Box);
    EXPECT_EQ(At(2 + 4, 2 + 4), 0x000000u);
    EXPECT_EQ(At(2 + 3, 2 + 4), Rgb(clWindow));
    EXPECT_EQ(At(60, 2 + 9), 0x00FF00u);
    EXPECT_EQ(At(60, 2 + 18 + 9), 0x0000FFu);
    EXPECT_EQ(At(60, 2 + 36 + 9), Rgb(clWindow));
}

TEST_F(ListBoxPaint, FontsMarkTrueTypeFamiliesWithTheGlyph) {
    Box->SetListStyle(TKsListBoxStyle::lbFonts);
    EXPECT_GT(Box->Count(), 0);
    Box->SetSorted(false);
    Box->Items()->Clear();
    Box->Items()->AddObject("Outline", reinterpret_cast<TObject*>(uintptr_t{TMPF_TRUETYPE}));
    Box->Items()->AddObject("Raster", nullptr);
    Render(*Box);
    // The glyph (16 x 12, navy and grey) centred in 18 pixels after the text's left.
    const RECT Glyph0{4 + 1, 2 + 3, 4 + 17, 2 + 15};
    EXPECT_TRUE(Shows(*Box, Glyph0, 0x000080u));
    EXPECT_TRUE(Shows(*Box, Glyph0, 0x808080u));
    EXPECT_FALSE(Shows(*Box, RECT{4 + 1, 20 + 3, 4 + 17, 20 + 15}, 0x000080u));
}

// Records what the themed box asks of the theme.
class TListTheme : public TTeTheme {
public:
    static const TTeThemeClassOf<TListTheme> Class;
    const TClass& ClassType() const override { return Class; }
    static std::string GetName() { return "List"; }
    static bool IsAvailable() { return true; }

    static constexpr TKsColor Frame = 0xFF123456u;
    static constexpr TColor Window = RGBColor(0xE0, 0xF0, 0xD0);
    static TKsColor CheckColor(TTeDrawState State, TTeCheckState Check) {
        return 0xFF400000u + static_cast<TKsColor>(State) * 0x100 + static_cast<TKsColor>(Check);
    }

    int GetMetric(uint8_t Index) override {
        return Index == 16 ? 11 : Index == 17 ? 12 : TTeTheme::GetMetric(Index);
    }
    TColor GetColor(int Index) override { return Index == 6 ? Window : TTeTheme::GetColor(Index); }
    void DrawEditFrame(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState) override {
        Bitmap.FrameRect(Rect, Frame);
    }
    void DrawCheckBox(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                      TTeCheckState Check) override {
        Boxes.push_back(Rect);
        Bitmap.FillRect(Rect, CheckColor(State, Check));
    }
    std::vector<RECT> Boxes;
};
const TTeThemeClassOf<TListTheme> TListTheme::Class{"TListTheme", TTeTheme::Class};

TEST_F(ListBoxPaint, TheThemedBoxDrawsBackgroundFrameAndCheckBoxesThroughItsTheme) {
    auto Engine = std::make_unique<TTeThemeEngine>(nullptr);
    auto Owned = std::make_unique<TListTheme>();
    TListTheme* Theme = Owned.get();
    Engine->SetTheme(std::move(Owned));
    auto* Themed = MakeBox<TTeThemeListBox>(160, 100);
    Themed->SetThemeEngine(Engine.get());
    Themed->SetShowCheckBoxes(true);
    for (const char* Text : {"a", "b", "c"})
        Themed->Items()->Add(Text);
    Themed->SetCheckState(1, cbChecked);
    Themed->SetItemEnabled(2, false);
    Themed->HitTestItems(60, 2 + 8);
    ASSERT_NE(dynamic_cast<TTeThemeScrollBar*>(Themed->ScrollBar()), nullptr);
    EXPECT_EQ(static_cast<TTeThemeScrollBar*>(Themed->ScrollBar())->ThemeEngine(), Engine.get());

    Render(*Themed);
    const TKsBitmap& Image = Themed->Surface();
    EXPECT_EQ(SurfacePixel(Image, 0, 0), TListTheme::Frame);
    EXPECT_EQ(Rgb(SurfacePixel(Image, 150, 90)), Rgb(TListTheme::Window));
    // Items 4 pixels taller, an 11 x 12 box centred in a 21-pixel column.
    EXPECT_EQ(Themed->GetItemHeight(0), 20);
    EXPECT_EQ(Themed->GetCheckColumnWidth(), 21);
    ASSERT_EQ(Theme->Boxes.size(), 3u);
    EXPECT_TRUE(EqualRect(Theme->Boxes[1], RECT{2 + 5, 22 + 4, 2 + 16, 22 + 16}));
    EXPECT_EQ(SurfacePixel(Image, 10, 2 + 8),
              TListTheme::CheckColor(TTeDrawState::tdsHot, TTeCheckState::tcsUnchecked));
    EXPECT_EQ(SurfacePixel(Image, 10, 22 + 8),
              TListTheme::CheckColor(TTeDrawState::tdsNormal, TTeCheckState::tcsChecked));
    EXPECT_EQ(SurfacePixel(Image, 10, 42 + 8),
              TListTheme::CheckColor(TTeDrawState::tdsDisabled, TTeCheckState::tcsUnchecked));

    // Without its engine the box is plain again, items and column as the plain box has them.
    Engine.reset();
    Render(*Themed);
    EXPECT_EQ(Themed->ThemeEngine(), nullptr);
    EXPECT_EQ(Themed->GetItemHeight(0), 16);
    EXPECT_EQ(Themed->GetCheckColumnWidth(), 15);
    EXPECT_EQ(Rgb(SurfacePixel(Image, 0, 0)), Rgb(clBtnShadow));
}

} // namespace
