// CCategoryStatistics: the counts of the Statistics window, taken from the list at one moment:
// every record, the selected ones, those without a listed category, and those of each listed
// category in the category list's order. The category counts and NO CATEGORY add up to TOTAL.
#pragma once

#include <string>
#include <vector>

class CLinkList;
class CNumberFormatter;

class CCategoryStatistics {
public:
    // The rows before the categories.
    enum { rowTotal, rowSelected, rowNoCategory, firstCategoryRow };

    // Counts the list. A record counts under a category only when its Category equals a listed
    // name exactly (case-sensitively); anything else counts as NO CATEGORY.
    explicit CCategoryStatistics(const CLinkList& list);

    // Attributes
    const std::vector<std::string>& Names() const { return m_names; }
    const std::vector<int>& Counts() const { return m_counts; }

private:
    std::vector<std::string> m_names;
    std::vector<int> m_counts;
};

// The line below the Statistics list: the sum of the chosen rows' counts, as "%s item%s".
std::string ItemSumText(const std::vector<long long>& counts, const CNumberFormatter& formatter);
