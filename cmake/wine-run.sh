#!/usr/bin/env bash
# Runs a Windows program under wine in a prefix kept inside the build folder.
# The prefix is created on first use (under a lock, as tests may start in parallel).
set -euo pipefail
build=${TROVIX_WINE_BUILD:-$(cd "$(dirname "$0")/.." && pwd)/build/win32}
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.trovix-ready" ]; then
    wineboot -i >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.trovix-ready"
  fi
) 9>"$WINEPREFIX.lock"
exec wine "$@"
