// Lists whose records are titled "0", "1", ... in row order, and their titles as one text.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "store/LinkList.h"

namespace testlist {

inline const CDateTime kAdded(46023.25, CDateTime::valid);

inline void Fill(CLinkList& list, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        ASSERT_TRUE(list.AddLinkItem(std::to_string(i), "l", "d", "c", kAdded, kAdded));
}

inline std::string Titles(const CLinkList& list) {
    std::string titles;
    for (std::size_t row = 0; row < list.GetCount(); ++row)
        titles += (row ? "," : "") + list.GetAt(row)->m_strTitle.str();
    return titles;
}

}  // namespace testlist
