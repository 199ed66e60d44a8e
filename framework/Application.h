// CApplication: the process-wide application object. It prepares the process (common controls,
// COM and OLE), knows the application's name from the string table and the registry company
// key, and runs InitInstance, which in this program runs the main window modally.
#pragma once

#include <windows.h>

#include <string>

class CWindow;

class CApplication {
public:
    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // Runs the application from WinMain; returns the process exit code.
    int Run(HINSTANCE instance);

    // Attributes
    static CApplication* Get() { return s_pApp; }
    static HINSTANCE GetInstance();
    // The application's name: the string table's application title.
    static std::string GetAppName();
    // The string resource `id` (at most 4,095 characters); false when there is none.
    static bool LoadResourceString(UINT id, std::string& text);
    const std::string& GetRegistryKey() const { return m_strRegistryKey; }
    HWND m_hMainWnd = nullptr;

    // Overridables
    // Returns true to run the message loop afterwards, false to end the process.
    virtual bool InitInstance() = 0;

protected:
    void SetRegistryKey(const char* company) { m_strRegistryKey = company; }
    // Loads the common controls (version 6 with the manifest) and initialises COM and OLE.
    static void EnableControls();
    static void InitializeOle();

private:
    static CApplication* s_pApp;
    std::string m_strRegistryKey;
    bool m_bOleInitialized = false;
};

// The exit code of a quit request seen by a modal loop, so that the process ends with it.
void SetQuitCode(int code);
int GetQuitCode();
