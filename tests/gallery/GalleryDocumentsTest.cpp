// The gallery's multiple-document window driven with real input: the Window menu opens it
// with three skinned documents; a document's maximise button maximises it into the
// parent's client window, with its caption buttons on the parent's menu bar and its name in
// the parent's caption; the merged restore button restores it; Ctrl+F6 brings the next
// document up maximised.
#include "tests/gallery/GalleryDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

HWND ChildOfClass(HWND Parent, const wchar_t* ClassName) {
    return FindWindowExW(Parent, nullptr, ClassName, nullptr);
}

std::wstring TextOf(HWND Window) {
    wchar_t Text[256] = {};
    GetWindowTextW(Window, Text, 256);
    return Text;
}

// The client window's children, front to back.
std::vector<HWND> DocumentsIn(HWND Client) {
    std::vector<HWND> Documents;
    for (HWND Child = GetWindow(Client, GW_CHILD); Child; Child = GetWindow(Child, GW_HWNDNEXT))
        Documents.push_back(Child);
    return Documents;
}

RECT ClientOnScreen(HWND Window) {
    RECT Client{};
    GetClientRect(Window, &Client);
    MapWindowPoints(Window, HWND_DESKTOP, reinterpret_cast<POINT*>(&Client), 2);
    return Client;
}

bool operator==(const RECT& A, const RECT& B) {
    return EqualRect(&A, &B) != FALSE;
}

class SkinGalleryDocuments : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Gallery.Running()) << DescribeDesktop();
        Parent = Gallery.OpenFromMenu('W', 'D', L"TGalleryDocumentsFrm");
        ASSERT_NE(Parent, nullptr) << DescribeDesktop();
        Client = ChildOfClass(Parent, L"MDIClient");
        ASSERT_NE(Client, nullptr);
        Bar = ChildOfClass(Parent, L"TKsCustomMenuBar");
        ASSERT_NE(Bar, nullptr);
    }

    // A click on a document's maximise button.
    static void Maximize(HWND Document) {
        const POINT Button = CaptionButtonOf(Document, HTMAXBUTTON);
        ASSERT_GE(Button.x, 0);
        ClickAt(Button.x, Button.y);
    }
    // The middle of the Index-th caption button of a maximised document on the bar, counted
    // from the right (0 close, 1 restore, 2 minimise): square items at the bar's right end
    // above its etched line.
    POINT BarButton(int Index) const {
        const RECT Bounds = ScreenRectOf(Bar);
        const int Size = Bounds.bottom - Bounds.top - 2;
        return POINT{Bounds.right - Size * Index - Size / 2, Bounds.top + Size / 2};
    }
    bool FillsTheClientWindow(HWND Document) const {
        const RECT Area = ClientOnScreen(Client);
        return WaitForWindowRect(Document, Area, false, 5000) == Area;
    }

    TSkinGallery Gallery;
    HWND Parent = nullptr;
    HWND Client = nullptr;
    HWND Bar = nullptr;
};

TEST_F(SkinGalleryDocuments, TheWindowMenuOpensThreeSkinnedDocuments) {
    std::vector<std::wstring> Captions;
    for (HWND Document : DocumentsIn(Client))
        Captions.push_back(TextOf(Document));
    std::sort(Captions.begin(), Captions.end());
    EXPECT_EQ(Captions, (std::vector<std::wstring>{L"Document 1", L"Document 2", L"Document 3"}));
    EXPECT_EQ(TextOf(Parent), L"Documents");
    const RECT Area = ScreenRectOf(Client);
    for (HWND Document : DocumentsIn(Client)) {
        RECT Inside{};
        const RECT Bounds = ScreenRectOf(Document);
        EXPECT_TRUE(IntersectRect(&Inside, &Bounds, &Area) && Inside == Bounds)
            << "each document starts inside the client window";
    }
}

TEST_F(SkinGalleryDocuments, AMaximisedDocumentPutsItsButtonsOnTheBarAndTheMergedRestoreBringsItBack) {
    const HWND Front = DocumentsIn(Client).front();
    const RECT Before = ScreenRectOf(Front);
    Maximize(Front);
    ASSERT_TRUE(FillsTheClientWindow(Front)) << DescribeDesktop();
    EXPECT_TRUE(WaitForText(Parent, L"Documents - [" + TextOf(Front) + L"]"));

    const POINT Restore = BarButton(1);
    ClickAt(Restore.x, Restore.y);
    EXPECT_TRUE(WaitForWindowRect(Front, Before, false, 5000) == Before) << DescribeDesktop();
    EXPECT_TRUE(WaitForText(Parent, L"Documents"));
}

TEST_F(SkinGalleryDocuments, CtrlF6BringsTheNextDocumentUpMaximised) {
    const std::vector<HWND> Documents = DocumentsIn(Client);
    const HWND Front = Documents.front();
    Maximize(Front);
    ASSERT_TRUE(FillsTheClientWindow(Front));

    PressKeyWith(VK_CONTROL, VK_F6);
    HWND Next = nullptr;
    for (int Wait = 0; Wait < 100 && !Next; ++Wait) {
        const HWND Active =
            reinterpret_cast<HWND>(SendMessageW(Client, WM_MDIGETACTIVE, 0, 0));
        if (Active != Front)
            Next = Active;
        else
            Sleep(50);
    }
    ASSERT_NE(Next, nullptr);
    EXPECT_TRUE(FillsTheClientWindow(Next));
    EXPECT_TRUE(WaitForText(Parent, L"Documents - [" + TextOf(Next) + L"]"));

    // The merged close button closes the document to its caption bar.
    const POINT Close = BarButton(0);
    ClickAt(Close.x, Close.y);
    EXPECT_TRUE(WaitForText(Parent, L"Documents"));
    EXPECT_FALSE(ScreenRectOf(Next) == ClientOnScreen(Client));
}

} // namespace
