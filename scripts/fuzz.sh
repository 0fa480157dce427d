#!/usr/bin/env bash
# Builds the libFuzzer targets over the data-file loader (clang, ASan + UBSan) and runs TARGET
# (fuzz_load, under code page 1252, or fuzz_load_932, under 932; default fuzz_load) for SECONDS
# (default 60) on one core; two runs of different targets may go side by side once both are
# built. Starts from the builder's seed files (written to fuzz/corpus);
# the inputs it discovers stay in the build folder, its findings (crash-*, timeout-*, oom-*,
# leak-*) go to fuzz/regressions/, where the normal test run replays them.
# Usage: scripts/fuzz.sh [SECONDS [TARGET]]   build folder: $TROVIX_FUZZ_BUILD (default build/fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
target=${2:-fuzz_load}
build=${TROVIX_FUZZ_BUILD:-build/fuzz}

TROVIX_WIN32_TESTS=optional bash scripts/install-deps.sh
cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" -j2 --target fuzz_load fuzz_load_932 fuzz_seeds

"$build/fuzz/fuzz_seeds" fuzz/corpus >/dev/null
mkdir -p "$build/corpus-$target" fuzz/regressions
# -timeout: a load that takes seconds is a hang; -rss_limit_mb/-malloc_limit_mb: memory must stay
# in proportion to the few kilobytes of input.
"$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=256 \
    -max_len=16384 -print_final_stats=1 -artifact_prefix=fuzz/regressions/ \
    "$build/corpus-$target" fuzz/corpus fuzz/regressions
