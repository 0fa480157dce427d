// A database's memory: its tables' nodes and the texts read into them live in the database's
// arena and go back with it, whether the load ended well or not.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/BASE_SystemPages.h"
#include "support/SUPPORT_TempFile.h"
#include "tbk/TBK_BigFile.h"
#include "tbk/TBK_FileBuilder.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_Load.h"

namespace {

std::string Bytes(bool damaged) {
    tbk::FileBuilder_t file(105);
    file.Header();
    for (std::uint32_t i = 0; i < 3000; ++i) file.Waypoint(tbk::TypicalWaypoint(i));
    tbk::Track_t track;
    track.name = "T";
    for (std::int32_t i = 0; i < 250; ++i) track.points.push_back(tbk::TrackPoint_t{{i, i, 1.0}, i, {}});
    file.Track(track);
    // A waypoint record too short for its key fails the load half-way (124).
    if (damaged) file.Record('W', "ab").Waypoint(tbk::TypicalWaypoint(5000));
    return file.Bytes();
}

TEST(DatabaseArena, EverythingGoesBackWithTheDatabaseAfterAGoodOrAFailedLoad) {
    for (const bool damaged : {false, true}) {
        const std::size_t before = base::SystemPagesInUse();
        std::unique_ptr<trove::WaypointTable_t> copy;
        {
            test::TempFile_t file(Bytes(damaged));
            trove::Database_t db{trove::Name_t(), 20};
            const trove::LoadResult_t result = trove::LoadFile(file.Path(), db);
            EXPECT_EQ(result.outcome,
                      damaged ? trove::LoadOutcome_t::BadStructure : trove::LoadOutcome_t::Loaded);
            EXPECT_EQ(db.waypoints.size(), 3000u);
            EXPECT_GT(base::SystemPagesInUse(), before);
            copy = std::make_unique<trove::WaypointTable_t>(db.waypoints);
        }
        // Nothing of the database is left, and the copy does not need any of it (ASan would
        // see a read of given-back pages; LSan any leak).
        EXPECT_EQ(base::SystemPagesInUse(), before);
        ASSERT_EQ(copy->size(), 3000u);
        const trove::Waypoint_t& first = copy->begin()->second;
        EXPECT_EQ(first.text_1.substr(0, 8), "Created ");
        EXPECT_FALSE(first.text_2.empty());
    }
}

}  // namespace
