#include "store/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "framework/FileHandle.h"

namespace {

// ReadFile and WriteFile take a DWORD count: larger transfers go in pieces of this size.
constexpr std::size_t kMaxTransfer = 0x40000000;

DWORD TransferSize(std::size_t remaining) {
    return static_cast<DWORD>(std::min(remaining, kMaxTransfer));
}

class CWin32InputFile : public CInputFile {
public:
    CWin32InputFile(CFileHandle file, std::uint64_t size)
        : m_file(std::move(file)), m_nSize(size) {}

    // Fills as much of the buffer as the file has left.
    std::size_t Read(void* buffer, std::size_t size) override {
        char* bytes = static_cast<char*>(buffer);
        std::size_t total = 0;
        while (total < size) {
            DWORD read = 0;
            if (!::ReadFile(m_file.Get(), bytes + total, TransferSize(size - total), &read,
                            nullptr)) {
                m_bFailed = true;
                break;
            }
            if (read == 0) break;
            total += read;
        }
        return total;
    }
    std::uint64_t Size() const override { return m_nSize; }
    bool Failed() const override { return m_bFailed; }

private:
    CFileHandle m_file;
    std::uint64_t m_nSize;
    bool m_bFailed = false;
};

class CWin32OutputFile : public COutputFile {
public:
    explicit CWin32OutputFile(CFileHandle file) : m_file(std::move(file)) {}

    bool Write(const void* buffer, std::size_t size) override {
        const char* bytes = static_cast<const char*>(buffer);
        while (size > 0) {
            DWORD written = 0;
            if (!::WriteFile(m_file.Get(), bytes, TransferSize(size), &written, nullptr) ||
                written == 0)
                return false;
            bytes += written;
            size -= written;
        }
        return true;
    }
    bool Close() override {
        const bool flushed = ::FlushFileBuffers(m_file.Get()) != FALSE;
        const bool closed = m_file.Close();
        return flushed && closed;
    }

private:
    CFileHandle m_file;
};

}  // namespace

EPathKind CWin32FileSystem::GetKind(const std::string& path) const {
    // The ANSI file functions take paths of fewer than MAX_PATH characters; some systems accept
    // longer ones here and refuse them later, so they are refused at once.
    if (path.size() >= MAX_PATH) return EPathKind::unusable;
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? EPathKind::missing
                                                                              : EPathKind::unusable;
    }
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? EPathKind::folder : EPathKind::file;
}

std::unique_ptr<CInputFile> CWin32FileSystem::OpenRead(const std::string& path) {
    CFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size;
    if (!file.IsValid() || !::GetFileSizeEx(file.Get(), &size)) return nullptr;
    return std::make_unique<CWin32InputFile>(std::move(file),
                                             static_cast<std::uint64_t>(size.QuadPart));
}

std::unique_ptr<COutputFile> CWin32FileSystem::Create(const std::string& path) {
    CFileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return nullptr;
    return std::make_unique<CWin32OutputFile>(std::move(file));
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
    const CFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    FILETIME written;
    if (!file.IsValid() || !::GetFileTime(file.Get(), nullptr, nullptr, &written)) return false;
    FILETIME localTime;
    SYSTEMTIME parts;
    if (!::FileTimeToLocalFileTime(&written, &localTime) ||
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
