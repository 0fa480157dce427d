// The CSV form of a loaded database (RFC 4180): a header row, then a row per waypoint, or with
// --track-points a row per track point; the columns named as dump names the fields. A text that
// a spreadsheet would run as a formula (it starts with = + - @, a tab or a carriage return)
// gets a single quote before it, so that it shows as the text it is; --keep-formulas keeps it
// byte for byte.
#include <cstdint>
#include <string>
#include <string_view>

#include "tools/TOOL_Export.h"
#include "tools/TOOL_Fields.h"
#include "tools/TOOL_Format.h"
#include "tools/TOOL_TextOut.h"
#include "tools/TOOL_Walk.h"

namespace tool {

namespace {

// The fields' sink for a row of values; an absent value is an empty field.
class CsvRow_t {
public:
    CsvRow_t(TextOut_t& out, bool keep_formulas) : out_(out), keep_formulas_(keep_formulas) {}

    void Text(const char*, std::string_view bytes) {
        const std::string_view utf8 = out_.Utf8(bytes);
        if (keep_formulas_ || utf8.empty() ||
            std::string_view("=+-@\t\r").find(utf8[0]) == std::string_view::npos) {
            Field(utf8);
            return;
        }
        quoted_.assign("'").append(utf8);
        Field(quoted_);
    }
    void Signed(const char*, std::int64_t value) { Field(Integer(value, number_)); }
    void Unsigned(const char*, std::uint64_t value) { Field(tool::Unsigned(value, number_)); }
    void Real(const char*, const base::Optional_t<double>& value) {
        Field(value.Has() ? tool::Real(*value, real_) : std::string_view());
    }
    void Degrees(const char*, std::int32_t semicircles) { Field(tool::Degrees(semicircles, number_)); }
    void Time(const char*, const base::Optional_t<std::int32_t>& time) {
        Field(time.Has() ? IsoTime(*time, number_) : std::string_view());
    }

    void End() {
        out_.Raw("\r\n");
        first_ = true;
    }

private:
    // Quoted when it holds a comma, a quote or a line break; quotes inside doubled.
    void Field(std::string_view utf8) {
        out_.Raw(first_ ? "" : ",");
        first_ = false;
        if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) {
            out_.Raw(utf8);
            return;
        }
        out_.Raw("\"");
        for (std::size_t at = 0;;) {
            const std::size_t quote = utf8.find('"', at);
            out_.Raw(
                utf8.substr(at, quote == std::string_view::npos ? std::string_view::npos : quote + 1 - at));
            if (quote == std::string_view::npos) break;
            out_.Raw("\"");
            at = quote + 1;
        }
        out_.Raw("\"");
    }

    TextOut_t& out_;
    const bool keep_formulas_;
    bool first_ = true;
    std::string quoted_;
    char number_[32];
    char real_[400];
};

// The fields' sink for the header row: their names.
class CsvHeader_t {
public:
    explicit CsvHeader_t(TextOut_t& out) : out_(out) {}

    void Text(const char* name, std::string_view) { Name(name); }
    void Signed(const char* name, std::int64_t) { Name(name); }
    void Unsigned(const char* name, std::uint64_t) { Name(name); }
    void Real(const char* name, const base::Optional_t<double>&) { Name(name); }
    void Degrees(const char* name, std::int32_t) { Name(name); }
    void Time(const char* name, const base::Optional_t<std::int32_t>&) { Name(name); }

private:
    void Name(const char* name) {
        out_.Raw(first_ ? "" : ",");
        first_ = false;
        out_.Raw(name);
    }

    TextOut_t& out_;
    bool first_ = true;
};

void Waypoints(TextOut_t& out, const trove::Database_t& db, bool keep_formulas) {
    CsvHeader_t header(out);
    WaypointFields(trove::WaypointId_t(), trove::Waypoint_t(), header);
    CsvRow_t row(out, keep_formulas);
    row.End();
    ForEachWaypoint(db, [&](const trove::WaypointId_t& id, const trove::Waypoint_t& w) {
        WaypointFields(id, w, row);
        row.End();
    });
}

void TrackPoints(TextOut_t& out, const trove::Database_t& db, bool keep_formulas) {
    CsvHeader_t header(out);
    TrackPointFields(std::string_view(), trove::TrackPoint_t(), header);
    CsvRow_t row(out, keep_formulas);
    row.End();
    for (const auto& track : db.tracks) {
        ForEachTrackPoint(track.second, [&](const trove::TrackPoint_t& point) {
            TrackPointFields(View(track.first.text), point, row);
            row.End();
        });
    }
}

}  // namespace

std::size_t WriteCsvDocument(std::ostream& out, const ExportInput_t& input) {
    TextOut_t text(out, input.options.code_page);
    if (input.options.track_points) {
        TrackPoints(text, input.db, input.options.keep_formulas);
    } else {
        Waypoints(text, input.db, input.options.keep_formulas);
    }
    text.Flush();
    return text.Replaced();
}

}  // namespace tool
