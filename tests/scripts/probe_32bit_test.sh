#!/usr/bin/env bash
# The 32-bit probe answers the same whether or not the 32-bit runtime (wine32 and its i386
# libraries) is there: run it as is, then with those folders hidden in a mount namespace.
set -uo pipefail
probe=$(cd "$(dirname "$0")/../../scripts" && pwd)/can-run-32bit.sh
first=$(bash "$probe"; echo "status $?")
hidden=$(unshare -m bash -c '
  for d in /usr/lib/wine /usr/lib/i386-linux-gnu /usr/lib32; do
    [ -d "$d" ] && mount -t tmpfs none "$d"
  done
  bash "$1"; echo "status $?"' _ "$probe" 2>&1)
if [ $? -ne 0 ] && [[ $hidden != *status* ]]; then
  echo "probe: not run: cannot make a mount namespace here ($hidden)"
  exit 0
fi
if [ "$first" = "$hidden" ]; then
  echo "probe: the same answer with and without the 32-bit runtime: ${first##*status }"
  exit 0
fi
echo "probe: FAILED: '$first' with the runtime, '$hidden' without"
exit 1
