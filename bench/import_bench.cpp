// Benchmarks of the bookmark import: the reader alone on generated exports of 10,000 and 100,000
// links, whole and its scanner only, each set against a memchr over the same bytes in the same
// run; and the file finder's walk
// over a generated tree of 10,111 folders and 100,000 files, with find -iname for comparison.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "bench/BookmarkGenerator.h"
#include "import/BookmarkReader.h"
#include "import/FileNamePattern.h"
#include "import/FolderWalker.h"
#include "import/MemoryBookmarkSource.h"
#include "import/PosixFolderLister.h"

namespace {

const CDateTime kNow(46100.5, CDateTime::valid);

const std::string& BookmarkFile(std::size_t links) {
    static std::map<std::size_t, std::string> files;
    std::string& file = files[links];
    if (file.empty()) file = bench::GenerateBookmarkFile(links);
    return file;
}

// Touching every byte once: memchr for a byte that no bookmark file holds.
std::size_t ScanFloor(const std::string& bytes) {
    return std::memchr(bytes.data(), '\x01', bytes.size()) != nullptr;
}

// The reader's time and the floor's, each round's floor run aside (paused) over the same bytes
// right before the reader, and the counters that compare them.
class CAgainstFloor {
public:
    explicit CAgainstFloor(const std::string& bytes) : m_bytes(bytes) {}

    void RunFloor(benchmark::State& state) {
        state.PauseTiming();
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(ScanFloor(m_bytes));
        m_floor += std::chrono::steady_clock::now() - start;
        state.ResumeTiming();
    }
    void StartReader() { m_start = std::chrono::steady_clock::now(); }
    void EndReader() { m_reader += std::chrono::steady_clock::now() - m_start; }

    void Report(benchmark::State& state) const {
        const double reader = std::chrono::duration<double>(m_reader).count();
        const double floor = std::chrono::duration<double>(m_floor).count();
        const double megabytes =
            static_cast<double>(m_bytes.size()) * static_cast<double>(state.iterations()) / 1e6;
        state.counters["MB"] = static_cast<double>(m_bytes.size()) / 1e6;
        state.counters["reader_MBps"] = reader > 0 ? megabytes / reader : 0;
        state.counters["memchr_MBps"] = floor > 0 ? megabytes / floor : 0;
        state.counters["x_memchr"] = floor > 0 ? reader / floor : 0;
    }

private:
    const std::string& m_bytes;
    std::chrono::steady_clock::duration m_reader{};
    std::chrono::steady_clock::duration m_floor{};
    std::chrono::steady_clock::time_point m_start;
};

// The whole import into a fresh list of links.
void BM_ReadBookmarks(benchmark::State& state) {
    const auto links = static_cast<std::size_t>(state.range(0));
    const std::string& bytes = BookmarkFile(links);
    CAgainstFloor timing(bytes);
    for (auto _ : state) {
        timing.RunFloor(state);
        auto list = std::make_unique<CLinkList>();
        timing.StartReader();
        CMemoryBookmarkSource source(bytes);
        CBookmarkReader reader(source);
        const CImportOutcome outcome = reader.Import(*list, kNow, nullptr);
        timing.EndReader();
        if (outcome.imported != links) state.SkipWithError("links were lost");
        state.PauseTiming();
        list.reset();
        // The heap tidies up after the freed records here, not inside the next round's reading.
#if defined(__GLIBC__)
        malloc_trim(0);
#endif
        state.ResumeTiming();
    }
    timing.Report(state);
}

// The scanner alone: every tag read, every anchor's text read, nothing decoded or stored.
void BM_ScanBookmarks(benchmark::State& state) {
    const auto links = static_cast<std::size_t>(state.range(0));
    const std::string& bytes = BookmarkFile(links);
    CAgainstFloor timing(bytes);
    std::string tag;
    std::string title;
    for (auto _ : state) {
        timing.RunFloor(state);
        timing.StartReader();
        CMemoryBookmarkSource source(bytes);
        CBookmarkReader reader(source);
        reader.ReadFirstBlock();
        std::size_t anchors = 0;
        while (reader.FindMarker("<", true)) {
            reader.ReadUntil('>', tag, CBookmarkReader::tagLimit);
            if (!reader.TagStartsWith(tag, "A HREF=")) continue;
            reader.ReadAnchorText(title);
            ++anchors;
        }
        timing.EndReader();
        if (anchors != links) state.SkipWithError("anchors were lost");
    }
    timing.Report(state);
}

// A tree of 10 x 10 x 100 leaf folders (10,111 folders with the root) with 10 files in each leaf,
// one in a hundred of them a bookmark file; made once, removed when the program ends.
struct CTree {
    CTree() {
        const char* folder = std::getenv("TMPDIR");
        root = std::string(folder && *folder ? folder : "/tmp") + "/veltrim_walk_bench";
        std::filesystem::remove_all(root);
        std::size_t made = 0;
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b)
                for (int c = 0; c < 100; ++c) {
                    const std::string leaf = root + "/area" + std::to_string(a) + "/part" +
                                             std::to_string(b) + "/folder" + std::to_string(c);
                    std::filesystem::create_directories(leaf);
                    for (int f = 0; f < 10; ++f, ++made) {
                        const bool bookmark = made % 100 == 0;
                        const std::string name =
                            bookmark ? (made % 200 == 0 ? "bookmark.htm" : "Bookmark.HTML")
                                     : "file" + std::to_string(f) + ".txt";
                        std::ofstream(leaf + "/" + name);
                        bookmarks += bookmark;
                    }
                }
    }
    ~CTree() { std::filesystem::remove_all(root); }
    std::string root;
    std::size_t bookmarks = 0;
};

const CTree& Tree() {
    static CTree tree;
    return tree;
}

double FindMilliseconds(const std::string& root) {
    const std::string command =
        "find '" + root + "' -iname 'bookmark.htm*' > '" + root + ".found' 2>/dev/null";
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) return -1;
    const auto end = std::chrono::steady_clock::now();
    std::remove((root + ".found").c_str());
    return std::chrono::duration<double, std::milli>(end - start).count();
}

void BM_WalkFolders(benchmark::State& state) {
    const CTree& tree = Tree();
    CPosixFolderLister lister;
    std::size_t folders = 0;
    for (auto _ : state) {
        CFileNamePattern pattern(CFileNamePattern::defaultPattern, state.range(0) != 0);
        CFolderWalker walker(lister, tree.root);
        std::size_t found = 0;
        folders = 0;
        do {
            ++folders;
            walker.VisitCurrent([&](const std::string&, const std::string& name) {
                found += pattern.Matches(name);
                return true;
            });
        } while (walker.Next());
        if (found != tree.bookmarks) state.SkipWithError("the walk missed files");
    }
    state.counters["folders"] = static_cast<double>(folders);
    state.counters["find_ms"] = FindMilliseconds(tree.root);
}

}  // namespace

BENCHMARK(BM_ReadBookmarks)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_ScanBookmarks)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_WalkFolders)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1.0);
