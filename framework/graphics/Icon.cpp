#include "framework/graphics/Icon.h"

#include "framework/core/Streams.h"
#include "framework/core/TextConv.h"
#include "framework/graphics/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void RaiseInvalidIcon() {
    throw EInvalidGraphic("Icon image is not valid");
}

#pragma pack(push, 1)
struct TIconDirectory {
    uint16_t Reserved;
    uint16_t Type; // 1 for icons
    uint16_t Count;
};
struct TIconDirectoryEntry {
    uint8_t Width;
    uint8_t Height;
    uint8_t ColorCount;
    uint8_t Reserved;
    uint16_t Planes;
    uint16_t BitCount;
    uint32_t BytesInRes;
    uint32_t ImageOffset;
};
#pragma pack(pop)

// Icon files are small; anything larger is not one.
constexpr uint64_t MaxIconFileSize = 16 * 1024 * 1024;

// The index of the entry whose size is closest to the system's icon size, deeper colour
// winning ties.
size_t ChooseEntry(const TIconDirectoryEntry* Entries, size_t Count) {
    const int Wanted = GetSystemMetrics(SM_CXICON);
    size_t Best = 0;
    for (size_t I = 1; I < Count; ++I) {
        auto Size = [](const TIconDirectoryEntry& E) { return E.Width == 0 ? 256 : E.Width; };
        const int Distance = std::abs(Size(Entries[I]) - Wanted);
        const int BestDistance = std::abs(Size(Entries[Best]) - Wanted);
        if (Distance < BestDistance ||
            (Distance == BestDistance && Entries[I].BitCount > Entries[Best].BitCount))
            Best = I;
    }
    return Best;
}

} // namespace

const TClassOf<TIcon> TIcon::Class{"TIcon", TGraphic::Class};

TIcon::~TIcon() {
    if (FHandle)
        DestroyIcon(FHandle);
}

void TIcon::Adopt(HICON Value, std::vector<uint8_t> FileData) {
    if (FHandle && FHandle != Value)
        DestroyIcon(FHandle);
    FHandle = Value;
    FFileData = std::move(FileData);
    FWidth = FHeight = 0;
    ICONINFO Info{};
    if (FHandle && GetIconInfo(FHandle, &Info)) {
        BITMAP Mask{};
        GetObjectW(Info.hbmMask, sizeof(Mask), &Mask);
        FWidth = Mask.bmWidth;
        // Without a colour bitmap the mask holds the AND and the XOR halves.
        FHeight = Info.hbmColor ? Mask.bmHeight : Mask.bmHeight / 2;
        DeleteObject(Info.hbmMask);
        if (Info.hbmColor)
            DeleteObject(Info.hbmColor);
    }
    Changed();
}

void TIcon::Assign(TPersistent* Source) {
    if (!Source) {
        Adopt(nullptr, {});
    } else if (auto* Other = dynamic_cast<TIcon*>(Source)) {
        if (Other == this)
            return;
        Adopt(Other->FHandle ? CopyIcon(Other->FHandle) : nullptr, Other->FFileData);
    } else {
        TGraphic::Assign(Source);
    }
}

void TIcon::SetWidth(int) {
    throw EInvalidGraphic("Cannot change the size of an icon");
}

void TIcon::SetHeight(int) {
    throw EInvalidGraphic("Cannot change the size of an icon");
}

void TIcon::SetHandle(HICON Value) {
    Adopt(Value, {});
}

void TIcon::LoadFromStream(TStream& Stream) {
    // Directory and entries first: they tell where the file ends, so that exactly the icon
    // is read from a stream that may hold more after it.
    TIconDirectory Directory;
    if (Stream.Read(&Directory, sizeof(Directory)) != int32_t(sizeof(Directory)) ||
        Directory.Reserved != 0 || Directory.Type != 1 || Directory.Count == 0)
        RaiseInvalidIcon();
    std::vector<TIconDirectoryEntry> Entries(Directory.Count);
    const int32_t EntryBytes = int32_t(Entries.size() * sizeof(TIconDirectoryEntry));
    if (Stream.Read(Entries.data(), EntryBytes) != EntryBytes)
        RaiseInvalidIcon();
    const size_t HeaderSize = sizeof(Directory) + size_t(EntryBytes);
    size_t FileSize = HeaderSize;
    for (const auto& Each : Entries) {
        if (Each.ImageOffset < HeaderSize || Each.BytesInRes == 0 ||
            uint64_t(Each.ImageOffset) + Each.BytesInRes > MaxIconFileSize)
            RaiseInvalidIcon();
        FileSize = std::max<size_t>(FileSize, size_t(Each.ImageOffset) + Each.BytesInRes);
    }
    std::vector<uint8_t> File(FileSize);
    std::memcpy(File.data(), &Directory, sizeof(Directory));
    std::memcpy(File.data() + sizeof(Directory), Entries.data(), size_t(EntryBytes));
    const int32_t Rest = int32_t(FileSize - HeaderSize);
    if (Stream.Read(File.data() + HeaderSize, Rest) != Rest)
        RaiseInvalidIcon();

    const TIconDirectoryEntry& Entry = Entries[ChooseEntry(Entries.data(), Entries.size())];
    const HICON Icon =
        CreateIconFromResourceEx(File.data() + Entry.ImageOffset, Entry.BytesInRes, TRUE,
                                 0x00030000, Entry.Width == 0 ? 256 : Entry.Width,
                                 Entry.Height == 0 ? 256 : Entry.Height, LR_DEFAULTCOLOR);
    if (!Icon)
        RaiseInvalidIcon();
    Adopt(Icon, std::move(File));
}

void TIcon::SaveToStream(TStream& Stream) {
    if (FFileData.empty())
        RaiseInvalidIcon();
    Stream.WriteBuffer(FFileData.data(), int32_t(FFileData.size()));
}

void TIcon::LoadFromResourceName(HINSTANCE Instance, const std::string& ResourceName) {
    const std::wstring Name = Utf8ToWide(ResourceName);
    const HANDLE Loaded = LoadImageW(Instance, Name.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE);
    if (!Loaded)
        throw EResNotFound("Resource " + ResourceName + " not found");
    Adopt(static_cast<HICON>(Loaded), {});
}

void TIcon::Draw(TCanvas& Canvas, const RECT& Rect) {
    DrawIconEx(Canvas.Handle(), Rect.left, Rect.top, FHandle, Rect.right - Rect.left,
               Rect.bottom - Rect.top, 0, nullptr, DI_NORMAL);
}
