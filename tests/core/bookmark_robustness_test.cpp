// The bookmark reader on damaged and hostile files: every one is read to a clean end, in time
// that grows with its size, with allocations in proportion to what it holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tests/core/AllocationWatch.h"
#include "tests/core/BookmarkTestSupport.h"

using bookmarks::kHeader;

namespace {

// Hands out the bytes in pieces of irregular size, as a slow file or a pipe would.
class CPiecewiseSource : public CBookmarkSource {
public:
    explicit CPiecewiseSource(const std::string& bytes) : m_bytes(bytes) {}
    std::size_t Read(void* buffer, std::size_t size) override {
        const std::size_t piece =
            std::min({size, m_bytes.size() - m_offset, 1 + m_calls++ * 397 % 1500});
        std::memcpy(buffer, m_bytes.data() + m_offset, piece);
        m_offset += piece;
        return piece;
    }
    bool Failed() const override { return false; }
    bool Rewind() override {
        m_offset = 0;
        return true;
    }

private:
    const std::string& m_bytes;
    std::size_t m_offset = 0;
    std::size_t m_calls = 0;
};

struct CSeed {
    const char* name;
    std::string bytes;
};

std::vector<CSeed> MakeSeeds() {
    return {
        {"firefox", bookmarks::TestFile("bookmarks-firefox.html")},
        {"chrome", bookmarks::TestFile("bookmarks-chrome.html")},
        {"edge", bookmarks::TestFile("bookmarks-edge.html")},
        {"nested", kHeader + "<DL><p><DT><H3>A &amp; B</H3><DL><p><DT><H3 FOLDED>C</H3><DL>"
                             "<DT><A HREF=\"http://c/?a&amp;b\">C &#233;</A></DL><p>"
                             "<DT><A HREF=\"http://b/\">B</A></DL><p></DL>"},
    };
}

// Pieces of the format that a random edit inserts, so that damage meets the scanner's states.
const char* const kTokens[] = {
    "<", ">",   "<DL>", "</DL>",        "<H3>", "</H3>",    "<A HREF=\"",    "\"",    "</A>",
    "&", "&#x", ";",    "\xEF\xBB\xBF", "\xC3", "\xE2\x82", "charset=utf-8", "<META "};

std::string Mutate(std::string bytes, std::mt19937& random) {
    const auto below = [&](std::size_t bound) { return bound ? random() % bound : 0; };
    for (std::size_t edits = 1 + below(4); edits > 0; --edits) {
        const std::size_t at = below(bytes.size() + 1);
        const bool inside = at < bytes.size();
        switch (below(5)) {
            case 0:
                if (inside) bytes[at] = static_cast<char>(random());
                break;
            case 1:
                if (inside) bytes.erase(at, 1 + below(64));
                break;
            case 2:
                bytes.insert(at, kTokens[below(sizeof kTokens / sizeof kTokens[0])]);
                break;
            case 3:  // a piece of the file again somewhere else
                if (inside) bytes.insert(below(bytes.size()), bytes.substr(at, 1 + below(200)));
                break;
            default:
                bytes.resize(at);
        }
    }
    return bytes;
}

// Reads the bytes twice, from memory and in irregular pieces, which must agree; checks the
// outcome and the largest allocation.
void CheckVariant(const std::string& bytes) {
    CLinkList list;
    allocwatch::Start();
    const CImportOutcome outcome = bookmarks::Read(bytes, list);
    const std::size_t largest = allocwatch::Stop();
    EXPECT_EQ(EImportResult::imported, outcome.result);
    EXPECT_FALSE(outcome.outOfMemory);
    EXPECT_EQ(list.GetCount(), outcome.imported);
    // A text is never longer than the file; the row table may double.
    EXPECT_LE(largest, 2 * bytes.size() + 65536);
    for (std::size_t row = 0; row < list.GetCount(); ++row) {
        const CLinkItem& item = *list.GetAt(row);
        EXPECT_LE(item.m_strTitle.size() + item.m_strLink.size(), bytes.size());
        EXPECT_LE(item.m_strCategory.size(), CBookmarkReader::categoryLimit);
    }

    CPiecewiseSource source(bytes);
    CBookmarkReader reader(source);
    CLinkList again;
    reader.Import(again, bookmarks::kNow, [] { return true; });
    EXPECT_EQ(bookmarks::Records(list), bookmarks::Records(again));
}

}  // namespace

TEST(BookmarkRobustness, EveryTruncationReadsCleanly) {
    allocwatch::Install();
    for (const CSeed& seed : MakeSeeds()) {
        SCOPED_TRACE(seed.name);
        const std::size_t step = std::max<std::size_t>(1, seed.bytes.size() / 600);
        for (std::size_t length = 0; length <= seed.bytes.size(); length += step) {
            CheckVariant(seed.bytes.substr(0, length));
            ASSERT_FALSE(HasFailure()) << "at prefix length " << length;
        }
    }
}

TEST(BookmarkRobustness, RandomCorruptionsReadCleanly) {
    allocwatch::Install();
    const std::vector<CSeed> seeds = MakeSeeds();
    std::mt19937 random(20260214);
    for (int variant = 0; variant < 4000; ++variant) {
        const CSeed& seed = seeds[variant % seeds.size()];
        CheckVariant(Mutate(seed.bytes, random));
        ASSERT_FALSE(HasFailure()) << "variant " << variant << " of " << seed.name;
    }
}

// Shapes that would take quadratic time or memory in a careless reader: the test's time limit
// and the allocation limit catch them.
TEST(BookmarkRobustness, HostileShapesStayLinear) {
    allocwatch::Install();
    const auto repeat = [](const std::string& piece, std::size_t times) {
        std::string text;
        for (std::size_t i = 0; i < times; ++i) text += piece;
        return text;
    };
    const std::string link = "<A HREF=\"http://x/\">x</A>";
    const struct {
        const char* name;
        std::string body;
    } cases[] = {
        {"deeply nested folders", repeat("<H3>folder name</H3><DL>" + link, 5000)},
        {"one huge folder name",
         "<H3>" + std::string(200000, 'n') + "</H3><DL>" + repeat(link, 500)},
        {"lists closed that never opened", repeat("</DL>", 100000) + link},
        {"lists without end", repeat("<DL>", 100000) + link},
        {"headings without lists", repeat("<H3>h</H3>", 50000) + link},
        {"a title of ampersands", "<A HREF=\"h\">" + std::string(500000, '&') + "</A>"},
        {"a tag without end", "<A HREF=\"" + std::string(500000, 'a')},
        {"an anchor text without end", "<A HREF=\"h\">" + repeat("<b>", 100000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CheckVariant(kHeader + "<DL>" + c.body);
    }
}
