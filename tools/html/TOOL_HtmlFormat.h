#pragma once
// The small texts of the HTML page: pixels in path data, degrees with their hemisphere,
// altitudes, lengths, durations, steps of axes and grids, and the colours the map and its
// legend share. (The arithmetic lives here, apart from the database's headers: <cmath> cannot
// share a file with the journal's namespace jnl.)
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/BASE_Optional.h"
#include "tools/formats/TOOL_TextOut.h"

namespace tool {

// A coordinate in pixels with one decimal at most ("12.5", "-3", "40"), or up to three for
// the finer lines a zoomed map shows; at most 16 characters (a value beyond ten million pixels
// is written as that bound, one not a number as 0).
char* PutPixel(char* p, double pixels, int decimals = 1);

// "46.02071° N" / "7.74931° E", five decimals (about a metre).
std::string LatitudeText(std::int32_t semicircles);
std::string LongitudeText(std::int32_t semicircles);

// "1608 m", "1608.5 m"; empty for an altitude that is absent or not finite.
std::string AltitudeText(const base::Optional_t<double>& metres);

// A number with at most `decimals` decimals, trailing zeros cut ("12.4", "3"); from 10^15 on
// (and for one not finite) six significant digits ("1e+18").
std::string Number(double value, int decimals);

// "12.35 km" (two decimals under 100 km, one above).
std::string KilometresText(double metres);

// "3 h 05 min", "45 min 10 s".
std::string DurationText(double seconds);

// The colour of the index-th track, as CSS; the palette repeats after a while.
const char* TrackColour(std::size_t index);

// The colour of every waypoint marker and of every route, kept apart from the tracks'.
extern const char kWaypointColour[];
extern const char kRouteColour[];

// A step of 1, 2 or 5 times a power of ten, near span / parts.
double NiceStep(double span, double parts);
// The decimals that show multiples of step.
int StepDecimals(double step);
// The multiples of step from `from` to `to` (both included), for grid lines and ticks.
std::vector<double> Multiples(double from, double to, double step);

// A grid line's label: "7.5°E", "46°N", "0°", "180°".
std::string GridLabel(double degrees, int decimals, char positive, char negative);

}  // namespace tool
