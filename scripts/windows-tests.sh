#!/usr/bin/env bash
# Runs the tests of a Windows build (win32 or win64) under wine of that kind, inside one X display.
# Wine's system processes are started once per prefix before ctest and stopped afterwards: left to
# themselves they hold every test program's output pipe for seconds after it ends.
# Usage: scripts/windows-tests.sh win32|win64 [CTEST ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${TROVIX_IN_DISPLAY:-}" ]; then
  # One X display for the whole run: wine programs must not start display-less.
  exec env TROVIX_IN_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
kind=$1
shift
prefixes=("$PWD/build/$kind/wineprefix" "$PWD/build/$kind/wineprefix-addin")

for prefix in "${prefixes[@]}"; do
  # The first run creates the prefix; once its server is gone, one that stays until it is told to
  # go is started, and the system processes with it.
  WINEPREFIX=$prefix bash cmake/wine-run.sh "$kind" cmd.exe /c exit >/dev/null 2>&1 || true
  WINEPREFIX=$prefix wineserver -w
  WINEPREFIX=$prefix wineserver -p
  WINEPREFIX=$prefix bash cmake/wine-run.sh "$kind" cmd.exe /c exit >/dev/null 2>&1 || true
done
status=0
ctest --preset "$kind" "$@" || status=$?
for prefix in "${prefixes[@]}"; do
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
done
exit $status
