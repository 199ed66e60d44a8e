// CSortedComboBox: the sorted insert of a combo box.
#include "controls/SortedComboBox.h"

#include <string>

#include "controls/SortedPosition.h"

void CSortedComboBox::SetComparator(std::unique_ptr<CNaturalComparator> comparator) {
    m_pComparator = comparator ? std::move(comparator) : std::make_unique<CNaturalComparator>();
}

int CSortedComboBox::AddString(const char* text) {
    if (!text) text = "";
    if (!(GetStyle() & CBS_SORT)) return InsertString(-1, text);
    // CB_INSERTSTRING does not sort, even with CBS_SORT, so the comparator's place stands.
    const int index = FindSortedPosition(GetCount(), text, *m_pComparator,
                                         [this](int i) { return GetLBText(i); });
    return InsertString(index, text);
}
