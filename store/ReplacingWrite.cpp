// CReplacingWrite: the temporary file, its name, and the one-step replace.
#include "store/ReplacingWrite.h"

#include "store/ByteStream.h"

std::unique_ptr<COutputFile> CReplacingWrite::CreateTemporary() {
    m_strTemporary = m_strTarget + ".tmp";
    std::unique_ptr<COutputFile> file = m_fs.Create(m_strTemporary);
    if (file) return file;
    if (m_leftover == ELeftover::remove) {
        if (m_fs.IsFile(m_strTemporary) && m_fs.Remove(m_strTemporary))
            file = m_fs.Create(m_strTemporary);  // left over from an interrupted write
    } else {
        // Create never opens an existing file, so a name that is taken is skipped and nothing
        // someone else made is touched. A failure for any other reason (no such folder, no
        // right to write there) would fail for every name alike.
        for (int number = 1; !file && number <= numberedNames; ++number) {
            const EPathKind kind = m_fs.GetKind(m_strTemporary);
            if (kind != EPathKind::file && kind != EPathKind::folder) break;
            m_strTemporary = m_strTarget + "." + std::to_string(number) + ".tmp";
            file = m_fs.Create(m_strTemporary);
        }
    }
    if (!file) m_strTemporary.clear();
    return file;
}

bool CReplacingWrite::Write(const std::function<bool(CByteSink&)>& writeBytes) {
    std::unique_ptr<COutputFile> file = CreateTemporary();
    if (!file) return false;
    bool ok;
    try {
        CFileSink sink(*file);
        ok = writeBytes(sink) && sink.Flush();
    } catch (...) {
        // Closed first: Windows does not delete a file that is still open.
        file->Close();
        file.reset();
        m_fs.Remove(m_strTemporary);
        throw;
    }
    const bool closed = file->Close();
    file.reset();
    if (ok && closed && m_fs.Replace(m_strTemporary, m_strTarget)) return true;
    m_fs.Remove(m_strTemporary);
    return false;
}
