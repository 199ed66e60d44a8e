// Benchmarks of one incremental search over 100,000 and 1,000,000 realistic records, Title and
// Description searched, exact and with typos, for terms that match often, rarely and never. Each
// is set against the floor of a memchr over the same bytes, and against grep -c -i over the same
// records written one a line.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "search/ExactMatcher.h"
#include "search/LinkSearch.h"
#include "search/TypoMatcher.h"
#include "bench/RecordGenerator.h"
#include "store/LinkList.h"

namespace {

using bench::FillList;
using bench::kRareWord;

std::string TempFolder() {
    const char* folder = std::getenv("TMPDIR");
    return folder && *folder ? folder : "/tmp";
}

// One generated list per record count, and the same records as a text file for grep, one a
// line (CR LF inside descriptions become blanks), made on first use and kept until the program
// ends, which removes the file.
struct CPrepared {
    ~CPrepared() {
        if (!path.empty()) std::remove(path.c_str());
    }
    std::unique_ptr<CLinkList> list;
    std::string path;
};

const CPrepared& Prepared(std::size_t count) {
    static std::map<std::size_t, CPrepared> prepared;
    CPrepared& entry = prepared[count];
    if (entry.list) return entry;
    entry.list = std::make_unique<CLinkList>();
    FillList(*entry.list, count);
    entry.path = TempFolder() + "/veltrim_search_bench_" + std::to_string(count) + ".txt";
    std::ofstream out(entry.path, std::ios::binary);
    for (std::size_t row = 0; row < count; ++row) {
        const CLinkItem& item = *entry.list->GetAt(row);
        std::string description = item.m_strDescription.str();
        for (char& c : description)
            if (c == '\r' || c == '\n') c = ' ';
        out << item.m_strTitle.view() << '\t' << item.m_strLink.view() << '\t' << description
            << '\t' << item.m_strCategory.view() << '\n';
    }
    return entry;
}

// The floor: touching every searched byte once, as memchr for a byte no text holds.
std::size_t ScanFloor(const CLinkList& list) {
    std::size_t found = 0;
    for (std::size_t row = 0; row < list.GetCount(); ++row) {
        const CLinkItem& item = *list.GetAt(row);
        found += std::memchr(item.m_strTitle.data(), '\x01', item.m_strTitle.size()) != nullptr;
        found += std::memchr(item.m_strDescription.data(), '\x01', item.m_strDescription.size()) !=
                 nullptr;
    }
    return found;
}

// grep's count goes to a file: GNU grep stops at the first match when its output is /dev/null.
double GrepMilliseconds(const std::string& term, const std::string& path) {
    const std::string countPath = path + ".count";
    const std::string command = "grep -c -i '" + term + "' '" + path + "' > '" + countPath + "'";
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::remove(countPath.c_str());
    if (status == -1) return -1.0;
    return std::chrono::duration<double, std::milli>(elapsed).count();
}

using Seconds = std::chrono::duration<double>;

// The framework times the searches (its Time and CPU columns); the floor runs in the same loop,
// with the timing paused, so that both meet the same caches.
void BM_Search(benchmark::State& state, const std::string& term, bool typos) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const CPrepared& prepared = Prepared(count);
    const CLinkList& list = *prepared.list;
    std::vector<std::size_t> rows;
    Seconds core{};
    Seconds floor{};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        // A fresh matcher for each search, as the incremental search makes one.
        if (typos) {
            CTypoMatcher matcher(2, false);
            SearchLinks(list, matcher, term, searchTitle | searchDescription, rows);
        } else {
            CExactMatcher matcher(false);
            SearchLinks(list, matcher, term, searchTitle | searchDescription, rows);
        }
        const auto searched = std::chrono::steady_clock::now();
        state.PauseTiming();
        benchmark::DoNotOptimize(ScanFloor(list));
        const auto scanned = std::chrono::steady_clock::now();
        state.ResumeTiming();
        core += searched - start;
        floor += scanned - searched;
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["matches"] = static_cast<double>(rows.size());
    state.counters["floor_ms"] = floor.count() * 1000.0 / iterations;
    state.counters["x_floor"] = floor.count() > 0 ? core.count() / floor.count() : 0.0;
    state.counters["grep_ms"] = GrepMilliseconds(term, prepared.path);
}

// The terms: one that many records hold, one that a record in a thousand holds, one that none
// holds; the typo forms have two characters swapped.
struct STerm {
    const char* kind;
    const char* exact;
    const char* typo;
};
const STerm kTerms[] = {
    {"often", "garden", "gadren"},
    {"rarely", "kaleidoscope", "kaleidsocope"},
    {"never", "thunderbolt", "thudnerbolt"},
};

const bool kRegistered = [] {
    for (const bool typos : {false, true}) {
        for (const STerm& term : kTerms) {
            const std::string text = typos ? term.typo : term.exact;
            const std::string name =
                std::string(typos ? "BM_SearchTypo/" : "BM_SearchExact/") + term.kind;
            benchmark::RegisterBenchmark(name.c_str(), BM_Search, text, typos)
                ->Arg(100000)
                ->Arg(1000000)
                ->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}();

}  // namespace
