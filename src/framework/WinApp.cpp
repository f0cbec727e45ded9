#include "framework/WinApp.h"

#include <algorithm>
#include <vector>

#include "framework/ResourceLanguage.h"

namespace {

CWinApp* g_pApp = nullptr;


// Strings longer than this are not settings of ours: read them as absent.
constexpr DWORD kMaxProfileStringBytes = 1024 * 1024;

class RegKey {
public:
    explicit RegKey(HKEY hKey = nullptr) : m_hKey(hKey) {}
    ~RegKey()
    {
        if (m_hKey) ::RegCloseKey(m_hKey);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    HKEY Release()
    {
        HKEY hKey = m_hKey;
        m_hKey = nullptr;
        return hKey;
    }
    HKEY* Receive() { return &m_hKey; }
    operator HKEY() const { return m_hKey; }

private:
    HKEY m_hKey;
};

}  // namespace

CWinApp::CWinApp()
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this) g_pApp = nullptr;
}

void CWinApp::WinHelp(DWORD_PTR, UINT) {}

void CWinApp::SetRegistryKey(const wchar_t* company)
{
    m_strRegistryKey = company;
}

HKEY CWinApp::OpenSectionKey(const wchar_t* section, bool forWriting) const
{
    if (m_strRegistryKey.empty()) return nullptr;
    // A read never needs, nor creates, more than a readable key: settings in a
    // key the user may read but not write still count.
    const REGSAM access = forWriting ? KEY_READ | KEY_WRITE : KEY_READ;
    RegKey software;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, access, software.Receive()) != ERROR_SUCCESS) {
        return nullptr;
    }
    const std::wstring path = m_strRegistryKey + L"\\" + m_strAppName + L"\\" + section;
    HKEY hKey = nullptr;
    if (forWriting) {
        DWORD disposition = 0;
        if (::RegCreateKeyExW(software, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &hKey,
                              &disposition) != ERROR_SUCCESS) {
            return nullptr;
        }
    } else if (::RegOpenKeyExW(software, path.c_str(), 0, access, &hKey) != ERROR_SUCCESS) {
        return nullptr;
    }
    return hKey;
}

UINT CWinApp::GetProfileInt(const wchar_t* section, const wchar_t* entry, int defaultValue) const
{
    RegKey key(OpenSectionKey(section, false));
    if (!key) return static_cast<UINT>(defaultValue);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LONG status = ::RegQueryValueExW(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return static_cast<UINT>(defaultValue);
    return value;
}

std::wstring CWinApp::GetProfileString(const wchar_t* section, const wchar_t* entry, const wchar_t* defaultValue) const
{
    RegKey key(OpenSectionKey(section, false));
    if (!key) return defaultValue;
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(key, entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ ||
        size > kMaxProfileStringBytes) {
        return defaultValue;
    }
    // Whole wide characters only: an odd last byte is dropped, and the stored
    // text need not carry its terminator.
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    DWORD received = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &received) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return defaultValue;
    }
    const std::size_t units = std::min<std::size_t>(received / sizeof(wchar_t), text.size() - 1);
    const std::wstring value(text.data(), units);
    return value.substr(0, value.find(L'\0'));
}

BOOL CWinApp::WriteProfileInt(const wchar_t* section, const wchar_t* entry, int value) const
{
    RegKey key(OpenSectionKey(section, true));
    if (!key) return FALSE;
    const DWORD data = static_cast<DWORD>(value);
    return ::RegSetValueExW(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
           ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(const wchar_t* section, const wchar_t* entry, const wchar_t* value) const
{
    RegKey key(OpenSectionKey(section, true));
    if (!key) return FALSE;
    const DWORD size = static_cast<DWORD>((::lstrlenW(value) + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), size) == ERROR_SUCCESS;
}

HKEY CWinApp::OpenProgramKey(REGSAM access) const
{
    if (m_strRegistryKey.empty()) return nullptr;
    const std::wstring path = L"Software\\" + m_strRegistryKey + L"\\" + m_strAppName;
    HKEY hKey = nullptr;
    return ::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, &hKey) == ERROR_SUCCESS ? hKey : nullptr;
}

std::vector<std::wstring> CWinApp::GetProfileSections() const
{
    std::vector<std::wstring> sections;
    RegKey key(OpenProgramKey(KEY_READ));
    if (!key) return sections;
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = 256;
        const LONG status = ::RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status == ERROR_SUCCESS) sections.emplace_back(name, length);
        if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) break;
    }
    return sections;
}

BOOL CWinApp::DeleteProfileSection(const wchar_t* section) const
{
    RegKey key(OpenProgramKey(KEY_READ | KEY_WRITE | DELETE));
    if (!key) return FALSE;
    const LONG status = ::RegDeleteTreeW(key, section);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

int CWinApp::Run(HINSTANCE hInstance)
{
    m_hInstance = hInstance;
    m_strAppName = LoadResourceString(AFX_IDS_APP_TITLE);
    if (!InitInstance()) return 0;
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp ? g_pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_pApp && g_pApp->m_hInstance ? g_pApp->m_hInstance : ::GetModuleHandleW(nullptr);
}

