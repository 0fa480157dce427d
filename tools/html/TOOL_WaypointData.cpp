#include "tools/html/TOOL_WaypointData.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "base/BASE_CodePageUnicode.h"
#include "tools/html/TOOL_HtmlFormat.h"

namespace tool {

namespace {

// 24-bit whole numbers of this fraction of a pixel: a 16th of a pixel at the deepest zoom (256).
constexpr double kDataUnit = 4096;

}  // namespace

void WriteWaypointData(XmlOut_t& xml, const trove::Database_t& db, unsigned code_page, const Mercator_t& m) {
    static const char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    auto units = [](double pixels, double size) {
        const double v = std::min(std::max(pixels, 0.0), size) * kDataUnit;
        return static_cast<std::uint32_t>(std::min(v, 16777215.0));
    };
    xml.Raw("<script type=\"application/json\" class=\"waypoint-data\">{\"unit\":");
    xml.Raw(Number(kDataUnit, 0)).Raw(",\"xy\":\"");
    for (const auto& entry : db.waypoints) {
        const geo::Position_t& p = entry.second.position;
        const std::uint32_t x = units(m.XOf(p.longitude), m.Width());
        const std::uint32_t y = units(m.YOf(p.latitude), m.Height());
        char text[8];
        for (int k = 0; k < 4; ++k) {
            text[k] = kBase64[(x >> (18 - 6 * k)) & 63];
            text[4 + k] = kBase64[(y >> (18 - 6 * k)) & 63];
        }
        xml.Raw(std::string_view(text, 8));
    }
    xml.Raw("\",\"names\":[");
    bool first = true;
    std::string utf8, escaped;
    for (const auto& entry : db.waypoints) {
        utf8.clear();
        base::AppendUtf8(utf8, View(entry.first.name.text), code_page);
        escaped.assign(first ? "\"" : ",\"");
        first = false;
        // JSON's escapes, and '<' so that no name ends the data block.
        for (const char ch : utf8) {
            const unsigned char c = static_cast<unsigned char>(ch);
            if (c == '"' || c == '\\') {
                escaped += '\\';
                escaped += ch;
            } else if (c < 0x20 || c == '<') {
                char code[8];
                std::snprintf(code, sizeof code, "\\u%04x", c);
                escaped += code;
            } else {
                escaped += ch;
            }
        }
        escaped += '"';
        xml.Raw(escaped);
    }
    xml.Raw("]}</script>\n");
}

}  // namespace tool
