// Benchmarks of the data file on 10,000 to 1,000,000 realistic records: loading and saving
// through the core against the floor of reading or writing the same bytes in one call, and the
// memory that a loaded record takes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <unistd.h>

#include "bench/RecordGenerator.h"
#include "store/DataFile.h"
#include "store/PosixFileSystem.h"

namespace {

using bench::FillList;

std::string TempFolder() {
    const char* folder = std::getenv("TMPDIR");
    return folder && *folder ? folder : "/tmp";
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One generated list and its data file per record count, made on first use and kept until the
// program ends, which removes the file.
struct CPrepared {
    ~CPrepared() {
        if (!path.empty()) std::remove(path.c_str());
    }
    std::unique_ptr<CLinkList> list;
    std::string path;
    std::string bytes;
    std::size_t textBytes = 0;
};

const CPrepared& Prepared(std::size_t count) {
    static std::map<std::size_t, CPrepared> prepared;
    CPrepared& entry = prepared[count];
    if (entry.list) return entry;
    entry.list = std::make_unique<CLinkList>();
    FillList(*entry.list, count);
    for (std::size_t row = 0; row < count; ++row) {
        const CLinkItem& item = *entry.list->GetAt(row);
        entry.textBytes += item.m_strTitle.size() + item.m_strLink.size() +
                           item.m_strDescription.size() + item.m_strCategory.size();
    }
    entry.path = TempFolder() + "/veltrim_bench_" + std::to_string(count) + ".dat";
    CPosixFileSystem fs;
    CSystemClock clock;
    std::remove(entry.path.c_str());
    std::remove((entry.path + ".bak").c_str());
    if (CDataFile(fs, clock).Save(entry.path, *entry.list) != ESaveResult::written)
        std::fprintf(stderr, "cannot write %s\n", entry.path.c_str());
    entry.bytes = ReadAll(entry.path);
    return entry;
}

// The floor of a load: one fread of the whole file into memory.
std::string ReadInOneCall(const std::string& path, std::size_t size) {
    std::string bytes(size, '\0');
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::string();
    bytes.resize(std::fread(&bytes[0], 1, size, file));
    std::fclose(file);
    return bytes;
}

// The floor of a save: one fwrite of the same bytes.
bool WriteInOneCall(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

// The core against its floor, run in turns so that both meet the same page cache and heap: the
// core's rounds are timed by the framework, the floor's aside, and the ratio of the totals is
// reported as a counter.
class CTurns {
public:
    template <typename Floor>
    void RunFloor(benchmark::State& state, Floor floor) {
        state.PauseTiming();
        const auto start = std::chrono::steady_clock::now();
        floor();
        m_floor += std::chrono::steady_clock::now() - start;
        state.ResumeTiming();
    }
    void StartCore() { m_coreStart = std::chrono::steady_clock::now(); }
    void EndCore() { m_core += std::chrono::steady_clock::now() - m_coreStart; }
    double Ratio() const {
        return m_floor.count() ? std::chrono::duration<double>(m_core).count() /
                                     std::chrono::duration<double>(m_floor).count()
                               : 0.0;
    }

private:
    std::chrono::steady_clock::duration m_core{};
    std::chrono::steady_clock::duration m_floor{};
    std::chrono::steady_clock::time_point m_coreStart;
};

void BM_LoadCore(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const CPrepared& prepared = Prepared(count);
    CPosixFileSystem fs;
    CSystemClock clock;
    CDataFile dataFile(fs, clock);
    CTurns turns;
    for (auto _ : state) {
        turns.RunFloor(state, [&] {
            benchmark::DoNotOptimize(ReadInOneCall(prepared.path, prepared.bytes.size()));
        });
        auto list = std::make_unique<CLinkList>();
        turns.StartCore();
        const CLoadOutcome outcome = dataFile.Load(prepared.path, *list);
        turns.EndCore();
        if (outcome.result != ELoadResult::loaded || list->GetCount() != count)
            state.SkipWithError("the load failed");
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.counters["x_fread"] = turns.Ratio();
    state.counters["MB"] = static_cast<double>(prepared.bytes.size()) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * prepared.bytes.size()));
}

void BM_LoadFloorFread(benchmark::State& state) {
    const CPrepared& prepared = Prepared(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadInOneCall(prepared.path, prepared.bytes.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * prepared.bytes.size()));
}

void BM_SaveCore(benchmark::State& state) {
    const CPrepared& prepared = Prepared(static_cast<std::size_t>(state.range(0)));
    const std::string path = prepared.path + ".save";
    const std::string floorPath = prepared.path + ".floor";
    // Today's file with a backup present: the backup rule looks but does not copy.
    WriteInOneCall(path, prepared.bytes);
    WriteInOneCall(path + ".bak", prepared.bytes);
    WriteInOneCall(floorPath, prepared.bytes);
    CPosixFileSystem fs;
    CSystemClock clock;
    CDataFile dataFile(fs, clock);
    CTurns turns;
    for (auto _ : state) {
        turns.RunFloor(state, [&] { WriteInOneCall(floorPath, prepared.bytes); });
        turns.StartCore();
        const ESaveResult result = dataFile.Save(path, *prepared.list);
        turns.EndCore();
        if (result != ESaveResult::written) state.SkipWithError("the save failed");
    }
    state.counters["x_fwrite"] = turns.Ratio();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * prepared.bytes.size()));
    for (const std::string& scratch : {path, path + ".bak", floorPath})
        std::remove(scratch.c_str());
}

void BM_SaveFloorFwrite(benchmark::State& state) {
    const CPrepared& prepared = Prepared(static_cast<std::size_t>(state.range(0)));
    const std::string path = prepared.path + ".floor";
    for (auto _ : state)
        if (!WriteInOneCall(path, prepared.bytes)) state.SkipWithError("the write failed");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * prepared.bytes.size()));
    std::remove(path.c_str());
}

// Bytes the heap hands out (glibc counts chunk headers and rounding in), and resident bytes.
double HeapInUse() {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
#else
    return 0.0;
#endif
}

double Resident() {
    std::ifstream statm("/proc/self/statm");
    double total = 0;
    double resident = 0;
    statm >> total >> resident;
    return resident * static_cast<double>(sysconf(_SC_PAGESIZE));
}

void BM_MemoryPerRecord(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const CPrepared& prepared = Prepared(count);
    CPosixFileSystem fs;
    CSystemClock clock;
    CDataFile dataFile(fs, clock);
    double heap = 0;
    double resident = 0;
    for (auto _ : state) {
        state.PauseTiming();
#if defined(__GLIBC__)
        malloc_trim(0);
#endif
        const double heapBefore = HeapInUse();
        const double residentBefore = Resident();
        auto list = std::make_unique<CLinkList>();
        state.ResumeTiming();
        dataFile.Load(prepared.path, *list);
        state.PauseTiming();
        heap = HeapInUse() - heapBefore;
        resident = Resident() - residentBefore;
        list.reset();
        state.ResumeTiming();
    }
    const double records = static_cast<double>(count);
    state.counters["heap_B_per_rec"] = heap / records;
    state.counters["rss_B_per_rec"] = resident / records;
    state.counters["text_B_per_rec"] = static_cast<double>(prepared.textBytes) / records;
    state.counters["overhead_B_per_rec"] =
        (heap - static_cast<double>(prepared.textBytes)) / records;
}

// A short minimum time for the smaller files; the million-record file gets three rounds.
void Sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(0.3);
}
void Million(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
}

}  // namespace

BENCHMARK(BM_LoadCore)->Apply(Sizes);
BENCHMARK(BM_LoadCore)->Apply(Million);
BENCHMARK(BM_LoadFloorFread)->Apply(Sizes);
BENCHMARK(BM_LoadFloorFread)->Apply(Million);
BENCHMARK(BM_SaveCore)->Apply(Sizes);
BENCHMARK(BM_SaveCore)->Apply(Million);
BENCHMARK(BM_SaveFloorFwrite)->Apply(Sizes);
BENCHMARK(BM_SaveFloorFwrite)->Apply(Million);
BENCHMARK(BM_MemoryPerRecord)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
