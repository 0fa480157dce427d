#pragma once
// One command of the tool over a data file's bytes held in memory: what the page converts with.
#include <ostream>
#include <string>

namespace web {

struct Request_t {
    std::string command;                 // dump, gpx, kml, geojson, csv or html
    std::string name;                    // the data file's name, as it is given to the tool
    const std::string* bytes = nullptr;  // the file's bytes
    unsigned code_page = 1252;           // 0: --codepage auto
    bool partial = false;
};

// Writes to out what `trovix COMMAND NAME --codepage CP [--partial]` writes to standard output
// for a file of these bytes, and to err what it writes to standard error. Returns its exit code.
int Convert(const Request_t& request, std::ostream& out, std::ostream& err);

}  // namespace web
