#include "framework/ComboBox.h"

#include <vector>

std::string CComboBox::GetLBText(int index) const {
    const LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR || length <= 0) return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const LRESULT copied = SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(buffer.data()));
    return copied == CB_ERR ? std::string()
                            : std::string(buffer.data(), static_cast<size_t>(copied));
}
