#include "addin/record/ADDIN_HandheldRecord.h"

#include <cstdint>
#include <cstring>
#include <iomanip>
#include <locale>
#include <sstream>

#include "base/BASE_StringResource.h"
#include "trove/devio/DEVIO_Smbl102.h"

namespace addin {

namespace {

// Texts are read through their plain interface only, whatever string type holds them.
template <class Text>
std::string Bytes(const Text& text) {
    return std::string(text.data(), text.size());
}

template <class Text>
void AddNoteLine(std::string& note, std::uint32_t label, int line, const Text& value) {
    note += base::StringResource_t(label, "OrvenImportCommand", line).text;
    note.append(value.data(), value.size());
    note += "\r\n";
}

std::uint32_t SingleBits(double value) {
    // Out-of-range values become infinities by IEEE rounding, as the hardware does.
    const float single = static_cast<float>(value);
    std::uint32_t bits;
    static_assert(sizeof bits == sizeof single, "a single is 32 bits");
    std::memcpy(&bits, &single, sizeof bits);
    return bits;
}

}  // namespace

std::string CodedLine(const trove::Waypoint_t& waypoint) {
    devio::Smbl102_t symbol(devio::Smbl102_t::kDefaultCode);
    symbol.SetSymbol(waypoint.symbol);

    std::ostringstream line;
    line.imbue(std::locale::classic());
    line << "VELDOR " << std::hex << std::uppercase << std::setfill('0');
    line << std::setw(8) << static_cast<std::uint32_t>(waypoint.position.latitude) << " ";
    line << std::setw(8) << static_cast<std::uint32_t>(waypoint.position.longitude);
    line << " B" << std::setw(4) << static_cast<std::uint32_t>(symbol.code);
    if (waypoint.position.altitude.Has()) {
        line << " A" << std::setw(8) << SingleBits(*waypoint.position.altitude);
    }
    return line.str();
}

std::string RecordNote(const trove::Waypoint_t& waypoint) {
    std::string note;
    if (!waypoint.text_1.empty()) AddNoteLine(note, 108, 342, waypoint.text_1);
    if (!waypoint.text_4.empty()) AddNoteLine(note, 109, 348, waypoint.text_4);
    if (!waypoint.text_6.empty()) AddNoteLine(note, 110, 354, waypoint.text_6);
    const auto text_7 = waypoint.Text7();
    if (!text_7.empty()) AddNoteLine(note, 111, 360, text_7);
    if (waypoint.real_2.Has()) {
        std::ostringstream distance;
        distance.imbue(std::locale::classic());
        distance << std::fixed << std::setprecision(1) << *waypoint.real_2 << "m";
        AddNoteLine(note, 112, 366, distance.str());
    }
    return note;
}

HandheldRecord_t MakeHandheldRecord(const trove::WaypointId_t& key, const trove::Waypoint_t& waypoint,
                                    const std::string& category) {
    HandheldRecord_t record;
    record.category = category;
    record.name = Bytes(key.name.text);
    record.indexed_text_3 = CodedLine(waypoint);
    record.text_1 = Bytes(waypoint.text_5);
    record.text_2 = Bytes(waypoint.text_2);
    record.text_3 = Bytes(waypoint.text_3);
    record.text_4 = Bytes(key.id_text);
    record.note = RecordNote(waypoint);
    return record;
}

}  // namespace addin
