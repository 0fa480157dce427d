#include "base/BASE_TwoWayLookupTable.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/SUPPORT_ExpectRaise.h"

namespace {

using Table_t = base::TwoWayLookupTable_t<int, char>;
using Pairs_t = std::vector<std::pair<int, char>>;

Table_t Make(const Pairs_t& pairs) {
    return Table_t(pairs.begin(), pairs.end());
}

TEST(TwoWayLookupTable, KeepsInsertionOrderAndFindsFromEitherColumn) {
    const Table_t table = Make({{3, 'c'}, {1, 'a'}, {2, 'b'}});
    EXPECT_EQ(static_cast<const Pairs_t&>(table), (Pairs_t{{3, 'c'}, {1, 'a'}, {2, 'b'}}));
    EXPECT_EQ(table.FindFirst(1) - table.begin(), 1);
    EXPECT_EQ(table.FindSecond('b') - table.begin(), 2);
    EXPECT_EQ(table.FindFirst(4), table.end());
    EXPECT_EQ(table.FindSecond('z'), table.end());
}

TEST(TwoWayLookupTable, ADuplicateInEitherColumnRaises) {
    for (const Pairs_t& pairs : {Pairs_t{{1, 'a'}, {1, 'b'}}, Pairs_t{{1, 'a'}, {2, 'a'}}}) {
        EXPECT_RAISES(base::Assert_t, Make(pairs), "BASE_TwoWayLookupTable", 211);
    }
}

}  // namespace
