// CLinkItem: one veltrim link, a plain record.
#pragma once

#include "store/CompactString.h"
#include "store/DateTime.h"

struct CLinkItem {
    CCompactString m_strTitle;
    CCompactString m_strLink;
    CCompactString m_strDescription;  // lines separated by CR LF
    CCompactString m_strCategory;     // empty: in no category
    CDateTime m_dtAdded;
    CDateTime m_dtModified;
};
