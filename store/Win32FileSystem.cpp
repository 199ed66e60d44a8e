#include "store/Win32FileSystem.h"

#include <windows.h>

namespace {

class CWin32InputFile : public CInputFile {
public:
    CWin32InputFile(HANDLE file, std::uint64_t size) : m_hFile(file), m_nSize(size) {}
    ~CWin32InputFile() override { ::CloseHandle(m_hFile); }

    std::size_t Read(void* buffer, std::size_t size) override {
        DWORD read = 0;
        if (!::ReadFile(m_hFile, buffer, static_cast<DWORD>(size), &read, nullptr)) {
            m_bFailed = true;
            return 0;
        }
        return read;
    }
    std::uint64_t Size() const override { return m_nSize; }
    bool Failed() const override { return m_bFailed; }

private:
    HANDLE m_hFile;
    std::uint64_t m_nSize;
    bool m_bFailed = false;
};

class CWin32OutputFile : public COutputFile {
public:
    explicit CWin32OutputFile(HANDLE file) : m_hFile(file) {}
    ~CWin32OutputFile() override {
        if (m_hFile != INVALID_HANDLE_VALUE) ::CloseHandle(m_hFile);
    }

    bool Write(const void* buffer, std::size_t size) override {
        const char* bytes = static_cast<const char*>(buffer);
        while (size > 0) {
            DWORD written = 0;
            const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
            if (!::WriteFile(m_hFile, bytes, chunk, &written, nullptr) || written == 0)
                return false;
            bytes += written;
            size -= written;
        }
        return true;
    }
    bool Close() override {
        const bool flushed = ::FlushFileBuffers(m_hFile) != FALSE;
        const bool closed = ::CloseHandle(m_hFile) != FALSE;
        m_hFile = INVALID_HANDLE_VALUE;
        return flushed && closed;
    }

private:
    HANDLE m_hFile;
};

}  // namespace

bool CWin32FileSystem::Exists(const std::string& path) const {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::unique_ptr<CInputFile> CWin32FileSystem::OpenRead(const std::string& path) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file, &size)) {
        ::CloseHandle(file);
        return nullptr;
    }
    return std::make_unique<CWin32InputFile>(file, static_cast<std::uint64_t>(size.QuadPart));
}

std::unique_ptr<COutputFile> CWin32FileSystem::Create(const std::string& path) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<CWin32OutputFile>(file);
}

bool CWin32FileSystem::Replace(const std::string& from, const std::string& to) {
    return ::MoveFileExA(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool CWin32FileSystem::Remove(const std::string& path) {
    return ::DeleteFileA(path.c_str()) != FALSE;
}

bool CWin32FileSystem::Copy(const std::string& from, const std::string& to) {
    // Copied beside the target first, so that a copy that fails half-way leaves the earlier
    // copy whole.
    const std::string temp = to + ".tmp";
    if (!::CopyFileA(from.c_str(), temp.c_str(), FALSE)) {
        ::DeleteFileA(temp.c_str());
        return false;
    }
    if (!Replace(temp, to)) {
        ::DeleteFileA(temp.c_str());
        return false;
    }
    return true;
}

bool CWin32FileSystem::GetLastWriteTime(const std::string& path, CCivilTime& local) const {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    FILETIME written;
    const bool got = ::GetFileTime(file, nullptr, nullptr, &written) != FALSE;
    ::CloseHandle(file);
    FILETIME localTime;
    SYSTEMTIME parts;
    if (!got || !::FileTimeToLocalFileTime(&written, &localTime) ||
        !::FileTimeToSystemTime(&localTime, &parts))
        return false;
    local.year = parts.wYear;
    local.month = parts.wMonth;
    local.day = parts.wDay;
    local.hour = parts.wHour;
    local.minute = parts.wMinute;
    local.second = parts.wSecond;
    return true;
}
