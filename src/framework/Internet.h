// A WinINet session and the reply of one URL request. Stands in for the
// application framework's CInternetSession; failures are results, not
// exceptions. WinINet is loaded with the first session.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <wininet.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

struct WinInetFunctions;

class CInternetFile {
public:
    CInternetFile(std::shared_ptr<const WinInetFunctions> api, HINTERNET hFile);
    ~CInternetFile();
    CInternetFile(const CInternetFile&) = delete;
    CInternetFile& operator=(const CInternetFile&) = delete;

    // Reads up to `size` bytes of what has arrived, waiting only until some
    // has; false when the read failed. *read is 0 at the end of the body.
    bool Read(void* buffer, DWORD size, DWORD* read);
    // The body's length as the server announced it, if it did.
    std::optional<unsigned long long> ContentLength() const;
    // The reply's HTTP status, if it has one.
    std::optional<DWORD> StatusCode() const;
    // Where a redirect points, made absolute against `base` (the URL asked
    // for); empty without a Location header.
    std::wstring Location(const std::wstring& base) const;
    // Bounds each further read, in milliseconds.
    void SetReceiveTimeout(DWORD milliseconds);

private:
    std::shared_ptr<const WinInetFunctions> m_api;  // keeps WinINet loaded
    HINTERNET m_hFile;
};

class CInternetSession {
public:
    // A session with the system's proxy settings (INTERNET_OPEN_TYPE_PRECONFIG).
    CInternetSession(const wchar_t* agent, DWORD_PTR context);
    ~CInternetSession();
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    bool IsOpen() const { return m_hSession != nullptr; }
    // Bounds connecting, sending and receiving, each in milliseconds.
    void SetTimeouts(DWORD milliseconds);
    // GETs the URL; null when the request could not be made.
    std::unique_ptr<CInternetFile> OpenURL(const wchar_t* url, DWORD_PTR context, DWORD flags);

private:
    std::shared_ptr<const WinInetFunctions> m_api;
    HINTERNET m_hSession = nullptr;
    DWORD_PTR m_context;
};
