// The run-time link to the host's AlphaBlend in "msimg32.dll", loaded once by name when the
// program starts. Surfaces use it only where it gives the same pixels as their own blend.
#pragma once

#include "framework/graphics/WinApi.h"

using TKsAlphaBlendFunc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int,
                                        BLENDFUNCTION);

// The AlphaBlend entry in use, none when the library or the entry is missing.
TKsAlphaBlendFunc KsAlphaBlendEntry();
// Tests replace the entry (none acts as a host without it); returns the entry replaced.
TKsAlphaBlendFunc KsSetAlphaBlendEntry(TKsAlphaBlendFunc Entry);
