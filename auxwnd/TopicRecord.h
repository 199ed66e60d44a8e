// CTopicRecord: one row of the topic chooser, a tip's number (from 1) and its topic, and the
// order of the chooser's columns.
#pragma once

#include <string>

struct CTopicRecord {
    // The chooser's columns: an empty, zero-wide first one, then "Tip #" and "Topic".
    enum { columnNone, columnNumber, columnTopic, columnCount };

    int m_nTip = 0;
    std::string m_strTopic;
};

// Compares two rows by `column`: the number numerically, the topic in natural order, the empty
// column as equal; the result is negated when `reversed`.
int CompareTopicRecords(const CTopicRecord& first, const CTopicRecord& second, int column,
                        bool reversed);
