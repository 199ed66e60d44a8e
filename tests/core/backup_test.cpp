#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/time.h>

#include "store/DataFile.h"
#include "store/PosixFileSystem.h"

namespace {

class CTestClock : public CClock {
public:
    std::time_t Now() const override { return m_now; }
    std::time_t m_now = 0;
};

// Noon of the local day `days` away from today, so that a daylight-saving change cannot move
// the time into another date.
std::time_t LocalNoon(int days) {
    std::time_t now = std::time(nullptr);
    std::tm day;
    localtime_r(&now, &day);
    day.tm_mday += days;
    day.tm_hour = 12;
    day.tm_min = day.tm_sec = 0;
    day.tm_isdst = -1;
    return std::mktime(&day);
}

std::string ReadFile(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

class BackupTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = std::filesystem::temp_directory_path() / "veltrim_backup_XXXXXX";
        ASSERT_NE(mkdtemp(&pattern[0]), nullptr);
        m_dir = pattern;
        m_path = m_dir + "/links.dat";
        m_backup = m_path + ".bak";
        m_clock.m_now = LocalNoon(0);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    void WriteFile(const std::string& path, const std::string& bytes, std::time_t written) {
        std::ofstream(path, std::ios::binary) << bytes;
        SetWritten(path, written);
    }
    static void SetWritten(const std::string& path, std::time_t written) {
        const timeval times[2] = {{written, 0}, {written, 0}};
        ASSERT_EQ(0, utimes(path.c_str(), times));
    }

    // Saves a one-record list titled `title` as if at the clock's time, and returns the bytes.
    std::string SaveTitled(const std::string& title) {
        CLinkList list;
        const CDateTime now = m_clock.NowStamp();
        EXPECT_TRUE(list.AddLinkItem(title, "link", "", "", now, now));
        CDataFile dataFile(m_fs, m_clock);
        EXPECT_EQ(ESaveResult::written, dataFile.Save(m_path, list));
        SetWritten(m_path, m_clock.m_now);
        return ReadFile(m_path);
    }

    std::string m_dir;
    std::string m_path;
    std::string m_backup;
    CTestClock m_clock;
    CPosixFileSystem m_fs;
};

}  // namespace

TEST(IsBackupDue, ComparesTheCalendarDateOnly) {
    const CCivilTime today{2026, 3, 15, 9};
    EXPECT_TRUE(IsBackupDue({2026, 3, 14, 23}, today, true));
    EXPECT_TRUE(IsBackupDue({2026, 2, 15}, today, true));
    EXPECT_TRUE(IsBackupDue({2025, 3, 15}, today, true));
    EXPECT_TRUE(IsBackupDue({2026, 3, 16}, today, true));  // a clock set back still copies
    EXPECT_FALSE(IsBackupDue({2026, 3, 15, 23}, today, true));
    EXPECT_TRUE(IsBackupDue({2026, 3, 15, 0}, today, false));
}

TEST_F(BackupTest, FirstSaveOfEachDayCopiesTheFileAsItWas) {
    SaveTitled("first ever");
    EXPECT_FALSE(std::filesystem::exists(m_backup)) << "no data file, no backup";
    WriteFile(m_path, "yesterday's file", LocalNoon(-1));

    SaveTitled("first");
    EXPECT_EQ("yesterday's file", ReadFile(m_backup));

    const std::string second = SaveTitled("second");
    EXPECT_EQ("yesterday's file", ReadFile(m_backup));  // the state before today's first save

    m_clock.m_now = LocalNoon(1);
    SaveTitled("third");
    EXPECT_EQ(second, ReadFile(m_backup));
}

TEST_F(BackupTest, FileWrittenTodayIsCopiedOnlyWhenNoBackupExists) {
    WriteFile(m_path, "written this morning", LocalNoon(0));
    SaveTitled("a");
    EXPECT_EQ("written this morning", ReadFile(m_backup));

    WriteFile(m_backup, "older backup", LocalNoon(-3));
    WriteFile(m_path, "written again", LocalNoon(0));
    SaveTitled("b");
    EXPECT_EQ("older backup", ReadFile(m_backup));
}

TEST_F(BackupTest, BackupThatCannotBeWrittenDoesNotStopTheSave) {
    WriteFile(m_path, "old", LocalNoon(-1));
    std::filesystem::create_directory(m_backup);  // in the way of the copy
    const std::string saved = SaveTitled("new");
    EXPECT_NE(std::string::npos, saved.find("new"));
    EXPECT_TRUE(std::filesystem::is_directory(m_backup));
}
