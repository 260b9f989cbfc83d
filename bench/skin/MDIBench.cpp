// Measures maximising and restoring a skinned child in a skinned parent (a themed frame with
// a skinned menu bar, which takes the child's caption buttons), each step painted, against
// the anchor: the host maximising and restoring a plain child in a plain parent with a host
// menu bar, which takes the child's buttons in the same way, in alternating samples. Prints
// medians, the spread (10th to 90th percentile) in microseconds, and the ratio.
#include "bench/support/BenchTiming.h"
#include "framework/windows/Application.h"
#include "framework/windows/Forms.h"
#include "skin/forms/KsThemeForms.h"
#include "skin/menus/KsItems.h"
#include "skin/menus/KsMenus.h"
#include "skin/menus/KsMenusRegistration.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeRegistration.h"

#include <cstdio>
#include <memory>

namespace {

constexpr SIZE ParentSize{668, 496};
constexpr RECT ChildBounds{20, 20, 320, 240};

std::unique_ptr<TForm> MakeParent(const char* Caption, int Left) {
    auto Parent = std::make_unique<TForm>(nullptr);
    Parent->SetCaption(Caption);
    Parent->SetBounds(Left, 40, ParentSize.cx, ParentSize.cy);
    Parent->SetFormStyle(TFormStyle::fsMDIForm);
    return Parent;
}

TForm* MakeChild(TForm& Parent) {
    auto* Child = new TForm(&Parent);
    Child->SetCaption("Document");
    Child->SetFormStyle(TFormStyle::fsMDIChild);
    Child->SetBounds(ChildBounds.left, ChildBounds.top, ChildBounds.right - ChildBounds.left,
                     ChildBounds.bottom - ChildBounds.top);
    return Child;
}

// Everything the step left to do is done: posted messages handled, every window painted.
void PaintNow(TForm& Parent) {
    Application->ProcessMessages();
    RedrawWindow(Parent.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
}

} // namespace

int main() {
    RegisterSkinThemes();
    RegisterSkinMenus();

    const auto Skinned = MakeParent("Skinned parent", 0);
    auto* Engine = new TTeThemeEngine(Skinned.get());
    auto* Bar = new TKsCustomMenuBar(Skinned.get());
    Bar->SetParent(Skinned.get());
    auto* File = new TKsCustomItem(Skinned.get());
    File->SetCaption("&File");
    Bar->Items()->Add(File);
    Bar->Loaded();
    auto* Frame = new TTeThemeForm(Skinned.get());
    Frame->SetThemeEngine(Engine);
    Frame->SetMenuBar(Bar);
    Frame->Loaded();
    Skinned->Show();
    TForm* SkinnedChild = MakeChild(*Skinned);
    auto* ChildFrame = new TTeThemeForm(SkinnedChild);
    ChildFrame->SetThemeEngine(Engine);
    ChildFrame->Loaded();
    SkinnedChild->Show();
    PaintNow(*Skinned);

    const auto Host = MakeParent("Host parent", ParentSize.cx / 2);
    Host->Show();
    const HMENU Menu = CreateMenu();
    AppendMenuW(Menu, MF_STRING, 1, L"&File");
    SetMenu(Host->Handle(), Menu);
    TForm* HostChild = MakeChild(*Host);
    HostChild->Show();
    PaintNow(*Host);
    const HWND Client = Host->ClientHandle();
    const auto Child = reinterpret_cast<WPARAM>(HostChild->Handle());

    const auto SkinnedRound = [&] {
        ChildFrame->Maximize();
        PaintNow(*Skinned);
        ChildFrame->Restore();
        PaintNow(*Skinned);
    };
    const auto HostRound = [&] {
        SendMessageW(Client, WM_MDIMAXIMIZE, Child, 0);
        PaintNow(*Host);
        SendMessageW(Client, WM_MDIRESTORE, Child, 0);
        PaintNow(*Host);
    };
    std::printf("A child maximised and restored in its parent, each step painted\n");
    std::printf("(median, 10th..90th percentile; parent %ldx%ld)\n", ParentSize.cx, ParentSize.cy);
    const auto Pair = BenchMeasurePair(SkinnedRound, HostRound);
    BenchReport("maximise + restore, skinned", Pair.first);
    BenchReport("maximise + restore, host (anchor)", Pair.second);
    std::printf("%-44s %9.2f\n", "  ratio skinned / host", Pair.first.Median / Pair.second.Median);
    return 0;
}
