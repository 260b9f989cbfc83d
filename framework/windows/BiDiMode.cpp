#include "framework/windows/BiDiMode.h"

#include "framework/core/Properties.h"
#include "framework/graphics/WinApi.h"

const TEnumInfo BiDiModeInfo{
    "TBiDiMode",
    {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};

namespace {

bool HostMiddleEast() {
    return GetSystemMetrics(SM_MIDEASTENABLED) != 0;
}

TMiddleEastQuery& MiddleEastQuery() {
    static TMiddleEastQuery Query = HostMiddleEast;
    return Query;
}

} // namespace

bool SysLocaleMiddleEast() {
    return MiddleEastQuery()();
}

TMiddleEastQuery SetMiddleEastQuery(TMiddleEastQuery Query) {
    TMiddleEastQuery Previous = std::move(MiddleEastQuery());
    MiddleEastQuery() = Query ? std::move(Query) : TMiddleEastQuery(HostMiddleEast);
    return Previous;
}

uint32_t DrawTextBiDiModeFlags(TBiDiMode Mode, uint32_t Flags) {
    if (!SysLocaleMiddleEast())
        return Flags;
    if (Mode == TBiDiMode::bdRightToLeft) {
        if (Flags & DT_RIGHT)
            Flags &= ~static_cast<uint32_t>(DT_RIGHT);
        else if (!(Flags & DT_CENTER))
            Flags |= DT_RIGHT;
    }
    if (Mode != TBiDiMode::bdLeftToRight)
        Flags |= DT_RTLREADING;
    return Flags;
}
