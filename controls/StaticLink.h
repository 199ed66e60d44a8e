// CStaticLink: a static text that acts as a link in a browser does: underlined in the dialog's
// font, blue until it has been opened and purple after, the hand cursor over it, and a click
// that has the shell open it. What opens is `m_link`, else the control's text, else the string
// resource with the control's id; when none opens, it beeps.
#pragma once

#include <string>

#include "framework/Static.h"
#include "framework/SubclassWindow.h"

class CShellLauncher;

class CStaticLink : public CStatic, private CSubclassWindow {
public:
    static constexpr COLORREF unvisitedColor = RGB(0, 0, 255);
    static constexpr COLORREF visitedColor = RGB(128, 0, 128);

    // Constructors
    // A link that deletes itself after its window is destroyed must have been made with new.
    CStaticLink(CShellLauncher& launcher, std::string link = std::string(),
                bool deleteOnDestroy = false);
    ~CStaticLink() override;
    // Takes over the dialog's static control `id`.
    bool SubclassDlgItem(int id, HWND dialog);

    // The cursor shown over every link of the program, set once at start-up; null when the
    // system has none (one from the help program is then tried).
    static void SetHandCursor(HCURSOR cursor) { s_hHandCursor = cursor; }

    std::string m_link;
    COLORREF m_color = unvisitedColor;

protected:
    bool OnSubclassMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnFinalMessage() override;

private:
    LRESULT OnColorRequest(HDC dc);
    void OnClick();
    // Asks the shell to open `target`; false for an empty one or when the shell fails.
    bool Open(const std::string& target);
    static HCURSOR HandCursor();

    CShellLauncher& m_launcher;
    HFONT m_font = nullptr;
    HFONT m_hOriginalFont = nullptr;
    bool m_bDeleteOnDestroy;

    static HCURSOR s_hHandCursor;
    static bool s_bTriedHelpCursor;
};
