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
};

// Attaches a control wrapper to the dialog's control `id`.
void DDX_Control(CDataExchange& dx, int id, CWindow& control);
// A control's text and a string member.
void DDX_Text(CDataExchange& dx, int id, std::string& value);
// A check box's state (0, 1, 2) and an integer member.
void DDX_Check(CDataExchange& dx, int id, int& value);
