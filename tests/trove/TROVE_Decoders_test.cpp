// Every record layout is decoded once, from bytes; the stream reads go through the same decoder.
// For each layout and each cut of its payload, the byte reader, a stream over memory and a stream
// over another buffer see the same values, the same state, the same bytes read and the same
// exception.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "tbk/TBK_Payload.h"
#include "trove/TROVE_BoxIo.h"
#include "trove/TROVE_Map.h"
#include "trove/TROVE_RouteId.h"
#include "trove/TROVE_RouteRead.h"
#include "trove/TROVE_TrackId.h"
#include "trove/TROVE_TrackRead.h"
#include "trove/TROVE_WaypointId.h"
#include "trove/TROVE_WaypointRead.h"
#include "trove/bin/BIN_SpanReader.h"
#include "trove/bin/BIN_StringStream.h"

namespace {

// The values of a decode, written out so that two decodes compare as bytes.
std::string Describe(const trove::WaypointId_t& key, const trove::Waypoint_t& body) {
    bin::stringstream out;
    key.Write(out);
    out.WritePosition(body.position).WriteText(body.text_1.view()).WriteOptionalReal(body.real_1);
    out.Write(body.enum_a).Write(body.enum_b).Write(static_cast<std::int32_t>(body.symbol));
    out.WriteText(body.text_2.view()).WriteText(body.text_3.view()).WriteText(body.text_4.view());
    out.Write(body.byte_1).WriteOptionalReal(body.real_2).WriteText(body.text_5.view());
    out.WriteText(body.text_6.view()).Write(body.number_1).WriteText(body.text_7.view());
    return out.Bytes();
}

std::string Describe(const trove::Track_t& track) {
    bin::stringstream out;
    out.Write(track.track_byte).Write(track.track_enum).Write(track.point_count);
    for (const trove::TrackSegment_t& segment : track.segments) {
        for (const trove::TrackPoint_t& point : segment.points)
            out.WritePosition(point.position)
                .Write(point.time ? *point.time : -1)
                .WriteOptionalReal(point.point_real);
    }
    return out.Bytes();
}

// One decode, written once for both kinds of input.
template <class In>
using Decode_t = std::function<std::string(In&)>;

struct Layout_t {
    const char* name;
    std::string bytes;
    Decode_t<bin::SpanReader_t> from_bytes;
    Decode_t<bin::istream> from_stream;
    // What the whole bytes give: a value, a failure (a field out of range) or an exception.
    enum class Whole_t { kReads, kFails, kRaises } whole;
};

template <class F>
Layout_t Row(const char* name, std::string bytes, F decode,
             Layout_t::Whole_t whole = Layout_t::Whole_t::kReads) {
    return Layout_t{name, std::move(bytes), decode, decode, whole};
}

tbk::Waypoint_t Waypoint() {
    tbk::Waypoint_t w;
    w.key.name = "Summit  ";
    w.key.id_text = "id";
    w.key.id_block = {31, 1, 2, 3, 4, 5, 6, 7};
    w.body.position = tbk::At(45.5, 7.25, 3100.0);
    w.body.text_1 = "one ";
    w.body.real_2 = 12.5;
    w.body.symbol = 20;
    w.body.text_7 = "seven";
    return w;
}

std::vector<Layout_t> Layouts() {
    tbk::Route_t route;
    route.name = "Trip";
    route.bounds = tbk::BoxAround({tbk::At(1, 2), tbk::At(3, 4)});
    tbk::Link_t link;
    link.link_text = "road";
    link.link_class = 2;
    link.link_points = {tbk::At(1, 2, 5.0), tbk::At(1.5, 2.5)};
    link.link_bounds = tbk::BoxAround(link.link_points);
    route.points = {{Waypoint().key, link}, {Waypoint().key, {}}};

    tbk::Track_t track;
    track.name = "Walk";
    track.track_enum = 3;
    track.points = {
        {tbk::At(10, 20), 1000, 0.5}, {tbk::At(10.1, 20, 7.0), {}, {}}, {tbk::At(10.2, 20), 5, {}}};
    tbk::Track_t bad_time = track;
    bad_time.points[2].absent_time_seconds = -1;
    bad_time.points[2].time.reset();

    tbk::Waypoint_t bad_symbol = Waypoint();
    bad_symbol.body.symbol = 140;

    tbk::Map_t map;
    map.map_value = 7;
    map.name = "Alps";
    map.map_items = std::vector<std::uint32_t>{4, 5};
    tbk::Map_t bare_map;
    bare_map.name = "Plain";

    tbk::Route0_t route0;
    route0.name = "Trip";
    route0.rt0_flag = 2;

    const auto waypoint = [](std::uint16_t version) {
        return [version](auto& in) {
            trove::WaypointId_t key;
            trove::Waypoint_t body;
            key.Read(in, version);
            trove::ReadWaypointBody(in, body, version);
            return Describe(key, body);
        };
    };
    const auto track_decode = [](auto& in) {
        trove::TrackId_t key;
        trove::Track_t body;
        key.Read(in);
        trove::ReadTrackBody(in, body);
        return key.text + Describe(body);
    };
    // A map as read, written back: what it kept of its bytes.
    const auto map_decode = [](auto& in) {
        trove::Map_t read;
        read.Read(in);
        bin::stringstream out;
        read.Write(out);
        return out.Bytes();
    };
    return {
        Row("waypoint 105", tbk::WaypointPayload(Waypoint(), 105), waypoint(105)),
        Row("waypoint 100", tbk::WaypointPayload(Waypoint(), 100), waypoint(100)),
        Row("waypoint with symbol 140", tbk::WaypointPayload(bad_symbol, 105), waypoint(105),
            Layout_t::Whole_t::kFails),
        Row("route 105", tbk::RoutePayload(route, 105),
            [](auto& in) {
                trove::RouteId_t key;
                trove::Route_t body;
                key.Read(in);
                trove::ReadRouteBody(in, body, 105);
                bin::stringstream out;
                key.Write(out);
                trove::WriteBox(out, body.bounds);
                for (const trove::RouteWaypoint_t& point : body.route_points) point.Write(out);
                return out.Bytes();
            }),
        Row("track", tbk::TrackPayload(track), track_decode),
        Row("track with a negative time", tbk::TrackPayload(bad_time), track_decode,
            Layout_t::Whole_t::kRaises),
        Row("map", tbk::MapPayload(map), map_decode),
        Row("map without items", tbk::MapPayload(bare_map), map_decode),
        Row("route-0", tbk::Route0Payload(route0),
            [](auto& in) {
                trove::RouteId_t key;
                std::uint8_t flag = 0;
                key.Read(in);
                in.ReadByte(flag);
                return key.name.text + std::to_string(key.generated_name) + std::to_string(flag);
            }),
    };
}

// The value, state, bytes read and exception of one decode.
struct Outcome_t {
    std::string values;
    std::ios_base::iostate state = std::ios_base::goodbit;
    std::size_t read = 0;
    std::string raised;
};

template <class In, class F>
Outcome_t Decode(In& in, F decode) {
    Outcome_t outcome;
    try {
        outcome.values = decode(in);
    } catch (const std::exception& e) {
        outcome.raised = typeid(e).name();
    }
    outcome.state = in.rdstate();
    return outcome;
}

std::size_t ReadPosition(bin::istream& in) {
    return static_cast<std::size_t>(in.rdbuf()->pubseekoff(0, std::ios_base::cur, std::ios_base::in));
}

void ExpectSame(const Outcome_t& a, const Outcome_t& b, const std::string& where) {
    EXPECT_EQ(a.values, b.values) << where;
    EXPECT_EQ(a.state, b.state) << where;
    EXPECT_EQ(a.read, b.read) << where;
    EXPECT_EQ(a.raised, b.raised) << where;
}

TEST(Decoders, BytesAndStreamsAgreeAtEveryCut) {
    for (const Layout_t& layout : Layouts()) {
        for (std::size_t cut = 0; cut <= layout.bytes.size(); ++cut) {
            const std::string bytes = layout.bytes.substr(0, cut);
            const std::string where = std::string(layout.name) + " cut at " + std::to_string(cut);

            bin::SpanReader_t reader(bytes);
            Outcome_t from_bytes = Decode(reader, layout.from_bytes);
            from_bytes.read = reader.Consumed();

            bin::stringstream memory(bytes);
            Outcome_t from_memory = Decode<bin::istream>(memory, layout.from_stream);
            from_memory.read = ReadPosition(memory);

            std::stringbuf other(bytes);
            bin::istream elsewhere(&other);
            Outcome_t from_elsewhere = Decode(elsewhere, layout.from_stream);
            from_elsewhere.read = ReadPosition(elsewhere);

            ExpectSame(from_bytes, from_memory, where + " (stream over memory)");
            ExpectSame(from_bytes, from_elsewhere, where + " (other stream)");
            if (cut == layout.bytes.size()) {
                EXPECT_EQ(from_bytes.raised.empty(), layout.whole != Layout_t::Whole_t::kRaises) << where;
                EXPECT_EQ(reader.fail(), layout.whole == Layout_t::Whole_t::kFails) << where;
                EXPECT_EQ(reader.Remaining() == 0, layout.whole != Layout_t::Whole_t::kFails) << where;
            }
        }
    }
}

}  // namespace
