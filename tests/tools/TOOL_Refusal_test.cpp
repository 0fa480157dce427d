// The tool's refusals in the user's words: every command, one table of files it refuses.
#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>
#endif

#include "support/SUPPORT_TempFile.h"
#include "tbk/TBK_FileBuilder.h"
#include "TOOL_RunTool.h"
#include "tools/cli/TOOL_Command.h"
#include "tools/cli/TOOL_Exit.h"

namespace {

using tool_test::RunTool;
using tool_test::Run_t;

tbk::Waypoint_t Named(const std::string& name, std::int32_t id_class = 0) {
    tbk::Waypoint_t w;
    w.key.name = name;
    w.key.id_class = id_class;
    w.body.position = tbk::At(46.0, 8.0);
    return w;
}

tbk::Track_t Walk() {
    tbk::Track_t track;
    track.name = "Walk";
    track.points.resize(20);
    return track;
}

// Bytes that are no kind of file; the first is no record letter.
std::string RandomBytes() {
    std::mt19937 generator(26);
    std::string bytes(1000, '\0');
    for (char& c : bytes) c = static_cast<char>(generator() & 0xFF);
    bytes[0] = '\x9C';
    return bytes;
}

const char* const kCommands[] = {"dump", "records", "gpx", "kml", "geojson", "csv", "html"};

// What the user sees must not be the code's: no C++ names, no sources, no lines.
void ExpectUserWords(const std::string& err) {
    EXPECT_EQ(err.find("::"), std::string::npos) << err;
    EXPECT_EQ(err.find("_t"), std::string::npos) << err;
    EXPECT_FALSE(std::regex_search(err, std::regex("TROVE_|BASE_|GEO_|\\.cpp|line [0-9]"))) << err;
}

TEST(Refusal, EveryCommandSaysWhatIsWrongInTheFilesTerms) {
    const std::string header = tbk::FileBuilder_t(105).Header().Bytes();  // 23 bytes
    const std::string one = tbk::FileBuilder_t(105).Header().Waypoint(Named("A")).Bytes();
    const std::string walk = tbk::FileBuilder_t(105).Header().Waypoint(Named("A")).Track(Walk()).Bytes();
    const std::string cut_in_track = walk.substr(0, walk.size() - 10);
    const std::string damaged =
        tbk::FileBuilder_t(105).Header().Waypoint(Named("A")).Waypoint(Named("B", 13)).Bytes();
    const std::string not_tbk = "not a Terrabook data file (.tbk): its first bytes ";
    const struct {
        const char* name;
        std::string bytes;
        std::string says;
        int code;
        bool partial_helps;  // something was read before the fault
    } cases[] = {
        {"gpx",
         "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"x\"><wpt lat=\"1\" lon=\"2\"/></gpx>\n",
         not_tbk + "are those of a GPX file", tool::kExitRefused, false},
        {"geojson", "{\"type\": \"FeatureCollection\", \"features\": []}\n",
         not_tbk + "are those of a GeoJSON file", tool::kExitRefused, false},
        {"png", std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16), not_tbk + "are those of a PNG image",
         tool::kExitRefused, false},
        {"random", RandomBytes(), not_tbk + "are neither a data file's header nor a record",
         tool::kExitRefused, false},
        {"empty", "", "the file is empty", tool::kExitRefused, false},
        {"cut in the header", one.substr(0, 15), "cut short at byte 15: the file ends inside its header",
         tool::kExitRefused, false},
        {"cut in the first record", one.substr(0, one.size() - 3),
         "cut short at byte " + std::to_string(one.size() - 3) +
             ": the file ends inside record 1 (W) at byte 23, and nothing before it could be read",
         tool::kExitRefused, false},
        // The records before the cut are read: the cut one is skipped with a note, as the reader does.
        {"cut in a later record", cut_in_track,
         "cut short at byte " + std::to_string(cut_in_track.size()) +
             ": the file ends inside record 2 (T) at byte " + std::to_string(one.size()) +
             "; that record is skipped, the records before it are read",
         tool::kExitOk, false},
        {"damaged record", damaged,
         "damaged at byte " + std::to_string(one.size()) +
             " (record 2, W): a waypoint that cannot be read (a field runs past the record or out of its "
             "range)",
         tool::kExitRefused, true},
    };
    for (const auto& c : cases) {
        test::TempFile_t file(c.bytes);
        for (const std::string command : kCommands) {
            SCOPED_TRACE(std::string(c.name) + " through " + command);
            const Run_t run = RunTool({command, file.Path()});
            EXPECT_EQ(run.code, c.code) << run.err;
            const std::string line = "trovix: " + file.Path() + ": " + c.says;
            EXPECT_EQ(run.err.substr(0, line.size()), line) << run.err;
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
            const bool hint = c.partial_helps && command != "records";
            EXPECT_EQ(run.err.find("--partial writes what was read before it") != std::string::npos, hint)
                << run.err;
            ExpectUserWords(run.err);
            if (c.code != tool::kExitOk) {
                EXPECT_EQ(run.out, "");
            }
        }
    }
}

// The identity of the exception, for a bug report, only when asked for.
TEST(Refusal, DebugAddsTheExceptionsIdentity) {
    test::TempFile_t file(tbk::FileBuilder_t::Legacy().Waypoint(Named("A")).Waypoint(Named("a")).Bytes());
    const Run_t plain = RunTool({"gpx", file.Path()});
    EXPECT_NE(plain.err.find("(record 2, W): a second waypoint of the same name"), std::string::npos)
        << plain.err;
    ExpectUserWords(plain.err);
    const Run_t debug = RunTool({"gpx", file.Path(), "--debug"});
    EXPECT_EQ(debug.err.substr(0, plain.err.size() - 1), plain.err.substr(0, plain.err.size() - 1));
    EXPECT_NE(debug.err.find(" [trove::KeyExists_t at TROVE_Database line 2206"), std::string::npos)
        << debug.err;
}

TEST(Refusal, AFileThatCannotBeOpenedSaysWhy) {
    const struct {
        const char* path;
        const char* why;
    } cases[] = {{"no_such_file.tbk", "no such file"}, {".", "a folder, not a file"}};
    for (const auto& c : cases) {
        for (const std::string command : kCommands) {
            const Run_t run = RunTool({command, c.path});
            EXPECT_EQ(run.code, tool::kExitNotOpened);
            EXPECT_EQ(run.err, "trovix: " + std::string(c.path) + ": cannot be opened: " + c.why + "\n");
        }
    }
}

#ifndef _WIN32
// A pipe is read once: what a refusal says of its first bytes comes from that one reading.
TEST(Refusal, ANamedPipeIsLookedAtAsAFileIs) {
    const std::string path = "tmp_refusal_pipe_" + std::to_string(getpid());
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    std::thread writer([&path] { std::ofstream(path, std::ios::binary) << "{\"type\": \"Feature\"}"; });
    const Run_t run = RunTool({"dump", path});
    writer.join();
    std::remove(path.c_str());
    EXPECT_EQ(run.code, tool::kExitRefused);
    EXPECT_EQ(run.err,
              "trovix: " + path +
                  ": not a Terrabook data file (.tbk): its first bytes are those of a GeoJSON file\n");
}
#endif

#ifdef TROVIX_TEST_EXE
// Tests run as root, who may read anything: the program runs as nobody to meet a locked file.
TEST(Program, ALockedFileSaysPermissionDenied) {
    if (getuid() != 0 || std::system("command -v setpriv >/dev/null") != 0)
        GTEST_SKIP() << "needs root and setpriv";
    test::TempFile_t locked(tbk::FileBuilder_t(105).Header().Waypoint(Named("A")).Bytes());
    ASSERT_EQ(chmod(locked.Path().c_str(), 0), 0);
    const std::string command = "setpriv --reuid=65534 --regid=65534 --clear-groups " +
                                std::string(TROVIX_TEST_EXE) + " dump " + locked.Path() + " 2>&1 >/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[512] = {};
    const bool read = fgets(line, sizeof line, pipe) != nullptr;
    const int status = pclose(pipe);
    EXPECT_TRUE(read);
    EXPECT_EQ(std::string(line), "trovix: " + locked.Path() + ": cannot be opened: permission denied\n");
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, tool::kExitNotOpened);
}
#endif

}  // namespace
