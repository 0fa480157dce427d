#pragma once
// A strict little JSON reader for checking the tool's output: it raises on anything that is not
// one well-formed JSON value, and keeps strings as bytes (\u0000-\u00FF only) and numbers as text.
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace test {

struct Json_t {
    enum class Kind { null, boolean, number, string, array, object };

    Kind kind = Kind::null;
    bool boolean = false;
    std::string text;  // the number as written, or the string's bytes
    std::vector<Json_t> items;
    std::vector<std::pair<std::string, Json_t>> members;  // in order

    bool IsNull() const { return kind == Kind::null; }
    // Raise std::runtime_error when the member, index or kind is not there.
    const Json_t& operator[](const std::string& key) const;
    const Json_t& operator[](std::size_t index) const;
    std::size_t Size() const;
    long long Int() const;
    double Real() const;
    const std::string& Str() const;
    std::vector<std::string> Keys() const;
};

// Raises std::runtime_error with the offset of the first fault.
Json_t ReadJson(const std::string& text);

}  // namespace test
