#pragma once
// Which code page a set of texts is most likely written in. Every supported page under which
// some text holds an undefined byte or a broken double-byte sequence is out; the others are
// scored by how much the characters they read look like their languages: common letters of
// the page's script, words of one script, case as words have it, tone marks after vowels.
// Texts of ASCII alone weigh nothing: they read alike under every page.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace base {

constexpr unsigned kFallbackCodePage = 1252;

struct CodePageGuess_t {
    unsigned code_page = kFallbackCodePage;  // the page to read the texts in
    unsigned likely = 0;             // the best-scoring page, even when thin (0: no page reads every text)
    unsigned runner_up = 0;          // the second best (0: none)
    bool thin = true;                // too little evidence: code_page is the fallback where it reads them
    bool fallback_reads_all = true;  // 1252 reads every text
    std::size_t texts = 0;           // texts with bytes beyond ASCII
};

class CodePageGuesser_t {
public:
    CodePageGuesser_t();

    void Add(std::string_view text);
    CodePageGuess_t Guess() const;

    // The score of each supported page that still reads every text, best first.
    struct Score_t {
        unsigned code_page;
        double score;
    };
    std::vector<Score_t> Scores() const;

private:
    struct Page_t {
        unsigned code_page;
        bool reads_all = true;
        double score = 0;
    };
    std::vector<Page_t> pages_;
    std::size_t texts_ = 0;
    std::u16string decoded_;  // reused between texts
};

}  // namespace base
