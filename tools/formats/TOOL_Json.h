#pragma once
// A small streaming JSON writer for the tool's output. Texts are written byte for byte: every
// byte outside 0x20-0x7E becomes \u00XX, so the output is ASCII and the bytes can be recovered
// exactly whatever code page they were in.
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tool {

// What a JSON string holds: dump's bytes, each outside 0x20-0x7E as \u00XX (upper-case hex),
// so that any code page's bytes come back; or UTF-8 text as it stands, only quotes, backslashes
// and control characters escaped (lower-case hex).
enum class JsonText_t { Bytes, Utf8 };

// True when c stands as it is in the string.
inline bool PlainInJson(unsigned char c, JsonText_t kind) {
    const unsigned char last = kind == JsonText_t::Bytes ? 0x7E : 0xFF;
    return c >= 0x20 && c <= last && c != '"' && c != '\\';
}

// append(std::string_view) for each piece of text's escaped form, quotes not included.
template <class Append>
void EscapeJson(std::string_view text, JsonText_t kind, Append&& append) {
    const char* const hex = kind == JsonText_t::Bytes ? "0123456789ABCDEF" : "0123456789abcdef";
    const char* run = text.data();
    const char* const end = run + text.size();
    for (const char* at = run; at != end; ++at) {
        const unsigned char c = static_cast<unsigned char>(*at);
        if (PlainInJson(c, kind)) continue;
        if (at != run) append(std::string_view(run, static_cast<std::size_t>(at - run)));
        run = at + 1;
        if (c == '"' || c == '\\') {
            const char pair[] = {'\\', static_cast<char>(c)};
            append(std::string_view(pair, 2));
        } else {
            const char escape[] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 0xF]};
            append(std::string_view(escape, sizeof escape));
        }
    }
    if (end != run) append(std::string_view(run, static_cast<std::size_t>(end - run)));
}

// The JSON string for bytes (JsonText_t::Bytes), quotes included.
std::string JsonString(std::string_view bytes);
void AppendJsonString(std::string& out, std::string_view bytes);
// The shortest text that reads back as the same double; integral values print as integers
// (1234). JSON has no NaN or infinity: they become the strings "NaN", "Infinity", "-Infinity".
std::string JsonReal(double value);
void AppendJsonReal(std::string& out, double value);

enum class Layout {
    block,   // one member per line, indented
    inline_  // everything inside on one line
};

// Written through a buffer of its own: a big document is millions of small pieces, too many to
// hand to the stream one by one. The buffer goes out when full, when the document closes and
// when the writer goes.
class JsonWriter_t {
public:
    explicit JsonWriter_t(std::ostream& out) : out_(out) { buffer_.reserve(kFlushAt + 1024); }
    ~JsonWriter_t() { Flush(); }
    JsonWriter_t(const JsonWriter_t&) = delete;
    JsonWriter_t& operator=(const JsonWriter_t&) = delete;

    void BeginObject(Layout layout = Layout::block) { Open('{', layout); }
    void EndObject() { Close('}'); }
    void BeginArray(Layout layout = Layout::block) { Open('[', layout); }
    void EndArray() { Close(']'); }

    // The next value is this member of the current object.
    void Key(const char* key);

    void String(std::string_view bytes);
    void Int(std::int64_t value);
    void UInt(std::uint64_t value);
    void Real(double value);
    void Null();

private:
    static constexpr std::size_t kFlushAt = 64 * 1024;

    struct Level_t {
        bool block;
        bool empty;
    };

    void Open(char bracket, Layout layout);
    void Close(char bracket);
    void Flush();
    void FlushIfFull() {
        if (buffer_.size() >= kFlushAt) Flush();
    }
    // Comma and line break before a member or element (nothing after a key).
    void BeforeValue();
    void NewLine();

    std::ostream& out_;
    std::string buffer_;
    std::vector<Level_t> levels_;
    bool after_key_ = false;
};

}  // namespace tool
