#include "tools/cli/TOOL_Pipeline.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "TOOL_JsonRead.h"
#include "support/SUPPORT_TempFile.h"
#include "TOOL_RunTool.h"
#include "tools/cli/TOOL_Command.h"

namespace {

using tool_test::RunTool;
using tool_test::Run_t;

TEST(Records, TheExamplesClassZeroWaypointsInTableOrder) {
    const Run_t dump = RunTool({"dump", TROVIX_TEST_EXAMPLE});
    ASSERT_EQ(dump.code, tool::kExitOk) << dump.err;
    const test::Json_t waypoints = test::ReadJson(dump.out)["waypoints"];
    std::vector<std::string> class_0;
    for (std::size_t i = 0; i < waypoints.Size(); ++i) {
        if (waypoints[i]["id_class"].Int() == 0) class_0.push_back(waypoints[i]["name"].Str());
    }
    ASSERT_LT(class_0.size(), waypoints.Size());

    const Run_t run = RunTool({"records", TROVIX_TEST_EXAMPLE});
    ASSERT_EQ(run.code, tool::kExitOk) << run.err;
    EXPECT_EQ(run.err, "");
    const test::Json_t json = test::ReadJson(run.out);
    EXPECT_EQ(json.Keys(), std::vector<std::string>{"records"});
    const test::Json_t& records = json["records"];
    ASSERT_EQ(records.Size(), class_0.size());
    for (std::size_t i = 0; i < records.Size(); ++i) {
        EXPECT_EQ(records[i].Keys(),
                  (std::vector<std::string>{"category", "name", "text_1", "text_2", "text_3", "text_4",
                                            "note", "indexed_text_3"}));
        EXPECT_EQ(records[i]["category"].Str(), "Unfiled");
        EXPECT_EQ(records[i]["name"].Str(), class_0[i]);
        EXPECT_EQ(records[i]["indexed_text_3"].Str().rfind("VELDOR ", 0), 0u);
    }
    // One record a line.
    EXPECT_EQ(run.out.rfind("{\n  \"records\": [\n    {\"category\": \"Unfiled\", \"name\": ", 0), 0u);

    const Run_t other = RunTool({"records", "--category", "Business", TROVIX_TEST_EXAMPLE});
    ASSERT_EQ(other.code, tool::kExitOk) << other.err;
    EXPECT_EQ(test::ReadJson(other.out)["records"][0]["category"].Str(), "Business");
}

TEST(Records, ExitCodesAsDump) {
    test::TempFile_t short_file("Tb");
    const struct {
        std::vector<std::string> args;
        int code;
    } cases[] = {
        {{"records", "no_such_file.tbk"}, tool::kExitNotOpened},
        {{"records", short_file.Path()}, tool::kExitRefused},
        {{"records"}, tool::kExitNotOpened},
        {{"records", "a.tbk", "b.tbk"}, tool::kExitNotOpened},
        {{"records", "a.tbk", "--category"}, tool::kExitNotOpened},
        {{"records", "--category", "x"}, tool::kExitNotOpened},
        {{"records", "a.tbk", "--category", "x", "--category", "y"}, tool::kExitNotOpened},
    };
    for (const auto& c : cases) {
        const Run_t run = RunTool(c.args);
        EXPECT_EQ(run.code, c.code) << c.args.size();
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(run.err.empty());
    }
    const std::string path = short_file.Path();
    std::ostringstream dump_err;
    std::ostringstream ignored;
    tool::Dump(path, ignored, dump_err);
    EXPECT_EQ(RunTool({"records", path}).err, dump_err.str());
}

}  // namespace
