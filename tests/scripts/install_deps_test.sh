#!/usr/bin/env bash
# The install script's decisions, without a network: apt-get, dpkg-query and the 32-bit probe are
# stubs that answer as a table row says, and the script's exit status and words are checked.
set -uo pipefail
src=$(cd "$(dirname "$0")/../../scripts" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A copy of the script beside a stub probe, and stubs of the package tools first on PATH.
mkdir -p "$work/scripts" "$work/bin" "$work/idl/usr/include/wine/wine/windows"
cp "$src/install-deps.sh" "$work/scripts/"
touch "$work/idl/usr/include/wine/wine/windows/oaidl.idl"
cat >"$work/scripts/can-run-32bit.sh" <<'STUB'
[ "$STUB_32BIT" = yes ] && exit 0
echo "Exec format error"; exit 1
STUB
cat >"$work/bin/dpkg-query" <<'STUB'
#!/bin/bash
pkg=${@: -1}
if grep -qx "$pkg" "$STUB_STATE" || { [ "$STUB_HAVE_ALL" = yes ] && [ "$pkg" != wine32:i386 ]; }; then
  printf 'install ok installed'
else
  exit 1
fi
STUB
cat >"$work/bin/apt-get" <<'STUB'
#!/bin/bash
echo "apt-get $*" >>"$STUB_LOG"
case $1 in
  update)
    if [ "$STUB_UPDATE" = fail ]; then
      echo "E: Failed to fetch http://example.invalid/binary-i386/Packages.xz  File has unexpected size"
      echo "E: Some index files failed to download."
      exit 100
    fi ;;
  install)
    for p in "$@"; do
      case " $STUB_BROKEN " in *" $p "*) echo "E: Unable to locate package $p"; exit 100 ;; esac
    done
    for p in "$@"; do case $p in -*) ;; *) echo "$p" >>"$STUB_STATE" ;; esac; done ;;
esac
STUB
printf '#!/bin/sh\necho i386\n' >"$work/bin/dpkg"
printf '#!/bin/sh\necho ru_RU.utf8\n' >"$work/bin/locale"
chmod +x "$work/bin/"*

passed=0 failed=0
# name | 32-bit programs start | all else installed | update | broken packages | TROVIX_WIN32_TESTS
#      | exit status | words expected on standard error ('-' none) | words that must not appear
cases=(
  "nothing missing, no 32-bit|no|yes|ok||required|0|wine32:i386 not installed: this machine cannot start 32-bit programs|cannot install"
  "index fails, packages install|no|no|fail||required|0|could not be fetched after 3 tries|cannot install"
  "a needed package fails|no|no|ok|gdal-bin|required|1|cannot install gdal-bin: Unable to locate package gdal-bin|-"
  "index fails and a package fails|no|no|fail|xvfb|required|1|cannot install xvfb|-"
  "wine32 fails, no 32-bit: goes on|no|yes|fail|wine32:i386|required|0|cannot start 32-bit programs|cannot install"
  "wine32 fails where 32-bit runs: stops|yes|yes|fail|wine32:i386|required|1|cannot install wine32:i386: Unable to locate package|-"
  "wine32 fails, tests optional: goes on|yes|yes|fail|wine32:i386|optional|0|cannot install wine32:i386|-"
  "wine32 installs where 32-bit runs|yes|yes|ok||required|0|-|cannot install"
)
for row in "${cases[@]}"; do
  IFS='|' read -r name bit32 have update broken mode want_status want_words bad_words <<<"$row"
  : >"$work/state"; : >"$work/log"
  err=$(PATH="$work/bin:$PATH" STUB_32BIT=$bit32 STUB_HAVE_ALL=$have STUB_UPDATE=$update \
        STUB_BROKEN=$broken STUB_STATE="$work/state" STUB_LOG="$work/log" TROVIX_WIN32_TESTS=$mode \
        TROVIX_APT_UPDATE_PAUSE=0 TROVIX_WINE_IDL_ROOT="$work/idl" \
        bash "$work/scripts/install-deps.sh" 2>&1 >/dev/null)
  status=$?
  why=""
  [ "$status" = "$want_status" ] || why="exit $status, expected $want_status"
  [ "$want_words" = - ] || grep -qF -- "$want_words" <<<"$err" || why="$why; missing '$want_words'"
  [ "$bad_words" = - ] || ! grep -qF -- "$bad_words" <<<"$err" || why="$why; unexpected '$bad_words'"
  if [ "$have" = yes ] && [ "$bit32" = no ] && grep -q . "$work/log"; then why="$why; called apt-get with nothing to do"; fi
  if [ -z "$why" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $name: $why"
    printf '  %s\n' "$err"
  fi
done
echo "install-deps: $passed passed, $failed failed"
[ "$failed" = 0 ]
