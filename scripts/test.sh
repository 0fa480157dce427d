#!/usr/bin/env bash
# Builds every preset that has tests and runs them; fails when any test fails.
#   native  Linux g++ with ASan and UBSan
#   wasm    the page trovix-web.html (emscripten), tests under node and headless Chromium
#   win64   the Windows sources for x86_64, tests under wine64 (runs on every machine of this kind)
#   win32   the product (i686): always built and checked as files; its tests run under wine32
#           where the machine can start 32-bit programs
set -euo pipefail
cd "$(dirname "$0")/.."
# A machine that could run the 32-bit tests but cannot install wine32 (its package index failing,
# say) still builds and checks the win32 files, and says why the tests were not run.
TROVIX_WIN32_TESTS=optional bash scripts/install-deps.sh
# Object files of unchanged sources come from the cache, whichever folder the clone is in (the
# debug builds' objects too: their folder is left out of the cache's key).
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

# The page in the browser (WebAssembly): its module under node and the page in Chromium give the
# bytes of the native tool built above; its times are measured against the release build's tool.
cmake --preset native-release >/dev/null
cmake --build --preset native-release --target trovix
cmake --preset wasm >/dev/null
cmake --build --preset wasm
ctest --preset wasm -LE bench

cmake --preset win64 >/dev/null
cmake --build --preset win64
bash scripts/windows-tests.sh win64

cmake --preset win32 >/dev/null
if why=$(bash scripts/win32-can-run.sh); then
  cmake --build --preset win32
  ctest --preset win32 -L static
  bash scripts/windows-tests.sh win32 -LE static
else
  # Nothing here can run the 32-bit tests: build only the two files that are checked as files.
  cmake --build --preset win32 --target Trovix Trovix_LANG
  ctest --preset win32 -L static
  echo "win32: the 32-bit tests were not run: $why"
fi
