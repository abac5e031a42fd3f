#pragma once

#include <memory>

#if defined(__SANITIZE_ADDRESS__)
#define ORVANE_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANE_LEAK_CHECKED 1
#endif
#endif
#ifdef ORVANE_LEAK_CHECKED
#include <sanitizer/lsan_interface.h>
#endif

namespace orvane {

// Leaves an object behind on purpose, for a thread that may still use it, and
// tells a leak checker so: what it owns is not reported either.
template <typename T> void abandon(std::unique_ptr<T>& owner)
{
    [[maybe_unused]] T* left = owner.release();
#ifdef ORVANE_LEAK_CHECKED
    __lsan_ignore_object(left);
#endif
}

} // namespace orvane
