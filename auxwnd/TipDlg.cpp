// CTipDlg: paging through the tips of the day, and the topic chooser.
#include "auxwnd/TipDlg.h"

#include "auxwnd/TipText.h"
#include "auxwnd/TopicDlg.h"
#include "framework/Application.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

namespace {

const char* const unreadableTips = "Could not read day-tip information.";

}  // namespace

CTipDlg::CTipDlg(HWND parent) : CDialog(IDD_TIP, parent) {}

void CTipDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_TIP_TOPIC, m_staticTopic);
    DDX_Control(dx, IDC_TIP_NUMBER, m_comboNumber);
    DDX_Control(dx, IDC_TIP_LAST, m_btnLast);
    DDX_Control(dx, IDC_TIP_FIRST, m_btnFirst);
    DDX_Control(dx, IDC_TIP_OF, m_staticOf);
    DDX_Control(dx, IDC_NEXT, m_btnNext);
    DDX_Control(dx, IDC_TIP_PREVIOUS, m_btnPrevious);
    DDX_Check(dx, IDC_TIP_SHOW, m_bShowDayTip);
}

BOOL CTipDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_editTip.Attach(GetDlgItem(IDC_TIP_TEXT));
    std::string count;
    if (CApplication::LoadResourceString(IDS_TIP_COUNT, count)) m_nTipCount = ParseTipCount(count);
    if (m_nTipCount <= 0) {
        FailToRead();
        return TRUE;
    }
    m_pager = CTipPager(m_nTip, m_nTipCount);
    m_nTip = m_pager.GetIndex();
    for (int number = 1; number <= m_nTipCount; ++number)
        m_comboNumber.AddString(std::to_string(number).c_str());
    m_staticOf.SetWindowText("of " + std::to_string(m_nTipCount));
    ShowTip();
    return TRUE;
}

bool CTipDlg::ShowTip() {
    m_nTip = m_pager.GetIndex();
    std::string raw;
    if (!CApplication::LoadResourceString(IDS_TIP_FIRST + static_cast<UINT>(m_nTip), raw)) {
        FailToRead();
        return false;
    }
    std::string_view firstLine;
    if (m_nTip == 0 && FirstLineOfTip(raw, firstLine)) {
        // The welcome line stands in the middle of the box, in the box's own font.
        HDC dc = ::GetDC(m_editTip);
        HGDIOBJ old =
            ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(m_editTip.SendMessage(WM_GETFONT)));
        SIZE line = {}, blank = {};
        ::GetTextExtentPoint32A(dc, firstLine.data(), static_cast<int>(firstLine.size()), &line);
        ::GetTextExtentPoint32A(dc, " ", 1, &blank);
        ::SelectObject(dc, old);
        ::ReleaseDC(m_editTip, dc);
        RECT client;
        m_editTip.GetClientRect(&client);
        const int blanks = CentringBlanks(client.right - client.left, line.cx, blank.cx);
        raw.insert(0, static_cast<std::size_t>(blanks), ' ');
    }
    const CTipText tip = ParseTip(raw);
    m_editTip.SetWindowText(tip.m_strText);
    m_staticTopic.SetWindowText(tip.m_strTopic);
    m_btnFirst.EnableWindow(m_pager.CanGoBack());
    m_btnPrevious.EnableWindow(m_pager.CanGoBack());
    m_btnNext.EnableWindow(m_pager.CanGoForward());
    m_btnLast.EnableWindow(m_pager.CanGoForward());
    m_comboNumber.SetCurSel(m_nTip);
    // A button that was just disabled under the focus hands it on, so that the keyboard works.
    HWND focus = ::GetFocus();
    if (focus && !::IsWindowEnabled(focus)) SendMessage(WM_NEXTDLGCTL, 0, FALSE);
    return true;
}

void CTipDlg::FailToRead() {
    AppMessageBox(m_hWnd, unreadableTips, MB_OK | MB_ICONEXCLAMATION);
    EndDialog(IDCANCEL);
}

bool CTipDlg::OnCommand(int id, int code, HWND control) {
    if (id == IDC_TIP_NUMBER) {
        if (code != CBN_SELCHANGE) return false;
        m_pager.Select(m_comboNumber.GetCurSel());
        ShowTip();
        return true;
    }
    if (code != BN_CLICKED) return CDialog::OnCommand(id, code, control);
    switch (id) {
        case IDC_TIP_FIRST:
            m_pager.First();
            break;
        case IDC_TIP_PREVIOUS:
            m_pager.Previous();
            break;
        case IDC_NEXT:
            m_pager.Next();
            break;
        case IDC_TIP_LAST:
            m_pager.Last();
            break;
        case IDC_TIP_TOPICS:
            OnTopics();
            return true;
        default:
            return CDialog::OnCommand(id, code, control);
    }
    ShowTip();
    return true;
}

bool CTipDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    // The close box keeps the check box's choice; Esc, which the dialog manager also turns into
    // IDCANCEL, does not.
    if (msg != WM_SYSCOMMAND || (wParam & 0xFFF0) != SC_CLOSE) return false;
    UpdateData(true);
    EndDialog(IDOK);
    result = 0;
    return true;
}

void CTipDlg::OnTopics() {
    if (!LoadTopics()) return;
    CTopicDlg chooser(m_topics, m_hWnd);
    chooser.m_nSelected = m_nTip;
    if (chooser.DoModal() != IDOK || chooser.m_nSelected < 0) return;
    m_pager.Select(chooser.m_nSelected);
    ShowTip();
}

bool CTipDlg::LoadTopics() {
    for (int k = static_cast<int>(m_topics.size()); k < m_nTipCount; ++k) {
        std::string raw;
        if (!CApplication::LoadResourceString(IDS_TIP_FIRST + static_cast<UINT>(k), raw)) {
            AppMessageBox(m_hWnd, "Could not read the list of topics.", MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        m_topics.push_back(TopicOfTip(raw));
    }
    return true;
}
