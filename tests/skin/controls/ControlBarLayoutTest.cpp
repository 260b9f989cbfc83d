// The control bar's bands and layout on a window that is not shown: bands following their
// controls as they come, hide, resize and go; the row a band joins; neighbours pushed aside;
// rows too wide closing gaps, narrowing and wrapping; row snapping; row starts handed on;
// the bar's own size; what the events may hand back; and the painted grips and edges.
#include "ControlTestSupport.h"
#include "WindowTestSupport.h"

#include "skin/controls/KsControlBars.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsSpeedButtons.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

// A band's control stands 11 pixels right of the band's left (the grip) and 2 below its top.
constexpr int Grip = 11;
constexpr int Inset = 2;
constexpr int RowHeight = 22 + 2 * Inset;

class ControlBarLayout : public ::testing::Test {
public:
    // Event handlers a test can point the bar's events at.
    void NegativeInfo(TObject*, TControl*, RECT& Insets, int& PreferredSize, int&) {
        Insets = RECT{-5, -5, -5, -5};
        PreferredSize = -40;
    }
    void InsideOutMove(TObject*, TControl*, RECT& R) {
        R.right = R.left - 50;
        R.bottom = R.top - 50;
    }
    void ThreeRows(TObject*, TControl*, RECT&, int&, int& RowCount) { RowCount = 3; }
    void EdgeOnly(TObject*, TControl*, TCanvas*, RECT&, TBandPaintOptions& Options) {
        Options = TBandPaintOptions{TBandPaintOption::bpEdge};
    }
    void CountPaint(TObject*) { ++Paints; }

protected:
    void SetUp() override {
        RegisterSkinControls();
        Form = MakeHostForm(clBtnFace);
        Form->SetClientWidth(500);
        Form->SetClientHeight(300);
        Bar = new TKsCustomControlBar(Form.get());
        Bar->SetParent(Form.get());
        Bar->SetBounds(0, 0, 400, 60);
    }
    void TearDown() override { Form.reset(); }

    TControl* Add(int X, int Y, int Width = 100, int Height = 22) {
        auto* Control = new TKsSpeedContainer(Form.get());
        Control->SetBounds(X, Y, Width, Height);
        Control->SetParent(Bar);
        return Control;
    }
    int IndexOf(const TControl* Control) const {
        for (int I = 0; I < Bar->BandCount(); ++I)
            if (Bar->Bands(I).Control == Control && !Bar->Bands(I).Parent)
                return I;
        return -1;
    }


    std::unique_ptr<TForm> Form;
    TKsCustomControlBar* Bar = nullptr;
    int Paints = 0;
};

TEST_F(ControlBarLayout, BandsFollowTheirControlsAsTheyComeHideResizeAndGo) {
    TControl* A = Add(20, 2);
    TControl* B = Add(200, 2);
    ASSERT_EQ(Bar->BandCount(), 2);
    EXPECT_EQ(A->Left(), 20);
    EXPECT_EQ(B->Left(), 200);
    EXPECT_EQ(B->Top(), Inset);
    EXPECT_EQ(Bar->Height(), RowHeight); // AutoSize: one row

    B->Hide(); // keeps its band, which the layout skips
    ASSERT_EQ(Bar->BandCount(), 2);
    EXPECT_FALSE(Bar->Bands(IndexOf(B)).Visible);
    A->SetWidth(250); // would overlap B's band, were B shown
    EXPECT_EQ(B->Left(), 200);
    B->Show();
    // Overlapping A, B pushes it left into the gap at the bar's edge, and sits after it.
    EXPECT_EQ(A->Left(), Grip);
    EXPECT_EQ(B->Left(), Grip + 250 + Inset + Grip);

    B->SetParent(nullptr);
    EXPECT_EQ(Bar->BandCount(), 1);
    EXPECT_EQ(Bar->LastBandControl(), B);
    // A control that is freed is not named afterwards: a new one may get its address.
    delete A;
    EXPECT_EQ(Bar->BandCount(), 0);
    EXPECT_EQ(Bar->LastBandControl(), nullptr);
    delete B;
}

TEST_F(ControlBarLayout, ANewBandJoinsTheRowItsMiddleFallsIn) {
    Add(20, 2);
    // The band's middle is its top (the control's less the inset) plus half a row size.
    TControl* Same = Add(200, 12); // middle 10 + 13 = 23, inside the first row (0-26)
    TControl* Below = Add(200, 16); // middle 14 + 13 = 27: a new row
    EXPECT_EQ(Same->Top(), Inset);
    EXPECT_EQ(Below->Top(), RowHeight + Inset);
    EXPECT_TRUE(Bar->Bands(IndexOf(Below)).Break);
    EXPECT_EQ(Bar->Height(), 2 * RowHeight);
}

TEST_F(ControlBarLayout, ABandMovedOntoItsNeighbourPushesTheNeighboursLeftAsFarAsGapsAllow) {
    TControl* A = Add(20, 2);
    TControl* B = Add(200, 2);
    TControl* C = Add(350, 2);
    // C's band (left 219) overlaps B's (189-302) by 83 pixels; the gaps before A and B
    // give 9 and 67 of them: all three end up packed from the bar's edge.
    C->SetLeft(230);
    const int Band = Grip + 100 + Inset;
    EXPECT_EQ(A->Left(), Grip);
    EXPECT_EQ(B->Left(), Band + Grip);
    EXPECT_EQ(C->Left(), 2 * Band + Grip);
    EXPECT_LT(IndexOf(B), IndexOf(C));
    EXPECT_EQ(C->Top(), Inset);
}

TEST_F(ControlBarLayout, ARowTooWideClosesGapsThenNarrowsBandsThenWrapsItsLastBand) {
    Bar->SetWidth(300);
    TControl* A = Add(20, 2);
    TControl* B = Add(200, 2); // its band would end at 302
    EXPECT_EQ(B->Left() + 100 + Inset, 300); // moved left into the gap
    EXPECT_EQ(A->Left(), 20);

    // Three bands of 113 need 339 pixels: narrowed down to their minimum widths they fit.
    TControl* C = Add(240, 2);
    for (TControl* Control : {A, B, C})
        Control->Constraints()->SetMinWidth(50);
    Bar->Realign();
    EXPECT_EQ(C->Left() + C->Width() + Inset, 300);
    EXPECT_LT(C->Width(), 100);
    EXPECT_GE(C->Width(), 50);
    EXPECT_EQ(C->Top(), Inset);

    // Not even at their minimum widths: the last band wraps into a row of its own.
    for (TControl* Control : {A, B, C})
        Control->Constraints()->SetMinWidth(100);
    Bar->Realign();
    EXPECT_EQ(C->Top(), RowHeight + Inset);
    EXPECT_EQ(C->Left(), Grip);
    EXPECT_EQ(C->Width(), 100);
    EXPECT_EQ(B->Top(), Inset);
    EXPECT_EQ(Bar->Height(), 2 * RowHeight);
}

TEST_F(ControlBarLayout, RowSnapGivesATallControlOneRowWhenInsertedAndTwoWhenMoved) {
    Bar->SetRowSnap(true);
    TControl* A = Add(20, 2, 100, 30); // 34 pixels with the insets
    ASSERT_EQ(Bar->BandCount(), 1);
    EXPECT_EQ(Bar->Bands(0).Height, TKsCustomControlBar::DefaultRowSize);

    A->SetBounds(40, 2, 100, 30); // moved at that height
    ASSERT_EQ(Bar->BandCount(), 2);
    EXPECT_EQ(Bar->Bands(1).Parent, &Bar->Bands(0));
    EXPECT_EQ(Bar->Bands(1).Control, A);
    EXPECT_EQ(A->Height(), 2 * TKsCustomControlBar::DefaultRowSize - 2 * Inset);
    EXPECT_EQ(Bar->Height(), 2 * TKsCustomControlBar::DefaultRowSize);
}

TEST_F(ControlBarLayout, RowSizeIsAtLeastOneAndChangesLayNothingOutByThemselves) {
    TControl* A = Add(20, 2);
    Bar->SetRowSize(0);
    EXPECT_EQ(Bar->RowSize(), 1);
    Bar->SetRowSize(-7);
    EXPECT_EQ(Bar->RowSize(), 1);
    Bar->SetRowSize(40);
    Bar->SetRowSnap(true);
    EXPECT_EQ(A->Height(), 22);
    Bar->ClearBands(); // as every press does: the bands are made anew
    EXPECT_EQ(A->Height(), 40 - 2 * Inset);
}

TEST_F(ControlBarLayout, RowsOfAHugeRowSizeAddUpWithoutOverflowing) {
    Bar->SetAutoSize(false);
    Bar->SetRowSnap(true);
    Bar->SetRowSize(1000000000);
    Bar->OnBandInfo = MakeEvent(this, &ControlBarLayout::ThreeRows);
    TControl* A = Add(20, 2);
    ASSERT_EQ(Bar->BandCount(), 3);
    EXPECT_EQ(Bar->Bands(0).TempPos.y, 0);
    EXPECT_EQ(Bar->Bands(1).TempPos.y, 1000000000);
    EXPECT_EQ(Bar->Bands(2).TempPos.y, 2000000000);
    EXPECT_EQ(A->Top(), Inset);
    EXPECT_GT(A->Height(), 0); // the host holds a window's size to 16 bits
}

TEST_F(ControlBarLayout, TheFirstBandOfARowLeavingHandsTheRowStartOn) {
    Add(20, 2);
    TControl* B = Add(20, 30);
    TControl* C = Add(200, 30);
    ASSERT_EQ(C->Top(), RowHeight + Inset);
    B->SetParent(nullptr);
    EXPECT_TRUE(Bar->Bands(IndexOf(C)).Break);
    EXPECT_EQ(C->Top(), RowHeight + Inset); // not merged into the first row
    delete B;
}

TEST_F(ControlBarLayout, TheBarSizesItsRowsOrItsColumnsByItsAlignment) {
    Add(20, 2);
    EXPECT_EQ(Bar->Height(), RowHeight);
    Bar->SetAlign(TAlign::alLeft); // the form gives it its height; it takes the width it needs
    Bar->Realign();
    EXPECT_EQ(Bar->Width(), 20 + 100 + Inset);
    EXPECT_EQ(Bar->Height(), Form->ClientHeight());

    int Width = 1;
    int Height = 2;
    TKsCustomControlBar Loose(nullptr); // no window: its size stays
    EXPECT_TRUE(Loose.CanAutoSize(Width, Height));
    EXPECT_EQ(Width, 1);
    EXPECT_EQ(Height, 2);
}

TEST_F(ControlBarLayout, NegativeInsetsWidthsAndRectanglesFromTheEventsCountAsNothing) {
    Bar->OnBandInfo = MakeEvent(this, &ControlBarLayout::NegativeInfo);
    TControl* A = Add(20, 2);
    const RECT& Insets = Bar->Bands(0).Insets;
    EXPECT_EQ(Insets.left, 0);
    EXPECT_EQ(Insets.top, 0);
    EXPECT_EQ(Insets.right, 0);
    EXPECT_EQ(Insets.bottom, 0);
    EXPECT_EQ(A->Width(), 0);
    EXPECT_GE(A->Height(), 0);

    Bar->OnBandInfo = {};
    Bar->OnBandMove = MakeEvent(this, &ControlBarLayout::InsideOutMove);
    TControl* B = Add(200, 2);
    EXPECT_EQ(B->Width(), 0);
    EXPECT_GE(B->Height(), 0);
}

TEST_F(ControlBarLayout, BandsArePaintedWithGripsAndEdgesUnlessOnBandPaintSaysOtherwise) {
    Bar->OnPaint = MakeEvent(this, &ControlBarLayout::CountPaint);
    TControl* A = Add(40, 2);
    Bar->Invalidate();
    Bar->RenderSurface();
    const TKsBitmap& Image = Bar->Surface();
    const int Left = A->Left() - Grip;
    const int Top = A->Top() - Inset;
    const TKsColor Light = ColorToKsColor(clBtnHighlight, 255) & 0xFFFFFF;
    const TKsColor Dark = ColorToKsColor(clBtnShadow, 255) & 0xFFFFFF;
    const TKsColor Face = ColorToKsColor(clBtnFace, 255) & 0xFFFFFF;
    const auto Rgb = [&](int X, int Y) { return SurfacePixel(Image, X, Y) & 0xFFFFFF; };
    EXPECT_GE(Paints, 1);
    EXPECT_EQ(Rgb(Left, Top + 5), Light);                     // the edge's left side
    EXPECT_EQ(Rgb(Left + 50, A->Top() + A->Height() + 1), Dark);         // its bottom
    EXPECT_EQ(Rgb(Left + 3, Top + 6), Light);                 // the first grip bar
    EXPECT_EQ(Rgb(Left + 5, Top + 6), Dark);
    EXPECT_EQ(Rgb(Left + 6, Top + 6), Light);                 // the second
    EXPECT_EQ(Rgb(Left + 8, Top + 6), Dark);
    EXPECT_EQ(Rgb(A->Left() + A->Width() + Inset + 5, 5), Face); // beyond the band

    Bar->OnBandPaint = MakeEvent(this, &ControlBarLayout::EdgeOnly);
    Bar->Invalidate();
    Bar->RenderSurface();
    EXPECT_EQ(Rgb(Left + 3, Top + 6), Face);
    EXPECT_EQ(Rgb(Left, Top + 5), Light);
}

} // namespace
