// Reading bookmark files from memory in the tests, and what was read as text.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "import/BookmarkReader.h"
#include "import/MemoryBookmarkSource.h"

namespace bookmarks {

inline const CDateTime kNow(46100.5, CDateTime::valid);
inline const std::string kHeader = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n";

// Reads `bytes` into `list`, answering the not-a-bookmark-file question with `answer`.
inline CImportOutcome Read(std::string_view bytes, CLinkList& list, bool answer = true,
                           bool* asked = nullptr) {
    CMemoryBookmarkSource source(bytes);
    CBookmarkReader reader(source);
    return reader.Import(list, kNow, [&] {
        if (asked) *asked = true;
        return answer;
    });
}

// One line per record, "[title][link][category]"; with `categories`, then "--" and the category
// list one name a line.
inline std::string Records(const CLinkList& list, bool categories = false) {
    std::string text;
    for (std::size_t row = 0; row < list.GetCount(); ++row) {
        const CLinkItem& item = *list.GetAt(row);
        text += "[" + item.m_strTitle.str() + "][" + item.m_strLink.str() + "][" +
                item.m_strCategory.str() + "]\n";
    }
    if (categories) {
        text += "--\n";
        for (const std::string& name : list.Categories().Names()) text += name + "\n";
    }
    return text;
}

inline std::string TestFile(const std::string& name) {
    std::ostringstream bytes;
    bytes << std::ifstream(VELTRIM_TEST_DATA "/" + name, std::ios::binary).rdbuf();
    return bytes.str();
}

}  // namespace bookmarks
