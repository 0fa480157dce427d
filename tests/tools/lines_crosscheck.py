#!/usr/bin/python3
"""Lines whose points have altitudes only in part (a route's link points and last point without,
a track with a gap) read back by independent readers: python3-fastkml reads the KML, shapely
and GDAL (python3-gdal) the GeoJSON and GDAL the KML, and every line has positions of one
dimension. The data file comes from html_fixtures (altitudes.tbk).

Usage: lines_crosscheck.py TROVIX HTML_FIXTURES
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import warnings

warnings.simplefilter("ignore")  # fastkml warns that lxml is missing
from fastkml import kml  # noqa: E402
from osgeo import ogr  # noqa: E402
from shapely.geometry import shape  # noqa: E402

ogr.UseExceptions()
failures = []


def check(what, ok, detail=""):
    print("%-52s %s %s" % (what, "ok" if ok else "DIFFERENT", "" if ok else detail))
    if not ok:
        failures.append(what)


def lines(geometry):
    """The position lists of a GeoJSON line geometry."""
    if geometry["type"] == "LineString":
        return [geometry["coordinates"]]
    if geometry["type"] == "MultiLineString":
        return geometry["coordinates"]
    return []


def kml_lines(element):
    """Every fastkml line geometry under element."""
    found = []
    for feature in getattr(element, "features", lambda: [])():
        geometry = getattr(feature, "geometry", None)
        if geometry is not None and geometry.geom_type == "LineString":
            found.append((feature.name, geometry))
        found.extend(kml_lines(feature))
    return found


def main():
    trovix, fixtures = sys.argv[1:3]
    folder = tempfile.mkdtemp(prefix="trovix-lines-")
    try:
        subprocess.run([fixtures, folder], check=True)
        source = os.path.join(folder, "altitudes.tbk")
        paths = {}
        for form in ("kml", "geojson"):
            paths[form] = os.path.join(folder, "altitudes." + form)
            subprocess.run([trovix, form, source, "-o", paths[form]], check=True)

        with open(paths["geojson"], encoding="utf-8") as f:
            collection = json.load(f)
        for feature in collection["features"]:
            name = feature["properties"]["name"]
            for part in lines(feature["geometry"] or {"type": "none"}):
                check("geojson %s: one dimension" % name, len({len(p) for p in part}) == 1, part)
            try:
                if feature["geometry"]:
                    shape(feature["geometry"])
                check("shapely reads %s" % name, True)
            except Exception as e:  # noqa: BLE001 - any refusal is the finding
                check("shapely reads %s" % name, False, e)

        document = kml.KML()
        try:
            with open(paths["kml"], "rb") as f:
                document.from_string(f.read())
            found = kml_lines(document)
            check("fastkml reads the KML's lines", {"Mixed", "Gaps"} <= {n for n, _ in found}, found)
        except Exception as e:  # noqa: BLE001
            check("fastkml reads the KML", False, e)

        for form in ("kml", "geojson"):
            source = ogr.Open(paths[form])
            count = 0
            for layer in source:
                for feature in layer:
                    geometry = feature.GetGeometryRef()
                    if geometry is None or "LINE" not in geometry.GetGeometryName():
                        continue
                    count += 1
                    parts = [geometry] if geometry.GetGeometryCount() == 0 else \
                        [geometry.GetGeometryRef(i) for i in range(geometry.GetGeometryCount())]
                    for part in parts:
                        points = part.GetPoints()
                        check("GDAL %s %s: one dimension" % (form, feature.GetField("name")),
                              len({len(p) for p in points}) == 1, points)
            check("GDAL %s: the route and the tracks" % form, count == 5, count)
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    print("differences: " + ", ".join(failures) if failures else "all the same")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
