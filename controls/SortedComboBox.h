// CSortedComboBox: a combo box that, when it has the sort style, adds each entry at its place in
// its comparator's order (natural order by default) instead of the platform's, and otherwise
// appends it.
#pragma once

#include <memory>

#include "framework/ComboBox.h"
#include "store/CompareNatural.h"

class CSortedComboBox : public CComboBox {
public:
    // Constructors
    CSortedComboBox() : m_pComparator(std::make_unique<CNaturalComparator>()) {}

    // Attributes
    const CNaturalComparator& GetComparator() const { return *m_pComparator; }

    // Operations
    // The control owns the new comparator; nullptr restores the natural order.
    void SetComparator(std::unique_ptr<CNaturalComparator> comparator);
    // Adds `text` (CBS_SORT: at its sorted place; otherwise at the end) and returns the new
    // entry's index, negative on failure.
    int AddString(const char* text);

private:
    std::unique_ptr<CNaturalComparator> m_pComparator;
};
