#include "framework/windows/Timer.h"

#include "framework/core/Properties.h"
#include "framework/windows/Application.h"

namespace {

using P = TPublished<TTimer>;
const TPropertyTable TimerProperties{
    P::Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true),
    P::Integer("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000),
    P::Event("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer),
};

// The running timers, linked through FNextRunning. A plain pointer needs no destruction,
// so timers that forms free while the program ends still find the list intact.
TTimer* FirstRunning = nullptr;

} // namespace

const TComponentClassOf<TTimer> TTimer::Class{"TTimer", TComponent::Class, &TimerProperties};

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() {
    FEnabled = false;
    UpdateTimer();
}

void TTimer::SetEnabled(bool Value) {
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(uint32_t Value) {
    if (Value == FInterval)
        return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
    FOnTimer = Value;
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (FTimerId) {
        KillTimer(nullptr, FTimerId);
        FTimerId = 0;
        for (TTimer** Link = &FirstRunning; *Link; Link = &(*Link)->FNextRunning)
            if (*Link == this) {
                *Link = FNextRunning;
                break;
            }
    }
    if (!FEnabled || FInterval == 0 || !FOnTimer || IsLoading())
        return;
    FTimerId = SetTimer(nullptr, 0, FInterval, &TTimer::TimerProc);
    if (!FTimerId)
        throw EOutOfResources("Not enough timers available");
    FNextRunning = FirstRunning;
    FirstRunning = this;
}

void TTimer::Timer() {
    if (FEnabled && FOnTimer)
        FOnTimer(this);
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR Id, DWORD) {
    TTimer* Timer = FirstRunning;
    while (Timer && Timer->FTimerId != Id)
        Timer = Timer->FNextRunning;
    if (!Timer)
        return;
    try {
        Timer->Timer();
    } catch (...) {
        Application->HandleException(Timer);
    }
}
