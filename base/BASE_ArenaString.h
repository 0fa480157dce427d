#pragma once
// An immutable text that costs one pointer, and nothing more when empty. Read like a
// std::string. A text made in an arena lives as long as the arena and is not freed when the
// text goes; any other text (a copy, an assignment) owns a heap copy of its bytes, so copies
// never depend on an arena.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

#include "base/BASE_Arena.h"

namespace base {

class ArenaString_t {
public:
    using value_type = char;
    using size_type = std::size_t;
    using const_iterator = const char*;
    using iterator = const_iterator;
    static constexpr std::size_t npos = std::string::npos;

    // Texts longer than this are kept on the heap even when an arena is offered.
    static constexpr std::size_t kMaxArenaText = 64 * 1024;

    ArenaString_t() noexcept = default;
    ArenaString_t(std::string_view text) { Assign(nullptr, text); }
    ArenaString_t(const std::string& text) { Assign(nullptr, text); }
    ArenaString_t(const char* text) { Assign(nullptr, std::string_view(text)); }
    ArenaString_t(Arena_t& arena, std::string_view text) { Assign(&arena, text); }
    ArenaString_t(const ArenaString_t& other) { Assign(nullptr, other.view()); }
    // Takes over a heap copy; a text in an arena is copied, since the arena may go first.
    ArenaString_t(ArenaString_t&& other) noexcept(false);
    ArenaString_t& operator=(const ArenaString_t& other);
    ArenaString_t& operator=(ArenaString_t&& other) noexcept(false);
    ArenaString_t& operator=(std::string_view text);
    ArenaString_t& operator=(const std::string& text) { return *this = std::string_view(text); }
    ArenaString_t& operator=(const char* text) { return *this = std::string_view(text); }
    ~ArenaString_t() { Release(); }

    // The text in arena (on the heap when it is long).
    void Assign(Arena_t& arena, std::string_view text) {
        // Most texts of a record are empty, and so is a new record's: nothing to make or free.
        if (text.empty() && empty()) return;
        Replace(arena, text);
    }

    bool empty() const noexcept { return chars_ == nullptr; }
    std::size_t size() const noexcept { return empty() ? 0 : Header() >> 1; }
    std::size_t length() const noexcept { return size(); }
    // Zero-terminated.
    const char* data() const noexcept { return empty() ? "" : chars_; }
    const char* c_str() const noexcept { return data(); }
    const char* begin() const noexcept { return data(); }
    const char* end() const noexcept { return data() + size(); }
    char operator[](std::size_t i) const noexcept { return data()[i]; }
    int compare(std::string_view other) const noexcept { return view().compare(other); }
    std::size_t find(std::string_view part, std::size_t from = 0) const noexcept {
        return view().find(part, from);
    }
    std::size_t find(char c, std::size_t from = 0) const noexcept { return view().find(c, from); }
    std::string substr(std::size_t from = 0, std::size_t n = std::string::npos) const {
        return std::string(view().substr(from, n));
    }

    std::string_view view() const noexcept { return std::string_view(data(), size()); }
    std::string str() const { return std::string(data(), size()); }
    operator std::string_view() const noexcept { return view(); }
    explicit operator std::string() const { return str(); }

private:
    // Before the characters: the size shifted left once, and 1 when the heap holds them.
    static constexpr std::size_t kHeader = sizeof(std::uint32_t);

    std::uint32_t Header() const noexcept {
        std::uint32_t header;
        std::memcpy(&header, chars_ - kHeader, kHeader);
        return header;
    }
    bool OnHeap() const noexcept { return (Header() & 1) != 0; }
    void Assign(Arena_t* arena, std::string_view text);
    void Replace(Arena_t& arena, std::string_view text);
    void Release() noexcept;

    char* chars_ = nullptr;
};

inline bool operator==(const ArenaString_t& a, const ArenaString_t& b) noexcept {
    return a.view() == b.view();
}
inline bool operator==(const ArenaString_t& a, const std::string& b) noexcept {
    return a.view() == std::string_view(b);
}
inline bool operator==(const std::string& a, const ArenaString_t& b) noexcept {
    return std::string_view(a) == b.view();
}
inline bool operator==(const ArenaString_t& a, const char* b) noexcept {
    return a.view() == std::string_view(b);
}
inline bool operator==(const char* a, const ArenaString_t& b) noexcept {
    return std::string_view(a) == b.view();
}
inline bool operator==(const ArenaString_t& a, std::string_view b) noexcept {
    return a.view() == std::string_view(b);
}
inline bool operator==(std::string_view a, const ArenaString_t& b) noexcept {
    return std::string_view(a) == b.view();
}
inline bool operator!=(const ArenaString_t& a, const ArenaString_t& b) noexcept {
    return !(a == b);
}
inline bool operator!=(const ArenaString_t& a, std::string_view b) noexcept {
    return !(a == b);
}
inline bool operator!=(std::string_view a, const ArenaString_t& b) noexcept {
    return !(a == b);
}
inline bool operator!=(const ArenaString_t& a, const std::string& b) noexcept {
    return !(a == b);
}
inline bool operator!=(const std::string& a, const ArenaString_t& b) noexcept {
    return !(a == b);
}
inline bool operator!=(const ArenaString_t& a, const char* b) noexcept {
    return !(a == b);
}
inline bool operator!=(const char* a, const ArenaString_t& b) noexcept {
    return !(a == b);
}
// Bytes compared as unsigned, as std::string does.
inline bool operator<(const ArenaString_t& a, const ArenaString_t& b) noexcept {
    return a.view() < b.view();
}

inline std::string operator+(const ArenaString_t& a, const ArenaString_t& b) {
    return a.str() + b.str();
}
inline std::string operator+(const std::string& a, const ArenaString_t& b) {
    return a + b.str();
}
inline std::string operator+(const ArenaString_t& a, const std::string& b) {
    return a.str() + b;
}
inline std::string operator+(const char* a, const ArenaString_t& b) {
    return a + b.str();
}
inline std::string operator+(const ArenaString_t& a, const char* b) {
    return a.str() + b;
}

inline std::ostream& operator<<(std::ostream& out, const ArenaString_t& text) {
    return out << text.view();
}

}  // namespace base
