// Opening documents and links with the program the system associates with them (a browser
// for a web address, the mail client for a "mailto:" link). The host call goes through one
// replaceable function (SetShellExecuteFunc), so that tests never start another program.
#pragma once

#include "framework/graphics/WinApi.h"

#include <functional>
#include <string>

struct TShellRequest {
    HWND Window = nullptr;
    std::string Operation; // empty: the default verb
    std::string File;
    std::string Parameters;
    std::string Directory;
    int ShowCmd = SW_SHOWNORMAL;
};

// Answers the host's result: a value above 32 on success.
using TShellExecuteFunc = std::function<intptr_t(const TShellRequest& Request)>;

intptr_t ShellExecuteRequest(const TShellRequest& Request);

// Replaces the function that calls the host; answers the previous one.
TShellExecuteFunc SetShellExecuteFunc(TShellExecuteFunc Func);
