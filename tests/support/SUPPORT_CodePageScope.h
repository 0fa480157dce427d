#pragma once
// Selects a code page for the scope of a test and puts the previous setting back afterwards:
// the whole C run-time locale on Windows, the seam's table elsewhere.
#include <gtest/gtest.h>

#include <string>

#include "base/BASE_CodePage.h"
#ifdef _WIN32
#include <locale.h>
#endif

namespace support {

class CodePageScope_t {
public:
    explicit CodePageScope_t(unsigned code_page) {
        EXPECT_TRUE(base::SelectCodePage(code_page)) << "code page " << code_page;
    }
    ~CodePageScope_t() {
#ifdef _WIN32
        ::setlocale(LC_ALL, saved_.c_str());
#else
        base::SelectCodePage(saved_);
#endif
    }
    CodePageScope_t(const CodePageScope_t&) = delete;
    CodePageScope_t& operator=(const CodePageScope_t&) = delete;

private:
#ifdef _WIN32
    std::string saved_ = ::setlocale(LC_ALL, nullptr);
#else
    unsigned saved_ = base::CurrentCodePage();
#endif
};

}  // namespace support
