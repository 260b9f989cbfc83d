// TSavePictureDialog: asks the user for a file name to save a picture under, through the
// host's save dialog. The dialog call goes through one replaceable function
// (SetSaveDialogFunc), so that tests can answer it without a window.
#pragma once

#include "framework/core/Components.h"
#include "framework/core/Properties.h"
#include "framework/core/Sets.h"
#include "framework/graphics/WinApi.h"

#include <commdlg.h>

#include <functional>
#include <string>

enum class TOpenOption : uint8_t {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect,
    ofExtensionDifferent,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofShareAware,
    ofNoReadOnlyReturn,
    ofNoTestFileCreate,
    ofNoNetworkButton,
    ofNoLongNames,
    ofOldStyleDialog,
    ofNoDereferenceLinks,
    ofEnableIncludeNotify,
    ofEnableSizing,
    ofDontAddToRecent,
    ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption>;
extern const TEnumInfo OpenOptionInfo;

// Runs the host's save dialog on the prepared record; answers whether a name was chosen.
using TSaveDialogFunc = std::function<bool(OPENFILENAMEW& Record)>;

// The host dialog's flags for the options.
DWORD OpenOptionsToFlags(TOpenOptions Options);
// "Text|*.txt|All|*.*" as the host wants it: pairs separated and ended by NUL characters.
std::wstring HostFilter(const std::string& Filter);
// The extension the host appends to a name typed without one: without "*" and "." in
// front ("*.jpg" and ".jpg" both give "jpg").
std::string HostDefaultExt(const std::string& DefaultExt);

class TSavePictureDialog : public TComponent {
public:
    static const TComponentClassOf<TSavePictureDialog> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TSavePictureDialog(TComponent* AOwner);

    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& Value) { FFilter = Value; }
    // 1-based index of the filter shown first (and chosen, after Execute).
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value) { FFileName = Value; }
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions Value) { FOptions = Value; }

    // Shows the dialog; True with FileName set when the user chose a name.
    bool Execute();

    // Replaces the function that runs the host dialog; answers the previous one.
    static TSaveDialogFunc SetSaveDialogFunc(TSaveDialogFunc Func);

private:
    std::string FFilter;
    int FFilterIndex = 1;
    std::string FDefaultExt;
    std::string FFileName;
    std::string FInitialDir;
    std::string FTitle;
    TOpenOptions FOptions;
};

// The default options: the read-only box hidden, the dialog resizable.
constexpr TOpenOptions DefaultOpenOptions{TOpenOption::ofHideReadOnly, TOpenOption::ofEnableSizing};
