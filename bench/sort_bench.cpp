// Benchmarks of the column sort of 100,000 and 1,000,000 realistic records by Title and by Added,
// each set against std::stable_sort of the same records by a plain strcmp of their titles; and,
// for information, title case and word wrap of 100,000 records.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/RecordGenerator.h"
#include "tools/ColumnSort.h"
#include "tools/TitleCaser.h"
#include "tools/WordWrap.h"

namespace {

// One generated list per record count, made on first use. Added is spread over ten years at
// whole seconds; Last Modified holds each record's first row, so that the list can be put back
// into its first order between runs.
CLinkList& Prepared(std::size_t count) {
    static std::map<std::size_t, std::unique_ptr<CLinkList>> prepared;
    auto& list = prepared[count];
    if (list) return *list;
    list = std::make_unique<CLinkList>();
    bench::FillList(*list, count);
    bench::CGenerator random;
    for (std::size_t row = 0; row < count; ++row) {
        CLinkItem& item = *list->GetAt(row);
        item.m_dtAdded =
            CDateTime(40000.0 + static_cast<double>(random.Below(3650 * 86400)) / 86400, 0);
        item.m_dtModified = CDateTime(static_cast<double>(row), 0);
    }
    return *list;
}

double Milliseconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Arguments: record count, column. The time is that of the model's sort; the counters give the
// plain strcmp sort of the same records and the ratio of the two.
void BM_ColumnSort(benchmark::State& state) {
    CLinkList& list = Prepared(static_cast<std::size_t>(state.range(0)));
    const int column = static_cast<int>(state.range(1));
    double sortMs = 0;
    double strcmpMs = 0;
    for (auto _ : state) {
        SortByColumn(list, kColumnModified, false);  // the first order again
        std::vector<const CLinkItem*> items;
        items.reserve(list.GetCount());
        for (std::size_t row = 0; row < list.GetCount(); ++row) items.push_back(list.GetAt(row));

        const auto start = std::chrono::steady_clock::now();
        SortByColumn(list, column, false);
        const auto sorted = std::chrono::steady_clock::now();
        std::stable_sort(items.begin(), items.end(), [](const CLinkItem* a, const CLinkItem* b) {
            return std::strcmp(a->m_strTitle.c_str(), b->m_strTitle.c_str()) < 0;
        });
        const auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(items.data());

        state.SetIterationTime(std::chrono::duration<double>(sorted - start).count());
        sortMs += Milliseconds(sorted - start);
        strcmpMs += Milliseconds(end - sorted);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["strcmp_ms"] = strcmpMs / runs;
    state.counters["ratio"] = sortMs / strcmpMs;
    state.SetLabel(SortColumnName(column));
}
BENCHMARK(BM_ColumnSort)
    ->ArgsProduct({{100000, 1000000}, {kColumnTitle, kColumnAdded}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void BM_TitleCase(benchmark::State& state) {
    const CLinkList& list = Prepared(100000);
    const CTitleCaser caser;
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (std::size_t row = 0; row < list.GetCount(); ++row)
            bytes += caser.Convert(list.GetAt(row)->m_strTitle.str()).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_TitleCase)->Unit(benchmark::kMillisecond);

// Descriptions of about 200 bytes wrapped into a field of 300 pixels, in a proportional font
// whose characters are 4 to 10 pixels wide.
void BM_WordWrap(benchmark::State& state) {
    const CLinkList& list = Prepared(100000);
    const TextMeasure measure = [](std::string_view text) {
        int width = 0;
        for (char c : text) width += 4 + static_cast<unsigned char>(c) % 7;
        return width;
    };
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (std::size_t row = 0; row < list.GetCount(); ++row)
            bytes += WordWrap(list.GetAt(row)->m_strDescription, 300, measure).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_WordWrap)->Unit(benchmark::kMillisecond);

}  // namespace
