#include "tools/html/TOOL_HtmlProfile.h"

#include <algorithm>
#include <string>

#include "geo/GEO_Vector.h"
#include "model/MODEL_File.h"
#include "tools/html/TOOL_HtmlFormat.h"

namespace tool {

namespace {

constexpr double kWidth = 900, kHeight = 240;
constexpr double kLeft = 60, kRight = 16, kTop = 16, kBottom = 40;
constexpr double kPlotWidth = kWidth - kLeft - kRight, kPlotHeight = kHeight - kTop - kBottom;

bool HasAltitude(const trove::TrackPoint_t& point) {
    return point.position.altitude.Has() && IsFinite(*point.position.altitude);
}

// Calls visit(point, metres along the track) for every point of the track once. A segment's
// distance is taken from its statistics; inside a segment wider than half a pixel of the
// profile the points are placed by their legs, inside a narrower one by their count (the same
// pixel either way, without a distance per point).
template <class Visit>
void EachPoint(const trove::Track_t& track, double total, Visit visit) {
    double start = 0;
    double legs[trove::kTrackSegmentPoints + 1];
    model::ForEachTrackSegment(track, [&](const trove::TrackSegment_t& segment, std::size_t first) {
        const trove::TrackPoints_t& points = segment.points;
        const std::size_t n = points.size();
        const double length = segment.stats.distance;
        const bool exact =
            total > 0 && length / total * kPlotWidth > 0.5 && n <= trove::kTrackSegmentPoints + 1;
        double sum = 0;
        if (exact) {
            legs[0] = 0;
            for (std::size_t i = 1; i < n; ++i) {
                sum += geo::Distance(points[i - 1].position, points[i].position);
                legs[i] = sum;
            }
        }
        for (std::size_t i = first; i < n; ++i) {
            const double fraction =
                exact ? (sum > 0 ? legs[i] / sum : 0) : (n > 1 ? double(i) / double(n - 1) : 0);
            visit(points[i], start + length * fraction);
        }
        start += length;
    });
}

class Profile_t {
public:
    // colour: the track's on the map.
    Profile_t(XmlOut_t& xml, const trove::TrackId_t& id, const trove::Track_t& track, const char* colour)
        : xml_(xml), id_(id), track_(track), colour_(colour) {}

    // False when no point has an altitude.
    bool Measure();
    void Write();
    // False when the altitudes give no finite span to draw them over.
    bool Drawable() const;

private:
    double X(double metres) const { return kLeft + (total_ > 0 ? metres / total_ * kPlotWidth : 0); }
    double Y(double altitude) const { return kTop + (high_ - altitude) / (high_ - low_) * kPlotHeight; }
    void Axes();
    void Line();
    void Mark(const char* what, double x, double altitude);
    void Put(double x, double y);
    void Pixel(const char* name, double value) {
        char text[24];
        xml_.PlainAttribute(name,
                            std::string_view(text, static_cast<std::size_t>(PutPixel(text, value) - text)));
    }

    XmlOut_t& xml_;
    const trove::TrackId_t& id_;
    const trove::Track_t& track_;
    const char* colour_;
    double total_ = 0;
    double lowest_ = 0, highest_ = 0;  // the track's
    double low_ = 0, high_ = 0;        // the plot's
    double lowest_x_ = 0, highest_x_ = 0;
    bool pen_down_ = false, lined_ = false;
};

bool Profile_t::Measure() {
    bool any = false;
    for (const trove::TrackSegment_t& segment : track_.segments) {
        total_ += segment.stats.distance;
        for (const trove::TrackPoint_t& point : segment.points) {
            if (!HasAltitude(point)) continue;
            const double a = *point.position.altitude;
            if (!any || a < lowest_) lowest_ = a;
            if (!any || a > highest_) highest_ = a;
            any = true;
        }
    }
    const double pad = std::max((highest_ - lowest_) * 0.16, 10.0);
    low_ = lowest_ - pad;
    high_ = highest_ + pad;
    return any;
}

bool Profile_t::Drawable() const {
    // Altitudes a double barely holds leave no span to scale (or one too wide to subtract).
    const double span = high_ - low_;
    return IsFinite(span) && span > 0;
}

void Profile_t::Put(double x, double y) {
    char text[40];
    char* at = text;
    *at++ = !pen_down_ ? 'M' : !lined_ ? 'L' : ' ';
    lined_ = pen_down_;
    pen_down_ = true;
    at = PutPixel(at, x);
    *at++ = ' ';
    at = PutPixel(at, y);
    xml_.Raw(std::string_view(text, static_cast<std::size_t>(at - text)));
}

// A column of the plot keeps its lowest and highest point, in the order met: the line keeps
// its every peak and trough however many points share a pixel.
void Profile_t::Line() {
    xml_.Raw("<path class=\"line\"");
    xml_.PlainAttribute("stroke", colour_);
    xml_.Raw(" d=\"");
    long column = -1;
    double low = 0, high = 0, low_at = 0, high_at = 0;
    bool open = false;
    auto flush = [&]() {
        if (!open) return;
        if (low_at <= high_at) {
            Put(X(low_at), Y(low));
            if (high != low) Put(X(high_at), Y(high));
        } else {
            Put(X(high_at), Y(high));
            Put(X(low_at), Y(low));
        }
        open = false;
    };
    bool seen_lowest = false, seen_highest = false;
    EachPoint(track_, total_, [&](const trove::TrackPoint_t& point, double metres) {
        if (!HasAltitude(point)) {
            flush();
            pen_down_ = false;
            return;
        }
        const double a = *point.position.altitude;
        if (!seen_lowest && a == lowest_) {
            lowest_x_ = X(metres);
            seen_lowest = true;
        }
        if (!seen_highest && a == highest_) {
            highest_x_ = X(metres);
            seen_highest = true;
        }
        const long c = static_cast<long>(X(metres));  // never negative
        if (c != column) {
            flush();
            column = c;
        }
        if (!open || a < low) {
            low = a;
            low_at = metres;
        }
        if (!open || a > high) {
            high = a;
            high_at = metres;
        }
        open = true;
    });
    flush();
    xml_.Raw("\"/>\n");
}

void Profile_t::Axes() {
    xml_.Raw("<g class=\"axes\"><path class=\"axis\" d=\"M");
    xml_.Raw(Number(kLeft, 0) + " " + Number(kTop, 0) + "V" + Number(kTop + kPlotHeight, 0) + "H" +
             Number(kLeft + kPlotWidth, 0));
    xml_.Raw("\"/>\n");
    const double km = total_ / 1000;
    const double x_step = NiceStep(km, 6);
    for (double tick : Multiples(0, km, x_step)) {
        const double x = X(tick * 1000);
        xml_.Raw("<path class=\"tick\" d=\"M")
            .Raw(Number(x, 1) + " " + Number(kTop + kPlotHeight, 0) + "v4\"/>");
        xml_.Raw("<text text-anchor=\"middle\"");
        Pixel("x", x);
        Pixel("y", kTop + kPlotHeight + 16);
        xml_.Raw(">").Raw(Number(tick, StepDecimals(x_step))).Raw("</text>");
    }
    const double y_step = NiceStep(high_ - low_, 4);
    for (double tick : Multiples(low_, high_, y_step)) {
        const double y = Y(tick);
        xml_.Raw("<path class=\"grid\" d=\"M")
            .Raw(Number(kLeft, 0) + " " + Number(y, 1) + "H" + Number(kLeft + kPlotWidth, 0) + "\"/>");
        xml_.Raw("<text text-anchor=\"end\"");
        Pixel("x", kLeft - 6);
        Pixel("y", y + 4);
        xml_.Raw(">").Raw(Number(tick, StepDecimals(y_step))).Raw("</text>");
    }
    xml_.Raw("<text class=\"title\" text-anchor=\"middle\"");
    Pixel("x", kLeft + kPlotWidth / 2);
    Pixel("y", kHeight - 4);
    xml_.Raw(">distance (km)</text><text class=\"title\" text-anchor=\"middle\" transform=\"translate(14 ");
    xml_.Raw(Number(kTop + kPlotHeight / 2, 0)).Raw(") rotate(-90)\">altitude (m)</text></g>\n");
}

void Profile_t::Mark(const char* what, double x, double altitude) {
    const double y = Y(altitude);
    xml_.Raw("<g class=\"").Raw(what).Raw("\"><circle r=\"4\"");
    Pixel("cx", x);
    Pixel("cy", y);
    xml_.Raw("/><text");
    // Kept inside the plot: the label goes to the side with room.
    const bool right = x < kLeft + kPlotWidth * 0.75;
    Pixel("x", right ? x + 7 : x - 7);
    Pixel("y", what[0] == 'h' ? y - 6 : y + 14);
    xml_.PlainAttribute("text-anchor", right ? "start" : "end");
    xml_.Raw(">")
        .Raw(what[0] == 'h' ? "highest " : "lowest ")
        .Raw(Number(altitude, 1))
        .Raw(" m</text></g>\n");
}

void Profile_t::Write() {
    xml_.Raw("<figure><figcaption>").Text(View(id_.text)).Raw(" \xE2\x80\x94 ").Raw(KilometresText(total_));
    xml_.Raw("</figcaption>\n");
    if (!Drawable()) {
        xml_.Raw("<p class=\"none\">No profile: its altitudes (")
            .Raw(Number(lowest_, 1))
            .Raw(" m to ")
            .Raw(Number(highest_, 1))
            .Raw(" m) cannot be drawn to scale.</p>\n</figure>\n");
        return;
    }
    xml_.Raw("<svg class=\"profile\" xmlns=\"http://www.w3.org/2000/svg\"");
    xml_.Attribute("data-name", View(id_.text));
    xml_.Raw(" viewBox=\"0 0 900 240\" width=\"900\" height=\"240\" role=\"img\">\n");
    Axes();
    Line();
    Mark("highest", highest_x_, highest_);
    Mark("lowest", lowest_x_, lowest_);
    xml_.Raw("</svg>\n");
    const base::Optional_t<trove::TrackPoint_t>& first = track_.stats.first;
    const base::Optional_t<trove::TrackPoint_t>& last = track_.stats.last;
    if (first.Has() && last.Has() && first->time.Has() && last->time.Has()) {
        char from[32], to[32];
        std::string a(IsoTime(*first->time, from)), b(IsoTime(*last->time, to));
        a[10] = b[10] = ' ';
        a.back() = b.back() = ' ';
        xml_.Raw("<p class=\"times\">First point ").Raw(a).Raw("UTC, last point ").Raw(b).Raw("UTC</p>\n");
    }
    xml_.Raw("</figure>\n");
}

}  // namespace

void WriteHtmlProfiles(XmlOut_t& xml, const trove::Database_t& db) {
    bool any = false;
    std::size_t index = 0;
    for (const auto& entry : db.tracks) {
        Profile_t profile(xml, entry.first, entry.second, TrackColour(index++));
        if (!profile.Measure()) continue;
        profile.Write();
        any = true;
    }
    if (!any) xml.Raw("<p class=\"none\">No track with altitudes.</p>\n");
}

}  // namespace tool
