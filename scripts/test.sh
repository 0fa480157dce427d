#!/usr/bin/env bash
# Builds both presets and runs every test of both builds; fails when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset win32 >/dev/null
cmake --build --preset win32
# One X display for the whole Windows run: wine programs must not start display-less.
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset win32
