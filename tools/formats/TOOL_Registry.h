#pragma once
// The formats the tool writes, each a plug-in over the model of a loaded file: its name (the
// command's), the extension of what -d DIR writes, a one-line help and its own options. The
// command line, its help, -d DIR and the README's list of formats come from this one list.
#include <cstddef>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace model {
class File_t;
}  // namespace model

namespace tool {

// An option of one format: a flag, or one that takes a value (value_name set).
struct FormatOption_t {
    const char* name;        // "--track-points"
    const char* value_name;  // "TEXT"; null for a flag
    const char* help;        // one line, for trovix --help
    const char* fallback;    // the value when not given; null for a flag
};

// The own options given to a format, by name ("--track-points" -> "" for a flag).
class FormatOptions_t {
public:
    void Set(const std::string& name, const std::string& value) { values_[name] = value; }
    bool Flag(const char* name) const { return values_.count(name) != 0; }
    // The value given, or the option's fallback.
    std::string Value(const FormatOption_t& option) const;

private:
    std::map<std::string, std::string> values_;
};

// What a writer gets: the loaded file and how to write it.
struct WriteInput_t {
    const model::File_t& file;
    std::string file_name;  // the data file's name without its folder
    const FormatOptions_t& options;
};

struct Format_t {
    const char* name;       // the command: "gpx"
    const char* extension;  // of the outputs -d DIR writes: ".gpx"
    const char* help;       // one line: what the output is
    bool takes_output;      // -o OUT
    bool takes_partial;     // --partial: what a refused file still holds
    std::vector<FormatOption_t> options;
    // Run before the output is opened; a failure there leaves nothing written. May be null.
    void (*check)(const WriteInput_t& input);
    // Writes the whole document to out, texts converted to UTF-8; returns how many characters
    // were replaced by U+FFFD.
    std::size_t (*write)(std::ostream& out, const WriteInput_t& input);
};

// Every format, in the order of trovix --help.
const std::vector<const Format_t*>& Formats();
// Null when no format has that name.
const Format_t* FindFormat(const std::string& name);

// The formats, one plug-in each.
extern const Format_t kDumpFormat;
extern const Format_t kGpxFormat;
extern const Format_t kKmlFormat;
extern const Format_t kGeoJsonFormat;
extern const Format_t kCsvFormat;
extern const Format_t kHtmlFormat;
extern const Format_t kRecordsFormat;

}  // namespace tool
