// A WinINet session and the reply of one URL request. Stands in for the
// application framework's CInternetSession; failures are results, not
// exceptions.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <wininet.h>

#include <cstddef>
#include <memory>
#include <optional>

class CInternetFile {
public:
    explicit CInternetFile(HINTERNET hFile) : m_hFile(hFile) {}
    ~CInternetFile() { ::InternetCloseHandle(m_hFile); }
    CInternetFile(const CInternetFile&) = delete;
    CInternetFile& operator=(const CInternetFile&) = delete;

    // Reads up to `size` bytes; false when the read failed. *read is 0 at the
    // end of the body.
    bool Read(void* buffer, DWORD size, DWORD* read);
    // The body's length as the server announced it, if it did.
    std::optional<unsigned long long> ContentLength() const;

private:
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
    HINTERNET m_hSession;
    DWORD_PTR m_context;
};
