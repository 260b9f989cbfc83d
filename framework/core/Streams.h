// Byte streams: the abstract TStream, an in-memory stream and a file stream. Layouts,
// pictures and resources are read and written through them.
#pragma once

#include "framework/core/Objects.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

enum class TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    static const TClassOf<TStream> Class;
    const TClass& ClassType() const override { return Class; }

    // Transfers up to Count bytes and answers how many moved (0 at the end).
    virtual int32_t Read(void* Buffer, int32_t Count) = 0;
    virtual int32_t Write(const void* Buffer, int32_t Count) = 0;
    // Moves the position and answers the new one.
    virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

    int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t Value) { Seek(Value, TSeekOrigin::soBeginning); }
    virtual int64_t Size();
    // Grows or truncates the stream; a stream that cannot raises EStreamError.
    virtual void SetSize(int64_t NewSize);

    // Exact transfers: a short read raises EReadError "Stream read error", a short write
    // EWriteError "Stream write error".
    void ReadBuffer(void* Buffer, int32_t Count);
    void WriteBuffer(const void* Buffer, int32_t Count);

    // Copies Count bytes from Source's position; Count 0 copies all of Source from its
    // beginning. Answers the number of bytes copied.
    int64_t CopyFrom(TStream& Source, int64_t Count);
};

// A stream over a block of memory that a descendant provides: reading and seeking.
class TCustomMemoryStream : public TStream {
public:
    static const TClassOf<TCustomMemoryStream> Class;
    const TClass& ClassType() const override { return Class; }

    int32_t Read(void* Buffer, int32_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    int64_t Size() override { return FSize; }

    const uint8_t* Memory() const { return FMemory; }

protected:
    void SetPointer(const uint8_t* Memory, int64_t Size);
    int64_t CurrentPosition() const { return FPosition; }

private:
    const uint8_t* FMemory = nullptr;
    int64_t FSize = 0;
    int64_t FPosition = 0;
};

// A growable stream in memory. Seeking past the end is allowed; a write there fills the gap
// with zeros.
class TMemoryStream : public TCustomMemoryStream {
public:
    static const TClassOf<TMemoryStream> Class;
    const TClass& ClassType() const override { return Class; }

    int32_t Write(const void* Buffer, int32_t Count) override;
    void SetSize(int64_t NewSize) override;

    uint8_t* Memory() { return FData.data(); }
    const uint8_t* Memory() const { return FData.data(); }
    void Clear();

    // Replaces the contents with all of Stream (from its beginning) or of the file.
    void LoadFromStream(TStream& Stream);
    void LoadFromFile(const std::string& FileName);
    void SaveToStream(TStream& Stream) const;
    void SaveToFile(const std::string& FileName) const;

private:
    void Resize(size_t NewSize);

    std::vector<uint8_t> FData;
};

// File open modes: one access mode, optionally combined with a share mode.
constexpr uint16_t fmCreate = 0xFF00;
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;

// A stream over a file named in UTF-8. fmCreate creates or truncates the file for reading
// and writing; the open modes require an existing file. Failures raise EFCreateError
// ("Cannot create file "X". reason") or EFOpenError ("Cannot open file "X". reason").
class TFileStream : public TStream {
public:
    static const TClassOf<TFileStream> Class;
    const TClass& ClassType() const override { return Class; }

    TFileStream(const std::string& FileName, uint16_t Mode);
    ~TFileStream() override;

    int32_t Read(void* Buffer, int32_t Count) override;
    int32_t Write(const void* Buffer, int32_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    void SetSize(int64_t NewSize) override;

    const std::string& FileName() const { return FFileName; }

private:
    enum class TLastAccess : uint8_t { None, Read, Write };
    // The C library needs a seek between a read and a write on the same file.
    void SwitchAccess(TLastAccess Access);

    std::string FFileName;
    std::FILE* FFile = nullptr;
    bool FCanRead = false;
    bool FCanWrite = false;
    TLastAccess FLastAccess = TLastAccess::None;
};
