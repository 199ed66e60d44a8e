// The data file: its exact bytes, every way a load ends, the failure messages, writes that fail,
// and the daily backup taken before a write.
#include <gtest/gtest.h>

#include <sys/time.h>

#include <climits>
#include <ctime>
#include <tuple>

#include "store/PosixFileSystem.h"
#include "tests/core/NumberedList.h"
#include "tests/core/TestSupport.h"

namespace {

using testlist::Titles;
const CDateTime kNewYear(46023.0, CDateTime::valid), kNewYearNoon(46023.5, CDateTime::valid);

// Version 2, the category News, "LAST" for new links, and the record Home / x / "" / News added
// at midnight and modified at noon on 1 January 2026.
const std::string kExample = FromHex(
    "02 00 00 00  02 00 00 00  04 4E 65 77 73  04 4C 41 53 54  01 00 00 00  04 48 6F 6D 65  01 78"
    "  00  04 4E 65 77 73  00 00 00 00 00 00 00 00 E0 78 E6 40  00 00 00 00 00 00 00 00 F0 78 E6 "
    "40");

std::string Record(const std::string& title) {
    return Text(title) + Text("http://" + title) + Text("") + Text("") + Stamp(0, 46023.0) +
           Stamp(0, 46023.5);
}
std::string Categories(const CLinkList& list) {
    std::string names;
    for (const std::string& name : list.Categories().Names())
        names += (names.empty() ? "" : ",") + name;
    return names;
}
CLoadOutcome ReadBytes(const std::string& bytes, CLinkList& list) {
    CMemorySource source(bytes);
    return CDataFile::ReadBody(source, list);
}

// Noon of the local day `days` away from today: a daylight-saving change cannot move it into
// another date.
std::time_t LocalNoon(int days) {
    const std::time_t now = std::time(nullptr);
    std::tm noon = *std::localtime(&now);
    noon.tm_mday += days;
    noon.tm_hour = 12;
    noon.tm_min = noon.tm_sec = 0;
    noon.tm_isdst = -1;
    return std::mktime(&noon);
}

struct CTestClock : CClock {
    std::time_t Now() const override { return m_now; }
    std::time_t m_now = LocalNoon(0);
};

// Real files whose writes stop once `m_room` bytes are used up (a full disk takes part of a
// write), and whose close or final replace can be made to fail.
class CFaultyFileSystem : public CPosixFileSystem {
public:
    std::unique_ptr<COutputFile> Create(const std::string& path) override {
        struct CFile : COutputFile {
            CFile(std::unique_ptr<COutputFile> inner, CFaultyFileSystem& fs)
                : inner(std::move(inner)), fs(fs) {}
            bool Write(const void* buffer, std::size_t size) override {
                const std::size_t part = std::min(size, fs.m_room);
                fs.m_room -= part;
                return inner->Write(buffer, part) && part == size;
            }
            bool Close() override { return inner->Close() && !fs.m_failClose; }
            std::unique_ptr<COutputFile> inner;
            CFaultyFileSystem& fs;
        };
        auto file = CPosixFileSystem::Create(path);
        return file ? std::make_unique<CFile>(std::move(file), *this) : nullptr;
    }
    bool Replace(const std::string& from, const std::string& to) override {
        return !m_failReplace && CPosixFileSystem::Replace(from, to);
    }
    std::size_t m_room = SIZE_MAX;
    bool m_failClose = false, m_failReplace = false;
};

// A data file in a folder of its own, saved and loaded through the real file operations.
class DataFileDisk : public ::testing::Test {
protected:
    void WriteDated(const std::string& path, const std::string& bytes, std::time_t written) {
        WriteFileBytes(path, bytes);
        const timeval times[2] = {{written, 0}, {written, 0}};
        ASSERT_EQ(0, utimes(path.c_str(), times));
    }
    // Saves a one-record list titled `title` as if at the clock's time; returns the file's bytes.
    std::string SaveTitled(const std::string& title) {
        CLinkList list;
        list.AddLinkItem(title, "link", "", "", m_clock.NowStamp(), m_clock.NowStamp());
        EXPECT_EQ(ESaveResult::written, m_dataFile.Save(m_path, list));
        WriteDated(m_path, ReadFileBytes(m_path), m_clock.m_now);
        return ReadFileBytes(m_path);
    }
    // The file holds exactly the expected bytes, and the save left no other file beside it.
    void ExpectExampleAlone() {
        EXPECT_EQ(ToHex(kExample), ToHex(ReadFileBytes(m_path)));
        EXPECT_FALSE(FileExists(m_path + ".tmp"));
    }

    CTempFolder m_folder;
    const std::string m_path = m_folder.File("links.dat"), m_backup = m_path + ".bak";
    CTestClock m_clock;
    CPosixFileSystem m_fs;
    CDataFile m_dataFile{m_fs, m_clock};
};

}  // namespace

TEST(DataFileFormat, WorkedExampleWritesTheDocumentedBytesAndReadsBack) {
    CLinkList list;
    list.Categories().AddIfAbsent("News");
    ASSERT_TRUE(list.AddLinkItem("Home", "x", "", "News", kNewYear, kNewYearNoon));
    EXPECT_EQ(59u, kExample.size());
    EXPECT_EQ(ToHex(kExample), ToHex(Written(list)));
    // Bytes after the last record are ignored. Every field read shows in what the list writes.
    CLinkList back;
    back.m_strNewCategory = "NONE";
    const CLoadOutcome outcome = ReadBytes(kExample + "data after the last record", back);
    EXPECT_EQ(ELoadResult::loaded, outcome.result);
    EXPECT_EQ(1u, outcome.recordsAdded);
    EXPECT_EQ(ToHex(kExample), ToHex(Written(back)));
}

// Whole files loaded into a list that starts with the category Stale and "NONE" as its new-link
// choice: the records, and the categories with the choice after the load.
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
    const std::string oneRecord = Int32(2) + strings({}) + Int32(1);
    const std::string rest = Text("") + Text("") + Text("") + Stamp(0, 1) + Stamp(0, 1);
    // "Café €" as UTF-16LE, then the rest of a record; the euro sign has no Latin-1 form.
    const std::string cafe = FromHex("43 00 61 00 66 00 E9 00 20 00 AC 20") + Record("").substr(1);
    const ELoadResult loaded = ELoadResult::loaded, failed = ELoadResult::readFailed;
    const std::tuple<std::string, ELoadResult, const char*, const char*> cases[] = {
        // Every version up to 2 other than 1 has both date-times; a newer one is refused whole.
        {Int32(0) + strings({}) + Int32(2) + Record("a") + Record("b"), loaded, "a,b", "|NONE"},
        {Int32(3) + kExample.substr(4), ELoadResult::newerVersion, "", "Stale|NONE"},
        // Wide texts with 8-, 16- and 32-bit lengths; lengths beyond the file or 32 bits.
        {oneRecord + FromHex("FF FE FF 06") + cafe, loaded, "Caf\xE9 ?", "|NONE"},
        {oneRecord + FromHex("FF FE FF FF 06 00") + cafe, loaded, "Caf\xE9 ?", "|NONE"},
        {oneRecord + FromHex("FF FE FF FF FF FF 06 00 00 00") + cafe, loaded, "Caf\xE9 ?", "|NONE"},
        {oneRecord + FromHex("FF FF FF FF FF FF 7F") + rest, failed, "", "|NONE"},
        {oneRecord + FromHex("FF FE FF FF FF FF 00 00 00 80 41 00") + rest, failed, "", "|NONE"},
        {Int32(2) + strings({"LAST"}) + Int32(-5), failed, "", "|LAST"},
        // The new-link category: a keyword, or a listed name without regard to case, is taken;
        // an unlisted name is listed instead (the keywords are case-sensitive).
        {choice("LAST"), loaded, "", "News,Sports|LAST"},
        {choice("sports"), loaded, "", "News,Sports|sports"},
        {choice("Games"), loaded, "", "Games,News,Sports|NONE"},
        {choice("Last"), loaded, "", "Last,News,Sports|NONE"}};
    for (const auto& [bytes, result, titles, state] : cases) {
        SCOPED_TRACE(ToHex(bytes.substr(0, 24)));
        CLinkList list;
        list.m_strNewCategory = "NONE";
        list.Categories().AddIfAbsent("Stale");
        const CLoadOutcome outcome = ReadBytes(bytes, list);
        EXPECT_EQ(result, outcome.result);
        EXPECT_EQ(titles, Titles(list));
        EXPECT_EQ(list.GetCount(), outcome.recordsAdded);
        EXPECT_EQ(state, Categories(list) + "|" + list.m_strNewCategory);
    }
}

// The length forms: one byte, 0xFF and 16 bits, 0xFF 0xFFFF and 32 bits. Long texts also cross the
// 4096-byte buffer and go past it in one write.
TEST_F(DataFileDisk, CountedStringLengthsOnDisk) {
    const std::size_t lengths[] = {0, 254, 255, 65533, 65534, 70000};
    const char* const prefixes[] = {
        "00", "FE", "FF FF 00", "FF FD FF", "FF FF FF FE FF 00 00", "FF FF FF 70 11 01 00"};
    for (int i = 0; i < 6; ++i) {
        const std::string title(lengths[i], 'q');
        CLinkList list;
        ASSERT_TRUE(list.AddLinkItem(title, "", "", "", kNewYear, kNewYear));
        ASSERT_EQ(ESaveResult::written, m_dataFile.Save(m_path, list));
        // Version, n = 1, "LAST", r = 1: the title starts at byte 17.
        const std::string bytes = ReadFileBytes(m_path), prefix = FromHex(prefixes[i]);
        EXPECT_EQ(ToHex(prefix), ToHex(bytes.substr(17, prefix.size()))) << lengths[i];
        EXPECT_EQ(title, bytes.substr(17 + prefix.size(), title.size())) << lengths[i];
    }
}

TEST_F(DataFileDisk, VersionOneLoadsWithModifiedEqualToAddedAndSavesAsVersionTwo) {
    CLinkList list, back;
    EXPECT_EQ(ELoadResult::loaded, m_dataFile.Load(VELTRIM_TEST_DATA "/version1.dat", list).result);
    EXPECT_EQ("Editor,Caf\xE9 ?", Titles(list));  // the second title is a wide string
    EXPECT_EQ("news,Tools", Categories(list));
    EXPECT_EQ("NONE", list.m_strNewCategory);
    EXPECT_EQ(CDateTime(45000.5, CDateTime::valid), list.GetAt(0)->m_dtModified);
    EXPECT_EQ(CDateTime(0.0, CDateTime::null), list.GetAt(1)->m_dtModified);
    ASSERT_EQ(ESaveResult::written, m_dataFile.Save(m_path, list));
    const std::string saved = ReadFileBytes(m_path);
    EXPECT_EQ("02 00 00 00 ", ToHex(saved.substr(0, 4)));
    EXPECT_EQ(ToHex(Stamp(2, 0.0) + Stamp(2, 0.0)), ToHex(saved.substr(saved.size() - 24)));
    EXPECT_EQ(ELoadResult::loaded, m_dataFile.Load(m_path, back).result);
    EXPECT_EQ(Written(list), Written(back));
}

TEST_F(DataFileDisk, FileTruncatedInARecordKeepsTheRecordsBeforeIt) {
    const std::string full =
        Int32(2) + Int32(0) + Int32(3) + Record("one") + Record("two") + Record("three");
    for (std::size_t cut : {full.size() - 1, full.size() - 12, full.size() - 30}) {
        SCOPED_TRACE(cut);
        WriteFileBytes(m_path, full.substr(0, cut));
        CLinkList list;
        const CLoadOutcome outcome = m_dataFile.Load(m_path, list);
        EXPECT_EQ(ELoadResult::readFailed, outcome.result);
        EXPECT_EQ(2u, outcome.recordsAdded);
        EXPECT_EQ("one,two", Titles(list));
    }
}

// Writes that fail at the first byte, inside the first or the second 4096-byte buffer, at the
// close or at the final replace.
TEST_F(DataFileDisk, FailedWriteLeavesThePreviousFileWhole) {
    CLinkList list;
    for (int i = 0; i < 200; ++i)
        list.AddLinkItem(std::string(40, 't'), "l", "d", "", kNewYear, kNewYear);
    for (const std::size_t room :
         {std::size_t(0), std::size_t(10), std::size_t(5000), SIZE_MAX - 1, SIZE_MAX}) {
        WriteFileBytes(m_path, kExample);
        CFaultyFileSystem fs;
        fs.m_room = room;
        fs.m_failClose = room == SIZE_MAX - 1;
        fs.m_failReplace = room == SIZE_MAX;
        EXPECT_EQ(ESaveResult::writeFailed, CDataFile(fs, m_clock).Save(m_path, list)) << room;
        ExpectExampleAlone();
    }
    // A temporary file left by an interrupted save does not block the next one.
    CLinkList example;
    ASSERT_EQ(ELoadResult::loaded,
              m_dataFile.Load(VELTRIM_TEST_DATA "/example.dat", example).result);
    WriteFileBytes(m_path + ".tmp", "left by an interrupted save");
    EXPECT_EQ(ESaveResult::written, m_dataFile.Save(m_path, example));
    ExpectExampleAlone();
}

TEST_F(DataFileDisk, FirstSaveOfEachDayCopiesTheFileAsItWas) {
    SaveTitled("first ever");
    EXPECT_FALSE(FileExists(m_backup)) << "no data file, no backup";
    WriteDated(m_path, "yesterday's file", LocalNoon(-1));
    SaveTitled("first");
    EXPECT_EQ("yesterday's file", ReadFileBytes(m_backup));
    const std::string second = SaveTitled("second");
    EXPECT_EQ("yesterday's file", ReadFileBytes(m_backup));  // the state before today's first save
    m_clock.m_now = LocalNoon(1);
    SaveTitled("third");
    EXPECT_EQ(second, ReadFileBytes(m_backup));
    // Written today, the file is copied only when no backup exists.
    WriteDated(m_backup, "older backup", LocalNoon(-3));
    SaveTitled("fourth");
    EXPECT_EQ("older backup", ReadFileBytes(m_backup));
    std::filesystem::remove(m_backup);
    SaveTitled("fifth");
    EXPECT_NE(std::string::npos, ReadFileBytes(m_backup).find("fourth"));
    // A file dated later than today (the clock was set back) is copied; a backup that cannot be
    // written does not stop the save.
    m_clock.m_now = LocalNoon(0);
    SaveTitled("sixth");
    EXPECT_NE(std::string::npos, ReadFileBytes(m_backup).find("fifth"));
    std::filesystem::remove(m_backup);
    std::filesystem::create_directory(m_backup);
    m_clock.m_now = LocalNoon(2);
    EXPECT_NE(std::string::npos, SaveTitled("seventh").find("seventh"));
}
