#include "tools/formats/TOOL_Json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>

#include "TOOL_JsonRead.h"

namespace {

TEST(JsonString, KeepsEveryByteExactly) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string json = tool::JsonString(all);
    for (char c : json) {
        EXPECT_GE(static_cast<unsigned char>(c), 0x20);
        EXPECT_LE(static_cast<unsigned char>(c), 0x7E);
    }
    EXPECT_EQ(test::ReadJson(json).Str(), all);
}

TEST(JsonString, EscapesQuoteBackslashAndOtherBytes) {
    EXPECT_EQ(tool::JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(tool::JsonString(std::string("\x00\x1F\x7F\xFC", 4)), "\"\\u0000\\u001F\\u007F\\u00FC\"");
    EXPECT_EQ(tool::JsonString(" ~/"), "\" ~/\"");
    EXPECT_EQ(tool::JsonString(""), "\"\"");
}

TEST(JsonReal, IntegersWithoutFraction) {
    EXPECT_EQ(tool::JsonReal(1234.0), "1234");
    EXPECT_EQ(tool::JsonReal(0.0), "0");
    EXPECT_EQ(tool::JsonReal(-42.0), "-42");
    EXPECT_EQ(tool::JsonReal(2147483649.0), "2147483649");
    EXPECT_EQ(tool::JsonReal(4294967295.0), "4294967295");
}

TEST(JsonReal, ReadsBackAsTheSameDouble) {
    for (double v : {0.1, 1985.5, -1e-300, 1e300, 6378137.000000001, std::nextafter(1.0, 2.0),
                     std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max()}) {
        const std::string text = tool::JsonReal(v);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), v) << text;
        EXPECT_EQ(test::ReadJson(text).Real(), v) << text;
    }
}

TEST(JsonReal, NonFiniteValuesBecomeStrings) {
    EXPECT_EQ(tool::JsonReal(std::nan("")), "\"NaN\"");
    EXPECT_EQ(tool::JsonReal(std::numeric_limits<double>::infinity()), "\"Infinity\"");
    EXPECT_EQ(tool::JsonReal(-std::numeric_limits<double>::infinity()), "\"-Infinity\"");
}

TEST(JsonWriter, NestsContainersWithCommasInBothLayouts) {
    std::ostringstream out;
    tool::JsonWriter_t json(out);
    json.BeginObject();
    json.Key("list");
    json.BeginArray();
    json.BeginArray(tool::Layout::inline_);
    json.Int(1);
    json.Null();
    json.EndArray();
    json.BeginObject(tool::Layout::inline_);
    json.Key("a");
    json.UInt(4294967295u);
    json.Key("b");
    json.BeginArray();  // inside an inline container: stays inline
    json.String("x");
    json.String("y");
    json.EndArray();
    json.EndObject();
    json.EndArray();
    json.Key("empty");
    json.BeginArray();
    json.EndArray();
    json.Key("r");
    json.Real(0.5);
    json.EndObject();
    EXPECT_EQ(out.str(),
              "{\n"
              "  \"list\": [\n"
              "    [1, null],\n"
              "    {\"a\": 4294967295, \"b\": [\"x\", \"y\"]}\n"
              "  ],\n"
              "  \"empty\": [],\n"
              "  \"r\": 0.5\n"
              "}\n");
    const test::Json_t read = test::ReadJson(out.str());
    EXPECT_EQ(read["list"][1]["b"][1].Str(), "y");
    EXPECT_EQ(read["empty"].Size(), 0u);
}

}  // namespace
