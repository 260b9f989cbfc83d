// The run-time link to "uxtheme.dll": loaded at start-up, freed when the program ends.
#include "skin/graphics/KsWinXP.h"

#include "skin/graphics/KsHostLibrary.h"

namespace {

TKsHostLibrary<TKsIsAppThemedFunc>& UxTheme() {
    static TKsHostLibrary<TKsIsAppThemedFunc> Library(L"uxtheme.dll", "IsAppThemed");
    return Library;
}

[[maybe_unused]] const bool LoadedAtStartUp = (UxTheme(), true);

} // namespace

bool KsIsAppThemed() {
    const TKsIsAppThemedFunc Entry = UxTheme().Entry;
    return Entry && Entry() != 0;
}

TKsIsAppThemedFunc KsIsAppThemedEntry() {
    return UxTheme().Entry;
}

TKsIsAppThemedFunc KsSetIsAppThemedEntry(TKsIsAppThemedFunc Entry) {
    const TKsIsAppThemedFunc Previous = UxTheme().Entry;
    UxTheme().Entry = Entry;
    return Previous;
}
