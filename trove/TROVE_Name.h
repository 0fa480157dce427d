#pragma once
// A record's name, in the system's multibyte code page. Trailing blanks never count.
#include <string>
#include <string_view>

#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_OStream.h"
#include "trove/bin/BIN_SpanReader.h"

namespace trove {

// The text cut after its last character that is not a blank (0x20 only).
std::string TrimTrailingBlanks(const std::string& text);
// The same cut, shown in place.
std::string_view WithoutTrailingBlanks(std::string_view text);
// The same cut, made in place.
void TrimTrailingBlanksInPlace(std::string& text);

class Name_t {
public:
    Name_t() = default;
    // Trailing blanks are removed; a text of blanks only gives an empty name.
    explicit Name_t(const std::string& name_text) : text(TrimTrailingBlanks(name_text)) {}
    Name_t(const Name_t&) = default;
    Name_t& operator=(const Name_t&) = default;
    virtual ~Name_t() = default;

    // The bytes and one zero byte.
    virtual void Write(bin::ostream& out) const;
    // A zero-terminated text, trailing blanks removed; on failure the name stays as it was.
    virtual void Read(bin::istream& in);
    void Read(bin::SpanReader_t& in);

    std::string text;
};

}  // namespace trove
