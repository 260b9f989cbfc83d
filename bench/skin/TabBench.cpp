// Switching the selected tab of a control of 20 tabs in three rows with a page each, from
// the click to the painted page: the skinned tab control with pages beside the host's own
// tab control (SysTabControl32) with the same tabs, whose pages are shown the way an
// application shows them when the selection changes. Each click alternates between a tab
// of the first row and one of the last, so that the rows move every time. Prints medians,
// spreads and the ratio to the host's control.
#include "bench/support/BenchTiming.h"

#include "framework/core/TextConv.h"
#include "framework/windows/Application.h"
#include "framework/windows/Forms.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsTabs.h"

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int TabCount = 20;
constexpr int ControlWidth = 420;
constexpr int ControlHeight = 260;

std::string TabCaption(int Tab) {
    return (Tab % 4 == 1 ? "截图 " : "Page ") + std::to_string(Tab + 1);
}

void Click(HWND Window, POINT Point) {
    const LPARAM At = MAKELPARAM(Point.x, Point.y);
    SendMessageW(Window, WM_LBUTTONDOWN, MK_LBUTTON, At);
    SendMessageW(Window, WM_LBUTTONUP, 0, At);
}

// Paints whatever the switch left to paint in the window and its children.
void PaintNow(HWND Window) {
    RedrawWindow(Window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
}

// The host's tab control and the pages an application keeps beside it.
class THostTabs {
public:
    explicit THostTabs(HWND Parent) {
        FTabs = CreateWindowExW(0, WC_TABCONTROLW, L"",
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_MULTILINE, 450, 10,
                                ControlWidth, ControlHeight, Parent, nullptr, nullptr, nullptr);
        SendMessageW(FTabs, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     0);
        for (int Tab = 0; Tab < TabCount; ++Tab) {
            std::wstring Caption = Utf8ToWide(TabCaption(Tab));
            TCITEMW Item{};
            Item.mask = TCIF_TEXT;
            Item.pszText = Caption.data();
            SendMessageW(FTabs, TCM_INSERTITEMW, Tab, reinterpret_cast<LPARAM>(&Item));
        }
        RECT Display{0, 0, ControlWidth, ControlHeight};
        SendMessageW(FTabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&Display));
        for (int Tab = 0; Tab < TabCount; ++Tab)
            FPages.push_back(
                CreateWindowExW(0, L"STATIC", Utf8ToWide(TabCaption(Tab)).c_str(),
                                WS_CHILD | (Tab == 0 ? WS_VISIBLE : 0), 450 + Display.left,
                                10 + Display.top, Display.right - Display.left,
                                Display.bottom - Display.top, Parent, nullptr, nullptr, nullptr));
        SetWindowPos(FTabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }

    int Rows() const { return static_cast<int>(SendMessageW(FTabs, TCM_GETROWCOUNT, 0, 0)); }

    void Select(int Tab) {
        RECT Rect{};
        SendMessageW(FTabs, TCM_GETITEMRECT, Tab, reinterpret_cast<LPARAM>(&Rect));
        Click(FTabs, POINT{(Rect.left + Rect.right) / 2, (Rect.top + Rect.bottom) / 2});
        const int Selected = static_cast<int>(SendMessageW(FTabs, TCM_GETCURSEL, 0, 0));
        if (Selected != FShown) {
            ShowWindow(FPages[static_cast<size_t>(Selected)], SW_SHOW);
            ShowWindow(FPages[static_cast<size_t>(FShown)], SW_HIDE);
            FShown = Selected;
        }
        PaintNow(GetParent(FTabs));
    }

    int Shown() const { return FShown; }

private:
    HWND FTabs = nullptr;
    std::vector<HWND> FPages;
    int FShown = 0;
};

// Clicks the middle of the part of Tab its row shows.
void SelectSkinned(TKsTabControl& Control, int Tab) {
    const RECT Rect = Control.GetTabRect(Tab);
    Click(Control.Handle(),
          POINT{(Rect.left + Rect.right) / 2, Rect.top + Control.GetTabExtent() / 2});
    PaintNow(Control.Parent()->Handle());
}

} // namespace

int main() {
    INITCOMMONCONTROLSEX Classes{sizeof(Classes), ICC_TAB_CLASSES};
    InitCommonControlsEx(&Classes);
    RegisterSkinControls();
    Application->Initialize();
    TForm Host(nullptr);
    Host.SetBounds(40, 40, 900, 320);
    Host.Show();

    auto* Skinned = new TKsTabControl(&Host);
    Skinned->SetParent(&Host);
    Skinned->SetBounds(10, 10, ControlWidth, ControlHeight);
    Skinned->SetMultiLine(true);
    Skinned->SetUsePages(true);
    for (int Tab = 0; Tab < TabCount; ++Tab)
        Skinned->Tabs()->Add(TabCaption(Tab));
    Skinned->SetTabIndex(0);
    THostTabs Native(Host.Handle());
    Application->ProcessMessages();

    const int Last = TabCount - 1;
    int SkinnedNext = Last;
    int NativeNext = Last;
    std::printf("Switching tabs between the first and the last row of 20 tabs with pages,\n"
                "from the click to the painted page (median, 10th..90th percentile)\n");
    std::printf("rows: skinned %d, host %d\n", Skinned->RowCount(), Native.Rows());
    const auto [Ours, Theirs] = BenchMeasurePair(
        [&] {
            SelectSkinned(*Skinned, SkinnedNext);
            SkinnedNext = Last - SkinnedNext;
        },
        [&] {
            Native.Select(NativeNext);
            NativeNext = Last - NativeNext;
        });
    BenchReport("skinned tab control", Ours);
    BenchReport("host SysTabControl32", Theirs);
    std::printf("%-44s %9.2f  (goal: at most 1.00)\n", "ratio to the host's tab control",
                Ours.Median / Theirs.Median);
    std::printf("checks: skinned page %s, host page %d\n",
                Skinned->ActivePage() ? Skinned->ActivePage()->Caption().c_str() : "none",
                Native.Shown() + 1);
    return 0;
}
