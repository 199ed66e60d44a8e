// The messages of the bookmark import.
#include "import/ImportTexts.h"

namespace {

std::string Quoted(const std::string& path) {
    constexpr std::size_t limit = 259;  // as "%.259s" cuts
    return "\"" + path.substr(0, limit) + "\"";
}

}  // namespace

std::string MessageNoFileName() {
    return "Please enter a filename (with its path) before pressing the Import button.  You could "
           "either type in this filename, press the Browse button and select a file, or press the "
           "Find button, click on a filename when it appears in the list box and press the Select "
           "button.";
}

std::string MessageCannotOpen(const std::string& path) {
    return "Could not open bookmark file " + Quoted(path) + ".";
}

std::string MessageCannotRead(const std::string& path) {
    return "Could not read from " + Quoted(path) + ".";
}

std::string QuestionNotBookmarkFile(const std::string& path) {
    return Quoted(path) + " does not appear to be a standard bookmark file.  Continue anyway?";
}

std::string MessageNoLinksFound(const std::string& path) {
    return "Did not find any links in " + Quoted(path) + ".";
}

std::string MessageImported(std::size_t count, const CNumberFormatter& formatter) {
    return FormatCount("Imported %s link%s.", static_cast<long long>(count), formatter);
}

CImportMessage ImportMessage(const CImportOutcome& outcome, const std::string& path,
                             const CNumberFormatter& formatter) {
    switch (outcome.result) {
        case EImportResult::noFileName:
            return {MessageNoFileName(), EImportIcon::stop};
        case EImportResult::openFailed:
            return {MessageCannotOpen(path), EImportIcon::exclamation};
        case EImportResult::readFailed:
            return {MessageCannotRead(path), EImportIcon::exclamation};
        case EImportResult::declined:
            return {};
        case EImportResult::rewindFailed:
            return {MessageNoLinksFound(path), EImportIcon::exclamation};
        case EImportResult::imported:
            break;
    }
    if (outcome.outOfMemory)
        return {"Out of memory.  Try closing another program.  " +
                    MessageImported(outcome.imported, formatter),
                EImportIcon::exclamation};
    return {MessageImported(outcome.imported, formatter), EImportIcon::information};
}
