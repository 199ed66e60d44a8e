// CSavingPage: when the data file is written (after a number of Save presses, on a timer, on
// closing), which data file is current, and the list of known data files with New File, Remove,
// Load, Append and Save on the file named in the field. Data in and out: the members below.
#pragma once

#include <string>
#include <vector>

#include "framework/ComboBox.h"
#include "framework/PropertySheet.h"
#include "options/DataFileNames.h"
#include "options/OptionsHost.h"

class CSavingPage : public CPropertyPageRestore {
public:
    CSavingPage();
    void SetLinksDlg(COptionsHost* host) { m_pLinksDlg = host; }

    // Data in and out
    int m_bSaveOnClose = 0;
    int m_bSaveOnPresses = 0;
    int m_bSaveOnTimer = 0;
    int m_nTimerIndex = 0;
    int m_nPressIndex = 0;  // the Save-press limit less one
    std::string m_strDataFile;
    std::vector<std::string> m_listDataFiles;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    BOOL OnKillActive() override;
    void OnOK() override;

private:
    // The field's text, committed: trimmed, put back, and listed when valid.
    std::string CommitName();
    void FillNames(const std::string& text);
    void ShowPressCounter();
    void EnableChoices();
    void Finished(const char* message);
    void OnSave();
    void OnLoad();
    void OnAppend();
    void OnNewFile();
    void OnRemove();
    // The Load button's work, also asked for by OK for a new name.
    void Load(const std::string& name);

    COptionsHost* m_pLinksDlg = nullptr;
    CComboBox m_comboFile;
    CDataFileNames m_names;
    std::string m_strLoadedName;
};
