// Benchmarks of Delete, its Undo and its Redo through the undo history: 50,000 scattered rows
// out of 100,000, and the memory the history takes for them beyond the records themselves.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "tools/UndoManager.h"

namespace {

constexpr std::size_t kRows = 100000;

void Fill(CLinkList& list) {
    const CDateTime when(46023.5, CDateTime::valid);
    list.Reserve(kRows);
    for (std::size_t i = 0; i < kRows; ++i) {
        const std::string n = std::to_string(i);
        list.AddLinkItem("A title of about forty bytes, number " + n,
                         "http://www.example.com/some/path/to/a/page/" + n,
                         "A description of the page.\r\nIt has two lines, number " + n, "News",
                         when, when);
    }
}

std::vector<std::size_t> EveryOtherRow() {
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < kRows; i += 2) rows.push_back(i);
    return rows;
}

long long HeapInUse() {
#if defined(__GLIBC__)
    return static_cast<long long>(mallinfo2().uordblks);
#else
    return 0;
#endif
}

// One state kept for the whole benchmark: each iteration deletes, undoes and redoes the same
// rows, timing each step on its own.
void BM_DeleteUndoRedo(benchmark::State& state) {
    const int step = static_cast<int>(state.range(0));
    const std::vector<std::size_t> rows = EveryOtherRow();
    double historyBytesPerRecord = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto owned = std::make_unique<CLinkList>();
        CLinkList& list = *owned;
        Fill(list);
        auto history = std::make_unique<CUndoManager>(list);
        if (step == 0) {
            const long long before = HeapInUse();
            state.ResumeTiming();
            history->DeleteRows(rows);
            state.PauseTiming();
            historyBytesPerRecord =
                static_cast<double>(HeapInUse() - before) / static_cast<double>(rows.size());
        } else {
            history->DeleteRows(rows);
            if (step == 1) {
                state.ResumeTiming();
                history->Undo(nullptr);
                state.PauseTiming();
            } else {
                history->Undo(nullptr);
                state.ResumeTiming();
                history->Redo(nullptr);
                state.PauseTiming();
            }
        }
        // Freeing the records is not part of the step.
        history.reset();
        owned.reset();
        state.ResumeTiming();
    }
    if (step == 0) state.counters["history_B_per_deleted"] = historyBytesPerRecord;
    state.SetLabel(step == 0 ? "delete" : step == 1 ? "undo" : "redo");
}
BENCHMARK(BM_DeleteUndoRedo)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
