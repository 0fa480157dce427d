#pragma once
// The eight-byte block of a waypoint key (its first byte the key's type code), kept inside the
// key: every key has one, and a heap block per waypoint would cost more than the bytes. Used
// like a std::vector of bytes of at most eight; more raises base::OutOfRange_t.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace trove {

class IdBlock_t {
public:
    using value_type = std::uint8_t;
    using size_type = std::size_t;
    using iterator = std::uint8_t*;
    using const_iterator = const std::uint8_t*;
    static constexpr std::size_t kCapacity = 8;

    IdBlock_t() noexcept = default;
    IdBlock_t(std::size_t n, std::uint8_t value);
    IdBlock_t(std::initializer_list<std::uint8_t> bytes) { assign(bytes.begin(), bytes.end()); }
    IdBlock_t(const std::vector<std::uint8_t>& bytes) { assign(bytes.data(), bytes.data() + bytes.size()); }

    void assign(const std::uint8_t* first, const std::uint8_t* last);
    void push_back(std::uint8_t byte);
    void pop_back() noexcept {
        if (size_ > 0) --size_;
    }

    bool empty() const noexcept { return size_ == 0; }
    std::size_t size() const noexcept { return size_; }
    const std::uint8_t* data() const noexcept { return bytes_; }
    std::uint8_t* begin() noexcept { return bytes_; }
    std::uint8_t* end() noexcept { return bytes_ + size_; }
    const std::uint8_t* begin() const noexcept { return bytes_; }
    const std::uint8_t* end() const noexcept { return bytes_ + size_; }
    std::uint8_t front() const noexcept { return bytes_[0]; }
    std::uint8_t& operator[](std::size_t i) noexcept { return bytes_[i]; }
    std::uint8_t operator[](std::size_t i) const noexcept { return bytes_[i]; }
    std::vector<std::uint8_t> Bytes() const { return std::vector<std::uint8_t>(begin(), end()); }

    friend bool operator==(const IdBlock_t& a, const IdBlock_t& b) noexcept {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }
    friend bool operator!=(const IdBlock_t& a, const IdBlock_t& b) noexcept { return !(a == b); }
    // Byte by byte as unsigned values, a shorter block first on a common start (as a vector).
    friend bool operator<(const IdBlock_t& a, const IdBlock_t& b) noexcept {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    std::uint8_t bytes_[kCapacity] = {};
    std::uint8_t size_ = 0;
};

}  // namespace trove
