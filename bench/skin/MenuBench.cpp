// Measures how long a popup menu takes to appear: from the call that opens it at a point to
// its window shown with the first paint of its items done. The skinned popup menu (10 and 40
// items, plain and with drop shadow and translucency) runs against the anchor, the host's
// own popup menu of the same captions opened with TrackPopupMenu, timed in alternating
// samples. A skinned popup reuses the window its previous opening kept; the first opening of
// a program makes its window, which two more rows measure. Prints medians, the spread (10th
// to 90th percentile) in milliseconds and the ratios.
//
// The skinned popup's first paint is seen from inside its loop: when the loop takes the
// popup's WM_PAINT, a marker is posted behind it; the marker comes out of the queue once that
// paint has finished, which stops the clock and closes the menu with Escape. The host's menu
// paints before its loop starts and tells its owner WM_ENTERIDLE once it waits for input,
// which stops its clock and ends the menu.
#include "bench/support/BenchTiming.h"
#include "framework/windows/Application.h"
#include "framework/windows/Forms.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItemViews.h"
#include "skin/menus/KsItems.h"
#include "skin/menus/KsMenus.h"
#include "skin/menus/KsMenusRegistration.h"
#include "skin/menus/KsPopupPool.h"

#include <cstdio>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace {

constexpr POINT PopupAt{120, 120};
constexpr int SampleCount = 31;
// Posted behind the popup's first paint; taking it from the queue means the paint is done.
constexpr UINT PaintedMarker = WM_APP + 0x51;
// A menu that never paints is closed after this long, and its sample is dropped.
constexpr UINT StuckMenuMilliseconds = 3000;

std::vector<std::string> Captions(int Count) {
    std::vector<std::string> Result;
    for (int I = 1; I <= Count; ++I)
        Result.push_back("Menu item number " + std::to_string(I));
    return Result;
}

// The moment the current opening's first paint was seen, 0 while it has not been.
double PaintedAt = 0;

// ---- The skinned popup ----

HHOOK SkinnedHook = nullptr;
bool MarkerPosted = false;

LRESULT CALLBACK WatchSkinnedQueue(int Code, WPARAM Removing, LPARAM Param) {
    if (Code == HC_ACTION && Removing == PM_REMOVE) {
        auto* Message = reinterpret_cast<MSG*>(Param);
        const HWND Popup = KsCaptureWindow();
        if (Message->message == WM_PAINT && Popup && Message->hwnd == Popup && !MarkerPosted) {
            MarkerPosted = true;
            PostMessageW(Popup, PaintedMarker, 0, 0);
        } else if (Message->message == PaintedMarker && PaintedAt == 0) {
            PaintedAt = BenchMicroseconds();
            PostMessageW(Message->hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
        }
    }
    return CallNextHookEx(SkinnedHook, Code, Removing, Param);
}

void CALLBACK CloseStuckMenu(HWND, UINT, UINT_PTR, DWORD) {
    if (TKsItemView* View = TKsItemView::TrackingView())
        View->CloseAll();
}

// Hooks the thread's queue for as long as it lives.
class TQueueWatch {
public:
    explicit TQueueWatch(HOOKPROC Watch)
        : FHook(SetWindowsHookExW(WH_GETMESSAGE, Watch, nullptr, GetCurrentThreadId())) {
        SkinnedHook = FHook;
    }
    TQueueWatch(const TQueueWatch&) = delete;
    TQueueWatch& operator=(const TQueueWatch&) = delete;
    ~TQueueWatch() {
        UnhookWindowsHookEx(FHook);
        SkinnedHook = nullptr;
    }

private:
    HHOOK FHook;
};

void CALLBACK EndStuckHostMenu(HWND, UINT, UINT_PTR, DWORD) {
    EndMenu();
}

// A timer that closes a menu left open, for as long as it lives.
class TStuckMenuGuard {
public:
    explicit TStuckMenuGuard(TIMERPROC Close)
        : FTimer(SetTimer(nullptr, 0, StuckMenuMilliseconds, Close)) {}
    TStuckMenuGuard(const TStuckMenuGuard&) = delete;
    TStuckMenuGuard& operator=(const TStuckMenuGuard&) = delete;
    ~TStuckMenuGuard() { KillTimer(nullptr, FTimer); }

private:
    UINT_PTR FTimer;
};

class TSkinnedMenu {
public:
    TSkinnedMenu(int Count, bool Effects) {
        FForm.SetBounds(60, 60, 400, 300);
        FForm.HandleNeeded();
        FMenu = new TKsCustomPopupMenu(&FForm);
        for (const std::string& Caption : Captions(Count)) {
            auto* Item = new TKsCustomItem(&FForm);
            Item->SetCaption(Caption);
            FMenu->Items()->Add(Item);
        }
        FMenu->SetDropShadow(Effects);
        FMenu->SetPopupBlend(Effects);
    }

    // Milliseconds to the first paint; negative when the popup never painted.
    double Open() {
        const TQueueWatch Watch(&WatchSkinnedQueue);
        const TStuckMenuGuard Guard(&CloseStuckMenu);
        PaintedAt = 0;
        MarkerPosted = false;
        const double Start = BenchMicroseconds();
        FMenu->Popup(PopupAt.x, PopupAt.y);
        Application->ProcessMessages();
        return PaintedAt == 0 ? -1 : (PaintedAt - Start) / 1000;
    }

private:
    TForm FForm{nullptr};
    TKsCustomPopupMenu* FMenu = nullptr;
};

// ---- The host's popup ----

bool HostPaintPendingAtIdle = false;

LRESULT CALLBACK HostOwnerProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_ENTERIDLE && WParam == MSGF_MENU && PaintedAt == 0) {
        const HWND Menu = FindWindowW(L"#32768", nullptr);
        if (Menu && GetUpdateRect(Menu, nullptr, FALSE))
            HostPaintPendingAtIdle = true;
        PaintedAt = BenchMicroseconds();
        EndMenu();
        return 0;
    }
    return DefWindowProcW(Window, Msg, WParam, LParam);
}

struct TMenuDestroyer {
    void operator()(HMENU Menu) const { DestroyMenu(Menu); }
};
struct TWindowDestroyer {
    void operator()(HWND Window) const { DestroyWindow(Window); }
};

class THostMenu {
public:
    explicit THostMenu(int Count) : FMenu(CreatePopupMenu()) {
        static const ATOM OwnerClass = [] {
            WNDCLASSW Class{};
            Class.lpfnWndProc = &HostOwnerProc;
            Class.hInstance = GetModuleHandleW(nullptr);
            Class.lpszClassName = L"MenuBenchOwner";
            return RegisterClassW(&Class);
        }();
        FOwner.reset(CreateWindowExW(0, MAKEINTATOM(OwnerClass), L"Menu benchmark",
                                     WS_OVERLAPPEDWINDOW, 60, 60, 400, 300, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr));
        UINT Id = 1;
        for (const std::string& Caption : Captions(Count)) {
            const std::wstring Wide(Caption.begin(), Caption.end());
            AppendMenuW(FMenu.get(), MF_STRING, Id++, Wide.c_str());
        }
    }

    double Open() {
        const TStuckMenuGuard Guard(&EndStuckHostMenu);
        PaintedAt = 0;
        const double Start = BenchMicroseconds();
        TrackPopupMenu(FMenu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, PopupAt.x,
                       PopupAt.y, 0, FOwner.get(), nullptr);
        Application->ProcessMessages();
        return PaintedAt == 0 ? -1 : (PaintedAt - Start) / 1000;
    }

private:
    std::unique_ptr<std::remove_pointer_t<HMENU>, TMenuDestroyer> FMenu;
    std::unique_ptr<std::remove_pointer_t<HWND>, TWindowDestroyer> FOwner;
};

// ---- Measuring ----

void ReportMilliseconds(const char* Name, const TBenchTiming& Timing) {
    std::printf("%-52s %9.2f ms  (%.2f .. %.2f)\n", Name, Timing.Median, Timing.Low, Timing.High);
}

// WindowMade: every skinned opening makes its window, as the first opening of a program does;
// otherwise it takes the window the previous opening kept.
void MeasurePopup(int Count, bool Effects, bool WindowMade = false) {
    TSkinnedMenu Skinned(Count, Effects);
    THostMenu Host(Count);
    // One opening each first: fonts, classes and caches are made outside the samples.
    Skinned.Open();
    Host.Open();
    std::vector<double> SkinnedSamples;
    std::vector<double> HostSamples;
    int Dropped = 0;
    for (int Sample = 0; Sample < SampleCount; ++Sample) {
        if (WindowMade)
            TKsPopupPool::FreeKeptWindows();
        const double SkinnedTime = Skinned.Open();
        const double HostTime = Host.Open();
        if (SkinnedTime < 0 || HostTime < 0) {
            ++Dropped;
            continue;
        }
        SkinnedSamples.push_back(SkinnedTime);
        HostSamples.push_back(HostTime);
    }
    if (SkinnedSamples.empty()) {
        std::printf("%d items%s: no opening painted\n", Count, Effects ? ", shadow+blend" : "");
        return;
    }
    const TBenchTiming SkinnedTiming = BenchSummary(SkinnedSamples);
    const TBenchTiming HostTiming = BenchSummary(HostSamples);
    char Line[96];
    std::snprintf(Line, sizeof Line, "popup %d items%s, skinned%s", Count,
                  Effects ? " shadow+blend" : "", WindowMade ? ", new window" : "");
    ReportMilliseconds(Line, SkinnedTiming);
    std::snprintf(Line, sizeof Line, "popup %d items, host (anchor)", Count);
    ReportMilliseconds(Line, HostTiming);
    std::printf("%-52s %9.2f\n", "  ratio skinned / host",
                SkinnedTiming.Median / HostTiming.Median);
    if (Dropped)
        std::printf("  %d samples dropped: a menu closed without painting\n", Dropped);
}

} // namespace

int main() {
    RegisterSkinMenus();
    std::printf("Popup menu: opening call to its first paint, skinned against the host's menu\n");
    std::printf("(median, 10th..90th percentile of %d alternating samples)\n", SampleCount);
    MeasurePopup(10, false);
    MeasurePopup(40, false);
    MeasurePopup(10, true);
    MeasurePopup(40, true);
    MeasurePopup(10, false, true);
    MeasurePopup(10, true, true);
    if (HostPaintPendingAtIdle)
        std::printf("note: the host's menu still had paint pending when it went idle\n");
    return 0;
}
