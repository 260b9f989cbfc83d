#include "framework/windows/ResourceStream.h"

#include "framework/core/LayoutReader.h"
#include "framework/core/TextConv.h"
#include "framework/graphics/WinApi.h"

const TClassOf<TResourceStream> TResourceStream::Class{"TResourceStream",
                                                       TCustomMemoryStream::Class};

TResourceStream::TResourceStream(const std::string& ResourceName) {
    HMODULE Module = GetModuleHandleW(nullptr);
    HRSRC Info = FindResourceW(Module, Utf8ToWide(ResourceName).c_str(), RT_RCDATA);
    // A loaded resource stays mapped for the life of the module; nothing is released.
    HGLOBAL Handle = Info ? LoadResource(Module, Info) : nullptr;
    const void* Data = Handle ? LockResource(Handle) : nullptr;
    if (!Data)
        throw EResNotFound("Resource " + ResourceName + " not found");
    SetPointer(static_cast<const uint8_t*>(Data), SizeofResource(Module, Info));
}

int32_t TResourceStream::Write(const void*, int32_t) {
    throw EStreamError("Can't write to a read-only resource stream");
}

TComponent* ReadLayoutResource(const std::string& ResourceName, TComponent* Root) {
    TResourceStream Stream(ResourceName);
    return ReadLayoutFromStream(Stream, Root);
}
