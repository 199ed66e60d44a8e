// Benchmarks of the bookmark export on 100,000 and 1,000,000 realistic records, to memory and to
// a file, each round set against the data file's own write of the same list (its body to memory,
// or Save to a file) run aside in the same round, so that the counter x_datafile reads off the
// ratio. The records are the data file benchmark's, with their dates spread over fifteen years
// (mktime is asked once per day) and one title in twenty holding a Latin-1 letter (converted
// through AnsiToWide).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <string>

#include "bench/RecordGenerator.h"
#include "import/BookmarkExport.h"
#include "store/DataFile.h"
#include "store/PosixFileSystem.h"

namespace {

std::string TempPath(const std::string& name) {
    const char* folder = std::getenv("TMPDIR");
    return std::string(folder && *folder ? folder : "/tmp") + "/" + name;
}

struct CExportPrepared {
    std::unique_ptr<CLinkList> list;
    std::size_t exportBytes = 0;
    std::size_t dataFileBytes = 0;
};

const CExportPrepared& Prepared(std::size_t count) {
    static std::map<std::size_t, CExportPrepared> prepared;
    CExportPrepared& entry = prepared[count];
    if (entry.list) return entry;
    entry.list = std::make_unique<CLinkList>();
    bench::FillList(*entry.list, count);
    bench::CGenerator random;
    for (std::size_t row = 0; row < count; ++row) {
        CLinkItem& item = *entry.list->GetAt(row);
        const double added = 40179.0 + static_cast<double>(random.Below(15 * 365 * 86400)) / 86400;
        item.m_dtAdded = CDateTime(added, CDateTime::valid);
        item.m_dtModified =
            CDateTime(added + static_cast<double>(random.Below(400)) / 7, CDateTime::valid);
        if (row % 20 == 0) item.m_strTitle = item.m_strTitle.str() + " caf\xE9";
    }
    std::string bytes;
    CMemorySink sink(bytes);
    CExportOutcome outcome;
    WriteBookmarks(sink, *entry.list, outcome);
    entry.exportBytes = bytes.size();
    bytes.clear();
    CDataFile::WriteBody(sink, *entry.list);
    entry.dataFileBytes = bytes.size();
    return entry;
}

// Time of the export (timed by the framework) and of the data file's write run aside, on the
// clock and in processor time (the second stays readable on a machine shared with other work).
class CBeside {
public:
    template <typename Write>
    void RunDataFile(benchmark::State& state, Write write) {
        state.PauseTiming();
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        write();
        m_dataFileCpu += std::clock() - cpuStart;
        m_dataFile += std::chrono::steady_clock::now() - start;
        state.ResumeTiming();
    }
    void StartExport() {
        m_start = std::chrono::steady_clock::now();
        m_cpuStart = std::clock();
    }
    void EndExport() {
        m_exportCpu += std::clock() - m_cpuStart;
        m_export += std::chrono::steady_clock::now() - m_start;
    }
    void Report(benchmark::State& state, const CExportPrepared& prepared) const {
        const auto seconds = [](std::chrono::steady_clock::duration d) {
            return std::chrono::duration<double>(d).count();
        };
        const auto rounds = static_cast<double>(state.iterations());
        state.counters["x_datafile"] = seconds(m_export) / seconds(m_dataFile);
        state.counters["x_datafile_cpu"] =
            static_cast<double>(m_exportCpu) / static_cast<double>(m_dataFileCpu);
        state.counters["datafile_ms"] = 1e3 * seconds(m_dataFile) / rounds;
        state.counters["MB"] = static_cast<double>(prepared.exportBytes) / 1e6;
        state.counters["datafile_MBps"] =
            static_cast<double>(prepared.dataFileBytes) * rounds / seconds(m_dataFile) / 1e6;
        state.SetBytesProcessed(
            static_cast<std::int64_t>(state.iterations() * prepared.exportBytes));
    }

private:
    std::chrono::steady_clock::duration m_export{};
    std::chrono::steady_clock::duration m_dataFile{};
    std::chrono::steady_clock::time_point m_start;
    std::clock_t m_exportCpu = 0;
    std::clock_t m_dataFileCpu = 0;
    std::clock_t m_cpuStart = 0;
};

void BM_ExportToMemory(benchmark::State& state) {
    const CExportPrepared& prepared = Prepared(static_cast<std::size_t>(state.range(0)));
    std::string bytes;
    CBeside beside;
    for (auto _ : state) {
        beside.RunDataFile(state, [&] {
            std::string body;
            body.reserve(prepared.dataFileBytes);
            CMemorySink sink(body);
            CDataFile::WriteBody(sink, *prepared.list);
        });
        bytes.clear();
        bytes.reserve(prepared.exportBytes);
        CMemorySink sink(bytes);
        CExportOutcome outcome;
        beside.StartExport();
        const bool written = WriteBookmarks(sink, *prepared.list, outcome);
        beside.EndExport();
        if (!written) state.SkipWithError("the export failed");
    }
    beside.Report(state, prepared);
}

void BM_ExportToFile(benchmark::State& state) {
    const CExportPrepared& prepared = Prepared(static_cast<std::size_t>(state.range(0)));
    const std::string path = TempPath("veltrim_export_bench.html");
    const std::string dataPath = TempPath("veltrim_export_bench.dat");
    CPosixFileSystem fs;
    CSystemClock clock;
    CDataFile dataFile(fs, clock);
    // Saved twice first, so that the rounds find today's file and its backup (no copy is made).
    dataFile.Save(dataPath, *prepared.list);
    dataFile.Save(dataPath, *prepared.list);
    CBeside beside;
    for (auto _ : state) {
        beside.RunDataFile(state, [&] {
            if (dataFile.Save(dataPath, *prepared.list) != ESaveResult::written)
                state.SkipWithError("the data file's save failed");
        });
        beside.StartExport();
        const CExportOutcome outcome = ExportBookmarkFile(fs, path, *prepared.list);
        beside.EndExport();
        if (!outcome.written) state.SkipWithError("the export failed");
    }
    beside.Report(state, prepared);
    for (const std::string& scratch : {path, dataPath, dataPath + ".bak"})
        std::remove(scratch.c_str());
}

void Hundred(benchmark::internal::Benchmark* bench) {
    bench->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
}
void Million(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
}

}  // namespace

BENCHMARK(BM_ExportToMemory)->Apply(Hundred);
BENCHMARK(BM_ExportToMemory)->Apply(Million);
BENCHMARK(BM_ExportToFile)->Apply(Hundred);
BENCHMARK(BM_ExportToFile)->Apply(Million);
