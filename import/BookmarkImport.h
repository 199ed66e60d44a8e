// The Import button's work in the core: the typed file name is trimmed, the file opened for
// reading (others may read it too) and its links appended to the list. The window shows the
// message that ImportMessage gives for the outcome and counts the added links as changes
// (CountImportedLinks).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "import/ImportOutcome.h"
#include "store/FileSystem.h"
#include "store/LinkList.h"

// Asks `question` with Yes and No (No the default) and returns true for Yes.
using ImportQuestion = std::function<bool(const std::string& question)>;

// Reads the file named by `fileName` (as typed) into `list`; `ask` is called when the file does
// not look like a bookmark file. Added and Last Modified of every link are `now`.
CImportOutcome ImportBookmarkFile(CFileSystem& fileSystem, std::string_view fileName,
                                  CLinkList& list, const CDateTime& now, const ImportQuestion& ask);
