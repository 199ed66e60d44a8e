// CMultiSortOrder: the priorities of the multi-column sort and their edits.
#include "tools/MultiSortOrder.h"

#include <utility>

const char* CMultiSortOrder::PriorityLabel(int priority) {
    static const char* const labels[kCount] = {"1st", "2nd", "3rd", "4th", "5th"};
    return priority >= 0 && priority < kCount ? labels[priority] : "";
}

const char* CMultiSortOrder::DirectionText(bool increasing) {
    return increasing ? "Increasing" : "Decreasing";
}

int CMultiSortOrder::MoveUp(int priority) {
    if (!CanMoveUp(priority)) return priority;
    std::swap(m_keys[priority - 1], m_keys[priority]);
    return priority - 1;
}

int CMultiSortOrder::MoveDown(int priority) {
    if (!CanMoveDown(priority)) return priority;
    std::swap(m_keys[priority], m_keys[priority + 1]);
    return priority + 1;
}

void CMultiSortOrder::Reverse(int priority) {
    if (priority >= 0 && priority < kCount)
        m_keys[priority].increasing = !m_keys[priority].increasing;
}

void CMultiSortOrder::Reset() {
    for (int priority = 0; priority < kCount; ++priority) m_keys[priority] = {priority, true};
}
