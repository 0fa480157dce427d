#!/usr/bin/python3
"""Reads the KML, GeoJSON and CSV of a data file with independent readers and compares them with
what `trovix dump` reports: GDAL (ogr2ogr) reads every format back with the same counts of
waypoints, routes and tracks, every name, and every position within a semicircle; gpsbabel and
python3-fastkml read the KML, python3-geojson checks the GeoJSON's objects, and Python's csv
module reads the CSV with the same rows as dump.

Usage: exports_crosscheck.py TROVIX FILE [CODEPAGE]
"""
import csv
import io
import json
import os
import subprocess
import sys
import tempfile
import warnings

warnings.simplefilter("ignore")  # fastkml warns that lxml is missing
import geojson  # noqa: E402
from fastkml import kml  # noqa: E402

SEMICIRCLE = 180.0 / 2 ** 31
# The exports' names of the fields dump names by position: the labels the file's program gives
# them in the handheld record (the note's lines, the record's texts 1 to 4).
EXPORT_NAMES = {"text_1": "comment", "text_4": "description", "text_6": "notes", "text_7": "details",
                "real_2": "distance_m", "text_5": "handheld_text_1", "text_2": "handheld_text_2",
                "text_3": "handheld_text_3", "id_text": "handheld_text_4"}
failures = []


def check(what, ok, detail=""):
    print("%-44s %s %s" % (what, "ok" if ok else "DIFFERENT", "" if ok else detail))
    if not ok:
        failures.append(what)


def run(*args):
    return subprocess.run(args, check=True, stdout=subprocess.PIPE).stdout


def near(theirs, ours):
    """theirs: [lon, lat, ...] in degrees; ours: [lat, lon] in semicircles."""
    return (abs(theirs[1] / SEMICIRCLE - ours[0]) < 1 and abs(theirs[0] / SEMICIRCLE - ours[1]) < 1)


def same_line(coordinates, positions):
    return len(coordinates) == len(positions) and all(near(c, p) for c, p in zip(coordinates, positions))


def ogr(path, layer=None):
    """The features GDAL reads from path (one layer, or the only one)."""
    args = ["ogr2ogr", "-f", "GeoJSON", "/vsistdout/", path] + ([layer] if layer else [])
    return json.loads(run(*args))["features"]


def main():
    trovix, path = sys.argv[1], sys.argv[2]
    code_page = sys.argv[3] if len(sys.argv) > 3 else "1252"

    def text(escaped):  # dump writes each byte of a text as one character
        return escaped.encode("latin-1").decode("cp" + code_page)

    dump = json.loads(run(trovix, "dump", path, "--codepage", code_page))
    waypoints = [(text(w["name"]), [w["latitude"], w["longitude"]]) for w in dump["waypoints"]]
    routes, tracks = [], []
    for r in dump["routes"]:
        # The path as drawn: each route point's waypoint, then the link points stored after it.
        where = {w["name"]: [w["latitude"], w["longitude"]] for w in dump["waypoints"]}
        line = []
        for p in r["points"]:
            for q in [where[p["waypoint"]]] + [lp[:2] for lp in p["link_points"]]:
                if not line or line[-1] != q:
                    line.append(q)
        routes.append((text(r["name"]), line))
    for t in dump["tracks"]:
        tracks.append((text(t["name"]), [p[:2] for p in t["points"]]))

    folder = tempfile.mkdtemp()
    out = {}
    for form in ["kml", "geojson", "csv"]:
        out[form] = os.path.join(folder, "example." + form)
        run(trovix, form, path, "--codepage", code_page, "-o", out[form])
    points_csv = os.path.join(folder, "points.csv")
    run(trovix, "csv", path, "--codepage", code_page, "--track-points", "-o", points_csv)

    # GDAL, every format.
    for form, layers in [("kml", [("Waypoints", waypoints), ("Routes", routes), ("Tracks", tracks)]),
                         ("geojson", [("waypoint", waypoints), ("route", routes), ("track", tracks)])]:
        features = ogr(out[form]) if form == "geojson" else None
        for layer, ours in layers:
            theirs = ogr(out[form], layer) if form == "kml" else [
                f for f in features if f["properties"]["kind"] == layer]
            names = [f["properties"].get("Name" if form == "kml" else "name") for f in theirs]
            check("ogr %s %s: count" % (form, layer), len(theirs) == len(ours), "%d %d" % (len(theirs), len(ours)))
            check("ogr %s %s: names" % (form, layer), names == [n for n, _ in ours], names)
            geometries = [f["geometry"]["coordinates"] for f in theirs]
            if layer.lower().startswith("waypoint"):
                ok = all(near(g, p) for g, (_, p) in zip(geometries, ours))
            else:
                ok = all(same_line(g, line) for g, (_, line) in zip(geometries, ours))
            check("ogr %s %s: positions" % (form, layer), ok)
    rows = ogr(out["csv"])
    check("ogr csv: waypoint names", [f["properties"]["name"] for f in rows] == [n for n, _ in waypoints])

    # gpsbabel and fastkml read the KML.
    gpx = run("gpsbabel", "-i", "kml", "-f", out["kml"], "-o", "gpx", "-F", "-").decode("utf-8")
    check("gpsbabel kml: waypoints", gpx.count("<wpt ") == len(waypoints))
    check("gpsbabel kml: lines", gpx.count("<trk>") == len(routes) + len(tracks))
    check("gpsbabel kml: every name", all("<name>%s</name>" % n.replace("&", "&amp;") in gpx
                                          for n, _ in waypoints + routes + tracks))
    document = kml.KML()
    document.from_string(open(out["kml"], "rb").read())
    folders = list(list(document.features())[0].features())
    check("fastkml: folders and names", [[p.name for p in f.features()] for f in folders] ==
          [[n for n, _ in kind] for kind in (waypoints, routes, tracks)])

    # python3-geojson: valid objects.
    collection = geojson.loads(open(out["geojson"], encoding="utf-8").read())
    check("geojson: valid", collection.is_valid, collection.errors())

    # Python's csv module: the same rows as dump.
    with open(out["csv"], newline="", encoding="utf-8") as f:
        raw = f.read()
    check("csv: CRLF line ends", raw.count("\r\n") == raw.count("\n") == len(waypoints) + 1)
    table = list(csv.DictReader(io.StringIO(raw, newline="")))

    def cell(value):
        if value is None:
            return ""
        if isinstance(value, str):
            return text(value)
        return value

    same = len(table) == len(dump["waypoints"])
    for row, w in zip(table, dump["waypoints"]):
        same = same and near([float(row["longitude"]), float(row["latitude"])], [w["latitude"], w["longitude"]])
        for key, value in w.items():
            if key in ("latitude", "longitude"):
                continue
            mine = cell(value)
            theirs = row[EXPORT_NAMES.get(key, key)]
            same = same and (theirs == mine if isinstance(mine, str) else float(theirs) == mine)
    check("csv: rows and fields as dump", same)
    check("csv: the readable names in the header", all(name in table[0] for name in EXPORT_NAMES.values())
          and not any(key in table[0] for key in EXPORT_NAMES))
    with open(points_csv, newline="", encoding="utf-8") as f:
        points = list(csv.DictReader(f))
    expected = [(n, p) for n, line in tracks for p in line]
    check("csv --track-points: rows", len(points) == len(expected))
    check("csv --track-points: tracks and positions",
          all(r["track"] == n and near([float(r["longitude"]), float(r["latitude"])], p)
              for r, (n, p) in zip(points, expected)))

    if failures:
        print("differences:", ", ".join(failures))
        return 1
    print("every reader agrees with dump")
    return 0


if __name__ == "__main__":
    sys.exit(main())
