// The export of the collection as a bookmark file in the Netscape bookmark format, in UTF-8, as
// browsers import it: each category a path of nested folders (CBookmarkFolders gives their order),
// each record a link with its Added and Last Modified as Unix seconds and its description on a
// DD line. Records with neither a title nor an address are left out and counted.
#pragma once

#include <cstddef>
#include <string>

#include "store/ByteStream.h"  // CByteSink
#include "store/FileSystem.h"
#include "store/LinkList.h"
#include "store/TextConv.h"

struct CExportOutcome {
    bool written = false;  // the file now holds the collection
    std::size_t linksWritten = 0;
    std::size_t linksLeftOut = 0;  // records without title and address
};

// Writes the bookmark file's bytes to `sink`; false when a write failed (or memory ran out).
// Sets the two counts of `outcome`; `written` is left to the caller.
bool WriteBookmarks(CByteSink& sink, const CLinkList& list, CExportOutcome& outcome,
                    const CTextConv& conv = TextConv());
// Writes the file at `path` through a temporary file; on failure nothing is left behind, an
// existing file at `path` stays as it was, and the counts are 0. A file named like the temporary
// file is never touched: another free name is used.
CExportOutcome ExportBookmarkFile(CFileSystem& fileSystem, const std::string& path,
                                  const CLinkList& list, const CTextConv& conv = TextConv());
