#pragma once
// Checks that a call raises one of the system's exceptions from the expected source and line.
#include <gtest/gtest.h>

#include <string>

#include "base/BASE_Exception.h"

namespace support {

template <class E, class F>
::testing::AssertionResult Raises(F&& call, const char* file, int line) {
    try {
        call();
    } catch (const E& e) {
        if (std::string(e.File()) == file && e.Line() == line) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "raised from " << e.File() << ":" << e.Line() << ", expected " << file << ":" << line;
    } catch (const std::exception& e) {
        return ::testing::AssertionFailure() << "raised another exception: " << e.what();
    }
    return ::testing::AssertionFailure() << "raised nothing";
}

}  // namespace support

// EXPECT_RAISES(base::OutOfRange_t, box.North(), "GEO_Box", 170);
#define EXPECT_RAISES(Type, expr, file, line) \
    EXPECT_TRUE(::support::Raises<Type>([&] { (void)(expr); }, file, line))
