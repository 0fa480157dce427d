#!/usr/bin/env bash
# Compares every output of every command of this tree's tool with those of BASE_REV's, byte for
# byte: standard output, standard error, the exit status, -o files and -d folders, on the
# example, a Shift-JIS file (--codepage 932), a Cyrillic file (1251), tracks and a route across
# the antimeridian, a damaged file (with and without --partial), 200,000 waypoints and 20 tracks
# of 100,000 points. BASE_REV's tool is built in a temporary worktree; the data files come from
# this tree's make_example. Prints one line per output that differs and a count; exit 1 when
# any differs.
# Usage: scripts/compare-outputs.sh BASE_REV [--small]   (--small: without the two big files)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
base_rev=${1:?usage: scripts/compare-outputs.sh BASE_REV [--small]}
small=${2:-}
build=build/native-release

work=$(mktemp -d /tmp/trovix-compare.XXXXXX)
cleanup() {
  git -C "$root" worktree remove --force "$work/base" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

echo "building this tree's tool and make_example" >&2
export CCACHE_NOHASHDIR=true
CCACHE_BASEDIR=$root cmake --preset native-release >/dev/null
CCACHE_BASEDIR=$root cmake --build "$build" -j2 --target trovix make_example >&2

echo "building the tool of $base_rev ($(git rev-parse --short "$base_rev"))" >&2
git worktree add --detach "$work/base" "$base_rev" >/dev/null 2>&1
(cd "$work/base" && CCACHE_BASEDIR=$work/base cmake --preset native-release -DTROVIX_BENCH=OFF >/dev/null &&
  CCACHE_BASEDIR=$work/base cmake --build build/native-release -j2 --target trovix >&2)

in=$work/in
mkdir -p "$in"
cp examples/example.tbk "$in/example.tbk"
"$build/tbk/example/make_example" --samples "$in" >/dev/null
if [ "$small" != --small ]; then
  "$build/tbk/example/make_example" --waypoints 200000 "$in/waypoints-200000.tbk" >/dev/null
  "$build/tbk/example/make_example" --tracks 20 100000 "$in/tracks-20x100000.tbk" >/dev/null
fi

# FILE and its options, one a line.
cases=(
  "example.tbk"
  "shift-jis.tbk --codepage 932"
  "cyrillic.tbk --codepage 1251"
  "antimeridian.tbk"
  "damaged.tbk"
  "damaged.tbk --partial"
)
if [ "$small" != --small ]; then
  cases+=("waypoints-200000.tbk" "tracks-20x100000.tbk")
fi
commands=(dump records gpx kml geojson csv "csv --track-points" html)

# run TOOL OUTDIR: every command of every case into OUTDIR.
run() {
  local tool=$1 out=$2 c cmd file opts name
  mkdir -p "$out"
  cd "$in"
  "$tool" --help >"$out/help.out" 2>"$out/help.err" && echo $? >"$out/help.rc" || echo $? >"$out/help.rc"
  for cmd in "${commands[@]}"; do
    name=${cmd// /_}
    "$tool" $cmd --help >"$out/help-$name.out" 2>"$out/help-$name.err" && echo 0 >"$out/help-$name.rc" ||
      echo $? >"$out/help-$name.rc"
    for c in "${cases[@]}"; do
      file=${c%% *}
      opts=${c#"$file"}
      local stem="$name.$file${opts// /_}"
      "$tool" $cmd "$file" $opts >"$out/$stem.out" 2>"$out/$stem.err" && echo 0 >"$out/$stem.rc" ||
        echo $? >"$out/$stem.rc"
      case $cmd in dump | records) ;; *)
        "$tool" $cmd "$file" $opts -o "$out/$stem.file" >/dev/null 2>&1 || true ;;
      esac
    done
    # Several FILEs into a folder, and standard input.
    mkdir -p "$out/d-$name"
    "$tool" $cmd -d "$out/d-$name" example.tbk antimeridian.tbk damaged.tbk missing.tbk \
      >"$out/d-$name.out" 2>"$out/d-$name.err" && echo 0 >"$out/d-$name.rc" || echo $? >"$out/d-$name.rc"
    "$tool" $cmd - --codepage 1251 <cyrillic.tbk >"$out/stdin-$name.out" 2>"$out/stdin-$name.err" &&
      echo 0 >"$out/stdin-$name.rc" || echo $? >"$out/stdin-$name.rc"
  done
  cd "$root"
}

echo "running both tools" >&2
run "$work/base/$build/tools/trovix" "$work/before"
run "$root/$build/tools/trovix" "$work/after"

differ=0
same=0
while IFS= read -r -d '' f; do
  rel=${f#"$work/before/"}
  if [ ! -e "$work/after/$rel" ]; then
    echo "missing now: $rel"
    differ=$((differ + 1))
  elif cmp "$f" "$work/after/$rel"; then
    same=$((same + 1))
  else
    differ=$((differ + 1))
  fi
done < <(find "$work/before" -type f -print0 | sort -z)
while IFS= read -r -d '' f; do
  rel=${f#"$work/after/"}
  if [ ! -e "$work/before/$rel" ]; then
    echo "new now: $rel"
    differ=$((differ + 1))
  fi
done < <(find "$work/after" -type f -print0 | sort -z)
echo "$same outputs identical, $differ differ (against $(git rev-parse --short "$base_rev"))"
[ "$differ" -eq 0 ]
