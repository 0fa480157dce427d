#include "tools/formats/TOOL_Registry.h"

#include "model/MODEL_File.h"

namespace tool {

std::string FormatOptions_t::Value(const FormatOption_t& option) const {
    const auto found = values_.find(option.name);
    if (found != values_.end()) return found->second;
    return option.fallback ? option.fallback : "";
}

const std::vector<const Format_t*>& Formats() {
    static const std::vector<const Format_t*> formats = {
        &kDumpFormat, &kGpxFormat, &kKmlFormat, &kGeoJsonFormat, &kCsvFormat, &kHtmlFormat, &kRecordsFormat};
    return formats;
}

const Format_t* FindFormat(const std::string& name) {
    for (const Format_t* format : Formats())
        if (name == format->name) return format;
    return nullptr;
}

}  // namespace tool
