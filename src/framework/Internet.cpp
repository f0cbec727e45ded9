#include "framework/Internet.h"

#include <cwchar>

#include "framework/LateLibrary.h"

struct WinInetFunctions {
    CLateLibrary library{L"wininet.dll"};
    decltype(::InternetOpenW)* open = library.Get<decltype(::InternetOpenW)>("InternetOpenW");
    decltype(::InternetSetOptionW)* setOption = library.Get<decltype(::InternetSetOptionW)>("InternetSetOptionW");
    decltype(::InternetOpenUrlW)* openUrl = library.Get<decltype(::InternetOpenUrlW)>("InternetOpenUrlW");
    decltype(::InternetReadFile)* readFile = library.Get<decltype(::InternetReadFile)>("InternetReadFile");
    decltype(::InternetQueryDataAvailable)* queryAvailable =
        library.Get<decltype(::InternetQueryDataAvailable)>("InternetQueryDataAvailable");
    decltype(::HttpQueryInfoW)* queryInfo = library.Get<decltype(::HttpQueryInfoW)>("HttpQueryInfoW");
    decltype(::InternetCloseHandle)* closeHandle = library.Get<decltype(::InternetCloseHandle)>("InternetCloseHandle");
    decltype(::InternetCombineUrlW)* combineUrl = library.Get<decltype(::InternetCombineUrlW)>("InternetCombineUrlW");

    bool Complete() const
    {
        return open && setOption && openUrl && readFile && queryAvailable && queryInfo && closeHandle && combineUrl;
    }
};

CInternetFile::CInternetFile(std::shared_ptr<const WinInetFunctions> api, HINTERNET hFile)
    : m_api(std::move(api)), m_hFile(hFile)
{
}

CInternetFile::~CInternetFile()
{
    m_api->closeHandle(m_hFile);
}

bool CInternetFile::Read(void* buffer, DWORD size, DWORD* read)
{
    *read = 0;
    // Only what has arrived: a read of more may wait until all of it has.
    DWORD available = 0;
    if (!m_api->queryAvailable(m_hFile, &available, 0, 0)) return false;
    if (available == 0) return true;  // the end of the body
    return m_api->readFile(m_hFile, buffer, available < size ? available : size, read) != FALSE;
}

std::optional<unsigned long long> CInternetFile::ContentLength() const
{
    wchar_t text[32] = L"";
    DWORD size = sizeof text;
    if (!m_api->queryInfo(m_hFile, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return std::nullopt;
    wchar_t* end = nullptr;
    const unsigned long long length = std::wcstoull(text, &end, 10);
    if (end == text) return std::nullopt;
    return length;
}

std::optional<DWORD> CInternetFile::StatusCode() const
{
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!m_api->queryInfo(m_hFile, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) {
        return std::nullopt;
    }
    return status;
}

std::wstring CInternetFile::Location(const std::wstring& base) const
{
    wchar_t location[INTERNET_MAX_URL_LENGTH] = L"";
    DWORD size = sizeof location;
    if (!m_api->queryInfo(m_hFile, HTTP_QUERY_LOCATION, location, &size, nullptr) || !location[0]) return {};
    wchar_t absolute[INTERNET_MAX_URL_LENGTH] = L"";
    DWORD length = INTERNET_MAX_URL_LENGTH;
    if (!m_api->combineUrl(base.c_str(), location, absolute, &length, ICU_NO_ENCODE)) return {};
    return absolute;
}

void CInternetFile::SetReceiveTimeout(DWORD milliseconds)
{
    m_api->setOption(m_hFile, INTERNET_OPTION_RECEIVE_TIMEOUT, &milliseconds, sizeof milliseconds);
}

CInternetSession::CInternetSession(const wchar_t* agent, DWORD_PTR context)
    : m_api(std::make_shared<const WinInetFunctions>()), m_context(context)
{
    // Without WinINet the session stays closed, as one the system refused.
    if (m_api->Complete()) m_hSession = m_api->open(agent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
}

CInternetSession::~CInternetSession()
{
    if (m_hSession) m_api->closeHandle(m_hSession);
}

void CInternetSession::SetTimeouts(DWORD milliseconds)
{
    if (!m_hSession) return;
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                         INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        m_api->setOption(m_hSession, option, &milliseconds, sizeof milliseconds);
    }
}

std::unique_ptr<CInternetFile> CInternetSession::OpenURL(const wchar_t* url, DWORD_PTR context, DWORD flags)
{
    if (!m_hSession) return nullptr;
    HINTERNET hFile = m_api->openUrl(m_hSession, url, nullptr, 0, flags, context ? context : m_context);
    if (!hFile) return nullptr;
    return std::make_unique<CInternetFile>(m_api, hFile);
}
