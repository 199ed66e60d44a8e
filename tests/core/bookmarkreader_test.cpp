// The bookmark reader: the header test, the folders that give links their category, the forms
// of tags and texts, block boundaries, and the exports of three browsers.
#include <gtest/gtest.h>

#include <string>

#include "import/BookmarkReader.h"
#include "import/MemoryBookmarkSource.h"
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

TEST(BookmarkReader, HeaderTest) {
    const std::string folder =
        "<DL><p><DT><H3>News</H3><DL><p><DT><A HREF=\"http://n/\">N</A></DL><p></DL>";
    const struct {
        const char* name;
        std::string bytes;
        bool asked;
        const char* records;
    } cases[] = {
        {"header", kHeader + folder, false, "[N][http://n/][News]\n"},
        {"lower case", "<!doctype netscape-bookmark-file-1>" + folder, false,
         "[N][http://n/][News]\n"},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + kHeader + folder, false,
         "[N][http://n/][News]\n"},
        // Without the header the flat pass reads the links without their folders.
        {"blank line first", "\r\n" + kHeader + folder, true, "[N][http://n/][]\n"},
        {"UTF-16 byte-order mark", "\xFF\xFE" + kHeader + folder, true, "[N][http://n/][]\n"},
        {"header but no list", kHeader + "<H3>News</H3><A HREF=\"http://n/\">N</A>", false,
         "[N][http://n/][]\n"},
        {"empty file", "", true, ""},
        {"header cut short", kHeader.substr(0, 20), true, ""},
        {"file ends inside a title", kHeader + "<DL><A HREF=\"http://e/\">Cut", false,
         "[Cut][http://e/][]\n"},
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
}

TEST(BookmarkReader, CategoryIsThePathOfTheOpenFolders) {
    CLinkList list;
    const CImportOutcome outcome = Read(InList(R"(
<DT><A HREF="http://top/">Top</A>
<DT><H3 ADD_DATE="1">News</H3>
<DL><p>
  <DT><A HREF="http://n1/">N1</A>
  <DT><H3 FOLDED ADD_DATE="2">Local</H3>
  <DL><p>
    <DT><A HREF="http://l1/">L1</A>
  </DL><p>
  <DT><A HREF="http://n2/">After Local</A>
  <DL><p>
    <DT><A HREF="http://x/">In a list without heading</A>
  </DL><p>
  <DT><H2>Not a folder</H2>
  <DL><p>
    <DT><A HREF="http://y/">Under another heading</A>
  </DL><p>
  <DT><A HREF="http://n3/">Still News</A>
  </dl><p>
  <DT><A HREF="http://n4/">Lower-case end tag ignored</A>
  <DT><H3>Heading without list</H3>
  <DT><A HREF="http://n5/">After it</A>
</DL><p>
<DT><H3> Spaced </H3>
<DL><DT><A HREF="http://s/"> Kept blanks </A></DL>
<DT><A HREF="http://top2/">Top again</A>
)"),
                                        list);
    EXPECT_EQ(EImportResult::imported, outcome.result);
    EXPECT_EQ(
        "[Top][http://top/][]\n"
        "[N1][http://n1/][News]\n"
        "[L1][http://l1/][News|Local]\n"
        "[After Local][http://n2/][News]\n"
        "[In a list without heading][http://x/][News]\n"
        "[Under another heading][http://y/][News]\n"
        "[Still News][http://n3/][News]\n"
        "[Lower-case end tag ignored][http://n4/][News]\n"
        "[After it][http://n5/][News]\n"
        "[ Kept blanks ][http://s/][Spaced]\n"
        "[Top again][http://top2/][]\n",
        Records(list));
    EXPECT_EQ(std::vector<std::string>({"News", "News|Local", "Spaced"}),
              list.Categories().Names());
    const CLinkItem& first = *list.GetAt(0);
    EXPECT_EQ(bookmarks::kNow.GetValue(), first.m_dtAdded.GetValue());
    EXPECT_EQ(bookmarks::kNow.GetValue(), first.m_dtModified.GetValue());
    EXPECT_TRUE(first.m_strDescription.empty());
}

TEST(BookmarkReader, TagAndTextForms) {
    const std::string longIcon(5000, 'Q');
    const std::string longAddress = "http://a/" + std::string(1100, 'p');
    const struct {
        const char* name;
        std::string body;
        const char* records;
    } cases[] = {
        {"a 5,000-byte icon",
         "<A HREF=\"http://i/\" ICON=\"data:image/png;base64," + longIcon + "\">Icon title</A>",
         "[Icon title][http://i/][]\n"},
        {"references",
         "<A HREF=\"http://a/?x=1&amp;y=2\">Tom &amp; Jerry &lt;3&gt; &quot;q&quot; "
         "&#39;s&apos; &#65;&#x42;&#X43; &bogus; &amp &#0; &#xD800;</A>",
         "[Tom & Jerry <3> \"q\" 's' ABC &bogus; &amp &#0; &#xD800;][http://a/?x=1&y=2][]\n"},
        {"no-break space and code page", "<A HREF=\"h\">a&nbsp;b &#233; &#8364;</A>",
         "[a\xA0"
         "b \xE9 ?][h][]\n"},
        {"unquoted address skipped",
         "<A HREF=http://u/ ADD_DATE=\"5\">U</A><A HREF=\"http://q/\">Q</A>", "[Q][http://q/][]\n"},
        {"address longer than a tag keeps is skipped",
         "<A HREF=\"" + longAddress + "\">Long</A><A HREF=\"http://q/\">Q</A>",
         "[Q][http://q/][]\n"},
        {"lower-case anchor and inner tags", "<a href=\"http://b/\"><B>bold</B> > x</a>",
         "[<B>bold</B> > x][http://b/][]\n"},
        {"long title read whole", "<A HREF=\"t\">" + std::string(3000, 'T') + "</A>", nullptr},
        {"empty link ends the import",
         "<A HREF=\"http://1/\">1</A><A HREF=\"\"></A><A HREF=\"http://2/\">2</A>",
         "[1][http://1/][]\n"},
        {"empty title with a link", "<A HREF=\"http://1/\"></A>", "[][http://1/][]\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CLinkList list;
        Read(InList(c.body), list);
        if (c.records) {
            EXPECT_EQ(c.records, Records(list));
        } else {
            ASSERT_EQ(1u, list.GetCount());
            EXPECT_EQ(3000u, list.GetAt(0)->m_strTitle.size());
        }
    }
}

TEST(BookmarkReader, Utf8FilesBecomeCodePageText) {
    const std::string title =
        "<A HREF=\"http://caf\xC3\xA9/\">Caf\xC3\xA9 \xE2\x82\xAC 5 &#233;</A>";
    const std::string meta = "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=";
    const struct {
        const char* name;
        std::string bytes;
        const char* records;
    } cases[] = {
        {"declared", kHeader + meta + "UTF-8\">\n<DL>" + title + "</DL>",
         "[Caf\xE9 ? 5 \xE9][http://caf\xE9/][]\n"},
        {"declared in the flat pass", meta + "utf-8\">" + title,
         "[Caf\xE9 ? 5 \xE9][http://caf\xE9/][]\n"},
        {"byte-order mark", "\xEF\xBB\xBF" + kHeader + "<DL>" + title + "</DL>",
         "[Caf\xE9 ? 5 \xE9][http://caf\xE9/][]\n"},
        {"folder name", "\xEF\xBB\xBF" + kHeader + "<DL><H3>Pr\xC3\xA8s</H3><DL>" + title,
         "[Caf\xE9 ? 5 \xE9][http://caf\xE9/][Pr\xE8s]\n"},
        {"broken sequence", "\xEF\xBB\xBF" + kHeader + "<DL><A HREF=\"h\">a\xC3(\xE2\x82</A>",
         "[a?(?][h][]\n"},
        {"code page file taken as it is", kHeader + meta + "windows-1252\"><DL>" + title,
         "[Caf\xC3\xA9 \xE2\x82\xAC 5 \xE9][http://caf\xC3\xA9/][]\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CLinkList list;
        Read(c.bytes, list);
        EXPECT_EQ(c.records, Records(list));
    }
}

TEST(BookmarkReader, MarkersAndTagsSplitAcrossBlocks) {
    constexpr std::size_t block = CBookmarkReader::blockSize;
    const std::string anchor = "<DT><A HREF=\"http://split/\">Split &amp; whole</A>";
    for (std::size_t before = 1; before <= anchor.size() + 1; ++before) {
        SCOPED_TRACE(before);
        // The anchor starts `before` bytes ahead of the second block.
        const std::string start = kHeader + "<DL><p>\n";
        const std::string file =
            start + std::string(block - start.size() - before, ' ') + anchor + "</DL>";
        CLinkList list;
        Read(file, list);
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
    const struct {
        const char* file;
        const char* records;
        std::vector<std::string> categories;
    } cases[] = {
        {"bookmarks-firefox.html",
         "[World news & analysis][https://news.example.com/world?page=2&sort=new][Reading]\n"
         "[Caf\xE9 notes ? \"best\" beans][https://blog.example.org/caf%C3%A9][Reading]\n"
         "[It's about <space>][https://science.example.net/][Reading|Science & Nature]\n"
         "[Pie ? for ?5][https://recipes.example.com/pie][Reading]\n"
         "[Start page][https://start.example.com/][]\n"
         "[Mail][https://mail.example.com/inbox][Bookmarks Toolbar]\n"
         "[Bookmarklet][javascript:void(document.title=\"x\")][Bookmarks Toolbar]\n"
         "[Recent Tags][place:sort=8&maxResults=10][Other Bookmarks]\n",
         {"Bookmarks Toolbar", "Other Bookmarks", "Reading", "Reading|Science & Nature"}},
        {"bookmarks-chrome.html",
         "[Search][https://search.example.com/?q=a+b&hl=en][Bookmarks bar]\n"
         "[Open bugs <team>][https://tracker.example.com/issues?state=open&label=bug]"
         "[Bookmarks bar|Work]\n"
         "[Wiki ? main][https://wiki.example.com/Main_Page][Bookmarks bar|Work]\n"
         "[  Talk: na\xEFve   ][https://video.example.com/watch?v=abc][Bookmarks bar]\n"
         "[Other one][https://other.example.org/][]\n"
         "[Paris ? \xEEle de la Cit\xE9][https://maps.example.com/@48.85,2.35,12z][Trips]\n",
         {"Bookmarks bar", "Bookmarks bar|Work", "Trips"}},
        {"bookmarks-edge.html",
         "[Portal][https://portal.example.com/][Favorites bar]\n"
         "[plan.txt][file:///C:/Users/Public/Documents/plan.txt][Favorites bar|Imported]\n"
         "[Shop & save 20%][https://shop.example.com/cart?id=7&ref=x]"
         "[Favorites bar|Imported|Links]\n"
         "[Guide][https://docs.example.com/guide#install][Favorites bar|Imported]\n"
         "[Weather M\xFCnchen][https://weather.example.com/?city=M%C3%BCnchen][]\n",
         {"Favorites bar", "Favorites bar|Imported", "Favorites bar|Imported|Links"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string bytes = bookmarks::TestFile(c.file);
        ASSERT_FALSE(bytes.empty());
        CLinkList list;
        bool asked = false;
        const CImportOutcome outcome = Read(bytes, list, false, &asked);
        EXPECT_FALSE(asked);
        EXPECT_EQ(EImportResult::imported, outcome.result);
        EXPECT_EQ(c.records, Records(list));
        EXPECT_EQ(c.categories, list.Categories().Names());
    }
}
