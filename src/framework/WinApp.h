// The application object: start-up, the application name, the registry key and
// the profile functions. Stands in for the application framework's CWinApp.
#pragma once

#include <string>
#include <vector>

#include "framework/ResourceLanguage.h"
#include "framework/Wnd.h"

// The framework's own string numbers, which the program's string table fills in.
constexpr UINT AFX_IDS_APP_TITLE = 0xE000;          // the application name
constexpr UINT AFX_IDP_PARSE_STRING_SIZE = 0xF114;  // "enter at most %1 characters"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Called once at start-up; FALSE ends the program.
    virtual BOOL InitInstance() { return FALSE; }
    // Where help requests end up.
    virtual void WinHelp(DWORD_PTR data, UINT command);

    // From here on the profile functions use
    // HKEY_CURRENT_USER\Software\<company>\<application name>\<section>.
    void SetRegistryKey(const wchar_t* company);

    UINT GetProfileInt(const wchar_t* section, const wchar_t* entry, int defaultValue) const;
    std::wstring GetProfileString(const wchar_t* section, const wchar_t* entry,
                                  const wchar_t* defaultValue = L"") const;
    BOOL WriteProfileInt(const wchar_t* section, const wchar_t* entry, int value) const;
    BOOL WriteProfileString(const wchar_t* section, const wchar_t* entry, const wchar_t* value) const;
    // The sections of the program's key (its subkeys), and one taken away with all below it.
    std::vector<std::wstring> GetProfileSections() const;
    BOOL DeleteProfileSection(const wchar_t* section) const;

    // Runs the program: takes the application name from AFX_IDS_APP_TITLE, then
    // calls InitInstance. Returns the process exit code.
    int Run(HINSTANCE hInstance);

    std::wstring m_strAppName;
    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;

private:
    HKEY OpenSectionKey(const wchar_t* section, bool forWriting) const;
    // The program's own key, Software\<company>\<application name>, for reading.
    HKEY OpenProgramKey(REGSAM access) const;

    std::wstring m_strRegistryKey;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
