// The overlay's rectangle is the same whichever way the user drags.
#include "app/Selection.h"

#include <gtest/gtest.h>

namespace {

bool SameRect(const RECT& A, const RECT& B) {
    return A.left == B.left && A.top == B.top && A.right == B.right && A.bottom == B.bottom;
}

} // namespace

TEST(Selection, EveryDragDirectionGivesTheSameNormalisedRectangle) {
    const RECT Expected{10, 20, 110, 70};
    EXPECT_TRUE(SameRect(SelectionRect({10, 20}, 110, 70), Expected));
    EXPECT_TRUE(SameRect(SelectionRect({110, 70}, 10, 20), Expected));
    EXPECT_TRUE(SameRect(SelectionRect({110, 20}, 10, 70), Expected));
    EXPECT_TRUE(SameRect(SelectionRect({10, 70}, 110, 20), Expected));
}

TEST(Selection, NoMovementGivesAnEmptyRectangleAtTheAnchor) {
    EXPECT_TRUE(SameRect(SelectionRect({40, 50}, 40, 50), RECT{40, 50, 40, 50}));
    EXPECT_TRUE(SameRect(SelectionRect({40, 50}, 40, 90), RECT{40, 50, 40, 90}));
}

TEST(Selection, PointsLeftOfOrAboveTheScreenStaySigned) {
    EXPECT_TRUE(SameRect(SelectionRect({5, 5}, -10, -20), RECT{-10, -20, 5, 5}));
}
