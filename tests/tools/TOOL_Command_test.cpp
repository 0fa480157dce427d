#include "tools/cli/TOOL_Command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "TOOL_JsonRead.h"
#include "tools/cli/TOOL_Pipeline.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

int RunTool(const std::vector<std::string>& args, std::string* out_text = nullptr,
            std::string* err_text = nullptr) {
    std::ostringstream out, err;
    const int code = tool::Run(args, out, err);
    if (out_text) *out_text = out.str();
    if (err_text) *err_text = err.str();
    return code;
}

TEST(Command, WrongArgumentsPrintTheUsageAndExitOne) {
    const std::vector<std::vector<std::string>> wrong = {{},
                                                         {"dump"},
                                                         {"dump", "a.tbk", "b.tbk"},
                                                         {"dump", "a.tbk", "-o", "x"},
                                                         {"list", "a.tbk"},
                                                         {"DUMP", "a.tbk"}};
    for (const auto& args : wrong) {
        std::string out, err;
        EXPECT_EQ(RunTool(args, &out, &err), tool::kExitNotOpened);
        EXPECT_EQ(out, "");
        const std::string usage = std::string(tool::kUsage) + "\n";
        ASSERT_GE(err.size(), usage.size());
        EXPECT_EQ(err.substr(err.size() - usage.size()), usage) << err;
    }
}

TEST(Command, HelpListsTheCommandsAndOptions) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"dump", "--help"}, {"gpx", "--help"}}) {
        std::string out, err;
        EXPECT_EQ(RunTool(args, &out, &err), tool::kExitOk);
        EXPECT_EQ(err, "");
        EXPECT_NE(out.find("--codepage CP"), std::string::npos) << out;
        EXPECT_NE(out.find(args.size() == 1 ? "trovix dump" : "trovix " + args[0]), std::string::npos) << out;
    }
}

TEST(Command, UnknownCommandsAndOptionsNameTheNearestOne) {
    const struct {
        const char* given;
        const char* says;
    } cases[] = {
        {"kmz", "trovix: unknown command kmz (did you mean kml?)"},
        {"DUMP", "trovix: unknown command DUMP (did you mean dump?)"},
        {"recrods", "trovix: unknown command recrods (did you mean records?)"},
        {"json", "trovix: unknown command json (did you mean geojson?)"},
        {"list", "trovix: unknown command list\n"},
        {"x.tbk", "trovix: x.tbk is not a command: give one before the file, for example trovix dump x.tbk"},
        {"gpx", "trovix gpx: unknown option --partail (did you mean --partial?)"},
    };
    for (const auto& c : cases) {
        std::string out, err;
        EXPECT_EQ(RunTool({c.given, "a.tbk", "--partail"}, &out, &err), tool::kExitNotOpened);
        EXPECT_EQ(err.rfind(c.says, 0), 0u) << err;
    }
}

TEST(Command, HelpAndVersionAsUsersExpect) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"-h"}, {"help"}, {"--version"}}) {
        std::string out, err;
        EXPECT_EQ(RunTool(args, &out, &err), tool::kExitOk) << args[0];
        EXPECT_EQ(err, "");
        if (args[0] == "--version") {
            EXPECT_EQ(out.rfind("trovix 2.2.1.0", 0), 0u) << out;
        } else {
            EXPECT_NE(out.find("trovix gpx FILE"), std::string::npos) << out;
        }
    }
    // Each command's help lists only the options it takes.
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> listed;
        std::vector<std::string> not_listed;
    } cases[] = {
        {{"gpx", "--help"}, {"-o OUT", "--partial", "--debug"}, {"--category", "--track-points"}},
        {{"help", "csv"}, {"--partial", "--track-points"}, {"--category"}},
        {{"records", "-h"}, {"--category", "--debug"}, {"-o OUT", "--partial", "--track-points"}},
        {{"dump", "--help"}, {"--partial"}, {"-o OUT", "--category", "--track-points"}},
    };
    for (const auto& c : cases) {
        std::string out, err;
        EXPECT_EQ(RunTool(c.args, &out, &err), tool::kExitOk);
        for (const std::string& option : c.listed)
            EXPECT_NE(out.find("  " + option), std::string::npos) << out;
        for (const std::string& option : c.not_listed)
            EXPECT_EQ(out.find("  " + option), std::string::npos) << out;
    }
}

TEST(Command, DumpsTheExample) {
    std::string out, err;
    ASSERT_EQ(RunTool({"dump", TROVIX_TEST_EXAMPLE}, &out, &err), tool::kExitOk) << err;
    const test::Json_t json = test::ReadJson(out);
    EXPECT_EQ(json["format"].Str(), "current");
    EXPECT_EQ(json["waypoints"].Size(), 38u);
    EXPECT_EQ(json["routes"].Size(), 2u);
    EXPECT_EQ(json["tracks"][0]["point_count"].Int(), 401);
    EXPECT_EQ(json["tracks"][0]["points"].Size(), 401u);
    EXPECT_EQ(json["maps"].Size(), 2u);
    EXPECT_FALSE(json["route0"].IsNull());
}

#ifdef TROVIX_TEST_EXE
// The program itself: exit status, and stdout carrying the JSON only.
int RunProgram(const std::string& args, std::string& out) {
    FILE* pipe = popen((std::string(TROVIX_TEST_EXE) + " " + args + " 2>/dev/null").c_str(), "r");
    if (!pipe) return -1;
    char buffer[4096];
    out.clear();
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Program, ExitCodesAndOutput) {
    std::string out;
    EXPECT_EQ(RunProgram(std::string("dump ") + TROVIX_TEST_EXAMPLE, out), 0);
    EXPECT_EQ(test::ReadJson(out)["waypoints"].Size(), 38u);
    EXPECT_EQ(RunProgram("dump no_such_file.tbk", out), 1);
    EXPECT_EQ(out, "");
    EXPECT_EQ(RunProgram("--help", out), 0);
    EXPECT_EQ(RunProgram("--bogus", out), 1);
    { std::ofstream("tmp_program_short.tbk") << "Tb"; }
    EXPECT_EQ(RunProgram("dump tmp_program_short.tbk", out), 2);
    std::remove("tmp_program_short.tbk");
}

TEST(Program, ManyFilesIntoAFolderAndStandardInput) {
    // Three files, the second damaged: two outputs, the damaged one named, the highest status.
    { std::ofstream("tmp_many_bad.tbk") << "TbRc"; }
    const std::string exe = TROVIX_TEST_EXE, example = TROVIX_TEST_EXAMPLE;
    const std::string command = exe + " gpx " + example + " tmp_many_bad.tbk - -d tmp_many <" + example +
                                " 2>tmp_many.err";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, tool::kExitRefused);
    std::ifstream err_file("tmp_many.err");
    const std::string err((std::istreambuf_iterator<char>(err_file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(
        err.rfind("trovix: tmp_many_bad.tbk: cut short at byte 4: the file ends inside its header\n", 0), 0u)
        << err;
    std::ifstream example_gpx("tmp_many/example.gpx"), stdin_gpx("tmp_many/stdin.gpx"),
        bad_gpx("tmp_many/tmp_many_bad.gpx");
    const std::string a((std::istreambuf_iterator<char>(example_gpx)), std::istreambuf_iterator<char>());
    const std::string b((std::istreambuf_iterator<char>(stdin_gpx)), std::istreambuf_iterator<char>());
    EXPECT_NE(a.find("</gpx>"), std::string::npos);
    // The same document but for the file's name in it.
    EXPECT_EQ(a.size() - std::string("example.tbk").size(), b.size() - std::string("stdin").size());
    EXPECT_FALSE(bad_gpx.good());
    std::system("rm -rf tmp_many tmp_many.err tmp_many_bad.tbk");
}
#endif

}  // namespace
