// The bookmark reader: the header test, the folders that give links their category, the forms
// of tags and texts, block boundaries, and the exports of three browsers (their records and
// categories in tests/data/*.expected).
#include <gtest/gtest.h>

#include <string>

#include "tests/core/BookmarkTestSupport.h"

using bookmarks::kHeader;
using bookmarks::Read;
using bookmarks::Records;

namespace {

// A file with the header whose top-level list holds `body`.
std::string InList(const std::string& body) {
    return kHeader + "<TITLE>Bookmarks</TITLE>\n<DL><p>\n" + body + "</DL><p>\n";
}

}  // namespace

TEST(BookmarkReader, ReadsEachShape) {
    const std::string folder =
        "<DL><p><DT><H3>News</H3><DL><p><DT><A HREF=\"http://n/\">N</A></DL>";
    const std::string meta = "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=";
    const std::string utf8 = "<A HREF=\"http://caf\xC3\xA9/\">Caf\xC3\xA9 \xE2\x82\xAC &#233;</A>";
    const char* const utf8Read = "[Caf\xE9 ? \xE9][http://caf\xE9/][]\n";
    const struct {
        const char* name;
        std::string bytes;
        bool asked;  // the not-a-bookmark-file question
        const char* records;
    } cases[] = {
        {"header", kHeader + folder, false, "[N][http://n/][News]\n"},
        {"lower case", "<!doctype netscape-bookmark-file-1>" + folder, false,
         "[N][http://n/][News]\n"},
        // Without the header the flat pass reads the links without their folders.
        {"blank line first", "\r\n" + kHeader + folder, true, "[N][http://n/][]\n"},
        {"header but no list", kHeader + "<H3>News</H3><A HREF=\"http://n/\">N</A>", false,
         "[N][http://n/][]\n"},
        {"empty file", "", true, ""},
        {"file ends inside a title", kHeader + "<DL><A HREF=\"http://e/\">Cut", false,
         "[Cut][http://e/][]\n"},
        {"a 5,000-byte icon",
         InList("<A HREF=\"http://i/\" ICON=\"data:image/png;base64," + std::string(5000, 'Q') +
                "\">Icon title</A>"),
         false, "[Icon title][http://i/][]\n"},
        {"references",
         InList("<A HREF=\"http://a/?x=1&amp;y=2\">Tom &amp; Jerry &lt;3&gt; "
                "&quot;q&quot; &#39;s&apos; &#65;&#x42; &bogus; &amp &#0; &nbsp;</A>"),
         false, "[Tom & Jerry <3> \"q\" 's' AB &bogus; &amp &#0; \xA0][http://a/?x=1&y=2][]\n"},
        {"unquoted address skipped",
         InList("<A HREF=http://u/ ADD_DATE=\"5\">U</A><A HREF=\"http://q/\">Q</A>"), false,
         "[Q][http://q/][]\n"},
        {"lower-case anchor, inner tags", InList("<a href=\"http://b/\"><B>bold</B> > x</a>"),
         false, "[<B>bold</B> > x][http://b/][]\n"},
        {"empty link ends the import",
         InList("<A HREF=\"http://1/\">1</A><A HREF=\"\"></A><A HREF=\"http://2/\">2</A>"), false,
         "[1][http://1/][]\n"},
        {"UTF-8 declared", kHeader + meta + "UTF-8\">\n<DL>" + utf8, false, utf8Read},
        {"UTF-8 declared, flat pass", meta + "utf-8\">" + utf8, true, utf8Read},
        {"UTF-8 folder name", "\xEF\xBB\xBF" + kHeader + "<DL><H3>Pr\xC3\xA8s</H3><DL>" + utf8,
         false, "[Caf\xE9 ? \xE9][http://caf\xE9/][Pr\xE8s]\n"},
        // Cut short, overlong, a surrogate, four bytes for one character.
        {"malformed UTF-8",
         "\xEF\xBB\xBF" + kHeader +
             "<DL><A HREF=\"h\">\xE2\x82( \xC0\xAF \xED\xA0\x80 \xF0\x9F\xA5\xA7</A>",
         false, "[?( ?? ??? ?][h][]\n"},
        {"code page file", kHeader + meta + "windows-1252\"><DL>" + utf8, false,
         "[Caf\xC3\xA9 \xE2\x82\xAC \xE9][http://caf\xC3\xA9/][]\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CLinkList list;
        bool asked = false;
        const CImportOutcome outcome = Read(c.bytes, list, true, &asked);
        EXPECT_EQ(c.asked, asked);
        EXPECT_EQ(EImportResult::imported, outcome.result);
        EXPECT_EQ(c.records, Records(list));
        EXPECT_EQ(list.GetCount(), outcome.imported);
    }
    CLinkList list;
    EXPECT_EQ(EImportResult::declined, Read("\n" + kHeader + folder, list, false).result);
    EXPECT_EQ(0u, list.GetCount());
    Read(InList("<A HREF=\"t\">" + std::string(3000, 'T') + "</A>"), list);
    EXPECT_EQ(3000u, list.GetAt(0)->m_strTitle.size());  // titles are read whole
}

TEST(BookmarkReader, CategoryIsThePathOfTheOpenFolders) {
    CLinkList list;
    Read(InList(R"(<DT><A HREF="http://top/">Top</A>
<DT><H3 ADD_DATE="1">News</H3>
<DL><p><DT><A HREF="http://n1/">N1</A>
  <DT><H3 FOLDED ADD_DATE="2">Local</H3>
  <DL><p><DT><A HREF="http://l1/">L1</A></DL><p>
  <DT><A HREF="http://n2/">After Local</A>
  <DL><p><DT><A HREF="http://x/">In a list without heading</A></DL><p>
  <DT><H2>Not a folder</H2>
  <DL><p><DT><A HREF="http://y/">Under another heading</A></DL><p>
  <DT><A HREF="http://n3/">Still News</A>
  </dl><p><DT><A HREF="http://n4/">After a lower-case end</A>
  <DT><H3>Heading without list</H3><DT><A HREF="http://n5/">After it</A>
</DL><p>
<DT><H3> Spaced </H3><DL><DT><A HREF="http://s/"> Kept blanks </A></DL>
<DT><A HREF="http://top2/">Top again</A>
)"),
         list);
    EXPECT_EQ(
        "[Top][http://top/][]\n[N1][http://n1/][News]\n[L1][http://l1/][News|Local]\n"
        "[After Local][http://n2/][News]\n[In a list without heading][http://x/][News]\n"
        "[Under another heading][http://y/][News]\n[Still News][http://n3/][News]\n"
        "[After a lower-case end][http://n4/][News]\n[After it][http://n5/][News]\n"
        "[ Kept blanks ][http://s/][Spaced]\n[Top again][http://top2/][]\n"
        "--\nNews\nNews|Local\nSpaced\n",
        Records(list, true));
    const CLinkItem& first = *list.GetAt(0);
    EXPECT_EQ(bookmarks::kNow.GetValue(), first.m_dtAdded.GetValue());
    EXPECT_EQ(bookmarks::kNow.GetValue(), first.m_dtModified.GetValue());
    EXPECT_TRUE(first.m_strDescription.empty());
}

TEST(BookmarkReader, MarkersAndTagsSplitAcrossBlocks) {
    constexpr std::size_t block = CBookmarkReader::blockSize;
    const std::string anchor = "<DT><A HREF=\"http://split/\">Split &amp; whole</A>";
    const std::string start = kHeader + "<DL><p>\n";
    for (std::size_t before = 1; before <= anchor.size() + 1; ++before) {
        SCOPED_TRACE(before);
        // The anchor starts `before` bytes ahead of the second block.
        CLinkList list;
        Read(start + std::string(block - start.size() - before, ' ') + anchor + "</DL>", list);
        EXPECT_EQ("[Split & whole][http://split/][]\n", Records(list));
        // A marker of several bytes is found across the boundary, and so is one whose first
        // bytes also end a partial match ("aab" after "aa").
        for (const char* marker : {"<DL>", "aab"}) {
            const std::string text = std::string(block - before, ' ') + "xa" + marker + "!rest";
            CMemoryBookmarkSource source(text);
            CBookmarkReader reader(source);
            ASSERT_TRUE(reader.ReadFirstBlock());
            EXPECT_TRUE(reader.FindMarker(marker, true)) << marker;
            std::string rest;
            reader.ReadUntil('\0', rest);
            EXPECT_EQ("!rest", rest) << marker;
        }
    }
}

TEST(BookmarkReader, BrowserExports) {
    for (const std::string browser : {"firefox", "chrome", "edge"}) {
        SCOPED_TRACE(browser);
        CLinkList list;
        bool asked = false;
        Read(bookmarks::TestFile("bookmarks-" + browser + ".html"), list, false, &asked);
        EXPECT_FALSE(asked);
        EXPECT_EQ(bookmarks::TestFile("bookmarks-" + browser + ".expected"), Records(list, true));
    }
}
