#!/usr/bin/python3
"""Reads the GPX of a data file as GIS programs do, with GDAL's GPX driver (QGIS reads GPX
through it): `ogrinfo -al` prints no warning, and every value under a feature's extensions
comes back as the field trovix_NAME of that feature, with the same value, and no other
trovix_ field is set.

Usage: gpx_gis_fields.py TROVIX FILE
"""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from osgeo import ogr

GPX = "{http://www.topografix.com/GPX/1/1}"
TROVIX = "{urn:x-trovix:gpx:1}"
failures = []


def check(what, ok, detail=""):
    print("%-44s %s %s" % (what, "ok" if ok else "DIFFERENT", "" if ok else detail))
    if not ok:
        failures.append(what)


def extension_values(element):
    """NAME: text of each element under the element's own extensions."""
    extensions = element.find(GPX + "extensions")
    if extensions is None:
        return {}
    return {child.tag[len(TROVIX):]: child.text or "" for child in extensions if child.tag.startswith(TROVIX)}


def same(field_type, theirs, ours):
    if field_type in (ogr.OFTInteger, ogr.OFTInteger64, ogr.OFTReal):
        return theirs is not None and float(theirs) == float(ours)
    return theirs == ours


def main():
    trovix, path = sys.argv[1], sys.argv[2]
    gpx = os.path.join(tempfile.mkdtemp(), "out.gpx")
    subprocess.run([trovix, "gpx", path, "-o", gpx], check=True)

    listing = subprocess.run(["ogrinfo", "-ro", "-al", gpx], stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    warnings = [line for line in listing.stdout.decode("utf-8").splitlines() if "Warning" in line or "ERROR" in line]
    check("ogrinfo -al: exit 0 and no warning", listing.returncode == 0 and not warnings, warnings[:3])

    root = ET.parse(gpx).getroot()
    ours = {
        "waypoints": root.findall(GPX + "wpt"),
        "routes": root.findall(GPX + "rte"),
        "route_points": [p for r in root.findall(GPX + "rte") for p in r.findall(GPX + "rtept")],
        "tracks": root.findall(GPX + "trk"),
        "track_points": [p for t in root.findall(GPX + "trk") for s in t.findall(GPX + "trkseg")
                         for p in s.findall(GPX + "trkpt")],
    }
    dataset = ogr.Open(gpx)
    for name, elements in ours.items():
        layer = dataset.GetLayerByName(name)
        defn = layer.GetLayerDefn()
        theirs = list(layer)
        check("%s: count" % name, len(theirs) == len(elements), "%d %d" % (len(theirs), len(elements)))
        values = 0
        wrong = []
        for feature, element in zip(theirs, elements):
            mine = extension_values(element)
            values += len(mine)
            for key, text in mine.items():
                index = defn.GetFieldIndex("trovix_" + key)
                if index < 0 or not same(defn.GetFieldDefn(index).GetType(), feature.GetField(index), text):
                    wrong.append((key, text, feature.GetField(index) if index >= 0 else "no field"))
            for index in range(defn.GetFieldCount()):
                key = defn.GetFieldDefn(index).GetName()
                if key.startswith("trovix_") and feature.IsFieldSet(index) and key[7:] not in mine:
                    wrong.append((key, "not written", feature.GetField(index)))
        check("%s: %d extension values as fields" % (name, values), not wrong, wrong[:3])

    if failures:
        print("differences:", ", ".join(failures))
        return 1
    print("GDAL reads every extension value as a field")
    return 0


if __name__ == "__main__":
    sys.exit(main())
