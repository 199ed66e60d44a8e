// CStaticLink: the colour request, the click and the cursor of a link.
#include "controls/StaticLink.h"

#include "app/ShellLauncher.h"
#include "framework/Application.h"

HCURSOR CStaticLink::s_hHandCursor = nullptr;
bool CStaticLink::s_bTriedHelpCursor = false;

CStaticLink::CStaticLink(CShellLauncher& launcher, std::string link, bool deleteOnDestroy)
    : m_link(std::move(link)), m_launcher(launcher), m_bDeleteOnDestroy(deleteOnDestroy) {}

CStaticLink::~CStaticLink() {
    // The control must not keep drawing with a font that is about to go.
    if (IsWindow() && m_font) SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_hOriginalFont));
    Unsubclass();
    if (m_font) ::DeleteObject(m_font);
}

bool CStaticLink::SubclassDlgItem(int id, HWND dialog) {
    HWND control = ::GetDlgItem(dialog, id);
    if (!Subclass(control)) return false;
    Attach(control);
    return true;
}

bool CStaticLink::OnSubclassMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
        case WM_NCHITTEST:
            // A static control lets clicks through to its dialog; a link takes them.
            result = HTCLIENT;
            return true;
        case kReflectBase + WM_CTLCOLORSTATIC:
            result = OnColorRequest(reinterpret_cast<HDC>(wParam));
            return result != 0;
        case WM_LBUTTONUP:
            OnClick();
            result = 0;
            return true;
        case WM_SETCURSOR:
            if (HCURSOR hand = HandCursor()) {
                ::SetCursor(hand);
                result = TRUE;
                return true;
            }
            return false;
        default:
            return false;
    }
}

LRESULT CStaticLink::OnColorRequest(HDC dc) {
    // Only text statics look like links; icons, frames and the like keep their colours.
    const DWORD type = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)) & SS_TYPEMASK;
    if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT) return 0;
    if (!m_font) {
        m_hOriginalFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
        LOGFONTA description = {};
        HGDIOBJ source = m_hOriginalFont ? static_cast<HGDIOBJ>(m_hOriginalFont)
                                         : ::GetStockObject(DEFAULT_GUI_FONT);
        if (::GetObjectA(source, sizeof description, &description)) {
            description.lfUnderline = TRUE;
            m_font = ::CreateFontIndirectA(&description);
        }
        // The control selects its own font when it draws its text: it gets the underlined one,
        // without a repaint of its own, as this request is part of one.
        if (m_font) SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    }
    if (m_font) ::SelectObject(dc, m_font);
    ::SetTextColor(dc, m_color);
    ::SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

void CStaticLink::OnClick() {
    bool opened = Open(m_link);
    if (!opened) {
        m_link = GetWindowText();
        opened = Open(m_link);
    }
    if (!opened) {
        m_link.clear();
        CApplication::LoadResourceString(static_cast<UINT>(GetDlgCtrlID()), m_link);
        opened = Open(m_link);
    }
    if (!opened) {
        ::MessageBeep(0);
        return;
    }
    m_color = visitedColor;
    // The text has no background of its own: the dialog repaints what lies behind it first.
    RECT area;
    GetWindowRect(&area);
    HWND parent = ::GetParent(m_hWnd);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool CStaticLink::Open(const std::string& target) {
    return !target.empty() && m_launcher.Execute("open", target) > 32;
}

HCURSOR CStaticLink::HandCursor() {
    if (!s_hHandCursor && !s_bTriedHelpCursor) {
        // Systems without a standard hand cursor have one in the help program; a copy outlives
        // the module.
        s_bTriedHelpCursor = true;
        char path[MAX_PATH] = {};
        const UINT length = ::GetWindowsDirectoryA(path, MAX_PATH);
        if (length > 0 && length < MAX_PATH - 14) {
            lstrcatA(path, "\\winhlp32.exe");
            if (HMODULE module = ::LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
                if (HCURSOR cursor = ::LoadCursorA(module, MAKEINTRESOURCEA(106)))
                    s_hHandCursor =
                        static_cast<HCURSOR>(::CopyImage(cursor, IMAGE_CURSOR, 0, 0, 0));
                ::FreeLibrary(module);
            }
        }
    }
    return s_hHandCursor;
}

void CStaticLink::OnFinalMessage() {
    m_hWnd = nullptr;
    if (m_bDeleteOnDestroy) delete this;
}
