#include "tools/cli/TOOL_FileKind.h"

namespace tool {

namespace {

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

bool Holds(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// Printable ASCII, the usual white space and whole UTF-8 sequences; the end may cut a sequence.
bool LooksLikeText(std::string_view head) {
    for (std::size_t i = 0; i < head.size();) {
        const unsigned char c = static_cast<unsigned char>(head[i]);
        if (c == '\t' || c == '\n' || c == '\r' || (c >= 0x20 && c < 0x7F)) {
            ++i;
            continue;
        }
        const std::size_t length = c >= 0xF0 && c < 0xF5 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
        if (length == 0 || c >= 0xF5) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k == head.size()) return true;
            if ((static_cast<unsigned char>(head[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return !head.empty();
}

}  // namespace

std::string SniffFileKind(std::string_view head) {
    if (StartsWith(head, "\x89PNG\r\n\x1A\n")) return "a PNG image";
    if (StartsWith(head, "%PDF-")) return "a PDF document";
    if (StartsWith(head, "PK\x03\x04") || StartsWith(head, "PK\x05\x06")) return "a ZIP archive";
    std::string_view text = head;
    if (StartsWith(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return LooksLikeText(head) ? "a text file" : std::string();
    text.remove_prefix(first);
    if (text[0] == '<') {
        if (Holds(text, "<gpx")) return "a GPX file";
        if (Holds(text, "<kml")) return "a KML file";
        return "an XML file";
    }
    if (text[0] == '{' || text[0] == '[') {
        if (Holds(text, "\"FeatureCollection\"") || Holds(text, "\"Feature\"") ||
            Holds(text, "\"coordinates\"")) {
            return "a GeoJSON file";
        }
        return "a JSON file";
    }
    return LooksLikeText(head) ? "a text file" : std::string();
}

}  // namespace tool
