// An existing file survives a save that fails part-way; a complete save replaces it.
#include "app/ReplaceFile.h"

#include "framework/core/Exceptions.h"
#include "framework/core/TextConv.h"
#include "framework/graphics/WinApi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

class FileReplacement : public testing::Test {
protected:
    void SetUp() override {
        Folder = fs::temp_directory_path() /
                 ("snapvale-replace-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(Folder);
        fs::create_directories(Folder);
        Target = (Folder / "shot.bmp").string();
    }
    void TearDown() override { fs::remove_all(Folder); }

    static void WriteText(const std::string& Name, const std::string& Text) {
        std::ofstream(Name, std::ios::binary) << Text;
    }
    static std::string ReadText(const std::string& Name) {
        std::ifstream File(Name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(File), {});
    }
    size_t FilesInFolder() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(Folder), {}));
    }

    fs::path Folder;
    std::string Target;
};

} // namespace

TEST_F(FileReplacement, CompleteWriteReplacesTheTargetAndLeavesNoTemporaryFile) {
    WriteText(Target, "old picture");
    WriteFileReplacing(Target, [](const std::string& Temp) { WriteText(Temp, "new picture"); });
    EXPECT_EQ(ReadText(Target), "new picture");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(FileReplacement, NewFileIsCreatedWhenNoneExisted) {
    WriteFileReplacing(Target, [](const std::string& Temp) { WriteText(Temp, "picture"); });
    EXPECT_EQ(ReadText(Target), "picture");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(FileReplacement, FailedWriteKeepsTheOldFileAndRemovesTheTemporaryOne) {
    WriteText(Target, "old picture");
    EXPECT_THROW(WriteFileReplacing(Target,
                                    [](const std::string& Temp) {
                                        WriteText(Temp, "half a pict");
                                        throw EWriteError("Stream write error");
                                    }),
                 EWriteError);
    EXPECT_EQ(ReadText(Target), "old picture");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(FileReplacement, UncreatableFolderRaisesACreateErrorNamingTheTarget) {
    const std::string Missing = (Folder / "no such folder" / "shot.jpg").string();
    bool Called = false;
    try {
        WriteFileReplacing(Missing, [&](const std::string&) { Called = true; });
        FAIL() << "no error raised";
    } catch (const EFCreateError& Error) {
        EXPECT_NE(Error.Message().find("Cannot create file \"" + Missing + "\""), std::string::npos)
            << Error.Message();
    }
    EXPECT_FALSE(Called);
}

TEST_F(FileReplacement, UnicodeFileNamesAreKept) {
    const std::string Chinese = Folder.string() + "\\截图.bmp";
    WriteFileReplacing(Chinese, [](const std::string& Temp) {
        HANDLE File = CreateFileW(Utf8ToWide(Temp).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(File, INVALID_HANDLE_VALUE);
        CloseHandle(File);
    });
    EXPECT_NE(GetFileAttributesW(Utf8ToWide(Chinese).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(FilesInFolder(), 1u);
}
