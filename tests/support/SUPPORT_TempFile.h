#pragma once
// A file with given bytes in the test's working directory, removed again at scope exit.
// The name carries the process id and the test's name, so parallel test processes never share one.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#ifdef _WIN32
#include <process.h>
#define TEST_GETPID _getpid
#else
#include <unistd.h>
#define TEST_GETPID getpid
#endif

namespace test {

class TempFile_t {
public:
    explicit TempFile_t(const std::string& bytes) {
        static int counter = 0;
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::string("tmp_") + std::to_string(TEST_GETPID()) + "_" +
                (info ? std::string(info->test_suite_name()) + "_" + info->name() : std::string("x")) + "_" +
                std::to_string(++counter) + ".bin";
        std::ofstream out(path_, std::ios_base::binary | std::ios_base::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~TempFile_t() { std::remove(path_.c_str()); }
    TempFile_t(const TempFile_t&) = delete;
    TempFile_t& operator=(const TempFile_t&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace test
