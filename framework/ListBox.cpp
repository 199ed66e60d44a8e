#include "framework/ListBox.h"

std::vector<int> CListBox::GetSelItems() const {
    const int count = GetSelCount();
    std::vector<int> items(count > 0 ? static_cast<size_t>(count) : 0);
    if (items.empty()) return items;
    const LRESULT got = SendMessage(LB_GETSELITEMS, static_cast<WPARAM>(count),
                                    reinterpret_cast<LPARAM>(items.data()));
    items.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return items;
}

std::string CListBox::GetText(int index) const {
    const LRESULT length = SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR || length <= 0) return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const LRESULT copied = SendMessage(LB_GETTEXT, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(buffer.data()));
    return copied == LB_ERR ? std::string()
                            : std::string(buffer.data(), static_cast<size_t>(copied));
}
