// CModalWatch: drives the program's modal windows (the options sheet and the like) from inside
// their own loops. A test says which window it expects next and what to do in it; a watched
// window that appears unexpected fails the test and is cancelled, so that no test waits for a
// user who is not there.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class CModalWatch {
public:
    using Action = std::function<void(HWND window)>;

    explicit CModalWatch(std::vector<std::string> captions = {"Options", "Multi-Column Sorting"});
    ~CModalWatch();
    CModalWatch(const CModalWatch&) = delete;
    CModalWatch& operator=(const CModalWatch&) = delete;

    // Watches for windows with this caption too.
    void Watch(std::string caption) { m_captions.push_back(std::move(caption)); }
    // The next watched window to appear gets `act`, which ends it (see Press).
    void Expect(Action act) { m_expected.push_back(std::move(act)); }
    int Seen() const { return m_nSeen; }

    // Presses a dialog or sheet button (IDOK, IDCANCEL) as the user would, at once: a sheet that
    // refuses to close is still open afterwards. The sheet's own loop notices that it ends only
    // at the next message, which follows.
    static void Press(HWND window, int id);
    // Selects a page of a property sheet by its index.
    static void SelectPage(HWND sheet, int index);

private:
    static void CALLBACK Watch(HWND, UINT, UINT_PTR, DWORD);

    std::vector<std::string> m_captions;
    std::deque<Action> m_expected;
    std::vector<HWND> m_handled;
    UINT_PTR m_nTimer = 0;
    int m_nSeen = 0;
};
