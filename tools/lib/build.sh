# Configures (once) and builds an architecture's cross build folder. Sourced by the tools
# that build; ccache, when installed, keeps rebuilds and the second architecture's shared
# parts quick.
#   snapvale_build 32|64 [CMAKE --build ARGS...]
source "$(dirname "${BASH_SOURCE[0]}")/arch.sh"

snapvale_build() {
    local arch="$1"
    shift
    local build
    build="$(arch_build_dir "$arch")"
    # A configuration that failed half-way leaves a cache but no makefile: it is redone.
    if [[ ! -f "$build/Makefile" ]]; then
        local launcher=()
        if command -v ccache >/dev/null; then
            launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        fi
        cmake -S "$SNAPVALE_ROOT" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$(arch_toolchain "$arch")" \
            -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
    fi
    CCACHE_BASEDIR="$SNAPVALE_ROOT" CCACHE_NOHASHDIR=1 \
        cmake --build "$build" -j"$(nproc)" "$@"
}
