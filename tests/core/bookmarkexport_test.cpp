// The bookmark export: the file's text, the round trip through the bookmark reader, and files
// that cannot be written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "import/BookmarkExport.h"
#include "import/BookmarkImport.h"
#include "import/BookmarkReader.h"
#include "store/PosixFileSystem.h"
#include "store/TextTrim.h"
#include "store/UnixTimeConverter.h"
#include "tests/core/TestSupport.h"

namespace {

// Central European time, summer time from the last Sunday of March to that of October.
class CBerlinTime {
public:
    CBerlinTime() : m_old(std::getenv("TZ") ? std::getenv("TZ") : "") {
        setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        tzset();
    }
    ~CBerlinTime() {
        m_old.empty() ? unsetenv("TZ") : setenv("TZ", m_old.c_str(), 1);
        tzset();
    }

private:
    std::string m_old;
};

CDateTime At(int year, int month, int day, int hour, int minute) {
    return CDateTime::FromCivil({year, month, day, hour, minute, 0});
}

}  // namespace

TEST(BookmarkExport, WholeFileOfASmallCollection) {
    const CBerlinTime berlin;
    const CDateTime summer = At(2024, 7, 1, 12, 0), winter = At(2024, 1, 15, 8, 30);
    CLinkList list;
    for (const char* name : {"Tools", "News|Local", "News"}) list.Categories().AddIfAbsent(name);
    list.AddLinkItem("Hammer", "http://t/h", "", "Tools", summer, winter);
    list.AddLinkItem("Top", "http://top/", "", "", CDateTime(0, CDateTime::invalid),
                     At(1969, 12, 31, 23, 0));
    list.AddLinkItem("Fish & <Chips> \"Caf\xE9\"", "http://x/?a=1&b=2", "one\r\ntwo\nthree\rfour",
                     "News|Local", summer, summer);
    list.AddLinkItem("", "", "left out", "News", summer, summer);
    list.AddLinkItem("Headline", "http://n/", "", "News", winter, winter);
    list.AddLinkItem("Odd", "http://o/", "", "Misc|Deep", winter, winter);
    std::string bytes;
    CMemorySink sink(bytes);
    CExportOutcome outcome;
    ASSERT_TRUE(WriteBookmarks(sink, list, outcome));
    EXPECT_EQ(5u, outcome.linksWritten);
    EXPECT_EQ(1u, outcome.linksLeftOut);
    std::string expected =
        "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
        "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n"
        "    <DT><A HREF=\"http://top/\">Top</A>\n"
        "    <DT><H3>News</H3>\n    <DL><p>\n"
        "        <DT><A HREF=\"http://n/\" ADD_DATE=\"1705303800\" "
        "LAST_MODIFIED=\"1705303800\">Headline</A>\n"
        "        <DT><H3>Local</H3>\n        <DL><p>\n"
        "            <DT><A HREF=\"http://x/?a=1&amp;b=2\" ADD_DATE=\"1719828000\" "
        "LAST_MODIFIED=\"1719828000\">Fish &amp; &lt;Chips&gt; &quot;Caf\xC3\xA9&quot;</A>\n"
        "            <DD>one<BR>two<BR>three<BR>four\n"
        "        </DL><p>\n    </DL><p>\n"
        "    <DT><H3>Tools</H3>\n    <DL><p>\n"
        "        <DT><A HREF=\"http://t/h\" ADD_DATE=\"1719828000\" "
        "LAST_MODIFIED=\"1705303800\">Hammer</A>\n"
        "    </DL><p>\n"
        "    <DT><H3>Misc</H3>\n    <DL><p>\n        <DT><H3>Deep</H3>\n        <DL><p>\n"
        "            <DT><A HREF=\"http://o/\" ADD_DATE=\"1705303800\" "
        "LAST_MODIFIED=\"1705303800\">Odd</A>\n"
        "        </DL><p>\n    </DL><p>\n</DL><p>\n";
    for (std::size_t at = 0; (at = expected.find('\n', at)) != std::string::npos; at += 2)
        expected.insert(at, 1, '\r');
    EXPECT_EQ(expected, bytes);
}

TEST(BookmarkExport, UnixTimesOnTheDaysTheClockChanges) {
    const CBerlinTime berlin;
    const struct {
        CDateTime local;
        bool converted;
        std::int64_t seconds;
    } cases[] = {
        {At(2024, 3, 31, 1, 30), true, 1711845000},   {At(2024, 3, 31, 3, 30), true, 1711848600},
        {At(2024, 10, 27, 1, 30), true, 1729985400},  {At(2024, 10, 27, 3, 30), true, 1729996200},
        {At(2024, 3, 30, 23, 59), true, 1711839540},  {At(1970, 1, 1, 0, 30), false, 0},
        {CDateTime(3e6, CDateTime::valid), false, 0}, {CDateTime(45000, CDateTime::null), false, 0},
    };
    CUnixTimeConverter converter;
    for (int round = 0; round < 2; ++round) {  // the second round answers from the cache
        for (const auto& c : cases) {
            std::int64_t seconds = 0;
            EXPECT_EQ(c.converted, converter.ToUnix(c.local, seconds)) << c.local.FormatLong();
            if (c.converted) {
                EXPECT_EQ(c.seconds, seconds) << c.local.FormatLong();
            }
        }
    }
    const std::u16string wide = u"\U0001F600\xD800-\xFF\x20AC";
    EXPECT_EQ("\xF0\x9F\x98\x80\xEF\xBF\xBD-\xC3\xBF\xE2\x82\xAC", WideToUtf8(wide));
}

// Generated collections written and read back. Their records come in the order the export writes
// them: the categories below are in the order of their folders (depth first, a folder's links
// before its folders), each category's records together, and none is in the category list, so the
// import gives the records back in the order they were made. What the reader cannot give back is
// expected as its limits make it: a category is trimmed and keeps the folder names that fit in
// 1,024 bytes, and a link whose escaped address does not fit in the 1,024 bytes kept of its tag is
// skipped.
TEST(BookmarkExport, RoundTripThroughTheReader) {
    std::vector<std::string> categories =
        Split(";&<>\"' \xE9\xFF;a;a|;a||b;a|x;|;|lead;trail|;\ttab\t|x ", ';');
    categories.push_back(std::string(1100, 'c') + "|d");
    categories.push_back("e|" + std::string(1030, 'f'));
    const auto imported = [](const std::string& category) {
        std::string path;
        const std::vector<std::string> names = Split(category);
        for (std::size_t i = 0; i < names.size() && !category.empty(); ++i) {
            if (path.size() + (i ? 1 : 0) + names[i].size() > CBookmarkReader::categoryLimit) {
                if (i == 0) path = names[0].substr(0, CBookmarkReader::categoryLimit);
                break;
            }
            path += (i ? "|" : "") + names[i];
        }
        return std::string(TrimView(path));
    };
    const auto escapedSize = [](const std::string& text) {
        std::size_t size = 0;
        for (unsigned char c : text)
            size += c >= 0x80 ? 2 : c == '&' ? 5 : c == '<' || c == '>' ? 4 : c == '"' ? 6 : 1;
        return size;
    };
    CTempFolder folder;
    CPosixFileSystem fs;
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        const auto text = [&](std::size_t length) {
            std::string bytes(length, '\0');
            for (char& c : bytes) c = static_cast<char>(random() % 256);
            return bytes;
        };
        CLinkList list;
        std::vector<std::string> expected;
        std::size_t leftOut = 0;
        for (const std::string& category : categories) {
            for (int n = random() % 12; n > 0; --n) {
                // About one in ten without title and address; escaped addresses around the limit.
                const bool blank = random() % 10 == 0;
                const std::string title = text(blank ? 0 : random() % 9 ? random() % 40 : 65534);
                const std::string link = text(blank          ? 0
                                              : random() % 4 ? random() % 60
                                                             : 620 + random() % 80);
                list.AddLinkItem(title, link, text(random() % 80), category, CDateTime(),
                                 CDateTime(random() % 90000, random() % 3));
                if (title.empty() && link.empty())
                    ++leftOut;
                else if (escapedSize(link) <= 1015)
                    expected.push_back(title + '\1' + link + '\1' + imported(category));
            }
        }
        const std::string path = folder.File("export.html");
        const CExportOutcome outcome = ExportBookmarkFile(fs, path, list);
        ASSERT_TRUE(outcome.written);
        EXPECT_EQ(leftOut, outcome.linksLeftOut);
        CLinkList back;
        EXPECT_EQ(EImportResult::imported,
                  ImportBookmarkFile(fs, path, back, CDateTime(), nullptr).result);
        ASSERT_EQ(expected.size(), back.GetCount()) << "seed " << seed;
        for (std::size_t row = 0; row < back.GetCount(); ++row) {
            const CLinkItem& item = *back.GetAt(row);
            EXPECT_TRUE(expected[row] == item.m_strTitle.str() + '\1' + item.m_strLink.str() +
                                             '\1' + item.m_strCategory.str())
                << "seed " << seed << " row " << row;
        }
    }
}

namespace {

// The Posix file system with a write that runs out of room after `room` bytes.
class CFullFileSystem : public CPosixFileSystem {
public:
    std::unique_ptr<COutputFile> Create(const std::string& path) override {
        struct CFile : COutputFile {
            bool Write(const void* buffer, std::size_t size) override {
                const std::size_t part = std::min(size, room);
                room -= part;
                return inner->Write(buffer, part) && part == size;
            }
            bool Close() override { return inner->Close(); }
            std::unique_ptr<COutputFile> inner;
            std::size_t room;
        };
        auto file = std::make_unique<CFile>();
        file->inner = CPosixFileSystem::Create(path);
        file->room = m_room;
        return file->inner ? std::move(file) : nullptr;
    }
    std::size_t m_room = SIZE_MAX;
};

}  // namespace

TEST(BookmarkExport, FilesThatCannotBeWrittenAndFilesNotItsOwn) {
    CTempFolder folder;
    CLinkList list;
    for (int i = 0; i < 3000; ++i)
        list.AddLinkItem("Title", "http://example.com/", "", "A|B", CDateTime(), CDateTime());
    const std::string target = folder.File("out.html");
    const struct {
        const char* name;
        std::size_t room;
        std::vector<std::string> before, after;  // "name=content" of the files in the folder
        bool written;
    } cases[] = {
        {"disk full", 100000, {"out.html=old"}, {"out.html=old"}, false},
        {"another .tmp",
         SIZE_MAX,
         {"out.html.tmp=theirs", "out.html.1.tmp=theirs too"},
         {"out.html=new", "out.html.1.tmp=theirs too", "out.html.tmp=theirs"},
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::string& file : c.before)
            WriteFileBytes(folder.File(Split(file, '=')[0]), Split(file, '=')[1]);
        CFullFileSystem fs;
        fs.m_room = c.room;
        const CExportOutcome outcome = ExportBookmarkFile(fs, target, list);
        EXPECT_EQ(c.written, outcome.written);
        EXPECT_EQ(c.written ? 3000u : 0u, outcome.linksWritten);
        std::vector<std::string> after;
        for (const std::string& name : folder.List()) {
            const std::string bytes = ReadFileBytes(folder.File(name));
            after.push_back(name + "=" + (bytes.size() > 1000 ? "new" : bytes));
            std::filesystem::remove(folder.File(name));
        }
        EXPECT_EQ(c.after, after);
    }
    CPosixFileSystem fs;
    EXPECT_FALSE(ExportBookmarkFile(fs, folder.File("missing/out.html"), list).written);
    EXPECT_TRUE(folder.List().empty());
}
