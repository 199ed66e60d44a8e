// ImportBookmarkFile: from the typed name to the links in the list.
#include "import/BookmarkImport.h"

#include "import/BookmarkFileSource.h"
#include "import/BookmarkReader.h"
#include "import/ImportTexts.h"
#include "store/TextTrim.h"

CImportOutcome ImportBookmarkFile(CFileSystem& fileSystem, std::string_view fileName,
                                  CLinkList& list, const CDateTime& now,
                                  const ImportQuestion& ask) {
    CImportOutcome outcome;
    const std::string path = TrimText(fileName);
    if (path.empty()) {
        outcome.result = EImportResult::noFileName;
        return outcome;
    }
    CBookmarkFileSource source(fileSystem, path);
    if (!source.Open()) {
        outcome.result = EImportResult::openFailed;
        return outcome;
    }
    CBookmarkReader reader(source);
    return reader.Import(list, now, [&] { return ask && ask(QuestionNotBookmarkFile(path)); });
}
