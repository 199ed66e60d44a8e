// The data file: its byte format (version, categories, new-link category, records; lengths as
// counted strings, date-times status first), the daily backup taken before each write, and the
// messages of every failure. All integers are little-endian.
#pragma once

#include <cstddef>
#include <string>

#include "store/Clock.h"
#include "store/FileSystem.h"
#include "store/LinkList.h"

class CByteSink;
class CByteSource;

enum class ESaveResult {
    written,     // the file now holds the list
    writeFailed  // the previous file is whole; report MessageWriteFailed
};

enum class ELoadResult {
    loaded,        // read to its end
    notFound,      // no such file; nothing read
    readFailed,    // a read error, malformed content, or a path that is not a readable file
                   // (a folder, a name too long); the records read before it stay
    newerVersion,  // version above 2; nothing read (ask MessageNewerVersion)
    outOfMemory    // a record could not be stored; the records read before it stay
};

struct CLoadOutcome {
    ELoadResult result = ELoadResult::loaded;
    std::size_t recordsAdded = 0;
};

class CDataFile {
public:
    static constexpr int currentVersion = 2;

    CDataFile(CFileSystem& fileSystem, const CClock& clock) : m_fs(fileSystem), m_clock(clock) {}

    // Writes the list to `path`, an empty one too (whether it should be written is the caller's
    // rule): the backup rule first, then the bytes into a temporary file in the same folder,
    // flushed, and put in place of the data file in one step.
    ESaveResult Save(const std::string& path, const CLinkList& list);
    // Reads `path` into the list (appending, or after the caller has cleared it). Categories go
    // into the category list at their sorted place (skipping listed ones); the new-link category
    // is taken as the step-by-step rule says.
    CLoadOutcome Load(const std::string& path, CLinkList& list);
    // Copies the data file to path + ".bak" when it was last written on an earlier (or later)
    // day than today, or today with no backup present. Failures are ignored.
    void Backup(const std::string& path);

    // The body codec, also used by tests and benchmarks on memory.
    static bool WriteBody(CByteSink& sink, const CLinkList& list);
    static CLoadOutcome ReadBody(CByteSource& source, CLinkList& list);

private:
    CFileSystem& m_fs;
    const CClock& m_clock;
};

// Whether the backup copy is due: the data file's last-write date against today's date.
bool IsBackupDue(const CCivilTime& lastWrite, const CCivilTime& today, bool backupExists);

// The texts reported for each failure; paths are cut at 259 characters.
std::string MessageNotFound(const std::string& path);
std::string MessageReadFailed(const std::string& path);
std::string MessageWriteFailed(const std::string& path);
std::string MessageNewerVersion();
std::string MessageOutOfMemory();
// The current data file was protected from a write that would have replaced it.
std::string MessageProtected(const std::string& path);
// Closing with changes that could not be written, or were kept from a protected file.
std::string MessageCloseWithoutSaving(const std::string& path, bool protectedFile);
// The start after a session end that wrote the list to a recovery file.
std::string MessageRecovered(const std::string& recoveryFile, const std::string& dataFile);
