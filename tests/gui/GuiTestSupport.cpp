#include "tests/gui/GuiTestSupport.h"

#include <commctrl.h>

bool PumpUntil(const std::function<bool()>& pump, const std::function<bool()>& done,
               DWORD timeoutMs) {
    for (const DWORD start = ::GetTickCount(); pump(), !done();) {
        if (::GetTickCount() - start > timeoutMs) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

std::string WindowText(HWND hWnd) {
    char text[1024] = {};
    ::GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

std::string ClipboardText() {
    std::string text;
    if (!::OpenClipboard(nullptr)) return text;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(::GlobalLock(data))) text = chars;
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

namespace {

LPARAM RowPoint(HWND list, int row) {
    RECT rect = {LVIR_LABEL, 0, 0, 0};
    ::SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    ::SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&rect));
    return MAKELPARAM(rect.left + 4, (rect.top + rect.bottom) / 2);
}

void SetCtrlKey(BYTE state) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = state;
    ::SetKeyboardState(keys);
}

}  // namespace

void ClickRow(HWND list, int row, WPARAM keys) {
    ::PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, RowPoint(list, row));
    ::PostMessageA(list, WM_LBUTTONUP, keys, RowPoint(list, row));
}

void SelectRows(HWND list, const std::vector<int>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const WPARAM keys = i ? MK_CONTROL : 0;
        ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, RowPoint(list, rows[i]));
        ::SendMessageA(list, WM_LBUTTONUP, keys, RowPoint(list, rows[i]));
    }
}

std::string CellText(HWND list, int row, int column, int bufferSize) {
    std::string buffer(static_cast<size_t>(bufferSize), '\0');
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = &buffer[0];
    item.cchTextMax = bufferSize;
    ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
    return buffer.c_str();
}

void PostCtrlKey(HWND target, UINT key) {
    SetCtrlKey(0x80);
    ::PostMessageA(target, WM_KEYDOWN, key, 1);
}

void ReleaseCtrlKey() {
    SetCtrlKey(0);
}

std::string MenuItemText(HWND window, UINT id) {
    char text[256] = {};
    ::GetMenuStringA(::GetSystemMenu(window, FALSE), id, text, sizeof text, MF_BYCOMMAND);
    return text;
}

UINT MenuItemState(HWND window, UINT id) {
    return ::GetMenuState(::GetSystemMenu(window, FALSE), id, MF_BYCOMMAND);
}
