// CImportHost: what the Import window asks of the main window: to import one bookmark file into
// the list of links, and the number format of its texts.
#pragma once

#include <string>

#include "controls/NumberFormatter.h"
#include "import/BookmarkImport.h"

class CImportHost {
public:
    virtual ~CImportHost() = default;
    // Imports the file named as typed; `ask` puts the question about a file that does not look
    // like a bookmark file. The list shows the new links once the file is read.
    virtual CImportOutcome ImportBookmarks(const std::string& fileName,
                                           const ImportQuestion& ask) = 0;
    virtual CNumberFormatter GetNumberFormatter() const = 0;
};
