// The CSV form of a loaded database (RFC 4180): a header row, then a row per waypoint, or with
// --track-points a row per track point; the columns named as the schema names the fields. A text that
// a spreadsheet would run as a formula (it starts with = + - @, a tab or a carriage return)
// gets a single quote before it, so that it shows as the text it is; --keep-formulas keeps it
// byte for byte.
#include <cstdint>
#include <string>
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
    CsvRow_t(TextOut_t& out, bool keep_formulas) : out_(out), keep_formulas_(keep_formulas) {}

    void Value(const model::Field_t&, const model::Value_t& value) {
        if (value.kind != model::Value_t::Kind_t::Text) {
            Field(PlainText(value, text_));
            return;
        }
        const std::string_view utf8 = out_.Utf8(value.bytes);
        if (keep_formulas_ || utf8.empty() ||
            std::string_view("=+-@\t\r").find(utf8[0]) == std::string_view::npos) {
            Field(utf8);
            return;
        }
        quoted_.assign("'").append(utf8);
        Field(quoted_);
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
    const bool keep_formulas_;
    bool first_ = true;
    std::string quoted_;
    char text_[400];
};

// Every field of each feature of the layer, position first; walk(each) walks the features.
template <class Walk>
void Rows(TextOut_t& out, model::LayerId_t layer, bool keep_formulas, Walk&& walk) {
    CsvRow_t row(out, keep_formulas);
    for (std::size_t i : model::PositionFirst(layer)) row.Name(model::SchemaOf(layer)[i]);
    row.End();
    walk([&](const auto& feature) {
        model::ForEachField(
            layer, feature, true,
            [&](const model::Field_t& field, const model::Value_t& value) { row.Value(field, value); });
        row.End();
    });
}

void Waypoints(TextOut_t& out, const model::File_t& file, bool keep_formulas) {
    Rows(out, model::LayerId_t::Waypoints, keep_formulas, [&](auto&& each) { file.ForEachWaypoint(each); });
}

void TrackPoints(TextOut_t& out, const model::File_t& file, bool keep_formulas) {
    Rows(out, model::LayerId_t::TrackPoints, keep_formulas, [&](auto&& each) {
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
const FormatOption_t kKeepFormulas = {"--keep-formulas", nullptr,
                                      "texts starting with = + - @ as they are, not as text (csv)", nullptr};

std::size_t WriteCsvDocument(std::ostream& out, const WriteInput_t& input) {
    TextOut_t text(out, input.file.CodePage());
    const bool keep_formulas = input.options.Flag(kKeepFormulas.name);
    if (input.options.Flag(kTrackPoints.name)) {
        TrackPoints(text, input.file, keep_formulas);
    } else {
        Waypoints(text, input.file, keep_formulas);
    }
    text.Flush();
    return text.Replaced();
}

const char kHelp[] = "FILE's waypoints as CSV (RFC 4180, UTF-8), or with --track-points its track points";

}  // namespace

const Format_t kCsvFormat = {"csv",   ".csv",          kHelp, true, true, {kTrackPoints, kKeepFormulas},
                             nullptr, WriteCsvDocument};

}  // namespace tool
