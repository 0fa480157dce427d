#!/usr/bin/env bash
# Installs what the builds and tests need on a fresh Debian 12 machine (run as root).
# Skips everything already present, so it is cheap to run before every build.
#
# A package index that cannot be fetched (a mirror in the middle of a sync, say) is retried a few
# times and then left out: what matters is whether the packages install. The run stops only when
# a package that is needed cannot be installed, naming it with apt's reason.
#
# wine32 (i386) serves only the 32-bit tests, so it is needed only where this machine can start
# 32-bit programs. Where it can but wine32 cannot be installed, the run stops, unless
# TROVIX_WIN32_TESTS=optional, which the test command sets: it then builds and checks the win32
# files, and says in one line that their tests were not run and why.
#
# Exit status: 0 everything needed is there; 1 a needed package could not be installed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

update_tries=${TROVIX_APT_UPDATE_TRIES:-3}
update_pause=${TROVIX_APT_UPDATE_PAUSE:-10}
idl_root=${TROVIX_WINE_IDL_ROOT:-/opt/trovix-wine-idl}
export DEBIAN_FRONTEND=noninteractive

want=(cmake g++ make ninja-build ccache googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
      xxd python3-pefile unicode-data
      libxml2-utils python3-gpxpy gdal-bin libgdal-dev python3-gdal python3-geopandas gpsbabel python3-geojson
      python3-fastkml python3-shapely
      chromium fonts-dejavu-core python3-pil python3-websocket
      locales g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64
      xvfb xauth emscripten node-acorn)

have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
say() { echo "install-deps: $*" >&2; }

# The first error apt printed: the cause, where later lines are its consequences.
apt_reason() { grep -E '^E: ' "$1" | head -n 1 | sed 's/^E: //'; }

updated=no
update_index() {
  [ "$updated" = yes ] && return 0
  updated=yes
  local log try
  log=$(mktemp)
  for ((try = 1; try <= update_tries; try++)); do
    # apt-get update exits 0 for some failed indexes and 100 for others: any error line counts.
    if apt-get update -qq >"$log" 2>&1 && ! grep -q '^E: ' "$log"; then
      rm -f "$log"
      return 0
    fi
    [ "$try" -lt "$update_tries" ] && sleep "$update_pause"
  done
  say "a package index could not be fetched after $update_tries tries; going on with the others ($(apt_reason "$log"))"
  rm -f "$log"
}

# Installs the given packages; on failure, tries them one by one to name the one that fails.
# Prints the names of the packages that could not be installed, each with apt's reason.
install_pkgs() {
  local log p
  log=$(mktemp)
  if apt-get install -y -qq --no-install-recommends "$@" >"$log" 2>&1; then
    rm -f "$log"
    return 0
  fi
  for p in "$@"; do
    have_pkg "$p" && continue
    if ! apt-get install -y -qq --no-install-recommends "$p" >"$log" 2>&1; then
      echo "$p: $(apt_reason "$log")"
    fi
  done
  rm -f "$log"
}

need=()
for p in "${want[@]}"; do
  have_pkg "$p" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  update_index
  failed=$(install_pkgs "${need[@]}")
  if [ -n "$failed" ]; then
    while IFS= read -r line; do say "cannot install $line"; done <<<"$failed"
    exit 1
  fi
fi

# The 32-bit runtime, only where 32-bit programs can start.
if why32=$(bash "$here/can-run-32bit.sh"); then
  if ! have_pkg wine32:i386; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      dpkg --add-architecture i386
      updated=no
    fi
    update_index
    failed=$(install_pkgs wine32:i386)
    if [ -n "$failed" ]; then
      say "cannot install $failed"
      if [ "${TROVIX_WIN32_TESTS:-required}" != optional ]; then
        exit 1
      fi
    fi
  fi
else
  have_pkg wine32:i386 || say "wine32:i386 not installed: this machine cannot start 32-bit programs ($why32)"
fi

# Wine's IDL files (for widl's imports of the standard OLE interfaces) without pulling in
# the whole wine development package: unpack just that package into a private folder.
if [ ! -f "$idl_root/usr/include/wine/wine/windows/oaidl.idl" ]; then
  update_index_if_empty() { apt-cache show libwine-dev >/dev/null 2>&1 || update_index; }
  update_index_if_empty
  tmp=$(mktemp -d)
  if ! (cd "$tmp" && apt-get download -qq libwine-dev) >"$tmp/log" 2>&1; then
    say "cannot download libwine-dev: $(apt_reason "$tmp/log")"
    rm -rf "$tmp"
    exit 1
  fi
  mkdir -p "$idl_root"
  dpkg-deb -x "$tmp"/libwine-dev_*.deb "$idl_root"
  rm -rf "$tmp"
fi

# The add-in's test on a Russian system runs wine under this locale.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ru_RU.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
