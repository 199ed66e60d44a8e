// The bookmark reader on damaged and hostile files: every one is read to a clean end, in time
// that grows with its size, with allocations in proportion to what it holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "tests/core/AllocationWatch.h"
#include "tests/core/BookmarkTestSupport.h"

namespace {

// Hands out the bytes in pieces of irregular size, as a slow file or a pipe would.
class CPiecewiseSource : public CMemoryBookmarkSource {
public:
    using CMemoryBookmarkSource::CMemoryBookmarkSource;
    std::size_t Read(void* buffer, std::size_t size) override {
        return CMemoryBookmarkSource::Read(buffer, std::min(size, 1 + m_calls++ * 397 % 1500));
    }

private:
    std::size_t m_calls = 0;
};

// Pieces of the format that a random edit inserts, so that damage meets the scanner's states.
const char* const kTokens[] = {
    "<", ">",   "<DL>", "</DL>",        "<H3>", "</H3>",    "<A HREF=\"",    "\"",    "</A>",
    "&", "&#x", ";",    "\xEF\xBB\xBF", "\xC3", "\xE2\x82", "charset=utf-8", "<META "};

// One to four spans of up to 63 bytes, each replaced by a piece of the format, a random byte or a
// piece of the file itself (an empty piece deletes the span).
std::string Mutate(std::string bytes, std::mt19937& random) {
    const auto below = [&](std::size_t bound) { return bound ? random() % bound : 0; };
    for (std::size_t edits = 1 + below(4); edits > 0; --edits) {
        const std::string pieces[] = {kTokens[below(sizeof kTokens / sizeof kTokens[0])],
                                      std::string(1, static_cast<char>(random())),
                                      bytes.substr(below(bytes.size() + 1), below(200))};
        bytes.replace(below(bytes.size() + 1), below(64), pieces[below(3)]);
    }
    return bytes;
}

// Reads the bytes from memory and in irregular pieces, which must agree; checks the outcome and
// the largest allocation.
void CheckVariant(const std::string& bytes) {
    CLinkList list;
    allocwatch::Start();
    const CImportOutcome outcome = bookmarks::Read(bytes, list);
    const std::size_t largest = allocwatch::Stop();
    EXPECT_EQ(EImportResult::imported, outcome.result);
    EXPECT_EQ(list.GetCount(), outcome.imported);
    // A text is never longer than the file; the row table may double.
    EXPECT_LE(largest, 2 * bytes.size() + 65536);
    for (std::size_t row = 0; row < list.GetCount(); ++row)
        EXPECT_LE(list.GetAt(row)->m_strCategory.size(), CBookmarkReader::categoryLimit);
    CPiecewiseSource source(bytes);
    CBookmarkReader reader(source);
    CLinkList again;
    reader.Import(again, bookmarks::kNow, [] { return true; });
    EXPECT_EQ(bookmarks::Records(list), bookmarks::Records(again));
}

}  // namespace

TEST(BookmarkRobustness, TruncatedAndCorruptedExportsReadCleanly) {
    allocwatch::Install();
    std::mt19937 random(20260214);
    for (const std::string browser : {"firefox", "chrome", "edge"}) {
        SCOPED_TRACE(browser);
        const std::string seed = bookmarks::TestFile("bookmarks-" + browser + ".html");
        for (std::size_t length = 0; length <= seed.size(); length += 1 + seed.size() / 600) {
            CheckVariant(seed.substr(0, length));
            ASSERT_FALSE(HasFailure()) << "at prefix length " << length;
        }
        for (int variant = 0; variant < 1500; ++variant) {
            CheckVariant(Mutate(seed, random));
            ASSERT_FALSE(HasFailure()) << "variant " << variant;
        }
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
    for (const std::string& body : {
             repeat("<H3>folder name</H3><DL>" + link, 5000),  // deeply nested folders
             "<H3>" + std::string(200000, 'n') + "</H3><DL>" + repeat(link, 500),
             repeat("</DL>", 100000) + link, repeat("<DL>", 100000) + link,
             repeat("<H3>h</H3>", 50000) + link,
             "<A HREF=\"h\">" + std::string(500000, '&') + "</A>",
             "<A HREF=\"" + std::string(500000, 'a'),   // a tag without end
             "<A HREF=\"h\">" + repeat("<b>", 100000),  // an anchor text without end
         }) {
        SCOPED_TRACE(body.substr(0, 30));
        CheckVariant(bookmarks::kHeader + "<DL>" + body);
    }
}
