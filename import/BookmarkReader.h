// CBookmarkReader: reads the links of a bookmark file in the Netscape bookmark format into the
// list of links. It is a streaming scanner over 1,024-byte blocks, not an HTML parser: it looks
// for tag openers, reads tag texts and acts on the list tags (DL), the folder headings (H3), the
// anchors (A HREF) and a charset declaration; everything between tags is skipped. A link's
// category is the path of the folders open around it ("News|Local"); links directly in the
// top-level list have none.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "import/BookmarkSource.h"
#include "import/ImportOutcome.h"
#include "store/LinkList.h"
#include "store/TextConv.h"

class CBookmarkReader {
public:
    static constexpr std::size_t blockSize = 1024;
    // A tag keeps at most this many bytes (an anchor's ICON attribute can be many kilobytes);
    // the rest up to its '>' is skipped.
    static constexpr std::size_t tagLimit = 1024;
    // A category keeps at most this many bytes of its folder path. Every link in a folder gets
    // the whole path, so without a limit a small file of deeply nested folders or very long
    // folder names would fill the memory with copies of it.
    static constexpr std::size_t categoryLimit = 1024;
    static constexpr std::size_t noLimit = static_cast<std::size_t>(-1);

    // Constructors
    explicit CBookmarkReader(CBookmarkSource& source, const CTextConv& conv = TextConv());
    CBookmarkReader(const CBookmarkReader&) = delete;
    CBookmarkReader& operator=(const CBookmarkReader&) = delete;

    // Operations
    // Reads the file from its first byte and appends its links to `list` with Added and Last
    // Modified `now`. A file that does not start with the bookmark header (after a UTF-8
    // byte-order mark) is read only when `continueAnyway` returns true, and then without
    // folders. Reading ends early at a link whose title and address are both empty.
    CImportOutcome Import(CLinkList& list, const CDateTime& now,
                          const std::function<bool()>& continueAnyway);

    // Steps, on the current block
    // Reads the first block; false on a read error.
    bool ReadFirstBlock();
    // True at the end of the bytes (or after a read error).
    bool AtEnd() const { return m_count == 0; }
    // Letters compare without regard to case. With `readMore` only the bytes at the read
    // position are tested; otherwise the scan goes on block by block (a marker split across two
    // blocks is found) until the marker or the end. On success the read position is just past the
    // marker.
    bool FindMarker(std::string_view marker, bool readMore);
    // Collects the bytes up to `delimiter` into `out` (at most `limit` of them are kept) and
    // consumes them and the delimiter. False when the bytes ended first.
    bool ReadUntil(char delimiter, std::string& out, std::size_t limit = noLimit);
    // The raw text of an anchor up to its "</A>", inner tags and all.
    void ReadAnchorText(std::string& out);
    // True when `tag` starts with `prefix`, letters compared without regard to case.
    bool TagStartsWith(std::string_view tag, std::string_view prefix) const;
    // The names of the open folders joined by '|', outermost first, as far as categoryLimit
    // allows.
    std::string JoinFolderPath() const;

    // Attributes
    // The file declared UTF-8 (byte-order mark or charset), so its texts are converted.
    bool IsUtf8() const { return m_bUtf8; }

private:
    bool Refill();
    // FindMarker for a one-byte marker that has no other case.
    bool FindByte(char value);
    // ReadUntil without emptying `out` first; `limit` counts the bytes appended.
    bool AppendUntil(char delimiter, std::string& out, std::size_t limit);
    bool TestHeader();
    bool FindFirstList();
    void ReadStructured(CLinkList& list, const CDateTime& now, CImportOutcome& outcome);
    void ReadFlat(CLinkList& list, const CDateTime& now, CImportOutcome& outcome);
    bool ReadTag();
    void OpenList();
    void CloseList();
    bool IsHeading() const;
    // Reads the anchor in m_strTag and adds its link; false when the import must end.
    bool ImportAnchor(CLinkList& list, const CDateTime& now, std::string_view category,
                      CImportOutcome& outcome);
    void NoteCharset();
    // Decodes references and converts a UTF-8 text to the code page.
    void ToProgramText(std::string& text) const;
    bool EqualsFolded(unsigned char a, unsigned char b) const { return m_fold[a] == m_fold[b]; }

    CBookmarkSource& m_source;
    const CTextConv& m_conv;
    unsigned char m_fold[256];
    // How many byte values fold to each folded value: a value with one is found with memchr.
    unsigned short m_foldCount[256] = {};
    unsigned char m_block[blockSize];
    std::size_t m_count = 0;  // bytes in the block; 0 at the end
    std::size_t m_pos = 0;    // the next unread byte
    bool m_bReadFailed = false;
    bool m_bUtf8 = false;

    long long m_nDepth = 0;              // nesting of the DL lists; 1 in the top-level list
    std::vector<std::string> m_folders;  // names of the open folders, outermost first
    std::vector<bool> m_listNamed;       // for each open list: its heading pushed a folder name
    std::string m_strHeading;            // the last heading's name until its list opens
    bool m_bHeadingPending = false;
    std::string m_strCategory;        // JoinFolderPath() of m_folders
    std::string m_strListedCategory;  // the category list is known to hold it

    std::string m_strTag;  // scratch texts, kept to reuse their memory
    std::string m_strLink;
    std::string m_strTitle;
};
