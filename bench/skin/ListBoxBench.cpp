// A list box of 10,000 items, the skinned one beside the host's own LISTBOX doing the same in
// alternating samples: scrolling one line and one page (down and back, each repainted), and
// filling the list with 10,000 items one by one, each addition telling the box (and the host's
// box redrawing as it goes), and inside BeginUpdate / EndUpdate (the host's WM_SETREDRAW), each
// painted once at the end. Prints medians, spreads and the ratios to the host's list box.
#include "bench/support/BenchTiming.h"

#include "framework/core/TextConv.h"
#include "framework/windows/Application.h"
#include "framework/windows/Forms.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsListBoxs.h"
#include "skin/controls/KsScrollBars.h"

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int ItemCount = 10000;

std::string ItemText(int Index) {
    return "第 " + std::to_string(Index) + " 项 · item " + std::to_string(Index);
}

void FillSkinned(TKsListBox& Box, bool Batched) {
    TStrings& Items = *Box.Items();
    Items.Clear();
    if (Batched)
        Items.BeginUpdate();
    for (int I = 0; I < ItemCount; ++I)
        Items.Add(ItemText(I));
    if (Batched)
        Items.EndUpdate();
    UpdateWindow(Box.Handle());
}

void FillNative(HWND Box, const std::vector<std::wstring>& Texts, bool Batched) {
    SendMessageW(Box, LB_RESETCONTENT, 0, 0);
    if (Batched)
        SendMessageW(Box, WM_SETREDRAW, FALSE, 0);
    for (const std::wstring& Text : Texts)
        SendMessageW(Box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Text.c_str()));
    if (Batched) {
        SendMessageW(Box, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(Box, nullptr, TRUE);
    }
    UpdateWindow(Box);
}

// Scrolls by Lines and back, each step repainted at once.
void ScrollSkinned(TKsListBox& Box, int Lines) {
    const int Top = Box.TopIndex();
    Box.SetTopIndex(Top + Lines);
    UpdateWindow(Box.Handle());
    Box.SetTopIndex(Top);
    UpdateWindow(Box.Handle());
    GdiFlush();
}

void ScrollNative(HWND Box, int Lines) {
    const auto Top = SendMessageW(Box, LB_GETTOPINDEX, 0, 0);
    SendMessageW(Box, LB_SETTOPINDEX, static_cast<WPARAM>(Top + Lines), 0);
    UpdateWindow(Box);
    SendMessageW(Box, LB_SETTOPINDEX, static_cast<WPARAM>(Top), 0);
    UpdateWindow(Box);
    GdiFlush();
}

// Filling takes up to minutes (the host's box redrawing as it goes, under Wine): a few
// alternating samples of one fill each.
std::pair<TBenchTiming, TBenchTiming> MeasureFills(const std::function<void()>& Ours,
                                                   const std::function<void()>& Theirs) {
    constexpr int Samples = 3;
    std::vector<double> OurSamples;
    std::vector<double> TheirSamples;
    for (int Sample = 0; Sample < Samples; ++Sample) {
        OurSamples.push_back(BenchSample(Ours, 1));
        TheirSamples.push_back(BenchSample(Theirs, 1));
    }
    return {BenchSummary(std::move(OurSamples)), BenchSummary(std::move(TheirSamples))};
}

void Report(const char* Title, const TBenchTiming& Ours, const TBenchTiming& Theirs) {
    std::printf("%s\n", Title);
    BenchReport("  skinned list box", Ours);
    BenchReport("  host LISTBOX", Theirs);
    std::printf("  %-42s %9.2f  (goal: at most 1.00)\n", "ratio to the host's list box",
                Ours.Median / Theirs.Median);
}

} // namespace

int main() {
    RegisterSkinControls();
    Application->Initialize();
    TForm Host(nullptr);
    Host.SetBounds(100, 100, 480, 320);
    Host.Show();
    auto* Skinned = new TKsListBox(&Host);
    Skinned->SetParent(&Host);
    Skinned->SetBounds(10, 10, 220, 260);
    const HWND Native =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 240,
                        10, 220, 260, Host.Handle(), nullptr, nullptr, nullptr);
    SendMessageW(Native, WM_SETFONT, reinterpret_cast<WPARAM>(Skinned->Font()->Handle()), TRUE);
    SendMessageW(Native, LB_SETITEMHEIGHT, 0, Skinned->ItemHeight());
    std::vector<std::wstring> Texts;
    for (int I = 0; I < ItemCount; ++I)
        Texts.push_back(Utf8ToWide(ItemText(I)));
    FillSkinned(*Skinned, true);
    FillNative(Native, Texts, true);
    // Both scrolled to the middle, so that either way is open.
    Skinned->SetTopIndex(ItemCount / 2);
    SendMessageW(Native, LB_SETTOPINDEX, ItemCount / 2, 0);
    Application->ProcessMessages();

    const int Page = Skinned->ScrollBar()->PageSize();
    std::printf("A list box of %d items, %d shown (median, 10th..90th percentile)\n", ItemCount,
                Page);
    auto Line =
        BenchMeasurePair([&] { ScrollSkinned(*Skinned, 1); }, [&] { ScrollNative(Native, 1); });
    Report("Scrolling one line down and back, each repainted", Line.first, Line.second);
    auto Paged = BenchMeasurePair([&] { ScrollSkinned(*Skinned, Page); },
                                  [&] { ScrollNative(Native, Page); });
    Report("Scrolling one page down and back, each repainted", Paged.first, Paged.second);
    auto Batched = MeasureFills([&] { FillSkinned(*Skinned, true); },
                                [&] { FillNative(Native, Texts, true); });
    Report("Adding 10,000 items inside BeginUpdate / EndUpdate", Batched.first, Batched.second);
    auto OneByOne = MeasureFills([&] { FillSkinned(*Skinned, false); },
                                 [&] { FillNative(Native, Texts, false); });
    Report("Adding 10,000 items one by one", OneByOne.first, OneByOne.second);
    DestroyWindow(Native);
    return 0;
}
