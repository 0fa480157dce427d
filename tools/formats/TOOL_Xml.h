#pragma once
// Buffered XML output in UTF-8 for the tool's GPX, KML and HTML (whose escaping is the same).
// Texts of the data file are converted from its code page; a byte sequence that is no character
// of it, and a character that XML 1.0 forbids (controls, U+FFFE, U+FFFF), become U+FFFD and are
// counted. XML's special characters are escaped.
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "model/MODEL_Number.h"
#include "tools/formats/TOOL_TextOut.h"

namespace tool {

class XmlOut_t {
public:
    XmlOut_t(std::ostream& out, unsigned code_page) : out_(out, code_page) {}

    // Markup, written as it stands.
    XmlOut_t& Raw(std::string_view markup) {
        out_.Raw(markup);
        return *this;
    }
    // Markup from a block of at least N readable bytes (TextOut_t::RawFromBlock).
    template <std::size_t N>
    XmlOut_t& RawFromBlock(std::string_view markup) {
        out_.RawFromBlock<N>(markup);
        return *this;
    }
    // Element content from bytes of the file's code page.
    XmlOut_t& Text(std::string_view bytes);
    // ` name="value"`, the value from bytes of the file's code page.
    XmlOut_t& Attribute(const char* name, std::string_view bytes);
    // ` name="value"` for a value that is ASCII markup already (numbers).
    XmlOut_t& PlainAttribute(const char* name, std::string_view value);
    // Element content from text that should be UTF-8 (a file name); when it is not, it is
    // read in the file's code page instead.
    XmlOut_t& Utf8Text(std::string_view text);

    // Hands everything buffered to the stream.
    void Flush() { out_.Flush(); }

    // Characters replaced by U+FFFD so far.
    std::size_t Replaced() const { return out_.Replaced(); }

private:
    void Escaped(std::string_view utf8, bool attribute);

    TextOut_t out_;
};

}  // namespace tool
