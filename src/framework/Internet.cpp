#include "framework/Internet.h"

#include <cwchar>

bool CInternetFile::Read(void* buffer, DWORD size, DWORD* read)
{
    *read = 0;
    return ::InternetReadFile(m_hFile, buffer, size, read) != FALSE;
}

std::optional<unsigned long long> CInternetFile::ContentLength() const
{
    wchar_t text[32] = L"";
    DWORD size = sizeof text;
    if (!::HttpQueryInfoW(m_hFile, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return std::nullopt;
    wchar_t* end = nullptr;
    const unsigned long long length = std::wcstoull(text, &end, 10);
    if (end == text) return std::nullopt;
    return length;
}

CInternetSession::CInternetSession(const wchar_t* agent, DWORD_PTR context)
    : m_hSession(::InternetOpenW(agent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)), m_context(context)
{
}

CInternetSession::~CInternetSession()
{
    if (m_hSession) ::InternetCloseHandle(m_hSession);
}

void CInternetSession::SetTimeouts(DWORD milliseconds)
{
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                         INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        ::InternetSetOptionW(m_hSession, option, &milliseconds, sizeof milliseconds);
    }
}

std::unique_ptr<CInternetFile> CInternetSession::OpenURL(const wchar_t* url, DWORD_PTR context, DWORD flags)
{
    HINTERNET hFile = ::InternetOpenUrlW(m_hSession, url, nullptr, 0, flags, context ? context : m_context);
    if (!hFile) return nullptr;
    return std::make_unique<CInternetFile>(hFile);
}
