#include "tools/cli/TOOL_Refusal.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "base/BASE_CodePageUnicode.h"
#include "base/BASE_Exception.h"
#include "tools/formats/TOOL_ExceptionName.h"
#include "tools/cli/TOOL_FileFacts.h"
#include "tools/cli/TOOL_FileKind.h"

namespace tool {

namespace {

constexpr char kNotADataFile[] = "not a Terrabook data file (.tbk)";
constexpr std::string_view kSignature = "TbRc";
// Where the header's first record starts: after the signature and the format version.
constexpr std::uint64_t kFirstHeaderRecord = 6;
constexpr std::uint64_t kCurrentFraming = 5;  // payload length u32, letter
constexpr std::uint64_t kLegacyFraming = 3;   // letter, payload length u16

// A fault of the readers and what it means in terms of the file. `at_record`: the fault lies
// in the record being read when it was raised (else it was found later, among several).
struct Fault_t {
    const char* source;
    int line;
    bool at_record;
    const char* what;
};

const Fault_t kFaults[] = {
    {"TROVE_Database", 124, true,
     "a waypoint that cannot be read (a field runs past the record or out of its range)"},
    {"TROVE_Database", 468, true,
     "a waypoint that cannot be read (a field runs past the record or out of its range)"},
    {"TROVE_Database", 188, true, "a route-0 entry that cannot be read"},
    {"TROVE_Database", 507, true, "a route-0 entry that cannot be read"},
    {"TROVE_Database", 196, true,
     "a second route-0 entry, or one naming a route that does not come before it"},
    {"TROVE_Database", 740, true, "a second route-0 entry"},
    {"TROVE_Database", 745, true, "a route-0 entry naming a route that does not come before it"},
    {"TROVE_Database", 233, true, "a volume record that cannot be read"},
    {"TROVE_Database", 537, true, "a volume record that cannot be read"},
    {"TROVE_Database", 210, true, "a map that cannot be read"},
    {"TROVE_Database", 522, true, "a map that cannot be read"},
    {"TROVE_Database", 221, true, "a second map of the same number"},
    {"TROVE_Database", 1776, true, "a second map of the same number"},
    {"TROVE_Database", 175, true, "a second track of the same name"},
    {"TROVE_Database", 1572, true, "a second track of the same name"},
    {"TROVE_Database", 281, false,
     "two tracks whose names are the same once their broken characters are dropped"},
    {"TROVE_Database", 1094, true, "a second route of the same name"},
    {"TROVE_Database", 1112, true, "a second route of the same name"},
    {"TROVE_Database", 1715, true, "a second route of the same name"},
    {"TROVE_Database", 1098, true, "a route that cannot be read, or one without waypoints"},
    {"TROVE_Database", 1722, true, "a route that cannot be read, or one without waypoints"},
    {"TROVE_Database", 1102, true, "a route through a waypoint that does not come before it"},
    {"TROVE_Database", 1730, true, "a route through a waypoint that does not come before it"},
    {"TROVE_Database", 2206, true, "a second waypoint of the same name"},
    {"TROVE_Database", 331, false, "the same waypoint twice"},
    {"TROVE_Database", 342, false, "the same waypoint twice"},
    {"TROVE_Database", 362, false, "a waypoint that cannot be filed under its name"},
    {"TROVE_Database", 1149, false, "a waypoint that cannot be filed under a new name"},
    {"TROVE_Database", 1126, true, "waypoints of the same name both before and after a route"},
    {"BASE_Time", 167, true, "a track point whose time is before 1970 or too far ahead"},
    {"GEO_Position", 63, true, "a position beyond the poles"},
    {"GEO_Position", 130, true, "a position beyond the poles"},
};

// A record's letter as the user can see it: the character, or its code in hex.
std::string Letter(std::uint8_t letter) {
    if (letter >= 0x21 && letter <= 0x7E) return std::string(1, static_cast<char>(letter));
    static const char kHex[] = "0123456789ABCDEF";
    return std::string("0x") + kHex[letter >> 4] + kHex[letter & 0xF];
}

std::optional<std::uint64_t> Number(const std::string& head, std::uint64_t offset, int bytes) {
    if (offset + static_cast<std::uint64_t>(bytes) > head.size()) return std::nullopt;
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(head[offset + i]);
    return value;
}

std::string CutShort(std::uint64_t size, const std::string& where) {
    return "cut short at byte " + std::to_string(size) + ": the file ends inside " + where;
}

// A header record (D at offset 6, A after it) that the header read refused: cut short when
// the file ends inside it, else damaged there.
std::string HeaderRecord(const FileFacts_t& facts, std::uint64_t offset, char letter, const char* what) {
    const std::optional<std::uint64_t> length = Number(facts.head, offset, 4);
    if (facts.size < offset + kCurrentFraming ||
        (length && offset + kCurrentFraming + *length > facts.size)) {
        return CutShort(facts.size, "its header");
    }
    if (length && offset + 4 < facts.head.size() && facts.head[offset + 4] != letter) {
        return "damaged at byte " + std::to_string(offset + 4) + ": the header has no " + letter +
               " record where one belongs";
    }
    return "damaged at byte " + std::to_string(offset) + ": " + what;
}

std::string Header(int line, const FileFacts_t& facts) {
    if (!facts.known) return "cut short or damaged in its header";
    const std::optional<std::uint64_t> d_length = Number(facts.head, kFirstHeaderRecord, 4);
    switch (line) {
        case 43:
        case 52:
            return CutShort(facts.size, "its header");
        case 61:
            return HeaderRecord(facts, kFirstHeaderRecord, 'D', "the header's D record cannot be read");
        case 67:
            return "damaged at byte " + std::to_string(kFirstHeaderRecord) +
                   ": the header's D record is too short to hold the data version";
        case 74:
        case 80:
            if (!d_length) return "damaged in its header";
            return HeaderRecord(facts, kFirstHeaderRecord + kCurrentFraming + *d_length, 'A',
                                "the header's A record cannot be read");
        default:
            return "damaged in its header";
    }
}

bool IsRecordLetter(char letter) {
    return std::strchr("WRTL0V", letter) != nullptr && letter != '\0';
}

// Empty when the first bytes may begin a data file of either layout.
std::string NotADataFile(const FileFacts_t& facts) {
    const std::string& head = facts.head;
    if (head.empty()) return std::string();
    if (head.substr(0, kSignature.size()) == kSignature) return std::string();
    if (head.size() < kSignature.size() && kSignature.substr(0, head.size()) == head) return std::string();
    const std::string kind = SniffFileKind(head);
    if (!kind.empty()) return std::string(kNotADataFile) + ": its first bytes are those of " + kind;
    // The older layout has no header: a file of it begins with a record letter.
    if (!IsRecordLetter(head[0])) {
        return std::string(kNotADataFile) + ": its first bytes are neither a data file's header nor a record";
    }
    return std::string();
}

// Where the file ends, for a record the end of the file cut short: after its framing and the
// payload bytes that were there.
std::uint64_t CutEnd(const trove::LoadNote_t& cut, trove::FileFormat_t format) {
    return cut.offset + (format == trove::FileFormat_t::Legacy ? kLegacyFraming : kCurrentFraming) + cut.size;
}

// Ends the file without a single record read: cut short in its first record, or nothing in it.
std::string NothingRead(const trove::LoadNotes_t& notes, trove::FileFormat_t format) {
    if (!notes.empty() && notes[notes.size() - 1].kind == trove::DropKind_t::TruncatedRecord) {
        const trove::LoadNote_t& cut = notes[notes.size() - 1];
        const std::string record = "record " + std::to_string(cut.record);
        if (cut.letter == 0) {
            return "cut short: the file ends inside the framing of " + record + " at byte " +
                   std::to_string(cut.offset) + ", and nothing before it could be read";
        }
        return CutShort(CutEnd(cut, format), record + " (" + Letter(cut.letter) + ") at byte " +
                                                 std::to_string(cut.offset) +
                                                 ", and nothing before it could be read");
    }
    return "holds no waypoint, route, track or map: no record of a kind this tool reads";
}

std::string Damaged(const Fault_t* fault, const trove::LoadNotes_t& notes) {
    const std::string what = fault ? fault->what : "a record this tool cannot read";
    if ((fault && !fault->at_record) || !notes.Fault()) return "damaged: " + what;
    const trove::LoadFault_t& at = *notes.Fault();
    return "damaged at byte " + std::to_string(at.offset) + " (record " + std::to_string(at.record) + ", " +
           Letter(at.letter) + "): " + what;
}

}  // namespace

std::string ExplainRefusal(const std::exception& error, trove::FileFormat_t format,
                           const trove::LoadNotes_t& notes, const FileFacts_t& facts) {
    if (facts.known && facts.size == 0) return "the file is empty";
    const auto* own = dynamic_cast<const base::Exception_t*>(&error);
    const std::string source = own ? own->File() : "";
    const int line = own ? own->Line() : 0;
    if (format != trove::FileFormat_t::Current) {
        const std::string foreign = NotADataFile(facts);
        if (!foreign.empty()) return foreign;
    }
    if (source == "TROVE_DocInfo") return Header(line, facts);
    if (source == "TROVE_Database" && (line == 297 || line == 550)) return NothingRead(notes, format);
    const Fault_t* fault = nullptr;
    for (const Fault_t& known : kFaults) {
        if (source == known.source && line == known.line) fault = &known;
    }
    return Damaged(fault, notes);
}

std::string ExplainNote(const trove::LoadNote_t& note, trove::FileFormat_t format) {
    if (note.kind != trove::DropKind_t::TruncatedRecord) return trove::DescribeNote(note);
    const std::string record = "record " + std::to_string(note.record);
    if (note.letter == 0) {
        return "cut short: the file ends inside the framing of " + record + " at byte " +
               std::to_string(note.offset) + "; the records before it are read";
    }
    return CutShort(CutEnd(note, format), record + " (" + Letter(note.letter) + ") at byte " +
                                              std::to_string(note.offset) +
                                              "; that record is skipped, the records before it are read");
}

std::string DebugIdentity(const std::exception& error) {
    return " [" + DescribeException(error) + "]";
}

void ReportRefusal(const Options_t& options, const model::File_t& loaded, const std::exception& error,
                   const FileFacts_t& facts, std::ostream& err) {
    err << "trovix: " << options.file << ": "
        << ExplainRefusal(error, loaded.Result().format, loaded.Notes(), facts);
    const trove::Database_t& db = loaded.Database();
    const bool read_some =
        !db.waypoints.empty() || !db.routes.empty() || !db.tracks.empty() || !db.maps.empty();
    if (read_some && options.partial_offered && !options.partial) {
        err << "; --partial writes what was read before it";
    }
    if (options.debug) err << DebugIdentity(error);
    err << "\n";
}

void ReportNotes(const Options_t& options, const model::File_t& loaded, std::ostream& err) {
    // What the older layout's reader drops of a refused file is most often a file of another
    // kind read as records: the refusal has said so, and notes of it would only mislead.
    if (loaded.Result().outcome != trove::LoadOutcome_t::Loaded &&
        loaded.Result().format != trove::FileFormat_t::Current) {
        return;
    }
    for (const trove::LoadNote_t& note : loaded.Notes()) {
        std::string line;
        base::AppendUtf8(line, ExplainNote(note, loaded.Result().format), options.code_page);
        // A name may hold line breaks; the note stays one line.
        for (char& c : line) {
            if (static_cast<unsigned char>(c) < 0x20) c = ' ';
        }
        err << "trovix: " << options.file << ": " << line << "\n";
    }
}

}  // namespace tool
