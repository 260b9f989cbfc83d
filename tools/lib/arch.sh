# Which Windows architecture the project's tools build and run: 32-bit (the deliverable,
# PE32) where this machine runs 32-bit programs, else 64-bit (PE32+). Each has its own build
# folder and Wine prefix, and its own Wine loader, called directly: Debian's `wine`,
# `wineboot` and `winepath` wrappers always pick the 32-bit loader when it is installed,
# even where the kernel cannot run it. Sourced, not run.

SNAPVALE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
SNAPVALE_WINE32_LOADER="${SNAPVALE_WINE32_LOADER:-/usr/lib/wine/wine}"
SNAPVALE_WINE64_LOADER="${SNAPVALE_WINE64_LOADER:-/usr/lib/wine/wine64}"
# The 64-bit server serves the programs of both loaders; it is what Debian's wrapper starts.
SNAPVALE_WINESERVER="${SNAPVALE_WINESERVER:-/usr/lib/wine/wineserver64}"

# Succeeds when LOADER (by default Wine's 32-bit loader) starts on this machine. A kernel
# without 32-bit emulation refuses it ("Exec format error"), so it is tried, not guessed.
arch_loader_starts() {
    local loader="${1:-$SNAPVALE_WINE32_LOADER}"
    [[ -x "$loader" ]] && "$loader" --version </dev/null >/dev/null 2>&1 9>&-
}

# Answers (and remembers for this process tree) whether 32-bit programs run here.
arch_runs_32bit() {
    if [[ -z "${SNAPVALE_RUNS_32BIT:-}" ]]; then
        if arch_loader_starts "$SNAPVALE_WINE32_LOADER"; then
            SNAPVALE_RUNS_32BIT=yes
        else
            SNAPVALE_RUNS_32BIT=no
        fi
        export SNAPVALE_RUNS_32BIT
    fi
    [[ "$SNAPVALE_RUNS_32BIT" == yes ]]
}

# The architectures this machine can test: both where it runs 32-bit programs (Wine's
# 64-bit loader runs everywhere), else 64 alone.
arch_runnable() {
    if arch_runs_32bit; then echo "32 64"; else echo "64"; fi
}

# The build folder of an architecture.
arch_build_dir() {
    case "$1" in
    32) echo "$SNAPVALE_ROOT/build" ;;
    64) echo "$SNAPVALE_ROOT/build-x64" ;;
    esac
}

# The toolchain file of an architecture.
arch_toolchain() {
    case "$1" in
    32) echo "$SNAPVALE_ROOT/cmake/toolchain-i686-w64-mingw32.cmake" ;;
    64) echo "$SNAPVALE_ROOT/cmake/toolchain-x86_64-w64-mingw32.cmake" ;;
    esac
}

# One line telling which architecture a tool uses and why.
arch_describe() {
    if [[ "$1" == 64 ]] && ! arch_runs_32bit; then
        echo "64-bit (this machine cannot run 32-bit programs: $SNAPVALE_WINE32_LOADER does not start)"
    elif [[ "$1" == 64 ]]; then
        echo "64-bit"
    else
        echo "32-bit (this machine runs 32-bit programs)"
    fi
}

# Chooses the architecture: the one asked for (32 or 64), or the one this machine runs best
# (32 where it can). Sets SNAPVALE_ARCH and SNAPVALE_BUILD and the Wine variables of that
# architecture. Asking for 32 where it cannot run fails with a message.
arch_select() {
    local wanted="${1:-}"
    case "$wanted" in
    "")
        if arch_runs_32bit; then wanted=32; else wanted=64; fi
        ;;
    32)
        if ! arch_runs_32bit; then
            echo "this machine cannot run 32-bit programs (Wine's 32-bit loader" \
                "$SNAPVALE_WINE32_LOADER does not start); use --arch 64" >&2
            return 1
        fi
        ;;
    64) ;;
    *)
        echo "unknown architecture '$wanted': expected 32 or 64" >&2
        return 2
        ;;
    esac
    SNAPVALE_ARCH="$wanted"
    SNAPVALE_BUILD="$(arch_build_dir "$wanted")"
    export WINEPREFIX="$SNAPVALE_BUILD/wineprefix"
    export WINESERVER="$SNAPVALE_WINESERVER"
    if [[ "$wanted" == 32 ]]; then
        export WINEARCH=win32 WINELOADER="$SNAPVALE_WINE32_LOADER"
    else
        export WINEARCH=win64 WINELOADER="$SNAPVALE_WINE64_LOADER"
    fi
}

# The architecture a Windows program file is built for (32 or 64), from the machine field of
# its PE header; nothing for a name that is no such file (a program of Wine's own).
arch_of_program() {
    local file="$1" pe machine
    [[ -f "$file" ]] || return 0
    pe="$(od -An -t u4 -j 60 -N 4 "$file" 2>/dev/null | tr -d ' ')"
    [[ -n "$pe" ]] || return 0
    machine="$(od -An -t x2 -j $((pe + 4)) -N 2 "$file" 2>/dev/null | tr -d ' ')"
    case "$machine" in
    014c) echo 32 ;;
    8664) echo 64 ;;
    esac
}

# Takes "--arch N" off the front of a tool's arguments: ARCH_ARG holds N (empty when not
# given) and ARCH_REST the remaining arguments.
arch_parse_option() {
    ARCH_ARG=""
    ARCH_REST=("$@")
    if [[ "${1:-}" == --arch ]]; then
        if [[ $# -lt 2 ]]; then
            echo "--arch needs 32 or 64" >&2
            return 2
        fi
        ARCH_ARG="$2"
        ARCH_REST=("${@:3}")
    elif [[ "${1:-}" == --arch=* ]]; then
        ARCH_ARG="${1#--arch=}"
        ARCH_REST=("${@:2}")
    fi
}
