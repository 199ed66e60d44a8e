#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "store/ByteStream.h"
#include "store/DataFile.h"
#include "store/PosixFileSystem.h"

namespace {

const CDateTime kNewYear(46023.0, CDateTime::valid);      // 1 January 2026 00:00
const CDateTime kNewYearNoon(46023.5, CDateTime::valid);  // 1 January 2026 12:00

class CFixedClock : public CClock {
public:
    std::time_t Now() const override { return 1767268800; }  // 1 January 2026
};

std::string FromHex(const char* hex) {
    std::string bytes;
    std::istringstream in(hex);
    unsigned value;
    while (in >> std::hex >> value) bytes += static_cast<char>(value);
    return bytes;
}

std::string ToHex(const std::string& bytes) {
    std::string hex;
    char part[4];
    for (unsigned char c : bytes) {
        std::snprintf(part, sizeof part, "%02X ", c);
        hex += part;
    }
    return hex;
}

// Pieces of a data file, for building the files under test.
std::string Int32(std::int32_t value) {
    std::string bytes;
    CMemorySink(bytes).WriteInt32(value);
    return bytes;
}
std::string Text(const std::string& text) {
    return static_cast<char>(text.size()) + text;
}
std::string Stamp(std::int32_t status, double value) {
    std::string bytes;
    CMemorySink sink(bytes);
    sink.WriteInt32(status);
    sink.WriteDouble(value);
    return bytes;
}
std::string Record(const std::string& title) {
    return Text(title) + Text("http://" + title) + Text("") + Text("") + Stamp(0, 46023.0) +
           Stamp(0, 46023.5);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Join(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : "|") + name;
    return joined;
}

std::string Titles(const CLinkList& list) {
    std::vector<std::string> titles;
    for (std::size_t row = 0; row < list.GetCount(); ++row)
        titles.push_back(list.GetAt(row)->m_strTitle.str());
    return Join(titles);
}

CLoadOutcome ReadBytes(const std::string& bytes, CLinkList& list) {
    CMemorySource source(bytes);
    return CDataFile::ReadBody(source, list);
}

const char* const kExampleHex =
    "02 00 00 00  02 00 00 00  04 4E 65 77 73  04 4C 41 53 54  01 00 00 00"
    "  04 48 6F 6D 65  01 78  00  04 4E 65 77 73"
    "  00 00 00 00 00 00 00 00 E0 78 E6 40  00 00 00 00 00 00 00 00 F0 78 E6 40";

// An output file that fails once `limit` bytes have been asked for, or when it is closed.
class CFailingOutputFile : public COutputFile {
public:
    CFailingOutputFile(std::unique_ptr<COutputFile> inner, std::size_t limit, bool failClose)
        : m_inner(std::move(inner)), m_limit(limit), m_failClose(failClose) {}
    bool Write(const void* buffer, std::size_t size) override {
        const std::size_t room = m_limit - m_written;
        m_written += std::min(size, room);
        m_inner->Write(buffer, std::min(size, room));  // a full disk takes part of the write
        return size <= room;
    }
    bool Close() override { return m_inner->Close() && !m_failClose; }

private:
    std::unique_ptr<COutputFile> m_inner;
    std::size_t m_limit;
    std::size_t m_written = 0;
    bool m_failClose;
};

// Real files, with a write, a close or the final replace that can be made to fail.
class CFaultyFileSystem : public CPosixFileSystem {
public:
    std::unique_ptr<COutputFile> Create(const std::string& path) override {
        auto file = CPosixFileSystem::Create(path);
        if (!file) return file;
        return std::make_unique<CFailingOutputFile>(std::move(file), m_writeLimit, m_failClose);
    }
    bool Replace(const std::string& from, const std::string& to) override {
        return !m_failReplace && CPosixFileSystem::Replace(from, to);
    }

    std::size_t m_writeLimit = SIZE_MAX;
    bool m_failClose = false;
    bool m_failReplace = false;
};

// A fresh folder per test, removed with its files afterwards.
class DataFileDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = std::filesystem::temp_directory_path() / "veltrim_datafile_XXXXXX";
        ASSERT_NE(mkdtemp(&pattern[0]), nullptr);
        m_dir = pattern;
        m_path = m_dir + "/links.dat";
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }

    std::string m_dir;
    std::string m_path;
    CFixedClock m_clock;
    CPosixFileSystem m_fs;
    CDataFile m_dataFile{m_fs, m_clock};
};

}  // namespace

TEST(DataFileFormat, WorkedExampleWritesTheDocumentedBytesAndReadsBack) {
    CLinkList list;
    list.Categories().AddIfAbsent("News");
    ASSERT_TRUE(list.AddLinkItem("Home", "x", "", "News", kNewYear, kNewYearNoon));
    std::string bytes;
    CMemorySink sink(bytes);
    EXPECT_TRUE(CDataFile::WriteBody(sink, list));
    EXPECT_EQ(ToHex(FromHex(kExampleHex)), ToHex(bytes));
    EXPECT_EQ(59u, bytes.size());

    CLinkList back;
    back.m_strNewCategory = "NONE";
    const CLoadOutcome outcome = ReadBytes(bytes + "data after the last record", back);
    EXPECT_EQ(ELoadResult::loaded, outcome.result);
    EXPECT_EQ(1u, outcome.recordsAdded);
    ASSERT_EQ(1u, back.GetCount());
    const CLinkItem& item = *back.GetAt(0);
    EXPECT_EQ("Home", item.m_strTitle.str());
    EXPECT_EQ("x", item.m_strLink.str());
    EXPECT_EQ("", item.m_strDescription.str());
    EXPECT_EQ("News", item.m_strCategory.str());
    EXPECT_EQ(kNewYear, item.m_dtAdded);
    EXPECT_EQ(kNewYearNoon, item.m_dtModified);
    EXPECT_EQ("News", Join(back.Categories().Names()));
    EXPECT_EQ("LAST", back.m_strNewCategory);
}

TEST(DataFileFormat, WideStringsAreConvertedToAnsi) {
    // "Café €" as UTF-16LE with each length form; the euro sign has no Latin-1 form.
    const std::string units = FromHex("43 00 61 00 66 00 E9 00 20 00 AC 20");
    for (const char* form : {"FF FE FF 06", "FF FE FF FF 06 00", "FF FE FF FF FF FF 06 00 00 00"}) {
        SCOPED_TRACE(form);
        CLinkList list;
        EXPECT_EQ(ELoadResult::loaded,
                  ReadBytes(Int32(2) + Int32(0) + Int32(1) + FromHex(form) + units + Text("link") +
                                Text("") + Text("") + Stamp(0, 1) + Stamp(0, 2),
                            list)
                      .result);
        ASSERT_EQ(1u, list.GetCount());
        EXPECT_EQ("Caf\xE9 ?", list.GetAt(0)->m_strTitle.str());
        EXPECT_EQ("link", list.GetAt(0)->m_strLink.str());
    }
}

TEST(DataFileFormat, MalformedFilesAreReadFailures) {
    const std::string oneRecord = Int32(2) + Int32(0) + Int32(1);
    const std::string rest = Text("") + Text("") + Text("") + Stamp(0, 1) + Stamp(0, 1);
    const std::pair<const char*, std::string> cases[] = {
        {"two wide marks", oneRecord + FromHex("FF FE FF FE FF 01 41 00") + rest},
        {"2 GiB promised", oneRecord + FromHex("FF FF FF FF FF FF 7F") + rest},
        {"wide bytes past 32 bits",
         oneRecord + FromHex("FF FE FF FF FF FF 00 00 00 80 41 00") + rest},
        {"negative string count", Int32(2) + Int32(-1) + Int32(0)},
        {"negative record count", Int32(2) + Int32(1) + Text("LAST") + Int32(-5)},
        {"no record count", Int32(2) + Int32(1) + Text("LAST")},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        CLinkList list;
        EXPECT_EQ(ELoadResult::readFailed, ReadBytes(bytes, list).result);
        EXPECT_EQ(0u, list.GetCount());
    }
}

TEST(DataFileFormat, EmptyListFileLoadsWithNoCategories) {
    CLinkList list;
    list.Categories().AddIfAbsent("Stale");  // no records: the load empties the category list
    list.m_strNewCategory = "NONE";
    EXPECT_EQ(
        ELoadResult::loaded,
        ReadBytes(FromHex("02 00 00 00 01 00 00 00 04 4C 41 53 54 00 00 00 00"), list).result);
    EXPECT_EQ(0u, list.GetCount());
    EXPECT_EQ(0u, list.Categories().GetCount());
    EXPECT_EQ("LAST", list.m_strNewCategory);
}

TEST(DataFileFormat, VersionDecidesTheDateTimesOfARecord) {
    // Every version up to 2 other than 1 has both; version 1 has Added only.
    for (std::int32_t version : {2, 0, -7}) {
        CLinkList list;
        EXPECT_EQ(ELoadResult::loaded,
                  ReadBytes(Int32(version) + Int32(0) + Int32(2) + Record("a") + Record("b"), list)
                      .result);
        ASSERT_EQ(2u, list.GetCount()) << version;
        EXPECT_EQ(kNewYearNoon, list.GetAt(1)->m_dtModified) << version;
    }
}

TEST(DataFileFormat, NewerVersionReadsNothing) {
    CLinkList list;
    list.Categories().AddIfAbsent("Kept");
    list.m_strNewCategory = "NONE";
    const CLoadOutcome outcome = ReadBytes(Int32(3) + FromHex(kExampleHex).substr(4), list);
    EXPECT_EQ(ELoadResult::newerVersion, outcome.result);
    EXPECT_EQ(0u, list.GetCount());
    EXPECT_EQ("Kept", Join(list.Categories().Names()));
    EXPECT_EQ("NONE", list.m_strNewCategory);
}

TEST(DataFileFormat, AppendingAddsOnlyTheMissingCategories) {
    CLinkList list;
    list.Categories().AddIfAbsent("Alpha");
    list.Categories().AddIfAbsent("News");
    ASSERT_TRUE(list.AddLinkItem("old", "", "", "", kNewYear, kNewYear));
    const std::string file = Int32(2) + Int32(5) + Text("news") + Text("Item 10") + Text("ALPHA") +
                             Text("Item 9") + Text("NONE") + Int32(1) + Record("new");
    const CLoadOutcome outcome = ReadBytes(file, list);
    EXPECT_EQ(ELoadResult::loaded, outcome.result);
    EXPECT_EQ(1u, outcome.recordsAdded);
    EXPECT_EQ("old|new", Titles(list));
    EXPECT_EQ("Alpha|Item 9|Item 10|News", Join(list.Categories().Names()));
}

TEST(DataFileFormat, NewLinkCategoryRules) {
    struct Case {
        const char* value;  // nullptr: the file holds no strings at all (n = 0)
        bool appending;
        const char* newCategory;
        const char* categories;
    };
    // The file lists News and Sports, then the value; the list starts with "NONE" as its choice,
    // and when appending, with the category News and one record.
    const Case cases[] = {
        {"LAST", false, "LAST", "News|Sports"},
        {"NONE", false, "NONE", "News|Sports"},
        {"Sports", false, "Sports", "News|Sports"},
        {"sports", false, "sports", "News|Sports"},     // listed without regard to case
        {"Games", false, "NONE", "Games|News|Sports"},  // unlisted: listed, choice unchanged
        {"Last", false, "NONE", "Last|News|Sports"},    // the keywords are case-sensitive
        {"", false, "NONE", "News|Sports"},             // an empty name is never listed
        {nullptr, false, "NONE", ""},
        {"LAST", true, "NONE", "News|Sports"},
        {"Sports", true, "NONE", "News|Sports"},
        {"Games", true, "NONE", "Games|News|Sports"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.value ? c.value : "(none)") + (c.appending ? ", appended" : ""));
        CLinkList list;
        list.m_strNewCategory = "NONE";
        if (c.appending) {
            list.Categories().AddIfAbsent("News");
            ASSERT_TRUE(list.AddLinkItem("old", "", "", "", kNewYear, kNewYear));
        }
        const std::string strings =
            c.value ? Int32(3) + Text("News") + Text("Sports") + Text(c.value) : Int32(0);
        EXPECT_EQ(ELoadResult::loaded, ReadBytes(Int32(2) + strings + Int32(0), list).result);
        EXPECT_EQ(c.newCategory, list.m_strNewCategory);
        EXPECT_EQ(c.categories, Join(list.Categories().Names()));
    }
}

TEST(DataFileMessages, ExactTextsWithPathsCutAt259) {
    EXPECT_EQ("Could not find data file \"C:\\a.dat\".", MessageNotFound("C:\\a.dat"));
    EXPECT_EQ("Could not read veltrim links from \"C:\\a.dat\".", MessageReadFailed("C:\\a.dat"));
    EXPECT_EQ("Could not save veltrim links into \"C:\\a.dat\".", MessageWriteFailed("C:\\a.dat"));
    EXPECT_EQ(
        "This program cannot load a data file that has a higher version number.  Do you "
        "want to exit this program without changing the stored settings?",
        MessageNewerVersion());
    EXPECT_EQ(
        "Could not read the data file into memory.  Close another application and try "
        "again.",
        MessageOutOfMemory());

    const std::string longPath = "C:\\" + std::string(297, 'p');
    const std::string cut = longPath.substr(0, 259);
    EXPECT_EQ("Could not find data file \"" + cut + "\".", MessageNotFound(longPath));
    EXPECT_EQ("Could not read veltrim links from \"" + cut + "\".", MessageReadFailed(longPath));
    EXPECT_EQ("Could not save veltrim links into \"" + cut + "\".", MessageWriteFailed(longPath));
}

TEST_F(DataFileDiskTest, CountedStringLengthsOnDisk) {
    // Long texts also cross the 4096-byte buffer and go past it in one write.
    const std::pair<std::size_t, const char*> cases[] = {{0, "00"},
                                                         {254, "FE"},
                                                         {255, "FF FF 00"},
                                                         {65533, "FF FD FF"},
                                                         {65534, "FF FF FF FE FF 00 00"},
                                                         {70000, "FF FF FF 70 11 01 00"}};
    for (const auto& [length, prefix] : cases) {
        SCOPED_TRACE(length);
        std::string title(length, ' ');
        for (std::size_t i = 0; i < length; ++i) title[i] = static_cast<char>('a' + i % 26);
        CLinkList list;
        ASSERT_TRUE(list.AddLinkItem(title, "", "", "", kNewYear, kNewYear));
        ASSERT_EQ(ESaveResult::written, m_dataFile.Save(m_path, list));

        // Version, n = 1, "LAST", r = 1: the title starts at byte 17.
        const std::string bytes = ReadFile(m_path);
        const std::string expected = FromHex(prefix);
        EXPECT_EQ(ToHex(expected), ToHex(bytes.substr(17, expected.size())));
        EXPECT_EQ(title, bytes.substr(17 + expected.size(), length));

        CLinkList back;
        EXPECT_EQ(ELoadResult::loaded, m_dataFile.Load(m_path, back).result);
        ASSERT_EQ(1u, back.GetCount());
        EXPECT_EQ(title, back.GetAt(0)->m_strTitle.str());
    }
}

TEST_F(DataFileDiskTest, VersionOneLoadsWithModifiedEqualToAddedAndSavesAsVersionTwo) {
    CLinkList list;
    EXPECT_EQ(ELoadResult::loaded, m_dataFile.Load(VELTRIM_TEST_DATA "/version1.dat", list).result);
    ASSERT_EQ(2u, list.GetCount());
    EXPECT_EQ("Editor|Caf\xE9 ?", Titles(list));  // the second title is a wide string
    EXPECT_EQ("Line one\r\nLine two", list.GetAt(0)->m_strDescription.str());
    EXPECT_EQ("news|Tools", Join(list.Categories().Names()));
    EXPECT_EQ("NONE", list.m_strNewCategory);
    EXPECT_EQ(CDateTime(45000.5, CDateTime::valid), list.GetAt(0)->m_dtModified);
    EXPECT_EQ(CDateTime(0.0, CDateTime::null), list.GetAt(1)->m_dtModified);

    ASSERT_EQ(ESaveResult::written, m_dataFile.Save(m_path, list));
    const std::string saved = ReadFile(m_path);
    EXPECT_EQ("02 00 00 00 ", ToHex(saved.substr(0, 4)));
    EXPECT_EQ(ToHex(Stamp(2, 0.0) + Stamp(2, 0.0)), ToHex(saved.substr(saved.size() - 24)));
    CLinkList back;
    EXPECT_EQ(ELoadResult::loaded, m_dataFile.Load(m_path, back).result);
    EXPECT_EQ(Titles(list), Titles(back));
    EXPECT_EQ(CDateTime(45000.5, CDateTime::valid), back.GetAt(0)->m_dtModified);
}

TEST_F(DataFileDiskTest, FileTruncatedInARecordKeepsTheRecordsBeforeIt) {
    const std::string full =
        Int32(2) + Int32(0) + Int32(3) + Record("one") + Record("two") + Record("three");
    for (std::size_t cut : {full.size() - 1, full.size() - 12, full.size() - 30}) {
        WriteFile(m_path, full.substr(0, cut));
        CLinkList list;
        const CLoadOutcome outcome = m_dataFile.Load(m_path, list);
        EXPECT_EQ(ELoadResult::readFailed, outcome.result) << cut;
        EXPECT_EQ(2u, outcome.recordsAdded) << cut;
        EXPECT_EQ("one|two", Titles(list)) << cut;
    }
}

TEST_F(DataFileDiskTest, MissingFileIsNotFoundAndAFolderCannotBeRead) {
    CLinkList list;
    EXPECT_EQ(ELoadResult::notFound, m_dataFile.Load(m_dir + "/absent.dat", list).result);
    EXPECT_EQ(ELoadResult::readFailed, m_dataFile.Load(m_dir, list).result);
}

TEST_F(DataFileDiskTest, SavingAnEmptyListLeavesTheFileUntouched) {
    WriteFile(m_path, FromHex(kExampleHex));
    CLinkList list;
    list.Categories().AddIfAbsent("News");
    EXPECT_EQ(ESaveResult::emptyList, m_dataFile.Save(m_path, list));
    EXPECT_EQ(ToHex(FromHex(kExampleHex)), ToHex(ReadFile(m_path)));
    EXPECT_FALSE(Exists(m_path + ".bak"));
    EXPECT_FALSE(Exists(m_path + ".tmp"));
}

TEST_F(DataFileDiskTest, FailedWriteLeavesThePreviousFileWhole) {
    struct Case {
        const char* what;
        std::size_t writeLimit;
        bool failClose;
        bool failReplace;
    };
    const Case cases[] = {{"first write", 0, false, false},
                          {"mid-buffer", 10, false, false},
                          {"second buffer", 5000, false, false},
                          {"close", SIZE_MAX, true, false},
                          {"replace", SIZE_MAX, false, true}};
    CLinkList list;
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(list.AddLinkItem(std::string(40, 't'), "l", "d", "", kNewYear, kNewYear));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(m_path, FromHex(kExampleHex));
        CFaultyFileSystem fs;
        fs.m_writeLimit = c.writeLimit;
        fs.m_failClose = c.failClose;
        fs.m_failReplace = c.failReplace;
        EXPECT_EQ(ESaveResult::writeFailed, CDataFile(fs, m_clock).Save(m_path, list));
        EXPECT_EQ(ToHex(FromHex(kExampleHex)), ToHex(ReadFile(m_path)));
        EXPECT_FALSE(Exists(m_path + ".tmp"));
    }
}

TEST_F(DataFileDiskTest, LeftoverTemporaryFileDoesNotBlockTheSave) {
    WriteFile(m_path + ".tmp", "left by an interrupted save");
    CLinkList list;
    ASSERT_EQ(ELoadResult::loaded, m_dataFile.Load(VELTRIM_TEST_DATA "/example.dat", list).result);
    EXPECT_EQ(ESaveResult::written, m_dataFile.Save(m_path, list));
    EXPECT_EQ(ToHex(FromHex(kExampleHex)), ToHex(ReadFile(m_path)));
    EXPECT_FALSE(Exists(m_path + ".tmp"));
}
