// CDataFile: writes and reads the data file's bytes, replaces the file in one step, and keeps the
// daily backup.
#include "store/DataFile.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "store/ByteStream.h"
#include "store/ReplacingWrite.h"
#include "store/TextConv.h"

namespace {

// Counted strings: a length below 0xFF is one byte; otherwise 0xFF and a 16-bit value follow,
// which is the length itself, or 0xFFFF for a 32-bit length after it, or 0xFFFE for a wide
// (UTF-16LE) string whose length follows in the same counted form.
constexpr std::uint8_t lengthEscape = 0xFF;
constexpr std::uint16_t wideMark = 0xFFFE;
constexpr std::uint16_t longMark = 0xFFFF;

// The two keywords of the new-link category; compared case-sensitively.
constexpr std::string_view keywordLast = "LAST";
constexpr std::string_view keywordNone = "NONE";

// Paths in messages are cut like "%.259s" would cut them.
constexpr std::size_t messagePathLimit = 259;

bool WriteCountedString(CByteSink& sink, std::string_view text) {
    const std::size_t length = text.size();
    if (length < lengthEscape) {
        sink.WriteByte(static_cast<std::uint8_t>(length));
    } else if (length < wideMark) {
        sink.WriteByte(lengthEscape);
        sink.WriteUInt16(static_cast<std::uint16_t>(length));
    } else {
        if (length > UINT32_MAX) return false;
        sink.WriteByte(lengthEscape);
        sink.WriteUInt16(longMark);
        sink.WriteUInt32(static_cast<std::uint32_t>(length));
    }
    return length == 0 || sink.Write(text.data(), length);
}

bool WriteDateTime(CByteSink& sink, const CDateTime& dt) {
    sink.WriteInt32(dt.GetStatus());
    return sink.WriteDouble(dt.GetValue());
}

// Reads a length in counted form; `wide` tells whether the wide mark came before it.
bool ReadLength(CByteSource& source, std::uint64_t& length, bool& wide) {
    wide = false;
    for (;;) {
        std::uint8_t first;
        if (!source.ReadByte(first)) return false;
        if (first != lengthEscape) {
            length = first;
            return true;
        }
        std::uint16_t second;
        if (!source.ReadUInt16(second)) return false;
        if (second == longMark) {
            std::uint32_t full;
            if (!source.ReadUInt32(full)) return false;
            length = full;
            return true;
        }
        if (second != wideMark) {
            length = second;
            return true;
        }
        if (wide) return false;  // a second wide mark is not a length
        wide = true;
    }
}

// Reads a counted string into `text`, converting a wide one to ANSI. A length beyond the rest of
// the data fails before anything is allocated for it.
bool ReadCountedString(CByteSource& source, std::string& text, std::u16string& wideText) {
    std::uint64_t length;
    bool wide;
    if (!ReadLength(source, length, wide)) return false;
    const std::uint64_t bytes = wide ? 2 * length : length;
    if (bytes > source.Remaining()) return false;
    if (!wide) {
        text.resize(static_cast<std::size_t>(length));
        return length == 0 || source.Read(&text[0], text.size());
    }
    wideText.resize(static_cast<std::size_t>(length));
    for (char16_t& unit : wideText) {
        std::uint16_t value;
        if (!source.ReadUInt16(value)) return false;
        unit = static_cast<char16_t>(value);
    }
    text = TextConv().WideToAnsi(wideText);
    return true;
}

bool ReadDateTime(CByteSource& source, CDateTime& dt) {
    constexpr std::size_t size = 12;  // the status, then the value
    if (source.Available() >= size) {
        const unsigned char* window = source.Window();
        dt = CDateTime(LoadDoubleLE(window + 4), static_cast<std::int32_t>(LoadUInt32LE(window)));
        source.Skip(size);
        return true;
    }
    std::int32_t status;
    double value;
    if (!source.ReadInt32(status) || !source.ReadDouble(value)) return false;
    dt = CDateTime(value, status);
    return true;
}

// The four texts of the record being read. A text that lies whole in the source's buffer window
// is viewed there instead of being copied; a refill overwrites the window, so the texts viewed
// there are copied to their scratch strings before any read that may refill it.
class CRecordTexts {
public:
    static constexpr std::size_t fieldCount = 4;

    bool Read(CByteSource& source, std::size_t field) {
        const std::size_t available = source.Available();
        if (available != 0) {
            const unsigned char* window = source.Window();
            const std::size_t length = window[0];
            if (length != lengthEscape && length < available) {
                m_view[field] = std::string_view(reinterpret_cast<const char*>(window) + 1, length);
                m_inWindow[field] = true;
                source.Skip(1 + length);
                return true;
            }
        }
        Pin(field);
        m_inWindow[field] = false;
        if (!ReadCountedString(source, m_scratch[field], m_wideScratch)) return false;
        m_view[field] = m_scratch[field];
        return true;
    }
    // Copies the texts of the fields before `end` that are viewed in the window.
    void Pin(std::size_t end = fieldCount) {
        for (std::size_t field = 0; field < end; ++field) {
            if (!m_inWindow[field]) continue;
            m_scratch[field].assign(m_view[field].data(), m_view[field].size());
            m_view[field] = m_scratch[field];
            m_inWindow[field] = false;
        }
    }
    std::string_view operator[](std::size_t field) const { return m_view[field]; }

private:
    std::string_view m_view[fieldCount];
    bool m_inWindow[fieldCount] = {};
    std::string m_scratch[fieldCount];
    std::u16string m_wideScratch;
};

ELoadResult ReadBodyInto(CByteSource& source, CLinkList& list, std::size_t& recordsAdded) {
    std::int32_t version;
    if (!source.ReadInt32(version)) return ELoadResult::readFailed;
    if (version > CDataFile::currentVersion) return ELoadResult::newerVersion;
    // Version 1 has no Last Modified; every other version up to the current one has both.
    const bool hasModified = version != 1;

    const std::size_t recordsAtStart = list.GetCount();
    CCategoryList& categories = list.Categories();
    if (recordsAtStart == 0) categories.RemoveAll();

    std::string name;
    std::u16string wideName;

    std::int32_t stringCount;
    if (!source.ReadInt32(stringCount) || stringCount < 0) return ELoadResult::readFailed;
    if (stringCount >= 1) {
        // Gathered first and added at once: a sorted insert per name would take time growing
        // with the square of their number in a damaged or hostile file.
        std::vector<std::string> names;
        names.reserve(static_cast<std::size_t>(
            std::min<std::uint64_t>(static_cast<std::uint64_t>(stringCount), source.Remaining())));
        for (std::int32_t i = 1; i < stringCount; ++i) {
            if (!ReadCountedString(source, name, wideName)) {
                categories.AddAllIfAbsent(names);
                return ELoadResult::readFailed;
            }
            names.push_back(name);
        }
        categories.AddAllIfAbsent(names);
        if (!ReadCountedString(source, name, wideName)) return ELoadResult::readFailed;
        const std::string& newCategory = name;
        if (newCategory != keywordLast && newCategory != keywordNone &&
            !categories.Contains(newCategory)) {
            // A name the list lacks is listed; the choice of the list being added to stays.
            categories.AddIfAbsent(newCategory);
        } else if (recordsAtStart == 0) {
            list.m_strNewCategory = newCategory;
        }
    }

    std::int32_t recordCount;
    if (!source.ReadInt32(recordCount) || recordCount < 0) return ELoadResult::readFailed;
    // Room for the rows at once, but never for more records than the rest of the file can hold
    // (four empty texts and the date-times at the least).
    const std::uint64_t smallestRecord = 4 + (hasModified ? 24 : 12);
    list.Reserve(static_cast<std::size_t>(std::min<std::uint64_t>(
        static_cast<std::uint64_t>(recordCount), source.Remaining() / smallestRecord)));

    const std::size_t dateBytes = hasModified ? 24 : 12;
    CRecordTexts texts;
    for (std::int32_t i = 0; i < recordCount; ++i) {
        for (std::size_t field = 0; field < CRecordTexts::fieldCount; ++field)
            if (!texts.Read(source, field)) return ELoadResult::readFailed;
        if (source.Available() < dateBytes) texts.Pin();
        CDateTime added;
        CDateTime modified;
        if (!ReadDateTime(source, added)) return ELoadResult::readFailed;
        if (!hasModified)
            modified = added;
        else if (!ReadDateTime(source, modified))
            return ELoadResult::readFailed;
        if (!list.AddLinkItem(texts[0], texts[1], texts[2], texts[3], added, modified))
            return ELoadResult::outOfMemory;
        ++recordsAdded;
    }
    return ELoadResult::loaded;
}

std::string CutPath(const std::string& path) {
    return path.substr(0, messagePathLimit);
}

}  // namespace

bool CDataFile::WriteBody(CByteSink& sink, const CLinkList& list) {
    const CCategoryList& categories = list.Categories();
    if (categories.GetCount() >= static_cast<std::size_t>(INT32_MAX) ||
        list.GetCount() > static_cast<std::size_t>(INT32_MAX))
        return false;

    bool ok = sink.WriteInt32(currentVersion);
    sink.WriteInt32(static_cast<std::int32_t>(categories.GetCount() + 1));
    for (const std::string& name : categories.Names()) ok = WriteCountedString(sink, name) && ok;
    ok = WriteCountedString(sink, list.m_strNewCategory) && ok;
    sink.WriteInt32(static_cast<std::int32_t>(list.GetCount()));
    for (std::size_t row = 0; row < list.GetCount() && ok; ++row) {
        const CLinkItem& item = *list.GetAt(row);
        ok = WriteCountedString(sink, item.m_strTitle) &&
             WriteCountedString(sink, item.m_strLink) &&
             WriteCountedString(sink, item.m_strDescription) &&
             WriteCountedString(sink, item.m_strCategory) && WriteDateTime(sink, item.m_dtAdded) &&
             WriteDateTime(sink, item.m_dtModified);
    }
    // The sink's failures are sticky, so the flush reports any write that failed on the way.
    return sink.Flush() && ok;
}

CLoadOutcome CDataFile::ReadBody(CByteSource& source, CLinkList& list) {
    CLoadOutcome outcome;
    try {
        outcome.result = ReadBodyInto(source, list, outcome.recordsAdded);
    } catch (const std::bad_alloc&) {
        // A text or a category that cannot be allocated: the file cannot be read as it is.
        outcome.result = ELoadResult::readFailed;
    } catch (const std::length_error&) {
        outcome.result = ELoadResult::readFailed;
    }
    return outcome;
}

ESaveResult CDataFile::Save(const std::string& path, const CLinkList& list) {
    try {
        Backup(path);

        // The bytes go into a file beside the data file and replace it only when all of them are
        // on the disk, so a failed write leaves the previous file whole. A "<data>.tmp" can only
        // be left over from an interrupted save of this file, so it is removed and made again.
        CReplacingWrite write(m_fs, path, CReplacingWrite::ELeftover::remove);
        return write.Write([&list](CByteSink& sink) { return WriteBody(sink, list); })
                   ? ESaveResult::written
                   : ESaveResult::writeFailed;
    } catch (const std::bad_alloc&) {
        return ESaveResult::writeFailed;
    }
}

CLoadOutcome CDataFile::Load(const std::string& path, CLinkList& list) {
    CLoadOutcome outcome;
    switch (m_fs.GetKind(path)) {
        case EPathKind::missing:
            outcome.result = ELoadResult::notFound;
            return outcome;
        case EPathKind::file:
            break;
        case EPathKind::folder:
        case EPathKind::unusable:
        default:
            outcome.result = ELoadResult::readFailed;
            return outcome;
    }
    const std::unique_ptr<CInputFile> file = m_fs.OpenRead(path);
    if (!file) {
        outcome.result = ELoadResult::readFailed;
        return outcome;
    }
    CFileSource source(*file);
    return ReadBody(source, list);
}

void CDataFile::Backup(const std::string& path) {
    try {
        const std::string backup = path + ".bak";
        CCivilTime lastWrite;
        if (!m_fs.GetLastWriteTime(path, lastWrite)) return;
        // A backup that cannot be opened for reading counts as absent.
        const bool backupExists = m_fs.OpenRead(backup) != nullptr;
        if (IsBackupDue(lastWrite, m_clock.Today(), backupExists)) m_fs.Copy(path, backup);
    } catch (const std::bad_alloc&) {
        // No memory for the backup's name: the save goes on without a backup.
    }
}

bool IsBackupDue(const CCivilTime& lastWrite, const CCivilTime& today, bool backupExists) {
    const bool sameDate = lastWrite.year == today.year && lastWrite.month == today.month &&
                          lastWrite.day == today.day;
    return !sameDate || !backupExists;
}

std::string MessageNotFound(const std::string& path) {
    return "Could not find data file \"" + CutPath(path) + "\".";
}

std::string MessageReadFailed(const std::string& path) {
    return "Could not read veltrim links from \"" + CutPath(path) + "\".";
}

std::string MessageWriteFailed(const std::string& path) {
    return "Could not save veltrim links into \"" + CutPath(path) + "\".";
}

std::string MessageNewerVersion() {
    return "This program cannot load a data file that has a higher version number.  Do you want "
           "to exit this program without changing the stored settings?";
}

std::string MessageOutOfMemory() {
    return "Could not read the data file into memory.  Close another application and try again.";
}

std::string MessageProtected(const std::string& path) {
    return "Your changes have not been saved into \"" + CutPath(path) +
           "\", because that data file could not be read completely when it was loaded and "
           "saving would replace what it still holds.  To keep your changes, choose another data "
           "file on the Saving page of the Options, or save to this one there to replace it.";
}

std::string MessageCloseWithoutSaving(const std::string& path, bool protectedFile) {
    const std::string why =
        protectedFile ? "Your changes have not been saved into \"" + CutPath(path) +
                            "\", because that data file could not be read completely and saving "
                            "would replace what it still holds."
                      : "Your changes could not be saved into \"" + CutPath(path) + "\".";
    return why + "  Close the program without saving them?";
}

std::string MessageRecovered(const std::string& recoveryFile, const std::string& dataFile) {
    return "When Windows ended the last session, your changes could not be saved into \"" +
           CutPath(dataFile) + "\".  They were saved into \"" + CutPath(recoveryFile) +
           "\" instead.";
}
