// TKsMessageWindow: a hidden window that receives requests posted to it and hands each
// message to its handler. It is message-only unless it must hear what the host tells every
// top-level window (the end of the session). What the handler does not take goes to the host's
// default procedure; what it raises is reported through the application object and never
// leaves the window procedure.
#pragma once

#include "framework/core/Messages.h"
#include "framework/core/Objects.h"
#include "framework/graphics/WinApi.h"

#include <cstdint>
#include <functional>

class TKsMessageWindow {
public:
    // Answers true when it took the message (its Result is then the window's answer).
    using THandler = std::function<bool(TMessage& Message)>;

    enum class TKind : uint8_t {
        MessageOnly,
        // A hidden top-level window, which the host tells when the session ends.
        TopLevel
    };

    // Sender is what exceptions of the handler are reported with. Raises EOutOfResources
    // when the host refuses the window.
    TKsMessageWindow(TObject* Sender, THandler Handler, TKind Kind = TKind::MessageOnly);
    TKsMessageWindow(const TKsMessageWindow&) = delete;
    TKsMessageWindow& operator=(const TKsMessageWindow&) = delete;
    ~TKsMessageWindow();

    HWND Handle() const { return FHandle; }
    // Queues a message for the window; false when the host's queue refused it.
    bool Post(UINT Msg, WPARAM WParam, LPARAM LParam) const;

private:
    static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

    TObject* FSender;
    THandler FHandler;
    HWND FHandle = nullptr;
};
