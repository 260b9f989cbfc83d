// TKsWindowSubclass: links a handler into the procedure of a window the program does not own
// as a control (a host window such as the client window of a multiple-document form) for as
// long as the object lives. The handler sees every message first and answers true for one
// it took; the rest go to the procedure the window had. The link goes with the object, or
// with the window when that is destroyed first. What the handler raises is reported through
// the application object and never leaves the window procedure.
#pragma once

#include "framework/core/Messages.h"
#include "framework/core/Objects.h"
#include "framework/graphics/WinApi.h"

#include <functional>

class TKsWindowSubclass {
public:
    using THandler = std::function<bool(TMessage& Message)>;

    // Sender is what exceptions of the handler are reported with.
    TKsWindowSubclass(HWND Window, TObject* Sender, THandler Handler);
    TKsWindowSubclass(const TKsWindowSubclass&) = delete;
    TKsWindowSubclass& operator=(const TKsWindowSubclass&) = delete;
    ~TKsWindowSubclass();

    // The subclassed window, or nullptr once it was destroyed.
    HWND Window() const;
    // Hands Message to the window's previous procedure; 0 once the window was destroyed.
    LRESULT CallPrevious(const TMessage& Message) const;

private:
    struct TLink;
    static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

    TLink* FLink;
};
