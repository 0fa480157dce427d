#!/usr/bin/env bash
# The main job on a fresh Debian 12 machine (as root): builds the Windows add-in, registers it and
# the stand-in add-in manager in a wine prefix, and lets the stand-in host create the add-in by its
# CLSID and run its import command on a data file (default examples/example.tbk), answering the
# dialogs as a person would. Prints the records the host received and the message shown, then
# compares the records with those `trovix records` makes of the same file without a host.
# The 32-bit add-in (the product) is used where the machine can start 32-bit programs, else the
# 64-bit build of the same sources. Installs what is missing first.
# Usage: scripts/import-example.sh [FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${TROVIX_IN_DISPLAY:-}" ]; then
  TROVIX_WIN32_TESTS=optional bash scripts/install-deps.sh >&2
  # One X display for every wine program of the run.
  exec env TROVIX_IN_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
file=$(realpath "${1:-examples/example.tbk}")

if why=$(bash scripts/win32-can-run.sh); then
  kind=win32
  echo "Using the 32-bit add-in (win32 build)."
else
  kind=win64
  echo "Using the 64-bit build of the add-in (win64): $why."
fi
build=build/$kind
cmake --preset "$kind" >/dev/null
cmake --build "$build" -j2 --target Trovix Trovix_LANG StandInManager standin_host >&2
cmake --preset native-release -B build/native-release >/dev/null
cmake --build build/native-release -j2 --target trovix >&2

winpath() { printf 'Z:%s' "$(realpath "$1" | tr / '\\')"; }
export WINEPREFIX=$PWD/$build/wineprefix-example
run() { bash cmake/wine-run.sh "$kind" "$@"; }
work=$(mktemp -d)
trap 'rm -rf "$work"; wineserver -k 2>/dev/null || true' EXIT

# The host's add-in manager first: the add-in announces itself to it when it registers.
run regsvr32.exe /s "$(winpath "$build/tests/host/StandInManager.dll")"
run regsvr32.exe /s "$(winpath "$build/addin/dll/Trovix.dll")"
run "$build/tests/host/standin_host.exe" --run OrvenImportCommand --pick "$(winpath "$file")" --answer-boxes \
    --records "$(winpath "$work")\\records.json" >"$work/host.txt" 2>&1 || {
  cat "$work/host.txt"
  exit 1
}

echo "Records the host received:"
cat "$work/records.json"
echo "Message shown:"
sed -n 's/^box: //p' "$work/host.txt"
build/native-release/tools/trovix records "$file" >"$work/expected.json"
if cmp -s "$work/records.json" "$work/expected.json"; then
  echo "The records equal those of: trovix records $file"
else
  echo "The records differ from those of: trovix records $file" >&2
  diff "$work/expected.json" "$work/records.json" >&2 || true
  exit 1
fi
