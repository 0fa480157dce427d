#!/usr/bin/python3
"""The GDAL driver as GDAL's clients use it: ogrinfo, ogr2ogr and python3-gdal, with the driver
found through GDAL_DRIVER_PATH. Each check compares with what `trovix dump` reports of the same
file or with another of GDAL's own drivers.

Usage: gdal_clients.py CHECK TROVIX FIXTURES EXAMPLE GPX_SCHEMA [OTHER_VERSION_FOLDER]
  CHECK: ogrinfo, geopackage, gpx, python, codepage, damaged, virtual, identify, antimeridian,
         version, qgis (exit 77 when python3-qgis is not installed)
"""
import json
import os
import re
import sqlite3
import subprocess
import sys
import tempfile
import zipfile

SEMICIRCLE = 180.0 / 2 ** 31
failures = []


def check(what, ok, detail=""):
    print("%-60s %s %s" % (what, "ok" if ok else "DIFFERENT", "" if ok else detail))
    if not ok:
        failures.append(what)


def run(*args, ok=True, env=None, stdin=None):
    done = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env, stdin=stdin)
    if ok and done.returncode != 0:
        sys.exit("%s failed (%d): %s" % (" ".join(args), done.returncode, done.stderr.decode(errors="replace")))
    return done


def degrees(semicircles):
    return semicircles * SEMICIRCLE


def near(xy, position):
    """xy: (lon, lat) in degrees; position: [lat, lon, ...] in semicircles."""
    return abs(xy[0] - degrees(position[1])) < 1e-7 and abs(xy[1] - degrees(position[0])) < 1e-7


def dump_of(trovix, path, code_page="1252"):
    dump = json.loads(run(trovix, "dump", path, "--codepage", code_page).stdout)
    # dump writes each byte of a text as one character
    dump["text"] = lambda escaped: escaped.encode("latin-1").decode("cp" + code_page)
    return dump


def ogrinfo_features(*args):
    """The features `ogrinfo -al` prints: per layer, a list of (fields, geometry points)."""
    out = run("ogrinfo", "-al", *args).stdout.decode()
    layers = {}
    feature = None
    for line in out.splitlines():
        start = re.match(r"OGRFeature\((\w+)\):(\d+)$", line)
        field = re.match(r"  (\w+) \(\w+\) = (.*)$", line)
        shape = re.match(r"  (POINT|LINESTRING|MULTILINESTRING) \((.*)\)$", line)
        if start:
            feature = {"fid": int(start.group(2)), "fields": {}, "points": []}
            layers.setdefault(start.group(1), []).append(feature)
        elif feature is not None and field:
            feature["fields"][field.group(1)] = field.group(2)
        elif feature is not None and shape:
            numbers = re.findall(r"-?[\d.]+(?:e-?\d+)? -?[\d.]+(?:e-?\d+)?", shape.group(2))
            feature["points"] = [tuple(float(v) for v in pair.split()) for pair in numbers]
    return layers


def route_line(dump, route):
    """The route as drawn: each route point's waypoint, then its link points, repeats left out."""
    where = {w["name"]: [w["latitude"], w["longitude"]] for w in dump["waypoints"]}
    line = []
    for p in route["points"]:
        for q in [where[p["waypoint"]]] + [lp[:2] for lp in p["link_points"]]:
            if not line or line[-1] != q:
                line.append(q)
    return line


def same_points(points, positions):
    return len(points) == len(positions) and all(near(a, b) for a, b in zip(points, positions))


def check_ogrinfo(trovix, example):
    dump = dump_of(trovix, example)
    text = dump["text"]
    layers = ogrinfo_features(example)
    waypoints = layers.get("waypoints", [])
    check("waypoints: count", len(waypoints) == len(dump["waypoints"]))
    check("waypoints: names and positions in dump's order",
          all(f["fid"] == i and f["fields"]["name"] == text(w["name"])
              and same_points(f["points"], [[w["latitude"], w["longitude"]]])
              for i, (f, w) in enumerate(zip(waypoints, dump["waypoints"]))))
    routes = layers.get("routes", [])
    check("routes: count", len(routes) == len(dump["routes"]))
    check("routes: names and lines",
          all(f["fields"]["name"] == text(r["name"]) and same_points(f["points"], route_line(dump, r))
              for f, r in zip(routes, dump["routes"])))
    where = {w["name"]: w for w in dump["waypoints"]}
    points = [(i, n, p) for i, r in enumerate(dump["routes"]) for n, p in enumerate(r["points"])]
    route_points = layers.get("route_points", [])
    check("route_points: count", len(route_points) == len(points))
    check("route_points: routes, numbers, waypoints and positions",
          all(f["fields"]["route_fid"] == str(i) and f["fields"]["route_point_id"] == str(n)
              and f["fields"]["waypoint"] == text(p["waypoint"])
              and same_points(f["points"], [[where[p["waypoint"]]["latitude"], where[p["waypoint"]]["longitude"]]])
              for f, (i, n, p) in zip(route_points, points)))
    tracks = layers.get("tracks", [])
    check("tracks: count", len(tracks) == len(dump["tracks"]))
    check("tracks: names and points",
          all(f["fields"]["name"] == text(t["name"]) and same_points(f["points"], t["points"])
              for f, t in zip(tracks, dump["tracks"])))
    points = [(i, t, p) for i, t in enumerate(dump["tracks"]) for p in t["points"]]
    track_points = layers.get("track_points", [])
    check("track_points: count", len(track_points) == len(points))
    check("track_points: tracks, names and positions",
          all(f["fields"]["track_fid"] == str(i) and f["fields"]["track"] == text(t["name"])
              and same_points(f["points"], [p]) for f, (i, t, p) in zip(track_points, points)))


def geojson(path, *layer):
    return json.loads(run("ogr2ogr", "-f", "GeoJSON", "/vsistdout/", path, *layer).stdout)["features"]


LAYERS = ["waypoints", "routes", "route_points", "tracks", "track_points"]


def check_geopackage(trovix, example):
    folder = tempfile.mkdtemp()
    gpkg = os.path.join(folder, "example.gpkg")
    run("ogr2ogr", "-f", "GPKG", gpkg, example)
    dump = dump_of(trovix, example)
    with sqlite3.connect(gpkg) as db:
        counts = {name: db.execute('SELECT COUNT(*) FROM "%s"' % name).fetchone()[0] for name in LAYERS}
        names = [row[0] for row in db.execute("SELECT name FROM waypoints ORDER BY fid")]
    check("GeoPackage (sqlite3): waypoints, routes, tracks counted as dump",
          [counts["waypoints"], counts["routes"], counts["tracks"]]
          == [len(dump["waypoints"]), len(dump["routes"]), len(dump["tracks"])])
    check("GeoPackage (sqlite3): route and track points counted as dump",
          [counts["route_points"], counts["track_points"]]
          == [sum(len(r["points"]) for r in dump["routes"]), sum(len(t["points"]) for t in dump["tracks"])])
    check("GeoPackage (sqlite3): waypoint names in dump's order",
          names == [dump["text"](w["name"]) for w in dump["waypoints"]])
    for layer in LAYERS:
        ours, back = geojson(example, layer), geojson(gpkg, layer)
        check("GeoPackage back: %s fields and geometries" % layer,
              [(f["properties"], f["geometry"]) for f in ours] == [(f["properties"], f["geometry"]) for f in back])


def check_gpx(example, schema):
    folder = tempfile.mkdtemp()
    gpx = os.path.join(folder, "example.gpx")
    run("ogr2ogr", "-f", "GPX", gpx, example, "waypoints", "routes", "tracks")
    done = run("xmllint", "--noout", "--schema", schema, gpx, ok=False)
    check("GPX of waypoints, routes, tracks validates", done.returncode == 0, done.stderr.decode())


def check_python(example):
    from osgeo import ogr
    ogr.UseExceptions()
    source = ogr.Open(example)
    for name in LAYERS:
        layer = source.GetLayerByName(name)
        walk = [(f.GetFID(), f.ExportToJson()) for f in layer]
        check("%s: feature count matches a full walk" % name, layer.GetFeatureCount() == len(walk))
        check("%s: ids 0 to count - 1" % name, [fid for fid, _ in walk] == list(range(len(walk))))
        layer.ResetReading()
        check("%s: ResetReading reads the same again" % name, [f.ExportToJson() for f in layer] == [j for _, j in walk])
        if walk:
            fid = len(walk) // 2
            check("%s: random read by id" % name, layer.GetFeature(fid).ExportToJson() == walk[fid][1])
        xs, ys = [], []
        for _, text in walk:
            geometry = ogr.CreateGeometryFromJson(json.dumps(json.loads(text)["geometry"]))
            envelope = geometry.GetEnvelope()
            xs += envelope[0:2]
            ys += envelope[2:4]
        if walk:
            check("%s: extent matches a full walk" % name, layer.GetExtent() == (min(xs), max(xs), min(ys), max(ys)))
    waypoints = source.GetLayerByName("waypoints")
    every = [f for f in waypoints]
    box = (7.5, 9.0, 45.9, 46.7)
    inside = [f.GetFID() for f in every
              if box[0] <= f.GetGeometryRef().GetX() <= box[1] and box[2] <= f.GetGeometryRef().GetY() <= box[3]]
    waypoints.SetSpatialFilterRect(box[0], box[2], box[1], box[3])
    check("waypoints: spatial filter", [f.GetFID() for f in waypoints] == inside and 0 < len(inside) < len(every))
    check("waypoints: count under the spatial filter", waypoints.GetFeatureCount() == len(inside))
    waypoints.SetSpatialFilter(None)
    symbol = every[0].GetField("symbol")
    same = [f.GetFID() for f in every if f.GetField("symbol") == symbol]
    waypoints.SetAttributeFilter("symbol = %d" % symbol)
    check("waypoints: attribute filter", [f.GetFID() for f in waypoints] == same and len(same) < len(every))
    waypoints.SetAttributeFilter(None)
    check("waypoints: strings are UTF-8", waypoints.TestCapability(ogr.OLCStringsAsUTF8))
    import fiona
    import geopandas
    fiona.supported_drivers["Terrabook"] = "r"
    frame = geopandas.read_file(example, layer="waypoints")
    check("GeoPandas: the waypoints' names and positions",
          list(frame["name"]) == [f.GetField("name") for f in every]
          and [(p.x, p.y) for p in frame.geometry]
          == [(f.GetGeometryRef().GetX(), f.GetGeometryRef().GetY()) for f in every])
    check("waypoints: WGS 84, longitude first",
          waypoints.GetSpatialRef().GetAuthorityCode(None) == "4326"
          and waypoints.GetSpatialRef().GetDataAxisToSRSAxisMapping() == [2, 1])


def check_codepage(fixtures, example):
    sjis = os.path.join(fixtures, "sjis.tbk")
    layers = ogrinfo_features("-oo", "CODEPAGE=932", sjis)
    check("CODEPAGE=932: the waypoint's name", [f["fields"]["name"] for f in layers["waypoints"]] == ["富士山"])
    check("CODEPAGE=932: the track's name", [f["fields"]["name"] for f in layers["tracks"]] == ["登山道"])
    from osgeo import gdal
    gdal.UseExceptions()
    japanese = gdal.OpenEx(sjis, gdal.OF_VECTOR, open_options=["CODEPAGE=932"])
    western = gdal.OpenEx(example, gdal.OF_VECTOR)
    both = [japanese.GetLayerByName("tracks").GetFeature(0).GetField("name"),
            western.GetLayerByName("waypoints").GetFeature(2).GetField("name"),
            japanese.GetLayerByName("waypoints").GetFeature(0).GetField("name")]
    check("files of two code pages open side by side", both == ["登山道", "Britanniahütte", "富士山"], str(both))
    layers = ogrinfo_features("-oo", "CODEPAGE=japanese", sjis)
    check("CODEPAGE=japanese: the page by its name", [f["fields"]["name"] for f in layers["waypoints"]] == ["富士山"])
    done = run("ogrinfo", "-so", "-oo", "CODEPAGE=auto", sjis, ok=False)
    check("CODEPAGE=auto: two texts are too little to choose, and it says so",
          done.returncode == 0 and b"too little evidence" in done.stderr and b"likeliest 932" in done.stderr,
          done.stderr.decode())
    done = run("ogrinfo", "-so", "-oo", "CODEPAGE=9999", sjis, ok=False)
    check("CODEPAGE=9999: refused with the tool's message",
          done.returncode != 0 and b": unknown code page 9999 (auto, 1252 (western)" in done.stderr,
          done.stderr.decode())


def check_damaged(fixtures):
    damaged = os.path.join(fixtures, "damaged.tbk")
    done = run("ogrinfo", "-so", damaged, ok=False)
    check("damaged: fails to open, saying why in the tool's words",
          done.returncode != 0 and b"damaged at byte 119 (record 2, W)" in done.stderr
          and b"PARTIAL=YES opens what was read before it" in done.stderr, done.stderr.decode())
    done = run("ogrinfo", "-al", "-oo", "PARTIAL=YES", damaged, ok=False)
    out = done.stdout.decode()
    check("damaged, PARTIAL=YES: opens with what was read",
          done.returncode == 0 and "name (String) = Kept" in out, done.stderr.decode())
    check("damaged, PARTIAL=YES: warns of the fault", b"Warning 1: " in done.stderr and b"damaged at byte 119" in done.stderr)


def summary(path, *args, stdin=None):
    """Layer names with their feature counts, from ogrinfo -so -al."""
    out = run("ogrinfo", "-so", "-al", *args, path, stdin=stdin).stdout.decode()
    return re.findall(r"Layer name: (\w+)\n.*?Feature Count: (\d+)", out, re.S)


def check_virtual(example):
    folder = tempfile.mkdtemp()
    expected = summary(example)
    archive = os.path.join(folder, "example.zip")
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as z:
        z.write(example, "inside/example.tbk")
    check("/vsizip/: the same layers and counts", summary("/vsizip/" + archive + "/inside/example.tbk") == expected)
    packed = os.path.join(folder, "example.tbk.gz")
    with open(example, "rb") as source:
        run("sh", "-c", "gzip -c > '%s'" % packed, stdin=source)
    check("/vsigzip/: the same layers and counts", summary("/vsigzip/" + packed) == expected)
    with open(example, "rb") as source:
        check("/vsistdin/: the same layers and counts", summary("/vsistdin/", stdin=source) == expected)


def left_to_others(path):
    """True when no driver opens the file and the data file driver says nothing of it."""
    done = run("ogrinfo", "-so", path, ok=False)
    return done.returncode != 0 and b"Unable to open datasource" in done.stdout and not done.stderr


def check_identify(fixtures, example):
    folder = tempfile.mkdtemp()
    legacy = os.path.join(fixtures, "legacy.tbk")
    check("legacy layout named .tbk: opened", summary(legacy)[0] == ("waypoints", "1"))
    renamed = os.path.join(folder, "legacy.dat")
    with open(legacy, "rb") as a, open(renamed, "wb") as b:
        b.write(a.read())
    check("legacy layout named otherwise: left to other drivers", left_to_others(renamed))
    current = os.path.join(folder, "example.dat")
    with open(example, "rb") as a, open(current, "wb") as b:
        b.write(a.read())
    check("current layout named otherwise: opened by its signature", summary(current) == summary(example))
    check("text named .tbk: left to other drivers", left_to_others(os.path.join(fixtures, "not_data.tbk")))
    csv = os.path.join(folder, "points.csv")
    with open(csv, "w") as f:
        f.write("name,x,y\na,1,2\n")
    check("other formats still open", summary(csv) == [("points", "1")])


def check_antimeridian(fixtures):
    layers = ogrinfo_features(os.path.join(fixtures, "antimeridian.tbk"))
    track = layers["tracks"][0]
    parts = run("ogrinfo", "-al", "-q", "-geom=YES", os.path.join(fixtures, "antimeridian.tbk"), "tracks").stdout
    check("track across the line: two parts, the storage segments none",
          parts.count(b"),(") == 1 and len(track["points"]) == 152, str(len(track["points"])))
    points = layers["track_points"]
    seg = [(int(f["fields"]["track_seg_id"]), int(f["fields"]["track_seg_point_id"])) for f in points]
    first_east = next(i for i, f in enumerate(points) if f["points"][0][0] < 0)
    check("track points numbered along the drawn parts",
          len(points) == 150 and seg[:first_east] == [(0, i) for i in range(first_east)]
          and seg[first_east:] == [(1, i) for i in range(150 - first_east)])
    check("the route is one line string", len(layers["routes"][0]["points"]) == 2)


def check_version(folder):
    env = dict(os.environ, GDAL_DRIVER_PATH=folder)
    done = run("ogrinfo", "--formats", env=env)
    check("built for another GDAL: refused with a message",
          b"was compiled against GDAL 3.99, but the current library version is 3." in done.stderr and b"Terrabook" not in done.stdout, done.stderr.decode())


def check_qgis(example):
    """QGIS's own reader of GDAL layers (python3-qgis, where installed)."""
    try:
        from qgis.core import QgsApplication, QgsVectorLayer
    except ImportError:
        print("python3-qgis is not installed: QGIS was not tried")
        sys.exit(77)
    from osgeo import ogr
    QgsApplication.setPrefixPath("/usr", True)
    app = QgsApplication([], False)
    app.initQgis()
    source = ogr.Open(example)
    for name in LAYERS:
        layer = QgsVectorLayer(example + "|layername=" + name, name, "ogr")
        ours = source.GetLayerByName(name)
        names = [f["name"] for f in layer.getFeatures()] if "name" in layer.fields().names() else []
        check("QGIS: %s opens, counted, WGS 84" % name,
              layer.isValid() and layer.featureCount() == ours.GetFeatureCount()
              and layer.crs().authid() == "EPSG:4326")
        check("QGIS: %s names" % name, names == ([f.GetField("name") for f in ours] if names else []))
    del layer, ours, source  # before QGIS takes GDAL down
    app.exitQgis()


def main():
    what, trovix, fixtures_program, example, schema = sys.argv[1:6]
    fixtures = tempfile.mkdtemp()
    run(fixtures_program, fixtures)
    if what == "ogrinfo":
        check_ogrinfo(trovix, example)
    elif what == "geopackage":
        check_geopackage(trovix, example)
    elif what == "gpx":
        check_gpx(example, schema)
    elif what == "python":
        check_python(example)
    elif what == "codepage":
        check_codepage(fixtures, example)
    elif what == "damaged":
        check_damaged(fixtures)
    elif what == "virtual":
        check_virtual(example)
    elif what == "identify":
        check_identify(fixtures, example)
    elif what == "antimeridian":
        check_antimeridian(fixtures)
    elif what == "qgis":
        check_qgis(example)
    elif what == "version":
        check_version(sys.argv[6])
    else:
        sys.exit("unknown check " + what)
    if failures:
        sys.exit("%d checks differ" % len(failures))


if __name__ == "__main__":
    main()
