// Typing into an edit holding 200 characters, from the key to the repainted control: the
// skinned edit (the character, then Backspace, each repainted at once) beside the host's
// own EDIT control doing the same in alternating samples. Prints medians, spreads and the
// ratio to the host's edit.
#include "bench/support/BenchTiming.h"

#include "framework/windows/Application.h"
#include "framework/windows/Forms.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsEdits.h"

#include <cstdio>
#include <string>

namespace {

// One character typed and taken back again, each repainted before the next, so that the
// text keeps its length from sample to sample.
void TypeAndTakeBack(HWND Edit) {
    SendMessageW(Edit, WM_CHAR, L'x', 1);
    UpdateWindow(Edit);
    SendMessageW(Edit, WM_KEYDOWN, VK_BACK, 1);
    SendMessageW(Edit, WM_CHAR, VK_BACK, 1);
    SendMessageW(Edit, WM_KEYUP, VK_BACK, 1);
    UpdateWindow(Edit);
    GdiFlush();
}

} // namespace

int main() {
    RegisterSkinControls();
    Application->Initialize();
    TForm Host(nullptr);
    Host.SetBounds(100, 100, 700, 140);
    Host.Show();
    const std::string Text(200, 'a');
    auto* Skinned = new TKsEdit(&Host);
    Skinned->SetParent(&Host);
    Skinned->SetBounds(10, 10, 660, 21);
    Skinned->SetText(Text);
    const HWND Native =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", std::wstring(Text.begin(), Text.end()).c_str(),
                        WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 50, 660, 21, Host.Handle(),
                        nullptr, nullptr, nullptr);
    Application->ProcessMessages();
    // The keyboard focus in one edit, the caret at the end of its text, as while typing there.
    const auto FocusSkinned = [&] {
        Skinned->SetFocus();
        Skinned->SetSelStart(Skinned->TextLength());
        Application->ProcessMessages();
    };
    const auto FocusNative = [&] {
        SetFocus(Native);
        SendMessageW(Native, EM_SETSEL, Text.size(), Text.size());
        Application->ProcessMessages();
    };
    const auto TypeIntoSkinned = [&] { TypeAndTakeBack(Skinned->Handle()); };
    const auto TypeIntoNative = [&] { TypeAndTakeBack(Native); };

    std::printf("Typing a character into an edit of 200 characters and taking it back, each\n"
                "repainted (median, 10th..90th percentile)\n");
    std::printf("Each edit holding the focus while it is typed into, its caret moving:\n");
    const auto [Ours, Theirs] =
        BenchMeasurePair(TypeIntoSkinned, TypeIntoNative, FocusSkinned, FocusNative);
    BenchReport("skinned edit", Ours);
    BenchReport("host EDIT", Theirs);
    std::printf("%-44s %9.2f  (goal: at most 1.00)\n", "ratio to the host's edit",
                Ours.Median / Theirs.Median);

    // As measured before: the host's edit never has the focus, so it moves and draws no caret.
    std::printf(
        "The skinned edit holding the focus throughout (the host's edit draws no caret):\n");
    FocusSkinned();
    const auto [OursFocused, TheirsUnfocused] = BenchMeasurePair(TypeIntoSkinned, TypeIntoNative);
    BenchReport("skinned edit", OursFocused);
    BenchReport("host EDIT without the focus", TheirsUnfocused);
    std::printf("%-44s %9.2f\n", "ratio to the host's edit",
                OursFocused.Median / TheirsUnfocused.Median);
    DestroyWindow(Native);
    return 0;
}
