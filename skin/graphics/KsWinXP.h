// Whether the host's native visual style is in use, asked of "uxtheme.dll" when the host
// has it. The library is loaded once, by name, when the program starts.
#pragma once

#include "framework/graphics/WinApi.h"

using TKsIsAppThemedFunc = BOOL(WINAPI*)();

// True when "uxtheme.dll" was loaded, has IsAppThemed, and IsAppThemed answers non-zero.
bool KsIsAppThemed();

// The IsAppThemed entry in use (none without the library). Tests replace it, with none to
// act as on a host without the library; returns the entry it replaced.
TKsIsAppThemedFunc KsIsAppThemedEntry();
TKsIsAppThemedFunc KsSetIsAppThemedEntry(TKsIsAppThemedFunc Entry);
