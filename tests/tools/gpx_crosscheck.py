#!/usr/bin/python3
"""Reads the GPX of a data file with an independent reader (gpxpy) and compares it with what
`trovix dump` reports: counts of waypoints, routes, route points, tracks and track points,
every name, and each track's length within 0.1 % of the tool's own distance.

Usage: gpx_crosscheck.py TROVIX FILE [CODEPAGE]
"""
import json
import subprocess
import sys

import gpxpy


def text(escaped, codec):
    # dump writes each byte of a text as one character (\\u00XX above ASCII).
    return escaped.encode("latin-1").decode(codec)


def main():
    trovix, path = sys.argv[1], sys.argv[2]
    code_page = sys.argv[3] if len(sys.argv) > 3 else "1252"
    codec = "cp" + code_page
    dump = json.loads(subprocess.run([trovix, "dump", path, "--codepage", code_page], check=True,
                                     stdout=subprocess.PIPE).stdout)
    gpx_text = subprocess.run([trovix, "gpx", path, "--codepage", code_page], check=True,
                              stdout=subprocess.PIPE).stdout.decode("utf-8")
    gpx = gpxpy.parse(gpx_text)

    failures = []

    def same(what, ours, theirs):
        status = "ok" if ours == theirs else "DIFFERENT"
        if ours != theirs:
            failures.append(what)
        print("%-22s dump %-8s gpxpy %-8s %s" % (what, ours if not isinstance(ours, list) else len(ours),
                                                theirs if not isinstance(theirs, list) else len(theirs), status))

    same("waypoints", len(dump["waypoints"]), len(gpx.waypoints))
    same("waypoint names", [text(w["name"], codec) for w in dump["waypoints"]], [w.name or "" for w in gpx.waypoints])
    same("routes", len(dump["routes"]), len(gpx.routes))
    same("route names", [text(r["name"], codec) for r in dump["routes"]], [r.name or "" for r in gpx.routes])
    same("route points", sum(len(r["points"]) for r in dump["routes"]), sum(len(r.points) for r in gpx.routes))
    same("route point names", [text(p["waypoint"], codec) for r in dump["routes"] for p in r["points"]],
         [p.name or "" for r in gpx.routes for p in r.points])
    same("tracks", len(dump["tracks"]), len(gpx.tracks))
    same("track names", [text(t["name"], codec) for t in dump["tracks"]], [t.name or "" for t in gpx.tracks])
    same("track points", sum(len(t["points"]) for t in dump["tracks"]), gpx.get_track_points_no())
    for ours, theirs in zip(dump["tracks"], gpx.tracks):
        length = theirs.length_2d()
        off = abs(length - ours["distance"]) / ours["distance"] if ours["distance"] else abs(length)
        ok = off <= 0.001
        if not ok:
            failures.append("length of " + theirs.name)
        print("track %-16s dump %.1f m  gpxpy %.1f m  (%.3f %%) %s" % (
            theirs.name, ours["distance"], length, off * 100, "ok" if ok else "DIFFERENT"))
    if failures:
        print("differences:", ", ".join(failures))
        return 1
    print("gpxpy agrees with dump")
    return 0


if __name__ == "__main__":
    sys.exit(main())
