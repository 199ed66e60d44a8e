// CMultiSortOrder: the priorities of the multi-column sort, each a column and a direction, and
// the edits the Multi-Column Sorting window makes to them. Every column has exactly one priority.
#pragma once

#include <array>

#include "tools/SortColumn.h"

struct CSortKey {
    int column;
    bool increasing;
};

class CMultiSortOrder {
public:
    static constexpr int kCount = kSortColumnCount;

    // Constructors
    // The default order: column k at priority k, all increasing.
    CMultiSortOrder() { Reset(); }

    // Attributes
    const CSortKey& GetAt(int priority) const { return m_keys[priority]; }
    // The label of a priority: "1st" ... "5th".
    static const char* PriorityLabel(int priority);
    // "Increasing" or "Decreasing".
    static const char* DirectionText(bool increasing);
    // Whether the entry at `priority` (the list's selection mark) can move up or down.
    static bool CanMoveUp(int priority) { return priority > 0 && priority < kCount; }
    static bool CanMoveDown(int priority) { return priority >= 0 && priority < kCount - 1; }

    // Operations
    // Swaps the entry at `priority` with the one above (below) it and returns the priority it
    // has now; an entry that cannot move stays, and its priority is returned.
    int MoveUp(int priority);
    int MoveDown(int priority);
    // Toggles the direction of a priority; nothing for a priority out of range.
    void Reverse(int priority);
    void Reset();

    friend bool operator==(const CMultiSortOrder& a, const CMultiSortOrder& b) {
        for (int i = 0; i < kCount; ++i)
            if (a.m_keys[i].column != b.m_keys[i].column ||
                a.m_keys[i].increasing != b.m_keys[i].increasing)
                return false;
        return true;
    }

private:
    std::array<CSortKey, kCount> m_keys;
};
