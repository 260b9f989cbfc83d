#include "framework/core/Streams.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::string TempPath(const std::string& Name) {
    return (std::filesystem::temp_directory_path() / ("snapvale-streams-" + Name)).string();
}

TEST(MemoryStream, ReadsWritesSeeksAndGrows) {
    TMemoryStream Stream;
    Stream.WriteBuffer("abcdef", 6);
    EXPECT_EQ(Stream.Size(), 6);
    EXPECT_EQ(Stream.Seek(-2, TSeekOrigin::soEnd), 4);
    char Buffer[8] = {};
    EXPECT_EQ(Stream.Read(Buffer, 8), 2);
    EXPECT_EQ(std::string(Buffer, 2), "ef");
    EXPECT_EQ(Stream.Read(Buffer, 8), 0);
    // Writing past the end fills the gap with zeros.
    Stream.SetPosition(8);
    Stream.WriteBuffer("z", 1);
    EXPECT_EQ(Stream.Size(), 9);
    EXPECT_EQ(Stream.Memory()[6], 0);
    // Truncating pulls the position back inside.
    Stream.SetSize(3);
    EXPECT_EQ(Stream.Position(), 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Stream.Memory()), 3), "abc");
    EXPECT_THROW(Stream.SetSize(-1), EStreamError);
}

TEST(MemoryStream, ShortTransfersRaise) {
    TMemoryStream Stream;
    Stream.WriteBuffer("abc", 3);
    Stream.SetPosition(1);
    char Buffer[4];
    try {
        Stream.ReadBuffer(Buffer, 4);
        FAIL() << "no exception";
    } catch (const EReadError& E) {
        EXPECT_EQ(E.Message(), "Stream read error");
    }
    Stream.SetPosition(-5);
    EXPECT_EQ(Stream.Read(Buffer, 1), 0);
    EXPECT_THROW(Stream.WriteBuffer("x", 1), EWriteError);
}

TEST(MemoryStream, CopyFromTakesAllOfTheSourceForZero) {
    TMemoryStream Source;
    Source.WriteBuffer("0123456789", 10);
    Source.SetPosition(7);
    TMemoryStream Dest;
    EXPECT_EQ(Dest.CopyFrom(Source, 0), 10);
    EXPECT_EQ(Dest.Size(), 10);
    Source.SetPosition(8);
    EXPECT_THROW(Dest.CopyFrom(Source, 5), EReadError);
}

TEST(FileStream, WritesAndReadsFilesWithUtf8Names) {
    const std::string Name = TempPath("\xE6\x88\xAA\xE5\x9B\xBE.bin");
    {
        TFileStream Stream(Name, fmCreate);
        Stream.WriteBuffer("hello", 5);
        Stream.SetSize(4);
        EXPECT_EQ(Stream.Size(), 4);
    }
    {
        TFileStream Stream(Name, fmOpenReadWrite);
        char Buffer[4];
        Stream.ReadBuffer(Buffer, 2);
        Stream.WriteBuffer("LL", 2); // a write right after a read lands at the position
        Stream.SetPosition(0);
        Stream.ReadBuffer(Buffer, 4);
        EXPECT_EQ(std::string(Buffer, 4), "heLL");
    }
    TMemoryStream Copy;
    Copy.LoadFromFile(Name);
    EXPECT_EQ(Copy.Size(), 4);
    {
        TFileStream ReadOnly(Name, fmOpenRead | fmShareDenyWrite);
        EXPECT_THROW(ReadOnly.WriteBuffer("x", 1), EWriteError);
    }
    std::filesystem::remove(std::filesystem::u8path(Name));
}

TEST(FileStream, ErrorsNameTheFile) {
    const std::string Missing = TempPath("missing-folder/none.bin");
    try {
        TFileStream Stream(Missing, fmOpenRead);
        FAIL() << "no exception";
    } catch (const EFOpenError& E) {
        EXPECT_EQ(E.Message().rfind("Cannot open file \"" + Missing + "\". ", 0), 0u)
            << E.Message();
    }
    try {
        TFileStream Stream(Missing, fmCreate);
        FAIL() << "no exception";
    } catch (const EFCreateError& E) {
        EXPECT_EQ(E.Message().rfind("Cannot create file \"" + Missing + "\". ", 0), 0u)
            << E.Message();
    }
    TMemoryStream Stream;
    EXPECT_THROW(Stream.LoadFromFile(Missing), EFOpenError);
}

} // namespace
