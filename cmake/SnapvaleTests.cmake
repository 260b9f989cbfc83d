# GoogleTest from Debian's sources, built with the project's toolchain, and the helper
# that turns a folder's test sources into one test executable whose cases CTest lists.
include(GoogleTest)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
foreach(_gt gtest gtest_main gmock gmock_main)
  if(TARGET ${_gt})
    target_compile_options(${_gt} PRIVATE -w)
  endif()
endforeach()

# snapvale_add_test(NAME [DESKTOP] SOURCES file... LIBRARIES lib...)
# DESKTOP: the cases show windows, take the focus or send real input, so they run one at a
# time on the shared Wine desktop, and alone: cases that hold a button while the host's
# timers repeat miss their moves when other suites load the machine beside them.
function(snapvale_add_test name)
  cmake_parse_arguments(ARG "DESKTOP" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} gmock gtest_main)
  target_include_directories(${name} PRIVATE "${CMAKE_SOURCE_DIR}")
  if(WIN32)
    # Console program: test output goes to the terminal that runs Wine.
    target_link_options(${name} PRIVATE -mconsole)
  endif()
  # Cases are listed when CTest runs, through the Wine launcher, not at build time.
  set(_properties TIMEOUT 300)
  if(ARG_DESKTOP)
    list(APPEND _properties RESOURCE_LOCK desktop RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES ${_properties})
endfunction()
