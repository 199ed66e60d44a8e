// CPosixFileSystem: file descriptors, rename() for the one-step replace, and stat() with
// localtime_r() for the last-write date.
#include "store/PosixFileSystem.h"

#include <cerrno>
#include <cstdio>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An open descriptor, closed when it goes out of scope.
class CDescriptor {
public:
    explicit CDescriptor(int fd = -1) : m_fd(fd) {}
    ~CDescriptor() { Reset(); }
    CDescriptor(const CDescriptor&) = delete;
    CDescriptor& operator=(const CDescriptor&) = delete;

    int Get() const { return m_fd; }
    // Gives the descriptor up without closing it.
    int Release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Closes the descriptor; false when close() reports an error (a delayed write error).
    bool Reset() {
        if (m_fd < 0) return true;
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, const void* buffer, std::size_t size) {
    auto bytes = static_cast<const char*>(buffer);
    while (size != 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// A file opened for reading; Read fills as much of the buffer as the file has left.
class CPosixInputFile : public CInputFile {
public:
    CPosixInputFile(int fd, std::uint64_t size) : m_fd(fd), m_size(size) {}

    std::size_t Read(void* buffer, std::size_t size) override {
        auto bytes = static_cast<char*>(buffer);
        std::size_t total = 0;
        while (total < size && !m_failed) {
            const ssize_t got = ::read(m_fd.Get(), bytes + total, size - total);
            if (got < 0) {
                if (errno != EINTR) m_failed = true;
                continue;
            }
            if (got == 0) break;
            total += static_cast<std::size_t>(got);
        }
        return total;
    }
    std::uint64_t Size() const override { return m_size; }
    bool Failed() const override { return m_failed; }

private:
    CDescriptor m_fd;
    std::uint64_t m_size;
    bool m_failed = false;
};

class CPosixOutputFile : public COutputFile {
public:
    explicit CPosixOutputFile(int fd) : m_fd(fd) {}

    bool Write(const void* buffer, std::size_t size) override {
        if (m_fd.Get() < 0 || m_failed) return false;
        if (!WriteAll(m_fd.Get(), buffer, size)) m_failed = true;
        return !m_failed;
    }
    bool Close() override {
        const bool closed = m_fd.Reset();
        return closed && !m_failed;
    }

private:
    CDescriptor m_fd;
    bool m_failed = false;
};

}  // namespace

EPathKind CPosixFileSystem::GetKind(const std::string& path) const {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? EPathKind::missing : EPathKind::unusable;
    if (S_ISDIR(info.st_mode)) return EPathKind::folder;
    return S_ISREG(info.st_mode) ? EPathKind::file : EPathKind::unusable;
}

std::unique_ptr<CInputFile> CPosixFileSystem::OpenRead(const std::string& path) {
    CDescriptor fd(OpenRetrying(path.c_str(), O_RDONLY));
    if (fd.Get() < 0) return nullptr;
    struct stat info;
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
    auto file =
        std::make_unique<CPosixInputFile>(fd.Get(), static_cast<std::uint64_t>(info.st_size));
    fd.Release();  // the input file owns it now
    return file;
}

std::unique_ptr<COutputFile> CPosixFileSystem::Create(const std::string& path) {
    CDescriptor fd(OpenRetrying(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666));
    if (fd.Get() < 0) return nullptr;
    auto file = std::make_unique<CPosixOutputFile>(fd.Get());
    fd.Release();  // the output file owns it now
    return file;
}

bool CPosixFileSystem::Replace(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool CPosixFileSystem::Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool CPosixFileSystem::Copy(const std::string& from, const std::string& to) {
    // Copied beside the target and renamed over it, so that a failed copy keeps the old target.
    CDescriptor source(OpenRetrying(from.c_str(), O_RDONLY));
    if (source.Get() < 0) return false;
    const std::string temporary = to + ".tmp";
    CDescriptor target(OpenRetrying(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666));
    if (target.Get() < 0) return false;

    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(source.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        if (!WriteAll(target.Get(), buffer, static_cast<std::size_t>(got))) {
            ok = false;
            break;
        }
    }
    ok = target.Reset() && ok;
    if (ok && std::rename(temporary.c_str(), to.c_str()) == 0) return true;
    ::unlink(temporary.c_str());
    return false;
}

bool CPosixFileSystem::GetLastWriteTime(const std::string& path, CCivilTime& local) const {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    std::tm parts;
    if (!::localtime_r(&info.st_mtime, &parts)) return false;
    local.year = parts.tm_year + 1900;
    local.month = parts.tm_mon + 1;
    local.day = parts.tm_mday;
    local.hour = parts.tm_hour;
    local.minute = parts.tm_min;
    local.second = parts.tm_sec;
    return true;
}
