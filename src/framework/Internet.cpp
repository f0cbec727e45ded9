#include "framework/Internet.h"

#include <cwchar>

#include "framework/LateLibrary.h"

struct WinInetFunctions {
    CLateLibrary library{L"wininet.dll"};
    decltype(::InternetOpenW)* open = library.Get<decltype(::InternetOpenW)>("InternetOpenW");
    decltype(::InternetSetOptionW)* setOption = library.Get<decltype(::InternetSetOptionW)>("InternetSetOptionW");
    decltype(::InternetOpenUrlW)* openUrl = library.Get<decltype(::InternetOpenUrlW)>("InternetOpenUrlW");
    decltype(::InternetReadFile)* readFile = library.Get<decltype(::InternetReadFile)>("InternetReadFile");
    decltype(::HttpQueryInfoW)* queryInfo = library.Get<decltype(::HttpQueryInfoW)>("HttpQueryInfoW");
    decltype(::InternetCloseHandle)* closeHandle = library.Get<decltype(::InternetCloseHandle)>("InternetCloseHandle");

    bool Complete() const { return open && setOption && openUrl && readFile && queryInfo && closeHandle; }
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
    return m_api->readFile(m_hFile, buffer, size, read) != FALSE;
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
