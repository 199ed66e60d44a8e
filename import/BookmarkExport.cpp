// WriteBookmarks and ExportBookmarkFile: the layout of the bookmark file.
#include "import/BookmarkExport.h"

#include <algorithm>
#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

#include "import/BookmarkFolders.h"
#include "import/HtmlOutput.h"
#include "store/ReplacingWrite.h"
#include "store/UnixTimeConverter.h"

namespace {

// CR LF ends each line: the file is made on Windows and read there in any editor.
constexpr char kHead[] =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\r\n"
    "<TITLE>Bookmarks</TITLE>\r\n"
    "<H1>Bookmarks</H1>\r\n"
    "<DL><p>\r\n";
constexpr char kTail[] = "</DL><p>\r\n";
// Indentation stops growing here, so that a category of thousands of levels does not make every
// line of its links kilobytes long.
constexpr std::size_t kDeepestIndent = 32;

class CBookmarkWriter {
public:
    CBookmarkWriter(CByteSink& sink, const CLinkList& list, const CTextConv& conv)
        : m_out(sink, conv), m_list(list), m_folders(list) {}

    bool Write(CExportOutcome& outcome);

private:
    void WriteLinks(std::uint32_t folder, std::size_t depth);
    void WriteDate(const char* attribute, const CDateTime& dt);

    CHtmlOutput m_out;
    const CLinkList& m_list;
    CBookmarkFolders m_folders;
    CUnixTimeConverter m_time;
};

bool CBookmarkWriter::Write(CExportOutcome& outcome) {
    m_out.Markup(kHead);
    // Depth first without recursion (a category may nest thousands of folders): each entry is a
    // folder and how many of its folders are written. A folder's links come before its folders.
    struct CLevel {
        std::uint32_t folder;
        std::size_t next;
    };
    std::vector<CLevel> open{{0, 0}};
    WriteLinks(0, 1);
    while (!open.empty()) {
        CLevel& level = open.back();
        const std::vector<std::uint32_t>& inside = m_folders.Folder(level.folder).folders;
        if (level.next == inside.size()) {
            open.pop_back();
            m_out.Indent(std::min(open.size(), kDeepestIndent));
            m_out.Markup(kTail);
            continue;
        }
        const std::uint32_t folder = inside[level.next++];
        const std::size_t depth = open.size();
        m_out.Indent(std::min(depth, kDeepestIndent));
        m_out.Markup("<DT><H3>");
        m_out.Text(m_folders.Folder(folder).name);
        m_out.Markup("</H3>\r\n");
        m_out.Indent(std::min(depth, kDeepestIndent));
        m_out.Markup("<DL><p>\r\n");
        open.push_back({folder, 0});
        WriteLinks(folder, depth + 1);
    }
    outcome.linksLeftOut = m_folders.LeftOut();
    outcome.linksWritten = m_list.GetCount() - m_folders.LeftOut();
    return m_out.Flush();
}

void CBookmarkWriter::WriteLinks(std::uint32_t folder, std::size_t depth) {
    const std::uint32_t group = m_folders.Folder(folder).group;
    if (group == CBookmarkFolders::noGroup) return;
    const std::size_t indent = std::min(depth, kDeepestIndent);
    for (const std::uint32_t* row = m_folders.RowsBegin(group); row != m_folders.RowsEnd(group);
         ++row) {
        const CLinkItem& item = *m_list.GetAt(*row);
        m_out.Indent(indent);
        m_out.Markup("<DT><A HREF=\"");
        m_out.Text(item.m_strLink);
        m_out.Markup("\"");
        WriteDate(" ADD_DATE=\"", item.m_dtAdded);
        WriteDate(" LAST_MODIFIED=\"", item.m_dtModified);
        m_out.Markup(">");
        m_out.Text(item.m_strTitle);
        m_out.Markup("</A>\r\n");
        if (!item.m_strDescription.empty()) {
            m_out.Indent(indent);
            m_out.Markup("<DD>");
            m_out.Lines(item.m_strDescription);
            m_out.Markup("\r\n");
        }
    }
}

// A date that has no Unix time (invalid, before 1970, beyond 9999) leaves its attribute out.
void CBookmarkWriter::WriteDate(const char* attribute, const CDateTime& dt) {
    std::int64_t seconds;
    if (!m_time.ToUnix(dt, seconds)) return;
    m_out.Markup(attribute);
    m_out.Number(static_cast<std::uint64_t>(seconds));
    m_out.Markup("\"");
}

}  // namespace

bool WriteBookmarks(CByteSink& sink, const CLinkList& list, CExportOutcome& outcome,
                    const CTextConv& conv) {
    try {
        // The writer holds the 64 KiB output buffer: on the heap, not the stack.
        const auto writer = std::make_unique<CBookmarkWriter>(sink, list, conv);
        return writer->Write(outcome);
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

CExportOutcome ExportBookmarkFile(CFileSystem& fileSystem, const std::string& path,
                                  const CLinkList& list, const CTextConv& conv) {
    CExportOutcome outcome;
    try {
        // Keep: a "<path>.tmp" beside the target was not made by an export of this program for
        // sure, so it is left alone and another name is used.
        CReplacingWrite write(fileSystem, path, CReplacingWrite::ELeftover::keep);
        outcome.written =
            write.Write([&](CByteSink& sink) { return WriteBookmarks(sink, list, outcome, conv); });
    } catch (const std::bad_alloc&) {
        outcome.written = false;
    }
    if (!outcome.written) outcome = CExportOutcome();
    return outcome;
}
