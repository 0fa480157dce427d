#!/usr/bin/env bash
# Tells whether the win32 build's programs can run here: the machine starts 32-bit programs and
# the 32-bit wine loader is installed. Exit 0: they can; 1: they cannot, with the reason on
# standard output.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if ! why=$(bash "$here/can-run-32bit.sh"); then
  echo "this machine cannot start 32-bit programs: $why"
  exit 1
fi
if [ ! -e /usr/lib/wine/wine ]; then
  echo "wine32:i386 is not installed (install-deps says why above)"
  exit 1
fi
if ! why=$(/usr/lib/wine/wine --version 2>&1 >/dev/null); then
  echo "the 32-bit wine loader does not start: ${why##*: }"
  exit 1
fi
