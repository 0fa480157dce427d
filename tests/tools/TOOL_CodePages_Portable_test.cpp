// Names in every single-byte code page through gpx: converted to UTF-8, and two names that
// differ only in case are one name (the second is renamed) exactly where the code page's case
// mapping says so.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "support/SUPPORT_TempFile.h"
#include "tbk/TBK_FileBuilder.h"
#include "tools/cli/TOOL_Command.h"
#include "tools/cli/TOOL_Exit.h"

namespace {

// The class tells the two waypoints apart beyond the name; without it they would be one.
tbk::Waypoint_t Named(const std::string& name, std::int32_t id_class) {
    tbk::Waypoint_t w;
    w.key.name = name;
    w.key.id_class = id_class;
    w.body.position = tbk::At(46.0, 8.0);
    return w;
}

TEST(CodePages, NamesBecomeUtf8AndClashWhereTheyCaseAlike) {
    struct Case_t {
        const char* code_page;
        std::string name;
        std::string other;  // the name in other case
        std::string name_utf8;
        std::string other_utf8;
        bool clash;
    };
    const Case_t cases[] = {
        {"1251", "\xCC\xEE\xF1\xEA\xE2\xE0", "\xCC\xCE\xD1\xCA\xC2\xC0", u8"Москва", u8"МОСКВА", true},
        {"1250", "\xA3\xF3\x64\x9F", "\xA3\xD3\x44\x8F", u8"Łódź", u8"ŁÓDŹ", true},
        {"1253", "\xC1\xE8\xDE\xED\xE1", "\xC1\xC8\xB9\xCD\xC1", u8"Αθήνα", u8"ΑΘΉΝΑ", true},
        {"1253", "\xB5", "\xCC", u8"µ", u8"Μ", true},  // the micro sign upper-cases to Mu
        {"1254", "\xFDzmir", "IZMIR", u8"ızmir", u8"IZMIR", true},
        {"1254", "istanbul", "\xDDSTANBUL", u8"istanbul", u8"İSTANBUL", false},  // i is I's
        {"1255", "Tel Aviv \xFA\xEC", "TEL AVIV \xFA\xEC", u8"Tel Aviv תל", u8"TEL AVIV תל", true},
        {"1256", "\x9Cuvre \xC7\xE1\xDE\xC7\xE5\xD1\xC9", "\x8CUVRE \xC7\xE1\xDE\xC7\xE5\xD1\xC9",
         u8"œuvre القاهرة", u8"ŒUVRE القاهرة", true},
        {"1257", "R\xEEga", "R\xCEGA", u8"Rīga", u8"RĪGA", true},
        {"1258", "Hu\xEA\xEC", "HU\xCA\xEC", u8"Hu\u00EA\u0301", u8"HU\u00CA\u0301", true},  // a tone mark
        {"874", "Loei \xE0\xC5\xC2", "LOEI \xE0\xC5\xC2", u8"Loei เลย", u8"LOEI เลย", true},
        {"874", "\xE0\xC5\xC2", "\xC0\xC5\xC2", u8"เลย", u8"ภลย", false},  // Thai has no case
    };
    for (const Case_t& c : cases) {
        test::TempFile_t file(
            tbk::FileBuilder_t(105).Header().Waypoint(Named(c.name, 0)).Waypoint(Named(c.other, 1)).Bytes());
        std::ostringstream out, err;
        ASSERT_EQ(tool::Run({"gpx", file.Path(), "--codepage", c.code_page}, out, err), tool::kExitOk)
            << err.str();
        EXPECT_EQ(err.str(), "") << c.code_page;
        EXPECT_NE(out.str().find("<name>" + c.name_utf8 + "</name>"), std::string::npos) << out.str();
        EXPECT_EQ(out.str().find("<name>" + c.other_utf8 + "</name>") == std::string::npos, c.clash)
            << c.code_page << " " << c.other_utf8;
    }
}

}  // namespace
