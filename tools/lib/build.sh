# Configures (once) and builds the cross build folder. Sourced by tools/test and tools/run.
snapvale_build() {
    local root="$1" build="$2"
    shift 2
    if [[ ! -f "$build/CMakeCache.txt" ]]; then
        cmake -S "$root" -B "$build" \
            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" \
            -DCMAKE_BUILD_TYPE=Release >/dev/null
    fi
    cmake --build "$build" -j"$(nproc)" "$@"
}
