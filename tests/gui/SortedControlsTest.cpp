// The sorted combo box and list box on controls made by the test: their order, and the list
// box's horizontal extent as entries come and go.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "controls/SortedComboBox.h"
#include "controls/SortedListBox.h"

namespace {

constexpr const char* kNarrow = "i";
constexpr const char* kMiddle = "Middle entry";
constexpr const char* kWide = "A much wider entry than the others WWWWWWWW";

class SortedControls : public ::testing::Test {
protected:
    // Never shown: hiding or destroying a visible top-level window costs time under Wine.
    void SetUp() override {
        m_hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hParent);
    }
    void TearDown() override { ::DestroyWindow(m_hParent); }

    HWND Child(const char* windowClass, DWORD style) {
        return ::CreateWindowExA(0, windowClass, "", WS_CHILD | WS_VSCROLL | style, 0, 0, 200, 200,
                                 m_hParent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    }

    // The width the list box gives `text`: its extent in the list box's font plus 6.
    static int Width(HWND list, const char* text) {
        HDC dc = ::GetDC(list);
        const HGDIOBJ old =
            ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(list, WM_GETFONT, 0, 0)));
        SIZE size = {0, 0};
        ::GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
        ::SelectObject(dc, old);
        ::ReleaseDC(list, dc);
        return static_cast<int>(size.cx) + 6;
    }

    HWND m_hParent = nullptr;
};

std::string Entries(const CComboBox& combo) {
    std::string entries;
    for (int i = 0; i < combo.GetCount(); ++i) entries += (i ? "|" : "") + combo.GetLBText(i);
    return entries;
}

std::string Entries(const CListBox& list) {
    std::string entries;
    for (int i = 0; i < list.GetCount(); ++i) entries += (i ? "|" : "") + list.GetText(i);
    return entries;
}

}  // namespace

TEST_F(SortedControls, SortStyleGivesNaturalOrderAndNoSortStyleAppends) {
    CSortedComboBox sorted;
    sorted.Attach(Child("COMBOBOX", CBS_DROPDOWN | CBS_SORT));
    CSortedComboBox unsorted;
    unsorted.Attach(Child("COMBOBOX", CBS_DROPDOWN));
    for (const char* text : {"Item 10", "Item 9", "item 2"}) {
        EXPECT_EQ(0, sorted.AddString(text));
        unsorted.AddString(text);
    }
    EXPECT_EQ("item 2|Item 9|Item 10", Entries(sorted));
    EXPECT_EQ("Item 10|Item 9|item 2", Entries(unsorted));
}

TEST_F(SortedControls, ListBoxSortsAndItsExtentFollowsTheWidestEntry) {
    CSortedListBox list;
    const HWND hList = Child("LISTBOX", LBS_SORT | WS_HSCROLL);
    list.Attach(hList);
    list.AddString(kNarrow);
    EXPECT_EQ(Width(hList, kNarrow), list.GetHorizontalExtent());
    for (const char* text : {kWide, kMiddle}) list.AddString(text);
    EXPECT_EQ(std::string(kWide) + "|i|" + kMiddle, Entries(list));
    EXPECT_EQ(Width(hList, kWide), list.GetHorizontalExtent());

    // Deleting a narrower entry leaves the extent; deleting the widest shrinks it.
    list.DeleteString(1);
    EXPECT_EQ(Width(hList, kWide), list.GetHorizontalExtent());
    EXPECT_EQ(1, list.DeleteString(0));
    EXPECT_EQ(Width(hList, kMiddle), list.GetHorizontalExtent());

    list.ResetContent();
    EXPECT_EQ(0, list.GetHorizontalExtent());
    EXPECT_EQ(0, list.GetLargestWidth());
}

TEST_F(SortedControls, DeferredModeRecomputesTheExtentOnlyWhenSwitchedOff) {
    CSortedListBox list;
    const HWND hList = Child("LISTBOX", WS_HSCROLL | LBS_EXTENDEDSEL);
    list.Attach(hList);
    for (const char* text : {kWide, kNarrow, kMiddle}) list.AddString(text);
    list.SetDeferExtent(true);
    list.DeleteString(0);
    list.DeleteString(1);
    EXPECT_EQ(Width(hList, kWide), list.GetHorizontalExtent());
    list.SetDeferExtent(false);
    EXPECT_EQ(Width(hList, kNarrow), list.GetHorizontalExtent());
}

TEST_F(SortedControls, ListBoxMeasuresAgainInANewFont) {
    CSortedListBox list;
    const HWND hList = Child("LISTBOX", WS_HSCROLL);
    list.Attach(hList);
    list.AddString(kMiddle);
    const int before = list.GetHorizontalExtent();
    const HFONT big = ::CreateFontA(-40, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_SWISS, "Arial");
    list.SetFont(big, false);
    EXPECT_EQ(Width(hList, kMiddle), list.GetHorizontalExtent());
    EXPECT_GT(list.GetHorizontalExtent(), before);
    ::DestroyWindow(hList);
    ::DeleteObject(big);
}
