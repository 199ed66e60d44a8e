// CDataExchange: moves values between a dialog's controls and its members, in the direction the
// dialog asks for (to the controls when it opens, back to the members when it is accepted).
#pragma once

#include <windows.h>

#include <string>

class CWindow;

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saveAndValidate)
        : m_hDialog(dialog), m_bSaveAndValidate(saveAndValidate) {}

    HWND m_hDialog;
    bool m_bSaveAndValidate;
    // Set by a validation that refused a value; the exchange then counts as failed.
    bool m_bFailed = false;
};

// Attaches a control wrapper to the dialog's control `id`.
void DDX_Control(CDataExchange& dx, int id, CWindow& control);
// A control's text and a string member.
void DDX_Text(CDataExchange& dx, int id, std::string& value);
// A check box's state (0, 1, 2) and an integer member.
void DDX_Check(CDataExchange& dx, int id, int& value);
// The selected entry of a combo box's list (-1 none) and an integer member.
void DDX_CBIndex(CDataExchange& dx, int id, int& index);
// The position of a slider (trackbar) and an integer member.
void DDX_Slider(CDataExchange& dx, int id, int& position);
// When saving, refuses a text longer than `count` characters: the user is told, the control
// gets the focus and the exchange fails.
void DDV_MaxChars(CDataExchange& dx, int id, const std::string& value, std::size_t count);
