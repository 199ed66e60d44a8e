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
#include "store/LinkList.h"

namespace {

// Common words first: the generator picks low indices more often, as in real text.
const char* const kVocabulary[] = {
    "the",      "and",      "for",      "with",     "how",     "new",      "free",     "best",
    "guide",    "home",     "news",     "online",   "page",    "your",     "about",    "from",
    "this",     "that",     "more",     "review",   "video",   "music",    "photo",    "travel",
    "recipe",   "software", "download", "forum",    "blog",    "project",  "notes",    "release",
    "manual",   "kernel",   "design",   "summer",   "archive", "library",  "weather",  "market",
    "update",   "tutorial", "server",   "install",  "history", "science",  "report",   "daily",
    "window",   "memory",   "driver",   "game",     "stories", "budget",   "health",   "planet",
    "garden",   "network",  "recipes",  "article",  "people",  "world",    "school",   "family",
    "company",  "service",  "research", "support",  "product", "language", "internet", "computer",
    "program",  "system",   "business", "economy",  "country", "example",  "question", "answer",
    "problem",  "solution", "windows",  "linux",    "search",  "engine",   "shopping", "holiday",
    "weekend",  "reading",  "writing",  "painting", "cooking", "baking",   "cycling",  "running",
    "swimming", "climbing", "mountain", "valley",   "ocean",   "island",   "forest",   "desert",
    "bridge",   "station",  "airport",  "museum",   "theatre", "concert",  "festival", "gallery"};
constexpr std::size_t kVocabularySize = sizeof kVocabulary / sizeof kVocabulary[0];
constexpr std::size_t kCategoryCount = 30;
// One description in this many mentions the rare word.
constexpr std::size_t kRareEvery = 1000;
const char kRareWord[] = "kaleidoscope";

// A small deterministic generator (xorshift), so that every run searches the same records.
class CGenerator {
public:
    std::uint64_t Next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return m_state;
    }
    std::size_t Below(std::size_t bound) { return static_cast<std::size_t>(Next() % bound); }
    // Skewed towards the common words at the front of the vocabulary.
    const char* Word() { return kVocabulary[Below(Below(kVocabularySize) + 1)]; }

    // Words separated by blanks until the text is about `length` bytes long; `lineBreak` puts a
    // CR LF instead of a blank every that many bytes.
    std::string Words(std::size_t length, std::size_t lineBreak = 0) {
        std::string text;
        std::size_t lineStart = 0;
        while (text.size() < length) {
            if (!text.empty()) {
                if (lineBreak && text.size() - lineStart >= lineBreak) {
                    text += "\r\n";
                    lineStart = text.size();
                } else {
                    text += ' ';
                }
            }
            text += Word();
        }
        return text;
    }

private:
    std::uint64_t m_state = 0x2545F4914F6CDD1Dull;
};

// Titles of about 40 bytes, links of about 60, descriptions of about 200 in lines of about 60,
// one of 30 categories (one record in ten in none).
void FillList(CLinkList& list, std::size_t count) {
    CGenerator random;
    std::vector<std::string> categories;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        categories.push_back(std::string(random.Word()) + " " + std::to_string(i + 1));
        list.Categories().AddIfAbsent(categories.back());
    }
    const CDateTime when(45000.5, CDateTime::valid);
    list.Reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string title = random.Words(30 + random.Below(20));
        const std::string link = "https://www." + std::string(random.Word()) + random.Word() +
                                 ".example.com/" + random.Word() + "/" + random.Word() + "-" +
                                 std::to_string(random.Below(100000)) + ".html";
        std::string description = random.Words(160 + random.Below(80), 60);
        if (random.Below(kRareEvery) == 0)
            description.insert(random.Below(description.size()), std::string(" ") + kRareWord);
        const std::string& category =
            random.Below(10) == 0 ? std::string() : categories[random.Below(kCategoryCount)];
        list.AddLinkItem(title, link, description, category, when, when);
    }
}

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
