// CSortedListBox: the sorted insert of a list box and its horizontal extent.
#include "controls/SortedListBox.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "controls/SortedPosition.h"

namespace {

constexpr int kMaxWidth = 32767;
constexpr int kWidthMargin = 6;

// Runs `measure(dc)` with a device context of the list box that has the list box's font.
template <class Measure>
void WithListFont(HWND list, Measure measure) {
    HDC dc = ::GetDC(list);
    if (!dc) return;
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageA(list, WM_GETFONT, 0, 0));
    const HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    try {
        measure(dc);
    } catch (...) {
        if (old) ::SelectObject(dc, old);
        ::ReleaseDC(list, dc);
        throw;
    }
    if (old) ::SelectObject(dc, old);
    ::ReleaseDC(list, dc);
}

int TextWidth(HDC dc, const char* text, std::size_t length) {
    SIZE size = {0, 0};
    const int count = static_cast<int>(std::min<std::size_t>(length, INT_MAX));
    if (!::GetTextExtentPoint32A(dc, text, count, &size)) size.cx = 0;
    return static_cast<int>(std::clamp<long>(size.cx + kWidthMargin, 0, kMaxWidth));
}

}  // namespace

void CSortedListBox::SetComparator(std::unique_ptr<CNaturalComparator> comparator) {
    m_pComparator = comparator ? std::move(comparator) : std::make_unique<CNaturalComparator>();
}

int CSortedListBox::AddString(const char* text) {
    if (!text) text = "";
    int index;
    if (GetStyle() & LBS_SORT) {
        // LB_INSERTSTRING does not sort, even with LBS_SORT, so the comparator's place stands.
        index = FindSortedPosition(GetCount(), text, *m_pComparator,
                                   [this](int i) { return GetText(i); });
        index = InsertString(index, text);
    } else {
        index = InsertString(-1, text);
    }
    if (index < 0) return index;

    int width = kWidthMargin;
    WithListFont(m_hWnd, [&](HDC dc) { width = TextWidth(dc, text, std::strlen(text)); });
    SetItemData(index, width);
    if (width > m_nLargest) SetLargest(width);
    return index;
}

int CSortedListBox::DeleteString(int index) {
    const LRESULT width = GetItemData(index);
    const int left = CListBox::DeleteString(index);
    if (left < 0) return left;
    if (width >= m_nLargest) {
        if (m_bDeferExtent)
            m_bExtentDue = true;
        else
            RecomputeExtent();
    }
    return left;
}

void CSortedListBox::ResetContent() {
    CListBox::ResetContent();
    m_bExtentDue = false;
    SetLargest(0);
}

void CSortedListBox::SetDeferExtent(bool defer) {
    m_bDeferExtent = defer;
    if (!defer && m_bExtentDue) RecomputeExtent();
}

void CSortedListBox::SetFont(HFONT font, bool redraw) {
    CListBox::SetFont(font, redraw);
    RemeasureAll();
}

void CSortedListBox::RemeasureAll() {
    const int count = GetCount();
    WithListFont(m_hWnd, [&](HDC dc) {
        for (int i = 0; i < count; ++i) {
            const std::string text = GetText(i);
            SetItemData(i, TextWidth(dc, text.c_str(), text.size()));
        }
    });
    RecomputeExtent();
}

void CSortedListBox::RecomputeExtent() {
    int largest = 0;
    const int count = GetCount();
    for (int i = 0; i < count; ++i)
        largest =
            std::max(largest, static_cast<int>(std::clamp<LRESULT>(GetItemData(i), 0, kMaxWidth)));
    m_bExtentDue = false;
    SetLargest(largest);
}

void CSortedListBox::SetLargest(int width) {
    m_nLargest = width;
    SetHorizontalExtent(width);
}

bool CSortedListBox::AddUnique(const std::string& text) {
    SetSel(-1, false);
    const int listed = FindStringExact(-1, text.c_str());
    SetSel(listed >= 0 ? listed : AddString(text.c_str()));
    return listed < 0;
}

bool CSortedListBox::TakeCaretEntry(std::string& text) {
    const int caret = static_cast<int>(SendMessage(LB_GETCARETINDEX));
    if (caret < 0 || GetSel(caret) <= 0) return false;
    text = GetText(caret);
    DeleteString(caret);
    return true;
}

void CSortedListBox::DeleteSelected() {
    SetRedraw(false);
    SetDeferExtent(true);
    const std::vector<int> selected = GetSelItems();
    for (auto row = selected.rbegin(); row != selected.rend(); ++row) DeleteString(*row);
    SetDeferExtent(false);
    SetRedraw(true);
    Invalidate();
}

std::vector<std::string> CSortedListBox::Entries() const {
    std::vector<std::string> entries;
    for (int i = 0; i < GetCount(); ++i) entries.push_back(GetText(i));
    return entries;
}
