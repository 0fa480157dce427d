#!/usr/bin/env bash
# The main job on a fresh Debian 12 machine (as root): installs what is missing, builds the
# release tool and prints the JSON of the example data file (or of the file given).
# Usage: scripts/dump-example.sh [FILE]      build folder: $TROVIX_BUILD (default build/native-release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TROVIX_BUILD:-build/native-release}
file=${1:-examples/example.tbk}

TROVIX_WIN32_TESTS=optional bash scripts/install-deps.sh >&2
cmake --preset native-release -B "$build" >/dev/null
cmake --build "$build" -j2 --target trovix >&2
exec "$build/tools/trovix" dump "$file"
