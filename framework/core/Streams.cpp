#include "framework/core/Streams.h"

#include "framework/core/TextConv.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <unistd.h>
#endif

namespace {

std::FILE* OpenFile(const std::string& FileName, const char* Mode, uint16_t ShareMode) {
#ifdef _WIN32
    int Share = _SH_DENYNO;
    if (ShareMode == fmShareExclusive)
        Share = _SH_DENYRW;
    else if (ShareMode == fmShareDenyWrite)
        Share = _SH_DENYWR;
    else if (ShareMode == fmShareDenyRead)
        Share = _SH_DENYRD;
    return _wfsopen(Utf8ToWide(FileName).c_str(), Utf8ToWide(Mode).c_str(), Share);
#else
    (void)ShareMode;
    return std::fopen(FileName.c_str(), Mode);
#endif
}

int SeekFile(std::FILE* File, int64_t Offset, int Whence) {
#ifdef _WIN32
    return _fseeki64(File, Offset, Whence);
#else
    return fseeko(File, static_cast<off_t>(Offset), Whence);
#endif
}

int64_t TellFile(std::FILE* File) {
#ifdef _WIN32
    return _ftelli64(File);
#else
    return static_cast<int64_t>(ftello(File));
#endif
}

int TruncateFile(std::FILE* File, int64_t Size) {
#ifdef _WIN32
    return _chsize_s(_fileno(File), Size) == 0 ? 0 : -1;
#else
    return ftruncate(fileno(File), static_cast<off_t>(Size));
#endif
}

std::string FileErrorMessage(const char* What, const std::string& FileName) {
    return std::string(What) + " \"" + FileName + "\". " + std::strerror(errno);
}

} // namespace

const TClassOf<TStream> TStream::Class{"TStream", TObject::Class};

int64_t TStream::Size() {
    const int64_t Saved = Position();
    const int64_t Result = Seek(0, TSeekOrigin::soEnd);
    Seek(Saved, TSeekOrigin::soBeginning);
    return Result;
}

void TStream::SetSize(int64_t) {
    throw EStreamError("Stream size cannot be changed");
}

void TStream::ReadBuffer(void* Buffer, int32_t Count) {
    if (Count < 0 || (Count != 0 && Read(Buffer, Count) != Count))
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, int32_t Count) {
    if (Count < 0 || (Count != 0 && Write(Buffer, Count) != Count))
        throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count) {
    if (Count < 0)
        throw EReadError("Stream read error");
    if (Count == 0) {
        Source.SetPosition(0);
        Count = Source.Size();
    }
    constexpr int32_t ChunkSize = 0xF000;
    std::vector<uint8_t> Chunk(static_cast<size_t>(std::min<int64_t>(Count, ChunkSize)));
    int64_t Left = Count;
    while (Left > 0) {
        const auto N = static_cast<int32_t>(std::min<int64_t>(Left, ChunkSize));
        Source.ReadBuffer(Chunk.data(), N);
        WriteBuffer(Chunk.data(), N);
        Left -= N;
    }
    return Count;
}

const TClassOf<TCustomMemoryStream> TCustomMemoryStream::Class{"TCustomMemoryStream",
                                                               TStream::Class};

int32_t TCustomMemoryStream::Read(void* Buffer, int32_t Count) {
    const int64_t Available = FSize - FPosition;
    if (Count <= 0 || Available <= 0 || FPosition < 0)
        return 0;
    const auto N = static_cast<int32_t>(std::min<int64_t>(Count, Available));
    std::memcpy(Buffer, FMemory + FPosition, static_cast<size_t>(N));
    FPosition += N;
    return N;
}

int64_t TCustomMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    switch (Origin) {
    case TSeekOrigin::soBeginning:
        FPosition = Offset;
        break;
    case TSeekOrigin::soCurrent:
        FPosition += Offset;
        break;
    case TSeekOrigin::soEnd:
        FPosition = FSize + Offset;
        break;
    }
    return FPosition;
}

void TCustomMemoryStream::SetPointer(const uint8_t* Memory, int64_t Size) {
    FMemory = Memory;
    FSize = Size;
}

const TClassOf<TMemoryStream> TMemoryStream::Class{"TMemoryStream", TCustomMemoryStream::Class};

void TMemoryStream::Resize(size_t NewSize) {
    FData.resize(NewSize);
    SetPointer(FData.data(), static_cast<int64_t>(FData.size()));
}

int32_t TMemoryStream::Write(const void* Buffer, int32_t Count) {
    const int64_t Start = CurrentPosition();
    if (Count <= 0 || Start < 0)
        return 0;
    const int64_t End = Start + Count;
    if (End > static_cast<int64_t>(FData.size()))
        Resize(static_cast<size_t>(End));
    std::memcpy(FData.data() + Start, Buffer, static_cast<size_t>(Count));
    SetPosition(End);
    return Count;
}

void TMemoryStream::SetSize(int64_t NewSize) {
    if (NewSize < 0)
        throw EStreamError("Stream size cannot be negative");
    const int64_t Saved = CurrentPosition();
    Resize(static_cast<size_t>(NewSize));
    SetPosition(std::min(Saved, NewSize));
}

void TMemoryStream::Clear() {
    Resize(0);
    SetPosition(0);
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
    Stream.SetPosition(0);
    const int64_t Count = Stream.Size();
    if (Count > std::numeric_limits<int32_t>::max())
        throw EReadError("Stream read error");
    std::vector<uint8_t> Data(static_cast<size_t>(Count));
    Stream.ReadBuffer(Data.data(), static_cast<int32_t>(Count));
    FData = std::move(Data);
    SetPointer(FData.data(), static_cast<int64_t>(FData.size()));
    SetPosition(0);
}

void TMemoryStream::LoadFromFile(const std::string& FileName) {
    TFileStream File(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(File);
}

void TMemoryStream::SaveToStream(TStream& Stream) const {
    Stream.WriteBuffer(FData.data(), static_cast<int32_t>(FData.size()));
}

void TMemoryStream::SaveToFile(const std::string& FileName) const {
    TFileStream File(FileName, fmCreate);
    SaveToStream(File);
}

const TClassOf<TFileStream> TFileStream::Class{"TFileStream", TStream::Class};

TFileStream::TFileStream(const std::string& FileName, uint16_t Mode) : FFileName(FileName) {
    if (Mode == fmCreate || (Mode & 0xFF00) == fmCreate) {
        FFile = OpenFile(FileName, "w+b", Mode & 0x00F0);
        if (!FFile)
            throw EFCreateError(FileErrorMessage("Cannot create file", FileName));
        FCanRead = FCanWrite = true;
        return;
    }
    const uint16_t Access = Mode & 0x000F;
    const char* OpenMode = Access == fmOpenRead ? "rb" : "r+b";
    FFile = OpenFile(FileName, OpenMode, Mode & 0x00F0);
    if (!FFile)
        throw EFOpenError(FileErrorMessage("Cannot open file", FileName));
    FCanRead = Access != fmOpenWrite;
    FCanWrite = Access != fmOpenRead;
}

TFileStream::~TFileStream() {
    std::fclose(FFile);
}

void TFileStream::SwitchAccess(TLastAccess Access) {
    if (FLastAccess != TLastAccess::None && FLastAccess != Access)
        SeekFile(FFile, 0, SEEK_CUR);
    FLastAccess = Access;
}

int32_t TFileStream::Read(void* Buffer, int32_t Count) {
    if (!FCanRead || Count <= 0)
        return 0;
    SwitchAccess(TLastAccess::Read);
    return static_cast<int32_t>(std::fread(Buffer, 1, static_cast<size_t>(Count), FFile));
}

int32_t TFileStream::Write(const void* Buffer, int32_t Count) {
    if (!FCanWrite || Count <= 0)
        return 0;
    SwitchAccess(TLastAccess::Write);
    return static_cast<int32_t>(std::fwrite(Buffer, 1, static_cast<size_t>(Count), FFile));
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    const int Whence = Origin == TSeekOrigin::soBeginning ? SEEK_SET
                       : Origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                          : SEEK_END;
    if (SeekFile(FFile, Offset, Whence) != 0)
        return -1;
    FLastAccess = TLastAccess::None;
    return TellFile(FFile);
}

void TFileStream::SetSize(int64_t NewSize) {
    const int64_t Saved = Position();
    std::fflush(FFile);
    if (NewSize < 0 || !FCanWrite || TruncateFile(FFile, NewSize) != 0)
        throw EStreamError("Cannot change the size of file \"" + FFileName + "\"");
    Seek(std::min(Saved, NewSize), TSeekOrigin::soBeginning);
}
