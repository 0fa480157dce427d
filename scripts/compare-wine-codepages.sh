#!/usr/bin/env bash
# Lists, per code page, the bytes 0x80..0xFF where wine's C run-time (64-bit, in the locale
# ".CP") answers otherwise than the generated code page tables: lead byte, classes, upper and
# lower case. Wine is no oracle for the tables (its run-time does not build them by the rule);
# this shows where it differs, for tests that lean on it.
# Usage: scripts/compare-wine-codepages.sh   (after scripts/install-deps.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"; WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true' EXIT
pages="874 1250 1251 1252 1253 1254 1255 1256 1257 1258 932 936 949 950"
x86_64-w64-mingw32-gcc -O1 -static -o "$work/probe.exe" scripts/wine-ctype-probe.c
WINEPREFIX=$work/prefix bash cmake/wine-run.sh win64 "$work/probe.exe" $pages 2>/dev/null | tr -d '\r' >"$work/wine.txt"
/usr/bin/python3 - "$work/wine.txt" tests/base/data/codepages.txt <<'PY'
import sys
def rows(path):
    out = {}
    for line in open(path):
        f = line.split()
        if len(f) >= 6 and f[2] in ("lead", "single"):
            out[(f[0], f[1])] = (f[2], "".join(sorted(f[3].replace("-", ""))), f[4], f[5])
    return out
wine, tables = rows(sys.argv[1]), rows(sys.argv[2])
pages = []
for cp, byte in tables:
    if cp not in pages:
        pages.append(cp)
for cp in pages:
    diffs = []
    for b in range(0x80, 0x100):
        key = (cp, "%02X" % b)
        if key not in wine:
            diffs = ["wine has no locale .%s" % cp]
            break
        w, t = wine[key], tables[key]
        what = [name for name, x, y in zip(("lead", "classes", "upper", "lower"), w, t) if x != y]
        if what:
            diffs.append("%02X (%s: wine %s, tables %s)" % (b, ", ".join(what),
                         " ".join(w[i] or "-" for i in range(4)), " ".join(t[i] or "-" for i in range(4))))
    print("%s: %d bytes differ" % (cp, len(diffs)) + ("" if not diffs else ": " + "; ".join(diffs)))
PY
