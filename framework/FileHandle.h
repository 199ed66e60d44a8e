// CFileHandle: owns a handle from CreateFile and closes it when it goes, so that no way out of a
// function, an exception included, leaks an open file.
#pragma once

#include <windows.h>

class CFileHandle {
public:
    // Constructors
    explicit CFileHandle(HANDLE handle = INVALID_HANDLE_VALUE) : m_hHandle(handle) {}
    ~CFileHandle() { Close(); }
    CFileHandle(CFileHandle&& other) noexcept : m_hHandle(other.m_hHandle) {
        other.m_hHandle = INVALID_HANDLE_VALUE;
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    // Attributes
    HANDLE Get() const { return m_hHandle; }
    bool IsValid() const { return m_hHandle != INVALID_HANDLE_VALUE; }

    // Operations
    // Closes the handle now; false when there was none or CloseHandle failed.
    bool Close() {
        if (!IsValid()) return false;
        const HANDLE handle = m_hHandle;
        m_hHandle = INVALID_HANDLE_VALUE;
        return ::CloseHandle(handle) != FALSE;
    }

private:
    HANDLE m_hHandle;
};
