#pragma once
// The handheld record that the import makes of one waypoint, built without a host: the
// add-in's conversion passes these texts to the host, and `trovix records` prints them.
// Portable: no Windows headers.
#include <string>

#include "trove/TROVE_Waypoint.h"
#include "trove/TROVE_WaypointId.h"

namespace addin {

// One record as the host receives it, each member named after the host call that takes it.
struct HandheldRecord_t {
    std::string category;        // AddRecord, first argument
    std::string name;            // AddRecord, third argument: the key's name
    std::string text_1;          // PutText1: text_5
    std::string text_2;          // PutText2: text_2
    std::string text_3;          // PutText3: text_3
    std::string text_4;          // PutText4: the key's id_text
    std::string note;            // PutNote: RecordNote()
    std::string indexed_text_3;  // PutIndexedText (3, ...): CodedLine()
};

// "VELDOR LLLLLLLL GGGGGGGG BSSSS" for latitude, longitude (32-bit two's complement) and the
// handheld symbol code, all upper-case hexadecimal, then " AXXXXXXXX" (the altitude's
// single-precision bits) only when the position has an altitude. A symbol outside 0 to 139
// raises base::Assert_t (DEVIO_Smbl102, 210).
std::string CodedLine(const trove::Waypoint_t& waypoint);

// Label and value and "\r\n" for each present item, in this order: text_1 (string 108), text_4
// (109), text_6 (110), Text7() (111), real_2 (112, one decimal and "m"). Empty when none is.
// A label that cannot be loaded raises win::Error_t with source OrvenImportCommand and the
// label's line (342, 348, 354, 360, 366).
std::string RecordNote(const trove::Waypoint_t& waypoint);

// The whole record: the coded line first, then the note, as the conversion makes them.
HandheldRecord_t MakeHandheldRecord(const trove::WaypointId_t& key, const trove::Waypoint_t& waypoint,
                                    const std::string& category);

}  // namespace addin
