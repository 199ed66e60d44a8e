// The About box opened from the real main window: the texts, Copy with the clipboard, and the web
// link that reaches the shell and turns purple, or beeps when nothing opens.
#include <windows.h>

#include "controls/StaticLink.h"
#include "tests/gui/AuxWindowFixture.h"

namespace {

struct CLinkLook {
    COLORREF color;
    int bkMode;
    bool underlined;
};

// What the link draws with: its dialog is asked for the colours as the control asks when it paints.
CLinkLook LookOf(HWND about, HWND link) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    ::SendMessageA(about, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(link));
    LOGFONTA font = {};
    ::GetObjectA(::GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
    const CLinkLook look = {::GetTextColor(dc), ::GetBkMode(dc), font.lfUnderline != 0};
    ::DeleteDC(dc);
    return look;
}

const char* const kWebPage = "https://www.corvane.example/veltrimlinks";

class About : public AuxWindowFixture {};

}  // namespace

TEST_F(About, CtrlAOpensItAndCopyPutsTheAddressOnTheClipboard) {
    Open();
    if (::OpenClipboard(nullptr)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
    m_answers.Queue(IDOK);
    m_modal.Expect([](HWND about) {
        EXPECT_EQ("VeltrimLinks Version 1.0", ItemText(about, IDC_ABOUT_PRODUCT));
        EXPECT_EQ("Copyright 2026 Corvane Software", ItemText(about, IDC_ABOUT_NOTICE));
        EXPECT_EQ(kWebPage, ItemText(about, IDC_WEB_LINK));
        EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(about, IDC_SUPPORT_EMAIL), GWL_STYLE) &
                    ES_READONLY);
        ::SendMessageA(::GetDlgItem(about, IDC_COPY_EMAIL), BM_CLICK, 0, 0);
        EXPECT_EQ("support@corvane.example", ClipboardText());
        CModalWatch::Press(about, IDOK);
    });
    PostCtrlKey(Item(IDC_LINK_LIST), 'A');
    EXPECT_TRUE(PumpUntil([this] { return m_modal.Seen() == 1; }));
    ReleaseCtrlKey();
    ASSERT_EQ(1u, m_answers.Shown().size());
    EXPECT_EQ("This e-mail address has been copied to the clipboard.", m_answers.Shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), m_answers.Shown()[0].type & MB_ICONMASK);
}

TEST_F(About, AClickOnTheLinkReachesTheShellAndTurnsItPurpleOnceItOpens) {
    CRecordingLauncher& shell = m_launcher;
    shell.m_nResult = 2;  // the file was not found
    Open();
    RunWindow(IDM_ABOUTBOX, [&shell](HWND about) {
        HWND link = ::GetDlgItem(about, IDC_WEB_LINK);
        const CLinkLook before = LookOf(about, link);
        EXPECT_EQ(CStaticLink::unvisitedColor, before.color);
        EXPECT_EQ(TRANSPARENT, before.bkMode);
        EXPECT_TRUE(before.underlined);
        EXPECT_EQ(HTCLIENT, ::SendMessageA(link, WM_NCHITTEST, 0, 0));
        const std::string open = std::string("open ") + kWebPage;
        // The link itself is empty: its text is tried, then the string with the control's id.
        ::SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        EXPECT_EQ((std::vector<std::string>{open, open}), shell.Launched());
        EXPECT_EQ(CStaticLink::unvisitedColor, LookOf(about, link).color);
        shell.m_nResult = 42;
        ::SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(3u, shell.Launched().size());
        EXPECT_EQ(CStaticLink::visitedColor, LookOf(about, link).color);
        CModalWatch::Press(about, IDOK);
    });
}
