#include "base/BASE_ArenaString.h"

#include <new>

namespace base {

ArenaString_t::ArenaString_t(ArenaString_t&& other) noexcept(false) {
    if (!other.empty() && other.OnHeap()) {
        chars_ = other.chars_;
        other.chars_ = nullptr;
    } else {
        Assign(nullptr, other.view());
    }
}

ArenaString_t& ArenaString_t::operator=(const ArenaString_t& other) {
    if (this != &other) *this = other.view();
    return *this;
}

ArenaString_t& ArenaString_t::operator=(ArenaString_t&& other) noexcept(false) {
    if (this == &other) return *this;
    if (!other.empty() && other.OnHeap()) {
        Release();
        chars_ = other.chars_;
        other.chars_ = nullptr;
        return *this;
    }
    return *this = other.view();
}

ArenaString_t& ArenaString_t::operator=(std::string_view text) {
    ArenaString_t copy(text);  // text may be this text's own bytes
    Release();
    chars_ = copy.chars_;
    copy.chars_ = nullptr;
    return *this;
}

void ArenaString_t::Replace(Arena_t& arena, std::string_view text) {
    ArenaString_t made(arena, text);
    Release();
    // made's bytes are in the arena or on the heap; either way this text takes them over.
    chars_ = made.chars_;
    made.chars_ = nullptr;
}

void ArenaString_t::Assign(Arena_t* arena, std::string_view text) {
    // Only called on an empty text.
    if (text.empty()) return;
    if (text.size() > (std::uint32_t(-1) >> 1)) throw std::bad_alloc();
    const bool on_heap = arena == nullptr || text.size() > kMaxArenaText;
    const std::size_t bytes = kHeader + text.size() + 1;
    char* block = on_heap ? new char[bytes] : arena->AllocateBytes(bytes);
    const std::uint32_t header = (static_cast<std::uint32_t>(text.size()) << 1) | (on_heap ? 1u : 0u);
    std::memcpy(block, &header, kHeader);
    std::memcpy(block + kHeader, text.data(), text.size());
    block[kHeader + text.size()] = '\0';
    chars_ = block + kHeader;
}

void ArenaString_t::Release() noexcept {
    if (chars_ != nullptr && OnHeap()) delete[](chars_ - kHeader);
    chars_ = nullptr;
}

}  // namespace base
