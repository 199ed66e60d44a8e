// Fuzz target: the bookmark export read back by the bookmark reader. The input's first 9 bytes are
// the records' Added date (a double, little-endian, then a status byte); the rest are texts apart
// by the byte 0x1E, taken in turn as title, address, category and description of one record after
// another. The collection kept within the reader's limits comes back whole: every record with a
// title or an address, with its title, address and category byte for byte, the records of each
// category in row order.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "import/BookmarkExport.h"
#include "import/BookmarkReader.h"
#include "import/MemoryBookmarkSource.h"
#include "store/TextTrim.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

// An address whose escaped form ("&quot;" for '"') would not fit the 1,024 bytes the reader keeps
// of a tag loses its end quote there, and the link is skipped by design; this keeps it inside.
constexpr std::size_t kLongestAddress = (CBookmarkReader::tagLimit - 16) / 6;

using CLinks = std::map<std::string, std::vector<std::pair<std::string, std::string>>>;

// The titles and addresses of the records with either, by category.
CLinks LinksByCategory(const CLinkList& list) {
    CLinks links;
    for (std::size_t row = 0; row < list.GetCount(); ++row) {
        const CLinkItem& item = *list.GetAt(row);
        if (item.m_strTitle.empty() && item.m_strLink.empty()) continue;
        links[item.m_strCategory.str()].emplace_back(item.m_strTitle.str(), item.m_strLink.str());
    }
    return links;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t dateBytes = 9;
    if (size < dateBytes) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const CDateTime added(value, static_cast<std::int8_t>(data[8]));

    // Categories are trimmed and kept to the reader's limit as an import makes them; every other
    // record's category is listed, so that folders come both from the category list and from the
    // records alone.
    CLinkList list;
    std::string_view fields[4];
    std::size_t field = 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + dateBytes, size - dateBytes);
    for (std::size_t at = 0; at <= rest.size();) {
        const std::size_t end = std::min(rest.find('\x1E', at), rest.size());
        fields[field++] = rest.substr(at, end - at);
        at = end + 1;
        if (field < 4 && at <= rest.size()) continue;
        const std::string_view category =
            TrimView(fields[2].substr(0, CBookmarkReader::categoryLimit));
        if (list.GetCount() % 2 == 0) list.Categories().AddIfAbsent(category);
        list.AddLinkItem(fields[0], fields[1].substr(0, kLongestAddress), fields[3], category,
                         added, CDateTime(value + list.GetCount(), CDateTime::valid));
        std::fill(fields, fields + 4, std::string_view());
        field = 0;
    }

    std::string bytes;
    CMemorySink sink(bytes);
    CExportOutcome exported;
    Require(WriteBookmarks(sink, list, exported), "the export is written");
    const CLinks expected = LinksByCategory(list);
    std::size_t links = 0;
    for (const auto& category : expected) links += category.second.size();
    Require(exported.linksWritten == links && exported.linksLeftOut == list.GetCount() - links,
            "the export counts the records written and those without title and address");

    CMemoryBookmarkSource source(bytes);
    CBookmarkReader reader(source);
    CLinkList imported;
    const CImportOutcome outcome =
        reader.Import(imported, CDateTime(46100.5, CDateTime::valid), [] { return false; });
    Require(outcome.result == EImportResult::imported && outcome.imported == links,
            "every link written is imported");
    Require(LinksByCategory(imported) == expected,
            "titles, addresses and categories come back byte for byte, in order");
    return 0;
}
