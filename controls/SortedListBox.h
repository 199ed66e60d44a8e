// CSortedListBox: a list box that, when it has the sort style, adds each entry at its place in
// its comparator's order (natural order by default), and otherwise appends it; it keeps its
// horizontal scroll extent at the width of its widest entry. Each entry's width (its text in the
// list box's font plus 6 pixels, at most 32767) is kept as the entry's item data, so the item
// data belongs to this class.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/ListBox.h"
#include "store/CompareNatural.h"

class CSortedListBox : public CListBox {
public:
    // Constructors
    CSortedListBox() : m_pComparator(std::make_unique<CNaturalComparator>()) {}

    // Attributes
    const CNaturalComparator& GetComparator() const { return *m_pComparator; }
    // The width of the widest entry, which is also the horizontal extent.
    int GetLargestWidth() const { return m_nLargest; }

    // Operations
    // The control owns the new comparator; nullptr restores the natural order.
    void SetComparator(std::unique_ptr<CNaturalComparator> comparator);
    // Adds `text` (LBS_SORT: at its sorted place; otherwise at the end) and returns the new
    // entry's index, negative on failure.
    int AddString(const char* text);
    // Deletes an entry; returns the count of entries left, negative on failure.
    int DeleteString(int index);
    // Empties the list box; the extent becomes 0.
    void ResetContent();
    // Adds `text` unless an entry equals it in any letter case, and selects the new or the listed
    // entry alone; false when it was listed.
    bool AddUnique(const std::string& text);
    // Takes the entry at the caret out when it is selected, giving its text; false when the
    // caret is on no selected entry.
    bool TakeCaretEntry(std::string& text);
    // Deletes every selected entry, with drawing suppressed and the extent computed once.
    void DeleteSelected();
    std::vector<std::string> Entries() const;
    // On around bulk deletions: deleting the widest entry only notes that the extent is due, and
    // switching the mode off computes it once.
    void SetDeferExtent(bool defer);
    // Sets the font and measures every entry again.
    void SetFont(HFONT font, bool redraw = true);
    // Measures every entry again. The owner calls it when the system's fonts or metrics change
    // (WM_FONTCHANGE, WM_SETTINGCHANGE), which only top-level windows are told of.
    void RemeasureAll();

private:
    void RecomputeExtent();
    void SetLargest(int width);

    std::unique_ptr<CNaturalComparator> m_pComparator;
    int m_nLargest = 0;
    bool m_bDeferExtent = false;
    bool m_bExtentDue = false;
};
