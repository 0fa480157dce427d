// Loading generated data files into the database, the way the import loads them:
//   Waypoints: 200,000 waypoints with typical names and texts (target >= 2,000,000 per second)
//   Tracks:    20 tracks of 100,000 points (target >= 10,000,000 points per second)
// and for both a peak memory of at most twice the file's size.
// Beside each, two floors: reading the same file's bytes into a new string (memory faulted in
// page by page), and into a block whose pages were taken in one call (base::TakeSystemPages);
// and every command's output of the file (BM_Write/<Command><File>: the load, then the command's
// writer into a stream that drops the bytes, counter output_MB; target: at most twice the load
// alone, three times for the HTML page, with peak memory at most the load's plus 16 MB; the
// page of the track file at most 8 MB).
// Memory is measured in a forked child that does one load, two ways, reported as counters of
// the Load benchmarks (MiB, and over the file size):
//   peak_heap   the highest number of bytes live during the load: heap blocks, counted by this
//               program's replacement of operator new/delete (malloc_usable_size of every block),
//               plus the blocks taken from the system (a database's arena);
//   child_rss   the child's maximum resident set (wait4) less that of a child that does nothing.
// The files are generated once per run into a temporary folder and removed at exit.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <new>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>

#include "base/BASE_SystemPages.h"
#include "model/MODEL_File.h"
#include "tbk/TBK_BigFile.h"
#include "tools/formats/TOOL_Registry.h"

namespace {

// Heap counting, switched on only inside the measuring child, so that the timed loads pay for
// one untaken branch per allocation.
bool g_counting = false;
std::int64_t g_live = 0;
std::int64_t g_peak = 0;

// Called after every rise of the heap and before every fall; system blocks are only given
// back with the database, after its load's last look here.
void NotePeak() {
    const std::int64_t live = g_live + static_cast<std::int64_t>(base::SystemPagesInUse());
    if (live > g_peak) g_peak = live;
}

void* Allocate(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    if (g_counting) {
        g_live += static_cast<std::int64_t>(malloc_usable_size(p));
        NotePeak();
    }
    return p;
}

void Release(void* p) noexcept {
    if (!p) return;
    if (g_counting) {
        NotePeak();
        g_live -= static_cast<std::int64_t>(malloc_usable_size(p));
    }
    std::free(p);
}

}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Release(p);
}

namespace {

struct BigFile_t {
    std::string path;
    std::uint64_t size = 0;
    std::uint64_t items = 0;
};

class Files_t {
public:
    Files_t()
        : folder_(std::filesystem::temp_directory_path() / ("trovix-bench-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(folder_);
        tbk::BigFileSpec_t waypoints;
        waypoints.waypoints = 200000;
        waypoint_file.path = (folder_ / "waypoints.tbk").string();
        waypoint_file.size = tbk::WriteBigFile(waypoint_file.path, waypoints);
        waypoint_file.items = waypoints.waypoints;
        tbk::BigFileSpec_t tracks;
        tracks.tracks = 20;
        tracks.track_points = 100000;
        track_file.path = (folder_ / "tracks.tbk").string();
        track_file.size = tbk::WriteBigFile(track_file.path, tracks);
        track_file.items = std::uint64_t(tracks.tracks) * tracks.track_points;
    }
    ~Files_t() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    BigFile_t waypoint_file;
    BigFile_t track_file;

private:
    std::filesystem::path folder_;
};

const Files_t& Files() {
    static const Files_t files;
    return files;
}

// Counts the bytes written to it and keeps none.
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

// What the tool's commands write after the load: a format of the registry, into out as the
// command does.
using Write_t = const tool::Format_t*;

constexpr unsigned kCodePage = 1252;

void WriteFormat(Write_t format, std::ostream& out, const model::File_t& file) {
    const tool::FormatOptions_t options;
    format->write(out, tool::WriteInput_t{file, "bench.tbk", options});
}

const Write_t kDump = &tool::kDumpFormat;
const Write_t kRecords = &tool::kRecordsFormat;
const Write_t kGpx = &tool::kGpxFormat;
const Write_t kKml = &tool::kKmlFormat;
const Write_t kGeoJson = &tool::kGeoJsonFormat;
const Write_t kHtml = &tool::kHtmlFormat;
const Write_t kCsv = &tool::kCsvFormat;

// Loads path and, with write, writes what it writes; its size in bytes, 0 when the load failed.
std::uint64_t LoadOnce(const std::string& path, Write_t write) {
    model::File_t file(kCodePage);
    const trove::LoadResult_t& result = file.LoadPath(path);
    NotePeak();
    if (result.outcome != trove::LoadOutcome_t::Loaded) return 0;
    if (!write) return 1;
    NullBuffer_t buffer;
    std::ostream out(&buffer);
    WriteFormat(write, out, file);
    NotePeak();
    return buffer.written;
}

// A child process that loads path (or does nothing when path is null): its maximum resident
// set in KiB (wait4) and its peak of live heap bytes (sent back through a pipe). -1 on failure.
long ChildMaxRss(const std::string* path, Write_t write, std::int64_t& peak_heap) {
    malloc_trim(0);  // freed heap left resident would hide the child's growth
    int ends[2];
    if (pipe(ends) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        bool ok = true;
        if (path) {
            g_counting = true;
            ok = LoadOnce(*path, write) != 0;
            g_counting = false;
        }
        ok = ::write(ends[1], &g_peak, sizeof g_peak) == sizeof g_peak && ok;
        _exit(ok ? 0 : 1);
    }
    close(ends[1]);
    if (read(ends[0], &peak_heap, sizeof peak_heap) != sizeof peak_heap) peak_heap = -1;
    close(ends[0]);
    int status = 0;
    struct rusage usage {};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return -1;
    }
    return usage.ru_maxrss;
}

void Load(benchmark::State& state, const BigFile_t& file, Write_t write = nullptr) {
    std::optional<model::File_t> loaded;
    std::uint64_t written_bytes = 0;
    double write_seconds = 0;  // processor time of the writing alone
    for (auto _ : state) {
        state.PauseTiming();
        loaded.reset();  // the previous database's destruction is not part of a load
        loaded.emplace(kCodePage);
        state.ResumeTiming();
        const trove::LoadResult_t& result = loaded->LoadPath(file.path);
        if (result.outcome != trove::LoadOutcome_t::Loaded) {
            state.SkipWithError("load failed");
            return;
        }
        if (write) {
            const std::clock_t start = std::clock();
            NullBuffer_t buffer;
            std::ostream out(&buffer);
            WriteFormat(write, out, *loaded);
            written_bytes = buffer.written;
            write_seconds += double(std::clock() - start) / CLOCKS_PER_SEC;
        }
    }
    loaded.reset();
    if (write) {
        state.counters["output_MB"] = double(written_bytes) / (1 << 20);
        state.counters["write_cpu_ms"] = write_seconds * 1000 / double(state.iterations());
    }

    std::int64_t idle_heap = 0, peak_heap = 0;
    const long idle_rss = ChildMaxRss(nullptr, nullptr, idle_heap);
    const long load_rss = ChildMaxRss(&file.path, write, peak_heap);
    if (idle_rss < 0 || load_rss < 0 || peak_heap < 0) {
        state.SkipWithError("memory measurement failed");
        return;
    }
    const double rss = double(load_rss - idle_rss) * 1024;
    constexpr double kMiB = 1 << 20;
    state.counters["file_MB"] = double(file.size) / kMiB;
    state.counters["peak_heap_MB"] = double(peak_heap) / kMiB;
    state.counters["peak_heap_x_file"] = double(peak_heap) / double(file.size);
    state.counters["child_rss_MB"] = rss / kMiB;
    state.counters["child_rss_x_file"] = rss / double(file.size);
    state.SetItemsProcessed(std::int64_t(state.iterations() * file.items));
    state.SetBytesProcessed(std::int64_t(state.iterations() * file.size));
}

// The floor: the file's bytes into memory, nothing else.
void ReadBytes(benchmark::State& state, const BigFile_t& file) {
    for (auto _ : state) {
        std::ifstream in(file.path, std::ios::binary);
        std::string bytes(file.size, '\0');
        in.read(&bytes[0], std::streamsize(bytes.size()));
        if (std::uint64_t(in.gcount()) != file.size) {
            state.SkipWithError("short read");
            return;
        }
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(std::int64_t(state.iterations() * file.items));
    state.SetBytesProcessed(std::int64_t(state.iterations() * file.size));
}

// The second floor: the same bytes into memory populated in bulk.
void ReadBytesPopulated(benchmark::State& state, const BigFile_t& file) {
    for (auto _ : state) {
        std::ifstream in(file.path, std::ios::binary);
        void* block = base::TakeSystemPages(file.size);
        in.read(static_cast<char*>(block), std::streamsize(file.size));
        const bool whole = std::uint64_t(in.gcount()) == file.size;
        benchmark::DoNotOptimize(block);
        base::GiveBackSystemPages(block, file.size);
        if (!whole) {
            state.SkipWithError("short read");
            return;
        }
    }
    state.SetItemsProcessed(std::int64_t(state.iterations() * file.items));
    state.SetBytesProcessed(std::int64_t(state.iterations() * file.size));
}

void BM_LoadWaypoints(benchmark::State& state) {
    Load(state, Files().waypoint_file);
}
void BM_ReadBytesWaypoints(benchmark::State& state) {
    ReadBytes(state, Files().waypoint_file);
}
void BM_ReadBytesPopulatedWaypoints(benchmark::State& state) {
    ReadBytesPopulated(state, Files().waypoint_file);
}
void BM_LoadTracks(benchmark::State& state) {
    Load(state, Files().track_file);
}
void BM_ReadBytesTracks(benchmark::State& state) {
    ReadBytes(state, Files().track_file);
}
void BM_ReadBytesPopulatedTracks(benchmark::State& state) {
    ReadBytesPopulated(state, Files().track_file);
}

// A command's whole work: the load, then its writer.
void BM_Write(benchmark::State& state, Write_t write, bool tracks) {
    Load(state, tracks ? Files().track_file : Files().waypoint_file, write);
}
BENCHMARK(BM_LoadWaypoints)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadBytesWaypoints)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadBytesPopulatedWaypoints)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadTracks)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadBytesTracks)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadBytesPopulatedTracks)->Unit(benchmark::kMillisecond)->UseRealTime();
#define TROVIX_BENCH_WRITER(name, writer)                       \
    BENCHMARK_CAPTURE(BM_Write, name##Waypoints, writer, false) \
        ->Unit(benchmark::kMillisecond)                         \
        ->UseRealTime();                                        \
    BENCHMARK_CAPTURE(BM_Write, name##Tracks, writer, true)->Unit(benchmark::kMillisecond)->UseRealTime()
TROVIX_BENCH_WRITER(Dump, kDump);
TROVIX_BENCH_WRITER(Records, kRecords);
TROVIX_BENCH_WRITER(Gpx, kGpx);
TROVIX_BENCH_WRITER(Kml, kKml);
TROVIX_BENCH_WRITER(GeoJson, kGeoJson);
TROVIX_BENCH_WRITER(Csv, kCsv);
TROVIX_BENCH_WRITER(Html, kHtml);

}  // namespace

BENCHMARK_MAIN();
