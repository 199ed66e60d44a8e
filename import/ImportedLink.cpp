// AddImportedLink: one record from a bookmark, its category into the category list.
#include "import/ImportedLink.h"

#include <new>

#include "store/TextTrim.h"

EImportedLink AddImportedLink(CLinkList& list, std::string_view title, std::string_view link,
                              std::string_view category, const CDateTime& now,
                              std::string* lastListed) {
    if (title.empty() && link.empty()) return EImportedLink::empty;
    const std::string_view trimmed = TrimView(category);
    // The category is listed first: when the record then cannot be stored, a listed name that no
    // record uses is something the list allows, and the count of added links stays right.
    if (!lastListed || *lastListed != trimmed) {
        try {
            list.Categories().AddIfAbsent(trimmed);
            if (lastListed) lastListed->assign(trimmed);
        } catch (const std::bad_alloc&) {
            return EImportedLink::outOfMemory;
        }
    }
    if (!list.AddLinkItem(title, link, std::string_view(), trimmed, now, now))
        return EImportedLink::outOfMemory;
    return EImportedLink::added;
}
