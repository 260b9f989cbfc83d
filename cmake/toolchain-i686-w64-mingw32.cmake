# Cross-compiles for 32-bit Windows with MinGW-w64 (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(SNAPVALE_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${SNAPVALE_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SNAPVALE_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${SNAPVALE_TRIPLET}-windres)
set(CMAKE_AR ${SNAPVALE_TRIPLET}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${SNAPVALE_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${SNAPVALE_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every Windows program is run through the project's Wine launcher.
get_filename_component(_snapvale_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_snapvale_root}/tools/wine-run")
