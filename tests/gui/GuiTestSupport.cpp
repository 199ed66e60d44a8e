#include "tests/gui/GuiTestSupport.h"

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "framework/MessageBox.h"
#include "store/ByteStream.h"
#include "store/DataFile.h"

CTempFolder::CTempFolder() {
    char base[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, base);
    static int serial = 0;
    for (;;) {
        std::ostringstream name;
        name << base << "veltrim-test-" << ::GetCurrentProcessId() << "-" << ++serial;
        if (::CreateDirectoryA(name.str().c_str(), nullptr)) {
            m_strPath = name.str();
            break;
        }
        if (::GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
}

CTempFolder::~CTempFolder() {
    if (m_strPath.empty()) return;
    for (const std::string& name : List()) {
        const std::string path = File(name);
        if (!::DeleteFileA(path.c_str())) ::RemoveDirectoryA(path.c_str());
    }
    ::RemoveDirectoryA(m_strPath.c_str());
}

std::vector<std::string> CTempFolder::List() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((m_strPath + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (::FindNextFileA(find, &found));
    ::FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

CMessageBoxAnswers::CMessageBoxAnswers() {
    SetMessageBoxHandler(
        [this](HWND, const std::string& text, const std::string& caption, UINT type) {
            m_shown.push_back({text, caption, type});
            if (m_answers.empty()) return IDOK;
            const int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        });
}

CMessageBoxAnswers::~CMessageBoxAnswers() {
    SetMessageBoxHandler(nullptr);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string MakeDataFileBytes(int count, int version) {
    CLinkList list;
    list.Categories().AddIfAbsent("News");
    list.Categories().AddIfAbsent("Tools");
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        const CDateTime added(46023.0 + i, CDateTime::valid);
        const CDateTime modified(46023.5 + i, CDateTime::valid);
        list.AddLinkItem("Title " + n, "http://example.com/" + n, "Line one " + n + "\r\nLine two",
                         i % 2 ? "News" : "Tools", added, modified);
    }
    std::string bytes;
    CMemorySink sink(bytes);
    CDataFile::WriteBody(sink, list);
    sink.Flush();
    if (version == 1) {
        // Version 1 records have no Last Modified: rebuild the body without it.
        std::string v1;
        CMemorySink out(v1);
        out.WriteInt32(1);
        out.WriteInt32(static_cast<std::int32_t>(list.Categories().GetCount() + 1));
        auto counted = [&out](std::string_view s) {
            out.WriteByte(static_cast<std::uint8_t>(s.size()));  // short texts only
            out.Write(s.data(), s.size());
        };
        for (const std::string& name : list.Categories().Names()) counted(name);
        counted(list.m_strNewCategory);
        out.WriteInt32(static_cast<std::int32_t>(list.GetCount()));
        for (size_t i = 0; i < list.GetCount(); ++i) {
            const CLinkItem& item = *list.GetAt(i);
            counted(item.m_strTitle);
            counted(item.m_strLink);
            counted(item.m_strDescription);
            counted(item.m_strCategory);
            out.WriteInt32(item.m_dtAdded.GetStatus());
            out.WriteDouble(item.m_dtAdded.GetValue());
        }
        out.Flush();
        return v1;
    }
    return bytes;
}

void WriteDataFile(const std::string& path, int count) {
    WriteFileBytes(path, MakeDataFileBytes(count));
}

void WriteDataFile(const std::string& path, const CLinkList& list) {
    std::string bytes;
    CMemorySink sink(bytes);
    CDataFile::WriteBody(sink, list);
    sink.Flush();
    WriteFileBytes(path, bytes);
}

bool PumpUntil(const std::function<bool()>& pump, const std::function<bool()>& done,
               DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        pump();
        if (done()) return true;
        if (::GetTickCount() - start > timeoutMs) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

std::string WindowText(HWND hWnd) {
    char text[1024] = {};
    ::GetWindowTextA(hWnd, text, sizeof text);
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

}  // namespace

void ClickRow(HWND list, int row, WPARAM keys) {
    const LPARAM point = RowPoint(list, row);
    ::PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, point);
    ::PostMessageA(list, WM_LBUTTONUP, keys, point);
}

std::string CellText(HWND list, int row, int column, int bufferSize) {
    std::string buffer(static_cast<size_t>(bufferSize), '\0');
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = &buffer[0];
    item.cchTextMax = bufferSize;
    const LRESULT length = ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                          reinterpret_cast<LPARAM>(&item));
    return std::string(buffer.c_str(), static_cast<size_t>(length));
}

void SelectRows(HWND list, const std::vector<int>& rows) {
    // Clicked as the user would: the first row alone, the others with Ctrl held.
    bool first = true;
    for (int row : rows) {
        const LPARAM point = RowPoint(list, row);
        const WPARAM keys = first ? 0 : MK_CONTROL;
        ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, point);
        ::SendMessageA(list, WM_LBUTTONUP, keys, point);
        first = false;
    }
}

void PostCtrlKey(HWND target, UINT key) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    keys[VK_LCONTROL] = 0x80;
    ::SetKeyboardState(keys);
    ::PostMessageA(target, WM_KEYDOWN, key, 1);
}

void ReleaseCtrlKey() {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0;
    keys[VK_LCONTROL] = 0;
    ::SetKeyboardState(keys);
}

std::string MenuItemText(HWND window, UINT id) {
    char text[256] = {};
    ::GetMenuStringA(::GetSystemMenu(window, FALSE), id, text, sizeof text, MF_BYCOMMAND);
    return text;
}

UINT MenuItemState(HWND window, UINT id) {
    return ::GetMenuState(::GetSystemMenu(window, FALSE), id, MF_BYCOMMAND);
}
