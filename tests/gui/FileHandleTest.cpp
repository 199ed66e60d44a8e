// CFileHandle closes the file it owns exactly once: when it goes, or earlier by Close, and never
// from a holder whose handle was moved away.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "framework/FileHandle.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

// Opened without sharing, so that a second open succeeds only once the first handle is closed.
HANDLE OpenExclusive(const std::string& path) {
    return ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool IsOpen(const std::string& path) {
    CFileHandle probe(OpenExclusive(path));
    return !probe.IsValid();
}

}  // namespace

TEST(FileHandle, ClosesItsFileOnceWhenItGoesOrOnClose) {
    CTempFolder folder;
    const std::string path = folder.File("held.bin");
    {
        CFileHandle first(OpenExclusive(path));
        ASSERT_TRUE(first.IsValid());
        {
            CFileHandle second(std::move(first));
            EXPECT_FALSE(first.IsValid());
            EXPECT_TRUE(second.IsValid());
        }
        EXPECT_FALSE(IsOpen(path)) << "the holder it was moved to closed it";
    }
    CFileHandle handle(OpenExclusive(path));
    EXPECT_TRUE(IsOpen(path));
    EXPECT_TRUE(handle.Close());
    EXPECT_FALSE(handle.IsValid());
    EXPECT_FALSE(IsOpen(path));
    EXPECT_FALSE(handle.Close()) << "nothing left to close";
    EXPECT_FALSE(CFileHandle().Close());
}
