#pragma once
// The code page of one loaded file: selected while the object lives, the previous one
// afterwards. The selection is the process's (the tables order names under it).
#include "base/BASE_CodePage.h"

namespace model {

class CodePageScope_t {
public:
    explicit CodePageScope_t(unsigned code_page) : ok_(base::SelectCodePage(code_page)) {}
    ~CodePageScope_t() { base::SelectCodePage(saved_); }
    CodePageScope_t(const CodePageScope_t&) = delete;
    CodePageScope_t& operator=(const CodePageScope_t&) = delete;

    bool Ok() const { return ok_; }

private:
    unsigned saved_ = base::CurrentCodePage();
    bool ok_;
};

}  // namespace model
