// CBookmarkReader: the block scanner and the two passes over a bookmark file.
#include "import/BookmarkReader.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "import/CharacterReferences.h"
#include "import/ImportedLink.h"

namespace {

constexpr std::string_view kHeader = "<!DOCTYPE NETSCAPE-Bookmark-file-1>";
constexpr unsigned char kByteOrderMark[] = {0xEF, 0xBB, 0xBF};
// FindMarker keeps its partial-match table on the stack; every marker of the format is shorter.
constexpr std::size_t kLongestMarker = 64;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool HasHighBytes(const std::string& text) {
    // No early exit: the compiler turns the loop into wide operations.
    unsigned char bits = 0;
    for (char c : text) bits |= static_cast<unsigned char>(c);
    return (bits & 0x80) != 0;
}

}  // namespace

CBookmarkReader::CBookmarkReader(CBookmarkSource& source, const CTextConv& conv)
    : m_source(source), m_conv(conv) {
    // One fold per byte value, asked once: the scanner then folds with a table look-up.
    for (int c = 0; c < 256; ++c) {
        const std::string folded = conv.FoldCase(std::string(1, static_cast<char>(c)));
        m_fold[c] = folded.size() == 1 ? static_cast<unsigned char>(folded[0])
                                       : static_cast<unsigned char>(c);
        ++m_foldCount[m_fold[c]];
    }
}

CImportOutcome CBookmarkReader::Import(CLinkList& list, const CDateTime& now,
                                       const std::function<bool()>& continueAnyway) {
    CImportOutcome outcome;
    try {
        if (!ReadFirstBlock()) {
            outcome.result = EImportResult::readFailed;
            return outcome;
        }
        // A UTF-8 byte-order mark says how the texts are written; the header follows it.
        if (m_count >= sizeof kByteOrderMark &&
            std::memcmp(m_block, kByteOrderMark, sizeof kByteOrderMark) == 0) {
            m_pos = sizeof kByteOrderMark;
            m_bUtf8 = true;
        }
        if (!FindMarker(kHeader, false)) {
            if (!continueAnyway || !continueAnyway()) {
                outcome.result = EImportResult::declined;
                return outcome;
            }
            ReadFlat(list, now, outcome);
        } else if (FindFirstList()) {
            ReadStructured(list, now, outcome);
        } else {
            ReadFlat(list, now, outcome);
        }
    } catch (const std::bad_alloc&) {
        outcome.outOfMemory = true;
    }
    if (m_bReadFailed && outcome.result == EImportResult::imported)
        outcome.result = EImportResult::readFailed;
    return outcome;
}

bool CBookmarkReader::Refill() {
    m_pos = 0;
    m_count = 0;
    while (m_count < blockSize && !m_bReadFailed) {
        const std::size_t got =
            std::min(m_source.Read(m_block + m_count, blockSize - m_count), blockSize - m_count);
        if (got == 0) break;
        m_count += got;
    }
    // A read error ends the bytes; what the failed block held is not trusted.
    if (m_source.Failed()) {
        m_bReadFailed = true;
        m_count = 0;
    }
    return m_count != 0;
}

bool CBookmarkReader::ReadFirstBlock() {
    Refill();
    return !m_bReadFailed;
}

bool CBookmarkReader::FindMarker(std::string_view marker, bool readMore) {
    const std::size_t length = marker.size();
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(marker[i]); };
    if (length == 0) return true;
    if (!readMore) {
        if (m_count - m_pos < length) return false;
        for (std::size_t i = 0; i < length; ++i)
            if (!EqualsFolded(m_block[m_pos + i], byte(i))) return false;
        m_pos += length;
        return true;
    }
    if (length == 1 && m_foldCount[m_fold[byte(0)]] == 1) return FindByte(marker[0]);
    if (length > kLongestMarker) return false;
    // For each prefix of the marker, the longest proper prefix that is also its suffix: after a
    // mismatch the scan goes on from there, so no occurrence is missed, even one that begins
    // inside a partial match carried over from the previous block.
    std::size_t border[kLongestMarker];
    border[0] = 0;
    for (std::size_t i = 1, k = 0; i < length; ++i) {
        while (k > 0 && !EqualsFolded(byte(i), byte(k))) k = border[k - 1];
        if (EqualsFolded(byte(i), byte(k))) ++k;
        border[i] = k;
    }
    const bool seekFirst = m_foldCount[m_fold[byte(0)]] == 1;
    std::size_t matched = 0;
    while (m_count != 0) {
        while (m_pos < m_count) {
            if (matched == 0 && seekFirst) {
                const void* hit = std::memchr(m_block + m_pos, byte(0), m_count - m_pos);
                if (!hit) {
                    m_pos = m_count;
                    break;
                }
                m_pos = static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - m_block);
            }
            const unsigned char c = m_block[m_pos++];
            while (matched > 0 && !EqualsFolded(c, byte(matched))) matched = border[matched - 1];
            if (EqualsFolded(c, byte(matched))) ++matched;
            if (matched == length) return true;
        }
        Refill();
    }
    return false;
}

bool CBookmarkReader::FindByte(char value) {
    while (m_count != 0) {
        const void* hit = std::memchr(m_block + m_pos, value, m_count - m_pos);
        if (hit) {
            m_pos = static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - m_block) + 1;
            return true;
        }
        Refill();
    }
    return false;
}

bool CBookmarkReader::ReadUntil(char delimiter, std::string& out, std::size_t limit) {
    out.clear();
    return AppendUntil(delimiter, out, limit);
}

bool CBookmarkReader::AppendUntil(char delimiter, std::string& out, std::size_t limit) {
    std::size_t kept = 0;
    for (;;) {
        if (m_pos == m_count && !Refill()) return false;
        const unsigned char* start = m_block + m_pos;
        const std::size_t available = m_count - m_pos;
        const void* hit = std::memchr(start, delimiter, available);
        const std::size_t span =
            hit ? static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - start)
                : available;
        const std::size_t keep = std::min(span, limit - kept);
        out.append(reinterpret_cast<const char*>(start), keep);
        kept += keep;
        m_pos += span;
        if (hit) {
            ++m_pos;
            return true;
        }
    }
}

void CBookmarkReader::ReadAnchorText(std::string& out) {
    out.clear();
    for (;;) {
        const std::size_t start = out.size();
        // Without a '>' the bytes ended: the text is what came before.
        if (!AppendUntil('>', out, noLimit)) return;
        const std::size_t end = out.size();
        if (end - start > 2 && out[end - 3] == '<' && out[end - 2] == '/' &&
            (out[end - 1] == 'a' || out[end - 1] == 'A')) {
            out.resize(end - 3);
            return;
        }
        // An inner tag, or a '>' in the text: it stays.
        out += '>';
    }
}

bool CBookmarkReader::TagStartsWith(std::string_view tag, std::string_view prefix) const {
    if (tag.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (!EqualsFolded(static_cast<unsigned char>(tag[i]),
                          static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

std::string CBookmarkReader::JoinFolderPath() const {
    std::string path;
    for (std::size_t i = 0; i < m_folders.size(); ++i) {
        const std::string& name = m_folders[i];
        if (path.size() + (i != 0 ? 1 : 0) + name.size() > categoryLimit) {
            // Folders that do not fit are left out, and an outermost name too long is cut.
            if (i == 0) path.assign(name, 0, categoryLimit);
            break;
        }
        if (i != 0) path += '|';
        path += name;
    }
    return path;
}

bool CBookmarkReader::ReadTag() {
    if (!FindMarker("<", true)) return false;
    ReadUntil('>', m_strTag, tagLimit);
    return true;
}

bool CBookmarkReader::FindFirstList() {
    while (!AtEnd()) {
        if (!ReadTag()) break;
        if (m_strTag.size() == 2 && TagStartsWith(m_strTag, "DL")) return true;
        NoteCharset();
    }
    return false;
}

void CBookmarkReader::ReadStructured(CLinkList& list, const CDateTime& now,
                                     CImportOutcome& outcome) {
    m_nDepth = 1;
    while (!AtEnd()) {
        if (!ReadTag()) continue;
        if (m_strTag == "DL") {
            OpenList();
        } else if (m_strTag == "/DL") {
            CloseList();
        } else if (IsHeading()) {
            // The name is read whole up to its end tag, whose '<' is consumed here.
            ReadUntil('<', m_strHeading);
            ToProgramText(m_strHeading);
            m_bHeadingPending = true;
        } else if (TagStartsWith(m_strTag, "A HREF=")) {
            const std::string_view category = m_nDepth == 1 ? std::string_view() : m_strCategory;
            if (!ImportAnchor(list, now, category, outcome)) return;
        } else {
            NoteCharset();
        }
    }
}

void CBookmarkReader::ReadFlat(CLinkList& list, const CDateTime& now, CImportOutcome& outcome) {
    if (!m_source.Rewind()) {
        outcome.result = EImportResult::rewindFailed;
        return;
    }
    Refill();
    while (!AtEnd()) {
        if (!ReadTag()) continue;
        if (TagStartsWith(m_strTag, "A HREF=")) {
            if (!ImportAnchor(list, now, std::string_view(), outcome)) return;
        } else {
            NoteCharset();
        }
    }
}

void CBookmarkReader::OpenList() {
    ++m_nDepth;
    // A list opened right after a heading is that folder's contents.
    m_listNamed.push_back(m_bHeadingPending);
    if (m_bHeadingPending) {
        m_folders.push_back(m_strHeading);
        m_strCategory = JoinFolderPath();
        m_bHeadingPending = false;
    }
}

void CBookmarkReader::CloseList() {
    --m_nDepth;
    // A heading inside this list that never opened a list of its own is forgotten with it.
    m_bHeadingPending = false;
    if (m_listNamed.empty()) return;
    const bool named = m_listNamed.back();
    m_listNamed.pop_back();
    if (named && !m_folders.empty()) {
        m_folders.pop_back();
        m_strCategory = JoinFolderPath();
    }
}

bool CBookmarkReader::IsHeading() const {
    return TagStartsWith(m_strTag, "H3") && (m_strTag.size() == 2 || IsBlank(m_strTag[2]));
}

bool CBookmarkReader::ImportAnchor(CLinkList& list, const CDateTime& now, std::string_view category,
                                   CImportOutcome& outcome) {
    // The address is the quoted value right after A HREF=; an unquoted one is not read, since
    // its end could only be guessed.
    constexpr std::size_t addressStart = 8;
    if (m_strTag.size() < addressStart || m_strTag[addressStart - 1] != '"') return true;
    const std::size_t quote = m_strTag.find('"', addressStart);
    if (quote == std::string::npos) return true;
    m_strLink.assign(m_strTag, addressStart, quote - addressStart);
    ReadAnchorText(m_strTitle);
    ToProgramText(m_strLink);
    ToProgramText(m_strTitle);
    switch (AddImportedLink(list, m_strTitle, m_strLink, category, now, &m_strListedCategory)) {
        case EImportedLink::added:
            ++outcome.imported;
            return true;
        case EImportedLink::outOfMemory:
            outcome.outOfMemory = true;
            return false;
        case EImportedLink::empty:
            break;
    }
    return false;
}

void CBookmarkReader::NoteCharset() {
    if (!TagStartsWith(m_strTag, "META")) return;
    constexpr std::string_view charset = "charset=";
    const std::string_view tag = m_strTag;
    for (std::size_t at = 0; at + charset.size() <= tag.size(); ++at) {
        if (!TagStartsWith(tag.substr(at), charset)) continue;
        std::size_t value = at + charset.size();
        while (value < tag.size() &&
               (tag[value] == '"' || tag[value] == '\'' || IsBlank(tag[value])))
            ++value;
        const std::string_view name = tag.substr(value);
        if (TagStartsWith(name, "utf-8") || TagStartsWith(name, "utf8")) m_bUtf8 = true;
        return;
    }
}

void CBookmarkReader::ToProgramText(std::string& text) const {
    DecodeCharacterReferences(text, m_bUtf8, m_conv);
    if (m_bUtf8 && HasHighBytes(text)) text = m_conv.Utf8ToAnsi(text);
}
