#include "framework/windows/Shell.h"

#include "framework/core/TextConv.h"

#include <shellapi.h>

namespace {

// The wide entry point, so that texts of any script reach the handler unchanged.
intptr_t HostShellExecute(const TShellRequest& Request) {
    const std::wstring Operation = Utf8ToWide(Request.Operation);
    const std::wstring File = Utf8ToWide(Request.File);
    const std::wstring Parameters = Utf8ToWide(Request.Parameters);
    const std::wstring Directory = Utf8ToWide(Request.Directory);
    const HINSTANCE Result =
        ShellExecuteW(Request.Window, Operation.empty() ? nullptr : Operation.c_str(), File.c_str(),
                      Parameters.empty() ? nullptr : Parameters.c_str(),
                      Directory.empty() ? nullptr : Directory.c_str(), Request.ShowCmd);
    return reinterpret_cast<intptr_t>(Result);
}

TShellExecuteFunc& ShellFunc() {
    static TShellExecuteFunc Func = HostShellExecute;
    return Func;
}

} // namespace

intptr_t ShellExecuteRequest(const TShellRequest& Request) {
    return ShellFunc()(Request);
}

TShellExecuteFunc SetShellExecuteFunc(TShellExecuteFunc Func) {
    TShellExecuteFunc Previous = std::move(ShellFunc());
    ShellFunc() = Func ? std::move(Func) : TShellExecuteFunc(HostShellExecute);
    return Previous;
}
