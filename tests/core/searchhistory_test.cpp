// The history of search terms: what is kept, and what the profile holds between runs.
#include <gtest/gtest.h>

#include <string>

#include "app/MemoryProfile.h"
#include "search/SearchHistory.h"

TEST(SearchHistory, KeepsTrimmedTermsOnceWhateverTheirCase) {
    CSearchHistory history;
    EXPECT_TRUE(history.Add("  golf \t"));
    EXPECT_FALSE(history.Add("GOLF"));
    EXPECT_FALSE(history.Add(" \r\n "));
    EXPECT_TRUE(history.Add("golf clubs"));
    EXPECT_EQ((std::vector<std::string>{"golf", "golf clubs"}), history.Terms());
}

TEST(SearchHistory, ProfileKeepsTheTenNewestOldestFirst) {
    CMemoryProfile profile;
    CSearchHistory history;
    for (int i = 0; i <= 10; ++i) history.Add("term " + std::to_string(i));
    history.Save(profile);
    EXPECT_EQ("term 1", profile.GetString("Searching", "Term0", ""));
    EXPECT_EQ("term 10", profile.GetString("Searching", "Term9", ""));
    EXPECT_FALSE(profile.Has("Searching", "Term10"));

    // Reading stops at the first missing term, and takes duplicates as stored.
    profile.WriteString("Searching", "Term1", "TERM 3");
    profile.WriteString("Searching", "Term5", "");
    CSearchHistory loaded;
    loaded.Load(profile);
    EXPECT_EQ((std::vector<std::string>{"term 1", "TERM 3", "term 3", "term 4", "term 5"}),
              loaded.Terms());

    loaded.Erase(profile);
    EXPECT_TRUE(loaded.Terms().empty());
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(profile.Has("Searching", "Term" + std::to_string(i))) << i;
}
