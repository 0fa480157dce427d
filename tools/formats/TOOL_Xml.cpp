#include "tools/formats/TOOL_Xml.h"

#include <algorithm>
#include <cstring>

namespace tool {

namespace {

// True when bytes need neither conversion nor escaping.
bool IsPlain(std::string_view bytes, bool attribute) {
    for (char ch : bytes) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c > 0x7E || c == '&' || c == '<' || c == '>' || (attribute && c == '"')) return false;
    }
    return true;
}

}  // namespace

XmlOut_t& XmlOut_t::Text(std::string_view bytes) {
    if (IsPlain(bytes, false)) return Raw(bytes);
    Escaped(out_.Utf8(bytes), false);
    return *this;
}

XmlOut_t& XmlOut_t::Attribute(const char* name, std::string_view bytes) {
    Raw(" ").Raw(name).Raw("=\"");
    if (IsPlain(bytes, true)) {
        Raw(bytes);
    } else {
        Escaped(out_.Utf8(bytes), true);
    }
    return Raw("\"");
}

XmlOut_t& XmlOut_t::PlainAttribute(const char* name, std::string_view value) {
    // Put together first: one append instead of five.
    char piece[128];
    const std::size_t name_length = std::strlen(name);
    if (name_length + value.size() + 4 > sizeof piece)
        return Raw(" ").Raw(name).Raw("=\"").Raw(value).Raw("\"");
    char* p = piece;
    *p++ = ' ';
    p = std::copy(name, name + name_length, p);
    *p++ = '=';
    *p++ = '"';
    p = std::copy(value.begin(), value.end(), p);
    *p++ = '"';
    return Raw(std::string_view(piece, static_cast<std::size_t>(p - piece)));
}

XmlOut_t& XmlOut_t::Utf8Text(std::string_view text) {
    Escaped(out_.Utf8Name(text), false);
    return *this;
}

void XmlOut_t::Escaped(std::string_view utf8, bool attribute) {
    const char* run = utf8.data();
    const char* const end = run + utf8.size();
    for (const char* at = run; at != end; ++at) {
        const unsigned char c = static_cast<unsigned char>(*at);
        if (c == 0xEF && end - at >= 3 && static_cast<unsigned char>(at[1]) == 0xBF &&
            (static_cast<unsigned char>(at[2]) & 0xFE) == 0xBE) {
            // U+FFFE and U+FFFF: no characters to XML 1.0 either.
            Raw(std::string_view(run, static_cast<std::size_t>(at - run)));
            Raw(kReplacementUtf8);
            out_.CountReplaced();
            at += 2;
            run = at + 1;
            continue;
        }
        if (c >= 0x20 && c != '&' && c != '<' && c != '>' && c != '"') continue;
        Raw(std::string_view(run, static_cast<std::size_t>(at - run)));
        run = at + 1;
        switch (c) {
            case '&':
                Raw("&amp;");
                break;
            case '<':
                Raw("&lt;");
                break;
            case '>':
                Raw("&gt;");
                break;
            case '"':
                Raw(attribute ? "&quot;" : "\"");
                break;
            // Kept as references where a parser would change them: line ends everywhere,
            // tabs and line feeds in attributes.
            case '\r':
                Raw("&#13;");
                break;
            case '\n':
                Raw(attribute ? "&#10;" : "\n");
                break;
            case '\t':
                Raw(attribute ? "&#9;" : "\t");
                break;
            default:  // a control character XML 1.0 has no place for
                Raw(kReplacementUtf8);
                out_.CountReplaced();
                break;
        }
    }
    Raw(std::string_view(run, static_cast<std::size_t>(end - run)));
}

}  // namespace tool
