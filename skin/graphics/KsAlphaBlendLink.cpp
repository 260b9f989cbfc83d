// The run-time link to "msimg32.dll": loaded at start-up, freed when the program ends.
#include "skin/graphics/KsAlphaBlendLink.h"

#include "skin/graphics/KsHostLibrary.h"

namespace {

TKsHostLibrary<TKsAlphaBlendFunc>& MsImg() {
    static TKsHostLibrary<TKsAlphaBlendFunc> Library(L"msimg32.dll", "AlphaBlend");
    return Library;
}

[[maybe_unused]] const bool LoadedAtStartUp = (MsImg(), true);

} // namespace

TKsAlphaBlendFunc KsAlphaBlendEntry() {
    return MsImg().Entry;
}

TKsAlphaBlendFunc KsSetAlphaBlendEntry(TKsAlphaBlendFunc Entry) {
    const TKsAlphaBlendFunc Previous = MsImg().Entry;
    MsImg().Entry = Entry;
    return Previous;
}
