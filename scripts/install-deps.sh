#!/usr/bin/env bash
# Installs what the builds and tests need on a fresh Debian 12 machine (run as root).
# Skips everything already present, so it is cheap to run before every build.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

want_native=(cmake g++ make ninja-build ccache googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev xxd python3-pefile unicode-data
             libxml2-utils python3-gpxpy gdal-bin gpsbabel python3-geojson python3-fastkml
             chromium fonts-dejavu-core python3-pil python3-websocket)
# wine32 serves the 32-bit tests where the machine can start 32-bit programs; wine64 the 64-bit ones.
want_win=(locales g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine32:i386 wine64
          xvfb xauth)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  updated=0
fi

for p in "${want_native[@]}" "${want_win[@]}"; do
  have_pkg "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ] || [ "${updated:-1}" = 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  if [ ${#need[@]} -gt 0 ]; then
    apt-get install -y -qq --no-install-recommends "${need[@]}"
  fi
fi

# Wine's IDL files (for widl's imports of the standard OLE interfaces) without pulling in
# the whole wine development package: unpack just that package into a private folder.
idl_root=/opt/trovix-wine-idl
if [ ! -f "$idl_root/usr/include/wine/wine/windows/oaidl.idl" ]; then
  tmp=$(mktemp -d)
  (cd "$tmp" && apt-get download -qq libwine-dev)
  mkdir -p "$idl_root"
  dpkg-deb -x "$tmp"/libwine-dev_*.deb "$idl_root"
  rm -rf "$tmp"
fi

# The add-in's test on a Russian system runs wine under this locale.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ru_RU.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
