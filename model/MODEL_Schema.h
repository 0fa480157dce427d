#pragma once
// The fields of a layer, declared once as data: each field's name as the exports write it, its
// name as the data file's reader (and dump) knows it, its type and, where known, its meaning. A
// feature's value of a field is a Value_t.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace model {

enum class FieldType_t {
    Integer,  // whole numbers, signed or not, up to 32 bits
    Real,     // doubles; positions too, in degrees (their values hold semicircles)
    Text,     // bytes of the file's code page (Utf8_t makes them UTF-8)
    Time,     // seconds since 1970-01-01 00:00 UTC
    Hex,      // bytes, written as upper-case hex digits
};

// One value of a field; Absent where the feature has none.
struct Value_t {
    enum class Kind_t { Absent, Integer, Real, Degrees, Text, Time, Hex };

    Value_t() = default;  // absent
    static Value_t Absent() { return Value_t(); }
    static Value_t Integer(std::int64_t v) { return Value_t(Kind_t::Integer, v, 0, {}); }
    static Value_t Real(double v) { return Value_t(Kind_t::Real, 0, v, {}); }
    static Value_t Degrees(std::int32_t semicircles) { return Value_t(Kind_t::Degrees, semicircles, 0, {}); }
    static Value_t Text(std::string_view bytes) { return Value_t(Kind_t::Text, 0, 0, bytes); }
    static Value_t Time(std::int64_t seconds) { return Value_t(Kind_t::Time, seconds, 0, {}); }
    static Value_t Hex(std::string_view bytes) { return Value_t(Kind_t::Hex, 0, 0, bytes); }

    bool Has() const { return kind != Kind_t::Absent; }

    Kind_t kind = Kind_t::Absent;
    std::int64_t integer = 0;  // Integer; Degrees: semicircles; Time: seconds
    double real = 0;           // Real
    std::string_view bytes;    // Text, Hex: the file's bytes, valid while the file is loaded

private:
    Value_t(Kind_t k, std::int64_t i, double r, std::string_view b)
        : kind(k), integer(i), real(r), bytes(b) {}
};

struct Field_t {
    // As the exports write it: readable where the file's program labels the field (the
    // handheld record's note and texts), the reader's name otherwise.
    const char* name;
    const char* dump_name;  // as dump names it: the reader's name of the value
    FieldType_t type;
    const char* meaning;  // what the field is, where known; "" otherwise
    // The feature's value: feature points at the layer's feature view (MODEL_Features.h).
    // Read it through File_t::Value or ValueOf (MODEL_Layers.h).
    Value_t (*value)(const void* feature);
};

// The fields of one layer, in dump's order.
class Schema_t {
public:
    template <std::size_t N>
    constexpr explicit Schema_t(const Field_t (&fields)[N]) : fields_(fields), size_(N) {}

    std::size_t Size() const { return size_; }
    const Field_t& operator[](std::size_t i) const { return fields_[i]; }
    const Field_t* begin() const { return fields_; }
    const Field_t* end() const { return fields_ + size_; }
    // The field's index, or Size() when the layer has none of that name.
    std::size_t Find(std::string_view name) const;

private:
    const Field_t* fields_;
    std::size_t size_;
};

}  // namespace model
