#include "framework/Timer.h"

#include "framework/Application.h"
#include "framework/Properties.h"

#include <map>

namespace {

using P = TPublished<TTimer>;
const TPropertyTable TimerProperties{
    P::Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true),
    P::Integer("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000),
    P::Event("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer),
};

// The running timers by host timer id.
std::map<UINT_PTR, TTimer*>& RunningTimers() {
    static std::map<UINT_PTR, TTimer*> Timers;
    return Timers;
}

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
        RunningTimers().erase(FTimerId);
        FTimerId = 0;
    }
    if (!FEnabled || FInterval == 0 || !FOnTimer || IsLoading())
        return;
    FTimerId = SetTimer(nullptr, 0, FInterval, &TTimer::TimerProc);
    if (!FTimerId)
        throw EOutOfResources("Not enough timers available");
    RunningTimers()[FTimerId] = this;
}

void TTimer::Timer() {
    if (FEnabled && FOnTimer)
        FOnTimer(this);
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR Id, DWORD) {
    const auto Found = RunningTimers().find(Id);
    if (Found == RunningTimers().end())
        return;
    TTimer* Timer = Found->second;
    try {
        Timer->Timer();
    } catch (...) {
        Application->HandleException(Timer);
    }
}
