// Memory running out at any point of a command: the command ends with "out of memory" and its own
// exit status, never with an abort, a report of a damaged file or half an output file.
// This program replaces operator new so that a test can give the commands a budget.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <new>
#include <streambuf>
#include <string>
#include <vector>

#include "tools/cli/TOOL_Command.h"
#include "tools/cli/TOOL_Exit.h"

namespace {

long long budget = -1;  // bytes operator new may still hand out; -1: no limit

void* Allocate(std::size_t n) {
    if (budget >= 0) {
        if (static_cast<long long>(n) > budget) throw std::bad_alloc();
        budget -= static_cast<long long>(n);
    }
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}

// Output that never allocates: the message about exhausted memory must get out.
class FixedBuffer_t : public std::streambuf {
public:
    explicit FixedBuffer_t(std::size_t size) : bytes_(size) { setp(bytes_.data(), bytes_.data() + size); }
    std::string Text() const { return std::string(pbase(), pptr()); }

private:
    std::vector<char> bytes_;
};

struct Run_t {
    int code;
    std::string err;
};

Run_t RunWithBudget(const std::vector<std::string>& args, long long bytes) {
    FixedBuffer_t out_buffer(4 << 20), err_buffer(4096);
    std::ostream out(&out_buffer), err(&err_buffer);
    budget = bytes;
    const int code = tool::Main(args, out, err);
    budget = -1;
    return {code, err_buffer.Text()};
}

TEST(OutOfMemory, EveryBudgetEndsWrittenOrInOutOfMemory) {
    const std::string example = TROVIX_TEST_EXAMPLE;
    for (const std::vector<std::string> args : {std::vector<std::string>{"dump", example},
                                                std::vector<std::string>{"records", example},
                                                std::vector<std::string>{"gpx", example, "-o", "tmp_oom.gpx"},
                                                std::vector<std::string>{"kml", example, "-o", "tmp_oom.gpx"},
                                                std::vector<std::string>{"geojson", example, "-o", "tmp_oom.gpx"},
                                                std::vector<std::string>{"csv", example, "-o", "tmp_oom.gpx"}}) {
        SCOPED_TRACE(args[0]);
        bool written = false;
        for (long long bytes = 256; !written && bytes < (1ll << 30); bytes = bytes * 3 / 2) {
            SCOPED_TRACE(bytes);
            const Run_t run = RunWithBudget(args, bytes);
            written = run.code == tool::kExitOk;
            if (!written) {
                EXPECT_EQ(run.code, tool::kExitOutOfMemory);
                EXPECT_EQ(run.err, "trovix: out of memory\n");
                std::ifstream half("tmp_oom.gpx");
                EXPECT_FALSE(half.good()) << "a piece of the output was left";
            }
        }
        EXPECT_TRUE(written);
        std::remove("tmp_oom.gpx");
    }
}

}  // namespace

void* operator new(std::size_t n) { return Allocate(n); }
void* operator new[](std::size_t n) { return Allocate(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
