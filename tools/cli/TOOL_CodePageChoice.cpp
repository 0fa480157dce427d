#include "tools/cli/TOOL_CodePageChoice.h"

#include "base/BASE_CodePageGuess.h"
#include "base/BASE_CodePageNames.h"

namespace tool {

namespace {

// Every text of the file that an export writes.
base::CodePageGuess_t GuessTexts(const trove::Database_t& db, const trove::DocInfo_t& doc) {
    base::CodePageGuesser_t guesser;
    for (const auto& entry : db.waypoints) {
        const trove::WaypointId_t& id = entry.first;
        const trove::Waypoint_t& w = entry.second;
        for (std::string_view text :
             {std::string_view(id.name.text), id.id_text.view(), w.text_1.view(), w.text_2.view(),
              w.text_3.view(), w.text_4.view(), w.text_5.view(), w.text_6.view(), w.text_7.view()})
            guesser.Add(text);
    }
    // A generated route name is made of waypoint names and the language module's words.
    for (const auto& entry : db.routes)
        if (!entry.first.generated_name) guesser.Add(entry.first.name.text);
    for (const auto& entry : db.tracks) guesser.Add(entry.first.text);
    for (const trove::Map_t& map : db.maps) {
        guesser.Add(map.name);
        guesser.Add(map.map_text_1);
        guesser.Add(map.map_text_2);
    }
    guesser.Add(db.Volume().volume_text);
    guesser.Add(doc.a_text_1);
    guesser.Add(doc.a_text_2);
    guesser.Add(doc.a_text_3);
    return guesser.Guess();
}

std::string Texts(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " text" : " texts") + " beyond ASCII";
}

}  // namespace

unsigned ChooseCodePage(const trove::Database_t& db, const trove::DocInfo_t& doc, const std::string& prefix,
                        std::ostream& err) {
    const base::CodePageGuess_t guess = GuessTexts(db, doc);
    const std::string chosen = base::DescribeCodePage(guess.code_page);
    if (guess.texts == 0) {
        err << prefix << "code page " << chosen << ": every text is ASCII\n";
    } else if (guess.likely == 0) {
        err << prefix << "warning: no supported code page reads every text; read as " << chosen << "\n";
    } else if (!guess.thin) {
        err << prefix << "code page " << chosen << " chosen from " << Texts(guess.texts);
        if (guess.runner_up != 0) err << "; runner-up " << base::DescribeCodePage(guess.runner_up);
        err << "\n";
    } else {
        err << prefix << "warning: too little evidence to be sure of the code page (" << Texts(guess.texts)
            << "); read as " << chosen;
        const unsigned other = guess.likely != guess.code_page ? guess.likely : guess.runner_up;
        if (other != 0)
            err << "; " << (other == guess.likely ? "likeliest " : "runner-up ")
                << base::DescribeCodePage(other);
        err << "\n";
    }
    return guess.code_page;
}

void WarnOfCodePage(const trove::Database_t& db, const trove::DocInfo_t& doc, const std::string& prefix,
                    std::ostream& err) {
    const base::CodePageGuess_t guess = GuessTexts(db, doc);
    const bool other = guess.likely != 0 && guess.likely != base::kFallbackCodePage;
    const std::string give =
        other ? "give --codepage " + std::string(base::CodePageName(guess.likely)) : "give --codepage CP";
    if (!guess.fallback_reads_all) {
        err << prefix << "warning: the texts are not text of code page " << base::kFallbackCodePage;
        if (other) err << "; likely " << base::DescribeCodePage(guess.likely);
        err << ": " << give << "\n";
    } else if (other && !guess.thin) {
        err << prefix << "warning: the texts look like code page " << base::DescribeCodePage(guess.likely)
            << ", not " << base::kFallbackCodePage << ": " << give << "\n";
    }
}

}  // namespace tool
