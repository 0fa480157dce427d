// The HTML page of a data file: one HTML5 document in UTF-8 with everything inline (map,
// elevation profiles, tables, style and script), written as it is made.
#include <string>

#include "base/BASE_ApplicationInfo.h"
#include "model/MODEL_File.h"
#include "tools/formats/TOOL_ExceptionName.h"
#include "tools/formats/TOOL_Registry.h"
#include "tools/formats/TOOL_Xml.h"
#include "tools/html/TOOL_HtmlMap.h"
#include "tools/html/TOOL_HtmlPage.h"
#include "tools/html/TOOL_HtmlProfile.h"
#include "tools/html/TOOL_HtmlTables.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_Load.h"

namespace tool {

namespace {

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// For a file read only in part: what stopped the reading.
std::string WhatWasNotRead(const trove::LoadResult_t& result) {
    switch (result.outcome) {
        case trove::LoadOutcome_t::Newer:
            return "the file is of a newer version than this program reads";
        case trove::LoadOutcome_t::BadStructure:
            return "the rest of the file is damaged (" +
                   (result.error ? DescribeException(*result.error) : std::string("bad structure")) + ")";
        default:
            return "the file could not be read to its end";
    }
}

std::size_t WriteHtmlDocument(std::ostream& out, const WriteInput_t& input) {
    const model::File_t& file = input.file;
    XmlOut_t xml(out, file.CodePage());
    const trove::Database_t& db = file.Database();
    const base::ApplicationInfo_t& app = base::TheApplicationInfo();
    xml.Raw("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n");
    // Nothing may be fetched: the page stands alone, also when opened from a mail or a stick.
    // Only the page's own script runs, so a text that slipped its escaping still runs nothing.
    xml.Raw(
           "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
           "style-src 'unsafe-inline'; script-src '")
        .Raw(kHtmlScriptHash)
        .Raw("'\">\n");
    xml.Raw("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    xml.Raw("<meta name=\"generator\" content=\"").Raw(app.name).Raw(" ").Raw(std::to_string(app.major));
    xml.Raw(".")
        .Raw(std::to_string(app.minor))
        .Raw("\">\n<title>")
        .Utf8Text(input.file_name)
        .Raw("</title>\n");
    xml.Raw("<style>\n").Raw(kHtmlStyle).Raw("</style>\n</head>\n<body>\n<h1>").Utf8Text(input.file_name);
    xml.Raw("</h1>\n");
    if (file.Result().outcome != trove::LoadOutcome_t::Loaded) {
        xml.Raw("<p class=\"partial\">Only part of the file was read: ").Raw(WhatWasNotRead(file.Result()));
        xml.Raw(". This page shows what was read before.</p>\n");
    }
    if (db.waypoints.empty() && db.routes.empty() && db.tracks.empty()) {
        xml.Raw("<p class=\"none\">The file holds no waypoints, routes or tracks.</p>\n");
    } else {
        xml.Raw("<p class=\"summary\">").Raw(Count(db.waypoints.size(), "waypoint", "waypoints")).Raw(", ");
        xml.Raw(Count(db.routes.size(), "route", "routes"))
            .Raw(", ")
            .Raw(Count(db.tracks.size(), "track", "tracks"));
        xml.Raw("</p>\n");
    }
    xml.Raw("<section id=\"map-section\">\n<h2>Map</h2>\n");
    WriteHtmlMap(xml, file);
    xml.Raw("</section>\n<section id=\"profiles\">\n<h2>Elevation</h2>\n");
    WriteHtmlProfiles(xml, db);
    xml.Raw("</section>\n<section id=\"waypoint-table\">\n<h2>Waypoints</h2>\n");
    WriteHtmlWaypointTable(xml, file);
    xml.Raw("</section>\n<section id=\"route-table\">\n<h2>Routes</h2>\n");
    WriteHtmlRouteTable(xml, file);
    xml.Raw("</section>\n<section id=\"track-table\">\n<h2>Tracks</h2>\n");
    WriteHtmlTrackTable(xml, file);
    xml.Raw("</section>\n<section id=\"file\">\n<h2>File</h2>\n");
    WriteHtmlFileTable(xml, file);
    xml.Raw("</section>\n<script>\n").Raw(kHtmlScript).Raw("</script>\n</body>\n</html>\n");
    xml.Flush();
    return xml.Replaced();
}

const char kHelp[] = "one HTML page of FILE: a map, elevation profiles and tables, needing no network";

}  // namespace

const Format_t kHtmlFormat = {"html", ".html", kHelp, true, true, {}, nullptr, WriteHtmlDocument};

}  // namespace tool
