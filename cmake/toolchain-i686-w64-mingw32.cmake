# Cross-compiles for 32-bit Windows (PE32): the deliverable.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(SNAPVALE_TRIPLET i686-w64-mingw32)
set(SNAPVALE_WINE_ARCH 32)
include("${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake")
