#include "TOOL_JsonRead.h"

#include <cstdlib>
#include <stdexcept>

namespace test {

namespace {

class Reader_t {
public:
    explicit Reader_t(const std::string& text) : s_(text) {}

    Json_t Document() {
        Json_t value = Value();
        Blanks();
        if (pos_ != s_.size()) Fail("text after the value");
        return value;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(pos_));
    }
    void Blanks() {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\n' || s_[pos_] == '\t' || s_[pos_] == '\r'))
            ++pos_;
    }
    char Peek() {
        Blanks();
        if (pos_ >= s_.size()) Fail("unexpected end");
        return s_[pos_];
    }
    void Expect(char c) {
        if (Peek() != c) Fail(std::string("expected ") + c);
        ++pos_;
    }
    bool Word(const char* word) {
        const std::string w(word);
        if (s_.compare(pos_, w.size(), w) != 0) return false;
        pos_ += w.size();
        return true;
    }

    Json_t Value() {
        Json_t v;
        const char c = Peek();
        if (c == '{') {
            v.kind = Json_t::Kind::object;
            ++pos_;
            if (Peek() == '}') {
                ++pos_;
                return v;
            }
            for (;;) {
                if (Peek() != '"') Fail("expected a key");
                std::string key = String();
                Expect(':');
                v.members.emplace_back(key, Value());
                if (Peek() == ',') {
                    ++pos_;
                    continue;
                }
                Expect('}');
                return v;
            }
        }
        if (c == '[') {
            v.kind = Json_t::Kind::array;
            ++pos_;
            if (Peek() == ']') {
                ++pos_;
                return v;
            }
            for (;;) {
                v.items.push_back(Value());
                if (Peek() == ',') {
                    ++pos_;
                    continue;
                }
                Expect(']');
                return v;
            }
        }
        if (c == '"') {
            v.kind = Json_t::Kind::string;
            v.text = String();
            return v;
        }
        if (Word("null")) return v;
        if (Word("true") || Word("false")) {
            v.kind = Json_t::Kind::boolean;
            v.boolean = s_[pos_ - 1] == 'e' && s_[pos_ - 2] == 'u';  // "true", not "false"
            return v;
        }
        v.kind = Json_t::Kind::number;
        const std::size_t start = pos_;
        if (s_[pos_] == '-') ++pos_;
        while (pos_ < s_.size() && std::string("0123456789.eE+-").find(s_[pos_]) != std::string::npos) ++pos_;
        v.text = s_.substr(start, pos_ - start);
        char* end = nullptr;
        std::strtod(v.text.c_str(), &end);
        if (v.text.empty() || *end != '\0') Fail("bad number");
        return v;
    }

    std::string String() {
        Expect('"');
        std::string bytes;
        for (;;) {
            if (pos_ >= s_.size()) Fail("unterminated string");
            const unsigned char c = static_cast<unsigned char>(s_[pos_++]);
            if (c == '"') return bytes;
            if (c < 0x20 || c > 0x7E) Fail("raw byte in a string");
            if (c != '\\') {
                bytes += static_cast<char>(c);
                continue;
            }
            if (pos_ >= s_.size()) Fail("unterminated escape");
            const char e = s_[pos_++];
            if (e == '"' || e == '\\' || e == '/') {
                bytes += e;
            } else if (e == 'u') {
                if (pos_ + 4 > s_.size()) Fail("short \\u escape");
                const unsigned long code = std::strtoul(s_.substr(pos_, 4).c_str(), nullptr, 16);
                if (code > 0xFF) Fail("\\u escape above 00FF");
                bytes += static_cast<char>(code);
                pos_ += 4;
            } else {
                Fail("escape the tool does not write");
            }
        }
    }

    const std::string& s_;
    std::size_t pos_ = 0;
};

}  // namespace

const Json_t& Json_t::operator[](const std::string& key) const {
    if (kind != Kind::object) throw std::runtime_error("JSON: not an object, looking for " + key);
    for (const auto& m : members) {
        if (m.first == key) return m.second;
    }
    throw std::runtime_error("JSON: no member " + key);
}

const Json_t& Json_t::operator[](std::size_t index) const {
    if (kind != Kind::array || index >= items.size())
        throw std::runtime_error("JSON: no item " + std::to_string(index));
    return items[index];
}

std::size_t Json_t::Size() const {
    if (kind == Kind::array) return items.size();
    if (kind == Kind::object) return members.size();
    throw std::runtime_error("JSON: no size");
}

long long Json_t::Int() const {
    if (kind != Kind::number || text.find_first_of(".eE") != std::string::npos)
        throw std::runtime_error("JSON: not an integer: " + text);
    return std::stoll(text);
}

double Json_t::Real() const {
    if (kind != Kind::number) throw std::runtime_error("JSON: not a number");
    return std::strtod(text.c_str(), nullptr);
}

const std::string& Json_t::Str() const {
    if (kind != Kind::string) throw std::runtime_error("JSON: not a string");
    return text;
}

std::vector<std::string> Json_t::Keys() const {
    std::vector<std::string> keys;
    for (const auto& m : members) keys.push_back(m.first);
    return keys;
}

Json_t ReadJson(const std::string& text) {
    return Reader_t(text).Document();
}

}  // namespace test
