// The Tip of the Day window: at start-up, paging to the last tip and on to the first at the next
// start, the check box kept by the close box but not by Esc, and the topic chooser.
#include <windows.h>
#include <commctrl.h>

#include "auxwnd/TipText.h"
#include "framework/Application.h"
#include "tests/gui/AuxWindowFixture.h"

namespace {

class TipOfTheDay : public AuxWindowFixture {
protected:
    void SetUp() override {
        AuxWindowFixture::SetUp();
        std::string count;
        ASSERT_TRUE(CApplication::LoadResourceString(IDS_TIP_COUNT, count));
        m_nCount = ParseTipCount(count);
        ASSERT_GT(m_nCount, 1);
    }
    // Opens the main window with the tip at start-up; `act` closes the tip window.
    void OpenWithTip(CModalWatch::Action act) {
        m_profile.WriteInt("Misc", "Show Day Tip", 1);
        m_modal.Expect(std::move(act));
        Open();
    }
    int Setting(const char* key) const { return m_profile.GetInt("Misc", key, -1); }
    static int ShownNumber(HWND tip) {
        return static_cast<int>(
            ::SendMessageA(::GetDlgItem(tip, IDC_TIP_NUMBER), CB_GETCURSEL, 0, 0));
    }
    static void Uncheck(HWND tip) {
        ::SendMessageA(::GetDlgItem(tip, IDC_TIP_SHOW), BM_SETCHECK, BST_UNCHECKED, 0);
    }
    static void CloseBox(HWND tip) { ::PostMessageA(tip, WM_SYSCOMMAND, SC_CLOSE, 0); }
    static void Escape(HWND tip) {
        ::PostMessageA(::GetDlgItem(tip, IDC_TIP_SHOW), WM_KEYDOWN, VK_ESCAPE, 1);
    }

    int m_nCount = 0;
};

}  // namespace

TEST_F(TipOfTheDay, LastTipAtStartUpThenTheFirstAtTheNextAndOnlyTheCloseBoxKeepsTheCheckBox) {
    m_profile.WriteInt("Misc", "Day Tip Index", m_nCount - 1);
    OpenWithTip([this](HWND tip) {
        EXPECT_EQ(m_nCount - 1, ShownNumber(tip));
        EXPECT_EQ("of " + std::to_string(m_nCount), ItemText(tip, IDC_TIP_OF));
        EXPECT_EQ("Import Favorites", ItemText(tip, IDC_TIP_TOPIC));
        EXPECT_FALSE(ItemEnabled(tip, IDC_NEXT));
        EXPECT_FALSE(ItemEnabled(tip, IDC_TIP_LAST));
        EXPECT_TRUE(ItemEnabled(tip, IDC_TIP_PREVIOUS));
        Uncheck(tip);
        Escape(tip);
    });
    EXPECT_EQ(1, Setting("Show Day Tip")) << "Esc does not keep the check box";
    EXPECT_EQ(m_nCount, Setting("Day Tip Index"));
    Close();
    OpenWithTip([](HWND tip) {
        EXPECT_EQ(0, ShownNumber(tip));
        EXPECT_EQ("Introduction", ItemText(tip, IDC_TIP_TOPIC));
        // The welcome line is centred with blanks.
        const std::string text = ItemText(tip, IDC_TIP_TEXT);
        EXPECT_EQ(text.find("Welcome to VeltrimLinks 1.0"), text.find_first_not_of(' '));
        EXPECT_GT(text.find_first_not_of(' '), 10u);
        EXPECT_FALSE(ItemEnabled(tip, IDC_TIP_FIRST));
        EXPECT_FALSE(ItemEnabled(tip, IDC_TIP_PREVIOUS));
        ::SendMessageA(::GetDlgItem(tip, IDC_NEXT), BM_CLICK, 0, 0);
        EXPECT_EQ("Main Window", ItemText(tip, IDC_TIP_TOPIC));
        Uncheck(tip);
        CloseBox(tip);
    });
    EXPECT_EQ(0, Setting("Show Day Tip")) << "the close box keeps the check box";
    EXPECT_EQ(2, Setting("Day Tip Index"));
}

TEST_F(TipOfTheDay, TopicChooserSortedByTopicOpensTheTipOnTheChosenRow) {
    Open();
    RunWindow(IDM_TIP, [this](HWND tip) {
        m_modal.Expect([](HWND chooser) {
            HWND list = ::GetDlgItem(chooser, IDC_TOPIC_LIST);
            EXPECT_EQ(LVIS_SELECTED, ::SendMessageA(list, LVM_GETITEMSTATE, 0, LVIS_SELECTED));
            HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
            RECT topic = {};
            ::SendMessageA(header, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&topic));
            const LPARAM point = MAKELPARAM((topic.left + topic.right) / 2, topic.bottom / 2);
            ::PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
            ::PostMessageA(header, WM_LBUTTONUP, 0, point);
            EXPECT_TRUE(
                PumpThreadUntil([list] { return CellText(list, 0, 2) == "Categories Page"; }));
            EXPECT_EQ("10", CellText(list, 0, 1));
            // A double-click chooses: the third row is "Import Favorites", the last tip.
            EXPECT_EQ("Import Favorites", CellText(list, 2, 2));
            ClickRow(list, 2);
            RECT row = {LVIR_LABEL, 0, 0, 0};
            ::SendMessageA(list, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
            ::PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON,
                           MAKELPARAM(row.left + 4, (row.top + row.bottom) / 2));
        });
        ::SendMessageA(::GetDlgItem(tip, IDC_TIP_TOPICS), BM_CLICK, 0, 0);
        EXPECT_EQ(m_nCount - 1, ShownNumber(tip));
        EXPECT_EQ("Import Favorites", ItemText(tip, IDC_TIP_TOPIC));
        EXPECT_FALSE(ItemEnabled(tip, IDC_NEXT));
        CModalWatch::Press(tip, IDCANCEL);
    });
    EXPECT_EQ(m_nCount, Setting("Day Tip Index"));
}
