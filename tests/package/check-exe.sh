#!/bin/bash
# Checks that a build's Snapvale is a Windows GUI program of the build's architecture (PE32
# for 32-bit, PE32+ for 64-bit) that needs no DLL beyond those every Windows installation has.
#   check-exe.sh OBJDUMP EXE 32|64
set -euo pipefail
objdump="$1" exe="$2" arch="$3"
headers="$("$objdump" -p "$exe")"

case "$arch" in
32) format="pei-i386" magic="010b" kind="PE32 i386" ;;
64) format="pei-x86-64" magic="020b" kind="PE32+ x86-64" ;;
*) echo "check-exe.sh: architecture must be 32 or 64, not '$arch'"; exit 2 ;;
esac
grep -q "file format $format\$" <<<"$headers" || { echo "$exe is not a $kind image"; exit 1; }
grep -Eq "^Magic[[:space:]]+$magic([[:space:]]|\$)" <<<"$headers" ||
    { echo "$exe has not the optional header of a $kind image"; exit 1; }
grep -Eq "^Subsystem[[:space:]]+0+2[[:space:]]" <<<"$headers" || { echo "$exe is not a GUI program"; exit 1; }

system_dlls="kernel32 user32 gdi32 msvcrt advapi32 shell32 comdlg32 comctl32 ole32 oleaut32 \
shlwapi msimg32 uxtheme winmm version imm32 ws2_32"
status=0
while read -r dll; do
    name="$(tr '[:upper:]' '[:lower:]' <<<"${dll%.*}")"
    if ! grep -qw "$name" <<<"$system_dlls"; then
        echo "$exe depends on a DLL that Windows does not provide: $dll"
        status=1
    fi
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
exit $status
