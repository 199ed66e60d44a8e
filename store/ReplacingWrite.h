// CReplacingWrite: writes a file through a temporary file in the same folder, which is flushed,
// closed and then put in place of the target in one step. A write that fails at any point removes
// the temporary file and leaves the target as it was, so the target is never half written.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "store/FileSystem.h"

class CByteSink;

class CReplacingWrite {
public:
    // What is done when "<target>.tmp" already exists.
    enum class ELeftover {
        remove,  // it is ours, left by an interrupted write: removed and made again
        keep     // it may be someone else's: the next free name "<target>.N.tmp" is used
    };
    // How many numbered names `keep` tries before it gives up.
    static constexpr int numberedNames = 100;

    CReplacingWrite(CFileSystem& fileSystem, std::string target, ELeftover leftover)
        : m_fs(fileSystem), m_strTarget(std::move(target)), m_leftover(leftover) {}

    // Creates the temporary file and hands `writeBytes` a sink over it; when that returns true
    // and every byte reached the disk, the file replaces the target. False when anything failed:
    // then the temporary file is gone and the target untouched. An exception thrown by
    // `writeBytes` passes on after the temporary file has been removed.
    bool Write(const std::function<bool(CByteSink&)>& writeBytes);

private:
    std::unique_ptr<COutputFile> CreateTemporary();

    CFileSystem& m_fs;
    std::string m_strTarget;
    ELeftover m_leftover;
    std::string m_strTemporary;
};
