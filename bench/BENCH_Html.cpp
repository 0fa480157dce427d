// The HTML page of a big track file (20 tracks of 100,000 timed points, the shape of the load
// benchmarks): the load alone, then the load and `trovix html` writing into a stream that
// drops the bytes. Target: the page at most three times the load alone, and at most 8 MB
// (counter html_MB).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>

#include "tbk/TBK_BigFile.h"
#include "tools/TOOL_Export.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_DocInfo.h"
#include "trove/TROVE_Load.h"

namespace {

class TrackFile_t {
public:
    TrackFile_t()
        : path((std::filesystem::temp_directory_path() / ("trovix-html-" + std::to_string(getpid()) + ".tbk"))
                   .string()) {
        tbk::BigFileSpec_t shape;
        shape.tracks = 20;
        shape.track_points = 100000;
        tbk::WriteBigFile(path, shape);
    }
    ~TrackFile_t() { std::filesystem::remove(path); }
    std::string path;
};

const TrackFile_t& File() {
    static const TrackFile_t file;
    return file;
}

// Counts the bytes and keeps none.
class NullBuffer_t : public std::streambuf {
public:
    std::uint64_t written = 0;

protected:
    std::streamsize xsputn(const char*, std::streamsize n) override {
        written += static_cast<std::uint64_t>(n);
        return n;
    }
    int_type overflow(int_type c) override {
        ++written;
        return traits_type::not_eof(c);
    }
};

void Run(benchmark::State& state, bool html) {
    const std::string& path = File().path;
    std::optional<trove::Database_t> db;
    std::uint64_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        db.reset();  // the previous database's destruction is not part of a load
        db.emplace(trove::Name_t(), 3);
        state.ResumeTiming();
        const trove::LoadResult_t result = trove::LoadFile(path, *db);
        if (result.outcome != trove::LoadOutcome_t::Loaded) {
            state.SkipWithError("load failed");
            return;
        }
        if (html) {
            NullBuffer_t buffer;
            std::ostream out(&buffer);
            tool::Options_t options;
            const tool::ExportInput_t input{*db, trove::TheDocInfo(), result, "tracks.tbk", options};
            tool::WriteHtmlDocument(out, input);
            bytes = buffer.written;
        }
    }
    if (html) state.counters["html_MB"] = double(bytes) / (1 << 20);
}

void BM_LoadTracks(benchmark::State& state) {
    Run(state, false);
}
void BM_HtmlTracks(benchmark::State& state) {
    Run(state, true);
}

}  // namespace

BENCHMARK(BM_LoadTracks)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HtmlTracks)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
