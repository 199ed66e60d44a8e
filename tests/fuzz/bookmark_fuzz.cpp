// Fuzz target: the bookmark reader on any bytes, in both passes. The first input byte chooses:
// bit 0 answers the "continue anyway" question (Yes when set), bit 1 puts the bookmark header
// before the rest, so that the folder pass is reached as easily as the flat one.
#include <cstdint>
#include <string>

#include "import/BookmarkReader.h"
#include "import/MemoryBookmarkSource.h"
#include "store/TextTrim.h"
#include "tests/core/AllocationWatch.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    allocwatch::Install();
    const bool answer = (data[0] & 1) != 0;
    std::string bytes = (data[0] & 2) != 0 ? "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n" : "";
    bytes.append(reinterpret_cast<const char*>(data) + 1, size - 1);

    CMemoryBookmarkSource source(bytes);
    CBookmarkReader reader(source);
    CLinkList list;
    bool asked = false;
    allocwatch::Start();
    const CImportOutcome outcome = reader.Import(list, CDateTime(46100.5, CDateTime::valid), [&] {
        asked = true;
        return answer;
    });
    // A text is never longer than the file (twice that as UTF-16 on its way to the code page);
    // the row table may double.
    Require(allocwatch::Stop() <= 2 * bytes.size() + 65536,
            "no allocation beyond the file's means");
    Require(!outcome.outOfMemory, "memory is enough");
    Require(
        outcome.result == (asked && !answer ? EImportResult::declined : EImportResult::imported),
        "a file is read to its end unless the question is answered No");
    Require(list.GetCount() == outcome.imported, "the count reported is the links added");
    for (std::size_t row = 0; row < list.GetCount(); ++row) {
        const CLinkItem& item = *list.GetAt(row);
        Require(!item.m_strTitle.empty() || !item.m_strLink.empty(), "a link is not empty");
        const std::string_view category = item.m_strCategory.view();
        Require(category.size() <= CBookmarkReader::categoryLimit, "a category within its limit");
        Require(TrimView(category) == category &&
                    (category.empty() || list.Categories().Contains(category)),
                "a category is trimmed and listed");
    }
    return 0;
}
