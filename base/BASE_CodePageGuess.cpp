#include "base/BASE_CodePageGuess.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>

#include "base/BASE_CodePageProfiles.h"
#include "base/BASE_CodePageUnicode.h"

namespace base {

namespace {

// Beyond this many texts outside ASCII the scores are settled; the rest are only checked for
// bytes a page cannot read, so that a big file costs little.
constexpr std::size_t kScoredTexts = 4000;
// Fewer texts than this beyond ASCII, or a lead smaller than this over the runner-up, is thin.
constexpr std::size_t kMinTexts = 3;
constexpr double kMinLead = 8.0;
// The default page wins ties.
constexpr double kFallbackBonus = 1.0;

constexpr double kSymbol = -3.0;           // a character beyond ASCII that is no letter of the page
constexpr double kOtherLetter = -1.0;      // a letter of the page's script its languages seldom use
constexpr double kMixedScript = -2.0;      // a letter of a non-Latin page against an ASCII letter
constexpr double kCaseInWord = -2.0;       // an upper-case letter after a lower-case one
constexpr double kLatinPair = -0.5;        // two letters beyond ASCII in a row on a Latin page
constexpr double kLatinRun = -1.5;         // each further one
constexpr double kToneMark = 3.0;          // a tone mark after a vowel, or against one elsewhere
constexpr double kTopLetter = 3.0;         // the most frequent letter of an alphabet
constexpr double kCommonCharacter = 3.0;   // a common character of a double-byte page
constexpr double kRareLetter = -1.0;       // the least any letter of the page weighs
constexpr std::size_t kMaxConsonants = 3;  // in a row, in Cyrillic and Greek words
constexpr double kConsonantRun = -2.0;     // each consonant beyond

// Lower case of the letters of the supported pages that have case.
char16_t Lower(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 0x20);
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return static_cast<char16_t>(c | 1);
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return static_cast<char16_t>(c % 2 ? c + 1 : c);
    if (c == 0x178) return 0xFF;
    if (c == 0x1A0 || c == 0x1AF) return static_cast<char16_t>(c + 1);
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return static_cast<char16_t>(c + 0x20);
    if (c == 0x386) return 0x3AC;
    if (c >= 0x388 && c <= 0x38A) return static_cast<char16_t>(c + 0x25);
    if (c == 0x38C) return 0x3CC;
    if (c == 0x38E || c == 0x38F) return static_cast<char16_t>(c + 0x3F);
    if (c >= 0x410 && c <= 0x42F) return static_cast<char16_t>(c + 0x20);
    if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 0x50);
    if (c == 0x490) return 0x491;
    return c;
}

bool IsCombiningMark(char16_t c) {
    return c >= 0x300 && c <= 0x36F;
}

bool IsScriptLetter(Script_t script, char16_t c) {
    switch (script) {
        case Script_t::latin:
            return (c >= 0xC0 && c <= 0x17F && c != 0xD7 && c != 0xF7) || c == 0x1A0 || c == 0x1A1 ||
                   c == 0x1AF || c == 0x1B0;
        case Script_t::cyrillic:
            return c >= 0x400 && c <= 0x4FF;
        case Script_t::greek:
            return c >= 0x386 && c <= 0x3FF;
        case Script_t::hebrew:
            return c >= 0x5B0 && c <= 0x5F4;
        case Script_t::arabic:
            return c >= 0x620 && c <= 0x6FF;
        case Script_t::thai:
            return c >= 0xE01 && c <= 0xE5B;
        case Script_t::cjk:
            return (c >= 0x3040 && c <= 0x30FF) || c == 0x3005 || (c >= 0x4E00 && c <= 0x9FFF) ||
                   (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xFF61 && c <= 0xFF9F);
    }
    return false;
}

bool IsAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsVowel(char16_t c) {
    static const std::u16string_view kVowels = u"aeiouyâêôăơưàáèéìíòóùúýãõ";
    return kVowels.find(Lower(c)) != std::u16string_view::npos;
}

// One page's model: each common character's weight by rank.
class Model_t {
public:
    explicit Model_t(const CodePageProfile_t& profile) : profile_(profile) {
        const std::u16string_view common(profile.common);
        // Letters of an alphabet weigh as the log of their frequency, roughly; the common
        // characters of a double-byte page are too many for their order to say much.
        for (std::size_t rank = 0; rank < common.size(); ++rank) {
            weights_.emplace(common[rank],
                             profile.double_byte
                                 ? kCommonCharacter
                                 : kTopLetter - std::log2(1.0 + static_cast<double>(rank) / 3.0));
        }
        static const std::u16string_view kVowels = u"аеёиоуыэюяіїєαεηιουωάέήίόύώϊϋΐΰ";
        for (const char16_t c : kVowels)
            if (IsScriptLetter(profile.script, c)) vowels_.push_back(c);
    }

    const CodePageProfile_t& Profile() const { return profile_; }

    // The score of text as read under the page.
    double Score(std::u16string_view text) const {
        const Script_t script = profile_.script;
        const bool latin = script == Script_t::latin;
        const bool cased = latin || script == Script_t::cyrillic || script == Script_t::greek;
        double score = 0;
        std::size_t run = 0;         // letters beyond ASCII in a row
        std::size_t consonants = 0;  // of them, consonants in a row
        char16_t before = u' ';
        for (const char16_t c : text) {
            const bool ascii = c < 0x80;
            const bool letter = ascii ? IsAsciiLetter(c) : IsScriptLetter(script, c);
            if (!ascii) {
                if (IsCombiningMark(c) && profile_.code_page == 1258) {
                    score += IsVowel(before) ? kToneMark : -kToneMark;
                    continue;  // a mark belongs to its vowel: no letter of its own
                }
                const char16_t lower = cased ? Lower(c) : c;
                const auto found = weights_.find(lower);
                double weight = found != weights_.end() ? std::max(found->second, kRareLetter)
                                : letter                ? kOtherLetter
                                                        : kSymbol;
                if (!vowels_.empty()) {
                    consonants = letter && vowels_.find(lower) == std::u16string::npos ? consonants + 1 : 0;
                    if (consonants > kMaxConsonants) weight += kConsonantRun;
                }
                // A double-byte character stands for two bytes that a single-byte page reads as two.
                if (profile_.double_byte && c >= 0x100 && !(c >= 0xFF61 && c <= 0xFF9F)) weight *= 2;
                score += weight;
                if (!latin && !profile_.double_byte && letter && IsAsciiLetter(before)) score += kMixedScript;
                run = letter ? run + 1 : 0;
                if (latin && run == 2) score += kLatinPair;
                if (latin && run > 2) score += kLatinRun;
            } else {
                if (!latin && !profile_.double_byte && letter && before >= 0x80 &&
                    IsScriptLetter(script, before))
                    score += kMixedScript;
                run = 0;
                consonants = 0;
            }
            if (cased && letter && (!ascii || before >= 0x80) && Lower(c) != c && Lower(before) == before &&
                (IsAsciiLetter(before) || IsScriptLetter(script, before)))
                score += kCaseInWord;
            before = c;
        }
        return score;
    }

private:
    const CodePageProfile_t& profile_;
    std::unordered_map<char16_t, double> weights_;
    std::u16string vowels_;  // of Cyrillic and Greek pages
};

const std::vector<Model_t>& Models() {
    static const std::vector<Model_t> models(kCodePageProfiles, kCodePageProfiles + kCodePageProfileCount);
    return models;
}

std::size_t Rank(unsigned code_page) {
    std::size_t rank = 0;
    while (rank < kCodePageProfileCount && kCodePageProfiles[rank].code_page != code_page) ++rank;
    return rank;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

CodePageGuesser_t::CodePageGuesser_t() {
    for (const Model_t& model : Models()) pages_.push_back(Page_t{model.Profile().code_page});
}

void CodePageGuesser_t::Add(std::string_view text) {
    if (IsAscii(text)) return;
    const bool scored = texts_ < kScoredTexts;
    ++texts_;
    const std::vector<Model_t>& models = Models();
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        Page_t& page = pages_[i];
        if (!page.reads_all) continue;
        decoded_.clear();
        if (AppendUtf16(decoded_, text, page.code_page) != 0) {
            page.reads_all = false;
        } else if (scored) {
            page.score += models[i].Score(decoded_);
        }
    }
}

std::vector<CodePageGuesser_t::Score_t> CodePageGuesser_t::Scores() const {
    std::vector<Score_t> scores;
    for (const Page_t& page : pages_) {
        if (page.reads_all)
            scores.push_back(
                {page.code_page,
                 page.score + (page.code_page == kFallbackCodePage && texts_ != 0 ? kFallbackBonus : 0)});
    }
    // Ties keep the profiles' order, Western first. (No stable_sort: its buffer comes from
    // the nothrow operator new, which a program counting its memory may not replace.)
    std::sort(scores.begin(), scores.end(), [](const Score_t& a, const Score_t& b) {
        return a.score != b.score ? a.score > b.score : Rank(a.code_page) < Rank(b.code_page);
    });
    return scores;
}

CodePageGuess_t CodePageGuesser_t::Guess() const {
    CodePageGuess_t guess;
    guess.texts = texts_;
    const std::vector<Score_t> scores = Scores();
    guess.fallback_reads_all = std::any_of(scores.begin(), scores.end(),
                                           [](const Score_t& s) { return s.code_page == kFallbackCodePage; });
    if (texts_ == 0) {
        guess.likely = kFallbackCodePage;
        return guess;
    }
    if (scores.empty()) return guess;
    guess.likely = scores[0].code_page;
    if (scores.size() > 1) guess.runner_up = scores[1].code_page;
    const double lead = scores.size() > 1 ? scores[0].score - scores[1].score : scores[0].score;
    guess.thin = texts_ < kMinTexts || lead < kMinLead || scores[0].score <= 0;
    guess.code_page = guess.thin && guess.fallback_reads_all ? kFallbackCodePage : guess.likely;
    return guess;
}

}  // namespace base
