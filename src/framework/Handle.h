// The owner of a kernel handle (a process, a token, an event): closed when
// the owner goes, on every path. NULL and INVALID_HANDLE_VALUE both stand for
// none, as the calls that make handles report failure either way. Not copyable.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

class CHandle {
public:
    explicit CHandle(HANDLE hHandle = nullptr) : m_hHandle(hHandle) {}
    ~CHandle() { Close(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;

    operator HANDLE() const { return m_hHandle; }
    explicit operator bool() const { return m_hHandle != nullptr && m_hHandle != INVALID_HANDLE_VALUE; }
    // Where a call returns a handle through a pointer.
    HANDLE* Receive()
    {
        Close();
        return &m_hHandle;
    }
    void Close()
    {
        if (*this) ::CloseHandle(m_hHandle);
        m_hHandle = nullptr;
    }

private:
    HANDLE m_hHandle;
};
