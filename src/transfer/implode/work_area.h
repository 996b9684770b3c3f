// Placing the codec's state in the caller's work area.
#pragma once

#include <cstdint>
#include <new>
#include <type_traits>

namespace orvane::pklib::detail {

// Starts the lifetime of a T at the first suitably aligned byte of `work`
// (the caller's buffer needs no particular alignment; the static_asserts
// beside each T keep room for the padding). The bytes are not initialised.
template <typename T> T& PlaceIn(char* work) {
    static_assert(std::is_trivially_default_constructible_v<T>);
    static_assert(std::is_trivially_destructible_v<T>);
    const auto address = reinterpret_cast<std::uintptr_t>(work);
    const auto aligned = (address + alignof(T) - 1) & ~(std::uintptr_t{alignof(T)} - 1);
    return *::new (work + (aligned - address)) T;
}

} // namespace orvane::pklib::detail
