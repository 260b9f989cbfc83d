# The part of the MinGW-w64 cross toolchain that both architectures share (posix thread
# model). The architecture's toolchain file sets SNAPVALE_TRIPLET, CMAKE_SYSTEM_PROCESSOR and
# SNAPVALE_WINE_ARCH (32 or 64) and includes this file.
set(CMAKE_SYSTEM_NAME Windows)

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

# Every Windows program is run through the project's Wine launcher, with the loader and
# prefix of this build's architecture.
get_filename_component(_snapvale_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_snapvale_root}/tools/wine-run;--arch;${SNAPVALE_WINE_ARCH}")
