#pragma once
// A value that may be absent. Reading an absent value is a rule violation and raises,
// so callers test Has() first.
#include <optional>
#include <utility>

#include "base/BASE_Exception.h"

namespace base {

template <class T>
class Optional_t {
public:
    Optional_t() = default;
    Optional_t(const T& value) : value_(value) {}  // NOLINT: implicit like the value it holds
    Optional_t(const std::optional<T>& value) : value_(value) {}  // NOLINT

    bool Has() const noexcept { return value_.has_value(); }
    explicit operator bool() const noexcept { return Has(); }

    const T& Value() const {
        if (!value_) throw Assert_t("BASE_Optional", 103);
        return *value_;
    }
    T& Value() {
        if (!value_) throw Assert_t("BASE_Optional", 103);
        return *value_;
    }
    const T& operator*() const { return Value(); }
    T& operator*() { return Value(); }
    const T* operator->() const { return &Value(); }
    T* operator->() { return &Value(); }

    void Set(const T& value) { value_ = value; }
    void Reset() noexcept { value_.reset(); }
    Optional_t& operator=(const T& value) {
        value_ = value;
        return *this;
    }

    friend bool operator==(const Optional_t& a, const Optional_t& b) { return a.value_ == b.value_; }
    friend bool operator!=(const Optional_t& a, const Optional_t& b) { return !(a == b); }

private:
    std::optional<T> value_;
};

}  // namespace base
