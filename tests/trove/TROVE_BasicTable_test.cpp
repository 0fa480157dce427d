#include "trove/TROVE_BasicTable.h"

#include <gtest/gtest.h>

#include <string>

#include "support/SUPPORT_Gps.h"
#include "trove/TROVE_Exception.h"
#include "trove/TROVE_RouteId.h"

namespace {

using Table_t = trove::BasicTable_t<trove::RouteId_t, std::string>;
using support::RteId;

Table_t TwoEntries() {
    Table_t table;
    table.emplace(RteId("alpha"), "first");
    table.emplace(RteId("beta"), "second");
    return table;
}

TEST(BasicTable, RekeyMovesTheRecordToTheNewKey) {
    Table_t table = TwoEntries();
    table.Rekey(RteId("alpha"), RteId("gamma", 1));
    ASSERT_EQ(table.size(), 2u);
    EXPECT_FALSE(table.Holds(RteId("alpha")));
    auto moved = table.find(RteId("GAMMA"));
    ASSERT_NE(moved, table.end());
    EXPECT_EQ(moved->second, "first");
    EXPECT_EQ(moved->first.name.text, "gamma");
    EXPECT_EQ(moved->first.generated_name, 1);
}

TEST(BasicTable, RekeyToTheSameKeyInTableOrderChangesNothing) {
    Table_t table = TwoEntries();
    table.Rekey(RteId("alpha"), RteId("ALPHA"));
    EXPECT_EQ(table.begin()->first.name.text, "alpha");
    // Even when the old key is absent.
    table.Rekey(RteId("zeta"), RteId("Zeta"));
    EXPECT_EQ(table.size(), 2u);
}

TEST(BasicTable, RekeyRefusesATakenNewKeyAndAMissingOldKey) {
    Table_t table = TwoEntries();
    try {
        table.Rekey(RteId("alpha"), RteId("Beta"));
        FAIL() << "no exception";
    } catch (const trove::KeyExists_t& e) {
        EXPECT_STREQ(e.what(), "Route: Beta already exists.");
    }
    try {
        table.Rekey(RteId("zeta"), RteId("gamma"));
        FAIL() << "no exception";
    } catch (const trove::KeyNotFound_t& e) {
        EXPECT_STREQ(e.what(), "Route: zeta does not exist.");
    }
    EXPECT_EQ(table.size(), 2u);
    EXPECT_EQ(table.find(RteId("alpha"))->second, "first");
    EXPECT_EQ(table.find(RteId("beta"))->second, "second");
}

}  // namespace
