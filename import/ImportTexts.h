// The texts that the import of a bookmark file shows, and which one an outcome calls for.
// Paths are cut at 259 characters.
#pragma once

#include <cstddef>
#include <string>

#include "controls/NumberFormatter.h"
#include "import/ImportOutcome.h"

std::string MessageNoFileName();
std::string MessageCannotOpen(const std::string& path);
std::string MessageCannotRead(const std::string& path);
// Asked with Yes and No, No the default, and the question icon.
std::string QuestionNotBookmarkFile(const std::string& path);
std::string MessageNoLinksFound(const std::string& path);
// "Imported 1,234 links."
std::string MessageImported(std::size_t count, const CNumberFormatter& formatter);

enum class EImportIcon { none, stop, exclamation, information };

struct CImportMessage {
    std::string text;  // empty: nothing to show
    EImportIcon icon = EImportIcon::none;
};

// The message for the import of `path` (trimmed) that ended with `outcome`. Links that could not
// be stored for lack of memory turn the summary into a warning that says so.
CImportMessage ImportMessage(const CImportOutcome& outcome, const std::string& path,
                             const CNumberFormatter& formatter);
