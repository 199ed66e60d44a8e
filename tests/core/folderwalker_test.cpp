// The bookmark file finder: the walk over a folder tree, the file-name pattern and the finder's
// texts.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "import/FileNamePattern.h"
#include "import/FinderTexts.h"
#include "import/FolderWalker.h"
#include "import/PosixFolderLister.h"

namespace {

// A folder tree in memory, listed as Windows lists it: "." and ".." first in every folder.
class CFakeLister : public CFolderLister {
public:
    std::map<std::string, std::vector<CFolderEntry>> folders;
    std::vector<std::string> listed;

    char Separator() const override { return '\\'; }
    void List(const std::string& path, const Visitor& visit) override {
        listed.push_back(path);
        if (!visit({".", true, false}) || !visit({"..", true, false})) return;
        const auto found = folders.find(path);
        if (found == folders.end()) return;
        for (const CFolderEntry& entry : found->second)
            if (!visit(entry)) return;
    }
};

CFolderEntry Folder(const char* name) {
    return {name, true, false};
}
CFolderEntry File(const char* name) {
    return {name, false, false};
}

// Walks the whole tree; returns the files found and, for each folder, the nodes held then.
std::string Walk(CFolderLister& lister, const std::string& root, std::string* nodes = nullptr) {
    std::string files;
    CFolderWalker walker(lister, root);
    do {
        walker.VisitCurrent([&](const std::string& folder, const std::string& name) {
            files += folder + name + "\n";
            return true;
        });
        if (nodes) *nodes += std::to_string(walker.GetNodeCount()) + " ";
    } while (walker.Next());
    EXPECT_EQ(0u, walker.GetNodeCount());
    return files;
}

}  // namespace

TEST(FolderWalker, DepthFirstInTheOrderFoundFreeingWhatIsDone) {
    CFakeLister lister;
    lister.folders["D:\\"] = {File("a.txt"),
                              Folder("A"),
                              Folder("B"),
                              {"Loop", true, true},  // a junction back to D:\ is not entered
                              Folder("C")};
    lister.folders["D:\\A\\"] = {Folder("A1"), File("bookmark.htm"), Folder("A2")};
    lister.folders["D:\\A\\A2\\"] = {File("x.html")};
    lister.folders["D:\\B\\"] = {Folder("B1")};
    lister.folders["D:\\C\\"] = {{"file link", false, true}};
    std::string nodes;
    EXPECT_EQ("D:\\a.txt\nD:\\A\\bookmark.htm\nD:\\A\\A2\\x.html\nD:\\C\\file link\n",
              Walk(lister, "D:", &nodes));
    EXPECT_EQ((std::vector<std::string>{"D:\\", "D:\\A\\", "D:\\A\\A1\\", "D:\\A\\A2\\", "D:\\B\\",
                                        "D:\\B\\B1\\", "D:\\C\\"}),
              lister.listed);
    // Held after each visit: the folder, its ancestors, and the subfolders still to visit.
    EXPECT_EQ("4 6 6 5 4 4 2 ", nodes);
}

TEST(FolderWalker, StopsAtThePathLimitAndOnRequest) {
    CFakeLister lister;
    const std::string name(50, 'n');
    std::string path = "D:\\";
    for (int depth = 0; depth < 6; ++depth) {
        lister.folders[path] = {{name, true, false}};
        path += name + "\\";
    }
    Walk(lister, "D:\\");
    // "D:\" and four names fit with "*.*" and the terminating zero in 260; a fifth would not.
    ASSERT_EQ(5u, lister.listed.size());
    EXPECT_EQ(3u + 4 * 51, lister.listed.back().size());

    lister.folders["D:\\"].push_back(File("one"));
    lister.folders["D:\\"].push_back(File("two"));
    CFolderWalker walker(lister, "D:\\");
    int files = 0;
    EXPECT_EQ(
        CFolderWalker::EVisit::stopped,
        walker.VisitCurrent([&](const std::string&, const std::string&) { return ++files < 1; }));
    EXPECT_EQ(1, files);
}

// A real folder tree with a symbolic link back to its root: the walk ends.
TEST(FolderWalker, SymbolicLinkLoopIsNotEntered) {
    std::string root = testing::TempDir() + "walkerXXXXXX";
    ASSERT_NE(nullptr, mkdtemp(&root[0]));
    const std::string sub = root + "/sub";
    ASSERT_EQ(0, mkdir(sub.c_str(), 0700));
    ASSERT_EQ(0, symlink(root.c_str(), (sub + "/loop").c_str()));
    std::FILE* file = std::fopen((sub + "/bookmark.htm").c_str(), "w");
    ASSERT_NE(nullptr, file);
    std::fclose(file);

    CPosixFolderLister lister;
    EXPECT_EQ(sub + "/bookmark.htm\n", Walk(lister, root));

    std::remove((sub + "/bookmark.htm").c_str());
    std::remove((sub + "/loop").c_str());
    rmdir(sub.c_str());
    rmdir(root.c_str());
}

TEST(FileNamePattern, Matches) {
    const struct {
        const char* pattern;
        bool typos;
        const char* name;
        bool matches;
    } cases[] = {
        {"bookmark.htm*", false, "bookmark.htm", true},
        {"bookmark.htm*", false, "BookMark.HTML", true},
        {"bookmark.htm*", false, "bookmark.htm.bak", false},
        {"bookmark.htm*", false, "bokmark.htm", false},
        {"bookmark.htm*", true, "bokmark.htm", true},
        {"bookmark.htm*", true, "bookmrak.html", true},
        {"bookmark*", false, "bookmark.html", true},  // whole names, extension included
        {"bookmark*", false, "bookmarks.htm", true},
        {"bookmark", false, "bookmark", true},
        {"bookmark", false, "bookmark.htm", false},
        {"bookmark.", false, "bookmark", true},  // trailing dots are ignored
        {"bookmark.", false, "bookmark.htm", false},
        {"  bookmark.htm*  ", false, "bookmark.htm", true},
        {"*.htm", false, "bookmark.", false},  // the file's trailing dot goes too
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pattern << " / " << c.name << " / " << c.typos);
        EXPECT_EQ(c.matches, CFileNamePattern(c.pattern, c.typos).Matches(c.name));
    }
    EXPECT_FALSE(CFileNamePattern(" \t ", false).IsValidLength());
    EXPECT_TRUE(CFileNamePattern(std::string(255, 'b'), false).IsValidLength());
    EXPECT_FALSE(CFileNamePattern(std::string(256, 'b'), false).IsValidLength());
}

TEST(FinderTexts, Summary) {
    const struct {
        std::size_t found;
        unsigned long long ms;
        bool stopped;
        CNumberFormatter formatter;
        const char* text;
    } cases[] = {
        {1, 1000, false, CNumberFormatter(), "Found 1 file in 1.0 second."},
        {1, 1049, false, CNumberFormatter(), "Found 1 file in 1.0 second."},
        {0, 500, false, CNumberFormatter(), "Found 0 files in 0.5 seconds."},
        {2, 12345, false, CNumberFormatter(), "Found 2 files in 12.3 seconds."},
        {1234, 500, true, CNumberFormatter(true, '.'),
         "File searching stopped.  Found 1.234 files in 0,5 seconds."},
        {1, 1000, false, CNumberFormatter(true, ' '), "Found 1 file in 1,0 second."},
        {1234, 500, false, CNumberFormatter(false, '.'), "Found 1234 files in 0.5 seconds."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.text, FinderSummary(c.found, c.ms, c.stopped, c.formatter));
    }
    EXPECT_EQ("The pattern's length is too short or too long.", MessagePatternLength());
}
