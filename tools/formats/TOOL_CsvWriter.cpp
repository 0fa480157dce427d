// The CSV form of a loaded database (RFC 4180): a header row, then a row per waypoint, or with
// --track-points a row per track point; the columns named as dump names the fields.
#include <cstdint>
#include <string_view>

#include "model/MODEL_File.h"
#include "tools/formats/TOOL_Registry.h"
#include "tools/formats/TOOL_TextOut.h"
#include "tools/formats/TOOL_ValueText.h"

namespace tool {

namespace {

// A row of values; an absent value is an empty field.
class CsvRow_t {
public:
    explicit CsvRow_t(TextOut_t& out) : out_(out) {}

    void Value(const model::Field_t&, const model::Value_t& value) {
        Field(value.kind == model::Value_t::Kind_t::Text ? out_.Utf8(value.bytes) : PlainText(value, text_));
    }
    // The header row: the fields' names.
    void Name(const model::Field_t& field) { Field(field.name); }

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
    bool first_ = true;
    char text_[400];
};

// Every field of each feature of the layer, position first; walk(each) walks the features.
template <class Walk>
void Rows(TextOut_t& out, model::LayerId_t layer, Walk&& walk) {
    CsvRow_t row(out);
    for (std::size_t i : model::PositionFirst(layer)) row.Name(model::SchemaOf(layer)[i]);
    row.End();
    walk([&](const auto& feature) {
        model::ForEachField(
            layer, feature, true,
            [&](const model::Field_t& field, const model::Value_t& value) { row.Value(field, value); });
        row.End();
    });
}

void Waypoints(TextOut_t& out, const model::File_t& file) {
    Rows(out, model::LayerId_t::Waypoints, [&](auto&& each) { file.ForEachWaypoint(each); });
}

void TrackPoints(TextOut_t& out, const model::File_t& file) {
    Rows(out, model::LayerId_t::TrackPoints, [&](auto&& each) {
        std::size_t index = 0;
        for (const auto& track : file.Database().tracks) {
            std::size_t number = 0;
            model::ForEachTrackPoint(track.second, [&](const trove::TrackPoint_t& point) {
                each(model::TrackPoint_t{track.first, index, number++, point});
            });
            ++index;
        }
    });
}

const FormatOption_t kTrackPoints = {"--track-points", nullptr,
                                     "one row per track point instead of per waypoint (csv)", nullptr};

std::size_t WriteCsvDocument(std::ostream& out, const WriteInput_t& input) {
    TextOut_t text(out, input.file.CodePage());
    if (input.options.Flag(kTrackPoints.name)) {
        TrackPoints(text, input.file);
    } else {
        Waypoints(text, input.file);
    }
    text.Flush();
    return text.Replaced();
}

const char kHelp[] = "FILE's waypoints as CSV (RFC 4180, UTF-8), or with --track-points its track points";

}  // namespace

const Format_t kCsvFormat = {"csv",          ".csv",  kHelp,           true, true, true,
                             {kTrackPoints}, nullptr, WriteCsvDocument};

}  // namespace tool
