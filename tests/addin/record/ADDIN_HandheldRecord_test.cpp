#include "addin/record/ADDIN_HandheldRecord.h"

#include <gtest/gtest.h>

#include <string>

#include "base/BASE_StringResource.h"

namespace {

trove::Waypoint_t At(std::int32_t lat, std::int32_t lon, int symbol, base::Optional_t<double> alt = {}) {
    trove::Waypoint_t w;
    w.position = geo::Position_t(lat, lon, alt);
    w.symbol = static_cast<trove::Symbol_t>(symbol);
    return w;
}

trove::Waypoint_t WithTexts(const std::string& text_1, const std::string& text_4, const std::string& text_6,
                            base::Optional_t<double> real_2) {
    return trove::Waypoint_t(geo::Position_t(), text_1, {}, 1, 0, trove::kDefaultSymbol, "t2", "t3", text_4,
                             0, real_2, "t5", text_6, 0.0);
}

std::string Label(std::uint32_t id) {
    return base::StringResource_t(id, "test", 0).text;
}

TEST(CodedLine, PositionSymbolAndAltitude) {
    const struct {
        trove::Waypoint_t waypoint;
        std::string line;
    } cases[] = {
        {At(0x20000000, -(1 << 30), 18, 100.0), "VELDOR 20000000 C0000000 B0012 A42C80000"},
        {At(0x20000000, -(1 << 30), 18), "VELDOR 20000000 C0000000 B0012"},
        {At(-1, 0, 139), "VELDOR FFFFFFFF 00000000 B205A"},
        {At(-(1 << 30), 0x7FFFFFFF, 107), "VELDOR C0000000 7FFFFFFF B4000"},
        {At(0, 0, 0, -1.0), "VELDOR 00000000 00000000 B0000 ABF800000"},
        {At(0, 0, 0, 0.0), "VELDOR 00000000 00000000 B0000 A00000000"},
        {At(0, 0, 0, 0.1), "VELDOR 00000000 00000000 B0000 A3DCCCCCD"},  // rounded to nearest
    };
    for (const auto& c : cases) EXPECT_EQ(addin::CodedLine(c.waypoint), c.line);
    EXPECT_EQ(addin::CodedLine(At(5, 6, 20)).size(), 30u);
}

TEST(CodedLine, ASymbolOutsideTheTableRaises) {
    EXPECT_THROW(addin::CodedLine(At(0, 0, 140)), base::Assert_t);
}

TEST(RecordNote, PresentItemsInOrder) {
    const std::string crlf = "\r\n";
    EXPECT_EQ(addin::RecordNote(WithTexts("", "", "", {})), "");
    EXPECT_EQ(addin::RecordNote(WithTexts("", "", "", 250.0)), Label(112) + "250.0m" + crlf);
    EXPECT_EQ(addin::RecordNote(WithTexts("", "", "", 1234.56)), Label(112) + "1234.6m" + crlf);

    trove::Waypoint_t all = WithTexts("one", "four", "six", 0.04);
    all.text_7 = "seven";
    EXPECT_EQ(addin::RecordNote(all), Label(108) + "one" + crlf + Label(109) + "four" + crlf + Label(110) +
                                          "six" + crlf + Label(111) + "seven" + crlf + Label(112) + "0.0m" +
                                          crlf);
    EXPECT_EQ(addin::RecordNote(WithTexts("", "four", "", {})), Label(109) + "four" + crlf);
}

TEST(HandheldRecord, TextsGoWhereTheHostTakesThem) {
    const trove::WaypointId_t key(trove::Name_t("Hut"), 0, "ID7", 0, 0, {}, 0, 0);
    const trove::Waypoint_t w = WithTexts("one", "", "", {});
    const addin::HandheldRecord_t r = addin::MakeHandheldRecord(key, w, "Unfiled");
    EXPECT_EQ(r.category, "Unfiled");
    EXPECT_EQ(r.name, "Hut");
    EXPECT_EQ(r.text_1, "t5");
    EXPECT_EQ(r.text_2, "t2");
    EXPECT_EQ(r.text_3, "t3");
    EXPECT_EQ(r.text_4, "ID7");
    EXPECT_EQ(r.note, addin::RecordNote(w));
    EXPECT_EQ(r.indexed_text_3, addin::CodedLine(w));
}

}  // namespace
