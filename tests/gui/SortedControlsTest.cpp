// The sorted combo box and list box on controls made by the test: natural order with the sort
// style, the order of adding without it, and the list box's horizontal extent.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "controls/SortedComboBox.h"
#include "controls/SortedListBox.h"

TEST(SortedControls, SortStyleGivesNaturalOrderAndTheListBoxExtentFollowsTheWidestEntry) {
    // Never shown: hiding or destroying a visible top-level window costs time under Wine.
    const HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr,
                                          nullptr, nullptr, nullptr);
    const auto child = [parent](const char* windowClass, DWORD style) {
        return ::CreateWindowExA(0, windowClass, "", WS_CHILD | WS_VSCROLL | WS_HSCROLL | style, 0,
                                 0, 200, 200, parent, nullptr, nullptr, nullptr);
    };
    CSortedComboBox sorted, unsorted;
    CSortedListBox list;
    sorted.Attach(child("COMBOBOX", CBS_DROPDOWN | CBS_SORT));
    unsorted.Attach(child("COMBOBOX", CBS_DROPDOWN));
    list.Attach(child("LISTBOX", LBS_SORT));
    const char* const entries[] = {"Item 10", "Item 9", "item 2"};
    for (const char* text : entries) {
        EXPECT_EQ(0, sorted.AddString(text));
        unsorted.AddString(text);
        list.AddString(text);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(entries[2 - i], sorted.GetLBText(i));
        EXPECT_EQ(entries[i], unsorted.GetLBText(i));
        EXPECT_EQ(entries[2 - i], list.GetText(i));
    }
    // The extent is the widest entry's text in the list box's font plus 6.
    const auto width = [&list](const char* text) {
        HDC dc = ::GetDC(list);
        const HGDIOBJ old =
            ::SelectObject(dc, reinterpret_cast<HFONT>(list.SendMessage(WM_GETFONT)));
        SIZE size = {0, 0};
        ::GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
        ::SelectObject(dc, old);
        ::ReleaseDC(list, dc);
        return static_cast<int>(size.cx) + 6;
    };
    const char* const wide = "A much wider entry than the others WWWWWWWW";
    list.AddString(wide);
    EXPECT_EQ(width(wide), list.GetHorizontalExtent());
    list.DeleteString(1);  // a narrower one: the extent stays
    EXPECT_EQ(width(wide), list.GetHorizontalExtent());
    list.DeleteString(0);  // the widest: the extent shrinks to the next widest
    EXPECT_EQ(width("Item 10"), list.GetHorizontalExtent());
    list.ResetContent();
    EXPECT_EQ(0, list.GetHorizontalExtent());
    ::DestroyWindow(parent);
}
