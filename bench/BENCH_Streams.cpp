// Throughput of record extraction and field reads: waypoint-sized records and one record
// holding a long position list, both read from memory so that only the stream layer counts.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "trove/bin/BIN_Record.h"

namespace {

void WriteWaypointPayload(bin::ostream& out, int i) {
    out.WriteText("WPT" + std::to_string(i)).Write(std::int32_t(0)).WriteText("");
    out.Write(std::uint32_t(0))
        .Write(std::uint32_t(0xFFFFFFFF))
        .WriteBlock(std::vector<std::uint8_t>(8, 0xFF));
    out.Write(std::uint16_t(0)).Write(std::uint32_t(0xFFFFFFFF));
    out.WritePosition(geo::Position_t(i * 1000, -i * 1000, 120.5)).WriteText("A short comment");
    out.WriteOptionalReal(base::Optional_t<double>()).Write(std::int32_t(1)).Write(std::int32_t(0));
    out.Write(std::int32_t(18)).WriteText("").WriteText("").WriteText("").PutByte(0);
    out.WriteOptionalReal(base::Optional_t<double>(3.0)).WriteText("").WriteText("");
    out.Write(0.0).WriteText("");
}

// One current-format record per waypoint, as the record-stream reader sees them.
std::string WaypointFile(int count) {
    bin::stringstream file;
    for (int i = 0; i < count; ++i) {
        bin::stringstream payload;
        WriteWaypointPayload(payload, i);
        const std::string bytes = payload.Bytes();
        file.Write(static_cast<std::uint32_t>(bytes.size()))
            .PutByte('W')
            .WriteRaw(bytes.data(), bytes.size());
    }
    return file.Bytes();
}

void ReadWaypoint(bin::record_t& rec) {
    std::string name, id_text, t1, t2, t3, t4, t5, t6, t7;
    std::int32_t id_class = 0, enum_a = 1, enum_b = 0, symbol = 18;
    std::uint32_t n1 = 0, n2 = 0, n3 = 0;
    std::uint16_t id_short = 0;
    std::vector<std::uint8_t> block;
    geo::Position_t position;
    base::Optional_t<double> real_1, real_2;
    std::uint8_t byte_1 = 0;
    double number_1 = 0;
    rec.ReadText(name).Read(id_class).ReadText(id_text).Read(n1).Read(n2).ReadBlock(block, 8);
    rec.Read(id_short).Read(n3);
    rec.ReadPosition(position).ReadText(t1).ReadOptionalReal(real_1).ReadEnum(enum_a, 0, 2);
    rec.ReadEnum(enum_b, 0, 16).ReadEnum(symbol, 0, 139).ReadText(t2).ReadText(t3).ReadText(t4);
    rec.ReadByte(byte_1).ReadOptionalReal(real_2).ReadText(t5).ReadText(t6).Read(number_1).ReadText(t7);
    benchmark::DoNotOptimize(position);
    benchmark::DoNotOptimize(name);
}

void BM_WaypointRecords(benchmark::State& state) {
    const int count = 10000;
    const std::string bytes = WaypointFile(count);
    for (auto _ : state) {
        bin::stringstream file(bytes);
        for (int i = 0; i < count; ++i) {
            bin::record_t rec(0);
            bin::ExtractRecord(file, rec);
            ReadWaypoint(rec);
            if (!file || !rec) state.SkipWithError("bad record");
        }
    }
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["ns_per_record"] = benchmark::Counter(
        double(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WaypointRecords)->Unit(benchmark::kMillisecond);

void BM_ConstructRecord(benchmark::State& state) {
    for (auto _ : state) {
        bin::record_t rec(0);
        benchmark::DoNotOptimize(rec.type);
    }
}
BENCHMARK(BM_ConstructRecord);

void BM_PositionListRecord(benchmark::State& state) {
    const std::uint32_t count = 100000;
    bin::stringstream payload;
    std::vector<geo::Position_t> track;
    for (std::uint32_t i = 0; i < count; ++i) {
        track.emplace_back(std::int32_t(i * 7), -std::int32_t(i * 5),
                           i % 2 ? base::Optional_t<double>(double(i)) : base::Optional_t<double>());
    }
    payload.WritePositions(track);
    const std::string body = payload.Bytes();
    bin::stringstream framed;
    framed.Write(static_cast<std::uint32_t>(body.size())).PutByte('T').WriteRaw(body.data(), body.size());
    const std::string bytes = framed.Bytes();
    for (auto _ : state) {
        bin::stringstream file(bytes);
        bin::record_t rec(0);
        bin::ExtractRecord(file, rec);
        std::vector<geo::Position_t> read;
        rec.ReadPositions(read);
        if (read.size() != count) state.SkipWithError("short list");
        benchmark::DoNotOptimize(read.data());
    }
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["ns_per_position"] = benchmark::Counter(
        double(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PositionListRecord)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
