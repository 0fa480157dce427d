#include "trove/bin/BIN_OStream.h"

#include <gtest/gtest.h>

#include "support/SUPPORT_Bytes.h"
#include "trove/bin/BIN_StringStream.h"

namespace {

using test::Le16;
using test::Le32;
using test::Real;
using test::Text;

TEST(OStream, WritesLittleEndianLayout) {
    bin::stringstream s;
    s.PutByte(0xAB).Write(std::int16_t(-2)).Write(std::uint32_t(0x01020304)).Write(-2.5);
    s.WriteText("Hi").WriteText("").WriteBlock({1, 2, 3});
    EXPECT_TRUE(s.good());
    EXPECT_EQ(s.Bytes(),
              "\xAB" + Le16(0xFFFE) + Le32(0x01020304) + Real(-2.5) + Text("Hi") + Text("") + "\x01\x02\x03");
}

TEST(OStream, OptionalRealAndPositionsHaveFixedWidths) {
    bin::stringstream s;
    s.WriteOptionalReal(base::Optional_t<double>()).WriteOptionalReal(base::Optional_t<double>(7.0));
    EXPECT_EQ(s.Bytes(), std::string(9, '\0') + "\x01" + Real(7.0));

    bin::stringstream p;
    p.WritePositions({geo::Position_t(1, -1, 2.0), geo::Position_t(3, 4)});
    EXPECT_EQ(p.Size(), 4u + 2 * 17);
    EXPECT_EQ(p.Bytes().substr(0, 13), Le32(2) + Le32(1) + Le32(0xFFFFFFFFu) + "\x01");
}

TEST(OStream, RoundTripThroughReads) {
    const std::vector<geo::Position_t> track{geo::Position_t(-(1 << 30), INT32_MIN, -12.5),
                                             geo::Position_t(1 << 30, INT32_MAX)};
    bin::stringstream s;
    s.WriteText("name").Write(std::int32_t(12)).WriteOptionalReal(3.0).WritePositions(track);

    bin::stringstream r(s.Bytes());
    std::string name;
    std::int32_t cls = 0;
    base::Optional_t<double> real;
    std::vector<geo::Position_t> back;
    r.ReadText(name).ReadEnum(cls, 0, 12).ReadOptionalReal(real).ReadPositions(back);
    ASSERT_TRUE(r.good());
    EXPECT_EQ(name, "name");
    EXPECT_EQ(cls, 12);
    EXPECT_EQ(*real, 3.0);
    EXPECT_EQ(back, track);
}

TEST(OStream, TextWithZeroByteIsRefused) {
    bin::stringstream s;
    EXPECT_THROW(s.WriteText(std::string("a\0b", 3)), base::Assert_t);
}

TEST(OStream, FailedStreamWritesNothing) {
    bin::stringstream s;
    s.setstate(std::ios_base::failbit);
    s.Write(std::int32_t(1)).WriteText("x");
    EXPECT_EQ(s.Size(), 0u);
}

TEST(StringStream, ReadAndWritePositionsAreIndependent) {
    bin::stringstream s("abcdef");
    std::uint8_t c = 0;
    s.ReadByte(c);
    EXPECT_EQ(c, 'a');
    s.WriteText("XY");  // overwrites from the start, content keeps its length
    EXPECT_EQ(s.Bytes(), std::string("XY\0def", 6));
    s.ReadByte(c);
    EXPECT_EQ(c, 'Y');
    s.WriteRaw("123456789", 9);  // grows past the end; the read position survives the move
    s.ReadByte(c);
    EXPECT_EQ(c, '\0');
    EXPECT_EQ(s.Bytes(), std::string("XY\0", 3) + "123456789");
    EXPECT_EQ(s.Size(), 12u);
}

}  // namespace
