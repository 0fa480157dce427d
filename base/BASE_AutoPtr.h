#pragma once
// Sole owner of a heap object. Reaching through an empty owner is a rule violation and raises
// base::Assert_t, so callers test it first.
#include <memory>
#include <utility>

#include "base/BASE_Exception.h"

namespace base {

template <class T>
class AutoPtr_t {
public:
    AutoPtr_t() = default;
    explicit AutoPtr_t(std::unique_ptr<T> object) : object_(std::move(object)) {}
    template <class U>
    AutoPtr_t(AutoPtr_t<U>&& other) : object_(other.Release()) {}  // NOLINT: converts like a pointer
    AutoPtr_t(AutoPtr_t&&) noexcept = default;
    AutoPtr_t& operator=(AutoPtr_t&&) noexcept = default;

    T& operator*() const {
        if (!object_) throw Assert_t("BASE_AutoPtr", __LINE__);
        return *object_;
    }
    T* operator->() const { return &**this; }

    T* Get() const noexcept { return object_.get(); }
    explicit operator bool() const noexcept { return object_ != nullptr; }
    std::unique_ptr<T> Release() noexcept { return std::move(object_); }
    void Reset(std::unique_ptr<T> object = nullptr) noexcept { object_ = std::move(object); }

private:
    std::unique_ptr<T> object_;
};

// Makes an owner of a new T built from args.
template <class T, class... Args>
AutoPtr_t<T> MakeAutoPtr(Args&&... args) {
    return AutoPtr_t<T>(std::make_unique<T>(std::forward<Args>(args)...));
}

}  // namespace base
