#pragma once
// The JSON of a list of handheld records, as `trovix records` prints it and as the stand-in host
// writes the records it received, so that the two can be compared byte for byte:
//   {"records": [{"category": ..., "name": ..., "text_1": ..., "text_2": ..., "text_3": ...,
//                 "text_4": ..., "note": ..., "indexed_text_3": ...}, ...]}
// one record a line, texts byte for byte as JsonString writes them.
#include <ostream>
#include <vector>

#include "addin/record/ADDIN_HandheldRecord.h"
#include "tools/formats/TOOL_Json.h"

namespace tool {

// The list written record by record, so that a long one is never held whole.
class RecordsJson_t {
public:
    explicit RecordsJson_t(std::ostream& out);
    void Add(const addin::HandheldRecord_t& record);
    // Closes the list.
    void End();

private:
    JsonWriter_t json_;
};

void WriteRecordsJson(const std::vector<addin::HandheldRecord_t>& records, std::ostream& out);

}  // namespace tool
