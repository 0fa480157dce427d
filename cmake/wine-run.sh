#!/usr/bin/env bash
# Runs a Windows program under wine of the given kind, in a prefix kept inside the build folder.
# Usage: wine-run.sh win32|win64 PROGRAM [ARGS...]
# win64 calls the 64-bit loader itself: the `wine` launcher prefers the 32-bit one whenever wine32
# is installed, and wineboot, regsvr32 and reg go through the launcher too.
# The prefix is created on first use (under a lock, as tests may start in parallel).
set -euo pipefail
arch=$1
shift
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TROVIX_WINE_BUILD:-$root/build/$arch}
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
case $arch in
  win32) wine=(/usr/lib/wine/wine) ;;
  win64) wine=(/usr/lib/wine/wine64); export WINELOADER=/usr/lib/wine/wine64 WINEARCH=win64 ;;
  *) echo "wine-run.sh: unknown kind $arch" >&2; exit 2 ;;
esac
mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.trovix-ready" ]; then
    "${wine[@]}" wineboot.exe -i >/dev/null 2>&1 || true
    "${wine[@]}" reg.exe add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "${wine[@]}" reg.exe add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.trovix-ready"
  fi
) 9>"$WINEPREFIX.lock"
exec "${wine[@]}" "$@"
