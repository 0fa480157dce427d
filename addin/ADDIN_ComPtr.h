#pragma once
// A counted reference to a COM object, released on every way out.
#include <ole2.h>

#include "addin/ADDIN_ComError.h"

namespace addin {

template <class I>
class ComPtr_t {
public:
    ComPtr_t() = default;
    // Takes a reference of its own (AddRef) to p.
    ComPtr_t(I* p) noexcept : p_(p) {
        if (p_) p_->AddRef();
    }
    ComPtr_t(const ComPtr_t& other) noexcept : ComPtr_t(other.p_) {}
    ComPtr_t(ComPtr_t&& other) noexcept : p_(other.Detach()) {}
    ComPtr_t& operator=(const ComPtr_t& other) noexcept { return *this = other.p_; }
    ComPtr_t& operator=(ComPtr_t&& other) noexcept {
        if (this != &other) Attach(other.Detach());
        return *this;
    }
    // The new pointer gets its AddRef before the old one is released.
    ComPtr_t& operator=(I* p) noexcept {
        if (p) p->AddRef();
        Attach(p);
        return *this;
    }
    ~ComPtr_t() { Reset(); }

    // Queries source for I. A null source or E_NOINTERFACE gives an empty pointer; any other failure
    // raises a COM error with that HRESULT.
    static ComPtr_t Query(IUnknown* source) {
        ComPtr_t result;
        if (!source) return result;
        HRESULT hr = source->QueryInterface(__uuidof(I), reinterpret_cast<void**>(result.Put()));
        if (hr == E_NOINTERFACE) return ComPtr_t();
        if (FAILED(hr)) RaiseComError(hr, nullptr, __uuidof(I));
        return result;
    }

    // Using an empty pointer raises a COM error E_POINTER.
    I* operator->() const {
        if (!p_) RaiseComError(E_POINTER, nullptr, __uuidof(I));
        return p_;
    }
    I* Get() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }

    // Releases the current object; for out parameters, which hand over a reference.
    I** Put() noexcept {
        Reset();
        return &p_;
    }
    // Takes over a reference without AddRef.
    void Attach(I* p) noexcept {
        I* old = p_;
        p_ = p;
        if (old) old->Release();
    }
    I* Detach() noexcept {
        I* p = p_;
        p_ = nullptr;
        return p;
    }
    void Reset() noexcept { Attach(nullptr); }

private:
    I* p_ = nullptr;
};

}  // namespace addin
