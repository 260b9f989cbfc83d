# Cross-compiles for 64-bit Windows (PE32+): the same programs, tests and benchmarks, run
# under Wine's 64-bit loader on machines that cannot run 32-bit programs, and beside the
# 32-bit build everywhere else.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SNAPVALE_TRIPLET x86_64-w64-mingw32)
set(SNAPVALE_WINE_ARCH 64)
include("${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake")
