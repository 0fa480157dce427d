#pragma once
// For the catch blocks around stream-buffer calls.
#include <new>

namespace bin {

// Inside a catch block: exhausted memory is no fault of the data and goes on as itself; any
// other failure returns, for the caller to turn into the stream's bad bit.
inline void RethrowOutOfMemory() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        throw;
    } catch (...) {
    }
}

}  // namespace bin
