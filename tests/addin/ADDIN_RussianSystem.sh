#!/usr/bin/env bash
# The add-in on a Russian system: wine with LANG=ru_RU.UTF-8, where the system code page is 1251,
# imports a file of Cyrillic names through the stand-in host; the records it makes must equal
# those that `trovix records --codepage 1251` makes of the same file (kept beside it). The names
# keep to bytes where wine's run-time classifies and cases as the tables do (see
# scripts/compare-wine-codepages.sh): the order of the records follows those answers.
# Usage: ADDIN_RussianSystem.sh KIND ADDIN_DLL MANAGER_DLL HOST_EXE DATA_FILE EXPECTED_JSON PREFIX
set -euo pipefail
kind=$1 addin=$2 manager=$3 host=$4 data=$5 expected=$6 prefix=$7
here=$(cd "$(dirname "$0")" && pwd)
export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 WINEPREFIX=$prefix
if ! locale -a | grep -qi '^ru_RU\.utf-\?8$'; then
  echo "the locale ru_RU.UTF-8 is not generated (scripts/install-deps.sh makes it)" >&2
  exit 1
fi
winpath() { printf 'Z:%s' "$(realpath "$1" | tr / '\\')"; }
run() { bash "$here/../../cmake/wine-run.sh" "$kind" "$@"; }
work=$(mktemp -d)
trap 'rm -rf "$work"; wineserver -k 2>/dev/null || true' EXIT
run regsvr32.exe /s "$(winpath "$manager")"
run regsvr32.exe /s "$(winpath "$addin")"
if ! run "$host" --run OrvenImportCommand --pick "$(winpath "$data")" --answer-boxes \
    --records "$(winpath "$work")\\records.json" >"$work/host.txt" 2>&1; then
  cat "$work/host.txt"
  exit 1
fi
if ! cmp -s "$work/records.json" "$expected"; then
  diff "$expected" "$work/records.json" || true
  exit 1
fi
echo "the add-in under LANG=ru_RU.UTF-8 made the records of trovix records --codepage 1251"
