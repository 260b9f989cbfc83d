// TTimer: raises OnTimer every Interval milliseconds on the user-interface thread, through
// the message loop, while it is enabled and has a handler.
#pragma once

#include "framework/core/Components.h"
#include "framework/core/Events.h"
#include "framework/graphics/WinApi.h"

#include <cstdint>

class TTimer : public TComponent {
public:
    static const TComponentClassOf<TTimer> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    uint32_t Interval() const { return FInterval; }
    void SetInterval(uint32_t Value);
    TNotifyEvent OnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent Value);
    // Whether a host timer runs now.
    bool Running() const { return FTimerId != 0; }

    void Loaded() override;

protected:
    virtual void Timer();

private:
    static void CALLBACK TimerProc(HWND Window, UINT Msg, UINT_PTR Id, DWORD Time);
    void UpdateTimer();

    bool FEnabled = true;
    uint32_t FInterval = 1000;
    TNotifyEvent FOnTimer;
    UINT_PTR FTimerId = 0;
    TTimer* FNextRunning = nullptr;
};
