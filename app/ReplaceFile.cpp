#include "app/ReplaceFile.h"

#include "framework/core/Exceptions.h"
#include "framework/core/TextConv.h"
#include "framework/graphics/WinApi.h"

namespace {

std::string LastErrorText(DWORD Error) {
    wchar_t* Buffer = nullptr;
    const DWORD Length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, Error, 0, reinterpret_cast<wchar_t*>(&Buffer), 0, nullptr);
    std::string Text = Length ? WideToUtf8(std::wstring_view(Buffer, Length)) : std::string();
    LocalFree(Buffer);
    while (!Text.empty() && (Text.back() == '\n' || Text.back() == '\r' || Text.back() == ' '))
        Text.pop_back();
    return Text;
}

[[noreturn]] void RaiseCreateError(const std::string& FileName, DWORD Error) {
    throw EFCreateError("Cannot create file \"" + FileName + "\". " + LastErrorText(Error));
}

// Creates an empty temporary file next to FileName and returns its name.
std::string CreateTempBeside(const std::string& FileName) {
    const std::string Base = FileName + ".~" + std::to_string(GetCurrentProcessId());
    for (int Attempt = 0;; ++Attempt) {
        const std::string Candidate = Base + "-" + std::to_string(Attempt) + ".tmp";
        HANDLE File = CreateFileW(Utf8ToWide(Candidate).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (File != INVALID_HANDLE_VALUE) {
            CloseHandle(File);
            return Candidate;
        }
        const DWORD Error = GetLastError();
        if (Error != ERROR_FILE_EXISTS || Attempt >= 100)
            RaiseCreateError(FileName, Error);
    }
}

// Removes the temporary file unless it has become the target.
class TTempFileGuard {
public:
    explicit TTempFileGuard(std::string Name) : FName(std::move(Name)) {}
    TTempFileGuard(const TTempFileGuard&) = delete;
    TTempFileGuard& operator=(const TTempFileGuard&) = delete;
    ~TTempFileGuard() {
        if (!FKept)
            DeleteFileW(Utf8ToWide(FName).c_str());
    }
    void Keep() { FKept = true; }

private:
    std::string FName;
    bool FKept = false;
};

} // namespace

void WriteFileReplacing(const std::string& FileName,
                        const std::function<void(const std::string& TempName)>& Write) {
    const std::string TempName = CreateTempBeside(FileName);
    TTempFileGuard Guard(TempName);
    Write(TempName);
    if (!MoveFileExW(Utf8ToWide(TempName).c_str(), Utf8ToWide(FileName).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        RaiseCreateError(FileName, GetLastError());
    Guard.Keep();
}
