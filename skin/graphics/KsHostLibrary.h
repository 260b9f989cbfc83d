// An optional host library loaded by name and one function looked up in it by name; both
// are empty when the host lacks them. The library is freed with the object.
#pragma once

#include "framework/graphics/WinApi.h"

template <class Func> class TKsHostLibrary {
public:
    TKsHostLibrary(const wchar_t* Library, const char* Function) : FModule(LoadLibraryW(Library)) {
        if (FModule)
            Entry =
                reinterpret_cast<Func>(reinterpret_cast<void*>(GetProcAddress(FModule, Function)));
    }
    TKsHostLibrary(const TKsHostLibrary&) = delete;
    TKsHostLibrary& operator=(const TKsHostLibrary&) = delete;
    ~TKsHostLibrary() {
        if (FModule)
            FreeLibrary(FModule);
    }

    // The function in use; tests may replace it.
    Func Entry = nullptr;

private:
    HMODULE FModule;
};
