#!/usr/bin/env bash
# Checks Trovix.dll's export table (the four COM entry points by name, ordinals 1 to 4 in order, nothing
# else) and that it imports system DLLs only (the run-time is linked in statically).
# Usage: ADDIN_CheckExports.sh OBJDUMP DLL
set -euo pipefail
objdump=$1
dll=$2
dump=$("$objdump" -p "$dll")
fail() { echo "FAIL: $*"; echo "$dump" | sed -n '/export table/,/^PE File Base Relocations/p' | head -40; exit 1; }

grep -q "Export Address Table -- Ordinal Base 1" <<<"$dump" || fail "ordinal base is not 1"
# "[n] name": n is the entry's index in the address table, its ordinal less the base.
names=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" | grep '^\s\+\[' | sed 's/^\s*//')
expected='[   0] DllCanUnloadNow
[   1] DllGetClassObject
[   2] DllRegisterServer
[   3] DllUnregisterServer'
[ "$names" = "$expected" ] || fail "exports are: $names"

system='^(KERNEL32|USER32|ADVAPI32|GDI32|ole32|OLEAUT32|VERSION|msvcrt|COMDLG32|SHELL32|SHLWAPI)\.dll$'
while read -r imported; do
  [[ $imported =~ $system ]] || fail "imports $imported"
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
echo "exports and imports of $dll are as expected"
