#include "app/ExportCommand.h"

#include "import/BookmarkExport.h"
#include "store/DataFile.h"
#include "store/LinkList.h"
#include "store/TextConv.h"

namespace {

CCommandResult Result(int exitCode, std::string message) {
    CCommandResult result;
    result.m_nExitCode = exitCode;
    result.m_strMessage = std::move(message);
    return result;
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

}  // namespace

CCommandResult RunExport(CFileSystem& fileSystem, const CClock& clock, const std::string& dataFile,
                         const std::string& target, const CNumberFormatter& numbers) {
    // Replacing the data file with a bookmark file would lose the collection.
    if (TextConv().EqualNoCase(dataFile, target))
        return Result(exitBadArguments,
                      "The bookmark file cannot be the data file " + Quoted(dataFile) + ".");

    CLinkList list;
    CDataFile file(fileSystem, clock);
    switch (file.Load(dataFile, list).result) {
        case ELoadResult::loaded:
            break;
        case ELoadResult::notFound:
            return Result(exitDataFileUnreadable, MessageNotFound(dataFile));
        case ELoadResult::newerVersion:
            return Result(exitDataFileUnreadable,
                          "Could not read veltrim links from " + Quoted(dataFile) +
                              ", because a newer version of this program wrote it.");
        case ELoadResult::outOfMemory:
            return Result(exitDataFileUnreadable, MessageOutOfMemory());
        case ELoadResult::readFailed:
        default:
            return Result(exitDataFileUnreadable, MessageReadFailed(dataFile));
    }

    const CExportOutcome outcome = ExportBookmarkFile(fileSystem, target, list);
    if (!outcome.written)
        return Result(exitWriteFailed, "Could not write the bookmark file " + Quoted(target) + ".");
    std::string message = FormatCount("Exported %s link%s to ",
                                      static_cast<long long>(outcome.linksWritten), numbers) +
                          Quoted(target) + ".";
    if (outcome.linksLeftOut != 0)
        message += FormatCount("  Left out %s link%s without a title or an address.",
                               static_cast<long long>(outcome.linksLeftOut), numbers);
    return Result(exitSuccess, message);
}
