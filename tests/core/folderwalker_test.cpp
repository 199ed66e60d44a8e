// The bookmark file finder: the walk over a folder tree, the file-name pattern and the summary.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "import/FileNamePattern.h"
#include "import/FinderTexts.h"
#include "import/FolderWalker.h"
#include "import/PosixFolderLister.h"
#include "tests/core/TestSupport.h"

namespace {

// A folder tree in memory, listed as Windows lists it: "." and ".." first in every folder.
class CFakeLister : public CFolderLister {
public:
    std::map<std::string, std::vector<CFolderEntry>> folders;
    std::string listed;

    char Separator() const override { return '\\'; }
    void List(const std::string& path, const Visitor& visit) override {
        listed += path + " ";
        if (!visit({".", true, false}) || !visit({"..", true, false})) return;
        for (const CFolderEntry& entry : folders[path])
            if (!visit(entry)) return;
    }
};

// Walks the whole tree; returns the files found and, after each folder, the nodes held.
std::string Walk(CFolderLister& lister, const std::string& root, std::string* nodes = nullptr) {
    std::string files;
    CFolderWalker walker(lister, root);
    do {
        walker.VisitCurrent([&](const std::string& folder, const std::string& name) {
            files += folder + name + " ";
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
    lister.folders["D:\\"] = {{"a.txt", false, false},
                              {"A", true, false},
                              {"B", true, false},
                              {"Loop", true, true},  // a junction back to D:\ is not entered
                              {"C", true, false}};
    lister.folders["D:\\A\\"] = {{"A1", true, false}, {"x.htm", false, false}, {"A2", true, false}};
    lister.folders["D:\\A\\A2\\"] = {{"y.htm", false, false}};
    lister.folders["D:\\B\\"] = {{"B1", true, false}};
    lister.folders["D:\\C\\"] = {{"file link", false, true}};
    std::string nodes;
    EXPECT_EQ("D:\\a.txt D:\\A\\x.htm D:\\A\\A2\\y.htm D:\\C\\file link ",
              Walk(lister, "D:", &nodes));
    EXPECT_EQ("D:\\ D:\\A\\ D:\\A\\A1\\ D:\\A\\A2\\ D:\\B\\ D:\\B\\B1\\ D:\\C\\ ", lister.listed);
    // Held after each folder: it, its ancestors, and the subfolders still to visit.
    EXPECT_EQ("4 6 6 5 4 4 2 ", nodes);
}

TEST(FolderWalker, StopsAtThePathLimitAndOnRequest) {
    CFakeLister lister;
    const std::string name(50, 'n');
    std::string path = "D:\\";
    for (int depth = 0; depth < 6; ++depth, path += name + "\\")
        lister.folders[path] = {{name, true, false}, {"f", false, false}};
    // "D:\" and four names fit with "*.*" and the terminating zero in 260; a fifth would not.
    Walk(lister, "D:\\");
    EXPECT_EQ(5, std::count(lister.listed.begin(), lister.listed.end(), ' '));
    CFolderWalker walker(lister, "D:\\");
    EXPECT_EQ(CFolderWalker::EVisit::stopped,
              walker.VisitCurrent([](const std::string&, const std::string&) { return false; }));
}

// A real folder tree with a symbolic link back to its root: the walk ends.
TEST(FolderWalker, SymbolicLinkLoopIsNotEntered) {
    CTempFolder root;
    const std::string sub = root.File("sub");
    std::filesystem::create_directory(sub);
    std::filesystem::create_directory_symlink(root.Path(), sub + "/loop");
    WriteFileBytes(sub + "/bookmark.htm", "");
    CPosixFolderLister lister;
    EXPECT_EQ(sub + "/bookmark.htm ", Walk(lister, root.Path()));
}

TEST(FileNamePattern, Matches) {
    const struct {
        const char* pattern;
        bool typos;
        const char* name;
        bool matches;
    } cases[] = {
        {"bookmark.htm*", false, "BookMark.HTML", true},
        {"bookmark.htm*", false, "bookmark.htm.bak", false},
        {"bookmark.htm*", true, "bokmark.htm", true},
        {"bookmark.htm*", true, "bookmrak.html", true},
        {"bookmark*", false, "bookmark.html", true},  // whole names, extension included
        {"bookmark", false, "bookmark", true},
        {"bookmark", false, "bookmark.htm", false},
        {"bookmark.", false, "bookmark", true},    // trailing dots are ignored
        {"  *.htm  ", false, "bookmark.", false},  // trimmed; the file's trailing dot goes too
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
    const CNumberFormatter comma;
    EXPECT_EQ("Found 1 file in 1.0 second.", FinderSummary(1, 1049, false, comma));
    EXPECT_EQ("Found 0 files in 0.5 seconds.", FinderSummary(0, 500, false, comma));
    EXPECT_EQ("File searching stopped.  Found 1.234 files in 0,5 seconds.",
              FinderSummary(1234, 500, true, CNumberFormatter(true, '.')));
    EXPECT_EQ("Found 1 file in 1,0 second.",
              FinderSummary(1, 1000, false, CNumberFormatter(true, ' ')));
    EXPECT_EQ("Found 1234 files in 0.5 seconds.",
              FinderSummary(1234, 500, false, CNumberFormatter(false, '.')));
}
