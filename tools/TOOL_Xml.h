#pragma once
// Buffered XML output in UTF-8 for the tool's GPX and HTML (whose escaping is the same). Texts
// of the data file are converted from its code page; a byte sequence that is no character of
// it, and a control character that XML 1.0 forbids, become U+FFFD and are counted. XML's
// special characters are escaped.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace tool {

class XmlOut_t {
public:
    XmlOut_t(std::ostream& out, unsigned code_page);
    XmlOut_t(const XmlOut_t&) = delete;
    XmlOut_t& operator=(const XmlOut_t&) = delete;

    // Markup, written as it stands.
    XmlOut_t& Raw(std::string_view markup) {
        if (markup.size() > static_cast<std::size_t>(end_ - at_)) return RawSlow(markup);
        std::memcpy(at_, markup.data(), markup.size());
        at_ += markup.size();
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
    void Flush();

    // Characters replaced by U+FFFD so far.
    std::size_t Replaced() const { return replaced_; }

private:
    static constexpr std::size_t kCapacity = 1 << 16;

    XmlOut_t& RawSlow(std::string_view markup);

    void Escaped(bool attribute);
    // Appends bytes that need neither conversion nor escaping; false (nothing appended) when
    // some do.
    bool Plain(std::string_view bytes, bool attribute);

    std::ostream& out_;
    unsigned code_page_;
    std::unique_ptr<char[]> buffer_;
    char* at_;
    char* end_;
    std::string converted_;  // the current text as UTF-8, before escaping
    std::size_t replaced_ = 0;
};

// Degrees from semicircles (x * 180 / 2^31) in decimal, at most 8 places, trailing zeros cut:
// enough that rounding degrees * 2^31 / 180 gives x back.
std::string_view Degrees(std::int32_t semicircles, char (&buffer)[32]);
// The same written at p (at most 14 characters); returns the end.
char* PutDegrees(char* p, std::int32_t semicircles);

// The shortest fixed-point text that reads back as the same double (xsd:decimal); only for
// finite values.
std::string_view Decimal(double value, char (&buffer)[400]);

// The shortest text that reads back as the same double, exponents allowed; NaN, INF, -INF.
std::string_view Real(double value, char (&buffer)[400]);

// Neither NaN nor infinite (here, since <cmath> cannot share a file with the journal's
// namespace jnl: glibc declares a function of that name).
bool IsFinite(double value);

// "YYYY-MM-DDThh:mm:ssZ" for seconds since 1970-01-01 00:00 UTC.
std::string_view IsoTime(std::int64_t seconds, char (&buffer)[32]);
// The same written at p (20 characters); returns the end.
char* PutIsoTime(char* p, std::int64_t seconds);

}  // namespace tool
