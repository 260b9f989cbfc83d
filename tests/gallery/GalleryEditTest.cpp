// The gallery's edits driven with real input: the Controls menu opens the window of edits,
// a click puts the caret in an edit, typed Chinese text lands there and Backspace takes
// whole characters; the read-only edit keeps its text; a double click selects a word that
// Delete removes.
#include "tests/gallery/GalleryDriver.h"

#include <gtest/gtest.h>

namespace {

class SkinGalleryEdits : public testing::Test {
protected:
    void SetUp() override {
        Gallery = std::make_unique<TSkinGallery>();
        ASSERT_TRUE(Gallery->Running()) << DescribeDesktop();
        Edits = Gallery->OpenFromControlsMenu('E', L"TGalleryEditsFrm");
        ASSERT_NE(Edits, nullptr) << DescribeDesktop();
    }

    HWND EditHolding(const std::wstring& Text) const {
        HWND Edit = FindWindowExW(Edits, nullptr, nullptr, Text.c_str());
        EXPECT_NE(Edit, nullptr) << testing::PrintToString(Text);
        return Edit;
    }

    // Clicks Edit a few pixels in from its right end: after its last character when the text
    // fits.
    void ClickNearTheEnd(HWND Edit) {
        const RECT Bounds = ScreenRectOf(Edit);
        ClickAt(Bounds.right - 6, (Bounds.top + Bounds.bottom) / 2);
        WaitUntilIdle(Edits);
    }

    void Type(const std::wstring& Text) {
        TypeText(Text);
        WaitUntilIdle(Edits);
    }

    std::unique_ptr<TSkinGallery> Gallery;
    HWND Edits = nullptr;
};

TEST_F(SkinGalleryEdits, TypedChineseTextLandsWhereTheCaretIs) {
    HWND Plain = EditHolding(L"Plain text, 中文也可以");
    ASSERT_NE(Plain, nullptr);
    ClickNearTheEnd(Plain);
    Type(L" 截图");
    EXPECT_TRUE(WaitForText(Plain, L"Plain text, 中文也可以 截图"))
        << testing::PrintToString(WindowText(Plain));
    PressKey(VK_BACK);
    PressKey(VK_BACK);
    EXPECT_TRUE(WaitForText(Plain, L"Plain text, 中文也可以 "))
        << testing::PrintToString(WindowText(Plain));
}

TEST_F(SkinGalleryEdits, TheReadOnlyEditKeepsItsText) {
    const std::wstring Text = L"You can select and copy this";
    HWND ReadOnly = EditHolding(Text);
    ASSERT_NE(ReadOnly, nullptr);
    ClickNearTheEnd(ReadOnly);
    Type(L"xyz");
    PressKey(VK_BACK);
    WaitUntilIdle(Edits);
    EXPECT_EQ(WindowText(ReadOnly), Text);
}

TEST_F(SkinGalleryEdits, ADoubleClickSelectsAWordThatDeleteRemoves) {
    HWND Centred = EditHolding(L"Centred");
    ASSERT_NE(Centred, nullptr);
    const RECT Bounds = ScreenRectOf(Centred);
    const POINT Middle{(Bounds.left + Bounds.right) / 2, (Bounds.top + Bounds.bottom) / 2};
    ClickAt(Middle.x, Middle.y);
    ClickAt(Middle.x, Middle.y);
    WaitUntilIdle(Edits);
    PressKey(VK_DELETE);
    EXPECT_TRUE(WaitForText(Centred, L"")) << testing::PrintToString(WindowText(Centred));
}

} // namespace
