// A combo box of 1,000 items dropping its list down: from the press on its button to the
// drop-down list painted with 8 items in view, the skinned combo box beside the host's own
// COMBOBOX doing the same in alternating samples (the host's dropped down by its own
// message, as its button does). Only the opening is timed; each list is closed again
// between openings. Prints medians, spreads and the ratio to the host's combo box.
#include "bench/support/BenchTiming.h"

#include "framework/core/TextConv.h"
#include "framework/windows/Application.h"
#include "framework/windows/Forms.h"
#include "skin/controls/KsComboBoxs.h"
#include "skin/controls/KsComboWindow.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsListBoxs.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int ItemCount = 1000;
constexpr int VisibleItems = 8;
constexpr int Openings = 5;
constexpr int Samples = 31;

std::string ItemText(int Index) {
    return "第 " + std::to_string(Index) + " 项 · item " + std::to_string(Index);
}

// Presses the combo's button as the host reports it, then paints the dropped list.
void OpenSkinned(TKsComboBox& Combo) {
    const RECT Button = Combo.GetButtonRect();
    const POINT At = Combo.ClientToScreen(
        POINT{(Button.left + Button.right) / 2, (Button.top + Button.bottom) / 2});
    SendMessageW(Combo.Handle(), WM_NCLBUTTONDOWN, HTMINBUTTON, MAKELPARAM(At.x, At.y));
    UpdateWindow(Combo.ListBox()->Handle());
    GdiFlush();
}

void CloseSkinned(TKsComboBox& Combo) {
    Combo.CloseUp();
    Application->ProcessMessages();
}

void OpenNative(HWND Combo) {
    SendMessageW(Combo, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO Info{};
    Info.cbSize = sizeof Info;
    GetComboBoxInfo(Combo, &Info);
    UpdateWindow(Info.hwndList);
    GdiFlush();
}

void CloseNative(HWND Combo) {
    SendMessageW(Combo, CB_SHOWDROPDOWN, FALSE, 0);
    Application->ProcessMessages();
}

// Microseconds per opening, over Openings openings each closed untimed.
double SampleOpenings(void (*Open)(void*), void (*Close)(void*), void* Target) {
    double Total = 0;
    for (int I = 0; I < Openings; ++I) {
        const double Start = BenchMicroseconds();
        Open(Target);
        Total += BenchMicroseconds() - Start;
        Close(Target);
    }
    return Total / Openings;
}

} // namespace

int main() {
    RegisterSkinControls();
    Application->Initialize();
    TForm Host(nullptr);
    Host.SetBounds(100, 100, 480, 320);
    Host.Show();
    auto* Skinned = new TKsComboBox(&Host);
    Skinned->SetParent(&Host);
    Skinned->SetBounds(10, 10, 220, 21);
    Skinned->SetComboStyle(TKsComboStyle::kcsDropDownList);
    Skinned->SetDropDownCount(VisibleItems);
    Skinned->SetItemHeight(Skinned->ListBox()->ItemHeight());
    const HWND Native = CreateWindowExW(
        0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 240, 10, 220,
        21 + VisibleItems * Skinned->ItemHeight() + 2, Host.Handle(), nullptr, nullptr, nullptr);
    SendMessageW(Native, WM_SETFONT, reinterpret_cast<WPARAM>(Skinned->Font()->Handle()), TRUE);
    SendMessageW(Native, CB_SETITEMHEIGHT, 0, Skinned->ItemHeight());
    Skinned->Items()->BeginUpdate();
    for (int I = 0; I < ItemCount; ++I) {
        Skinned->Items()->Add(ItemText(I));
        SendMessageW(Native, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Utf8ToWide(ItemText(I)).c_str()));
    }
    Skinned->Items()->EndUpdate();
    Skinned->SetItemIndex(ItemCount / 2);
    SendMessageW(Native, CB_SETCURSEL, ItemCount / 2, 0);
    Application->ProcessMessages();

    // Warm-up of both, then alternating samples.
    SampleOpenings([](void* C) { OpenSkinned(*static_cast<TKsComboBox*>(C)); },
                   [](void* C) { CloseSkinned(*static_cast<TKsComboBox*>(C)); }, Skinned);
    SampleOpenings([](void* C) { OpenNative(static_cast<HWND>(C)); },
                   [](void* C) { CloseNative(static_cast<HWND>(C)); }, Native);
    OpenSkinned(*Skinned);
    const int Shown = Skinned->ListBox()->LastShown() - Skinned->ListBox()->FirstShown() + 1;
    CloseSkinned(*Skinned);
    std::vector<double> Ours;
    std::vector<double> Theirs;
    for (int Sample = 0; Sample < Samples; ++Sample) {
        Ours.push_back(SampleOpenings([](void* C) { OpenSkinned(*static_cast<TKsComboBox*>(C)); },
                                      [](void* C) { CloseSkinned(*static_cast<TKsComboBox*>(C)); },
                                      Skinned));
        Theirs.push_back(SampleOpenings([](void* C) { OpenNative(static_cast<HWND>(C)); },
                                        [](void* C) { CloseNative(static_cast<HWND>(C)); },
                                        Native));
    }
    const TBenchTiming Skin = BenchSummary(Ours);
    const TBenchTiming NativeTiming = BenchSummary(Theirs);
    std::printf("A combo box of %d items dropping down %d of them (median, 10th..90th "
                "percentile)\n",
                ItemCount, Shown);
    std::printf("From the button press to the painted drop-down list\n");
    BenchReport("  skinned combo box", Skin);
    BenchReport("  host COMBOBOX", NativeTiming);
    std::printf("  %-42s %9.2f  (goal: at most 1.00)\n", "ratio to the host's combo box",
                Skin.Median / NativeTiming.Median);
    DestroyWindow(Native);
    return 0;
}
