#pragma once
// The code page of a file's texts as the tool settles it: --codepage auto chooses one from all
// the texts together, and without --codepage one line warns when the texts are not of the
// default page or look much more like another's.
#include <ostream>
#include <string>

#include "trove/TROVE_Database.h"
#include "trove/TROVE_DocInfo.h"

namespace tool {

// The page for the texts of db (loaded under any page: the bytes are the same), with the choice
// and the runner-up, or why the evidence is too thin, as one line to err after prefix.
unsigned ChooseCodePage(const trove::Database_t& db, const trove::DocInfo_t& doc, const std::string& prefix,
                        std::ostream& err);

// One warning line to err when db's texts, read in the default page, are not text of it or look
// like another page's with strong evidence; nothing otherwise.
void WarnOfCodePage(const trove::Database_t& db, const trove::DocInfo_t& doc, const std::string& prefix,
                    std::ostream& err);

}  // namespace tool
