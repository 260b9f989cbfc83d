#!/bin/bash
# Checks that the deliverable is a 32-bit Windows GUI program that needs no DLL beyond
# those every Windows installation has.
#   check-exe.sh OBJDUMP EXE
set -euo pipefail
objdump="$1" exe="$2"
headers="$("$objdump" -p "$exe")"

grep -q "file format pei-i386" <<<"$headers" || { echo "$exe is not a PE32 i386 image"; exit 1; }
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
