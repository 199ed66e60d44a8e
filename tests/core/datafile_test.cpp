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
    std::string bytes = Int32(status);
    CMemorySink(bytes).WriteDouble(value);
    return bytes;
}
std::string Record(const std::string& title) {
    return Text(title) + Text("http://" + title) + Text("") + Text("") + Stamp(0, 46023.0) +
           Stamp(0, 46023.5);
}

std::string ReadFile(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
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
    std::string titles;
    for (std::size_t row = 0; row < list.GetCount(); ++row)
        titles += (row ? "|" : "") + list.GetAt(row)->m_strTitle.str();
    return titles;
}
std::string Categories(const CLinkList& list) {
    return Join(list.Categories().Names());
}

std::string Written(const CLinkList& list) {
    std::string bytes;
    CMemorySink sink(bytes);
    EXPECT_TRUE(CDataFile::WriteBody(sink, list));
    return bytes;
}
CLoadOutcome ReadBytes(const std::string& bytes, CLinkList& list) {
    CMemorySource source(bytes);
    return CDataFile::ReadBody(source, list);
}

const char* const kExampleHex =
    "02 00 00 00  02 00 00 00  04 4E 65 77 73  04 4C 41 53 54  01 00 00 00"
    "  04 48 6F 6D 65  01 78  00  04 4E 65 77 73"
    "  00 00 00 00 00 00 00 00 E0 78 E6 40  00 00 00 00 00 00 00 00 F0 78 E6 40";

// Real files whose writes fail once `m_room` bytes are used up (a full disk takes part of the
// write), and whose close or final replace can be made to fail.
class CFaultyFileSystem : public CPosixFileSystem {
public:
    std::unique_ptr<COutputFile> Create(const std::string& path) override {
        auto file = CPosixFileSystem::Create(path);
        return file ? std::make_unique<CFile>(std::move(file), *this) : nullptr;
    }
    bool Replace(const std::string& from, const std::string& to) override {
        return !m_failReplace && CPosixFileSystem::Replace(from, to);
    }

    std::size_t m_room = SIZE_MAX;
    bool m_failClose = false;
    bool m_failReplace = false;

private:
    class CFile : public COutputFile {
    public:
        CFile(std::unique_ptr<COutputFile> inner, CFaultyFileSystem& fs)
            : m_inner(std::move(inner)), m_fs(fs) {}
        bool Write(const void* buffer, std::size_t size) override {
            const std::size_t part = std::min(size, m_fs.m_room);
            m_fs.m_room -= part;
            m_inner->Write(buffer, part);
            return part == size;
        }
        bool Close() override { return m_inner->Close() && !m_fs.m_failClose; }

    private:
        std::unique_ptr<COutputFile> m_inner;
        CFaultyFileSystem& m_fs;
    };
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
    // The file holds exactly the worked example, and the save left no other file beside it.
    void ExpectExampleAlone() {
        EXPECT_EQ(ToHex(FromHex(kExampleHex)), ToHex(ReadFile(m_path)));
        EXPECT_FALSE(std::filesystem::exists(m_path + ".tmp"));
    }

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
    const std::string example = FromHex(kExampleHex);
    EXPECT_EQ(59u, example.size());
    EXPECT_EQ(ToHex(example), ToHex(Written(list)));

    // Bytes after the last record are ignored. Every field read shows in what the list writes.
    CLinkList back;
    back.m_strNewCategory = "NONE";
    const CLoadOutcome outcome = ReadBytes(example + "data after the last record", back);
    EXPECT_EQ(ELoadResult::loaded, outcome.result);
    EXPECT_EQ(1u, outcome.recordsAdded);
    EXPECT_EQ(ToHex(example), ToHex(Written(back)));
}

// Whole files loaded into a list that starts with the category Stale and "NONE" as its new-link
// choice or, when appending, with the categories Alpha and News and the record "old".
TEST(DataFileFormat, LoadOutcomes) {
    const auto strings = [](std::vector<std::string> texts) {
        std::string bytes = Int32(static_cast<std::int32_t>(texts.size()));
        for (const std::string& text : texts) bytes += Text(text);
        return bytes;
    };
    // The file lists News and Sports, then the new-link category, and holds no records.
    const auto choice = [&](const char* value) {
        return Int32(2) + strings({"News", "Sports", value}) + Int32(0);
    };
    const std::string twoRecords = strings({}) + Int32(2) + Record("a") + Record("b");
    const std::string oneRecord = Int32(2) + strings({}) + Int32(1);
    const std::string rest = Text("") + Text("") + Text("") + Stamp(0, 1) + Stamp(0, 1);
    // "Café €" as UTF-16LE, then the rest of a record; the euro sign has no Latin-1 form.
    const std::string cafe = FromHex("43 00 61 00 66 00 E9 00 20 00 AC 20") + Record("").substr(1);
    const ELoadResult loaded = ELoadResult::loaded, failed = ELoadResult::readFailed;
    const struct {
        const char* what;
        std::string bytes;
        ELoadResult result;
        const char* titles;
        const char* categories = nullptr;   // nullptr: not checked
        const char* newCategory = nullptr;  // nullptr: not checked
        bool appending = false;
    } cases[] = {
        {"n = 1, LAST, r = 0", FromHex("02 00 00 00 01 00 00 00 04 4C 41 53 54 00 00 00 00"),
         loaded, "", "", "LAST"},
        // Every version up to 2 other than 1 has both date-times; version 1 has Added only.
        {"version 2", Int32(2) + twoRecords, loaded, "a|b", "", "NONE"},
        {"version 0", Int32(0) + twoRecords, loaded, "a|b", "", "NONE"},
        {"version -7", Int32(-7) + twoRecords, loaded, "a|b", "", "NONE"},
        {"version 3", Int32(3) + FromHex(kExampleHex).substr(4), ELoadResult::newerVersion, "",
         "Stale", "NONE"},
        {"wide, 8-bit length", oneRecord + FromHex("FF FE FF 06") + cafe, loaded, "Caf\xE9 ?"},
        {"wide, 16-bit length", oneRecord + FromHex("FF FE FF FF 06 00") + cafe, loaded,
         "Caf\xE9 ?"},
        {"wide, 32-bit length", oneRecord + FromHex("FF FE FF FF FF FF 06 00 00 00") + cafe, loaded,
         "Caf\xE9 ?"},
        {"two wide marks", oneRecord + FromHex("FF FE FF FE FF 01 41 00") + rest, failed, ""},
        {"2 GiB promised", oneRecord + FromHex("FF FF FF FF FF FF 7F") + rest, failed, ""},
        {"wide bytes past 32 bits",
         oneRecord + FromHex("FF FE FF FF FF FF 00 00 00 80 41 00") + rest, failed, ""},
        {"negative string count", Int32(2) + Int32(-1) + Int32(0), failed, ""},
        {"negative record count", Int32(2) + strings({"LAST"}) + Int32(-5), failed, ""},
        {"no record count", Int32(2) + strings({"LAST"}), failed, ""},
        // The new-link category: a keyword, or a listed name without regard to case, is taken;
        // an unlisted name is listed instead (the keywords are case-sensitive), an empty one not.
        {"LAST", choice("LAST"), loaded, "", "News|Sports", "LAST"},
        {"NONE", choice("NONE"), loaded, "", "News|Sports", "NONE"},
        {"Sports", choice("Sports"), loaded, "", "News|Sports", "Sports"},
        {"sports", choice("sports"), loaded, "", "News|Sports", "sports"},
        {"Games", choice("Games"), loaded, "", "Games|News|Sports", "NONE"},
        {"Last", choice("Last"), loaded, "", "Last|News|Sports", "NONE"},
        {"empty", choice(""), loaded, "", "News|Sports", "NONE"},
        {"no strings", Int32(2) + strings({}) + Int32(0), loaded, "", "", "NONE"},
        // Appending keeps the choice and adds only the missing names.
        {"LAST appended", choice("LAST"), loaded, "old", "Alpha|News|Sports", "NONE", true},
        {"Sports appended", choice("Sports"), loaded, "old", "Alpha|News|Sports", "NONE", true},
        {"Games appended", choice("Games"), loaded, "old", "Alpha|Games|News|Sports", "NONE", true},
        {"overlapping categories appended",
         Int32(2) + strings({"news", "Item 10", "ALPHA", "Item 9", "NONE"}) + Int32(1) +
             Record("new"),
         loaded, "old|new", "Alpha|Item 9|Item 10|News", "NONE", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CLinkList list;
        list.m_strNewCategory = "NONE";
        list.Categories().AddIfAbsent(c.appending ? "Alpha" : "Stale");
        if (c.appending) {
            list.Categories().AddIfAbsent("News");
            ASSERT_TRUE(list.AddLinkItem("old", "", "", "", kNewYear, kNewYear));
        }
        const CLoadOutcome outcome = ReadBytes(c.bytes, list);
        EXPECT_EQ(c.result, outcome.result);
        EXPECT_EQ(c.titles, Titles(list));
        EXPECT_EQ(list.GetCount() - c.appending, outcome.recordsAdded);
        for (std::size_t row = c.appending; row < list.GetCount(); ++row)
            EXPECT_EQ(kNewYearNoon, list.GetAt(row)->m_dtModified) << row;
        if (c.categories) {
            EXPECT_EQ(c.categories, Categories(list));
        }
        if (c.newCategory) {
            EXPECT_EQ(c.newCategory, list.m_strNewCategory);
        }
    }
}

TEST(DataFileMessages, ExactTextsWithPathsCutAt259) {
    EXPECT_EQ(
        "This program cannot load a data file that has a higher version number.  Do you "
        "want to exit this program without changing the stored settings?",
        MessageNewerVersion());
    EXPECT_EQ(
        "Could not read the data file into memory.  Close another application and try "
        "again.",
        MessageOutOfMemory());
    const std::string longPath = "C:\\" + std::string(297, 'p');
    for (const std::string& path : {std::string("C:\\a.dat"), longPath}) {
        const std::string shown = "\"" + path.substr(0, 259) + "\".";
        EXPECT_EQ("Could not find data file " + shown, MessageNotFound(path));
        EXPECT_EQ("Could not read veltrim links from " + shown, MessageReadFailed(path));
        EXPECT_EQ("Could not save veltrim links into " + shown, MessageWriteFailed(path));
    }
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
    EXPECT_EQ("news|Tools", Categories(list));
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
    CLinkList list;
    EXPECT_EQ(ELoadResult::notFound, m_dataFile.Load(m_dir + "/absent.dat", list).result);
    EXPECT_EQ(ELoadResult::readFailed, m_dataFile.Load(m_dir, list).result);  // a folder
}

TEST_F(DataFileDiskTest, FailedWriteLeavesThePreviousFileWhole) {
    const struct {
        const char* what;
        std::size_t room;
        bool failClose;
        bool failReplace;
    } cases[] = {{"first write", 0, false, false},
                 {"mid-buffer", 10, false, false},
                 {"second buffer", 5000, false, false},
                 {"close", SIZE_MAX, true, false},
                 {"replace", SIZE_MAX, false, true}};
    CLinkList list;
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(list.AddLinkItem(std::string(40, 't'), "l", "d", "", kNewYear, kNewYear));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(m_path, FromHex(kExampleHex));
        CFaultyFileSystem fs;
        fs.m_room = c.room;
        fs.m_failClose = c.failClose;
        fs.m_failReplace = c.failReplace;
        EXPECT_EQ(ESaveResult::writeFailed, CDataFile(fs, m_clock).Save(m_path, list));
        ExpectExampleAlone();
    }
}

TEST_F(DataFileDiskTest, LeftoverTemporaryFileDoesNotBlockTheSave) {
    WriteFile(m_path + ".tmp", "left by an interrupted save");
    CLinkList list;
    ASSERT_EQ(ELoadResult::loaded, m_dataFile.Load(VELTRIM_TEST_DATA "/example.dat", list).result);
    EXPECT_EQ(ESaveResult::written, m_dataFile.Save(m_path, list));
    ExpectExampleAlone();
}
