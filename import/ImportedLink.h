// Appending one bookmark to the list of links.
#pragma once

#include <string>
#include <string_view>

#include "store/LinkList.h"

enum class EImportedLink {
    added,
    empty,       // title and address both empty: nothing added, and the import ends there
    outOfMemory  // no record added (its category may have been listed)
};

// Appends a record with the title and the address as read, an empty description, and the
// category trimmed, which joins the category list when it is new; Added and Last Modified are
// `now`. `lastListed`, when given, holds the category that the previous call made sure of, so that
// the links of one folder look the category list up once.
EImportedLink AddImportedLink(CLinkList& list, std::string_view title, std::string_view link,
                              std::string_view category, const CDateTime& now,
                              std::string* lastListed = nullptr);
