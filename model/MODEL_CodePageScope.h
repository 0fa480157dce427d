#pragma once
// The code page of one loaded file: selected while the object lives, the previous one
// afterwards. The selection is the process's (the tables order names under it); a code page
// already selected is left alone, so that files of one code page may be loaded side by side.
#include "base/BASE_CodePage.h"

namespace model {

class CodePageScope_t {
public:
    explicit CodePageScope_t(unsigned code_page)
        : ok_(saved_ == code_page || base::SelectCodePage(code_page)) {}
    ~CodePageScope_t() {
        if (base::CurrentCodePage() != saved_) base::SelectCodePage(saved_);
    }
    CodePageScope_t(const CodePageScope_t&) = delete;
    CodePageScope_t& operator=(const CodePageScope_t&) = delete;

    bool Ok() const { return ok_; }

private:
    unsigned saved_ = base::CurrentCodePage();
    bool ok_;
};

}  // namespace model
