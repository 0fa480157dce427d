#include "tools/cli/TOOL_Pipeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "TOOL_JsonRead.h"
#include "support/SUPPORT_TempFile.h"
#include "tbk/TBK_FileBuilder.h"
#include "tbk/TBK_Seeds.h"
#include "tools/cli/TOOL_Command.h"
#include "tools/formats/TOOL_Xml.h"

namespace {

struct Run_t {
    int code = -1;
    std::string out;
    std::string err;
};

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

#ifdef TROVIX_TEST_GPX_SCHEMA
// xmllint's messages; status 0 when gpx is valid GPX 1.1 with valid Trovix extensions.
std::string Validate(const std::string& gpx, int& status) {
    test::TempFile_t file(gpx);
    const std::string command = std::string("xmllint --noout --schema '") + TROVIX_TEST_GPX_SCHEMA + "' '" +
                                file.Path() + "' 2>" + file.Path() + ".log";
    status = std::system(command.c_str());
    std::ifstream log(file.Path() + ".log");
    const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    std::remove((file.Path() + ".log").c_str());
    return text;
}
#endif

// Every GPX a test writes is checked against the published schema and the extensions' schema,
// where xmllint runs.
void ExpectValid(const std::string& gpx) {
#ifdef TROVIX_TEST_GPX_SCHEMA
    int status = -1;
    const std::string log = Validate(gpx, status);
    EXPECT_EQ(status, 0) << log;
#else
    (void)gpx;
#endif
}

Run_t Gpx(const std::string& bytes, std::vector<std::string> options = {}) {
    test::TempFile_t file(bytes);
    options.insert(options.begin(), {"gpx", file.Path()});
    std::ostringstream out, err;
    Run_t run;
    run.code = tool::Run(options, out, err);
    run.out = out.str();
    run.err = err.str();
    if (!run.out.empty()) ExpectValid(run.out);
    return run;
}

tbk::Waypoint_t Named(const std::string& name, double latitude = 46.0) {
    tbk::Waypoint_t w;
    w.key.name = name;
    w.body.position = tbk::At(latitude, 8.0, 1200.5);
    return w;
}

TEST(Gpx, SampleFilesOfEveryLayoutAreValidGpx) {
    for (const tbk::FileBuilder_t& file :
         {tbk::SampleFile(105), tbk::SampleFile(100), tbk::SampleFile(0, tbk::Framing::legacy)}) {
        const Run_t run = Gpx(file.Bytes());
        EXPECT_EQ(run.code, tool::kExitOk) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_NE(run.out.find("<gpx xmlns=\"http://www.topografix.com/GPX/1/1\""), std::string::npos);
        EXPECT_NE(run.out.find("creator=\"Trovix "), std::string::npos);
        EXPECT_EQ(Count(run.out, "<trkseg>"), Count(run.out, "<trk>"));
    }
}

// Semicircles -> degrees -> semicircles, as a reader rounds them.
TEST(Gpx, DegreesGiveTheSameSemicirclesBack) {
    std::vector<std::int32_t> values = {
        0, 1, -1, 1 << 30, -(1 << 30), INT32_MIN, INT32_MAX, INT32_MAX - 1, 536870912, -123456789};
    for (std::int64_t x = INT32_MIN; x <= INT32_MAX; x += 104729 * 7)
        values.push_back(static_cast<std::int32_t>(x));
    char buffer[32];
    for (std::int32_t x : values) {
        const std::string text(model::Degrees(x, buffer));
        const double degrees = std::strtod(text.c_str(), nullptr);
        EXPECT_EQ(std::llround(degrees / 180.0 * 2147483648.0), x) << text;
        EXPECT_EQ(text.find_first_of("eE"), std::string::npos) << text;
    }
    EXPECT_EQ(std::string(model::Degrees(INT32_MIN, buffer)), "-180");
    EXPECT_EQ(std::string(model::Degrees(1 << 30, buffer)), "90");
}

TEST(Gpx, TextsBecomeUtf8AndWhatIsNoTextIsReplacedAndCounted) {
    struct Case_t {
        const char* code_page;
        std::string name;
        std::string comment;
        std::string name_utf8;
        std::string comment_utf8;
        std::size_t replaced;
    };
    const Case_t cases[] = {
        {"932", "\x93\x8C\x8B\x9E", "\x83\x7E\xB1", "\xE6\x9D\xB1\xE4\xBA\xAC", "\xE3\x83\x9F\xEF\xBD\xB1",
         0},
        {"1252", "Z\xFCrich", "Caf\xE9 \x80 <&>\"", "Z\xC3\xBCrich",
         "Caf\xC3\xA9 \xE2\x82\xAC &lt;&amp;&gt;\"", 0},
        {"1252", "Bad",
         "a\x81"
         "b\x01"
         "c",
         "Bad",
         "a\xEF\xBF\xBD"
         "b\xEF\xBF\xBD"
         "c",
         2},
        {"932", "Lone", "x\x82", "Lone", "x\xEF\xBF\xBD", 1},
    };
    for (const Case_t& c : cases) {
        tbk::Waypoint_t w = Named(c.name);
        w.body.text_1 = c.comment;
        w.body.text_2 = c.comment;  // the same in an extension
        w.body.symbol = 139;
        const Run_t run =
            Gpx(tbk::FileBuilder_t(105).Header().Waypoint(w).Bytes(), {"--codepage", c.code_page});
        ASSERT_EQ(run.code, tool::kExitOk) << run.err;
        EXPECT_NE(run.out.find("<name>" + c.name_utf8 + "</name>"), std::string::npos) << c.name;
        EXPECT_NE(run.out.find("<cmt>" + c.comment_utf8 + "</cmt>"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("<trovix:handheld_text_2>" + c.comment_utf8 + "</trovix:handheld_text_2>"),
                  std::string::npos);
        EXPECT_NE(
            run.out.find(
                "<trovix:symbol>139</trovix:symbol><trovix:handheld_symbol>8282</trovix:handheld_symbol>"),
            std::string::npos);
        if (c.replaced == 0) {
            EXPECT_EQ(run.err, "");
        } else {
            // Once in the comment, once in the record's text 2.
            EXPECT_NE(run.err.find(": " + std::to_string(2 * c.replaced) + " characters"), std::string::npos)
                << run.err;
        }
    }
}

TEST(Gpx, StoredSegmentsBecomeOneTrksegWithEveryPointOnce) {
    tbk::Track_t track;
    track.name = "Long";
    for (int i = 0; i < 250; ++i) {
        tbk::TrackPoint_t p;
        p.position = tbk::At(46.0 + i * 1e-4, 7.5, 1600.0 + i);
        p.time = 1700000000 + i;
        track.points.push_back(p);
    }
    const Run_t run = Gpx(tbk::FileBuilder_t(105).Header().Track(track).Bytes());
    ASSERT_EQ(run.code, tool::kExitOk) << run.err;
    EXPECT_EQ(Count(run.out, "<trkseg>"), 1u);
    EXPECT_EQ(Count(run.out, "<trkpt "), 250u);
    EXPECT_NE(run.out.find("<time>2023-11-14T22:13:20Z</time>"), std::string::npos);
    EXPECT_NE(run.out.find("<time>2023-11-14T22:17:29Z</time>"), std::string::npos);
}

TEST(Gpx, PartialGivesTheWaypointsBeforeTheDamageAndTheReason) {
    const std::string bytes = tbk::FileBuilder_t(105)
                                  .Header()
                                  .Waypoint(Named("First"))
                                  .Waypoint(Named("Second"))
                                  .Record('W', "xx")
                                  .Bytes();
    const Run_t refused = Gpx(bytes);
    EXPECT_EQ(refused.code, tool::kExitRefused);
    EXPECT_EQ(refused.out, "");
    const Run_t partial = Gpx(bytes, {"--partial"});
    EXPECT_EQ(partial.code, tool::kExitRefused);
    EXPECT_EQ(Count(partial.out, "<wpt "), 2u);
    EXPECT_NE(partial.out.find("<name>Second</name>"), std::string::npos);
    EXPECT_NE(partial.err.find("(record 3, W): a waypoint that cannot be read"), std::string::npos)
        << partial.err;
}

// What a load drops without failing is noted: in the dump's JSON and on gpx's standard error.
TEST(Gpx, DroppedRecordsAreNotedByDumpAndGpx) {
    tbk::Track_t damaged;
    damaged.name = "Cut";
    damaged.points.resize(3);
    damaged.declared_count = 10;
    struct Case_t {
        std::string bytes;
        std::string dropped;
        std::string letter;
        std::string line;
    };
    const std::string header = tbk::FileBuilder_t(105).Header().Bytes();
    const Case_t cases[] = {
        {tbk::FileBuilder_t(105).Header().Track(damaged).Waypoint(Named("A")).Bytes(), "track_points", "T",
         "record 1 at offset " + std::to_string(header.size()) + " (T): track \"Cut\" is damaged"},
        {tbk::FileBuilder_t(105).Header().Waypoint(Named("A")).Waypoint(Named("B")).CutLast(4).Bytes(),
         "truncated_record", "W", "the file ends inside record 2 (W) at byte "},
        {tbk::FileBuilder_t(105).Header().Waypoint(Named("A")).Record('Q', "abc").Bytes(), "unknown_record",
         "Q", "record 2 at offset "},
    };
    for (const Case_t& c : cases) {
        test::TempFile_t file(c.bytes);
        std::ostringstream out, err;
        ASSERT_EQ(tool::Run({"dump", file.Path()}, out, err), tool::kExitOk) << err.str();
        const test::Json_t notes = test::ReadJson(out.str())["notes"];
        ASSERT_EQ(notes.Size(), 1u) << c.dropped;
        EXPECT_EQ(notes[0]["dropped"].Str(), c.dropped);
        EXPECT_EQ(notes[0]["letter"].Str(), c.letter);
        const Run_t gpx = Gpx(c.bytes);
        EXPECT_EQ(gpx.code, tool::kExitOk);
        EXPECT_EQ(Count(gpx.err, "\n"), 1u) << gpx.err;
        EXPECT_NE(gpx.err.find(c.line), std::string::npos) << gpx.err;
    }
}

#ifdef TROVIX_TEST_GPX_SCHEMA
// The extensions are checked, not skipped: a wrong value or an unknown element fails.
TEST(Gpx, TheExampleIsValidWithItsExtensionsCheckedBySchema) {
    std::ifstream in(TROVIX_TEST_EXAMPLE, std::ios::binary);
    const std::string example((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string gpx = Gpx(example).out;
    const std::pair<std::string, std::string> changes[] = {
        {"", ""},
        {"<trovix:id_number_2>4294967295.0<", "<trovix:id_number_2>-1<"},
        {"<trovix:link_points>7.86319999,46.68630003,568 ", "<trovix:link_points>7.86319999;46.68630003 "},
        {"<trovix:track_byte>1</trovix:track_byte>", "<trovix:trek_byte>1</trovix:trek_byte>"}};
    for (const auto& change : changes) {
        std::string changed = gpx;
        if (!change.first.empty()) {
            const std::size_t at = changed.find(change.first);
            ASSERT_NE(at, std::string::npos) << change.first;
            changed.replace(at, change.first.size(), change.second);
        }
        int status = -1;
        const std::string log = Validate(changed, status);
        EXPECT_EQ(status == 0, change.first.empty()) << change.second << "\n" << log;
    }
}
#endif

TEST(Gpx, OutputFileAndWrongArguments) {
    test::TempFile_t out_file("");
    const Run_t run = Gpx(tbk::SampleFile(105).Bytes(), {"-o", out_file.Path()});
    EXPECT_EQ(run.code, tool::kExitOk) << run.err;
    EXPECT_EQ(run.out, "");
    std::ifstream in(out_file.Path(), std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(written.find("</gpx>"), std::string::npos);
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"--codepage", "437"}, {"--codepage"}, {"--bogus"}, {"extra.tbk"}}) {
        const Run_t bad = Gpx("", wrong);
        EXPECT_EQ(bad.code, tool::kExitNotOpened);
        EXPECT_NE(bad.err.find(tool::kUsage), std::string::npos) << bad.err;
    }
}

}  // namespace
