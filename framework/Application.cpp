#include "framework/Application.h"

#include <commctrl.h>
#include <ole2.h>

#include "res/resource.h"

CApplication* CApplication::s_pApp = nullptr;

namespace {
int g_quitCode = 0;
}  // namespace

void SetQuitCode(int code) {
    g_quitCode = code;
}
int GetQuitCode() {
    return g_quitCode;
}

CApplication::CApplication() {
    s_pApp = this;
}

CApplication::~CApplication() {
    if (m_bOleInitialized) ::OleUninitialize();
    if (s_pApp == this) s_pApp = nullptr;
}

HINSTANCE CApplication::GetInstance() {
    return ::GetModuleHandleA(nullptr);
}

std::string CApplication::GetAppName() {
    char name[256] = {};
    if (::LoadStringA(GetInstance(), IDS_APP_TITLE, name, sizeof name) <= 0) return "VeltrimLinks";
    return name;
}

bool CApplication::LoadResourceString(UINT id, std::string& text) {
    char buffer[4096];
    const int length = ::LoadStringA(GetInstance(), id, buffer, sizeof buffer);
    if (length <= 0) return false;
    text.assign(buffer, static_cast<std::size_t>(length));
    return true;
}

void CApplication::EnableControls() {
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&init);
}

void CApplication::InitializeOle() {
    // The result is not checked: without COM only the resolving of dropped shortcuts is lost.
    ::OleInitialize(nullptr);
}

int CApplication::Run(HINSTANCE) {
    EnableControls();
    InitializeOle();
    m_bOleInitialized = true;
    if (InitInstance()) {
        MSG msg;
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        return static_cast<int>(msg.wParam);
    }
    return GetQuitCode();
}
