#include "trove/devio/DEVIO_Smbl102.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/SUPPORT_ExpectRaise.h"
#include "trove/bin/BIN_StringStream.h"

namespace {

using Code = devio::Smbl102_t::Smbl_t;

devio::Smbl102_t FromSymbol(int symbol) {
    devio::Smbl102_t code(devio::Smbl102_t::kDefaultCode);
    code.SetSymbol(static_cast<trove::Symbol_t>(symbol));
    return code;
}

TEST(Smbl102, EverySymbolOnceAndTheRangeEdges) {
    const devio::SymbolTable_t& table = devio::SymbolTable();
    ASSERT_EQ(table.size(), 140u);
    std::set<int> symbols;
    for (const auto& pair : table) symbols.insert(pair.second);
    EXPECT_EQ(symbols.size(), 140u);
    EXPECT_EQ(*symbols.begin(), 0);
    EXPECT_EQ(*symbols.rbegin(), 139);

    const struct {
        int symbol;
        int code;
    } cases[] = {{0, 0},       {18, 18},     {19, 19},     {20, 21},    {36, 37},    {37, 150},
                 {54, 167},    {55, 169},    {65, 179},    {66, 8195},  {106, 8246}, {107, 16384},
                 {108, 16388}, {115, 16395}, {116, 16402}, {117, 8255}, {120, 8272}, {126, 8275},
                 {130, 8266},  {136, 8257},  {138, 8269},  {139, 8282}};
    for (const auto& c : cases) EXPECT_EQ(FromSymbol(c.symbol).code, c.code) << "symbol " << c.symbol;
}

TEST(Smbl102, CodesWithoutEntryAndSymbolsOutOfRangeRaise) {
    for (int code : {20, 38, 149, 168, 8201, 8202, 8222, 8228, 8247, 8254, 8277, 8281, 16385, 16396, 16401}) {
        EXPECT_RAISES(base::OutOfRange_t, devio::Smbl102_t(static_cast<Code>(code)), "DEVIO_Smbl102", 186)
            << code;
    }
    EXPECT_EQ(devio::Smbl102_t(static_cast<Code>(8282)).code, 8282);

    devio::Smbl102_t code(static_cast<Code>(150));
    for (int symbol : {-1, 140}) {
        EXPECT_RAISES(base::Assert_t, code.SetSymbol(static_cast<trove::Symbol_t>(symbol)), "DEVIO_Smbl102",
                      210);
        EXPECT_EQ(code.code, 150);
    }
}

TEST(Smbl102, ReadsAndWritesSixteenBitsLittleEndian) {
    const struct {
        std::string bytes;
        int code;
    } cases[] = {
        {std::string("\x5A\x20", 2), 8282},  // in the table
        {std::string("\x14\x00", 2), 18},    // 20 has no entry
        {std::string("\xFF\xFF", 2), 18},   {std::string("\x00\x40", 2), 16384},
        {std::string("\x5A", 1), 150},  // too short: unchanged
    };
    for (const auto& c : cases) {
        devio::Smbl102_t code(static_cast<Code>(150));
        bin::stringstream in(c.bytes);
        code.Read(in);
        EXPECT_EQ(code.code, c.code);
    }
    bin::stringstream out;
    FromSymbol(139).Write(out);
    EXPECT_EQ(out.Bytes(), std::string("\x5A\x20", 2));
}

}  // namespace
