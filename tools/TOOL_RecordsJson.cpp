#include "tools/TOOL_RecordsJson.h"

#include "tools/TOOL_Json.h"

namespace tool {

void WriteRecordsJson(const std::vector<addin::HandheldRecord_t>& records, std::ostream& out) {
    JsonWriter_t json(out);
    json.BeginObject();
    json.Key("records");
    json.BeginArray();
    for (const addin::HandheldRecord_t& record : records) {
        json.BeginObject(Layout::inline_);
        json.Key("category");
        json.String(record.category);
        json.Key("name");
        json.String(record.name);
        json.Key("text_1");
        json.String(record.text_1);
        json.Key("text_2");
        json.String(record.text_2);
        json.Key("text_3");
        json.String(record.text_3);
        json.Key("text_4");
        json.String(record.text_4);
        json.Key("note");
        json.String(record.note);
        json.Key("indexed_text_3");
        json.String(record.indexed_text_3);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

}  // namespace tool
