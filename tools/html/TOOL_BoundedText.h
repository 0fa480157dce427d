#pragma once
// A stream's buffer that keeps what is written into a string up to a limit and drops the rest:
// text measured against a budget takes no more memory than the budget, however long it runs.
#include <algorithm>
#include <cstddef>
#include <ios>
#include <streambuf>
#include <string>

namespace tool {

// text is emptied first; it keeps at most `limit` characters.
class BoundedText_t : public std::streambuf {
public:
    BoundedText_t(std::string& text, std::size_t limit) : text_(text), limit_(limit) { text_.clear(); }

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        const std::size_t room = limit_ - text_.size();
        text_.append(s, std::min(room, static_cast<std::size_t>(n)));
        return n;
    }
    int_type overflow(int_type c) override {
        if (c != traits_type::eof() && text_.size() < limit_) text_ += traits_type::to_char_type(c);
        return traits_type::not_eof(c);
    }

private:
    std::string& text_;
    std::size_t limit_;
};

}  // namespace tool
