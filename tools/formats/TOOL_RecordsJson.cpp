#include "tools/formats/TOOL_RecordsJson.h"

namespace tool {

RecordsJson_t::RecordsJson_t(std::ostream& out) : json_(out) {
    json_.BeginObject();
    json_.Key("records");
    json_.BeginArray();
}

void RecordsJson_t::Add(const addin::HandheldRecord_t& record) {
    json_.BeginObject(Layout::inline_);
    json_.Key("category");
    json_.String(record.category);
    json_.Key("name");
    json_.String(record.name);
    json_.Key("text_1");
    json_.String(record.text_1);
    json_.Key("text_2");
    json_.String(record.text_2);
    json_.Key("text_3");
    json_.String(record.text_3);
    json_.Key("text_4");
    json_.String(record.text_4);
    json_.Key("note");
    json_.String(record.note);
    json_.Key("indexed_text_3");
    json_.String(record.indexed_text_3);
    json_.EndObject();
}

void RecordsJson_t::End() {
    json_.EndArray();
    json_.EndObject();
}

void WriteRecordsJson(const std::vector<addin::HandheldRecord_t>& records, std::ostream& out) {
    RecordsJson_t json(out);
    for (const addin::HandheldRecord_t& record : records) json.Add(record);
    json.End();
}

}  // namespace tool
