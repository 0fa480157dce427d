#include "tools/TOOL_Xml.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "base/BASE_CodePageUnicode.h"
#include "base/BASE_Exception.h"
#include "base/BASE_Time.h"

namespace tool {

namespace {

const char kReplacement[] = "\xEF\xBF\xBD";

// True when text is well-formed UTF-8 without surrogates.
bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t length = c < 0x80                 ? 1
                             : c >= 0xC2 && c <= 0xDF ? 2
                             : c >= 0xE0 && c <= 0xEF ? 3
                             : c >= 0xF0 && c <= 0xF4 ? 4
                                                      : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        const unsigned char d = length > 1 ? static_cast<unsigned char>(text[i + 1]) : 0;
        if ((c == 0xE0 && d < 0xA0) || (c == 0xED && d >= 0xA0) || (c == 0xF0 && d < 0x90) ||
            (c == 0xF4 && d >= 0x90)) {
            return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

XmlOut_t::XmlOut_t(std::ostream& out, unsigned code_page)
    : out_(out),
      code_page_(code_page),
      buffer_(new char[kCapacity]),
      at_(buffer_.get()),
      end_(buffer_.get() + kCapacity) {}

XmlOut_t& XmlOut_t::RawSlow(std::string_view markup) {
    Flush();
    if (markup.size() <= kCapacity) return Raw(markup);
    out_.write(markup.data(), static_cast<std::streamsize>(markup.size()));
    return *this;
}

bool XmlOut_t::Plain(std::string_view bytes, bool attribute) {
    for (char ch : bytes) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c > 0x7E || c == '&' || c == '<' || c == '>' || (attribute && c == '"')) return false;
    }
    Raw(bytes);
    return true;
}

XmlOut_t& XmlOut_t::Text(std::string_view bytes) {
    if (Plain(bytes, false)) return *this;
    converted_.clear();
    replaced_ += base::AppendUtf8(converted_, bytes, code_page_);
    Escaped(false);
    return *this;
}

XmlOut_t& XmlOut_t::Attribute(const char* name, std::string_view bytes) {
    Raw(" ").Raw(name).Raw("=\"");
    if (!Plain(bytes, true)) {
        converted_.clear();
        replaced_ += base::AppendUtf8(converted_, bytes, code_page_);
        Escaped(true);
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
    if (!IsUtf8(text)) return Text(text);
    converted_.assign(text);
    Escaped(false);
    return *this;
}

void XmlOut_t::Escaped(bool attribute) {
    const char* run = converted_.data();
    const char* const end = run + converted_.size();
    for (const char* at = run; at != end; ++at) {
        const unsigned char c = static_cast<unsigned char>(*at);
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
                Raw(kReplacement);
                ++replaced_;
                break;
        }
    }
    Raw(std::string_view(run, static_cast<std::size_t>(end - run)));
}

void XmlOut_t::Flush() {
    out_.write(buffer_.get(), static_cast<std::streamsize>(at_ - buffer_.get()));
    at_ = buffer_.get();
}

std::string_view Degrees(std::int32_t semicircles, char (&buffer)[32]) {
    return std::string_view(buffer, static_cast<std::size_t>(PutDegrees(buffer, semicircles) - buffer));
}

char* PutDegrees(char* p, std::int32_t semicircles) {
    // x * 180 / 2^31 = x * 45 / 2^29, in units of 1e-8 degrees rounded half up: exact in 64
    // bits, since 2^31 * 45 * 10^8 < 2^64.
    const bool negative = semicircles < 0;
    const std::uint64_t magnitude =
        negative ? std::uint64_t(-std::int64_t(semicircles)) : std::uint64_t(semicircles);
    const std::uint64_t units = (magnitude * 4500000000ull + (1ull << 28)) >> 29;
    if (negative && units != 0) *p++ = '-';
    p = std::to_chars(p, p + 4, units / 100000000).ptr;
    std::uint64_t fraction = units % 100000000;
    if (fraction != 0) {
        char digits[8];
        for (int i = 7; i >= 0; --i) {
            digits[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        int last = 7;
        while (digits[last] == '0') --last;
        *p++ = '.';
        for (int i = 0; i <= last; ++i) *p++ = digits[i];
    }
    return p;
}

std::string_view Decimal(double value, char (&buffer)[400]) {
    BASE_ASSERT(std::isfinite(value));
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    BASE_ASSERT(r.ec == std::errc());
    return std::string_view(buffer, static_cast<std::size_t>(r.ptr - buffer));
}

std::string_view Real(double value, char (&buffer)[400]) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
    BASE_ASSERT(r.ec == std::errc());
    return std::string_view(buffer, static_cast<std::size_t>(r.ptr - buffer));
}

bool IsFinite(double value) {
    return std::isfinite(value);
}

std::string_view IsoTime(std::int64_t seconds, char (&buffer)[32]) {
    return std::string_view(buffer, static_cast<std::size_t>(PutIsoTime(buffer, seconds) - buffer));
}

char* PutIsoTime(char* p, std::int64_t seconds) {
    const std::tm t = base::CalendarTime(seconds);
    const int fields[] = {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
    const int widths[] = {4, 2, 2, 2, 2, 2};
    const char after[] = {'-', '-', 'T', ':', ':', 'Z'};
    for (int f = 0; f < 6; ++f) {
        int v = fields[f];
        for (int i = widths[f] - 1; i >= 0; --i) {
            p[i] = static_cast<char>('0' + v % 10);
            v /= 10;
        }
        p += widths[f];
        *p++ = after[f];
    }
    return p;
}

}  // namespace tool
