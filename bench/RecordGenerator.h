// Realistic records for the benchmarks: titles of about 40 bytes, links of about 60,
// descriptions of about 200 in lines of about 60, one of 30 categories; the same records on every
// run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "store/LinkList.h"

namespace bench {

// Common words first: the generator picks low indices more often, as in real text.
inline const char* const kVocabulary[] = {
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
inline const char kRareWord[] = "kaleidoscope";

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
inline void FillList(CLinkList& list, std::size_t count) {
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

}  // namespace bench
