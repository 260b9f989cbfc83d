#include "framework/windows/Dialogs.h"

#include "framework/core/Properties.h"
#include "framework/core/TextConv.h"
#include "framework/windows/Application.h"
#include "framework/windows/Forms.h"

#include <vector>

const TEnumInfo OpenOptionInfo{
    "TOpenOption",
    {"ofReadOnly",         "ofOverwritePrompt",    "ofHideReadOnly",        "ofNoChangeDir",
     "ofShowHelp",         "ofNoValidate",         "ofAllowMultiSelect",    "ofExtensionDifferent",
     "ofPathMustExist",    "ofFileMustExist",      "ofCreatePrompt",        "ofShareAware",
     "ofNoReadOnlyReturn", "ofNoTestFileCreate",   "ofNoNetworkButton",     "ofNoLongNames",
     "ofOldStyleDialog",   "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing",
     "ofDontAddToRecent",  "ofForceShowHidden"}};

namespace {

using P = TPublished<TSavePictureDialog>;
const TPropertyTable SavePictureDialogProperties{
    P::String("DefaultExt", &TSavePictureDialog::DefaultExt, &TSavePictureDialog::SetDefaultExt),
    P::String("FileName", &TSavePictureDialog::FileName, &TSavePictureDialog::SetFileName),
    P::String("Filter", &TSavePictureDialog::Filter, &TSavePictureDialog::SetFilter),
    P::Integer("FilterIndex", &TSavePictureDialog::FilterIndex, &TSavePictureDialog::SetFilterIndex,
               1),
    P::String("InitialDir", &TSavePictureDialog::InitialDir, &TSavePictureDialog::SetInitialDir),
    P::Set("Options", OpenOptionInfo, &TSavePictureDialog::Options, &TSavePictureDialog::SetOptions,
           DefaultOpenOptions),
    P::String("Title", &TSavePictureDialog::Title, &TSavePictureDialog::SetTitle),
};

bool HostSaveDialog(OPENFILENAMEW& Record) {
    return GetSaveFileNameW(&Record) != FALSE;
}

TSaveDialogFunc& SaveDialogFunc() {
    static TSaveDialogFunc Func = HostSaveDialog;
    return Func;
}

// Room for long paths; the host reports a longer choice as a failure.
constexpr size_t FileNameCapacity = 32768;

} // namespace

DWORD OpenOptionsToFlags(TOpenOptions Options) {
    static constexpr DWORD Flags[] = {OFN_READONLY,
                                      OFN_OVERWRITEPROMPT,
                                      OFN_HIDEREADONLY,
                                      OFN_NOCHANGEDIR,
                                      OFN_SHOWHELP,
                                      OFN_NOVALIDATE,
                                      OFN_ALLOWMULTISELECT,
                                      OFN_EXTENSIONDIFFERENT,
                                      OFN_PATHMUSTEXIST,
                                      OFN_FILEMUSTEXIST,
                                      OFN_CREATEPROMPT,
                                      OFN_SHAREAWARE,
                                      OFN_NOREADONLYRETURN,
                                      OFN_NOTESTFILECREATE,
                                      OFN_NONETWORKBUTTON,
                                      OFN_NOLONGNAMES,
                                      0,
                                      OFN_NODEREFERENCELINKS,
                                      OFN_ENABLEINCLUDENOTIFY,
                                      OFN_ENABLESIZING,
                                      OFN_DONTADDTORECENT,
                                      OFN_FORCESHOWHIDDEN};
    DWORD Result = Options.Contains(TOpenOption::ofOldStyleDialog) ? 0 : OFN_EXPLORER;
    for (size_t I = 0; I < std::size(Flags); ++I)
        if (Options.Contains(static_cast<TOpenOption>(I)))
            Result |= Flags[I];
    return Result;
}

std::wstring HostFilter(const std::string& Filter) {
    std::wstring Result = Utf8ToWide(Filter);
    for (wchar_t& Char : Result)
        if (Char == L'|')
            Char = L'\0';
    Result.push_back(L'\0');
    Result.push_back(L'\0');
    return Result;
}

std::string HostDefaultExt(const std::string& DefaultExt) {
    const size_t Start = DefaultExt.find_first_not_of("*.");
    return Start == std::string::npos ? std::string() : DefaultExt.substr(Start);
}

const TComponentClassOf<TSavePictureDialog> TSavePictureDialog::Class{
    "TSavePictureDialog", TComponent::Class, &SavePictureDialogProperties};

TSavePictureDialog::TSavePictureDialog(TComponent* AOwner)
    : TComponent(AOwner), FOptions(DefaultOpenOptions) {}

bool TSavePictureDialog::Execute() {
    const std::wstring Filter = HostFilter(FFilter);
    const std::wstring DefExt = Utf8ToWide(HostDefaultExt(FDefaultExt));
    const std::wstring InitialDir = Utf8ToWide(FInitialDir);
    const std::wstring Title = Utf8ToWide(FTitle);
    std::vector<wchar_t> FileBuffer(FileNameCapacity, L'\0');
    const std::wstring Initial = Utf8ToWide(FFileName);
    Initial.copy(FileBuffer.data(), std::min(Initial.size(), FileNameCapacity - 1));

    OPENFILENAMEW Record{};
    Record.lStructSize = sizeof(Record);
    Record.hwndOwner = GetActiveWindow();
    if (!Record.hwndOwner && Application->MainForm() && Application->MainForm()->HandleAllocated())
        Record.hwndOwner = Application->MainForm()->Handle();
    Record.lpstrFilter = FFilter.empty() ? nullptr : Filter.c_str();
    Record.nFilterIndex = static_cast<DWORD>(FFilterIndex);
    Record.lpstrFile = FileBuffer.data();
    Record.nMaxFile = static_cast<DWORD>(FileBuffer.size());
    Record.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
    Record.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
    Record.lpstrDefExt = DefExt.empty() ? nullptr : DefExt.c_str();
    Record.Flags = OpenOptionsToFlags(FOptions);

    if (!SaveDialogFunc()(Record))
        return false;
    FileBuffer.back() = L'\0';
    FFileName = WideToUtf8(FileBuffer.data());
    FFilterIndex = static_cast<int>(Record.nFilterIndex);
    return true;
}

TSaveDialogFunc TSavePictureDialog::SetSaveDialogFunc(TSaveDialogFunc Func) {
    TSaveDialogFunc Previous = std::move(SaveDialogFunc());
    SaveDialogFunc() = Func ? std::move(Func) : TSaveDialogFunc(HostSaveDialog);
    return Previous;
}
