#include "tools/html/TOOL_HtmlFormat.h"

#include <cmath>
#include <cstdio>

#include "tools/html/TOOL_Mercator.h"
#include "tools/formats/TOOL_Xml.h"

namespace tool {

const char kWaypointColour[] = "#ffc400";
const char kRouteColour[] = "#c0008f";

namespace {

// Distinct from each other, from the waypoints' gold and the routes' magenta, and dark enough
// to read on the map's pale ground.
const char* const kTrackColours[] = {"#1f5fd6", "#e0550b", "#1d9a3c", "#7d3cc8", "#008b8b",
                                     "#8c5a2b", "#d62839", "#4d6b00", "#3a3a9f", "#6f6f6f"};

std::string Degrees(std::int32_t semicircles, char positive, char negative) {
    const double degrees = ToDegrees(semicircles);
    char text[48];
    std::snprintf(text, sizeof text, "%.5f\xC2\xB0 %c", std::fabs(degrees),
                  degrees < 0 ? negative : positive);
    return text;
}

}  // namespace

char* PutPixel(char* p, double pixels, int decimals) {
    // Nothing drawn lies this far out: what would is kept to a number a browser can take.
    constexpr double kFar = 1e7;
    if (!(std::fabs(pixels) <= kFar)) pixels = std::isnan(pixels) ? 0 : pixels < 0 ? -kFar : kFar;
    decimals = decimals < 1 ? 1 : decimals > 3 ? 3 : decimals;
    const long long unit = decimals == 1 ? 10 : decimals == 2 ? 100 : 1000;
    long long parts = std::llround(pixels * static_cast<double>(unit));
    if (parts < 0) {
        *p++ = '-';
        parts = -parts;
    }
    char digits[24];
    int n = 0;
    long long whole = parts / unit;
    do {
        digits[n++] = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0 && n < 20);
    while (n > 0) *p++ = digits[--n];
    long long fraction = parts % unit;
    if (fraction != 0) {
        *p++ = '.';
        for (long long u = unit / 10; u > 0 && fraction != 0; u /= 10) {
            *p++ = static_cast<char>('0' + fraction / u);
            fraction %= u;
        }
    }
    return p;
}

std::string LatitudeText(std::int32_t semicircles) {
    return Degrees(semicircles, 'N', 'S');
}

std::string LongitudeText(std::int32_t semicircles) {
    // 2^31 semicircles is 180 degrees either way; called east.
    if (semicircles == INT32_MIN) return "180.00000\xC2\xB0 E";
    return Degrees(semicircles, 'E', 'W');
}

std::string Number(double value, int decimals) {
    char text[64];
    // Beyond the digits a double holds, the short form: "1e+308", not 309 digits.
    if (!(std::fabs(value) < 1e15)) {
        std::snprintf(text, sizeof text, "%.6g", value);
        return text;
    }
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string s = text;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    return s;
}

std::string AltitudeText(const base::Optional_t<double>& metres) {
    if (!metres.Has() || !IsFinite(*metres)) return std::string();
    return Number(*metres, 1) + " m";
}

std::string KilometresText(double metres) {
    const double km = metres / 1000;
    char text[64];
    std::snprintf(text, sizeof text, km < 100 ? "%.2f km" : "%.1f km", km);
    return text;
}

std::string DurationText(double seconds) {
    // Whole seconds; a track's duration fits an int (the times are 32-bit).
    const long long s = std::llround(seconds);
    const int hours = static_cast<int>(s / 3600), minutes = static_cast<int>(s / 60 % 60),
              rest = static_cast<int>(s % 60);
    char text[64];
    if (hours > 0)
        std::snprintf(text, sizeof text, "%d h %02d min", hours, minutes);
    else
        std::snprintf(text, sizeof text, "%d min %02d s", minutes, rest);
    return text;
}

const char* TrackColour(std::size_t index) {
    return kTrackColours[index % (sizeof kTrackColours / sizeof kTrackColours[0])];
}

double NiceStep(double span, double parts) {
    const double raw = span / parts;
    if (!(raw > 0)) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / power;
    return (fraction < 1.5 ? 1 : fraction < 3.5 ? 2 : fraction < 7.5 ? 5 : 10) * power;
}

int StepDecimals(double step) {
    return step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
}

std::vector<double> Multiples(double from, double to, double step) {
    std::vector<double> values;
    if (!(step > 0) || !(to >= from)) return values;
    for (double k = std::ceil(from / step - 1e-9); k * step <= to + step * 1e-9 && values.size() < 1000; ++k)
        values.push_back(k * step);
    return values;
}

std::string GridLabel(double degrees, int decimals, char positive, char negative) {
    const std::string number = Number(std::fabs(degrees), decimals);
    if (number == "0" || number == "180") return number + "\xC2\xB0";
    return number + "\xC2\xB0" + (degrees < 0 ? negative : positive);
}

}  // namespace tool
