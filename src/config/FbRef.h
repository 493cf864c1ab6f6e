#pragma once

#include <utility>

namespace orfa::config {

// Owns one reference to an interface of the Firebird client library and gives it back
// when it goes: release() for reference-counted interfaces, dispose() for the others
// (parameter builders, status objects). The library's own calls that end an object on
// success (commit, rollback, detach, close) release it themselves; forget() then drops
// the pointer without releasing it a second time.
template <typename T> class FbRef {
public:
    FbRef() = default;
    explicit FbRef(T* pointer)
        : pointer_(pointer) {}
    ~FbRef() { reset(); }
    FbRef(const FbRef&) = delete;
    FbRef& operator=(const FbRef&) = delete;
    FbRef(FbRef&& other) noexcept
        : pointer_(std::exchange(other.pointer_, nullptr)) {}
    FbRef& operator=(FbRef&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.pointer_, nullptr));
        return *this;
    }

    T* get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    void reset(T* pointer = nullptr) {
        T* old = std::exchange(pointer_, pointer);
        if (old == nullptr)
            return;
        if constexpr (requires { old->release(); })
            old->release();
        else
            old->dispose();
    }
    void forget() { pointer_ = nullptr; }

private:
    T* pointer_ = nullptr;
};

} // namespace orfa::config
