# Builds libjpeg-turbo from Debian's source package (fetched by tools/setup) with the
# project's toolchain, once per build folder: static library with SIMD, plus cjpeg.
include(ExternalProject)

file(GLOB _libjpeg_archive "${CMAKE_SOURCE_DIR}/.deps/libjpeg-turbo-src/libjpeg-turbo_*.orig.tar.*")
if(NOT _libjpeg_archive)
  message(FATAL_ERROR "libjpeg-turbo source is missing: run tools/setup first")
endif()
list(GET _libjpeg_archive 0 _libjpeg_archive)

set(LIBJPEG_PREFIX "${CMAKE_BINARY_DIR}/libjpeg")
set(LIBJPEG_INCLUDE_DIR "${LIBJPEG_PREFIX}/include")
set(LIBJPEG_LIBRARY "${LIBJPEG_PREFIX}/lib/libjpeg.a")
set(LIBJPEG_CJPEG "${LIBJPEG_PREFIX}/bin/cjpeg.exe" CACHE INTERNAL "")

ExternalProject_Add(libjpeg_turbo_build
  URL "${_libjpeg_archive}"
  DOWNLOAD_EXTRACT_TIMESTAMP TRUE
  PREFIX "${CMAKE_BINARY_DIR}/libjpeg-build"
  INSTALL_DIR "${LIBJPEG_PREFIX}"
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
    -DCMAKE_ASM_NASM_COMPILER=nasm
    -DENABLE_SHARED=OFF
    -DENABLE_STATIC=ON
    -DWITH_TURBOJPEG=OFF
    -DWITH_SIMD=ON
    -DREQUIRE_SIMD=ON
    -DWITH_JPEG8=OFF
    -DCMAKE_EXE_LINKER_FLAGS=-static
  BUILD_BYPRODUCTS "${LIBJPEG_LIBRARY}"
)

file(MAKE_DIRECTORY "${LIBJPEG_INCLUDE_DIR}")
add_library(libjpeg STATIC IMPORTED GLOBAL)
set_target_properties(libjpeg PROPERTIES
  IMPORTED_LOCATION "${LIBJPEG_LIBRARY}"
  INTERFACE_INCLUDE_DIRECTORIES "${LIBJPEG_INCLUDE_DIR}")
add_dependencies(libjpeg libjpeg_turbo_build)
