#!/usr/bin/env bash
# The GDAL driver against GDAL's own readers, on the file of 200,000 waypoints, in one run:
#   ogr2ogr -f FlatGeobuf of the waypoints: from the data file, from a GeoPackage made once of the
#     tool's GeoJSON (GDAL's fastest common reader), and from the tool's GPX (GDAL's GPX driver);
#   the summary (ogrinfo -so -al, counts and extents) of the data file and of that GPX, beside
#     `trovix geojson` of the data file;
#   the peak memory of each.
# Each command runs RUNS times (default 3); the table gives the median time (wall clock and CPU,
# user and system: the latter swings less with the machine's other work) and the largest peak.
#
# Usage: bash bench/gdal_bench.sh [BUILD_FOLDER]   (default build/native-release; it needs the
# targets gdal_Terrabook, trovix and make_example)
set -euo pipefail
build=${1:-build/native-release}
runs=${RUNS:-3}
plugins=$(dirname "$(find "$build/gdal/plugins" -name gdal_Terrabook.so | head -n 1)")
trovix=$build/tools/trovix
make_example=$(find "$build" -name make_example -type f -perm -u+x | head -n 1)
export GDAL_DRIVER_PATH=$plugins

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$make_example" --waypoints 200000 "$work/big.tbk" >/dev/null
"$trovix" geojson "$work/big.tbk" -o "$work/big.geojson"
ogr2ogr -f GPKG "$work/big.gpkg" "$work/big.geojson"
"$trovix" gpx "$work/big.tbk" -o "$work/big.gpx"
gpkg_layer=$(ogrinfo -q "$work/big.gpkg" | sed -n 's/^1: \([^ ]*\).*/\1/p')

# The commands, each run RUNS times in turn with the others, so that the machine's other work
# weighs on all alike; the table gives each one's median time and largest peak.
names=(tbk gpkg gpx info geojson info_gpx)
command_of() {
  case $1 in
    tbk) echo ogr2ogr -f FlatGeobuf "$work/out.fgb" "$work/big.tbk" waypoints ;;
    gpkg) echo ogr2ogr -f FlatGeobuf "$work/out.fgb" "$work/big.gpkg" "$gpkg_layer" ;;
    gpx) echo ogr2ogr -f FlatGeobuf "$work/out.fgb" "$work/big.gpx" waypoints ;;
    info) echo ogrinfo -so -al "$work/big.tbk" ;;
    geojson) echo "$trovix" geojson "$work/big.tbk" -o "$work/out.geojson" ;;
    info_gpx) echo ogrinfo -so -al "$work/big.gpx" ;;
  esac
}
declare -A times cpus peaks
for ((i = 0; i < runs; i++)); do
  for name in "${names[@]}"; do
    rm -f "$work/out.fgb" "$work/out.geojson"
    # shellcheck disable=SC2046  # the command's words, none with blanks
    read -r seconds peak user system < <(/usr/bin/time -f '%e %M %U %S' $(command_of "$name") 2>&1 >/dev/null | tail -n 1)
    times[$name]+="$seconds "
    cpus[$name]+="$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }') "
    ((peak > ${peaks[$name]:-0})) && peaks[$name]=$peak
  done
done
median() { tr ' ' '\n' <<<"$1" | grep . | sort -n | sed -n "$(((runs + 1) / 2))p"; }
for name in "${names[@]}"; do
  printf -v "t_$name" '%s' "$(median "${times[$name]}")"
  printf -v "c_$name" '%s' "$(median "${cpus[$name]}")"
  printf -v "m_$name" '%s' "$((peaks[$name] / 1024))"
done

printf '%-58s %8s %8s %8s\n' "200,000 waypoints ($(stat -c %s "$work/big.tbk") bytes), median of $runs" "seconds" "CPU s" "peak MB"
row() { printf '%-58s %8s %8s %8s\n' "$@"; }
row "ogr2ogr -f FlatGeobuf, waypoints of the data file" "$t_tbk" "$c_tbk" "$m_tbk"
row "ogr2ogr -f FlatGeobuf, the same from a GeoPackage" "$t_gpkg" "$c_gpkg" "$m_gpkg"
row "ogr2ogr -f FlatGeobuf, the same from the tool's GPX" "$t_gpx" "$c_gpx" "$m_gpx"
row "ogrinfo -so -al of the data file" "$t_info" "$c_info" "$m_info"
row "trovix geojson of the data file" "$t_geojson" "$c_geojson" "$m_geojson"
row "ogrinfo -so -al of the tool's GPX" "$t_info_gpx" "$c_info_gpx" "$m_info_gpx"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
echo
echo "data file / GeoPackage to FlatGeobuf: $(ratio "$t_tbk" "$t_gpkg"), CPU $(ratio "$c_tbk" "$c_gpkg") (target at most 1.2)"
echo "ogrinfo -so -al / trovix geojson:     $(ratio "$t_info" "$t_geojson"), CPU $(ratio "$c_info" "$c_geojson") (target at most 1.2)"
echo "peak of the data file's ogr2ogr: $m_tbk MB; GeoPackage's plus the tool's: $((m_gpkg + m_geojson)) MB"
