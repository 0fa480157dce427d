// The kml, geojson and csv commands. Independent readers check the example's output in
// exports_crosscheck.py; these are the cases the example does not hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "TOOL_JsonRead.h"
#include "support/SUPPORT_TempFile.h"
#include "tbk/TBK_FileBuilder.h"
#include "tools/cli/TOOL_Command.h"
#include "tools/cli/TOOL_Exit.h"

namespace {

struct Run_t {
    int code = -1;
    std::string out;
    std::string err;
};

Run_t Export(const std::string& format, const std::string& bytes, std::vector<std::string> options = {}) {
    test::TempFile_t file(bytes);
    options.insert(options.begin(), {format, file.Path()});
    std::ostringstream out, err;
    Run_t run;
    run.code = tool::Run(options, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(Exports, TextsOfTheCodePageBecomeUtf8InEveryFormat) {
    struct Case_t {
        const char* code_page;
        std::string name;
        std::string kml;
        std::string geojson;
        std::string csv;  // a row's start
    };
    const std::string tokyo = "\xE6\x9D\xB1\xE4\xBA\xAC";
    // Curly quotes, the euro sign and a comma, which CSV must quote.
    const std::string cafe =
        "\xE2\x80\x9C"
        "Caf\xC3\xA9\xE2\x80\x9D, \xE2\x82\xAC 5";
    const Case_t cases[] = {
        {"932", "\x93\x8C\x8B\x9E", "<name>" + tokyo + "</name>", "\"name\": \"" + tokyo + "\"",
         "\r\n" + tokyo + ","},
        {"1252",
         "\x93"
         "Caf\xE9\x94, \x80 5",
         "<name>" + cafe + "</name>", "\"name\": \"" + cafe + "\"", "\r\n\"" + cafe + "\","},
        {"1252", "Bad\x81", "<name>Bad\xEF\xBF\xBD</name>", "\"name\": \"Bad\xEF\xBF\xBD\"",
         "\r\nBad\xEF\xBF\xBD,"},
    };
    for (const Case_t& c : cases) {
        tbk::Waypoint_t w;
        w.key.name = c.name;
        w.body.position = tbk::At(35.68, 139.77, 40.0);
        const std::string bytes = tbk::FileBuilder_t(105).Header().Waypoint(w).Bytes();
        const std::pair<const char*, std::string> expected[] = {
            {"kml", c.kml}, {"geojson", c.geojson}, {"csv", c.csv}};
        for (const auto& format : expected) {
            const Run_t run = Export(format.first, bytes, {"--codepage", c.code_page});
            ASSERT_EQ(run.code, tool::kExitOk) << run.err;
            EXPECT_NE(run.out.find(format.second), std::string::npos) << format.first << "\n" << run.out;
            const bool replaced = c.kml.find("\xEF\xBF\xBD") != std::string::npos;
            EXPECT_EQ(run.err.find("replaced by U+FFFD") != std::string::npos, replaced) << run.err;
        }
    }
}

// RFC 7946 3.1.9: a line across +-180 is cut there; each part stays on its side.
TEST(Exports, GeoJsonLinesAreCutAtTheAntimeridian) {
    struct Case_t {
        std::vector<double> longitudes;
        const char* geometry;  // "" for none
        std::size_t parts;
    };
    const Case_t cases[] = {
        {{179.5, 179.9, -179.9, -179.5}, "MultiLineString", 2},
        {{-179.5, -179.9, 179.9, 179.5, 170.0}, "MultiLineString", 2},
        {{-100.0, 0.0, 100.0}, "LineString", 1},  // 200 degrees wide, in steps that stay off it
        {{5.0}, "Point", 0},
        {{}, "", 0},
    };
    for (const Case_t& c : cases) {
        tbk::Track_t track;
        track.name = "Dateline";
        for (std::size_t i = 0; i < c.longitudes.size(); ++i) {
            tbk::TrackPoint_t p;
            p.position = tbk::At(-17.0 + 0.1 * static_cast<double>(i), c.longitudes[i]);
            p.time = 1700000000 + static_cast<std::int32_t>(i);
            track.points.push_back(p);
        }
        const Run_t run = Export("geojson", tbk::FileBuilder_t(105).Header().Track(track).Bytes());
        ASSERT_EQ(run.code, tool::kExitOk) << run.err;
        const test::Json_t feature = test::ReadJson(run.out)["features"][0];
        const test::Json_t& geometry = feature["geometry"];
        if (*c.geometry == '\0') {
            EXPECT_TRUE(geometry.IsNull());
            continue;
        }
        ASSERT_EQ(geometry["type"].Str(), c.geometry) << run.out;
        if (c.parts != 2) continue;
        const test::Json_t& parts = geometry["coordinates"];
        ASSERT_EQ(parts.Size(), 2u);
        for (std::size_t k = 0; k < 2; ++k) {
            double west = 180, east = -180;
            for (const test::Json_t& position : parts[k].items) {
                west = std::min(west, position[0].Real());
                east = std::max(east, position[0].Real());
            }
            EXPECT_LE(east - west, 180.0);
            EXPECT_EQ(feature["properties"]["coordTimes"][k].Size(), parts[k].Size());
        }
        // The crossing ends one part on one side and opens the next on the other.
        EXPECT_EQ(std::abs(parts[0][parts[0].Size() - 1][0].Real()), 180.0);
        EXPECT_EQ(parts[1][0][0].Real(), -parts[0][parts[0].Size() - 1][0].Real());
        // RFC 7946 5.2: the box across the antimeridian has west > east.
        EXPECT_GT(feature["bbox"][0].Real(), feature["bbox"][2].Real());
    }
}

// A spreadsheet runs a cell that starts with = + - @ (or a tab or CR) as a formula: by default
// such a text gets a quote before it and shows as text; --keep-formulas keeps it byte for byte.
// Numbers stay numbers.
TEST(Exports, CsvTextsThatLookLikeFormulasShowAsText) {
    struct Case_t {
        std::string name;
        std::string shown;  // the row's first field by default
        std::string kept;   // with --keep-formulas
    };
    const Case_t cases[] = {
        {"=HYPERLINK(\"http://evil\",\"click\")", "\"'=HYPERLINK(\"\"http://evil\"\",\"\"click\"\")\"",
         "\"=HYPERLINK(\"\"http://evil\"\",\"\"click\"\")\""},
        {"+1", "'+1", "+1"},
        {"-2", "'-2", "-2"},
        {"@SUM(A1)", "'@SUM(A1)", "@SUM(A1)"},
        {"\tTab", "'\tTab", "\tTab"},
        {"\rReturn", "\"'\rReturn\"", "\"\rReturn\""},
        {"Plain=1", "Plain=1", "Plain=1"},
    };
    for (const Case_t& c : cases) {
        tbk::Waypoint_t w;
        w.key.name = c.name;
        w.body.position = tbk::At(-33.25, -70.25);
        const std::string bytes = tbk::FileBuilder_t(105).Header().Waypoint(w).Bytes();
        for (const bool keep : {false, true}) {
            const Run_t run =
                Export("csv", bytes,
                       keep ? std::vector<std::string>{"--keep-formulas"} : std::vector<std::string>{});
            ASSERT_EQ(run.code, tool::kExitOk) << run.err;
            const std::string row = run.out.substr(run.out.find("\r\n") + 2);
            const std::string& expected = keep ? c.kept : c.shown;
            EXPECT_EQ(row.substr(0, expected.size() + 1), expected + ",") << c.name;
            EXPECT_NE(row.find(",-70.25,"), std::string::npos) << row;
        }
    }
}

#ifndef _WIN32
// A file name is written into GPX and KML as it is, but for what XML 1.0 has no place for
// (U+FFFE, U+FFFF, controls): xmllint reads both documents.
TEST(Exports, AFileNameOfCharactersXmlForbidsStaysWellFormed) {
    tbk::Waypoint_t w;
    w.key.name = "A";
    w.body.position = tbk::At(46.0, 8.0);
    const std::string name = "tmp_xml_name_\xEF\xBF\xBE_\xEF\xBF\xBF_\x01.tbk";
    {
        std::ofstream out(name, std::ios::binary);
        out << tbk::FileBuilder_t(105).Header().Waypoint(w).Bytes();
    }
    for (const char* format : {"gpx", "kml"}) {
        const std::string output = std::string("tmp_xml_name.") + format;
        std::ostringstream out, err;
        ASSERT_EQ(tool::Run({format, name, "-o", output}, out, err), tool::kExitOk) << err.str();
        EXPECT_EQ(std::system(("xmllint --noout " + output).c_str()), 0) << format;
        std::ifstream in(output, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_NE(text.find("tmp_xml_name_\xEF\xBF\xBD_\xEF\xBF\xBD_\xEF\xBF\xBD.tbk"), std::string::npos)
            << format;
        std::remove(output.c_str());
    }
    std::remove(name.c_str());
}
#endif

}  // namespace
