#!/bin/bash
# The tools' choice of architecture: a machine whose kernel refuses Wine's 32-bit loader
# builds and tests the 64-bit programs in their own folder and prefix, one that runs it uses
# the 32-bit deliverable, and asking for 32 bits where they cannot run fails at once.
#   check-arch-choice.sh ROOT
set -uo pipefail
ROOT="$1"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# A loader the kernel cannot start, as Wine's 32-bit loader is where 32-bit emulation is off.
REFUSED="$WORK/wine32-refused"
printf '\177ELF\001\001\001\000garbage' >"$REFUSED"
chmod +x "$REFUSED"
# A loader that starts.
STARTS="$WORK/wine32-starts"
printf '#!/bin/sh\necho wine-8.0\n' >"$STARTS"
chmod +x "$STARTS"

failures=0
expect() {
    local what="$1" got="$2" want="$3"
    if [[ "$got" != "$want" ]]; then
        echo "FAILED: $what: got '$got', want '$want'"
        failures=$((failures + 1))
    fi
}

# Each case runs in a fresh shell: the answer is remembered for a process tree.
choose() {
    local loader="$1" asked="$2"
    env -u SNAPVALE_RUNS_32BIT SNAPVALE_WINE32_LOADER="$loader" bash -c '
        source "$1/tools/lib/arch.sh"
        arch_select "$2" || exit $?
        echo "$SNAPVALE_ARCH|$SNAPVALE_BUILD|$WINEPREFIX|$WINEARCH|$WINELOADER|$(arch_runnable)"
    ' choose "$ROOT" "$asked" 2>"$WORK/stderr"
}

got="$(choose "$REFUSED" "")"
expect "no 32-bit support: the 64-bit build" "$got" \
    "64|$ROOT/build-x64|$ROOT/build-x64/wineprefix|win64|/usr/lib/wine/wine64|64"

got="$(choose "$STARTS" "")"
expect "32-bit support: the 32-bit build" "$got" \
    "32|$ROOT/build|$ROOT/build/wineprefix|win32|$STARTS|32 64"

got="$(choose "$STARTS" 64)"
expect "64 asked for where 32 runs" "${got%%|*}" "64"

choose "$REFUSED" 32 >/dev/null
expect "32 asked for where it cannot run: exit code" "$?" "1"
grep -q "cannot run 32-bit programs" "$WORK/stderr" ||
    { echo "FAILED: no clear message when 32 bits cannot run: $(cat "$WORK/stderr")"; failures=$((failures + 1)); }

choose "$STARTS" 16 >/dev/null
expect "an unknown architecture: exit code" "$?" "2"

# The launcher refuses at once, before it prepares a prefix or starts a display.
SNAPVALE_WINE32_LOADER="$REFUSED" env -u SNAPVALE_RUNS_32BIT -u DISPLAY \
    "$ROOT/tools/wine-run" --arch 32 notepad.exe >/dev/null 2>"$WORK/stderr"
expect "wine-run --arch 32 without 32-bit support: exit code" "$?" "2"
grep -q "use --arch 64" "$WORK/stderr" ||
    { echo "FAILED: wine-run gave no clear message: $(cat "$WORK/stderr")"; failures=$((failures + 1)); }

# A program file runs with the architecture it was built for, read from its PE header.
pe_file() {
    { printf 'MZ'; head -c 58 /dev/zero; printf '\100\000\000\000PE\000\000'; printf "$2"; } >"$1"
}
pe_file "$WORK/pe32.exe" '\114\001'
pe_file "$WORK/pe64.exe" '\144\206'
printf 'not a program' >"$WORK/text.exe"
of() { bash -c 'source "$1/tools/lib/arch.sh"; arch_of_program "$2"' of "$ROOT" "$1"; }
expect "a PE32 program" "$(of "$WORK/pe32.exe")" 32
expect "a PE32+ program" "$(of "$WORK/pe64.exe")" 64
expect "a file that is no program" "$(of "$WORK/text.exe")" ""
expect "a program of Wine's own" "$(of notepad.exe)" ""

if [[ $failures -ne 0 ]]; then exit 1; fi
echo "architecture choice: all cases pass"
